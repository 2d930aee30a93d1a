#include "ir/FrameMatcher.h"

#include <algorithm>
#include <cmath>

namespace kelpie::ir::layout {

namespace {

// Steps the full search may take for one frame before it gives up; a clean
// frame needs about four per bit.
constexpr long Budget = 20000;

// A learned duration may be off by a quarter of its ideal length plus this.
constexpr double SlackMicros = 40;

} // namespace

void Quality::Add(const Quality& other) {
    Exact = Exact && other.Exact;
    SquaredError += other.SquaredError;
    Count += other.Count;
}

FrameMatcher::FrameMatcher(const Layout& layout, const Timeline& timeline, bool enforce)
    : layout_(layout), timeline_(timeline), enforce_(enforce),
      plain_(PlainCodes()[static_cast<std::size_t>(layout.Info.Id)]) {}

const FrameMatch* FrameMatcher::Match(const std::vector<Step>& steps, std::size_t start) {
    steps_ = &steps;
    if (!GapsCanFall(start)) return nullptr;
    bool doubt = false;
    if (Greedy(start, doubt)) {
        result_.Only = !doubt;
        return &result_;
    }
    if (!doubt) return nullptr;
    calls_ = 0;
    const Fields none;
    State state;
    state.Index = start;
    state.Values = &none;
    return Walk(0, 0, 0, state) ? &result_ : nullptr;
}

const std::vector<FrameMatcher::Window>& FrameMatcher::Openings() {
    static const std::vector<Window> openings = [] {
        std::vector<Window> made;
        for (const Layout& layout : Layouts())
            made.push_back(OpeningOf(layout));
        return made;
    }();
    return openings;
}

// The first burst of a signal is at least half the frame's first burst piece
// (where the frame surely starts with one) and at most the longest run of
// burst pieces the frame can start with, plus the slack of a duration.
FrameMatcher::Window FrameMatcher::OpeningOf(const Layout& layout) {
    const auto& steps = layout.FirstFrame();
    if (steps.empty()) return {0, HUGE_VAL};
    const Step& first = steps.front();
    double low = 0;
    if (first.Kind == StepKind::Burst) low = 0.5 * first.Micros;
    if (first.Kind == StepKind::Bits && layout.Code.Zero[0] > 0 && layout.Code.One[0] > 0)
        low = 0.5 * std::min(layout.Code.Zero[0], layout.Code.One[0]) * first.Scale;

    // Over every value the bits can have: the longest opening run that is
    // still open (-1 where none is), the longest one already ended, and
    // whether no burst has come yet (the frame may open with a gap: the
    // silence before it stands for that).
    struct Run {
        double Open = -1, Ended = 0;
        bool Before = true;
    };
    const auto add = [](Run run, double piece) {
        if (piece > 0) {
            run.Open = std::max(run.Open >= 0 ? run.Open + piece : -1.0, run.Before ? piece : -1.0);
            run.Before = false;
        } else {
            run.Ended = std::max(run.Ended, run.Open);
            run.Open = -1;
        }
        return run;
    };
    Run run;
    for (const Step& step : steps) {
        if (!run.Before && run.Open < 0) break; // the opening run has ended
        switch (step.Kind) {
        case StepKind::Burst:
            run = add(run, step.Micros);
            break;
        case StepKind::Space:
        case StepKind::Gap:
        case StepKind::Extent:
            run = add(run, -1);
            break;
        case StepKind::Bits:
            for (int bit = 0; bit < step.Width; ++bit) {
                const Run zero = add(add(run, layout.Code.Zero[0] * step.Scale),
                                     layout.Code.Zero[1] * step.Scale);
                const Run one =
                    add(add(run, layout.Code.One[0] * step.Scale), layout.Code.One[1] * step.Scale);
                run = {std::max(zero.Open, one.Open), std::max(zero.Ended, one.Ended),
                       zero.Before || one.Before};
            }
            break;
        }
    }
    const double longest = std::max(run.Open, run.Ended);
    return {low, longest > 0 ? WindowOf(longest).High : HUGE_VAL};
}

FrameMatcher::Window FrameMatcher::WindowOf(double ideal) {
    const double slack = 0.25 * ideal + SlackMicros;
    return {ideal - slack, ideal + slack};
}

bool FrameMatcher::Close(double actual, double ideal, bool first) {
    const Window window = WindowOf(ideal);
    // The first burst of a learned signal often comes out short: the
    // receiver needs a moment to lock on to the carrier.
    const double lowest = first ? 0.5 * ideal : window.Low;
    return actual >= lowest && actual <= window.High;
}

void FrameMatcher::Note(double actual, double ideal, Quality& fit) const {
    const double deviation = (actual - ideal) / ideal;
    fit.SquaredError += deviation * deviation;
    fit.Count += 1;
    fit.Exact = fit.Exact && ExactlyClose(actual, ideal);
}

bool FrameMatcher::ExactlyClose(double actual, double ideal) const {
    return std::abs(actual - ideal) <= std::max(0.05 * ideal, timeline_.Period + 2);
}

// Whether each closing gap of a pulse-code frame starting at `start` can
// fall where the frame's durations put it: a quick look that spares walking
// the bits of frames that cannot fit.
bool FrameMatcher::GapsCanFall(std::size_t start) const {
    const auto& durations = timeline_.Durations;
    for (const Step& step : *steps_) {
        if (step.DurationIndex < 0) continue;
        const std::size_t index = start + static_cast<std::size_t>(step.DurationIndex);
        // Where a sequence ends, the gap may be missing or of any length.
        if (index >= durations.size() || index == timeline_.OnceEnd) return true;
        if (timeline_.IsBurst(index)) return false;
        if (!timeline_.EndsSequence(index) && durations[index] < step.LeastGap) return false;
    }
    return true;
}

// A frame that opens with a gap (a bi-phase start bit): the silence before
// the frame stands for it.
bool FrameMatcher::OpensWithGap(double piece, const State& state) const {
    return piece < 0 && !state.Started;
}

FrameMatcher::Meeting FrameMatcher::Meet(double piece, bool continues, const State& state) const {
    const auto& durations = timeline_.Durations;
    const std::size_t index = state.Index;
    if (index >= durations.size() || timeline_.IsBurst(index) != (piece > 0)) return {};
    const double actual = durations[index];
    const double total = state.Used + std::abs(piece);
    const bool first = index == 0;
    // Only its start, when the rest could be at least one more unit.
    const double longer = total + layout_.Unit;
    return {Close(actual, total, first),
            continues && actual >= (first ? 0.5 * longer : WindowOf(longer).Low)};
}

void FrameMatcher::TakeWhole(double piece, State& state) const {
    Note(timeline_.Durations[state.Index], state.Used + std::abs(piece), state.Fit);
    state.Index += 1;
    state.Used = 0;
    state.Elapsed += std::abs(piece);
    state.Started = true;
}

void FrameMatcher::TakeStart(double piece, State& state) const {
    state.Used += std::abs(piece);
    state.Elapsed += std::abs(piece);
    state.Started = true;
}

bool FrameMatcher::TakeGap(double ideal, State& state) const {
    ideal = std::max(ideal, layout_.Unit);
    const auto& durations = timeline_.Durations;
    const std::size_t index = state.Index;
    state.Started = true;
    state.Elapsed += ideal;
    // The sequence ended without the closing gap (the learner stopped), or
    // the frame's last piece took all of a short one.
    if (index >= durations.size() || (index == timeline_.OnceEnd && timeline_.IsBurst(index))) {
        state.Fit.Exact = false;
        return state.Used == 0;
    }
    if (timeline_.IsBurst(index)) return false;
    const double rest = durations[index] - state.Used;
    // Inside a signal a closing gap may be longer than ideal, not much
    // shorter; at the end of a sequence anything goes.
    if (!timeline_.EndsSequence(index) && rest < 0.5 * ideal) return false;
    state.Fit.Exact = state.Fit.Exact && ExactlyClose(rest, ideal);
    state.Index = index + 1;
    state.Used = 0;
    return true;
}

bool FrameMatcher::Take(double piece, bool continues, State& state, bool& doubt) const {
    if (OpensWithGap(piece, state)) {
        state.Elapsed += -piece;
        return true;
    }
    const Meeting meeting = Meet(piece, continues, state);
    doubt = doubt || (meeting.Whole && meeting.Start);
    if (meeting.Whole)
        TakeWhole(piece, state);
    else if (meeting.Start)
        TakeStart(piece, state);
    else
        return false;
    return true;
}

FrameMatcher::BitPieces FrameMatcher::PiecesOf(const Step& step, int bit,
                                               std::uint32_t value) const {
    const auto& code = value ? layout_.Code.One : layout_.Code.Zero;
    const double first = code[0] * step.Scale, second = code[1] * step.Scale;
    const std::uint8_t following = bit + 1 < step.Width ? layout_.Code.Starts() : step.After;
    return {first, second, (first > 0) == (second > 0),
            (following & (second > 0 ? Bursts : Gaps)) != 0};
}

FrameMatcher::PlainPieces FrameMatcher::PlainPiecesOf(const BitCode& code, double scale) {
    const auto ideal = [scale](double piece) {
        const double micros = std::abs(piece) * scale;
        return PlainPiece{micros, 1 / micros, WindowOf(micros)};
    };
    return {{{ideal(code.Zero[0]), ideal(code.Zero[1])}, {ideal(code.One[0]), ideal(code.One[1])}}};
}

const std::vector<FrameMatcher::PlainCode>& FrameMatcher::PlainCodes() {
    static const std::vector<PlainCode> table = [] {
        std::vector<PlainCode> made;
        for (const Layout& layout : Layouts())
            made.push_back({IsPulseCode(layout.Code), PlainPiecesOf(layout.Code, 1)});
        return made;
    }();
    return table;
}

// Reads bits of a pulse-distance or pulse-width code straight from the
// durations, two per bit, for as long as the bits are plain: each piece takes
// one whole duration (none can merge with a neighbour, and none is the
// signal's first burst). Returns how many bits it read, or -1 when a plain
// bit fits neither value. The ideal pieces come from a table made once per
// protocol; the run's own state is kept in locals until the run is read.
int FrameMatcher::PlainBits(const Step& step, int bit, State& state, std::uint32_t& bits,
                            bool& doubt) const {
    if (!plain_.Pulse || state.Used != 0 || !state.Started) return 0;
    const auto& durations = timeline_.Durations;
    const auto& code = layout_.Code;
    // The last bit's second piece may merge with the step after it.
    const bool lastMerges = step.After & (code.Zero[1] > 0 ? Bursts : Gaps);
    const int end = lastMerges ? step.Width - 1 : step.Width;
    const bool startsWithBurst = code.Zero[0] > 0;
    std::size_t index = state.Index;
    if (bit >= end || index == 0 || index + 1 >= durations.size()) return 0;
    // Bits take two durations each: every bit of the run starts on a burst
    // when the first does.
    if (timeline_.IsBurst(index) != startsWithBurst) return -1;
    PlainPieces scaled;
    const PlainPieces& pieces =
        step.Scale == 1 ? plain_.Pieces : (scaled = PlainPiecesOf(code, step.Scale));
    double exact[2][2];
    for (int one = 0; one < 2; ++one)
        for (int half = 0; half < 2; ++half)
            exact[one][half] = std::max(0.05 * pieces[one][half].Micros, timeline_.Period + 2);
    const auto holds = [](const PlainPiece& piece, double actual) {
        return unsigned{actual >= piece.Meets.Low} & unsigned{actual <= piece.Meets.High};
    };
    // Kept in locals until the run is read: the compiler need not store
    // them at every bit.
    bool exactSoFar = state.Fit.Exact;
    double squaredError = state.Fit.SquaredError;
    double elapsed = state.Elapsed;
    std::uint32_t value = bits;
    bool twoReadings = false;
    const int first = bit;
    // Where this bit goes in the value, and where the next one does.
    const bool msbFirst = layout_.MsbFirst;
    int position = msbFirst ? step.Width - 1 - bit : bit;
    const int toNext = msbFirst ? -1 : 1;
    for (; bit < end && index + 1 < durations.size(); ++bit, index += 2, position += toNext) {
        const double actual[2] = {durations[index], durations[index + 1]};
        // Bit 0 set: a 0 fits; bit 1 set: a 1 fits.
        const unsigned fits = (holds(pieces[0][0], actual[0]) & holds(pieces[0][1], actual[1])) |
                              (holds(pieces[1][0], actual[0]) & holds(pieces[1][1], actual[1]))
                                  << 1;
        if (fits == 0) {
            doubt = doubt || twoReadings;
            return -1;
        }
        twoReadings |= fits == 3;
        const unsigned one = ~fits & 1; // a 0 where both fit
        for (int half = 0; half < 2; ++half) {
            const PlainPiece& piece = pieces[one][half];
            const double off = actual[half] - piece.Micros;
            squaredError += off * off * piece.Inverse * piece.Inverse;
            exactSoFar &= std::abs(off) <= exact[one][half];
            elapsed += piece.Micros;
        }
        value |= one << position;
    }
    doubt = doubt || twoReadings;
    bits = value;
    state.Fit.Exact = exactSoFar;
    state.Fit.SquaredError = squaredError;
    state.Fit.Count += 2 * (bit - first);
    state.Elapsed = elapsed;
    state.Index = index;
    return bit - first;
}

// Records the bits of a Bits step; false when a contradiction ends the match.
bool FrameMatcher::Store(const Step& step, std::uint32_t bits, Fields& values, State& state) const {
    if (StoreBits(step, bits, values)) return true;
    if (enforce_) return false;
    if (!state.ConflictStep) {
        state.ConflictStep = &step;
        state.ConflictBits = bits;
    }
    return true;
}

bool FrameMatcher::Greedy(std::size_t start, bool& doubt) {
    // The fields are read straight into the match: copying them right after
    // they were written, a few bytes at a time, would stall the processor.
    Fields& values = result_.Values;
    values = Fields{};
    ReceivedBits received{};
    State state;
    state.Index = start;
    state.Values = &values;
    for (const Step& step : *steps_) {
        bool taken = false;
        switch (step.Kind) {
        case StepKind::Burst:
            taken = Take(step.Micros, step.After & Bursts, state, doubt);
            break;
        case StepKind::Space:
            taken = Take(-step.Micros, step.After & Gaps, state, doubt);
            break;
        case StepKind::Gap:
            taken = TakeGap(step.Micros, state);
            break;
        case StepKind::Extent:
            taken = TakeGap(step.Micros - state.Elapsed, state);
            break;
        case StepKind::Bits: {
            std::uint32_t bits = 0;
            taken = true;
            for (int bit = 0; bit < step.Width && taken; ++bit) {
                const int plain = PlainBits(step, bit, state, bits, doubt);
                if (plain < 0) {
                    taken = false;
                    break;
                }
                bit += plain;
                if (bit == step.Width) break;
                State read[2] = {state, state};
                bool fits[2];
                for (const std::uint32_t value : {0u, 1u}) {
                    const BitPieces pieces = PiecesOf(step, bit, value);
                    fits[value] = Take(pieces.First, pieces.FirstContinues, read[value], doubt) &&
                                  Take(pieces.Second, pieces.SecondContinues, read[value], doubt);
                }
                doubt = doubt || (fits[0] && fits[1]);
                const std::uint32_t value = fits[0] ? 0 : 1;
                taken = fits[value];
                state = read[value];
                bits |= value << (layout_.MsbFirst ? step.Width - 1 - bit : bit);
            }
            taken = taken && Store(step, bits, values, state);
            received[step.BitsIndex] = bits;
            break;
        }
        }
        if (!taken) return false;
    }
    if (!Finish(state)) return false;
    result_.Received = received;
    return true;
}

template <class Next>
bool FrameMatcher::Piece(double piece, bool continues, const State& state, const Next& next) {
    if (++calls_ > Budget) return false;
    State taken = state;
    if (OpensWithGap(piece, state)) {
        taken.Elapsed += -piece;
        return next(taken);
    }
    const Meeting meeting = Meet(piece, continues, state);
    if (meeting.Whole) {
        TakeWhole(piece, taken);
        if (next(taken)) return true;
        taken = state;
    }
    if (!meeting.Start) return false;
    TakeStart(piece, taken);
    return next(taken);
}

bool FrameMatcher::Walk(std::size_t step, int bit, std::uint32_t bits, const State& state) {
    if (step == steps_->size()) return Finish(state);
    const Step& current = (*steps_)[step];
    const auto nextStep = [&](const State& after) { return Walk(step + 1, 0, 0, after); };
    State taken = state;
    switch (current.Kind) {
    case StepKind::Burst:
        return Piece(current.Micros, current.After & Bursts, state, nextStep);
    case StepKind::Space:
        return Piece(-current.Micros, current.After & Gaps, state, nextStep);
    case StepKind::Gap:
        return TakeGap(current.Micros, taken) && nextStep(taken);
    case StepKind::Extent:
        return TakeGap(current.Micros - state.Elapsed, taken) && nextStep(taken);
    case StepKind::Bits:
        break;
    }
    if (bit == current.Width) {
        Fields values = *state.Values;
        taken.Values = &values;
        if (!Store(current, bits, values, taken) || !nextStep(taken)) return false;
        result_.Received[current.BitsIndex] = bits;
        return true;
    }
    const int position = layout_.MsbFirst ? current.Width - 1 - bit : bit;
    for (const std::uint32_t value : {0u, 1u}) {
        const BitPieces pieces = PiecesOf(current, bit, value);
        const std::uint32_t withBit = bits | value << position;
        const auto secondHalf = [&](const State& half) {
            return Piece(pieces.Second, pieces.SecondContinues, half,
                         [&](const State& whole) { return Walk(step, bit + 1, withBit, whole); });
        };
        if (Piece(pieces.First, pieces.FirstContinues, state, secondHalf)) return true;
    }
    return false;
}

bool FrameMatcher::Finish(const State& state) {
    const bool checksumHolds = ChecksumHolds(layout_, *state.Values);
    if (!checksumHolds && enforce_) return false;
    // Member by member: a whole new match would be made and then copied.
    result_.End = state.Index;
    if (state.Values != &result_.Values) result_.Values = *state.Values;
    result_.Fit = state.Fit;
    result_.ConflictStep = state.ConflictStep;
    result_.ConflictBits = state.ConflictBits;
    result_.ChecksumWrong = !checksumHolds;
    result_.Received = {};
    result_.Only = false;
    return true;
}

std::string FrameMatch::Conflict() const {
    if (ConflictStep) return Contradiction(*ConflictStep, ConflictBits);
    return ChecksumWrong ? "the checksum does not match" : "";
}

} // namespace kelpie::ir::layout
