// Vantor, the desktop program: start-up.
#include "ProgramLogo.h"
#include "basMain.h"

#include <QApplication>
#include <QIcon>

#include "frmMain.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantor"));
    QApplication::setDesktopFileName(QStringLiteral("vantor"));
    QApplication::setWindowIcon(QIcon(ProgramLogo(64)));
    const auto windows = StartUp<frmMain>();
    // The viewer closes with the main window, which then ends the program.
    return application.exec();
}
