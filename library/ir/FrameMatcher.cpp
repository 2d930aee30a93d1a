#include "ir/FrameMatcher.h"

#include <algorithm>
#include <cmath>

namespace kelpie::ir::spec {

namespace {

// Steps one frame match may take before it gives up; a clean frame needs
// about two per bit.
constexpr long Budget = 20000;

// A learned duration may be off by a quarter of its ideal length plus this.
constexpr double SlackMicros = 40;

} // namespace

void Quality::Add(const Quality& other) {
    Exact = Exact && other.Exact;
    SquaredError += other.SquaredError;
    Count += other.Count;
}

FrameMatcher::FrameMatcher(const Spec& spec, const Timeline& timeline, bool enforce)
    : spec_(spec), timeline_(timeline), enforce_(enforce) {}

std::optional<FrameMatch> FrameMatcher::Match(const std::vector<Step>& steps, std::size_t start) {
    steps_ = &steps;
    calls_ = 0;
    result_.reset();
    State state;
    state.Index = start;
    if (Walk(0, 0, 0, state)) return result_;
    return std::nullopt;
}

bool FrameMatcher::Close(double actual, double ideal, bool first) const {
    const double slack = 0.25 * ideal + SlackMicros;
    // The first burst of a learned signal often comes out short: the
    // receiver needs a moment to lock on to the carrier.
    const double lowest = first ? 0.5 * ideal : ideal - slack;
    return actual >= lowest && actual <= ideal + slack;
}

bool FrameMatcher::ExactlyClose(double actual, double ideal) const {
    return std::abs(actual - ideal) <= std::max(0.05 * ideal, timeline_.Period + 2);
}

template <class Next> bool FrameMatcher::Piece(double piece, const State& state, const Next& next) {
    if (++calls_ > Budget) return false;
    const bool burst = piece > 0;
    const double ideal = std::abs(piece);
    State taken = state;
    taken.Elapsed += ideal;
    // A frame that opens with a gap (a bi-phase start bit): the silence
    // before the frame stands for it.
    if (!burst && !state.Started) return next(taken);
    taken.Started = true;

    const auto& durations = timeline_.Durations;
    const std::size_t index = state.Index;
    if (index >= durations.size() || timeline_.IsBurst(index) != burst) return false;
    const double actual = durations[index];
    const double total = state.Used + ideal;
    const bool first = index == 0;
    if (Close(actual, total, first)) {
        State whole = taken;
        whole.Index = index + 1;
        whole.Used = 0;
        const double deviation = (actual - total) / total;
        whole.Fit.SquaredError += deviation * deviation;
        whole.Fit.Count += 1;
        whole.Fit.Exact = whole.Fit.Exact && ExactlyClose(actual, total);
        if (next(whole)) return true;
    }
    // The duration goes on: the next piece of the same kind continues it.
    if (actual > total + 0.2 * spec_.Unit || (first && actual >= 0.5 * (total + spec_.Unit))) {
        State part = taken;
        part.Used = total;
        return next(part);
    }
    return false;
}

template <class Next> bool FrameMatcher::Gap(double ideal, const State& state, const Next& next) {
    if (++calls_ > Budget) return false;
    ideal = std::max(ideal, spec_.Unit);
    State taken = state;
    taken.Started = true;
    taken.Elapsed += ideal;
    const auto& durations = timeline_.Durations;
    const std::size_t index = state.Index;
    // The sequence ended without the closing gap (the learner stopped), or
    // the frame's last piece took all of a short one.
    if (index >= durations.size() || (index == timeline_.OnceEnd && timeline_.IsBurst(index))) {
        taken.Fit.Exact = false;
        return state.Used == 0 && next(taken);
    }
    if (timeline_.IsBurst(index)) return false;
    const double rest = durations[index] - state.Used;
    // Inside a signal a closing gap may be longer than ideal, not much
    // shorter; at the end of a sequence anything goes.
    if (!timeline_.EndsSequence(index) && rest < 0.5 * ideal) return false;
    taken.Fit.Exact = taken.Fit.Exact && ExactlyClose(rest, ideal);
    taken.Index = index + 1;
    taken.Used = 0;
    return next(taken);
}

bool FrameMatcher::Walk(std::size_t step, int bit, std::uint32_t bits, const State& state) {
    if (step == steps_->size()) return Finish(state);
    const Step& current = (*steps_)[step];
    const auto nextStep = [&](const State& after) { return Walk(step + 1, 0, 0, after); };
    switch (current.Kind) {
    case StepKind::Burst:
        return Piece(current.Micros, state, nextStep);
    case StepKind::Space:
        return Piece(-current.Micros, state, nextStep);
    case StepKind::Gap:
        return Gap(current.Micros, state, nextStep);
    case StepKind::Extent:
        return Gap(current.Micros - state.Elapsed, state, nextStep);
    case StepKind::Bits:
        break;
    }
    if (bit == current.Width) {
        State stored = state;
        if (!StoreBits(current, bits, stored.Values)) {
            if (enforce_) return false;
            if (!stored.ConflictStep) {
                stored.ConflictStep = &current;
                stored.ConflictBits = bits;
            }
        }
        return nextStep(stored);
    }
    const int position = spec_.MsbFirst ? current.Width - 1 - bit : bit;
    for (const std::uint32_t value : {0u, 1u}) {
        const auto& code = value ? spec_.Code.One : spec_.Code.Zero;
        const std::uint32_t withBit = bits | value << position;
        const auto secondHalf = [&](const State& half) {
            return Piece(code[1] * current.Scale, half,
                         [&](const State& whole) { return Walk(step, bit + 1, withBit, whole); });
        };
        if (Piece(code[0] * current.Scale, state, secondHalf)) return true;
    }
    return false;
}

bool FrameMatcher::Finish(const State& state) {
    const bool checksumHolds = ChecksumHolds(spec_, state.Values);
    if (!checksumHolds && enforce_) return false;
    FrameMatch match{state.Index, state.Values, state.Fit, {}};
    if (state.ConflictStep)
        match.Conflict = Contradiction(*state.ConflictStep, state.ConflictBits);
    else if (!checksumHolds)
        match.Conflict = "the checksum does not match";
    result_ = std::move(match);
    return true;
}

} // namespace kelpie::ir::spec
