#include <QApplication>

#include "shell/navigator.h"
#include "shell/screenregistry.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ocuvance"));
    QApplication::setOrganizationDomain(QStringLiteral("ocuvance.example"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/logo.svg")));
    ocu::registerAllScreens();
    QObject::connect(&ocu::Navigator::instance(), &ocu::Navigator::runEnded, &app,
                     &QApplication::quit, Qt::QueuedConnection);
    ocu::Navigator::instance().open(QStringLiteral("Form_PD"));
    return QApplication::exec();
}
