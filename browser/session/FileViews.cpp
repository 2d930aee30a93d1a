#include "session/FileViews.h"

#include "model/BusyPointer.h"
#include "outputs/ListOutput.h"
#include "outputs/TextOutput.h"
#include "outputs/TreeOutput.h"
#include "session/basCCF.h"
#include "walk/Walker.h"

#include <kelpie/model/Button.h>
#include <kelpie/model/Frame.h>

namespace vantor {

void Load(basCCF& browser, CCFlocal& file) {
    LoadTree(browser, file);
    if (!browser.TreeControl.KeepsNodes()) return;
    // Icons and IR codes are shared: one entry each, from the file's own
    // collections, however many nodes show them.
    for (auto& icon : file.CCF().Icons())
        file.SaveObject(&icon, "I", icon.Position());
    for (auto& code : file.CCF().IRCodes())
        file.SaveObject(&code, "C", code.Position());
    const std::string root = file.TreeKey();
    browser.ShowDetailList(root);
    browser.ShowDisplay(root);
}

void LoadTree(basCCF& browser, CCFlocal& file) {
    file.HomeDeviceCount = 0;
    file.DeviceCount = 0;
    file.MacroDeviceCount = 0;
    browser.OutputMode = omTree;
    TreeOutput tree(file, browser.TreeControl, browser.NodeCounter);
    const std::string root =
        tree.AddNode("", "H", file.CCF().CCFfile().FileName(), file.CCF().Position());
    browser.TreeControl.ExpandNode(root);
    BusyPointer busy(browser.Ui);
    Walker(file, tree, browser.Ui).DoHeader(root);
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
kelpie::Devices* DeviceGroupOf(kelpie::CCF* header, const std::string& type) {
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
// An IR code's row says what it sends; the other actions leave that empty.
constexpr Column ActionColumns[] = {{"Action", 2000}, {"Decoded", 3000}};

template <std::size_t N> void AddColumns(ListSink& list, const Column (&columns)[N]) {
    for (const auto& column : columns)
        list.AddColumn(column.Heading, column.WidthTwips);
}

} // namespace

void LoadListView(basCCF& browser, CCFlocal& file, const std::string& tag) {
    ListSink& list = browser.ListControl;
    browser.OutputMode = omListView;
    list.ClearColumns();
    list.SetHeadingsVisible(true);
    list.ClearRows();
    ListOutput rows(list, file.Key());
    Walker walk(file, rows, browser.Ui);

    const TagTarget target = Resolve(file, tag);
    const std::string& type = target.Type;
    auto* header = target.As<kelpie::CCF>();
    bool hasActions = false;
    if (type == "H" && header) {
        walk.DoHeader(""); // adds its own column
    } else if (kelpie::Devices* group = DeviceGroupOf(header, type)) {
        AddColumns(list, DeviceColumns);
        // A counter of its own: the file's counts keep the tree build's values.
        std::int32_t counted = 0;
        walk.DoDevices(*group, counted, "");
    } else if (type == "Y" && header) {
        AddColumns(list, PanelColumns);
        walk.DoPanels(header->SpecialPanels(), "");
    } else if (auto* device = target.As<kelpie::Device>(); type == "D" && device) {
        AddColumns(list, PanelColumns);
        if (kelpie::Panels* panels = device->FindPanels()) walk.DoPanels(*panels, "");
    } else if (auto* panel = target.As<kelpie::Panel>(); type == "P" && panel) {
        AddColumns(list, ChildColumns);
        if (kelpie::Children* children = panel->FindChildren())
            for (auto& child : *children)
                walk.DoChild(child, "", 0, 0, hasActions);
    } else if (auto* frame = target.AsFrame(); type == "F" && frame) {
        AddColumns(list, ChildColumns);
        if (kelpie::Icon* icon = frame->Icon()) walk.DoIcon(*icon, "", false, "", false, 0, 0);
        if (kelpie::Children* children = frame->Children())
            for (auto& child : *children)
                walk.DoChild(child, "", 0, 0, hasActions);
    } else if (auto* button = target.AsButton(); type == "B" && button) {
        AddColumns(list, IconColumns);
        static constexpr const char* StateNames[] = {"Inactive Unselected", "Inactive Selected",
                                                     "Active Unselected", "Active Selected"};
        kelpie::Icon* icons[] = {button->InactiveUnselIcon(), button->InactiveSelIcon(),
                                 button->ActiveUnselIcon(), button->ActiveSelIcon()};
        for (std::size_t i = 0; i < 4; ++i)
            if (icons[i]) walk.DoIcon(*icons[i], StateNames[i], false, "", false, 0, 0);
        if (kelpie::Actions* actions = button->FindActions(); actions && actions->Count() > 0)
            walk.DoActionList("Button", *actions, "", false, false);
    } else if (auto* actions = target.As<kelpie::Actions>(); type == "L" && actions) {
        AddColumns(list, ActionColumns);
        walk.DoActionList("", *actions, "", true, false);
    } else if ((type == "A" || type == "C" || type == "I" || type == "T") && target.Object) {
        list.SetHeadingsVisible(false);
    } else {
        browser.Ui.ShowMessage("Unexpected Tag - " + tag);
    }
    list.RowsAdded();
}

void LoadDisplay(basCCF& browser, CCFlocal& file, const std::string& tag) {
    RtfWriter& writer = browser.Writer;
    browser.OutputMode = omDisplay;
    writer.ClearDisplayText();
    writer.ResetIndent();
    browser.CurrentTag = tag;
    browser.Canvas.ClearPanelPicture();
    // Panels, frames, buttons and icons are drawn too, by the display output.
    DisplayOutput display(writer, file.CCF().FileFormat(), browser.Canvas);
    Walker walk(file, display, browser.Ui);

    const TagTarget target = Resolve(file, tag);
    const std::string& type = target.Type;
    auto* header = target.As<kelpie::CCF>();
    bool hasActions = false;
    const auto drawn = [&] { browser.OutputMode = omDrawPanel; };
    if (type == "H" && header) {
        walk.DoHeader("");
    } else if (kelpie::Devices* group = DeviceGroupOf(header, type)) {
        std::int32_t counted = 0;
        walk.DoDevices(*group, counted, "");
    } else if (type == "Y" && header) {
        walk.DoPanels(header->SpecialPanels(), "");
    } else if (auto* device = target.As<kelpie::Device>(); type == "D" && device) {
        walk.DoDevice(*device, "");
    } else if (auto* panel = target.As<kelpie::Panel>(); type == "P" && panel) {
        walk.DoPanel(*panel, "");
        drawn();
    } else if (auto* frame = target.AsFrame(); type == "F" && frame) {
        walk.DoFrame(*frame, "", 0, 0, hasActions);
        drawn();
    } else if (auto* button = target.AsButton(); type == "B" && button) {
        walk.DoButton(*button, "", 0, 0, hasActions);
        drawn();
    } else if (auto* actions = target.As<kelpie::Actions>(); type == "L" && actions) {
        walk.DoActionList("", *actions, "", true, false);
    } else if (auto* action = target.As<kelpie::Action>(); type == "A" && action) {
        walk.DoAction(*action, "", true);
    } else if (auto* code = target.As<kelpie::IRCode>(); type == "C" && code) {
        walk.DoIRCode(*code, "", true);
    } else if (auto* icon = target.As<kelpie::Icon>(); type == "I" && icon) {
        walk.DoIcon(*icon, "", false, "", true, 0, 0);
        drawn();
    } else if (auto* timer = target.As<kelpie::Timer>(); type == "T" && timer) {
        walk.DoTimer(*timer, "", true);
    } else {
        browser.Ui.ShowMessage("Unexpected Tag - " + tag);
    }
    browser.DisplayControl.ShowDocument(writer.DisplayDocument());
}

} // namespace vantor
