// The Brown syndrome and double elevator palsy screen, driven as a user would.

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "shell/navigator.h"
#include "support/screentest.h"

using namespace ocutest;
using ocu::Navigator;

namespace {

const QColor kCyan(192, 255, 255);
const QString kNotIndicated = QStringLiteral("Surgery is not indicated");
const QString kPtosisAdvice = QStringLiteral(
    "Ptosis surgery should be avoided until the hypotropia is corrected. Once the eye alignment is improved, the "
    "ptosis can be reevaluated.");

QColor drawnBackground(QWidget* widget) { return widget->grab().toImage().pixelColor(2, 2); }

void clickAll(QWidget* screen, const QStringList& names) {
    for (const QString& name : names) click(control<QRadioButton>(screen, qPrintable(name)));
}

QStringList checkedOptions(QWidget* screen) {
    QStringList names;
    for (QRadioButton* option : screen->findChildren<QRadioButton*>()) {
        if (option->isChecked()) names << option->objectName();
    }
    names.sort();
    return names;
}

}  // namespace

class BrownTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerScreens(); }
    void cleanup() { closeAllScreens(); }

    void opensWithOnlyTheButtonRow() {
        QWidget* brown = openScreen("Brown");
        QCOMPARE(brown->windowTitle(), QString());
        QVERIFY(control<QLabel>(brown, "Banner")->text().endsWith("Restictive Strabisus"));
        QVERIFY(control<QGroupBox>(brown, "Frame2")->isVisible());
        QCOMPARE(control<QGroupBox>(brown, "Frame2")->title(), QString());
        QVERIFY(!control<QGroupBox>(brown, "Frame1")->isVisible());
        QVERIFY(!control<QGroupBox>(brown, "Frame3")->isVisible());
        // clang-format off
        const QList<QPair<const char*, const char*>> buttons = {
            {"Command2", "Brown Syndrome"}, {"Command5", "Double Elevator Palsy"},
            {"Command6", "Duane's Retraction Syndrome"}, {"Command3", "Home"},
            {"Command4", "Enter"}, {"Command1", "Reset"}};
        for (const auto& [name, caption] : buttons) QCOMPARE(control<QPushButton>(brown, name)->text(), QString(caption));
        // The row runs left to right in that order.
        QVERIFY(control<QPushButton>(brown, "Command2")->x() < control<QPushButton>(brown, "Command5")->x());
        QVERIFY(control<QPushButton>(brown, "Command5")->x() < control<QPushButton>(brown, "Command6")->x());
        QVERIFY(control<QPushButton>(brown, "Command6")->x() < control<QPushButton>(brown, "Command3")->x());
    }

    void theDoubleElevatorPanelAsDesigned() {
        QWidget* brown = openScreen("Brown");
        click(control<QPushButton>(brown, "Command5"));
        QCOMPARE(control<QGroupBox>(brown, "Frame3")->title(), QStringLiteral("DOUBLE ELEVATOR PALSY"));
        QCOMPARE(control<QGroupBox>(brown, "Frame4")->title(), QStringLiteral("Management Of Double Elevator Palsy"));
        const QList<QPair<const char*, const char*>> frames = {
            {"Frame5", "Patient in primary position  has "}, {"Frame6", "Hypertropia in primary position "},
            {"Frame7", "Ptosis"}, {"Frame8", "Force duction test"}};
        for (const auto& [name, title] : frames) QCOMPARE(control<QGroupBox>(brown, name)->title(), QString(title));
        const QList<QPair<const char*, const char*>> options = {
            {"Option1", "Orthophoria"}, {"Option2", "Hypertropia"}, {"Option6", "Less than 30 Pd"},
            {"Option5", "More  than 30 Pd"}, {"Option4", "Absent"}, {"Option3", "Present"},
            {"Option7", "Positve"}, {"Option8", "Negetive"}};
        for (const auto& [name, caption] : options) {
            QCOMPARE(control<QRadioButton>(brown, name)->text(), QString(caption));
        }
        // clang-format on
        QCOMPARE(checkedOptions(brown), (QStringList{"Option1", "Option4", "Option7"}));
        for (const char* name : {"Label1", "Label2"}) {
            auto* label = control<QLabel>(brown, name);
            QCOMPARE(label->text(), QString());
            QCOMPARE(drawnBackground(label), QColor(Qt::white));
        }
    }

    void thePanelsShareOneAreaAndShowOneAtATime() {
        QWidget* brown = openScreen("Brown");
        auto* brownPanel = control<QGroupBox>(brown, "Frame1");
        auto* palsyPanel = control<QGroupBox>(brown, "Frame3");
        QCOMPARE(brownPanel->geometry(), palsyPanel->geometry());
        QCOMPARE(brownPanel->title(), QStringLiteral("Brown Syndrome"));
        click(control<QPushButton>(brown, "Command2"));
        QVERIFY(brownPanel->isVisible() && !palsyPanel->isVisible());
        click(control<QPushButton>(brown, "Command5"));
        QVERIFY(!brownPanel->isVisible() && palsyPanel->isVisible());
        click(control<QPushButton>(brown, "Command5"));
        QVERIFY(!brownPanel->isVisible() && palsyPanel->isVisible());
        click(control<QPushButton>(brown, "Command2"));
        QVERIFY(brownPanel->isVisible() && !palsyPanel->isVisible());
    }

    void theReferenceTexts() {
        QWidget* brown = openScreen("Brown");
        for (const char* name : {"Text1", "Text2", "Text3", "Text4"}) {
            auto* box = control<QPlainTextEdit>(brown, name);
            QVERIFY(box->isReadOnly());
            // Each text ends with a line break of its own.
            QVERIFY2(box->toPlainText().endsWith('\n'), name);
        }
        auto lines = [brown](const char* name) {
            QString text = control<QPlainTextEdit>(brown, name)->toPlainText();
            text.chop(1);
            return text.split('\n');
        };
        const QStringList signs = lines("Text1");
        QCOMPARE(signs.size(), 19);
        QCOMPARE(signs.first(), QStringLiteral("Brown syndrome"));
        QVERIFY(signs.at(17).startsWith("Brown syndrome Plus"));
        QCOMPARE(control<QPlainTextEdit>(brown, "Text1")->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(lines("Text2"),
                 (QStringList{
                     "Grades of Brown syndrome ( By Eustis,O'Reilly And Crawford )", "",
                     "Mild:  Limited elevation in adduction but no downshoot,no hypertropia in primary position.",
                     "Moderate:  Limited elevation in adduction with  downshoot, no hypertropia in primary position.",
                     "Severe:  Limited elevation in adduction with  downshoot, hypertropia in primary position."}));
        const QStringList management = lines("Text3");
        QCOMPARE(management.size(), 4);
        QVERIFY(management.first().startsWith("Management: "));
        QCOMPARE(management.mid(1),
                 (QStringList{"1.\tWright silicone tendon expander technique (preferred method)",
                              "2.\tSuperior oblique split tendon lengthening technique", "3.\tTenotomy"}));
        const QStringList palsy = lines("Text4");
        QCOMPARE(palsy.size(), 12);
        QCOMPARE(palsy.first(), QStringLiteral("DOUBLE ELEVATOR PALSY"));
        QVERIFY(palsy.contains("Clinical Features") && palsy.contains("Pathogenesis"));
    }

    void enterProposesTheOperation_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("ptosis");
        QTest::newRow("as opened") << QStringList{} << kNotIndicated << QString();
        QTest::newRow("orthophoria whatever else")
            << QStringList{"Option8", "Option5", "Option3"} << kNotIndicated << kPtosisAdvice;
        QTest::newRow("positive duction test")
            << QStringList{"Option2"} << QStringLiteral("Inferior Rectus recession") << QString();
        QTest::newRow("negative, more than 30")
            << QStringList{"Option2", "Option8", "Option5"}
            << QStringLiteral(
                   " Knapp procedure (transposing the medial and lateral recti to the corners of the "
                   "insertion of the superior rectus)")
            << QString();
        QTest::newRow("negative, less than 30, ptosis")
            << QStringList{"Option2", "Option8", "Option6", "Option3"}
            << QStringLiteral("A graded resection of the superior rectus and recession of the inferior rectus ")
            << kPtosisAdvice;
    }
    void enterProposesTheOperation() {
        QFETCH(QStringList, clicks);
        QFETCH(QString, operation);
        QFETCH(QString, ptosis);
        QWidget* brown = openScreen("Brown");
        click(control<QPushButton>(brown, "Command5"));
        clickAll(brown, clicks);
        click(control<QPushButton>(brown, "Command4"));
        QCOMPARE(control<QLabel>(brown, "Label1")->text(), operation);
        QCOMPARE(drawnBackground(control<QLabel>(brown, "Label1")), kCyan);
        QCOMPARE(control<QLabel>(brown, "Label2")->text(), ptosis);
        QCOMPARE(drawnBackground(control<QLabel>(brown, "Label2")), ptosis.isEmpty() ? QColor(Qt::white) : kCyan);
    }

    void noMatchingRowLeavesTheOperationAsItWas() {
        QWidget* brown = openScreen("Brown");
        click(control<QPushButton>(brown, "Command5"));
        click(control<QPushButton>(brown, "Command4"));
        // Hypertropia with a negative duction test but no amount chosen.
        clickAll(brown, {"Option2", "Option8"});
        click(control<QPushButton>(brown, "Command4"));
        QCOMPARE(control<QLabel>(brown, "Label1")->text(), kNotIndicated);
    }

    void thePtosisAdviceStaysUntilReset() {
        QWidget* brown = openScreen("Brown");
        click(control<QPushButton>(brown, "Command5"));
        clickAll(brown, {"Option2", "Option3"});
        click(control<QPushButton>(brown, "Command4"));
        QCOMPARE(control<QLabel>(brown, "Label2")->text(), kPtosisAdvice);
        clickAll(brown, {"Option4"});
        click(control<QPushButton>(brown, "Command4"));
        QCOMPARE(control<QLabel>(brown, "Label2")->text(), kPtosisAdvice);

        click(control<QPushButton>(brown, "Command1"));
        for (const char* name : {"Label1", "Label2"}) {
            auto* label = control<QLabel>(brown, name);
            QCOMPARE(label->text(), QString());
            QCOMPARE(drawnBackground(label), kCyan);
        }
        QCOMPARE(checkedOptions(brown), (QStringList{"Option2", "Option4", "Option7"}));
    }

    void switchingPanelsKeepsTheHiddenPanelsAnswers() {
        QWidget* brown = openScreen("Brown");
        click(control<QPushButton>(brown, "Command5"));
        clickAll(brown, {"Option2", "Option8", "Option5", "Option3"});
        click(control<QPushButton>(brown, "Command4"));
        const QString operation = control<QLabel>(brown, "Label1")->text();
        auto* text1 = control<QPlainTextEdit>(brown, "Text1");
        const QString signs = text1->toPlainText();

        click(control<QPushButton>(brown, "Command2"));
        click(control<QPushButton>(brown, "Command5"));
        click(control<QPushButton>(brown, "Command2"));
        QCOMPARE(text1->toPlainText(), signs);
        click(control<QPushButton>(brown, "Command5"));
        QCOMPARE(checkedOptions(brown), (QStringList{"Option2", "Option3", "Option5", "Option8"}));
        QCOMPARE(control<QLabel>(brown, "Label1")->text(), operation);
        QCOMPARE(control<QLabel>(brown, "Label2")->text(), kPtosisAdvice);
        QCOMPARE(drawnBackground(control<QLabel>(brown, "Label1")), kCyan);
    }

    void leavingClosesTheScreen_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("openAfter");
        QTest::newRow("Duane's Retraction Syndrome") << "Command6" << QStringList{"DRS"};
        QTest::newRow("Home") << "Command3" << QStringList{"SBoard"};
    }
    void leavingClosesTheScreen() {
        QFETCH(QString, button);
        QFETCH(QStringList, openAfter);
        QWidget* brown = openScreen("Brown");
        click(control<QPushButton>(brown, "Command5"));
        clickAll(brown, {"Option2"});
        click(control<QPushButton>(brown, "Command4"));
        click(control<QPushButton>(brown, qPrintable(button)));
        flushDeletes();
        QCOMPARE(Navigator::instance().openScreens(), openAfter);
        // The next opening starts afresh.
        QWidget* again = openScreen("Brown");
        QVERIFY(!control<QGroupBox>(again, "Frame3")->isVisible());
        QCOMPARE(checkedOptions(again), (QStringList{"Option1", "Option4", "Option7"}));
        QCOMPARE(control<QLabel>(again, "Label1")->text(), QString());
    }

    void homesRestrictiveButtonOpensIt() {
        QWidget* home = openScreen("SBoard");
        auto* restrictive = control<QPushButton>(home, "Command10");
        QVERIFY(restrictive->isEnabled());
        click(restrictive);
        QWidget* brown = Navigator::instance().find("Brown");
        QVERIFY(brown != nullptr && brown->isVisible());
        QVERIFY(home->isVisible());
    }
};

QTEST_MAIN(BrownTest)
#include "brown_test.moc"
