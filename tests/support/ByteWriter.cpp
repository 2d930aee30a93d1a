#include "support/ByteWriter.h"

#include <kelpie/ir/Pronto.h>

#include <stdexcept>
#include <string>

namespace kelpie::builder {

ByteWriter::ByteWriter(std::vector<std::uint8_t>& image, std::int32_t position)
    : image_(image), cursor_(position) {}

std::uint8_t& ByteWriter::At(std::int32_t offset) {
    if (offset < 0 || static_cast<std::size_t>(offset) >= image_.size())
        throw std::out_of_range("ByteWriter: position " + std::to_string(offset) +
                                " outside the image of " + std::to_string(image_.size()) +
                                " bytes");
    return image_[static_cast<std::size_t>(offset)];
}

ByteWriter& ByteWriter::Byte(std::uint8_t value) {
    At(cursor_++) = value;
    return *this;
}

ByteWriter& ByteWriter::Word(std::uint16_t value) {
    Byte(static_cast<std::uint8_t>(value >> 8));
    return Byte(static_cast<std::uint8_t>(value & 0xFF));
}

ByteWriter& ByteWriter::Long(std::uint32_t value) {
    Word(static_cast<std::uint16_t>(value >> 16));
    return Word(static_cast<std::uint16_t>(value & 0xFFFF));
}

ByteWriter& ByteWriter::Chars(std::string_view text, std::int32_t length) {
    for (std::int32_t i = 0; i < length; ++i)
        Byte(static_cast<std::size_t>(i) < text.size()
                 ? static_cast<std::uint8_t>(text[static_cast<std::size_t>(i)])
                 : 0);
    return *this;
}

ByteWriter& ByteWriter::Bytes(const std::vector<std::uint8_t>& bytes) {
    for (const auto byte : bytes)
        Byte(byte);
    return *this;
}

ByteWriter& ByteWriter::Fill(std::uint8_t value, std::int32_t count) {
    for (std::int32_t i = 0; i < count; ++i)
        Byte(value);
    return *this;
}

std::vector<std::uint8_t> WordBytes(const std::vector<std::uint16_t>& words) {
    return kelpie::ir::BytesOf(words);
}

} // namespace kelpie::builder
