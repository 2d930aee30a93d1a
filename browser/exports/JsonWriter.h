// A JSON document written as it is produced: nothing of it is kept but one
// entry for each object or array still open, so the memory it needs does not
// grow with the document.
//
// The layout is that of nlohmann::json's dump(2) with invalid UTF-8 replaced,
// which the exports were first written with: two spaces of indentation a
// level, `"key": value`, one member or element a line, `{}` and `[]` for empty
// ones, and a line break after the document. Strings are written as UTF-8;
// `"` and `\` are escaped, \b \f \n \r \t by their short forms, other control
// characters as \u00xx, and every invalid UTF-8 sequence becomes U+FFFD.
#pragma once

#include <concepts>
#include <cstdint>
#include <exception>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vantor {

class JsonWriter {
public:
    explicit JsonWriter(std::ostream& out) : out_(out) {}
    JsonWriter(const JsonWriter&) = delete;
    JsonWriter& operator=(const JsonWriter&) = delete;

    // Closes the object or array it was opened with when it goes out of
    // scope; not while an exception leaves it (a failed write, no memory):
    // the document is abandoned then, and its stream may throw again.
    class [[nodiscard]] Scope {
    public:
        Scope(Scope&& other) noexcept
            : writer_(std::exchange(other.writer_, nullptr)), exceptions_(other.exceptions_) {}
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;
        Scope& operator=(Scope&&) = delete;
        ~Scope() noexcept(false) { // a write that fails here throws as any other
            if (writer_ && std::uncaught_exceptions() <= exceptions_) writer_->Close();
        }

    private:
        friend class JsonWriter;
        explicit Scope(JsonWriter* writer)
            : writer_(writer), exceptions_(std::uncaught_exceptions()) {}
        JsonWriter* writer_;
        int exceptions_;
    };

    // An object or array as the next value (the document, an element of an
    // array), or as the member `key` of the current object.
    Scope Object() { return Open('{'); }
    Scope Array() { return Open('['); }
    Scope Object(std::string_view key) {
        Key(key);
        return Open('{');
    }
    Scope Array(std::string_view key) {
        Key(key);
        return Open('[');
    }

    // The name of the next member of the current object; its value follows.
    void Key(std::string_view key);

    void Value(std::string_view text);
    void Value(const char* text) { Value(std::string_view(text)); }
    void Value(const std::string& text) { Value(std::string_view(text)); }
    void Value(bool flag);
    void Value(std::nullptr_t);
    template <std::integral T>
    requires(!std::same_as<T, bool>) void Value(T number) {
        if constexpr (std::is_signed_v<T>)
            Integer(number);
        else
            Unsigned(number);
    }
    // null when there is none.
    template <class T> void Value(const std::optional<T>& value) {
        if (value)
            Value(*value);
        else
            Value(nullptr);
    }

    template <class T> void Member(std::string_view key, const T& value) {
        Key(key);
        Value(value);
    }

private:
    struct Level {
        bool IsArray;
        bool Empty = true;
    };

    Scope Open(char bracket);
    void Close();
    void Integer(std::int64_t number);
    void Unsigned(std::uint64_t number);
    // A number, true, false or null.
    void Literal(std::string_view text);
    // What precedes a value: the separator and indentation of an array
    // element (a member's were written by its key).
    void BeginValue();
    // After a value: the line break that ends the document.
    void EndValue();
    void NewLine();
    void Escaped(std::string_view text);

    std::ostream& out_;
    std::vector<Level> levels_;
};

} // namespace vantor
