// Helpers for the IR tests: Pronto words as code data, and a fixed stand-in
// for what a learning remote does to a signal.
#pragma once

#include <kelpie/ir/Pronto.h>
#include <kelpie/ir/Signal.h>

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace kelpie::ir::test {

inline std::vector<std::uint8_t> Data(std::initializer_list<std::uint16_t> words) {
    return BytesOf(std::vector<std::uint16_t>(words));
}

// One more repeat frame in the once sequence, every duration off by up to
// 15 % in a fixed pattern, the first burst a quarter short: the distortions
// the decoder must take, as the code data a remote would store.
inline std::vector<std::uint8_t> LearnedData(const Signal& ideal) {
    static constexpr double Off[] = {1.14, 0.87, 1.06, 0.91, 1.15, 0.85, 1.02, 0.95, 0.88, 1.11};
    Signal learned = ideal;
    learned.Once.insert(learned.Once.end(), ideal.Repeat.begin(), ideal.Repeat.end());
    std::size_t i = 0;
    for (auto* sequence : {&learned.Once, &learned.Repeat})
        for (double& micros : *sequence)
            micros *= Off[i++ % std::size(Off)];
    (learned.Once.empty() ? learned.Repeat : learned.Once).front() *= 0.75;
    return BytesOf(LearnedWords(learned));
}

} // namespace kelpie::ir::test
