// Fuzz target: load any bytes as a CCF file, then read everything a caller
// can reach (the graph, every icon's pixels, every IR code's decode, the
// structure map queries).
// Loading may end with a kelpie::Error; anything else is a finding.
#include <kelpie/Error.h>
#include <kelpie/icons/Icon.h>
#include <kelpie/ir/Decode.h>
#include <kelpie/model/CCFs.h>
#include <kelpie/model/IRCodes.h>
#include <kelpie/model/Icons.h>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

void ReadStructureMap(kelpie::CCFfile& file) {
    kelpie::CCFtypes type = kelpie::mtypNotStructure;
    for (std::int32_t pos = -1; (pos = file.NextObject(pos, type)) >= 0;) {
    }
    std::int32_t length = 0;
    for (std::int32_t pos = -1; (pos = file.NextUnaccessedMemory(pos, length)) >= 0;
         pos += length - 1) {
    }
    for (std::int32_t kind = kelpie::mtypHeader; kind <= kelpie::mtypName; ++kind) {
        std::int32_t start = 0, next = 0;
        file.ObjectCount(kind, start, next);
    }
}

void DecodeIcons(kelpie::Icons& icons) {
    for (auto& icon : icons) {
        try {
            icon.Unpack();
            icon.Picture();
        } catch (const kelpie::Error&) {
        }
    }
}

// Decoding never throws: malformed data come back as such.
void DecodeIRCodes(kelpie::IRCodes& codes) {
    for (auto& code : codes)
        kelpie::ir::Decode(code.IRCodeData());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kelpie::CCFs files;
    files.SetNoticeHandler([](const std::string&) {});
    kelpie::CCF* ccf = nullptr;
    try {
        ccf = &files.AddBytes("fuzz.ccf", std::vector<std::uint8_t>(data, data + size));
    } catch (const kelpie::Error&) {
        if (files.Count() == 0) return 0;
        ccf = &files.Item(1); // a partly loaded file stays browsable
    }
    ReadStructureMap(ccf->CCFfile());
    DecodeIcons(ccf->Icons());
    DecodeIRCodes(ccf->IRCodes());
    try {
        ccf->CalculateCRC();
    } catch (const kelpie::Error&) {
    }
    return 0;
}
