// The five reports of each sample file (samples/, composed by
// tests/support/Samples.cpp), opened the way the program opens a file and
// checked line by line. The expected lines come from the builder's records of
// the same sample and the report rules, never from a dump of the reports.
#include "SampleExpectations.h"
#include "TestBrowser.h"

#include "support/Checksum.h"
#include "support/Samples.h"

#include <cstdio>
#include <map>

using namespace vantor;
using namespace vantor::testing;
using namespace kelpie::builder;

namespace {

// The document header of every report file.
const std::string DocumentHeader =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang3081"
    "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\fmodern\\fprq1\\fcharset0 Courier "
    "New;}{\\f2\\fswiss\\fprq2\\fcharset2 Pronto;}}"
    "\\viewkind4\\uc1\\pard\\f0 \\fs20 ";

struct Report {
    std::string Text;
    Texts Physical;
    Texts Body; // the logical lines: the physical lines between header and close, less "\par "
};

struct SampleReports : TestBrowser, ::testing::WithParamInterface<Sample> {
    CCFBuilder ccf{GetParam().Format};
    std::string path = std::string(KELPIE_SOURCE_DIR) + "/samples/" + GetParam().FileName;
    CCFlocal* file = nullptr;
    kelpie::CCFFileFormats format = GetParam().Format;

    void SetUp() override {
        ComposeLivingRoom(ccf);
        ccf.Build(); // the records' positions in the sample
        file = &browser.OpenCCF(path);
    }

    Report Write(ReportKinds kind, bool positions = false) {
        const std::string out = PathOf("report-" + std::to_string(kind) + ".rtf");
        bool written = false;
        switch (kind) {
        case rkFull:
            written = DumpCCF(browser.Tools(), *file, out, positions);
            break;
        case rkIcons:
            written = DumpIcons(browser.Tools(), *file, out);
            break;
        case rkPanels:
            written = DumpPanels(browser.Tools(), *file, out);
            break;
        case rkIRCodes:
            written = DumpIRCodes(browser.Tools(), *file, out);
            break;
        case rkErrors:
            written = DumpErrors(browser.Tools(), *file, out);
            break;
        }
        EXPECT_TRUE(written);
        Report report{ReadFile(out), {}, {}};
        report.Physical = Lines(report.Text);
        for (std::size_t i = 1; i + 1 < report.Physical.size(); ++i) {
            const std::string& line = report.Physical[i];
            EXPECT_TRUE(line.starts_with("\\par ")) << "line " << i << ": " << line;
            report.Body.push_back(line.substr(5));
        }
        return report;
    }

    // The `count` logical lines that follow the first line equal to `line`.
    static Texts Block(const Texts& lines, const std::string& line, std::size_t count) {
        Texts after = After(lines, line);
        EXPECT_GE(after.size(), count) << "no block of " << count << " lines after " << line;
        after.resize(std::min(after.size(), count));
        return after;
    }
    static void Append(Texts& lines, const Texts& more) {
        lines.insert(lines.end(), more.begin(), more.end());
    }

    // Builder records by name.
    const Device& DeviceNamed(const std::string& name) const {
        for (const Device& device : ccf.Records().Devices)
            if (device.Name.Text() == name) return device;
        throw std::logic_error("no device " + name);
    }
    const Panel& PanelNamed(const std::string& name) const {
        for (const Panel& panel : ccf.Records().Panels)
            if (panel.Name.Text() == name) return panel;
        throw std::logic_error("no panel " + name);
    }
    const IRCode& CodeNamed(const std::string& name) const {
        for (const IRCode& code : ccf.Records().IRCodes)
            if (code.Name.Text() == name) return code;
        throw std::logic_error("no IR code " + name);
    }
    // The child entry of a frame or button named `name` on `parent` or below.
    static const ChildEntry* EntryNamed(const Container& parent, const std::string& name) {
        for (const ChildEntry& entry : parent.Children) {
            if (entry.FollowedButton && entry.FollowedButton->Name.Text() == name) return &entry;
            if (entry.FollowedFrame) {
                if (entry.FollowedFrame->Name.Text() == name) return &entry;
                if (const ChildEntry* inner = EntryNamed(*entry.FollowedFrame, name)) return inner;
            }
        }
        return nullptr;
    }

