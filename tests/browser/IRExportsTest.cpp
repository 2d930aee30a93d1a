// The IR code exports for today's IR hardware, read back by readers written
// here from each format's public description: the CSV (RFC 4180) and JSON
// with their decoded columns, the Flipper Zero's "IR signals file" (key:
// value lines, a "#" line before each button) and lircd.conf (begin/end
// blocks of white-space separated words, "#" lines as comments). The
// samples' exports are checked against their Pronto data; their bytes are
// kept in tests/golden.
#include "CsvReader.h"
#include "CommandBrowser.h"

#include "exports/FlipperExport.h"
#include "exports/LircExport.h"
#include "support/CCFBuilder.h"
#include "support/ProntoCodes.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <sstream>

using namespace vantor;
using namespace vantor::testing;
using namespace kelpie::builder;
using Json = nlohmann::json;
namespace fs = std::filesystem;

namespace {

// --- Pronto hex, from its public description -------------------------------
// Words of four hex digits. A learned code (first word 0000) has the carrier
// period in units of 0.241246 us as its second word, the once and repeat
// pair counts as its third and fourth, then the pairs in carrier periods.
struct ProntoSignal {
    std::vector<double> Once, Repeat; // microseconds
};

std::vector<unsigned> Words(const std::string& hex) {
    std::vector<unsigned> words;
    std::istringstream in(hex);
    std::string word;
    while (in >> word)
        words.push_back(static_cast<unsigned>(std::stoul(word, nullptr, 16)));
    return words;
}

ProntoSignal LearnedSignal(const std::vector<unsigned>& w) {
    const double period = w[1] * 0.241246;
    ProntoSignal signal;
    for (std::size_t i = 0; i < 2 * w[2]; ++i)
        signal.Once.push_back(w[4 + i] * period);
    for (std::size_t i = 0; i < 2 * w[3]; ++i)
        signal.Repeat.push_back(w[4 + 2 * w[2] + i] * period);
    return signal;
}

std::vector<long> Rounded(const Json& list) {
    std::vector<long> numbers;
    for (const Json& n : list)
        numbers.push_back(n.get<long>());
    return numbers;
}

// One press as the Flipper and LIRC formats send it: once then repeat,
// without the closing gap.
std::vector<long> Press(const Json& signal) {
    std::vector<long> press = Rounded(signal["once_us"]);
    for (const long d : Rounded(signal["repeat_us"]))
        press.push_back(d);
    if (press.size() % 2 == 0 && !press.empty()) press.pop_back();
    return press;
}

// --- Flipper Zero IR signals file ------------------------------------------
struct FlipperFile {
    std::map<std::string, std::string> Header;
    std::vector<std::map<std::string, std::string>> Buttons;
};

FlipperFile ReadFlipper(const std::string& text) {
    FlipperFile file;
    std::istringstream in(text);
    std::string line;
    std::map<std::string, std::string>* block = &file.Header;
    while (std::getline(in, line)) {
        EXPECT_EQ(line.find('\r'), std::string::npos);
        if (line == "#") {
            file.Buttons.emplace_back();
            block = &file.Buttons.back();
            continue;
        }
        const auto colon = line.find(": ");
        EXPECT_NE(colon, std::string::npos) << line;
        if (colon == std::string::npos) continue;
        EXPECT_TRUE(block->emplace(line.substr(0, colon), line.substr(colon + 2)).second) << line;
    }
    return file;
}

// --- lircd.conf --------------------------------------------------------------
struct LircRemote {
    std::map<std::string, std::string> Parameters;
    std::vector<std::pair<std::string, std::vector<long>>> Codes;
};

std::vector<LircRemote> ReadLirc(const std::string& text) {
    std::vector<std::string> words;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.starts_with("#")) continue;
        std::istringstream in(line);
        std::string word;
        while (in >> word)
            words.push_back(word);
    }
    std::vector<LircRemote> remotes;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (words[i] == "begin" && words[i + 1] == "remote") {
            remotes.emplace_back();
            ++i;
        } else if (words[i] == "begin" && words[i + 1] == "raw_codes") {
            for (i += 2; words[i] != "end"; ++i) {
                if (words[i] == "name") {
                    remotes.back().Codes.push_back({words[++i], {}});
                } else {
                    remotes.back().Codes.back().second.push_back(std::stol(words[i]));
                }
            }
            EXPECT_EQ(words[++i], "raw_codes");
        } else if (words[i] == "end") {
            EXPECT_EQ(words[++i], "remote");
        } else {
            remotes.back().Parameters[words[i]] = words[i + 1];
            ++i;
        }
    }
    return remotes;
}

using IRExports = CommandBrowser;

