// The program's start-up: the splash stays in sight while the main window
// and the panel viewer are made, then both windows are shown.
#pragma once

#include "frmFrame.h"
#include "frmSplash.h"

#include <QApplication>
#include <QStringList>
#include <QUrl>

#include <memory>

// The files named by the program's arguments (the first is the program):
// paths, or file URLs as some file managers pass them.
inline QStringList FileArguments(const QStringList& arguments) {
    QStringList files;
    for (const QString& argument : arguments.mid(1)) {
        const QUrl url(argument, QUrl::StrictMode);
        files << (url.isLocalFile() ? url.toLocalFile() : argument);
    }
    return files;
}

// The windows of a running program, made by StartUp.
template <class MainWindow> struct ProgramWindows {
    std::unique_ptr<MainWindow> Main;
    std::unique_ptr<frmFrame> Viewer;
};

// `MainWindow` is the main window's class (a template so the order can be
// checked with a stand-in). No file is opened here: the files given on the
// command line open once the windows are up (see main). At the first start,
// with no position stored, the viewer goes beside the main window rather
// than over its panes.
template <class MainWindow> ProgramWindows<MainWindow> StartUp() {
    frmSplash splash(false);
    splash.show();
    splash.repaint();
    QApplication::processEvents();

    ProgramWindows<MainWindow> windows;
    windows.Main = std::make_unique<MainWindow>();
    windows.Viewer = std::make_unique<frmFrame>(windows.Main->Browser());
    windows.Main->SetViewer(windows.Viewer.get());
    if (!frmFrame::HasStoredPosition()) windows.Viewer->PlaceBeside(*windows.Main);
    splash.close();

    windows.Main->show();
    windows.Viewer->show();
    return windows;
}
