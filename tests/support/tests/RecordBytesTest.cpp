// Each record kind the builder writes, byte by byte against its layout, in the
// formats where its layout differs.
#include "ExpectedBytes.h"
#include "support/CCFBuilder.h"

#include <gtest/gtest.h>

using namespace kelpie;
using namespace kelpie::builder;
using namespace kelpie::builder::expected;

namespace {

std::uint32_t P(const Record& record) {
    return static_cast<std::uint32_t>(record.Position());
}
std::uint32_t P(const NameRef& name) {
    return static_cast<std::uint32_t>(name.Position());
}

// A device with every field set, in `ccf`'s format.
struct FullDevice {
    explicit FullDevice(CCFBuilder& ccf)
        : tv(ccf.AddDevice(Group::Devices, "TV")), amp(ccf.AddDevice(Group::Devices, "Amp")),
          icon(ccf.AddIcon2Color(Pixels({"#."}))), iconSelected(ccf.AddIcon2Color(Pixels({".#"}))) {
        tv.IconUnselected = icon;
        tv.IconSelected = iconSelected;
        for (int key = 0; key < static_cast<int>(KeyCount); ++key)
            tv.Actions(static_cast<Key>(key)).Delay(100 + key);
        tv.Filler1 = 0x11223344;
        tv.LeftKeyName = "Guide";
        tv.RightKeyName = "Info";
        tv.FarLeftKeyName = "Back";
        tv.FarRightKeyName = "Home";
        tv.Attributes = devReadOnly | devHasSeparator;
        tv.RFExtender = 0x42;
        tv.Filler2 = 0x55667788;
        tv.AddPanel("TV");
    }
    std::uint32_t Keys(Key key) const { return P(*tv.ActionsField(key).Typed()); }

    Device& tv;
    Device& amp;
    Icon& icon;
    Icon& iconSelected;
};

} // namespace

TEST(BuilderRecords, GreyDeviceIs65Bytes) {
    for (const auto format : {fmtv1, fmtv2}) {
        CCFBuilder ccf(format);
        FullDevice d(ccf);
        const auto bytes = ccf.Build();
        const auto& tv = d.tv;
        const auto expected = Cat({
            L(P(d.amp)),                // 0  PosNextDevice: the next of its group
            L(P(tv.Name)),              // 4  name position
            L(P(d.icon)),               // 8  PosIconUnselected
            L(P(d.iconSelected)),       // 12 PosIconSelected
            L(d.Keys(Key::Entry)),      // 16 ActionsEntry
            L(d.Keys(Key::Left)),       // 20 ActionsLeft
            L(d.Keys(Key::Right)),      // 24 ActionsRight
            L(d.Keys(Key::VolMinus)),   // 28 ActionsVolMinus
            L(d.Keys(Key::VolPlus)),    // 32 ActionsVolPlus
            L(d.Keys(Key::ChanMinus)),  // 36 ActionsChanMinus
            L(d.Keys(Key::ChanPlus)),   // 40 ActionsChanPlus
            L(d.Keys(Key::Mute)),       // 44 ActionsMute
            L(0x11223344),              // 48 Filler1
            L(P(tv.LeftKeyName)),       // 52 LeftKeyName
            L(P(tv.RightKeyName)),      // 56 RightKeyName
            L(P(*tv.Panels().front())), // 60 PosFirstPanel
            B(0x21),                    // 64 attributes: ReadOnly, HasSeparator
        });
        EXPECT_EQ(tv.Size(), 65) << format;
        EXPECT_EQ(Slice(bytes, tv.Position(), 65), expected) << format;
        EXPECT_EQ(Slice(bytes, d.amp.Position(), 4), L(0)) << "the last device ends the chain";
    }
}

