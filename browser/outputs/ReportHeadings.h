// Headings of the reports and the display: one line of a larger size, made of
// a raw "{", the size control word, the escaped words and a raw "}".
#pragma once

#include "outputs/RtfWriter.h"

#include <string>

namespace vantor {

// Size control words of the headings: 20 point for the file, its groups and
// devices, 16 for panels, 12 for frames and buttons.
inline constexpr const char* Heading20 = "\\fs40 ";
inline constexpr const char* Heading16 = "\\fs32 ";
inline constexpr const char* Heading12 = "\\fs24 ";

inline void WriteHeading(RtfWriter& writer, const char* sizeControl, const std::string& text) {
    writer.WriteRTF(std::string("{") + sizeControl);
    writer.WriteText(text);
    writer.WriteRTF("}");
    writer.WriteLn();
}

// A heading line of words and a name from the file in the remote's font.
inline void WriteNamedHeading(RtfWriter& writer, const char* sizeControl, const std::string& words,
                              const std::string& name) {
    writer.WriteRTF(std::string("{") + sizeControl);
    writer.WriteText(words);
    writer.WriteProntoText(name);
    writer.WriteRTF("}");
    writer.WriteLn();
}

} // namespace vantor
