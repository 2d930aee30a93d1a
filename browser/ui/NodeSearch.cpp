#include "NodeSearch.h"

#include "WidgetSinks.h"

#include "exports/IRCodeExport.h"
#include "model/Tags.h"
#include "session/basCCF.h"

#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <map>

namespace vantor {

namespace {

// How each searched node type wraps its name in the tree.
struct NodeText {
    const char* Type;
    const char* Prefix;
    const char* Suffix;
};
constexpr NodeText Searched[] = {
    {"D", "", ""},
    {"P", "", ""},
    {"F", "Frame: ", ""},
    {"B", "Button: ", ""},
    {"C", "[C] IR Code: ", ""},
    {"I", "", " Icon"},
};

bool IsHexDigit(QChar c) {
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
           (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
}

// Whether the code's Pronto hex holds the query's words at a word boundary.
bool HexMatches(const std::string& pronto, const std::string& words) {
    for (std::size_t at = pronto.find(words); at != std::string::npos;
         at = pronto.find(words, at + 1))
        if (at % 5 == 0) return true;
    return false;
}

} // namespace

FindQuery MakeFindQuery(const QString& text) {
    FindQuery query{text.trimmed(), {}};
    QString digits;
    for (const QChar c : query.Text) {
        if (c.isSpace()) continue;
        const QChar upper = c.toUpper();
        if (!IsHexDigit(upper)) return query;
        digits += upper;
    }
    if (digits.isEmpty() || digits.size() % 4 != 0) return query;
    for (qsizetype i = 0; i < digits.size(); i += 4)
        query.Hex += (i == 0 ? QString() : QStringLiteral(" ")) + digits.mid(i, 4);
    return query;
}

QString SearchedName(const QString& type, const QString& text) {
    for (const NodeText& node : Searched) {
        if (type != QLatin1String(node.Type)) continue;
        const QLatin1String prefix(node.Prefix), suffix(node.Suffix);
        if (!text.startsWith(prefix) || !text.endsWith(suffix)) return text;
        return text.mid(prefix.size(), text.size() - prefix.size() - suffix.size());
    }
    return {};
}

std::vector<std::string> FindNodes(const QTreeWidget& tree, const basCCF& browser,
                                   const FindQuery& query) {
    std::vector<std::string> hits;
    if (query.Text.isEmpty()) return hits;
    const std::string hex = query.Hex.toStdString();
    // An IR code stands under every button that sends it: its data is
    // looked at once.
    std::map<const kelpie::IRCode*, bool> codes;
    for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(&tree)); *it != nullptr; ++it) {
        const QTreeWidgetItem& node = **it;
        const std::string tag = node.data(0, TagRole).toString().toStdString();
        std::string key, type;
        std::int32_t position = 0;
        if (!ParseTag(tag, key, type, position)) continue;
        const QString name = SearchedName(QString::fromStdString(type), node.text(0));
        bool found = !name.isEmpty() && name.contains(query.Text, Qt::CaseInsensitive);
        if (!found && !hex.empty() && type == "C") {
            const CCFlocal* file = browser.BrowserFiles.Item(key);
            const RegisteredObject* object = file ? file->FindObject(tag) : nullptr;
            kelpie::IRCode* const* code = object ? std::get_if<kelpie::IRCode*>(object) : nullptr;
            if (code != nullptr && *code != nullptr) {
                const auto [at, added] = codes.try_emplace(*code, false);
                if (added) at->second = HexMatches(ProntoHex((*code)->IRCodeData()), hex);
                found = at->second;
            }
        }
        if (found) hits.push_back(node.data(0, KeyRole).toString().toStdString());
    }
    return hits;
}

} // namespace vantor
