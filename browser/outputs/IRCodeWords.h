// The words the reports and the exports use for an IR code: the name of its
// coding scheme and its data as 16-bit words in hexadecimal.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vantor {

// The coding scheme named by an IR code's type word (the first data word):
// "pulse-width coding", "pulse-position coding", "RC5", "RC5X", "RC6",
// "RC6A", or the word in four hexadecimal digits.
std::string IRCodeTypeName(std::int16_t type);

// The data as big-endian words, four upper-case hexadecimal digits each; an
// odd last byte is not a word.
std::vector<std::string> IRCodeDataWords(const std::vector<std::uint8_t>& data);

} // namespace vantor
