#include <kelpie/ir/Decode.h>

#include "ir/FrameMatcher.h"
#include "ir/PredefinedCodes.h"
#include "ir/ProtocolSpec.h"

#include <kelpie/ir/Pronto.h>

#include <cmath>
#include <cstdio>

namespace kelpie::ir {

namespace {

using spec::FrameMatch;
using spec::FrameMatcher;
using spec::Quality;
using spec::Spec;
using spec::Timeline;

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
// of it were found, or neither.
struct Outcome {
    std::optional<Candidate> Found;
    std::optional<Conflict> Refusal;
};

class ProtocolMatch {
public:
    ProtocolMatch(const Spec& spec, const Timeline& timeline, const Signal& signal)
        : spec_(spec), timeline_(timeline), signal_(signal) {
        if (signal.Modulated) {
            carrierOff_ = std::abs(signal.Frequency - spec.Info.Frequency) / spec.Info.Frequency;
            carrierFits_ =
                signal.Frequency >= spec.MinFrequency && signal.Frequency <= spec.MaxFrequency;
        }
    }

    Outcome Run() {
        FrameMatcher matcher(spec_, timeline_, true);
        const std::optional<FrameMatch> first = matcher.Match(spec_.FirstFrame(), 0);
        if (!first) {
            FrameMatcher unchecked(spec_, timeline_, false);
            const std::optional<FrameMatch> loose = unchecked.Match(spec_.FirstFrame(), 0);
            if (loose && !loose->Conflict.empty())
                return Refuse("timing, but " + loose->Conflict, loose->End);
            return {};
        }
        Candidate found;
        found.Fit = first->Fit;
        found.Command = spec::CommandOf(spec_, first->Values);
        for (std::size_t at = first->End; at < timeline_.Durations.size();) {
            std::optional<FrameMatch> next;
            if (!spec_.Ditto.empty()) next = matcher.Match(spec_.Ditto, at);
            if (!next && (spec_.Ditto.empty() || spec_.FullRepeatsToo)) {
                next = matcher.Match(spec_.Frame, at);
                if (next && next->Values != first->Values)
                    return Refuse("timing, but its frames differ: " + Numbers(found.Command) +
                                      ", then " + Numbers(spec::CommandOf(spec_, next->Values)),
                                  next->End);
            }
            if (!next)
                return Refuse("frames, but the " + std::to_string(timeline_.Durations.size() - at) +
                                  " durations after frame " + std::to_string(found.Repeats + 1) +
                                  " form no frame of it",
                              at);
            found.Fit.Add(next->Fit);
            ++found.Repeats;
            at = next->End;
        }
        const std::size_t end = timeline_.Durations.size();
        if (spec_.Rule)
            if (const char* broken = spec_.Rule(found.Command))
                return Refuse(std::string("timing, but ") + broken, end);
        if (!carrierFits_)
            return Refuse("timing, but its carrier " + Kilohertz(signal_.Frequency) +
                              " is outside " + Number("%.1f", spec_.MinFrequency / 1000) + " to " +
                              Kilohertz(spec_.MaxFrequency),
                          end);
        found.Score = found.Fit.MeanSquaredError() + carrierOff_ * carrierOff_;
        return {found, std::nullopt};
    }

private:
    Outcome Refuse(const std::string& why, std::size_t reached) const {
        // A refusal outside the protocol's carrier range says less.
        return {std::nullopt, Conflict{std::string(spec_.Info.Name) + " " + why, reached,
                                       carrierFits_ ? carrierOff_ : 1 + carrierOff_}};
    }

    const Spec& spec_;
    const Timeline& timeline_;
    const Signal& signal_;
    double carrierOff_ = 0;
    bool carrierFits_ = true;
};

// A way to read the signal: all of it, or one sequence when the other holds
// no whole frame (a learner that started in the middle of a frame, or caught
// noise after the key was let go). Only protocols with a check or a lead-in
// may read a part: any 16 bits of a longer frame fit the others.
struct Reading {
    Timeline Durations;
    const char* SetAside = nullptr;
};

std::vector<Reading> Readings(const Signal& signal) {
    const double period = signal.Frequency > 0 ? 1e6 / signal.Frequency : 0;
    std::vector<Reading> readings;
    Timeline whole{signal.Once, signal.Once.size(), period};
    whole.Durations.insert(whole.Durations.end(), signal.Repeat.begin(), signal.Repeat.end());
    readings.push_back({std::move(whole), nullptr});
    if (!signal.Once.empty() && !signal.Repeat.empty()) {
        readings.push_back({{signal.Repeat, signal.Repeat.size(), period},
                            "decoded from the repeat sequence alone; the once sequence holds "
                            "no whole frame of it"});
        readings.push_back({{signal.Once, signal.Once.size(), period},
                            "decoded from the once sequence alone; the repeat sequence holds "
                            "no whole frame of it"});
    }
    return readings;
}

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

Decoded DecodeSignal(const Signal& input) {
    Decoded decoded;
    if (!Usable(input.Once) || !Usable(input.Repeat) || !std::isfinite(input.Frequency)) {
        decoded.Malformed = true;
        decoded.Reason = "a duration or the carrier is negative or not a number";
        return decoded;
    }
    decoded.Signal = Paired(input);
    std::optional<Conflict> conflict[2];
    for (const Reading& reading : Readings(decoded.Signal)) {
        std::optional<Candidate> best;
        std::optional<Conflict> telling[2]; // from robust protocols, from the others
        for (const Spec& spec : spec::Specs()) {
            const bool robust = spec.Robust();
            if (reading.SetAside && !robust) continue;
            Outcome outcome = ProtocolMatch(spec, reading.Durations, decoded.Signal).Run();
            if (outcome.Found && (!best || outcome.Found->Beats(*best))) best = outcome.Found;
            auto& kept = telling[robust ? 0 : 1];
            if (outcome.Refusal && (!kept || outcome.Refusal->Beats(*kept))) kept = outcome.Refusal;
        }
        // Reasons from reading the whole signal come first, and those of
        // robust protocols before the others.
        for (int kind = 0; kind < 2; ++kind)
            if (!conflict[kind]) conflict[kind] = telling[kind];
        if (best) {
            decoded.Command = best->Command;
            decoded.Fit = best->Fit.Exact && !reading.SetAside ? Fit::Exact : Fit::Tolerance;
            decoded.Repeats = best->Repeats;
            if (reading.SetAside) decoded.Reason = reading.SetAside;
            return decoded;
        }
    }
    decoded.Reason = conflict[0]   ? conflict[0]->Reason
                     : conflict[1] ? conflict[1]->Reason
                                   : Shape(decoded.Signal);
    return decoded;
}

Decoded Decode(const std::vector<std::uint8_t>& data) {
    ParsedSignal parsed = ParseSignal(data);
    if (!parsed.Signal) {
        Decoded decoded;
        decoded.Malformed = true;
        decoded.Reason = parsed.Error;
        return decoded;
    }
    const std::vector<std::uint16_t> words = WordsOf(data);
    if (!IsPredefinedForm(words[0])) return DecodeSignal(*parsed.Signal);
    // A predefined code names its numbers: nothing to measure.
    Decoded decoded;
    decoded.Command = PredefinedCommand(words).Command;
    decoded.Fit = Fit::Exact;
    decoded.Signal = std::move(*parsed.Signal);
    return decoded;
}

} // namespace kelpie::ir
