#include "application.h"

#include <QApplication>

#include "screenregistry.h"
#include "shell/navigator.h"
#include "shell/windowicon.h"

namespace ocu {

QWidget* startRun(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("Ocuvance"));
    QApplication::setOrganizationDomain(QStringLiteral("ocuvance.example"));
    QApplication::setWindowIcon(windowIcon());
    registerAllScreens();
    QObject::connect(&Navigator::instance(), &Navigator::runEnded, &app, &QApplication::quit, Qt::QueuedConnection);
    return Navigator::instance().open(QStringLiteral("Form_PD"));
}

}  // namespace ocu
