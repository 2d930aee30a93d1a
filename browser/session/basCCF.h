// The browser's program-wide state and the procedures that open and close
// files and route a tag to the file that owns it.
#pragma once

#include "model/BrowserTypes.h"
#include "model/CCFlocals.h"
#include "model/Sinks.h"
#include "model/Tags.h"
#include "outputs/HtmlWriter.h"
#include "outputs/PanelCanvas.h"
#include "outputs/RtfWriter.h"
#include "session/Reports.h"

#include <kelpie/model/CCFs.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vantor {

class basCCF {
public:
    basCCF(TreeSink& tree, ListSink& list, DisplaySink& display, UserInterface& ui);
    basCCF(const basCCF&) = delete;
    basCCF& operator=(const basCCF&) = delete;

    // Loads the file through the library and shows it. Library errors reach
    // the caller; a file whose load failed is taken out of LibraryFiles again.
    // With `bytes`, they are the file's image (read from a pipe) instead of
    // what is on the disk under that name.
    CCFlocal& OpenCCF(const std::string& fileName,
                      std::optional<std::vector<std::uint8_t>> bytes = std::nullopt);
    // Closes the file that owns CurrentTag and clears the list, the pane and
    // the viewer.
    void CloseCurrentCCF();
    // The file name of the file that owns CurrentTag ("" when none is open).
    std::string CurrentFileName() const;
    // The open file that owns CurrentTag, or nullptr.
    CCFlocal* CurrentFile();
    void ShowDetailList(const std::string& tag);
    void ShowDisplay(const std::string& tag);
    void RefreshDisplay();
    // The document, canvas and user interface that reports of `format` run
    // with.
    ReportTools Tools(ReportFormat format = ReportFormat::Rtf) {
        if (format == ReportFormat::Html) return {Page, Canvas, Ui};
        return {Writer, Canvas, Ui};
    }

    kelpie::CCFs LibraryFiles;
    CCFlocals BrowserFiles;
    // What the views produce now (the walk itself does not look).
    std::int32_t OutputMode = omTree;
    std::string CurrentTag;
    std::int32_t NodeCounter = 0;

    TreeSink& TreeControl;
    ListSink& ListControl;
    DisplaySink& DisplayControl;
    UserInterface& Ui;
    RtfWriter Writer; // the display pane and the RTF reports
    HtmlWriter Page;  // the reports as web pages
    PanelCanvas Canvas;
};

} // namespace vantor
