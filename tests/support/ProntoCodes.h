// IR code data in the Pronto word formats, for files that should look real:
// the remote's tools store the same words that Pronto hex codes are written in.
#pragma once

#include <cstdint>
#include <vector>

namespace kelpie::builder {

// A Philips RC5 code in the Pronto predefined format 0x5000: type, carrier
// (36 kHz), two zero-length sequence words as the format has them, system
// and command. 12 data bytes: an 18-byte IR code record.
std::vector<std::uint16_t> Rc5Code(std::uint16_t system, std::uint16_t command);

// A NEC code as a learned Pronto code (type 0x0000, 38 kHz): the leader, 32
// bits (address, inverted address, command, inverted command, least
// significant bit first), the stop burst, and the repeat sequence.
// 152 data bytes: a 158-byte IR code record.
std::vector<std::uint16_t> NecCode(std::uint8_t address, std::uint8_t command);

} // namespace kelpie::builder
