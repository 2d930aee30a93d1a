// Where each output of vantor-report goes when no path is given: beside its
// input, or into the folder of --output-dir, named after the input without
// its last extension and followed by the output's suffix.
#pragma once

#include <string>

namespace vantor {

// Suffixes of the exports.
inline constexpr const char* IRCodesCsvSuffix = " IR Codes.csv";
inline constexpr const char* IRCodesJsonSuffix = " IR Codes.json";
inline constexpr const char* GraphJsonSuffix = ".json";
inline constexpr const char* ByteMapSuffix = " Byte Map.png";

// `input` named with `suffix`, beside it or (when `folder` is not empty) in
// `folder`.
std::string OutputPath(const std::string& input, const std::string& folder,
                       const std::string& suffix);

} // namespace vantor
