#include "workups/patientblock.h"

#include <QLineEdit>
#include <QWidget>

#include "shell/controls.h"
#include "shell/rules/datetime.h"

namespace ocu {

void setUpPatientBlock(QWidget* screen) {
    auto* registration = screen->findChild<QLineEdit*>(QStringLiteral("Text5"));
    auto* dateTime = screen->findChild<QLineEdit*>(QStringLiteral("Text6"));
    Q_ASSERT(registration != nullptr && dateTime != nullptr);
    onFocusIn(registration, [registration] { registration->clear(); });
    dateTime->setText(QString::fromStdString(currentDateTime()));
}

handoff::Patient patientOf(const QWidget* screen) {
    auto text = [screen](const char* name) {
        const auto* box = screen->findChild<QLineEdit*>(QLatin1String(name));
        Q_ASSERT(box != nullptr);
        return box->text().toStdString();
    };
    return {text("Text2"), text("Text3"), text("Text4"), text("Text5"), text("Text7"), text("Text11")};
}

}  // namespace ocu
