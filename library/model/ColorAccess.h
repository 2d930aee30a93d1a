// Reading and writing one text/background colour pair of a frame or button.
// Grey formats pack both into one byte (text bits 0-1, background bits 2-3);
// the colour format keeps them in bytes 0 and 3 of a 4-byte group.
#pragma once

#include <kelpie/Error.h>
#include <kelpie/file/CCFEnums.h>
#include "file/basCCFRoutines.h"

#include <array>
#include <cstdint>
#include <string>

namespace kelpie::ColorAccess {

inline bool IsGrey(CCFFileFormats format) {
    return format == fmtv1 || format == fmtv2;
}

inline CCFColors Text(CCFFileFormats format, std::uint8_t packed,
                      const std::array<std::uint8_t, 4>& group) {
    return static_cast<CCFColors>(IsGrey(format) ? (packed & 3) : group[0]);
}

inline CCFColors Background(CCFFileFormats format, std::uint8_t packed,
                            const std::array<std::uint8_t, 4>& group) {
    return static_cast<CCFColors>(IsGrey(format) ? ((packed >> 2) & 3) : group[3]);
}

inline std::uint8_t CheckedByte(std::int32_t value, const char* what) {
    if (value < 0 || value > 255)
        throw Error(ErrorKind::Overflow,
                    std::string(what) + " " + std::to_string(value) + " does not fit in a byte");
    return static_cast<std::uint8_t>(value);
}

// Stores a new text (`background` false) or background colour.
inline void Set(CCFFileFormats format, std::uint8_t& packed, std::array<std::uint8_t, 4>& group,
                bool background, std::int32_t color) {
    if (IsGrey(format)) {
        const auto pair = basCCFRoutines::SplitColors(packed);
        packed = background ? basCCFRoutines::JoinColors(pair.Text, color)
                            : basCCFRoutines::JoinColors(color, pair.Background);
    } else {
        group[background ? 3 : 0] = CheckedByte(color, "Colour");
    }
}

} // namespace kelpie::ColorAccess
