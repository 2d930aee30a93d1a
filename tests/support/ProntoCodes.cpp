#include "support/ProntoCodes.h"

namespace kelpie::builder {

std::vector<std::uint16_t> Rc5Code(std::uint16_t system, std::uint16_t command) {
    return {0x5000, 0x0073, 0x0000, 0x0001, system, command};
}

std::vector<std::uint16_t> NecCode(std::uint8_t address, std::uint8_t command) {
    // Durations in carrier periods of 38 kHz (about 26.3 us): leader 9 ms on
    // and 4.5 ms off, bursts 560 us, a 1 waits 1690 us, a 0 560 us.
    constexpr std::uint16_t burst = 0x0015, one = 0x0040, zero = 0x0015;
    std::vector<std::uint16_t> words{0x0000, 0x006D, 0x0022, 0x0002, 0x0156, 0x00AB};
    const std::uint8_t bytes[] = {address, static_cast<std::uint8_t>(~address), command,
                                  static_cast<std::uint8_t>(~command)};
    for (const auto byte : bytes)
        for (int bit = 0; bit < 8; ++bit) {
            words.push_back(burst);
            words.push_back(((byte >> bit) & 1) ? one : zero);
        }
    words.insert(words.end(), {burst, 0x05ED, 0x0156, 0x0055, burst, 0x0E47});
    return words;
}

} // namespace kelpie::builder
