// An IR code's data as a signal: a carrier and two sequences of durations.
//
// The data of an IR code are Pronto words (16-bit, most significant byte
// first). The first word names the form: 0x0000 a learned, modulated code;
// 0x0100 a learned code without carrier; 0x5000 RC5, 0x5001 RC5x, 0x6000 RC6
// mode 0 and 0x6001 RC6 mode 6A as numbers for the remote to render. The
// second word is the carrier divisor: the carrier's period in units of
// 0.241246 microseconds. The third and fourth count the burst pairs of the
// once sequence (sent once per key press) and of the repeat sequence (sent
// while the key is held). A learned code then lists the pairs, each an on and
// an off time counted in carrier periods; a predefined code lists its numbers.
#pragma once

#include <kelpie/KelpieExport.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kelpie::ir {

struct Signal {
    // The carrier in Hz. A code without carrier (0x0100) keeps the frequency
    // that times its words, and Modulated is false.
    double Frequency = 0;
    bool Modulated = true;
    // Durations in microseconds, alternately on (burst) and off (gap), each
    // sequence starting with a burst and ending with a gap.
    std::vector<double> Once;
    std::vector<double> Repeat;
};

// A parsed signal, or the reason the data are not a valid code.
struct ParsedSignal {
    std::optional<ir::Signal> Signal;
    std::string Error;
};

// Parses a code's data bytes (an IRCode's IRCodeData). Accepts any bytes:
// an odd byte count, a header shorter than four words, pair counts that do
// not match the words present, a zero carrier divisor or zero duration in a
// learned code, an unknown form word, or predefined numbers out of their
// protocol's range give an Error and no signal. A predefined code whose
// divisor word is 0 uses its protocol's standard carrier, as the remote does.
KELPIE_API ParsedSignal ParseSignal(const std::vector<std::uint8_t>& data);
KELPIE_API ParsedSignal ParseWords(const std::vector<std::uint16_t>& words);

} // namespace kelpie::ir
