// Vantor, the desktop program: start-up.
#include "ProgramLogo.h"
#include "basMain.h"

#include <QApplication>
#include <QIcon>

#if __has_include("frmMain.h")
#include "frmMain.h"
#endif

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantor"));
    QApplication::setDesktopFileName(QStringLiteral("vantor"));
    QApplication::setWindowIcon(QIcon(ProgramLogo(64)));
#if __has_include("frmMain.h")
    const auto windows = StartUp<frmMain>();
    // The viewer closes with the main window, which then ends the program.
    return application.exec();
#else
    // The main window is not in this build yet.
    return 0;
#endif
}
