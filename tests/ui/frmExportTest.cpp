// File > Export: every format of the export table, written by the same code
// as vantor-report and so byte for byte its golden outputs, under the same
// names, with the same refusal to write over the input.
#include "frmExport.h"
#include "MainWindowFixture.h"

#include "exports/OutputNames.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>

namespace {

using namespace vantor;
using namespace vantor::testing;

const QString Golden = QStringLiteral(KELPIE_SOURCE_DIR "/tests/golden/samples/");

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct Export : MainWindow {
    // A new dialog, as File > Export... opens it.
    frmExport& Dialog() {
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // the last one
        Menu("mnuFileExport")->trigger();
        auto* dialog = window->findChild<frmExport*>();
        EXPECT_NE(dialog, nullptr);
        return *dialog;
    }
};

TEST_F(Export, WritesWhatTheCommandLineWritesUnderItsNames) {
    const QString input = Copy("colour-v3.ccf");
    window->OpenFile(input);
    for (const ExportFormatEntry& entry : ExportFormats()) {
        frmExport& dialog = Dialog();
        EXPECT_EQ(dialog.windowTitle(), "Export - colour-v3.ccf");
        dialog.SelectFormat(entry.Format);
        const QString output =
            QString::fromStdString(OutputPath(input.toStdString(), "", entry.Suffix));
        EXPECT_EQ(dialog.txtOutput->text(), output) << entry.Option;
        dialog.cmdOK->click();
        ASSERT_TRUE(answers.Errors.isEmpty()) << answers.Errors.join("\n").toStdString();
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_TRUE(window->statusBar()->currentMessage().endsWith(output));

        const QString golden = Golden + QFileInfo(output).fileName();
        if (QFileInfo(golden).isDir()) {
            const QStringList files = QDir(golden).entryList(QDir::Files);
            EXPECT_EQ(QDir(output).entryList(QDir::Files), files) << entry.Option;
            for (const QString& file : files)
                EXPECT_EQ(Bytes(output + "/" + file), Bytes(golden + "/" + file))
                    << file.toStdString();
        } else if (QFileInfo::exists(golden)) {
            // The JSON documents name the input as it was given.
            QByteArray bytes = Bytes(output);
            bytes.replace("\"file\": \"" + input.toUtf8() + "\"", "\"file\": \"colour-v3.ccf\"");
            EXPECT_EQ(bytes, Bytes(golden)) << entry.Option;
        } else {
            EXPECT_TRUE(QFileInfo::exists(output)) << entry.Option; // a format without golden file
        }
    }
}

TEST_F(Export, NeverWritesOverTheInput) {
    const QString input = Copy("colour-v3.ccf");
    const QByteArray bytes = Bytes(input);
    window->OpenFile(input);
    frmExport& dialog = Dialog();
    dialog.SelectFormat(ExportFormat::IRCodesCsv);
    dialog.txtOutput->setText(input);
    dialog.cmdOK->click();
    EXPECT_EQ(answers.Errors, QStringList{"Error writing the export\nthe output " + input +
                                          " is the input file itself"});
    EXPECT_EQ(Bytes(input), bytes);
    // Pictures may be PNG; the choice shows only for the pictures.
    EXPECT_FALSE(dialog.cboPictureFormat->isVisibleTo(&dialog));
    dialog.SelectFormat(ExportFormat::IconPictures);
    EXPECT_TRUE(dialog.cboPictureFormat->isVisibleTo(&dialog));
    dialog.cboPictureFormat->setCurrentText("PNG");
    dialog.txtOutput->setText(folder.filePath("icons"));
    dialog.cmdOK->click();
    EXPECT_FALSE(QDir(folder.filePath("icons")).entryList({"icon-*.png"}).isEmpty());
}

} // namespace
