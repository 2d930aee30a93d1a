#include <kelpie/ir/Signal.h>

#include "ir/CodeParser.h"
#include "ir/PredefinedCodes.h"

#include <kelpie/ir/Encode.h>
#include <kelpie/ir/Pronto.h>

#include <algorithm>
#include <cstdio>

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

std::vector<double> Durations(const std::vector<std::uint16_t>& words, std::size_t first,
                              std::size_t count, double period) {
    std::vector<double> durations(count);
    for (std::size_t i = 0; i < count; ++i)
        durations[i] = words[first + i] * period;
    return durations;
}

ParsedCode Learned(const std::vector<std::uint16_t>& words) {
    const std::size_t once = 2 * std::size_t{words[2]}, repeat = 2 * std::size_t{words[3]};
    if (words[1] == 0) return Failure("the carrier divisor is 0");
    if (once + repeat == 0) return Failure("the code has no burst pairs");
    const auto zero = std::find(words.begin() + 4, words.end(), std::uint16_t{0});
    if (zero != words.end())
        return Failure("word " + std::to_string(zero - words.begin() + 1) + " is a duration of 0");
    const double period = words[1] * ProntoClockMicros;
    Signal signal;
    signal.Frequency = CarrierOfDivisor(words[1]);
    signal.Modulated = words[0] == LearnedForm;
    signal.Once = Durations(words, 4, once, period);
    signal.Repeat = Durations(words, 4 + once, repeat, period);
    return {{std::move(signal), {}}, std::nullopt};
}

ParsedCode Predefined(const std::vector<std::uint16_t>& words) {
    PredefinedCode code = PredefinedCommand(words);
    if (!code.Command) return Failure(std::move(code.Error));
    Signal signal = Encode(*code.Command);
    if (words[1] != 0) signal.Frequency = CarrierOfDivisor(words[1]);
    return {{std::move(signal), {}}, code.Command};
}

ParsedCode ParseCodeWords(const std::vector<std::uint16_t>& words) {
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
    return ParseCodeWords(WordsOf(data));
}

ParsedSignal ParseWords(const std::vector<std::uint16_t>& words) {
    return ParseCodeWords(words).Parsed;
}

ParsedSignal ParseSignal(const std::vector<std::uint8_t>& data) {
    return ParseCode(data).Parsed;
}

} // namespace kelpie::ir
