// The five reports of an open file, each one walk into an RtfReport that
// writes the document the tools carry (RTF or a web page). Each returns false
// when the file could not be written.
#pragma once

#include <string>

namespace vantor {

class CCFlocal;
class PanelCanvas;
class ReportDocument;
class UserInterface;

// What a report run needs besides the file: the document it writes (with its
// failure handler), the canvas that draws the panel pictures (with the
// viewer's options) and the user interface (busy pointer, messages).
struct ReportTools {
    ReportDocument& Writer;
    PanelCanvas& Canvas;
    UserInterface& Ui;
};

bool DumpCCF(const ReportTools& tools, CCFlocal& file, const std::string& outputFile,
             bool showPositions);
bool DumpIcons(const ReportTools& tools, CCFlocal& file, const std::string& outputFile);
bool DumpPanels(const ReportTools& tools, CCFlocal& file, const std::string& outputFile);
bool DumpIRCodes(const ReportTools& tools, CCFlocal& file, const std::string& outputFile);
bool DumpErrors(const ReportTools& tools, CCFlocal& file, const std::string& outputFile);

} // namespace vantor
