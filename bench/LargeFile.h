// Large, realistic CCF files for the benchmarks: many devices, each with
// panels of frames and buttons, shared icons and IR codes, jumps between
// panels, aliases, delays, beeps and timers, written with the CCF builder.
#pragma once

#include <kelpie/file/CCFEnums.h>

#include <cstdint>
#include <vector>

namespace kelpie::bench {

// A file of about `targetBytes` (within one device's worth) in `format`.
std::vector<std::uint8_t> GenerateLargeFile(CCFFileFormats format, std::int64_t targetBytes);

} // namespace kelpie::bench
