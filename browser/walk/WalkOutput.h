// What the walker produces, as one interface: the walker goes through the
// object graph in one order for every purpose and hands each record to an
// output, which decides what it makes of it (tree nodes, list rows, display
// text, report lines or drawing) and how far the walk goes below it.
//
// Every hook has a default that produces nothing and lets the walk go on, so
// an output names only the records it shows.
#pragma once

#include "model/CCFlocal.h"

#include <cstdint>
#include <functional>
#include <string>
#include <utility>

namespace kelpie {
class Button;
class Frame;
}

namespace vantor {

class WalkOutput;

// A navigation-tree node key; "" for outputs that make no nodes.
using Node = std::string;

// Something an output opened for a record (an indentation step of a text),
// closed when the scope ends, also when the walk ends in an exception.
class Scope {
public:
    Scope() = default;
    explicit Scope(WalkOutput& output) : output_(&output) {}
    Scope(Scope&& other) noexcept : output_(std::exchange(other.output_, nullptr)) {}
    Scope& operator=(Scope&& other) noexcept;
    ~Scope();

private:
    WalkOutput* output_ = nullptr;
};

// An output's answer to a record: the node the records below go under, and
// which of them the walk visits.
struct Visit {
    Node node;
    // The records below (a device's hard keys and panels, a panel's or a
    // frame's children, a button's icons and actions, a timer's events).
    bool below = true;
    // The records below show their whole blocks (false: their titles only).
    bool expand = true;
    // The record's own icons (a device's, a frame's).
    bool icons = true;
    // Open while the record's subordinates are visited.
    Scope scope{};
};

// The record as the remote shows it: `Draw` walks it again into a drawing
// output. `Root` is true for the record a walk was started on.
struct Drawing {
    std::function<void(WalkOutput&)> Draw;
    bool Root = false;
};

enum class DeviceGroup { Home, Devices, Macros, MacroRecording };

class WalkOutput {
public:
    virtual ~WalkOutput() = default;

    // A record the walk reached, under its tag type ("D", "P", ...).
    virtual void Registered(const RegisteredObject&, const char* /*type*/,
                            std::int32_t /*position*/) {}
    // One indentation step around records below (text outputs only).
    virtual Scope Indented() { return {}; }
    // Closes what a Scope of this output opened.
    virtual void CloseScope() {}

    // The header; `below` walks the groups. The scope holds the home icon.
    virtual Visit Header(const kelpie::CCF&, const Node& parent, bool /*hasHomeIcon*/) {
        return {parent};
    }
    // What follows the header's subordinates (counts, checks).
    virtual void HeaderEnd(const kelpie::CCF&, std::int32_t /*homeDevices*/,
                           std::int32_t /*devices*/, std::int32_t /*macroDevices*/) {}
    // A device group of the header; returns the node its devices go under.
    virtual Node Group(DeviceGroup, const kelpie::CCF&, const Node& parent) { return parent; }

    virtual Visit Device(kelpie::Device&, const Node& parent) { return {parent}; }
    // The device's lines after its icons, inside its subordinates.
    virtual void DeviceEnd(const kelpie::Device&) {}

    virtual Visit Panel(kelpie::Panel&, const Node& parent, const Drawing&) { return {parent}; }
    // After the panel's children, still inside their indentation.
    virtual void PanelEnd(const kelpie::Panel&, bool /*hasActions*/) {}

    // `x`, `y`: where the frame or button stands on the panel; `parentX`,
    // `parentY`: where its parent stands.
    virtual Visit Frame(kelpie::Frame&, const Node& parent, std::int32_t /*x*/,
                        std::int32_t /*y*/, std::int32_t /*parentX*/, std::int32_t /*parentY*/,
                        const Drawing&) {
        return {parent};
    }
    virtual Visit Button(kelpie::Button&, const Node& parent, std::int32_t /*x*/,
                         std::int32_t /*y*/, std::int32_t /*parentX*/, std::int32_t /*parentY*/,
                         const Drawing&) {
        return {parent};
    }
    // A button whose action list is empty.
    virtual void ButtonWithoutActions() {}

    // `expand`: the actions follow; the scope holds them.
    virtual Visit ActionList(const std::string& /*title*/, kelpie::Actions&, const Node& parent,
                             bool /*expand*/) {
        return {parent};
    }
    // An action that is neither a code nor a timer (or whose IR code or timer
    // is missing); `letter` is its bracketed kind, "" for unknown kinds.
    virtual void Action(const kelpie::Action&, const std::string& /*letter*/,
                        const Node& /*parent*/) {}

    virtual Visit Timer(kelpie::Timer&, const Node& parent, bool /*expand*/) { return {parent}; }
    // A start or end event; the scope holds its action.
    virtual Scope TimerEvent(const char* /*title*/, bool /*hasAction*/) { return {}; }
    virtual void TimerEventEnd(std::uint8_t /*days*/, std::int16_t /*time*/) {}
    virtual void TimerEnd(const kelpie::Timer&) {}

    virtual void IRCode(const kelpie::IRCode&, const Node& /*parent*/, bool /*expand*/) {}
    // `type` names the icon's use ("Frame", a button state, "Device
    // Selected", ...); `printIcon` asks for its picture in a report.
    virtual void Icon(const kelpie::Icon&, const std::string& /*type*/, bool /*printIcon*/,
                      const Node& /*parent*/, bool /*expand*/, std::int32_t /*x*/,
                      std::int32_t /*y*/, bool /*root*/) {}
};

inline Scope::~Scope() {
    if (output_) output_->CloseScope();
}

inline Scope& Scope::operator=(Scope&& other) noexcept {
    if (this != &other) {
        if (output_) output_->CloseScope();
        output_ = std::exchange(other.output_, nullptr);
    }
    return *this;
}

} // namespace vantor
