#include "DetailList.h"

#include "FileText.h"
#include "FullTextToolTips.h"
#include "NodeImages.h"
#include "Twips.h"
#include "WidgetSinks.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QListView>
#include <QStandardItemModel>
#include <QTreeView>

namespace vantor {

DetailList::DetailList(QWidget* parent)
    : QStackedWidget(parent), model_(new QStandardItemModel(this)), icons_(new QListView(this)),
      details_(new QTreeView(this)) {
    for (QAbstractItemView* view :
         {static_cast<QAbstractItemView*>(icons_), static_cast<QAbstractItemView*>(details_)}) {
        view->setModel(model_);
        view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        view->setSelectionMode(QAbstractItemView::SingleSelection);
        FullTextToolTips::Install(*view);
        connect(view, &QAbstractItemView::clicked, this, &DetailList::Chosen);
        addWidget(view);
    }
    // Both views share one selection, so switching modes keeps the row. A
    // new current row is shown whatever made it current.
    details_->setSelectionModel(icons_->selectionModel());
    connect(icons_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { Chosen(current); });
    details_->setRootIsDecorated(false);
    details_->setItemsExpandable(false);
    details_->setUniformRowHeights(true);
    details_->setIconSize(QSize(16, 16));
    details_->header()->setStretchLastSection(false);
    icons_->setResizeMode(QListView::Adjust);
    icons_->setWrapping(true);
    SetViewMode(lvwReport);
}

void DetailList::ClearColumns() {
    model_->setColumnCount(0);
    designedWidths_.clear();
}

void DetailList::AddColumn(const std::string& heading, int widthTwips) {
    const int column = model_->columnCount();
    model_->setColumnCount(column + 1);
    model_->setHeaderData(column, Qt::Horizontal, FileText(heading));
    designedWidths_.push_back(TwipsToPixels(widthTwips, this));
    details_->setColumnWidth(column, designedWidths_.back());
}

void DetailList::SetHeadingsVisible(bool visible) {
    headingsVisible_ = visible;
    ApplyHeadings();
}

void DetailList::ClearRows() {
    model_->setRowCount(0);
}

void DetailList::AddRow(const ListRow& row) {
    QList<QStandardItem*> items;
    auto* first = new QStandardItem(NodeImageBothSizes(QString::fromStdString(row.ImageKey)),
                                    FileText(row.Text));
    first->setData(QString::fromStdString(row.Tag), TagRole);
    items.append(first);
    for (const auto& text : row.SubItems)
        items.append(new QStandardItem(FileText(text)));
    // A row never widens the table beyond its columns; an empty column set
    // still shows the row's text.
    if (model_->columnCount() > 0)
        while (items.size() > model_->columnCount())
            delete items.takeLast();
    model_->appendRow(items);
}

void DetailList::RowsAdded() {
    for (int column = 0; column < model_->columnCount(); ++column) {
        details_->resizeColumnToContents(column);
        const int designed = column < static_cast<int>(designedWidths_.size())
                                 ? designedWidths_[static_cast<std::size_t>(column)]
                                 : 0;
        if (details_->columnWidth(column) < designed) details_->setColumnWidth(column, designed);
    }
}

void DetailList::SetViewMode(int mode) {
    if (mode < lvwIcon || mode > lvwReport) return;
    mode_ = mode;
    if (mode == lvwReport) {
        setCurrentWidget(details_);
        ApplyHeadings();
        return;
    }
    // Large icons: a grid of 32 px pictures with the text below; small icons:
    // 16 px pictures with the text beside them, filled row by row; list: the
    // same filled column by column.
    icons_->setViewMode(mode == lvwIcon ? QListView::IconMode : QListView::ListMode);
    icons_->setIconSize(mode == lvwIcon ? QSize(32, 32) : QSize(16, 16));
    icons_->setFlow(mode == lvwList ? QListView::TopToBottom : QListView::LeftToRight);
    icons_->setGridSize(mode == lvwIcon ? QSize(96, 64) : QSize());
    icons_->setMovement(QListView::Static);
    icons_->setWrapping(true);
    icons_->setSpacing(mode == lvwIcon ? 0 : 2);
    setCurrentWidget(icons_);
}

int DetailList::ColumnWidth(int column) const {
    return details_->columnWidth(column);
}

void DetailList::Chosen(const QModelIndex& index) {
    if (!index.isValid()) return; // the rows were cleared
    const QString tag = index.siblingAtColumn(0).data(TagRole).toString();
    if (!tag.isEmpty()) emit RowChosen(tag);
}

void DetailList::ApplyHeadings() {
    details_->setHeaderHidden(!headingsVisible_);
}

} // namespace vantor
