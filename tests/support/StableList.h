// A list whose elements never move: each is allocated on its own, so the
// references and At() targets a test keeps to a child entry or an action stay
// valid while the list grows. (A std::deque would too, but costs a 512-byte
// block per list, which the large generated files cannot afford.)
#pragma once

#include <cstddef>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace kelpie::builder {

template <class T> class StableList {
    using Slots = std::vector<std::unique_ptr<T>>;

    template <class Element, class Base> class Iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = T;
        using difference_type = std::ptrdiff_t;
        using pointer = Element*;
        using reference = Element&;

        Iterator() = default;
        explicit Iterator(Base at) : at_(at) {}
        reference operator*() const { return **at_; }
        pointer operator->() const { return at_->get(); }
        Iterator& operator++() {
            ++at_;
            return *this;
        }
        Iterator operator++(int) {
            Iterator old = *this;
            ++at_;
            return old;
        }
        bool operator==(const Iterator& other) const { return at_ == other.at_; }

    private:
        Base at_{};
    };

public:
    using iterator = Iterator<T, typename Slots::iterator>;
    using const_iterator = Iterator<const T, typename Slots::const_iterator>;

    template <class... Args> T& emplace_back(Args&&... args) {
        return *slots_.emplace_back(std::make_unique<T>(std::forward<Args>(args)...));
    }
    T& push_back(T&& value) { return emplace_back(std::move(value)); }

    std::size_t size() const noexcept { return slots_.size(); }
    bool empty() const noexcept { return slots_.empty(); }
    // std::out_of_range beyond the end.
    T& operator[](std::size_t index) const { return *Slot(index); }
    T& front() const { return *Slot(0); }
    T& back() const { return *Slot(slots_.size() - 1); }

    iterator begin() { return iterator(slots_.begin()); }
    iterator end() { return iterator(slots_.end()); }
    const_iterator begin() const { return const_iterator(slots_.cbegin()); }
    const_iterator end() const { return const_iterator(slots_.cend()); }

private:
    const std::unique_ptr<T>& Slot(std::size_t index) const {
        if (index >= slots_.size())
            throw std::out_of_range("no element " + std::to_string(index) + " in a list of " +
                                    std::to_string(slots_.size()));
        return slots_[index];
    }

    Slots slots_;
};

} // namespace kelpie::builder
