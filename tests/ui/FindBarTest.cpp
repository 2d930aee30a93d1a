// The find bar: names, Pronto hex and decodes of every open file, next and
// previous, highlighting, and each match shown as a click shows it.
#include "FindBar.h"
#include "ItemCommands.h"
#include "MainWindowFixture.h"
#include "NodeSearch.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

using namespace vantor;
using namespace vantor::testing;

TEST(FindQuery, HexWordsAreFoundWithOrWithoutSpaces) {
    const std::pair<const char*, const char*> queries[] = {
        {"0000 006d", "0000 006D"},
        {"0000006D", "0000 006D"},
        {" 5000 ", "5000"},
        {"00", ""},
        {"Vol +", ""},
        {"006D 00", ""},
    };
    for (const auto& [text, hex] : queries)
        EXPECT_EQ(MakeFindQuery(text).Hex, hex) << text;
    EXPECT_EQ(SearchedName("F", "Frame: Top"), "Top");
    EXPECT_EQ(SearchedName("C", "[C] IR Code: TV Power"), "TV Power");
    EXPECT_EQ(SearchedName("I", "Inactive Selected Icon"), "Inactive Selected");
    EXPECT_EQ(SearchedName("L", "Guide Action List"), "") << "action lists are not searched";
}

TEST(FindQuery, DecodesAreFoundPhraseByPhrase) {
    const QString nec = QStringLiteral("NEC1, device 4, function 8, 38.0 kHz");
    const std::pair<const char*, bool> queries[] = {
        {"NEC1", true},
        {"nec", true},
        {"NEC2", false},
        {"device 4", true},
        {"device 42", false},
        {"function 4", false},
        {"nec1 function 8", true},
        {"Device 4, function 8", true},
        {"4", true},
        {"38.0 kHz", true},
        {"subdevice 4", false},
        {"unknown", false},
    };
    for (const auto& [text, found] : queries)
        EXPECT_EQ(DecodeMatches(nec, MakeFindQuery(text)), found) << text;
    EXPECT_FALSE(DecodeMatches(nec, MakeFindQuery("  ")));
}

struct Find : MainWindow {
    FindBar& Bar() { return window->Find(); }
    // Types the text and presses Enter, as the user does.
    void Search(const QString& text) {
        Bar().Field().setText(text);
        QTest::keyClick(&Bar().Field(), Qt::Key_Return);
    }
    // The matches' texts from the current one on, once round.
    QStringList Matches() {
        QStringList texts;
        for (int i = 0; i < Bar().MatchCount(); ++i) {
            texts << Tree().currentItem()->text(0);
            QTest::keyClick(&Bar().Field(), Qt::Key_Return);
        }
        return texts;
    }
    bool Highlighted(QTreeWidgetItem* node) { return node->data(0, Qt::BackgroundRole).isValid(); }
};

