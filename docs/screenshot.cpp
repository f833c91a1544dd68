// Takes the pictures of the README from the real application: passes the
// start-up screens as a user would, opens the named screen from Home's
// registry and saves its window as a PNG.
//   ocuvance_screenshot SBoard docs/images/home.png

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include "screenregistry.h"
#include "shell/controls.h"
#include "shell/navigator.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 3) {
        qCritical("usage: %s SCREEN OUTPUT.png", argv[0]);
        return 2;
    }
    ocu::registerAllScreens();
    ocu::Navigator& screens = ocu::Navigator::instance();
    QWidget* welcome = screens.open(QStringLiteral("Form_PD"));
    ocu::press(welcome->findChild<QPushButton*>(QStringLiteral("Command1")));
    ocu::press(screens.find(QStringLiteral("Terms"))->findChild<QPushButton*>(QStringLiteral("Command1")));
    QWidget* shown = screens.open(QString::fromLocal8Bit(argv[1]));
    if (shown == nullptr) {
        qCritical("no screen named %s", argv[1]);
        return 1;
    }
    const QString output = QString::fromLocal8Bit(argv[2]);
    int status = 1;
    QTimer::singleShot(300, &app, [&] {
        status = shown->grab().save(output) ? 0 : 1;
        app.quit();
    });
    app.exec();
    return status;
}
