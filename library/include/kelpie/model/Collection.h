// The common shape of every one-to-many relation of the object graph: a thin
// class around a private ordered list with 1-based Item, Count, Remove and
// iteration in list order.
//
// Items are held by shared ownership: an item removed from its collection
// lives on while something else still owns it, and the non-owning links of
// the graph (shared icons, action targets) see a removed item as missing
// instead of dangling. Iterating while removing is not supported.
#pragma once

#include <kelpie/Error.h>

#include <cstdint>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace kelpie {

template <class T> class Collection {
    using List = std::vector<std::shared_ptr<T>>;

public:
    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = T;
        using difference_type = std::ptrdiff_t;
        using pointer = T*;
        using reference = T&;

        const_iterator() = default;
        explicit const_iterator(typename List::const_iterator at) : at_(at) {}
        T& operator*() const { return **at_; }
        T* operator->() const { return at_->get(); }
        const_iterator& operator++() {
            ++at_;
            return *this;
        }
        const_iterator operator++(int) {
            auto before = *this;
            ++at_;
            return before;
        }
        bool operator==(const const_iterator&) const = default;

    private:
        typename List::const_iterator at_;
    };

    Collection() = default;
    Collection(const Collection&) = delete;
    Collection& operator=(const Collection&) = delete;
    virtual ~Collection() = default;

    std::int32_t Count() const noexcept { return static_cast<std::int32_t>(items_.size()); }

    // The item at 1-based `index`; InvalidArgument outside 1 to Count.
    T& Item(std::int32_t index) const { return *items_[Checked(index)]; }
    // The same item as an owning pointer, for callers that keep or link it.
    std::shared_ptr<T> ItemPtr(std::int32_t index) const { return items_[Checked(index)]; }
    // Collections without keys accept no key: InvalidArgument.
    virtual T& Item(const std::string& key) const {
        throw Error(ErrorKind::InvalidArgument, "This collection has no key \"" + key + "\"");
    }

    // Removes the item at `index`; later items move up by one. Virtual so
    // that collections with an index beside the list (keys, positions) keep
    // it in step however they are reached.
    virtual void Remove(std::int32_t index) { items_.erase(items_.begin() + Checked(index)); }
    // Collections without keys accept no key: InvalidArgument.
    virtual void Remove(const std::string& key) {
        throw Error(ErrorKind::InvalidArgument, "This collection has no key \"" + key + "\"");
    }

    // Room for `count` items in all: a list whose length its record gives
    // (a count byte) then takes what it needs and no more.
    void Reserve(std::size_t count) { items_.reserve(count); }

    const_iterator begin() const { return const_iterator(items_.cbegin()); }
    const_iterator end() const { return const_iterator(items_.cend()); }

protected:
    T& Append(std::shared_ptr<T> item) {
        items_.push_back(std::move(item));
        return *items_.back();
    }
    std::size_t Checked(std::int32_t index) const {
        if (index < 1 || index > Count())
            throw Error(ErrorKind::InvalidArgument, "Item " + std::to_string(index) +
                                                        " is not in a collection of " +
                                                        std::to_string(Count()));
        return static_cast<std::size_t>(index - 1);
    }
    const List& Items() const noexcept { return items_; }
    List& Items() noexcept { return items_; }

private:
    List items_;
};

// The number of items of a collection that may not be stored (nullptr: 0).
template <class T> std::int32_t CountOf(const Collection<T>* collection) noexcept {
    return collection ? collection->Count() : 0;
}

} // namespace kelpie
