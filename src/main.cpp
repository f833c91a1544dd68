#include <QApplication>

#include "application.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ocu::startRun(app);
    return QApplication::exec();
}
