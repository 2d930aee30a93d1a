#include "frmSplash.h"

#include "ProgramLogo.h"
#include "UiVersion.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QPointer<frmSplash> aboutBox;

QLabel* AddLabel(QVBoxLayout* layout, const QString& text, double points, bool bold) {
    auto* label = new QLabel(text);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    label->setFont(font);
    label->setAlignment(Qt::AlignHCenter);
    layout->addWidget(label);
    return label;
}

} // namespace

frmSplash::frmSplash(bool aboutBox, QWidget* parent)
    : QDialog(parent, aboutBox ? Qt::Dialog : Qt::SplashScreen | Qt::FramelessWindowHint) {
    setWindowTitle(QStringLiteral("About Vantor"));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);

    picLogo = new QLabel;
    picLogo->setPixmap(ProgramLogo(96));
    picLogo->setAlignment(Qt::AlignHCenter);
    layout->addWidget(picLogo);
    lblProductName = AddLabel(layout, QStringLiteral("Vantor"), 27.75, true);
    // This build runs on Linux desktops.
    lblPlatform = AddLabel(layout, QStringLiteral("for Linux"), 14.25, true);
    lblVersion = AddLabel(
        layout, QStringLiteral("Version ") + QString::fromLatin1(vantor::ProgramVersion), 12, true);
    lblWarning = AddLabel(
        layout,
        QStringLiteral("Warning: no responsibility is accepted for the acuracy of the information "
                       "reported by this product."),
        8.25, false);
    lblWarning->setWordWrap(true);
    lblCompany = AddLabel(layout, QString(), 8.25, false);
    lblNotice = AddLabel(
        layout, QStringLiteral("Reads CCF files for viewing and reports; never changes them."),
        8.25, false);

    cmdOK = new QPushButton(QStringLiteral("OK"));
    QFont buttonFont(QStringLiteral("Arial"));
    buttonFont.setPointSizeF(9.75);
    cmdOK->setFont(buttonFont);
    cmdOK->setDefault(true);
    layout->addWidget(cmdOK, 0, Qt::AlignHCenter);
    cmdOK->setVisible(aboutBox);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
}

void frmSplash::ShowAbout(QWidget* parent) {
    if (aboutBox == nullptr) {
        aboutBox = new frmSplash(true, parent);
        aboutBox->setAttribute(Qt::WA_DeleteOnClose);
    }
    aboutBox->show();
    aboutBox->raise();
    aboutBox->activateWindow();
}

frmSplash* frmSplash::OpenAbout() {
    return aboutBox.data();
}
