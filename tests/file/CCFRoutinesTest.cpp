// The small helpers: CRC, shifts, colour pairs, sound parameters, formats.
#include "file/basCCFRoutines.h"

#include <kelpie/Error.h>

#include <gtest/gtest.h>

#include <string>

using namespace kelpie;
using namespace kelpie::basCCFRoutines;

TEST(CCFRoutines, CrcIsXmodem) {
    const std::string check = "123456789"; // the standard check input of CRC catalogues
    EXPECT_EQ(CRC16(reinterpret_cast<const std::uint8_t*>(check.data()), 9), 0x31C3);
    EXPECT_EQ(CRC16(reinterpret_cast<const std::uint8_t*>(check.data()), 0), 0);
    EXPECT_EQ(CRC16(reinterpret_cast<const std::uint8_t*>(check.data()), -5), 0);
}

TEST(CCFRoutines, ShiftsKeepTheirWidth) {
    EXPECT_EQ(ShiftLeftWord(0x4000, 1), static_cast<std::int16_t>(0x8000));
    EXPECT_EQ(ShiftLeftWord(0x4000, 2), 0);
    EXPECT_EQ(ShiftLeftWord(3, 4), 48);
    EXPECT_EQ(ShiftRightByte(0xF0, 4), 0x0F);
    EXPECT_EQ(ShiftRightByte(0xFF, 8), 0);
}

TEST(CCFRoutines, ColourPairsSplitAndJoin) {
    const auto pair = SplitColors(0x0E);
    EXPECT_EQ(pair.Text, clrLightGrey);
    EXPECT_EQ(pair.Background, clrWhite);
    EXPECT_EQ(JoinColors(2, 3), 0x0E);
    EXPECT_EQ(JoinColors(5, 0), 5); // a text value of 4 or more spills into the background bits
    EXPECT_THROW(JoinColors(0, 64), Error);
    EXPECT_THROW(JoinColors(-1, 0), Error);
}

TEST(CCFRoutines, SoundParameterRoundTrips) {
    const auto sound = SplitSound(0x0A03E832);
    EXPECT_EQ(sound.Duration, 10);
    EXPECT_EQ(sound.Frequency, 1000);
    EXPECT_EQ(sound.Percent, 50);
    EXPECT_EQ(JoinSound(1000, 50, 10), 0x0A03E832);
    EXPECT_EQ(SplitSound(0x00FFFF00).Frequency, -1);
    EXPECT_EQ(JoinSound(-1, 0, 0), 0x00FFFF00);
}

TEST(CCFRoutines, FileFormatFollowsVersionWords) {
    EXPECT_EQ(FileFormatOf(0, 1), fmtv1);
    EXPECT_EQ(FileFormatOf(3, 1), fmtv2);
    EXPECT_EQ(FileFormatOf(0, 2), fmtV3);
    EXPECT_EQ(FileFormatOf(7, 0), fmtV3);
}
