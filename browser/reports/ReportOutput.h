// The bytes of a report file on their way to the disk: text is gathered in
// large blocks instead of many small stream writes, and picture lines are
// encoded on other processor cores while the report goes on. Lines always
// reach the file in the order they were written.
#pragma once

#include <QFuture>
#include <QImage>

#include <cstddef>
#include <deque>
#include <fstream>
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

    // Opens the file, replacing it; false on failure (errno tells why).
    bool Open(const std::string& fileName);
    bool IsOpen() const noexcept { return file_.is_open(); }
    void Write(std::string_view text);
    // A line made from the image by `line`, on a worker thread.
    void WritePicture(const QImage& image, PictureLine line);
    // Writes everything pending and closes the file; false when some write
    // failed.
    bool Close();
    // Drops everything pending and closes the file (the caller removes it).
    void Discard();

private:
    struct PendingPicture {
        QFuture<std::string> Line;
        std::string After; // text written after the picture
    };
    // Moves the oldest picture's line (and the text after it) to the block.
    void ResolveOldest();
    void FlushBlock(std::size_t atLeast);

    std::ofstream file_;
    std::string block_; // text ready for the file, in order
    std::deque<PendingPicture> pending_;
    std::size_t waitingText_ = 0; // the After texts of pending_
};

} // namespace vantor
