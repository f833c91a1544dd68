// The eso road with the keyboard alone: from Home to a centred eye in the
// calculator, moving only with Tab, typing values, choosing options with the
// arrow keys and pressing buttons with Space.

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cstdlib>

#include "shell/controls.h"
#include "shell/navigator.h"
#include "support/screentest.h"

using namespace ocutest;
using ocu::Navigator;

namespace {

QWidget* focused() { return QApplication::focusWidget(); }

// Tab until the control has the focus; a surgeon would do the same.
bool tabTo(QWidget* target) {
    for (int presses = 0; presses < 200; ++presses) {
        if (focused() == target) return true;
        QTest::keyClick(focused() != nullptr ? focused() : target->window(), Qt::Key_Tab);
    }
    return focused() == target;
}

// The arrow key that moves from one option towards another of its frame, as
// the options stand on the screen; Space once there.
Qt::Key keyTowards(const QWidget* from, const QWidget* to) {
    if (from == to) return Qt::Key_Space;
    const QPoint d = to->geometry().center() - from->geometry().center();
    if (std::abs(d.y()) > std::abs(d.x())) return d.y() > 0 ? Qt::Key_Down : Qt::Key_Up;
    return d.x() > 0 ? Qt::Key_Right : Qt::Key_Left;
}

// Tab to the option's frame (onto whichever of its options takes the focus),
// then move along the frame with the arrow keys to the option and select it
// with Space.
bool chooseOption(QRadioButton* option) {
    const QWidget* frame = option->parentWidget();
    for (int presses = 0; presses < 200; ++presses) {
        auto* current = qobject_cast<QRadioButton*>(focused());
        if (current != nullptr && current->parentWidget() == frame) break;
        QTest::keyClick(focused(), Qt::Key_Tab);
    }
    for (int presses = 0; presses < 10 && !option->isChecked(); ++presses) {
        QTest::keyClick(focused(), keyTowards(focused(), option));
    }
    return option->isChecked();
}

void type(QWidget* box, const QString& text) {
    QVERIFY2(tabTo(box), qPrintable(box->objectName()));
    QTest::keyClicks(box, text);
}

void pressWithSpace(QPushButton* button) {
    QVERIFY2(tabTo(button), qPrintable(button->objectName()));
    QTest::keyClick(button, Qt::Key_Space);
}

void chooseItem(QComboBox* combo, const QString& item) {
    QVERIFY2(tabTo(combo), qPrintable(combo->objectName()));
    for (int presses = 0; presses < 30 && combo->currentText() != item; ++presses) {
        QTest::keyClick(combo, Qt::Key_Down);
    }
    QCOMPARE(combo->currentText(), item);
}

QWidget* activeScreen(const char* name) {
    QWidget* screen = Navigator::instance().find(QLatin1String(name));
    if (screen != nullptr) (void)QTest::qWaitForWindowActive(screen);
    return screen;
}

}  // namespace

class KeyboardTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerScreens(); }
    void cleanup() { closeAllScreens(); }

    void theEsoRoadWithTheKeyboardAlone() {
        MessageAnswerer answerer;
        QWidget* home = openScreen("SBoard");
        pressWithSpace(control<QPushButton>(home, "Command1"));
        QWidget* eso = activeScreen("Esotropia");
        QVERIFY(eso != nullptr);
        type(control<QLineEdit>(eso, "Text2"), "Asha Rao");
        QVERIFY(chooseOption(control<QRadioButton>(eso, "Option4")));
        const QList<QPair<const char*, const char*>> deviations = {
            {"D", "35"}, {"N", "35"}, {"N3", "20"}, {"UP", "30"}, {"DN", "35"}};
        for (const auto& [name, value] : deviations) type(control<QLineEdit>(eso, name), value);
        pressWithSpace(control<QPushButton>(eso, "Command2"));
        QCOMPARE(control<QLineEdit>(eso, "D1")->text(), QStringLiteral("35"));
        QVERIFY(chooseOption(control<QRadioButton>(eso, "Option8")));
        pressWithSpace(control<QPushButton>(eso, "Command4"));

        QWidget* calculator = activeScreen("Squint");
        QVERIFY(calculator != nullptr);
        chooseItem(control<QComboBox>(calculator, "cmbMRrec_R"), "5.0 mm");
        chooseItem(control<QComboBox>(calculator, "cmbMRrec_L"), "5.0 mm");
        pressWithSpace(control<QPushButton>(calculator, "Showresult"));
        QCOMPARE(control<QLineEdit>(calculator, "CTotal")->text(), QStringLiteral("35"));
        QCOMPARE(ocu::geometryMm(control<QWidget>(calculator, "Image3")).left(), 88.9);
        QVERIFY(answerer.texts().isEmpty());
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
