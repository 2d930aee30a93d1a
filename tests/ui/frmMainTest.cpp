// The main window on the offscreen platform: opening, browsing, closing, the
// commands' states, the layout rules and the settings.
#include "MainWindowFixture.h"
#include "NodeImages.h"
#include "Twips.h"
#include "frmFrame.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QHelpEvent>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSettings>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QToolBar>
#include <QToolTip>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using namespace vantor;

namespace {

using namespace vantor::testing;

TEST_F(MainWindow, OpeningASampleShowsItsTreeAndSelectionsFillTheListAndThePane) {
    window->OpenFile(Sample);
    ASSERT_EQ(window->TreeView().topLevelItemCount(), 1);
    EXPECT_TRUE(Root()->isExpanded());
    EXPECT_EQ(Texts(Root()),
              QStringList({"Home Icon", "Home", "Devices", "Macros", "Macro Recording Panel"}));
    QTreeWidgetItem* tv = Child(Child(Root(), "Devices"), "TV");
    ASSERT_NE(tv, nullptr);
    EXPECT_EQ(tv->childCount(), 11);
    EXPECT_EQ(tv->child(0)->text(0), "Guide Action List");
    EXPECT_EQ(Texts(tv).mid(9), QStringList({"TV", "Guide, Now & Next"}));
    EXPECT_EQ(tv->data(0, TagRole).toString(), "CCF1/D/6685");

    // A device: its panels in the list, the device in the pane.
    Click(tv);
    QStandardItemModel& model = window->ListView().Model();
    ASSERT_EQ(model.rowCount(), 2);
    EXPECT_EQ(Cell(0, 0), "TV");
    EXPECT_EQ(Cell(1, 0), "Guide, Now & Next");
    EXPECT_GE(model.columnCount(), 1);
    EXPECT_TRUE(window->ListView().HeadingsVisible());
    EXPECT_EQ(window->Browser().CurrentTag, "CCF1/D/6685");
    EXPECT_TRUE(window->DisplayPane().toPlainText().contains("TV"));

    // A row shows in the pane only; the list keeps its rows.
    ClickRow(1);
    EXPECT_EQ(window->Browser().CurrentTag,
              model.item(1, 0)->data(TagRole).toString().toStdString());
    EXPECT_TRUE(window->DisplayPane().toPlainText().contains("Guide, Now & Next"));
    EXPECT_EQ(model.rowCount(), 2);

    // A panel with a frame and two buttons: one row per child with its columns.
    Click(Child(Child(Root(), "Macro Recording Panel"), "Macro"));
    ASSERT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.columnCount(), 4);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), "Name");
    EXPECT_EQ(window->ListView().ColumnWidth(0), TwipsToPixels(2000, &window->ListView()));

    // An action list's action: no rows, no headings.
    QTreeWidgetItem* list = tv->child(0);
    Click(list);
    ASSERT_GT(model.rowCount(), 0);
    Click(list->child(0) ? list->child(0) : list);
    if (list->child(0) != nullptr) {
        EXPECT_EQ(model.rowCount(), 0);
        EXPECT_FALSE(window->ListView().HeadingsVisible());
    }
}

// An IR code says what it sends: below its words in the pane, in the
// decode column of its row in an action list.
TEST_F(MainWindow, AnIRCodeShowsItsDecodeInThePaneAndItsListRow) {
    window->OpenFile(Sample);
    const QList<QTreeWidgetItem*> uses =
        Tree().findItems("[C] IR Code: Amp Power", Qt::MatchExactly | Qt::MatchRecursive);
    ASSERT_FALSE(uses.isEmpty());
    const QString decode = QStringLiteral("NEC1, device 122, function 29, 38.0 kHz");
    Click(uses[0]);
    EXPECT_EQ(window->DisplayPane().toPlainText().trimmed().split('\n').last().trimmed(),
              "Decoded: " + decode);

    Click(uses[0]->parent());
    QStandardItemModel& model = window->ListView().Model();
    ASSERT_EQ(model.headerData(1, Qt::Horizontal).toString(), "Decoded");
    int shown = 0;
    for (int row = 0; row < model.rowCount(); ++row)
        if (model.item(row, 0)->data(TagRole) == uses[0]->data(0, TagRole)) {
            EXPECT_EQ(Cell(row, 0), "[C]");
            EXPECT_EQ(Cell(row, 1), decode);
            ++shown;
        }
    EXPECT_EQ(shown, 1);
}

