// The record readers: every field at its offset in each format, the bytes
// each record consumes, and the structure-map mark it leaves.
#include "file/RecordReaders.h"

#include "ExpectError.h"
#include "file/BigEndianBytes.h"
#include "file/HeaderImage.h"
#include "file/ImageAccess.h"
#include "file/NoticeLog.h"
#include <kelpie/file/CCFfile.h>

#include <gtest/gtest.h>

#include <functional>

using namespace kelpie;
using namespace kelpie::basStructures;

namespace {

// Records lie at this position, after a stretch of bytes nobody reads.
constexpr std::int32_t At = 100;

class basStructuresTest : public ::testing::Test {
protected:
    // Loads `bytes` followed by sixteen bytes that no reader may touch.
    void Load() {
        BigEndianBytes image = bytes;
        ImageAccess::SetImage(file, "records.ccf", image.Fill(16, 0xEE).Bytes());
    }
    // Number of bytes read from `from` on, up to the first unread one.
    std::int32_t BytesRead(std::int32_t from) const {
        std::int32_t length = 0;
        const std::int32_t unread = file.NextUnaccessedMemory(from - 1, length);
        return (unread < 0 ? file.FileSize() : unread) - from;
    }

    BigEndianBytes bytes{At};
    NoticeLog log;
    CCFfile file{log.Handler()};
};

// ---- Header

HeaderRecord DistinctHeader(std::int16_t version1, std::int16_t version2) {
    return {0x01020304, 0x05060708, "ABCDEFGH", 0x090A0B0C, 2001,       12,         31,
            0x77,       23,         59,         58,         0x0D0E0F10, "WXYZ",     version1,
            version2,   0x11121314, 61,         0x15161718, 0x191A1B1C, 0x1D1E1F20, 0x21222324,
            0x05,       0x25262728, 0x292A,     0x2B2C};
}

TEST_F(basStructuresTest, GreyHeaderIs74BytesWithoutRFChannel) {
    for (std::int16_t version1 : {0, 3}) { // first and second grey format
        HeaderRecord h = DistinctHeader(version1, 1);
        ImageAccess::SetImage(file, "grey.ccf",
                              HeaderImage(h).Word(0x2B2C).Bytes()); // a word past the header
        h.RFChannel = 0;
        EXPECT_EQ(ReadHeader(file), h);
        EXPECT_EQ(BytesRead(0), 74);
        EXPECT_EQ(file.StructureAt(0), mtypHeader);
    }
    const HeaderRecord colour = DistinctHeader(5, 2);
    ImageAccess::SetImage(file, "colour.ccf", HeaderImage(colour).Word(0xEEEE).Bytes());
    EXPECT_EQ(ReadHeader(file), colour);
    EXPECT_EQ(BytesRead(0), 76) << "the colour header ends in RFChannel";
}

TEST_F(basStructuresTest, Version3Of60SwapsSpecialPanelsAndAttributes) {
    for (std::int32_t version3 : {60, 61}) {
        HeaderRecord h = DistinctHeader(3, 1);
        h.Version3 = version3;
        BigEndianBytes image = HeaderImage(h);
        image
            .LongAt(64, 0x500) // special panels when Version3 is 60, else attributes
            .LongAt(68, 0x3);  // attributes when Version3 is 60, else special panels
        ImageAccess::SetImage(file, "swap.ccf", image.Bytes());
        const HeaderRecord read = ReadHeader(file);
        EXPECT_EQ(read.PosSpecialPanels, version3 == 60 ? 0x500 : 0x3);
        EXPECT_EQ(read.Attributes, version3 == 60 ? 0x3 : 0x500);
    }
}

// ---- Devices, panels, child entries

// Where each long of a device record lies in the grey and in the colour
// layout; -1 where the layout has no such field.
const struct {
    std::int32_t grey, colour;
    std::int32_t DeviceRecord::*field;
} DeviceLongs[] = {
    {0, 0, &DeviceRecord::PosNextDevice},     {4, 4, &DeviceRecord::NamePosition},
    {8, 8, &DeviceRecord::PosIconUnselected}, {12, 12, &DeviceRecord::PosIconSelected},
    {16, 16, &DeviceRecord::ActionsEntry},    {20, 20, &DeviceRecord::ActionsLeft},
    {24, 24, &DeviceRecord::ActionsRight},    {28, 28, &DeviceRecord::ActionsVolMinus},
    {32, 32, &DeviceRecord::ActionsVolPlus},  {36, 36, &DeviceRecord::ActionsChanMinus},
    {40, 40, &DeviceRecord::ActionsChanPlus}, {44, 44, &DeviceRecord::ActionsMute},
    {-1, 48, &DeviceRecord::ActionsFarLeft},  {-1, 52, &DeviceRecord::ActionsFarRight},
    {48, 56, &DeviceRecord::Filler1},         {52, 60, &DeviceRecord::LeftKeyName},
    {56, 64, &DeviceRecord::RightKeyName},    {-1, 68, &DeviceRecord::FarLeftKeyName},
    {-1, 72, &DeviceRecord::FarRightKeyName}, {60, 76, &DeviceRecord::PosFirstPanel},
    {-1, 82, &DeviceRecord::Filler2}};

TEST_F(basStructuresTest, DeviceIs65BytesOr86WithFarKeysAndRFExtender) {
    for (auto format : {fmtv1, fmtv2, fmtV3}) {
        const bool colour = format == fmtV3;
        bytes = BigEndianBytes(At + (colour ? 86 : 65));
        std::uint32_t value = 0x101; // a distinct value for each field
        for (const auto& row : DeviceLongs)
            if (const auto offset = colour ? row.colour : row.grey; offset >= 0)
                bytes.LongAt(At + offset, value++);
        bytes.ByteAt(At + (colour ? 80 : 64), 0x71); // attributes
        if (colour) bytes.ByteAt(At + 81, 0x07);     // RFExtender
        Load();
        const DeviceRecord d = ReadDevice(file, At, format);
        value = 0x101;
        for (const auto& row : DeviceLongs)
            EXPECT_EQ(d.*row.field, (colour ? row.colour : row.grey) >= 0 ? value++ : 0)
                << row.grey << format;
        EXPECT_EQ(d.Attributes, 0x71);
        EXPECT_EQ(d.RFExtender, colour ? 0x07 : 0);
        EXPECT_EQ(BytesRead(At), colour ? 86 : 65);
        EXPECT_EQ(file.StructureAt(At), mtypDevice);
    }
}

TEST_F(basStructuresTest, PanelHeadAndChildEntries) {
    bytes
        .Long(0x200)      // 0 PosNextPanel
        .Long(0x80000123) // 4 name position 0x123, hidden
        .Byte(1)          // 8 number of children
        .Byte(0x44)       // 9 kept
        .Word(0xFFF6)     // 10 first child entry: X = -10
        .Word(20)         // 12 Y
        .Long(0x300)      // 14 button position
        .Byte(chtButton); // 18 child type
    Load();
    std::int32_t after = 0;
    EXPECT_EQ(ReadPanel(file, At, after),
              (PanelRecord{0x200, static_cast<std::int32_t>(0x80000123u), 1, 0x44}));
    EXPECT_EQ(after, At + 10);
    EXPECT_EQ(ReadChild(file, after), (ChildRecord{-10, 20, 0x300, chtButton}));
    EXPECT_EQ(BytesRead(At), 19);
    EXPECT_EQ(file.StructureAt(At), mtypPanel);
    EXPECT_EQ(file.StructureAt(after), mtypChild);
}

// ---- Frames and buttons

// The head that frames of every format share: 17 bytes.
void FrameHead(BigEndianBytes& b) {
    b.Word(80)        // 0 Width
        .Word(40)     // 2 Height
        .Long(0x123)  // 4 name position
        .Long(0x456)  // 8 icon position
        .Long(0x789)  // 12 Filler1
        .Byte(fnt12); // 16 Font
}

TEST_F(basStructuresTest, GreyFrameIs20BytesWithOnePackedColourByte) {
    FrameHead(bytes);
    bytes
        .Byte(0x0E)  // 17 packed colours
        .Byte(2)     // 18 number of children
        .Byte(0x55); // 19 kept
    for (auto format : {fmtv1, fmtv2}) {
        Load();
        std::int32_t after = 0;
        EXPECT_EQ(ReadFrame(file, At, format, after),
                  (FrameRecord{80, 40, 0x123, 0x456, 0x789, fnt12, 0x0E, {}, 2, 0x55}));
        EXPECT_EQ(after, At + 20);
        EXPECT_EQ(BytesRead(At), 20);
        EXPECT_EQ(file.StructureAt(At), mtypFrame);
    }
}

TEST_F(basStructuresTest, ColourFrameIs23BytesWithAColourGroup) {
    FrameHead(bytes);
    bytes
        .Byte(0x10)  // 17 text colour
        .Byte(0xAA)  // 18 kept
        .Byte(0xBB)  // 19 kept
        .Byte(0xD7)  // 20 background colour
        .Byte(2)     // 21 number of children
        .Byte(0x55); // 22 kept
    Load();
    std::int32_t after = 0;
    EXPECT_EQ(
        ReadFrame(file, At, fmtV3, after),
        (FrameRecord{80, 40, 0x123, 0x456, 0x789, fnt12, 0, {0x10, 0xAA, 0xBB, 0xD7}, 2, 0x55}));
    EXPECT_EQ(after, At + 23);
    EXPECT_EQ(BytesRead(At), 23);
}

TEST_F(basStructuresTest, ButtonIs38BytesOr50WithColourGroups) {
    bytes
        .Word(60)                                    // 0 Width
        .Word(30)                                    // 2 Height
        .Long(0x700)                                 // 4 action list position
        .Long(0x701)                                 // 8 name position
        .Long(0x702)                                 // 12 Filler1
        .Byte(fnt8)                                  // 16 Font
        .Byte(0x66)                                  // 17 kept
        .Long(0x710)                                 // 18 inactive unselected icon
        .Long(0x720)                                 // 22 inactive selected icon
        .Long(0x730)                                 // 26 active unselected icon
        .Long(0x740);                                // 30 active selected icon
    for (std::uint8_t state = 0; state < 4; ++state) // 34 + 4 x state: text, kept, kept, background
        bytes.Byte(0x10 + state).Byte(0xAA).Byte(0xBB).Byte(0xD0 + state);
    ButtonRecord expected{60, 30, 0x700, 0x701, 0x702, fnt8, 0x66, {0x710, 0x720, 0x730, 0x740},
                          {}, {}};
    for (auto format : {fmtv1, fmtv2}) {
        Load();
        expected.PackedColors = {0x10, 0xAA, 0xBB, 0xD0}; // grey: one byte a state
        EXPECT_EQ(ReadButton(file, At, format), expected);
        EXPECT_EQ(BytesRead(At), 38);
        EXPECT_EQ(file.StructureAt(At), mtypButton);
    }
    Load();
    expected.PackedColors = {};
    for (std::uint8_t state = 0; state < 4; ++state)
        expected.ColorGroups[state] = {std::uint8_t(0x10 + state), 0xAA, 0xBB,
                                       std::uint8_t(0xD0 + state)};
    EXPECT_EQ(ReadButton(file, At, fmtV3), expected);
    EXPECT_EQ(BytesRead(At), 50);
}

// ---- Action lists, actions and timers

TEST_F(basStructuresTest, ActionListHeadAndActions) {
    bytes
        .Byte(1)        // 0 number of actions
        .Byte(0x66)     // 1 kept
        .Byte(actJump)  // 2 first action: type
        .Long(0x400)    // 3 Parameter1: device
        .Long(jmpBack); // 7 Parameter2: a special jump
    for (bool mark : {false, true}) {
        Load();
        std::int32_t after = 0;
        EXPECT_EQ(ReadActionList(file, At, after), (ActionListRecord{1, 0x66}));
        EXPECT_EQ(after, At + 2);
        EXPECT_EQ(ReadAction(file, after, mark),
                  (ActionRecord{actJump, 0x400, static_cast<std::int32_t>(jmpBack)}));
        EXPECT_EQ(BytesRead(At), 11);
        EXPECT_EQ(file.StructureAt(At), mtypActionList);
        EXPECT_EQ(file.StructureAt(after), mark ? mtypAction : mtypNotStructure)
            << "marked only when asked";
    }
}

TEST_F(basStructuresTest, TimerIs30BytesAndItsActionsAreNotMarked) {
    bytes
        .Long(0x600)                 // 0 next timer
        .Byte(tmdMonday | tmdSunday) // 4 StartDays
        .Byte(0x11)                  // 5 Filler1
        .Word(480)                   // 6 StartTime: 8:00
        .Byte(tmdWeekly)             // 8 EndDays
        .Byte(0x22)                  // 9 Filler2
        .Word(1320)                  // 10 EndTime: 22:00
        .Byte(actDelay)              // 12 start action: type
        .Long(1)                     // 13 Parameter1
        .Long(500)                   // 17 Parameter2
        .Byte(0)                     // 21 end action: none
        .Zeros(8);                   // 22 its parameters
    Load();
    TimerRecord expected{0x600, tmdMonday | tmdSunday, 0x11, 480, tmdWeekly, 0x22, 1320};
    expected.StartAction = {actDelay, 1, 500};
    EXPECT_EQ(ReadTimer(file, At), expected);
    EXPECT_EQ(BytesRead(At), 30);
    EXPECT_EQ(file.StructureAt(At), mtypTimer);
    EXPECT_EQ(file.StructureAt(At + 12), mtypNotStructure);
    EXPECT_EQ(file.StructureAt(At + 21), mtypNotStructure);
}

// ---- Shared records: IR codes, icons, names

TEST_F(basStructuresTest, IRCodeTypeIsTheFirstWordOfItsData) {
    bytes
        .Word(10)      // 0 Size of the whole record
        .Long(0x500)   // 2 name position
        .Word(0x0100)  // 6 data, beginning with the code type
        .Word(0x1234)  // 8 more data
        .Word(6)       // 10 another record: Size 6, the head alone
        .Long(0)       // 12 no name
        .Word(0x5000); // 16 what follows the head: still read as its type
    Load();
    std::int32_t data = 0;
    EXPECT_EQ(ReadIRCode(file, At, data), (IRCodeRecord{10, 0x500, 0x0100}));
    EXPECT_EQ(data, At + 6);
    EXPECT_EQ(file.StructureAt(At), mtypIRCode);
    EXPECT_EQ(ReadIRCode(file, At + 10, data).CodeType, 0x5000)
        << "the type word is read whatever the size word says";
    EXPECT_EQ(BytesRead(At + 10), 8) << "the two bytes of the type word count as read";
}

TEST_F(basStructuresTest, IconHeadIsEightBytes) {
    bytes
        .Word(12)          // 0 Size
        .Word(4)           // 2 Width
        .Word(2)           // 4 Height
        .Word(0x8100)      // 6 raw icon type
        .Long(0xFFFFFFFF); // 8 pixel data
    Load();
    std::int32_t data = 0;
    EXPECT_EQ(ReadIcon(file, At, data), (IconRecord{12, 4, 2, static_cast<std::int16_t>(0x8100)}));
    EXPECT_EQ(data, At + 8);
    EXPECT_EQ(BytesRead(At), 8);
    EXPECT_EQ(file.StructureAt(At), mtypIcon);
}

TEST_F(basStructuresTest, NamesAreALengthByteAndCharacters) {
    bytes
        .Byte(5)       // 0 length
        .Text("Hello") // 1 characters
        .Byte(0);      // 6 an empty name
    Load();
    EXPECT_EQ(ReadName(file, static_cast<std::int32_t>(0x80000000u | At)), "Hello")
        << "bit 31 is ignored";
    EXPECT_EQ(ReadName(file, At + 6), "") << "an empty name still marks its length byte";
    EXPECT_EQ(BytesRead(At), 7);
    EXPECT_EQ(file.StructureAt(At), mtypName);
    EXPECT_EQ(file.StructureAt(At + 6), mtypName);
    EXPECT_EQ(ReadName(file, 0), "") << "position 0 is no name";
    EXPECT_EQ(BytesRead(0), 0);
}

TEST_F(basStructuresTest, RecordOutsideTheFileFailsBeforeReadingAnything) {
    Load();
    const std::int32_t outside = file.FileSize();
    std::int32_t after = 0;
    const std::function<void()> readers[] = {
        [&] { ReadDevice(file, outside, fmtV3); }, [&] { ReadPanel(file, outside, after); },
        [&] { ReadChild(file, outside); },         [&] { ReadFrame(file, outside, fmtv2, after); },
        [&] { ReadButton(file, -1, fmtv1); },      [&] { ReadActionList(file, outside, after); },
        [&] { ReadAction(file, outside, true); },  [&] { ReadIRCode(file, outside, after); },
        [&] { ReadIcon(file, outside, after); },   [&] { ReadTimer(file, outside); },
        [&] { ReadName(file, outside); }};
    for (const auto& read : readers)
        EXPECT_KELPIE_ERROR(read(), ErrorKind::OutOfRange);
    EXPECT_TRUE(log.Texts.empty()) << "no byte was read";
}

} // namespace
