// The root object of one loaded file: the decoded header with its stored
// CRCs, the file format, the three device groups, the special panels, the
// file's shared icons and IR codes, and the file image itself.
//
// The header is not validated: identification texts, version words and CRCs
// are taken as they are. Callers read; only the library, while it loads the
// file, sets anything (through its ModelBuilder), and nothing is ever written
// back to the file.
#pragma once

#include <kelpie/KelpieExport.h>
#include <kelpie/file/CCFfile.h>
#include <kelpie/file/basStructures.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace kelpie {

class Devices;
class Icon;
class Icons;
class IRCodes;
class Panels;

// A calendar date and time of day, as stored in the header.
struct CCFDate {
    std::int32_t Year = 0;
    std::int32_t Month = 0;
    std::int32_t Day = 0;
    std::int32_t Hour = 0;
    std::int32_t Minute = 0;
    std::int32_t Second = 0;
    bool operator==(const CCFDate&) const = default;
};

class KELPIE_API CCF {
public:
    explicit CCF(NoticeHandler notices = {});
    ~CCF();
    CCF(const CCF&) = delete;
    CCF& operator=(const CCF&) = delete;

    std::int32_t Position() const noexcept { return 0; }
    // 74 in the grey formats, 76 in the colour format.
    std::int16_t Size() const noexcept {
        return static_cast<std::int16_t>(basStructures::HeaderSize(FileFormat()));
    }
    // The words stored at PosCRC1 and PosCRC2; 0 where the position is 0.
    std::uint16_t CRC1() const noexcept { return crc1_; }
    std::uint16_t CRC2() const noexcept { return crc2_; }
    const std::string& VersionString() const noexcept { return versionString_; }

    // The header's date fields, normalised as a calendar would (month 13 is
    // January of the next year, day 0 the last day of the month before).
    CCFDate ModificationDate() const;

    std::int16_t Version1() const noexcept { return header_.Version1; }
    std::int16_t Version2() const noexcept { return header_.Version2; }
    std::int32_t Version3() const noexcept { return header_.Version3; }
    CCFFileFormats FileFormat() const noexcept;
    const std::string& ID1() const noexcept { return header_.ID1; }
    const std::string& ID2() const noexcept { return header_.ID2; }

    // Attribute bits 0, 1 and 2.
    bool ConfigFactoryDefault() const noexcept { return (header_.Attributes & 1) != 0; }
    bool ConfigWriteProtected() const noexcept { return (header_.Attributes & 2) != 0; }
    bool HomeWriteProtected() const noexcept { return (header_.Attributes & 4) != 0; }

    std::int32_t PosCRC1() const noexcept { return header_.PosCRC1; }
    std::int32_t PosCRC2() const noexcept { return header_.PosCRC2; }
    // CRC-16/XMODEM of the file from byte 0 up to PosCRC1 (0 when PosCRC1 is
    // 0). OutOfRange when PosCRC1 lies beyond the end of the file.
    std::uint16_t CalculateCRC() const;

    std::int32_t PosHomeGroup() const noexcept { return header_.PosHomeGroup; }
    std::int32_t PosDeviceGroup() const noexcept { return header_.PosDeviceGroup; }
    std::int32_t PosMacroGroup() const noexcept { return header_.PosMacroGroup; }
    // Kept as read; the loader reaches timers through timer actions instead.
    std::int32_t PosNextTimer() const noexcept { return header_.PosNextTimer; }
    std::int32_t PosSpecialPanels() const noexcept { return header_.PosSpecialPanels; }
    std::int32_t Filler1() const noexcept { return header_.Filler1; }
    std::uint8_t Filler2() const noexcept { return header_.Filler2; }
    std::int32_t Filler3() const noexcept { return header_.Filler3; }
    std::int16_t Filler4() const noexcept { return header_.Filler4; }
    std::int16_t RFChannel() const noexcept { return header_.RFChannel; }
    // The raw attributes long.
    std::int32_t Attributes() const noexcept { return header_.Attributes; }

    // The graph; through a const CCF, const collections. A collection holds
    // its items as shared objects, like pointers: const, it cannot gain or
    // lose items, and it yields them as they are stored. A reader that must
    // not change the graph reads them through their const Find accessors,
    // which never create anything.
    kelpie::Devices& HomeGroup() noexcept { return *homeGroup_; }
    const kelpie::Devices& HomeGroup() const noexcept { return *homeGroup_; }
    kelpie::Devices& DevicesGroup() noexcept { return *devicesGroup_; }
    const kelpie::Devices& DevicesGroup() const noexcept { return *devicesGroup_; }
    kelpie::Devices& MacrosGroup() noexcept { return *macrosGroup_; }
    const kelpie::Devices& MacrosGroup() const noexcept { return *macrosGroup_; }
    kelpie::Panels& SpecialPanels() noexcept { return *specialPanels_; }
    const kelpie::Panels& SpecialPanels() const noexcept { return *specialPanels_; }

    // The unselected icon of the home group's first device (may be nullptr).
    // InvalidArgument when the home group is empty.
    kelpie::Icon* HomeIcon() const;

    kelpie::Icons& Icons() noexcept { return *icons_; }
    const kelpie::Icons& Icons() const noexcept { return *icons_; }
    kelpie::IRCodes& IRCodes() noexcept { return *irCodes_; }
    const kelpie::IRCodes& IRCodes() const noexcept { return *irCodes_; }
    kelpie::CCFfile& CCFfile() noexcept { return *file_; }
    const kelpie::CCFfile& CCFfile() const noexcept { return *file_; }
    // The image as an owning pointer, for callers that keep it longer.
    std::shared_ptr<kelpie::CCFfile> CCFfilePtr() const noexcept { return file_; }

    // The header record as read.
    const HeaderRecord& Header() const noexcept { return header_; }

private:
    // ---- Set while loading, through ModelBuilder ----
    friend class ModelBuilder;

    // Reads the file and loads the whole graph from it.
    void OpenFile(const std::string& fileName);
    // The same for a file image already in memory.
    void OpenBytes(const std::string& fileName, std::vector<std::uint8_t> bytes);
    // Stores the header and reads the two CRC words it points to.
    void SetHeader(const HeaderRecord& header);
    void SetVersionString(std::string text) { versionString_ = std::move(text); }
    // Stores a date in the six fields (normalising it first); Filler2, which
    // lies between day and hour, is unchanged. Overflow for years outside
    // the 16-bit field.
    void SetModificationDate(const CCFDate& date);
    // Each leaves the other attribute bits unchanged.
    void SetConfigFactoryDefault(bool value) { SetAttribute(1, value); }
    void SetConfigWriteProtected(bool value) { SetAttribute(2, value); }
    void SetHomeWriteProtected(bool value) { SetAttribute(4, value); }
    // InvalidArgument when the home group is empty.
    void SetHomeIcon(kelpie::Icon* icon);

    void SetAttribute(std::int32_t mask, bool value);

    HeaderRecord header_;
    std::uint16_t crc1_ = 0;
    std::uint16_t crc2_ = 0;
    std::string versionString_;
    std::shared_ptr<kelpie::CCFfile> file_;
    std::unique_ptr<kelpie::Devices> homeGroup_, devicesGroup_, macrosGroup_;
    std::unique_ptr<kelpie::Panels> specialPanels_;
    std::unique_ptr<kelpie::Icons> icons_;
    std::unique_ptr<kelpie::IRCodes> irCodes_;
};

} // namespace kelpie
