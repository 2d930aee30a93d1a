#include "outputs/HtmlWriter.h"

#include "outputs/HtmlPage.h"
#include "outputs/PictureEncoder.h"
#include "outputs/RtfWriter.h"
#include "outputs/Windows1252.h"

#include <kelpie/Error.h>
#include <kelpie/icons/Icon.h>

#include <QByteArray>
#include <QImage>

namespace vantor {

namespace {

std::uint64_t Key(RecordRef record) {
    return (std::uint64_t{static_cast<std::uint8_t>(record.Kind)} << 32) |
           static_cast<std::uint32_t>(record.Position);
}

// Groups hold devices, devices hold panels; the other records have no
// section of their own.
int SectionRank(RecordKind kind) {
    switch (kind) {
    case RecordKind::Group:
        return 0;
    case RecordKind::Device:
        return 1;
    case RecordKind::Panel:
        return 2;
    default:
        return -1;
    }
}

const char* SectionClass(RecordKind kind) {
    switch (kind) {
    case RecordKind::Group:
        return "group";
    case RecordKind::Device:
        return "device";
    default:
        return "panel";
    }
}

void AppendUtf8(std::string& to, char32_t u) {
    if (u < 0x80) {
        to += static_cast<char>(u);
    } else if (u < 0x800) {
        to += static_cast<char>(0xC0 | (u >> 6));
        to += static_cast<char>(0x80 | (u & 0x3F));
    } else {
        to += static_cast<char>(0xE0 | (u >> 12));
        to += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        to += static_cast<char>(0x80 | (u & 0x3F));
    }
}

// The character a byte of a name shows as. Control characters may not
// appear in a web page; their visible symbols keep every byte of a name
// apart and a name on its line. Bytes without a character show as U+FFFD.
char32_t Shown(unsigned char byte) {
    if (byte < 0x20) return 0x2400 + byte;
    if (byte == 0x7F) return 0x2421;
    const char16_t u = FromWindows1252(byte);
    return u >= 0x80 && u < 0xA0 ? 0xFFFD : u;
}

std::string Attribute(const std::string& text) {
    std::string value;
    HtmlWriter::AppendText(value, text, true);
    return value;
}

// The heading element of each level.
constexpr const char* HeadingTags[] = {"h1", "h2", "h3", "h4", "h5"};

// What a link to a record that is not in the report says it was.
const char* RecordWords(RecordKind kind) {
    static constexpr const char* Words[] = {"File",  "Group",  "Device",  "Panel",
                                            "Frame", "Button", "IR code", "Icon"};
    return Words[static_cast<int>(kind)];
}

} // namespace

void HtmlWriter::AppendText(std::string& to, const std::string& text, bool attribute) {
    // Most text is printable ASCII without markup characters; finding that
    // out without a branch per character keeps the many short lines cheap.
    bool special = false;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        special |= (byte < 0x20) | (byte >= 0x7F) | (byte == '&') | (byte == '<') | (byte == '>') |
                   (attribute & (byte == '"'));
    }
    if (!special) {
        to += text;
        return;
    }
    std::size_t plain = 0; // start of the run of bytes that stand for themselves
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const bool escaped = byte < 0x20 || byte >= 0x7F || byte == '&' || byte == '<' ||
                             byte == '>' || (attribute && byte == '"');
        if (!escaped || byte == '\t') continue;
        to.append(text, plain, i - plain);
        plain = i + 1;
        switch (byte) {
        case '&':
            to += "&amp;";
            break;
        case '<':
            to += "&lt;";
            break;
        case '>':
            to += "&gt;";
            break;
        case '"':
            to += "&quot;";
            break;
        default:
            AppendUtf8(to, Shown(byte));
        }
    }
    to.append(text, plain, std::string::npos);
}

std::string HtmlWriter::AnchorOf(RecordRef record) {
    static constexpr char Letters[] = {'f', 'g', 'd', 'p', 'r', 'b', 'c', 'i'};
    if (record.Kind == RecordKind::File) return "file";
    return Letters[static_cast<int>(record.Kind)] + std::to_string(record.Position);
}

