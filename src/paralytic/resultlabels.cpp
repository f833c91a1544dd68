#include "paralytic/resultlabels.h"

#include <QLabel>
#include <QPalette>

namespace ocu::paralytic {

void prepareResultLabel(QLabel* label, const QColor& background) {
    label->setTextFormat(Qt::PlainText);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
}

void setBackground(QLabel* label, Rgb colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, QColor(colour.red, colour.green, colour.blue));
    label->setPalette(palette);
}

QColor backgroundOf(const QLabel* label) { return label->palette().color(QPalette::Window); }

void writeResult(QLabel* label, const std::optional<LabelChange>& change) {
    if (!change) return;
    label->setText(QString::fromStdString(change->text));
    if (change->background) setBackground(label, *change->background);
}

}  // namespace ocu::paralytic