TEST_F(MainWindow, CommandsNeedingAFileAreOfferedFromTheFirstOpenOn) {
    QAction* reports = Menu("mnuReports");
    QAction* close = Menu("mnuFileClose");
    EXPECT_FALSE(reports->isEnabled());
    EXPECT_FALSE(close->isEnabled());
    EXPECT_FALSE(Menu("mnuFileExport")->isEnabled());
    EXPECT_FALSE(window->ToolButton("PrintFile")->isEnabled());
    EXPECT_TRUE(Menu("mnuFileOpen")->isEnabled());
    EXPECT_FALSE(Menu("mnuHelpContents")->isVisible());
    EXPECT_FALSE(Menu("mnuHelpSearchForHelpOn")->isVisible());

    window->OpenFile(Sample);
    EXPECT_TRUE(reports->isEnabled());
    EXPECT_TRUE(close->isEnabled());
    EXPECT_TRUE(window->ToolButton("PrintFile")->isEnabled());
    EXPECT_FALSE(window->ToolButton("Print")->isEnabled());

    // Closing the last file clears the list and the pane; the commands stay
    // and say that no file is open.
    close->trigger();
    EXPECT_EQ(window->TreeView().topLevelItemCount(), 0);
    EXPECT_EQ(window->ListView().Model().rowCount(), 0);
    EXPECT_TRUE(window->DisplayPane().toPlainText().trimmed().isEmpty());
    EXPECT_EQ(window->Browser().LibraryFiles.Count(), 0);
    for (QAction* command : {reports, close, Menu("mnuFileExport")}) {
        ASSERT_TRUE(command->isEnabled());
        answers.Messages.clear();
        command->trigger();
        EXPECT_EQ(answers.Messages, QStringList{"No CCF file is open"});
    }

    // The same file opens again.
    answers.Messages.clear();
    window->OpenFile(Sample);
    EXPECT_EQ(window->TreeView().topLevelItemCount(), 1);
    EXPECT_TRUE(answers.Messages.isEmpty());
}

TEST_F(MainWindow, AFileAlreadyOpenIsShownAgainWithAMessage) {
    window->OpenFile(Sample);
    Click(Child(Root(), "Devices"));
    window->OpenFile(QStringLiteral(KELPIE_SOURCE_DIR "/samples/../samples/colour-v3.ccf"));
    ASSERT_EQ(answers.Messages.size(), 1);
    EXPECT_EQ(answers.Messages[0],
              QStringLiteral("The file %1 is already open.").arg(Root()->text(0)));
    EXPECT_EQ(window->TreeView().topLevelItemCount(), 1);
    EXPECT_EQ(window->TreeView().currentItem(), Root());
    EXPECT_EQ(window->Browser().CurrentTag, "CCF1/H/0");
}

TEST_F(MainWindow, ALoadErrorIsReportedAndTheProgramGoesOn) {
    QTemporaryDir folder;
    const QString missing = folder.filePath("missing.ccf");
    window->OpenFile(missing);
    // An error, in a box of its own kind.
    ASSERT_EQ(answers.Errors.size(), 1);
    EXPECT_TRUE(answers.Messages.isEmpty());
    EXPECT_TRUE(answers.Errors[0].startsWith("The file " + missing + " could not be opened.\n\n"));
    EXPECT_GT(answers.Errors[0].size(),
              QString("The file " + missing + " could not be opened.\n\n").size());
    EXPECT_EQ(window->Browser().LibraryFiles.Count(), 0);
    EXPECT_FALSE(Menu("mnuFileClose")->isEnabled());
    window->OpenFile(Sample);
    EXPECT_EQ(window->TreeView().topLevelItemCount(), 1);
}

