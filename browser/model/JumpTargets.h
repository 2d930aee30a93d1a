// The special targets of a jump action: a panel position the remote reads
// as a command instead. One table gives each its word in the reports and in
// the JSON export.
#pragma once

#include <kelpie/file/CCFEnums.h>

#include <cstdint>

namespace vantor {

struct JumpTargetName {
    std::uint32_t Target;
    const char* ReportWord; // "[J] Jump: Scroll down"
    const char* JsonWord;   // "target": "scroll down"
};

inline constexpr JumpTargetName JumpTargetNames[] = {
    {kelpie::jmpScrollDown, "Scroll down", "scroll down"},
    {kelpie::jmpScrollUp, "Scroll up", "scroll up"},
    {kelpie::jmpMouseMode, "Mouse mode", "mouse mode"},
    {kelpie::jmpForward, "Forward", "forward"},
    {kelpie::jmpBack, "Back", "back"},
};

// The entry of a special target, or nullptr for a panel's position.
inline const JumpTargetName* SpecialJumpTarget(std::int32_t target) {
    for (const JumpTargetName& name : JumpTargetNames)
        if (name.Target == static_cast<std::uint32_t>(target)) return &name;
    return nullptr;
}

} // namespace vantor
