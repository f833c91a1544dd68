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

}  // namespace ocu
