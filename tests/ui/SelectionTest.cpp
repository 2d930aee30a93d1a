// Browsing with the keyboard as with the mouse, and which file is current
// after an open or a close.
#include "MainWindowFixture.h"

#include <QApplication>
#include <QStandardItemModel>
#include <QTest>
#include <QTextEdit>
#include <QTreeView>

namespace {

using namespace vantor::testing;

// Every key that moves the tree's highlight shows the node it lands on, as
// a click would: the list, the pane and the current tag follow.
TEST_F(MainWindow, KeyboardBrowsingShowsWhatBecomesCurrent) {
    window->show();
    window->OpenFile(Sample);
    struct Step {
        Qt::Key Key; // or, when 0, type-ahead of `Typed`
        const char* Typed;
        const char* Current; // the text of the node it lands on
    };
    const QString root = Root()->text(0);
    const Step steps[] = {
        {Qt::Key_Down, "", "Home Icon"}, {Qt::Key_PageDown, "", "Macro Recording Panel"},
        {Qt::Key_Up, "", "Macros"},      {Qt::Key_Home, "", nullptr},    // the root
        {Qt::Key(0), "Dev", "Devices"},  {Qt::Key_Right, "", "Devices"}, // opens it
        {Qt::Key(0), "TV", "TV"},
    };
    for (const Step& step : steps) {
        if (step.Key != 0) {
            QTest::keyClick(&Tree(), step.Key);
        } else {
            QTest::qWait(QApplication::keyboardInputInterval() + 50); // a new search
            QTest::keyClicks(&Tree(), step.Typed);
        }
        QTreeWidgetItem* current = Tree().currentItem();
        ASSERT_NE(current, nullptr);
        EXPECT_EQ(current->text(0), step.Current ? QString(step.Current) : root);
        EXPECT_EQ(CurrentTag(), TagOf(current)) << current->text(0).toStdString();
    }
    // The device's panels are listed; the rows browse by keyboard too, and
    // the list keeps its rows.
    QStandardItemModel& rows = window->ListView().Model();
    ASSERT_EQ(rows.rowCount(), 2);
    QTreeView& details = window->ListView().DetailsView();
    for (int row : {0, 1}) {
        QTest::keyClick(&details, row == 0 ? Qt::Key_Home : Qt::Key_Down);
        EXPECT_EQ(CurrentTag(), rows.item(row, 0)->data(vantor::TagRole).toString().toStdString());
        EXPECT_TRUE(window->DisplayPane().toPlainText().contains(Cell(row, 0)));
    }
    EXPECT_EQ(rows.rowCount(), 2);
}

// After an open the new file's root is current, in sight and shown, so that
// Close and Reports act on the file the user sees highlighted.
TEST_F(MainWindow, AnOpenedFileBecomesCurrentInSight) {
    window->resize(700, 400);
    window->show();
    window->OpenFile(Sample);
    Tree().expandAll(); // the first file's nodes fill the tree
    Click(Child(Root(), "Devices"));
    window->OpenFile(Copy("second.ccf"));
    ASSERT_EQ(Tree().topLevelItemCount(), 2);
    EXPECT_EQ(Tree().currentItem(), Root(1));
    EXPECT_EQ(CurrentTag(), TagOf(Root(1)));
    EXPECT_TRUE(Tree().viewport()->rect().intersects(Tree().visualItemRect(Root(1))));
    EXPECT_EQ(window->ListView().Model().rowCount(), 4) << "the root's groups";

    Menu("mnuFileClose")->trigger();
    ASSERT_EQ(Tree().topLevelItemCount(), 1);
    EXPECT_EQ(
        QString::fromStdString(window->Browser().BrowserFiles.Item(1).CCF().CCFfile().FileName()),
        Root()->text(0))
        << "the file opened second was closed";
}

// Closing a file makes the next file's root current (the previous one's at
// the end); the commands stay offered while files remain.
TEST_F(MainWindow, ClosingAFileMakesAnotherCurrent) {
    const QString files[] = {Copy("a.ccf"), Copy("b.ccf"), Copy("c.ccf")};
    for (const QString& file : files)
        window->OpenFile(file);
    Click(Child(Root(1), "Devices"));
    const struct {
        int Closing;     // a root's index, made current first
        int NextCurrent; // the root current after the close, by its index then
    } closes[] = {{1, 1}, {1, 0}, {0, -1}};
    for (const auto& close : closes) {
        if (Tree().currentItem() != Root(close.Closing)) Click(Root(close.Closing));
        Menu("mnuFileClose")->trigger();
        EXPECT_TRUE(Menu("mnuFileClose")->isEnabled());
        EXPECT_TRUE(Menu("mnuReports")->isEnabled());
        if (close.NextCurrent < 0) break;
        ASSERT_NE(Root(close.NextCurrent), nullptr);
        EXPECT_EQ(Tree().currentItem(), Root(close.NextCurrent));
        EXPECT_EQ(CurrentTag(), TagOf(Root(close.NextCurrent)));
        EXPECT_EQ(window->ListView().Model().rowCount(), 4);
    }
    EXPECT_EQ(Tree().topLevelItemCount(), 0);
    EXPECT_EQ(window->ListView().Model().rowCount(), 0);
    EXPECT_TRUE(window->DisplayPane().toPlainText().trimmed().isEmpty());
    EXPECT_TRUE(answers.Messages.isEmpty());
}

} // namespace
