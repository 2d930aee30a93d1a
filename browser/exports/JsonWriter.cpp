#include "exports/JsonWriter.h"

#include <algorithm>
#include <cassert>
#include <charconv>

namespace vantor {

namespace {

constexpr std::string_view Replacement = "\xEF\xBF\xBD"; // U+FFFD in UTF-8

// The short escapes of JSON; other control characters are written as \u00xx.
const char* ShortEscape(unsigned char c) {
    switch (c) {
    case '"':
        return "\\\"";
    case '\\':
        return "\\\\";
    case '\b':
        return "\\b";
    case '\f':
        return "\\f";
    case '\n':
        return "\\n";
    case '\r':
        return "\\r";
    case '\t':
        return "\\t";
    default:
        return nullptr;
    }
}

// The continuation bytes a lead byte needs and the range its first one must
// lie in (which excludes overlong forms, surrogates and code points past
// U+10FFFF); 0 for a byte that cannot begin a sequence.
struct Lead {
    int Continuations;
    unsigned char Low, High;
};

Lead LeadOf(unsigned char c) {
    if (c >= 0xC2 && c <= 0xDF) return {1, 0x80, 0xBF};
    if (c == 0xE0) return {2, 0xA0, 0xBF};
    if (c == 0xED) return {2, 0x80, 0x9F};
    if (c >= 0xE1 && c <= 0xEF) return {2, 0x80, 0xBF};
    if (c == 0xF0) return {3, 0x90, 0xBF};
    if (c >= 0xF1 && c <= 0xF3) return {3, 0x80, 0xBF};
    if (c == 0xF4) return {3, 0x80, 0x8F};
    return {0, 0, 0};
}

} // namespace

JsonWriter::Scope JsonWriter::Open(char bracket) {
    BeginValue();
    out_.put(bracket);
    levels_.push_back({bracket == '['});
    return Scope(this);
}

void JsonWriter::Close() {
    assert(!levels_.empty());
    const Level level = levels_.back();
    levels_.pop_back();
    if (!level.Empty) NewLine();
    out_.put(level.IsArray ? ']' : '}');
    EndValue();
}

void JsonWriter::Key(std::string_view key) {
    assert(!levels_.empty() && !levels_.back().IsArray); // keys belong to objects
    Level& level = levels_.back();
    if (!level.Empty) out_.put(',');
    level.Empty = false;
    NewLine();
    Escaped(key);
    out_.write(": ", 2);
}

void JsonWriter::Value(std::string_view text) {
    BeginValue();
    Escaped(text);
    EndValue();
}

void JsonWriter::Value(bool flag) {
    Literal(flag ? "true" : "false");
}

void JsonWriter::Value(std::nullptr_t) {
    Literal("null");
}

void JsonWriter::Integer(std::int64_t number) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    Literal(std::string_view(digits, static_cast<std::size_t>(end - digits)));
}

void JsonWriter::Unsigned(std::uint64_t number) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    Literal(std::string_view(digits, static_cast<std::size_t>(end - digits)));
}

void JsonWriter::Literal(std::string_view text) {
    BeginValue();
    out_.write(text.data(), static_cast<std::streamsize>(text.size()));
    EndValue();
}

void JsonWriter::BeginValue() {
    if (levels_.empty() || !levels_.back().IsArray) return;
    Level& level = levels_.back();
    if (!level.Empty) out_.put(',');
    level.Empty = false;
    NewLine();
}

void JsonWriter::EndValue() {
    if (levels_.empty()) out_.put('\n');
}

void JsonWriter::NewLine() {
    static constexpr std::string_view Spaces = "                                ";
    out_.put('\n');
    for (std::size_t indent = 2 * levels_.size(); indent > 0;) {
        const std::size_t chunk = std::min(indent, Spaces.size());
        out_.write(Spaces.data(), static_cast<std::streamsize>(chunk));
        indent -= chunk;
    }
}

// Bytes that need no escaping are written in runs. An invalid sequence is
// replaced as a whole up to the byte that broke it, and that byte is read
// again as the possible start of the next character; a byte that cannot begin
// a character is replaced on its own, and a sequence cut off by the end of the
// text is replaced once.
void JsonWriter::Escaped(std::string_view text) {
    out_.put('"');
    std::size_t run = 0; // start of the bytes not yet written
    const auto flush = [&](std::size_t end) {
        out_.write(text.data() + run, static_cast<std::streamsize>(end - run));
    };
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            if (c >= 0x20 && c != '"' && c != '\\') {
                ++i;
                continue;
            }
            flush(i);
            if (const char* escape = ShortEscape(c)) {
                out_ << escape;
            } else {
                static constexpr char Hex[] = "0123456789abcdef";
                const char unicode[] = {'\\', 'u', '0', '0', Hex[c >> 4], Hex[c & 15]};
                out_.write(unicode, sizeof unicode);
            }
            run = ++i;
            continue;
        }
        const Lead lead = LeadOf(c);
        std::size_t length = 1; // bytes of a valid sequence, or of the invalid prefix
        bool valid = lead.Continuations > 0;
        for (int k = 1; valid && k <= lead.Continuations; ++k) {
            if (i + k >= text.size()) {
                length = text.size() - i;
                valid = false;
                break;
            }
            const auto next = static_cast<unsigned char>(text[i + k]);
            const unsigned char low = k == 1 ? lead.Low : 0x80, high = k == 1 ? lead.High : 0xBF;
            if (next < low || next > high) {
                valid = false;
                break;
            }
            length = k + 1;
        }
        if (valid) {
            i += length;
            continue;
        }
        flush(i);
        out_ << Replacement;
        i += length;
        run = i;
    }
    flush(text.size());
    out_.put('"');
}

} // namespace vantor
