// A code's data parsed once for the decoder: the signal (or why the data are
// not a valid code) and, for a predefined code, the command its numbers name,
// so that the decoder reads the numbers only once.
#pragma once

#include <kelpie/ir/Command.h>
#include <kelpie/ir/Signal.h>

#include <cstdint>
#include <optional>
#include <vector>

namespace kelpie::ir {

struct ParsedCode {
    ParsedSignal Parsed;
    std::optional<ir::Command> Predefined;
};

// As ParseSignal, with the predefined command beside the signal.
ParsedCode ParseCode(const std::vector<std::uint8_t>& data);

} // namespace kelpie::ir
