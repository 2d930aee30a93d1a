#include "outputs/ListOutput.h"

#include "model/Sinks.h"
#include "model/Tags.h"

#include <kelpie/file/CCF.h>
#include <kelpie/ir/Decode.h>
#include <kelpie/model/Button.h>
#include <kelpie/model/Frame.h>
#include <kelpie/model/IRCode.h>

namespace vantor {

namespace {

// The attribute column of a device row: "Template, Read Only, Separator" for
// the attributes that are set.
std::string DeviceAttributes(const kelpie::Device& device) {
    std::string text;
    if (device.IsTemplate()) text += ", Template";
    if (device.ReadOnly()) text += ", Read Only";
    if (device.HasSeparator()) text += ", Separator";
    return text.empty() ? text : text.substr(2);
}

// A row and nothing below it.
Visit RowOnly() {
    Visit visit;
    visit.below = false;
    visit.icons = false;
    return visit;
}

} // namespace

void ListOutput::AddRow(const std::string& text, const char* imageKey,
                        std::vector<std::string> subItems, const char* type,
                        std::int32_t position) {
    list_.AddRow({text, imageKey, std::move(subItems), MakeTag(key_, type, position)});
}

Visit ListOutput::Header(const kelpie::CCF& ccf, const Node&, bool) {
    const std::int32_t position = ccf.Position();
    list_.AddColumn("Group", 2000);
    AddRow("Home", "Home", {}, "Z", position);
    AddRow("Devices", "DeviceGroup", {}, "G", position);
    AddRow("Macros", "MacroGroup", {}, "M", position);
    if (ccf.Version3() != 60) AddRow("Default", "Panel", {}, "Y", position);
    return RowOnly();
}

Visit ListOutput::Device(kelpie::Device& device, const Node&) {
    AddRow(device.Name(), "Device", {DeviceAttributes(device)}, "D", device.Position());
    return RowOnly();
}

Visit ListOutput::Panel(kelpie::Panel& panel, const Node&, const Drawing&) {
    AddRow(panel.Name(), "Panel",
           {panel.Hidden() ? "Hidden" : "", std::to_string(kelpie::CountOf(panel.FindChildren()))}, "P",
           panel.Position());
    return RowOnly();
}

Visit ListOutput::Frame(kelpie::Frame& frame, const Node&, std::int32_t, std::int32_t,
                        std::int32_t, std::int32_t, const Drawing&) {
    AddRow(frame.Name(), "Frame", {"Frame", std::to_string(frame.X()), std::to_string(frame.Y())},
           "F", frame.Position());
    return RowOnly();
}

Visit ListOutput::Button(kelpie::Button& button, const Node&, std::int32_t, std::int32_t,
                         std::int32_t, std::int32_t, const Drawing&) {
    AddRow(button.Name(), "Button",
           {"Button", std::to_string(button.X()), std::to_string(button.Y())}, "B",
           button.Position());
    return RowOnly();
}

void ListOutput::Action(const kelpie::Action& action, const std::string& letter, const Node&) {
    if (!letter.empty()) AddRow(letter, "Action", {}, "A", action.Position());
}

Visit ListOutput::Timer(kelpie::Timer& timer, const Node&, bool) {
    AddRow("[T]", "Timer", {}, "T", timer.Position());
    return RowOnly();
}

void ListOutput::IRCode(const kelpie::IRCode& code, const Node&, bool) {
    // The decode column: which protocol, device and function the code sends.
    AddRow("[C]", "IRCode", {kelpie::ir::Decode(code.IRCodeData()).Describe()}, "C",
           code.Position());
}

void ListOutput::Icon(const kelpie::Icon& icon, const std::string& type, bool, const Node&, bool,
                      std::int32_t, std::int32_t, bool) {
    AddRow(type + " Icon", "Icon", {}, "I", icon.Position());
}

} // namespace vantor
