// The predefined code forms: numbers that the remote renders into a signal
// itself. After the four header words come the numbers, padded with zero
// words to whole pairs:
//   0x5000 RC5:         system (0-31), command (0-127)
//   0x5001 RC5x:        system (0-31), command (0-127), data (0-63)
//   0x6000 RC6 mode 0:  system (0-255), command (0-255)
//   0x6001 RC6 mode 6A: customer, system, command; a customer code below
//                       0x8000 is sent in 8 bits (24 bits in all), from
//                       0x8000 in 16 (32 bits in all)
// The remote toggles RC5 and RC6 codes itself; the numbers carry no toggle.
// A divisor word of 0 stands for the protocol's standard carrier.
#pragma once

#include <kelpie/ir/Command.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace kelpie::ir {

bool IsPredefinedForm(std::uint16_t form);

struct PredefinedCode {
    std::optional<ir::Command> Command;
    std::string Error;
};

// The command of a predefined code whose words have passed the header checks
// (at least four words, pair counts that match the words present). Only
// the header and the three numbers after it are read: `words` may end there.
PredefinedCode PredefinedCommand(std::span<const std::uint16_t> words);

} // namespace kelpie::ir
