// A device's hard keys in the order the walk visits them, each with its
// action list and its title: the label the user gave the key, or the key's
// own name.
#pragma once

#include <kelpie/model/Actions.h>
#include <kelpie/model/Device.h>

#include <array>
#include <string>

namespace vantor {

struct HardKey {
    kelpie::Actions& List;
    std::string Title;
};

inline std::string HardKeyTitle(const std::string& label, const char* fallback) {
    return label.empty() ? std::string(fallback) : label;
}

inline std::array<HardKey, 10> HardKeysOf(kelpie::Device& device) {
    return {{
        {device.ActionsEntry(), "Entry"},
        {device.ActionsLeft(), HardKeyTitle(device.LeftKeyName(), "Left")},
        {device.ActionsRight(), HardKeyTitle(device.RightKeyName(), "Right")},
        {device.ActionsFarLeft(), HardKeyTitle(device.FarLeftKeyName(), "FarLeft")},
        {device.ActionsFarRight(), HardKeyTitle(device.FarRightKeyName(), "FarRight")},
        {device.ActionsVolMinus(), "Vol-"},
        {device.ActionsVolPlus(), "Vol+"},
        {device.ActionsChanMinus(), "Chan-"},
        {device.ActionsChanPlus(), "Chan+"},
        {device.ActionsMute(), "Mute"},
    }};
}

} // namespace vantor