TEST(BuilderRecords, ColourDeviceIs86Bytes) {
    CCFBuilder ccf(fmtV3);
    FullDevice d(ccf);
    const auto bytes = ccf.Build();
    const auto& tv = d.tv;
    const auto expected = Cat({
        L(P(d.amp)),                // 0  PosNextDevice
        L(P(tv.Name)),              // 4  name position
        L(P(d.icon)),               // 8  PosIconUnselected
        L(P(d.iconSelected)),       // 12 PosIconSelected
        L(d.Keys(Key::Entry)),      // 16 ActionsEntry
        L(d.Keys(Key::Left)),       // 20 ActionsLeft
        L(d.Keys(Key::Right)),      // 24 ActionsRight
        L(d.Keys(Key::VolMinus)),   // 28 ActionsVolMinus
        L(d.Keys(Key::VolPlus)),    // 32 ActionsVolPlus
        L(d.Keys(Key::ChanMinus)),  // 36 ActionsChanMinus
        L(d.Keys(Key::ChanPlus)),   // 40 ActionsChanPlus
        L(d.Keys(Key::Mute)),       // 44 ActionsMute
        L(d.Keys(Key::FarLeft)),    // 48 ActionsFarLeft
        L(d.Keys(Key::FarRight)),   // 52 ActionsFarRight
        L(0x11223344),              // 56 Filler1
        L(P(tv.LeftKeyName)),       // 60 LeftKeyName
        L(P(tv.RightKeyName)),      // 64 RightKeyName
        L(P(tv.FarLeftKeyName)),    // 68 FarLeftKeyName
        L(P(tv.FarRightKeyName)),   // 72 FarRightKeyName
        L(P(*tv.Panels().front())), // 76 PosFirstPanel
        B(0x21),                    // 80 attributes
        B(0x42),                    // 81 RFExtender
        L(0x55667788),              // 82 Filler2
    });
    EXPECT_EQ(tv.Size(), 86);
    EXPECT_EQ(Slice(bytes, tv.Position(), 86), expected);
}

TEST(BuilderRecords, PanelHeadThenItsChildEntries) {
    for (const auto format : {fmtv1, fmtv2, fmtV3}) {
        CCFBuilder ccf(format);
        auto& tv = ccf.AddDevice(Group::Devices, "TV");
        auto& main = tv.AddPanel("Main");
        auto& guide = tv.AddPanel("Guide");
        guide.Hidden = true;
        guide.Reserved = 13;
        auto& frame = guide.AddFrame(0, 0, 240, 28, "Title");
        auto& button = guide.AddButton(230, 10, 20, 20, "Up");
        const auto bytes = ccf.Build();
        EXPECT_EQ(Slice(bytes, main.Position(), 10), Cat({
                                                         L(P(guide)),     // 0 PosNextPanel
                                                         L(P(main.Name)), // 4 name, shown
                                                         B(0), B(0),      // 8 no children, 9 kept
                                                     }));
        const auto expected = Cat({
            L(0),                              // 0  PosNextPanel: last of the chain
            L(P(guide.Name) | 0x80000000u),    // 4  name position, bit 31: Hidden
            B(2),                              // 8  number of children
            B(13),                             // 9  kept byte
            W(0), W(0), L(P(frame)), B(0),     // 10 child 0: X, Y, frame, chtFrame
            W(230), W(10), L(P(button)), B(1), // 19 child 1: X, Y, button, chtButton
        });
        EXPECT_EQ(guide.Size(), 28) << format;
        EXPECT_EQ(Slice(bytes, guide.Position(), 28), expected) << format;
        EXPECT_EQ(guide.Children[1].Position(), guide.Position() + 19) << format;
        EXPECT_EQ(guide.Children[1].Size(), 9) << format;
    }
}

