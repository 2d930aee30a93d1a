// One output file (a report, an export, a picture), written so that a failure
// never costs the user a file.
//
// A regular file, or a name that does not exist yet, is written to a
// temporary file in the same folder and renamed over its target only once
// every byte is on the disk: a failed or interrupted write leaves the
// previous file as it was, and two processes writing the same name leave one
// of their outputs whole, never a mixture. A symbolic link stays a link; the
// file it points at is replaced. Anything else (a device such as /dev/null,
// a pipe, "-" for standard output) is written straight through and never
// removed. Every write, flush and close is checked; a failure keeps the
// system's reason.
#pragma once

#include <cstdint>
#include <limits>
#include <ostream>
#include <stdexcept>
#include <streambuf>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vantor {

// What the outputs made from one input file may not do: be that file, or
// grow far beyond it (a crafted file must not fill the disk).
struct OutputBounds {
    std::string Input; // "" when the output comes from no file
    std::uint64_t MaxBytes = std::numeric_limits<std::uint64_t>::max();
};

// 64 times the input plus 64 MiB: far above any real report of the input,
// far below a full disk.
OutputBounds BoundsFor(const std::string& input, std::int64_t inputSize);

// True when both names lead to the same existing file (links followed).
bool SameFile(const std::string& a, const std::string& b);

// True when `path` names something that is not a regular file (a device,
// a pipe, "-"): such an output is written straight through.
bool IsStreamTarget(const std::string& path);

// Thrown by writers that cannot go on once their output has failed; what()
// is the output's error.
struct OutputFailed : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class OutputFile : private std::streambuf {
public:
    OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;
    // An output neither committed nor abandoned is abandoned.
    ~OutputFile() override;

    // Starts the output. False, with Error() set, when the path is the input
    // of `bounds` or cannot be written.
    bool Open(const std::string& path, const OutputBounds& bounds = {});
    bool IsOpen() const noexcept { return fd_ >= 0; }

    // False once any write has failed; the first failure is kept.
    bool Write(std::string_view bytes);
    // The same output as a stream, for writers that take one. A failed
    // write sets its badbit (which throws where the caller asked for that).
    std::ostream& Stream() noexcept { return stream_; }

    // Writes what is buffered, makes sure it reached the disk and puts the
    // file in place. False, with Error() set, when any of it failed; then
    // nothing of this output is left and the previous target is untouched.
    bool Commit();
    // Drops the output: the temporary file goes, the target stays as it was.
    void Abandon() noexcept;

    // "cannot write PATH: REASON", or why the output was refused.
    const std::string& Error() const noexcept { return error_; }
    const std::string& Path() const noexcept { return path_; }

private:
    int overflow(int c) override;
    std::streamsize xsputn(const char* bytes, std::streamsize count) override;
    int sync() override;

    bool Flush();
    // The first failure is kept: "cannot write PATH: REASON", or `message`.
    bool Fail(const std::string& reason);
    bool Refuse(const std::string& message);
    bool FailWithErrno();
    void Close() noexcept;

    std::ostream stream_;
    std::vector<char> buffer_;
    std::string path_;      // as the caller named it
    std::string target_;    // what is replaced: the file a link leads to
    std::string temporary_; // "" when written straight through
    int fd_ = -1;
    bool ownsFd_ = false; // false for standard output
    std::uint64_t written_ = 0;
    std::uint64_t maxBytes_ = 0;
    std::string error_;
};

// The whole of `bytes` as the output `path`; false with `error` set.
bool WriteWholeFile(const std::string& path, std::string_view bytes, const OutputBounds& bounds,
                    std::string& error);

} // namespace vantor
