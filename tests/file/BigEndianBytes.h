// Test bytes written by hand: fields appended in file order, or put at a
// given offset, most significant byte first. Callers comment each field.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

class BigEndianBytes {
public:
    BigEndianBytes() = default;
    // `size` zero bytes to put fields into.
    explicit BigEndianBytes(std::int32_t size) : bytes_(static_cast<std::size_t>(size), 0) {}

    BigEndianBytes& Byte(std::uint32_t value) { return PutAt(Size(), value, 1); }
    BigEndianBytes& Word(std::uint32_t value) { return PutAt(Size(), value, 2); }
    BigEndianBytes& Long(std::uint32_t value) { return PutAt(Size(), value, 4); }
    BigEndianBytes& Text(std::string_view text) { return TextAt(Size(), text); }
    BigEndianBytes& Zeros(std::int32_t count) { return Fill(count, 0); }
    BigEndianBytes& Fill(std::int32_t count, std::uint8_t value) {
        bytes_.insert(bytes_.end(), static_cast<std::size_t>(count), value);
        return *this;
    }

    BigEndianBytes& ByteAt(std::int32_t at, std::uint32_t value) { return PutAt(at, value, 1); }
    BigEndianBytes& WordAt(std::int32_t at, std::uint32_t value) { return PutAt(at, value, 2); }
    BigEndianBytes& LongAt(std::int32_t at, std::uint32_t value) { return PutAt(at, value, 4); }
    BigEndianBytes& TextAt(std::int32_t at, std::string_view text) {
        for (char c : text)
            PutAt(at++, static_cast<unsigned char>(c), 1);
        return *this;
    }

    std::int32_t Size() const { return static_cast<std::int32_t>(bytes_.size()); }
    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

private:
    BigEndianBytes& PutAt(std::int32_t at, std::uint32_t value, int width) {
        const auto first = static_cast<std::size_t>(at);
        if (bytes_.size() < first + static_cast<std::size_t>(width))
            bytes_.resize(first + static_cast<std::size_t>(width));
        for (int i = 0; i < width; ++i)
            bytes_[first + static_cast<std::size_t>(i)] =
                static_cast<std::uint8_t>(value >> (8 * (width - 1 - i)));
        return *this;
    }

    std::vector<std::uint8_t> bytes_;
};
