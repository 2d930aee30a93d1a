// Devices, panels, frames and buttons as display text and report lines, the
// rules of each report kind, and the layout checks against the panel area.
#include "WalkerFixture.h"
#include "outputs/ReportLines.h"

#include <gtest/gtest.h>

#include <climits>

using namespace vantor;
using namespace kelpie::builder;
using Strings = std::vector<std::string>;

namespace {

std::string Pos(std::int32_t position) {
    return RtfWriter::FormatPosition(position);
}

struct DeviceReports : ::testing::Test, vantor::testing::WalkerFixture {
    CCFBuilder ccf{kelpie::fmtv2};
    Device& tv = ccf.AddDevice(Group::Home, "TV");
    Panel& main = tv.AddPanel("Main");

    kelpie::Device& LoadedTV() { return Loaded().HomeGroup().Item(1); }
    kelpie::Panel& LoadedMain() { return LoadedTV().Panels().Item(1); }
    kelpie::Child& LoadedChild(std::int32_t index) { return LoadedMain().Children().Item(index); }
    std::vector<std::string> ChildReport(std::int32_t kind, std::int32_t index) {
        return ReportLines(kind, [&] {
            bool hasActions = false;
            Walk().DoChild(LoadedChild(index), "", 0, 0, hasActions);
        });
    }
    std::vector<std::string> Layout(std::int32_t x, std::int32_t y, std::int32_t parentX,
                                    std::int32_t parentY, std::int32_t width, std::int32_t height) {
        return DisplayLines([&] {
            WriteCoordinateErrors(browser.Writer, x, y, parentX, parentY, width, height, {});
        });
    }
};

} // namespace

TEST_F(DeviceReports, DeviceDisplayShowsItsPropertiesAndNoPanels) {
    tv.Attributes = devIsTemplate | devReadOnly;
    main.AddButton(10, 10, 20, 20, "Off");
    Open(ccf);
    const auto lines = DisplayLines([&] { Walk().DoDevice(LoadedTV(), ""); });
    EXPECT_EQ(lines, (Strings{
                         " Properties:",
                         "    Position: " + Pos(tv.Position()),
                         "    Name: {\\f2 TV}",
                         "    Size: " + std::to_string(LoadedTV().Size()),
                         "    Is Template :Yes",
                         "    Is Read Only: Yes",
                         "    Has Separator: No",
                         "    Needs Programming: No",
                         " Subordinates: ",
                         "    000000: Next Device",
                         "    " + Pos(main.Position()) + ": First Panel",
                     }));
}

TEST_F(DeviceReports, ColourDeviceShowsItsExtenderAndFillersWhenSet) {
    CCFBuilder colour(kelpie::fmtV3);
    Device& amp = colour.AddDevice(Group::Devices, "Amp");
    amp.RFExtender = 31;
    amp.Filler1 = 7;
    amp.Filler2 = -2;
    amp.Attributes = devHasSeparator | devNeedsProgramming;
    Open(colour);
    const auto lines = DisplayLines([&] { Walk().DoDevice(Loaded().DevicesGroup().Item(1), ""); });
    ASSERT_EQ(lines.size(), 14u);
    EXPECT_EQ(lines[6], "    Has Separator: Yes");
    EXPECT_EQ(lines[7], "    Needs Programming: Yes");
    EXPECT_EQ(lines[8], "    RF Extender: 1F");
    EXPECT_EQ(lines[9], "    Filler 1: 7");
    EXPECT_EQ(lines[10], "    Filler 2: -2");
    EXPECT_EQ(lines[11], " Subordinates: ");
}

TEST_F(DeviceReports, FullReportOfADeviceWithAnEmptyPanel) {
    main.Hidden = true;
    Open(ccf);
    const auto lines = ReportLines(rkFull, [&] { Walk().DoDevice(LoadedTV(), ""); });
    ASSERT_EQ(lines.size(), 25u);
    EXPECT_EQ(lines[0], "{\\fs40 Device: {\\f2 TV}}");
    EXPECT_EQ(lines[1], " Properties:");
    EXPECT_EQ(lines[11], "    " + Pos(main.Position()) + ": First Panel");
    // The panel: heading, its picture between empty lines, its properties,
    // and after its (no) children the missing actions.
    EXPECT_EQ(lines[12], "{\\fs32 Panel: {\\f2 Main}}");
    EXPECT_EQ(lines[13], "");
    EXPECT_EQ(lines[14].rfind("{\\pict\\pngblip\\picw240\\pich219", 0), 0u)
        << lines[14].substr(0, 40);
    EXPECT_EQ(lines[15], "");
    const Strings rest(lines.begin() + 16, lines.end());
    EXPECT_EQ(rest, (Strings{
                        " Properties:",
                        "    Position: " + Pos(main.Position()),
                        "    Name: {\\f2 Main}",
                        "    Size: " + std::to_string(LoadedMain().Size()),
                        "    Hidden: Yes",
                        "    Number of child Frames/Buttons: 0",
                        " Subordinates:",
                        "    000000: Next Panel",
                        "    **** Panel has no actions",
                    }));
    // The errors report keeps the heading and the check only.
    const auto errors = ReportLines(rkErrors, [&] { Walk().DoPanel(LoadedMain(), ""); });
    EXPECT_EQ(errors, (Strings{"{\\fs32 Panel: {\\f2 Main}}", "    **** Panel has no actions"}));
}

