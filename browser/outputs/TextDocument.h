// A document the text outputs write into, line by line: the RTF writer of
// the display pane and the report files, and any other document format of
// the same lines. Text is Windows-1252, as the file's own names are; program
// text is converted before it is written (RtfWriter::ToWindows1252).
#pragma once

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
};

} // namespace vantor
