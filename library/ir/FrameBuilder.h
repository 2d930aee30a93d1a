// The encoder's half of the protocol table: a frame's durations from its
// steps and a command's fields.
#pragma once

#include "ir/ProtocolLayout.h"

#include <vector>

namespace kelpie::ir::layout {

// The frame as alternating burst and gap durations in microseconds, starting
// with a burst and ending with the closing gap. A frame that opens with a gap
// (a bi-phase start bit) sends it at the end of its closing gap instead,
// which is where it falls when frames follow one another.
std::vector<double> FrameDurations(const Layout& layout, const std::vector<Step>& steps,
                                   const Fields& fields);

} // namespace kelpie::ir::layout
