// The decoder's half of the protocol table: matching a signal's durations,
// piece by piece, against a protocol's frame steps.
//
// Pieces of one kind that follow one another (the halves of two bi-phase
// bits that meet, a gap before a longer gap) arrive as one duration, so a
// piece may take only part of a duration and leave the rest to the next.
// Where a duration fits more than one reading (a whole piece or the start of
// a longer one, a 0 bit or a 1 bit) the full search tries each in turn,
// within a fixed budget of steps per frame. Most frames never need it: a
// greedy pass reads them first, taking the bits of pulse-distance and
// pulse-width codes two durations at a time, and frames whose closing gaps
// cannot fall where their durations put them are passed over at once.
#pragma once

#include "ir/ProtocolLayout.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kelpie::ir::layout {

// The durations a decode works on: one sequence or the once sequence
// followed by the repeat sequence.
struct Timeline {
    std::span<const double> Durations; // microseconds, burst first, alternating
    std::size_t OnceEnd = 0;           // where the repeat sequence begins
    double Period = 0;                 // one carrier period, microseconds

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

// Set whole when a matcher finishes a frame, and not cleared ahead: a
// matcher, and the match it keeps, is made for every protocol that a signal
// may fit.
struct FrameMatch {
    std::size_t End; // the first duration after the frame's closing gap
    Fields Values;
    Quality Fit;
    // When not enforced: the first step whose bits contradicted the frame,
    // and those bits, or a wrong checksum.
    const Step* ConflictStep;
    std::uint32_t ConflictBits;
    bool ChecksumWrong;
    ReceivedBits Received; // what each Bits step received
    // Read by the greedy pass without meeting a duration that had another
    // reading: no other reading of the same durations exists.
    bool Only;

    bool Conflicts() const { return ConflictStep || ChecksumWrong; }
    // The contradiction in words.
    std::string Conflict() const;
};

class FrameMatcher {
public:
    // With enforce false, contradicting bits (copies, complements, fixed
    // bits, checksum) do not end a match but are reported in it.
    FrameMatcher(const Layout& layout, const Timeline& timeline, bool enforce);

    // The frame of these steps that starts at the duration `start`. A greedy
    // pass takes the first reading at every duration; only when it fails
    // after passing a duration that had another reading does the full
    // search try them all.
    // The match lives in the matcher until its next Match.
    const FrameMatch* Match(const std::vector<Step>& steps, std::size_t start);

    // The durations that meet an ideal one, but for a signal's first burst.
    struct Window {
        double Low, High;
        bool Holds(double actual) const { return actual >= Low && actual <= High; }
    };
    // The durations that can open each protocol's first frame, by the
    // protocol's index in the table.
    static const std::vector<Window>& Openings();

private:
    struct State {
        std::size_t Index = 0; // the duration being matched
        double Used = 0;       // ideal microseconds of it already taken
        double Elapsed = 0;    // ideal microseconds since the frame began
        bool Started = false;
        Quality Fit;
        const Fields* Values = nullptr; // as of the last Bits step
        const Step* ConflictStep = nullptr;
        std::uint32_t ConflictBits = 0;
    };
    // How the duration at the cursor can meet a piece: taken whole, or only
    // its start (the next piece, of the same kind, taking the rest).
    struct Meeting {
        bool Whole = false;
        bool Start = false;
    };
    // A piece of a pulse code's bit: its ideal length, the inverse of that
    // (for the relative error) and the durations that meet it, by bit value
    // and half.
    struct PlainPiece {
        double Micros, Inverse;
        Window Meets;
    };
    using PlainPieces = std::array<std::array<PlainPiece, 2>, 2>;
    static PlainPieces PlainPiecesOf(const BitCode& code, double scale);
    // A protocol's bit code as PlainBits reads it: whether it is a pulse
    // code, and its pieces at a scale of 1.
    struct PlainCode {
        bool Pulse;
        PlainPieces Pieces;
    };
    // By the protocol's index in the table: matchers are made often.
    static const std::vector<PlainCode>& PlainCodes();
    // The two pieces of one bit value.
    struct BitPieces {
        double First, Second;
        bool FirstContinues, SecondContinues;
    };

    bool GapsCanFall(std::size_t start) const;
    bool Greedy(std::size_t start, bool& doubt);
    bool Walk(std::size_t step, int bit, std::uint32_t bits, const State& state);
    template <class Next>
    bool Piece(double piece, bool continues, const State& state, const Next& next);

    // The rules both passes share.
    bool OpensWithGap(double piece, const State& state) const;
    Meeting Meet(double piece, bool continues, const State& state) const;
    void TakeWhole(double piece, State& state) const;
    void TakeStart(double piece, State& state) const;
    bool TakeGap(double ideal, State& state) const;
    bool Take(double piece, bool continues, State& state, bool& doubt) const;
    BitPieces PiecesOf(const Step& step, int bit, std::uint32_t value) const;
    int PlainBits(const Step& step, int bit, State& state, std::uint32_t& bits, bool& doubt) const;
    bool Store(const Step& step, std::uint32_t bits, Fields& values, State& state) const;
    bool Finish(const State& state);
    static Window WindowOf(double ideal);
    // The durations that can open the protocol's first frame.
    static Window OpeningOf(const Layout& layout);
    static bool Close(double actual, double ideal, bool first);
    // Adds how far a duration is from its ideal to a fit.
    void Note(double actual, double ideal, Quality& fit) const;
    bool ExactlyClose(double actual, double ideal) const;

    const Layout& layout_;
    const Timeline& timeline_;
    const bool enforce_;
    // Its pieces, and whether both bit values are a burst then a gap (or a
    // gap then a burst): a pulse-distance or pulse-width code, whose bits are
    // mostly plain.
    const PlainCode& plain_;
    const std::vector<Step>* steps_ = nullptr;
    long calls_ = 0;
    FrameMatch result_; // set by Finish
};

} // namespace kelpie::ir::layout
