// What the objects a load makes take in memory, for the load's memory budget.
//
// Each figure is what the allocator really hands out: the object, the
// reference counts that make_shared keeps beside it, and the allocator's size
// word, rounded up to its 16-byte steps; plus the object's entries in the
// lists and tables that grow by doubling as the load goes (counted twice,
// room included). Children and action lists are made at their final length
// and counted once per list. The figures follow the classes: a member added
// to Frame weighs at once.
#pragma once

#include <kelpie/icons/Icon.h>
#include <kelpie/model/Actions.h>
#include <kelpie/model/Children.h>
#include <kelpie/model/Device.h>
#include <kelpie/model/IRCode.h>
#include <kelpie/model/Panel.h>
#include <kelpie/model/Panels.h>
#include <kelpie/model/Timer.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>

namespace kelpie::footprint {

// One allocation of `bytes`: glibc's malloc adds an 8-byte size word and
// rounds up to 16 bytes, with 32 bytes at least.
constexpr std::int64_t Allocation(std::size_t bytes) {
    const auto chunk = static_cast<std::int64_t>((bytes + 8 + 15) / 16 * 16);
    return chunk < 32 ? 32 : chunk;
}

// An object made by make_shared: its reference counts come first.
template <class T> constexpr std::int64_t Shared() {
    return Allocation(2 * sizeof(std::int32_t) + sizeof(void*) + sizeof(T));
}

// A list of `count` owning pointers made at its final length.
constexpr std::int64_t List(std::int64_t count) {
    return count > 0 ? Allocation(static_cast<std::size_t>(count) * sizeof(std::shared_ptr<Child>))
                     : 0;
}

// An entry in a list that grows by doubling: an owning pointer, or a
// (position, object) pair of the loader's tables, or an object pointer.
constexpr std::int64_t Growing(std::size_t entry) {
    return 2 * static_cast<std::int64_t>(entry);
}
constexpr std::int64_t ListSlot = Growing(sizeof(std::shared_ptr<Child>));
constexpr std::int64_t TableEntry = Growing(sizeof(std::pair<std::int32_t, void*>));
// A shared record's entry in its position index: a hash node and its bucket.
constexpr std::int64_t IndexEntry =
    Allocation(sizeof(void*) + sizeof(std::pair<std::int32_t, void*>)) + Growing(sizeof(void*));

constexpr std::int64_t Device =
    Shared<kelpie::Device>() + ListSlot + Shared<kelpie::Panels>() + TableEntry;
constexpr std::int64_t Panel =
    Shared<kelpie::Panel>() + ListSlot + Shared<kelpie::Children>() + TableEntry;
constexpr std::int64_t Frame = Shared<kelpie::Frame>() + Shared<kelpie::Children>();
constexpr std::int64_t Button = Shared<kelpie::Button>() + TableEntry;
constexpr std::int64_t ActionList = Shared<kelpie::Actions>();
// An action of a list or a timer, listed once more for the second pass.
constexpr std::int64_t Action = Shared<kelpie::Action>() + Growing(sizeof(void*));
constexpr std::int64_t Timer = Shared<kelpie::Timer>() + TableEntry;
constexpr std::int64_t IRCode = Shared<kelpie::IRCode>() + ListSlot + IndexEntry;
constexpr std::int64_t Icon = Shared<kelpie::Icon>() + ListSlot + IndexEntry;

// The bytes a string keeps beyond its object: none for the 15 characters
// that libstdc++ keeps inside it; beyond them, room for at least 30 (a
// string that outgrows its inside doubles it).
inline std::int64_t Text(const std::string& text) {
    return text.size() <= 15 ? 0 : Allocation(std::max<std::size_t>(text.size(), 30) + 1);
}

// A vector of `bytes` bytes (IR code and icon data): none when empty.
constexpr std::int64_t Data(std::int64_t bytes) {
    return bytes > 0 ? Allocation(static_cast<std::size_t>(bytes)) : 0;
}

} // namespace kelpie::footprint