TEST(BuilderRecords, GreyFramePacksItsColours) {
    for (const auto format : {fmtv1, fmtv2}) {
        CCFBuilder ccf(format);
        auto& panel = ccf.AddDevice(Group::Devices, "TV").AddPanel("TV");
        auto& icon = ccf.AddIcon4Color(Pixels({"0123"}));
        auto& keypad = panel.AddFrame(10, 36, 150, 140, "Keypad");
        keypad.Icon = icon;
        keypad.Filler1 = 7;
        keypad.Font = fnt14;
        keypad.Colors = {clrLightGrey, clrWhite};
        keypad.Reserved = 6;
        auto& digits = keypad.AddFrame(0, 4, 150, 68);
        const auto bytes = ccf.Build();
        const auto expected = Cat({
            W(150), W(140),                 // 0 Width, 2 Height
            L(P(keypad.Name)),              // 4 name position
            L(P(icon)),                     // 8 icon position
            L(7),                           // 12 Filler1
            B(fnt14),                       // 16 Font
            B(0x0E),                        // 17 text light grey (2) | background white (3) << 2
            B(1),                           // 18 number of children
            B(6),                           // 19 kept byte
            W(0), W(4), L(P(digits)), B(0), // 20 child 0: a frame at (0, 4)
        });
        EXPECT_EQ(keypad.Size(), 29) << format;
        EXPECT_EQ(Slice(bytes, keypad.Position(), 29), expected) << format;
        EXPECT_EQ(Slice(bytes, digits.Position() + 4, 4), L(0)) << "a frame without a name";
    }
}

TEST(BuilderRecords, ColourFrameHasAColourGroup) {
    CCFBuilder ccf(fmtV3);
    auto& panel = ccf.AddDevice(Group::Devices, "TV").AddPanel("TV");
    auto& frame = panel.AddFrame(0, 0, 240, 28, "Title");
    frame.Font = fnt16;
    frame.Colors = {215, 72};
    frame.Colors.Kept = {0xA1, 0xA2};
    auto& button = frame.AddButton(5, 6, 20, 20);
    const auto bytes = ccf.Build();
    const auto expected = Cat({
        W(240), W(28),                  // 0 Width, 2 Height
        L(P(frame.Name)),               // 4 name position
        L(0),                           // 8 no icon
        L(0),                           // 12 Filler1
        B(fnt16),                       // 16 Font
        B(215),                         // 17 TextColor (palette index)
        B(0xA1), B(0xA2),               // 18, 19 kept
        B(72),                          // 20 BackgroundColor
        B(1),                           // 21 number of children
        B(0),                           // 22 kept byte
        W(5), W(6), L(P(button)), B(1), // 23 child 0: a button at (5, 6)
    });
    EXPECT_EQ(frame.Size(), 32);
    EXPECT_EQ(Slice(bytes, frame.Position(), 32), expected);
}

namespace {

// A button with its four states set apart.
struct FullButton {
    explicit FullButton(CCFBuilder& ccf)
        : panel(ccf.AddDevice(Group::Devices, "Amp").AddPanel("Amp")),
          button(panel.AddButton(230, 10, 20, 20, "Vol+")), code(ccf.AddIRCode("Vol+", {0x5000})) {
        for (int i = 0; i < 4; ++i)
            icons.push_back(&ccf.AddIcon2Color(Filled(i + 1, 1, 3)));
        button.Filler1 = 0x0BADF00D;
        button.Font = fnt10;
        button.Reserved = 9;
        for (std::size_t state = 0; state < 4; ++state) {
            button.Icons[state] = *icons[state];
            button.StateColors[state] = {static_cast<std::uint8_t>(state),
                                         static_cast<std::uint8_t>(3 - state)};
            button.StateColors[state].Kept = {static_cast<std::uint8_t>(0x10 + state),
                                              static_cast<std::uint8_t>(0x20 + state)};
        }
        button.Actions().Code(code);
    }
    Bytes Head() const {
        return Cat({
            W(20), W(20),                         // 0 Width, 2 Height
            L(P(*button.ActionsField().Typed())), // 4 action list position
            L(P(button.Name)),                    // 8 name position
            L(0x0BADF00D),                        // 12 Filler1
            B(fnt10),                             // 16 Font
            B(9),                                 // 17 kept byte
            L(P(*icons[0])),                      // 18 InactiveUnselIcon
            L(P(*icons[1])),                      // 22 InactiveSelIcon
            L(P(*icons[2])),                      // 26 ActiveUnselIcon
            L(P(*icons[3])),                      // 30 ActiveSelIcon
        });
    }

    Panel& panel;
    Button& button;
    IRCode& code;
    std::vector<Icon*> icons;
};

} // namespace

