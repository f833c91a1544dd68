#include "workups/results.h"

#include <QLabel>
#include <QPalette>

namespace ocu {

void setBackground(QWidget* widget, Rgb colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, QColor(colour.red, colour.green, colour.blue));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void writeResult(QLabel* label, std::string_view text, std::optional<Rgb> background) {
    label->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    if (background) setBackground(label, *background);
}

}  // namespace ocu
