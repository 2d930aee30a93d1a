// The report dialog: default output names, the positions option, the empty
// name, and a report written with the display pane shown again afterwards.
#include "frmReports.h"
#include "UiSample.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTest>

#include <csignal>
#include <filesystem>

#include <sys/resource.h>

using namespace vantor::testing;

namespace {

struct ReportDialog : UiSample {
    QString dialogFileName;

    static void Choose(frmReports& dialog, const QString& report) {
        dialog.cboReport->setCurrentText(report);
        emit dialog.cboReport->activated(dialog.cboReport->currentIndex());
    }
};

} // namespace

TEST(ReportBaseName, DropsOnlyTheLastExtensionOfTheFileItself) {
    EXPECT_EQ(frmReports::BaseNameOf("/home/user/My.Files/home.ccf"), "/home/user/My.Files/home");
    EXPECT_EQ(frmReports::BaseNameOf("/remotes/living.room.ccf"), "/remotes/living.room");
    EXPECT_EQ(frmReports::BaseNameOf(".hidden/x"), ".hidden/x");
    EXPECT_EQ(frmReports::BaseNameOf("/remotes/home"), "/remotes/home");
    EXPECT_EQ(frmReports::BaseNameOf("/remotes/.home"), "/remotes/.home")
        << "a hidden file's dot is no extension";
    EXPECT_EQ(frmReports::BaseNameOf("home.ccf"), "home");
    EXPECT_EQ(frmReports::BaseNameOf(""), "");
}

TEST_F(ReportDialog, DefaultNamesFollowTheChosenReport) {
    OpenSample();
    const QString base = QString::fromStdString(PathOf("grey-v2"));
    frmReports dialog(browser, dialogFileName);
    EXPECT_EQ(dialog.windowTitle(), "Reports - grey-v2.ccf");
    EXPECT_FALSE(dialog.isModal());
    ASSERT_EQ(dialog.cboReport->count(), 5);
    EXPECT_EQ(dialog.cboReport->currentText(), "Full Report");
    EXPECT_EQ(dialog.txtOutput->text(), base + ".rtf");
    EXPECT_EQ(dialogFileName, base + ".rtf") << "the file dialog follows";
    dialog.show();
    EXPECT_TRUE(dialog.chkShowPositions->isVisible());
    EXPECT_FALSE(dialog.chkShowPositions->isChecked());
    // A click on the box's text ticks it.
    QCheckBox& box = *dialog.chkShowPositions;
    EXPECT_EQ(box.text(), "Show Summary of Positions");
    QTest::mouseClick(&box, Qt::LeftButton, {},
                      QPoint(box.sizeHint().width() - 10, box.height() / 2));
    EXPECT_TRUE(box.isChecked());

    const std::pair<const char*, const char*> reports[] = {{"Errors Report", " Errors.rtf"},
                                                           {"Icons Report", " Icons.rtf"},
                                                           {"Panels Report", " Panels.rtf"},
                                                           {"IR Codes Report", " IR Codes.rtf"}};
    for (const auto& [report, suffix] : reports) {
        Choose(dialog, report);
        EXPECT_EQ(dialog.txtOutput->text(), base + suffix);
        EXPECT_EQ(dialogFileName, base + suffix);
        EXPECT_FALSE(dialog.chkShowPositions->isVisible()) << report;
    }
    Choose(dialog, "Full Report");
    EXPECT_TRUE(dialog.chkShowPositions->isVisible());
    EXPECT_TRUE(ui.Messages.empty());
}

