// The header object: members read from the header, the stored and the
// recomputed CRC, the modification date, the attribute flags, the home icon.
#include "file/CCF.h"

#include "ExpectError.h"
#include "file/HeaderImage.h"
#include "file/NoticeLog.h"
#include "file/basCCFRoutines.h"
#include "model/Devices.h"
#include "model/Icons.h"

#include <gtest/gtest.h>

using namespace kelpie;

namespace {

class CCFTest : public ::testing::Test {
protected:
    void Open(const BigEndianBytes& bytes) { ccf.OpenBytes("header.ccf", bytes.Bytes()); }

    NoticeLog log;
    CCF ccf{log.Handler()};
};

using Texts = std::vector<std::string>;

TEST_F(CCFTest, FormatAndSizeFollowTheVersionWords) {
    struct Case {
        std::int16_t version1, version2;
        CCFFileFormats format;
        std::int16_t size;
    };
    for (const Case& c : {Case{0, 1, fmtv1, 74}, Case{3, 1, fmtv2, 74}, Case{0, 2, fmtV3, 76},
                          Case{3, 2, fmtV3, 76}, Case{1, 0, fmtV3, 76}}) {
        CCF header;
        HeaderRecord h = GreyHeader();
        h.Version1 = c.version1;
        h.Version2 = c.version2;
        header.SetHeader(h);
        EXPECT_EQ(header.FileFormat(), c.format) << c.version1 << "/" << c.version2;
        EXPECT_EQ(header.Size(), c.size) << c.version1 << "/" << c.version2;
    }
}

TEST_F(CCFTest, MembersShowTheHeaderFieldsAsRead) {
    HeaderRecord h = GreyHeader();
    h.Filler1 = 0x05060708;
    h.Filler2 = 0x77;
    h.Filler3 = 0x0D0E0F10;
    h.Filler4 = 0x292A;
    h.Version3 = 61;
    h.PosHomeGroup = 0x100;
    h.PosDeviceGroup = 0x200;
    h.PosMacroGroup = 0x300;
    h.PosNextTimer = 0x400;
    h.PosSpecialPanels = 0x500;
    h.RFChannel = 0x2B2C;
    ccf.SetHeader(h);
    EXPECT_EQ(ccf.Position(), 0);
    EXPECT_EQ(ccf.ID1(), "TESTCCF1");
    EXPECT_EQ(ccf.ID2(), "TST2");
    EXPECT_EQ(ccf.Version3(), 61);
    EXPECT_EQ(ccf.PosHomeGroup(), 0x100);
    EXPECT_EQ(ccf.PosDeviceGroup(), 0x200);
    EXPECT_EQ(ccf.PosMacroGroup(), 0x300);
    EXPECT_EQ(ccf.PosNextTimer(), 0x400);
    EXPECT_EQ(ccf.PosSpecialPanels(), 0x500);
    EXPECT_EQ(ccf.Filler1(), 0x05060708);
    EXPECT_EQ(ccf.Filler2(), 0x77);
    EXPECT_EQ(ccf.Filler3(), 0x0D0E0F10);
    EXPECT_EQ(ccf.Filler4(), 0x292A);
    EXPECT_EQ(ccf.RFChannel(), 0x2B2C);
}

TEST_F(CCFTest, VersionStringIsTheNameTheHeaderPointsTo) {
    HeaderRecord h = GreyHeader();
    h.VersionStringPosition = 74; // right after the header
    Open(HeaderImage(h).Byte(4).Text("V3.0"));
    EXPECT_EQ(ccf.VersionString(), "V3.0");
    EXPECT_EQ(ccf.CCFfile().StructureAt(74), mtypName);
}

// ---- CRCs

TEST_F(CCFTest, StoredCRCsAreReadAsUnsignedWordsAndNotMarked) {
    HeaderRecord h = GreyHeader();
    h.PosCRC1 = 74;
    h.PosCRC2 = 76;
    BigEndianBytes image = HeaderImage(h);
    image
        .Word(0xBEEF)  // 74 CRC1
        .Word(0x1234); // 76 CRC2
    Open(image);
    EXPECT_EQ(ccf.CRC1(), 0xBEEF);
    EXPECT_EQ(ccf.CRC2(), 0x1234);
    std::int32_t length = 0;
    EXPECT_EQ(ccf.CCFfile().NextUnaccessedMemory(-1, length), -1) << "the CRC words are read";
    EXPECT_EQ(ccf.CCFfile().StructureAt(74), mtypNotStructure);
    EXPECT_EQ(ccf.CCFfile().StructureAt(76), mtypNotStructure);
}

TEST_F(CCFTest, CalculatedCRCCoversTheBytesBeforeCRC1) {
    HeaderRecord h = GreyHeader();
    h.PosCRC1 = 76;
    BigEndianBytes image = HeaderImage(h);
    image
        .Word(0x5A5A) // 74 covered
        .Word(0);     // 76 CRC1, not covered
    Open(image);
    const std::uint16_t expected = basCCFRoutines::CRC16(image.Bytes().data(), 76);
    EXPECT_EQ(ccf.CalculateCRC(), expected);
    EXPECT_NE(ccf.CalculateCRC(), basCCFRoutines::CRC16(image.Bytes().data(), 78));
}

TEST_F(CCFTest, CRCPositionsOfZeroGiveZero) {
    Open(HeaderImage(GreyHeader()));
    EXPECT_EQ(ccf.CRC1(), 0);
    EXPECT_EQ(ccf.CRC2(), 0);
    EXPECT_EQ(ccf.CalculateCRC(), 0);
    EXPECT_TRUE(log.Texts.empty());
}

TEST_F(CCFTest, CRCPositionsBeyondTheEndReadAsZeroWithNotices) {
    HeaderRecord h = GreyHeader();
    h.PosCRC1 = 200;
    h.PosCRC2 = 0x7FFFFFFF; // the last byte of the word lies past the 32-bit range
    Open(HeaderImage(h));
    EXPECT_EQ(ccf.CRC1(), 0);
    EXPECT_EQ(ccf.CRC2(), 0);
    Texts expected = OutsideReads(200, 201);
    for (const auto& text : OutsideReads(2147483647LL, 2147483648LL))
        expected.push_back(text);
    EXPECT_EQ(log.Texts, expected);
    EXPECT_KELPIE_ERROR(ccf.CalculateCRC(), ErrorKind::OutOfRange);
}

// ---- Modification date

TEST_F(CCFTest, ModificationDateIsNormalisedFromTheSixFields) {
    HeaderRecord h = GreyHeader();
    h.Year = 2001;
    h.Month = 13; // January 2002
    h.Day = 0;    // so the last day of December 2001
    h.Hour = 23;
    h.Minute = 59;
    h.Second = 60; // the next minute: midnight
    ccf.SetHeader(h);
    EXPECT_EQ(ccf.ModificationDate(), (CCFDate{2002, 1, 1, 0, 0, 0}));
}

TEST_F(CCFTest, SettingTheModificationDateKeepsFiller2) {
    HeaderRecord h = GreyHeader();
    h.Filler2 = 0x77; // between day and hour
    ccf.SetHeader(h);
    ccf.SetModificationDate({2001, 12, 31, 23, 59, 58});
    const HeaderRecord& stored = ccf.Header();
    EXPECT_EQ(stored.Year, 2001);
    EXPECT_EQ(stored.Month, 12);
    EXPECT_EQ(stored.Day, 31);
    EXPECT_EQ(stored.Filler2, 0x77);
    EXPECT_EQ(stored.Hour, 23);
    EXPECT_EQ(stored.Minute, 59);
    EXPECT_EQ(stored.Second, 58);
    EXPECT_EQ(ccf.ModificationDate(), (CCFDate{2001, 12, 31, 23, 59, 58}));

    ccf.SetModificationDate({2003, 2, 29, 0, 0, 0}); // no such day: stored as 1 March
    EXPECT_EQ(stored.Month, 3);
    EXPECT_EQ(stored.Day, 1);
    EXPECT_KELPIE_ERROR(ccf.SetModificationDate({40000, 1, 1, 0, 0, 0}), ErrorKind::Overflow);
    EXPECT_EQ(stored.Year, 2003);
}

// ---- Attributes and the home icon

TEST_F(CCFTest, AttributeFlagsChangeOnlyTheirOwnBit) {
    HeaderRecord h = GreyHeader();
    h.Attributes = 0x01;
    ccf.SetHeader(h);
    EXPECT_TRUE(ccf.ConfigFactoryDefault());
    EXPECT_FALSE(ccf.ConfigWriteProtected());
    ccf.SetHomeWriteProtected(true);
    EXPECT_EQ(ccf.Attributes(), 0x05);
    EXPECT_TRUE(ccf.ConfigFactoryDefault());
    EXPECT_TRUE(ccf.HomeWriteProtected());
    ccf.SetConfigFactoryDefault(false);
    EXPECT_EQ(ccf.Attributes(), 0x04);

    h.Attributes = static_cast<std::int32_t>(0xFFFFFFF0u); // bits that belong to no flag
    ccf.SetHeader(h);
    ccf.SetConfigWriteProtected(true);
    EXPECT_EQ(static_cast<std::uint32_t>(ccf.Attributes()), 0xFFFFFFF2u);
    ccf.SetConfigWriteProtected(false);
    EXPECT_EQ(static_cast<std::uint32_t>(ccf.Attributes()), 0xFFFFFFF0u);
}

TEST_F(CCFTest, HomeIconIsTheFirstHomeDevicesUnselectedIcon) {
    EXPECT_KELPIE_ERROR(ccf.HomeIcon(), ErrorKind::InvalidArgument);
    Icon& icon = ccf.Icons().Add();
    EXPECT_KELPIE_ERROR(ccf.SetHomeIcon(&icon), ErrorKind::InvalidArgument);

    Device& home = ccf.HomeGroup().Add();
    ccf.HomeGroup().Add();
    EXPECT_EQ(ccf.HomeIcon(), nullptr);
    ccf.SetHomeIcon(&icon);
    EXPECT_EQ(home.IconUnselected(), &icon);
    EXPECT_EQ(ccf.HomeIcon(), &icon);
}

// ---- Loading

TEST_F(CCFTest, LoadingCountsAnFFPaddingByteBeforeTheCRCAsRead) {
    for (std::uint8_t tail : {0xFF, 0x00}) {
        CCF file;
        HeaderRecord h = GreyHeader();
        h.PosCRC1 = 75;
        BigEndianBytes image = HeaderImage(h);
        image
            .Byte(tail)    // 74 three bytes from the end, between header and CRC
            .Word(0x1234); // 75 CRC1
        file.OpenBytes("tail.ccf", image.Bytes());
        std::int32_t length = 0;
        EXPECT_EQ(file.CCFfile().NextUnaccessedMemory(-1, length), tail == 0xFF ? -1 : 74);
    }
}

} // namespace
