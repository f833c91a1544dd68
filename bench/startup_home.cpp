// Ocuvance from process start to the Home switchboard shown: the welcome
// screen, "Start", the terms screen, "Next" with the terms accepted.

#include <QApplication>
#include <QPushButton>

#include "exposed.h"
#include "shell/controls.h"
#include "shell/navigator.h"
#include "shell/screenregistry.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ocu::registerAllScreens();
    ocu::Navigator& screens = ocu::Navigator::instance();
    QWidget* welcome = screens.open(QStringLiteral("Form_PD"));
    waitUntilExposed(welcome);
    ocu::press(welcome->findChild<QPushButton*>(QStringLiteral("Command1")));
    QWidget* terms = screens.find(QStringLiteral("Terms"));
    waitUntilExposed(terms);
    ocu::press(terms->findChild<QPushButton*>(QStringLiteral("Command1")));
    waitUntilExposed(screens.find(QStringLiteral("SBoard")));
    return 0;
}
