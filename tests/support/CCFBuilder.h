// The CCF builder: composes CCF files byte-exactly, in the three formats, for
// tests, benchmarks, fuzz seeds and the samples.
//
// A test makes records through the builder and links them the way the file
// does, then calls Build() for the bytes:
//
//     CCFBuilder ccf(fmtv2);
//     auto& tv = ccf.AddDevice(Group::Devices, "TV");
//     auto& power = ccf.AddIRCode("Power", {0x5000, 0x0073, 0x0000, 0x0001, 0x0000, 0x000C});
//     auto& panel = tv.AddPanel("TV");
//     auto& button = panel.AddButton(230, 10, 20, 20, "Power"); // at (230, 10), 20 by 20
//     button.Actions().Code(power);
//     std::vector<std::uint8_t> bytes = ccf.Build();
//     button.Position(); // where the button record went
//
// Records: Records.h (fields under the format's names, defaults of a plausible
// real file); pointer fields: Target.h (objects, At, Raw); icon pixels:
// IconPixels.h; where records go: Layout.h.
//
// The file: the header at 0, the records in regions by kind (Layout.h), then
// the CRC word: after the last record, padded to an even position with one
// 0xFF byte, holding the CRC-16/XMODEM of every byte before it; the header's
// PosCRC1 and PosCRC2 both point to it (as in real files). Header().CRC1 and
// CRC2 move the word, give CRC2 a word of its own, switch them off or store
// other values.
//
// Broken files: every pointer field takes Raw(value) or At(record, offset);
// counts, size words, type bytes and name lengths have raw overrides on their
// records; Patch...() writes bytes at a position after the records are written
// and before the CRC is computed (so the CRC still matches; set the CRC's
// Value for a wrong one); TruncateAt() cuts the finished file.
//
// Build() may be called again after changes; positions are those of the last
// Build(). Shared records (an icon, IR code, name, action list or timer named
// from many fields) are written once.
#pragma once

#include <kelpie/file/CCFEnums.h>
#include "support/IconPixels.h"
#include "support/Records.h"
#include "support/Store.h"
#include "support/Target.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kelpie::builder {

class CCFBuilder {
public:
    // A file of `format`: the header's version words are set to Version1 0,
    // Version2 1 (fmtv1), Version1 2, Version2 1 (fmtv2) or Version1 0,
    // Version2 2 (fmtV3).
    explicit CCFBuilder(CCFFileFormats format);
    CCFBuilder(const CCFBuilder&) = delete;
    CCFBuilder& operator=(const CCFBuilder&) = delete;

    builder::Header& Header() noexcept { return header_; }
    // The format the records are written in: the one the header's version
    // words give (FileFormatOf), unless SetRecordFormat chose another.
    CCFFileFormats Format() const;
    // Write records in `format` whatever the header says (a header that lies).
    void SetRecordFormat(CCFFileFormats format) { recordFormat_ = format; }

    // ---- Records ----

    // A device at the end of a group's chain (Group::Unlisted: in no chain).
    Device& AddDevice(Group group, NameRef name = {});
    const std::vector<Device*>& GroupDevices(Group group) const;
    // A panel at the end of the special panels' chain.
    Panel& AddSpecialPanel(NameRef name = {});
    // Records that no chain or parent holds yet; link them by hand
    // (AddChild, UseActions, Ref fields).
    Panel& AddPanel(NameRef name = {});
    Frame& AddFrame(std::int16_t width, std::int16_t height, NameRef name = {});
    Button& AddButton(std::int16_t width, std::int16_t height, NameRef name = {});
    ActionList& AddActionList();
    // An IR code whose data are these words, most significant byte first;
    // IRCode::Data takes any bytes.
    IRCode& AddIRCode(NameRef name, const std::vector<std::uint16_t>& words);
    // An icon with its raw type and packed data as given.
    Icon& AddIcon(std::int16_t width, std::int16_t height, std::uint16_t rawType,
                  std::vector<std::uint8_t> data);
    // Icons of pixel rows (width and height from the rows), packed with
    // IconPixels.h under RawIcon2Color, RawIcon4Color, RawIcon4ColorCompressed
    // and RawIcon8Color.
    Icon& AddIcon2Color(const PixelRows& rows);
    Icon& AddIcon4Color(const PixelRows& rows);
    Icon& AddIcon4ColorCompressed(const PixelRows& rows);
    Icon& AddIcon8Color(const PixelRows& rows);
    Timer& AddTimer();
    // A name record to share between fields (or to leave unreferenced).
    Name& AddName(std::string text);
    // Bytes that no record points to, after the devices.
    RawBlock& AddRawBlock(std::vector<std::uint8_t> bytes);

    // Links the timers as a real file does: the header's PosNextTimer to the
    // first timer made, each timer's Next to the one made after it.
    void ChainTimers();

    // All records made so far, by kind in creation order.
    const Store& Records() const noexcept { return store_; }

    // ---- Broken files ----

    // Writes `bytes` at the target (Raw(position) or At(record, offset)) after
    // the records; std::out_of_range at Build() when they do not fit the file.
    void Patch(Target at, std::vector<std::uint8_t> bytes);
    void PatchByte(Target at, std::uint8_t value) { Patch(at, {value}); }
    void PatchWord(Target at, std::uint16_t value);
    void PatchLong(Target at, std::uint32_t value);
    // Keeps only the bytes before the target (last step of Build()).
    void TruncateAt(Target at) { truncateAt_ = at; }

    // ---- Building ----

    std::vector<std::uint8_t> Build();
    // Build() and write the bytes to `path`; std::runtime_error on failure.
    void BuildFile(const std::string& path);

    // After Build(): the two CRC position fields and the CRC stored at
    // PosCRC1 (0 when there is none), and the file size before truncation.
    std::int32_t PosCRC1() const noexcept { return posCRC1_; }
    std::int32_t PosCRC2() const noexcept { return posCRC2_; }
    std::uint16_t StoredCRC1() const noexcept { return crc1_; }
    std::int32_t FullSize() const noexcept { return fullSize_; }

private:
    struct PatchSpec {
        Target at;
        std::vector<std::uint8_t> bytes;
    };

    Store store_;
    builder::Header header_;
    std::optional<CCFFileFormats> recordFormat_;
    std::vector<PatchSpec> patches_;
    std::optional<Target> truncateAt_;
    std::int32_t posCRC1_ = 0;
    std::int32_t posCRC2_ = 0;
    std::uint16_t crc1_ = 0;
    std::int32_t fullSize_ = 0;
};

} // namespace kelpie::builder
