#include "model/CCFlocal.h"

#include "model/BusyPointer.h"
#include "model/basCCF.h"

namespace vantor {

CCFlocal::CCFlocal(basCCF& browser, std::shared_ptr<kelpie::CCF> ccf, std::string key)
    : browser_(browser), ccf_(std::move(ccf)), key_(std::move(key)) {}

std::string CCFlocal::TreeKey() const {
    return MakeTag(key_, "H", ccf_->Position());
}

std::uint64_t CCFlocal::ObjectKey(const std::string& type, std::int32_t position) {
    // Tag types are one or two letters; four bytes hold any of them.
    std::uint64_t packed = 0;
    for (std::size_t i = 0; i < type.size() && i < 4; ++i)
        packed = packed << 8 | static_cast<std::uint8_t>(type[i]);
    return packed << 32 | static_cast<std::uint32_t>(position);
}

template <class T> void CCFlocal::SaveObject(T& object, const char* type) {
    if (browser_.OutputMode != omTree || !browser_.TreeControl.KeepsNodes()) return;
    objects_.try_emplace(ObjectKey(type, object.Position()), &object);
}

template void CCFlocal::SaveObject(kelpie::CCF&, const char*);
template void CCFlocal::SaveObject(kelpie::Device&, const char*);
template void CCFlocal::SaveObject(kelpie::Panel&, const char*);
template void CCFlocal::SaveObject(kelpie::Child&, const char*);
// Frames and buttons register as the child entries they are.
template void CCFlocal::SaveObject(kelpie::Frame&, const char*);
template void CCFlocal::SaveObject(kelpie::Button&, const char*);
template void CCFlocal::SaveObject(kelpie::Actions&, const char*);
template void CCFlocal::SaveObject(kelpie::Action&, const char*);
template void CCFlocal::SaveObject(kelpie::IRCode&, const char*);
template void CCFlocal::SaveObject(kelpie::Icon&, const char*);
template void CCFlocal::SaveObject(kelpie::Timer&, const char*);

const RegisteredObject* CCFlocal::FindObject(const std::string& tag) const {
    std::string key, type;
    std::int32_t position = 0;
    if (!ParseTag(tag, key, type, position) || key != key_ || type.size() > 4) return nullptr;
    // Only the tags MakeTag writes name an object ("D/0123" is not "D/123").
    if (tag != MakeTag(key_, type, position)) return nullptr;
    auto found = objects_.find(ObjectKey(type, position));
    return found == objects_.end() ? nullptr : &found->second;
}

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

} // namespace

std::string CCFlocal::AddToTreeView(const std::string& parentNode, const std::string& type,
                                    const std::string& name, std::int32_t position) {
    const std::string tag = MakeTag(key_, type, position);
    // The root's key is the file's tree key; every other node's key adds the
    // program-wide counter, since one record may stand under many nodes.
    std::string nodeKey = tag;
    if (!parentNode.empty()) nodeKey.append("/").append(std::to_string(++browser_.NodeCounter));
    for (const auto& look : NodeLooks) {
        if (type != look.Type) continue;
        browser_.TreeControl.AddNode(parentNode, nodeKey,
                                     look.Fixed ? look.Fixed : look.Prefix + name + look.Suffix,
                                     look.ImageKey, tag);
        return nodeKey;
    }
    browser_.TreeControl.AddNode(parentNode, nodeKey, name, {}, tag);
    return nodeKey;
}

void CCFlocal::Load() {
    LoadTree();
    if (!browser_.TreeControl.KeepsNodes()) return;
    // Icons and IR codes are shared: one entry each, from the file's own
    // collections, however many nodes show them.
    browser_.OutputMode = omTree;
    for (auto& icon : ccf_->Icons())
        SaveObject(icon, "I");
    for (auto& code : ccf_->IRCodes())
        SaveObject(code, "C");
    const std::string root = MakeTag(key_, "H", ccf_->Position());
    browser_.ShowDetailList(root);
    browser_.ShowDisplay(root);
}

