// Where an export writes: its files, each through OutputFile and bounded by
// the input it is made from, and its errors and notices, told to the program
// that runs it.
#pragma once

#include "outputs/OutputFile.h"

#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>

class QImage;

namespace vantor {

// vantor-report prints each as a line of standard error; the desktop program
// shows them.
class ExportLog {
public:
    virtual ~ExportLog() = default;
    // An output that could not be written ("cannot write PATH: REASON").
    virtual void Error(const std::string& text) = 0;
    // Something an export left out, such as an icon that cannot be decoded.
    virtual void Notice(const std::string& text) = 0;
    // The browser's walker ended a step of an export (one panel drawn): the
    // messages it gave during the step come before anything said after it.
    virtual void StepEnded() {}
};

class ExportOutput {
public:
    ExportOutput(OutputBounds bounds, ExportLog& log) : bounds_(std::move(bounds)), log_(log) {}

    ExportLog& Log() noexcept { return log_; }

    // The folder of an export's files, or of its one file, may not exist yet.
    bool MakeFolder(const std::string& dir);
    bool MakeFolderOf(const std::string& path);

    // The file `path` (its folder made first), produced straight into it by
    // `produce`; it takes the place of an older one only when complete. A
    // failure (a full disk, no memory, a property that refuses its value)
    // is told as the failure of `what` ("the JSON export").
    bool WriteStream(const char* what, const std::string& path,
                     const std::function<void(std::ostream&)>& produce);
    // `image` encoded as `format` ("PNG", "BMP"), and bytes as they are.
    bool WritePicture(const std::string& path, const QImage& image, const char* format);
    bool WriteBytes(const std::string& path, std::string_view bytes);

private:
    bool Failed(const std::string& error);

    OutputBounds bounds_;
    ExportLog& log_;
};

} // namespace vantor
