// Small pieces of report text that the walker's sections share.
#pragma once

#include "outputs/TextDocument.h"
#include "walk/WalkOutput.h"

#include <cstdint>
#include <string>

namespace vantor {

// A line of a label and a name from the file in the remote's font.
inline void WriteNameLine(TextDocument& writer, const std::string& label, const std::string& name) {
    writer.WriteText(label);
    writer.WriteProntoText(name);
    writer.WriteLn();
}

// The "****" layout checks of a frame or button (`concerns`) at (x, y) in
// its parent at (parentX, parentY) against the 240 by 219 pixel panel.
void WriteCoordinateErrors(TextDocument& out, std::int32_t x, std::int32_t y, std::int32_t parentX,
                           std::int32_t parentY, std::int32_t width, std::int32_t height,
                           RecordRef concerns);

// The heading over a device group in a report: "Home Group: ", ...
const char* GroupHeading(DeviceGroup group);

inline const char* YesNo(bool value) {
    return value ? "Yes" : "No";
}

} // namespace vantor
