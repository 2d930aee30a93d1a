// The file image: typed reads, the accessed and structure maps, the queries
// that reports make, and the tail-byte rule.
#include "file/CCFfile.h"

#include "ExpectError.h"
#include "file/BigEndianBytes.h"
#include "file/NoticeLog.h"

#include <gtest/gtest.h>

#include <climits>

using namespace kelpie;

namespace {

class CCFfileTest : public ::testing::Test {
protected:
    void Image(const BigEndianBytes& bytes) { file.SetImage("test.ccf", bytes.Bytes()); }
    void Image(std::int32_t size) { Image(BigEndianBytes(size)); }
    void Read(std::initializer_list<std::int32_t> positions) {
        for (auto pos : positions)
            file.GetByte(pos);
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
              .Long(0xFFFFFFFF) // -1
              .Byte(0xFE));     // bytes are unsigned
    std::int32_t c = 0;
    EXPECT_EQ(file.ReadWord(c), 0x1234);
    EXPECT_EQ(file.ReadWord(c), -2);
    EXPECT_EQ(c, 4);
    EXPECT_EQ(file.ReadLong(c), 258);
    EXPECT_EQ(file.ReadLong(c), INT_MIN);
    EXPECT_EQ(file.ReadLong(c), -1);
    EXPECT_EQ(file.ReadByte(c), 0xFE);
    EXPECT_EQ(c, file.FileSize());
    std::int32_t length = 0;
    EXPECT_EQ(file.NextUnaccessedMemory(-1, length), -1) << "every byte read is marked";
    EXPECT_TRUE(log.Texts.empty());
}

TEST_F(CCFfileTest, CharactersKeepZeroBytes) {
    Image(BigEndianBytes().Text("A").Byte(0).Text("B"));
    std::int32_t c = 0;
    EXPECT_EQ(file.ReadChars(3, c), std::string("A\0B", 3));
    EXPECT_EQ(c, 3);
}

TEST_F(CCFfileTest, ReadsPastTheEndGiveANoticePerMissingByteAndReadAsZero) {
    Image(BigEndianBytes().Byte(0x12).Byte(0x34).Byte(0x56));
    std::int32_t c = 2;
    EXPECT_EQ(file.ReadLong(c), 0x56000000);
    EXPECT_EQ(c, 6);
    EXPECT_EQ(log.Texts, OutsideReads(3, 5));
}

TEST_F(CCFfileTest, GetByteOutsideTheFileMarksNothing) {
    Image(2);
    EXPECT_EQ(file.GetByte(-1), 0);
    EXPECT_EQ(file.GetByte(2), 0);
    EXPECT_EQ(log.Texts, (Texts{OutsideReads(-1, -1)[0], OutsideReads(2, 2)[0]}));
    std::int32_t length = 0;
    EXPECT_EQ(file.NextUnaccessedMemory(-1, length), 0);
    EXPECT_EQ(length, 2);
}

TEST_F(CCFfileTest, ReadsAtTheLargestPositionNeitherOverflowNorWrap) {
    Image(4);
    std::int32_t c = INT_MAX;
    EXPECT_EQ(file.ReadWord(c), 0);
    EXPECT_EQ(c, INT_MAX);
    EXPECT_EQ(file.ReadChars(2, c), std::string(2, '\0'));
    const Texts once = OutsideReads(2147483647LL, 2147483648LL);
    Texts twice = once;
    twice.insert(twice.end(), once.begin(), once.end());
    EXPECT_EQ(log.Texts, twice);
}

// ---- The structure map

TEST_F(CCFfileTest, FirstMarkerWinsAndAChangeOfTypeIsReported) {
    Image(10);
    file.MarkStructure(4, mtypFrame);
    file.MarkStructure(4, mtypButton);
    EXPECT_EQ(file.StructureAt(4), mtypFrame);
    EXPECT_EQ(log.Texts, Texts{"Attempting to change structure type from Frame to Button at 4"});
}

TEST_F(CCFfileTest, ASecondReferenceToARecordThatIsNotSharedIsReported) {
    Image(1300);
    const std::pair<CCFtypes, const char*> kinds[] = {
        {mtypFrame, "Frame"},   {mtypHeader, "Header"},
        {mtypDevice, "Device"}, {mtypPanel, "Panel"},
        {mtypChild, "Child"},   {mtypButton, "Button"},
        {mtypTimer, "Timer"},   {mtypActionList, "Action List"},
        {mtypAction, "Action"}};
    Texts expected;
    for (const auto& [type, name] : kinds) {
        const std::int32_t pos = type == mtypFrame ? 1234 : type * 10;
        file.MarkStructure(pos, type);
        file.MarkStructure(pos, type);
        EXPECT_EQ(file.StructureAt(pos), type);
        expected.push_back("Attempting to have more than one reference to an object - type " +
                           std::to_string(type) + ": " + name + " at " + std::to_string(pos));
    }
    EXPECT_EQ(log.Texts, expected);
    EXPECT_EQ(log.Texts[0],
              "Attempting to have more than one reference to an object - type 5: Frame at 1234");
}

TEST_F(CCFfileTest, IRCodesIconsAndNamesMayBeMarkedAgainSilently) {
    Image(10);
    for (auto type : {mtypIRCode, mtypIcon, mtypName}) {
        file.MarkStructure(type - 8, type);
        file.MarkStructure(type - 8, type);
        EXPECT_EQ(file.StructureAt(type - 8), type);
    }
    EXPECT_TRUE(log.Texts.empty());
}

TEST_F(CCFfileTest, MarkingLeavesTheAccessedMapAlone) {
    Image(3);
    file.MarkStructure(1, mtypName);
    std::int32_t length = 0;
    EXPECT_EQ(file.NextUnaccessedMemory(-1, length), 0);
    EXPECT_EQ(length, 3);
}

TEST_F(CCFfileTest, MarkingOutsideTheFileIsAnOutOfRangeError) {
    Image(8);
    for (std::int32_t pos : {-1, 8, INT_MIN, INT_MAX})
        EXPECT_KELPIE_ERROR(file.MarkStructure(pos, mtypDevice), ErrorKind::OutOfRange);
    CCFtypes type = mtypHeader;
    EXPECT_EQ(file.NextObject(-1, type), -1);
    EXPECT_TRUE(log.Texts.empty());
}

TEST_F(CCFfileTest, ObjectNamesOfTheOtherKinds) {
    EXPECT_EQ(CCFfile::ObjectName(mtypNotStructure), "Not Structure");
    EXPECT_EQ(CCFfile::ObjectName(mtypIRCode), "IR code");
    EXPECT_EQ(CCFfile::ObjectName(mtypIcon), "Icon");
    EXPECT_EQ(CCFfile::ObjectName(mtypName), "Name");
    EXPECT_EQ(CCFfile::ObjectName(13), "");
    EXPECT_EQ(CCFfile::ObjectName(-1), "");
}

// ---- Queries of the reports

TEST_F(CCFfileTest, NextObjectSkipsChildEntriesAndActions) {
    Image(40);
    file.MarkStructure(0, mtypHeader);
    file.MarkStructure(10, mtypChild);
    file.MarkStructure(12, mtypAction);
    file.MarkStructure(20, mtypFrame);
    CCFtypes type = mtypNotStructure;
    EXPECT_EQ(file.NextObject(-1, type), 0);
    EXPECT_EQ(type, mtypHeader);
    EXPECT_EQ(file.NextObject(0, type), 20);
    EXPECT_EQ(type, mtypFrame);
    EXPECT_EQ(file.NextObject(20, type), -1);
    EXPECT_EQ(type, mtypFrame) << "untouched when there is none";
    EXPECT_EQ(file.NextObject(INT_MIN, type), 0);
    EXPECT_EQ(file.NextObject(INT_MAX, type), -1);
}

TEST_F(CCFfileTest, NextUnaccessedMemoryFindsRunsOfUnreadBytes) {
    Image(10);
    Read({0, 1, 2, 5, 6});
    std::int32_t length = 0;
    EXPECT_EQ(file.NextUnaccessedMemory(-1, length), 3);
    EXPECT_EQ(length, 2);
    EXPECT_EQ(file.NextUnaccessedMemory(3, length), 4);
    EXPECT_EQ(length, 1);
    EXPECT_EQ(file.NextUnaccessedMemory(4, length), 7);
    EXPECT_EQ(length, 3) << "the last three bytes, up to the end";
    Read({3, 4, 7, 8, 9});
    length = -7;
    EXPECT_EQ(file.NextUnaccessedMemory(-1, length), -1);
    EXPECT_EQ(length, -7) << "untouched when every byte is read";
}

TEST_F(CCFfileTest, ObjectCountDelimitsTheFirstAreaOfAKind) {
    Image(40);
    std::int32_t start = 0, next = 0;
    EXPECT_EQ(file.ObjectCount(mtypButton, start, next), 0);
    EXPECT_EQ(start, -1);
    EXPECT_EQ(next, 38) << "FileSize - 2 when nothing ends an area";

    for (std::int32_t pos = 0; pos < 30; ++pos)
        file.GetByte(pos);
    file.MarkStructure(4, mtypButton);
    file.MarkStructure(10, mtypChild);  // entries inside lists
    file.MarkStructure(12, mtypAction); // do not end the area
    file.MarkStructure(14, mtypButton);
    file.MarkStructure(24, mtypFrame); // another kind does
    file.MarkStructure(34, mtypButton);
    EXPECT_EQ(file.ObjectCount(mtypButton, start, next), 3);
    EXPECT_EQ(start, 4);
    EXPECT_EQ(next, 24);
    EXPECT_EQ(file.ObjectCount(mtypFrame, start, next), 1);
    EXPECT_EQ(start, 24);
    EXPECT_EQ(next, 30) << "an unread byte ends the area too";
}

// ---- The tail byte: 0xFF three from the end, between read bytes, is padding

TEST_F(CCFfileTest, TailByteCountsAsReadOnlyWhenFFBetweenReadNeighbours) {
    struct Case {
        std::uint8_t tail;
        bool before, after, counted;
    };
    for (const Case& k : {Case{0xFF, true, true, true}, Case{0x00, true, true, false},
                          Case{0xFE, true, true, false}, Case{0xFF, false, true, false},
                          Case{0xFF, true, false, false}}) {
        CCFfile f;
        f.SetImage("tail.ccf", {0x11, k.tail, 0x22, 0x33}); // tail byte at FileSize - 3 = 1
        if (k.before) f.GetByte(0);
        if (k.after) f.GetByte(2);
        f.ApplyTailByteRule();
        EXPECT_EQ(f.IsAccessed(1), k.counted) << int(k.tail) << k.before << k.after;
    }
}

TEST_F(CCFfileTest, TailByteRuleNeedsBothNeighboursInsideTheFile) {
    // Three bytes: the tail byte is the first, its neighbour before does not
    // exist and counts as not accessed.
    file.SetImage("three.ccf", {0xFF, 0xFF, 0xFF});
    Read({1, 2});
    file.ApplyTailByteRule();
    EXPECT_FALSE(file.IsAccessed(0));
    // One and two bytes: there is no tail byte at all.
    for (std::size_t size : {1u, 2u}) {
        CCFfile small;
        small.SetImage("small.ccf", std::vector<std::uint8_t>(size, 0xFF));
        small.ApplyTailByteRule();
        std::int32_t length = 0;
        EXPECT_EQ(small.NextUnaccessedMemory(-1, length), 0);
        EXPECT_EQ(length, static_cast<std::int32_t>(size));
    }
}

} // namespace
