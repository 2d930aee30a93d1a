// The detail list (lvListView): the members of the selected item, shown in
// one of four view modes. One item model serves two views: an icon view for
// large icons, small icons and list, and a table for details with its column
// headings.
#pragma once

#include "model/Sinks.h"

#include <QStackedWidget>

#include <vector>

class QListView;
class QStandardItemModel;
class QTreeView;
class QModelIndex;

namespace vantor {

enum ListViewMode { lvwIcon = 0, lvwSmallIcon = 1, lvwList = 2, lvwReport = 3 };

class DetailList final : public QStackedWidget, public ListSink {
    Q_OBJECT
public:
    explicit DetailList(QWidget* parent = nullptr);

    void ClearColumns() override;
    void AddColumn(const std::string& heading, int widthTwips) override;
    void SetHeadingsVisible(bool visible) override;
    void ClearRows() override;
    void AddRow(const ListRow& row) override;
    // Each column as wide as its heading and texts need, and no narrower
    // than its designed width.
    void RowsAdded() override;

    void SetViewMode(int mode);
    int ViewMode() const noexcept { return mode_; }

    // For the window and its tests.
    QStandardItemModel& Model() const noexcept { return *model_; }
    QListView& IconView() const noexcept { return *icons_; }
    QTreeView& DetailsView() const noexcept { return *details_; }
    bool HeadingsVisible() const noexcept { return headingsVisible_; }
    // Column widths in pixels, converted from twips at the screen's dpi.
    int ColumnWidth(int column) const;

signals:
    // A row became current (by a click, the keyboard or type-ahead) or was
    // clicked again; carries the row's tag.
    void RowChosen(const QString& tag);

private:
    void Chosen(const QModelIndex& index);
    void ApplyHeadings();

    QStandardItemModel* model_;
    QListView* icons_;
    QTreeView* details_;
    std::vector<int> designedWidths_; // of the columns, in pixels
    int mode_ = lvwReport;
    bool headingsVisible_ = true;
};

} // namespace vantor
