// Small pure helpers of the file layer: the CRC of the header, bit shifts,
// and the packing of grey colour pairs and sound parameters.
#pragma once

#include <kelpie/file/CCFEnums.h>

#include <cstdint>
#include <string>

namespace kelpie::basCCFRoutines {

// CRC-16/XMODEM (polynomial 0x1021, initial 0, most significant bit first, no
// reflection, no final XOR) over the first `length` bytes; 0 for length <= 0.
std::uint16_t CRC16(const std::uint8_t* bytes, std::int32_t length);

// `value` shifted left n times, each step keeping the low 16 bits.
std::int16_t ShiftLeftWord(std::int16_t value, int n);

// `value` halved (integer division) n times.
std::uint8_t ShiftRightByte(std::uint8_t value, int n);

// A packed grey colour byte of the two grey formats: text colour in bits 0-1,
// background colour in bits 2-3.
struct ColorPair {
    std::int32_t Text;
    std::int32_t Background;
};
ColorPair SplitColors(std::uint8_t packed);
// text OR (background x 4). Fails with an overflow error when the result does
// not fit in a byte; text values of 4 and more spill into the background bits.
std::uint8_t JoinColors(std::int32_t text, std::int32_t background);

// The sound action's parameter: duration in bits 24-31, frequency in bits
// 8-23 (signed 16-bit), percent in bits 0-7.
struct Sound {
    std::int16_t Frequency;
    std::uint8_t Percent;
    std::uint8_t Duration;
};
Sound SplitSound(std::int32_t parameter);
std::int32_t JoinSound(std::int16_t frequency, std::uint8_t percent, std::uint8_t duration);

// Format of a file from its two version words: Version2 other than 1 is the
// colour format; otherwise Version1 other than 0 is the second grey format.
CCFFileFormats FileFormatOf(std::int16_t version1, std::int16_t version2);

// The system's temporary directory, or "" when it cannot be found or is
// longer than 255 characters.
std::string GetTempDirectory();

} // namespace kelpie::basCCFRoutines
