// The decoder's half of the protocol table: matching a signal's durations,
// piece by piece, against a protocol's frame steps.
//
// Pieces of one kind that follow one another (the halves of two bi-phase
// bits that meet, a gap before a longer gap) arrive as one duration, so a
// piece may take only part of a duration and leave the rest to the next.
// Where a duration fits more than one reading (a whole piece or the start of
// a longer one, a 0 bit or a 1 bit) the matcher tries each in turn, within a
// fixed budget of steps per frame.
#pragma once

#include "ir/ProtocolSpec.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace kelpie::ir::spec {

// The durations a decode works on: one sequence or the once sequence
// followed by the repeat sequence.
struct Timeline {
    std::vector<double> Durations; // microseconds, burst first, alternating
    std::size_t OnceEnd = 0;       // where the repeat sequence begins
    double Period = 0;             // one carrier period, microseconds

    bool IsBurst(std::size_t index) const { return index % 2 == 0; }
    // The last duration of a sequence: the closing gap a learner may have
    // cut short or left out.
    bool EndsSequence(std::size_t index) const {
        return index + 1 == OnceEnd || index + 1 == Durations.size();
    }
};

// How closely matched durations met their ideal.
struct Quality {
    bool Exact = true;
    double SquaredError = 0; // sum of squared relative deviations of bursts and gaps
    int Count = 0;

    void Add(const Quality& other);
    double MeanSquaredError() const { return Count ? SquaredError / Count : 0; }
};

struct FrameMatch {
    std::size_t End = 0; // the first duration after the frame's closing gap
    Fields Values;
    Quality Fit;
    std::string Conflict; // the first contradicting bits, when not enforced
};

class FrameMatcher {
public:
    // With enforce false, contradicting bits (copies, complements, fixed
    // bits, checksum) do not end a match but are reported in Conflict.
    FrameMatcher(const Spec& spec, const Timeline& timeline, bool enforce);

    // The frame of these steps that starts at the duration `start`.
    std::optional<FrameMatch> Match(const std::vector<Step>& steps, std::size_t start);

private:
    struct State {
        std::size_t Index = 0; // the duration being matched
        double Used = 0;       // ideal microseconds of it already taken
        double Elapsed = 0;    // ideal microseconds since the frame began
        bool Started = false;
        Fields Values;
        Quality Fit;
        const Step* ConflictStep = nullptr;
        std::uint32_t ConflictBits = 0;
    };

    bool Walk(std::size_t step, int bit, std::uint32_t bits, const State& state);
    template <class Next> bool Piece(double piece, const State& state, const Next& next);
    template <class Next> bool Gap(double ideal, const State& state, const Next& next);
    bool Finish(const State& state);
    bool Close(double actual, double ideal, bool first) const;
    bool ExactlyClose(double actual, double ideal) const;

    const Spec& spec_;
    const Timeline& timeline_;
    const bool enforce_;
    const std::vector<Step>* steps_ = nullptr;
    long calls_ = 0;
    std::optional<FrameMatch> result_;
};

} // namespace kelpie::ir::spec
