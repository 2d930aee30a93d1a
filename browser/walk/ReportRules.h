// Which lines a text output carries: the display pane shows every record's
// own block, one level deep; a report file carries the lines of its kind.
// Some lines help the person browsing and are no part of any report file
// (whose layout stays what other programs read).
#pragma once

#include "model/BrowserTypes.h"

#include <cstdint>

namespace vantor {

enum class Lines : std::uint16_t {
    FileHeading = 1 << 0,  // the file's name over the full report
    Heading = 1 << 1,      // group, device and panel headings
    ChildHeading = 1 << 2, // frame and button headings
    Block = 1 << 3,        // a record's properties and subordinates
    Check = 1 << 4,        // the "****" problem lines
    PanelPicture = 1 << 5, // a panel drawn as the remote shows it
    ActionList = 1 << 6,   // action lists, actions and timers
    IRCode = 1 << 7,       // IR codes (and code actions whose code is gone)
    Icon = 1 << 8,         // icons (and their pictures in a report)
    IRDecode = 1 << 9,     // an IR code's protocol, device and function
};

class TextLines {
public:
    static constexpr TextLines Display() {
        return TextLines(false, Mask(Lines::Block) | Mask(Lines::ActionList) | Mask(Lines::IRCode) |
                                    Mask(Lines::IRDecode) | Mask(Lines::Icon));
    }
    static constexpr TextLines Report(ReportKinds kind) {
        const std::uint16_t headings = Mask(Lines::Heading);
        switch (kind) {
        case rkFull:
            return TextLines(true, static_cast<std::uint16_t>(0xFFFF & ~PaneOnly));
        case rkIcons:
            return TextLines(true, headings | Mask(Lines::Icon));
        case rkPanels:
            return TextLines(true, headings | Mask(Lines::PanelPicture));
        case rkIRCodes:
            return TextLines(true, headings | Mask(Lines::ChildHeading) | Mask(Lines::IRCode));
        case rkErrors:
            return TextLines(true, headings | Mask(Lines::ChildHeading) | Mask(Lines::Check));
        }
        return TextLines(true, headings);
    }

    constexpr bool Carries(Lines lines) const { return (carried_ & Mask(lines)) != 0; }
    // A report file (separators, headings); else the display pane.
    constexpr bool InReport() const { return report_; }

private:
    // The lines no report file carries.
    static constexpr auto PaneOnly = static_cast<std::uint16_t>(Lines::IRDecode);

    constexpr TextLines(bool report, std::uint16_t carried) : report_(report), carried_(carried) {}
    static constexpr std::uint16_t Mask(Lines lines) { return static_cast<std::uint16_t>(lines); }

    bool report_;
    std::uint16_t carried_;
};

} // namespace vantor
