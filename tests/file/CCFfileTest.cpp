// The file image: typed reads, the accessed and structure maps, the queries
// that reports make, and the tail-byte rule.
#include <kelpie/file/CCFfile.h>

#include "ExpectError.h"
#include "file/BigEndianBytes.h"
#include "file/ImageAccess.h"
#include "file/NoticeLog.h"

#include <gtest/gtest.h>

#include <climits>

using namespace kelpie;

namespace {

class CCFfileTest : public ::testing::Test {
protected:
    void Image(const BigEndianBytes& bytes) {
        ImageAccess::SetImage(file, "test.ccf", bytes.Bytes());
    }
    void Read(std::int32_t from, std::int32_t to) {
        for (std::int32_t pos = from; pos <= to; ++pos)
            file.GetByte(pos);
    }
    std::int32_t Unread(std::int32_t after, std::int32_t& length) const {
        return file.NextUnaccessedMemory(after, length);
    }

    NoticeLog log;
    CCFfile file{log.Handler()};
};

using Texts = std::vector<std::string>;

// ---- Typed reads

TEST_F(CCFfileTest, WordsAndLongsAreBigEndianAndSigned) {
    Image(BigEndianBytes()
              .Word(0x1234)     // a positive word
              .Word(0xFFFE)     // -2
              .Long(0x00000102) // 258
              .Long(0x80000000) // the smallest long
              .Byte(0xFE)       // bytes are unsigned
              .Text("A")
              .Byte(0) // characters keep zero bytes
              .Text("B"));
    std::int32_t c = 0, length = 0;
    EXPECT_EQ(file.ReadWord(c), 0x1234);
    EXPECT_EQ(file.ReadWord(c), -2);
    EXPECT_EQ(file.ReadLong(c), 258);
    EXPECT_EQ(file.ReadLong(c), INT_MIN);
    EXPECT_EQ(file.ReadByte(c), 0xFE);
    EXPECT_EQ(file.ReadChars(3, c), std::string("A\0B", 3));
    EXPECT_EQ(c, file.FileSize());
    EXPECT_EQ(Unread(-1, length), -1) << "every byte read is marked";
    EXPECT_TRUE(log.Texts.empty());
}

TEST_F(CCFfileTest, ReadsOutsideTheFileGiveANoticePerByteAndReadAsZero) {
    Image(BigEndianBytes().Byte(0x12).Byte(0x34).Byte(0x56));
    std::int32_t c = 2;
    EXPECT_EQ(file.ReadLong(c), 0x56000000);
    EXPECT_EQ(c, 6);
    EXPECT_EQ(file.GetByte(-1), 0);
    c = INT_MAX; // the last byte of the word lies past the 32-bit range
    EXPECT_EQ(file.ReadWord(c), 0);
    Texts expected = OutsideReads(3, 5);
    for (const auto& more : {OutsideReads(-1, -1), OutsideReads(2147483647LL, 2147483648LL)})
        expected.insert(expected.end(), more.begin(), more.end());
    EXPECT_EQ(log.Texts, expected);
    std::int32_t length = 0;
    EXPECT_EQ(Unread(-1, length), 0);
    EXPECT_EQ(length, 2) << "only the byte inside the file is marked";
}

// ---- The structure map

TEST_F(CCFfileTest, FirstMarkerWinsAndAChangeOfTypeIsReported) {
    Image(BigEndianBytes(10));
    ImageAccess::MarkStructure(file, 4, mtypFrame);
    ImageAccess::MarkStructure(file, 4, mtypButton);
    ImageAccess::MarkStructure(file, 6, mtypIRCode);
    ImageAccess::MarkStructure(file, 6, mtypName);
    EXPECT_EQ(file.StructureAt(4), mtypFrame);
    EXPECT_EQ(file.StructureAt(6), mtypIRCode);
    EXPECT_EQ(log.Texts, (Texts{"Attempting to change structure type from Frame to Button at 4",
                                "Attempting to change structure type from IR code to Name at 6"}));
    EXPECT_FALSE(file.IsAccessed(4)) << "marking reads nothing";
}

TEST_F(CCFfileTest, ASecondReferenceToARecordThatIsNotSharedIsReported) {
    Image(BigEndianBytes(1300));
    const std::pair<CCFtypes, const char*> kinds[] = {
        {mtypFrame, "Frame"},   {mtypHeader, "Header"},
        {mtypDevice, "Device"}, {mtypPanel, "Panel"},
        {mtypChild, "Child"},   {mtypButton, "Button"},
        {mtypTimer, "Timer"},   {mtypActionList, "Action List"},
        {mtypAction, "Action"}};
    Texts expected;
    for (const auto& [type, name] : kinds) {
        const std::int32_t pos = type == mtypFrame ? 1234 : type * 10;
        ImageAccess::MarkStructure(file, pos, type);
        ImageAccess::MarkStructure(file, pos, type);
        expected.push_back("Attempting to have more than one reference to an object - type " +
                           std::to_string(type) + ": " + name + " at " + std::to_string(pos));
    }
    EXPECT_EQ(log.Texts, expected);
    EXPECT_EQ(log.Texts[0],
              "Attempting to have more than one reference to an object - type 5: Frame at 1234");
}

TEST_F(CCFfileTest, IRCodesIconsAndNamesMayBeMarkedAgainSilently) {
    Image(BigEndianBytes(10));
    for (auto type : {mtypIRCode, mtypIcon, mtypName}) {
        ImageAccess::MarkStructure(file, type - 8, type);
        ImageAccess::MarkStructure(file, type - 8, type);
        EXPECT_EQ(file.StructureAt(type - 8), type);
    }
    EXPECT_TRUE(log.Texts.empty());
}

TEST_F(CCFfileTest, MarkingOutsideTheFileIsAnOutOfRangeError) {
    Image(BigEndianBytes(8));
    for (std::int32_t pos : {-1, 8, INT_MIN, INT_MAX})
        EXPECT_KELPIE_ERROR(ImageAccess::MarkStructure(file, pos, mtypDevice),
                            ErrorKind::OutOfRange);
    CCFtypes type = mtypHeader;
    EXPECT_EQ(file.NextObject(-1, type), -1) << "nothing was marked";
}

// ---- Queries of the reports

TEST_F(CCFfileTest, NextObjectSkipsChildEntriesAndActions) {
    Image(BigEndianBytes(40));
    ImageAccess::MarkStructure(file, 0, mtypHeader);
    ImageAccess::MarkStructure(file, 10, mtypChild);
    ImageAccess::MarkStructure(file, 12, mtypAction);
    ImageAccess::MarkStructure(file, 20, mtypFrame);
    CCFtypes type = mtypNotStructure;
    EXPECT_EQ(file.NextObject(-1, type), 0);
    EXPECT_EQ(type, mtypHeader);
    EXPECT_EQ(file.NextObject(0, type), 20);
    EXPECT_EQ(type, mtypFrame);
    EXPECT_EQ(file.NextObject(20, type), -1);
    EXPECT_EQ(type, mtypFrame) << "untouched when there is none";
    EXPECT_EQ(file.NextObject(INT_MIN, type), 0);
}

TEST_F(CCFfileTest, NextUnaccessedMemoryFindsRunsOfUnreadBytes) {
    Image(BigEndianBytes(10));
    Read(0, 2);
    Read(5, 6);
    std::int32_t length = 0;
    EXPECT_EQ(Unread(-1, length), 3);
    EXPECT_EQ(length, 2);
    EXPECT_EQ(Unread(3, length), 4);
    EXPECT_EQ(length, 1) << "a run begins after the given position";
    EXPECT_EQ(Unread(4, length), 7);
    EXPECT_EQ(length, 3) << "the last three bytes, up to the end";
    Read(3, 9);
    EXPECT_EQ(Unread(-1, length), -1);
    EXPECT_EQ(length, 3) << "untouched when every byte is read";
}

TEST_F(CCFfileTest, ObjectCountDelimitsTheFirstAreaOfAKind) {
    Image(BigEndianBytes(40));
    std::int32_t start = 0, next = 0;
    EXPECT_EQ(file.ObjectCount(mtypButton, start, next), 0);
    EXPECT_EQ(start, -1);
    EXPECT_EQ(next, 38) << "FileSize - 2 when nothing ends an area";

    Read(0, 29);
    ImageAccess::MarkStructure(file, 4, mtypButton);
    ImageAccess::MarkStructure(file, 10, mtypChild);  // entries inside lists
    ImageAccess::MarkStructure(file, 12, mtypAction); // do not end the area
    ImageAccess::MarkStructure(file, 14, mtypButton);
    ImageAccess::MarkStructure(file, 24, mtypFrame); // another kind does
    ImageAccess::MarkStructure(file, 34, mtypButton);
    EXPECT_EQ(file.ObjectCount(mtypButton, start, next), 3);
    EXPECT_EQ(start, 4);
    EXPECT_EQ(next, 24);
    EXPECT_EQ(file.ObjectCount(mtypFrame, start, next), 1);
    EXPECT_EQ(next, 30) << "an unread byte ends the area too";
}

// ---- The tail byte: 0xFF three from the end, between read bytes, is padding

TEST_F(CCFfileTest, TailByteCountsAsReadOnlyWhenFFBetweenReadNeighbours) {
    struct Case {
        std::uint8_t tail;
        bool before, after, counted;
    };
    for (const Case& k : {Case{0xFF, true, true, true}, Case{0xFE, true, true, false},
                          Case{0xFF, false, true, false}, Case{0xFF, true, false, false}}) {
        CCFfile f;
        ImageAccess::SetImage(f, "tail.ccf",
                              {0x11, k.tail, 0x22, 0x33}); // tail byte at FileSize - 3 = 1
        if (k.before) f.GetByte(0);
        if (k.after) f.GetByte(2);
        ImageAccess::ApplyTailByteRule(f);
        EXPECT_EQ(f.IsAccessed(1), k.counted) << int(k.tail) << k.before << k.after;
    }
}

TEST_F(CCFfileTest, TailByteRuleNeedsBothNeighboursInsideTheFile) {
    // Three bytes: the tail byte is the first; the neighbour before it does
    // not exist and counts as not accessed.
    ImageAccess::SetImage(file, "three.ccf", {0xFF, 0xFF, 0xFF});
    Read(1, 2);
    ImageAccess::ApplyTailByteRule(file);
    EXPECT_FALSE(file.IsAccessed(0));
    for (std::size_t size : {1u, 2u}) { // no tail byte at all
        CCFfile small;
        ImageAccess::SetImage(small, "small.ccf", std::vector<std::uint8_t>(size, 0xFF));
        ImageAccess::ApplyTailByteRule(small);
        EXPECT_FALSE(small.IsAccessed(0));
    }
}

} // namespace
