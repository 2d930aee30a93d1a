// The report dialog: one of the five reports of a file, as RTF or as a web
// page, written to a file the user names. It is bound to the file that was
// current when it opened, and names that file in its caption: selecting
// another file meanwhile does not change what it writes. Not modal.
#pragma once

#include "model/BrowserTypes.h"
#include "session/BoundFile.h"

#include <QDialog>
#include <QString>

#include <string>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace vantor {
class basCCF;
class CCFlocal;
} // namespace vantor

class frmReports : public QDialog {
    Q_OBJECT
public:
    // `dialogFileName` is the main window's file-dialog name, which the
    // dialog keeps up to date with the chosen output name.
    frmReports(vantor::basCCF& browser, QString& dialogFileName, QWidget* parent = nullptr);

    // The file's name without its last extension, in its own folder; a name
    // without an extension is kept whole.
    static std::string BaseNameOf(const std::string& fileName);

    // The report runners: each writes its report of `file` and then shows
    // the current item again, since the run leaves the display pane's writer
    // in report mode. False when nothing was written.
    static bool RunFullReport(vantor::basCCF& browser, vantor::CCFlocal& file,
                              const std::string& outputFile, bool showPositions,
                              vantor::ReportFormat format = vantor::ReportFormat::Rtf);
    static bool RunErrorsReport(vantor::basCCF& browser, vantor::CCFlocal& file,
                                const std::string& outputFile,
                                vantor::ReportFormat format = vantor::ReportFormat::Rtf);
    static bool RunIconsReport(vantor::basCCF& browser, vantor::CCFlocal& file,
                               const std::string& outputFile,
                               vantor::ReportFormat format = vantor::ReportFormat::Rtf);
    static bool RunPanelsReport(vantor::basCCF& browser, vantor::CCFlocal& file,
                                const std::string& outputFile,
                                vantor::ReportFormat format = vantor::ReportFormat::Rtf);
    static bool RunIRCodesReport(vantor::basCCF& browser, vantor::CCFlocal& file,
                                 const std::string& outputFile,
                                 vantor::ReportFormat format = vantor::ReportFormat::Rtf);

    QComboBox* cboReport = nullptr;
    QComboBox* cboFormat = nullptr; // RTF or a web page
    QLineEdit* txtOutput = nullptr;
    QPushButton* cmdBrowse = nullptr;
    QCheckBox* chkShowPositions = nullptr;
    // Declares the names' font as an ordinary text font, so that a reader
    // without the remote's font shows names as text; kept in the settings.
    QCheckBox* chkPlainNameFont = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

private:
    void ReportSelected();
    void Browse();
    void Ok();
    vantor::ReportFormat Format() const;

    vantor::basCCF& browser_;
    QString& dialogFileName_;
    vantor::BoundFile file_;
    std::string baseName_;
};