const std::set<std::string> FlipperProtocols = {"NEC", "NECext",    "NEC42", "RC5",    "RC5X",
                                                "RC6", "Samsung32", "SIRC",  "SIRC15", "SIRC20"};

} // namespace

// Every sample exported in the four formats: the CSV and the JSON agree and
// match the Pronto data, and the Flipper files and the lircd.conf send what
// the JSON says, device by device, each distinct code once.
TEST_F(IRExports, SamplesReadBackInEveryFormat) {
    for (const char* name : {"grey-v1", "grey-v2", "colour-v3"}) {
        SCOPED_TRACE(name);
        const std::string sample =
            (fs::path(KELPIE_SOURCE_DIR) / "samples" / (std::string(name) + ".ccf")).string();
        const std::string out = PathOf(name);
        for (const char* format : {"csv", "json", "flipper", "lirc"})
            ASSERT_EQ(Run({"-q", "--ir-codes", format, "--output-dir", out, sample}), 0) << errors;
        const std::string base = (fs::path(out) / name).string();
        const auto rows = Records(ReadCsv(ReadFile(base + " IR Codes.csv")));
        const Json uses = Json::parse(ReadFile(base + " IR Codes.json"))["uses"];
        ASSERT_EQ(rows.size(), uses.size());

        // Per device, its distinct codes in the order of first use: what its
        // Flipper file and LIRC remote hold.
        std::vector<std::pair<std::string, std::vector<const Json*>>> devices;
        std::set<std::pair<std::string, std::string>> seen;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const auto& row = rows[i];
            const Json& use = uses[i];
            for (const char* column : {"ir_protocol", "ir_fit", "ir_reason"})
                EXPECT_EQ(row.at(column),
                          use[column].is_null() ? "" : use[column].get<std::string>());
            for (const char* column : {"ir_device", "ir_subdevice", "ir_function"})
                EXPECT_EQ(row.at(column),
                          use[column].is_null() ? "" : std::to_string(use[column].get<long>()));

            const std::vector<unsigned> words = Words(row.at("pronto_hex"));
            const Json& signal = use["ir_signal"];
            if (words[0] == 0x5000) { // RC5 as numbers: system, command
                EXPECT_EQ(row.at("ir_protocol"), "RC5");
                EXPECT_EQ(row.at("ir_device"), std::to_string(words[4]));
                EXPECT_EQ(row.at("ir_function"), std::to_string(words[5]));
                EXPECT_EQ(row.at("ir_fit"), "exact");
            } else if (words[0] == 0x0000) {
                const ProntoSignal pronto = LearnedSignal(words);
                EXPECT_EQ(signal["carrier_hz"].get<long>(), std::stol(row.at("carrier_hz")));
                for (const auto& [key, expected] :
                     {std::pair{"once_us", &pronto.Once}, std::pair{"repeat_us", &pronto.Repeat}}) {
                    const std::vector<long> got = Rounded(signal[key]);
                    ASSERT_EQ(got.size(), expected->size()) << key;
                    for (std::size_t d = 0; d < got.size(); ++d)
                        EXPECT_NEAR(got[d], (*expected)[d], 1.0) << key << " " << d;
                }
            }
            if (row.at("ir_protocol") == "unknown") {
                EXPECT_NE(row.at("ir_reason"), "");
            }
            const std::string device =
                row.at("group") == "Macro Recording" ? "Macro Recording" : row.at("device");
            if (devices.empty() || devices.back().first != device) {
                const auto known =
                    std::ranges::find(devices, device, &decltype(devices)::value_type::first);
                if (known == devices.end()) devices.push_back({device, {}});
            }
            if (seen.insert({device, row.at("pronto_hex")}).second)
                std::ranges::find(devices, device, &decltype(devices)::value_type::first)
                    ->second.push_back(&use);
        }

        // The samples' device names are ASCII and distinct: each file is named
        // by the file name rule alone.
        const auto remotes = ReadLirc(ReadFile(base + ".lircd.conf"));
        ASSERT_EQ(remotes.size(), devices.size());
        for (std::size_t r = 0; r < devices.size(); ++r) {
            const auto& [device, codes] = devices[r];
            SCOPED_TRACE(device);
            const FlipperFile flipper = ReadFlipper(ReadFile(
                (fs::path(base + " Flipper") / (FlipperFileName(device) + ".ir")).string()));
            EXPECT_EQ(flipper.Header.at("Filetype"), "IR signals file");
            EXPECT_EQ(flipper.Header.at("Version"), "1");
            ASSERT_EQ(flipper.Buttons.size(), codes.size());
            const LircRemote& remote = remotes[r];
            EXPECT_EQ(remote.Parameters.at("flags"), "RAW_CODES");
            ASSERT_EQ(remote.Codes.size(), codes.size());
            std::set<std::string> names;
            for (std::size_t c = 0; c < codes.size(); ++c) {
                const Json& use = *codes[c];
                const auto& button = flipper.Buttons[c];
                EXPECT_TRUE(names.insert(button.at("name")).second) << button.at("name");
                EXPECT_TRUE(std::regex_match(button.at("name"), std::regex("[ -~]+")));
                const std::vector<long> press = Press(use["ir_signal"]);
                if (button.at("type") == "parsed") {
                    EXPECT_TRUE(FlipperProtocols.contains(button.at("protocol")));
                    // The protocols the samples use (NEC, RC5, RC5X) send the
                    // device as the address; RC5X the function's lower six bits.
                    const auto function = use["ir_function"].get<std::uint32_t>();
                    EXPECT_EQ(button.at("address"),
                              FlipperHex(use["ir_device"].get<std::uint32_t>()));
                    EXPECT_EQ(
                        button.at("command"),
                        FlipperHex(button.at("protocol") == "RC5X" ? function & 0x3F : function));
                } else {
                    EXPECT_EQ(button.at("type"), "raw");
                    EXPECT_EQ(button.at("frequency"),
                              std::to_string(use["ir_signal"]["carrier_hz"].get<long>()));
                    EXPECT_EQ(button.at("duty_cycle"), "0.330000");
                    std::vector<long> data;
                    std::istringstream in(button.at("data"));
                    for (long d; in >> d;)
                        data.push_back(d);
                    EXPECT_EQ(data, press);
                }
                const auto& [lircName, durations] = remote.Codes[c];
                EXPECT_TRUE(std::regex_match(lircName, std::regex("[A-Za-z0-9_.+-]+"))) << lircName;
                EXPECT_EQ(durations, press);
                EXPECT_EQ(durations.size() % 2, 1u);
            }
        }
    }
}

