// The writer behind every report and the display pane: Rich Text Format,
// produced line by line.
//
// A document is one header line (font table: 0 Arial for the body, 1 Courier
// New, 2 the remote's "Pronto" font for names from the file), then one
// "\par " line per logical line, then "\par }". Lines end in CR LF; text is
// written as 8-bit Windows-1252 bytes with "{", "}" and "\" escaped and no
// other escapes. While no report file is open, the lines collect in
// DisplayText for the display pane.
#pragma once

#include "outputs/IconCache.h"
#include "outputs/ReportDocument.h"

#include <kelpie/file/CCFEnums.h>

#include <cstdint>
#include <string>

class QImage;

namespace kelpie {
class Icon;
}

namespace vantor {

class UserInterface;

class RtfWriter final : public ReportDocument {
public:
    explicit RtfWriter(UserInterface& ui);

    // Declare font 2 as an ordinary text font (\fcharset0) instead of a symbol
    // font, so readers without the remote's font still show names as text.
    void SetPlainNameFont(bool plain) noexcept { plainNameFont_ = plain; }

    // The header line: the font table and the body size control ("\fs20 " in
    // files, "\fs16 " on screen), without the line end.
    std::string HeaderLine(const char* sizeControl) const;

    void WriteText(const std::string& text) override;
    void WriteRTF(const std::string& rtf);
    void WriteProntoText(const std::string& text) override;
    void WriteLn(const std::string& text = {}) override;
    // A group in a larger size: 20 point for the title, the sections and
    // the devices, 16 for panels, 12 for frames and buttons.
    void WriteHeading(HeadingLevel heading, const std::string& words,
                      const std::string* name = nullptr) override;

    void IndentIn() noexcept override { ++indentLevel_; }
    void IndentOut() noexcept override { --indentLevel_; }
    void ResetIndent() noexcept override { indentLevel_ = 0; }
    std::int32_t IndentLevel() const noexcept { return indentLevel_; }
    // No spaces at level 0, otherwise 2 x level + 2.
    std::string IndentString() const;

    // Display mode: the body collected so far, and the whole document.
    void ClearDisplayText() { displayText_.clear(); }
    const std::string& DisplayText() const noexcept { return displayText_; }
    std::string DisplayDocument() const;

    // A picture on a line of its own: a PNG picture group with its size in
    // pixels and in twips (15 a pixel).
    void EmbedPicture(const QImage& image) override;
    // The icon's picture; an icon that cannot be decoded is left out.
    void EmbedIconPicture(const kelpie::Icon& icon);
    // The picture, or for an icon of unknown type the line "Unknown bitmap
    // format" and a hex dump of its data.
    void WriteIconPicture(const kelpie::Icon& icon) override;

    static std::string EscapeRTF(const std::string& text);
    static void AppendEscaped(std::string& to, const std::string& text);
    // A picture group: PNG bytes in hexadecimal with the size in pixels and
    // in twips (15 a pixel); "" when the image cannot be encoded.
    static std::string PictureGroup(const QImage& image);
    static std::string HexByte(std::uint8_t value);
    static std::string HexWord(std::int16_t value);
    // Decimal with at least six digits after the sign: 123 gives 000123, -1
    // gives -000001.
    static std::string FormatPosition(std::int32_t value);
    // `part` of `whole` in percent with one decimal and a "%" sign; a value
    // half-way rounds away from zero ("6.3%" for 74 of 1,184).
    static std::string FormatPercent(std::int64_t part, std::int64_t whole);
    // Grey formats: "Black", "Dark Grey", "Light Grey", "White" (else "");
    // the colour format: the palette index in decimal.
    static std::string ColorName(std::int32_t color, kelpie::CCFFileFormats format);
    // "<none>", "Pronto 8" to "Pronto 18", or "Pronto xx"; `size` gets the
    // point size (0 for none and unknown fonts).
    static std::string FontName(std::int32_t font, std::int32_t& size);
    // Text of this program (such as a file name, in UTF-8) as Windows-1252;
    // characters that code page lacks become "?".
    static std::string ToWindows1252(const std::string& utf8);

private:
    // The header line (font table, body size), and the closing "\par }".
    std::string Beginning() override;
    std::string End() override;
    void StartLine();

    bool plainNameFont_ = false;
    std::int32_t indentLevel_ = 0;
    std::string currentLine_;
    std::string displayText_;
    IconCache<std::string> iconGroups_; // each icon's picture group
};

} // namespace vantor