void CCFlocal::LoadTree() {
    HomeDeviceCount = 0;
    DeviceCount = 0;
    MacroDeviceCount = 0;
    browser_.OutputMode = omTree;
    const std::string root = AddToTreeView("", "H", ccf_->CCFfile().FileName(), ccf_->Position());
    browser_.TreeControl.ExpandNode(root);
    BusyPointer busy(browser_.Ui);
    DoHeader(root);
}

namespace {

// The registered object behind a tag, with the tag's type letter. Group
// tags ("Z", "G", "M", "Y") carry the header's position and name the header.
struct TagTarget {
    std::string Type;
    const RegisteredObject* Object = nullptr;

    template <class T> T* As() const {
        if (Object == nullptr) return nullptr;
        T* const* held = std::get_if<T*>(Object);
        return held ? *held : nullptr;
    }
    kelpie::Frame* AsFrame() const {
        auto* child = As<kelpie::Child>();
        return child ? child->AsFrame() : nullptr;
    }
    kelpie::Button* AsButton() const {
        auto* child = As<kelpie::Child>();
        return child ? child->AsButton() : nullptr;
    }
};

bool IsGroupType(const std::string& type) {
    return type == "Z" || type == "G" || type == "M" || type == "Y";
}

TagTarget Resolve(const CCFlocal& file, const std::string& tag) {
    std::string key, type;
    std::int32_t position = 0;
    if (!ParseTag(tag, key, type, position)) return {};
    return {type, file.FindObject(IsGroupType(type) ? MakeTag(key, "H", position) : tag)};
}

// The device group a "Z", "G" or "M" tag stands for; nullptr for others.
kelpie::Devices* DeviceGroup(kelpie::CCF* header, const std::string& type) {
    if (header == nullptr) return nullptr;
    if (type == "Z") return &header->HomeGroup();
    if (type == "G") return &header->DevicesGroup();
    if (type == "M") return &header->MacrosGroup();
    return nullptr;
}

struct Column {
    const char* Heading;
    int WidthTwips;
};
constexpr Column DeviceColumns[] = {{"Name", 2000}, {"Attributes", 2000}};
constexpr Column PanelColumns[] = {{"Name", 2000}, {"Attributes", 2000}, {"Children", 2000}};
constexpr Column ChildColumns[] = {{"Name", 2000}, {"Type", 1000}, {"X", 800}, {"Y", 800}};
constexpr Column IconColumns[] = {{"Type", 2000}};
constexpr Column ActionColumns[] = {{"Action", 2000}};

template <std::size_t N> void AddColumns(ListSink& list, const Column (&columns)[N]) {
    for (const auto& column : columns)
        list.AddColumn(column.Heading, column.WidthTwips);
}

} // namespace

