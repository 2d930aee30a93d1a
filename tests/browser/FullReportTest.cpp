// The full report's header, closing sections and the focused reports' frame,
// checked line by line in the written files; the display of the header.
#include "TestBrowser.h"

#include <kelpie/Error.h>
#include <kelpie/file/CCF.h>
#include <kelpie/model/Device.h>
#include <kelpie/model/Panel.h>
#include "exports/GraphJson.h"
#include "exports/NoticeSpool.h"
#include "session/ReportRun.h"
#include "session/Reports.h"
#include "support/CCFBuilder.h"
#include "support/Samples.h"

#include <cstdio>
#include <stdexcept>

using namespace vantor;
using namespace kelpie::builder;

namespace {

struct Reports : vantor::testing::TestBrowser {
    // Opens the built file and writes its full report; the report's lines.
    std::vector<std::string> FullReport(CCFBuilder& ccf, bool showPositions = false) {
        CCFlocal& file = Open("test.ccf", ccf.Build());
        EXPECT_TRUE(DumpCCF(browser.Tools(), file, PathOf("test.rtf"), showPositions));
        return Lines(ReadFile(PathOf("test.rtf")));
    }
    static std::string Position(std::int32_t value) { return RtfWriter::FormatPosition(value); }
};

std::string Percent(std::int32_t used, std::int32_t size) {
    return RtfWriter::FormatPercent(used, size);
}

} // namespace

