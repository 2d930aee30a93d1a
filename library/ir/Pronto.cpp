#include <kelpie/ir/Pronto.h>

#include <kelpie/Error.h>

#include <cmath>
#include <cstdio>

namespace kelpie::ir {

namespace {

constexpr std::uint16_t LearnedForm = 0x0000;
constexpr std::uint16_t UnmodulatedForm = 0x0100;

std::uint16_t PeriodsOf(double micros, double period) {
    const double periods = std::round(micros / period);
    if (!(periods >= 1)) return 1; // also NaN
    return periods > 0xFFFF ? 0xFFFF : static_cast<std::uint16_t>(periods);
}

std::uint16_t PairCount(const std::vector<double>& sequence) {
    const std::size_t pairs = (sequence.size() + 1) / 2;
    if (pairs > 0xFFFF)
        throw Error(ErrorKind::Overflow,
                    "a signal of " + std::to_string(pairs) + " burst pairs does not fit a code");
    return static_cast<std::uint16_t>(pairs);
}

void AppendPeriods(std::vector<std::uint16_t>& words, const std::vector<double>& sequence,
                   double period) {
    for (const double micros : sequence)
        words.push_back(PeriodsOf(micros, period));
    if (sequence.size() % 2) words.push_back(1); // the missing closing gap
}

} // namespace

double CarrierOfDivisor(std::uint16_t divisor) {
    return divisor ? 1e6 / (divisor * ProntoClockMicros) : 0;
}

std::uint16_t DivisorOfCarrier(double hertz) {
    if (!(hertz > 0)) return 0xFFFF;
    const double divisor = std::round(1e6 / (hertz * ProntoClockMicros));
    if (divisor < 1) return 1;
    return divisor > 0xFFFF ? 0xFFFF : static_cast<std::uint16_t>(divisor);
}

std::vector<std::uint16_t> WordsOf(const std::vector<std::uint8_t>& data) {
    std::vector<std::uint16_t> words(data.size() / 2);
    for (std::size_t i = 0; i < words.size(); ++i)
        words[i] = static_cast<std::uint16_t>(data[2 * i] << 8 | data[2 * i + 1]);
    return words;
}

std::vector<std::uint8_t> BytesOf(const std::vector<std::uint16_t>& words) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(words.size() * 2);
    for (const auto word : words) {
        bytes.push_back(static_cast<std::uint8_t>(word >> 8));
        bytes.push_back(static_cast<std::uint8_t>(word & 0xFF));
    }
    return bytes;
}

std::string ProntoHex(const std::vector<std::uint16_t>& words) {
    std::string text;
    text.reserve(words.size() * 5);
    char word[8];
    for (const auto value : words) {
        std::snprintf(word, sizeof word, "%04X", static_cast<unsigned>(value));
        if (!text.empty()) text += ' ';
        text += word;
    }
    return text;
}

std::vector<std::uint16_t> LearnedWords(const Signal& signal) {
    const std::uint16_t divisor = DivisorOfCarrier(signal.Frequency);
    const double period = divisor * ProntoClockMicros;
    std::vector<std::uint16_t> words{signal.Modulated ? LearnedForm : UnmodulatedForm, divisor,
                                     PairCount(signal.Once), PairCount(signal.Repeat)};
    words.reserve(4 + 2 * (words[2] + words[3]));
    AppendPeriods(words, signal.Once, period);
    AppendPeriods(words, signal.Repeat, period);
    return words;
}

} // namespace kelpie::ir
