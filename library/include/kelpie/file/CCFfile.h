// The in-memory image of one CCF file and its two per-byte maps.
//
// The file is read whole, once; every record reader then works on the image
// through a cursor. Besides the bytes the image keeps:
//  - the accessed map: one flag per byte, set whenever the byte is read
//    through GetByte (and so through every typed read);
//  - the structure map: one CCFtypes value per byte, set at the first byte of
//    every record the loader decodes (first marker wins).
// Together they let reports account for every byte of the file.
#pragma once

#include <kelpie/KelpieExport.h>
#include <kelpie/file/CCFEnums.h>
#include <kelpie/file/Notices.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace kelpie {

class CCF;

class KELPIE_API CCFfile {
public:
    // `notices` receives every notice of this file; empty means standard error.
    explicit CCFfile(NoticeHandler notices = {});

    const std::string& FileName() const noexcept { return fileName_; }
    std::int32_t FileSize() const noexcept { return static_cast<std::int32_t>(image_.size()); }

    // The byte at `pos`, marked as accessed. Outside the file: a notice
    // "Attempt to access data outside of CCF file at position POS", result 0,
    // nothing marked.
    std::uint8_t GetByte(std::int32_t pos) {
        if (const std::uint8_t* byte = Access(pos, 1)) return *byte;
        return OutsideByte(pos);
    }

    // The byte at `pos` without marking it and without a notice; 0 outside the
    // file. Reports use it so that writing one never changes the loaded file.
    std::uint8_t PeekByte(std::int32_t pos) const noexcept {
        return InFile(pos) ? image_[static_cast<std::size_t>(pos)] : 0;
    }

    bool InFile(std::int32_t pos) const noexcept { return pos >= 0 && pos < FileSize(); }
    // Whether some read touched the byte; false outside the file.
    bool IsAccessed(std::int32_t pos) const noexcept {
        return InFile(pos) && (maps_[static_cast<std::size_t>(pos)] & AccessedBit) != 0;
    }
    // The record kind that starts at `pos`; mtypNotStructure outside the file.
    CCFtypes StructureAt(std::int32_t pos) const noexcept {
        return InFile(pos) ? static_cast<CCFtypes>(maps_[static_cast<std::size_t>(pos)] & KindBits)
                           : mtypNotStructure;
    }

    // The first position after `pos` where a record starts, skipping child
    // entries and actions (they lie inside their owner's list); -1 when there
    // is none, `type` then untouched. Start a walk with pos = -1.
    std::int32_t NextObject(std::int32_t pos, CCFtypes& type) const;

    // The first byte after `pos` that no read touched, with the length of the
    // run of untouched bytes that begins there; -1 (length untouched) if none.
    std::int32_t NextUnaccessedMemory(std::int32_t pos, std::int32_t& length) const;

    // Display name of a record kind ("Frame", "Action List", ...); "" for
    // values outside the enumeration.
    static std::string ObjectName(std::int32_t type);

    // Number of records of `type`; `start` is the first of them and
    // `startNext` the first byte after it that begins another record kind or
    // that no read touched (FileSize - 2 when there is none). Both -1 / -1
    // before the scan; `start` stays -1 when there is no such record.
    std::int32_t ObjectCount(std::int32_t type, std::int32_t& start, std::int32_t& startNext) const;

    // Hands a notice to the handler installed for this file. A damaged file
    // can produce millions of them (one per missing byte of every record that
    // runs past the end); after MaxNotices one last notice says so and the
    // rest are dropped, so such a file still loads in reasonable time.
    void Notice(const std::string& text) const;
    static constexpr std::int32_t MaxNotices = 100000;

    // Typed reads at a cursor, which they advance: every byte goes through
    // the one checked door, so it is marked accessed, and a byte outside the
    // file gives GetByte's notice and reads as 0. Big-endian.
    std::uint8_t ReadByte(std::int32_t& cursor);
    std::int16_t ReadWord(std::int32_t& cursor) {
        std::uint8_t b[2];
        Read(cursor, 2, b);
        return static_cast<std::int16_t>(static_cast<std::uint16_t>((b[0] << 8) | b[1]));
    }
    std::int32_t ReadLong(std::int32_t& cursor) {
        std::uint8_t b[4];
        Read(cursor, 4, b);
        return static_cast<std::int32_t>((std::uint32_t{b[0]} << 24) | (std::uint32_t{b[1]} << 16) |
                                         (std::uint32_t{b[2]} << 8) | b[3]);
    }
    // `count` 8-bit characters; zero bytes are kept, nothing stops at them.
    std::string ReadChars(std::int32_t count, std::int32_t& cursor);
    // `count` raw bytes (each through GetByte).
    std::vector<std::uint8_t> ReadBytes(std::int32_t count, std::int32_t& cursor);

