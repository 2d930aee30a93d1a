// ir-accuracy [TRIALS [NOISE]]: the IR decoder's accuracy table. For every
// protocol, TRIALS (3000) random commands are encoded, distorted as a
// learning remote would (see IrSignals.h), written as Pronto words and
// decoded; the table counts how many come back as the same command, as
// another command or protocol, or as unknown. Then NOISE (10000) random
// signals of plausible shape are decoded, which should all be unknown.
// Exits 1 when a protocol falls below 99.5 % or noise decodes more than
// 0.1 % of the time.
#include "IrSignals.h"

#include <kelpie/ir/Decode.h>
#include <kelpie/ir/Encode.h>
#include <kelpie/ir/Pronto.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using namespace kelpie;

ir::Decoded DecodeAsStored(const ir::Signal& signal) {
    return ir::Decode(ir::BytesOf(ir::LearnedWords(signal)));
}

struct Tally {
    long Trials = 0, Same = 0, Other = 0, Unknown = 0;
    double Share() const { return Trials ? 100.0 * Same / Trials : 0; }
};

} // namespace

int main(int argc, char** argv) {
    const long trials = argc > 1 ? std::atol(argv[1]) : 3000;
    const long noise = argc > 2 ? std::atol(argv[2]) : 10000;
    std::mt19937 random(20021017);
    bool good = true;
    double decodeSeconds = 0;
    long decodes = 0;
    const auto timed = [&](const ir::Signal& signal) {
        const auto start = std::chrono::steady_clock::now();
        ir::Decoded decoded = DecodeAsStored(signal);
        decodeSeconds +=
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        ++decodes;
        return decoded;
    };

    std::printf("%-12s %8s %8s %9s %8s %8s\n", "protocol", "trials", "same", "share", "other",
                "unknown");
    Tally all;
    for (const auto& info : ir::Protocols()) {
        Tally tally;
        std::string example;
        for (long i = 0; i < trials; ++i) {
            const ir::Command command = bench::RandomCommand(info.Id, random);
            const ir::Decoded decoded = timed(bench::Learned(ir::Encode(command), random));
            ++tally.Trials;
            if (decoded.Command == command)
                ++tally.Same;
            else {
                ++(decoded.Known() ? tally.Other : tally.Unknown);
                if (example.empty()) example = decoded.Describe();
            }
        }
        all.Trials += tally.Trials;
        all.Same += tally.Same;
        all.Other += tally.Other;
        all.Unknown += tally.Unknown;
        good = good && tally.Share() >= 99.5;
        std::printf("%-12s %8ld %8ld %8.2f%% %8ld %8ld%s%s\n", info.Name, tally.Trials, tally.Same,
                    tally.Share(), tally.Other, tally.Unknown, example.empty() ? "" : "  e.g. ",
                    example.c_str());
    }
    std::printf("%-12s %8ld %8ld %8.2f%% %8ld %8ld\n\n", "all", all.Trials, all.Same, all.Share(),
                all.Other, all.Unknown);

    long unknown = 0;
    for (long i = 0; i < noise; ++i) {
        const ir::Decoded decoded = timed(bench::NoiseSignal(random));
        if (!decoded.Known())
            ++unknown;
        else
            std::printf("noise decoded as %s\n", decoded.Describe().c_str());
    }
    const double unknownShare = noise ? 100.0 * unknown / noise : 100;
    good = good && unknownShare >= 99.9;
    std::printf("%-12s %8ld unknown %ld (%.2f%%)\n", "noise", noise, unknown, unknownShare);
    std::printf("decoding took %.1f us per code on average\n",
                decodes ? 1e6 * decodeSeconds / decodes : 0);
    std::printf("%s\n", good ? "every protocol at least 99.5 %, noise at least 99.9 % unknown"
                             : "BELOW THE REQUIRED ACCURACY");
    return good ? 0 : 1;
}
