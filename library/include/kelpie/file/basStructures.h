// The fixed records of a CCF file, field by field, in the three formats.
//
// All integers are big-endian; a "word" is signed 16-bit, a "long" signed
// 32-bit. A position is a long holding an absolute file offset, and 0 means
// "none" in every pointer field (the header occupies position 0). Names are
// stored apart from the records as a length byte and that many characters.
// Fields absent from a format read as 0.
#pragma once

#include <kelpie/file/CCFEnums.h>

#include <array>
#include <cstdint>
#include <string>

namespace kelpie {

// The file header at position 0: 74 bytes, 76 in the colour format.
struct HeaderRecord {
    std::int32_t VersionStringPosition = 0; // name record of the version text
    std::int32_t Filler1 = 0;
    std::string ID1;          // 8 characters
    std::int32_t PosCRC1 = 0; // where CRC1 is stored; 0 = none
    std::int16_t Year = 0;
    std::uint8_t Month = 0;
    std::uint8_t Day = 0;
    std::uint8_t Filler2 = 0;
    std::uint8_t Hour = 0;
    std::uint8_t Minute = 0;
    std::uint8_t Second = 0;
    std::int32_t Filler3 = 0;
    std::string ID2; // 4 characters
    std::int16_t Version1 = 0;
    std::int16_t Version2 = 0;
    std::int32_t PosCRC2 = 0;
    std::int32_t Version3 = 0; // 60 swaps the longs at 64 and 68
    std::int32_t PosHomeGroup = 0;
    std::int32_t PosDeviceGroup = 0;
    std::int32_t PosMacroGroup = 0;
    std::int32_t PosNextTimer = 0;
    std::int32_t Attributes = 0; // bit 0, 1, 2: see CCF
    std::int32_t PosSpecialPanels = 0;
    std::int16_t Filler4 = 0;
    std::int16_t RFChannel = 0; // colour format only
    bool operator==(const HeaderRecord&) const = default;
};

// A device: 65 bytes, 86 in the colour format (which adds the far-left and
// far-right keys, the RF extender byte and a second filler).
struct DeviceRecord {
    std::int32_t PosNextDevice = 0;
    std::int32_t NamePosition = 0;
    std::int32_t PosIconUnselected = 0;
    std::int32_t PosIconSelected = 0;
    std::int32_t ActionsEntry = 0;
    std::int32_t ActionsLeft = 0;
    std::int32_t ActionsRight = 0;
    std::int32_t ActionsVolMinus = 0;
    std::int32_t ActionsVolPlus = 0;
    std::int32_t ActionsChanMinus = 0;
    std::int32_t ActionsChanPlus = 0;
    std::int32_t ActionsMute = 0;
    std::int32_t ActionsFarLeft = 0;
    std::int32_t ActionsFarRight = 0;
    std::int32_t Filler1 = 0;
    std::int32_t LeftKeyName = 0;
    std::int32_t RightKeyName = 0;
    std::int32_t FarLeftKeyName = 0;
    std::int32_t FarRightKeyName = 0;
    std::int32_t PosFirstPanel = 0;
    std::uint8_t Attributes = 0; // bit 0 ReadOnly, 4 NeedsProgramming, 5 HasSeparator, 6 IsTemplate
    std::uint8_t RFExtender = 0;
    std::int32_t Filler2 = 0;
    bool operator==(const DeviceRecord&) const = default;
};

// A panel head; its children list (9 bytes an entry) follows at + 10.
struct PanelRecord {
    std::int32_t PosNextPanel = 0;
    std::int32_t NameWord = 0; // bits 0-30 the name position, bit 31 the hidden flag
    std::uint8_t ChildCount = 0;
    std::uint8_t Reserved = 0;
    bool operator==(const PanelRecord&) const = default;
};

// One entry of a panel's or frame's children list.
struct ChildRecord {
    std::int16_t X = 0;
    std::int16_t Y = 0;
    std::int32_t Position = 0;  // the frame or button record
    std::uint8_t ChildType = 0; // 0 frame, 1 button, anything else is reported
    bool operator==(const ChildRecord&) const = default;
};

// A frame head: 20 bytes, 23 in the colour format; its children follow.
struct FrameRecord {
    std::int16_t Width = 0;
    std::int16_t Height = 0;
    std::int32_t NamePosition = 0;
    std::int32_t IconPosition = 0;
    std::int32_t Filler1 = 0;
    std::uint8_t Font = 0;
    std::uint8_t PackedColors = 0;            // grey formats: text bits 0-1, background bits 2-3
    std::array<std::uint8_t, 4> ColorGroup{}; // colour format: text, two kept bytes, background
    std::uint8_t ChildCount = 0;
    std::uint8_t Reserved = 0;
    bool operator==(const FrameRecord&) const = default;
};

// A button: 38 bytes, 50 in the colour format. The four states, in file
// order: inactive unselected, inactive selected, active unselected, active
// selected; each has an icon position and a colour pair.
struct ButtonRecord {
    std::int16_t Width = 0;
    std::int16_t Height = 0;
    std::int32_t ActionListPosition = 0;
    std::int32_t NamePosition = 0;
    std::int32_t Filler1 = 0;
    std::uint8_t Font = 0;
    std::uint8_t Reserved = 0;
    std::array<std::int32_t, 4> IconPositions{};
    std::array<std::uint8_t, 4> PackedColors{};               // grey formats
    std::array<std::array<std::uint8_t, 4>, 4> ColorGroups{}; // colour format
    bool operator==(const ButtonRecord&) const = default;
};

// An action list head; its actions (9 bytes each) follow at + 2.
struct ActionListRecord {
    std::uint8_t ActionCount = 0;
    std::uint8_t Reserved = 0;
    bool operator==(const ActionListRecord&) const = default;
};

// One action: a type byte and two longs whose meaning depends on the type.
struct ActionRecord {
    std::uint8_t ActionType = 0;
    std::int32_t Parameter1 = 0;
    std::int32_t Parameter2 = 0;
    bool operator==(const ActionRecord&) const = default;
};

// An IR code head; Size counts the whole record, head included. The data
// (Size - 6 bytes) follow at + 6 and begin with the code type word.
struct IRCodeRecord {
    std::int16_t Size = 0;
    std::int32_t NamePosition = 0;
    std::int16_t CodeType = 0;
    bool operator==(const IRCodeRecord&) const = default;
};

// An icon head; Size counts the whole record. Pixel data follow at + 8.
struct IconRecord {
    std::int16_t Size = 0;
    std::int16_t Width = 0;
    std::int16_t Height = 0;
    std::int16_t RawIconType = 0;
    bool operator==(const IconRecord&) const = default;
};

// A timer: 30 bytes with two embedded actions (type 0 = none).
struct TimerRecord {
    std::int32_t NextTimerPosition = 0;
    std::uint8_t StartDays = 0;
    std::uint8_t Filler1 = 0;
    std::int16_t StartTime = 0;
    std::uint8_t EndDays = 0;
    std::uint8_t Filler2 = 0;
    std::int16_t EndTime = 0;
    ActionRecord StartAction{};
    ActionRecord EndAction{};
    bool operator==(const TimerRecord&) const = default;
};

namespace basStructures {

// Record sizes and the offsets of the lists that follow fixed parts.
constexpr std::int32_t HeaderSize(CCFFileFormats format) {
    return format == fmtV3 ? 76 : 74;
}
constexpr std::int32_t DeviceSize(CCFFileFormats format) {
    return format == fmtV3 ? 86 : 65;
}
constexpr std::int32_t FrameHeadSize(CCFFileFormats format) {
    return format == fmtV3 ? 23 : 20;
}
constexpr std::int32_t ButtonSize(CCFFileFormats format) {
    return format == fmtV3 ? 50 : 38;
}
constexpr std::int32_t PanelHeadSize = 10;
constexpr std::int32_t ActionListHeadSize = 2;
constexpr std::int32_t EntrySize = 9; // a child entry or an action
constexpr std::int32_t IRCodeHeadSize = 6;
constexpr std::int32_t IconHeadSize = 8;
constexpr std::int32_t TimerSize = 30;
constexpr std::int32_t TimerStartActionOffset = 12;
constexpr std::int32_t TimerEndActionOffset = 21;
// Bit 31 of a panel's name word (and of any name position) is a flag.
constexpr std::uint32_t HiddenBit = 0x80000000u;

} // namespace basStructures
} // namespace kelpie