    // A button's full-report block at `level`, up to its action list's first action.
    Texts ButtonBlock(const ChildEntry& entry, int level) const {
        const Button& button = *entry.FollowedButton;
        Texts lines{In(level) + "--------------------",
                    In(level) + Heading("\\fs24 ", "Button: " + Pronto(button.Name.Text())),
                    In(level) + " Properties:",
                    In(level + 1) + "Position: " + Pos(button.Position()),
                    In(level + 1) + "Name : " + Pronto(button.Name.Text()),
                    In(level + 1) + "Size: " + std::to_string(button.Size()),
                    In(level + 1) + "Position : (" + std::to_string(entry.X) + "," +
                        std::to_string(entry.Y) + ")",
                    In(level + 1) + "Width, Height: (" + std::to_string(button.Width) + "," +
                        std::to_string(button.Height) + ")",
                    In(level + 1) + "Font: " + FontWord(button.Font)};
        static const char* const states[] = {"Inactive Unselected", "Inactive Selected",
                                             "Active Unselected", "Active Selected"};
        for (std::size_t state = 0; state < 4; ++state)
            lines.push_back(In(level + 1) + states[state] + " Colors: Text: " +
                            ColourWord(button.StateColors[state].Text, format) + ", Background: " +
                            ColourWord(button.StateColors[state].Background, format));
        lines.push_back(In(level) + " Subordinates:");
        for (std::size_t state = 0; state < 4; ++state)
            if (const Icon* icon = button.Icons[state].Typed())
                Append(lines, IconBlock(ccf, *icon, states[state], level + 1, true));
        const ActionList& actions = *button.ActionsField().Typed();
        Append(lines, {In(level + 1) + "--------------------", In(level + 1) + "Button Action List",
                       In(level + 2) + "Position: " + Pos(actions.Position()),
                       In(level + 2) + "Size: " + std::to_string(actions.Size())});
        return lines;
    }

    // A frame's full-report block at `level`, up to its first child. Its
    // position is the child entry's, relative to the parent.
    Texts FrameBlock(const ChildEntry& entry, int level) const {
        const Frame& frame = *entry.FollowedFrame;
        Texts lines{In(level) + "--------------------",
                    In(level) + Heading("\\fs24 ", "Frame: " + Pronto(frame.Name.Text())),
                    In(level) + " Properties:",
                    In(level + 1) + "Position: " + Pos(frame.Position()),
                    In(level + 1) + "Name: " + Pronto(frame.Name.Text()),
                    In(level + 1) + "Size: " + std::to_string(frame.Size()),
                    In(level + 1) + "Position : (" + std::to_string(entry.X) + "," +
                        std::to_string(entry.Y) + ")",
                    In(level + 1) + "Width,Height: (" + std::to_string(frame.Width) + "," +
                        std::to_string(frame.Height) + ")",
                    In(level + 1) + "Font: " + FontWord(frame.Font) +
                        ", Text: " + ColourWord(frame.Colors.Text, format) +
                        ", Background: " + ColourWord(frame.Colors.Background, format),
                    In(level + 1) + "Number of child Frames/Buttons is " +
                        std::to_string(frame.Children.size()),
                    In(level) + " Subordinates:"};
        if (const Icon* icon = frame.Icon.Typed())
            Append(lines, IconBlock(ccf, *icon, "Frame", level + 1, true));
        return lines;
    }

    // `count` lines of `report` from a frame's or button's heading below a
    // panel's heading, the separator before it included.
    static Texts ChildLines(const Texts& report, const std::string& panelHeading,
                            const std::string& childHeading, std::size_t count) {
        const Texts panel = After(report, panelHeading);
        for (std::size_t i = 1; i < panel.size(); ++i)
            if (panel[i] == childHeading) {
                Texts lines(panel.begin() + static_cast<std::ptrdiff_t>(i) - 1,
                            panel.begin() +
                                static_cast<std::ptrdiff_t>(std::min(panel.size(), i - 1 + count)));
                return lines;
            }
        ADD_FAILURE() << "no " << childHeading << " after " << panelHeading;
        return {};
    }
    static std::string PanelHeading(const std::string& name) {
        return Heading("\\fs32 ", "Panel: " + Pronto(name));
    }
    static std::string DeviceHeading(const std::string& name) {
        return Heading("\\fs40 ", "Device: " + Pronto(name));
    }
    static std::string ChildHeading(int level, const char* words, const std::string& name) {
        return In(level) + Heading("\\fs24 ", words + Pronto(name));
    }
};

std::string Percent(std::int32_t used, std::int32_t size) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f%%", 100.0 * used / size);
    return text;
}

} // namespace

