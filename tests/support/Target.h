// What a position field of a built file points to.
//
// Every pointer field of a CCF record is a long holding an absolute file
// offset, 0 meaning "none". In the builder such a field holds a Target:
//  - nothing (the default): the field stores 0;
//  - an object made by the builder: the field stores the object's position,
//    known only when Build() has laid the file out;
//  - At(object, offset): the object's position plus an offset, for pointers
//    into the middle of a record or at a record of another kind;
//  - Raw(value): any 32-bit value, for broken files (outside the file, below
//    the header's end, a special jump value, ...).
// Ref<T> is a Target that a T (or a Raw or At target) converts to, so that
// `device.IconUnselected = tvIcon;` reads like the file and a Panel cannot
// slip into an icon field by mistake; `= At(panel)` does that on purpose.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace kelpie::builder {

class Layout;

// Everything that Build() gives a position: records, child entries, actions.
// Records live in the builder and are handed out by reference; they cannot be
// copied (`auto x = ccf.AddDevice(...)` fails to compile: write `auto&`).
class Record {
public:
    Record(const Record&) = delete;
    Record& operator=(const Record&) = delete;
    Record(Record&&) = default;
    Record& operator=(Record&&) = default;
    ~Record() = default;

    // The file offset of the record's first byte, from the last Build();
    // std::logic_error before the first Build().
    std::int32_t Position() const;
    // The number of bytes written for the record by the last Build().
    std::int32_t Size() const;
    // Position() + Size(): the first byte after the record.
    std::int32_t End() const { return Position() + Size(); }

protected:
    Record() = default;

private:
    friend class Layout;
    std::int32_t position_ = -1;
    std::int32_t size_ = 0;
    std::uint32_t visit_ = 0; // walk mark of the layout that placed it last
};

class Target {
public:
    // Nothing: the field stores 0.
    constexpr Target() = default;
    constexpr Target(std::nullptr_t) {}

    // The value the field stores; needs a built layout when an object is named.
    std::int32_t Resolve() const;
    bool IsNone() const noexcept { return record_ == nullptr && value_ == 0; }
    const Record* Object() const noexcept { return record_; }

    friend Target Raw(std::int64_t value);
    friend Target At(const Record& record, std::int32_t offset);

private:
    const Record* record_ = nullptr;
    std::int32_t value_ = 0; // the raw value, or the offset from the record
};

// A raw 32-bit value: negative values and values above 0x7FFFFFFF (the special
// jump values, for instance) are both accepted and stored as their low 32 bits.
Target Raw(std::int64_t value);
// The position of `record` plus `offset`, whatever kind of record it is.
Target At(const Record& record, std::int32_t offset = 0);

template <class T> class Ref : public Target {
public:
    constexpr Ref() = default;
    constexpr Ref(std::nullptr_t) {}
    Ref(T& object) : Target(At(object)), object_(&object) {}
    // A Raw or At target: stored as given, never followed by the layout walk.
    Ref(const Target& target) : Target(target) {}
    // A reference to another kind converts only on purpose: At(*ref.Typed()).
    template <class U> Ref(const Ref<U>&) = delete;

    // The T named by the reference, or nullptr for nothing, Raw and At.
    T* Typed() const noexcept { return object_; }

private:
    T* object_ = nullptr;
};

// A name record: a length byte followed by that many 8-bit characters.
class Name : public Record {
public:
    explicit Name(std::string text) : Text(std::move(text)) {}
    std::string Text;
    // The stored length byte instead of Text's length (a name longer or
    // shorter than its characters). Without it, Text must fit 255 characters.
    std::optional<std::uint8_t> LengthByte;
};

// A name position field. A text makes a name record of its own (written once
// for this field, even when another field has the same text); a Name object
// is one name record shared by every field that names it; a Raw or At target
// is stored as given; nothing stores 0.
class NameRef {
public:
    NameRef() = default;
    NameRef(std::nullptr_t) {}
    NameRef(const char* text) : own_(std::make_unique<Name>(text)) {}
    NameRef(std::string text) : own_(std::make_unique<Name>(std::move(text))) {}
    NameRef(Name& shared) : shared_(&shared) {}
    NameRef(const Target& target) : target_(target) {}
    // A copy names the same shared record or target, and makes a record of
    // its own for a text (`panel.Name = device.Name;` writes the text twice).
    NameRef(const NameRef& other);
    NameRef& operator=(const NameRef& other);
    NameRef(NameRef&&) = default;
    NameRef& operator=(NameRef&&) = default;

    // The name record this field makes or names; nullptr for nothing, Raw, At.
    Name* NameRecord() const noexcept { return own_ ? own_.get() : shared_; }
    // The text of that record; "" when there is none.
    std::string Text() const;
    // The value the field stores after Build().
    std::int32_t Resolve() const;
    // The position of the name record after Build() (same as Resolve()).
    std::int32_t Position() const { return Resolve(); }

private:
    std::unique_ptr<Name> own_;
    Name* shared_ = nullptr;
    Target target_;
};

} // namespace kelpie::builder
