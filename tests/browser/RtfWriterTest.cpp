// The writer's line, indentation, escaping and number conventions.
#include "outputs/RtfWriter.h"
#include "model/RecordingSinks.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>

using namespace vantor;

namespace {
struct DisplayWriter : ::testing::Test {
    RecordingUserInterface ui;
    RtfWriter writer{ui};
};
} // namespace

TEST_F(DisplayWriter, EscapesAndIndentsLines) {
    writer.WriteText("a{b}c\\d");
    writer.WriteLn();
    writer.IndentIn();
    writer.WriteLn("one");
    writer.IndentIn();
    writer.IndentIn();
    writer.WriteLn("three");
    EXPECT_EQ(writer.DisplayText(),
              "a\\{b\\}c\\\\d\r\n\\par     one\r\n\\par         three\r\n\\par ");
}

TEST_F(DisplayWriter, NamesGoInTheRemotesFont) {
    writer.WriteText("Device: ");
    writer.WriteProntoText("TV{1}");
    writer.WriteLn();
    EXPECT_EQ(writer.DisplayText(), "Device: {\\f2 TV\\{1\\}}\r\n\\par ");
}

TEST(RtfFormats, NumbersColoursAndFonts) {
    EXPECT_EQ(RtfWriter::HexByte(10), "0A");
    EXPECT_EQ(RtfWriter::HexWord(255), "00FF");
    EXPECT_EQ(RtfWriter::HexWord(-1), "FFFF");
    EXPECT_EQ(RtfWriter::FormatPosition(123), "000123");
    EXPECT_EQ(RtfWriter::FormatPosition(0), "000000");
    EXPECT_EQ(RtfWriter::FormatPosition(1234567), "1234567");
    EXPECT_EQ(RtfWriter::FormatPosition(-1), "-000001");
    EXPECT_EQ(RtfWriter::FormatPosition(INT32_MIN), "-2147483648");
    // Half-way values round away from zero, as decimals do on paper.
    const std::tuple<std::int64_t, std::int64_t, const char*> percents[] = {
        {74, 1184, "6.3%"}, {3, 2000, "0.2%"}, {65, 2000, "3.3%"}, {1, 3, "33.3%"},
        {2, 3, "66.7%"},    {5, 5, "100.0%"},  {0, 7, "0.0%"}};
    for (const auto& [part, whole, text] : percents)
        EXPECT_EQ(RtfWriter::FormatPercent(part, whole), text) << part << " of " << whole;
    EXPECT_EQ(RtfWriter::ColorName(2, kelpie::fmtv2), "Light Grey");
    EXPECT_EQ(RtfWriter::ColorName(2, kelpie::fmtV3), "2");
    EXPECT_EQ(RtfWriter::ColorName(7, kelpie::fmtv1), "");
    std::int32_t size = -1;
    EXPECT_EQ(RtfWriter::FontName(3, size), "Pronto 12");
    EXPECT_EQ(size, 12);
    EXPECT_EQ(RtfWriter::FontName(0, size), "<none>");
    EXPECT_EQ(size, 0);
    EXPECT_EQ(RtfWriter::FontName(9, size), "Pronto xx");
    EXPECT_EQ(size, 0);
    EXPECT_EQ(RtfWriter::ToWindows1252("Caf\xC3\xA9 \xE2\x82\xAC \xE4\xB8\xAD"), "Caf\xE9 \x80 ?");
}
