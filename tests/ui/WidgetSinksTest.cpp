// The widget sinks and the program's boxes, without the main window.
#include "WidgetSinks.h"
#include "DetailList.h"
#include "Twips.h"
#include "WidgetUserInterface.h"

#include <QApplication>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTreeView>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace vantor;

namespace {

// Names are the file's 8-bit characters (Windows-1252), not UTF-8; the root
// shows the file's path, which is the system's UTF-8.
TEST(WidgetSinks, NamesShowInTheFilesCodePage) {
    QTreeWidget widget;
    WidgetTree tree(widget);
    tree.AddNode("", "CCF1/H/0", "/remotes/M\xC3\xBCller.ccf", "Pronto", "CCF1/H/0");
    tree.AddNode("CCF1/H/0", "CCF1/D/40/1", "TV M\xFC \x80\x99", "Device", "CCF1/D/40");
    EXPECT_EQ(tree.Find("CCF1/H/0")->text(0), QString::fromUtf8("/remotes/Müller.ccf"));
    EXPECT_EQ(tree.Find("CCF1/D/40/1")->text(0), QString::fromUtf8("TV Mü €™"));

    DetailList list;
    list.AddColumn("Name", 2000);
    list.AddColumn("Attributes", 2000);
    list.AddRow({"TV M\xFC", "Device", {"Caf\xE9"}, "CCF1/D/40"});
    EXPECT_EQ(list.Model().item(0, 0)->text(), QString::fromUtf8("TV Mü"));
    EXPECT_EQ(list.Model().item(0, 1)->text(), QString::fromUtf8("Café"));
}

TEST(WidgetTree, NodesAreFoundByKeyAndRemovedWithEverythingUnderThem) {
    QTreeWidget widget;
    WidgetTree tree(widget);
    tree.AddNode("", "CCF1/H/0", "remote.ccf", "Pronto", "CCF1/H/0");
    tree.AddNode("CCF1/H/0", "CCF1/G/0/1", "Devices", "DeviceGroup", "CCF1/G/0");
    tree.AddNode("CCF1/G/0/1", "CCF1/D/40/2", "TV", "Device", "CCF1/D/40");
    tree.AddNode("CCF1/D/40/2", "CCF1/I/9/3", "Device Icon", "Icon", "CCF1/I/9");
    tree.AddNode("", "CCF2/H/0", "other.ccf", "Pronto", "CCF2/H/0");
    ASSERT_EQ(widget.topLevelItemCount(), 2);
    QTreeWidgetItem* device = tree.Find("CCF1/D/40/2");
    ASSERT_NE(device, nullptr);
    EXPECT_EQ(device->parent(), tree.Find("CCF1/G/0/1"));
    EXPECT_EQ(device->text(0), "TV");
    EXPECT_EQ(device->data(0, TagRole).toString(), "CCF1/D/40");
    EXPECT_FALSE(device->icon(0).isNull());

    tree.ExpandNode("CCF1/H/0");
    EXPECT_TRUE(tree.Find("CCF1/H/0")->isExpanded());
    tree.ExpandNode("no/such/key"); // nothing happens

    tree.RemoveNode("CCF1/H/0");
    EXPECT_EQ(widget.topLevelItemCount(), 1);
    for (const char* key : {"CCF1/H/0", "CCF1/G/0/1", "CCF1/D/40/2", "CCF1/I/9/3"})
        EXPECT_EQ(tree.Find(key), nullptr) << key;
    EXPECT_NE(tree.Find("CCF2/H/0"), nullptr);
    tree.RemoveNode("CCF1/H/0"); // a second removal is harmless

    // A node whose parent is gone is kept at the top level.
    tree.AddNode("CCF1/G/0/1", "CCF1/D/50/4", "Late", "Device", "CCF1/D/50");
    EXPECT_EQ(widget.topLevelItemCount(), 2);
}

TEST(DetailList, ColumnsRowsAndClicks) {
    DetailList list;
    list.AddColumn("Name", 2000);
    list.AddColumn("Type", 1000);
    EXPECT_EQ(list.Model().columnCount(), 2);
    EXPECT_EQ(list.ColumnWidth(0), TwipsToPixels(2000, &list));
    EXPECT_EQ(list.ColumnWidth(1), TwipsToPixels(1000, &list));

    // Sub-items beyond the columns are not shown.
    list.AddRow({"Power", "Button", {"Button", "175", "40"}, "CCF1/B/99"});
    list.AddRow({"TV", "Frame", {"Frame"}, "CCF1/F/12"});
    ASSERT_EQ(list.Model().rowCount(), 2);
    EXPECT_EQ(list.Model().columnCount(), 2);
    EXPECT_EQ(list.Model().item(0, 1)->text(), "Button");
    EXPECT_FALSE(list.Model().item(0, 0)->icon().isNull());

    // A click anywhere on a row gives the row's tag, and so does a row
    // becoming current by the keyboard.
    QSignalSpy chosen(&list, &DetailList::RowChosen);
    emit list.DetailsView().clicked(list.Model().index(1, 1));
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_EQ(chosen[0][0].toString(), "CCF1/F/12");
    list.DetailsView().setCurrentIndex(list.Model().index(0, 0));
    ASSERT_EQ(chosen.size(), 2);
    EXPECT_EQ(chosen[1][0].toString(), "CCF1/B/99");

    list.SetHeadingsVisible(false);
    EXPECT_TRUE(list.DetailsView().isHeaderHidden());
    list.SetHeadingsVisible(true);
    EXPECT_FALSE(list.DetailsView().isHeaderHidden());

    list.ClearRows();
    list.ClearColumns();
    EXPECT_EQ(list.Model().rowCount(), 0);
    EXPECT_EQ(list.Model().columnCount(), 0);
    list.AddColumn("Group", 2000);
    EXPECT_EQ(list.Model().headerData(0, Qt::Horizontal).toString(), "Group");

    list.SetViewMode(7); // not a mode: ignored
    EXPECT_EQ(list.ViewMode(), lvwReport);
}

struct CountingPresenter final : MessagePresenter {
    int Messages = 0;
    int Notices = 0;
    bool Cursor = false; // an override pointer was set while a box showed
    void Message(QWidget*, const QString&) override { ++Messages; }
    bool Notice(QWidget*, const QString&) override {
        ++Notices;
        Cursor = QApplication::overrideCursor() &&
                 QApplication::overrideCursor()->shape() == Qt::ArrowCursor;
        return false;
    }
};

TEST(WidgetUserInterface, BusyScopesNestAndBoxesShowTheNormalPointer) {
    WidgetUserInterface ui(nullptr);
    auto owned = std::make_unique<CountingPresenter>();
    CountingPresenter& presenter = *owned;
    ui.SetPresenter(std::move(owned));
    ui.SetBusy(true);
    ui.SetBusy(true);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    ui.ShowNotice("a record reached twice");
    EXPECT_TRUE(presenter.Cursor);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    ui.SetBusy(false);
    EXPECT_TRUE(ui.Busy());
    ui.SetBusy(false);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    ui.SetBusy(false); // an unmatched end does not restore someone else's pointer
    EXPECT_FALSE(ui.Busy());
    ui.ShowMessage("done");
    EXPECT_EQ(presenter.Messages, 1);
    EXPECT_EQ(presenter.Notices, 1);
}

} // namespace
