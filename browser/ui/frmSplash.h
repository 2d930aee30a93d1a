// The splash window shown while the program starts, and the same window as
// the about box (then with its OK button).
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

class frmSplash : public QDialog {
    Q_OBJECT
public:
    explicit frmSplash(bool aboutBox, QWidget* parent = nullptr);

    // Shows the about box, or brings the open one to the front: there is
    // never more than one.
    static void ShowAbout(QWidget* parent);
    // The about box that is open, or nullptr.
    static frmSplash* OpenAbout();

    QLabel* picLogo = nullptr;
    QLabel* lblProductName = nullptr;
    QLabel* lblPlatform = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblWarning = nullptr;
    QLabel* lblCompany = nullptr;
    QLabel* lblNotice = nullptr;
    QPushButton* cmdOK = nullptr;
};
