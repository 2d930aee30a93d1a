#include "outputs/TreeOutput.h"

#include "model/Sinks.h"
#include "model/Tags.h"

#include <kelpie/file/CCF.h>
#include <kelpie/model/Button.h>
#include <kelpie/model/Frame.h>

namespace vantor {

namespace {

struct NodeLook {
    const char* Type;
    const char* Prefix; // text before the name
    const char* Suffix; // text after the name
    const char* Fixed;  // the whole text, for nodes that show no name
    const char* ImageKey;
};

// Text and image of each node type.
constexpr NodeLook NodeLooks[] = {
    {"H", "", "", nullptr, "Pronto"},
    {"Z", "", "", "Home", "Home"},
    {"G", "", "", "Devices", "DeviceGroup"},
    {"M", "", "", "Macros", "MacroGroup"},
    {"Y", "", "", "Macro Recording Panel", "Panel"},
    {"D", "", "", nullptr, "Device"},
    {"P", "", "", nullptr, "Panel"},
    {"F", "Frame: ", "", nullptr, "Frame"},
    {"B", "Button: ", "", nullptr, "Button"},
    {"L", "", " Action List", nullptr, "ActionList"},
    {"A", "", "", nullptr, "Action"},
    {"T", "", "", "[T] Timer", "Timer"},
    {"I", "", " Icon", nullptr, "Icon"},
    {"C", "[C] IR Code: ", "", nullptr, "IRCode"},
};

// The tag type of each device group's node.
const char* GroupType(DeviceGroup group) {
    switch (group) {
    case DeviceGroup::Home:
        return "Z";
    case DeviceGroup::Devices:
        return "G";
    case DeviceGroup::Macros:
        return "M";
    case DeviceGroup::MacroRecording:
        break;
    }
    return "Y";
}

} // namespace

TreeOutput::TreeOutput(CCFlocal& file, TreeSink& tree, std::int32_t& nodeCounter)
    : file_(file), tree_(tree), nodeCounter_(nodeCounter), keepsNodes_(tree.KeepsNodes()) {}

Node TreeOutput::AddNode(const Node& parent, const std::string& type, const std::string& name,
                         std::int32_t position) {
    const std::string tag = MakeTag(file_.Key(), type, position);
    // The root's key is the file's tree key; every other node's key adds the
    // program-wide counter, since one record may stand under many nodes.
    std::string nodeKey = tag;
    if (!parent.empty()) nodeKey.append("/").append(std::to_string(++nodeCounter_));
    for (const auto& look : NodeLooks) {
        if (type != look.Type) continue;
        tree_.AddNode(parent, nodeKey, look.Fixed ? look.Fixed : look.Prefix + name + look.Suffix,
                      look.ImageKey, tag);
        return nodeKey;
    }
    tree_.AddNode(parent, nodeKey, name, {}, tag);
    return nodeKey;
}

void TreeOutput::Registered(const RegisteredObject& object, const char* type,
                            std::int32_t position) {
    if (keepsNodes_) file_.SaveObject(object, type, position);
}

Node TreeOutput::Group(DeviceGroup group, const kelpie::CCF& ccf, const Node& parent) {
    return AddNode(parent, GroupType(group), "", ccf.Position());
}

Visit TreeOutput::Device(kelpie::Device& device, const Node& parent) {
    return {AddNode(parent, "D", device.Name(), device.Position())};
}

Visit TreeOutput::Panel(kelpie::Panel& panel, const Node& parent, const Drawing&) {
    return {AddNode(parent, "P", panel.Name(), panel.Position())};
}

Visit TreeOutput::Frame(kelpie::Frame& frame, const Node& parent, std::int32_t, std::int32_t,
                        std::int32_t, std::int32_t, const Drawing&) {
    return {AddNode(parent, "F", frame.Name(), frame.Position())};
}

Visit TreeOutput::Button(kelpie::Button& button, const Node& parent, std::int32_t, std::int32_t,
                         std::int32_t, std::int32_t, const Drawing&) {
    return {AddNode(parent, "B", button.Name(), button.Position())};
}

Visit TreeOutput::ActionList(const std::string& title, kelpie::Actions& actions,
                             const Node& parent, bool) {
    return {AddNode(parent, "L", title, actions.Position())};
}

void TreeOutput::Action(const kelpie::Action& action, const std::string& letter,
                        const Node& parent) {
    if (!letter.empty()) AddNode(parent, "A", letter, action.Position());
}

Visit TreeOutput::Timer(kelpie::Timer& timer, const Node& parent, bool) {
    return {AddNode(parent, "T", "", timer.Position()), false};
}

void TreeOutput::IRCode(const kelpie::IRCode& code, const Node& parent, bool) {
    AddNode(parent, "C", code.Name(), code.Position());
}

void TreeOutput::Icon(const kelpie::Icon& icon, const std::string& type, bool, const Node& parent,
                      bool, std::int32_t, std::int32_t, bool) {
    AddNode(parent, "I", type, icon.Position());
}

} // namespace vantor
