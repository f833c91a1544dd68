// Third and sixth nerve palsy management, driven as a clinician would.

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

namespace {
const QString kT1 = QStringLiteral("Ophthalmological Treatment:Conservative treatment");
const QString kT3 = QStringLiteral(
    "Ophthalmological Treatment:If adduction is preserved, maximal recession of the lateral and resection of "
    "the medial rectus+-  up ward transposition of the muscle. ");
const QString kInv = QStringLiteral(
    "Systemic Investigations : CT / MRI,Thyroid Function Test ,Chroinc systemic Evaluation , Workup For "
    "mysthenia Gravis");
}  // namespace

class NervePalsiesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerScreens(); }
    void cleanup() { closeAllScreens(); }

    void thirdNerveStepsFourAndFiveFollowTheEarlierAnswers() {
        QWidget* screen = openScreen("Third_man");
        auto* step4 = control<QGroupBox>(screen, "Frame4");
        auto* step5 = control<QGroupBox>(screen, "Frame5");
        QVERIFY(control<QGroupBox>(screen, "Frame2")->isVisible());
        QVERIFY(!step4->isVisible() && !step5->isVisible());
        for (const char* name : {"Option1", "Option2", "Option7", "Option8", "Option9", "Option10"}) {
            QVERIFY2(!control<QRadioButton>(screen, name)->isChecked(), name);
        }
        choose(control<QRadioButton>(screen, "Option2"));
        QVERIFY(step4->isVisible() && !step5->isVisible());
        choose(control<QRadioButton>(screen, "Option4"));
        QVERIFY(step5->isVisible());
        choose(control<QRadioButton>(screen, "Option5"));
        choose(control<QRadioButton>(screen, "Option1"));
        QVERIFY(!step4->isVisible() && !step5->isVisible());
        QVERIFY(control<QRadioButton>(screen, "Option4")->isChecked());
        QVERIFY(control<QRadioButton>(screen, "Option5")->isChecked());
        choose(control<QRadioButton>(screen, "Option2"));
        QVERIFY(step4->isVisible() && !step5->isVisible());
        // The hidden Step 5 answer still counts: acquired, no trauma, diabetic.
        click(control<QPushButton>(screen, "Command1"));
        QCOMPARE(control<QLabel>(screen, "Label1")->text(), kT1);
        QCOMPARE(control<QLabel>(screen, "Label11")->text(), kInv);
        QCOMPARE(shownBackground(control<QLabel>(screen, "Label11")), kResult);
        choose(control<QRadioButton>(screen, "Option3"));
        QVERIFY(step4->isVisible() && !step5->isVisible());
    }

    void thirdNerveRowsThatLeaveLabelsAlone() {
        QWidget* screen = openScreen("Third_man");
        auto* enter = control<QPushButton>(screen, "Command1");
        auto* treatment = control<QLabel>(screen, "Label1");
        const QColor opening = shownBackground(treatment);
        click(enter);
        QVERIFY(treatment->text().isEmpty());
        // Row 8 on a fresh screen: the treatment on its opening colour.
        choose(control<QRadioButton>(screen, "Option1"));
        choose(control<QRadioButton>(screen, "Option8"));
        choose(control<QRadioButton>(screen, "Option10"));
        click(enter);
        QCOMPARE(treatment->text(), kT3);
        QCOMPARE(shownBackground(treatment), opening);
        QVERIFY(control<QLabel>(screen, "Label11")->text().isEmpty());
        // Congenital, partial palsy, complete ptosis matches no row.
        choose(control<QRadioButton>(screen, "Option9"));
        click(enter);
        QCOMPARE(treatment->text(), kT3);
    }

    void thirdNerveRow8AfterRow1KeepsColourAndInvestigations() {
        QWidget* screen = openScreen("Third_man");
        auto* enter = control<QPushButton>(screen, "Command1");
        choose(control<QRadioButton>(screen, "Option2"));
        choose(control<QRadioButton>(screen, "Option4"));
        choose(control<QRadioButton>(screen, "Option5"));
        click(enter);
        choose(control<QRadioButton>(screen, "Option1"));
        choose(control<QRadioButton>(screen, "Option8"));
        choose(control<QRadioButton>(screen, "Option10"));
        click(enter);
        QCOMPARE(control<QLabel>(screen, "Label1")->text(), kT3);
        QCOMPARE(shownBackground(control<QLabel>(screen, "Label1")), kResult);
        QCOMPARE(control<QLabel>(screen, "Label11")->text(), kInv);
    }

    void sixthNerveManagement() {
        QWidget* screen = openScreen("Sixth_man");
        auto* management = control<QPushButton>(screen, "Command1");
        auto* left = control<QLabel>(screen, "Label1");
        auto* right = control<QLabel>(screen, "Label2");
        click(management);
        choose(control<QRadioButton>(screen, "Option2"));
        click(management);
        QVERIFY(left->text().isEmpty() && right->text().isEmpty());
        choose(control<QRadioButton>(screen, "Option4"));
        click(management);
        QCOMPARE(left->text(),
                 QStringLiteral("Option1. Lateral transposition of superior rectus and inferior rectus."));
        QCOMPARE(right->text(),
                 QStringLiteral(" Option 2. Jensen procedure + Recession or chemodenervation of medial rectus."));
        QCOMPARE(shownBackground(right), kResult);
        choose(control<QRadioButton>(screen, "Option3"));
        click(management);
        QCOMPARE(left->text(), QStringLiteral("Maximal recession medial Rectus + Maximum resection lateral rectus"));
        QVERIFY(right->text().isEmpty());
        QCOMPARE(shownBackground(right), kResult);
        choose(control<QRadioButton>(screen, "Option1"));
        click(management);
        QCOMPARE(left->text(), QStringLiteral("1 Wait at least 6 month before operation.") + QString(23, u' ') +
                                   QStringLiteral("2 Patch to eliminate diplopia."));
        QCOMPARE(right->text(), QStringLiteral("3. Base out Prism in spectacles.") + QString(39, u' ') +
                                    QStringLiteral("4 Chemodenervation of the ipsilateral medial rectus muscle"));
    }

    void homeClosesEitherScreen_data() {
        QTest::addColumn<QString>("screen");
        QTest::newRow("third") << "Third_man";
        QTest::newRow("sixth") << "Sixth_man";
    }
    void homeClosesEitherScreen() {
        QFETCH(QString, screen);
        QWidget* shown = openScreen(qPrintable(screen));
        QCOMPARE(shown->windowTitle(), QString());
        click(control<QPushButton>(shown, "Command8"));
        flushDeletes();
        QVERIFY(Navigator::instance().find(screen) == nullptr);
        QVERIFY(Navigator::instance().find(QStringLiteral("SBoard"))->isVisible());
    }
};

QTEST_MAIN(NervePalsiesTest)
#include "nervepalsies_test.moc"
