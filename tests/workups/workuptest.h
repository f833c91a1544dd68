#pragma once
// What the work-up tests share: their controls by kind, the colour a widget
// is drawn in, choosing an option where a user clicks it, typing into a box
// and leaving it, and the road from Home through the work-up to the
// calculator.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "shell/controls.h"
#include "shell/navigator.h"
#include "support/screentest.h"

namespace ocutest {

inline QLineEdit* box(QWidget* s, const char* name) { return control<QLineEdit>(s, name); }
inline QPushButton* button(QWidget* s, const char* name) { return control<QPushButton>(s, name); }
inline QRadioButton* option(QWidget* s, const char* name) { return control<QRadioButton>(s, name); }
inline QLabel* label(QWidget* s, const char* name) { return control<QLabel>(s, name); }

// A label's text, or else a box's.
inline QString textOf(QWidget* s, const char* name) {
    if (auto* found = s->findChild<QLabel*>(QLatin1String(name))) return found->text();
    return box(s, name)->text();
}

inline QRectF mm(QWidget* s, const char* name) { return ocu::geometryMm(control<QWidget>(s, name)); }
inline double leftMm(QWidget* s, const char* name) { return mm(s, name).left(); }

// The background as drawn, in the bottom right corner where no text reaches.
inline QColor drawnBackground(QWidget* widget) {
    return widget->grab().toImage().pixelColor(widget->width() - 2, widget->height() - 2);
}
// The colour drawn at the right end, half way down.
inline QColor drawn(QWidget* widget) {
    return widget->grab().toImage().pixelColor(widget->width() - 3, widget->height() / 2);
}

// Clicks an option on its round button, where a user clicks it.
inline void choose(QRadioButton* option) {
    QWidget* window = option->window();
    if (!window->isActiveWindow()) {
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }
    QTest::mouseClick(option, Qt::LeftButton, Qt::NoModifier, QPoint(8, option->height() / 2));
}

inline void typeAndLeave(QWidget* s, const char* name, const QString& value) {
    typeInto(box(s, name), value);
    pressTab(box(s, name));
}

// Picks a dose from the drop-down as a user does, then leaves the box.
inline void chooseDose(QWidget* s, const char* name, const QString& item) {
    auto* combo = control<QComboBox>(s, name);
    click(combo);
    const int index = combo->findText(item);
    QVERIFY2(index >= 0, qPrintable(item));
    combo->setCurrentIndex(index);
    pressTab(combo);
}

// Opens the work-up by its button on Home, as a user does.
inline QWidget* openFromHome(const char* homeButton, const char* workup) {
    QWidget* home = openScreen("SBoard");
    click(button(home, homeButton));
    QWidget* screen = ocu::Navigator::instance().find(QLatin1String(workup));
    if (screen != nullptr) (void)QTest::qWaitForWindowActive(screen);
    return screen;
}

// The patient block both work-ups carry under the same names: name, age,
// sex, registration number, consultant, hospital or clinic.
inline void fillPatientBlock(QWidget* workup, const QStringList& patient) {
    const char* names[] = {"Text2", "Text3", "Text4", "Text5", "Text7", "Text11"};
    for (int i = 0; i < 6; ++i) typeAndLeave(workup, names[i], patient[i]);
}

// Presses the work-up's hand-off button; returns the calculator.
inline QWidget* handOffBy(QWidget* workup, const char* handOffButton) {
    click(button(workup, handOffButton));
    QWidget* calculator = ocu::Navigator::instance().find(QStringLiteral("Squint"));
    if (calculator != nullptr) (void)QTest::qWaitForWindowActive(calculator);
    return calculator;
}

}  // namespace ocutest
