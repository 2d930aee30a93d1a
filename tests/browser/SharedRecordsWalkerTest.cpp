// IR codes and icons in every output of the walker.
#include "WalkerTest.h"

#include <kelpie/model/Device.h>
#include "support/IconPixels.h"

using namespace vantor;
using namespace vantor::testing;
using namespace kelpie::builder;

namespace {

std::vector<std::uint16_t> CodeWords(std::uint16_t type, int words) {
    std::vector<std::uint16_t> data{type};
    for (int i = 1; i < words; ++i)
        data.push_back(static_cast<std::uint16_t>(i));
    return data;
}

// Codes of several types and lengths sent by the TV's entry key; icons in
// each encoding on the TV and the amplifier.
struct SharedWalk : WalkerTest {
    void SetUp() override {
        CCFBuilder builder(kelpie::fmtV3);
        auto& tv = builder.AddDevice(Group::Devices, "TV");
        auto& amp = builder.AddDevice(Group::Devices, "Amp");
        tv.Actions(Key::Entry)
            .Code(builder.AddIRCode("Ten", CodeWords(0x6001, 10)))    // 20 bytes
            .Code(builder.AddIRCode("Eleven", CodeWords(0x1234, 11))) // 22 bytes
            .Code(builder.AddIRCode("Empty", {}));
        auto& odd = builder.AddIRCode("Odd", {});
        odd.Data = {0x00, 0x00, 0xAB, 0xCD, 0xEF}; // a last odd byte
        tv.Actions(Key::Mute).Code(odd);
        auto& wide = builder.AddIcon(240, 220, RawIcon2Color, {0x00, 0xFF});
        tv.IconUnselected = wide;
        tv.IconSelected = builder.AddIcon8Color(Pixels({"01", "23"}));
        amp.IconUnselected = wide; // shared: two references
        amp.IconSelected = builder.AddIcon(3, 1, 0x0099, {0x12, 0x34});
        Load(builder);
    }
    kelpie::Device& Device(int i) { return ccf->DevicesGroup().Item(i); }
    kelpie::IRCode& Code(int i) { return *Device(1).ActionsEntry().Item(i).IRCode(); }
    kelpie::Icon& Wide() { return *Device(1).IconUnselected(); }
};

} // namespace

TEST_F(SharedWalk, IRCodeBlockNamesTheSchemeAndListsTenWordsALine) {
    const std::vector<std::string> expected = {
        "[C] {\\f2 Ten}",       "    Position: " + Pos(Code(1).Position()),
        "    Type: RC6A",       "    Structure Size: 26",
        "    IR Code Size: 20", "    6001 0001 0002 0003 0004 0005 0006 0007 0008 0009 ",
    };
    std::vector<std::string> ten = Display([&] { Walk().DoIRCode(Code(1), "", true); });
    // The pane (no report) ends the block with what the code sends, here
    // why it sends nothing.
    ASSERT_EQ(ten.size(), expected.size() + 1);
    EXPECT_EQ(ten.back().rfind("    Decoded: unknown: malformed code, ", 0), 0u) << ten.back();
    ten.pop_back();
    EXPECT_EQ(ten, expected);

    const std::vector<std::string> eleven = Display([&] { Walk().DoIRCode(Code(2), "", true); });
    ASSERT_EQ(eleven.size(), 8u);
    EXPECT_EQ(eleven[2], "    Type: 1234");
    EXPECT_EQ(eleven[5], "    1234 0001 0002 0003 0004 0005 0006 0007 0008 0009 ");
    EXPECT_EQ(eleven[6], "    000A ");

    const std::vector<std::string> empty = Display([&] { Walk().DoIRCode(Code(3), "", true); });
    EXPECT_EQ(empty.size(), 6u); // no data line at all
    // Its type is the word after its head (here the next record's size
    // word), not a scheme it does not have.
    EXPECT_EQ(empty[2], "    Type: 000B");

    kelpie::IRCode& odd = *Device(1).ActionsMute().Item(1).IRCode();
    const std::vector<std::string> oddLines = Display([&] { Walk().DoIRCode(odd, "", true); });
    ASSERT_EQ(oddLines.size(), 7u);
    EXPECT_EQ(oddLines[4], "    IR Code Size: 5");
    EXPECT_EQ(oddLines[5], "    0000 ABCD ");

    EXPECT_EQ(Display([&] { Walk().DoIRCode(Code(1), "", false); }),
              std::vector<std::string>{"[C] {\\f2 Ten}"});
}

TEST_F(SharedWalk, IRCodesAreWrittenInTheFullAndIRCodesReportsOnly) {
    for (ReportKinds kind : {rkFull, rkIRCodes})
        EXPECT_EQ(Report(kind, [&] { Walk().DoIRCode(Code(1), "", true); }).size(), 6u) << kind;
    for (ReportKinds kind : {rkErrors, rkIcons, rkPanels})
        EXPECT_TRUE(Report(kind, [&] { Walk().DoIRCode(Code(1), "", true); }).empty()) << kind;
}

