// Expected file bytes written out by hand in tests, one field per line:
//
//     const auto expected = Cat({
//         L(0),          // 0  PosNextPanel: none
//         L(name),       // 4  name position
//         B(2), B(0),    // 8  number of children, kept byte
//     });
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace kelpie::builder::expected {

using Bytes = std::vector<std::uint8_t>;

inline Bytes B(std::uint32_t value) {
    return {static_cast<std::uint8_t>(value)};
}
inline Bytes W(std::uint32_t value) {
    return {static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value)};
}
inline Bytes L(std::uint32_t value) {
    return {static_cast<std::uint8_t>(value >> 24), static_cast<std::uint8_t>(value >> 16),
            static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value)};
}
// The characters as they are, no terminator.
inline Bytes S(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

inline Bytes Cat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

// `count` bytes of `bytes` from `position` on (fewer at the end of the file).
inline Bytes Slice(const Bytes& bytes, std::int32_t position, std::int32_t count) {
    const auto begin = std::min(bytes.size(), static_cast<std::size_t>(position));
    const auto end = std::min(bytes.size(), begin + static_cast<std::size_t>(count));
    return Bytes(bytes.begin() + static_cast<std::ptrdiff_t>(begin),
                 bytes.begin() + static_cast<std::ptrdiff_t>(end));
}

} // namespace kelpie::builder::expected
