// Raw control for broken files: pointers to anywhere, loops, raw type bytes,
// counts and size words, patches and truncation.
#include "ExpectedBytes.h"
#include "ReaderWalk.h"
#include "support/CCFBuilder.h"

#include "file/basCCFRoutines.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace kelpie;
using namespace kelpie::builder;
using namespace kelpie::builder::expected;

namespace {
std::uint32_t P(const Record& record) {
    return static_cast<std::uint32_t>(record.Position());
}
} // namespace

TEST(BuilderBroken, PointerFieldsTakeRawValues) {
    CCFBuilder ccf(fmtv2);
    auto& tv = ccf.AddDevice(Group::Devices, "TV");
    tv.IconUnselected = Raw(0x7FFFFFF0); // far outside the file
    tv.IconSelected = Raw(10);           // inside the header
    tv.UseActions(Key::Mute, Raw(-1));
    tv.FirstPanel = Raw(0); // no panels, although it has one
    tv.AddPanel("TV");
    const auto bytes = ccf.Build();
    const auto at = tv.Position();
    EXPECT_EQ(Slice(bytes, at + 8, 8), Cat({L(0x7FFFFFF0), L(10)}));
    EXPECT_EQ(Slice(bytes, at + 44, 4), L(0xFFFFFFFF));
    EXPECT_EQ(Slice(bytes, at + 60, 4), L(0));
}

TEST(BuilderBroken, PointerToARecordOfAnotherKind) {
    CCFBuilder ccf(fmtv2);
    auto& tv = ccf.AddDevice(Group::Devices, "TV");
    auto& panel = tv.AddPanel("TV");
    tv.IconUnselected = At(panel);  // a panel where an icon should be
    tv.IconSelected = At(panel, 3); // the middle of a record
    const auto bytes = ccf.Build();
    EXPECT_EQ(Slice(bytes, tv.Position() + 8, 8), Cat({L(P(panel)), L(P(panel) + 3)}));
}

TEST(BuilderBroken, DeviceChainLoopsBack) {
    CCFBuilder ccf(fmtv2);
    auto& a = ccf.AddDevice(Group::Devices, "A");
    auto& b = ccf.AddDevice(Group::Devices, "B");
    b.Next = a; // A -> B -> A
    const auto bytes = ccf.Build();
    EXPECT_EQ(Slice(bytes, a.Position(), 4), L(P(b)));
    EXPECT_EQ(Slice(bytes, b.Position(), 4), L(P(a)));
    readers::DecodedFile file(bytes);
    EXPECT_EQ(file.DeviceGroup, (std::vector<std::int32_t>{a.Position(), b.Position()}));
    EXPECT_EQ(file.References[a.Position()], 2);
}

TEST(BuilderBroken, PanelChainsAndHeaderGroupsCanBeOverridden) {
    CCFBuilder ccf(fmtv2);
    auto& tv = ccf.AddDevice(Group::Devices, "TV");
    auto& one = tv.AddPanel("One");
    auto& two = tv.AddPanel("Two");
    two.Next = one;                       // a panel loop
    ccf.Header().PosHomeGroup = tv;       // the same device in two groups
    ccf.Header().PosMacroGroup = Raw(50); // below the header's end
    ccf.Header().PosSpecialPanels = two;  // a device's panel as special panel
    const auto bytes = ccf.Build();
    EXPECT_EQ(Slice(bytes, two.Position(), 4), L(P(one)));
    EXPECT_EQ(Slice(bytes, 48, 12), Cat({L(P(tv)), L(P(tv)), L(50)}));
    EXPECT_EQ(Slice(bytes, 68, 4), L(P(two)));
}

TEST(BuilderBroken, FrameThatContainsItself) {
    CCFBuilder ccf(fmtv1);
    auto& panel = ccf.AddDevice(Group::Devices, "TV").AddPanel("TV");
    auto& frame = panel.AddFrame(0, 0, 100, 100, "Loop");
    frame.AddChild(5, 5, frame);
    const auto bytes = ccf.Build();
    EXPECT_EQ(Slice(bytes, frame.Position() + 20, 9), Cat({W(5), W(5), L(P(frame)), B(chtFrame)}));
    EXPECT_EQ(ccf.Records().Frames.size(), 1u);
}

