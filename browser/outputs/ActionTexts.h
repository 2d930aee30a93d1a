// The one-line texts of actions and timer events, as pieces so that names
// taken from the file can go in the remote's font.
#pragma once

#include "outputs/TextDocument.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kelpie {
class Action;
}

namespace vantor {

struct ActionTextPiece {
    std::string Text;
    bool IsName = false; // a device, button or panel name from the file
    std::optional<RecordRef> Target; // the record a name refers to
};

// The line of an action other than a linked code or timer action, for
// example "[K] ", "TV" (a name), " - Vol+". A target the action names but the
// graph does not hold (a jump the loader rejected, a removed device) is shown
// as "(missing device at 0000ABCD)" with the raw position the action stores.
std::vector<ActionTextPiece> ActionLine(const kelpie::Action& action);

// A delay in milliseconds as seconds: 1500 gives "1.5", 2000 "2", 1 "0.001".
std::string DelaySeconds(std::int32_t milliseconds);
// The hard key of a key alias: "Left" ... "Mute", else "Unknown " and the value.
std::string KeyWord(std::int32_t key);
// The days set in `days` ("Mon " ... "Weekly "), then "at H:MM".
std::string TimerDaysAndTime(std::uint8_t days, std::int16_t minutes);
// A raw position as eight upper-case hexadecimal digits.
std::string Hex8(std::int32_t value);

} // namespace vantor