TEST(BuilderRecords, GreyButtonHasFourPackedColourBytes) {
    for (const auto format : {fmtv1, fmtv2}) {
        CCFBuilder ccf(format);
        FullButton b(ccf);
        const auto bytes = ccf.Build();
        const auto expected = Cat({
            b.Head(),
            B(0x0C), // 34 inactive unselected: text 0, background 3
            B(0x09), // 35 inactive selected: text 1, background 2
            B(0x06), // 36 active unselected: text 2, background 1
            B(0x03), // 37 active selected: text 3, background 0
        });
        EXPECT_EQ(b.button.Size(), 38) << format;
        EXPECT_EQ(Slice(bytes, b.button.Position(), 38), expected) << format;
    }
}

TEST(BuilderRecords, ColourButtonHasFourColourGroups) {
    CCFBuilder ccf(fmtV3);
    FullButton b(ccf);
    const auto bytes = ccf.Build();
    const auto expected = Cat({
        b.Head(), B(0), B(0x10), B(0x20),
        B(3),                         // 34 inactive unselected: text, kept, kept, background
        B(1), B(0x11), B(0x21), B(2), // 38 inactive selected
        B(2), B(0x12), B(0x22), B(1), // 42 active unselected
        B(3), B(0x13), B(0x23), B(0), // 46 active selected
    });
    EXPECT_EQ(b.button.Size(), 50);
    EXPECT_EQ(Slice(bytes, b.button.Position(), 50), expected);
}

TEST(BuilderRecords, PackedColourByteCanBeGivenRaw) {
    CCFBuilder ccf(fmtv2);
    auto& frame = ccf.AddDevice(Group::Devices, "TV").AddPanel("TV").AddFrame(0, 0, 10, 10);
    frame.Colors.Packed = 0x68; // as real files have: bits above 3 set
    const auto bytes = ccf.Build();
    EXPECT_EQ(bytes[static_cast<std::size_t>(frame.Position() + 17)], 0x68);
}

TEST(BuilderRecords, ActionListWithEveryActionType) {
    for (const auto format : {fmtv1, fmtv2, fmtV3}) {
        CCFBuilder ccf(format);
        auto& amp = ccf.AddDevice(Group::Devices, "Amp");
        auto& panel = amp.AddPanel("Amp");
        auto& volumeUp = panel.AddButton(10, 10, 40, 20, "Vol+");
        auto& code = ccf.AddIRCode("Power", {0x5000, 0x0073, 0x0000, 0x0001, 0x0000, 0x000C});
        auto& timer = ccf.AddTimer();
        auto& list = panel.AddButton(60, 10, 40, 20, "All").Actions();
        list.Reserved = 3;
        list.Code(code)
            .ButtonAlias(amp, volumeUp)
            .Jump(amp, panel)
            .Jump(jmpScrollDown)
            .Delay(500)
            .KeyAlias(amp, kalMute)
            .AliasDevice(amp)
            .Timer(timer)
            .Sound(200, 500, 50);
        const auto bytes = ccf.Build();
        const auto expected = Cat({
            B(9),
            B(3), // 0 number of actions, 1 kept
            B(actCode),
            L(0),
            L(P(code)), // 2  IR code
            B(actButtonAlias),
            L(P(amp)),
            L(P(volumeUp)), // 11 device, button
            B(actJump),
            L(P(amp)),
            L(P(panel)), // 20 device, panel
            B(actJump),
            L(0),
            L(0xDDDDDDDD), // 29 special jump: scroll down
            B(actDelay),
            L(0),
            L(500), // 38 delay
            B(actKeyAlias),
            L(P(amp)),
            L(kalMute), // 47 device, key
            B(actAliasDevice),
            L(P(amp)),
            L(0), // 56 device
            B(actTimer),
            L(0),
            L(P(timer)), // 65 timer
            B(actSound),
            L(0),
            B(200),
            W(500),
            B(50), // 74 duration, frequency, percent
        });
        EXPECT_EQ(list.Size(), 83) << format;
        EXPECT_EQ(Slice(bytes, list.Position(), 83), expected) << format;
        EXPECT_EQ(list[8].Position(), list.Position() + 74) << format;
        EXPECT_EQ(list[8].Size(), 9) << format;
    }
}

