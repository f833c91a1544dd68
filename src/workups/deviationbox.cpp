#include "workups/deviationbox.h"

#include <QLineEdit>
#include <QPointer>

#include "shell/controls.h"
#include "shell/rules/messages.h"
#include "workups/rules/deviation_check.h"

namespace ocu {
namespace {

void complainAndReturn(QLineEdit* box, const QString& message) {
    QPointer<QLineEdit> guard(box);
    showMessage(box, message);
    if (!guard) return;
    // Back into the box, which empties it as every gain of focus does. The
    // screen may not be the active window yet when the message has gone, and
    // focus arriving with the window is no gain of focus, so empty it here.
    box->window()->activateWindow();
    box->setFocus(Qt::OtherFocusReason);
    box->clear();
}

}  // namespace

DeviationBoxMessages messagesOf(const DeviationBox& box) {
    return {box.tooLarge ? std::optional<QString>(QString::fromLatin1(box.tooLarge)) : std::nullopt,
            QString::fromLatin1(box.what)};
}

void watchDeviationBox(QLineEdit* box, const DeviationBoxMessages& design) {
    onFocusIn(box, [box] { box->clear(); });
    onFocusOut(box, [box, design] {
        const std::optional<double> limit =
            design.tooLargeMessage ? std::optional<double>(kMaxWorkupDeviation) : std::nullopt;
        switch (checkDeviation(box->text().toStdString(), limit)) {
        case DeviationVerdict::Accepted: break;
        case DeviationVerdict::PutZero: box->setText(QStringLiteral("0")); break;
        case DeviationVerdict::TooLarge: complainAndReturn(box, *design.tooLargeMessage); break;
        case DeviationVerdict::NotANumber:
            complainAndReturn(box, QString::fromStdString(notANumberMessage(design.what.toStdString())));
            break;
        }
    });
}

std::optional<double> deviationOrComplain(QLineEdit* box, const DeviationBoxMessages& design) {
    // A box is empty only while the user is in it: leaving it puts "0" in it.
    // It is empty here when the press that asked took the focus from a box
    // just refused for its value, and the user has had that box's message.
    if (box->text().isEmpty()) {
        box->setFocus(Qt::OtherFocusReason);
        return std::nullopt;
    }
    const std::optional<double> deviation = readDeviation(box->text().toStdString());
    if (!deviation) complainAndReturn(box, QString::fromStdString(notANumberMessage(design.what.toStdString())));
    return deviation;
}

}  // namespace ocu
