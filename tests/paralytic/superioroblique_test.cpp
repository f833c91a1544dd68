// Superior oblique palsy management and Knapp's classification.

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

class SuperiorObliqueTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerScreens(); }
    void cleanup() { closeAllScreens(); }

    void hypertropiaPlanAndReset() {
        QWidget* screen = openScreen("SQman");
        auto* enter = control<QPushButton>(screen, "Command3");
        auto* plan = control<QLabel>(screen, "Label11");
        QVERIFY(control<QRadioButton>(screen, "Option7")->isChecked());
        QVERIFY(control<QRadioButton>(screen, "Option1")->isChecked());
        click(enter);
        QVERIFY(plan->text().isEmpty());
        choose(control<QRadioButton>(screen, "Option4"));
        click(enter);
        QCOMPARE(plan->text(), QStringLiteral("Right Sup.Oblique Tuck +- Left Inf.Rectus Recession "));
        QCOMPARE(shownBackground(plan), kResult);
        click(control<QPushButton>(screen, "Command1"));
        QVERIFY(plan->text().isEmpty());
        QCOMPARE(shownBackground(plan), kResult);
        for (const char* name : {"Option3", "Option4", "Option5", "Option6", "Option7", "Option8"}) {
            QVERIFY2(!control<QRadioButton>(screen, name)->isChecked(), name);
        }
        QVERIFY(control<QRadioButton>(screen, "Option1")->isChecked());
        choose(control<QRadioButton>(screen, "Option3"));
        click(enter);
        QVERIFY(plan->text().isEmpty());
        choose(control<QRadioButton>(screen, "Option8"));
        click(enter);
        QCOMPARE(plan->text(), QStringLiteral("Left Inferior Oblique Recession "));
    }

    void row7KeepsTheColourTheLabelHad() {
        QWidget* screen = openScreen("SQman");
        auto* plan = control<QLabel>(screen, "Label11");
        choose(control<QRadioButton>(screen, "Option2"));
        choose(control<QRadioButton>(screen, "Option6"));
        click(control<QPushButton>(screen, "Command3"));
        QCOMPARE(plan->text(), QStringLiteral(" Right+Left Inf.Recession "));
        QCOMPARE(shownBackground(plan), kWhite);
    }

    void knappBranchOfTheManagementScreen() {
        QWidget* screen = openScreen("SQman");
        auto* enter = control<QPushButton>(screen, "Command2");
        auto* management = control<QLabel>(screen, "Label1");
        auto* gaze = control<QLabel>(screen, "Label2");
        click(enter);
        QVERIFY(management->text().isEmpty() && gaze->text().isEmpty());
        choose(control<QRadioButton>(screen, "OptionL"));
        choose(control<QRadioButton>(screen, "class6"));
        click(enter);
        QCOMPARE(management->text(), QStringLiteral("Right Sup. Oblique Tuck+ Left Sup. Oblique Tuck+Left Inf. Rectus "
                                                    "Recession+ Right Inf. Rectus Recession"));
        QCOMPARE(gaze->text(), QStringLiteral("Maximum Hypertopia In  Bilateral with V Patterns"));
        QCOMPARE(shownBackground(management), kResult);
        QCOMPARE(shownBackground(gaze), kResult);
        choose(control<QRadioButton>(screen, "Option11"));
        click(enter);
        QCOMPARE(gaze->text(), QStringLiteral("Maximum Hypertopia In  Bilateral with V Patterns"));
    }

    void knappClass4RightIsWhiteWhenFirst() {
        QWidget* screen = openScreen("Knapp");
        QVERIFY(control<QRadioButton>(screen, "OptionR")->isChecked());
        QCOMPARE(control<QRadioButton>(screen, "OptionR")->text(), QStringLiteral("Right "));
        auto* gaze = control<QLabel>(screen, "Label2");
        click(control<QPushButton>(screen, "Command2"));
        QVERIFY(gaze->text().isEmpty());
        choose(control<QRadioButton>(screen, "class4"));
        click(control<QPushButton>(screen, "Command2"));
        QCOMPARE(gaze->text(), QStringLiteral("Maximum Hypertopia In  All Levo Positions + All Down Gazes"));
        QCOMPARE(shownBackground(gaze), kWhite);
        choose(control<QRadioButton>(screen, "class7"));
        click(control<QPushButton>(screen, "Command2"));
        QCOMPARE(gaze->text(), QStringLiteral("Maximum Hypertopia In  All Down Gaze + Levo Version + Primay Position"));
        QCOMPARE(shownBackground(gaze), kResult);
    }

    void knappAndTheManagementScreenOpenEachOther() {
        QWidget* management = openScreen("SQman");
        choose(control<QRadioButton>(management, "class3"));
        choose(control<QRadioButton>(management, "Option4"));
        click(control<QPushButton>(management, "Command3"));
        click(control<QPushButton>(management, "Command4"));
        Navigator& screens = Navigator::instance();
        QWidget* knapp = screens.find(QStringLiteral("Knapp"));
        QVERIFY(knapp != nullptr && knapp->isVisible());
        QVERIFY(!control<QRadioButton>(knapp, "class3")->isChecked());
        choose(control<QRadioButton>(knapp, "class1"));
        QVERIFY(control<QRadioButton>(management, "class3")->isChecked());
        click(control<QPushButton>(knapp, "Command1"));
        flushDeletes();
        QVERIFY(screens.find(QStringLiteral("Knapp")) == nullptr);
        QCOMPARE(screens.find(QStringLiteral("SQman")), management);
        QCOMPARE(control<QLabel>(management, "Label11")->text(),
                 QStringLiteral("Right Sup.Oblique Tuck +- Left Inf.Rectus Recession "));
        // Back from a Knapp opened from Home opens the management screen afresh.
        click(control<QPushButton>(management, "Command8"));
        flushDeletes();
        knapp = openScreen("Knapp");
        click(control<QPushButton>(knapp, "Command1"));
        flushDeletes();
        QVERIFY(control<QLabel>(screens.find(QStringLiteral("SQman")), "Label11")->text().isEmpty());
    }

    void homeClosesEitherScreen_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("home");
        QTest::newRow("management") << "SQman"
                                    << "Command8";
        QTest::newRow("knapp") << "Knapp"
                               << "Command3";
    }
    void homeClosesEitherScreen() {
        QFETCH(QString, screen);
        QFETCH(QString, home);
        QWidget* shown = openScreen(qPrintable(screen));
        QCOMPARE(shown->windowTitle(), QString());
        click(control<QPushButton>(shown, qPrintable(home)));
        flushDeletes();
        QVERIFY(Navigator::instance().find(screen) == nullptr);
        QVERIFY(Navigator::instance().find(QStringLiteral("SBoard"))->isVisible());
    }
};

QTEST_MAIN(SuperiorObliqueTest)
#include "superioroblique_test.moc"