    // CRC-16/XMODEM of image bytes 0 to length - 1. Fails with OutOfRange when
    // `length` is beyond the end of the file.
    std::uint16_t ComputeCRC(std::int32_t length) const;

    // Largest file the library reads: far beyond any remote's memory, small
    // enough that the image and its maps always fit.
    static constexpr std::int64_t MaxFileSize = 1LL << 30;

private:
    // ---- Loader operations, reached through ImageAccess ----
    friend class ImageAccess;

    // While `into` is set, every notice given is also appended to it (the
    // loader keeps a shared record's notices to give them again at each
    // later reference); nullptr stops that.
    void RecordNotices(std::vector<std::string>* into) noexcept { recordedNotices_ = into; }

    // Reads the named file into the image, then loads `owner` from it and
    // applies the tail-byte rule. Errors: FileError when the file cannot be
    // read, is not a regular file, is empty or is larger than MaxFileSize.
    void LoadFile(CCF& owner, const std::string& fileName);
    // The same for bytes already in memory (tests and fuzzing).
    void LoadBytes(CCF& owner, const std::string& fileName, std::vector<std::uint8_t> bytes);
    // Only fills the image and the maps, without loading records.
    void SetImage(const std::string& fileName, std::vector<std::uint8_t> bytes);
    // A 0xFF byte three from the end, between two accessed bytes, is padding
    // and counts as accessed. A neighbour outside the file counts as not
    // accessed. Run once after loading.
    void ApplyTailByteRule();

    // Marks `pos` as the start of a record of `type`. A second, different
    // marker or a second reference to a record that is not shared gives a
    // notice and keeps the first marker. A position outside the file fails
    // with an OutOfRange error naming the record kind and the position.
    void MarkStructure(std::int32_t pos, CCFtypes type);

    // The one door for bytes: the `count` bytes at `offset` when all of them
    // lie in the file, marked as accessed; nullptr, with nothing marked,
    // otherwise. 64-bit so that cursor arithmetic cannot overflow.
    const std::uint8_t* Access(std::int64_t offset, std::int64_t count) noexcept {
        const auto size = static_cast<std::int64_t>(image_.size());
        if (offset < 0 || offset > size || count > size - offset) return nullptr;
        std::uint8_t* marks = maps_.data() + offset;
        for (std::int64_t i = 0; i < count; ++i)
            marks[i] |= AccessedBit;
        return image_.data() + offset;
    }
    // A byte outside the file: its notice, and 0.
    std::uint8_t OutsideByte(std::int64_t pos) const;
    // `count` bytes at the cursor into `out`, advancing the cursor (wrapping,
    // never overflowing). Where the range leaves the file it is read byte by
    // byte, each missing byte giving its notice and reading as 0.
    void Read(std::int32_t& cursor, std::int32_t count, std::uint8_t* out) {
        if (const std::uint8_t* bytes = Access(cursor, count)) {
            std::memcpy(out, bytes, static_cast<std::size_t>(count));
        } else {
            ReadPartly(cursor, count, out);
        }
        cursor = static_cast<std::int32_t>(static_cast<std::uint32_t>(cursor) +
                                           static_cast<std::uint32_t>(count));
    }
    void ReadPartly(std::int64_t offset, std::int32_t count, std::uint8_t* out);

    NoticeHandler notices_;
    mutable std::int32_t noticeCount_ = 0;
    std::vector<std::string>* recordedNotices_ = nullptr;
    std::string fileName_;
    std::vector<std::uint8_t> image_;
    // Both maps share one byte per file byte: the record kind that starts
    // there in the low bits, and whether some read touched it in the top bit.
    static constexpr std::uint8_t AccessedBit = 0x80;
    static constexpr std::uint8_t KindBits = 0x7F;
    std::vector<std::uint8_t> maps_;

    static std::size_t CountKind(const std::uint8_t* map, std::size_t size, std::uint8_t kind);
    static std::size_t FindKind(const std::uint8_t* map, std::size_t from, std::size_t size,
                                std::uint8_t kind);
};

} // namespace kelpie
