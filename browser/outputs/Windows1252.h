// The Windows-1252 code page of the reports: bytes 0x80 to 0x9F are
// typographic characters, the rest of the upper half is Latin-1.
#pragma once

#include <string>

namespace vantor {

// Unicode of bytes 0x80 to 0x9F; the five unassigned bytes stand for themselves.
inline constexpr char16_t Windows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

inline char16_t FromWindows1252(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? Windows1252High[byte - 0x80] : static_cast<char16_t>(byte);
}

// The byte of a character, or '?' for one the code page lacks (the five
// unassigned bytes included).
inline char ToWindows1252(char16_t u) {
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<char>(u);
    for (int i = 0; i < 32; ++i)
        if (Windows1252High[i] == u && u >= 0x100) return static_cast<char>(0x80 + i);
    return '?';
}

} // namespace vantor

namespace vantor {

// Text in the file's 8-bit characters as UTF-8, for exports that other tools
// read.
inline std::string Utf8FromWindows1252(const std::string& text) {
    std::string utf8;
    utf8.reserve(text.size());
    for (const char c : text) {
        const char16_t u = FromWindows1252(static_cast<unsigned char>(c));
        if (u < 0x80) {
            utf8 += static_cast<char>(u);
        } else if (u < 0x800) {
            utf8 += static_cast<char>(0xC0 | (u >> 6));
            utf8 += static_cast<char>(0x80 | (u & 0x3F));
        } else {
            utf8 += static_cast<char>(0xE0 | (u >> 12));
            utf8 += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
            utf8 += static_cast<char>(0x80 | (u & 0x3F));
        }
    }
    return utf8;
}

} // namespace vantor
