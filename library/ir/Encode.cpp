#include <kelpie/ir/Encode.h>

#include "ir/FrameBuilder.h"
#include "ir/ProtocolLayout.h"

#include <kelpie/ir/Pronto.h>

namespace kelpie::ir {

Signal Encode(const Command& command) {
    const layout::Fields fields = layout::FieldsOf(command);
    const layout::Layout& layout = layout::LayoutOf(command.Protocol);
    Signal signal;
    signal.Frequency = layout.Info.Frequency;
    if (!layout.Ditto.empty()) {
        signal.Once = layout::FrameDurations(layout, layout.FirstFrame(), fields);
        signal.Repeat = layout::FrameDurations(layout, layout.Ditto, fields);
    } else {
        if (!layout.Intro.empty() || layout.FrameInBothSequences)
            signal.Once = layout::FrameDurations(layout, layout.FirstFrame(), fields);
        signal.Repeat = layout::FrameDurations(layout, layout.Frame, fields);
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
