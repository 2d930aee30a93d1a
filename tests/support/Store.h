// The arena of a CCFBuilder: every record a test makes lives here, in the
// order it was made, at an address that never changes (deques only grow at
// the end). The layout reads it; the records' own Add... helpers write to it.
#pragma once

#include "support/Records.h"

#include <array>
#include <deque>
#include <string>
#include <vector>

namespace kelpie::builder {

class Store {
public:
    Store() = default;
    Store(const Store&) = delete;
    Store& operator=(const Store&) = delete;

    Device& NewDevice(Group group);
    // A panel at the end of `owner`'s chain, of the special panels (nullptr,
    // special = true), or of no chain (nullptr, special = false).
    Panel& NewPanel(Device* owner, bool special);
    Frame& NewFrame();
    Button& NewButton();
    ActionList& NewActionList();
    IRCode& NewIRCode();
    Icon& NewIcon();
    Timer& NewTimer();
    Name& NewName(std::string text);
    RawBlock& NewRawBlock(std::vector<std::uint8_t> bytes);

    // Creation order per kind.
    std::deque<Device> Devices;
    std::deque<Panel> Panels;
    std::deque<Frame> Frames;
    std::deque<Button> Buttons;
    std::deque<ActionList> ActionLists;
    std::deque<IRCode> IRCodes;
    std::deque<Icon> Icons;
    std::deque<Timer> Timers;
    std::deque<Name> Names;
    std::deque<RawBlock> RawBlocks;

    // The chains the header starts: home, devices and macros group, and the
    // special panels.
    std::array<std::vector<Device*>, 3> Groups;
    std::vector<Panel*> SpecialPanels;
};

} // namespace kelpie::builder
