#include "ir/PredefinedCodes.h"

#include <cstdio>

namespace kelpie::ir {

namespace {

std::string Hex(std::uint16_t word) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%04X", static_cast<unsigned>(word));
    return text;
}

// The numbers after the header, or an error when there are fewer than needed
// or one is out of its range.
struct Numbers {
    std::span<const std::uint16_t> Words;
    std::string Error;

    bool Need(std::size_t count, const char* form) {
        if (Words.size() >= 4 + count) return true;
        Error = std::string("an ") + form + " code needs " + std::to_string(count) +
                " numbers after its header";
        return false;
    }
    bool Within(std::size_t index, const char* name, unsigned maximum) {
        if (Words[4 + index] <= maximum) return true;
        Error = std::string("the ") + name + " " + std::to_string(Words[4 + index]) +
                " is outside 0 to " + std::to_string(maximum);
        return false;
    }
    std::uint32_t operator[](std::size_t index) const { return Words[4 + index]; }
};

} // namespace

bool IsPredefinedForm(std::uint16_t form) {
    return form == 0x5000 || form == 0x5001 || form == 0x6000 || form == 0x6001;
}

PredefinedCode PredefinedCommand(std::span<const std::uint16_t> words) {
    Numbers numbers{words, {}};
    Command command;
    switch (words[0]) {
    case 0x5000:
        if (!numbers.Need(2, "RC5") || !numbers.Within(0, "system", 31) ||
            !numbers.Within(1, "command", 127))
            break;
        command = {.Protocol = Protocol::RC5, .Device = numbers[0], .Function = numbers[1]};
        return {command, {}};
    case 0x5001:
        if (!numbers.Need(3, "RC5x") || !numbers.Within(0, "system", 31) ||
            !numbers.Within(1, "command", 127) || !numbers.Within(2, "data", 63))
            break;
        command = {.Protocol = Protocol::RC5x,
                   .Device = numbers[0],
                   .Subdevice = numbers[1],
                   .Function = numbers[2]};
        return {command, {}};
    case 0x6000:
        if (!numbers.Need(2, "RC6") || !numbers.Within(0, "system", 255) ||
            !numbers.Within(1, "command", 255))
            break;
        command = {.Protocol = Protocol::RC6, .Device = numbers[0], .Function = numbers[1]};
        return {command, {}};
    case 0x6001: {
        if (!numbers.Need(3, "RC6 mode 6A") || !numbers.Within(1, "system", 255) ||
            !numbers.Within(2, "command", 255))
            break;
        const std::uint32_t customer = numbers[0];
        if (customer < 0x8000) {
            if (!numbers.Within(0, "customer code", 255)) break;
            command = {.Protocol = Protocol::RC6_6_24,
                       .Device = customer,
                       .Subdevice = numbers[1],
                       .Function = numbers[2]};
            return {command, {}};
        }
        // 32 bits: the customer code is the OEM bytes, the system byte holds
        // the toggle and the device. Only the Media Center OEM byte (0x80)
        // has a known meaning.
        if (customer >> 8 != 0x80) {
            numbers.Error = "the 32-bit customer code " +
                            Hex(static_cast<std::uint16_t>(customer)) +
                            " is not of the Media Center form 0x80xx";
            break;
        }
        command = {.Protocol = Protocol::RC6_6_32,
                   .Device = numbers[1] & 0x7F,
                   .Subdevice = customer & 0xFF,
                   .Function = numbers[2],
                   .Toggle = numbers[1] >> 7};
        return {command, {}};
    }
    default:
        numbers.Error = "the form " + Hex(words[0]) + " is not a predefined one";
        break;
    }
    return {std::nullopt, numbers.Error};
}

} // namespace kelpie::ir
