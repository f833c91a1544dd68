#include "workups/handoff.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "calculator/rules/controlnames.h"
#include "shell/controls.h"
#include "shell/navigator.h"
#include "shell/results.h"

namespace ocu {
namespace {

void setText(QWidget* widget, const QString& text) {
    if (auto* box = qobject_cast<QLineEdit*>(widget))
        box->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(text);
    else if (auto* multi = qobject_cast<QPlainTextEdit*>(widget))
        multi->setPlainText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setText(text);
}

void apply(QWidget* calculator, QWidget* workup, const handoff::Step& step) {
    if (step.verb == handoff::Verb::HideWorkup) {
        if (workup != nullptr) Navigator::instance().hideBehind(workup->objectName(), calculator->objectName());
        return;
    }
    auto* widget = calculator->findChild<QWidget*>(QString::fromStdString(step.control));
    if (widget == nullptr) {
        qWarning("the calculator has no control %s", step.control.c_str());
        Q_ASSERT_X(false, "applyHandoff", "a hand-off names a control the calculator lacks");
        return;
    }
    switch (step.verb) {
    case handoff::Verb::Select:
        if (auto* option = qobject_cast<QRadioButton*>(widget)) select(option);
        break;
    case handoff::Verb::Deselect:
        if (auto* option = qobject_cast<QRadioButton*>(widget)) deselect(option);
        break;
    case handoff::Verb::Press:
        if (auto* button = qobject_cast<QPushButton*>(widget)) press(button);
        break;
    case handoff::Verb::Enable: widget->setEnabled(true); break;
    case handoff::Verb::Disable: widget->setEnabled(false); break;
    case handoff::Verb::Show: widget->setVisible(true); break;
    case handoff::Verb::Hide: widget->setVisible(false); break;
    case handoff::Verb::SetText: setText(widget, QString::fromStdString(step.text)); break;
    case handoff::Verb::SetRedBack: setBackground(widget, kWarningColour); break;
    case handoff::Verb::SetCyanBack: setBackground(widget, kResultColour); break;
    case handoff::Verb::HideWorkup: break;
    }
}

}  // namespace

QWidget* applyHandoff(const handoff::Plan& plan, QWidget* workup) {
    QWidget* calculator = Navigator::instance().open(QLatin1String(calc::control::kScreen));
    if (calculator == nullptr) return nullptr;
    for (const handoff::Step& step : plan) apply(calculator, workup, step);
    return calculator;
}

}  // namespace ocu