TEST_F(Reports, TheHeaderBlockOfASample) {
    CCFBuilder ccf(kelpie::fmtv2);
    ComposeLivingRoom(ccf);
    const auto lines = FullReport(ccf);
    const kelpie::CCF& loaded = browser.BrowserFiles.Item(1).CCF();
    const std::string crc = std::to_string(static_cast<std::int16_t>(ccf.StoredCRC1()));
    const std::vector<std::string> expected{
        browser.Writer.HeaderLine("\\fs20 "),
        "\\par {\\fs40 test.ccf}",
        "\\par CCF File Header",
        "\\par  Properties:",
        "\\par     File Name: test.ccf",
        "\\par     File size: " + std::to_string(ccf.FullSize()),
        "\\par     Size: 74",
        "\\par     Version string: {\\f2 Living Room 1.0}",
        "\\par     Modification date: 20-May-2003 18:30:00",
        "\\par     Version : 2.1.64",
        std::string("\\par     ID1: @\xA5Z@_CCF"),
        std::string("\\par     ID2: CCF") + '\0',
        "\\par     Configuration is Factory Default: No",
        "\\par     Configuration is write protected: No",
        "\\par     HOME panels are write protected: No",
        "\\par  Subordinates:",
        "\\par     " + Position(ccf.PosCRC1()) + ": Position of CRC (Stored: " + crc +
            ", Calculated " + crc + ")",
        "\\par     " + Position(loaded.PosHomeGroup()) + ": First Home Entry",
        "\\par     " + Position(loaded.PosDeviceGroup()) + ": First Device Group Entry",
        "\\par     " + Position(loaded.PosMacroGroup()) + ": First Macro Group Entry",
        "\\par     " + Position(ccf.Records().Timers.front().Position()) +
            ": Position of first Timer",
        "\\par     " + Position(loaded.PosSpecialPanels()) + ": Position of Macro Recording panel",
    };
    ASSERT_GT(lines.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(lines[i], expected[i]) << "line " << i;
    EXPECT_NE(loaded.PosHomeGroup(), 0);
    // The walk: the four group headings, then the closing sections.
    for (const char* heading :
         {"Home Group: ", "Devices Group: ", "Macros Group: ", "Macro Recording Panel: "})
        EXPECT_TRUE(Contains(lines, std::string("\\par {\\fs40 ") + heading + "}")) << heading;
    EXPECT_EQ(lines.back(), "\\par }");
}

TEST_F(Reports, CRCLines) {
    const auto crcLines = [&](CCFBuilder& ccf) {
        std::vector<std::string> found;
        for (const auto& line : FullReport(ccf))
            if (line.find(": Position of CRC") != std::string::npos ||
                line.find(": CRC copy") != std::string::npos)
                found.push_back(line);
        browser.CurrentTag = "CCF1/H/0";
        browser.CloseCurrentCCF();
        return found;
    };
    using Texts = std::vector<std::string>;
    {
        CCFBuilder off(kelpie::fmtv2); // no CRC at all: both positions 0
        off.Header().CRC1 = Crc::Off();
        EXPECT_EQ(crcLines(off), Texts{"\\par     000000: Position of CRC"});
    }
    {
        CCFBuilder noCopy(kelpie::fmtv2); // a wrong stored CRC, no copy
        noCopy.Header().CRC2 = Crc::Off();
        noCopy.Build();
        const auto right = std::to_string(static_cast<std::int16_t>(noCopy.StoredCRC1()));
        noCopy.Header().CRC1.Value = 0xFFFF;
        EXPECT_EQ(crcLines(noCopy),
                  (Texts{"\\par     " + Position(noCopy.PosCRC1()) +
                             ": Position of CRC (Stored: -1, Calculated " + right + ")",
                         "\\par     000000: CRC copy"}));
    }
    {
        CCFBuilder copy(kelpie::fmtv2); // a copy of its own
        auto& spare = copy.AddRawBlock({0, 0});
        copy.Build();
        copy.Header().CRC2 = Crc::AtPosition(spare.Position());
        copy.Header().CRC2.Value = 0x1234;
        const auto lines = crcLines(copy);
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_EQ(lines[1], "\\par     " + Position(spare.Position()) + ": CRC copy (4660)");
    }
}

TEST_F(Reports, ACRCPositionBeyondTheFileEndsNoReport) {
    CCFBuilder ccf(kelpie::fmtv2);
    ccf.Header().CRC1 = Crc::AtPosition(1000000);
    ccf.Header().CRC2 = Crc::SameAsCRC1();
    const auto lines = FullReport(ccf);
    EXPECT_TRUE(Contains(
        lines, "\\par     1000000: Position of CRC (Stored: 0, Calculated: not possible, the CRC "
               "position lies beyond the end of the file)"));
    EXPECT_TRUE(Contains(lines, "\\par Memory Usage:"));
    for (const auto& line : lines)
        EXPECT_EQ(line.find("incomplete"), std::string::npos) << line;
    // The display pane shows the same line.
    EXPECT_TRUE(Contains(Lines(display.Document),
                         "\\par     1000000: Position of CRC (Stored: 0, Calculated: not "
                         "possible, the CRC position lies beyond the end of the file)"));
}

TEST_F(Reports, RFChannelFillersAndProtections) {
    CCFBuilder ccf(kelpie::fmtV3);
    auto& header = ccf.Header();
    header.RFChannel = 5;
    header.Filler1 = 7;
    header.Filler2 = 3;
    header.Filler3 = 9;
    header.Filler4 = -2;
    header.Attributes = cfgWriteProtected | cfgHomeWriteProtected;
    auto& home = ccf.AddDevice(Group::Home, "HOME");
    home.AddPanel("home");
    home.AddPanel("Home"); // the check is case-sensitive
    const auto lines = FullReport(ccf);
    const auto properties = After(lines, "\\par     HOME panels are write protected: Yes");
    ASSERT_GE(properties.size(), 6u);
    EXPECT_EQ(std::vector<std::string>(properties.begin(), properties.begin() + 6),
              (std::vector<std::string>{"\\par     Home Icon: Default", "\\par     RF Channel: 4",
                                        "\\par     Filler 1: 7", "\\par     Filler 2: 3",
                                        "\\par     Filler 3: 9", "\\par     Filler 4: -2"}));
    EXPECT_TRUE(Contains(lines, "\\par     Configuration is write protected: Yes"));
    const auto checks = std::vector<std::string>{
        "\\par ****Configuration is write protected", "\\par ****Home panels are write protected",
        "\\par ****Home panel has name \"home\"", "\\par {\\fs40 Home Group: }"};
    const auto afterSubordinates = After(lines, "\\par  Subordinates:");
    const auto firstCheck =
        std::find(afterSubordinates.begin(), afterSubordinates.end(), checks[0]);
    ASSERT_NE(firstCheck, afterSubordinates.end());
    EXPECT_EQ(std::vector<std::string>(firstCheck, firstCheck + 4), checks);

    // The errors report has the checks, the panels report does not.
    CCFlocal& file = browser.BrowserFiles.Item(1);
    ASSERT_TRUE(DumpErrors(browser.Tools(), file, PathOf("errors.rtf")));
    EXPECT_TRUE(Contains(Lines(ReadFile(PathOf("errors.rtf"))), checks[2]));
    ASSERT_TRUE(DumpPanels(browser.Tools(), file, PathOf("panels.rtf")));
    EXPECT_FALSE(Contains(Lines(ReadFile(PathOf("panels.rtf"))), checks[0]));
}

TEST_F(Reports, NoRFChannelNoFillersAndNoMacroRecordingHeading) {
    CCFBuilder ccf(kelpie::fmtV3);
    const auto lines = FullReport(ccf);
    for (const auto& line : lines) {
        EXPECT_EQ(line.find("RF Channel"), std::string::npos);
        EXPECT_EQ(line.find("Filler"), std::string::npos);
        EXPECT_EQ(line.find("Macro Recording Panel: "), std::string::npos);
    }
}

TEST_F(Reports, ObjectCountsAndMemoryUsage) {
    CCFBuilder ccf(kelpie::fmtv2);
    auto& code = ccf.AddIRCode("Power", {0x5000, 0x0073, 0x0000, 0x0001, 0x0000, 0x000C});
    auto& icon = ccf.AddIcon2Color(Pixels({"#..#", ".##."}));
    auto& macro = ccf.AddSpecialPanel("Macro");
    auto& button = macro.AddButton(10, 10, 20, 20, "Power");
    button.Actions().Code(code);
    button.SetIcons(icon, {});
    const auto lines = FullReport(ccf);
    const std::int32_t size = ccf.FullSize();
    const auto counts = After(lines, "\\par ********************");
    const std::vector<std::string> expected{
        "\\par  Object Counts:",
        "\\par     Number of Headers     = 1",
        "\\par     Number of Entries     = 0 (Home - 0, Devices - 0, Macros - 0)",
        "\\par     Number of Panels      = 1",
        "\\par     Number of Frames      = 0",
        "\\par     Number of Buttons     = 1",
        "\\par     Number of ActionLists = 1",
        "\\par     Number of Actions     = 1",
        "\\par     Number of Icons       = 1",
        "\\par     Number of IRCodes     = 1",
        "\\par     Number of Timers      = 0",
        "\\par Memory Usage:",
        "\\par     First Header is at 0, memory used is 74 (" + Percent(74, size) + ")",
        "\\par     First Icon is at 74, memory used is " + std::to_string(icon.Size()) + " (" +
            Percent(icon.Size(), size) + ")",
    };
    ASSERT_GE(counts.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(counts[i], expected[i]) << "line " << i;
    // Each kind once, in the order of its first record.
    std::int32_t previous = -1;
    std::vector<std::string> kinds;
    for (auto at = counts.begin() + 12; at != counts.end() && at->starts_with("\\par     First ");
         ++at) {
        const auto is = at->find(" is at ");
        kinds.push_back(at->substr(15, is - 15));
        const std::int32_t start = std::stoi(at->substr(is + 7));
        EXPECT_GT(start, previous) << *at;
        previous = start;
    }
    EXPECT_EQ(kinds, (std::vector<std::string>{"Header", "Icon", "Name", "IR code", "Action List",
                                               "Button", "Panel"}));
    // No unaccounted memory: only the closing empty line.
    EXPECT_EQ(std::vector<std::string>(lines.end() - 2, lines.end()),
              (std::vector<std::string>{"\\par ", "\\par }"}));
}

TEST_F(Reports, StructurePositionsFiveToALine) {
    CCFBuilder ccf(kelpie::fmtv2);
    auto& macro = ccf.AddSpecialPanel("Macro");
    std::vector<Icon*> icons;
    for (int i = 0; i < 6; ++i) {
        const auto width = static_cast<std::size_t>(i + 1);
        icons.push_back(
            &ccf.AddIcon2Color(Pixels({std::string(width, '#'), std::string(width, '.')})));
        macro.AddButton(static_cast<std::int16_t>(30 * i), 0, 20, 20).SetIcons(*icons.back(), {});
    }
    const auto lines = FullReport(ccf, true);
    std::string fiveIcons = "\\par     ";
    for (int i = 0; i < 5; ++i)
        fiveIcons += Position(icons[static_cast<std::size_t>(i)]->Position()) + ":Icon ";
    const auto section = After(lines, "\\par {\\fs40 Structure Positions: }");
    ASSERT_GE(section.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(section.begin(), section.begin() + 4),
              (std::vector<std::string>{"\\par     ", "\\par     000000:Header ", fiveIcons,
                                        "\\par     " + Position(icons[5]->Position()) + ":Icon "}));
    // The section ends with an empty line, then the counts.
    const auto end = std::find(section.begin(), section.end(), "\\par ********************");
    ASSERT_NE(end, section.end());
    EXPECT_EQ(*(end - 1), "\\par ");

    Open("again.ccf", ccf.Build());
    ASSERT_TRUE(DumpCCF(browser.Tools(), browser.BrowserFiles.Item(2), PathOf("plain.rtf"), false));
    EXPECT_TRUE(After(Lines(ReadFile(PathOf("plain.rtf"))), "\\par {\\fs40 Structure Positions: }")
                    .empty());
}

TEST_F(Reports, UnaccountedMemoryIsListedAndLeftUnread) {
    CCFBuilder ccf(kelpie::fmtv2);
    std::vector<std::uint8_t> bytes(40);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(i);
    auto& block = ccf.AddRawBlock(bytes);
    const auto lines = FullReport(ccf);
    const auto run = After(lines, "\\par Unaccounted memory locations:");
    const std::vector<std::string> expected{
        "\\par " + Position(block.Position()) + " to " + Position(block.Position() + 39) + "(40): ",
        "\\par 00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F 10 11 12 13 ",
        "\\par 14 15 16 17 18 19 1A 1B 1C 1D 1E 1F 20 21 22 23 24 25 26 27 ",
        "\\par ",
        "\\par ",
        "\\par }",
    };
    EXPECT_EQ(run, expected);
    EXPECT_EQ(*(lines.end() - 8), "\\par "); // the empty line before the heading

    // A second report of the same open file is the same, byte for byte.
    CCFlocal& file = browser.BrowserFiles.Item(1);
    ASSERT_TRUE(DumpCCF(browser.Tools(), file, PathOf("again.rtf"), true));
    ASSERT_TRUE(DumpCCF(browser.Tools(), file, PathOf("third.rtf"), true));
    EXPECT_EQ(ReadFile(PathOf("test.rtf")),
              ReadFile(PathOf("plain.rtf").empty() ? "" : PathOf("test.rtf")));
    EXPECT_EQ(ReadFile(PathOf("again.rtf")), ReadFile(PathOf("third.rtf")));
    ASSERT_TRUE(DumpCCF(browser.Tools(), file, PathOf("fourth.rtf"), false));
    EXPECT_EQ(ReadFile(PathOf("fourth.rtf")), ReadFile(PathOf("test.rtf")));
    std::int32_t length = 0;
    EXPECT_EQ(file.CCF().CCFfile().NextUnaccessedMemory(-1, length), block.Position());
}

TEST_F(Reports, TheHeaderInTheDisplayPane) {
    CCFBuilder ccf(kelpie::fmtv1);
    Open("pane.ccf", ccf.Build());
    const auto lines = Lines(display.Document);
    EXPECT_EQ(lines[0], browser.Writer.HeaderLine("\\fs16 ") + "CCF File Header");
    EXPECT_EQ(lines[2], "\\par     File Name: pane.ccf");
    EXPECT_TRUE(Contains(lines, "\\par     Home Icon: Default"));
    const auto tail = After(lines, "\\par     000000: Position of Macro Recording panel");
    ASSERT_GE(tail.size(), 3u);
    EXPECT_EQ(tail[0], "\\par  Object Counts:"); // no asterisks on screen
    EXPECT_EQ(tail[1], "\\par     Number of Headers     = 1");
    EXPECT_EQ(lines.back(), "\\par }");
    for (const auto& line : lines)
        EXPECT_EQ(line.find("Home Group"), std::string::npos);
}

TEST_F(Reports, FocusedReportsOfAnEmptyFile) {
    CCFlocal& file = Open("empty.ccf", CCFBuilder(kelpie::fmtv2).Build());
    const auto frame = [&](const char* title) {
        return std::vector<std::string>{browser.Writer.HeaderLine("\\fs20 "),
                                        std::string("\\par {\\fs40 ") + title + "}", "\\par ",
                                        "\\par CCF File Name: empty.ccf", "\\par "};
    };
    ASSERT_TRUE(DumpIcons(browser.Tools(), file, PathOf("icons.rtf")));
    auto expected = frame("Icons Report ");
    expected.push_back("\\par }");
    EXPECT_EQ(Lines(ReadFile(PathOf("icons.rtf"))), expected);

    const std::vector<std::string> groups{"\\par {\\fs40 Home Group: }",
                                          "\\par {\\fs40 Devices Group: }",
                                          "\\par {\\fs40 Macros Group: }", "\\par }"};
    using Dump = bool (*)(const ReportTools&, CCFlocal&, const std::string&);
    const std::pair<Dump, const char*> reports[] = {{&DumpPanels, "Panels Report "},
                                                    {&DumpIRCodes, "IR Codes Report "},
                                                    {&DumpErrors, "Errors Report "}};
    for (const auto& [dump, title] : reports) {
        ASSERT_TRUE(dump(browser.Tools(), file, PathOf("focused.rtf")));
        expected = frame(title);
        expected.insert(expected.end(), groups.begin(), groups.end());
        EXPECT_EQ(Lines(ReadFile(PathOf("focused.rtf"))), expected) << title;
    }
    EXPECT_FALSE(ui.Busy);
}

TEST_F(Reports, AnErrorInsideAReportIsWrittenAndTheFileClosed) {
    CCFBuilder builder(kelpie::fmtv2);
    const CCFlocal& input = Open("test.ccf", builder.Build());
    const std::string path = PathOf("cut.rtf");
    EXPECT_TRUE(RunReport(browser.Tools(), input, path, [&] {
        browser.Writer.IndentIn();
        browser.Writer.WriteText("half a line");
        throw kelpie::Error(kelpie::ErrorKind::OutOfRange,
                            "Panel record at position 9 lies outside {the file}");
    }));
    const std::vector<std::string> cut{
        browser.Writer.HeaderLine("\\fs20 "), "\\par     half a line",
        "\\par **** The report is incomplete: Panel record at position 9 lies outside "
        "\\{the file\\}",
        "\\par }"};
    EXPECT_EQ(Lines(ReadFile(path)), cut);
    EXPECT_FALSE(ui.Busy);

    // Anything else is not a report at all: nothing of it is written (the
    // older report stays), and the error goes on.
    EXPECT_THROW(RunReport(browser.Tools(), input, path, [] { throw std::logic_error("bug"); }),
                 std::logic_error);
    EXPECT_EQ(Lines(ReadFile(path)), cut);

    // A file that cannot be made: false, and the writer's message.
    EXPECT_FALSE(RunReport(browser.Tools(), input, PathOf("missing/dir/x.rtf"), [] {}));
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_TRUE(ui.Messages[0].starts_with("Error opening output file\n"));
}

// Which of the lists that a reader could create are stored: hard keys and
// panels of each device, children of each panel.
std::string StoredLists(const kelpie::CCF& ccf) {
    std::string stored;
    for (const kelpie::Devices* group : {&ccf.HomeGroup(), &ccf.DevicesGroup(), &ccf.MacrosGroup()})
        for (const kelpie::Device& device : *group) {
            for (const kelpie::HardKeyInfo& key : kelpie::HardKeys)
                stored += device.FindHardKey(key.Key) ? 'K' : '-';
            stored += device.FindPanels() ? 'P' : '-';
            if (const kelpie::Panels* panels = device.FindPanels())
                for (const kelpie::Panel& panel : *panels)
                    stored += panel.FindChildren() ? 'C' : '-';
        }
    return stored;
}

TEST_F(Reports, ViewsReportsAndTheGraphExportReadWithoutCreating) {
    CCFBuilder ccf(kelpie::fmtv2);
    ComposeLivingRoom(ccf);
    CCFlocal& file = Open("test.ccf", ccf.Build());
    const std::string before = StoredLists(file.CCF());
    ASSERT_NE(before.find('-'), std::string::npos);

    EXPECT_TRUE(DumpCCF(browser.Tools(), file, PathOf("full.rtf"), true));
    EXPECT_TRUE(DumpPanels(browser.Tools(), file, PathOf("panels.rtf")));
    EXPECT_TRUE(DumpIRCodes(browser.Tools(), file, PathOf("codes.rtf")));
    std::ostringstream json;
    WriteGraphJson(file.CCF(), NoticeSpool(), "", json);
    EXPECT_EQ(StoredLists(file.CCF()), before);
}