TEST(BuilderBroken, ButtonReachedTwice) {
    CCFBuilder ccf(fmtv2);
    auto& panel = ccf.AddDevice(Group::Devices, "TV").AddPanel("TV");
    auto& button = panel.AddButton(10, 10, 20, 20, "Twice");
    panel.AddChild(40, 10, button);
    const auto bytes = ccf.Build();
    EXPECT_EQ(Slice(bytes, panel.Position() + 10, 18),
              Cat({W(10), W(10), L(P(button)), B(1), W(40), W(10), L(P(button)), B(1)}));
    readers::DecodedFile file(bytes);
    EXPECT_EQ(file.Buttons.size(), 1u);
    EXPECT_EQ(file.References[button.Position()], 2);
}

TEST(BuilderBroken, ChildTypeByteCanBeAnything) {
    CCFBuilder ccf(fmtv2);
    auto& panel = ccf.AddDevice(Group::Devices, "TV").AddPanel("TV");
    auto& button = panel.AddButton(10, 10, 20, 20, "B");
    panel.Children[0].Type = 2;           // unknown type
    panel.AddChild(1, 2, Raw(0x1234), 0); // a frame at a raw position
    const auto bytes = ccf.Build();
    EXPECT_EQ(Slice(bytes, panel.Position() + 10, 18),
              Cat({W(10), W(10), L(P(button)), B(2), W(1), W(2), L(0x1234), B(0)}));
}

TEST(BuilderBroken, CountsAndSizeWordsCanLie) {
    CCFBuilder ccf(fmtv2);
    auto& panel = ccf.AddDevice(Group::Devices, "TV").AddPanel("TV");
    panel.AddButton(10, 10, 20, 20, "B");
    panel.CountByte = 5; // five children announced, one written
    auto& frame = panel.AddFrame(0, 0, 10, 10);
    frame.CountByte = 255;
    auto& list = ccf.AddActionList();
    list.Delay(1);
    list.CountByte = 0;
    auto& code = ccf.AddIRCode("Short", {0x5000, 0x0073});
    code.SizeWord = 4; // shorter than its own head
    auto& icon = ccf.AddIcon2Color(Pixels({"########"}));
    icon.SizeWord = 8; // no pixel data announced, one byte written
    auto& name = ccf.AddName("Four");
    name.LengthByte = 200; // runs far past its characters
    const auto bytes = ccf.Build();
    EXPECT_EQ(bytes[static_cast<std::size_t>(panel.Position() + 8)], 5);
    EXPECT_EQ(panel.Size(), 10 + 18);
    EXPECT_EQ(bytes[static_cast<std::size_t>(frame.Position() + 18)], 255);
    EXPECT_EQ(Slice(bytes, list.Position(), 2), Cat({B(0), B(0)}));
    EXPECT_EQ(list.Size(), 11);
    EXPECT_EQ(Slice(bytes, code.Position(), 2), W(4));
    EXPECT_EQ(code.Size(), 10);
    EXPECT_EQ(Slice(bytes, icon.Position(), 2), W(8));
    EXPECT_EQ(icon.Size(), 9);
    EXPECT_EQ(Slice(bytes, name.Position(), 5), Cat({B(200), S("Four")}));
}

TEST(BuilderBroken, ActionsWithAnyTypeAndParameters) {
    CCFBuilder ccf(fmtv2);
    auto& tv = ccf.AddDevice(Group::Devices, "TV");
    auto& list = tv.Actions(Key::Entry);
    list.Add(Action::Make(9, Raw(1), Raw(2))) // unknown type
        .Jump(tv, Raw(10))                    // a jump below the header's end
        .ButtonAlias(Raw(0), Raw(0))          // alias of nothing
        .Code(Raw(0x00FFFFFF));               // an IR code outside the file
    const auto bytes = ccf.Build();
    EXPECT_EQ(Slice(bytes, list.Position() + 2, 36), Cat({
                                                         B(9),
                                                         L(1),
                                                         L(2),
                                                         B(actJump),
                                                         L(P(tv)),
                                                         L(10),
                                                         B(actButtonAlias),
                                                         L(0),
                                                         L(0),
                                                         B(actCode),
                                                         L(0),
                                                         L(0x00FFFFFF),
                                                     }));
}

