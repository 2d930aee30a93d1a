// How files come in: the question before a file that is not a CCF file.
#include "MainWindowFixture.h"

#include <QFileInfo>

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

} // namespace
