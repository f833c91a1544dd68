// The A-V patterns calculator driven as a user would: type, Enter, Reset.

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "shell/controls.h"
#include "shell/navigator.h"
#include "shell/picture.h"
#include "support/screentest.h"

using namespace ocutest;
using ocu::Navigator;

namespace {

constexpr double kTolerance = 0.0005;  // the thousandth of a millimetre the positions are given to

bool near(double actual, double expected) { return qAbs(actual - expected) < kTolerance; }

QRectF mmOf(QWidget* screen, const char* name) { return ocu::geometryMm(control<ocu::Picture>(screen, name)); }

void enterDeviations(QWidget* screen, const QString& up, const QString& primary, const QString& down) {
    typeInto(control<QLineEdit>(screen, "Text2"), up);
    typeInto(control<QLineEdit>(screen, "Text1"), primary);
    typeInto(control<QLineEdit>(screen, "Text3"), down);
}

// Irises in screen order with their (left, top) in millimetres.
struct IrisAt {
    const char* name;
    double left;
    double top;
};

void expectIrises(QWidget* screen, const QList<IrisAt>& irises) {
    for (const IrisAt& iris : irises) {
        const QRectF mm = mmOf(screen, iris.name);
        QVERIFY2(near(mm.left(), iris.left), qPrintable(QStringLiteral("%1 left %2").arg(iris.name).arg(mm.left())));
        QVERIFY2(near(mm.top(), iris.top), qPrintable(QStringLiteral("%1 top %2").arg(iris.name).arg(mm.top())));
        QVERIFY(near(mm.width(), 4.498) && near(mm.height(), 4.498));
    }
}

const QList<IrisAt> kAtConstants = {{"Image4", 80.998, 44.567},  {"Image5", 109.608, 44.567},
                                    {"Image6", 80.998, 78.317},  {"Image7", 109.608, 78.317},
                                    {"Image8", 80.998, 112.067}, {"Image9", 109.608, 112.067}};

}  // namespace

class AvPatternsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerScreens(); }
    void cleanup() { closeAllScreens(); }

    void opensAsDesigned() {
        QWidget* avp = openScreen("Form_AVP");
        QCOMPARE(avp->windowTitle(), QStringLiteral("Ocuvance"));
        QVERIFY(control<QLabel>(avp, "Banner")->text().endsWith("Patterns Calculator"));
        QCOMPARE(avp->size(), QSize(ocu::mmToPx(139.44), ocu::mmToPx(150.55)));
        QCOMPARE(control<QGroupBox>(avp, "Frame2")->title(), QStringLiteral("Please Select Type Deviation"));
        QCOMPARE(control<QGroupBox>(avp, "Frame1")->title(), QStringLiteral("Please Enter Devaition In PD"));
        QCOMPARE(control<QRadioButton>(avp, "Option1")->text(), QStringLiteral("Esotropia"));
        QCOMPARE(control<QRadioButton>(avp, "Option2")->text(), QStringLiteral("Exotropia"));
        QVERIFY(!control<QRadioButton>(avp, "Option1")->isChecked());
        QVERIFY(!control<QRadioButton>(avp, "Option2")->isChecked());
        QCOMPARE(control<QLabel>(avp, "Label1")->text(), QStringLiteral("Up Gaze"));
        QCOMPARE(control<QLabel>(avp, "Label2")->text(), QStringLiteral("Primary"));
        QCOMPARE(control<QLabel>(avp, "Label3")->text(), QStringLiteral("Down"));
        for (const char* box : {"Text1", "Text2", "Text3"})
            QCOMPARE(control<QLineEdit>(avp, box)->text(), QStringLiteral("0"));
        QCOMPARE(control<QLineEdit>(avp, "Text4")->text(), QString());
        QCOMPARE(control<QPushButton>(avp, "Command1")->text(),
                 QString(69, QLatin1Char(' ')) + QStringLiteral("Enter"));
        QCOMPARE(control<QPushButton>(avp, "Command3")->text(), QStringLiteral("Reset "));
        QCOMPARE(control<QPushButton>(avp, "Command8")->text(), QStringLiteral("Home"));

        const QRectF frame2 = ocu::geometryMm(control<QGroupBox>(avp, "Frame2"));
        QVERIFY(near(frame2.left(), 8.5) && near(frame2.top(), 12.7) && near(frame2.width(), 118.8));
        const QRectF frame1 = ocu::geometryMm(control<QGroupBox>(avp, "Frame1"));
        QVERIFY(near(frame1.width(), 59.5) && near(frame1.height(), 97.6) && frame1.top() > frame2.bottom());
        const QRectF result = ocu::geometryMm(control<QLineEdit>(avp, "Text4"));
        QVERIFY(near(result.left(), 69.85) && near(result.top(), 129.1) && near(result.width(), 57.4));
        for (const auto& [face, top] :
             {std::pair{"Image2", 31.75}, std::pair{"Image1", 63.5}, std::pair{"Image3", 95.25}}) {
            const QRectF mm = mmOf(avp, face);
            QVERIFY(near(mm.left(), 65.617) && near(mm.top(), top));
            QVERIFY(near(mm.width(), 61.913) && near(mm.height(), 29.898));
        }
        // The up and down rows open 2 mm off their gazes.
        expectIrises(avp, {{"Image4", 80.998, 46.567},
                           {"Image5", 109.608, 46.567},
                           {"Image6", 80.998, 78.317},
                           {"Image7", 109.608, 78.317},
                           {"Image8", 80.998, 110.067},
                           {"Image9", 109.608, 110.067}});
    }

    void enterNamesThePatternAndMovesTheIrises_data() {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QStringList>("deviations");  // up, primary, down
        QTest::addColumn<QString>("pattern");         // empty: the earlier text stays
        QTest::newRow("exo V") << "Option2" << QStringList{"30", "20", "10"} << " V Patterns Exotropia";
        QTest::newRow("exo A") << "Option2" << QStringList{"10", "15", "25"} << " A Patterns Exotropia ";
        QTest::newRow("eso A") << "Option1" << QStringList{"30", "20", "15"} << " A Patterns Esotropia ";
        QTest::newRow("eso V") << "Option1" << QStringList{"10", "20", "30"} << " V Patterns Esotropia ";
        QTest::newRow("eso fifteen apart") << "Option1" << QStringList{"10", "20", "25"} << "";
        QTest::newRow("exo X") << "Option2" << QStringList{"20", "5", "20"} << " X Patterns Exotropia ";
        QTest::newRow("exo primary 7") << "Option2" << QStringList{"20", "7", "20"} << "";
        QTest::newRow("exo Y") << "Option2" << QStringList{"20", "0", "0"} << " Y Patterns Exotropia ";
        QTest::newRow("exo delta") << "Option2" << QStringList{"0", "0", "20"} << " Delta Patterns Exotropia ";
        QTest::newRow("exo no primary") << "Option2" << QStringList{"30", "0", "10"} << "";
    }
    void enterNamesThePatternAndMovesTheIrises() {
        QFETCH(QString, type);
        QFETCH(QStringList, deviations);
        QFETCH(QString, pattern);
        QWidget* avp = openScreen("Form_AVP");
        control<QLineEdit>(avp, "Text4")->setText(QStringLiteral("earlier"));
        click(control<QRadioButton>(avp, qPrintable(type)));
        enterDeviations(avp, deviations[0], deviations[1], deviations[2]);
        click(control<QPushButton>(avp, "Command1"));
        QCOMPARE(control<QLineEdit>(avp, "Text4")->text(), pattern.isEmpty() ? QStringLiteral("earlier") : pattern);
        const double towardsNose = type == "Option1" ? 1 : -1;
        const double up = deviations[0].toDouble(), primary = deviations[1].toDouble(), down = deviations[2].toDouble();
        expectIrises(avp, {{"Image4", 80.998 + towardsNose * up / 14, 44.567},
                           {"Image5", 109.608 - towardsNose * up / 14, 44.567},
                           {"Image6", 80.998 + towardsNose * primary / 14, 78.317},
                           {"Image7", 109.608 - towardsNose * primary / 14, 78.317},
                           {"Image8", 80.998 + towardsNose * down / 14, 112.067},
                           {"Image9", 109.608 - towardsNose * down / 14, 112.067}});
    }

    void theIrisesStandWhereTheWorkedExamplesSay() {
        QWidget* avp = openScreen("Form_AVP");
        click(control<QRadioButton>(avp, "Option2"));
        enterDeviations(avp, "30", "20", "10");
        click(control<QPushButton>(avp, "Command1"));
        expectIrises(avp, {{"Image4", 78.855, 44.567},
                           {"Image5", 111.751, 44.567},
                           {"Image6", 79.569, 78.317},
                           {"Image7", 111.037, 78.317},
                           {"Image8", 80.284, 112.067},
                           {"Image9", 110.322, 112.067}});
        click(control<QRadioButton>(avp, "Option1"));
        enterDeviations(avp, "30", "20", "15");
        click(control<QPushButton>(avp, "Command1"));
        expectIrises(avp, {{"Image4", 83.141, 44.567}, {"Image5", 107.465, 44.567}});
    }

    void withoutATypeOnlyTheMessageShows() {
        QWidget* avp = openScreen("Form_AVP");
        enterDeviations(avp, "30", "20", "10");
        MessageAnswerer answerer;
        click(control<QPushButton>(avp, "Command1"));
        QCOMPARE(answerer.texts(), QStringList{"Please Select Type Of Deviation "});
        QCOMPARE(control<QLineEdit>(avp, "Text4")->text(), QString());
        expectIrises(avp, {{"Image4", 80.998, 46.567}, {"Image7", 109.608, 78.317}, {"Image9", 109.608, 110.067}});
    }

    void aBoxThatIsNotANumberIsNamedAndNothingChanges_data() {
        QTest::addColumn<QStringList>("deviations");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("box");
        QTest::newRow("up") << QStringList{"3O", "20", "10"} << " Please enter a number for up gaze deviation "
                            << "Text2";
        QTest::newRow("primary") << QStringList{"30", "20pd", "10"}
                                 << " Please enter a number for primary position deviation "
                                 << "Text1";
        QTest::newRow("down") << QStringList{"30", "20", "-"} << " Please enter a number for down gaze deviation "
                              << "Text3";
    }
    void aBoxThatIsNotANumberIsNamedAndNothingChanges() {
        QFETCH(QStringList, deviations);
        QFETCH(QString, message);
        QFETCH(QString, box);
        QWidget* avp = openScreen("Form_AVP");
        click(control<QRadioButton>(avp, "Option2"));
        enterDeviations(avp, deviations[0], deviations[1], deviations[2]);
        MessageAnswerer answerer;
        click(control<QPushButton>(avp, "Command1"));
        QCOMPARE(answerer.texts(), QStringList{message});
        QCOMPARE(control<QLineEdit>(avp, "Text4")->text(), QString());
        expectIrises(avp, {{"Image4", 80.998, 46.567}, {"Image6", 80.998, 78.317}, {"Image9", 109.608, 110.067}});
        QCOMPARE(avp->focusWidget(), avp->findChild<QWidget*>(box));
    }

    void resetRestoresTheSimulatorAndKeepsTheType() {
        QWidget* avp = openScreen("Form_AVP");
        click(control<QRadioButton>(avp, "Option2"));
        enterDeviations(avp, "30", "20", "10");
        click(control<QPushButton>(avp, "Command1"));
        click(control<QPushButton>(avp, "Command3"));
        for (const char* box : {"Text1", "Text2", "Text3"})
            QCOMPARE(control<QLineEdit>(avp, box)->text(), QStringLiteral("0"));
        QCOMPARE(control<QLineEdit>(avp, "Text4")->text(), QString());
        QVERIFY(control<QRadioButton>(avp, "Option2")->isChecked());
        expectIrises(avp, kAtConstants);
        QVERIFY(near(mmOf(avp, "Image1").top(), 63.5) && near(mmOf(avp, "Image3").top(), 95.25));
    }

    void resetOnAFreshScreenTakesTheGazeRows() {
        QWidget* avp = openScreen("Form_AVP");
        click(control<QPushButton>(avp, "Command3"));
        expectIrises(avp, kAtConstants);
    }

    void aDeviationBoxEmptiesOnFocusAndGetsZeroBackWhenLeftEmpty() {
        QWidget* avp = openScreen("Form_AVP");
        auto* up = control<QLineEdit>(avp, "Text2");
        auto* primary = control<QLineEdit>(avp, "Text1");
        typeInto(up, "25");
        pressTab(up);
        QCOMPARE(up->text(), QStringLiteral("25"));
        click(up);
        QCOMPARE(up->text(), QString());
        click(primary);  // leaving the emptied box puts "0" back
        QCOMPARE(up->text(), QStringLiteral("0"));
        QCOMPARE(primary->text(), QString());
    }

    void homeClosesTheScreenAndTheSwitchboardOpensIt() {
        QWidget* home = openScreen("SBoard");
        auto* button = control<QPushButton>(home, "Command7");
        QVERIFY(button->isEnabled());
        click(button);
        QWidget* avp = Navigator::instance().find("Form_AVP");
        QVERIFY(avp != nullptr);
        click(control<QRadioButton>(avp, "Option1"));
        click(control<QPushButton>(avp, "Command8"));
        flushDeletes();
        QCOMPARE(Navigator::instance().openScreens(), QStringList{"SBoard"});
        QVERIFY(!control<QRadioButton>(openScreen("Form_AVP"), "Option1")->isChecked());
    }
};

QTEST_MAIN(AvPatternsTest)
#include "avpatterns_test.moc"
