#include "support/Checksum.h"

#include <array>

namespace kelpie::builder {

namespace {

// The CRC of each byte value alone, so that the sum over a file takes one
// lookup per byte (generated files run to tens of megabytes).
std::array<std::uint16_t, 256> MakeTable() {
    std::array<std::uint16_t, 256> table{};
    for (unsigned byte = 0; byte < 256; ++byte) {
        auto crc = static_cast<std::uint16_t>(byte << 8);
        for (int bit = 0; bit < 8; ++bit)
            crc = static_cast<std::uint16_t>((crc & 0x8000) ? (crc << 1) ^ 0x1021 : crc << 1);
        table[byte] = crc;
    }
    return table;
}

} // namespace

std::uint16_t Crc16Xmodem(const std::uint8_t* bytes, std::size_t length) {
    static const std::array<std::uint16_t, 256> table = MakeTable();
    std::uint16_t crc = 0;
    for (std::size_t i = 0; i < length; ++i)
        crc = static_cast<std::uint16_t>((crc << 8) ^ table[((crc >> 8) ^ bytes[i]) & 0xFF]);
    return crc;
}

} // namespace kelpie::builder
