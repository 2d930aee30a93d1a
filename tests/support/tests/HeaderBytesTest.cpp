// The header the builder writes, byte by byte against the header layout, in
// the three formats, with its CRC words.
#include "ExpectedBytes.h"
#include "ReaderWalk.h"
#include "support/CCFBuilder.h"
#include "support/Checksum.h"

#include "file/basCCFRoutines.h"

#include <gtest/gtest.h>

using namespace kelpie;
using namespace kelpie::builder;
using namespace kelpie::builder::expected;

namespace {

// The header fields from offset 0 to 35 as the builder's defaults have them,
// with the given CRC position.
Bytes DefaultHeadTo35(std::uint32_t posCRC1) {
    return Cat({
        L(0),                            // 0  version-string position: none
        L(0),                            // 4  Filler1
        S("@\xA5Z@_CCF"),                // 8  ID1, 8 characters
        L(posCRC1),                      // 16 PosCRC1
        W(2003),                         // 20 year
        B(5), B(20),                     // 22 month, 23 day
        B(0),                            // 24 Filler2
        B(18), B(30), B(0),              // 25 hour, 26 minute, 27 second
        L(0),                            // 28 Filler3
        S(std::string_view("CCF\0", 4)), // 32 ID2, 4 characters
    });
}

} // namespace

TEST(BuilderHeader, EmptyFmtv2FileIsHeaderAndCrc) {
    CCFBuilder ccf(fmtv2);
    const auto bytes = ccf.Build();
    const auto expected = Cat({
        DefaultHeadTo35(74), W(2), W(1), // 36 Version1 2, 38 Version2 1: fmtv2
        L(74),                           // 40 PosCRC2: the same word as CRC1
        L(64),                           // 44 Version3
        L(0), L(0), L(0),                // 48 home, 52 devices, 56 macros group: empty
        L(0),                            // 60 PosNextTimer
        L(0),                            // 64 attributes
        L(0),                            // 68 PosSpecialPanels
        W(0),                            // 72 Filler4
        W(0x5427), // 74 CRC1 = CRC-16/XMODEM of bytes 0 to 73 (worked out apart)
    });
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(ccf.PosCRC1(), 74);
    EXPECT_EQ(ccf.PosCRC2(), 74);
    EXPECT_EQ(ccf.StoredCRC1(), 0x5427);
    EXPECT_EQ(ccf.Header().Position(), 0);
    EXPECT_EQ(ccf.Header().Size(), 74);
}

TEST(BuilderHeader, Fmtv1HasVersionWordsZeroAndOne) {
    CCFBuilder ccf(fmtv1);
    const auto bytes = ccf.Build();
    EXPECT_EQ(ccf.Format(), fmtv1);
    EXPECT_EQ(Slice(bytes, 36, 4), Cat({W(0), W(1)})); // Version1 0, Version2 1
    ASSERT_EQ(bytes.size(), 76u);                      // 74-byte header, CRC word
    EXPECT_EQ(Slice(bytes, 74, 2), W(basCCFRoutines::CRC16(bytes.data(), 74)));
}

TEST(BuilderHeader, FmtV3HeaderEndsWithRFChannel) {
    CCFBuilder ccf(fmtV3);
    ccf.Header().RFChannel = 0x0102;
    const auto bytes = ccf.Build();
    const auto expected = Cat({
        DefaultHeadTo35(76), W(0), W(2), // 36 Version1 0, 38 Version2 2: fmtV3
        L(76),                           // 40 PosCRC2
        L(64),                           // 44 Version3
        L(0), L(0), L(0),                // 48-59 the three groups
        L(0),                            // 60 PosNextTimer
        L(0), L(0),                      // 64 attributes, 68 PosSpecialPanels
        W(0),                            // 72 Filler4
        W(0x0102),                       // 74 RFChannel: fmtV3 only
    });
    ASSERT_EQ(bytes.size(), 78u);
    EXPECT_EQ(Slice(bytes, 0, 76), expected);
    EXPECT_EQ(Slice(bytes, 76, 2), W(basCCFRoutines::CRC16(bytes.data(), 76)));
    EXPECT_EQ(ccf.Header().Size(), 76);
}

TEST(BuilderHeader, RFChannelIsNotWrittenInGreyFormats) {
    CCFBuilder ccf(fmtv2);
    ccf.Header().RFChannel = 7;
    EXPECT_EQ(ccf.Build().size(), 76u); // 74 + CRC: no RFChannel word
}

