// What every export is given: the loaded file it is made from, its typed
// options, and where it goes. The command line and the desktop program fill
// these in; an export knows nothing of either.
#pragma once

#include <kelpie/file/CCF.h>
#include <kelpie/model/Button.h>

#include <optional>
#include <string>

namespace vantor {

class CCFlocal;
class ExportOutput;
class NoticeSpool;
class UserInterface;

enum class PictureFormat { Bmp, Png };

struct ExportOptions {
    bool CsvRaw = false;                            // CSV cells unchanged, formulas and all
    PictureFormat Pictures = PictureFormat::Bmp;    // of the icon and panel pictures
    std::optional<kelpie::ButtonState> ButtonState; // of the panel pictures; else the viewer's
};

struct ExportSource {
    // The loaded graph; after a load that ended with an error, as far as it
    // was loaded.
    const kelpie::CCF& File;
    // The file as the browser opened it, and the user interface that hears
    // of what drawing its panels finds, for the pictures drawn as the viewer
    // draws them. Null for a file whose load ended with an error: the
    // browser keeps no such file.
    UserInterface* Ui = nullptr;
    CCFlocal* Local = nullptr;
    const NoticeSpool* LoadNotices = nullptr; // the notices of the load; none when null
    std::string LoadError = {};               // what ended the load; "" when it was complete
};

// Writes one export of `source` to `destination`: its file, or the folder of
// its files. False when any of it failed; `output` has told why.
using ExportWriter = bool (*)(const ExportSource& source, const ExportOptions& options,
                              const std::string& destination, ExportOutput& output);

} // namespace vantor