// ---- Every report ------------------------------------------------------------------------

TEST_P(SampleReports, TheSampleLoadsWithoutNotices) {
    EXPECT_TRUE(notices.empty()) << notices.front();
    EXPECT_TRUE(ui.Messages.empty());
}

TEST_P(SampleReports, EachReportIsOneDocumentWithItsTitle) {
    const std::pair<ReportKinds, const char*> titled[] = {{rkIcons, "Icons Report "},
                                                          {rkPanels, "Panels Report "},
                                                          {rkIRCodes, "IR Codes Report "},
                                                          {rkErrors, "Errors Report "}};
    for (const auto& [kind, title] : titled) {
        const Report report = Write(kind);
        ASSERT_GE(report.Physical.size(), 6u) << title;
        EXPECT_EQ(report.Physical.front(), DocumentHeader) << title;
        EXPECT_EQ(report.Physical.back(), "\\par }") << title;
        EXPECT_TRUE(report.Text.ends_with("\\par }\r\n")) << title;
        EXPECT_EQ(Texts(report.Body.begin(), report.Body.begin() + 4),
                  (Texts{Heading("\\fs40 ", title), "", "CCF File Name: " + path, ""}));
    }
    const Report full = Write(rkFull);
    EXPECT_EQ(full.Physical.front(), DocumentHeader);
    EXPECT_EQ(full.Physical.back(), "\\par }");
    EXPECT_EQ(full.Body.front(), Heading("\\fs40 ", path));
}

TEST_P(SampleReports, TwoReportsOfOneOpenFileAreTheSameByteForByte) {
    for (const ReportKinds kind : {rkFull, rkIcons, rkPanels, rkIRCodes, rkErrors})
        EXPECT_EQ(Write(kind).Text, Write(kind).Text) << "report kind " << kind;
    EXPECT_EQ(Write(rkFull, true).Text, Write(rkFull, true).Text);
}

// ---- The full report: header, groups, devices and panels --------------------------------

TEST_P(SampleReports, FullReportHeaderBlock) {
    const Report report = Write(rkFull);
    const std::vector<std::uint8_t> bytes = BuildSample(GetParam());
    const Header& header = ccf.Header();
    const std::int32_t crcAt = ccf.PosCRC1();
    ASSERT_EQ(crcAt, ccf.PosCRC2()); // one CRC word: no copy line
    const auto stored = static_cast<std::int16_t>(bytes.at(crcAt) << 8 | bytes.at(crcAt + 1));
    const auto calculated =
        static_cast<std::int16_t>(Crc16Xmodem(bytes.data(), static_cast<std::size_t>(crcAt)));
    EXPECT_EQ(stored, calculated);
    const Store& store = ccf.Records();
    const Device& home = *store.Groups[0].front();

    Texts expected{Heading("\\fs40 ", path),
                   "CCF File Header",
                   " Properties:",
                   In(1) + "File Name: " + path,
                   In(1) + "File size: " + std::to_string(bytes.size()),
                   In(1) + "Size: " + (format == kelpie::fmtV3 ? "76" : "74"),
                   In(1) + "Version string: " + Pronto("Living Room 1.0"),
                   In(1) + "Modification date: 20-May-2003 18:30:00",
                   In(1) + "Version : " + std::to_string(header.Version1) + "." +
                       std::to_string(header.Version2) + "." + std::to_string(header.Version3),
                   In(1) + "ID1: " + header.ID1,
                   In(1) + "ID2: " + header.ID2,
                   In(1) + "Configuration is Factory Default: No",
                   In(1) + "Configuration is write protected: No",
                   In(1) + "HOME panels are write protected: No"};
    // The home icon is the home device's: no "Home Icon: Default". The colour
    // sample stores RF channel 3, which is channel 2.
    if (format == kelpie::fmtV3) expected.push_back(In(1) + "RF Channel: 2");
    Append(expected,
           {" Subordinates:",
            In(1) + Pos(crcAt) + ": Position of CRC (Stored: " + std::to_string(stored) +
                ", Calculated " + std::to_string(calculated) + ")",
            In(1) + Pos(home.Position()) + ": First Home Entry",
            In(1) + Pos(store.Groups[1].front()->Position()) + ": First Device Group Entry",
            In(1) + Pos(store.Groups[2].front()->Position()) + ": First Macro Group Entry",
            In(1) + Pos(store.Timers.front().Position()) + ": Position of first Timer",
            In(1) + Pos(store.SpecialPanels.front()->Position()) +
                ": Position of Macro Recording panel"});
    Append(expected, IconBlock(ccf, *home.IconUnselected.Typed(), "Home", 1, true));
    // No protection and no home panel named "home": no "****" checks before the groups.
    expected.push_back(Heading("\\fs40 ", "Home Group: "));
    expected.push_back(DeviceHeading("HOME"));
    EXPECT_EQ(Texts(report.Body.begin(),
                    report.Body.begin() + static_cast<std::ptrdiff_t>(expected.size())),
              expected);
}

