#include "IrSignals.h"

#include <kelpie/ir/Protocol.h>

namespace kelpie::bench {

namespace {

double Uniform(std::mt19937& random, double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(random);
}

std::uint32_t Bits(std::mt19937& random, int width) {
    if (width == 0) return 0;
    return std::uniform_int_distribution<std::uint32_t>(0, (1u << width) - 1)(random);
}

} // namespace

ir::Command RandomCommand(ir::Protocol protocol, std::mt19937& random) {
    const ir::ProtocolInfo& info = ir::InfoOf(protocol);
    ir::Command command{.Protocol = protocol,
                        .Device = Bits(random, info.DeviceBits),
                        .Function = Bits(random, info.FunctionBits),
                        .Toggle = Bits(random, info.HasToggle ? 1 : 0),
                        .Extension = Bits(random, info.ExtensionBits)};
    if (info.SubdeviceBits) {
        do
            command.Subdevice = Bits(random, info.SubdeviceBits);
        while (protocol == ir::Protocol::NECx && *command.Subdevice == (~command.Device & 0xFFu));
    }
    return command;
}

ir::Signal Learned(const ir::Signal& signal, std::mt19937& random) {
    ir::Signal learned = signal;
    learned.Once.insert(learned.Once.end(), signal.Repeat.begin(), signal.Repeat.end());
    for (auto* sequence : {&learned.Once, &learned.Repeat})
        for (double& micros : *sequence)
            micros *= Uniform(random, 0.85, 1.15);
    auto& first = learned.Once.empty() ? learned.Repeat : learned.Once;
    if (!first.empty()) first.front() *= Uniform(random, 0.7, 1.0);
    return learned;
}

ir::Signal NoiseSignal(std::mt19937& random) {
    const auto jitter = [&](double micros) { return micros * Uniform(random, 0.9, 1.1); };
    std::vector<double> frame;
    const int shape = static_cast<int>(random() % 4);
    if (shape < 3) {
        if (Uniform(random, 0, 1) < 0.7) {
            frame.push_back(Uniform(random, 1500, 10000));
            frame.push_back(Uniform(random, 500, 5000));
        }
        const double burst = Uniform(random, 150, 1200),
                     wideBurst = burst * Uniform(random, 1.3, 3.5);
        const double gap = Uniform(random, 150, 1200), wideGap = gap * Uniform(random, 1.3, 4);
        const int bits = 6 + static_cast<int>(random() % 43);
        for (int bit = 0; bit < bits; ++bit) {
            const bool one = random() & 1;
            const bool wideBursts = shape != 0, wideGaps = shape != 1;
            frame.push_back(jitter(one && wideBursts ? wideBurst : burst));
            frame.push_back(jitter((one == (shape != 2)) && wideGaps ? wideGap : gap));
        }
        frame.push_back(jitter(burst));
    } else {
        const double half = Uniform(random, 200, 1000);
        if (Uniform(random, 0, 1) < 0.5) {
            frame.push_back(half * Uniform(random, 2, 7));
            frame.push_back(half * Uniform(random, 1, 3));
        }
        const int count = 10 + static_cast<int>(random() % 40);
        for (int i = 0; i < count; ++i)
            frame.push_back(jitter(half * (1 + random() % 2)));
        if (frame.size() % 2 == 0) frame.push_back(jitter(half));
    }
    frame.push_back(Uniform(random, 8000, 100000));

    ir::Signal signal;
    signal.Frequency = Uniform(random, 30000, 60000);
    switch (random() % 3) {
    case 0:
        signal.Repeat = frame;
        break;
    case 1:
        signal.Once = frame;
        signal.Repeat = frame;
        break;
    default:
        signal.Once = frame;
        signal.Once.insert(signal.Once.end(), frame.begin(), frame.end());
        break;
    }
    return signal;
}

} // namespace kelpie::bench
