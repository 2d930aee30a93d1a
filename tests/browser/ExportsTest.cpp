// vantor-report's exports, read back as other tools read them: the IR codes
// with an RFC 4180 reader, the JSON with the JSON library, the pictures with
// QImage; a damaged file, a batch, and the real file's Pronto hex against its
// IR codes report.
#include "CsvReader.h"
#include "CommandBrowser.h"

#include "exports/ByteMap.h"
#include "exports/CsvWriter.h"
#include "support/CCFBuilder.h"
#include "support/ProntoCodes.h"

#include <kelpie/file/CCF.h>
#include <kelpie/model/CCFs.h>
#include <kelpie/model/IRCodes.h>

#include <nlohmann/json.hpp>

#include <QImage>

#include <map>
#include <regex>

using namespace vantor;
using namespace vantor::testing;
using namespace kelpie::builder;
using Json = nlohmann::json;

namespace {

struct Exports : CommandBrowser {
    // A TV whose button, in a frame, sends a learned code; names with a
    // comma, quotes and a Windows-1252 letter.
    std::vector<std::uint8_t> RemoteWithOddNames(CCFBuilder& ccf) {
        auto& tv = ccf.AddDevice(Group::Home, "TV");
        auto& code = ccf.AddIRCode("Caf\xE9", NecCode(0x04, 0x08)); // learned: 0000 006D ...
        auto& frame = tv.AddPanel("Main").AddFrame(0, 0, 240, 100, "Top, \"left\"");
        frame.AddButton(10, 10, 40, 20, "Vol +").Actions().Code(code);
        tv.Actions(Key::Mute).Code(code);
        return ccf.Build();
    }
};

} // namespace

TEST_F(Exports, IRCodesCsvReadsBackWithQuotedNamesInUtf8AndTheCarrier) {
    CCFBuilder ccf(kelpie::fmtv2);
    const std::string file = PathOf("odd.ccf");
    WriteFile(file, RemoteWithOddNames(ccf));
    ASSERT_EQ(Run({"-q", "--ir-codes", "csv", file}), 0) << errors;
    EXPECT_FALSE(std::filesystem::exists(PathOf("odd.rtf"))); // exports alone: no report

    const auto records = Records(ReadCsv(ReadFile(PathOf("odd IR Codes.csv"))));
    ASSERT_EQ(records.size(), 2u);
    // The hard key comes before the panels, as in the IR codes report.
    EXPECT_EQ(records[0].at("sender"), "hard key");
    EXPECT_EQ(records[0].at("button"), "Mute");
    EXPECT_EQ(records[0].at("panel"), "");
    const auto& byButton = records[1];
    EXPECT_EQ(byButton.at("group"), "Home");
    EXPECT_EQ(byButton.at("device"), "TV");
    EXPECT_EQ(byButton.at("panel"), "Main");
    EXPECT_EQ(byButton.at("frame_path"), "Top, \"left\"");
    EXPECT_EQ(byButton.at("sender"), "button");
    EXPECT_EQ(byButton.at("button"), "Vol +");
    EXPECT_EQ(byButton.at("name"), "Caf\xC3\xA9");
    EXPECT_EQ(byButton.at("type_word"), "0000");
    EXPECT_EQ(byButton.at("scheme"), "pulse-width coding");
    EXPECT_EQ(byButton.at("reference_count"), "2");
    EXPECT_TRUE(std::regex_match(byButton.at("pronto_hex"), std::regex("0000 006D( [0-9A-F]{4})+")))
        << byButton.at("pronto_hex");
    EXPECT_EQ(byButton.at("carrier_hz"), "38029"); // 1,000,000 / (0x6D x 0.241246)
}