TEST_F(ReportDialog, TheWebPageFormatNamesAndWritesAnHtmlFile) {
    OpenSample();
    const QString base = QString::fromStdString(PathOf("grey-v2"));
    frmReports dialog(browser, dialogFileName);
    ASSERT_EQ(dialog.cboFormat->count(), 2);
    dialog.cboFormat->setCurrentText("Web Page (HTML)");
    emit dialog.cboFormat->activated(dialog.cboFormat->currentIndex());
    Choose(dialog, "Errors Report");
    EXPECT_EQ(dialog.txtOutput->text(), base + " Errors.html");
    QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
    const std::string page = ReadFile(PathOf("grey-v2 Errors.html"));
    EXPECT_TRUE(page.starts_with("<!DOCTYPE html>")) << page.substr(0, 40);
    EXPECT_NE(page.find("<h1 id=\"file\">Errors Report </h1>"), std::string::npos);
    EXPECT_TRUE(ui.Messages.empty());
}

TEST_F(ReportDialog, AnEmptyNameKeepsTheDialogOpenAndWritesNothing) {
    OpenSample();
    frmReports dialog(browser, dialogFileName);
    dialog.show();
    dialog.txtOutput->clear();
    QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
    EXPECT_EQ(ui.Messages, std::vector<std::string>{"Output file name must be entered"});
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(std::filesystem::exists(PathOf("grey-v2.rtf")));

    QTest::mouseClick(dialog.cmdCancel, Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(std::filesystem::exists(PathOf("grey-v2.rtf")));
}

TEST_F(ReportDialog, OkWritesTheReportAndShowsTheSameItemAgain) {
    OpenSample();
    const std::string panel = TagOf("P", "TV");
    browser.ShowDisplay(panel);
    const std::string shown = display.Document;

    frmReports dialog(browser, dialogFileName);
    dialog.show();
    dialog.chkShowPositions->setChecked(true);
    QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    const auto report = Lines(ReadFile(PathOf("grey-v2.rtf")));
    ASSERT_GT(report.size(), 10u);
    EXPECT_EQ(report.back(), "\\par }");
    EXPECT_TRUE(std::any_of(report.begin(), report.end(), [](const std::string& line) {
        return line.find("Structure Positions: ") != std::string::npos;
    })) << "the positions summary was asked for";
    EXPECT_EQ(browser.CurrentTag, panel);
    EXPECT_EQ(display.Document, shown);

    // Each focused report through its own runner, with the title it must carry.
    const std::pair<const char*, const char*> focused[] = {{"Errors Report", "Errors"},
                                                           {"Icons Report", "Icons"},
                                                           {"Panels Report", "Panels"},
                                                           {"IR Codes Report", "IR Codes"}};
    for (const auto& [entry, suffix] : focused) {
        frmReports runner(browser, dialogFileName);
        Choose(runner, entry);
        QTest::mouseClick(runner.cmdOK, Qt::LeftButton);
        const auto lines = Lines(ReadFile(PathOf(std::string("grey-v2 ") + suffix + ".rtf")));
        ASSERT_GT(lines.size(), 2u) << entry;
        EXPECT_EQ(lines[1], std::string("\\par {\\fs40 ") + suffix + " Report }") << entry;
        EXPECT_EQ(display.Document, shown) << entry;
    }
    EXPECT_TRUE(ui.Messages.empty());
}

TEST_F(ReportDialog, AFileClosedWhileTheDialogIsOpenIsSaidSo) {
    OpenSample();
    frmReports dialog(browser, dialogFileName);
    browser.CloseCurrentCCF();
    OpenSample("grey-v1.ccf"); // another file is current now
    QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
    EXPECT_EQ(ui.Messages, std::vector<std::string>{"The file " + PathOf("grey-v2.ccf") +
                                                    " was closed; its report cannot be written."});
    EXPECT_FALSE(std::filesystem::exists(PathOf("grey-v2.rtf")));
    EXPECT_FALSE(std::filesystem::exists(PathOf("grey-v1.rtf")));
}

// The dialog writes the report of the file it was opened for, under that
// file's name, whatever is selected meanwhile.
TEST_F(ReportDialog, ReportsTheFileItWasOpenedFor) {
    OpenSample("grey-v1.ccf");
    const std::string first = browser.CurrentTag;
    OpenSample("grey-v2.ccf");
    browser.ShowDisplay(first);
    frmReports dialog(browser, dialogFileName);
    EXPECT_EQ(dialog.windowTitle(), "Reports - grey-v1.ccf");
    OpenSample("colour-v3.ccf"); // now current
    QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
    const std::string report = ReadFile(PathOf("grey-v1.rtf"));
    EXPECT_NE(report.find("grey-v1.ccf"), std::string::npos);
    EXPECT_EQ(report.find("colour-v3.ccf"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(PathOf("colour-v3.rtf")));
}

// "Names in a plain font" declares the names' font as a text font in the
// report only, and is remembered for the next dialog.
TEST_F(ReportDialog, NamesInAPlainFontIsRemembered) {
    QSettings("Vantor", "Vantor").remove("Settings/PlainNameFont");
    OpenSample();
    const std::string symbolFont = "{\\f2\\fswiss\\fprq2\\fcharset2 Pronto;}";
    const std::string plainFont = "{\\f2\\fswiss\\fprq2\\fcharset0 Pronto;}";
    for (const bool plain : {true, false}) {
        frmReports dialog(browser, dialogFileName);
        EXPECT_EQ(dialog.chkPlainNameFont->isChecked(), !plain) << "the last choice";
        dialog.chkPlainNameFont->setChecked(plain);
        QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
        const std::string header = Lines(ReadFile(PathOf("grey-v2.rtf"))).front();
        EXPECT_NE(header.find(plain ? plainFont : symbolFont), std::string::npos) << plain;
        EXPECT_NE(display.Document.find(symbolFont), std::string::npos)
            << "the pane keeps the remote's font";
    }
    QSettings("Vantor", "Vantor").remove("Settings/PlainNameFont");
}

// The dialog writes through the same careful output as the command line: it
// refuses the open file as its output, and a write that fails (a full
// device; a file size limit standing in for a full disk) says so and leaves
// the previous report as it was.
TEST_F(ReportDialog, TheInputAndAnOlderReportSurviveAFailedWrite) {
    OpenSample();
    const std::string input = PathOf("grey-v2.ccf"), previous = PathOf("old.rtf");
    const std::string bytes = ReadFile(input);
    WriteFile(previous, {'o', 'l', 'd'});
    std::filesystem::create_symlink("/dev/full", PathOf("full.rtf"));
    const struct {
        std::string Output, Message;
        rlim_t SizeLimit;
    } cases[] = {
        {input, "Error opening output file\nthe output " + input + " is the input file itself",
         RLIM_INFINITY},
        {PathOf("no folder/x.rtf"),
         "Error opening output file\ncannot write " + PathOf("no folder/x.rtf") +
             ": No such file or directory",
         RLIM_INFINITY},
        {PathOf("full.rtf"),
         "Error writing output file\ncannot write " + PathOf("full.rtf") +
             ": No space left on device",
         RLIM_INFINITY},
        {previous, "Error writing output file\ncannot write " + previous + ": File too large",
         1024},
    };
    std::signal(SIGXFSZ, SIG_IGN);
    for (const auto& [output, message, sizeLimit] : cases) {
        ui.Messages.clear();
        frmReports dialog(browser, dialogFileName);
        dialog.txtOutput->setText(QString::fromStdString(output));
        rlimit unlimited{};
        getrlimit(RLIMIT_FSIZE, &unlimited);
        rlimit limited = unlimited;
        limited.rlim_cur = sizeLimit;
        setrlimit(RLIMIT_FSIZE, &limited);
        QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
        setrlimit(RLIMIT_FSIZE, &unlimited);
        EXPECT_EQ(ui.Messages, std::vector<std::string>{message});
    }
    std::signal(SIGXFSZ, SIG_DFL);
    EXPECT_EQ(ReadFile(input), bytes);
    EXPECT_TRUE(std::filesystem::is_symlink(PathOf("full.rtf")));
    EXPECT_EQ(ReadFile(previous), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(PathOf("")), {}), 3)
        << "a temporary file was left";
}
