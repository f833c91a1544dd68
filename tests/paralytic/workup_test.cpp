// The paralytic squint work-up, driven as a clinician would.

#include <QGroupBox>
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

class WorkupTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerScreens(); }
    void cleanup() { closeAllScreens(); }

    void opensWithItsDesignedSelectionsAndEmptyResults() {
        QWidget* screen = openScreen("Paralytic");
        QCOMPARE(screen->windowTitle(), QStringLiteral("Ocuvance"));
        for (const char* name :
             {"Option1", "Option3", "Option5", "Option7", "Option10", "Option11", "Option13", "Option15", "Option17",
              "Option20", "Option21", "Option22", "Option24", "Option27", "Option29"}) {
            QVERIFY2(control<QRadioButton>(screen, name)->isChecked(), name);
        }
        QCOMPARE(control<QGroupBox>(screen, "Frame1")->title(), QStringLiteral("Step1----------Right Eye Ductions "));
        QCOMPARE(control<QGroupBox>(screen, "Frame2")->title(), QStringLiteral("Step 2------Left EyeDuctions "));
        QCOMPARE(control<QPushButton>(screen, "Command2")->text(), QStringLiteral("How To Use This"));
        for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6"}) {
            QVERIFY2(control<QLabel>(screen, name)->text().isEmpty(), name);
            QCOMPARE(shownBackground(control<QLabel>(screen, name)),
                     screen->palette().color(QPalette::HighlightedText));
        }
    }

    void enterWithTheDefaultsWritesOnlyTheNormalRows() {
        QWidget* screen = openScreen("Paralytic");
        const QColor opening = shownBackground(control<QLabel>(screen, "Label4"));
        click(control<QPushButton>(screen, "Command1"));
        QCOMPARE(control<QLabel>(screen, "Label1")->text(), QStringLiteral("Right Eye Normal"));
        QCOMPARE(shownBackground(control<QLabel>(screen, "Label1")), kResult);
        QCOMPARE(control<QLabel>(screen, "Label3")->text(), QString());
        QCOMPARE(control<QLabel>(screen, "Label2")->text(), QStringLiteral(" Left Eye Normal "));
        QCOMPARE(shownBackground(control<QLabel>(screen, "Label2")), kResult);
        for (const char* name : {"Label4", "Label5", "Label6"}) {
            QVERIFY2(control<QLabel>(screen, name)->text().isEmpty(), name);
            QCOMPARE(shownBackground(control<QLabel>(screen, name)), opening);
        }
    }

    void labelsNoRowWritesKeepTheirTextAndColour() {
        QWidget* screen = openScreen("Paralytic");
        auto* enter = control<QPushButton>(screen, "Command1");
        // A differential first: right eye third nerve palsy.
        choose(control<QRadioButton>(screen, "Option4"));
        choose(control<QRadioButton>(screen, "Option6"));
        choose(control<QRadioButton>(screen, "Option8"));
        choose(control<QRadioButton>(screen, "Option9"));
        click(enter);
        QCOMPARE(
            control<QLabel>(screen, "Label3")->text(),
            QStringLiteral("Diff. Diagn Dysthroid Ophthalmopathy , Myasthenia Gravis,Orbital Myositis,Orbital Tumour"));
        QCOMPARE(shownBackground(control<QLabel>(screen, "Label3")), kDifferential);
        // Abduction and adduction restricted without ptosis: Label3 is left alone.
        choose(control<QRadioButton>(screen, "Option2"));
        choose(control<QRadioButton>(screen, "Option5"));
        choose(control<QRadioButton>(screen, "Option7"));
        choose(control<QRadioButton>(screen, "Option10"));
        click(enter);
        QCOMPARE(control<QLabel>(screen, "Label1")->text(),
                 QStringLiteral("Right Eye Daune's Syndrome,1 & 3 Or Dysthroid Ophthalmopathy Or Myasthenia Gravis"));
        QCOMPARE(
            control<QLabel>(screen, "Label3")->text(),
            QStringLiteral("Diff. Diagn Dysthroid Ophthalmopathy , Myasthenia Gravis,Orbital Myositis,Orbital Tumour"));
        QCOMPARE(shownBackground(control<QLabel>(screen, "Label3")), kDifferential);
        // All four restricted without ptosis empties Label3 but keeps its colour.
        choose(control<QRadioButton>(screen, "Option6"));
        choose(control<QRadioButton>(screen, "Option8"));
        click(enter);
        QCOMPARE(control<QLabel>(screen, "Label1")->text(), QStringLiteral("Right  Total  Ophthalmoplegia"));
        QCOMPARE(control<QLabel>(screen, "Label3")->text(), QString());
        QCOMPARE(shownBackground(control<QLabel>(screen, "Label3")), kDifferential);
        // Elevation and depression alone match no row: nothing changes.
        choose(control<QRadioButton>(screen, "Option1"));
        choose(control<QRadioButton>(screen, "Option3"));
        click(enter);
        QCOMPARE(control<QLabel>(screen, "Label1")->text(), QStringLiteral("Right  Total  Ophthalmoplegia"));
    }

    void rightGazeNoGivesAnInternuclearPalsyAndKeepsTheLeftEye() {
        QWidget* screen = openScreen("Paralytic");
        auto* enter = control<QPushButton>(screen, "Command1");
        click(enter);
        choose(control<QRadioButton>(screen, "Option25"));
        click(enter);
        QCOMPARE(control<QLabel>(screen, "Label1")->text(), QStringLiteral("Left Internuclear Ophthalmoplegia"));
        QCOMPARE(control<QLabel>(screen, "Label3")->text(), QStringLiteral(" "));
        QCOMPARE(control<QLabel>(screen, "Label2")->text(), QStringLiteral(" Left Eye Normal "));
    }

    void upGazeNoGivesASupranuclearPalsy() {
        QWidget* screen = openScreen("Paralytic");
        choose(control<QRadioButton>(screen, "Option23"));
        click(control<QPushButton>(screen, "Command1"));
        QVERIFY(control<QLabel>(screen, "Label1")->text().isEmpty());
        QVERIFY(control<QLabel>(screen, "Label2")->text().isEmpty());
        QCOMPARE(control<QLabel>(screen, "Label5")->text(), QStringLiteral(" Supranuclear Gaze Palsy"));
        QCOMPARE(shownBackground(control<QLabel>(screen, "Label5")), kResult);
        QCOMPARE(
            control<QLabel>(screen, "Label6")->text(),
            QStringLiteral(
                "Differntial Diagnosis (Parkinson Disease , Restictive Thyroid Myopathy,B/L Double Elevator Palsy)"));
        QCOMPARE(shownBackground(control<QLabel>(screen, "Label6")), kDifferential);
    }

    void resetEmptiesAndWhitensEveryResultButKeepsTheFindings() {
        QWidget* screen = openScreen("Paralytic");
        auto* enter = control<QPushButton>(screen, "Command1");
        choose(control<QRadioButton>(screen, "Option23"));
        choose(control<QRadioButton>(screen, "Option26"));
        click(enter);
        QCOMPARE(control<QLabel>(screen, "Label5")->text(), QStringLiteral(" Progressive Supranuclear Gaze Palsy"));
        click(control<QPushButton>(screen, "Command7"));
        for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6"}) {
            QVERIFY2(control<QLabel>(screen, name)->text().isEmpty(), name);
            QCOMPARE(shownBackground(control<QLabel>(screen, name)), kWhite);
        }
        QVERIFY(control<QRadioButton>(screen, "Option23")->isChecked());
        QVERIFY(control<QRadioButton>(screen, "Option26")->isChecked());
        click(enter);
        QCOMPARE(control<QLabel>(screen, "Label5")->text(), QStringLiteral(" Progressive Supranuclear Gaze Palsy"));
        QCOMPARE(shownBackground(control<QLabel>(screen, "Label5")), kResult);
        QVERIFY(control<QLabel>(screen, "Label1")->text().isEmpty());
        QCOMPARE(shownBackground(control<QLabel>(screen, "Label1")), kWhite);
    }

    void managementButtonsOpenThePalsiesAndKeepTheWorkup_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("target");
        QTest::newRow("third") << "Command5"
                               << "Third_man";
        QTest::newRow("fourth") << "Command4"
                                << "SQman";
        QTest::newRow("sixth") << "Command6"
                               << "Sixth_man";
    }
    void managementButtonsOpenThePalsiesAndKeepTheWorkup() {
        QFETCH(QString, button);
        QFETCH(QString, target);
        QWidget* screen = openScreen("Paralytic");
        click(control<QPushButton>(screen, "Command1"));
        click(control<QPushButton>(screen, qPrintable(button)));
        flushDeletes();
        Navigator& screens = Navigator::instance();
        QVERIFY(screens.find(target) != nullptr && screens.find(target)->isVisible());
        QCOMPARE(screens.find(QStringLiteral("Paralytic")), screen);
        QCOMPARE(control<QLabel>(screen, "Label1")->text(), QStringLiteral("Right Eye Normal"));
    }

    void howToUseThisDoesNothingAndHomeStartsAfresh() {
        QWidget* screen = openScreen("Paralytic");
        click(control<QPushButton>(screen, "Command1"));
        const QStringList before = Navigator::instance().openScreens();
        click(control<QPushButton>(screen, "Command2"));
        flushDeletes();
        QCOMPARE(Navigator::instance().openScreens(), before);
        QCOMPARE(control<QLabel>(screen, "Label1")->text(), QStringLiteral("Right Eye Normal"));
        click(control<QPushButton>(screen, "Command8"));
        flushDeletes();
        QVERIFY(Navigator::instance().find(QStringLiteral("Paralytic")) == nullptr);
        QVERIFY(Navigator::instance().find(QStringLiteral("SBoard"))->isVisible());
        QVERIFY(control<QLabel>(openScreen("Paralytic"), "Label1")->text().isEmpty());
    }
};

QTEST_MAIN(WorkupTest)
#include "workup_test.moc"
