#include "outputs/ReportOutput.h"

#include <QtConcurrent/QtConcurrentRun>

#include <utility>

namespace vantor {

namespace {
// Blocks of this size make few, large writes.
constexpr std::size_t BlockSize = 1 << 16;
// Pictures in flight at a time: enough to keep the other cores busy, few
// enough that the images waiting for them take little memory.
constexpr std::size_t MaxPending = 8;
// Text written after a picture waits for it. A report that writes much text
// after a picture and none after it (the frames of a file that lists one
// frame in many places) would otherwise hold its whole rest in memory: past
// this much, the oldest pictures are waited for.
constexpr std::size_t MaxWaitingText = 1 << 20;
} // namespace

ReportOutput::~ReportOutput() {
    Discard();
}

bool ReportOutput::Open(const std::string& fileName, const OutputBounds& bounds) {
    Discard();
    return file_.Open(fileName, bounds);
}

void ReportOutput::Write(std::string_view text) {
    if (pending_.empty()) {
        block_ += text;
        FlushBlock(BlockSize);
    } else {
        pending_.back().After += text;
        waitingText_ += text.size();
        while (waitingText_ > MaxWaitingText && !pending_.empty())
            ResolveOldest();
    }
}

void ReportOutput::WritePicture(const QImage& image, PictureLine line) {
    // The image is shared, not copied: the canvas that drew it makes itself
    // a new one when it draws again.
    pending_.push_back(
        {QtConcurrent::run([image, line = std::move(line)] { return line(image); }), {}});
    while (pending_.size() > MaxPending)
        ResolveOldest();
}

void ReportOutput::ResolveOldest() {
    PendingPicture& oldest = pending_.front();
    block_ += oldest.Line.result();
    block_ += oldest.After;
    waitingText_ -= oldest.After.size();
    pending_.pop_front();
    FlushBlock(BlockSize);
}

void ReportOutput::FlushBlock(std::size_t atLeast) {
    if (block_.size() < atLeast || !file_.IsOpen()) return;
    const bool written = file_.Write(block_);
    block_.clear();
    if (!written) throw OutputFailed(file_.Error());
}

bool ReportOutput::Close() {
    try {
        while (!pending_.empty())
            ResolveOldest();
        FlushBlock(0);
    } catch (const OutputFailed&) {
        Discard();
        return false;
    }
    return file_.Commit();
}

void ReportOutput::Discard() {
    for (PendingPicture& picture : pending_)
        picture.Line.waitForFinished(); // the workers hold nothing of ours after this
    pending_.clear();
    waitingText_ = 0;
    block_.clear();
    file_.Abandon();
}

} // namespace vantor
