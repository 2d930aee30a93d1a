// What the find bar looks for: the names of devices, panels, frames,
// buttons, IR codes and icons in the navigation tree, and the Pronto hex of
// IR codes. A name matches when it contains the text, whatever the case. An
// IR code's data matches when the text is whole hex words (four digits
// each, with or without spaces: "0000 006D" or "0000006D") that it contains
// word for word.
#pragma once

#include <QString>

#include <string>
#include <vector>

class QTreeWidget;

namespace vantor {

class basCCF;

struct FindQuery {
    QString Text; // trimmed; "" finds nothing
    QString Hex;  // the text as spaced upper-case hex words, or "" when it is none
};

FindQuery MakeFindQuery(const QString& text);

// The name a node shows for its record ("Frame: Top" gives "Top"), or "" for
// a node whose type the find bar does not search.
QString SearchedName(const QString& type, const QString& text);

// The keys of the matching nodes of every open file, in the tree's order.
std::vector<std::string> FindNodes(const QTreeWidget& tree, const basCCF& browser,
                                   const FindQuery& query);

} // namespace vantor
