// The dissociated vertical deviation screen, driven as a user would.

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
const QString kBilateralNo =
    QStringLiteral("Bilateral 7 To 9 mm of Superior Rectus Recession +- Retro Equatorial Myopexy Of Superior Rectus ");

QColor drawnBackground(QWidget* widget, QPoint at = {2, 2}) { return widget->grab().toImage().pixelColor(at); }

}  // namespace

class DvdTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerScreens(); }
    void cleanup() { closeAllScreens(); }

    void opensAsDesigned() {
        QWidget* dvd = openScreen("DVD");
        QCOMPARE(dvd->windowTitle(), QStringLiteral("DVD "));
        QCOMPARE(control<QLabel>(dvd, "Label7")->text(), QStringLiteral("Dissociated Vertical Deviation"));
        QCOMPARE(control<QLabel>(dvd, "Label7")->y(), 0);
        QCOMPARE(control<QLabel>(dvd, "Label8")->x(), 0);
        QCOMPARE(control<QLabel>(dvd, "Label9")->geometry().right(), dvd->width() - 1);
        QCOMPARE(control<QLabel>(dvd, "Label10")->geometry().bottom(), dvd->height() - 1);
        // White between the frame and the Back button.
        auto* back = control<QPushButton>(dvd, "Command2");
        QCOMPARE(drawnBackground(dvd, QPoint(back->x() - 4, back->y() + 4)), QColor(Qt::white));
        QCOMPARE(control<QGroupBox>(dvd, "Frame1")->title(),
                 QStringLiteral("Surgical Treatment Of Dissociated Vertical Deviation"));
        QCOMPARE(control<QGroupBox>(dvd, "Frame3")->title(), QStringLiteral("DVD"));
        QCOMPARE(control<QGroupBox>(dvd, "Frame2")->title(), QStringLiteral("Inferior Oblique Over Action Present"));
        const QList<QPair<const char*, const char*>> options = {
            {"Option3", "Bilateral"}, {"Option4", "Unilateral"}, {"Option1", "NO"}, {"Option2", "YES"}};
        for (const auto& [name, caption] : options)
            QCOMPARE(control<QRadioButton>(dvd, name)->text(), QString(caption));
        QVERIFY(control<QRadioButton>(dvd, "Option3")->isChecked());
        QVERIFY(control<QRadioButton>(dvd, "Option1")->isChecked());
        const QList<QPair<const char*, const char*>> buttons = {
            {"Command1", "Enter "}, {"Command3", "Reset"}, {"Command2", "Back"}, {"Command4", "Close"}};
        for (const auto& [name, caption] : buttons) QCOMPARE(control<QPushButton>(dvd, name)->text(), QString(caption));
        QCOMPARE(control<QLabel>(dvd, "Label1")->text(), QString());
        QCOMPARE(drawnBackground(control<QLabel>(dvd, "Label1")), QColor(Qt::white));
    }

    void enterProposesTheTreatment_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("treatment");
        QTest::newRow("as opened") << QStringList{} << kBilateralNo;
        QTest::newRow("unilateral, no")
            << QStringList{"Option4"}
            << QStringLiteral(" Graded  Recession of Superior Rectus +- Retro Equatorial Myopexy Of Superior Rectus ");
        QTest::newRow("bilateral, yes") << QStringList{"Option2"}
                                        << QStringLiteral("Bilateral Total Anteropositioning of Inferior Oblique");
        QTest::newRow("unilateral, yes") << QStringList{"Option4", "Option2"}
                                         << QStringLiteral("Unilateral Total Anteropositioning of Inferior Oblique");
    }
    void enterProposesTheTreatment() {
        QFETCH(QStringList, clicks);
        QFETCH(QString, treatment);
        QWidget* dvd = openScreen("DVD");
        for (const QString& name : clicks) click(control<QRadioButton>(dvd, qPrintable(name)));
        click(control<QPushButton>(dvd, "Command1"));
        QCOMPARE(control<QLabel>(dvd, "Label1")->text(), treatment);
        QCOMPARE(drawnBackground(control<QLabel>(dvd, "Label1")), kCyan);
    }

    void resetEmptiesTheResultAndKeepsItsColour() {
        QWidget* dvd = openScreen("DVD");
        click(control<QRadioButton>(dvd, "Option2"));
        click(control<QPushButton>(dvd, "Command1"));
        click(control<QPushButton>(dvd, "Command3"));
        auto* result = control<QLabel>(dvd, "Label1");
        QCOMPARE(result->text(), QString());
        QCOMPARE(drawnBackground(result), kCyan);
        QVERIFY(control<QRadioButton>(dvd, "Option2")->isChecked());
        click(control<QRadioButton>(dvd, "Option1"));
        click(control<QPushButton>(dvd, "Command1"));
        QCOMPARE(result->text(), kBilateralNo);
    }

    void backAndCloseCloseItOverTheWorkUp_data() {
        QTest::addColumn<QString>("button");
        QTest::newRow("Back") << "Command2";
        QTest::newRow("Close") << "Command4";
    }
    void backAndCloseCloseItOverTheWorkUp() {
        QFETCH(QString, button);
        openScreen("SBoard");
        QWidget* dvd = openScreen("DVD");
        click(control<QRadioButton>(dvd, "Option4"));
        click(control<QRadioButton>(dvd, "Option2"));
        click(control<QPushButton>(dvd, "Command1"));
        click(control<QPushButton>(dvd, qPrintable(button)));
        flushDeletes();
        QCOMPARE(Navigator::instance().openScreens(), QStringList{"SBoard"});
        QWidget* again = openScreen("DVD");
        QVERIFY(control<QRadioButton>(again, "Option3")->isChecked());
        QVERIFY(control<QRadioButton>(again, "Option1")->isChecked());
        QCOMPARE(control<QLabel>(again, "Label1")->text(), QString());
        QCOMPARE(drawnBackground(control<QLabel>(again, "Label1")), QColor(Qt::white));
    }
};

QTEST_MAIN(DvdTest)
#include "dvd_test.moc"
