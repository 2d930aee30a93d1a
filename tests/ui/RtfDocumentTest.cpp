// The display pane's reader on the writer's own output: lines, indents,
// sizes, the remote's font for names, pictures; and on damaged input.
#include "RtfDocument.h"
#include "UiSample.h"

#include <QImage>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QUrl>

#include <memory>
#include <random>

using namespace vantor::testing;
using vantor::CCFlocal;

namespace {

QStringList PlainLines(const QTextDocument& document) {
    return document.toPlainText().split(u'\n');
}

// The character format of the first fragment whose text is `text`.
QTextCharFormat FormatOf(const QTextDocument& document, const QString& text) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().text() == text) return it.fragment().charFormat();
    ADD_FAILURE() << "no fragment " << text.toStdString();
    return {};
}

std::vector<QTextImageFormat> Images(const QTextDocument& document) {
    std::vector<QTextImageFormat> images;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat())
                images.push_back(it.fragment().charFormat().toImageFormat());
    return images;
}

std::unique_ptr<QTextDocument> Loaded(const std::string& rtf) {
    auto document = std::make_unique<QTextDocument>();
    LoadRtfDocument(*document, rtf);
    return document;
}

struct RtfDocument : UiSample {};

} // namespace

TEST_F(RtfDocument, DisplayOfAPanelKeepsLinesIndentsAndTheNamesFont) {
    OpenSample();
    browser.ShowDisplay(TagOf("P", "TV"));
    QTextDocument document;
    LoadRtfDocument(document, display.Document);

    const QStringList lines = PlainLines(document);
    ASSERT_GE(lines.size(), 8);
    EXPECT_EQ(lines[0], " Properties:");
    EXPECT_EQ(lines[1], "    Position: 005691");
    EXPECT_EQ(lines[2], "    Name: TV");
    EXPECT_EQ(lines[6], " Subordinates:");
    EXPECT_EQ(lines[7], "    005764: Next Panel");
    EXPECT_FALSE(document.toPlainText().contains(u'\\')) << "no control word may show as text";

    const QTextCharFormat name = FormatOf(document, "TV");
    EXPECT_EQ(name.fontFamilies().toStringList().value(0), "Pronto");
    EXPECT_TRUE(name.fontFamilies().toStringList().contains("DejaVu Sans"))
        << "a fallback for the absent font";
    EXPECT_DOUBLE_EQ(name.fontPointSize(), 8.0);
    const QTextCharFormat body = FormatOf(document, "\u00A0\u00A0\u00A0\u00A0Position: 005691");
    EXPECT_EQ(body.fontFamilies().toStringList().value(0), "Arial");
    EXPECT_DOUBLE_EQ(body.fontPointSize(), 8.0);
}

TEST_F(RtfDocument, ReportHeadingsAndPicturesAsTheWriterMadeThem) {
    CCFlocal& file = OpenSample();
    ASSERT_TRUE(DumpPanels(browser.Tools(), file, PathOf("panels.rtf")));
    QTextDocument document;
    LoadRtfDocument(document, ReadFile(PathOf("panels.rtf")));

    const QStringList lines = PlainLines(document);
    EXPECT_TRUE(lines.contains("Panels Report "));
    EXPECT_TRUE(lines.contains("Device: TV"));
    EXPECT_TRUE(lines.contains("Panel: Home"));
    EXPECT_DOUBLE_EQ(FormatOf(document, "Panels Report ").fontPointSize(), 20.0);
    EXPECT_DOUBLE_EQ(FormatOf(document, "Panel: ").fontPointSize(), 16.0);
    EXPECT_DOUBLE_EQ(FormatOf(document, "Home").fontPointSize(), 16.0)
        << "a name inherits its heading's size";
    EXPECT_EQ(FormatOf(document, "Home").fontFamilies().toStringList().value(0), "Pronto");
    EXPECT_DOUBLE_EQ(
        FormatOf(document, "CCF File Name: " + QString::fromStdString(PathOf("grey-v2.ccf")))
            .fontPointSize(),
        10.0);

    // One picture per panel, at the remote's screen size, with the pixels of
    // the panel as drawn.
    const auto images = Images(document);
    ASSERT_EQ(images.size(), 6u);
    EXPECT_EQ(images[0].width(), 240);
    EXPECT_EQ(images[0].height(), 219);
    const QImage first =
        document.resource(QTextDocument::ImageResource, QUrl(images[0].name())).value<QImage>();
    browser.ShowDisplay(TagOf("P", "Home"));
    const QImage drawn = browser.Canvas.Image();
    ASSERT_EQ(first.size(), drawn.size());
    for (int y = 0; y < drawn.height(); y += 7)
        for (int x = 0; x < drawn.width(); x += 5)
            ASSERT_EQ(first.pixelColor(x, y), drawn.pixelColor(x, y)) << x << "," << y;
}

TEST(RtfDocumentText, EscapesCodePageAndUnknownControlsAreReadAsText) {
    const std::string header = "{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}\\pard\\f0 \\fs20 ";
    const auto document = Loaded(header +
                                 "a\\{b\\}c\\\\d \x80 \xE9 \x93q\x94\r\n\\par \\unknown42 "
                                 "{\\*\\hidden not shown}x\\'e9y\r\n\\par ID2: CCF" +
                                 std::string(1, '\0') + "\x1F\r\n\\par }");
    const QStringList lines = PlainLines(*document);
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines[0], QString::fromUtf8("a{b}c\\d € é “q”"));
    EXPECT_EQ(lines[1], QString::fromUtf8("xéy"));
    // Control characters have no glyph: they show, and copy, as their codes.
    EXPECT_EQ(lines[2], "ID2: CCF<00><1F>");
    // A picture that is not PNG, or whose data is broken, is left out.
    const auto broken =
        Loaded(header + "{\\pict\\wmetafile8 0102}{\\pict\\pngblip 89504E47}z\r\n\\par }");
    EXPECT_EQ(PlainLines(*broken)[0], "z");
    EXPECT_TRUE(Images(*broken).empty());
}

TEST_F(RtfDocument, NoInputMakesItFail) {
    CCFlocal& file = OpenSample();
    ASSERT_TRUE(DumpPanels(browser.Tools(), file, PathOf("panels.rtf")));
    const std::string report = ReadFile(PathOf("panels.rtf"));
    // Cut short anywhere, a document still loads.
    for (std::size_t length = 0; length < report.size(); length += 211)
        Loaded(report.substr(0, length));
    // Random bytes, braces out of balance and runaway numbers.
    std::mt19937 random(7);
    std::string noise;
    for (int i = 0; i < 20000; ++i)
        noise += static_cast<char>(random() % 256);
    Loaded(noise);
    Loaded("}}}}{{{{\\fs99999999999999999999 \\f-99999999999 x\\'zz\\'");
    Loaded(std::string(100000, '{') + "\\pict\\pngblip " + std::string(100000, '}'));
    EXPECT_EQ(PlainLines(*Loaded("}}plain\\"))[0], "plain");
}
