#include <kelpie/ir/Decode.h>

#include "ir/CodeParser.h"
#include "ir/FrameMatcher.h"
#include "ir/ProtocolLayout.h"

#include <kelpie/Error.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <memory>
#include <new>
#include <span>
#include <type_traits>

namespace kelpie::ir {

namespace {

using layout::Fields;
using layout::FrameMatch;
using layout::FrameMatcher;
using layout::Layout;
using layout::Quality;
using layout::Timeline;

std::string Number(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string Kilohertz(double hertz) {
    return Number("%.1f kHz", hertz / 1000);
}

// "device 163, function 88" (with the subdevice where there is one).
std::string Numbers(const Command& command) {
    std::string text = "device " + std::to_string(command.Device);
    if (command.Subdevice) text += ", subdevice " + std::to_string(*command.Subdevice);
    return text + ", function " + std::to_string(command.Function);
}

struct Candidate {
    ir::Command Command;
    int Repeats = 0;
    Quality Fit;
    double Score = 0; // lower is better

    bool Beats(const Candidate& other) const {
        if (Fit.Exact != other.Fit.Exact) return Fit.Exact;
        return Score < other.Score;
    }
};

// Why a protocol that fits the timing of some frames still does not fit.
struct Conflict {
    std::string Reason;
    std::size_t Reached = 0; // durations matched before it failed
    double CarrierOff = 0;   // relative distance from the protocol's carrier

    // The more telling of two reasons: the one that got further, then the
    // one nearer its carrier.
    bool Beats(const Conflict& other) const {
        if (Reached != other.Reached) return Reached > other.Reached;
        return CarrierOff < other.CarrierOff;
    }
};

// One protocol against a timeline: a candidate, or a conflict where frames
// of it were found, or neither. One outcome is made for all the protocols a
// signal is matched against, and emptied for each: making one clears all of
// its bytes.
struct Outcome {
    std::optional<Candidate> Found;
    std::optional<Conflict> Refusal;
};

// The most protocols that may own a shared first frame.
constexpr std::size_t SharedPlaces = 8;

// Which protocols' first frames a frame matcher reads alike, or finds the
// same durations in: for each protocol the first such one in the table
// (itself when none), and whether it shares with any other at all.
struct FirstFrameSharing {
    std::vector<std::size_t> SameFrame, SameTiming;
    std::vector<bool> Shares;
};

const FirstFrameSharing& Sharing() {
    static const FirstFrameSharing sharing = [] {
        const auto& layouts = layout::Layouts();
        FirstFrameSharing made{std::vector<std::size_t>(layouts.size()),
                               std::vector<std::size_t>(layouts.size()),
                               std::vector<bool>(layouts.size(), false)};
        for (std::size_t i = 0; i < layouts.size(); ++i) {
            made.SameFrame[i] = made.SameTiming[i] = i;
            for (std::size_t j = i; j-- > 0;) {
                if (layouts[j].SameFirstFrame(layouts[i])) made.SameFrame[i] = j;
                if (layouts[j].SameFirstTiming(layouts[i])) made.SameTiming[i] = j;
            }
            if (made.SameTiming[i] != i) made.Shares[i] = made.Shares[made.SameTiming[i]] = true;
        }
        if (std::count(made.Shares.begin(), made.Shares.end(), true) > long{SharedPlaces})
            throw Error(ErrorKind::Overflow, "too many IR protocols share their first frames");
        return made;
    }();
    return sharing;
}

// The first frames matched in one reading, kept for the protocols whose
// first frames read alike (NEC1, NEC2 and Pioneer), and the durations found,
// kept for those whose frames differ only in what the bits mean (NECx).
class FirstFrames {
public:
    explicit FirstFrames(const Timeline& timeline) : timeline_(timeline) {}

    // The first frame of the protocol that `own`, the protocol's matcher,
    // would find; it lives until the next call or the matcher's next match.
    const FrameMatch* Of(const Layout& layout, FrameMatcher& own) {
        const FirstFrameSharing& sharing = Sharing();
        const auto index = static_cast<std::size_t>(layout.Info.Id);
        if (!sharing.Shares[index]) return own.Match(layout.FirstFrame(), 0);
        if (const auto* known = checked_.Find(sharing.SameFrame[index])) return Found(*known);
        const std::size_t timingOwner = sharing.SameTiming[index];
        const auto* timing = timings_.Find(timingOwner);
        if (!timing) {
            FrameMatcher loose(layout, timeline_, false);
            auto& kept = timings_.Add(timingOwner);
            if (const FrameMatch* found = loose.Match(layout.FirstFrame(), 0)) kept = *found;
            timing = &kept;
        }
        std::optional<FrameMatch>& match = checked_.Add(sharing.SameFrame[index]);
        if (*timing) {
            if (auto fields = layout::Interpret(layout, layout.FirstFrame(), (*timing)->Received)) {
                match = **timing;
                match->Values = *fields;
                match->ConflictStep = nullptr;
                match->ChecksumWrong = false;
            } else if (!(*timing)->Only) {
                // Another reading of the durations may pass this protocol's checks.
                if (const FrameMatch* found = own.Match(layout.FirstFrame(), 0)) match = *found;
            }
        }
        return Found(match);
    }

private:
    // A few matches by the table index of the protocol that owns them. A
    // place is made when it is taken: making an optional frame match clears
    // all its bytes, and most places are never taken.
    class Known {
    public:
        const std::optional<FrameMatch>* Find(std::size_t owner) const {
            for (std::size_t i = 0; i < count_; ++i)
                if (owners_[i] == owner) return &At(i);
            return nullptr;
        }
        // An empty place for the owner's match.
        std::optional<FrameMatch>& Add(std::size_t owner) {
            const std::size_t place = count_++; // Sharing() sees that there are places enough
            owners_[place] = owner;
            return *std::construct_at(&At(place));
        }

    private:
        using Match = std::optional<FrameMatch>;
        static_assert(std::is_trivially_destructible_v<Match>); // nothing to end
        const Match& At(std::size_t place) const {
            return *std::launder(reinterpret_cast<const Match*>(places_ + place * sizeof(Match)));
        }
        Match& At(std::size_t place) {
            return *std::launder(reinterpret_cast<Match*>(places_ + place * sizeof(Match)));
        }

        std::array<std::size_t, SharedPlaces> owners_;
        alignas(Match) std::byte places_[SharedPlaces * sizeof(Match)];
        std::size_t count_ = 0;
    };

    static const FrameMatch* Found(const std::optional<FrameMatch>& match) {
        return match ? &*match : nullptr;
    }

    const Timeline& timeline_;
    Known checked_, timings_;
};

// A quick look that rules most protocols out before any matching: the
// carrier outside the protocol's range, or a first burst that cannot open its
// first frame. Every signal is looked at against every protocol, so what the
// look needs is kept in a small table of its own.
struct Screen {
    double MinFrequency, MaxFrequency;
    FrameMatcher::Window Opening;
    bool Robust;

    bool CarrierFits(const Signal& signal) const {
        return !signal.Modulated ||
               (signal.Frequency >= MinFrequency && signal.Frequency <= MaxFrequency);
    }
    bool MayFit(const Signal& signal, const Timeline& timeline) const {
        return CarrierFits(signal) &&
               (timeline.Durations.empty() || Opening.Holds(timeline.Durations.front()));
    }
};

// By the protocol's index in the table.
const std::vector<Screen>& Screens() {
    static const std::vector<Screen> screens = [] {
        std::vector<Screen> made;
        const auto& openings = FrameMatcher::Openings();
        for (const Layout& layout : layout::Layouts())
            made.push_back({layout.MinFrequency, layout.MaxFrequency,
                            openings[static_cast<std::size_t>(layout.Info.Id)], layout.Robust()});
        return made;
    }();
    return screens;
}

class ProtocolMatch {
public:
    ProtocolMatch(const Layout& layout, const Timeline& timeline, const Signal& signal)
        : layout_(layout), timeline_(timeline), signal_(signal),
          carrierFits_(Screens()[static_cast<std::size_t>(layout.Info.Id)].CarrierFits(signal)) {
        if (signal.Modulated)
            carrierOff_ =
                std::abs(signal.Frequency - layout.Info.Frequency) / layout.Info.Frequency;
    }

    // Without `diagnose`, for a protocol that MayFit: the candidate, if the
    // protocol fits. With it, the conflict is worked out too.
    void Run(FirstFrames& firsts, bool diagnose, Outcome& outcome) {
        diagnose_ = diagnose;
        outcome_ = &outcome;
        outcome.Found.reset();
        outcome.Refusal.reset();
        FrameMatcher matcher(layout_, timeline_, true);
        const FrameMatch* first = firsts.Of(layout_, matcher);
        if (!first) {
            if (!diagnose) return;
            FrameMatcher looseMatcher(layout_, timeline_, false);
            const FrameMatch* loose = looseMatcher.Match(layout_.FirstFrame(), 0);
            if (loose && loose->Conflicts())
                Refuse(loose->End, [&] { return "timing, but " + loose->Conflict(); });
            return;
        }
        Candidate& found = outcome.Found.emplace();
        found.Fit = first->Fit;
        found.Command = layout::CommandOf(layout_, first->Values);
        if (layout_.Rule)
            if (const char* broken = layout_.Rule(found.Command))
                return Refuse(first->End, [&] { return std::string("timing, but ") + broken; });
        // The matcher's next match may take the place of the first frame.
        const Fields firstValues = first->Values;
        for (std::size_t at = first->End; at < timeline_.Durations.size();) {
            const FrameMatch* next = nullptr;
            if (!layout_.Ditto.empty()) next = matcher.Match(layout_.Ditto, at);
            if (!next && (layout_.Ditto.empty() || layout_.FullRepeatsToo)) {
                next = matcher.Match(layout_.Frame, at);
                if (next && next->Values != firstValues)
                    return Refuse(next->End, [&] {
                        return "timing, but its frames differ: " + Numbers(found.Command) +
                               ", then " + Numbers(layout::CommandOf(layout_, next->Values));
                    });
            }
            if (!next)
                return Refuse(at, [&] {
                    return "frames, but the " + std::to_string(timeline_.Durations.size() - at) +
                           " durations after frame " + std::to_string(found.Repeats + 1) +
                           " form no frame of it";
                });
            found.Fit.Add(next->Fit);
            ++found.Repeats;
            at = next->End;
        }
        if (!carrierFits_)
            return Refuse(timeline_.Durations.size(), [&] {
                return "timing, but its carrier " + Kilohertz(signal_.Frequency) + " is outside " +
                       Number("%.1f", layout_.MinFrequency / 1000) + " to " +
                       Kilohertz(layout_.MaxFrequency);
            });
        found.Score = found.Fit.MeanSquaredError() + carrierOff_ * carrierOff_;
    }

private:
    // No candidate; the reason is worked out only when diagnosing.
    template <class Why> void Refuse(std::size_t reached, const Why& why) {
        // A refusal outside the protocol's carrier range says less.
        if (diagnose_)
            outcome_->Refusal = Conflict{std::string(layout_.Info.Name) + " " + why(), reached,
                                         carrierFits_ ? carrierOff_ : 1 + carrierOff_};
        outcome_->Found.reset();
    }

    const Layout& layout_;
    const Timeline& timeline_;
    const Signal& signal_;
    double carrierOff_ = 0;
    bool carrierFits_;
    bool diagnose_ = false;
    Outcome* outcome_ = nullptr;
};

// A way to read the signal: all of it, or one sequence when the other holds
// no whole frame (a learner that started in the middle of a frame, or caught
// noise after the key was let go). Only protocols with a check or a lead-in
// may read a part: any 16 bits of a longer frame fit the others.
struct Reading {
    Timeline Durations;
    const char* SetAside = nullptr;
};

// The readings of a signal: the whole signal first, then each sequence alone
// where both have durations.
class Readings {
public:
    explicit Readings(const Signal& signal) {
        const double period = signal.Frequency > 0 ? 1e6 / signal.Frequency : 0;
        if (signal.Once.empty() || signal.Repeat.empty()) {
            const auto& all = signal.Once.empty() ? signal.Repeat : signal.Once;
            Add({all, signal.Once.size(), period}, nullptr);
            return;
        }
        whole_.reserve(signal.Once.size() + signal.Repeat.size());
        whole_.insert(whole_.end(), signal.Once.begin(), signal.Once.end());
        whole_.insert(whole_.end(), signal.Repeat.begin(), signal.Repeat.end());
        Add({whole_, signal.Once.size(), period}, nullptr);
        Add({signal.Repeat, signal.Repeat.size(), period},
            "decoded from the repeat sequence alone; the once sequence holds no whole frame of it");
        Add({signal.Once, signal.Once.size(), period},
            "decoded from the once sequence alone; the repeat sequence holds no whole frame of it");
    }
    Readings(const Readings&) = delete; // the first reading may point into whole_
    Readings& operator=(const Readings&) = delete;

    const Reading* begin() const { return list_.data(); }
    const Reading* end() const { return list_.data() + count_; }

private:
    void Add(Timeline durations, const char* setAside) { list_[count_++] = {durations, setAside}; }

    std::vector<double> whole_; // the once and repeat sequences joined
    std::array<Reading, 3> list_;
    std::size_t count_ = 0;
};

std::string Shape(const Signal& signal) {
    const auto& first = signal.Once.empty() ? signal.Repeat : signal.Once;
    std::string shape = "no protocol fits its " + std::to_string(signal.Once.size() / 2) +
                        " once and " + std::to_string(signal.Repeat.size() / 2) +
                        " repeat burst pairs";
    if (signal.Modulated) shape += " at " + Kilohertz(signal.Frequency);
    if (first.size() >= 2)
        shape += Number(", which begin with a burst of %.0f us", first[0]) +
                 Number(" and a gap of %.0f us", first[1]);
    return shape;
}

// Sequences of odd length get a closing gap of 0, which reads as a missing one.
Signal Paired(Signal signal) {
    if (signal.Once.size() % 2) signal.Once.push_back(0);
    if (signal.Repeat.size() % 2) signal.Repeat.push_back(0);
    return signal;
}

bool Usable(const std::vector<double>& durations) {
    for (const double micros : durations)
        if (!(micros >= 0) || !std::isfinite(micros)) return false;
    return true;
}

// Why nothing fits: the most telling conflict, from reading the whole signal
// before a part and from robust protocols before the others; else the shape.
std::string TellingReason(const Readings& readings, const Signal& signal) {
    std::optional<Conflict> conflict[2];
    for (const Reading& reading : readings) {
        FirstFrames firsts(reading.Durations);
        std::optional<Conflict> telling[2];
        Outcome outcome;
        for (const Layout& layout : layout::Layouts()) {
            const bool robust = Screens()[static_cast<std::size_t>(layout.Info.Id)].Robust;
            if (reading.SetAside && !robust) continue;
            ProtocolMatch(layout, reading.Durations, signal).Run(firsts, true, outcome);
            auto& kept = telling[robust ? 0 : 1];
            if (outcome.Refusal && (!kept || outcome.Refusal->Beats(*kept))) kept = outcome.Refusal;
        }
        for (int kind = 0; kind < 2; ++kind)
            if (!conflict[kind]) conflict[kind] = telling[kind];
    }
    if (conflict[0]) return conflict[0]->Reason;
    if (conflict[1]) return conflict[1]->Reason;
    return Shape(signal);
}

} // namespace

const char* FitName(Fit fit) {
    return fit == Fit::Exact ? "exact" : "tolerance";
}

std::string Decoded::Describe() const {
    if (Malformed) return "unknown: malformed code, " + Reason;
    if (!Command) return "unknown: " + Reason;
    const ProtocolInfo& info = InfoOf(Command->Protocol);
    std::string text = std::string(info.Name) + ", device " + std::to_string(Command->Device);
    if (Command->Subdevice) text += ", subdevice " + std::to_string(*Command->Subdevice);
    text += ", function " + std::to_string(Command->Function);
    if (info.HasToggle) text += ", toggle " + std::to_string(Command->Toggle);
    if (info.ExtensionBits) text += ", extension " + std::to_string(Command->Extension);
    text += ", " + (Signal.Modulated ? Kilohertz(Signal.Frequency) : std::string("no carrier"));
    return text;
}

namespace {

// A signal whose durations and carrier are numbers of at least 0, as those
// of parsed data are.
Decoded Decoding(Signal input) {
    Decoded decoded;
    decoded.Signal = Paired(std::move(input));
    const Readings readings(decoded.Signal);
    for (const Reading& reading : readings) {
        FirstFrames firsts(reading.Durations);
        const auto& layouts = layout::Layouts();
        const auto& screens = Screens();
        std::optional<Candidate> best;
        Outcome outcome;
        for (std::size_t index = 0; index < layouts.size(); ++index) {
            const Screen& screen = screens[index];
            if (reading.SetAside && !screen.Robust) continue;
            if (!screen.MayFit(decoded.Signal, reading.Durations)) continue;
            const Layout& layout = layouts[index];
            ProtocolMatch(layout, reading.Durations, decoded.Signal).Run(firsts, false, outcome);
            if (outcome.Found && (!best || outcome.Found->Beats(*best))) best = outcome.Found;
        }
        if (best) {
            decoded.Command = best->Command;
            decoded.Fit = best->Fit.Exact && !reading.SetAside ? Fit::Exact : Fit::Tolerance;
            decoded.Repeats = best->Repeats;
            if (reading.SetAside) decoded.Reason = reading.SetAside;
            return decoded;
        }
    }
    decoded.Reason = TellingReason(readings, decoded.Signal);
    return decoded;
}

} // namespace

Decoded DecodeSignal(const Signal& signal) {
    if (!Usable(signal.Once) || !Usable(signal.Repeat) || !std::isfinite(signal.Frequency)) {
        Decoded decoded;
        decoded.Malformed = true;
        decoded.Reason = "a duration or the carrier is negative or not a number";
        return decoded;
    }
    return Decoding(signal);
}

Decoded Decode(const std::vector<std::uint8_t>& data) {
    ParsedCode code = ParseCode(data);
    if (!code.Parsed.Signal) {
        Decoded decoded;
        decoded.Malformed = true;
        decoded.Reason = std::move(code.Parsed.Error);
        return decoded;
    }
    if (!code.Predefined) return Decoding(std::move(*code.Parsed.Signal));
    // A predefined code names its numbers: nothing to measure.
    Decoded decoded;
    decoded.Command = code.Predefined;
    decoded.Fit = Fit::Exact;
    decoded.Signal = std::move(*code.Parsed.Signal);
    return decoded;
}

} // namespace kelpie::ir