TEST_F(DeviceReports, EachReportKindKeepsItsOwnLines) {
    Frame& frame = main.AddFrame(0, 0, 100, 100, "Box");
    frame.AddButton(230, 10, 20, 20, "Far");
    Open(ccf);
    auto walk = [&] { Walk().DoDevice(LoadedTV(), ""); };

    // Panels: headings of devices and panels, and the pictures; nothing else.
    const auto panels = ReportLines(rkPanels, walk);
    ASSERT_EQ(panels.size(), 5u);
    EXPECT_EQ(panels[0], "{\\fs40 Device: {\\f2 TV}}");
    EXPECT_EQ(panels[1], "{\\fs32 Panel: {\\f2 Main}}");
    EXPECT_EQ(panels[2], "");
    EXPECT_EQ(panels[3].rfind("{\\pict", 0), 0u);
    EXPECT_EQ(panels[4], "");

    // IR codes: every heading down to the buttons, no separators, no checks.
    EXPECT_EQ(ReportLines(rkIRCodes, walk), (Strings{
                                                "{\\fs40 Device: {\\f2 TV}}",
                                                "{\\fs32 Panel: {\\f2 Main}}",
                                                "    {\\fs24 Frame: {\\f2 Box}}",
                                                "      {\\fs24 Button: {\\f2 Far}}",
                                            }));

    // Errors: the headings and every check, with no picture.
    EXPECT_EQ(ReportLines(rkErrors, walk),
              (Strings{
                  "{\\fs40 Device: {\\f2 TV}}",
                  "{\\fs32 Panel: {\\f2 Main}}",
                  "    {\\fs24 Frame: {\\f2 Box}}",
                  "      {\\fs24 Button: {\\f2 Far}}",
                  "      **** Partly to right of panel by 10 pixels",
                  "      **** Location is (230,10), bottom right is (249,29), size is 20 x 20",
                  "        **** Button has no actions",
                  "    **** Panel has no actions",
              }));

    // Icons: the walk writes device and panel headings only.
    EXPECT_EQ(ReportLines(rkIcons, walk),
              (Strings{"{\\fs40 Device: {\\f2 TV}}", "{\\fs32 Panel: {\\f2 Main}}"}));
}

TEST_F(DeviceReports, FrameBlockInTheFullReport) {
    Frame& frame = main.AddFrame(10, 20, 100, 50, "Box");
    frame.Font = kelpie::fnt10;
    frame.Colors = Colors(kelpie::clrWhite, kelpie::clrLightGrey);
    frame.Filler1 = 3;
    frame.AddButton(0, 0, 10, 10, "In");
    Open(ccf);
    const auto lines = ChildReport(rkFull, 1);
    const Strings frameLines(lines.begin(), lines.begin() + 12);
    EXPECT_EQ(frameLines, (Strings{
                              "--------------------",
                              "{\\fs24 Frame: {\\f2 Box}}",
                              " Properties:",
                              "    Position: " + Pos(frame.Position()),
                              "    Name: {\\f2 Box}",
                              "    Size: " + std::to_string(LoadedChild(1).Size()),
                              "    Position : (10,20)",
                              "    Width,Height: (100,50)",
                              "    Font: Pronto 10, Text: White, Background: Light Grey",
                              "    Filler: 3",
                              "    Number of child Frames/Buttons is 1",
                              " Subordinates:",
                          }));
    // The child frame's lines follow one level in.
    ASSERT_GT(lines.size(), 13u);
    EXPECT_EQ(lines[12], "    --------------------");
    EXPECT_EQ(lines[13], "    {\\fs24 Button: {\\f2 In}}");
}

TEST_F(DeviceReports, ButtonBlockInTheFullReportWithItsLayoutCheck) {
    Button& button = main.AddButton(230, 10, 20, 20, "Far");
    button.Font = kelpie::fnt8;
    button.SetColors(InactiveSelected, kelpie::clrDarkGrey, kelpie::clrBlack);
    Open(ccf);
    EXPECT_EQ(ChildReport(rkFull, 1),
              (Strings{
                  "--------------------",
                  "{\\fs24 Button: {\\f2 Far}}",
                  " Properties:",
                  "    Position: " + Pos(button.Position()),
                  "    Name : {\\f2 Far}",
                  "    Size: " + std::to_string(LoadedChild(1).Size()),
                  "    Position : (230,10)",
                  "    Width, Height: (20,20)",
                  "    Font: Pronto 8",
                  "    Inactive Unselected Colors: Text: Black, Background: White",
                  "    Inactive Selected Colors: Text: Dark Grey, Background: Black",
                  "    Active Unselected Colors: Text: Black, Background: White",
                  "    Active Selected Colors: Text: Black, Background: White",
                  "    **** Partly to right of panel by 10 pixels",
                  "    **** Location is (230,10), bottom right is (249,29), size is 20 x 20",
                  " Subordinates:",
                  "    **** Button has no actions",
              }));
    // The display shows the same block without the checks.
    const auto display = DisplayLines([&] {
        bool hasActions = false;
        Walk().DoChild(LoadedChild(1), "", 0, 0, hasActions);
    });
    ASSERT_EQ(display.size(), 12u);
    EXPECT_EQ(display[0], " Properties:");
    EXPECT_EQ(display[11], " Subordinates:");
}

