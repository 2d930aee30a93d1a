// Big-endian writing into a byte image: the one place where the builder turns
// numbers and texts into file bytes. The image is sized beforehand (the layout
// knows every record's length); writes outside it are a builder bug and throw.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace kelpie::builder {

class ByteWriter {
public:
    // Writes into `image` from `position` on; the cursor advances with each write.
    ByteWriter(std::vector<std::uint8_t>& image, std::int32_t position);

    std::int32_t Cursor() const noexcept { return cursor_; }

    ByteWriter& Byte(std::uint8_t value);
    // A word: 16 bits, most significant byte first. Any 16-bit pattern.
    ByteWriter& Word(std::uint16_t value);
    // A long: 32 bits, most significant byte first. Any 32-bit pattern.
    ByteWriter& Long(std::uint32_t value);
    // Exactly `length` characters: `text` cut or padded with zero bytes.
    ByteWriter& Chars(std::string_view text, std::int32_t length);
    ByteWriter& Bytes(const std::vector<std::uint8_t>& bytes);
    // `count` copies of `value`.
    ByteWriter& Fill(std::uint8_t value, std::int32_t count);

private:
    std::uint8_t& At(std::int32_t offset);

    std::vector<std::uint8_t>& image_;
    std::int32_t cursor_;
};

// The words, most significant byte first (IR code data, tests' expected bytes).
std::vector<std::uint8_t> WordBytes(const std::vector<std::uint16_t>& words);

} // namespace kelpie::builder
