// Every use of an IR code in a file, in the order the IR codes report meets
// them: the home, devices and macros groups, each device's hard keys and then
// its panels, each panel's frames and buttons in file order, and last the
// macro recording panels. A timer started by an action sends the IR codes of
// its start and end actions; those count as uses of the action's owner.
#pragma once

#include <kelpie/file/CCF.h>
#include <kelpie/model/Device.h>
#include <kelpie/model/IRCode.h>

#include <functional>
#include <string>
#include <vector>

namespace vantor {

// What sends the code.
enum class IRCodeSender { Button, HardKey, TimerStart, TimerEnd };

struct IRCodeUse {
    std::string Group;                     // "Home", "Devices", "Macros", "Macro Recording"
    std::string Device;                    // "" for a macro recording panel
    const kelpie::Device* Owner = nullptr; // the device; null for a macro recording panel
    std::string Panel;                     // "" for a hard key
    std::vector<std::string> FramePath;    // the frames around the button, outermost first
    std::string Button;                    // the button's name, or the hard key's title
    IRCodeSender Sender = IRCodeSender::Button;
    bool ByHardKey = false; // the action list is a hard key's
    const kelpie::IRCode* Code = nullptr;
};

// Calls `use` once for every code action whose IR code was loaded. Names are
// as the file stores them (8-bit characters). Only reads the object graph, so
// it serves a partly loaded file too.
void ForEachIRCodeUse(const kelpie::CCF& ccf, const std::function<void(const IRCodeUse&)>& use);

// "button", "hard key", "timer start" or "timer end".
const char* SenderWord(IRCodeSender sender);

} // namespace vantor
