// Record sizes of the format, written down for the builder on its own (not taken
// from the library, so that the builder's tests check the library's readers
// against an independent reading of the format).
#pragma once

#include <kelpie/file/CCFEnums.h>

#include <cstdint>

namespace kelpie::builder::sizes {

constexpr std::int32_t Header(CCFFileFormats format) {
    return format == fmtV3 ? 76 : 74;
}
constexpr std::int32_t Device(CCFFileFormats format) {
    return format == fmtV3 ? 86 : 65;
}
constexpr std::int32_t PanelHead = 10;
constexpr std::int32_t FrameHead(CCFFileFormats format) {
    return format == fmtV3 ? 23 : 20;
}
constexpr std::int32_t Button(CCFFileFormats format) {
    return format == fmtV3 ? 50 : 38;
}
constexpr std::int32_t ActionListHead = 2;
constexpr std::int32_t Entry = 9; // a child entry or an action
constexpr std::int32_t IRCodeHead = 6;
constexpr std::int32_t IconHead = 8;
constexpr std::int32_t Timer = 30;
constexpr std::int32_t TimerStartAction = 12; // offsets of the embedded actions
constexpr std::int32_t TimerEndAction = 21;

} // namespace kelpie::builder::sizes
