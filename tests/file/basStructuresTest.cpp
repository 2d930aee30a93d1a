// The record readers: every field at its offset in each format, the bytes
// each record consumes, and the structure-map mark it leaves.
#include "file/basStructures.h"

#include "ExpectError.h"
#include "file/BigEndianBytes.h"
#include "file/CCFfile.h"
#include "file/HeaderImage.h"
#include "file/NoticeLog.h"

#include <gtest/gtest.h>

#include <functional>

using namespace kelpie;
using namespace kelpie::basStructures;

namespace {

// Records lie at this position, after a stretch of bytes nobody reads.
constexpr std::int32_t At = 100;

class basStructuresTest : public ::testing::Test {
protected:
    // Loads `bytes` (the record appended after At zero bytes) followed by
    // sixteen bytes that no reader may touch.
    void Load() {
        BigEndianBytes image = bytes;
        file.SetImage("records.ccf", image.Fill(16, 0xEE).Bytes());
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
    HeaderRecord h;
    h.VersionStringPosition = 0x01020304;
    h.Filler1 = 0x05060708;
    h.ID1 = "ABCDEFGH";
    h.PosCRC1 = 0x090A0B0C;
    h.Year = 2001;
    h.Month = 12;
    h.Day = 31;
    h.Filler2 = 0x77;
    h.Hour = 23;
    h.Minute = 59;
    h.Second = 58;
    h.Filler3 = 0x0D0E0F10;
    h.ID2 = "WXYZ";
    h.Version1 = version1;
    h.Version2 = version2;
    h.PosCRC2 = 0x11121314;
    h.Version3 = 61;
    h.PosHomeGroup = 0x15161718;
    h.PosDeviceGroup = 0x191A1B1C;
    h.PosMacroGroup = 0x1D1E1F20;
    h.PosNextTimer = 0x21222324;
    h.Attributes = 0x00000005;
    h.PosSpecialPanels = 0x25262728;
    h.Filler4 = 0x292A;
    h.RFChannel = 0x2B2C;
    return h;
}

TEST_F(basStructuresTest, GreyHeaderIs74BytesWithoutRFChannel) {
    for (std::int16_t version1 : {0, 3}) { // first and second grey format
        HeaderRecord h = DistinctHeader(version1, 1);
        BigEndianBytes image = HeaderImage(h);
        image.Word(0x2B2C); // a word after the header that is not RFChannel
        file.SetImage("grey.ccf", image.Bytes());
        h.RFChannel = 0;
        EXPECT_EQ(ReadHeader(file), h);
        EXPECT_EQ(BytesRead(0), 74);
        EXPECT_EQ(file.StructureAt(0), mtypHeader);
    }
}

TEST_F(basStructuresTest, ColourHeaderIs76BytesEndingInRFChannel) {
    const HeaderRecord h = DistinctHeader(5, 2);
    file.SetImage("colour.ccf", HeaderImage(h).Word(0xEEEE).Bytes());
    EXPECT_EQ(ReadHeader(file), h);
    EXPECT_EQ(BytesRead(0), 76);
}

TEST_F(basStructuresTest, Version3Of60SwapsSpecialPanelsAndAttributes) {
    for (std::int32_t version3 : {60, 61}) {
        HeaderRecord h = DistinctHeader(3, 1);
        h.Version3 = version3;
        BigEndianBytes image = HeaderImage(h);
        image
            .LongAt(64, 0x500) // special panels when Version3 is 60, else attributes
            .LongAt(68, 0x3);  // attributes when Version3 is 60, else special panels
        file.SetImage("swap.ccf", image.Bytes());
        const HeaderRecord read = ReadHeader(file);
        EXPECT_EQ(read.PosSpecialPanels, version3 == 60 ? 0x500 : 0x3);
        EXPECT_EQ(read.Attributes, version3 == 60 ? 0x3 : 0x500);
    }
}

// ---- Devices and panels

TEST_F(basStructuresTest, GreyDeviceIs65BytesAndLacksTheColourFields) {
    bytes
        .Long(0x101) // 0 PosNextDevice
        .Long(0x102) // 4 name position
        .Long(0x103) // 8 PosIconUnselected
        .Long(0x104) // 12 PosIconSelected
        .Long(0x105) // 16 ActionsEntry
        .Long(0x106) // 20 ActionsLeft
        .Long(0x107) // 24 ActionsRight
        .Long(0x108) // 28 ActionsVolMinus
        .Long(0x109) // 32 ActionsVolPlus
        .Long(0x10A) // 36 ActionsChanMinus
        .Long(0x10B) // 40 ActionsChanPlus
        .Long(0x10C) // 44 ActionsMute
        .Long(0x10D) // 48 Filler1
        .Long(0x10E) // 52 LeftKeyName
        .Long(0x10F) // 56 RightKeyName
        .Long(0x110) // 60 PosFirstPanel
        .Byte(0x71); // 64 attributes
    for (auto format : {fmtv1, fmtv2}) {
        Load();
        const DeviceRecord d = ReadDevice(file, At, format);
        EXPECT_EQ(d.PosNextDevice, 0x101);
        EXPECT_EQ(d.NamePosition, 0x102);
        EXPECT_EQ(d.PosIconUnselected, 0x103);
        EXPECT_EQ(d.PosIconSelected, 0x104);
        EXPECT_EQ(d.ActionsEntry, 0x105);
        EXPECT_EQ(d.ActionsLeft, 0x106);
        EXPECT_EQ(d.ActionsRight, 0x107);
        EXPECT_EQ(d.ActionsVolMinus, 0x108);
        EXPECT_EQ(d.ActionsVolPlus, 0x109);
        EXPECT_EQ(d.ActionsChanMinus, 0x10A);
        EXPECT_EQ(d.ActionsChanPlus, 0x10B);
        EXPECT_EQ(d.ActionsMute, 0x10C);
        EXPECT_EQ(d.Filler1, 0x10D);
        EXPECT_EQ(d.LeftKeyName, 0x10E);
        EXPECT_EQ(d.RightKeyName, 0x10F);
        EXPECT_EQ(d.PosFirstPanel, 0x110);
        EXPECT_EQ(d.Attributes, 0x71);
        // Fields of the colour format only.
        EXPECT_EQ(d.ActionsFarLeft | d.ActionsFarRight | d.FarLeftKeyName | d.FarRightKeyName |
                      d.RFExtender | d.Filler2,
                  0);
        EXPECT_EQ(BytesRead(At), 65);
        EXPECT_EQ(file.StructureAt(At), mtypDevice);
    }
}

TEST_F(basStructuresTest, ColourDeviceIs86BytesWithFarKeysAndRFExtender) {
    bytes
        .Long(0x101)  // 0 PosNextDevice
        .Long(0x102)  // 4 name position
        .Long(0x103)  // 8 PosIconUnselected
        .Long(0x104)  // 12 PosIconSelected
        .Long(0x105)  // 16 ActionsEntry
        .Long(0x106)  // 20 ActionsLeft
        .Long(0x107)  // 24 ActionsRight
        .Long(0x108)  // 28 ActionsVolMinus
        .Long(0x109)  // 32 ActionsVolPlus
        .Long(0x10A)  // 36 ActionsChanMinus
        .Long(0x10B)  // 40 ActionsChanPlus
        .Long(0x10C)  // 44 ActionsMute
        .Long(0x10D)  // 48 ActionsFarLeft
        .Long(0x10E)  // 52 ActionsFarRight
        .Long(0x10F)  // 56 Filler1
        .Long(0x110)  // 60 LeftKeyName
        .Long(0x111)  // 64 RightKeyName
        .Long(0x112)  // 68 FarLeftKeyName
        .Long(0x113)  // 72 FarRightKeyName
        .Long(0x114)  // 76 PosFirstPanel
        .Byte(0x40)   // 80 attributes
        .Byte(0x07)   // 81 RFExtender
        .Long(0x115); // 82 Filler2
    Load();
    const DeviceRecord d = ReadDevice(file, At, fmtV3);
    EXPECT_EQ(d.ActionsMute, 0x10C);
    EXPECT_EQ(d.ActionsFarLeft, 0x10D);
    EXPECT_EQ(d.ActionsFarRight, 0x10E);
    EXPECT_EQ(d.Filler1, 0x10F);
    EXPECT_EQ(d.LeftKeyName, 0x110);
    EXPECT_EQ(d.RightKeyName, 0x111);
    EXPECT_EQ(d.FarLeftKeyName, 0x112);
    EXPECT_EQ(d.FarRightKeyName, 0x113);
    EXPECT_EQ(d.PosFirstPanel, 0x114);
    EXPECT_EQ(d.Attributes, 0x40);
    EXPECT_EQ(d.RFExtender, 0x07);
    EXPECT_EQ(d.Filler2, 0x115);
    EXPECT_EQ(BytesRead(At), 86);
}

TEST_F(basStructuresTest, PanelHeadIsTenBytesBeforeItsChildren) {
    bytes
        .Long(0x200)      // 0 PosNextPanel
        .Long(0x80000123) // 4 name position 0x123, hidden
        .Byte(3)          // 8 number of children
        .Byte(0x44);      // 9 kept
    Load();
    std::int32_t after = 0;
    const PanelRecord p = ReadPanel(file, At, after);
    EXPECT_EQ(p.PosNextPanel, 0x200);
    EXPECT_EQ(static_cast<std::uint32_t>(p.NameWord), 0x80000123u);
    EXPECT_EQ(p.ChildCount, 3);
    EXPECT_EQ(after, At + 10);
    EXPECT_EQ(BytesRead(At), 10);
    EXPECT_EQ(file.StructureAt(At), mtypPanel);
}

TEST_F(basStructuresTest, ChildEntryIsNineBytes) {
    bytes
        .Word(0xFFF6) // 0 X = -10
        .Word(20)     // 2 Y
        .Long(0x300)  // 4 frame or button position
        .Byte(1);     // 8 child type: button
    Load();
    const ChildRecord c = ReadChild(file, At);
    EXPECT_EQ(c.X, -10);
    EXPECT_EQ(c.Y, 20);
    EXPECT_EQ(c.Position, 0x300);
    EXPECT_EQ(c.ChildType, chtButton);
    EXPECT_EQ(BytesRead(At), 9);
    EXPECT_EQ(file.StructureAt(At), mtypChild);
}

// ---- Frames and buttons

TEST_F(basStructuresTest, GreyFrameIs20BytesWithOnePackedColourByte) {
    bytes
        .Word(80)    // 0 Width
        .Word(40)    // 2 Height
        .Long(0x123) // 4 name position
        .Long(0x456) // 8 icon position
        .Long(0x789) // 12 Filler1
        .Byte(fnt12) // 16 Font
        .Byte(0x0E)  // 17 packed colours
        .Byte(2)     // 18 number of children
        .Byte(0x55); // 19 kept
    for (auto format : {fmtv1, fmtv2}) {
        Load();
        std::int32_t after = 0;
        const FrameRecord f = ReadFrame(file, At, format, after);
        EXPECT_EQ(f.Width, 80);
        EXPECT_EQ(f.Height, 40);
        EXPECT_EQ(f.NamePosition, 0x123);
        EXPECT_EQ(f.IconPosition, 0x456);
        EXPECT_EQ(f.Filler1, 0x789);
        EXPECT_EQ(f.Font, fnt12);
        EXPECT_EQ(f.PackedColors, 0x0E);
        EXPECT_EQ(f.ChildCount, 2);
        EXPECT_EQ(after, At + 20);
        EXPECT_EQ(BytesRead(At), 20);
        EXPECT_EQ(file.StructureAt(At), mtypFrame);
    }
}

TEST_F(basStructuresTest, ColourFrameIs23BytesWithAColourGroup) {
    bytes
        .Word(80)    // 0 Width
        .Word(40)    // 2 Height
        .Long(0x123) // 4 name position
        .Long(0x456) // 8 icon position
        .Long(0x789) // 12 Filler1
        .Byte(fnt12) // 16 Font
        .Byte(0x10)  // 17 text colour
        .Byte(0xAA)  // 18 kept
        .Byte(0xBB)  // 19 kept
        .Byte(0xD7)  // 20 background colour
        .Byte(2)     // 21 number of children
        .Byte(0x55); // 22 kept
    Load();
    std::int32_t after = 0;
    const FrameRecord f = ReadFrame(file, At, fmtV3, after);
    EXPECT_EQ(f.Font, fnt12);
    EXPECT_EQ(f.ColorGroup, (std::array<std::uint8_t, 4>{0x10, 0xAA, 0xBB, 0xD7}));
    EXPECT_EQ(f.ChildCount, 2);
    EXPECT_EQ(after, At + 23);
    EXPECT_EQ(BytesRead(At), 23);
}

// The head that grey and colour buttons share: 34 bytes.
void ButtonHead(BigEndianBytes& b) {
    b.Word(60)        // 0 Width
        .Word(30)     // 2 Height
        .Long(0x700)  // 4 action list position
        .Long(0x701)  // 8 name position
        .Long(0x702)  // 12 Filler1
        .Byte(fnt8)   // 16 Font
        .Byte(0x66)   // 17 kept
        .Long(0x710)  // 18 inactive unselected icon
        .Long(0x720)  // 22 inactive selected icon
        .Long(0x730)  // 26 active unselected icon
        .Long(0x740); // 30 active selected icon
}

TEST_F(basStructuresTest, GreyButtonIs38BytesWithAPackedByteAState) {
    ButtonHead(bytes);
    bytes.Byte(0x01).Byte(0x06).Byte(0x0B).Byte(0xFC); // 34 colours of states 0 to 3
    for (auto format : {fmtv1, fmtv2}) {
        Load();
        const ButtonRecord b = ReadButton(file, At, format);
        EXPECT_EQ(b.Width, 60);
        EXPECT_EQ(b.Height, 30);
        EXPECT_EQ(b.ActionListPosition, 0x700);
        EXPECT_EQ(b.NamePosition, 0x701);
        EXPECT_EQ(b.Filler1, 0x702);
        EXPECT_EQ(b.Font, fnt8);
        EXPECT_EQ(b.IconPositions, (std::array<std::int32_t, 4>{0x710, 0x720, 0x730, 0x740}));
        EXPECT_EQ(b.PackedColors, (std::array<std::uint8_t, 4>{0x01, 0x06, 0x0B, 0xFC}));
        EXPECT_EQ(BytesRead(At), 38);
        EXPECT_EQ(file.StructureAt(At), mtypButton);
    }
}

TEST_F(basStructuresTest, ColourButtonIs50BytesWithAColourGroupAState) {
    ButtonHead(bytes);
    for (std::uint8_t state = 0; state < 4; ++state) // 34 + 4 x state: text, kept, kept, background
        bytes.Byte(0x10 + state).Byte(0xAA).Byte(0xBB).Byte(0xD0 + state);
    Load();
    const ButtonRecord b = ReadButton(file, At, fmtV3);
    EXPECT_EQ(b.IconPositions[3], 0x740);
    EXPECT_EQ(b.ColorGroups[0], (std::array<std::uint8_t, 4>{0x10, 0xAA, 0xBB, 0xD0}));
    EXPECT_EQ(b.ColorGroups[3], (std::array<std::uint8_t, 4>{0x13, 0xAA, 0xBB, 0xD3}));
    EXPECT_EQ(BytesRead(At), 50);
}

// ---- Action lists, actions and timers

TEST_F(basStructuresTest, ActionListHeadIsTwoBytes) {
    bytes
        .Byte(2)     // 0 number of actions
        .Byte(0x66); // 1 kept
    Load();
    std::int32_t after = 0;
    EXPECT_EQ(ReadActionList(file, At, after).ActionCount, 2);
    EXPECT_EQ(after, At + 2);
    EXPECT_EQ(BytesRead(At), 2);
    EXPECT_EQ(file.StructureAt(At), mtypActionList);
}

TEST_F(basStructuresTest, ActionIsNineBytesAndMarkedOnlyWhenAsked) {
    bytes
        .Byte(actJump)  // 0 type
        .Long(0x400)    // 1 Parameter1: device
        .Long(jmpBack); // 5 Parameter2: a special jump
    for (bool mark : {false, true}) {
        Load();
        const ActionRecord a = ReadAction(file, At, mark);
        EXPECT_EQ(a.ActionType, actJump);
        EXPECT_EQ(a.Parameter1, 0x400);
        EXPECT_EQ(static_cast<std::uint32_t>(a.Parameter2), jmpBack);
        EXPECT_EQ(BytesRead(At), 9);
        EXPECT_EQ(file.StructureAt(At), mark ? mtypAction : mtypNotStructure);
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
        .Byte(actDelay)
        .Long(1)
        .Long(500) // 12 start action
        .Byte(0)
        .Long(0)
        .Long(0); // 21 no end action
    Load();
    const TimerRecord t = ReadTimer(file, At);
    EXPECT_EQ(t.NextTimerPosition, 0x600);
    EXPECT_EQ(t.StartDays, tmdMonday | tmdSunday);
    EXPECT_EQ(t.Filler1, 0x11);
    EXPECT_EQ(t.StartTime, 480);
    EXPECT_EQ(t.EndDays, tmdWeekly);
    EXPECT_EQ(t.Filler2, 0x22);
    EXPECT_EQ(t.EndTime, 1320);
    EXPECT_EQ(t.StartAction.ActionType, actDelay);
    EXPECT_EQ(t.StartAction.Parameter2, 500);
    EXPECT_EQ(t.EndAction.ActionType, 0);
    EXPECT_EQ(BytesRead(At), 30);
    EXPECT_EQ(file.StructureAt(At), mtypTimer);
    EXPECT_EQ(file.StructureAt(At + 12), mtypNotStructure);
    EXPECT_EQ(file.StructureAt(At + 21), mtypNotStructure);
}

// ---- Shared records: IR codes, icons, names

TEST_F(basStructuresTest, IRCodeTypeIsTheFirstWordOfItsData) {
    bytes
        .Word(10)     // 0 Size of the whole record
        .Long(0x500)  // 2 name position
        .Word(0x0100) // 6 data, beginning with the code type
        .Word(0x1234);
    Load();
    std::int32_t data = 0;
    const IRCodeRecord r = ReadIRCode(file, At, data);
    EXPECT_EQ(r.Size, 10);
    EXPECT_EQ(r.NamePosition, 0x500);
    EXPECT_EQ(r.CodeType, 0x0100);
    EXPECT_EQ(data, At + 6);
    EXPECT_EQ(file.StructureAt(At), mtypIRCode);
}

TEST_F(basStructuresTest, IRCodeWithoutDataHasNoCodeType) {
    bytes
        .Word(6)  // 0 Size: the head alone
        .Long(0); // 2 no name
    Load();
    std::int32_t data = 0;
    EXPECT_EQ(ReadIRCode(file, At, data).CodeType, 0);
    EXPECT_EQ(BytesRead(At), 6) << "nothing past the record is read";
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
    const IconRecord r = ReadIcon(file, At, data);
    EXPECT_EQ(r.Size, 12);
    EXPECT_EQ(r.Width, 4);
    EXPECT_EQ(r.Height, 2);
    EXPECT_EQ(static_cast<std::uint16_t>(r.RawIconType), 0x8100);
    EXPECT_EQ(data, At + 8);
    EXPECT_EQ(BytesRead(At), 8);
    EXPECT_EQ(file.StructureAt(At), mtypIcon);
}

TEST_F(basStructuresTest, NamesIgnoreBit31OfTheirPosition) {
    bytes.Byte(5).Text("Hello"); // 0 length, 1 characters
    Load();
    EXPECT_EQ(ReadName(file, static_cast<std::int32_t>(0x80000000u | At)), "Hello");
    EXPECT_EQ(BytesRead(At), 6);
    EXPECT_EQ(file.StructureAt(At), mtypName);
}

TEST_F(basStructuresTest, EmptyNameStillMarksItsLengthByte) {
    bytes.Byte(0); // 0 length
    Load();
    EXPECT_EQ(ReadName(file, At), "");
    EXPECT_EQ(BytesRead(At), 1);
    EXPECT_EQ(file.StructureAt(At), mtypName);
}

TEST_F(basStructuresTest, NamePositionZeroReadsNothing) {
    Load();
    EXPECT_EQ(ReadName(file, 0), "");
    EXPECT_EQ(BytesRead(0), 0);
    EXPECT_EQ(file.StructureAt(0), mtypNotStructure);
}

TEST_F(basStructuresTest, WordAtIsReadButNotMarked) {
    bytes.Word(0xBEEF);
    Load();
    EXPECT_EQ(static_cast<std::uint16_t>(ReadWordAt(file, At)), 0xBEEF);
    EXPECT_EQ(BytesRead(At), 2);
    EXPECT_EQ(file.StructureAt(At), mtypNotStructure);
}

// ---- Positions outside the file

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
        [&] { ReadName(file, outside); },
    };
    for (const auto& read : readers)
        EXPECT_KELPIE_ERROR(read(), ErrorKind::OutOfRange);
    EXPECT_TRUE(log.Texts.empty()) << "no byte was read";
}

} // namespace