void CCFlocal::LoadListView(const std::string& tag) {
    ListSink& list = browser_.ListControl;
    browser_.OutputMode = omListView;
    list.ClearColumns();
    list.SetHeadingsVisible(true);
    list.ClearRows();

    const TagTarget target = Resolve(*this, tag);
    const std::string& type = target.Type;
    auto* header = target.As<kelpie::CCF>();
    bool hasActions = false;
    if (type == "H" && header) {
        DoHeader(""); // adds its own column
    } else if (kelpie::Devices* group = DeviceGroup(header, type)) {
        AddColumns(list, DeviceColumns);
        // A counter of its own: the file's counts keep the tree build's values.
        std::int32_t counted = 0;
        DoDevices(*group, counted, "");
    } else if (type == "Y" && header) {
        AddColumns(list, PanelColumns);
        DoPanels(header->SpecialPanels(), "");
    } else if (auto* device = target.As<kelpie::Device>(); type == "D" && device) {
        AddColumns(list, PanelColumns);
        DoPanels(device->Panels(), "");
    } else if (auto* panel = target.As<kelpie::Panel>(); type == "P" && panel) {
        AddColumns(list, ChildColumns);
        for (auto& child : panel->Children())
            DoChild(child, "", 0, 0, hasActions);
    } else if (auto* frame = target.AsFrame(); type == "F" && frame) {
        AddColumns(list, ChildColumns);
        if (kelpie::Icon* icon = frame->Icon()) DoIcon(*icon, "", false, "", false, 0, 0);
        if (kelpie::Children* children = frame->Children())
            for (auto& child : *children)
                DoChild(child, "", 0, 0, hasActions);
    } else if (auto* button = target.AsButton(); type == "B" && button) {
        AddColumns(list, IconColumns);
        static constexpr const char* StateNames[] = {"Inactive Unselected", "Inactive Selected",
                                                     "Active Unselected", "Active Selected"};
        kelpie::Icon* icons[] = {button->InactiveUnselIcon(), button->InactiveSelIcon(),
                                 button->ActiveUnselIcon(), button->ActiveSelIcon()};
        for (std::size_t i = 0; i < 4; ++i)
            if (icons[i]) DoIcon(*icons[i], StateNames[i], false, "", false, 0, 0);
        if (button->Actions().Count() > 0)
            DoActionList("Button", button->Actions(), "", false, false);
    } else if (auto* actions = target.As<kelpie::Actions>(); type == "L" && actions) {
        AddColumns(list, ActionColumns);
        DoActionList("", *actions, "", true, false);
    } else if ((type == "A" || type == "C" || type == "I" || type == "T") && target.Object) {
        list.SetHeadingsVisible(false);
    } else {
        browser_.Ui.ShowMessage("Unexpected Tag - " + tag);
    }
}

void CCFlocal::LoadDisplay(const std::string& tag) {
    RtfWriter& writer = browser_.Writer;
    browser_.OutputMode = omDisplay;
    writer.ClearDisplayText();
    writer.ResetIndent();
    browser_.CurrentTag = tag;
    browser_.Canvas.ClearPanelPicture();

    const TagTarget target = Resolve(*this, tag);
    const std::string& type = target.Type;
    auto* header = target.As<kelpie::CCF>();
    bool hasActions = false;
    // Panels, frames, buttons and icons are drawn too: the same walk again in
    // the drawing mode.
    const auto thenDraw = [&](const auto& walk) {
        walk();
        browser_.OutputMode = omDrawPanel;
        walk();
    };
    if (type == "H" && header) {
        DoHeader("");
    } else if (kelpie::Devices* group = DeviceGroup(header, type)) {
        std::int32_t counted = 0;
        DoDevices(*group, counted, "");
    } else if (type == "Y" && header) {
        DoPanels(header->SpecialPanels(), "");
    } else if (auto* device = target.As<kelpie::Device>(); type == "D" && device) {
        DoDevice(*device, "");
    } else if (auto* panel = target.As<kelpie::Panel>(); type == "P" && panel) {
        thenDraw([&] { DoPanel(*panel, ""); });
    } else if (auto* frame = target.AsFrame(); type == "F" && frame) {
        thenDraw([&] { DoFrame(*frame, "", 0, 0, hasActions); });
    } else if (auto* button = target.AsButton(); type == "B" && button) {
        thenDraw([&] { DoButton(*button, "", 0, 0, hasActions); });
    } else if (auto* actions = target.As<kelpie::Actions>(); type == "L" && actions) {
        DoActionList("", *actions, "", true, false);
    } else if (auto* action = target.As<kelpie::Action>(); type == "A" && action) {
        DoAction(*action, "", true);
    } else if (auto* code = target.As<kelpie::IRCode>(); type == "C" && code) {
        DoIRCode(*code, "", true);
    } else if (auto* icon = target.As<kelpie::Icon>(); type == "I" && icon) {
        thenDraw([&] { DoIcon(*icon, "", false, "", true, 0, 0); });
    } else if (auto* timer = target.As<kelpie::Timer>(); type == "T" && timer) {
        DoTimer(*timer, "", true);
    } else {
        browser_.Ui.ShowMessage("Unexpected Tag - " + tag);
    }
    browser_.DisplayControl.ShowDocument(writer.DisplayDocument());
}

} // namespace vantor
