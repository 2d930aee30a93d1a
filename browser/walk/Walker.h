// The walker: one walk of a file's object graph that serves every output.
// It visits the records in the order the browser and the reports show them
// (header, device groups, devices with their hard keys and panels, frames
// and buttons, action lists, actions, IR codes, icons, timers), keeps the
// panel offsets and the device counts, and leaves every decision about what
// is shown to its output.
#pragma once

#include "model/CCFlocal.h"
#include "walk/WalkOutput.h"

#include <cstdint>
#include <string>

namespace vantor {

class UserInterface;

class Walker {
public:
    // `ui` hears of child entries of an unknown kind.
    Walker(CCFlocal& file, WalkOutput& output, UserInterface& ui)
        : file_(file), output_(output), ui_(ui) {}

    // Counts the devices of each group into the file's counters.
    void DoHeader(const Node& parentNode);
    void DoDevices(kelpie::Devices& devices, std::int32_t& count, const Node& parentNode);
    void DoDevice(kelpie::Device& device, const Node& parentNode);
    void DoPanels(kelpie::Panels& panels, const Node& parentNode);
    void DoPanel(kelpie::Panel& panel, const Node& parentNode);
    // Parent offsets accumulate down the nesting; they are 32-bit so that no
    // sum of 16-bit coordinates can overflow.
    void DoChild(kelpie::Child& child, const Node& parentNode, std::int32_t parentX,
                 std::int32_t parentY, bool& hasActions);
    void DoFrame(kelpie::Frame& frame, const Node& parentNode, std::int32_t parentX,
                 std::int32_t parentY, bool& hasActions);
    void DoButton(kelpie::Button& button, const Node& parentNode, std::int32_t parentX,
                  std::int32_t parentY, bool& hasActions);
    void DoActionList(const std::string& type, kelpie::Actions& actions, const Node& parentNode,
                      bool expandList, bool expandActions);
    void DoAction(kelpie::Action& action, const Node& parentNode, bool expand);
    void DoIRCode(kelpie::IRCode& code, const Node& parentNode, bool expand);
    void DoIcon(kelpie::Icon& icon, const std::string& type, bool printIcon,
                const Node& parentNode, bool expand, std::int32_t x, std::int32_t y);
    void DoTimer(kelpie::Timer& timer, const Node& parentNode, bool expand);

private:
    // Depth of the walk: 1 inside the record the walk was started on.
    class Level {
    public:
        explicit Level(std::int32_t& depth) : depth_(++depth) {}
        ~Level() { --depth_; }
        Level(const Level&) = delete;
        Level& operator=(const Level&) = delete;

    private:
        std::int32_t& depth_;
    };
    bool AtRoot() const noexcept { return depth_ == 1; }
    template <class T> void Register(T& object, const char* type);

    CCFlocal& file_;
    WalkOutput& output_;
    UserInterface& ui_;
    std::int32_t depth_ = 0;
};

} // namespace vantor
