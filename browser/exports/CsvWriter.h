// Rows of comma-separated values as RFC 4180 writes them: fields that hold a
// comma, a quote or a line break are quoted, with quotes doubled; every row
// ends with CR LF.
//
// Names come from files downloaded from anywhere. A spreadsheet runs a cell
// that begins with "=", "+", "-", "@", a tab or a carriage return as a
// formula, so such a cell gets a leading apostrophe (which spreadsheets show
// as plain text), unless it is a plain number or a lone sign; `raw` writes
// every cell unchanged.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace vantor {

inline bool IsPlainNumber(const std::string& text) {
    std::size_t i = (text[0] == '+' || text[0] == '-') ? 1 : 0;
    const std::size_t digits = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9')
        ++i;
    if (i == digits) return false;
    if (i < text.size() && text[i] == '.') {
        const std::size_t fraction = ++i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            ++i;
        if (i == fraction) return false;
    }
    return i == text.size();
}

inline bool LooksLikeFormula(const std::string& text) {
    return text.size() > 1 && std::string("=+-@\t\r").find(text[0]) != std::string::npos &&
           !IsPlainNumber(text);
}

inline std::string CsvField(const std::string& cell, bool raw = false) {
    const std::string text = !raw && LooksLikeFormula(cell) ? "'" + cell : cell;
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

inline void WriteCsvRow(std::ostream& out, const std::vector<std::string>& fields,
                        bool raw = false) {
    for (std::size_t i = 0; i < fields.size(); ++i)
        out << (i ? "," : "") << CsvField(fields[i], raw);
    out << "\r\n";
}

} // namespace vantor
