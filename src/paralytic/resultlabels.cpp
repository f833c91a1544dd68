#include "paralytic/resultlabels.h"

#include <QLabel>

namespace ocu::paralytic {

void prepareResultLabel(QLabel* label, const QColor& background) {
    label->setTextFormat(Qt::PlainText);
    setBackground(label, background);
    setTextColour(label, Qt::black);
}

}  // namespace ocu::paralytic
