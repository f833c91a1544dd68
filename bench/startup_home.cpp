// Ocuvance from process start to the Home switchboard shown: the program's
// own start of a run, then "Start" on the welcome screen and "Next" with the
// terms accepted. Reports the moment each of the two is shown: the welcome
// screen (its first window), then Home.

#include <QApplication>
#include <QPushButton>

#include "exposed.h"
#include "application.h"
#include "shell/controls.h"
#include "shell/navigator.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget* welcome = ocu::startRun(app);
    waitUntilExposed(welcome);
    reportShown();
    ocu::press(welcome->findChild<QPushButton*>(QStringLiteral("Command1")));
    ocu::Navigator& screens = ocu::Navigator::instance();
    QWidget* terms = screens.find(QStringLiteral("Terms"));
    waitUntilExposed(terms);
    ocu::press(terms->findChild<QPushButton*>(QStringLiteral("Command1")));
    waitUntilExposed(screens.find(QStringLiteral("SBoard")));
    reportShown();
    return 0;
}
