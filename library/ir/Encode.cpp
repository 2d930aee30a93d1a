#include <kelpie/ir/Encode.h>

#include "ir/FrameBuilder.h"
#include "ir/ProtocolSpec.h"

#include <kelpie/ir/Pronto.h>

namespace kelpie::ir {

Signal Encode(const Command& command) {
    const spec::Fields fields = spec::FieldsOf(command);
    const spec::Spec& spec = spec::SpecOf(command.Protocol);
    Signal signal;
    signal.Frequency = spec.Info.Frequency;
    if (!spec.Ditto.empty()) {
        signal.Once = spec::FrameDurations(spec, spec.FirstFrame(), fields);
        signal.Repeat = spec::FrameDurations(spec, spec.Ditto, fields);
    } else {
        if (!spec.Intro.empty() || spec.FrameInBothSequences)
            signal.Once = spec::FrameDurations(spec, spec.FirstFrame(), fields);
        signal.Repeat = spec::FrameDurations(spec, spec.Frame, fields);
    }
    return signal;
}

std::vector<std::uint16_t> EncodeWords(const Command& command) {
    return LearnedWords(Encode(command));
}

std::string EncodeProntoHex(const Command& command) {
    return ProntoHex(EncodeWords(command));
}

} // namespace kelpie::ir
