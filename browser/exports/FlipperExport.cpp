#include "exports/FlipperExport.h"

#include "exports/ExportOutput.h"
#include "outputs/Windows1252.h"

#include <kelpie/ir/Protocol.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <set>

namespace vantor {

namespace {

using kelpie::ir::Protocol;

constexpr std::size_t MaxTimings = 1024;
constexpr double MinCarrier = 10000, MaxCarrier = 56000;

// Printable ASCII, as a Flipper shows button names.
std::string FlipperButtonName(const std::string& name) {
    std::string ascii = PrintableAscii(name);
    const auto first = ascii.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return ascii.substr(first, ascii.find_last_not_of(' ') - first + 1);
}

std::string Lower(std::string text) {
    std::ranges::transform(text, text.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// Why the Flipper cannot send the code raw, or "".
std::string RawRefusal(const kelpie::ir::Decoded& decoded, std::size_t timings) {
    if (decoded.Malformed) return ReasonWords(decoded);
    if (!decoded.Signal.Modulated) return "a signal without carrier";
    const double carrier = decoded.Signal.Frequency;
    if (carrier < MinCarrier || carrier > MaxCarrier)
        return "a carrier of " + std::to_string(std::lround(carrier)) + " Hz";
    if (timings > MaxTimings) return std::to_string(timings) + " durations";
    return {};
}

} // namespace

std::optional<FlipperParsed> FlipperParsedOf(const kelpie::ir::Command& c) {
    const std::uint32_t subdevice = c.Subdevice.value_or(0);
    switch (c.Protocol) {
    case Protocol::NEC1:
    case Protocol::NEC2:
        // The Flipper sends NEC repeats as the short repeat frame; a device
        // that wants NEC2's whole frames takes the first frame of a press.
        return FlipperParsed{"NEC", c.Device, c.Function};
    case Protocol::NECx:
        // 16 bits each as sent: the address bytes, the function and its complement.
        return FlipperParsed{"NECext", c.Device | subdevice << 8,
                             c.Function | (~c.Function & 0xFFu) << 8};
    case Protocol::Sony12:
        return FlipperParsed{"SIRC", c.Device, c.Function};
    case Protocol::Sony15:
        return FlipperParsed{"SIRC15", c.Device, c.Function};
    case Protocol::Sony20:
        // The 13 address bits follow the command: device, then the 8 extended bits.
        return FlipperParsed{"SIRC20", c.Device | subdevice << 5, c.Function};
    case Protocol::RC5:
        // Functions from 64 have the second start bit cleared: RC5X, whose
        // command is the function's lower six bits.
        if (c.Function < 64) return FlipperParsed{"RC5", c.Device, c.Function};
        return FlipperParsed{"RC5X", c.Device, c.Function & 0x3Fu};
    case Protocol::RC6:
        return FlipperParsed{"RC6", c.Device, c.Function};
    case Protocol::Samsung32:
        // The Flipper's Samsung32 sends its address twice.
        if (subdevice != c.Device) return std::nullopt;
        return FlipperParsed{"Samsung32", c.Device, c.Function};
    default:
        return std::nullopt;
    }
}

std::string FlipperHex(std::uint32_t value) {
    char text[12];
    std::snprintf(text, sizeof text, "%02X %02X %02X %02X", value & 0xFFu, value >> 8 & 0xFFu,
                  value >> 16 & 0xFFu, value >> 24 & 0xFFu);
    return text;
}

std::string FlipperFileName(const std::string& device) {
    std::string name = PrintableAscii(device);
    for (char& c : name)
        if (std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos) c = '_';
    const auto trimmed = [](const std::string& text) {
        const auto first = text.find_first_not_of(" .");
        if (first == std::string::npos) return std::string();
        return text.substr(first, text.find_last_not_of(" .") - first + 1);
    };
    name = trimmed(trimmed(name).substr(0, 60));
    return name.empty() ? "Device" : name;
}

void WriteFlipperRemote(const Remote& remote, std::ostream& out,
                        const std::function<void(const std::string&)>& leftOut) {
    out << "Filetype: IR signals file\nVersion: 1\n";
    for (const RemoteButton& button : remote.Buttons) {
        const kelpie::ir::Decoded& decoded = *button.Decoded;
        const std::optional<FlipperParsed> parsed =
            decoded.Command ? FlipperParsedOf(*decoded.Command) : std::nullopt;
        if (parsed) {
            out << "#\nname: " << button.Name << "\ntype: parsed\nprotocol: " << parsed->Protocol
                << "\naddress: " << FlipperHex(parsed->Address)
                << "\ncommand: " << FlipperHex(parsed->Command) << "\n";
            continue;
        }
        long closingGap = 0;
        const std::vector<long> timings =
            decoded.Malformed ? std::vector<long>() : PressDurations(decoded.Signal, closingGap);
        if (const std::string refusal = RawRefusal(decoded, timings.size()); !refusal.empty()) {
            leftOut("button " + button.Name + " (IR code " +
                    Utf8FromWindows1252(button.Code->Name()) + " at " +
                    std::to_string(button.Code->Position()) + "): " + refusal);
            continue;
        }
        out << "#\nname: " << button.Name
            << "\ntype: raw\nfrequency: " << std::lround(decoded.Signal.Frequency)
            << "\nduty_cycle: 0.330000\ndata:";
        for (const long micros : timings)
            out << ' ' << micros;
        out << "\n";
    }
}

bool ExportIRCodesFlipper(const ExportSource& source, const ExportOptions&,
                          const std::string& folder, ExportOutput& output) {
    if (!output.MakeFolder(folder)) return false;
    IRDecodes decodes;
    const std::vector<Remote> remotes = RemotesOf(source.File, decodes, FlipperButtonName);
    std::set<std::string> taken; // FAT names ignore case
    bool ok = true;
    for (const Remote& remote : remotes) {
        const std::string name =
            UniqueName(FlipperFileName(remote.Device),
                       [&](const std::string& n) { return taken.contains(Lower(n)); });
        taken.insert(Lower(name));
        const std::string path = (std::filesystem::path(folder) / (name + ".ir")).string();
        ok = output.WriteStream("the Flipper Zero export", path, [&](std::ostream& out) {
            WriteFlipperRemote(remote, out, [&](const std::string& what) {
                output.Log().Notice(name + ".ir: left out " + what);
            });
        }) && ok;
    }
    return ok;
}

} // namespace vantor