std::string HtmlWriter::Beginning() {
    mainOpen_ = false;
    sections_.clear();
    openIndents_ = 0;
    blockWanted_ = blockOpen_ = pending_ = sectionOpened_ = false;
    line_.clear();
    contents_.clear();
    anchored_.clear();
    linked_.clear();
    linkTargets_.clear();
    picturesShown_.clear();
    picturePanel_ = "Panel";
    return PageBeginning(title_.empty() ? std::string("Report") : Attribute(title_));
}

std::string HtmlWriter::End() {
    PrepareMain();
    EndRecords();
    if (!contents_.empty()) Write(std::exchange(contents_, {}));
    Write("</main>\n");
    std::string missing;
    for (const RecordRef& target : linkTargets_)
        if (!anchored_.contains(Key(target)))
            missing += "<p id=\"" + AnchorOf(target) + "\">" + RecordWords(target.Kind) + " at " +
                       RtfWriter::FormatPosition(target.Position) + "</p>\n";
    // A link whose record the report did not reach (it ended early) still
    // leads somewhere: to a note that the record is not in this report.
    if (!missing.empty())
        Write("<aside id=\"missing\">\n<h2>Not in this report</h2>\n" + missing + "</aside>\n");
    return PageEnd();
}

void HtmlWriter::Write(std::string_view text) {
    file_.Write(text);
}

void HtmlWriter::PrepareMain() {
    if (mainOpen_) return;
    Write("<main>\n");
    mainOpen_ = true;
}

void HtmlWriter::WriteContents(const std::vector<ContentsEntry>& entries) {
    if (entries.empty()) return;
    // Nested lists: groups, their devices, the devices' panels.
    struct Open {
        int Rank;
        bool List; // its list of members is open
    };
    std::vector<Open> open;
    std::string html = "<nav id=\"contents\"><details open><summary>Contents</summary>\n<ul>";
    const auto closeDownTo = [&](int rank) {
        while (!open.empty() && open.back().Rank >= rank) {
            if (open.back().List) html += "</ul>";
            html += "</li>\n";
            open.pop_back();
        }
    };
    for (const ContentsEntry& entry : entries) {
        const int rank = SectionRank(entry.Record.Kind);
        closeDownTo(rank);
        if (!open.empty() && !open.back().List) {
            html += "<ul>";
            open.back().List = true;
        }
        html += "<li><a href=\"#" + Link(entry.Record) + "\">";
        if (entry.Name.empty()) {
            AppendText(html, entry.Words);
        } else {
            html += "<span class=\"n\">";
            AppendText(html, entry.Name);
            html += "</span>";
        }
        html += "</a>";
        open.push_back({rank, false});
    }
    closeDownTo(0);
    html += "</ul></details></nav>\n";
    contents_ = std::move(html);
}

std::string HtmlWriter::Link(RecordRef target) {
    if (linked_.insert(Key(target)).second) linkTargets_.push_back(target);
    return AnchorOf(target);
}

void HtmlWriter::WriteText(const std::string& text) {
    AppendText(line_, text);
}

void HtmlWriter::WriteProntoText(const std::string& text) {
    if (text.empty()) return; // an empty element would be dropped by some readers
    line_ += "<span class=\"n\">";
    AppendText(line_, text);
    line_ += "</span>";
}

void HtmlWriter::WriteLink(const std::string& text, bool name, RecordRef target) {
    if (text.empty()) return;
    line_ += "<a href=\"#" + Link(target) + (name ? "\" class=\"n\">" : "\">");
    AppendText(line_, text);
    line_ += "</a>";
}

void HtmlWriter::WriteLn(const std::string& text) {
    WriteText(text);
    EndLine(nullptr);
}

void HtmlWriter::WriteCheck(const std::string& line, RecordRef concerns) {
    line_ += "<a href=\"#" + Link(concerns) + "\">";
    AppendText(line_, line);
    line_ += "</a>";
    EndLine("chk");
}