TEST_F(Exports, GraphAndIRCodesJsonReadBackAndMatchTheLoadedFile) {
    const std::filesystem::path sample =
        std::filesystem::path(KELPIE_SOURCE_DIR) / "samples" / "colour-v3.ccf";
    ASSERT_EQ(Run({"-q", "--json", "--output-dir", PathOf("out"), sample.string()}), 0) << errors;
    ASSERT_EQ(Run({"-q", "--ir-codes", "json", "-o", PathOf("codes.json"), sample.string()}), 0);
    const Json graph = Json::parse(ReadFile(PathOf("out/colour-v3.json")));
    const Json codes = Json::parse(ReadFile(PathOf("codes.json")));

    kelpie::CCFs files;
    files.SetNoticeHandler([](const std::string&) {});
    const kelpie::CCF& ccf = files.Add(sample.string());
    EXPECT_TRUE(graph["error"].is_null());
    EXPECT_EQ(graph["header"]["file_format"], "v3");
    EXPECT_EQ(graph["groups"]["devices"].size(),
              static_cast<std::size_t>(ccf.DevicesGroup().Count()));
    EXPECT_EQ(graph["ir_codes"].size(), static_cast<std::size_t>(ccf.IRCodes().Count()));
    EXPECT_EQ(graph["bytes"]["file_size"], ccf.CCFfile().FileSize());
    EXPECT_EQ(graph["bytes"]["kinds"][0]["kind"], "Header");
    EXPECT_FALSE(graph["timers"].empty());

    // Every action's target names a record the JSON lists.
    std::set<std::int64_t> codePositions;
    for (const Json& code : graph["ir_codes"])
        codePositions.insert(code["position"].get<std::int64_t>());
    std::size_t codeActions = 0;
    const std::function<void(const Json&)> visit = [&](const Json& node) {
        if (node.is_object() && node.contains("ir_code") && node["type"] == "code") {
            ++codeActions;
            EXPECT_TRUE(codePositions.count(node["ir_code"].get<std::int64_t>()));
        }
        if (node.is_structured())
            for (const Json& child : node)
                visit(child);
    };
    visit(graph["groups"]);
    EXPECT_GT(codeActions, 0u);

    EXPECT_TRUE(codes["error"].is_null());
    ASSERT_FALSE(codes["uses"].empty());
    EXPECT_TRUE(codes["uses"][0]["frame_path"].is_array());
    EXPECT_TRUE(codePositions.count(codes["uses"][0]["position"].get<std::int64_t>()));
}

// Names with quotes, backslashes and control characters, and an input path
// that is not UTF-8: the documents parse, hold the names as they were, have
// U+FFFD for the path's stray byte, and are laid out byte for byte as the
// JSON library writes what it parsed.
TEST_F(Exports, JsonOfOddNamesAndANonUtf8PathParsesAndKeepsTheLibrarysLayout) {
    CCFBuilder ccf(kelpie::fmtv2);
    RemoteWithOddNames(ccf);
    const std::string odd = "Tab\there \"q\" back\\slash \x01\x1F\x7F";
    ccf.AddDevice(Group::Devices, odd).AddPanel(odd).AddButton(0, 0, 20, 20, "\r\n\b\f");
    const std::string file = PathOf("odd\xFF.ccf");
    WriteFile(file, ccf.Build());
    ASSERT_EQ(Run({"-q", "--json", "-o", PathOf("graph.json"), file}), 0) << errors;
    ASSERT_EQ(Run({"-q", "--ir-codes", "json", "-o", PathOf("codes.json"), file}), 0) << errors;

    for (const char* name : {"graph.json", "codes.json"}) {
        const std::string text = ReadFile(PathOf(name));
        const auto parsed = nlohmann::ordered_json::parse(text);
        EXPECT_EQ(parsed.dump(2, ' ', false) + "\n", text) << name;
        EXPECT_EQ(parsed["file"], PathOf("odd\xEF\xBF\xBD.ccf")) << name;
    }
    const Json graph = Json::parse(ReadFile(PathOf("graph.json")));
    const Json& device = graph["groups"]["devices"][0];
    EXPECT_EQ(device["name"], odd);
    EXPECT_EQ(device["panels"][0]["name"], odd);
    EXPECT_EQ(device["panels"][0]["children"][0]["name"], "\r\n\b\f");
}

TEST_F(Exports, APartlyLoadedFileExportsWhatWasLoadedAndNamesTheError) {
    CCFBuilder ccf(kelpie::fmtv2);
    RemoteWithOddNames(ccf);
    ccf.Header().PosDeviceGroup = Ref<Device>(Raw(1000000)); // the home group loads first
    const std::string file = PathOf("broken.ccf");
    WriteFile(file, ccf.Build());

    EXPECT_EQ(Run({"-q", "-r", "full", "--ir-codes", "csv", "--json", "--byte-map",
                   PathOf("broken.png"), file}),
              1);
    EXPECT_EQ(errors.rfind(file + ": error: ", 0), 0u) << errors;
    EXPECT_FALSE(std::filesystem::exists(PathOf("broken.rtf"))); // reports keep all or nothing
    EXPECT_EQ(Records(ReadCsv(ReadFile(PathOf("broken IR Codes.csv")))).size(), 2u);
    const Json graph = Json::parse(ReadFile(PathOf("broken.json")));
    ASSERT_TRUE(graph["error"].is_string());
    EXPECT_NE(errors.find(graph["error"].get<std::string>()), std::string::npos);
    EXPECT_EQ(graph["groups"]["home"][0]["name"], "TV");
    EXPECT_TRUE(QImage(QString::fromStdString(PathOf("broken.png"))).width() == ByteMapWidth);
}

