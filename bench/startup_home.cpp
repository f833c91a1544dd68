// Ocuvance from process start to its first window, or on to the Home
// switchboard: the program's own start of a run, then "Start" on the welcome
// screen and "Next" with the terms accepted. Reports the moment each window
// it stops at is shown and painted: with "1" the welcome screen, then exits;
// otherwise the welcome screen, then Home.

#include <QApplication>
#include <QPushButton>
#include <cstring>

#include "application.h"
#include "exposed.h"
#include "shell/controls.h"
#include "shell/navigator.h"

int main(int argc, char* argv[]) {
    const bool firstOnly = argc > 1 && std::strcmp(argv[1], "1") == 0;
    QApplication app(argc, argv);
    QWidget* welcome = ocu::startRun(app);
    waitUntilPainted(welcome);
    reportShown();
    if (firstOnly) return 0;
    ocu::press(welcome->findChild<QPushButton*>(QStringLiteral("Command1")));
    ocu::Navigator& screens = ocu::Navigator::instance();
    QWidget* terms = screens.find(QStringLiteral("Terms"));
    waitUntilPainted(terms);
    ocu::press(terms->findChild<QPushButton*>(QStringLiteral("Command1")));
    waitUntilPainted(screens.find(QStringLiteral("SBoard")));
    reportShown();
    return 0;
}