TEST_P(SampleReports, GroupDeviceFrameAndButtonHeadingsStandInWalkOrderInEveryWalkingReport) {
    const Texts walk = Headings(FocusedWalk(ccf, rkErrors));
    Texts full = Headings(Write(rkFull).Body);
    full.erase(full.begin()); // the file name title
    EXPECT_EQ(full, walk);
    for (const ReportKinds kind : {rkIRCodes, rkErrors}) {
        Texts focused = Headings(Write(kind).Body);
        focused.erase(focused.begin()); // the report title
        EXPECT_EQ(focused, walk) << "report kind " << kind;
    }
}

TEST_P(SampleReports, DeviceBlocks) {
    const Texts report = Write(rkFull).Body;
    for (const Device& device : ccf.Records().Devices) {
        const std::string name = device.Name.Text();
        Texts expected{" Properties:",
                       In(1) + "Position: " + Pos(device.Position()),
                       In(1) + "Name: " + Pronto(name),
                       In(1) + "Size: " + std::to_string(device.Size()),
                       In(1) + "Is Template :" + YesNo(device.Attributes & devIsTemplate),
                       In(1) + "Is Read Only: " + YesNo(device.Attributes & devReadOnly),
                       In(1) + "Has Separator: " + YesNo(device.Attributes & devHasSeparator),
                       In(1) +
                           "Needs Programming: " + YesNo(device.Attributes & devNeedsProgramming)};
        // Only the colour sample's amplifier has an extender (number 1).
        if (device.RFExtender != 0)
            expected.push_back(In(1) + "RF Extender: " + std::to_string(device.RFExtender));
        expected.push_back(" Subordinates: ");
        // The device's icons, titled only.
        if (device.IconUnselected.Typed())
            Append(expected,
                   IconBlock(ccf, *device.IconUnselected.Typed(), "Device Unselected", 1, false));
        if (device.IconSelected.Typed())
            Append(expected,
                   IconBlock(ccf, *device.IconSelected.Typed(), "Device Selected", 1, false));
        Append(expected, {In(1) + Pos(device.ChainNext() ? device.ChainNext()->Position() : 0) +
                              ": Next Device",
                          In(1) + Pos(device.Panels().front()->Position()) + ": First Panel"});
        EXPECT_EQ(Block(report, DeviceHeading(name), expected.size()), expected) << name;
    }
}

// The sample's names with commas and quotes.
const std::string GuidePanel = "Guide, Now & Next";
const std::string MovieDevice = "Movie, \"Night\"";

