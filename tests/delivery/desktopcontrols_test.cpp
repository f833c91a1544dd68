// Controls that behave as on any desktop program: Return in a box presses
// the screen's one action button after the box's own check, a drop-down
// opens wherever it is clicked, a long number is read from its start.

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "shell/navigator.h"
#include "shell/screenframe.h"
#include "support/screentest.h"

using namespace ocutest;

namespace {

void retype(QLineEdit* box, const QString& value) {
    typeInto(box, value);  // the box empties itself when it gains the focus
    if (box->text() != value) box->setText(value);
}

QString shownText(QWidget* screen, const QString& name) {
    QWidget* widget = control<QWidget>(screen, qPrintable(name));
    if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
    return qobject_cast<QLineEdit*>(widget)->text();
}

}  // namespace

class DesktopControlsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerScreens(); }
    void cleanup() { closeAllScreens(); }

    void returnPressesTheScreensActionButton_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("option");       // chosen first, when not empty
        QTest::addColumn<QStringList>("entries");  // box, value, box, value...
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("expected");
        QTest::newRow("AC/A Calculate") << "ACA"
                                        << "Option1" << QStringList{"Text1", "30", "Text2", "20"} << "Label4"
                                        << "Normal";
        QTest::newRow("A-V patterns Enter")
            << "Form_AVP"
            << "Option2" << QStringList{"Text2", "30", "Text1", "20", "Text3", "10"} << "Text4"
            << " V Patterns Exotropia";
        QTest::newRow("tutorial Calculate Grades") << "Mov"
                                                   << "" << QStringList{"Text1", "45", "Text2", "45"} << "Label5"
                                                   << "Grade 4 ";
    }
    void returnPressesTheScreensActionButton() {
        QFETCH(QString, screen);
        QFETCH(QString, option);
        QFETCH(QStringList, entries);
        QFETCH(QString, result);
        QFETCH(QString, expected);
        MessageAnswerer answerer;
        QWidget* window = openScreen(qPrintable(screen));
        if (!option.isEmpty()) click(control<QRadioButton>(window, qPrintable(option)));
        QLineEdit* last = nullptr;
        for (qsizetype i = 0; i + 1 < entries.size(); i += 2) {
            last = control<QLineEdit>(window, qPrintable(entries[i]));
            retype(last, entries[i + 1]);
        }
        QVERIFY(shownText(window, result) != expected);
        QTest::keyClick(last, Qt::Key_Return);
        QCOMPARE(shownText(window, result), expected);
        QVERIFY(answerer.texts().isEmpty());
    }

    // Left empty, the A-V box gets its "0" back before Enter reads it, as when
    // the user leaves it and clicks Enter.
    void returnRunsTheBoxsOwnReactionFirst() {
        MessageAnswerer answerer;
        QWidget* avp = openScreen("Form_AVP");
        click(control<QRadioButton>(avp, "Option2"));
        auto* down = control<QLineEdit>(avp, "Text3");
        typeInto(down, QString());
        QVERIFY(down->text().isEmpty());
        QTest::keyClick(down, Qt::Key_Return);
        QCOMPARE(down->text(), QStringLiteral("0"));
        QVERIFY(control<QPushButton>(avp, "Command1")->hasFocus());
    }

    // On the work-ups Return in a deviation box does what leaving it and
    // clicking "Enter" does.
    void returnInAWorkupIsEnter_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QStringList>("results");
        QTest::addColumn<QString>("enter");
        QTest::newRow("eso") << "Esotropia" << QStringList{"D", "N", "N3", "UP", "DN"}
                             << QStringList{"35", "30", "20", "35", "35"}
                             << QStringList{"Label1", "Label2", "Label19", "Label22", "D1"} << "Command2";
        QTest::newRow("exo") << "Exotropia" << QStringList{"D", "N", "UP", "DN", "N60", "N3"}
                             << QStringList{"30", "20", "30", "30", "25", "20"}
                             << QStringList{"Label9", "Label24", "Label10", "D1"} << "Command1";
    }
    void returnInAWorkupIsEnter() {
        QFETCH(QString, screen);
        QFETCH(QStringList, boxes);
        QFETCH(QStringList, values);
        QFETCH(QStringList, results);
        QFETCH(QString, enter);
        MessageAnswerer answerer;
        QStringList byClick;
        QStringList byReturn;
        for (QStringList* outcome : {&byClick, &byReturn}) {
            closeAllScreens();
            QWidget* window = openScreen(qPrintable(screen));
            for (qsizetype i = 0; i < boxes.size(); ++i)
                retype(control<QLineEdit>(window, qPrintable(boxes[i])), values[i]);
            auto* last = control<QLineEdit>(window, qPrintable(boxes.last()));
            if (outcome == &byClick) {
                pressTab(last);
                click(control<QPushButton>(window, qPrintable(enter)));
            } else {
                QTest::keyClick(last, Qt::Key_Return);
            }
            for (const QString& name : results) *outcome << shownText(window, name);
        }
        QVERIFY(!byClick.join(QString()).isEmpty());
        QCOMPARE(byReturn, byClick);
        QVERIFY(answerer.texts().isEmpty());
    }

    // A refused value stops at its message: Enter is not pressed.
    void returnInARefusedWorkupBoxStopsAtItsMessage() {
        MessageAnswerer answerer;
        QWidget* eso = openScreen("Esotropia");
        auto* distance = control<QLineEdit>(eso, "D");
        retype(distance, "95");
        QTest::keyClick(distance, Qt::Key_Return);
        QCOMPARE(answerer.texts(), QStringList{" Please enter 0 to 90 for distance deviations "});
        QVERIFY(shownText(eso, "Label2").isEmpty());
        QVERIFY(shownText(eso, "D1") == QStringLiteral("0"));
        QCOMPARE(eso->focusWidget(), distance);
    }

    void aLongRatioShowsItsBeginning() {
        QWidget* aca = openScreen("ACA");
        click(control<QRadioButton>(aca, "Option1"));
        retype(control<QLineEdit>(aca, "Text1"), "30");
        retype(control<QLineEdit>(aca, "Text2"), "20");
        click(control<QPushButton>(aca, "Command1"));
        auto* ratio = control<QLineEdit>(aca, "Text3");
        QCOMPARE(ratio->text(), QStringLiteral("3.33333333333333"));
        QVERIFY2(ratio->fontMetrics().horizontalAdvance(ratio->text()) > ratio->width(),
                 "the ratio must be longer than its box for this to show anything");
        QCOMPARE(ratio->cursorPosition(), 0);
    }

    void aDoseBoxOpensWhereverItIsClicked() {
        MessageAnswerer answerer;
        QWidget* s = openScreen("Squint");
        click(control<QRadioButton>(s, "ESO_OD"));
        typeInto(control<QLineEdit>(s, "Text1"), "35");
        click(control<QPushButton>(s, "Command1"));
        auto* dose = control<QComboBox>(s, "cmbMRrec_R");
        QVERIFY(dose->isEnabled());
        // On the text, away from the arrow, where the window system delivers it.
        QTest::mouseClick(s->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                          dose->mapTo(s, QPoint(8, dose->height() / 2)));
        QTRY_VERIFY(dose->view()->isVisible());
        QTest::keyClick(dose->view(), Qt::Key_Down);
        QTest::keyClick(dose->view(), Qt::Key_Return);
        QTRY_VERIFY(!dose->view()->isVisible());
        QCOMPARE(dose->currentIndex(), 1);
        // The keyboard alone still chooses.
        dose->setFocus();
        QTest::keyClick(dose, Qt::Key_Down);
        QCOMPARE(dose->currentIndex(), 2);
        // Nothing can be typed over the dose.
        QTest::keyClicks(dose, "9");
        QCOMPARE(dose->currentText(), dose->itemText(2));
        click(control<QPushButton>(s, "Command11"));
        QCOMPARE(dose->currentText(), QStringLiteral("0"));
        // A box not opened for dosing stays shut.
        auto* shut = control<QComboBox>(s, "cmbLRrec_R");
        QVERIFY(!shut->isEnabled());
        QTest::mouseClick(s->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                          shut->mapTo(s, QPoint(8, shut->height() / 2)));
        QVERIFY(!shut->view()->isVisible());
    }

    void theCreditLineShowsWhole_data() {
        QTest::addColumn<QString>("screen");
        for (const QString& name : ocu::Navigator::instance().registeredScreens()) {
            QTest::newRow(qPrintable(name)) << name;
        }
    }
    void theCreditLineShowsWhole() {
        QFETCH(QString, screen);
        QWidget* window = openScreen(qPrintable(screen));
        int found = 0;
        for (QLabel* label : window->findChildren<QLabel*>()) {
            if (label->text() != ocu::creditLine() || !label->isVisible()) continue;
            ++found;
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width(),
                     qPrintable(label->objectName()));
        }
        QCOMPARE(found, 1);
    }
};

QTEST_MAIN(DesktopControlsTest)
#include "desktopcontrols_test.moc"