// The Flipper's parsed forms: its field layouts, and the codes it cannot
// send parsed.
TEST(FlipperForms, CommandsAsAddressAndCommandBytes) {
    using kelpie::ir::Protocol;
    struct Case {
        kelpie::ir::Command Command;
        const char* Protocol; // nullptr: raw
        const char* Address;
        const char* Command_;
    };
    const Case cases[] = {
        {{Protocol::NEC1, 4, {}, 8}, "NEC", "04 00 00 00", "08 00 00 00"},
        {{Protocol::NEC2, 0x40, {}, 0x12}, "NEC", "40 00 00 00", "12 00 00 00"},
        {{Protocol::NECx, 0xEE, 0x87, 0x5D}, "NECext", "EE 87 00 00", "5D A2 00 00"},
        {{Protocol::Sony12, 1, {}, 21}, "SIRC", "01 00 00 00", "15 00 00 00"},
        {{Protocol::Sony15, 0x97, {}, 0x7F}, "SIRC15", "97 00 00 00", "7F 00 00 00"},
        {{Protocol::Sony20, 0x1A, 0xB3, 0x05}, "SIRC20", "7A 16 00 00", "05 00 00 00"},
        {{Protocol::RC5, 0, {}, 12, 1}, "RC5", "00 00 00 00", "0C 00 00 00"},
        {{Protocol::RC5, 20, {}, 70}, "RC5X", "14 00 00 00", "06 00 00 00"},
        {{Protocol::RC6, 4, {}, 0x0C}, "RC6", "04 00 00 00", "0C 00 00 00"},
        {{Protocol::Samsung32, 7, 7, 2}, "Samsung32", "07 00 00 00", "02 00 00 00"},
        {{Protocol::Samsung32, 7, 8, 2}, nullptr, "", ""},
        {{Protocol::RC5x, 1, 2, 3}, nullptr, "", ""},
        {{Protocol::RC6_6_32, 0x80, 0x0F, 0x0C}, nullptr, "", ""},
        {{Protocol::Pioneer, 1, {}, 2}, nullptr, "", ""},
        {{Protocol::JVC, 3, {}, 4}, nullptr, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(kelpie::ir::InfoOf(c.Command.Protocol).Name);
        const auto parsed = FlipperParsedOf(c.Command);
        ASSERT_EQ(parsed.has_value(), c.Protocol != nullptr);
        if (!parsed) continue;
        EXPECT_STREQ(parsed->Protocol, c.Protocol);
        EXPECT_EQ(FlipperHex(parsed->Address), c.Address);
        EXPECT_EQ(FlipperHex(parsed->Command), c.Command_);
    }
}

TEST(IRExportNames, FileAndLircNamesFromWindows1252) {
    const std::pair<const char*, const char*> files[] = {
        {"TV", "TV"},           {"Sat/Cable: 2", "Sat_Cable_ 2"},         {" ..Amp.. ", "Amp"},
        {"T\xE9l\xE9", "Tele"}, {"a*b?c\"d<e>f|g\\h", "a_b_c_d_e_f_g_h"}, {"", "Device"},
        {"...", "Device"}};
    for (const auto& [device, file] : files)
        EXPECT_EQ(FlipperFileName(device), file) << device;
    EXPECT_EQ(FlipperFileName(std::string(80, 'x')), std::string(60, 'x'));

    const std::pair<const char*, const char*> lirc[] = {{"Vol +", "Vol_+"},
                                                        {"Ch-", "Ch-"},
                                                        {"Stra\xDF"
                                                         "e #1",
                                                         "Strasse__1"},
                                                        {"\x95\x95", ""},
                                                        {"", ""}};
    for (const auto& [name, word] : lirc)
        EXPECT_EQ(LircName(name), word) << name;
}

// Devices that share a name, names that are no file names, buttons that share
// a name or have none, and one code sent by a key and a button: files and
// buttons stay distinct, each signal once.
TEST_F(IRExports, NamesStayDistinctAndEachSignalIsWrittenOnce) {
    CCFBuilder ccf(kelpie::fmtv2);
    auto& nec = ccf.AddIRCode("Amp Power", NecCode(0x04, 0x08));
    auto& rc5 = ccf.AddIRCode("TV \xC9teindre", Rc5Code(0, 12));
    auto& other = ccf.AddIRCode("Mute", Rc5Code(0, 13));
    auto& broken = ccf.AddIRCode("Broken", {0x0000, 0x006D, 0x0003, 0x0000, 0x0010}); // too short
    for (const char* device : {"TV", "TV", "Sat/Cable"}) {
        auto& tv = ccf.AddDevice(Group::Devices, device);
        tv.Actions(Key::Mute).Code(rc5);
        auto& panel = tv.AddPanel("Main");
        panel.AddButton(0, 0, 40, 20, "Mute").Actions().Code(rc5); // the key's code again
        panel.AddButton(0, 30, 40, 20, "Mute").Actions().Code(nec);
        panel.AddButton(0, 60, 40, 20, "").Actions().Code(other);
    }
    ccf.AddDevice(Group::Macros, "Sat/Cable")
        .AddPanel("Broken")
        .AddButton(0, 0, 40, 20, "Broken")
        .Actions()
        .Code(broken);
    const std::string file = PathOf("names.ccf");
    WriteFile(file, ccf.Build());
    // A malformed code is left out of both, with a notice.
    ASSERT_EQ(Run({"--ir-codes", "flipper", file}), 0) << errors;
    EXPECT_NE(errors.find("Sat_Cable_2.ir: left out button Broken"), std::string::npos) << errors;
    ASSERT_EQ(Run({"--ir-codes", "lirc", file}), 0) << errors;
    EXPECT_NE(errors.find("remote Sat_Cable_2: left out button Broken: malformed code"),
              std::string::npos)
        << errors;

    std::set<std::string> files;
    for (const auto& entry : fs::directory_iterator(PathOf("names Flipper")))
        files.insert(entry.path().filename().string());
    EXPECT_EQ(files, (std::set<std::string>{"TV.ir", "TV_2.ir", "Sat_Cable.ir", "Sat_Cable_2.ir"}));
    EXPECT_TRUE(ReadFlipper(ReadFile(PathOf("names Flipper/Sat_Cable_2.ir"))).Buttons.empty());
    const FlipperFile tv = ReadFlipper(ReadFile(PathOf("names Flipper/TV_2.ir")));
    std::vector<std::string> names;
    for (const auto& button : tv.Buttons)
        names.push_back(button.at("name"));
    EXPECT_EQ(names, (std::vector<std::string>{"Mute", "Mute_2", "Mute_3"}));

    const auto remotes = ReadLirc(ReadFile(PathOf("names.lircd.conf")));
    ASSERT_EQ(remotes.size(), 4u);
    EXPECT_EQ(remotes[0].Parameters.at("name"), "TV");
    EXPECT_EQ(remotes[1].Parameters.at("name"), "TV_2");
    EXPECT_EQ(remotes[2].Parameters.at("name"), "Sat_Cable");
    EXPECT_EQ(remotes[2].Codes.size(), 3u);
    EXPECT_EQ(remotes[2].Parameters.at("frequency"),
              "36045"); // two RC5 codes (divisor 0x73), one NEC
}
