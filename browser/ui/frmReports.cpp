#include "frmReports.h"

#include "exports/OutputNames.h"
#include "session/basCCF.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>

#include <functional>

using vantor::basCCF;
using vantor::CCFlocal;
using vantor::ReportFormat;

namespace {

struct ReportEntry {
    const char* Name;
    vantor::ReportKinds Kind; // its suffix follows the base name in the default output name
};

// In list order; the full report is the only one with the positions summary.
constexpr ReportEntry Reports[] = {
    {"Full Report", vantor::rkFull},        {"Errors Report", vantor::rkErrors},
    {"Icons Report", vantor::rkIcons},      {"Panels Report", vantor::rkPanels},
    {"IR Codes Report", vantor::rkIRCodes},
};
constexpr int FullReport = 0;

// The document formats, in list order, with the file dialog's filter.
struct FormatEntry {
    const char* Name;
    ReportFormat Format;
    const char* Filter;
    const char* Suffix;
};
constexpr FormatEntry Formats[] = {
    {"Rich Text (RTF)", ReportFormat::Rtf, "Rich Text Files (*.rtf)", "rtf"},
    {"Web Page (HTML)", ReportFormat::Html, "Web Pages (*.html)", "html"},
};

// The chosen format's entry (RTF while none is chosen).
const FormatEntry& ChosenFormat(const QComboBox& box) {
    const int index = box.currentIndex();
    return Formats[index > 0 && index < static_cast<int>(std::size(Formats)) ? index : 0];
}

// Runs one report of `file` and shows the current item again, its names in
// the remote's font as the pane always declares it.
bool RunReport(basCCF& browser, CCFlocal& file, const std::function<bool(CCFlocal&)>& dump) {
    const bool written = dump(file);
    browser.Writer.SetPlainNameFont(false);
    browser.ShowDisplay(browser.CurrentTag);
    return written;
}

const QString PlainNameFontKey = QStringLiteral("Settings/PlainNameFont");

QSettings ProgramSettings() {
    return QSettings(QStringLiteral("Vantor"), QStringLiteral("Vantor"));
}

} // namespace

