// IR codes and icons: shared records, written once for every use the walk
// reaches (an IR code per action that sends it, an icon per object that
// shows it). Neither registers itself: the file registers its IR codes and
// icons once each from the library's shared collections.
#include "model/CCFlocal.h"
#include "model/basCCF.h"
#include "reports/IRCodeWords.h"
#include "reports/OutputRules.h"

#include <string_view>

namespace vantor {

namespace {

std::string IconTypeWord(const kelpie::Icon& icon) {
    switch (icon.IconType()) {
    case kelpie::ict2Color:
        return "2 Color";
    case kelpie::ict4Color:
        return "4 Color";
    case kelpie::ict4ColorCompressed:
        return "4 Color (Compressed)";
    case kelpie::ict8Color:
        return "8 color";
    default:
        return RtfWriter::HexWord(icon.RawIconType());
    }
}

// How an icon is outlined on the panel picture, from the word its caller
// titles it with: a frame's icon ("Frame"), a button's state icons (their
// state names), or nothing (an icon drawn alone, titled "").
DrawKind IconDrawKind(const std::string& type) {
    if (type == "Frame") return DrawKind::Frame;
    for (std::string_view state : {"Button", "Inactive Unselected", "Inactive Selected",
                                   "Active Unselected", "Active Selected"})
        if (type == state) return DrawKind::Button;
    return DrawKind::None;
}

} // namespace

void CCFlocal::DoIRCode(kelpie::IRCode& code, const std::string& parentNode, bool expand) {
    const std::int32_t mode = browser_.OutputMode;
    if (mode == omTree) {
        AddToTreeView(parentNode, "C", code.Name(), code.Position());
        return;
    }
    if (mode == omListView) {
        browser_.ListControl.AddRow({"[C]", "IRCode", {}, MakeTag(Key(), "C", code.Position())});
        return;
    }
    if (!WritesLine(mode, browser_.ReportKind, {rkFull, rkIRCodes})) return;

    RtfWriter& out = browser_.Writer;
    out.WriteText("[C] ");
    out.WriteProntoText(code.Name());
    out.WriteLn();
    if (!expand) return;

    // Sizes from the data itself: the 16-bit size properties fail for codes
    // built in memory beyond their range, and a report must not end there.
    const std::vector<std::uint8_t>& data = code.IRCodeData();
    const std::int64_t dataSize = static_cast<std::int64_t>(data.size());
    out.IndentIn();
    out.WriteLn("Position: " + RtfWriter::FormatPosition(code.Position()));
    out.WriteLn("Type: " + IRCodeTypeName(code.IRCodeType()));
    out.WriteLn("Structure Size: " +
                std::to_string(dataSize + kelpie::basStructures::IRCodeHeadSize));
    out.WriteLn("IR Code Size: " + std::to_string(dataSize));
    // The data as big-endian words, ten to a line; an odd last byte is not
    // shown.
    const std::vector<std::string> words = IRCodeDataWords(data);
    std::string line;
    for (std::size_t i = 0; i < words.size(); ++i) {
        line.append(words[i]).append(" ");
        if ((i + 1) % 10 == 0 || i + 1 == words.size()) {
            out.WriteLn(line);
            line.clear();
        }
    }
    out.IndentOut();
}

void CCFlocal::DoIcon(kelpie::Icon& icon, const std::string& type, bool printIcon,
                      const std::string& parentNode, bool expand, std::int32_t x, std::int32_t y) {
    const std::int32_t mode = browser_.OutputMode;
    if (mode == omTree) {
        AddToTreeView(parentNode, "I", type, icon.Position());
        return;
    }
    if (mode == omListView) {
        browser_.ListControl.AddRow(
            {type + " Icon", "Icon", {}, MakeTag(Key(), "I", icon.Position())});
        return;
    }
    if (mode == omDrawPanel) {
        browser_.Canvas.DrawIcon(icon, x, y, IconDrawKind(type));
        return;
    }
    if (!WritesLine(mode, browser_.ReportKind, {rkFull, rkIcons})) return;

    RtfWriter& out = browser_.Writer;
    if (mode == omReportFile) out.WriteLn("--------------------");
    if (!type.empty()) out.WriteText(type + " ");
    out.WriteLn("Icon");
    if (!expand) return;

    // Sizes in 64 bits: a record's size word minus its head can leave the
    // 16-bit range, and 32767 x 32767 pixels does not fit 32 bits either.
    const std::int64_t width = icon.Width(), height = icon.Height();
    out.IndentIn();
    out.WriteLn("Position: " + RtfWriter::FormatPosition(icon.Position()));
    out.WriteLn("Structure Size: " + std::to_string(icon.Size()));
    out.WriteLn("Icon Size: " + std::to_string(static_cast<std::int64_t>(icon.Size()) -
                                               kelpie::basStructures::IconHeadSize));
    out.WriteLn("Width, Height: (" + std::to_string(width) + ", " + std::to_string(height) + ") [" +
                std::to_string(width * height) + " pixels]");
    out.WriteLn("Type: " + IconTypeWord(icon));
    out.WriteLn("Reference Count: " + std::to_string(icon.ReferenceCount()));
    out.IndentOut();
    if (mode == omReportFile && printIcon) out.WriteIconPicture(icon);
}

} // namespace vantor
