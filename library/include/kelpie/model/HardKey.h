// The ten action lists of a device: the one its entry runs when the device
// is chosen, and those of its nine hard keys. One table lists them, in the
// order the loader reads them and reports show them, with what each needs:
// the name a report falls back on, where the device record points to the
// list, and where it points to the user's label for the key (only the four
// keys beside the screen carry one).
#pragma once

#include <kelpie/file/basStructures.h>

#include <array>
#include <cstddef>
#include <cstdint>

namespace kelpie {

enum class HardKey : std::int32_t {
    Entry,
    Left,
    Right,
    FarLeft,
    FarRight,
    VolMinus,
    VolPlus,
    ChanMinus,
    ChanPlus,
    Mute,
};

struct HardKeyInfo {
    HardKey Key;
    const char* Name;                            // "Entry", "Left", ..., "Vol-", "Mute"
    std::int32_t DeviceRecord::*ActionsPosition; // the field that points to the list
    std::int32_t DeviceRecord::*LabelPosition;   // the label's name record; nullptr: none
};

inline constexpr std::array<HardKeyInfo, 10> HardKeys = {{
    {HardKey::Entry, "Entry", &DeviceRecord::ActionsEntry, nullptr},
    {HardKey::Left, "Left", &DeviceRecord::ActionsLeft, &DeviceRecord::LeftKeyName},
    {HardKey::Right, "Right", &DeviceRecord::ActionsRight, &DeviceRecord::RightKeyName},
    {HardKey::FarLeft, "FarLeft", &DeviceRecord::ActionsFarLeft, &DeviceRecord::FarLeftKeyName},
    {HardKey::FarRight, "FarRight", &DeviceRecord::ActionsFarRight, &DeviceRecord::FarRightKeyName},
    {HardKey::VolMinus, "Vol-", &DeviceRecord::ActionsVolMinus, nullptr},
    {HardKey::VolPlus, "Vol+", &DeviceRecord::ActionsVolPlus, nullptr},
    {HardKey::ChanMinus, "Chan-", &DeviceRecord::ActionsChanMinus, nullptr},
    {HardKey::ChanPlus, "Chan+", &DeviceRecord::ActionsChanPlus, nullptr},
    {HardKey::Mute, "Mute", &DeviceRecord::ActionsMute, nullptr},
}};
inline constexpr std::size_t HardKeyCount = HardKeys.size();
static_assert(
    [] {
        for (std::size_t i = 0; i < HardKeyCount; ++i)
            if (static_cast<std::size_t>(HardKeys[i].Key) != i) return false;
        return true;
    }(),
    "HardKeys is indexed by HardKey");

} // namespace kelpie
