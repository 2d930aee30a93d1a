// ir-survey FILE: what the IR decoder makes of a configuration file's codes,
// to judge it on real data. Over the distinct codes (equal data count once)
// it prints how many each protocol claims, by code form; for every device of
// the file, the protocol and numbers most of its decoded codes share, and
// its unknown codes grouped by their reason (numbers left out) with an
// example each; and what the digit buttons "0" to "9" send.
#include "exports/IRCodeUses.h"

#include <kelpie/Error.h>
#include <kelpie/ir/Decode.h>
#include <kelpie/model/CCFs.h>

#include <cctype>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace kelpie;
using Data = std::vector<std::uint8_t>;

std::string Form(const Data& data) {
    char text[8] = "?";
    if (data.size() >= 2) std::snprintf(text, sizeof text, "%02X%02X", data[0], data[1]);
    return text;
}

std::string ProtocolOf(const ir::Decoded& decoded) {
    if (decoded.Malformed) return "malformed";
    return decoded.Known() ? ir::InfoOf(decoded.Command->Protocol).Name : "unknown";
}

// "NEC1 device 4" or "NECx device 210.109": what codes of one remote share.
std::string Address(const ir::Decoded& decoded) {
    std::string text = ProtocolOf(decoded) + " device " + std::to_string(decoded.Command->Device);
    if (decoded.Command->Subdevice) text += "." + std::to_string(*decoded.Command->Subdevice);
    return text;
}

// The reason with its numbers left out, so that alike reasons group.
std::string Kind(const std::string& reason) {
    std::string kind;
    for (const char c : reason)
        if (!std::isdigit(static_cast<unsigned char>(c)) && c != '.')
            kind += c;
        else if (kind.empty() || kind.back() != '#')
            kind += '#';
    return kind;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: ir-survey FILE\n");
        return 2;
    }
    CCFs files;
    files.SetNoticeHandler([](const std::string&) {});
    const CCF* ccf = nullptr;
    try {
        ccf = &files.Add(argv[1]);
    } catch (const Error& error) {
        std::fprintf(stderr, "%s: %s\n", argv[1], error.what());
        return 1;
    }
    std::map<Data, ir::Decoded> decoded;
    std::map<std::string, std::set<const Data*>> byDevice;
    std::map<std::string, std::map<int, const Data*>> digits;
    vantor::ForEachIRCodeUse(*ccf, [&](const vantor::IRCodeUse& use) {
        const Data& data = use.Code->IRCodeData();
        auto found = decoded.find(data);
        if (found == decoded.end()) found = decoded.emplace(data, ir::Decode(data)).first;
        const std::string device = use.Device.empty() ? "(" + use.Group + ")" : use.Device;
        byDevice[device].insert(&found->first);
        if (use.Button.size() == 1 && std::isdigit(static_cast<unsigned char>(use.Button[0])))
            digits[device][use.Button[0] - '0'] = &found->first;
    });

    std::map<std::string, std::map<std::string, int>> claims; // protocol, form
    for (const auto& [data, result] : decoded)
        ++claims[ProtocolOf(result)][Form(data)];
    std::printf("%zu distinct codes\n\n%-12s %6s  by form\n", decoded.size(), "protocol", "codes");
    for (const auto& [protocol, forms] : claims) {
        int total = 0;
        std::string split;
        for (const auto& [form, count] : forms) {
            total += count;
            split += " " + form + ": " + std::to_string(count);
        }
        std::printf("%-12s %6d %s\n", protocol.c_str(), total, split.c_str());
    }

    std::printf("\n%-16s %6s %8s  most share\n", "device", "codes", "decoded");
    for (const auto& [device, codes] : byDevice) {
        std::map<std::string, int> addresses;
        int known = 0;
        for (const Data* data : codes)
            if (const ir::Decoded& result = decoded.at(*data); result.Known()) {
                ++known;
                ++addresses[Address(result)];
            }
        std::string most = "-";
        int share = 0;
        for (const auto& [address, count] : addresses)
            if (count > share) {
                share = count;
                most = address;
            }
        std::printf("%-16s %6zu %8d  %s (%d of %d)\n", device.c_str(), codes.size(), known,
                    most.c_str(), share, known);
    }

    std::printf("\nunknown codes by device and reason: how many, and an example\n");
    for (const auto& [device, codes] : byDevice) {
        std::map<std::string, std::pair<int, std::string>> groups; // kind: count, example
        for (const Data* data : codes)
            if (const ir::Decoded& result = decoded.at(*data); !result.Known()) {
                auto& group = groups[Kind(result.Reason)];
                if (group.first++ == 0) group.second = result.Reason;
            }
        for (const auto& [kind, group] : groups)
            std::printf("%-16s %4d  %s\n", device.c_str(), group.first, group.second.c_str());
    }
    std::printf("\ndigit buttons: digit=function, and the protocols and devices they use\n");
    for (const auto& [device, keys] : digits) {
        std::string line;
        std::set<std::string> addresses;
        for (const auto& [digit, data] : keys) {
            const ir::Decoded& result = decoded.at(*data);
            line += " " + std::to_string(digit) + "=" +
                    (result.Known() ? std::to_string(result.Command->Function) : "?");
            addresses.insert(result.Known() ? Address(result) : "unknown");
        }
        std::string used;
        for (const auto& address : addresses)
            used += (used.empty() ? "" : "; ") + address;
        std::printf("%-16s%s  (%s)\n", device.c_str(), line.c_str(), used.c_str());
    }
    return 0;
}
