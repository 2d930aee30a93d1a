// vantor-report: runs without a display, on Qt's offscreen platform unless
// the caller chose another.
#include "ReportCommand.h"

#include <QGuiApplication>
#include <QtGlobal>

#include <cstdlib>
#include <iostream>

namespace {
// Standard error carries the command's notices and errors in a fixed form;
// Qt's own chatter (such as a missing runtime directory) stays out of it
// unless it is critical.
void QtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << "vantor-report: " << message.toStdString() << "\n";
}
} // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(QtMessages);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication application(argc, argv);
    const std::vector<std::string> args(argv + 1, argv + argc);
    return vantor::RunReportCommand(args, std::cout, std::cerr);
}
