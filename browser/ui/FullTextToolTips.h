// Tool tips for texts a view cannot show whole: an item whose text is
// elided, or runs past the visible part of the view, shows its full text
// when the pointer rests on it. Items shown whole show no tool tip.
#pragma once

#include <QStyledItemDelegate>

class QAbstractItemView;

namespace vantor {

class FullTextToolTips final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // Gives `view` this delegate (owned by the view).
    static void Install(QAbstractItemView& view);

    // True when the item at `index`, laid out with `option`, is not wholly
    // visible in `view`.
    bool IsCut(const QAbstractItemView& view, const QStyleOptionViewItem& option,
               const QModelIndex& index) const;

    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;
};

} // namespace vantor