TEST(BuilderHeader, EveryPlainFieldLandsAtItsOffset) {
    CCFBuilder ccf(fmtv2);
    auto& h = ccf.Header();
    h.Filler1 = 0x01020304;
    h.ID1 = "ABCDEFGHIJ"; // cut to 8
    h.Year = 2001;
    h.Month = 12;
    h.Day = 31;
    h.Filler2 = 0xEE;
    h.Hour = 23;
    h.Minute = 59;
    h.Second = 58;
    h.Filler3 = -2;
    h.ID2 = "XY"; // padded to 4
    h.Version1 = 3;
    h.Version3 = 61;
    h.Attributes = cfgFactoryDefault | cfgHomeWriteProtected;
    h.Filler4 = 0x0A0B;
    const auto bytes = ccf.Build();
    EXPECT_EQ(Slice(bytes, 4, 4), L(0x01020304)); // Filler1
    EXPECT_EQ(Slice(bytes, 8, 8), S("ABCDEFGH")); // ID1
    EXPECT_EQ(Slice(bytes, 20, 8), Cat({W(2001), B(12), B(31), B(0xEE), B(23), B(59), B(58)}));
    EXPECT_EQ(Slice(bytes, 28, 4), L(0xFFFFFFFE));              // Filler3
    EXPECT_EQ(Slice(bytes, 32, 4), Cat({S("XY"), B(0), B(0)})); // ID2
    EXPECT_EQ(Slice(bytes, 36, 2), W(3));                       // Version1
    EXPECT_EQ(Slice(bytes, 44, 4), L(61));                      // Version3
    EXPECT_EQ(Slice(bytes, 64, 4), L(5));                       // attributes (not swapped at 61)
    EXPECT_EQ(Slice(bytes, 72, 2), W(0x0A0B));                  // Filler4
}

TEST(BuilderHeader, Version3SixtySwapsAttributesAndSpecialPanels) {
    for (const std::int32_t version3 : {60, 61}) {
        CCFBuilder ccf(fmtv1);
        ccf.Header().Version3 = version3;
        ccf.Header().Attributes = cfgWriteProtected;
        auto& panel = ccf.AddSpecialPanel("macro");
        const auto bytes = ccf.Build();
        const Bytes attributes = L(2), special = L(static_cast<std::uint32_t>(panel.Position()));
        if (version3 == 60) {
            EXPECT_EQ(Slice(bytes, 64, 4), special);    // 64 PosSpecialPanels
            EXPECT_EQ(Slice(bytes, 68, 4), attributes); // 68 attributes
        } else {
            EXPECT_EQ(Slice(bytes, 64, 4), attributes);
            EXPECT_EQ(Slice(bytes, 68, 4), special);
        }
        readers::DecodedFile file(bytes);
        EXPECT_EQ(file.Header.Attributes, 2) << "Version3 " << version3;
        EXPECT_EQ(file.Header.PosSpecialPanels, panel.Position()) << "Version3 " << version3;
    }
}

TEST(BuilderHeader, VersionStringIsANameRecord) {
    CCFBuilder ccf(fmtv2);
    ccf.Header().VersionString = "2002-10-17";
    const auto bytes = ccf.Build();
    const auto at = ccf.Header().VersionString.Position();
    EXPECT_EQ(at, 74); // the names region follows the header when there are no icons
    EXPECT_EQ(Slice(bytes, 0, 4), L(74));
    EXPECT_EQ(Slice(bytes, at, 11), Cat({B(10), S("2002-10-17")}));
    EXPECT_EQ(readers::DecodedFile(bytes).VersionString, "2002-10-17");
}

TEST(BuilderHeader, GroupPositionsAreTheFirstDevicesOfTheChains) {
    CCFBuilder ccf(fmtv2);
    auto& home = ccf.AddDevice(Group::Home, "HOME");
    auto& tv = ccf.AddDevice(Group::Devices, "TV");
    ccf.AddDevice(Group::Devices, "Amp");
    auto& macro = ccf.AddDevice(Group::Macros, "Movie");
    auto& timer = ccf.AddTimer();
    ccf.Header().PosNextTimer = timer;
    const auto bytes = ccf.Build();
    EXPECT_EQ(Slice(bytes, 48, 16), Cat({
                                        L(home.Position()),  // 48 PosHomeGroup
                                        L(tv.Position()),    // 52 PosDeviceGroup
                                        L(macro.Position()), // 56 PosMacroGroup
                                        L(timer.Position()), // 60 PosNextTimer
                                    }));
}

TEST(BuilderHeader, OddEndIsPaddedWithFFBeforeTheCrc) {
    CCFBuilder ccf(fmtv2);
    ccf.Header().VersionString = "ab"; // 74 + 3 bytes: the records end at 77
    const auto bytes = ccf.Build();
    ASSERT_EQ(bytes.size(), 80u);
    EXPECT_EQ(bytes[77], 0xFF); // the pad real files have
    EXPECT_EQ(ccf.PosCRC1(), 78);
    EXPECT_EQ(Slice(bytes, 16, 4), L(78));
    EXPECT_EQ(Slice(bytes, 78, 2), W(basCCFRoutines::CRC16(bytes.data(), 78)));
}

