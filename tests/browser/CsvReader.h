// A CSV reader written from RFC 4180 alone, for the tests that read the
// exports back as other tools read them.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace vantor::testing {

using Rows = std::vector<std::vector<std::string>>;

// RFC 4180: fields separated by commas, rows by CR LF; a quoted field may
// hold commas, doubled quotes and line breaks.
inline Rows ReadCsv(const std::string& text) {
    Rows rows(1, std::vector<std::string>(1));
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        std::string& field = rows.back().back();
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"')
                field += text[++i];
            else if (c == '"')
                quoted = false;
            else
                field += c;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            rows.back().emplace_back();
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            ++i;
            rows.emplace_back(1);
        } else {
            field += c;
        }
    }
    if (rows.back() == std::vector<std::string>(1)) rows.pop_back();
    return rows;
}

// The rows as maps from the header row's column names.
inline std::vector<std::map<std::string, std::string>> Records(const Rows& rows) {
    std::vector<std::map<std::string, std::string>> records;
    for (std::size_t r = 1; r < rows.size(); ++r) {
        EXPECT_EQ(rows[r].size(), rows[0].size()) << "row " << r;
        std::map<std::string, std::string> record;
        for (std::size_t c = 0; c < rows[0].size() && c < rows[r].size(); ++c)
            record[rows[0][c]] = rows[r][c];
        records.push_back(std::move(record));
    }
    return records;
}

} // namespace vantor::testing