void HtmlWriter::EndLine(const char* paragraphClass) {
    const std::string_view line = line_;
    if (blockWanted_ && block_ == LineBlock::Dump) {
        PrepareLine(Element::DumpLine);
        Write(line);
        Write("\n");
    } else if (blockWanted_ && !line.empty()) {
        PrepareLine(Element::Row);
        // A property is its label up to the first colon (with the spaces
        // after it) and its value; a line without a colon spans both.
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos || colon > line.find('<')) {
            Write("<tr><td colspan=\"2\">");
            Write(line);
        } else {
            const std::size_t split = std::min(line.find_first_not_of(' ', colon + 1), line.size());
            Write("<tr><th>");
            Write(line.substr(0, split));
            Write("</th><td>");
            Write(line.substr(split));
        }
        Write("</td></tr>\n");
    } else if (line.empty() && !pending_) {
        PrepareLine(Element::Paragraph);
        Write("<br>\n");
    } else {
        PrepareLine(Element::Paragraph);
        WriteElement("p", paragraphClass);
    }
    line_.clear();
}

void HtmlWriter::WriteElement(const char* tag, const char* elementClass) {
    std::string start = std::string("<") + tag;
    if (elementClass) start.append(" class=\"").append(elementClass).append("\"");
    bool linked = false;
    if (pending_) {
        // A record's first appearance is its entry; each later one links
        // back to it instead of repeating an anchor.
        pending_ = false;
        if (anchored_.insert(Key(pendingRecord_)).second) {
            start += " id=\"" + AnchorOf(pendingRecord_) + "\">";
        } else {
            start += "><a href=\"#" + Link(pendingRecord_) + "\">";
            linked = true;
        }
    } else {
        start += '>';
    }
    Write(start);
    Write(line_);
    if (linked) Write("</a>");
    Write(std::string("</") + tag + ">\n");
}

void HtmlWriter::WriteHeading(HeadingLevel heading, const std::string& words,
                              const std::string* name) {
    // A title or section heading that begins no group ends the records
    // before it (the structure positions after the device groups).
    if (heading <= HeadingLevel::Section && !sectionOpened_) EndRecords();
    AppendText(line_, words);
    if (name) WriteProntoText(*name);
    if (heading == HeadingLevel::Panel) {
        picturePanel_ = "Panel";
        if (name && !name->empty()) picturePanel_ += " " + Attribute(*name);
    }
    PrepareLine(Element::Paragraph);
    WriteElement(HeadingTags[static_cast<int>(heading)], nullptr);
    line_.clear();
    // The table of contents follows the report's title.
    if (heading == HeadingLevel::Title && !contents_.empty()) Write(std::exchange(contents_, {}));
}

void HtmlWriter::PrepareLine(Element element) {
    PrepareMain();
    sectionOpened_ = false;
    const bool inBlock = element != Element::Paragraph;
    if (blockOpen_ && (!inBlock || blockLevel_ != indentLevel_)) CloseBlock();
    AlignIndent();
    if (inBlock && !blockOpen_) {
        // A new line after "<pre>" is not part of its text: a first empty
        // line stays.
        Write(element == Element::Row ? "<table class=\"props\">\n" : "<pre>\n");
        blockOpen_ = true;
        blockLevel_ = indentLevel_;
    }
}

void HtmlWriter::AlignIndent() {
    const std::int32_t level = indentLevel_ < 0 ? 0 : indentLevel_;
    for (; openIndents_ > level; --openIndents_)
        Write("</div>\n");
    for (; openIndents_ < level; ++openIndents_)
        Write("<div class=\"in\">\n");
}

void HtmlWriter::CloseBlock() {
    if (!blockOpen_) return;
    Write(block_ == LineBlock::Dump ? "</pre>\n" : "</table>\n");
    blockOpen_ = false;
}

void HtmlWriter::CloseIndents() {
    CloseBlock();
    for (; openIndents_ > 0; --openIndents_)
        Write("</div>\n");
}

