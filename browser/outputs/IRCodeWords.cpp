#include "outputs/IRCodeWords.h"

#include "outputs/RtfWriter.h"

namespace vantor {

std::string IRCodeTypeName(std::int16_t type) {
    switch (static_cast<std::uint16_t>(type)) {
    case 0x0000:
        return "pulse-width coding";
    case 0x0100:
        return "pulse-position coding";
    case 0x5000:
        return "RC5";
    case 0x5001:
        return "RC5X";
    case 0x6000:
        return "RC6";
    case 0x6001:
        return "RC6A";
    default:
        return RtfWriter::HexWord(type);
    }
}

std::vector<std::string> IRCodeDataWords(const std::vector<std::uint8_t>& data) {
    std::vector<std::string> words;
    words.reserve(data.size() / 2);
    for (std::size_t i = 0; i + 1 < data.size(); i += 2)
        words.push_back(RtfWriter::HexByte(data[i]) + RtfWriter::HexByte(data[i + 1]));
    return words;
}

} // namespace vantor
