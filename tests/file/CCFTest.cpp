// The header object: format and size, the stored and the recomputed CRC, the
// modification date, the attribute flags and the home icon.
#include <kelpie/file/CCF.h>

#include "ExpectError.h"
#include "file/HeaderImage.h"
#include "file/NoticeLog.h"
#include "file/basCCFRoutines.h"
#include "load/ModelBuilder.h"
#include <kelpie/model/Devices.h>
#include <kelpie/model/Icons.h>

#include <gtest/gtest.h>

using namespace kelpie;

namespace {

class CCFTest : public ::testing::Test {
protected:
    void Open(const BigEndianBytes& bytes) {
        ModelBuilder::OpenBytes(ccf, "header.ccf", bytes.Bytes());
    }

    HeaderRecord h = GreyHeader();
    NoticeLog log;
    CCF ccf{log.Handler()};
};

TEST_F(CCFTest, SizeIs76ExactlyInTheColourFormat) {
    for (auto [version1, version2, format] :
         {std::tuple{0, 1, fmtv1}, {3, 1, fmtv2}, {0, 2, fmtV3}, {3, 0, fmtV3}}) {
        h.Version1 = static_cast<std::int16_t>(version1);
        h.Version2 = static_cast<std::int16_t>(version2);
        ModelBuilder::SetHeader(ccf, h);
        EXPECT_EQ(ccf.FileFormat(), format);
        EXPECT_EQ(ccf.Size(), format == fmtV3 ? 76 : 74);
    }
}

// ---- CRCs

TEST_F(CCFTest, StoredCRCsAreUnmarkedWordsAndTheCalculatedOneCoversWhatLiesBefore) {
    h.PosCRC1 = 76;
    h.PosCRC2 = 78;
    BigEndianBytes image = HeaderImage(h);
    image
        .Word(0x5A5A)  // 74 covered by the calculated CRC
        .Word(0xBEEF)  // 76 CRC1
        .Word(0x1234); // 78 CRC2
    Open(image);
    EXPECT_EQ(ccf.CRC1(), 0xBEEF);
    EXPECT_EQ(ccf.CRC2(), 0x1234);
    EXPECT_EQ(ccf.CalculateCRC(), basCCFRoutines::CRC16(image.Bytes().data(), 76));
    std::int32_t length = 0;
    EXPECT_EQ(ccf.CCFfile().NextUnaccessedMemory(-1, length), 74) << "the CRC words are read";
    EXPECT_EQ(length, 2);
    EXPECT_EQ(ccf.CCFfile().StructureAt(76), mtypNotStructure);
}

TEST_F(CCFTest, CRCPositionsOfZeroGiveZero) {
    Open(HeaderImage(h).Word(0xBEEF));
    EXPECT_EQ(ccf.CRC1(), 0);
    EXPECT_EQ(ccf.CRC2(), 0);
    EXPECT_EQ(ccf.CalculateCRC(), 0);
}

TEST_F(CCFTest, CRCPositionsBeyondTheEndReadAsZeroWithNotices) {
    h.PosCRC1 = 200;
    h.PosCRC2 = 0x7FFFFFFF; // the last byte of the word lies past the 32-bit range
    Open(HeaderImage(h));
    EXPECT_EQ(ccf.CRC1(), 0);
    EXPECT_EQ(ccf.CRC2(), 0);
    std::vector<std::string> expected = OutsideReads(200, 201);
    for (const auto& text : OutsideReads(2147483647LL, 2147483648LL))
        expected.push_back(text);
    EXPECT_EQ(log.Texts, expected);
    EXPECT_KELPIE_ERROR(ccf.CalculateCRC(), ErrorKind::OutOfRange);
}

// ---- Modification date

TEST_F(CCFTest, ModificationDateIsNormalisedFromTheSixFields) {
    h.Year = 2001;
    h.Month = 13; // January 2002
    h.Day = 0;    // so the last day of December 2001
    h.Hour = 23;
    h.Minute = 59;
    h.Second = 60; // the next minute: midnight
    ModelBuilder::SetHeader(ccf, h);
    EXPECT_EQ(ccf.ModificationDate(), (CCFDate{2002, 1, 1, 0, 0, 0}));
}

TEST_F(CCFTest, SettingTheModificationDateKeepsFiller2) {
    h.Filler2 = 0x77; // between day and hour
    ModelBuilder::SetHeader(ccf, h);
    ModelBuilder::SetModificationDate(ccf, {2001, 12, 31, 23, 59, 58});
    const HeaderRecord& s = ccf.Header();
    EXPECT_EQ(std::vector<int>({s.Year, s.Month, s.Day, s.Filler2, s.Hour, s.Minute, s.Second}),
              std::vector<int>({2001, 12, 31, 0x77, 23, 59, 58}));
    EXPECT_EQ(ccf.ModificationDate(), (CCFDate{2001, 12, 31, 23, 59, 58}));
    ModelBuilder::SetModificationDate(ccf,
                                      {2003, 2, 29, 0, 0, 0}); // no such day: stored as 1 March
    EXPECT_EQ(ccf.ModificationDate(), (CCFDate{2003, 3, 1, 0, 0, 0}));
    EXPECT_KELPIE_ERROR(ModelBuilder::SetModificationDate(ccf, {40000, 1, 1, 0, 0, 0}),
                        ErrorKind::Overflow);
    EXPECT_EQ(s.Year, 2003);
}

// ---- Attributes and the home icon

TEST_F(CCFTest, AttributeFlagsChangeOnlyTheirOwnBit) {
    h.Attributes = 0x01;
    ModelBuilder::SetHeader(ccf, h);
    ModelBuilder::SetHomeWriteProtected(ccf, true);
    EXPECT_EQ(ccf.Attributes(), 0x05);
    EXPECT_TRUE(ccf.ConfigFactoryDefault() && ccf.HomeWriteProtected() &&
                !ccf.ConfigWriteProtected());
    ModelBuilder::SetConfigFactoryDefault(ccf, false);
    EXPECT_EQ(ccf.Attributes(), 0x04);
    h.Attributes = static_cast<std::int32_t>(0xFFFFFFF0u); // bits that belong to no flag
    ModelBuilder::SetHeader(ccf, h);
    ModelBuilder::SetConfigWriteProtected(ccf, true);
    EXPECT_EQ(static_cast<std::uint32_t>(ccf.Attributes()), 0xFFFFFFF2u);
}

TEST_F(CCFTest, HomeIconIsTheFirstHomeDevicesUnselectedIcon) {
    EXPECT_KELPIE_ERROR(ccf.HomeIcon(), ErrorKind::InvalidArgument);
    Icon& icon = ccf.Icons().Add();
    EXPECT_KELPIE_ERROR(ModelBuilder::SetHomeIcon(ccf, &icon), ErrorKind::InvalidArgument);
    Device& home = ccf.HomeGroup().Add();
    ccf.HomeGroup().Add();
    ModelBuilder::SetHomeIcon(ccf, &icon);
    EXPECT_EQ(home.IconUnselected(), &icon);
    EXPECT_EQ(ccf.HomeIcon(), &icon);
}

TEST_F(CCFTest, LoadingCountsAnFFPaddingByteBeforeTheCRCAsRead) {
    h.PosCRC1 = 75;
    for (std::uint8_t tail : {0xFF, 0x00}) {
        CCF file;
        BigEndianBytes image = HeaderImage(h);
        image
            .Byte(tail)    // 74 three bytes from the end, between header and CRC
            .Word(0x1234); // 75 CRC1
        ModelBuilder::OpenBytes(file, "tail.ccf", image.Bytes());
        std::int32_t length = 0;
        EXPECT_EQ(file.CCFfile().NextUnaccessedMemory(-1, length), tail == 0xFF ? -1 : 74);
    }
}

} // namespace
