#include "frmReports.h"

#include "exports/OutputNames.h"
#include "session/basCCF.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

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

// Runs one report of the current file and shows the current item again.
bool RunReport(basCCF& browser, const std::function<bool(CCFlocal&)>& dump) {
    CCFlocal* file = browser.CurrentFile();
    if (file == nullptr) {
        // The file was closed while the dialog stayed open.
        browser.Ui.ShowMessage("No CCF file is open");
        return false;
    }
    const bool written = dump(*file);
    browser.ShowDisplay(browser.CurrentTag);
    return written;
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

bool frmReports::RunFullReport(basCCF& browser, const std::string& outputFile, bool showPositions,
                               ReportFormat format) {
    return RunReport(browser, [&](CCFlocal& file) {
        return DumpCCF(browser.Tools(format), file, outputFile, showPositions);
    });
}
bool frmReports::RunErrorsReport(basCCF& browser, const std::string& outputFile,
                                 ReportFormat format) {
    return RunReport(browser, [&](CCFlocal& file) {
        return DumpErrors(browser.Tools(format), file, outputFile);
    });
}
bool frmReports::RunIconsReport(basCCF& browser, const std::string& outputFile,
                                ReportFormat format) {
    return RunReport(browser, [&](CCFlocal& file) {
        return DumpIcons(browser.Tools(format), file, outputFile);
    });
}
bool frmReports::RunPanelsReport(basCCF& browser, const std::string& outputFile,
                                 ReportFormat format) {
    return RunReport(browser, [&](CCFlocal& file) {
        return DumpPanels(browser.Tools(format), file, outputFile);
    });
}
bool frmReports::RunIRCodesReport(basCCF& browser, const std::string& outputFile,
                                  ReportFormat format) {
    return RunReport(browser, [&](CCFlocal& file) {
        return DumpIRCodes(browser.Tools(format), file, outputFile);
    });
}

frmReports::frmReports(basCCF& browser, QString& dialogFileName, QWidget* parent)
    : QDialog(parent), browser_(browser), dialogFileName_(dialogFileName) {
    setWindowTitle(QStringLiteral("Reports"));
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
    chkShowPositions = new QCheckBox(this);
    lblShowPositions = new QLabel(QStringLiteral("Show Summary of Positions"), this);
    lblShowPositions->setBuddy(chkShowPositions);
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
    auto* positions = new QHBoxLayout;
    positions->addWidget(chkShowPositions);
    positions->addWidget(lblShowPositions, 1);
    grid->addLayout(positions, 4, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    grid->addLayout(buttons, 5, 0, 1, 2);

    baseName_ = BaseNameOf(browser_.CurrentFileName());
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
    lblShowPositions->setVisible(index == FullReport);
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
    const ReportFormat format = Format();
    switch (cboReport->currentIndex()) {
    case 0:
        RunFullReport(browser_, output, chkShowPositions->isChecked(), format);
        break;
    case 1:
        RunErrorsReport(browser_, output, format);
        break;
    case 2:
        RunIconsReport(browser_, output, format);
        break;
    case 3:
        RunPanelsReport(browser_, output, format);
        break;
    case 4:
        RunIRCodesReport(browser_, output, format);
        break;
    default:
        browser_.Ui.ShowMessage("Internal error - unrecognised report");
        return;
    }
    accept();
}

ReportFormat frmReports::Format() const {
    return ChosenFormat(*cboFormat).Format;
}
