// The decoder over a user's configuration file (not made by this project):
// how many of its IR codes each protocol claims. Skipped where the shared
// test data are not present.
#include <kelpie/ir/Decode.h>
#include <kelpie/model/CCFs.h>
#include <kelpie/model/IRCodes.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

using namespace kelpie;

TEST(RealFileDecode, ProtocolsClaimTheirCodes) {
    const std::string path = std::string(KELPIE_SHARED_TESTDATA) + "/real/2002-10-17.ccf";
    if (!std::filesystem::exists(path)) GTEST_SKIP() << "no shared test data at " << path;
    CCFs files;
    files.SetNoticeHandler([](const std::string&) {});
    const CCF& ccf = files.Add(path);
    std::map<std::string, int> claimed;
    for (std::int32_t i = 1; i <= ccf.IRCodes().Count(); ++i) {
        const ir::Decoded decoded = ir::Decode(ccf.IRCodes().Item(i).IRCodeData());
        ++claimed[decoded.Known()     ? ir::InfoOf(decoded.Command->Protocol).Name
                  : decoded.Malformed ? "malformed"
                                      : "unknown"];
    }
    // 186 RC5 and 10 RC6 codes are predefined; the rest were learned. The
    // unknown ones are a power switch's, a satellite receiver's, a toy's
    // and two-part Pioneer codes.
    const std::map<std::string, int> expected{{"NEC1", 53},    {"NECx", 19}, {"Pioneer", 11},
                                              {"RC5", 186},    {"RC6", 10},  {"Sony12", 41},
                                              {"unknown", 183}};
    EXPECT_EQ(claimed, expected);
}
