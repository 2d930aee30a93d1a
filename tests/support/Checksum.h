// The CRC of CCF headers, computed by the builder on its own.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kelpie::builder {

// CRC-16/XMODEM: polynomial 0x1021, initial value 0, most significant bit
// first, no reflection, no final XOR. "123456789" gives 0x31C3.
std::uint16_t Crc16Xmodem(const std::uint8_t* bytes, std::size_t length);

} // namespace kelpie::builder
