// Text from a CCF file on screen. The file's names are 8-bit Windows-1252
// characters (the remote's own glyphs sit in the upper half), not UTF-8: each
// byte is one character.
#pragma once

#include "outputs/Windows1252.h"

#include <QString>

#include <string_view>

namespace vantor {

inline QString FileText(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char c : bytes)
        text += QChar(FromWindows1252(static_cast<unsigned char>(c)));
    return text;
}

} // namespace vantor
