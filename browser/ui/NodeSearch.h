// What the find bar looks for: the names of devices, panels, frames,
// buttons, IR codes and icons in the navigation tree, the Pronto hex of IR
// codes, and what the codes send. A name matches when it contains the text,
// whatever the case. An IR code's data matches when the text is whole hex
// words (four digits each, with or without spaces: "0000 006D" or
// "0000006D") that it contains word for word. A code's decode ("NEC1,
// device 4, function 8, 38.0 kHz") matches when every phrase of the text is
// found in it word by word, whatever the case: a phrase is a word and the
// numbers after it ("device 4", "function 12"), commas are ignored, a number
// matches whole and a word as the start of a word ("nec" finds NEC1, NEC2
// and NECx, "device 4" not device 42); a code that fits no protocol is
// found by "unknown".
#pragma once

#include <QString>
#include <QStringList>

#include <string>
#include <unordered_map>
#include <vector>

class QTreeWidget;

namespace kelpie {
class IRCode;
}

namespace vantor {

class basCCF;

struct FindQuery {
    QString Text; // trimmed; "" finds nothing
    QString Hex;  // the text as spaced upper-case hex words, or "" when it is none
    std::vector<QStringList> Phrases; // the text's phrases, for decodes
};

FindQuery MakeFindQuery(const QString& text);

// The name a node shows for its record ("Frame: Top" gives "Top"), or "" for
// a node whose type the find bar does not search.
QString SearchedName(const QString& type, const QString& text);

// Whether a code's decode text holds every phrase of the query.
bool DecodeMatches(const QString& decode, const FindQuery& query);

// What the codes searched so far are found by, their decode texts: a file of thousands of
// codes is decoded once, not on every search. Cleared whenever a file opens
// or closes (a closed file's records are gone).
class DecodeCache {
public:
    const QString& Decode(const kelpie::IRCode& code);
    void Clear() { texts_.clear(); }

private:
    std::unordered_map<const kelpie::IRCode*, QString> texts_;
};

// The keys of the matching nodes of every open file, in the tree's order.
std::vector<std::string> FindNodes(const QTreeWidget& tree, const basCCF& browser,
                                   const FindQuery& query, DecodeCache& decodes);

} // namespace vantor