TEST(BuilderHeader, CrcMatchesTheLibrary) {
    for (const auto format : {fmtv1, fmtv2, fmtV3}) {
        CCFBuilder ccf(format);
        auto& tv = ccf.AddDevice(Group::Devices, "TV");
        tv.AddPanel("Main").AddButton(10, 10, 40, 20, "Power");
        const auto bytes = ccf.Build();
        readers::DecodedFile file(bytes);
        EXPECT_EQ(file.StoredCRC1, file.File.ComputeCRC(file.Header.PosCRC1)) << format;
        EXPECT_EQ(file.StoredCRC2, file.StoredCRC1) << format;
        EXPECT_EQ(file.Header.PosCRC1 + 2, static_cast<std::int32_t>(bytes.size())) << format;
    }
}

TEST(BuilderHeader, CrcCanBeSwitchedOff) {
    CCFBuilder ccf(fmtv2);
    ccf.Header().CRC1 = Crc::Off();
    ccf.Header().CRC2 = Crc::Off();
    const auto bytes = ccf.Build();
    ASSERT_EQ(bytes.size(), 74u);         // no CRC word
    EXPECT_EQ(Slice(bytes, 16, 4), L(0)); // PosCRC1: none
    EXPECT_EQ(Slice(bytes, 40, 4), L(0)); // PosCRC2: none
    EXPECT_EQ(ccf.StoredCRC1(), 0);
}

TEST(BuilderHeader, Crc2CanHaveAWordOfItsOwn) {
    CCFBuilder ccf(fmtv2);
    ccf.Header().CRC2 = Crc::AtEnd();
    const auto bytes = ccf.Build();
    ASSERT_EQ(bytes.size(), 78u);
    const auto crc = basCCFRoutines::CRC16(bytes.data(), 74);
    EXPECT_EQ(Slice(bytes, 16, 4), L(74));                 // PosCRC1
    EXPECT_EQ(Slice(bytes, 40, 4), L(76));                 // PosCRC2: the next word
    EXPECT_EQ(Slice(bytes, 74, 4), Cat({W(crc), W(crc)})); // CRC2 is a copy of CRC1
}

TEST(BuilderHeader, CrcAtAChosenPositionCoversTheBytesBeforeIt) {
    CCFBuilder ccf(fmtv2);
    auto& block = ccf.AddRawBlock(Bytes(10, 0x11));
    ccf.Header().CRC1 = Crc::AtPosition(80); // inside the raw block
    const auto bytes = ccf.Build();
    EXPECT_EQ(block.Position(), 74);
    ASSERT_EQ(bytes.size(), 84u); // no word appended
    EXPECT_EQ(Slice(bytes, 16, 4), L(80));
    EXPECT_EQ(Slice(bytes, 40, 4), L(80)); // CRC2 still shares CRC1's word
    EXPECT_EQ(Slice(bytes, 80, 2), W(basCCFRoutines::CRC16(bytes.data(), 80)));
    EXPECT_EQ(Slice(bytes, 82, 2), Bytes(2, 0x11));
}

TEST(BuilderHeader, CrcBeyondTheFileIsOnlyAPosition) {
    CCFBuilder ccf(fmtv2);
    ccf.Header().CRC1 = Crc::AtPosition(1000);
    const auto bytes = ccf.Build();
    ASSERT_EQ(bytes.size(), 74u);
    EXPECT_EQ(Slice(bytes, 16, 4), L(1000));
}

TEST(BuilderHeader, StoredCrcValuesCanBeWrong) {
    CCFBuilder ccf(fmtv2);
    ccf.Header().CRC1.Value = 0xBEEF;
    ccf.Header().CRC2 = Crc::AtEnd();
    ccf.Header().CRC2.Value = 0x1234;
    const auto bytes = ccf.Build();
    EXPECT_EQ(Slice(bytes, 74, 4), Cat({W(0xBEEF), W(0x1234)}));
}

TEST(BuilderHeader, CrcIsXmodem) {
    const std::string check = "123456789"; // the check input of CRC catalogues
    EXPECT_EQ(Crc16Xmodem(reinterpret_cast<const std::uint8_t*>(check.data()), check.size()),
              0x31C3);
}

TEST(BuilderHeader, FormatFollowsTheVersionWords) {
    CCFBuilder ccf(fmtv1);
    EXPECT_EQ(ccf.Format(), fmtv1);
    ccf.Header().Version1 = 3;
    EXPECT_EQ(ccf.Format(), fmtv2);
    ccf.Header().Version2 = 2;
    EXPECT_EQ(ccf.Format(), fmtV3);
    EXPECT_EQ(ccf.Build().size(), 78u); // a 76-byte header now
    ccf.SetRecordFormat(fmtv1);         // a header that lies about its records
    EXPECT_EQ(ccf.Format(), fmtv1);
    EXPECT_EQ(ccf.Build().size(), 76u);
}
