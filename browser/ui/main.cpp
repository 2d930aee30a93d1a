// Vantor, the desktop program: start-up. The files named on the command line
// (a file manager's "Open with" passes them so) open once the windows are up.
#include "ProgramLogo.h"
#include "basMain.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>

#include "frmMain.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantor"));
    QApplication::setDesktopFileName(QStringLiteral("vantor"));
    QApplication::setWindowIcon(QIcon(ProgramLogo(64)));
    const auto windows = StartUp<frmMain>();
    const QStringList files = FileArguments(QApplication::arguments());
    if (!files.isEmpty())
        QTimer::singleShot(0, windows.Main.get(),
                           [&windows, files] { windows.Main->OpenFiles(files); });
    // The viewer closes with the main window, which then ends the program.
    return application.exec();
}
