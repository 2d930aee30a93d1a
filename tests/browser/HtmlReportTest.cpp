// The web-page reports carry the lines of the RTF reports: every report of
// each sample (and of the real file, where present) is written in both
// formats and reduced to plain lines (the text without its markup and
// indentation, a picture as "[picture]"), which must be equal. The table of
// contents and the filter box are the page's own and are left out.
#include "TestBrowser.h"

#include "outputs/HtmlWriter.h"

#include <cctype>
#include <filesystem>

using namespace vantor;
using namespace vantor::testing;

namespace {

using Texts = std::vector<std::string>;

std::string WithoutIndent(const std::string& line) {
    const std::size_t text = line.find_first_not_of(' ');
    return text == std::string::npos ? std::string() : line.substr(text);
}

// The logical lines of an RTF report, as HTML text (the same characters a
// page shows for the same bytes).
Texts RtfLines(const std::string& rtf) {
    Texts lines;
    for (const std::string& physical : TestBrowser::Lines(rtf)) {
        if (!physical.starts_with("\\par ") || physical == "\\par }") continue;
        std::string text;
        for (std::size_t i = 5; i < physical.size(); ++i) {
            const char c = physical[i];
            if (c == '\\' && i + 1 < physical.size() &&
                (physical[i + 1] == '{' || physical[i + 1] == '}' || physical[i + 1] == '\\')) {
                text += physical[++i];
            } else if (physical.compare(i, 6, "{\\pict") == 0) {
                text += "[picture]";
                i = physical.find('}', i);
            } else if (c == '{') {
                i = physical.find(' ', i); // "{\f2 ", "{\fs40 "
            } else if (c != '}') {
                text += c;
            }
        }
        std::string html;
        HtmlWriter::AppendText(html, WithoutIndent(text));
        lines.push_back(html);
    }
    return lines;
}

// The logical lines of a page's main part: paragraphs, headings, table rows,
// line breaks and the lines of pre blocks, with their character references
// as written.
Texts HtmlLines(const std::string& html) {
    std::string main = html.substr(html.find("<main>"));
    main.resize(main.find("</main>"));
    if (const std::size_t nav = main.find("<nav"); nav != std::string::npos)
        main.erase(nav, main.find("</nav>") + 6 - nav);
    Texts lines;
    std::string line;
    bool inLine = false, inPre = false;
    for (std::size_t i = 0; i < main.size(); ++i) {
        if (main[i] != '<') {
            if (inPre && main[i] == '\n') {
                lines.push_back(WithoutIndent(std::exchange(line, {})));
            } else if (inLine || inPre) {
                line += main[i];
            }
            continue;
        }
        const std::size_t end = main.find('>', i);
        const std::string tag = main.substr(i + 1, main.find_first_of(" >", i) - i - 1);
        const bool heading = tag.size() == 2 && tag[0] == 'h' && std::isdigit(tag[1]);
        const bool headingEnd = tag.size() == 3 && tag[1] == 'h' && std::isdigit(tag[2]);
        if (tag == "p" || tag == "tr" || heading) {
            inLine = true;
        } else if (tag == "/p" || tag == "/tr" || headingEnd) {
            lines.push_back(WithoutIndent(std::exchange(line, {})));
            inLine = false;
        } else if (tag == "br") {
            lines.emplace_back();
        } else if (tag == "pre") {
            inPre = true;
        } else if (tag == "/pre") {
            inPre = false;
        } else if (tag == "img" || tag == "svg") {
            line += "[picture]";
        }
        // The new line that follows "<pre>" is not text.
        i = tag == "svg" ? main.find("</svg>", i) + 5 : tag == "pre" ? end + 1 : end;
    }
    return lines;
}

struct HtmlReports : TestBrowser {
    // The report of `kind` of `input` as `format`, read back.
    std::string Write(CCFlocal& file, ReportKinds kind, ReportFormat format) {
        const std::string out = PathOf("report" + std::to_string(kind) +
                                       (format == ReportFormat::Html ? ".html" : ".rtf"));
        const ReportTools tools = browser.Tools(format);
        bool written = false;
        switch (kind) {
        case rkFull:
            written = DumpCCF(tools, file, out, true);
            break;
        case rkIcons:
            written = DumpIcons(tools, file, out);
            break;
        case rkPanels:
            written = DumpPanels(tools, file, out);
            break;
        case rkIRCodes:
            written = DumpIRCodes(tools, file, out);
            break;
        case rkErrors:
            written = DumpErrors(tools, file, out);
            break;
        }
        EXPECT_TRUE(written);
        return ReadFile(out);
    }

