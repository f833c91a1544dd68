#include "restrictive/results.h"

#include <QLabel>
#include <QPalette>
#include <QWidget>

namespace ocu {

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void fillBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void showResult(QLabel* label, std::optional<std::string_view> text, const QColor& colour) {
    if (!text) return;
    label->setText(fromView(*text));
    fillBackground(label, colour);
}

}  // namespace ocu
