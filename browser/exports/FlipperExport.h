// The IR codes for a Flipper Zero: one "IR signals file" (.ir, version 1) per
// device, in a folder, each file named after its device.
//
// The format is lines of "key: value"; a line "#" (a comment) opens each
// button. A button is either `type: parsed`, a protocol the Flipper knows
// with its address and command as four hexadecimal bytes each, least
// significant first ("04 00 00 00"), which the Flipper sends with its own
// ideal timing, or `type: raw`: the carrier in hertz, the duty cycle and the
// durations in microseconds, alternately burst and gap, starting and ending
// with a burst (at most 1024). Names are printable ASCII.
#pragma once

#include "exports/Export.h"
#include "exports/IRRemotes.h"

#include <kelpie/ir/Command.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>
#include <string>

namespace vantor {

struct FlipperParsed {
    const char* Protocol; // "NEC", "NECext", "RC5X", "SIRC20", ...
    std::uint32_t Address;
    std::uint32_t Command;
};

// The parsed form of a command, or nullopt when the Flipper does not know
// its protocol (or its fields, such as a Samsung32 subdevice that differs
// from the device): such a code is written raw.
std::optional<FlipperParsed> FlipperParsedOf(const kelpie::ir::Command& command);

// "04 00 00 00": the four bytes of `value`, least significant first.
std::string FlipperHex(std::uint32_t value);

// A device's name as a file name on the Flipper's SD card (FAT): printable
// ASCII without / \ : * ? " < > |, without leading or trailing spaces and
// dots, at most 60 characters; "Device" when nothing is left.
std::string FlipperFileName(const std::string& device);

// The file of one remote. A code the Flipper cannot send (malformed, without
// carrier, a carrier outside 10 to 56 kHz, more than 1024 durations) is left
// out and told to `leftOut`.
void WriteFlipperRemote(const Remote& remote, std::ostream& out,
                        const std::function<void(const std::string&)>& leftOut);

// The export's writer: the folder `folder` with a file DEVICE.ir per device
// that sends IR codes (a name taken by another device gets "_2", ...).
bool ExportIRCodesFlipper(const ExportSource& source, const ExportOptions& options,
                          const std::string& folder, ExportOutput& output);

} // namespace vantor
