// A document the text outputs write into, line by line: the RTF writer of
// the display pane and the report files, and any other document format of
// the same lines. Text is Windows-1252, as the file's own names are; program
// text is converted before it is written (RtfWriter::ToWindows1252).
//
// Besides the lines, a document hears what they stand for: where a record's
// part begins, which names refer to records, which lines are problems of a
// record, and which lines form a block of properties or a byte dump. A
// document that can link (a web page) makes anchors, links and tables of
// them; the others ignore these hooks, so their bytes do not depend on them.
#pragma once

#include <cstdint>
#include <string>

class QImage;

namespace kelpie {
class Icon;
}

namespace vantor {

// What a heading stands over: the file or the report's title, a section of
// the report (a device group, the structure positions), a device, a panel, a
// frame or button.
enum class HeadingLevel { Title, Section, Device, Panel, Child };

// A record a line can stand for or refer to. Records are told apart by their
// position in the file; a group by its DeviceGroup number, the file by 0.
enum class RecordKind : std::uint8_t { File, Group, Device, Panel, Frame, Button, IRCode, Icon };
struct RecordRef {
    RecordKind Kind = RecordKind::File;
    std::int32_t Position = 0;
};

// Runs of lines that belong together: a record's "label: value" properties,
// and a dump of bytes in hexadecimal.
enum class LineBlock { Properties, Dump };

class TextDocument {
public:
    virtual ~TextDocument() = default;

    virtual void WriteText(const std::string& text) = 0;
    // A name from the file, in the remote's font.
    virtual void WriteProntoText(const std::string& text) = 0;
    // Ends the line (after `text`).
    virtual void WriteLn(const std::string& text = {}) = 0;
    // A heading line: `words`, then `name` (from the file) when given.
    virtual void WriteHeading(HeadingLevel heading, const std::string& words,
                              const std::string* name = nullptr) = 0;

    virtual void IndentIn() noexcept = 0;
    virtual void IndentOut() noexcept = 0;

    // A picture on a line of its own (a panel as the remote shows it).
    virtual void EmbedPicture(const QImage& image) = 0;
    // The icon's picture, or for an icon of unknown type the line "Unknown
    // bitmap format" and a hex dump of its data.
    virtual void WriteIconPicture(const kelpie::Icon& icon) = 0;

    // The next line (a heading, or the title line of an IR code or icon)
    // introduces `record`. Groups, devices and panels reach up to the next
    // record of their kind or of an enclosing kind, or to EndRecords().
    virtual void BeginRecord(RecordRef /*record*/) {}
    // The lines that follow belong to the file as a whole.
    virtual void EndRecords() {}
    // Text (a name from the file when `name`) that refers to `target`.
    virtual void WriteLink(const std::string& text, bool name, RecordRef /*target*/) {
        name ? WriteProntoText(text) : WriteText(text);
    }
    // A whole "****" line about a problem of `concerns`.
    virtual void WriteCheck(const std::string& line, RecordRef /*concerns*/) { WriteLn(line); }
    // The lines up to EndBlock() form a block of that kind.
    virtual void BeginBlock(LineBlock /*block*/) {}
    virtual void EndBlock() {}
};

} // namespace vantor
