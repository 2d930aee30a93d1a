#include "support/Store.h"

namespace kelpie::builder {

Device& Store::NewDevice(Group group) {
    Device& device = Devices.emplace_back(*this);
    if (group != Group::Unlisted) {
        auto& chain = Groups[static_cast<std::size_t>(group)];
        if (!chain.empty()) chain.back()->chainNext_ = &device;
        chain.push_back(&device);
    }
    return device;
}

Panel& Store::NewPanel(Device* owner, bool special) {
    Panel& panel = Panels.emplace_back(*this);
    std::vector<Panel*>* chain = owner ? &owner->panels_ : special ? &SpecialPanels : nullptr;
    if (chain) {
        if (!chain->empty()) chain->back()->chainNext_ = &panel;
        chain->push_back(&panel);
    }
    return panel;
}

Frame& Store::NewFrame() {
    return Frames.emplace_back(*this);
}
Button& Store::NewButton() {
    return Buttons.emplace_back(*this);
}
ActionList& Store::NewActionList() {
    return ActionLists.emplace_back(*this);
}
IRCode& Store::NewIRCode() {
    return IRCodes.emplace_back(*this);
}
Icon& Store::NewIcon() {
    return Icons.emplace_back(*this);
}
Timer& Store::NewTimer() {
    return Timers.emplace_back(*this);
}
Name& Store::NewName(std::string text) {
    return Names.emplace_back(std::move(text));
}
RawBlock& Store::NewRawBlock(std::vector<std::uint8_t> bytes) {
    return RawBlocks.emplace_back(std::move(bytes));
}

} // namespace kelpie::builder
