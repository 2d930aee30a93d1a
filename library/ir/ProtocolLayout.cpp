#include "ir/ProtocolLayout.h"

#include <kelpie/Error.h>

#include <algorithm>
#include <cmath>

namespace kelpie::ir::layout {

namespace {

std::uint32_t LowBits(int width) {
    return width >= 32 ? 0xFFFFFFFFu : (std::uint32_t{1} << width) - 1;
}

std::size_t FieldIndex(Slot slot) {
    return static_cast<std::size_t>(slot);
}

const char* FieldName(Slot slot) {
    switch (slot) {
    case Slot::Device:
        return "device";
    case Slot::Subdevice:
        return "subdevice";
    case Slot::Function:
        return "function";
    case Slot::Toggle:
        return "toggle";
    case Slot::Extension:
        return "extension";
    case Slot::Fixed:
        return "fixed bits";
    case Slot::Checksum:
        return "checksum";
    }
    return "field";
}

void CheckWidth(const ProtocolInfo& info, const char* what, std::uint32_t value, int bits) {
    if (value > LowBits(bits))
        throw Error(ErrorKind::InvalidArgument, std::string(info.Name) + " " + what + " " +
                                                    std::to_string(value) + " does not fit " +
                                                    std::to_string(bits) + " bits");
}

} // namespace

bool Layout::Robust() const {
    const auto& first = FirstFrame();
    if (!first.empty() && first.front().Kind == StepKind::Burst && first.front().Micros >= 4 * Unit)
        return true;
    for (const Step& step : first)
        if (step.Kind == StepKind::Bits &&
            (step.Inverted || step.Into == Slot::Fixed || step.Into == Slot::Checksum))
            return true;
    return false;
}

bool IsPulseCode(const BitCode& code) {
    const auto burst = [](double piece) { return piece > 0; };
    return burst(code.Zero[0]) != burst(code.Zero[1]) && burst(code.One[0]) != burst(code.One[1]) &&
           burst(code.Zero[0]) == burst(code.One[0]);
}

namespace {

// Counts a pulse-code frame's durations piece by piece, as pieces of one
// kind merge into one duration, to place each closing gap.
void PlaceGaps(const BitCode& code, double unit, std::vector<Step>& steps) {
    int durations = 0;
    bool lastIsBurst = false;
    double longest = 0; // the frame's greatest length up to here
    const auto add = [&](bool burst, double micros) {
        longest += micros;
        if (durations == 0 && !burst) return; // the silence before the frame
        if (durations == 0 || burst != lastIsBurst) ++durations;
        lastIsBurst = burst;
    };
    for (Step& step : steps) {
        switch (step.Kind) {
        case StepKind::Burst:
            add(true, step.Micros);
            break;
        case StepKind::Space:
            add(false, step.Micros);
            break;
        case StepKind::Bits:
            for (int bit = 0; bit < step.Width; ++bit)
                for (int half = 0; half < 2; ++half)
                    add(code.Zero[half] > 0,
                        std::max(std::abs(code.Zero[half]), std::abs(code.One[half])) * step.Scale);
            break;
        case StepKind::Gap:
        case StepKind::Extent: {
            const double ideal = step.Kind == StepKind::Gap ? step.Micros : step.Micros - longest;
            add(false, std::max(ideal, unit));
            step.DurationIndex = durations - 1;
            step.LeastGap = 0.5 * std::max(ideal, unit);
            break;
        }
        }
    }
}

} // namespace

void LinkSteps(const BitCode& code, double unit, std::vector<Step>& steps) {
    std::size_t bitsSteps = 0;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        if (steps[i].Kind == StepKind::Bits) {
            if (bitsSteps == MaxBitsSteps)
                throw Error(ErrorKind::Overflow, "an IR frame with more than " +
                                                     std::to_string(MaxBitsSteps) + " bit fields");
            steps[i].BitsIndex = static_cast<std::uint8_t>(bitsSteps++);
        }
        steps[i].After = 0;
        if (i + 1 == steps.size()) continue;
        switch (steps[i + 1].Kind) {
        case StepKind::Burst:
            steps[i].After = Bursts;
            break;
        case StepKind::Space:
        case StepKind::Gap:
        case StepKind::Extent:
            steps[i].After = Gaps;
            break;
        case StepKind::Bits:
            steps[i].After = code.Starts();
            break;
        }
    }
    if (IsPulseCode(code)) PlaceGaps(code, unit, steps);
}

bool Layout::SameFirstFrame(const Layout& other) const {
    return Unit == other.Unit && MsbFirst == other.MsbFirst && Code == other.Code &&
           Checksum == other.Checksum && FirstFrame() == other.FirstFrame();
}

