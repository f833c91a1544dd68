#include "shell/printrequest.h"

#include <QLabel>

#include "shell/navigator.h"

namespace ocu {

void requestPrint(const QString& screenName) {
    QWidget* print = Navigator::instance().open(QLatin1String(kPrintScreen));
    if (print == nullptr) return;
    if (auto* request = print->findChild<QLabel*>(QStringLiteral("Label3"))) request->setText(screenName);
}

}  // namespace ocu
