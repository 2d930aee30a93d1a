// Program-wide values that every output of the browser shares: what the
// walker produces now, and which report is being written.
#pragma once

#include <cstdint>

namespace vantor {

// What the walker methods of CCFlocal produce.
enum OutputModes : std::int32_t {
    omTree = 0,       // navigation-tree nodes
    omListView = 1,   // detail-list rows
    omDisplay = 2,    // RTF text for the display pane
    omDrawPanel = 3,  // drawing onto the panel picture
    omReportFile = 4, // RTF lines of a report file
};

// Which report is being written while the output mode is omReportFile.
enum ReportKinds : std::int32_t {
    rkFull = 0,
    rkIcons = 1,
    rkPanels = 2,
    rkIRCodes = 3,
    rkErrors = 4,
};

// The document format of a report file: Rich Text, or a web page.
enum class ReportFormat { Rtf, Html };

} // namespace vantor
