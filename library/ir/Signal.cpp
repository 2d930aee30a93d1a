#include <kelpie/ir/Signal.h>

#include "ir/CodeParser.h"
#include "ir/PredefinedCodes.h"

#include <kelpie/ir/Encode.h>
#include <kelpie/ir/Pronto.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <span>

namespace kelpie::ir {

namespace {

constexpr std::uint16_t LearnedForm = 0x0000;
constexpr std::uint16_t UnmodulatedForm = 0x0100;

ParsedCode Failure(std::string reason) {
    return {{std::nullopt, std::move(reason)}, std::nullopt};
}

std::string Hex(std::uint16_t word) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%04X", static_cast<unsigned>(word));
    return text;
}

// A code's big-endian words, read straight from its bytes.
class Words {
public:
    explicit Words(const std::vector<std::uint8_t>& bytes)
        : bytes_(bytes.data()), size_(bytes.size() / 2) {}
    std::size_t size() const { return size_; }
    std::uint16_t operator[](std::size_t index) const {
        return static_cast<std::uint16_t>(bytes_[2 * index] << 8 | bytes_[2 * index + 1]);
    }

private:
    const std::uint8_t* bytes_;
    std::size_t size_;
};

// The durations of `count` words from `first`; false at a word of 0, whose
// place `zero` then holds.
bool Durations(const Words& words, std::size_t first, std::size_t count, double period,
               std::vector<double>& durations, std::size_t& zero) {
    durations.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint16_t word = words[first + i];
        if (word == 0) {
            zero = first + i;
            return false;
        }
        durations[i] = word * period;
    }
    return true;
}

ParsedCode Learned(const Words& words) {
    const std::size_t once = 2 * std::size_t{words[2]}, repeat = 2 * std::size_t{words[3]};
    if (words[1] == 0) return Failure("the carrier divisor is 0");
    if (once + repeat == 0) return Failure("the code has no burst pairs");
    const double period = words[1] * ProntoClockMicros;
    Signal signal;
    std::size_t zero = 0;
    if (!Durations(words, 4, once, period, signal.Once, zero) ||
        !Durations(words, 4 + once, repeat, period, signal.Repeat, zero))
        return Failure("word " + std::to_string(zero + 1) + " is a duration of 0");
    signal.Frequency = CarrierOfDivisor(words[1]);
    signal.Modulated = words[0] == LearnedForm;
    return {{std::move(signal), {}}, std::nullopt};
}

ParsedCode Predefined(const Words& words) {
    // The header and the most numbers a predefined form has.
    std::array<std::uint16_t, 7> numbers{};
    const std::size_t read = std::min(words.size(), numbers.size());
    for (std::size_t i = 0; i < read; ++i)
        numbers[i] = words[i];
    PredefinedCode code = PredefinedCommand(std::span(numbers.data(), read));
    if (!code.Command) return Failure(std::move(code.Error));
    Signal signal = Encode(*code.Command);
    if (words[1] != 0) signal.Frequency = CarrierOfDivisor(words[1]);
    return {{std::move(signal), {}}, code.Command};
}

ParsedCode ParseCodeWords(const Words& words) {
    if (words.size() < 4)
        return Failure("the code has " + std::to_string(words.size()) +
                       " words where the header alone needs 4");
    const std::uint16_t form = words[0];
    if (form != LearnedForm && form != UnmodulatedForm && !IsPredefinedForm(form))
        return Failure("the form word " + Hex(form) + " is unknown");
    const std::size_t announced = 4 + 2 * (std::size_t{words[2]} + std::size_t{words[3]});
    if (announced != words.size())
        return Failure("the counts announce " + std::to_string(words[2]) + " once and " +
                       std::to_string(words[3]) + " repeat pairs (" + std::to_string(announced) +
                       " words), but the code has " + std::to_string(words.size()) + " words");
    return IsPredefinedForm(form) ? Predefined(words) : Learned(words);
}

} // namespace

ParsedCode ParseCode(const std::vector<std::uint8_t>& data) {
    if (data.size() % 2)
        return Failure("the code has an odd number of bytes (" + std::to_string(data.size()) + ")");
    return ParseCodeWords(Words(data));
}

ParsedSignal ParseWords(const std::vector<std::uint16_t>& words) {
    return ParseCode(BytesOf(words)).Parsed;
}

ParsedSignal ParseSignal(const std::vector<std::uint8_t>& data) {
    return ParseCode(data).Parsed;
}

} // namespace kelpie::ir