TEST(BuilderBroken, HiddenPanelWithARawName) {
    CCFBuilder ccf(fmtv2);
    auto& panel = ccf.AddDevice(Group::Devices, "TV").AddPanel(Raw(0x123));
    panel.Hidden = true;
    const auto bytes = ccf.Build();
    EXPECT_EQ(Slice(bytes, panel.Position() + 4, 4), L(0x80000123));
}

TEST(BuilderBroken, PatchesKeepTheCrcValid) {
    CCFBuilder ccf(fmtv2);
    auto& tv = ccf.AddDevice(Group::Devices, "TV");
    ccf.PatchByte(At(tv, 64), 0xFF);      // every attribute bit
    ccf.PatchLong(At(tv, 0), 0xDEADBEEF); // next device
    ccf.PatchWord(Raw(72), 0x0102);       // header Filler4
    ccf.Patch(Raw(8), S("CCFCCFCC"));     // ID1
    const auto bytes = ccf.Build();
    EXPECT_EQ(bytes[static_cast<std::size_t>(tv.Position() + 64)], 0xFF);
    EXPECT_EQ(Slice(bytes, tv.Position(), 4), L(0xDEADBEEF));
    EXPECT_EQ(Slice(bytes, 72, 2), W(0x0102));
    EXPECT_EQ(Slice(bytes, 8, 8), S("CCFCCFCC"));
    EXPECT_EQ(Slice(bytes, ccf.PosCRC1(), 2),
              W(basCCFRoutines::CRC16(bytes.data(), ccf.PosCRC1())));
}

TEST(BuilderBroken, PatchesOutsideTheFileAreRefused) {
    CCFBuilder ccf(fmtv2);
    ccf.Patch(Raw(75), {1, 2, 3}); // the file is 76 bytes long
    EXPECT_THROW(ccf.Build(), std::out_of_range);
}

TEST(BuilderBroken, TruncationCutsTheFinishedFile) {
    CCFBuilder ccf(fmtv2);
    auto& panel = ccf.AddDevice(Group::Devices, "TV").AddPanel("TV");
    auto& button = panel.AddButton(10, 10, 20, 20, "Cut");
    ccf.TruncateAt(At(button, 10)); // in the middle of the button record
    const auto bytes = ccf.Build();
    EXPECT_EQ(static_cast<std::int32_t>(bytes.size()), button.Position() + 10);
    EXPECT_GT(ccf.FullSize(), button.Position() + 10);
    EXPECT_GT(ccf.PosCRC1(),
              static_cast<std::int32_t>(bytes.size())); // the CRC lies beyond the end
    ccf.TruncateAt(Raw(ccf.FullSize() + 1));
    EXPECT_THROW(ccf.Build(), std::out_of_range);
}

TEST(BuilderBroken, MisuseOfTheBuilderIsReported) {
    CCFBuilder ccf(fmtv2);
    auto& tv = ccf.AddDevice(Group::Devices, std::string(256, 'x'));
    EXPECT_THROW(ccf.Build(), std::invalid_argument); // a name longer than its length byte
    tv.Name.NameRecord()->LengthByte = 0;
    EXPECT_NO_THROW(ccf.Build());
    auto& panel = tv.AddPanel("Many");
    for (int i = 0; i < 256; ++i)
        panel.AddChild(0, 0, Raw(0), 1);
    EXPECT_THROW(ccf.Build(), std::invalid_argument); // more children than a count byte holds
    panel.CountByte = 0;
    EXPECT_NO_THROW(ccf.Build());
    auto& icon = ccf.AddIcon8Color(Filled(200, 200, 1));
    EXPECT_THROW(ccf.Build(), std::invalid_argument); // more bytes than a size word holds
    icon.SizeWord = 0x9C48;
    EXPECT_NO_THROW(ccf.Build());
    tv.UseActions(Key::Left, Raw(99));
    EXPECT_THROW(tv.Actions(Key::Left), std::logic_error);
    ccf.Header().CRC1 = Crc::SameAsCRC1();
    EXPECT_THROW(ccf.Build(), std::invalid_argument);
}
