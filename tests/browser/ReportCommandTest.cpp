// vantor-report, run in-process: usage, exit statuses, where reports go, and
// the picture exports.
#include "ReportCommand.h"
#include "ReportOptions.h"

#include "model/CCFlocal.h"
#include <kelpie/model/CCFs.h>
#include <kelpie/model/Device.h>

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

using namespace vantor;
namespace fs = std::filesystem;

namespace {

struct CommandRun {
    int Status = -1;
    std::string Out, Err;
};

CommandRun RunCommand(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    CommandRun run;
    run.Status = RunReportCommand(args, out, err);
    run.Out = out.str();
    run.Err = err.str();
    return run;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// A copy of the colour sample in a temporary folder.
struct SampleCopy : ::testing::Test {
    QTemporaryDir dir;
    fs::path folder{dir.path().toStdString()};
    fs::path sample = folder / "colour-v3.ccf";
    void SetUp() override {
        fs::copy_file(fs::path(KELPIE_SOURCE_DIR) / "samples" / "colour-v3.ccf", sample);
    }
};

} // namespace

TEST(ReportCommandUsage, UsageErrorsExitWithTwoAndAShortUsage) {
    const std::vector<std::vector<std::string>> wrong = {
        {},
        {"--bogus", "a.ccf"},
        {"-r", "everything", "a.ccf"},
        {"-r"},
        {"-o", "out.rtf", "a.ccf", "b.ccf"},
        {"--export-icons", "dir", "a.ccf", "b.ccf"},
        {"-p", "-r", "errors", "a.ccf"},
        {"--quiet=yes", "a.ccf"},
        {"--format", "pdf", "a.ccf"},
        {"--format", "html", "--plain-name-font", "a.ccf"},
    };
    for (const auto& args : wrong) {
        const CommandRun run = RunCommand(args);
        EXPECT_EQ(run.Status, 2) << (args.empty() ? "" : args[0]);
        EXPECT_NE(run.Err.find("usage: vantor-report"), std::string::npos) << run.Err;
        EXPECT_TRUE(run.Out.empty());
    }
}

TEST(ReportCommandUsage, HelpAndVersion) {
    const CommandRun version = RunCommand({"--version"});
    EXPECT_EQ(version.Status, 0);
    EXPECT_EQ(version.Out, "vantor-report 3.0.0\n");
    const CommandRun help = RunCommand({"-h"});
    EXPECT_EQ(help.Status, 0);
    for (const char* part : {"--plain-name-font", "--export-panels DIR", "nothing is written"})
        EXPECT_NE(help.Out.find(part), std::string::npos) << part;
}

TEST(ReportCommandUsage, OptionsAndDefaultNames) {
    std::string error;
    const auto options = ParseReportOptions(
        {"--report=ircodes", "-q", "--plain-name-font", "--", "-odd.ccf"}, error);
    ASSERT_TRUE(options) << error;
    EXPECT_EQ(options->Kind, rkIRCodes);
    EXPECT_TRUE(options->Quiet);
    EXPECT_TRUE(options->PlainNameFont);
    EXPECT_EQ(options->Files, std::vector<std::string>{"-odd.ccf"});

    EXPECT_EQ(DefaultReportPath("dir/My Remote.ccf", rkFull), "dir/My Remote.rtf");
    EXPECT_EQ(DefaultReportPath("dir/a.b.ccf", rkErrors), "dir/a.b Errors.rtf");
    EXPECT_EQ(DefaultReportPath("dir.x/plain", rkIRCodes), "dir.x/plain IR Codes.rtf");
    EXPECT_EQ(DefaultReportPath("a.ccf", rkIcons), "a Icons.rtf");
    EXPECT_EQ(DefaultReportPath("a.ccf", rkPanels), "a Panels.rtf");
    EXPECT_EQ(DefaultReportPath("dir/a.b.ccf", rkErrors, "", ReportFormat::Html),
              "dir/a.b Errors.html");
    EXPECT_EQ(DefaultReportPath("a.ccf", rkFull, "out", ReportFormat::Html), "out/a.html");

    // The format asks for the report, also beside an export.
    const auto page = ParseReportOptions({"--format=html", "--json", "a.ccf"}, error);
    ASSERT_TRUE(page) << error;
    EXPECT_EQ(page->Format, ReportFormat::Html);
    EXPECT_TRUE(WritesReport(*page));
}

TEST_F(SampleCopy, MissingFileFailsWithItsNameAndTheOthersAreStillWritten) {
    const std::string missing = (folder / "missing.ccf").string();
    const CommandRun run = RunCommand({missing, sample.string()});
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Err.rfind(missing + ": error: ", 0), 0u) << run.Err;
    EXPECT_FALSE(fs::exists(folder / "missing.rtf"));
    EXPECT_TRUE(fs::exists(folder / "colour-v3.rtf"));
}

