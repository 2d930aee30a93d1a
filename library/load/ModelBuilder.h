// The one way into the object graph's setters. The classes that callers see
// (CCF, devices, panels, frames, buttons, action lists, actions, timers, IR
// codes and icons) offer readers only: a program that links Kelpie reads a
// loaded file and cannot change it. Their setters are private, and this
// class, their friend, is how the library fills them while it loads a file.
// The tests reach the setters the same way.
//
// Each operation forwards to the setter of the same name; where several
// classes have one (a record, a position, a name) it is one template.
#pragma once

#include <kelpie/file/CCF.h>
#include <kelpie/icons/Icon.h>
#include <kelpie/model/Action.h>
#include <kelpie/model/Actions.h>
#include <kelpie/model/Button.h>
#include <kelpie/model/Children.h>
#include <kelpie/model/Device.h>
#include <kelpie/model/Frame.h>
#include <kelpie/model/IRCode.h>
#include <kelpie/model/IRCodes.h>
#include <kelpie/model/Icons.h>
#include <kelpie/model/Panel.h>
#include <kelpie/model/Timer.h>

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace kelpie {

class ModelBuilder {
public:
    // ---- What every object read from a record has ----
    template <class T, class Record> static void SetRecord(T& object, const Record& record) {
        object.SetRecord(record);
    }
    template <class T> static void SetPosition(T& object, std::int32_t position) {
        object.SetPosition(position);
    }
    // Devices, frames and buttons: their sizes and colours depend on it.
    template <class T> static void SetFileFormat(T& object, CCFFileFormats format) {
        object.SetFileFormat(format);
    }
    template <class T> static void SetName(T& object, std::string name) {
        object.SetName(std::move(name));
    }

    // ---- The file ----
    static void OpenFile(CCF& ccf, const std::string& fileName) { ccf.OpenFile(fileName); }
    static void OpenBytes(CCF& ccf, const std::string& fileName, std::vector<std::uint8_t> bytes) {
        ccf.OpenBytes(fileName, std::move(bytes));
    }
    static void SetHeader(CCF& ccf, const HeaderRecord& header) { ccf.SetHeader(header); }
    static void SetVersionString(CCF& ccf, std::string text) {
        ccf.SetVersionString(std::move(text));
    }
    static void SetModificationDate(CCF& ccf, const CCFDate& date) {
        ccf.SetModificationDate(date);
    }
    static void SetConfigFactoryDefault(CCF& ccf, bool value) {
        ccf.SetConfigFactoryDefault(value);
    }
    static void SetConfigWriteProtected(CCF& ccf, bool value) {
        ccf.SetConfigWriteProtected(value);
    }
    static void SetHomeWriteProtected(CCF& ccf, bool value) { ccf.SetHomeWriteProtected(value); }
    static void SetHomeIcon(CCF& ccf, Icon* icon) { ccf.SetHomeIcon(icon); }

    // ---- Shared records: IR codes and icons ----
    // The record at `position` with one more reference, or nullptr when none
    // was read yet.
    template <class Records> static auto* CountReference(Records& records, std::int32_t position) {
        return records.CountReference(position);
    }
    // The record at `position` with one more reference, or a new one made
    // from `record` appended at the end.
    template <class Records, class Record>
    static auto& FindOrAdd(Records& records, std::int32_t position, const Record& record) {
        return records.FindOrAdd(position, record);
    }
    static void SetData(IRCode& code, std::vector<std::uint8_t> data) {
        code.SetData(std::move(data));
    }
    static void SetIconData(Icon& icon, std::vector<std::uint8_t> data) {
        icon.SetIconData(std::move(data));
    }

    // ---- Devices ----
    // InvalidArgument for a key that takes no label.
    static void SetKeyLabel(Device& device, HardKey key, std::string label) {
        device.SetKeyLabel(key, std::move(label));
    }
    static void SetIsTemplate(Device& device, bool value) { device.SetIsTemplate(value); }
    static void SetReadOnly(Device& device, bool value) { device.SetReadOnly(value); }
    static void SetHasSeparator(Device& device, bool value) { device.SetHasSeparator(value); }
    static void SetNeedsProgramming(Device& device, bool value) {
        device.SetNeedsProgramming(value);
    }
    static void SetIconUnselected(Device& device, Icon* icon) { device.SetIconUnselected(icon); }
    static void SetIconSelected(Device& device, Icon* icon) { device.SetIconSelected(icon); }
    static void SetHardKeyActions(Device& device, HardKey key, std::shared_ptr<Actions> actions) {
        device.SetHardKeyActions(key, std::move(actions));
    }

    // ---- Panels, frames and buttons ----
    static void SetHidden(Panel& panel, bool value) { panel.SetHidden(value); }
    template <class T> static void SetChildren(T& owner, std::shared_ptr<Children> children) {
        owner.SetChildren(std::move(children));
    }
    static void SetX(Child& child, std::int16_t x) { child.SetX(x); }
    static void SetY(Child& child, std::int16_t y) { child.SetY(y); }
    // Overflow for values outside 0 to 255.
    template <class T> static void SetFont(T& child, std::int32_t font) { child.SetFont(font); }
    static void SetTextColor(Frame& frame, std::int32_t color) { frame.SetTextColor(color); }
    static void SetBackgroundColor(Frame& frame, std::int32_t color) {
        frame.SetBackgroundColor(color);
    }
    static void SetIcon(Frame& frame, Icon* icon) { frame.SetIcon(icon); }
    static void SetTextColorOf(Button& button, ButtonState state, std::int32_t color) {
        button.SetTextColorOf(state, color);
    }
    static void SetBackgroundColorOf(Button& button, ButtonState state, std::int32_t color) {
        button.SetBackgroundColorOf(state, color);
    }
    static void SetIconOf(Button& button, ButtonState state, Icon* icon) {
        button.SetIconOf(state, icon);
    }
    static void SetActions(Button& button, std::shared_ptr<Actions> actions) {
        button.SetActions(std::move(actions));
    }

    // ---- Actions: links made while loading and in the second pass ----
    static void SetIRCode(Action& action, IRCode* code) { action.SetIRCode(code); }
    static void SetTimer(Action& action, std::shared_ptr<Timer> timer) {
        action.SetTimer(std::move(timer));
    }
    static void SetDevice(Action& action, Device* device) { action.SetDevice(device); }
    static void SetPanel(Action& action, Panel* panel) { action.SetPanel(panel); }
    static void SetButton(Action& action, Button* button) { action.SetButton(button); }
    // Each replaces everything but the position (type, parameters, links).
    static void SetActionCode(Action& action, IRCode* code) { action.SetActionCode(code); }
    static void SetActionButtonAlias(Action& action, Device* device, Button* button) {
        action.SetActionButtonAlias(device, button);
    }
    static void SetActionJump(Action& action, Device* device, Panel* panel) {
        action.SetActionJump(device, panel);
    }
    static void SetActionJumpX(Action& action, std::int32_t jump) { action.SetActionJumpX(jump); }
    static void SetActionDelay(Action& action, std::int32_t delay) { action.SetActionDelay(delay); }
    static void SetActionKeyAlias(Action& action, Device* device, std::int32_t key) {
        action.SetActionKeyAlias(device, key);
    }
    static void SetActionAliasDevice(Action& action, Device* device) {
        action.SetActionAliasDevice(device);
    }
    static void SetActionTimer(Action& action) { action.SetActionTimer(); }
    static void SetActionSound(Action& action, std::int16_t frequency, std::uint8_t percent,
                               std::uint8_t duration) {
        action.SetActionSound(frequency, percent, duration);
    }

    // ---- Timers ----
    static void SetStartAction(Timer& timer, std::shared_ptr<Action> action) {
        timer.SetStartAction(std::move(action));
    }
    static void SetEndAction(Timer& timer, std::shared_ptr<Action> action) {
        timer.SetEndAction(std::move(action));
    }
    static void SetNextTimer(Timer& timer, Timer* next) { timer.SetNextTimer(next); }
};

} // namespace kelpie