TEST_F(DeviceReports, ButtonsWithActionsSilenceThePanelCheck) {
    main.AddButton(0, 0, 10, 10, "A");
    main.AddButton(20, 0, 10, 10, "B").Actions().Delay(100);
    Open(ccf);
    const auto lines = ReportLines(rkErrors, [&] { Walk().DoPanel(LoadedMain(), ""); });
    EXPECT_EQ(lines, (Strings{
                         "{\\fs32 Panel: {\\f2 Main}}",
                         "    {\\fs24 Button: {\\f2 A}}",
                         "      **** Button has no actions",
                         "    {\\fs24 Button: {\\f2 B}}",
                     }));
}

TEST_F(DeviceReports, PanelDisplayShowsOnlyItsProperties) {
    main.AddButton(0, 0, 10, 10, "A");
    Open(ccf);
    const auto lines = DisplayLines([&] { Walk().DoPanel(LoadedMain(), ""); });
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[0], " Properties:");
    EXPECT_EQ(lines[5], "    Number of child Frames/Buttons: 1");
    EXPECT_EQ(lines[7], "    000000: Next Panel");
}

TEST_F(DeviceReports, LayoutChecksOnEachEdge) {
    Open(ccf);
    const std::string at = "**** Location is ";
    EXPECT_TRUE(Layout(0, 0, 0, 0, 240, 219).empty());
    EXPECT_TRUE(Layout(-5, 0, 10, 10, 20, 20).empty()); // absolute left is 5
    EXPECT_EQ(Layout(-5, 0, 0, 0, 20, 20),
              (Strings{"**** Partly to left of panel by 5 pixels",
                       at + "(-5,0), bottom right is (14,19), size is 20 x 20"}));
    EXPECT_EQ(
        Layout(200, 0, 20, 0, 30, 10),
        (Strings{
            "**** Partly to right of panel by 10 pixels",
            "**** Location relative to parent is (200,0), absolute location is (220,0), absolute "
            "bottom right is (249,9), size is 30 x 10"}));
    // A left edge of exactly 240 is still "partly"; only beyond it is "not visible".
    EXPECT_EQ(Layout(240, 0, 0, 0, 10, 10)[0], "**** Partly to right of panel by 10 pixels");
    EXPECT_EQ(Layout(241, 0, 0, 0, 10, 10)[0], "**** Not visible - too far to right of panel");
    EXPECT_EQ(Layout(-20, 0, 0, 0, 20, 10)[0], "**** Not visible - too far to left of panel");
    // Vertically the panel is 219 rows high.
    EXPECT_EQ(Layout(0, 200, 0, 0, 10, 20),
              (Strings{"**** Part below panel by 1 pixels",
                       at + "(0,200), bottom right is (9,219), size is 10 x 20"}));
    EXPECT_TRUE(Layout(0, 199, 0, 0, 10, 20).empty());
    EXPECT_EQ(Layout(0, 220, 0, 0, 10, 20)[0], "**** Not visible - too far below panel");
    EXPECT_EQ(Layout(0, 219, 0, 0, 10, 20)[0], "**** Part below panel by 20 pixels");
    EXPECT_EQ(Layout(0, -3, 0, 0, 10, 10)[0], "**** Partly above panel by 3 pixels");
    EXPECT_EQ(Layout(0, -30, 0, 0, 10, 30)[0], "**** Not visible - too far above panel");
    // Both directions: one message each, then one location line.
    EXPECT_EQ(
        Layout(-2, 215, 0, 0, 10, 10),
        (Strings{"**** Partly to left of panel by 2 pixels", "**** Part below panel by 6 pixels",
                 at + "(-2,215), bottom right is (7,224), size is 10 x 10"}));
    // Offsets add up in a wider integer: no sum wraps around.
    EXPECT_EQ(
        Layout(32767, 0, INT32_MAX, 0, 32767, 1),
        (Strings{
            "**** Not visible - too far to right of panel",
            "**** Location relative to parent is (32767,0), absolute location is (2147516414,0), "
            "absolute bottom right is (2147549180,0), size is 32767 x 1"}));
    EXPECT_EQ(Layout(-32768, 0, INT32_MIN, 0, 10, 1)[0],
              "**** Not visible - too far to left of panel");
}