TEST_P(SampleReports, HardKeyActionListsWithKeyNamesInTheRemotesFont) {
    const Texts report = Write(rkFull).Body;
    const Device& tv = DeviceNamed("TV");
    const auto list = [&](Key key, const std::string& title) {
        const ActionList& actions = *tv.ActionsField(key).Typed();
        return Texts{In(1) + "--------------------", In(1) + title + " Action List",
                     In(2) + "Position: " + Pos(actions.Position()),
                     In(2) + "Size: " + std::to_string(actions.Size())};
    };
    // The left and right keys carry the names the user gave them; the colour
    // format has the far keys too. Vol+/Vol- and Mute alias the amplifier's keys.
    Texts expected = list(Key::Left, Pronto("Guide"));
    Append(expected, IRCodeBlock(CodeNamed("TV Guide"), 2));
    expected.push_back(In(2) + "[J] Jump: " + Pronto("TV") + " - " + Pronto(GuidePanel));
    Append(expected, list(Key::Right, Pronto("Info")));
    Append(expected, IRCodeBlock(CodeNamed("TV Info"), 2));
    if (format == kelpie::fmtV3) {
        Append(expected, list(Key::FarLeft, Pronto("Back")));
        expected.push_back(In(2) + "[J] Jump: Back");
        Append(expected, list(Key::FarRight, Pronto("Home")));
        expected.push_back(In(2) + "[J] Jump: " + Pronto("HOME") + " - " + Pronto("Home"));
    }
    Append(expected, list(Key::VolMinus, "Vol-"));
    expected.push_back(In(2) + "[K] " + Pronto("Amplifier") + " - Vol-");
    Append(expected, list(Key::VolPlus, "Vol+"));
    expected.push_back(In(2) + "[K] " + Pronto("Amplifier") + " - Vol+");
    Append(expected, list(Key::ChanMinus, "Chan-"));
    Append(expected, IRCodeBlock(CodeNamed("TV Ch-"), 2));
    Append(expected, list(Key::ChanPlus, "Chan+"));
    Append(expected, IRCodeBlock(CodeNamed("TV Ch+"), 2));
    Append(expected, list(Key::Mute, "Mute"));
    expected.push_back(In(2) + "[K] " + Pronto("Amplifier") + " - Mute");
    expected.push_back(PanelHeading("TV"));
    EXPECT_EQ(Block(report, In(1) + Pos(tv.Panels().front()->Position()) + ": First Panel",
                    expected.size()),
              expected);

    // The macro's entry key aliases the TV.
    const ActionList& entry = *DeviceNamed(MovieDevice).ActionsField(Key::Entry).Typed();
    EXPECT_EQ(
        Block(report, In(1) + "Entry Action List", 3),
        (Texts{In(2) + "Position: " + Pos(entry.Position()),
               In(2) + "Size: " + std::to_string(entry.Size()), In(2) + "[A] " + Pronto("TV")}));
}

TEST_P(SampleReports, PanelsWithPictureAndPropertiesInTheFullReport) {
    const Texts report = WithoutPictures(Write(rkFull).Body);
    for (const Panel& panel : ccf.Records().Panels) {
        const std::string name = panel.Name.Text();
        const Texts expected{
            "",
            PictureLine,
            "",
            " Properties:",
            In(1) + "Position: " + Pos(panel.Position()),
            In(1) + "Name: " + Pronto(name),
            In(1) + "Size: " + std::to_string(panel.Size()),
            In(1) + "Hidden: " + YesNo(panel.Hidden),
            In(1) + "Number of child Frames/Buttons: " + std::to_string(panel.Children.size()),
            " Subordinates:",
            In(1) + Pos(panel.ChainNext() ? panel.ChainNext()->Position() : 0) + ": Next Panel"};
        EXPECT_EQ(Block(report, PanelHeading(name), expected.size()), expected) << name;
    }
    EXPECT_EQ(std::count(report.begin(), report.end(), PictureLine),
              static_cast<std::ptrdiff_t>(ccf.Records().Panels.size()));
}

TEST_P(SampleReports, FramesWithTheirFontColoursAndIcon) {
    const Texts report = Write(rkFull).Body;
    // The amplifier's title: a 240 wide frame at the top left with the logo.
    const Panel& amp = PanelNamed("Amplifier");
    const ChildEntry& title = *EntryNamed(amp, "Amplifier");
    Texts expected = FrameBlock(title, 1);
    expected.push_back(In(1) + "--------------------"); // the next frame follows
    EXPECT_EQ(ChildLines(report, PanelHeading("Amplifier"), ChildHeading(1, "Frame: ", "Amplifier"),
                         expected.size()),
              expected);

    // The TV keypad: a frame holding an unnamed frame of digits.
    const Panel& tv = PanelNamed("TV");
    const ChildEntry& keypad = *EntryNamed(tv, "Keypad");
    expected = FrameBlock(keypad, 1);
    Append(expected, FrameBlock(keypad.FollowedFrame->Children[0], 2));
    EXPECT_EQ(ChildLines(report, PanelHeading("TV"), ChildHeading(1, "Frame: ", "Keypad"),
                         expected.size()),
              expected);
    EXPECT_EQ(expected[expected.size() - 10], In(2) + Heading("\\fs24 ", "Frame: " + Pronto("")));
}

