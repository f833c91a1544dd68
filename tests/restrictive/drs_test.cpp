// The Duane's retraction syndrome screen, driven as a user would.

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "shell/navigator.h"
#include "support/screentest.h"

using namespace ocutest;
using ocu::Navigator;

namespace {

const QColor kCyan(192, 255, 255);
const QColor kLavender(192, 192, 255);
const QString kType1 = QStringLiteral("Type 1 Duane's Retraction Syndrome");
const QString kType2 = QStringLiteral("Type 2 Duane's Retraction Syndrome");
const QString kType3 = QStringLiteral("Type 3 Duane's Retraction Syndrome");
const QString kDifferential = QStringLiteral(
    "Diff. Diag  Old Lat. Rectus Palse,Old Inftile Esotropia With Cross Fixation ,Recovered third N Palsy");
const QString kRightType2 = QStringLiteral(
    "Lat. Rectus Recession and medial rectus Recession in Right Eye+-(Left Lat. rectus recession if deviation or "
    "retraction is severe)");
const QString kLeftType2 = QStringLiteral(
    "Lat. Rectus Recession and medial rectus Recession in left Eye+-(Right Lat. rectus recession if deviation or "
    "retraction is severe)");

QColor drawnBackground(QWidget* widget) { return widget->grab().toImage().pixelColor(2, 2); }

// Answers on the right eye; the left eye's options are numbered twenty higher.
QString leftEye(const QString& option) { return QStringLiteral("Option%1").arg(option.mid(6).toInt() + 20); }

void clickAll(QWidget* screen, const QStringList& names) {
    for (const QString& name : names) click(control<QRadioButton>(screen, qPrintable(name)));
}

QStringList texts(QWidget* screen, const QStringList& labels) {
    QStringList shown;
    for (const QString& name : labels) shown << control<QLabel>(screen, qPrintable(name))->text();
    return shown;
}

}  // namespace

class DrsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerScreens(); }
    void cleanup() { closeAllScreens(); }

    void opensAsDesigned() {
        QWidget* drs = openScreen("DRS");
        QCOMPARE(drs->windowTitle(), QStringLiteral("Form1"));
        QVERIFY(control<QLabel>(drs, "Banner")->text().endsWith("Duane's  Retraction Syndrome"));
        auto* right = control<QGroupBox>(drs, "Frame1");
        auto* left = control<QGroupBox>(drs, "Frame2");
        QCOMPARE(right->title(), QStringLiteral("Right Eye"));
        QCOMPARE(left->title(), QStringLiteral("left Eye"));
        QVERIFY(right->x() < left->x());
        // clang-format off
        const QList<QPair<int, const char*>> options = {
            {1, "Normal"}, {2, "Resticted"}, {3, "Normal"}, {4, "Resticted"}, {5, "Present"}, {6, "Absent"},
            {7, "With Adduction "}, {8, "With Abductin"}, {9, "With Both"}};
        for (const auto& [number, caption] : options) {
            for (int option : {number, number + 20}) {
                auto* button = control<QRadioButton>(drs, qPrintable(QStringLiteral("Option%1").arg(option)));
                QCOMPARE(button->text(), QString(caption));
                QCOMPARE(button->isChecked(), number == 5 || number == 7);
                QVERIFY(button->isVisible() && button->isEnabled());
                QVERIFY((option < 20 ? right : left)->isAncestorOf(button));
            }
        }
        // clang-format on
        const QColor empty = drs->palette().color(QPalette::HighlightedText);
        for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6"}) {
            QCOMPARE(control<QLabel>(drs, name)->text(), QString());
            QCOMPARE(drawnBackground(control<QLabel>(drs, name)), empty);
        }
        // clang-format off
        const QList<QPair<const char*, const char*>> buttons = {
            {"Command1", "Enter"}, {"Command2", "Enter"}, {"Command7", "Brown Syndrome"},
            {"Command5", "Brown syndrome"}, {"Command4", "Diff. Diagnosis"}, {"Command3", "Home"}};
        for (const auto& [name, caption] : buttons) QCOMPARE(control<QPushButton>(drs, name)->text(), QString(caption));
        QVERIFY(control<QPushButton>(drs, "Command7")->x() < control<QPushButton>(drs, "Command5")->x());
        QVERIFY(control<QPushButton>(drs, "Command5")->x() < control<QPushButton>(drs, "Command4")->x());
        QVERIFY(control<QPushButton>(drs, "Command4")->x() < control<QPushButton>(drs, "Command3")->x());
    }

    void enterTypesOneEye_data() {
        QTest::addColumn<bool>("rightEye");
        QTest::addColumn<QStringList>("clicks");  // right-eye names
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("management");
        const QString mr = QStringLiteral("Medial Rectus Recession");
        QTest::newRow("right type 1") << true << QStringList{"Option2", "Option3"} << kType1 << mr;
        QTest::newRow("left type 1") << false << QStringList{"Option2", "Option3"} << kType1 << mr;
        QTest::newRow("right type 2") << true << QStringList{"Option1", "Option4"} << kType2 << kRightType2;
        QTest::newRow("left type 2") << false << QStringList{"Option1", "Option4"} << kType2 << kLeftType2;
        QTest::newRow("right type 3") << true << QStringList{"Option2", "Option4"} << kType3
                                      << QStringLiteral("Right Eye  medial and lateral rectus Recession");
        QTest::newRow("left type 3, retraction with both")
            << false << QStringList{"Option2", "Option4", "Option9"} << kType3
            << QStringLiteral("Left Eye  medial and lateral rectus Recession");
        QTest::newRow("ductions unanswered") << true << QStringList{} << QString() << QString();
        QTest::newRow("both normal") << false << QStringList{"Option1", "Option3"} << QString() << QString();
        QTest::newRow("no narrowing") << true << QStringList{"Option2", "Option3", "Option6"} << QString() << QString();
    }
    void enterTypesOneEye() {
        QFETCH(bool, rightEye);
        QFETCH(QStringList, clicks);
        QFETCH(QString, type);
        QFETCH(QString, management);
        QWidget* drs = openScreen("DRS");
        for (const QString& name : clicks) clickAll(drs, {rightEye ? name : leftEye(name)});
        click(control<QPushButton>(drs, rightEye ? "Command1" : "Command2"));
        const QStringList own = rightEye ? QStringList{"Label1", "Label3", "Label5"}
                                         : QStringList{"Label2", "Label4", "Label6"};
        const QStringList other = rightEye ? QStringList{"Label2", "Label4", "Label6"}
                                           : QStringList{"Label1", "Label3", "Label5"};
        QCOMPARE(texts(drs, own), (QStringList{type, type.isEmpty() ? QString() : kDifferential, management}));
        QCOMPARE(texts(drs, other), (QStringList{QString(), QString(), QString()}));
        if (!type.isEmpty()) {
            QCOMPARE(drawnBackground(control<QLabel>(drs, qPrintable(own[0]))), kCyan);
            QCOMPARE(drawnBackground(control<QLabel>(drs, qPrintable(own[1]))), kLavender);
            QCOMPARE(drawnBackground(control<QLabel>(drs, qPrintable(own[2]))), kCyan);
        } else {
            // clang-format on
            const QColor empty = drs->palette().color(QPalette::HighlightedText);
            for (const QString& name : own) QCOMPARE(drawnBackground(control<QLabel>(drs, qPrintable(name))), empty);
        }
    }

    void managementFollowsTheTypeLabelAsItStands() {
        QWidget* drs = openScreen("DRS");
        clickAll(drs, {"Option2", "Option3"});
        click(control<QPushButton>(drs, "Command1"));
        QCOMPARE(control<QLabel>(drs, "Label1")->text(), kType1);
        // Now findings of a type 2 without narrowing: no type row holds, so
        // the old type 1 stays, and the operation is read from it again.
        clickAll(drs, {"Option1", "Option4", "Option6"});
        control<QLabel>(drs, "Label5")->clear();
        click(control<QPushButton>(drs, "Command1"));
        QCOMPARE(texts(drs, {"Label1", "Label3", "Label5"}),
                 (QStringList{kType1, kDifferential, QStringLiteral("Medial Rectus Recession")}));
    }

    void bothEyesSideBySideEachNamingItsOwnSide() {
        QWidget* drs = openScreen("DRS");
        clickAll(drs, {"Option1", "Option4"});
        click(control<QPushButton>(drs, "Command1"));
        clickAll(drs, {"Option22", "Option23"});
        click(control<QPushButton>(drs, "Command2"));
        QCOMPARE(texts(drs, {"Label1", "Label3", "Label5"}), (QStringList{kType2, kDifferential, kRightType2}));
        QCOMPARE(texts(drs, {"Label2", "Label4", "Label6"}),
                 (QStringList{kType1, kDifferential, QStringLiteral("Medial Rectus Recession")}));
        QVERIFY(control<QLabel>(drs, "Label1")->x() < control<QLabel>(drs, "Label2")->x());
        // The right eye's Enter again leaves the left eye alone.
        clickAll(drs, {"Option2"});
        click(control<QPushButton>(drs, "Command1"));
        QCOMPARE(control<QLabel>(drs, "Label1")->text(), kType3);
        QCOMPARE(control<QLabel>(drs, "Label2")->text(), kType1);
    }

    void theBottomRowLeadsToBrown_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("brownPanel");
        QTest::addColumn<bool>("palsyPanel");
        QTest::newRow("Brown Syndrome") << "Command7" << true << false;
        QTest::newRow("Brown syndrome") << "Command5" << false << true;
        QTest::newRow("Diff. Diagnosis") << "Command4" << false << false;
    }
    void theBottomRowLeadsToBrown() {
        QFETCH(QString, button);
        QFETCH(bool, brownPanel);
        QFETCH(bool, palsyPanel);
        QWidget* drs = openScreen("DRS");
        click(control<QPushButton>(drs, qPrintable(button)));
        flushDeletes();
        QCOMPARE(Navigator::instance().openScreens(), QStringList{"Brown"});
        QWidget* brown = Navigator::instance().find("Brown");
        QVERIFY(brown->isVisible());
        QCOMPARE(control<QGroupBox>(brown, "Frame1")->isVisible(), brownPanel);
        QCOMPARE(control<QGroupBox>(brown, "Frame3")->isVisible(), palsyPanel);
        QVERIFY(control<QGroupBox>(brown, "Frame2")->isVisible());
    }

    void aBrownScreenAlreadyOpenKeepsItsAnswersAndSwitchesPanel() {
        QWidget* brown = openScreen("Brown");
        click(control<QPushButton>(brown, "Command5"));
        clickAll(brown, {"Option2"});
        QWidget* drs = openScreen("DRS");
        click(control<QPushButton>(drs, "Command7"));
        flushDeletes();
        QCOMPARE(Navigator::instance().find("Brown"), brown);
        QVERIFY(control<QGroupBox>(brown, "Frame1")->isVisible());
        QVERIFY(!control<QGroupBox>(brown, "Frame3")->isVisible());
        QVERIFY(control<QRadioButton>(brown, "Option2")->isChecked());
        QVERIFY(Navigator::instance().find("DRS") == nullptr);
    }

    void homeClosesTheScreenAndTheNextOpeningIsFresh() {
        QWidget* drs = openScreen("DRS");
        clickAll(drs, {"Option2", "Option3"});
        click(control<QPushButton>(drs, "Command1"));
        click(control<QPushButton>(drs, "Command3"));
        flushDeletes();
        QCOMPARE(Navigator::instance().openScreens(), QStringList{"SBoard"});
        QWidget* again = openScreen("DRS");
        QCOMPARE(control<QLabel>(again, "Label1")->text(), QString());
        QVERIFY(!control<QRadioButton>(again, "Option2")->isChecked());
    }
};

QTEST_MAIN(DrsTest)
#include "drs_test.moc"
