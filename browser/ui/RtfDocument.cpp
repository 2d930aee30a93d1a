#include "RtfDocument.h"

#include <QTextDocument>

#include <cctype>
#include <cstring>

namespace vantor {

// Plain text of the document: "\par" ends a line, escaped braces and
// backslashes are text, other control words and the font table and picture
// groups are skipped.
void LoadRtfDocument(QTextDocument& document, const std::string& rtf) {
    QString text;
    int depth = 0;
    int skipBelow = -1; // skip everything while depth > skipBelow >= 0
    std::size_t i = 0;
    while (i < rtf.size()) {
        const char c = rtf[i];
        if (c == '{') {
            ++depth;
            ++i;
            continue;
        }
        if (c == '}') {
            if (--depth == skipBelow) skipBelow = -1;
            ++i;
            continue;
        }
        if (c == '\\' && i + 1 < rtf.size() && std::strchr("{}\\", rtf[i + 1])) {
            if (skipBelow < 0) text += QLatin1Char(rtf[i + 1]);
            i += 2;
            continue;
        }
        if (c == '\\') {
            std::size_t end = i + 1;
            while (end < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[end])))
                ++end;
            const std::string word = rtf.substr(i + 1, end - i - 1);
            while (end < rtf.size() &&
                   (std::isdigit(static_cast<unsigned char>(rtf[end])) || rtf[end] == '-'))
                ++end;
            if (end < rtf.size() && rtf[end] == ' ') ++end;
            if ((word == "fonttbl" || word == "pict") && skipBelow < 0) skipBelow = depth - 1;
            if (word == "par" && skipBelow < 0) text += QLatin1Char('\n');
            i = end;
            continue;
        }
        if (c != '\r' && c != '\n' && skipBelow < 0) text += QLatin1Char(c);
        ++i;
    }
    document.setPlainText(text);
}

} // namespace vantor
