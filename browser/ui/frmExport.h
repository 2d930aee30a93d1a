// The export dialog (File > Export...): what vantor-report exports, from the
// same table of formats and through the same writers, so the files, their
// names and the rules that protect the user's files are the same: the IR
// codes as CSV or JSON, the object graph as JSON, the byte map, the icons and
// the panels as pictures. Like the report dialog it is bound to the file that
// was current when it opened and names it in its caption.
#pragma once

#include "exports/ExportFormats.h"
#include "session/BoundFile.h"

#include <QDialog>

#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vantor {
class basCCF;
class NoticeSpool;
class WidgetUserInterface;
} // namespace vantor

class frmExport : public QDialog {
    Q_OBJECT
public:
    // `loadNotices`: the notices of the file's load, for the JSON graph that
    // lists them (may be null).
    frmExport(vantor::basCCF& browser, vantor::WidgetUserInterface& ui,
              const vantor::NoticeSpool* loadNotices, QWidget* parent = nullptr);

    // The output the dialog proposes for a format: the file beside the input
    // named as vantor-report names it, or the folder of a picture export.
    static std::string ProposedOutput(const std::string& input,
                                      const vantor::ExportFormatEntry& entry);

    // Selects a format by its entry in the table.
    void SelectFormat(vantor::ExportFormat format);
    vantor::ExportFormat SelectedFormat() const;

    QComboBox* cboFormat = nullptr;
    QLineEdit* txtOutput = nullptr;
    QPushButton* cmdBrowse = nullptr;
    QComboBox* cboPictureFormat = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

signals:
    // An export was written; says what and where, for the status bar.
    void Exported(const QString& summary);

private:
    void FormatSelected();
    void Browse();
    void Ok();
    bool Run(const vantor::ExportFormatEntry& entry, const std::string& destination);

    vantor::basCCF& browser_;
    vantor::WidgetUserInterface& ui_;
    const vantor::NoticeSpool* loadNotices_;
    vantor::BoundFile file_;
    QLabel* lblPictureFormat_ = nullptr;
};
