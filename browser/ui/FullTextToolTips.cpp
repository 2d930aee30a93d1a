#include "FullTextToolTips.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QToolTip>

namespace vantor {

void FullTextToolTips::Install(QAbstractItemView& view) {
    view.setItemDelegate(new FullTextToolTips(&view));
}

bool FullTextToolTips::IsCut(const QAbstractItemView& view, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    // What the item needs against what it has: its cell, less whatever of
    // the cell lies outside the view's visible area.
    const QRect shown = option.rect.intersected(view.viewport()->rect());
    const QSize needed = sizeHint(option, index);
    if (option.decorationPosition == QStyleOptionViewItem::Top) // large icons: text under the icon
        return needed.width() > shown.width() || needed.height() > shown.height();
    return needed.width() > shown.width();
}

bool FullTextToolTips::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                                 const QStyleOptionViewItem& option, const QModelIndex& index) {
    if (event == nullptr || view == nullptr || event->type() != QEvent::ToolTip)
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    const QString text = index.data(Qt::DisplayRole).toString();
    QStyleOptionViewItem laidOut = option;
    initStyleOption(&laidOut, index);
    if (!text.isEmpty() && IsCut(*view, laidOut, index)) {
        QToolTip::showText(event->globalPos(), text, view->viewport(), option.rect);
    } else {
        QToolTip::hideText();
    }
    return true;
}

} // namespace vantor
