// Vantor, the desktop program: start-up.
#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    return 0;
}