TEST_F(MainWindow, TheNoticeBoxCanHideTheRestOfALoad) {
    QFile sample(Sample);
    ASSERT_TRUE(sample.open(QIODevice::ReadOnly));
    QByteArray bytes = sample.readAll();
    // Cut the file short: the records near its end now point past it.
    bytes.truncate(bytes.size() * 2 / 3);
    QTemporaryDir folder;
    const QString damaged = folder.filePath("damaged.ccf");
    const QString copy = folder.filePath("damaged-copy.ccf");
    for (const QString& path : {damaged, copy}) {
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }

    window->OpenFile(damaged);
    const qsizetype all = answers.Notices.size();
    ASSERT_GT(all, 1) << "the damaged file should give several notices";

    // Ticking the box on the first notice hides the rest of that load only.
    answers.Notices.clear();
    answers.HideAfterFirstNotice = true;
    window->OpenFile(copy);
    EXPECT_EQ(answers.Notices.size(), 1);
    answers.Notices.clear();
    answers.HideAfterFirstNotice = false;
    window->Browser().CurrentTag.clear();
    // A new load shows its notices again.
    const QString third = folder.filePath("third.ccf");
    QFile::copy(damaged, third);
    window->OpenFile(third);
    EXPECT_EQ(answers.Notices.size(), all);
    EXPECT_FALSE(window->Ui().Busy());
}

TEST_F(MainWindow, MenusAndToolbarCarryTheirCaptionsAndSwitchTheListMode) {
    QStringList menus;
    for (QAction* menu : window->menuBar()->actions())
        menus << menu->text();
    EXPECT_EQ(menus, QStringList({"&File", "&Edit", "&View", "&Help"}));
    EXPECT_EQ(Menu("mnuExit")->text(), "E&xit");
    EXPECT_EQ(Menu("mnuViewStatusBar")->text(), "Status &Bar");
    EXPECT_EQ(Menu("mnuHelpAbout")->text(), "&About ");
    EXPECT_EQ(window->windowTitle(), "Vantor");

    const char* keys[] = {
        "Open",      "Print",       "PrintFile", "View Large Icons", "View Small Icons",
        "View List", "View Details"};
    const char* tips[] = {"Open CCF",         "Print",     "Reports",     "View Large Icons",
                          "View Small Icons", "View List", "View Details"};
    for (int i = 0; i < 7; ++i) {
        QAction* button = window->ToolButton(keys[i]);
        ASSERT_NE(button, nullptr) << keys[i];
        EXPECT_EQ(button->toolTip(), tips[i]);
        EXPECT_FALSE(button->icon().isNull()) << keys[i];
    }

    EXPECT_EQ(window->ListView().ViewMode(), lvwReport);
    window->ToolButton("View Large Icons")->trigger();
    EXPECT_EQ(window->ListView().ViewMode(), lvwIcon);
    EXPECT_EQ(window->ListView().currentWidget(), &window->ListView().IconView());
    EXPECT_EQ(window->ListView().IconView().iconSize(), QSize(32, 32));
    QList<QAction*> modes = window->findChildren<QAction*>("mnuListViewMode");
    ASSERT_EQ(modes.size(), 4);
    modes[2]->trigger();
    EXPECT_EQ(window->ListView().ViewMode(), lvwList);
    EXPECT_EQ(window->ListView().IconView().iconSize(), QSize(16, 16));
    window->ToolButton("View Details")->trigger();
    EXPECT_EQ(window->ListView().currentWidget(), &window->ListView().DetailsView());
}

