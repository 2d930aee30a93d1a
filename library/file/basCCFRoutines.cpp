#include "file/basCCFRoutines.h"

#include <kelpie/Error.h>

#include <array>
#include <filesystem>
#include <system_error>

namespace kelpie::basCCFRoutines {

namespace {
// The CRC of every byte value, one table row per byte: the checksum covers
// the whole file, so it is computed a byte at a time instead of a bit.
constexpr std::array<std::uint16_t, 256> CRC16Table() {
    std::array<std::uint16_t, 256> table{};
    for (int value = 0; value < 256; ++value) {
        auto crc = static_cast<std::uint16_t>(value << 8);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x8000) ? static_cast<std::uint16_t>((crc << 1) ^ 0x1021)
                                 : static_cast<std::uint16_t>(crc << 1);
        table[static_cast<std::size_t>(value)] = crc;
    }
    return table;
}
constexpr std::array<std::uint16_t, 256> CRC16Values = CRC16Table();
} // namespace

std::uint16_t CRC16(const std::uint8_t* bytes, std::int32_t length) {
    // CRC-16 with the polynomial 0x1021, starting at 0, high bit first.
    std::uint16_t crc = 0;
    for (std::int32_t i = 0; i < length; ++i)
        crc = static_cast<std::uint16_t>((crc << 8) ^ CRC16Values[((crc >> 8) ^ bytes[i]) & 0xFF]);
    return crc;
}

std::int16_t ShiftLeftWord(std::int16_t value, int n) {
    auto bits = static_cast<std::uint16_t>(value);
    for (int i = 0; i < n; ++i)
        bits = static_cast<std::uint16_t>(bits << 1);
    return static_cast<std::int16_t>(bits);
}

std::uint8_t ShiftRightByte(std::uint8_t value, int n) {
    return n >= 8 ? 0 : static_cast<std::uint8_t>(value >> n);
}

ColorPair SplitColors(std::uint8_t packed) {
    return {packed & 3, (packed >> 2) & 3};
}

std::uint8_t JoinColors(std::int32_t text, std::int32_t background) {
    const std::int64_t joined =
        static_cast<std::int64_t>(text) | (static_cast<std::int64_t>(background) * 4);
    if (joined < 0 || joined > 255)
        throw Error(ErrorKind::Overflow, "colour pair " + std::to_string(text) + ", " +
                                             std::to_string(background) +
                                             " does not fit in a byte");
    return static_cast<std::uint8_t>(joined);
}

Sound SplitSound(std::int32_t parameter) {
    const auto bits = static_cast<std::uint32_t>(parameter);
    return {static_cast<std::int16_t>(static_cast<std::uint16_t>((bits >> 8) & 0xFFFF)),
            static_cast<std::uint8_t>(bits & 0xFF), static_cast<std::uint8_t>(bits >> 24)};
}

std::int32_t JoinSound(std::int16_t frequency, std::uint8_t percent, std::uint8_t duration) {
    const std::uint32_t bits =
        percent | (static_cast<std::uint32_t>(static_cast<std::uint16_t>(frequency)) << 8) |
        (static_cast<std::uint32_t>(duration) << 24);
    return static_cast<std::int32_t>(bits);
}

CCFFileFormats FileFormatOf(std::int16_t version1, std::int16_t version2) {
    if (version2 != 1) return fmtV3;
    return version1 != 0 ? fmtv2 : fmtv1;
}

std::string GetTempDirectory() {
    std::error_code error;
    const auto path = std::filesystem::temp_directory_path(error);
    if (error) return {};
    std::string text = path.string();
    if (text.size() > 255) return {};
    if (!text.empty() && text.back() != '/') text += '/';
    return text;
}

} // namespace kelpie::basCCFRoutines
