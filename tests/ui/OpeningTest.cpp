// How files come in: the question before a file that is not a CCF file, the
// command line, a drop on the window, and the recent files.
#include "MainWindowFixture.h"
#include "RecentFiles.h"
#include "basMain.h"

#include <QApplication>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

namespace {

using namespace vantor::testing;

// A file whose header does not identify it as a CCF file would give a box for
// nearly every record; one question comes first, and No opens nothing.
TEST_F(MainWindow, AFileThatIsNoCcfFileIsOpenedOnlyWhenTheUserSaysSo) {
    const QString text =
        Write("notes.ccf", QByteArray("Shopping list\nmilk\nbread\n").repeated(80));
    const QString tiny = Write("tiny.ccf", QByteArray("CCF"));
    for (const QString& file : {text, tiny}) {
        answers.Questions.clear();
        answers.Yes = false;
        EXPECT_FALSE(window->OpenFile(file));
        EXPECT_EQ(answers.Questions,
                  QStringList{QFileInfo(file).fileName() +
                              " does not look like a CCF file. Open it anyway?"});
        EXPECT_EQ(Tree().topLevelItemCount(), 0);
        EXPECT_TRUE(answers.Notices.isEmpty());
        EXPECT_TRUE(answers.Errors.isEmpty());
    }
    // Yes loads it: its notices and its error, as any damaged file gives.
    answers.Yes = true;
    answers.HideAfterFirstNotice = true;
    window->OpenFile(text);
    EXPECT_EQ(answers.Questions.size(), 2);
    EXPECT_LE(answers.Notices.size(), 1);
    EXPECT_TRUE(Tree().topLevelItemCount() == 1 || answers.Errors.size() == 1);
    // A CCF file is not asked about.
    answers.Questions.clear();
    window->OpenFile(Sample);
    EXPECT_TRUE(answers.Questions.isEmpty());
}

// The files on the command line (paths or file URLs, as file managers pass
// them) open in turn; the last is current.
TEST_F(MainWindow, CommandLineFilesOpenInTurn) {
    const QString first = Copy("first.ccf"), second = Copy("second.ccf");
    const QStringList files = FileArguments(
        {"vantor", first, QUrl::fromLocalFile(second).toString(), "relative name.ccf"});
    EXPECT_EQ(files, QStringList({first, second, "relative name.ccf"}));
    window->OpenFiles(files.mid(0, 2));
    ASSERT_EQ(Tree().topLevelItemCount(), 2);
    EXPECT_EQ(Tree().currentItem(), Root(1));
    EXPECT_EQ(Root(1)->text(0), second);
}

// Files dropped on the window open; anything else is refused.
TEST_F(MainWindow, DroppedFilesOpen) {
    window->show();
    const QString first = Copy("first.ccf"), second = Copy("second.ccf");
    const struct {
        QList<QUrl> Urls;
        bool Accepted;
    } drops[] = {
        {{QUrl("https://example.org/remote.ccf")}, false},
        {{QUrl::fromLocalFile(first), QUrl::fromLocalFile(second)}, true},
    };
    for (const auto& drop : drops) {
        QMimeData data;
        data.setUrls(drop.Urls);
        const QPoint at = window->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &enter);
        EXPECT_EQ(enter.isAccepted(), drop.Accepted);
        if (!drop.Accepted) continue;
        QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &dropped);
        QApplication::processEvents();
    }
    ASSERT_EQ(Tree().topLevelItemCount(), 2);
    EXPECT_EQ(Root(0)->text(0), first);
    EXPECT_EQ(Root(1)->text(0), second);
}

// The eight files opened last, newest first, kept in the settings; a file
// that is gone is taken out of the list with a message.
TEST_F(MainWindow, RecentFilesKeepTheLastEight) {
    QStringList opened;
    for (int i = 1; i <= 9; ++i) {
        opened.prepend(Copy(QStringLiteral("remote %1.ccf").arg(i)));
        window->OpenFile(opened.front());
    }
    opened.removeLast();
    EXPECT_EQ(window->Recent().Files(), opened);
    window.reset();
    Create();
    EXPECT_EQ(window->Recent().Files(), opened) << "read from the settings";
    auto* menu = window->findChild<QMenu*>("mnuFileRecent");
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->actions().first()->text(), "&1 " + opened.front());

    // Choosing an entry opens it and makes it the newest.
    menu->actions().at(2)->trigger();
    ASSERT_EQ(Tree().topLevelItemCount(), 1);
    EXPECT_EQ(Root()->text(0), opened[2]);
    EXPECT_EQ(window->Recent().Files().front(), opened[2]);

    const QString gone = window->Recent().Files().at(1);
    QFile::remove(gone);
    menu->actions().at(1)->trigger();
    EXPECT_EQ(answers.Messages, QStringList{"The file " + gone +
                                            " no longer exists. It was removed from the recent "
                                            "files."});
    EXPECT_FALSE(window->Recent().Files().contains(gone));
    EXPECT_EQ(window->Recent().Files().size(), 7);
    EXPECT_EQ(Tree().topLevelItemCount(), 1);
}

} // namespace