TEST_P(SampleReports, ButtonsWithTheirStatesIconsAndActions) {
    const Texts report = Write(rkFull).Body;
    // The amplifier's mute key in its volume frame: the code, then a beep of
    // 20 tens of milliseconds.
    const ChildEntry& mute = *EntryNamed(PanelNamed("Amplifier"), "Mute");
    Texts expected = ButtonBlock(mute, 2);
    Append(expected, IRCodeBlock(CodeNamed("Amp Mute"), 4));
    expected.push_back(In(4) + "[S] 1000Hz 50% 200ms");
    expected.push_back(In(1) + "--------------------"); // the input frame
    EXPECT_EQ(ChildLines(report, PanelHeading("Amplifier"), ChildHeading(2, "Button: ", "Mute"),
                         expected.size()),
              expected);

    // A digit key: no icons, drawn in its colours.
    const ChildEntry& one = *EntryNamed(PanelNamed("TV"), "1");
    expected = ButtonBlock(one, 3);
    Append(expected, IRCodeBlock(CodeNamed("TV 1"), 5));
    expected.push_back(In(3) + "--------------------"); // the next digit
    EXPECT_EQ(
        ChildLines(report, PanelHeading("TV"), ChildHeading(3, "Button: ", "1"), expected.size()),
        expected);
    EXPECT_EQ(expected[8], In(4) + "Font: Pronto 14");
}

// ---- Actions and timers --------------------------------------------------------------------

TEST_P(SampleReports, ActionLinesOfEveryKind) {
    const Texts report = Write(rkFull).Body;
    const auto actionsOf = [&](const std::string& panel, int level, const std::string& button,
                               std::size_t count) {
        const ChildEntry& entry = *EntryNamed(PanelNamed(panel), button);
        const Texts block = ButtonBlock(entry, level);
        const Texts lines =
            ChildLines(report, PanelHeading(panel), ChildHeading(level, "Button: ", button),
                       block.size() + count);
        return Texts(lines.begin() +
                         static_cast<std::ptrdiff_t>(std::min(block.size(), lines.size())),
                     lines.end());
    };
    const std::string tv = Pronto("TV"), amp = Pronto("Amplifier");
    // Special jumps by their words.
    const std::pair<const char*, const char*> guide[] = {
        {"Page Up", "Scroll up"}, {"Page Dn", "Scroll down"}, {"Back", "Back"}, {"Fwd", "Forward"}};
    for (const auto& [button, word] : guide)
        EXPECT_EQ(actionsOf(GuidePanel, 1, button, 1), Texts{In(3) + "[J] Jump: " + word})
            << button;
    EXPECT_EQ(actionsOf("Macro", 1, "Pointer", 1), Texts{In(3) + "[J] Jump: Mouse mode"});
    // A code and a jump to a panel of a device.
    Texts expected = IRCodeBlock(CodeNamed("TV Guide"), 3);
    expected.push_back(In(3) + "[J] Jump: " + tv + " - " + Pronto(GuidePanel));
    EXPECT_EQ(actionsOf("TV", 1, "Guide", expected.size()), expected);
    // Button aliases name the device and the button.
    EXPECT_EQ(actionsOf("Home", 2, "Vol-", 1),
              Texts{In(4) + "[B] " + amp + " - " + Pronto("Vol-")});
    EXPECT_EQ(actionsOf("Home", 1, "Movie", 1),
              Texts{In(3) + "[B] " + Pronto(MovieDevice) + " - " + Pronto("Start")});
    // The macro: codes, delays in seconds, a jump and a beep.
    expected = IRCodeBlock(CodeNamed("TV Power"), 3);
    expected.push_back(In(3) + "[D] 0.5 sec");
    Append(expected, IRCodeBlock(CodeNamed("Amp Power"), 3));
    expected.push_back(In(3) + "[D] 0.3 sec");
    Append(expected, IRCodeBlock(CodeNamed("Amp DVD, BD"), 3));
    expected.push_back(In(3) + "[J] Jump: " + tv + " - " + Pronto("TV"));
    expected.push_back(In(3) + "[S] 1500Hz 40% 100ms");
    EXPECT_EQ(actionsOf("Movie", 1, "Start", expected.size()), expected);
    expected = IRCodeBlock(CodeNamed("TV Power"), 3);
    Append(expected, IRCodeBlock(CodeNamed("Amp Power"), 3));
    expected.push_back(In(3) + "[S] 500Hz 60% 300ms");
    EXPECT_EQ(actionsOf("Movie", 1, "\"All Off\"", expected.size()), expected);
}

