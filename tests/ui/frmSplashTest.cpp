// The splash and about box, and the start-up order of the windows.
#include "frmSplash.h"
#include "basMain.h"

#include "model/RecordingSinks.h"
#include "session/basCCF.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

QStringList Texts(const frmSplash& splash) {
    return {splash.lblProductName->text(), splash.lblPlatform->text(), splash.lblVersion->text(),
            splash.lblWarning->text(),     splash.lblCompany->text(),  splash.lblNotice->text()};
}

frmSplash* VisibleSplash() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* splash = qobject_cast<frmSplash*>(widget); splash && splash->isVisible())
            return splash;
    return nullptr;
}

// A main window that notes what it saw while it was made.
class StandInMain : public QMainWindow {
public:
    StandInMain() { splashWhileMade = VisibleSplash() != nullptr; }
    vantor::basCCF& Browser() { return browser; }
    void SetViewer(frmFrame* viewer) {
        this->viewer = viewer;
        viewerBeforeShown = !isVisible() && !viewer->isVisible();
    }

    vantor::RecordingTree tree;
    vantor::RecordingList list;
    vantor::RecordingDisplay display;
    vantor::RecordingUserInterface ui;
    vantor::basCCF browser{tree, list, display, ui};
    frmFrame* viewer = nullptr;
    bool splashWhileMade = false;
    bool viewerBeforeShown = false;
};

} // namespace

TEST(Splash, AboutBoxShowsTheSplashTextsAndItsOkButton) {
    frmSplash splash(false);
    splash.show();
    EXPECT_FALSE(splash.cmdOK->isVisible());
    EXPECT_EQ(splash.lblProductName->text(), "Vantor");
    EXPECT_EQ(splash.lblPlatform->text(), "for Linux");
    EXPECT_EQ(splash.lblVersion->text(), "Version 3.0.0");
    EXPECT_EQ(splash.lblWarning->text(),
              "Warning: no responsibility is accepted for the acuracy of the "
              "information reported by this product.");
    EXPECT_EQ(splash.lblCompany->text(), "");
    EXPECT_FALSE(splash.lblNotice->text().isEmpty());
    EXPECT_FALSE(splash.picLogo->pixmap().isNull());

    frmSplash::ShowAbout(nullptr);
    frmSplash* about = frmSplash::OpenAbout();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(Texts(*about), Texts(splash));
    EXPECT_TRUE(about->cmdOK->isVisible());
    about->cmdOK->click();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(frmSplash::OpenAbout(), nullptr) << "OK closes and frees the box";
}

TEST(Splash, ThereIsNeverMoreThanOneAboutBox) {
    frmSplash::ShowAbout(nullptr);
    frmSplash* first = frmSplash::OpenAbout();
    frmSplash::ShowAbout(nullptr);
    EXPECT_EQ(frmSplash::OpenAbout(), first);
    int open = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        open += qobject_cast<frmSplash*>(widget) != nullptr && widget->isVisible();
    EXPECT_EQ(open, 1);
    first->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(StartUp, SplashWhileTheWindowsAreMadeThenBothShownWithNothingOpen) {
    const auto windows = StartUp<StandInMain>();
    EXPECT_TRUE(windows.Main->splashWhileMade);
    EXPECT_TRUE(windows.Main->viewerBeforeShown)
        << "the viewer is handed over before anything is shown";
    EXPECT_EQ(windows.Main->viewer, windows.Viewer.get());
    EXPECT_EQ(VisibleSplash(), nullptr) << "the splash is gone";
    EXPECT_TRUE(windows.Main->isVisible());
    EXPECT_TRUE(windows.Viewer->isVisible());
    EXPECT_EQ(windows.Main->browser.BrowserFiles.Count(), 0);
    const QImage canvas = windows.Main->browser.Canvas.Image();
    EXPECT_EQ(canvas.pixelColor(0, 0), QColor(Qt::white));
    EXPECT_EQ(canvas.pixelColor(239, 218), QColor(Qt::white));
}
