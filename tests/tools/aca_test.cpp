// The AC/A calculator driven as a user and as the work-ups drive it.

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "shell/controls.h"
#include "shell/navigator.h"
#include "support/screentest.h"

using namespace ocutest;
using ocu::Navigator;

namespace {

// What a work-up does: open the calculator by name and fill it.
void fillFromWorkup(const QString& near, const QString& nearWithAdd, const char* option) {
    QWidget* aca = Navigator::instance().open(QStringLiteral("ACA"));
    QVERIFY(aca != nullptr);
    control<QLineEdit>(aca, "Text1")->setText(near);
    control<QLineEdit>(aca, "Text2")->setText(nearWithAdd);
    ocu::select(control<QRadioButton>(aca, option));
}

void retype(QLineEdit* box, const QString& text) {
    box->selectAll();
    typeInto(box, text);
}

}  // namespace

class AcaTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerScreens(); }
    void cleanup() { closeAllScreens(); }

    void opensAsDesigned() {
        QWidget* aca = openScreen("ACA");
        QCOMPARE(aca->windowTitle(), QStringLiteral("Ocuvance"));
        QVERIFY(control<QLabel>(aca, "Label7")->text().startsWith("Ocuvance"));
        QVERIFY(control<QLabel>(aca, "Label7")->text().endsWith("AC/A Calculator"));
        control<QLabel>(aca, "Label6");
        control<QLabel>(aca, "Label8");
        control<QLabel>(aca, "Label10");
        QCOMPARE(control<QGroupBox>(aca, "Frame1")->title(), QStringLiteral("Gradient Method"));
        QCOMPARE(control<QGroupBox>(aca, "Frame2")->title(), QStringLiteral("Please select type deviation"));
        QCOMPARE(control<QRadioButton>(aca, "Option1")->text(), QStringLiteral("Eso"));
        QCOMPARE(control<QRadioButton>(aca, "Option2")->text(), QStringLiteral("Exo"));
        QVERIFY(!control<QRadioButton>(aca, "Option1")->isChecked());
        QVERIFY(!control<QRadioButton>(aca, "Option2")->isChecked());
        QCOMPARE(control<QLabel>(aca, "Label1")->text(), QStringLiteral("Deviation at 33 Cms at accommodative target"));
        QCOMPARE(control<QLabel>(aca, "Label2")->text(),
                 QStringLiteral("Deviation at 33 Cms at accommodative target with +3 sph"));
        QCOMPARE(control<QLabel>(aca, "Label3")->text(), QStringLiteral("AC/A Ratio"));
        QCOMPARE(control<QLineEdit>(aca, "Text1")->text(), QStringLiteral("0"));
        QCOMPARE(control<QLineEdit>(aca, "Text2")->text(), QStringLiteral("0"));
        QCOMPARE(control<QLineEdit>(aca, "Text3")->text(), QString());
        QCOMPARE(control<QLabel>(aca, "Label4")->text(), QString());
        QCOMPARE(control<QPushButton>(aca, "Command1")->text(), QStringLiteral("Calculate"));
        QCOMPARE(control<QPushButton>(aca, "Command2")->text(), QStringLiteral("Home"));
    }

    void blackScreenWithWhiteLettering() {
        QWidget* aca = openScreen("ACA");
        const QImage drawn = aca->grab().toImage();
        const QColor black(0, 0, 0);
        // Between the left strip and the frame.
        QCOMPARE(drawn.pixelColor(12, aca->height() / 2), black);
        for (const char* name : {"Label1", "Label4", "Frame2"}) {
            auto* w = aca->findChild<QWidget*>(QLatin1String(name));
            const QImage own = w->grab().toImage();
            QCOMPARE(own.pixelColor(own.width() - 6, own.height() - 6), black);
        }
        auto* label = control<QLabel>(aca, "Label1");
        const QImage text = label->grab().toImage();
        bool white = false;
        for (int x = 0; x < text.width() && !white; ++x) {
            for (int y = 0; y < text.height() && !white; ++y) white = text.pixelColor(x, y).lightness() > 200;
        }
        QVERIFY2(white, "the label's caption is drawn in white");
    }

    void calculateByHand_data() {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("near");
        QTest::addColumn<QString>("nearWithAdd");
        QTest::addColumn<QString>("ratio");
        QTest::addColumn<QString>("ratioClass");
        QTest::newRow("eso high") << "Option1"
                                  << "30"
                                  << "12"
                                  << "6"
                                  << "High";
        QTest::newRow("eso third") << "Option1"
                                   << "30"
                                   << "20"
                                   << "3.33333333333333"
                                   << "Normal";
        QTest::newRow("eso low") << "Option1"
                                 << "30"
                                 << "25"
                                 << "1.66666666666667"
                                 << "Low";
        QTest::newRow("eso lenient") << "Option1"
                                     << "abc"
                                     << "9"
                                     << "-3"
                                     << "Low";
        QTest::newRow("exo five") << "Option2"
                                  << "20"
                                  << "35"
                                  << "5"
                                  << "Normal";
        QTest::newRow("exo above five") << "Option2"
                                        << "20"
                                        << "36"
                                        << "5.33333333333333"
                                        << "High";
    }
    void calculateByHand() {
        QFETCH(QString, type);
        QFETCH(QString, near);
        QFETCH(QString, nearWithAdd);
        QFETCH(QString, ratio);
        QFETCH(QString, ratioClass);
        QWidget* aca = openScreen("ACA");
        click(control<QRadioButton>(aca, qPrintable(type)));
        retype(control<QLineEdit>(aca, "Text1"), near);
        retype(control<QLineEdit>(aca, "Text2"), nearWithAdd);
        click(control<QPushButton>(aca, "Command1"));
        QCOMPARE(control<QLineEdit>(aca, "Text3")->text(), ratio);
        QCOMPARE(control<QLabel>(aca, "Label4")->text(), ratioClass);
    }

    void withoutATypeTheClassFollowsTheRatioBox() {
        QWidget* aca = openScreen("ACA");
        auto* calculate = control<QPushButton>(aca, "Command1");
        click(calculate);
        QCOMPARE(control<QLineEdit>(aca, "Text3")->text(), QString());
        QCOMPARE(control<QLabel>(aca, "Label4")->text(), QStringLiteral("Low"));
        typeInto(control<QLineEdit>(aca, "Text3"), "7");
        click(calculate);
        QCOMPARE(control<QLineEdit>(aca, "Text3")->text(), QStringLiteral("7"));
        QCOMPARE(control<QLabel>(aca, "Label4")->text(), QStringLiteral("High"));
    }

    void exoWithABoxThatIsNotANumberComplainsAndChangesNothing_data() {
        QTest::addColumn<QString>("near");
        QTest::addColumn<QString>("nearWithAdd");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focused");
        QTest::newRow("first") << "abc"
                               << "9"
                               << " Please enter a number for deviation at 33 Cms "
                               << "Text1";
        QTest::newRow("second") << "20"
                                << "35pd"
                                << " Please enter a number for deviation at 33 Cms with +3 sph "
                                << "Text2";
    }
    void exoWithABoxThatIsNotANumberComplainsAndChangesNothing() {
        QFETCH(QString, near);
        QFETCH(QString, nearWithAdd);
        QFETCH(QString, message);
        QFETCH(QString, focused);
        QWidget* aca = openScreen("ACA");
        click(control<QRadioButton>(aca, "Option1"));
        click(control<QPushButton>(aca, "Command1"));  // "0" and "0": ratio 0, Low
        click(control<QRadioButton>(aca, "Option2"));
        retype(control<QLineEdit>(aca, "Text1"), near);
        retype(control<QLineEdit>(aca, "Text2"), nearWithAdd);
        MessageAnswerer answerer;
        click(control<QPushButton>(aca, "Command1"));
        QCOMPARE(answerer.texts(), QStringList{message});
        QCOMPARE(control<QLineEdit>(aca, "Text3")->text(), QStringLiteral("0"));
        QCOMPARE(control<QLabel>(aca, "Label4")->text(), QStringLiteral("Low"));
        QCOMPARE(aca->focusWidget(), aca->findChild<QWidget*>(focused));
    }

    void aWorkupFillsAClosedCalculator() {
        fillFromWorkup("30", "12", "Option1");
        QWidget* aca = Navigator::instance().find("ACA");
        QVERIFY(aca != nullptr && aca->isVisible());
        QCOMPARE(control<QLineEdit>(aca, "Text1")->text(), QStringLiteral("30"));
        QCOMPARE(control<QLineEdit>(aca, "Text2")->text(), QStringLiteral("12"));
        QVERIFY(control<QRadioButton>(aca, "Option1")->isChecked());
        QCOMPARE(control<QLineEdit>(aca, "Text3")->text(), QString());  // nothing computed yet
        QCOMPARE(control<QLabel>(aca, "Label4")->text(), QString());
        click(control<QPushButton>(aca, "Command1"));
        QCOMPARE(control<QLineEdit>(aca, "Text3")->text(), QStringLiteral("6"));
        QCOMPARE(control<QLabel>(aca, "Label4")->text(), QStringLiteral("High"));
    }

    void aWorkupFillsAnOpenCalculatorKeepingTheRatio() {
        QWidget* aca = openScreen("ACA");
        click(control<QRadioButton>(aca, "Option1"));
        retype(control<QLineEdit>(aca, "Text1"), "45");
        retype(control<QLineEdit>(aca, "Text2"), "15");
        click(control<QPushButton>(aca, "Command1"));
        fillFromWorkup("20", "36", "Option2");
        QCOMPARE(Navigator::instance().find("ACA"), aca);
        QVERIFY(control<QRadioButton>(aca, "Option2")->isChecked());
        QVERIFY(!control<QRadioButton>(aca, "Option1")->isChecked());
        QCOMPARE(control<QLineEdit>(aca, "Text1")->text(), QStringLiteral("20"));
        QCOMPARE(control<QLineEdit>(aca, "Text3")->text(), QStringLiteral("10"));
        QCOMPARE(control<QLabel>(aca, "Label4")->text(), QStringLiteral("High"));
        ocu::press(control<QPushButton>(aca, "Command1"));
        QCOMPARE(control<QLineEdit>(aca, "Text3")->text(), QStringLiteral("5.33333333333333"));
    }

    void homeClosesAndTheNextOpenIsFresh() {
        QWidget* aca = openScreen("ACA");
        click(control<QRadioButton>(aca, "Option2"));
        click(control<QPushButton>(aca, "Command1"));
        click(control<QPushButton>(aca, "Command2"));
        flushDeletes();
        QCOMPARE(Navigator::instance().openScreens(), QStringList{"SBoard"});
        QWidget* again = openScreen("ACA");
        QVERIFY(!control<QRadioButton>(again, "Option2")->isChecked());
        QCOMPARE(control<QLabel>(again, "Label4")->text(), QString());
    }

    void theSwitchboardOpensIt() {
        QWidget* home = openScreen("SBoard");
        auto* button = control<QPushButton>(home, "Command8");
        QVERIFY(button->isEnabled());
        click(button);
        QVERIFY(Navigator::instance().find("ACA") != nullptr);
    }
};

QTEST_MAIN(AcaTest)
#include "aca_test.moc"
