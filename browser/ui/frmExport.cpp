#include "frmExport.h"

#include "WidgetUserInterface.h"

#include "exports/ExportOutput.h"
#include "exports/OutputNames.h"
#include "model/BusyPointer.h"
#include "session/basCCF.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace vantor;

namespace {

// At most this many lines of errors or notices in one box.
constexpr std::size_t ShownLines = 10;

// What an export says: its failures and what it left out. The messages that
// drawing a panel gives (an icon that cannot be drawn) are notices of the
// export, not boxes of their own.
class ExportMessages final : public ExportLog, public UserInterface {
public:
    explicit ExportMessages(UserInterface& ui) : ui_(ui) {}

    void Error(const std::string& text) override { errors.push_back(text); }
    void Notice(const std::string& text) override { notices.push_back(text); }
    void ShowMessage(const std::string& text) override { notices.push_back(text); }
    void SetBusy(bool busy) override { ui_.SetBusy(busy); }

    static std::string Lines(const std::vector<std::string>& lines) {
        std::string text;
        for (std::size_t i = 0; i < lines.size() && i < ShownLines; ++i)
            text += "\n" + lines[i];
        if (lines.size() > ShownLines)
            text += "\n... and " + std::to_string(lines.size() - ShownLines) + " more";
        return text;
    }

    std::vector<std::string> errors, notices;

private:
    UserInterface& ui_;
};

bool IsPictureExport(ExportFormat format) {
    return format == ExportFormat::IconPictures || format == ExportFormat::PanelPictures;
}

} // namespace

frmExport::frmExport(basCCF& browser, WidgetUserInterface& ui, const NoticeSpool* loadNotices,
                     QWidget* parent)
    : QDialog(parent), browser_(browser), ui_(ui), loadNotices_(loadNotices),
      file_(browser.BrowserFiles, browser.CurrentFile()) {
    const QString shownName = QFileInfo(QString::fromStdString(file_.FileName())).fileName();
    setWindowTitle(shownName.isEmpty() ? QStringLiteral("Export")
                                       : QStringLiteral("Export - %1").arg(shownName));
    setModal(false);

    cboFormat = new QComboBox(this);
    for (const ExportFormatEntry& entry : ExportFormats()) {
        const QString label = *entry.Label != '\0'
                                  ? QString::fromLatin1(entry.Label)
                                  : QString::fromLatin1(entry.Option).mid(2); // "ir-codes"
        cboFormat->addItem(label, static_cast<int>(entry.Format));
    }
    txtOutput = new QLineEdit(this);
    txtOutput->setMinimumWidth(360);
    cmdBrowse = new QPushButton(QStringLiteral("Browse..."), this);
    cboPictureFormat = new QComboBox(this);
    cboPictureFormat->addItem(QStringLiteral("BMP"), static_cast<int>(PictureFormat::Bmp));
    cboPictureFormat->addItem(QStringLiteral("PNG"), static_cast<int>(PictureFormat::Png));
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);

    auto* grid = new QGridLayout(this);
    auto* formatLabel = new QLabel(QStringLiteral("&Export:"), this);
    formatLabel->setBuddy(cboFormat);
    grid->addWidget(formatLabel, 0, 0, 1, 2);
    grid->addWidget(cboFormat, 1, 0, 1, 2);
    auto* outputLabel = new QLabel(QStringLiteral("&Output to:"), this);
    outputLabel->setBuddy(txtOutput);
    grid->addWidget(outputLabel, 2, 0, 1, 2);
    grid->addWidget(txtOutput, 3, 0);
    grid->addWidget(cmdBrowse, 3, 1);
    lblPictureFormat_ = new QLabel(QStringLiteral("&Picture format:"), this);
    lblPictureFormat_->setBuddy(cboPictureFormat);
    auto* pictures = new QHBoxLayout;
    pictures->addWidget(lblPictureFormat_);
    pictures->addWidget(cboPictureFormat);
    pictures->addStretch(1);
    grid->addLayout(pictures, 4, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    grid->addLayout(buttons, 5, 0, 1, 2);

    connect(cboFormat, &QComboBox::currentIndexChanged, this, &frmExport::FormatSelected);
    connect(cmdBrowse, &QPushButton::clicked, this, &frmExport::Browse);
    connect(cmdOK, &QPushButton::clicked, this, &frmExport::Ok);
    connect(cmdCancel, &QPushButton::clicked, this, &frmExport::reject);
    FormatSelected();
}

std::string frmExport::ProposedOutput(const std::string& input, const ExportFormatEntry& entry) {
    return OutputPath(input, std::string(), entry.Suffix);
}

void frmExport::SelectFormat(ExportFormat format) {
    cboFormat->setCurrentIndex(cboFormat->findData(static_cast<int>(format)));
}

ExportFormat frmExport::SelectedFormat() const {
    return static_cast<ExportFormat>(cboFormat->currentData().toInt());
}

void frmExport::FormatSelected() {
    const ExportFormatEntry& entry = EntryOf(SelectedFormat());
    txtOutput->setText(QString::fromStdString(ProposedOutput(file_.FileName(), entry)));
    const bool pictures = IsPictureExport(entry.Format);
    lblPictureFormat_->setVisible(pictures);
    cboPictureFormat->setVisible(pictures);
}

void frmExport::Browse() {
    const ExportFormatEntry& entry = EntryOf(SelectedFormat());
    QString chosen;
    if (!entry.OneFile) { // a folder of files
        chosen = QFileDialog::getExistingDirectory(this, QStringLiteral("Export to Folder"),
                                                   QFileInfo(txtOutput->text()).absolutePath());
    } else {
        const QString suffix = QFileInfo(txtOutput->text()).suffix();
        chosen = QFileDialog::getSaveFileName(
            this, QStringLiteral("Export to File"), txtOutput->text(),
            QStringLiteral("%1 (*.%2)").arg(cboFormat->currentText(), suffix));
    }
    if (!chosen.isEmpty()) txtOutput->setText(chosen);
}

void frmExport::Ok() {
    const std::string destination = txtOutput->text().toStdString();
    if (destination.empty()) {
        ui_.ShowMessage("Output file name must be entered");
        return;
    }
    if (Run(EntryOf(SelectedFormat()), destination)) accept();
}

bool frmExport::Run(const ExportFormatEntry& entry, const std::string& destination) {
    CCFlocal* file = file_.Get();
    if (file == nullptr) {
        ui_.ShowMessage("The file " + file_.FileName() + " was closed; it cannot be exported.");
        reject();
        return false;
    }
    ExportMessages messages(ui_);
    ExportOptions options;
    options.Pictures = static_cast<PictureFormat>(cboPictureFormat->currentData().toInt());
    const ExportSource source{
        .File = file->CCF(), .Ui = &messages, .Local = file, .LoadNotices = loadNotices_};
    const kelpie::CCFfile& input = file->CCF().CCFfile();
    ExportOutput output(BoundsFor(input.FileName(), input.FileSize()), messages);
    bool written = false;
    {
        BusyPointer busy(ui_);
        written = entry.Write(source, options, destination, output);
    }
    if (!written || !messages.errors.empty()) {
        ui_.ShowError("Error writing the export" + ExportMessages::Lines(messages.errors));
        return false;
    }
    if (!messages.notices.empty())
        ui_.ShowMessage("The export left out what it could not read:" +
                        ExportMessages::Lines(messages.notices));
    emit Exported(QStringLiteral("%1 exported to %2")
                      .arg(cboFormat->currentText(), QString::fromStdString(destination)));
    return true;
}
