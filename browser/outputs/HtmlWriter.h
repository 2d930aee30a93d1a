// The reports as web pages: one self-contained HTML5 file per report, with
// the same lines as the RTF report of the same kind.
//
// Headings become h1 (the title) to h5 (frames and buttons); device groups,
// devices and panels become nested sections with anchors, listed in a table
// of contents after the title; a record's properties become a two-column
// table and a byte dump a pre block; every other line is a paragraph (an
// empty line a line break), indented by nested blocks. Names from the file
// are marked with the class "n", so that a user's style sheet can give them
// the remote's font. Pictures are inline PNG data; an icon's picture is
// embedded once and used again by reference. A record shown more than once
// (a shared frame, IR code or icon) has its anchor at its first appearance,
// and the later ones link to it.
#pragma once

#include "outputs/IconCache.h"
#include "outputs/ReportDocument.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace vantor {

class HtmlWriter final : public ReportDocument {
public:
    explicit HtmlWriter(UserInterface& ui) : ReportDocument(ui) {}

    void SetTitle(const std::string& title) override { title_ = title; }
    bool TakesContents() const override { return true; }
    void WriteContents(const std::vector<ContentsEntry>& entries) override;

    void WriteText(const std::string& text) override;
    void WriteProntoText(const std::string& text) override;
    void WriteLn(const std::string& text = {}) override;
    void WriteHeading(HeadingLevel heading, const std::string& words,
                      const std::string* name = nullptr) override;
    void IndentIn() noexcept override { ++indentLevel_; }
    void IndentOut() noexcept override { --indentLevel_; }
    void ResetIndent() noexcept override { indentLevel_ = 0; }
    void EmbedPicture(const QImage& image) override;
    void WriteIconPicture(const kelpie::Icon& icon) override;

    void BeginRecord(RecordRef record) override;
    void EndRecords() override;
    void WriteLink(const std::string& text, bool name, RecordRef target) override;
    void WriteCheck(const std::string& line, RecordRef concerns) override;
    void BeginBlock(LineBlock block) override;
    void EndBlock() override;

    // Windows-1252 text as HTML text in UTF-8: "&", "<" and ">" (and in an
    // attribute value '"') as character references, control characters as
    // their visible symbols (U+2400 on), bytes without a character as U+FFFD.
    static void AppendText(std::string& to, const std::string& text, bool attribute = false);
    // The anchor of a record: a letter for its kind and its position.
    static std::string AnchorOf(RecordRef record);

private:
    enum class Element { Paragraph, Row, DumpLine };
    struct IconPicture {
        std::string Base64; // "" when the icon cannot be shown
        int Width = 0, Height = 0;
    };

    std::string Beginning() override;
    std::string End() override;
    void Write(std::string_view text);

    // Opens what a line needs around it: the main part, its indentation and
    // the block it belongs to, closing what it does not belong to.
    void PrepareMain();
    void PrepareLine(Element element);
    void AlignIndent();
    void CloseBlock();
    void CloseIndents();
    // The collected line as one element: a paragraph (of `paragraphClass`),
    // a table row or a line of a dump.
    void EndLine(const char* paragraphClass);
    // Writes the collected line as `tag`, with the anchor of the record it
    // introduces or a link to the record's first appearance.
    void WriteElement(const char* tag, const char* elementClass);
    // The anchor of `target`, noted as linked to.
    std::string Link(RecordRef target);

    std::string title_;
    std::int32_t indentLevel_ = 0;
    // The state of the document being written.
    bool mainOpen_ = false;
    std::vector<RecordKind> sections_;
    bool sectionOpened_ = false;   // no line since the last section began
    std::int32_t openIndents_ = 0; // indentation blocks open in the innermost section
    bool blockWanted_ = false;     // between BeginBlock and EndBlock
    LineBlock block_ = LineBlock::Properties;
    bool blockOpen_ = false;
    std::int32_t blockLevel_ = 0;
    bool pending_ = false; // the next line introduces pendingRecord_
    RecordRef pendingRecord_;
    std::string line_;         // the current line's content, as HTML
    std::string contents_;     // the table of contents, until the title is written
    std::string picturePanel_; // the alt text of the next panel picture
    std::unordered_set<std::uint64_t> anchored_, linked_;
    std::vector<RecordRef> linkTargets_;             // in the order first linked
    std::unordered_set<std::int32_t> picturesShown_; // icons by position
    IconCache<IconPicture> iconPictures_;
};

} // namespace vantor