bool Layout::SameFirstTiming(const Layout& other) const {
    const auto& mine = FirstFrame();
    const auto& theirs = other.FirstFrame();
    if (Unit != other.Unit || MsbFirst != other.MsbFirst || !(Code == other.Code) ||
        mine.size() != theirs.size())
        return false;
    for (std::size_t i = 0; i < mine.size(); ++i)
        if (mine[i].Kind != theirs[i].Kind || mine[i].Micros != theirs[i].Micros ||
            mine[i].Width != theirs[i].Width || mine[i].Scale != theirs[i].Scale ||
            mine[i].After != theirs[i].After)
            return false;
    return true;
}

std::optional<Fields> Interpret(const Layout& layout, const std::vector<Step>& steps,
                                const ReceivedBits& received) {
    Fields fields;
    for (const Step& step : steps)
        if (step.Kind == StepKind::Bits && !StoreBits(step, received[step.BitsIndex], fields))
            return std::nullopt;
    if (!ChecksumHolds(layout, fields)) return std::nullopt;
    return fields;
}

std::uint32_t BitsToSend(const Layout& layout, const Step& step, const Fields& fields) {
    const std::uint32_t low = LowBits(step.Width);
    switch (step.Into) {
    case Slot::Fixed:
        return step.Value & low;
    case Slot::Checksum:
        return layout.Checksum ? layout.Checksum(fields) & low : 0;
    default: {
        const std::uint32_t bits = (fields.Value[FieldIndex(step.Into)] >> step.Offset) & low;
        return step.Inverted ? ~bits & low : bits;
    }
    }
}

bool StoreBits(const Step& step, std::uint32_t bits, Fields& fields) {
    const std::uint32_t low = LowBits(step.Width);
    switch (step.Into) {
    case Slot::Fixed:
        return bits == step.Value;
    case Slot::Checksum:
        fields.ChecksumBits = bits;
        fields.HasChecksum = true;
        return true;
    default: {
        const std::size_t field = FieldIndex(step.Into);
        const std::uint32_t mask = low << step.Offset;
        const std::uint32_t value = ((step.Inverted ? ~bits : bits) & low) << step.Offset;
        const std::uint32_t known = fields.Known[field] & mask;
        if ((fields.Value[field] ^ value) & known) return false;
        fields.Value[field] = (fields.Value[field] & ~mask) | value;
        fields.Known[field] |= mask;
        return true;
    }
    }
}

std::string Contradiction(const Step& step, std::uint32_t bits) {
    if (step.Into == Slot::Fixed)
        return "its fixed bits are " + std::to_string(bits) + " where " +
               std::to_string(step.Value) + " belongs";
    if (step.Inverted)
        return std::string("the complement of the ") + FieldName(step.Into) + " does not match";
    return std::string("the two copies of the ") + FieldName(step.Into) + " differ";
}

bool ChecksumHolds(const Layout& layout, const Fields& fields) {
    return !layout.Checksum || !fields.HasChecksum ||
           fields.ChecksumBits == (layout.Checksum(fields) & 0xFFu);
}

Fields FieldsOf(const Command& command) {
    const Layout& layout = LayoutOf(command.Protocol);
    const ProtocolInfo& info = layout.Info;
    CheckWidth(info, "device", command.Device, info.DeviceBits);
    CheckWidth(info, "function", command.Function, info.FunctionBits);
    CheckWidth(info, "toggle", command.Toggle, info.HasToggle ? 1 : 0);
    CheckWidth(info, "extension", command.Extension, info.ExtensionBits);
    if (info.SubdeviceBits == 0 && command.Subdevice)
        throw Error(ErrorKind::InvalidArgument, std::string(info.Name) + " has no subdevice");
    if (info.SubdeviceBits != 0) {
        if (!command.Subdevice)
            throw Error(ErrorKind::InvalidArgument, std::string(info.Name) + " needs a subdevice");
        CheckWidth(info, "subdevice", *command.Subdevice, info.SubdeviceBits);
    }
    if (layout.Rule)
        if (const char* broken = layout.Rule(command))
            throw Error(ErrorKind::InvalidArgument,
                        std::string("this ") + info.Name + " command is not valid: " + broken);
    Fields fields;
    fields.Value = {command.Device, command.Subdevice.value_or(0), command.Function, command.Toggle,
                    command.Extension};
    return fields;
}

Command CommandOf(const Layout& layout, const Fields& fields) {
    Command command;
    command.Protocol = layout.Info.Id;
    command.Device = fields.Value[0];
    if (layout.Info.SubdeviceBits) command.Subdevice = fields.Value[1];
    command.Function = fields.Value[2];
    command.Toggle = fields.Value[3];
    command.Extension = fields.Value[4];
    return command;
}

} // namespace kelpie::ir::layout