TEST_F(Exports, ByteMapColoursEachByteByItsRecordAndUnreadBytesRed) {
    CCFBuilder ccf(kelpie::fmtv1);
    ccf.AddDevice(Group::Home, "TV");
    ccf.AddRawBlock(std::vector<std::uint8_t>(600, 0x55)); // nothing points here
    const std::vector<std::uint8_t> bytes = ccf.Build();
    const std::string file = PathOf("map.ccf");
    WriteFile(file, bytes);
    ASSERT_EQ(Run({"-q", "--byte-map", PathOf("map.png"), file}), 0) << errors;

    const QImage map(QString::fromStdString(PathOf("map.png")));
    ASSERT_EQ(map.width(), ByteMapWidth);
    const int rows = static_cast<int>((bytes.size() + ByteMapWidth - 1) / ByteMapWidth);
    EXPECT_GT(map.height(), rows); // the legend lies below the map
    const auto colourOf = [&](std::int64_t pos) {
        return map.pixel(static_cast<int>(pos % ByteMapWidth),
                         static_cast<int>(pos / ByteMapWidth));
    };
    kelpie::CCFs files;
    files.SetNoticeHandler([](const std::string&) {});
    const kelpie::CCFfile& loaded = files.Add(file).CCFfile();
    EXPECT_EQ(colourOf(0), ByteMapColor(kelpie::mtypHeader));
    EXPECT_EQ(colourOf(73), ByteMapColor(kelpie::mtypHeader)); // the last byte of its 74
    std::int32_t length = 0;
    const std::int32_t unread = loaded.NextUnaccessedMemory(-1, length);
    ASSERT_GE(length, 600);
    EXPECT_EQ(colourOf(unread), ByteMapColor(UnaccountedColor));
    EXPECT_EQ(colourOf(unread + 599), ByteMapColor(UnaccountedColor));
    kelpie::CCFtypes type{};
    for (std::int32_t p = loaded.NextObject(-1, type); p != -1; p = loaded.NextObject(p, type))
        EXPECT_EQ(colourOf(p), ByteMapColor(type)) << p;
}

TEST_F(Exports, PicturesAsPngAndPanelsInTheChosenButtonState) {
    const std::filesystem::path sample =
        std::filesystem::path(KELPIE_SOURCE_DIR) / "samples" / "colour-v3.ccf";
    const std::string icons = PathOf("icons"), active = PathOf("active"),
                      selected = PathOf("selected");
    ASSERT_EQ(Run({"-q", "-o", PathOf("r.rtf"), "--image-format", "png", "--export-icons", icons,
                   "--export-panels", active, sample.string()}),
              0)
        << errors;
    ASSERT_EQ(Run({"-q", "-o", PathOf("r.rtf"), "--image-format=png", "--button-state",
                   "active-selected", "--export-panels", selected, sample.string()}),
              0);
    kelpie::CCFs files;
    files.SetNoticeHandler([](const std::string&) {});
    const kelpie::CCF& ccf = files.Add(sample.string());
    for (const kelpie::Icon& icon : ccf.Icons()) {
        if (icon.IconType() == kelpie::ictUnknown) continue;
        const QImage picture(
            QString::fromStdString(icons + "/icon-" + std::to_string(icon.Position()) + ".png"));
        EXPECT_EQ(picture.size(), QSize(icon.Width(), icon.Height())) << icon.Position();
    }
    bool anyDiffers = false;
    for (const auto& entry : std::filesystem::directory_iterator(active)) {
        const QImage drawn(QString::fromStdString(entry.path().string()));
        EXPECT_EQ(drawn.size(), QSize(240, 219));
        const QImage other(QString::fromStdString(
            (std::filesystem::path(selected) / entry.path().filename()).string()));
        anyDiffers = anyDiffers || drawn != other;
    }
    EXPECT_TRUE(anyDiffers); // the sample's buttons have distinct selected looks
}