TEST_F(SampleCopy, ReportGoesBesideItsInputOrWhereAsked) {
    const CommandRun run = RunCommand({"-q", "-r", "errors", sample.string()});
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_TRUE(run.Err.empty()) << run.Err;
    const std::string report = ReadFile(folder / "colour-v3 Errors.rtf");
    EXPECT_EQ(report.rfind("{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang3081{\\fonttbl", 0), 0u);
    EXPECT_NE(report.find("Errors Report "), std::string::npos);
    EXPECT_EQ(report.substr(report.size() - 8), "\\par }\r\n");

    const fs::path elsewhere = folder / "out" / "full.rtf";
    fs::create_directories(elsewhere.parent_path());
    EXPECT_EQ(RunCommand({"-q", "-p", "-o", elsewhere.string(), sample.string()}).Status, 0);
    EXPECT_NE(ReadFile(elsewhere).find("Structure Positions: "), std::string::npos);
    EXPECT_FALSE(fs::exists(folder / "colour-v3.rtf"));
}

TEST_F(SampleCopy, PlainNameFontChangesOnlyTheNameFontsCharacterSet) {
    const fs::path symbol = folder / "symbol.rtf", plain = folder / "plain.rtf";
    ASSERT_EQ(RunCommand({"-q", "-o", symbol.string(), sample.string()}).Status, 0);
    ASSERT_EQ(RunCommand({"-q", "--plain-name-font", "-o", plain.string(), sample.string()}).Status,
              0);
    std::string expected = ReadFile(symbol);
    const std::string declared = "{\\f2\\fswiss\\fprq2\\fcharset2 Pronto;}";
    const auto at = expected.find(declared);
    ASSERT_NE(at, std::string::npos);
    expected.replace(at, declared.size(), "{\\f2\\fswiss\\fprq2\\fcharset0 Pronto;}");
    EXPECT_EQ(ReadFile(plain), expected);
}

TEST_F(SampleCopy, ExportsEveryDecodableIconAndEveryPanel) {
    const fs::path icons = folder / "icons", panels = folder / "panels";
    const CommandRun run = RunCommand({"-q", "--export-icons", icons.string(), "--export-panels",
                                       panels.string(), sample.string()});
    EXPECT_EQ(run.Status, 0) << run.Err;

    kelpie::CCFs files;
    files.SetNoticeHandler([](const std::string&) {});
    const kelpie::CCF& ccf = files.Add(sample.string());
    std::size_t expectedIcons = 0, expectedPanels = ccf.SpecialPanels().Count();
    for (const kelpie::Icon& icon : ccf.Icons()) {
        if (icon.IconType() == kelpie::ictUnknown) continue;
        ++expectedIcons;
        const fs::path picture = icons / ("icon-" + std::to_string(icon.Position()) + ".bmp");
        EXPECT_EQ(ReadFile(picture).substr(0, 2), "BM") << picture;
    }
    for (const kelpie::Devices* group : {&ccf.HomeGroup(), &ccf.DevicesGroup(), &ccf.MacrosGroup()})
        for (kelpie::Device& device : *group)
            expectedPanels += device.Panels().Count();
    const auto filesIn = [](const fs::path& dir) {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
    };
    EXPECT_GT(expectedIcons, 0u);
    EXPECT_EQ(filesIn(icons), expectedIcons);
    EXPECT_EQ(filesIn(panels), expectedPanels);
}
