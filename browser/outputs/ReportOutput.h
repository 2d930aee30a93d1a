// The bytes of a report file on their way to the disk: text is gathered in
// large blocks instead of many small stream writes, and picture lines are
// encoded on other processor cores while the report goes on. Lines always
// reach the file in the order they were written.
#pragma once

#include "outputs/OutputFile.h"

#include <QFuture>
#include <QImage>

#include <cstddef>
#include <deque>
#include <functional>
#include <string>
#include <string_view>

namespace vantor {

class ReportOutput {
public:
    // Builds a picture's whole line from its encoded image; "" leaves the
    // line out (an image that cannot be encoded).
    using PictureLine = std::function<std::string(const QImage&)>;

    ReportOutput() = default;
    ReportOutput(const ReportOutput&) = delete;
    ReportOutput& operator=(const ReportOutput&) = delete;
    ~ReportOutput();

    // Starts the file (replacing it only when it is complete); false on
    // failure, with Error() telling why.
    bool Open(const std::string& fileName, const OutputBounds& bounds);
    bool IsOpen() const noexcept { return file_.IsOpen(); }
    // Throws OutputFailed once the file cannot be written: the rest of the
    // report would go nowhere.
    void Write(std::string_view text);
    // A line made from the image by `line`, on a worker thread.
    void WritePicture(const QImage& image, PictureLine line);
    // Writes everything pending and puts the file in place; false when some
    // write failed (nothing of the file is left then).
    bool Close();
    // Drops everything pending and the unfinished file.
    void Discard();
    // "cannot write PATH: REASON" after a failure.
    const std::string& Error() const noexcept { return file_.Error(); }

private:
    struct PendingPicture {
        QFuture<std::string> Line;
        std::string After; // text written after the picture
    };
    // Moves the oldest picture's line (and the text after it) to the block.
    void ResolveOldest();
    void FlushBlock(std::size_t atLeast);

    OutputFile file_;
    std::string block_; // text ready for the file, in order
    std::deque<PendingPicture> pending_;
    std::size_t waitingText_ = 0; // the After texts of pending_
};

} // namespace vantor
