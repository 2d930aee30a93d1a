#include "exports/LircExport.h"

#include "exports/ExportOutput.h"
#include "exports/IRRemotes.h"
#include "outputs/Windows1252.h"

#include <cctype>
#include <cmath>
#include <iomanip>
#include <map>
#include <set>

namespace vantor {

namespace {

constexpr int PerLine = 8; // durations per line, as irrecord writes them

// A comment's text on one line.
std::string OneLine(std::string text) {
    for (char& c : text)
        if (c == '\n' || c == '\r') c = ' ';
    return text;
}

long CommonCarrier(const Remote& remote) {
    std::map<long, int> counts;
    for (const RemoteButton& button : remote.Buttons)
        if (!button.Decoded->Malformed && button.Decoded->Signal.Modulated)
            ++counts[std::lround(button.Decoded->Signal.Frequency)];
    long carrier = 0;
    int most = 0;
    for (const auto& [hertz, count] : counts)
        if (count > most) carrier = hertz, most = count;
    return carrier;
}

// The code's name and what the decoder makes of it; an unknown code's carrier
// too, which its decode does not name.
std::string CodeComment(const RemoteButton& button) {
    const kelpie::ir::Decoded& decoded = *button.Decoded;
    std::string text = "# " + Utf8FromWindows1252(button.Code->Name()) + " (position " +
                       std::to_string(button.Code->Position()) + "): " + decoded.Describe();
    if (!decoded.Known() && !decoded.Malformed && decoded.Signal.Modulated)
        text += ", carrier " + std::to_string(std::lround(decoded.Signal.Frequency)) + " Hz";
    return OneLine(text);
}

void WriteRemote(const Remote& remote, const std::string& name, std::ostream& out,
                 const std::function<void(const std::string&)>& leftOut) {
    std::vector<std::vector<long>> durations(remote.Buttons.size());
    long gap = 0;
    for (std::size_t i = 0; i < remote.Buttons.size(); ++i) {
        const kelpie::ir::Decoded& decoded = *remote.Buttons[i].Decoded;
        if (decoded.Malformed) continue;
        long closingGap = 0;
        durations[i] = PressDurations(decoded.Signal, closingGap);
        gap = std::max(gap, closingGap);
    }
    out << "\n# " << OneLine(Utf8FromWindows1252(remote.Device)) << "\nbegin remote\n"
        << "  name  " << name << "\n  flags RAW_CODES\n  eps   30\n  aeps  100\n";
    if (const long carrier = CommonCarrier(remote)) out << "  frequency " << carrier << "\n";
    out << "  gap   " << gap << "\n  begin raw_codes\n";
    for (std::size_t i = 0; i < remote.Buttons.size(); ++i) {
        const RemoteButton& button = remote.Buttons[i];
        out << CodeComment(button) << "\n";
        if (button.Decoded->Malformed) {
            leftOut("remote " + name + ": left out button " + button.Name + ": " +
                    ReasonWords(*button.Decoded));
            continue;
        }
        out << "    name " << button.Name;
        for (std::size_t d = 0; d < durations[i].size(); ++d)
            out << (d % PerLine ? " " : "\n     ") << std::setw(7) << durations[i][d];
        out << "\n";
    }
    out << "  end raw_codes\nend remote\n";
}

} // namespace

std::string LircName(const std::string& name) {
    std::string word = PrintableAscii(name);
    for (char& c : word)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '.' && c != '+' && c != '-')
            c = '_';
    return SaysSomething(word) ? word : std::string();
}

void WriteLircdConf(const kelpie::CCF& ccf, const std::string& loadError, std::ostream& out,
                    const std::function<void(const std::string&)>& leftOut) {
    out << "# IR codes for LIRC: one remote per device of the configuration, each code\n"
           "# as one press in microseconds, with its decode in the comment above it.\n";
    if (!loadError.empty())
        out << "# The file's load ended with an error; only what was loaded is here: "
            << OneLine(loadError) << "\n";
    IRDecodes decodes;
    std::set<std::string> taken;
    for (const Remote& remote : RemotesOf(ccf, decodes, LircName)) {
        std::string name = LircName(remote.Device);
        if (name.empty()) name = "Device";
        name = UniqueName(name, [&](const std::string& n) { return taken.contains(n); });
        taken.insert(name);
        WriteRemote(remote, name, out, leftOut);
    }
}

bool ExportIRCodesLirc(const ExportSource& source, const ExportOptions&, const std::string& path,
                       ExportOutput& output) {
    return output.WriteStream("the LIRC export", path, [&](std::ostream& out) {
        WriteLircdConf(source.File, source.LoadError, out, [&](const std::string& what) {
            output.Log().Notice("lircd.conf: " + what);
        });
    });
}

} // namespace vantor
