#pragma once
// What the paralytic screen tests share: choosing options as a user does,
// and the background a result label shows on screen.

#include <QColor>
#include <QImage>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

#include "support/screentest.h"

namespace paralytictest {

// Clicks the option on its round indicator, where a user aims: a wide option
// button only takes clicks on its indicator and caption.
inline void choose(QRadioButton* option) {
    QWidget* window = option->window();
    if (!window->isActiveWindow()) {
        window->activateWindow();
        (void)QTest::qWaitForWindowActive(window);
    }
    QTest::mouseClick(option, Qt::LeftButton, Qt::NoModifier, QPoint(8, option->height() / 2));
}

// The colour drawn inside the label's border, away from its caption.
inline QColor shownBackground(QLabel* label) {
    const QImage image = label->grab().toImage();
    return image.pixelColor(image.width() - 4, image.height() - 4);
}

inline const QColor kResult(192, 255, 255);
inline const QColor kDifferential(192, 192, 255);
inline const QColor kWhite(255, 255, 255);

}  // namespace paralytictest
