// The program's message boxes and busy pointer, and the box that shows the
// notices of a load. The boxes go through a presenter so that tests can
// answer them without a modal loop.
#pragma once

#include "model/Sinks.h"

#include <QString>

#include <memory>

class QWidget;

namespace vantor {

// Shows the boxes. The default one uses modal message boxes.
class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    virtual void Message(QWidget* parent, const QString& text) = 0;
    // Shows one notice; returns true when the user asked to hide the
    // remaining notices of the same load.
    virtual bool Notice(QWidget* parent, const QString& text) = 0;
    // A failure; by default shown as any other message.
    virtual void Error(QWidget* parent, const QString& text) { Message(parent, text); }
    // A yes-or-no question; true for yes. A presenter that cannot ask says yes.
    virtual bool Question(QWidget*, const QString&) { return true; }
    // The name of a file to write, starting from `proposed`; "" when the
    // user cancels (as a presenter that cannot ask does).
    virtual QString SaveFileName(QWidget*, const QString& /*title*/, const QString& /*proposed*/,
                                 const QString& /*filter*/) {
        return {};
    }
};

// Modal boxes with one OK button: messages with the information icon,
// notices with the warning icon and the check box "Hide the remaining notices
// of this file", errors with the critical icon. Questions offer Yes and No,
// No being the default.
class BoxPresenter final : public MessagePresenter {
public:
    void Message(QWidget* parent, const QString& text) override;
    bool Notice(QWidget* parent, const QString& text) override;
    void Error(QWidget* parent, const QString& text) override;
    bool Question(QWidget* parent, const QString& text) override;
    QString SaveFileName(QWidget* parent, const QString& title, const QString& proposed,
                         const QString& filter) override;
};

class WidgetUserInterface final : public UserInterface {
public:
    explicit WidgetUserInterface(QWidget* parent);
    ~WidgetUserInterface() override;

    void ShowMessage(const std::string& text) override;
    void ShowError(const std::string& text) override;
    bool Ask(const QString& question);
    QString AskSaveFileName(const QString& title, const QString& proposed, const QString& filter);
    // Busy scopes nest; the pointer is restored when the outermost ends.
    void SetBusy(bool busy) override;
    bool Busy() const noexcept { return busyDepth_ > 0; }

    // Starts a new load: its notices show again.
    void BeginLoad() noexcept { hideNotices_ = false; }
    // The library's notice handler: one box per notice until the user hides
    // the rest of this load.
    void ShowNotice(const std::string& text);

    void SetPresenter(std::unique_ptr<MessagePresenter> presenter);

private:
    // Runs a box with the normal pointer even inside a busy scope.
    template <class Show> auto WithNormalPointer(Show show);

    QWidget* parent_;
    std::unique_ptr<MessagePresenter> presenter_;
    int busyDepth_ = 0;
    bool hideNotices_ = false;
};

} // namespace vantor