    void ExpectSameLines(const std::string& path) {
        CCFlocal& file = browser.OpenCCF(path);
        for (const ReportKinds kind : {rkFull, rkErrors, rkIcons, rkPanels, rkIRCodes}) {
            const Texts rtf = RtfLines(Write(file, kind, ReportFormat::Rtf));
            const Texts html = HtmlLines(Write(file, kind, ReportFormat::Html));
            std::size_t same = 0;
            while (same < rtf.size() && same < html.size() && rtf[same] == html[same])
                ++same;
            EXPECT_TRUE(same == rtf.size() && same == html.size())
                << path << ", report kind " << kind << ": line " << same + 1 << " of " << rtf.size()
                << "\n  rtf:  " << (same < rtf.size() ? rtf[same] : "(end)")
                << "\n  html: " << (same < html.size() ? html[same] : "(end)");
        }
    }
};

TEST_F(HtmlReports, CarryTheLinesOfTheRtfReportsOfTheSamples) {
    for (const char* sample : {"colour-v3.ccf", "grey-v1.ccf", "grey-v2.ccf"})
        ExpectSameLines(std::string(KELPIE_SOURCE_DIR) + "/samples/" + sample);
}

TEST_F(HtmlReports, CarryTheLinesOfTheRtfReportsOfTheRealFile) {
    const std::string real = std::string(KELPIE_SHARED_TESTDATA) + "/real/2002-10-17.ccf";
    if (!std::filesystem::exists(real)) GTEST_SKIP() << "the real file is not there: " << real;
    ExpectSameLines(real);
}

// An icon's picture is embedded once; its later pictures refer to it.
TEST_F(HtmlReports, EmbedAnIconsPictureOnce) {
    CCFlocal& file = browser.OpenCCF(std::string(KELPIE_SOURCE_DIR) + "/samples/colour-v3.ccf");
    const kelpie::Icon& icon = *file.CCF().Icons().begin();
    const std::string out = PathOf("icons.html");
    ASSERT_FALSE(browser.Page.OpenReportFile(out));
    for (int use = 0; use < 3; ++use)
        browser.Page.WriteIconPicture(icon);
    ASSERT_TRUE(browser.Page.CloseReportFile());
    const std::string page = ReadFile(out);
    const std::string id = "pic" + std::to_string(icon.Position());
    EXPECT_NE(page.find("<image id=\"" + id + "\""), std::string::npos);
    std::size_t uses = 0;
    for (std::size_t at = 0;
         (at = page.find("<use href=\"#" + id + "\"/>", at)) != std::string::npos; ++at)
        ++uses;
    EXPECT_EQ(uses, 2u);
    EXPECT_EQ(page.find("base64"), page.rfind("base64")) << "one embedded picture";
}

// Names keep every byte visible and apart, and nothing in them is markup.
TEST(HtmlText, ShowsEveryByteOfANameAsText) {
    const struct {
        std::string Bytes;
        std::string Html;
    } cases[] = {
        {"Vol +", "Vol +"},
        {"A&B <C>", "A&amp;B &lt;C&gt;"},
        {std::string("CCF\0", 4), "CCF\u2400"},
        {"\x01\x1f\x7f", "\u2401\u241f\u2421"},
        {"\x80\x85\x9f\xa0\xe9\xff", "\u20ac\u2026\u0178\u00a0\u00e9\u00ff"},
        {"\x81\x8d\x8f\x90\x9d", "\ufffd\ufffd\ufffd\ufffd\ufffd"},
        {"tab\there", "tab\there"},
    };
    for (const auto& name : cases) {
        std::string html;
        HtmlWriter::AppendText(html, name.Bytes);
        EXPECT_EQ(html, name.Html) << name.Bytes;
    }
    std::string attribute;
    HtmlWriter::AppendText(attribute, "say \"home\"", true);
    EXPECT_EQ(attribute, "say &quot;home&quot;");
}

} // namespace
