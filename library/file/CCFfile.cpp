#include <kelpie/file/CCFfile.h>

#include "file/basCCFRoutines.h"
#include "load/basCCFLoad.h"
#include <kelpie/Error.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace kelpie {

namespace {

std::vector<std::uint8_t> ReadWholeFile(const std::string& fileName) {
    // A directory opens like a file and claims an absurd length; a pipe
    // would block the open. Only regular files can be CCF files.
    std::error_code error;
    const auto status = std::filesystem::status(fileName, error);
    if (!error && std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
        throw Error(ErrorKind::FileError, "Cannot open " + fileName + ": not a regular file");
    std::ifstream in(fileName, std::ios::binary | std::ios::ate);
    if (!in)
        throw Error(ErrorKind::FileError, "Cannot open " + fileName + ": " + std::strerror(errno));
    const std::streamoff size = in.tellg();
    if (size < 0) throw Error(ErrorKind::FileError, "Cannot read " + fileName);
    if (size == 0) throw Error(ErrorKind::FileError, "The file " + fileName + " is empty");
    if (size > CCFfile::MaxFileSize)
        throw Error(ErrorKind::FileError, "The file " + fileName + " is too large (" +
                                              std::to_string(size) + " bytes) to be a CCF file");
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    in.seekg(0);
    errno = 0;
    if (!in.read(reinterpret_cast<char*>(bytes.data()), size)) {
        // A read that ends early without a system error is a file that
        // another program shortened meanwhile; errno would be stale.
        const std::string reason = in.bad() && errno != 0
                                       ? std::strerror(errno)
                                       : "the file changed size while it was read";
        throw Error(ErrorKind::FileError, "Cannot read " + fileName + ": " + reason);
    }
    return bytes;
}

} // namespace

CCFfile::CCFfile(NoticeHandler notices) : notices_(std::move(notices)) {}

void CCFfile::Notice(const std::string& text) const {
    if (noticeCount_ > MaxNotices) return;
    ++noticeCount_;
    const std::string& shown = noticeCount_ <= MaxNotices
                                   ? text
                                   : "More than " + std::to_string(MaxNotices) +
                                         " notices for this file; the rest are not shown";
    if (recordedNotices_) recordedNotices_->push_back(text);
    if (notices_)
        notices_(shown);
    else
        WriteNoticeToStandardError(shown);
}

void CCFfile::SetImage(const std::string& fileName, std::vector<std::uint8_t> bytes) {
    if (bytes.empty()) throw Error(ErrorKind::FileError, "The file " + fileName + " is empty");
    if (static_cast<std::int64_t>(bytes.size()) > MaxFileSize)
        throw Error(ErrorKind::FileError,
                    "The file " + fileName + " is too large to be a CCF file");
    image_ = std::move(bytes);
    maps_.assign(image_.size(), mtypNotStructure);
    fileName_ = fileName;
}

void CCFfile::LoadFile(CCF& owner, const std::string& fileName) {
    LoadBytes(owner, fileName, ReadWholeFile(fileName));
}

void CCFfile::LoadBytes(CCF& owner, const std::string& fileName, std::vector<std::uint8_t> bytes) {
    SetImage(fileName, std::move(bytes));
    // The padding byte near the end is only known to be padding when every
    // record around it was read: a load cut short leaves it as it found it.
    basCCFLoad::LoadCCF(owner);
    ApplyTailByteRule();
}

// A 0xFF byte three from the end, between two bytes that records read, is the
// padding that the remote's tools leave there: count it as used. A missing
// neighbour (files under 4 bytes) counts as not accessed.
void CCFfile::ApplyTailByteRule() {
    const std::int32_t tail = FileSize() - 3;
    if (tail < 0 || IsAccessed(tail)) return;
    if (IsAccessed(tail - 1) && IsAccessed(tail + 1) && PeekByte(tail) == 0xFF)
        maps_[static_cast<std::size_t>(tail)] |= AccessedBit;
}

std::uint8_t CCFfile::OutsideByte(std::int64_t pos) const {
    if (noticeCount_ <= MaxNotices)
        Notice("Attempt to access data outside of CCF file at position " + std::to_string(pos));
    return 0;
}

void CCFfile::ReadPartly(std::int64_t offset, std::int32_t count, std::uint8_t* out) {
    for (std::int32_t i = 0; i < count; ++i) {
        const std::uint8_t* byte = Access(offset + i, 1);
        out[i] = byte ? *byte : OutsideByte(offset + i);
    }
}

std::uint8_t CCFfile::ReadByte(std::int32_t& cursor) {
    std::uint8_t value = 0;
    Read(cursor, 1, &value);
    return value;
}

std::string CCFfile::ReadChars(std::int32_t count, std::int32_t& cursor) {
    std::string text;
    if (count <= 0) return text;
    text.resize(static_cast<std::size_t>(count));
    Read(cursor, count, reinterpret_cast<std::uint8_t*>(text.data()));
    return text;
}

std::vector<std::uint8_t> CCFfile::ReadBytes(std::int32_t count, std::int32_t& cursor) {
    std::vector<std::uint8_t> bytes;
    if (count <= 0) return bytes;
    bytes.resize(static_cast<std::size_t>(count));
    Read(cursor, count, bytes.data());
    return bytes;
}

void CCFfile::MarkStructure(std::int32_t pos, CCFtypes type) {
    if (!InFile(pos))
        throw Error(ErrorKind::OutOfRange,
                    ObjectName(type) + " record at position " + std::to_string(pos) +
                        " lies outside of the CCF file (" + std::to_string(FileSize()) + " bytes)");
    auto& entry = maps_[static_cast<std::size_t>(pos)];
    const auto old = static_cast<CCFtypes>(entry & KindBits);
    if (old == mtypNotStructure) {
        entry = static_cast<std::uint8_t>((entry & AccessedBit) | type);
        return;
    }
    if (old == type) {
        if (type == mtypIRCode || type == mtypIcon || type == mtypName) return; // shared records
        Notice("Attempting to have more than one reference to an object - type " +
               std::to_string(type) + ": " + ObjectName(type) + " at " + std::to_string(pos));
        return;
    }
    Notice("Attempting to change structure type from " + ObjectName(old) + " to " +
           ObjectName(type) + " at " + std::to_string(pos));
}

std::uint16_t CCFfile::ComputeCRC(std::int32_t length) const {
    if (length > FileSize())
        throw Error(ErrorKind::OutOfRange, "CRC position " + std::to_string(length) +
                                               " lies beyond the end of the CCF file (" +
                                               std::to_string(FileSize()) + " bytes)");
    return basCCFRoutines::CRC16(image_.data(), length);
}

std::string CCFfile::ObjectName(std::int32_t type) {
    return type >= 0 && type < static_cast<std::int32_t>(CCFtypesNames.size())
               ? CCFtypesNames[static_cast<std::size_t>(type)]
               : "";
}

namespace {
bool IsListedObject(std::uint8_t type) {
    return type != mtypNotStructure && type != mtypChild && type != mtypAction;
}
} // namespace

std::int32_t CCFfile::NextObject(std::int32_t pos, CCFtypes& type) const {
    for (std::int64_t j = std::max<std::int64_t>(static_cast<std::int64_t>(pos) + 1, 0);
         j < FileSize(); ++j) {
        const auto entry = static_cast<std::uint8_t>(maps_[static_cast<std::size_t>(j)] & KindBits);
        if (IsListedObject(entry)) {
            type = static_cast<CCFtypes>(entry);
            return static_cast<std::int32_t>(j);
        }
    }
    return -1;
}

std::int32_t CCFfile::NextUnaccessedMemory(std::int32_t pos, std::int32_t& length) const {
    std::int64_t j = std::max<std::int64_t>(static_cast<std::int64_t>(pos) + 1, 0);
    while (j < FileSize() && (maps_[static_cast<std::size_t>(j)] & AccessedBit))
        ++j;
    if (j >= FileSize()) return -1;
    std::int64_t end = j;
    while (end < FileSize() && !(maps_[static_cast<std::size_t>(end)] & AccessedBit))
        ++end;
    length = static_cast<std::int32_t>(end - j);
    return static_cast<std::int32_t>(j);
}

// Bytes of the map that start a record of `kind`. Written as a plain
// counting loop so that the compiler can do it 16 or 32 bytes at a time: the
// map of a large file is scanned once per record kind when the counts are
// shown.
std::size_t CCFfile::CountKind(const std::uint8_t* map, std::size_t size, std::uint8_t kind) {
    // Byte-wide counters over runs of at most 255 bytes keep the loop in
    // byte lanes, which is what lets it run many bytes at a time.
    std::size_t count = 0;
    while (size > 0) {
        const std::size_t run = std::min<std::size_t>(size, 255);
        std::uint8_t inRun = 0;
        for (std::size_t i = 0; i < run; ++i)
            inRun = static_cast<std::uint8_t>(inRun + ((map[i] & KindBits) == kind ? 1 : 0));
        count += inRun;
        map += run;
        size -= run;
    }
    return count;
}

// The first byte at or after `from` that starts a record of `kind`, or
// `size`; blocks without one are passed over with the counting loop.
std::size_t CCFfile::FindKind(const std::uint8_t* map, std::size_t from, std::size_t size,
                              std::uint8_t kind) {
    constexpr std::size_t Block = 64;
    std::size_t i = from;
    while (i + Block <= size && CountKind(map + i, Block, kind) == 0)
        i += Block;
    while (i < size && (map[i] & KindBits) != kind)
        ++i;
    return i;
}

std::int32_t CCFfile::ObjectCount(std::int32_t type, std::int32_t& start,
                                  std::int32_t& startNext) const {
    start = -1;
    startNext = -1;
    const std::int32_t size = FileSize();
    std::int32_t count = 0;
    if (type >= 0 && type <= KindBits) {
        const std::uint8_t* map = maps_.data();
        const auto kind = static_cast<std::uint8_t>(type);
        const auto total = static_cast<std::size_t>(size);
        count = static_cast<std::int32_t>(CountKind(map, total, kind));
        if (count > 0) {
            start = static_cast<std::int32_t>(FindKind(map, 0, total, kind));
            // The first byte after the first record that starts another
            // listed record or that no record read.
            for (std::int32_t j = start + 1; j < size && startNext == -1; ++j) {
                const auto entry = static_cast<std::uint8_t>(map[j] & KindBits);
                if (entry != kind && (IsListedObject(entry) || !(map[j] & AccessedBit)))
                    startNext = j;
            }
        }
    }
    if (startNext == -1) startNext = size - 2;
    return count;
}

} // namespace kelpie
