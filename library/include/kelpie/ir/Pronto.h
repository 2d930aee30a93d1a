// Conversions between IR code data bytes, Pronto words, Pronto hex text and
// signals in microseconds.
#pragma once

#include <kelpie/KelpieExport.h>
#include <kelpie/ir/Signal.h>

#include <cstdint>
#include <string>
#include <vector>

namespace kelpie::ir {

// One carrier-divisor unit: the remote's clock period in microseconds.
inline constexpr double ProntoClockMicros = 0.241246;

// The carrier frequency in Hz that a divisor word gives (0 for divisor 0),
// and the divisor word nearest to a frequency (1 to 0xFFFF).
KELPIE_API double CarrierOfDivisor(std::uint16_t divisor);
KELPIE_API std::uint16_t DivisorOfCarrier(double hertz);

// Data bytes as words, most significant byte first (a last odd byte is
// dropped), and back.
KELPIE_API std::vector<std::uint16_t> WordsOf(const std::vector<std::uint8_t>& data);
KELPIE_API std::vector<std::uint8_t> BytesOf(const std::vector<std::uint16_t>& words);

// "0000 006D 0022 0002 ...": four upper-case hex digits per word.
KELPIE_API std::string ProntoHex(const std::vector<std::uint16_t>& words);

// A signal in the learned form (0x0000, or 0x0100 when not modulated): each
// duration rounded to whole carrier periods (at least one, at most 0xFFFF).
// A sequence of odd length gets a closing gap of one period.
KELPIE_API std::vector<std::uint16_t> LearnedWords(const Signal& signal);

} // namespace kelpie::ir
