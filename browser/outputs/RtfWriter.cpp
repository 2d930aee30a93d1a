#include "outputs/RtfWriter.h"

#include "outputs/PictureEncoder.h"

#include "outputs/Windows1252.h"

#include <kelpie/Error.h>
#include <kelpie/icons/Icon.h>

#include <QByteArray>
#include <QImage>

#include <cstdio>
#include <cstdlib>

namespace vantor {

namespace {
constexpr const char* LineEnd = "\r\n";
}

RtfWriter::RtfWriter(UserInterface& ui) : ReportDocument(ui) {}

std::string RtfWriter::HeaderLine(const char* sizeControl) const {
    return std::string("{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang3081") +
           "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\fmodern\\fprq1\\fcharset0 Courier "
           "New;}" +
           (plainNameFont_ ? "{\\f2\\fswiss\\fprq2\\fcharset0 Pronto;}}"
                           : "{\\f2\\fswiss\\fprq2\\fcharset2 Pronto;}}") +
           "\\viewkind4\\uc1\\pard\\f0 " + sizeControl;
}

std::string RtfWriter::Beginning() {
    currentLine_.clear();
    return HeaderLine("\\fs20 ") + LineEnd;
}

std::string RtfWriter::End() {
    return std::string("\\par }") + LineEnd;
}

void RtfWriter::StartLine() {
    if (currentLine_.empty()) currentLine_ = IndentString();
}

void RtfWriter::WriteText(const std::string& text) {
    StartLine();
    AppendEscaped(currentLine_, text);
}

void RtfWriter::WriteRTF(const std::string& rtf) {
    StartLine();
    currentLine_ += rtf;
}

void RtfWriter::WriteProntoText(const std::string& text) {
    StartLine();
    currentLine_ += "{\\f2 " + EscapeRTF(text) + "}";
}

void RtfWriter::WriteLn(const std::string& text) {
    WriteText(text);
    if (file_.IsOpen()) {
        file_.Write("\\par ");
        file_.Write(currentLine_);
        file_.Write(LineEnd);
    } else {
        displayText_ += currentLine_ + LineEnd + "\\par ";
    }
    currentLine_.clear();
}

void RtfWriter::WriteHeading(HeadingLevel heading, const std::string& words, const std::string* name) {
    static constexpr const char* Sizes[] = {"\\fs40 ", "\\fs40 ", "\\fs40 ", "\\fs32 ", "\\fs24 "};
    WriteRTF(std::string("{") + Sizes[static_cast<int>(heading)]);
    WriteText(words);
    if (name) WriteProntoText(*name);
    WriteRTF("}");
    WriteLn();
}

std::string RtfWriter::IndentString() const {
    return indentLevel_ == 0
               ? std::string()
               : std::string(static_cast<std::size_t>(std::max(0, 2 * indentLevel_ + 2)), ' ');
}

std::string RtfWriter::DisplayDocument() const {
    return HeaderLine("\\fs16 ") + displayText_ + LineEnd + "\\par }";
}

std::string RtfWriter::PictureGroup(const QImage& image) {
    const QByteArray png = EncodePicture(image);
    if (png.isEmpty()) return {};
    const int width = image.width(), height = image.height();
    return "{\\pict\\pngblip\\picw" + std::to_string(width) + "\\pich" + std::to_string(height) +
           "\\picwgoal" + std::to_string(width * 15) + "\\pichgoal" + std::to_string(height * 15) +
           " " + png.toHex().toUpper().toStdString() + "}";
}

void RtfWriter::EmbedPicture(const QImage& image) {
    if (image.isNull()) return;
    if (file_.IsOpen() && currentLine_.empty()) {
        // A picture on a line of its own is encoded while the report goes on.
        file_.WritePicture(image, [start = "\\par " + IndentString()](const QImage& picture) {
            const std::string group = PictureGroup(picture);
            return group.empty() ? group : start + group + LineEnd;
        });
        return;
    }
    const std::string group = PictureGroup(image);
    if (group.empty()) return;
    WriteRTF(group);
    WriteLn();
}

void RtfWriter::EmbedIconPicture(const kelpie::Icon& icon) {
    // Encoded once per icon; an icon whose data cannot be decoded has no
    // picture to show.
    const std::string& group = iconGroups_.Get(icon, [](const kelpie::Icon& from) {
        try {
            return PictureGroup(DecodeIcon(from));
        } catch (const kelpie::Error&) {
            return std::string();
        }
    });
    if (group.empty()) return;
    WriteRTF(group);
    WriteLn();
}

void RtfWriter::WriteIconPicture(const kelpie::Icon& icon) {
    if (icon.IconType() != kelpie::ictUnknown) {
        EmbedIconPicture(icon);
        return;
    }
    WriteLn("Unknown bitmap format");
    if (icon.IconSize() >= 1) {
        std::string dump;
        for (const std::uint8_t byte : icon.IconData())
            dump.append(" ").append(HexByte(byte));
        WriteText(dump);
        WriteLn();
    }
}

std::string RtfWriter::EscapeRTF(const std::string& text) {
    std::string escaped;
    AppendEscaped(escaped, text);
    return escaped;
}

void RtfWriter::AppendEscaped(std::string& to, const std::string& text) {
    // Most text has nothing to escape; finding that out without branching
    // per character keeps the report's many short writes cheap.
    bool special = false;
    for (const char c : text)
        special |= (c == '{') | (c == '}') | (c == '\\');
    if (!special) {
        to += text;
        return;
    }
    to.reserve(to.size() + text.size() + 8);
    for (const char c : text) {
        if (c == '{' || c == '}' || c == '\\') to += '\\';
        to += c;
    }
}

std::string RtfWriter::HexByte(std::uint8_t value) {
    static constexpr char Digits[] = "0123456789ABCDEF";
    return {Digits[value >> 4], Digits[value & 15]};
}

std::string RtfWriter::HexWord(std::int16_t value) {
    char text[8];
    std::snprintf(text, sizeof text, "%04X",
                  static_cast<unsigned>(static_cast<std::uint16_t>(value)));
    return text;
}

std::string RtfWriter::FormatPosition(std::int32_t value) {
    // The sign comes before the six digits: -1 is -000001.
    char text[16];
    std::snprintf(text, sizeof text, "%s%06lld", value < 0 ? "-" : "",
                  std::llabs(static_cast<long long>(value)));
    return text;
}

std::string RtfWriter::FormatPercent(std::int64_t part, std::int64_t whole) {
    // In whole tenths of a percent, exactly: a value half-way between two
    // tenths rounds away from zero (74 of 1,184 is 6.25 %, shown as 6.3 %),
    // which a binary floating-point value cannot promise.
    if (whole <= 0) whole = 1;
    const long long magnitude = std::llabs(part);
    const long long tenths = (magnitude * 2000 + whole) / (2 * whole);
    return (part < 0 ? "-" : "") + std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) +
           "%";
}

std::string RtfWriter::ColorName(std::int32_t color, kelpie::CCFFileFormats format) {
    if (format != kelpie::fmtv1 && format != kelpie::fmtv2) return std::to_string(color);
    switch (color) {
    case kelpie::clrBlack:
        return "Black";
    case kelpie::clrDarkGrey:
        return "Dark Grey";
    case kelpie::clrLightGrey:
        return "Light Grey";
    case kelpie::clrWhite:
        return "White";
    default:
        return "";
    }
}

std::string RtfWriter::FontName(std::int32_t font, std::int32_t& size) {
    if (font == kelpie::fntNone) {
        size = 0;
        return "<none>";
    }
    if (font >= kelpie::fnt8 && font <= kelpie::fnt18) {
        size = 6 + 2 * font;
        return "Pronto " + std::to_string(size);
    }
    size = 0;
    return "Pronto xx";
}

std::string RtfWriter::ToWindows1252(const std::string& utf8) {
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    std::string result;
    result.reserve(utf8.size());
    for (const QChar c : text)
        result += vantor::ToWindows1252(c.unicode());
    return result;
}

} // namespace vantor