TEST_F(Exports, BatchWritesEveryFileIntoTheOutputFolderAndFailsForAMissingOne) {
    const std::filesystem::path samples = std::filesystem::path(KELPIE_SOURCE_DIR) / "samples";
    const std::string out = PathOf("out");
    EXPECT_EQ(Run({"-q", "-r", "errors", "--json", "--byte-map", PathOf("maps"), "--output-dir",
                   out, (samples / "grey-v1.ccf").string(), PathOf("missing.ccf"),
                   (samples / "grey-v2.ccf").string()}),
              1);
    EXPECT_NE(errors.find("missing.ccf: error: "), std::string::npos) << errors;
    for (const char* name : {"grey-v1", "grey-v2"}) {
        EXPECT_TRUE(std::filesystem::exists(out + "/" + name + " Errors.rtf")) << name;
        EXPECT_TRUE(Json::parse(ReadFile(out + "/" + name + ".json"))["error"].is_null());
        EXPECT_FALSE(
            QImage(QString::fromStdString(PathOf("maps") + "/" + name + " Byte Map.png")).isNull());
    }
    EXPECT_FALSE(std::filesystem::exists(out + "/missing.json"));
}

TEST_F(Exports, UsageErrorsOfTheExports) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--ir-codes", "xml", "a.ccf"},
             {"--image-format", "gif", "a.ccf"},
             {"--button-state", "active-selected", "a.ccf"},
             {"-o", "x", "--json", "--ir-codes", "csv", "a.ccf"},
             {"-o", "x", "--output-dir", "d", "a.ccf"},
             {"-o", "x", "--byte-map", "m.png", "a.ccf"},
             {"--csv-raw", "a.ccf"},
         })
        EXPECT_EQ(Run(args), 2) << args[0] << " " << args[1];
}

// Names from a downloaded file must not run as spreadsheet formulas; plain
// numbers, lone signs and ordinary names stay as they are.
TEST(CsvCells, FormulasAreNeutralisedUnlessRaw) {
    const std::pair<const char*, const char*> cells[] = {
        {"=HYPERLINK(\"http://x\")", "\"'=HYPERLINK(\"\"http://x\"\")\""},
        {"+1+cmd|' /C calc'!A0", "'+1+cmd|' /C calc'!A0"},
        {"@SUM(A1:A9)", "'@SUM(A1:A9)"},
        {"-2+3", "'-2+3"},
        {"\tTab", "'\tTab"},
        {"\rCR", "\"'\rCR\""},
        {"-", "-"},
        {"+", "+"},
        {"Vol +", "Vol +"},
        {"-12", "-12"},
        {"+3.5", "+3.5"},
        {"TV, Mute", "\"TV, Mute\""},
    };
    for (const auto& [cell, written] : cells) {
        EXPECT_EQ(CsvField(cell), written) << cell;
        EXPECT_EQ(CsvField(cell, true).find('\''), std::string(cell).find('\'')) << cell;
    }
}

// Every code of the real file exports with the words its IR codes report lists.
TEST_F(Exports, RealFilesProntoHexMatchesItsIRCodesReport) {
    const std::filesystem::path real =
        std::filesystem::path(KELPIE_SHARED_TESTDATA) / "real" / "2002-10-17.ccf";
    if (!std::filesystem::exists(real)) GTEST_SKIP() << "no real file at " << real;
    ASSERT_EQ(Run({"-q", "-r", "ircodes", "--ir-codes", "csv", "--output-dir", PathOf("real"),
                   real.string()}),
              0)
        << errors;
    // The report: after "Position: P" of an IR code block and its size lines
    // come lines of four-digit words.
    std::map<std::int64_t, std::string> reported;
    std::istringstream report(ReadFile(PathOf("real/2002-10-17 IR Codes.rtf")));
    const std::regex words("(?:[0-9A-F]{4} )+");
    std::int64_t position = -1;
    bool inData = false;
    for (std::string line; std::getline(report, line);) {
        line = std::regex_replace(line, std::regex("^\\\\par\\s*|\\s*$"), "");
        if (line.rfind("Position: ", 0) == 0) {
            position = std::stoll(line.substr(10));
            inData = false;
        } else if (line.rfind("IR Code Size: ", 0) == 0) {
            inData = position >= 0;
            reported[position].clear(); // a code used again repeats its block
        } else if (inData && std::regex_match(line + " ", words)) {
            std::string& data = reported[position];
            data += (data.empty() ? "" : " ") + line;
        } else {
            inData = false;
        }
    }
    const auto records = Records(ReadCsv(ReadFile(PathOf("real/2002-10-17 IR Codes.csv"))));
    ASSERT_FALSE(reported.empty());
    std::set<std::int64_t> exported;
    for (const auto& record : records) {
        const std::int64_t at = std::stoll(record.at("position"));
        exported.insert(at);
        if (record.at("sender") == "timer start" || record.at("sender") == "timer end") continue;
        ASSERT_TRUE(reported.count(at)) << at;
        EXPECT_EQ(record.at("pronto_hex"), reported.at(at)) << at;
    }
    for (const auto& [at, data] : reported)
        EXPECT_TRUE(exported.count(at)) << at;
}