std::string frmReports::BaseNameOf(const std::string& fileName) {
    const std::size_t slash = fileName.find_last_of('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t dot = fileName.find_last_of('.');
    // A dot in a folder name, or one that starts the name (a hidden file), is
    // not an extension.
    if (dot == std::string::npos || dot <= nameStart) return fileName;
    return fileName.substr(0, dot);
}

bool frmReports::RunFullReport(basCCF& browser, CCFlocal& file, const std::string& outputFile,
                               bool showPositions, ReportFormat format) {
    return RunReport(browser, file, [&](CCFlocal& f) {
        return DumpCCF(browser.Tools(format), f, outputFile, showPositions);
    });
}
bool frmReports::RunErrorsReport(basCCF& browser, CCFlocal& file, const std::string& outputFile,
                                 ReportFormat format) {
    return RunReport(browser, file,
                     [&](CCFlocal& f) { return DumpErrors(browser.Tools(format), f, outputFile); });
}
bool frmReports::RunIconsReport(basCCF& browser, CCFlocal& file, const std::string& outputFile,
                                ReportFormat format) {
    return RunReport(browser, file,
                     [&](CCFlocal& f) { return DumpIcons(browser.Tools(format), f, outputFile); });
}
bool frmReports::RunPanelsReport(basCCF& browser, CCFlocal& file, const std::string& outputFile,
                                 ReportFormat format) {
    return RunReport(browser, file,
                     [&](CCFlocal& f) { return DumpPanels(browser.Tools(format), f, outputFile); });
}
bool frmReports::RunIRCodesReport(basCCF& browser, CCFlocal& file, const std::string& outputFile,
                                  ReportFormat format) {
    return RunReport(browser, file, [&](CCFlocal& f) {
        return DumpIRCodes(browser.Tools(format), f, outputFile);
    });
}

frmReports::frmReports(basCCF& browser, QString& dialogFileName, QWidget* parent)
    : QDialog(parent), browser_(browser), dialogFileName_(dialogFileName),
      file_(browser.BrowserFiles, browser.CurrentFile()) {
    const QString shownName = QFileInfo(QString::fromStdString(file_.FileName())).fileName();
    setWindowTitle(shownName.isEmpty() ? QStringLiteral("Reports")
                                       : QStringLiteral("Reports - %1").arg(shownName));
    setModal(false);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(9.75);
    setFont(font);

    auto* label4 = new QLabel(QStringLiteral("Select Report:"), this);
    cboReport = new QComboBox(this);
    cboReport->setEditable(false);
    cboFormat = new QComboBox(this);
    cboFormat->setEditable(false);
    for (const auto& format : Formats)
        cboFormat->addItem(QString::fromLatin1(format.Name));
    auto* label3 = new QLabel(QStringLiteral("Output to File:"), this);
    txtOutput = new QLineEdit(this);
    txtOutput->setMinimumWidth(320);
    cmdBrowse = new QPushButton(QStringLiteral("Browse..."), this);
    // The check boxes carry their own texts, so that clicking a text ticks its box.
    chkShowPositions = new QCheckBox(QStringLiteral("Show Summary of Positions"), this);
    chkPlainNameFont = new QCheckBox(QStringLiteral("Names in a plain font"), this);
    chkPlainNameFont->setToolTip(
        QStringLiteral("Declare the names' font as an ordinary text font: without the remote's "
                       "own font installed, names then read as text instead of symbols"));
    chkPlainNameFont->setChecked(ProgramSettings().value(PlainNameFontKey).toBool());
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);

    auto* grid = new QGridLayout(this);
    grid->addWidget(label4, 0, 0, 1, 2);
    grid->addWidget(cboReport, 1, 0);
    grid->addWidget(cboFormat, 1, 1);
    grid->addWidget(label3, 2, 0, 1, 2);
    grid->addWidget(txtOutput, 3, 0);
    grid->addWidget(cmdBrowse, 3, 1);
    grid->addWidget(chkShowPositions, 4, 0, 1, 2);
    grid->addWidget(chkPlainNameFont, 5, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    grid->addLayout(buttons, 6, 0, 1, 2);

    baseName_ = BaseNameOf(file_.FileName());
    for (const ReportEntry& report : Reports)
        cboReport->addItem(QString::fromLatin1(report.Name));
    cboReport->setCurrentIndex(FullReport);
    ReportSelected();

    connect(cboReport, &QComboBox::activated, this, &frmReports::ReportSelected);
    connect(cboFormat, &QComboBox::activated, this, &frmReports::ReportSelected);
    connect(cmdBrowse, &QPushButton::clicked, this, &frmReports::Browse);
    connect(cmdOK, &QPushButton::clicked, this, &frmReports::Ok);
    connect(cmdCancel, &QPushButton::clicked, this, &frmReports::reject);
}

void frmReports::ReportSelected() {
    const int index = cboReport->currentIndex();
    if (index < 0 || index >= static_cast<int>(std::size(Reports))) {
        browser_.Ui.ShowMessage("Internal error - unrecognised report");
        return;
    }
    txtOutput->setText(
        QString::fromStdString(baseName_ + ReportSuffix(Reports[index].Kind, Format())));
    chkShowPositions->setVisible(index == FullReport);
    // A web page shows names in an ordinary font already.
    chkPlainNameFont->setEnabled(Format() == ReportFormat::Rtf);
    dialogFileName_ = txtOutput->text();
}

void frmReports::Browse() {
    const FormatEntry& format = ChosenFormat(*cboFormat);
    QFileDialog dialog(this, QStringLiteral("Output to File"), dialogFileName_,
                       QString::fromLatin1(format.Filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QString::fromLatin1(format.Suffix));
    dialog.selectFile(dialogFileName_);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString chosen = dialog.selectedFiles().constFirst();
    if (chosen.isEmpty()) return;
    dialogFileName_ = chosen;
    txtOutput->setText(chosen);
}

void frmReports::Ok() {
    const std::string output = txtOutput->text().toStdString();
    if (output.empty()) {
        browser_.Ui.ShowMessage("Output file name must be entered");
        return;
    }
    CCFlocal* file = file_.Get();
    if (file == nullptr) {
        browser_.Ui.ShowMessage("The file " + file_.FileName() +
                                " was closed; its report cannot be written.");
        reject();
        return;
    }
    const bool plain = chkPlainNameFont->isChecked();
    ProgramSettings().setValue(PlainNameFontKey, plain);
    // The writer is shared with the display pane, which keeps the remote's
    // font, also when a report ends with an exception.
    struct NamesFont {
        vantor::RtfWriter& Writer;
        ~NamesFont() { Writer.SetPlainNameFont(false); }
    } restore{browser_.Writer};
    browser_.Writer.SetPlainNameFont(plain);
    const ReportFormat format = Format();
    switch (cboReport->currentIndex()) {
    case 0:
        RunFullReport(browser_, *file, output, chkShowPositions->isChecked(), format);
        break;
    case 1:
        RunErrorsReport(browser_, *file, output, format);
        break;
    case 2:
        RunIconsReport(browser_, *file, output, format);
        break;
    case 3:
        RunPanelsReport(browser_, *file, output, format);
        break;
    case 4:
        RunIRCodesReport(browser_, *file, output, format);
        break;
    default:
        browser_.Ui.ShowMessage("Internal error - unrecognised report");
        break;
    }
    accept();
}

ReportFormat frmReports::Format() const {
    return ChosenFormat(*cboFormat).Format;
}
