#include "WidgetUserInterface.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QMessageBox>

namespace vantor {

void BoxPresenter::Message(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, QStringLiteral("Vantor"), text, QMessageBox::Ok);
}

bool BoxPresenter::Notice(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Vantor"), text, QMessageBox::Ok, parent);
    // Owned by the box.
    auto* hideRest = new QCheckBox(QStringLiteral("Hide the remaining notices of this file"));
    box.setCheckBox(hideRest);
    box.exec();
    return hideRest->isChecked();
}

void BoxPresenter::Error(QWidget* parent, const QString& text) {
    QMessageBox::critical(parent, QStringLiteral("Vantor"), text, QMessageBox::Ok);
}

bool BoxPresenter::Question(QWidget* parent, const QString& text) {
    return QMessageBox::question(parent, QStringLiteral("Vantor"), text,
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

QString BoxPresenter::SaveFileName(QWidget* parent, const QString& title, const QString& proposed,
                                   const QString& filter) {
    return QFileDialog::getSaveFileName(parent, title, proposed, filter);
}

WidgetUserInterface::WidgetUserInterface(QWidget* parent)
    : parent_(parent), presenter_(std::make_unique<BoxPresenter>()) {}

WidgetUserInterface::~WidgetUserInterface() {
    while (busyDepth_ > 0)
        SetBusy(false);
}

template <class Show> auto WidgetUserInterface::WithNormalPointer(Show show) {
    const bool busy = Busy();
    if (busy) QApplication::setOverrideCursor(Qt::ArrowCursor);
    struct Restore {
        bool Active;
        ~Restore() {
            if (Active) QApplication::restoreOverrideCursor();
        }
    } restore{busy};
    return show();
}

void WidgetUserInterface::ShowMessage(const std::string& text) {
    WithNormalPointer([&] { presenter_->Message(parent_, QString::fromStdString(text)); });
}

void WidgetUserInterface::ShowError(const std::string& text) {
    WithNormalPointer([&] { presenter_->Error(parent_, QString::fromStdString(text)); });
}

bool WidgetUserInterface::Ask(const QString& question) {
    return WithNormalPointer([&] { return presenter_->Question(parent_, question); });
}

QString WidgetUserInterface::AskSaveFileName(const QString& title, const QString& proposed,
                                             const QString& filter) {
    return WithNormalPointer(
        [&] { return presenter_->SaveFileName(parent_, title, proposed, filter); });
}

void WidgetUserInterface::SetBusy(bool busy) {
    if (busy) {
        if (busyDepth_++ == 0) QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (busyDepth_ > 0) {
        if (--busyDepth_ == 0) QApplication::restoreOverrideCursor();
    }
}

void WidgetUserInterface::ShowNotice(const std::string& text) {
    if (hideNotices_) return;
    if (WithNormalPointer(
            [&] { return presenter_->Notice(parent_, QString::fromStdString(text)); }))
        hideNotices_ = true;
}

void WidgetUserInterface::SetPresenter(std::unique_ptr<MessagePresenter> presenter) {
    if (presenter) presenter_ = std::move(presenter);
}

} // namespace vantor