TEST_F(Find, NamesOfEveryOpenFileNextAndPreviousEachShownAsAClickWould) {
    window->show();
    window->OpenFile(Sample);
    window->OpenFile(Copy("second.ccf", QStringLiteral(KELPIE_SOURCE_DIR "/samples/grey-v2.ccf")));
    Menu("mnuEditFind")->trigger();
    ASSERT_TRUE(Bar().isVisible());
    EXPECT_TRUE(Bar().Field().hasFocus() || !QApplication::focusWindow());

    // Devices, panels, frames, buttons and IR codes (six of each file),
    // whatever the case; the first is chosen at once.
    Search("guide");
    ASSERT_EQ(Bar().MatchCount(), 12);
    EXPECT_EQ(Bar().Status().text(), "1 of 12");
    int inSecondFile = 0;
    for (int i = 0; i < 12; ++i) {
        QTreeWidgetItem* node = Tree().currentItem();
        EXPECT_TRUE(node->text(0).contains("Guide")) << node->text(0).toStdString();
        EXPECT_EQ(CurrentTag(), TagOf(node)) << "shown";
        EXPECT_TRUE(Highlighted(node));
        QTreeWidgetItem* root = node;
        while (root->parent() != nullptr)
            root = root->parent();
        inSecondFile += root == Root(1);
        QTest::keyClick(&Bar().Field(), Qt::Key_Return);
    }
    EXPECT_EQ(inSecondFile, 6);
    EXPECT_EQ(Bar().Status().text(), "1 of 12") << "round once";
    QTest::keyClick(&Bar().Field(), Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(Bar().Status().text(), "12 of 12") << "back before the first";
    Menu("mnuEditFindNext")->trigger();
    EXPECT_EQ(Bar().Status().text(), "1 of 12");

    // Closing a file counts again; nothing found leaves the current node.
    Menu("mnuFileClose")->trigger();
    EXPECT_EQ(Bar().MatchCount(), 6);
    EXPECT_EQ(Bar().Status().text(), "6 found") << "the root shown is no match";
    QTreeWidgetItem* current = Tree().currentItem();
    Search("zzz");
    EXPECT_EQ(Bar().Status().text(), "No match");
    EXPECT_EQ(Tree().currentItem(), current);

    // Escape closes the bar and takes the highlights away.
    Search("guide");
    QTreeWidgetItem* match = Tree().currentItem();
    QTest::keyClick(&Bar().Field(), Qt::Key_Escape);
    EXPECT_FALSE(Bar().isVisible());
    EXPECT_FALSE(Highlighted(match));
}

// The Pronto hex of IR codes is searched word for word, with or without
// spaces; the hex comes from "Copy as Pronto hex".
TEST_F(Find, ProntoHexFindsTheCodesThatHoldIt) {
    window->OpenFile(Sample);
    window->Find().Open();
    Search("tv power");
    ASSERT_GT(Bar().MatchCount(), 0);
    const int uses = Bar().MatchCount();
    ASSERT_TRUE(window->Items().CopyProntoHex());
    const QString hex = QApplication::clipboard()->text();
    EXPECT_EQ(hex, "5000 0073 0000 0001 0000 000C");
    for (const QString& query : {hex, QString("0000000c"), QString("0073 0000 0001 0000 000C")}) {
        Search(query);
        EXPECT_EQ(Bar().MatchCount(), uses) << query.toStdString();
        for (const QString& text : Matches())
            EXPECT_EQ(text, "[C] IR Code: TV Power") << query.toStdString();
    }
    Search("0000 0001 000C"); // not the code's words in a row
    EXPECT_EQ(Bar().MatchCount(), 0);
}

// What a code sends finds it: the amplifier's learned codes are NEC1, the
// TV's are RC5 with the function numbers of their buttons.
TEST_F(Find, ProtocolDeviceAndFunctionFindTheCodesThatDecodeSo) {
    window->OpenFile(Sample);
    window->Find().Open();
    const std::pair<const char*, QStringList> searches[] = {
        {"NEC1", {"Amp Power", "Amp Vol-", "Amp Vol+", "Amp Mute", "Amp TV", "Amp DVD, BD"}},
        {"rc5 function 12", {"TV Power"}},
        {"RC5 device 0, function 1", {"TV 1"}},
    };
    for (const auto& [query, names] : searches) {
        Search(query);
        int uses = 0;
        for (QTreeWidgetItem* node :
             Tree().findItems("[C] IR Code: ", Qt::MatchStartsWith | Qt::MatchRecursive))
            uses += names.contains(SearchedName("C", node->text(0)));
        EXPECT_GT(uses, 0) << query;
        EXPECT_EQ(Bar().MatchCount(), uses) << query;
        for (const QString& text : Matches()) {
            const QString name = SearchedName("C", text);
            EXPECT_TRUE(names.contains(name)) << query << ": " << text.toStdString();
        }
    }
}

} // namespace
