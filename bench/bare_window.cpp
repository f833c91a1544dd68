// Baseline: a bare Qt Widgets program that shows one window and leaves.

#include <QApplication>
#include <QWidget>

#include "exposed.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(720, 500);
    window.show();
    waitUntilExposed(&window);
    reportShown();
    return 0;
}
