#include "NodeSearch.h"

#include "WidgetSinks.h"

#include "exports/IRCodeExport.h"
#include "model/Tags.h"
#include "session/basCCF.h"

#include <kelpie/ir/Decode.h>
#include <kelpie/model/IRCode.h>

#include <QRegularExpression>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <unordered_map>

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

// The words of a decode or a query: commas, colons and semicolons part them
// as spaces do.
QStringList Words(const QString& text) {
    static const QRegularExpression separators(QStringLiteral("[\\s,;:]+"));
    return text.split(separators, Qt::SkipEmptyParts);
}

// "4", "38.0": matched whole, never as the start of a longer number.
bool IsNumber(const QString& word) {
    bool digit = false;
    for (const QChar c : word) {
        if (c.isDigit())
            digit = true;
        else if (c != QLatin1Char('.'))
            return false;
    }
    return digit;
}

bool WordMatches(const QString& word, const QString& wanted) {
    return IsNumber(wanted) ? word == wanted : word.startsWith(wanted, Qt::CaseInsensitive);
}

// Whether the phrase stands in `words` word after word.
bool HoldsPhrase(const QStringList& words, const QStringList& phrase) {
    for (qsizetype at = 0; at + phrase.size() <= words.size(); ++at) {
        qsizetype i = 0;
        while (i < phrase.size() && WordMatches(words[at + i], phrase[i]))
            ++i;
        if (i == phrase.size()) return true;
    }
    return false;
}

kelpie::IRCode* CodeOf(const basCCF& browser, const std::string& key, const std::string& tag) {
    const CCFlocal* file = browser.BrowserFiles.Item(key);
    const RegisteredObject* object = file ? file->FindObject(tag) : nullptr;
    kelpie::IRCode* const* code = object ? std::get_if<kelpie::IRCode*>(object) : nullptr;
    return code ? *code : nullptr;
}

} // namespace

FindQuery MakeFindQuery(const QString& text) {
    FindQuery query{text.trimmed(), {}, {}};
    // A word starts a phrase, the numbers after it belong to it.
    for (const QString& word : Words(query.Text)) {
        if (IsNumber(word) && !query.Phrases.empty())
            query.Phrases.back() << word;
        else
            query.Phrases.push_back({word});
    }
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

bool DecodeMatches(const QString& decode, const FindQuery& query) {
    if (query.Phrases.empty()) return false;
    const QStringList words = Words(decode);
    for (const QStringList& phrase : query.Phrases)
        if (!HoldsPhrase(words, phrase)) return false;
    return true;
}

const QString& DecodeCache::Decode(const kelpie::IRCode& code) {
    const auto [at, added] = texts_.try_emplace(&code);
    if (added) {
        // Why a code fits no protocol is prose, not something to find it by.
        const kelpie::ir::Decoded decoded = kelpie::ir::Decode(code.IRCodeData());
        at->second = decoded.Known() ? QString::fromStdString(decoded.Describe())
                                     : QStringLiteral("unknown");
    }
    return at->second;
}

std::vector<std::string> FindNodes(const QTreeWidget& tree, const basCCF& browser,
                                   const FindQuery& query, DecodeCache& decodes) {
    std::vector<std::string> hits;
    if (query.Text.isEmpty()) return hits;
    const std::string hex = query.Hex.toStdString();
    // An IR code stands under every button that sends it, each time under
    // the same tag: its data is looked at once per search.
    std::unordered_map<std::string, bool> codes;
    for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(&tree)); *it != nullptr; ++it) {
        const QTreeWidgetItem& node = **it;
        const std::string tag = node.data(0, TagRole).toString().toStdString();
        std::string key, type;
        std::int32_t position = 0;
        if (!ParseTag(tag, key, type, position)) continue;
        const QString name = SearchedName(QString::fromStdString(type), node.text(0));
        bool found = !name.isEmpty() && name.contains(query.Text, Qt::CaseInsensitive);
        if (!found && type == "C") {
            const auto [at, added] = codes.try_emplace(tag, false);
            if (const kelpie::IRCode* code = added ? CodeOf(browser, key, tag) : nullptr)
                at->second = (!hex.empty() && HexMatches(ProntoHex(code->IRCodeData()), hex)) ||
                             DecodeMatches(decodes.Decode(*code), query);
            found = at->second;
        }
        if (found) hits.push_back(node.data(0, KeyRole).toString().toStdString());
    }
    return hits;
}

} // namespace vantor
