// Something made from an icon once and kept for the icon's later uses: a
// large file shows the same few icons thousands of times. The weak pointer
// tells a living icon from a new one at the address of a closed file's icon.
#pragma once

#include <kelpie/icons/Icon.h>

#include <cstddef>
#include <memory>
#include <unordered_map>

namespace vantor {

template <class T> class IconCache {
public:
    // The cached value of the icon, made by `make(icon)` when there is none.
    template <class Make> const T& Get(const kelpie::Icon& icon, Make&& make) {
        auto found = entries_.find(&icon);
        if (found != entries_.end() && found->second.Owner.lock().get() == &icon)
            return found->second.Value;
        if (entries_.size() >= MaxEntries)
            entries_.clear(); // bounded, however many files come and go
        T value = make(icon); // may throw; nothing is cached then
        Entry& entry = entries_[&icon];
        entry.Owner = icon.weak_from_this();
        entry.Value = std::move(value);
        return entry.Value;
    }

private:
    static constexpr std::size_t MaxEntries = 4096;
    struct Entry {
        std::weak_ptr<const kelpie::Icon> Owner;
        T Value;
    };
    std::unordered_map<const kelpie::Icon*, Entry> entries_;
};

} // namespace vantor
