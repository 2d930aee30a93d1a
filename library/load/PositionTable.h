// The records of one kind that a load has claimed, by file position.
//
// A claim marks the position in a bitmap over the file (one bit a byte, so a
// second visit is found at once); a table also appends the object to a list
// that the second pass searches, sorted once. No per-record allocation, which
// keeps loading large files close to the cost of reading their bytes.
#pragma once

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

namespace kelpie {

class PositionSet {
public:
    explicit PositionSet(std::int32_t fileSize)
        : bits_((static_cast<std::size_t>(fileSize) + 63) / 64, 0) {}

    // Claims `pos` (a position inside the file); false when it was claimed before.
    bool Claim(std::int32_t pos) {
        auto& word = bits_[static_cast<std::size_t>(pos) / 64];
        const std::uint64_t bit = std::uint64_t{1} << (static_cast<std::size_t>(pos) % 64);
        if (word & bit) return false;
        word |= bit;
        return true;
    }

private:
    std::vector<std::uint64_t> bits_;
};

template <class T> class PositionTable {
public:
    explicit PositionTable(std::int32_t fileSize) : claimed_(fileSize) {}

    // Claims `pos` for `object`; false when it was claimed before.
    bool Claim(std::int32_t pos, T& object) {
        if (!claimed_.Claim(pos)) return false;
        entries_.emplace_back(pos, &object);
        sorted_ = false;
        return true;
    }

    // The object claimed at `pos`, or nullptr.
    T* Find(std::int32_t pos) {
        if (!sorted_) {
            std::sort(entries_.begin(), entries_.end());
            sorted_ = true;
        }
        auto at = std::lower_bound(entries_.begin(), entries_.end(),
                                   std::pair<std::int32_t, T*>(pos, nullptr));
        return at != entries_.end() && at->first == pos ? at->second : nullptr;
    }

private:
    PositionSet claimed_;
    std::vector<std::pair<std::int32_t, T*>> entries_;
    bool sorted_ = true;
};

} // namespace kelpie
