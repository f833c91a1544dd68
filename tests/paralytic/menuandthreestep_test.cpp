// The paralytic squints menu and the Parks three-step test.

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "paralytictest.h"
#include "shell/navigator.h"
#include "support/screentest.h"

using namespace ocutest;
using namespace paralytictest;
using ocu::Navigator;

class MenuAndThreeStepTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerScreens(); }
    void cleanup() { closeAllScreens(); }

    void switchboardLeadsToTheParalyticScreens_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("target");
        QTest::newRow("paralytic") << "Command9"
                                   << "SB_Manage";
        QTest::newRow("parks") << "Command6"
                               << "Parks";
        QTest::newRow("knapp") << "Command11"
                               << "Knapp";
    }
    void switchboardLeadsToTheParalyticScreens() {
        QFETCH(QString, button);
        QFETCH(QString, target);
        QWidget* home = openScreen("SBoard");
        auto* lead = control<QPushButton>(home, qPrintable(button));
        QVERIFY(lead->isEnabled());
        click(lead);
        QVERIFY(Navigator::instance().find(target)->isVisible());
    }

    void eachMenuButtonReplacesTheMenuByItsScreen_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("target");
        QTest::newRow("workup") << "Command6"
                                << "Paralytic";
        QTest::newRow("hypertropia") << "Command7"
                                     << "Parks";
        QTest::newRow("third") << "Command1"
                               << "Third_man";
        QTest::newRow("fourth") << "Command2"
                                << "SQman";
        QTest::newRow("sixth") << "Command3"
                               << "Sixth_man";
        QTest::newRow("home") << "Command8"
                              << "SBoard";
    }
    void eachMenuButtonReplacesTheMenuByItsScreen() {
        QFETCH(QString, button);
        QFETCH(QString, target);
        QWidget* menu = openScreen("SB_Manage");
        QCOMPARE(menu->windowTitle(), QString());
        click(control<QPushButton>(menu, qPrintable(button)));
        flushDeletes();
        Navigator& screens = Navigator::instance();
        QVERIFY(screens.find(QStringLiteral("SB_Manage")) == nullptr);
        QVERIFY(screens.find(target) != nullptr && screens.find(target)->isVisible());
    }

    void threeStepsAnsweredInTurn() {
        QWidget* screen = openScreen("Parks");
        QCOMPARE(screen->windowTitle(), QStringLiteral("Ocuvance"));
        auto* step1 = control<QPushButton>(screen, "Command1");
        auto* step2 = control<QPushButton>(screen, "Command4");
        auto* step3 = control<QPushButton>(screen, "Command5");
        for (QPushButton* enter : {step1, step2, step3}) click(enter);
        for (const char* name : {"Label1", "Label2", "Label3"}) {
            QVERIFY2(control<QLabel>(screen, name)->text().isEmpty(), name);
            QCOMPARE(shownBackground(control<QLabel>(screen, name)), kWhite);
        }
        choose(control<QRadioButton>(screen, "Option9"));
        choose(control<QRadioButton>(screen, "Option11"));
        choose(control<QRadioButton>(screen, "Option13"));
        for (QPushButton* enter : {step1, step2, step3}) click(enter);
        QCOMPARE(control<QLabel>(screen, "Label1")->text(), QStringLiteral("Rt SO,Rt IR,Lt SR,Lt IO are may be weak."));
        QCOMPARE(control<QLabel>(screen, "Label2")->text(), QStringLiteral("Rt IR Or Lt IO are may be Weak"));
        // Higher right eye, worse in right gaze and on right head tilt: only the left inferior oblique fits all three.
        QCOMPARE(control<QLabel>(screen, "Label3")->text(), QStringLiteral("Lt Inferior Oblique is weak"));
        for (const char* name : {"Label1", "Label2", "Label3"}) {
            QCOMPARE(shownBackground(control<QLabel>(screen, name)), kResult);
        }
        // A changed step 1 answer waits for each step's own Enter.
        choose(control<QRadioButton>(screen, "Option10"));
        click(step1);
        QCOMPARE(control<QLabel>(screen, "Label1")->text(), QStringLiteral("Lt SO,Lt IR,Rt SR,Rt IO are may be weak."));
        QCOMPARE(control<QLabel>(screen, "Label2")->text(), QStringLiteral("Rt IR Or Lt IO are may be Weak"));
        click(step3);
        QCOMPARE(control<QLabel>(screen, "Label3")->text(), QStringLiteral("Rt Superior Rectus is weak"));
        // Both head turns need both gazes; otherwise the inference stays.
        choose(control<QRadioButton>(screen, "Option12"));
        choose(control<QRadioButton>(screen, "Option16"));
        click(step3);
        QCOMPARE(control<QLabel>(screen, "Label3")->text(), QStringLiteral("Rt Superior Rectus is weak"));
        choose(control<QRadioButton>(screen, "Option15"));
        click(step3);
        QCOMPARE(control<QLabel>(screen, "Label3")->text(), QStringLiteral(" Both Superior Obliques are weak"));
    }

    void threeStepHomeStartsAfresh() {
        QWidget* screen = openScreen("Parks");
        choose(control<QRadioButton>(screen, "Option9"));
        click(control<QPushButton>(screen, "Command1"));
        click(control<QPushButton>(screen, "Command2"));
        flushDeletes();
        QVERIFY(Navigator::instance().find(QStringLiteral("Parks")) == nullptr);
        screen = openScreen("Parks");
        QVERIFY(!control<QRadioButton>(screen, "Option9")->isChecked());
        QVERIFY(control<QLabel>(screen, "Label1")->text().isEmpty());
    }
};

QTEST_MAIN(MenuAndThreeStepTest)
#include "menuandthreestep_test.moc"