TEST_P(SampleReports, TimerBlocksUnderTheTimerButtons) {
    const Texts report = Write(rkFull).Body;
    const Timer& wake = ccf.Records().Timers[0];
    const Timer& sleep = ccf.Records().Timers[1];
    const auto timer = [&](const Timer& t, const std::string& next) {
        return Texts{In(3) + "[T] Timer",
                     In(4) + "Position: " + Pos(t.Position()),
                     In(4) + "Size: " + std::to_string(t.Size()),
                     In(4) + "Next Timer at: " + next,
                     In(4),
                     In(4) + "Start Event: "};
    };
    Texts expected = timer(wake, Pos(sleep.Position()));
    Append(expected, IRCodeBlock(CodeNamed("TV Power"), 5));
    Append(expected, {In(5) + "Mon Tue Wed Thu Fri Weekly at 6:45", In(4), In(4) + "End Event: "});
    Append(expected, IRCodeBlock(CodeNamed("TV Power"), 5));
    expected.push_back(In(5) + "Mon Tue Wed Thu Fri Weekly at 7:30");
    expected.push_back(In(1) + "--------------------"); // the sleep button
    const Texts block = ButtonBlock(*EntryNamed(PanelNamed("Home"), "Wake"), 1);
    Texts lines = ChildLines(report, PanelHeading("Home"), ChildHeading(1, "Button: ", "Wake"),
                             block.size() + expected.size());
    EXPECT_EQ(Texts(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(block.size())),
              block);
    EXPECT_EQ(Texts(lines.begin() + static_cast<std::ptrdiff_t>(block.size()), lines.end()),
              expected);

    // The nightly sleep: every day, no end action, the last of the chain.
    expected = timer(sleep, "None");
    Append(expected, IRCodeBlock(CodeNamed("Amp Power"), 5));
    Append(expected, {In(5) + "Mon Tue Wed Thu Fri Sat Sun Weekly at 23:30", In(4),
                      In(4) + "End Event: ", In(5) + "No Action", In(5) + "at 0:00"});
    expected.push_back(Heading("\\fs40 ", "Devices Group: "));
    lines = ChildLines(report, PanelHeading("Home"), ChildHeading(1, "Button: ", "Sleep"),
                       block.size() + expected.size());
    EXPECT_EQ(
        Texts(lines.begin() + static_cast<std::ptrdiff_t>(std::min(block.size(), lines.size())),
              lines.end()),
        expected);
}

// ---- Checks: the samples hold no doubtful configuration ----------------------------------

TEST_P(SampleReports, NoCheckLinesAndAnErrorsReportOfHeadingsOnly) {
    // Every child lies inside the 240 by 219 panel area, every button has
    // actions, and every panel has such a button.
    for (const auto& line : Write(rkFull).Body)
        if (line != "********************") { // the object counts' rule
            EXPECT_EQ(line.find("****"), std::string::npos) << line;
        }
    const Texts errors = Write(rkErrors).Body;
    EXPECT_EQ(Texts(errors.begin() + 4, errors.end()), FocusedWalk(ccf, rkErrors));
}

// ---- The closing sections of the full report ------------------------------------------------

TEST_P(SampleReports, ObjectCountsAndMemoryUsageInFileOrder) {
    const Texts report = Write(rkFull).Body;
    const Store& store = ccf.Records();
    std::size_t actions = 0;
    for (const ActionList& list : store.ActionLists)
        actions += list.Items.size();
    for (const Timer& timer : store.Timers)
        actions += (timer.Start.Type != 0) + (timer.End.Type != 0);
    const auto count = [](const char* label, std::size_t n) {
        return In(1) + label + std::to_string(n);
    };
    Texts expected{" Object Counts:",
                   count("Number of Headers     = ", 1),
                   count("Number of Entries     = ", store.Devices.size()) +
                       " (Home - 1, Devices - 2, Macros - 1)",
                   count("Number of Panels      = ", store.Panels.size()),
                   count("Number of Frames      = ", store.Frames.size()),
                   count("Number of Buttons     = ", store.Buttons.size()),
                   count("Number of ActionLists = ", store.ActionLists.size()),
                   count("Number of Actions     = ", actions),
                   count("Number of Icons       = ", store.Icons.size()),
                   count("Number of IRCodes     = ", store.IRCodes.size()),
                   count("Number of Timers      = ", store.Timers.size()),
                   "Memory Usage:"};
    // Each kind's first area runs from its first record to the next record
    // of another kind (every byte of the samples is read); the last area runs
    // to the CRC word, two bytes before the end.
    const auto records = RecordMap(ccf);
    const std::int32_t size = ccf.FullSize();
    std::map<std::string, bool> listed;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const auto& [start, kind] = records[i];
        if (listed[kind]) continue;
        listed[kind] = true;
        std::int32_t next = size - 2;
        for (std::size_t j = i + 1; j < records.size(); ++j)
            if (records[j].second != kind) {
                next = records[j].first;
                break;
            }
        expected.push_back(In(1) + "First " + kind + " is at " + std::to_string(start) +
                           ", memory used is " + std::to_string(next - start) + " (" +
                           Percent(next - start, size) + ")");
    }
    EXPECT_EQ(listed.size(), 10u); // every kind but child entries and actions
    // No unaccounted memory: only the closing empty line follows.
    expected.push_back("");
    EXPECT_EQ(After(report, "********************"), expected);
    EXPECT_EQ(*(report.end() - static_cast<std::ptrdiff_t>(expected.size()) - 2),
              ""); // after the walk
}

