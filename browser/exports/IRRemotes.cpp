#include "exports/IRRemotes.h"

#include "exports/IRCodeUses.h"

#include <cctype>
#include <cmath>
#include <map>
#include <set>

namespace vantor {

namespace {

// Windows-1252 0xC0 to 0xFF without accents; two letters where one letter
// stands for two.
constexpr const char* LatinLetters[64] = {
    "A", "A", "A", "A", "A", "A", "AE", "C", "E", "E", "E", "E", "I", "I", "I",  "I",
    "D", "N", "O", "O", "O", "O", "O",  "x", "O", "U", "U", "U", "U", "Y", "Th", "ss",
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",
    "d", "n", "o", "o", "o", "o", "o",  "-", "o", "u", "u", "u", "u", "y", "th", "y"};

const char* AsciiOf(unsigned char c) {
    switch (c) {
    case 0x8A:
        return "S";
    case 0x8C:
        return "OE";
    case 0x8E:
        return "Z";
    case 0x9A:
        return "s";
    case 0x9C:
        return "oe";
    case 0x9E:
        return "z";
    case 0x9F:
        return "Y";
    case 0x91:
    case 0x92:
        return "'";
    case 0x93:
    case 0x94:
        return "\"";
    case 0x96:
    case 0x97:
        return "-";
    case 0xA0:
        return " ";
    default:
        return c >= 0xC0 ? LatinLetters[c - 0xC0] : nullptr;
    }
}

class RemoteBuilder {
public:
    RemoteBuilder(IRDecodes& decodes, const NameRule& rule) : decodes_(decodes), rule_(rule) {}

    void Add(const IRCodeUse& use) {
        const auto [slot, added] = index_.emplace(use.Owner, remotes_.size());
        if (added) {
            remotes_.emplace_back();
            remotes_.back().Device = use.Owner ? use.Device : "Macro Recording";
            names_.emplace_back();
            signals_.emplace_back();
        }
        const std::size_t at = slot->second;
        if (!signals_[at].insert(use.Code->IRCodeData()).second) return;
        std::string name = rule_(use.Button);
        if (!SaysSomething(name)) name = rule_(use.Code->Name());
        if (!SaysSomething(name)) name = "Code_" + std::to_string(use.Code->Position());
        auto& taken = names_[at];
        name = UniqueName(name, [&](const std::string& n) { return taken.contains(n); });
        taken.insert(name);
        remotes_[at].Buttons.push_back({name, use.Code, &decodes_.Of(*use.Code)});
    }

    std::vector<Remote> Take() { return std::move(remotes_); }

private:
    IRDecodes& decodes_;
    const NameRule& rule_;
    std::vector<Remote> remotes_;
    std::map<const kelpie::Device*, std::size_t> index_;
    std::vector<std::set<std::string>> names_;
    std::vector<std::set<std::vector<std::uint8_t>>> signals_;
};

} // namespace

std::vector<Remote> RemotesOf(const kelpie::CCF& ccf, IRDecodes& decodes, const NameRule& rule) {
    RemoteBuilder builder(decodes, rule);
    ForEachIRCodeUse(ccf, [&](const IRCodeUse& use) { builder.Add(use); });
    return builder.Take();
}

std::string PrintableAscii(const std::string& text, char other) {
    std::string ascii;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F)
            ascii += c;
        else if (const char* plain = AsciiOf(byte))
            ascii += plain;
        else
            ascii += other;
    }
    return ascii;
}

bool SaysSomething(const std::string& name) {
    for (const char c : name)
        if (std::isalnum(static_cast<unsigned char>(c))) return true;
    return false;
}

std::string UniqueName(const std::string& name,
                       const std::function<bool(const std::string&)>& taken) {
    std::string unique = name;
    for (int n = 2; taken(unique); ++n)
        unique = name + "_" + std::to_string(n);
    return unique;
}

std::vector<long> PressDurations(const kelpie::ir::Signal& signal, long& closingGap) {
    std::vector<long> durations;
    for (const std::vector<double>* sequence : {&signal.Once, &signal.Repeat})
        for (const double micros : *sequence)
            durations.push_back(std::max(1L, std::lround(micros)));
    closingGap = 0;
    if (durations.size() % 2 == 0 && !durations.empty()) {
        closingGap = durations.back();
        durations.pop_back();
    }
    return durations;
}

} // namespace vantor
