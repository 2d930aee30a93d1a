// Signals for measuring the IR decoder: random commands, the distortions of
// a learning remote, and noise shaped like IR codes.
#pragma once

#include <kelpie/ir/Command.h>
#include <kelpie/ir/Signal.h>

#include <random>

namespace kelpie::bench {

// A command of the protocol with every field drawn uniformly within its
// width (a NECx subdevice never the complement of its device, which would
// make it NEC1).
ir::Command RandomCommand(ir::Protocol protocol, std::mt19937& random);

// What a learning remote makes of a signal: one more repeat frame in the once
// sequence, each duration off by up to 15 % either way, and the first burst
// up to 30 % shorter still.
ir::Signal Learned(const ir::Signal& signal, std::mt19937& random);

// A random signal of plausible shape: a carrier of 30 to 60 kHz, often a
// lead-in, then 6 to 48 bits as bursts and gaps of two random lengths
// (pulse-distance, pulse-width or both), or a run of one- and two-unit
// durations as bi-phase codes have, and a closing gap; sent once, repeated,
// or both.
ir::Signal NoiseSignal(std::mt19937& random);

} // namespace kelpie::bench