void HtmlWriter::BeginBlock(LineBlock block) {
    if (blockOpen_ && block != block_) CloseBlock();
    block_ = block;
    blockWanted_ = true;
}

void HtmlWriter::EndBlock() {
    blockWanted_ = false;
}

void HtmlWriter::BeginRecord(RecordRef record) {
    const int rank = SectionRank(record.Kind);
    if (rank < 0) {
        pending_ = true;
        pendingRecord_ = record;
        return;
    }
    PrepareMain();
    CloseIndents();
    while (!sections_.empty() && SectionRank(sections_.back()) >= rank) {
        Write("</section>\n");
        sections_.pop_back();
    }
    std::string open = std::string("<section class=\"") + SectionClass(record.Kind) + '"';
    if (anchored_.insert(Key(record)).second) open += " id=\"" + AnchorOf(record) + '"';
    Write(open + ">\n");
    sections_.push_back(record.Kind);
    sectionOpened_ = true;
}

void HtmlWriter::EndRecords() {
    PrepareMain();
    CloseIndents();
    for (; !sections_.empty(); sections_.pop_back())
        Write("</section>\n");
}

void HtmlWriter::EmbedPicture(const QImage& image) {
    if (image.isNull()) return;
    // The img element; "" for an image that cannot be encoded.
    const auto picture = [alt = picturePanel_](const QImage& shown) {
        const QByteArray png = EncodePicture(shown);
        if (png.isEmpty()) return std::string();
        return "<img class=\"pic\" src=\"data:image/png;base64," + png.toBase64().toStdString() +
               "\" width=\"" + std::to_string(shown.width()) + "\" height=\"" +
               std::to_string(shown.height()) + "\" alt=\"" + alt + "\">";
    };
    if (!line_.empty()) {
        // As in the RTF report, the picture ends the line it is on.
        line_ += picture(image);
        EndLine(nullptr);
        return;
    }
    PrepareLine(Element::Paragraph);
    // A picture on a line of its own is encoded while the report goes on.
    file_.WritePicture(image, [picture](const QImage& shown) {
        const std::string element = picture(shown);
        return element.empty() ? element : "<p>" + element + "</p>\n";
    });
}

void HtmlWriter::WriteIconPicture(const kelpie::Icon& icon) {
    if (icon.IconType() == kelpie::ictUnknown) {
        WriteLn("Unknown bitmap format");
        if (icon.IconSize() < 1) return;
        std::string dump;
        for (const std::uint8_t byte : icon.IconData())
            dump.append(" ").append(RtfWriter::HexByte(byte));
        BeginBlock(LineBlock::Dump);
        WriteLn(dump);
        EndBlock();
        return;
    }
    const IconPicture& picture = iconPictures_.Get(icon, [](const kelpie::Icon& from) {
        IconPicture made;
        try {
            const QImage image = DecodeIcon(from);
            made.Base64 = EncodePicture(image).toBase64().toStdString();
            made.Width = image.width();
            made.Height = image.height();
        } catch (const kelpie::Error&) {
        }
        return made;
    });
    if (picture.Base64.empty()) return; // an icon that cannot be decoded has no picture
    const std::string size = "width=\"" + std::to_string(picture.Width) + "\" height=\"" +
                             std::to_string(picture.Height) + '"';
    const std::string id = "pic" + std::to_string(icon.Position());
    line_ += "<svg class=\"pic\" " + size + " role=\"img\" aria-label=\"Icon at " +
             RtfWriter::FormatPosition(icon.Position()) + "\">";
    // The picture is embedded once; the icon's later pictures use it.
    if (picturesShown_.insert(icon.Position()).second)
        line_ += "<image id=\"" + id + "\" " + size + " href=\"data:image/png;base64," +
                 picture.Base64 + "\"/>";
    else
        line_ += "<use href=\"#" + id + "\"/>";
    line_ += "</svg>";
    EndLine(nullptr);
}

} // namespace vantor
