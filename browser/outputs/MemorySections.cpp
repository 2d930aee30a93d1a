#include "outputs/MemorySections.h"


#include <string>

namespace vantor {

void WriteStructurePositions(TextDocument& writer, const kelpie::CCFfile& file) {
    writer.WriteHeading(HeadingLevel::Section, "Structure Positions: ");
    writer.IndentIn();
    constexpr int PerLine = 5;
    kelpie::CCFtypes type = kelpie::mtypNotStructure, previous = kelpie::mtypNotStructure;
    int column = 0;
    for (std::int32_t p = file.NextObject(-1, type); p != -1; p = file.NextObject(p, type)) {
        if (type != previous) {
            writer.WriteLn();
            column = 0;
        }
        writer.WriteText(RtfWriter::FormatPosition(p) + ":" + kelpie::CCFfile::ObjectName(type) +
                         " ");
        column = (column + 1) % PerLine;
        if (column == 0) writer.WriteLn();
        previous = type;
    }
    writer.WriteLn();
    writer.IndentOut();
}

void WriteUnaccountedMemory(TextDocument& writer, const kelpie::CCFfile& file) {
    constexpr int PerLine = 20;
    bool first = true;
    std::int32_t length = 0;
    for (std::int32_t p = file.NextUnaccessedMemory(-1, length); p != -1;) {
        if (first) {
            writer.WriteLn();
            writer.WriteLn("Unaccounted memory locations:");
            writer.BeginBlock(LineBlock::Dump);
            first = false;
        }
        const std::int32_t end = p + length - 1;
        writer.WriteLn(RtfWriter::FormatPosition(p) + " to " + RtfWriter::FormatPosition(end) +
                       "(" + std::to_string(length) + "): ");
        int column = 0;
        for (std::int32_t offset = p; offset <= end; ++offset) {
            writer.WriteText(RtfWriter::HexByte(file.PeekByte(offset)) + " ");
            column = (column + 1) % PerLine;
            if (column == 0) writer.WriteLn();
        }
        writer.WriteLn();
        // The run stays unmarked, so the next search starts after its end.
        p = file.NextUnaccessedMemory(end, length);
    }
    if (!first) writer.EndBlock();
    writer.WriteLn();
}

} // namespace vantor
