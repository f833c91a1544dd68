#include "shell/results.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>

namespace ocu {

QString toQString(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QColor toQColor(Rgb colour) { return QColor(colour.red, colour.green, colour.blue); }

void setBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    if (auto* box = qobject_cast<QComboBox*>(widget)) {
        palette.setColor(QPalette::Base, colour);
        palette.setColor(QPalette::Button, colour);
        box->setPalette(palette);
        if (QLineEdit* field = box->lineEdit()) field->setPalette(palette);
        return;
    }
    if (qobject_cast<QLineEdit*>(widget) != nullptr || qobject_cast<QPlainTextEdit*>(widget) != nullptr) {
        palette.setColor(QPalette::Base, colour);
    }
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

void writeResult(QLabel* label, const std::optional<Result>& result) {
    if (!result) return;
    if (result->text) label->setText(toQString(*result->text));
    if (result->background) setBackground(label, *result->background);
}

}  // namespace ocu
