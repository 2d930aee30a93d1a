// The browser's program-wide state and the procedures that open and close
// files and route a tag to the file that owns it.
//
// Tags name every item the browser shows: key "/" type "/" position, for
// example CCF1/D/1234. Tree keys add "/" and a program-wide counter.
#pragma once

#include "model/BrowserTypes.h"
#include "model/CCFlocals.h"
#include "model/Sinks.h"
#include "reports/PanelCanvas.h"
#include "reports/RtfWriter.h"

#include <kelpie/model/CCFs.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vantor {

std::string MakeTag(const std::string& key, const std::string& type, std::int32_t position);
// Splits a tag (or a tree key: a fourth field is ignored). False, with the
// outputs unchanged, when the text holds no "/".
bool ParseTag(const std::string& tag, std::string& key, std::string& type, std::int32_t& position);

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

    kelpie::CCFs LibraryFiles;
    CCFlocals BrowserFiles;
    std::int32_t OutputMode = omTree;
    std::int32_t ReportKind = rkFull;
    std::string CurrentTag;
    std::int32_t NodeCounter = 0;

    TreeSink& TreeControl;
    ListSink& ListControl;
    DisplaySink& DisplayControl;
    UserInterface& Ui;
    RtfWriter Writer;
    PanelCanvas Canvas;
};

} // namespace vantor