TEST_F(SharedWalk, IRCodeNodesAndRows) {
    browser.OutputMode = omTree;
    Walk().DoIRCode(Code(1), "LIST", true);
    EXPECT_EQ(NodesUnder("LIST"),
              std::vector<std::string>{"[C] IR Code: Ten|" + Tag("C", Code(1).Position())});
    browser.OutputMode = omListView;
    Walk().DoIRCode(Code(1), "", true);
    ASSERT_EQ(list.Rows.size(), 1u);
    EXPECT_EQ(list.Rows[0].Text, "[C]");
    EXPECT_EQ(list.Rows[0].ImageKey, "IRCode");
    EXPECT_EQ(list.Rows[0].Tag, Tag("C", Code(1).Position()));
}

TEST_F(SharedWalk, IconBlockGivesSizePixelCountTypeAndReferences) {
    const std::vector<std::string> expected = {
        "Device Unselected Icon",
        "    Position: " + Pos(Wide().Position()),
        "    Structure Size: 10",
        "    Icon Size: 2",
        "    Width, Height: (240, 220) [52800 pixels]",
        "    Type: 2 Color",
        "    Reference Count: 2",
    };
    EXPECT_EQ(Display([&] { Walk().DoIcon(Wide(), "Device Unselected", false, "", true, 0, 0); }),
              expected);

    const auto typeLine = [&](kelpie::Icon& icon) {
        const std::vector<std::string> lines =
            Display([&] { Walk().DoIcon(icon, "", false, "", true, 0, 0); });
        return lines.size() == 7 ? lines[5] : "?";
    };
    EXPECT_EQ(typeLine(*Device(1).IconSelected()), "    Type: 8 color");
    EXPECT_EQ(typeLine(*Device(2).IconSelected()), "    Type: 0099");
    EXPECT_EQ(Display([&] { Walk().DoIcon(Wide(), "", false, "", false, 0, 0); }),
              std::vector<std::string>{"Icon"});
}

TEST_F(SharedWalk, IconsInReports) {
    // The icons report: separator, title, properties and the picture.
    const std::vector<std::string> icons =
        Report(rkIcons, [&] { Walk().DoIcon(*Device(1).IconSelected(), "", true, "", true, 0, 0); });
    ASSERT_EQ(icons.size(), 9u);
    EXPECT_EQ(icons[0], "--------------------");
    EXPECT_EQ(icons[1], "Icon");
    EXPECT_EQ(icons[8].rfind("{\\pict\\pngblip\\picw2\\pich2", 0), 0u) << icons[8];

    // Full report blocks carry no picture unless asked; an icon of unknown
    // encoding is dumped in hexadecimal instead.
    EXPECT_EQ(Report(rkFull, [&] { Walk().DoIcon(Wide(), "Frame", false, "", true, 0, 0); }).size(),
              8u);
    const std::vector<std::string> unknown =
        Report(rkFull, [&] { Walk().DoIcon(*Device(2).IconSelected(), "", true, "", true, 0, 0); });
    ASSERT_EQ(unknown.size(), 10u);
    EXPECT_EQ(unknown[8], "Unknown bitmap format");
    EXPECT_EQ(unknown[9], " 12 34");

    for (ReportKinds kind : {rkErrors, rkIRCodes, rkPanels})
        EXPECT_TRUE(Report(kind, [&] { Walk().DoIcon(Wide(), "", true, "", true, 0, 0); }).empty())
            << kind;
}

TEST_F(SharedWalk, IconNodesAndRows) {
    browser.OutputMode = omTree;
    Walk().DoIcon(Wide(), "Frame", false, "F", true, 0, 0);
    EXPECT_EQ(NodesUnder("F"),
              std::vector<std::string>{"Frame Icon|" + Tag("I", Wide().Position())});
    EXPECT_EQ(file->FindObject(Tag("I", Wide().Position())),
              nullptr); // the file registers icons itself
    browser.OutputMode = omListView;
    Walk().DoIcon(Wide(), "Inactive Unselected", false, "", false, 0, 0);
    Walk().DoIcon(Wide(), "", false, "", false, 0, 0);
    ASSERT_EQ(list.Rows.size(), 2u);
    EXPECT_EQ(list.Rows[0].Text, "Inactive Unselected Icon");
    EXPECT_EQ(list.Rows[1].Text, " Icon");
    EXPECT_EQ(list.Rows[1].ImageKey, "Icon");
}

TEST_F(SharedWalk, DrawnIconsAreOutlinedByTheKindTheirTitleNames) {
    kelpie::Icon& icon = *Device(1).IconSelected(); // 2 by 2 pixels
    browser.OutputMode = omDrawPanel;
    browser.Canvas.Options.Highlight = Highlight::All;
    const auto outlineAt = [&](const std::string& type) {
        browser.Canvas.ClearPanelPicture();
        Walk().DoIcon(icon, type, false, "", false, 20, 30);
        return browser.Canvas.Image().pixel(20, 30) & 0xFFFFFFu;
    };
    EXPECT_EQ(outlineAt("Frame"), 0x00FF00u);
    EXPECT_EQ(outlineAt("Active Selected"), 0xFF0000u);
    EXPECT_EQ(outlineAt("Inactive Unselected"), 0xFF0000u);
    // An icon drawn alone has no outline: its own first pixel shows.
    const QRgb alone = outlineAt("");
    EXPECT_NE(alone, 0x00FF00u);
    EXPECT_NE(alone, 0xFF0000u);
    // Nothing is written while drawing.
    EXPECT_TRUE(browser.Writer.DisplayText().empty());
}