TEST_P(SampleReports, StructurePositionsFiveToALineWithANewLineForEachKind) {
    const Texts report = Write(rkFull, true).Body;
    // A change of kind ends the line, an empty one when nothing is pending:
    // the section starts with an empty line.
    Texts expected;
    std::string line, previous;
    int column = 0;
    for (const auto& [position, kind] : RecordMap(ccf)) {
        if (kind != previous) {
            expected.push_back(In(1) + line);
            line.clear();
            column = 0;
        }
        line += Pos(position) + ":" + kind + " ";
        if (++column == 5) {
            expected.push_back(In(1) + line);
            line.clear();
            column = 0;
        }
        previous = kind;
    }
    expected.push_back(In(1) + line);
    expected.push_back("");
    expected.push_back("********************");
    EXPECT_EQ(Block(report, Heading("\\fs40 ", "Structure Positions: "), expected.size()),
              expected);
    EXPECT_EQ(expected[1].substr(0, 4 + 14), In(1) + "000000:Header ");
    // Without the option there is no such section.
    EXPECT_FALSE(Contains(Write(rkFull).Body, Heading("\\fs40 ", "Structure Positions: ")));
}

// ---- The focused reports ----------------------------------------------------------------------

TEST_P(SampleReports, IconsReportHasEveryIconOnceWithItsPicture) {
    const Texts report = Write(rkIcons).Body;
    Texts expected(report.begin(), report.begin() + 4); // title and file name, checked above
    std::vector<std::int32_t> listed;
    for (const kelpie::Icon& loaded : file->CCF().Icons()) {
        const Icon* icon = nullptr;
        for (const Icon& built : ccf.Records().Icons)
            if (built.Position() == loaded.Position()) icon = &built;
        ASSERT_NE(icon, nullptr) << loaded.Position();
        listed.push_back(icon->Position());
        Append(expected, IconBlock(ccf, *icon, "", 0, true));
        expected.push_back("{\\pict\\pngblip\\picw" + std::to_string(icon->Width) + "\\pich" +
                           std::to_string(icon->Height));
        expected.push_back("");
    }
    Texts written = report;
    for (auto& line : written)
        if (IsPictureLine(line)) line = line.substr(0, line.find("\\picwgoal"));
    EXPECT_EQ(written, expected);
    std::vector<std::int32_t> built;
    for (const Icon& icon : ccf.Records().Icons)
        built.push_back(icon.Position());
    std::sort(listed.begin(), listed.end());
    std::sort(built.begin(), built.end());
    EXPECT_EQ(listed, built);
}

TEST_P(SampleReports, PanelsReportHasHeadingsAndPicturesOnly) {
    const Texts report = WithoutPictures(Write(rkPanels).Body);
    EXPECT_EQ(Texts(report.begin() + 4, report.end()), FocusedWalk(ccf, rkPanels));
}

TEST_P(SampleReports, IRCodesReportHasEachCodeAtEachUseUnderItsButton) {
    const Texts report = Write(rkIRCodes).Body;
    EXPECT_EQ(Texts(report.begin() + 4, report.end()), FocusedWalk(ccf, rkIRCodes));
    // The TV's power code: on the TV panel and twice in the macros (the
    // timers, outside the full report, add nothing).
    EXPECT_EQ(std::count(report.begin(), report.end(), In(3) + "[C] " + Pronto("TV Power")), 3);
}

INSTANTIATE_TEST_SUITE_P(Samples, SampleReports, ::testing::ValuesIn(Samples()),
                         [](const auto& info) { return TestName(info.param); });
