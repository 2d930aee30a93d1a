// The walk as Rich Text: the display pane's text and the report files share
// one text output; which lines each carries is its TextLines.
#pragma once

#include "walk/ReportRules.h"
#include "walk/WalkOutput.h"

#include <kelpie/file/CCFEnums.h>

#include <cstdint>

namespace vantor {

class PanelCanvas;
class TextDocument;

class TextOutput : public WalkOutput {
public:
    // `canvas` draws the panel pictures of a report, and in the display pane
    // the panel, frame, button or icon it shows.
    TextOutput(TextDocument& writer, TextLines lines, kelpie::CCFFileFormats format,
               PanelCanvas& canvas)
        : out_(writer), lines_(lines), format_(format), canvas_(canvas) {}

    // Object counts (with the devices per group) and memory usage per
    // record kind; a report file puts a line of stars above them.
    void ObjectCounts(const kelpie::CCFfile& file, std::int32_t homeDevices, std::int32_t devices,
                      std::int32_t macroDevices);

    Scope Indented() override;
    void CloseScope() override;

    Visit Header(const kelpie::CCF& ccf, const Node& parent, bool hasHomeIcon) override;
    void HeaderEnd(const kelpie::CCF& ccf, std::int32_t homeDevices, std::int32_t devices,
                   std::int32_t macroDevices) override;
    Node Group(DeviceGroup group, const kelpie::CCF& ccf, const Node& parent) override;
    Visit Device(kelpie::Device& device, const Node& parent) override;
    void DeviceEnd(const kelpie::Device& device) override;
    Visit Panel(kelpie::Panel& panel, const Node& parent, const Drawing& drawing) override;
    void PanelEnd(const kelpie::Panel& panel, bool hasActions) override;

    Visit Frame(kelpie::Frame& frame, const Node& parent, std::int32_t x, std::int32_t y,
                std::int32_t parentX, std::int32_t parentY, const Drawing& drawing) override;
    Visit Button(kelpie::Button& button, const Node& parent, std::int32_t x, std::int32_t y,
                 std::int32_t parentX, std::int32_t parentY, const Drawing& drawing) override;
    void ButtonWithoutActions() override;

    Visit ActionList(const std::string& title, kelpie::Actions& actions, const Node& parent,
                     bool expand) override;
    void Action(const kelpie::Action& action, const std::string& letter,
                const Node& parent) override;
    Visit Timer(kelpie::Timer& timer, const Node& parent, bool expand) override;
    Scope TimerEvent(const char* title, bool hasAction) override;
    void TimerEventEnd(std::uint8_t days, std::int16_t time) override;
    void TimerEnd(const kelpie::Timer& timer) override;
    void IRCode(const kelpie::IRCode& code, const Node& parent, bool expand) override;
    void Icon(const kelpie::Icon& icon, const std::string& type, bool printIcon,
              const Node& parent, bool expand, std::int32_t x, std::int32_t y,
              bool root) override;

private:
    bool Carries(Lines lines) const { return lines_.Carries(lines); }
    // Opens one indentation step, closed with the returned scope.
    Scope Indent();
    // The display pane draws the record it shows.
    void DrawShown(const Drawing& drawing);
    // A visit whose records below are walked as the report or the display
    // walks them; `scope` holds the subordinates' indentation, if opened.
    Visit Below(const Node& parent, bool below, Scope scope = {}) const;

    TextDocument& out_;
    TextLines lines_;
    kelpie::CCFFileFormats format_;
    PanelCanvas& canvas_;
    std::int32_t button_ = 0; // the position of the button being written
};

// The display pane's text of the selected record.
class DisplayOutput : public TextOutput {
public:
    DisplayOutput(TextDocument& writer, kelpie::CCFFileFormats format, PanelCanvas& canvas)
        : TextOutput(writer, TextLines::Display(), format, canvas) {}
};

// The lines of a report file of one kind.
class RtfReport : public TextOutput {
public:
    RtfReport(TextDocument& writer, ReportKinds kind, kelpie::CCFFileFormats format,
              PanelCanvas& canvas)
        : TextOutput(writer, TextLines::Report(kind), format, canvas) {}
};

} // namespace vantor
