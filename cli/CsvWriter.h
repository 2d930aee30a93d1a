// Rows of comma-separated values as RFC 4180 writes them: fields that hold a
// comma, a quote or a line break are quoted, with quotes doubled; every row
// ends with CR LF.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace vantor {

inline std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

inline void WriteCsvRow(std::ostream& out, const std::vector<std::string>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i)
        out << (i ? "," : "") << CsvField(fields[i]);
    out << "\r\n";
}

} // namespace vantor