// A name too long for its pane can be read: the tree scrolls sideways and
// shows a cut name whole as a tool tip; the details columns fit their texts.
TEST_F(MainWindow, CutTextsCanBeRead) {
    window->show();
    float x = 1500, y = 3000; // the narrowest tree
    window->SizeControls(x, y);
    window->OpenFile(Sample);
    QTreeWidget& tree = Tree();
    QApplication::processEvents();
    EXPECT_GE(tree.columnWidth(0), static_cast<QAbstractItemView&>(tree).sizeHintForColumn(0));
    EXPECT_GT(tree.horizontalScrollBar()->maximum(), 0);

    const auto tipAt = [](QAbstractItemView& view, const QRect& item) {
        QToolTip::hideText(); // hides after a moment
        for (int wait = 0; wait < 50 && QToolTip::isVisible(); ++wait)
            QTest::qWait(20);
        const QPoint at = item.topLeft() + QPoint(20, item.height() / 2);
        QHelpEvent help(QEvent::ToolTip, at, view.viewport()->mapToGlobal(at));
        QApplication::sendEvent(view.viewport(), &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    EXPECT_EQ(tipAt(tree, tree.visualItemRect(Root())), Root()->text(0));
    x = 4000;
    window->SizeControls(x, y);
    EXPECT_EQ(tipAt(tree, tree.visualItemRect(Child(Root(), "Home"))), "") << "shown whole";

    // A button's state icons: the "Type" column fits "Inactive Unselected Icon".
    QTreeWidgetItem* devices = Child(Root(), "Devices");
    QTreeWidgetItem* panel = Child(Child(devices, "TV"), "TV");
    ASSERT_NE(panel, nullptr);
    QTreeWidgetItem* button = nullptr;
    for (int i = 0; i < panel->childCount() && !button; ++i)
        if (panel->child(i)->text(0).startsWith("Button: ") && panel->child(i)->childCount() > 1)
            button = panel->child(i);
    ASSERT_NE(button, nullptr);
    Click(button);
    QTreeView& details = window->ListView().DetailsView();
    ASSERT_GT(window->ListView().Model().rowCount(), 0);
    for (int column = 0; column < window->ListView().Model().columnCount(); ++column)
        EXPECT_GE(details.columnWidth(column),
                  static_cast<QAbstractItemView&>(details).sizeHintForColumn(column))
            << column;
}

TEST_F(MainWindow, CommandsHaveThePlatformsStandardKeys) {
    const std::pair<const char*, QKeySequence::StandardKey> keys[] = {
        {"mnuFileOpen", QKeySequence::Open},
        {"mnuFileClose", QKeySequence::Close},
        {"mnuReports", QKeySequence::Print},
        {"mnuEditFind", QKeySequence::Find},
        {"mnuExit", QKeySequence::Quit}};
    for (const auto& [name, key] : keys) {
        ASSERT_NE(Menu(name), nullptr) << name;
        EXPECT_FALSE(Menu(name)->shortcut().isEmpty()) << name;
        if (!QKeySequence(key).isEmpty()) { // a platform may have no key for one
            EXPECT_EQ(Menu(name)->shortcut(), QKeySequence(key)) << name;
        }
    }
}

TEST_F(MainWindow, SettingsHaveDefaultsAreWrittenAtExitAndReadAtStart) {
    // Nothing stored: 6500 by 6500 twips, both splitters in the middle.
    EXPECT_NEAR(PixelsToTwips(window->width(), window.get()), 6500, 15);
    EXPECT_NEAR(window->SplitterVLeft(), PixelsToTwips(window->width(), window.get()) / 2, 1);
    EXPECT_NEAR(window->SplitterHTop(), PixelsToTwips(window->height(), window.get()) / 2, 1);

    window->DialogFileName() = Sample;
    window->resize(TwipsToPixels(9000, window.get()), TwipsToPixels(7000, window.get()));
    float x = 4000, y = 3000;
    window->SizeControls(x, y);
    window->close();
    EXPECT_NEAR(Setting("MainWidth").toString().toFloat(), 9000, 15);
    EXPECT_NEAR(Setting("MainHeight").toString().toFloat(), 7000, 15);
    EXPECT_EQ(Setting("SplitterVLeft").toString(), "4000");
    EXPECT_EQ(Setting("SplitterHTop").toString(), "3000");
    EXPECT_EQ(Setting("FileName").toString(), Sample);

    Create();
    EXPECT_NEAR(PixelsToTwips(window->width(), window.get()), 9000, 15);
    EXPECT_FLOAT_EQ(window->SplitterVLeft(), 4000);
    EXPECT_FLOAT_EQ(window->SplitterHTop(), 3000);
    EXPECT_EQ(window->DialogFileName(), Sample);

    // A stored width under 3000 twips is widened; a value that is no number
    // falls back to its default.
    window.reset();
    {
        QSettings settings(QStringLiteral("Vantor"), QStringLiteral("Vantor"));
        settings.setValue("Settings/MainWidth", "2000");
        settings.setValue("Settings/MainHeight", "tall");
    }
    Create();
    EXPECT_NEAR(PixelsToTwips(window->width(), window.get()), 3000, 15);
    EXPECT_NEAR(PixelsToTwips(window->height(), window.get()), 6500, 15);
}

TEST_F(MainWindow, SplittersClampWhileDraggingAndAgainInTheLayout) {
    window->show();
    const float W = PixelsToTwips(window->width(), window.get());
    // Drag the vertical splitter far left: the bar stops at 500, the layout at 1500.
    window->SplitterMouseDown(true);
    EXPECT_TRUE(window->SplitterDragging());
    QWidget* bar = window->findChild<QWidget*>("picSplitter");
    EXPECT_TRUE(bar->isVisible());
    window->SplitterMouseMove(true, 200 - window->SplitterVLeft());
    EXPECT_EQ(bar->x(), TwipsToPixels(500, window.get()));
    window->SplitterMouseUp(true);
    EXPECT_FALSE(bar->isVisible());
    EXPECT_FLOAT_EQ(window->SplitterVLeft(), 1500);
    EXPECT_EQ(window->TreeView().width(), TwipsToPixels(1500, window.get()));
    EXPECT_EQ(window->ListView().x(), TwipsToPixels(1540, window.get()));

    // Far right: the layout keeps 1500 twips from the right edge.
    window->SplitterMouseDown(true);
    window->SplitterMouseMove(true, W);
    window->SplitterMouseUp(true);
    EXPECT_FLOAT_EQ(window->SplitterVLeft(), W - 1500);

    // The horizontal splitter through the grip's own mouse events.
    QWidget* grip = window->findChild<QWidget*>("imgSplitterH");
    const float top = window->SplitterHTop();
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), grip->mapToGlobal(QPointF(2, 2)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(grip, &press);
    const int down = TwipsToPixels(300, window.get());
    QMouseEvent move(QEvent::MouseMove, QPointF(2, down), grip->mapToGlobal(QPointF(2, down)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(grip, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, down),
                        grip->mapToGlobal(QPointF(2, down)), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(grip, &release);
    EXPECT_NEAR(window->SplitterHTop(), top + 300, 15);
    EXPECT_NEAR(window->DisplayPane().y() - (window->ListView().y() + window->ListView().height()),
                TwipsToPixels(40, window.get()), 1);

    // Hiding the status bar lets the tree reach the bottom of the client area.
    const int treeBottom = window->TreeView().geometry().bottom();
    window->findChild<QAction*>("mnuViewStatusBar")->trigger();
    EXPECT_GT(window->TreeView().geometry().bottom(), treeBottom);
}

TEST_F(MainWindow, ThePanesFitBetweenTheBarsAndFollowThemWhenHidden) {
    window->show();
    const int titles = TwipsToPixels(300, window.get());
    QWidget& tree = window->TreeView();
    const auto treeTop = [&] { return tree.mapTo(window.get(), QPoint(0, 0)).y(); };
    const auto treeBottom = [&] { return treeTop() + tree.height(); };
    const int menu = window->menuBar()->height();
    EXPECT_NEAR(treeTop(), menu + window->ToolBar().height() + titles, 1);
    EXPECT_NEAR(treeBottom(), window->statusBar()->y(), 1);

    // Without the toolbar the tree starts right below the caption strip;
    // without the status bar it reaches the bottom of the window.
    window->findChild<QAction*>("mnuViewToolbar")->trigger();
    EXPECT_FALSE(window->ToolBar().isVisible());
    EXPECT_NEAR(treeTop(), menu + titles, 1);
    window->findChild<QAction*>("mnuViewStatusBar")->trigger();
    EXPECT_NEAR(treeBottom(), window->height(), 1);
    EXPECT_EQ(window->findChild<QWidget*>("lblTitle0")->width(), tree.width());
}

TEST_F(MainWindow, AMinimizedWindowAtExitKeepsTheStoredGeometry) {
    window->resize(TwipsToPixels(8000, window.get()), window->height());
    window->close();
    Create();
    window->show();
    window->setWindowState(Qt::WindowMinimized);
    ASSERT_TRUE(window->isMinimized());
    window->DialogFileName() = Sample;
    window->close();
    EXPECT_NEAR(Setting("MainWidth").toString().toFloat(), 8000, 15);
    EXPECT_EQ(Setting("FileName").toString(), Sample); // the file name is written all the same
}

TEST(NodeImages, EveryKeyHasItsOwnPictureInBothSizes) {
    QList<QImage> seen;
    for (const QString& key : NodeImageKeys()) {
        const QIcon small = NodeImage(key, false);
        const QIcon large = NodeImage(key, true);
        ASSERT_FALSE(small.isNull()) << key.toStdString();
        EXPECT_EQ(small.availableSizes(), QList<QSize>({QSize(16, 16)}));
        EXPECT_EQ(large.availableSizes(), QList<QSize>({QSize(32, 32)}));
        const QImage picture = small.pixmap(16, 16).toImage();
        EXPECT_FALSE(seen.contains(picture)) << key.toStdString() << " looks like another image";
        seen << picture;
    }
    EXPECT_EQ(seen.size(), 13);
    EXPECT_TRUE(NodeImage("NoSuchKey", false).isNull());
}

// A quick look at the windows without an X server (the README's screenshots
// come from the running program, scripts/screenshots): with
// VANTOR_SCREENSHOT=FOLDER, the window with the sample open and a panel
// selected is written to FOLDER/main-window.png and the panel viewer to
// FOLDER/viewer.png.
TEST(MainWindowScreenshot, WritesTheWindowsWhenAsked) {
    const QString folder = QString::fromLocal8Bit(qgetenv("VANTOR_SCREENSHOT"));
    if (folder.isEmpty()) GTEST_SKIP() << "set VANTOR_SCREENSHOT to write the screenshots";
    frmMain window;
    frmFrame viewer(window.Browser());
    window.SetViewer(&viewer);
    viewer.show();
    window.resize(900, 600);
    window.show();
    float x = 4200, y = 4200;
    window.SizeControls(x, y);
    window.OpenFile(Sample);
    QTreeWidget& tree = window.TreeView();
    QTreeWidgetItem* devices = tree.topLevelItem(0)->child(2);
    QTreeWidgetItem* device = devices->child(0);
    devices->setExpanded(true);
    device->setExpanded(true);
    QTreeWidgetItem* panel = device->child(9);
    tree.setCurrentItem(panel);
    emit tree.itemClicked(panel, 0);
    EXPECT_TRUE(window.grab().save(folder + QStringLiteral("/main-window.png")));
    EXPECT_TRUE(viewer.grab().save(folder + QStringLiteral("/viewer.png")));
}

} // namespace
