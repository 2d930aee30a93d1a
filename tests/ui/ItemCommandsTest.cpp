// What a node's or row's context menu offers, and what its commands copy or
// write.
#include "ItemCommands.h"
#include "MainWindowFixture.h"
#include "frmFrame.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QMenu>
#include <QPushButton>
#include <QTextEdit>

namespace {

using namespace vantor::testing;

struct ItemMenu : MainWindow {
    QStringList Offered() {
        QMenu menu;
        window->Items().AddTo(menu);
        QStringList texts;
        for (QAction* action : menu.actions())
            if (action->isVisible()) texts << action->text();
        return texts;
    }
    QTreeWidgetItem* Find(QTreeWidgetItem* under, const QString& prefix) {
        for (int i = 0; i < under->childCount(); ++i) {
            QTreeWidgetItem* child = under->child(i);
            if (child->text(0).startsWith(prefix)) return child;
            if (QTreeWidgetItem* found = Find(child, prefix)) return found;
        }
        return nullptr;
    }
};

TEST_F(ItemMenu, OffersWhatTheItemShownHas) {
    window->OpenFile(Sample);
    QTreeWidgetItem* tv = Child(Child(Root(), "Devices"), "TV");
    const struct {
        QTreeWidgetItem* Node;
        QStringList Offered;
    } items[] = {
        {Root(), {"Copy &Description"}},
        {tv, {"Copy &Description"}},
        {Child(tv, "TV"), {"&Save Picture As...", "Copy &Description"}},
        {Find(tv, "Frame: "), {"&Save Picture As...", "Copy &Description"}},
        {Find(tv, "Button: "), {"&Save Picture As...", "Copy &Description"}},
        {Find(Root(), "[C] IR Code: "), {"Copy as &Pronto hex", "Copy &Description"}},
        {Child(Root(), "Home Icon"), {"&Save Picture As...", "Copy &Description"}},
    };
    for (const auto& item : items) {
        ASSERT_NE(item.Node, nullptr);
        window->SelectNode(item.Node);
        EXPECT_EQ(Offered(), item.Offered) << item.Node->text(0).toStdString();
    }
    // A list row is the same item as its node.
    window->SelectNode(tv);
    ClickRow(0);
    EXPECT_EQ(Offered(), QStringList({"&Save Picture As...", "Copy &Description"}));
}

TEST_F(ItemMenu, CopiesTheDescriptionAndSavesTheViewersPicture) {
    frmFrame viewer(window->Browser());
    window->SetViewer(&viewer);
    const QString input = Copy("remote.ccf");
    window->OpenFile(input);
    QTreeWidgetItem* tv = Child(Child(Root(), "Devices"), "TV");
    window->SelectNode(tv);
    EXPECT_FALSE(viewer.cmdSavePicture->isEnabled()) << "a device has no picture";
    window->Items().CopyDescription();
    EXPECT_EQ(QApplication::clipboard()->text(), window->DisplayPane().toPlainText());

    window->SelectNode(Child(tv, "TV"));
    ASSERT_TRUE(viewer.cmdSavePicture->isEnabled());
    const std::string position = CurrentTag().substr(CurrentTag().rfind('/') + 1);
    answers.SaveAs = folder.filePath("tv.png");
    viewer.cmdSavePicture->click();
    EXPECT_EQ(answers.SaveProposed, QFileInfo(input).dir().filePath(
                                        QString::fromStdString("panel-" + position + ".png")));
    const QImage saved(answers.SaveAs);
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32),
              window->Browser().Canvas.Image().convertToFormat(QImage::Format_RGB32));

    // The input is never written over.
    QFile original(input);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    const QByteArray bytes = original.readAll();
    answers.SaveAs = input;
    EXPECT_FALSE(window->Items().SavePictureAs());
    EXPECT_EQ(answers.Errors, QStringList{"Error writing output file\nthe output " + input +
                                          " is the input file itself"});
    original.seek(0);
    EXPECT_EQ(original.readAll(), bytes);
}

} // namespace