TEST(BuilderRecords, IRCodeIsSizeNameAndData) {
    CCFBuilder ccf(fmtv2);
    auto& code = ccf.AddIRCode("Power", {0x5000, 0x0073, 0x0000, 0x0001, 0x0000, 0x000C});
    const auto bytes = ccf.Build();
    const auto expected = Cat({
        W(18),           // 0 Size: head and data
        L(P(code.Name)), // 2 name position
        W(0x5000),
        W(0x0073),
        W(0), // 6 data: type, carrier, ...
        W(1),
        W(0),
        W(12),
    });
    EXPECT_EQ(code.Size(), 18);
    EXPECT_EQ(Slice(bytes, code.Position(), 18), expected);
    EXPECT_EQ(Slice(bytes, code.Name.Position(), 6), Cat({B(5), S("Power")}));
}

TEST(BuilderRecords, IconIsSizeWidthHeightTypeAndPixels) {
    CCFBuilder ccf(fmtv2);
    // A 10 by 2 two-colour icon: row 0 all white, row 1 white
    // at column 0 only.
    auto& icon = ccf.AddIcon2Color(Pixels({"##########", "#........."}));
    const auto bytes = ccf.Build();
    const auto expected = Cat({
        W(12),            // 0 Size: 8 + 4 data bytes
        W(10), W(2),      // 2 Width, 4 Height
        W(0x1800),        // 6 raw type: 1 bit per pixel
        B(0xFF), B(0xC0), // 8 row 0, padded to a byte
        B(0x80), B(0x00), // 10 row 1
    });
    EXPECT_EQ(icon.Position(), 74); // icons come first after the header
    EXPECT_EQ(Slice(bytes, 74, 12), expected);
}

TEST(BuilderRecords, TimerWithBothActions) {
    for (const auto format : {fmtv1, fmtv2, fmtV3}) {
        CCFBuilder ccf(format);
        auto& power = ccf.AddIRCode("Power", {0x5000});
        auto& next = ccf.AddTimer();
        auto& timer = ccf.AddTimer();
        timer.Next = next;
        timer.StartDays = tmdMonday | tmdFriday;
        timer.Filler1 = 0xA1;
        timer.StartTime = TimeOfDay(6, 45);
        timer.EndDays = tmdWeekly;
        timer.Filler2 = 0xA2;
        timer.EndTime = TimeOfDay(23, 30);
        timer.Start = Action::Code(power);
        timer.End = Action::Sound(1, 2, 3);
        const auto bytes = ccf.Build();
        const auto expected = Cat({
            L(P(next)),                       // 0  next timer position
            B(0x11), B(0xA1),                 // 4  StartDays Monday | Friday, 5 Filler1
            W(405),                           // 6  StartTime 6:45
            B(0x80), B(0xA2),                 // 8  EndDays weekly, 9 Filler2
            W(1410),                          // 10 EndTime 23:30
            B(actCode), L(0), L(P(power)),    // 12 start action
            B(actSound), L(0), L(0x01000203), // 21 end action
        });
        EXPECT_EQ(timer.Size(), 30) << format;
        EXPECT_EQ(Slice(bytes, timer.Position(), 30), expected) << format;
        EXPECT_EQ(timer.Start.Position(), timer.Position() + 12) << format;
        EXPECT_EQ(timer.End.Position(), timer.Position() + 21) << format;
        EXPECT_EQ(Slice(bytes, next.Position() + 12, 18), Bytes(18, 0))
            << "actions of type 0: none";
    }
}

TEST(BuilderRecords, NameIsLengthAndCharacters) {
    CCFBuilder ccf(fmtv2);
    auto& empty = ccf.AddName("");
    auto& name = ccf.AddName("Living Room");
    const auto bytes = ccf.Build();
    EXPECT_EQ(Slice(bytes, empty.Position(), 1), B(0));
    EXPECT_EQ(empty.Size(), 1);
    EXPECT_EQ(Slice(bytes, name.Position(), 12), Cat({B(11), S("Living Room")}));
}
