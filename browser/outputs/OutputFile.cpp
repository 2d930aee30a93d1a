#include "outputs/OutputFile.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vantor {

namespace {

constexpr std::size_t BufferSize = 1 << 16;
constexpr int MaxLinkHops = 40; // as the kernel's own limit on a path's links

std::string Reason(int error) {
    return std::strerror(error);
}

// The file a chain of symbolic links ends in (the path itself when it is no
// link); a chain that ends nowhere names the file to create.
std::string FollowLinks(const std::string& path) {
    namespace fs = std::filesystem;
    fs::path current(path);
    for (int hop = 0; hop < MaxLinkHops; ++hop) {
        struct stat status {};
        if (::lstat(current.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) break;
        std::error_code error;
        const fs::path next = fs::read_symlink(current, error);
        if (error) break;
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    return current.string();
}

// A name beside `target` that nobody else uses: ".NAME.XXXXXX~".
int CreateTemporaryBeside(const std::string& target, std::string& name) {
    const std::filesystem::path path(target);
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    std::random_device seed;
    std::mt19937_64 random(seed());
    static constexpr char Letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string suffix(6, ' ');
        for (char& c : suffix)
            c = Letters[random() % (sizeof Letters - 1)];
        name = (folder / ("." + path.filename().string() + "." + suffix + "~")).string();
        // Created with the usual permissions less the user's umask, as the
        // output itself would have been.
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

} // namespace

OutputBounds BoundsFor(const std::string& input, std::int64_t inputSize) {
    const std::uint64_t size = inputSize > 0 ? static_cast<std::uint64_t>(inputSize) : 0;
    return {input, 64 * size + (std::uint64_t{64} << 20)};
}

bool SameFile(const std::string& a, const std::string& b) {
    if (a == "-" || b == "-") return false;
    struct stat first {
    }, second{};
    return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

bool IsStreamTarget(const std::string& path) {
    struct stat status {};
    return path == "-" || (::stat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode) &&
                           !S_ISDIR(status.st_mode));
}

OutputFile::OutputFile() : stream_(this), buffer_(BufferSize) {}

OutputFile::~OutputFile() {
    Abandon();
}

bool OutputFile::Open(const std::string& path, const OutputBounds& bounds) {
    Abandon();
    path_ = path;
    target_ = path;
    error_.clear();
    written_ = 0;
    maxBytes_ = bounds.MaxBytes;
    stream_.clear();
    stream_.exceptions(std::ios::goodbit);
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    if (!bounds.Input.empty() && SameFile(path, bounds.Input))
        return Refuse("the output " + path + " is the input file itself");
    if (path == "-") {
        fd_ = STDOUT_FILENO;
        ownsFd_ = false;
        return true;
    }
    if (IsStreamTarget(path)) {
        fd_ = ::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
        ownsFd_ = fd_ >= 0;
        return ownsFd_ || FailWithErrno();
    }
    target_ = FollowLinks(path);
    struct stat existing {};
    const bool exists = ::stat(target_.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) return Fail(Reason(EISDIR));
    // A file the user may not write stays as it is, as it would with a
    // write in place.
    if (exists && ::access(target_.c_str(), W_OK) != 0) return FailWithErrno();
    fd_ = CreateTemporaryBeside(target_, temporary_);
    if (fd_ < 0) {
        temporary_.clear();
        return FailWithErrno();
    }
    ownsFd_ = true;
    if (exists) {
        // The new file keeps the old one's permissions (and, where we may,
        // its owner), as a write in place would.
        if (::fchown(fd_, existing.st_uid, existing.st_gid) != 0) {
            // Not allowed to give it away: the new file is the writer's own.
        }
        ::fchmod(fd_, existing.st_mode & 07777);
    }
    return true;
}

bool OutputFile::Write(std::string_view bytes) {
    while (!bytes.empty() && error_.empty()) {
        const std::size_t room = static_cast<std::size_t>(epptr() - pptr());
        if (room == 0) {
            if (!Flush()) break;
            continue;
        }
        const std::size_t part = std::min(room, bytes.size());
        std::memcpy(pptr(), bytes.data(), part);
        pbump(static_cast<int>(part));
        bytes.remove_prefix(part);
    }
    return error_.empty();
}

int OutputFile::overflow(int c) {
    if (!Flush()) return traits_type::eof();
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
    return c;
}

std::streamsize OutputFile::xsputn(const char* bytes, std::streamsize count) {
    return Write({bytes, static_cast<std::size_t>(count)}) ? count : 0;
}

int OutputFile::sync() {
    return Flush() ? 0 : -1;
}

bool OutputFile::Flush() {
    if (!error_.empty()) return false;
    if (fd_ < 0) return Fail("the output is not open");
    const char* from = pbase();
    const std::size_t pending = static_cast<std::size_t>(pptr() - pbase());
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    if (pending > maxBytes_ - std::min(written_, maxBytes_))
        return Fail("the output would grow beyond " + std::to_string(maxBytes_) +
                    " bytes, out of all proportion to its input");
    for (std::size_t done = 0; done < pending;) {
        const ssize_t wrote = ::write(fd_, from + done, pending - done);
        if (wrote < 0) {
            if (errno == EINTR) continue;
            return FailWithErrno();
        }
        done += static_cast<std::size_t>(wrote);
    }
    written_ += pending;
    return true;
}

bool OutputFile::Commit() {
    if (fd_ < 0 && error_.empty()) Fail("the output is not open");
    if (error_.empty() && Flush()) {
        // Only a file of our own is forced to the disk: a full disk on some
        // file systems shows only here, and the rename must not put a file
        // in place whose bytes are still in the air.
        if (!temporary_.empty() && ::fsync(fd_) != 0) FailWithErrno();
    }
    if (error_.empty() && ownsFd_) {
        const int fd = std::exchange(fd_, -1);
        ownsFd_ = false;
        if (::close(fd) != 0) FailWithErrno();
    }
    if (error_.empty() && !temporary_.empty()) {
        if (::rename(temporary_.c_str(), target_.c_str()) != 0)
            FailWithErrno();
        else
            temporary_.clear();
    }
    const bool committed = error_.empty();
    Abandon();
    return committed;
}

void OutputFile::Abandon() noexcept {
    Close();
    if (!temporary_.empty()) ::unlink(temporary_.c_str());
    temporary_.clear();
    setp(buffer_.data(), buffer_.data() + buffer_.size());
}

void OutputFile::Close() noexcept {
    if (fd_ >= 0 && ownsFd_) ::close(fd_);
    fd_ = -1;
    ownsFd_ = false;
}

bool OutputFile::Fail(const std::string& reason) {
    return Refuse("cannot write " + path_ + ": " + reason);
}

bool OutputFile::Refuse(const std::string& message) {
    if (error_.empty()) error_ = message;
    return false;
}

bool OutputFile::FailWithErrno() {
    return Fail(Reason(errno));
}

bool WriteWholeFile(const std::string& path, std::string_view bytes, const OutputBounds& bounds,
                    std::string& error) {
    OutputFile file;
    const bool written = file.Open(path, bounds) && file.Write(bytes) && file.Commit();
    if (!written) error = file.Error();
    return written;
}

} // namespace vantor
