// A device's hard keys in the order the walk visits them, each with its
// stored action list (reading creates none) and its title: the label the
// user gave the key, or the key's own name.
#pragma once

#include <kelpie/model/Actions.h>
#include <kelpie/model/Device.h>

#include <array>
#include <string>
#include <utility>

namespace vantor {

struct HardKey {
    kelpie::Actions* List; // nullptr when the key has no list
    std::string Title;
};

inline std::string HardKeyTitle(const std::string& label, const char* fallback) {
    return label.empty() ? std::string(fallback) : label;
}

template <std::size_t... I>
std::array<HardKey, sizeof...(I)> HardKeysOf(kelpie::Device& device, std::index_sequence<I...>) {
    return {{HardKey{
        device.FindHardKey(kelpie::HardKeys[I].Key),
        HardKeyTitle(device.KeyLabel(kelpie::HardKeys[I].Key), kelpie::HardKeys[I].Name)}...}};
}

inline std::array<HardKey, kelpie::HardKeyCount> HardKeysOf(kelpie::Device& device) {
    return HardKeysOf(device, std::make_index_sequence<kelpie::HardKeyCount>());
}

} // namespace vantor
