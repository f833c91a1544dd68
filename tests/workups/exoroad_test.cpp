// The exo road as a surgeon walks it: Home, the work-up with a V pattern and
// an inferior oblique over-action, Enter, the answers, "Go To Squint
// Calculator", doses in the green boxes until the eye is centred, and Back
// to the work-up as it was; and the delta pattern's own hand-off.

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "shell/controls.h"
#include "shell/navigator.h"
#include "support/screentest.h"
#include "workups/workuptest.h"

using namespace ocutest;
using ocu::Navigator;

namespace {

constexpr double kRestOS = 88.9;
constexpr double kRestOD = 33.302;
const QColor kLightCyan(192, 255, 255);

QWidget* workupFromHome() { return openFromHome("Command2", "Exotropia"); }

void fillPatient(QWidget* exo) {
    fillPatientBlock(exo, {"Ravi Kumar", "9", "M", "X-12", "Dr Iyer", "Lake Eye Hospital"});
}

// D, N, UP, DN, N60, N3, then Enter.
void enterDeviations(QWidget* exo, const QStringList& values) {
    const char* names[] = {"D", "N", "UP", "DN", "N60", "N3"};
    for (int i = 0; i < values.size(); ++i) typeAndLeave(exo, names[i], values[i]);
    click(button(exo, "Command1"));
}

QWidget* handOff(QWidget* exo) { return handOffBy(exo, "Command2"); }

}  // namespace

class ExoRoadTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerScreens(); }
    void cleanup() { closeAllScreens(); }

    void vPatternWithAnInferiorObliqueOveractionToACentredEyeAndBack() {
        MessageAnswerer answerer;
        QWidget* exo = workupFromHome();
        QVERIFY(exo != nullptr);
        fillPatient(exo);
        click(option(exo, "Option5"));  // onset 6-50 years; OD fixes as the screen opens
        enterDeviations(exo, {"30", "28", "40", "10", "30", "39"});
        QCOMPARE(label(exo, "Label1")->text(), QStringLiteral(" V Patterns Exotropia"));
        QCOMPARE(label(exo, "Label9")->text(), QStringLiteral("Basic Exo Deviation"));
        QCOMPARE(label(exo, "Label24")->text(), QStringLiteral("Normal AC/A Ratio"));
        QCOMPARE(label(exo, "Label10")->text(), QStringLiteral("B/L Lat. Rectus Recession"));
        QVERIFY(option(exo, "Option12")->isVisible() && !option(exo, "Option10")->isVisible());
        click(option(exo, "Option12"));  // inferior oblique over-action
        click(option(exo, "Option18"));  // grade 2
        const QRectF irisBefore = ocu::geometryMm(control<QWidget>(exo, "Image7"));

        QWidget* s = handOff(exo);
        QVERIFY(s != nullptr && s->isVisible());
        QVERIFY(!exo->isVisible());
        QVERIFY(Navigator::instance().find("Exotropia") == exo);  // hidden, not closed
        QVERIFY(option(s, "EXO_OS")->isChecked());
        QVERIFY(option(s, "Option5")->isChecked() && option(s, "Option5")->isEnabled());
        for (const char* off : {"Option4", "Option6", "Option7"}) QVERIFY2(!option(s, off)->isEnabled(), off);
        // The calculator's own answer to the over-action on an exo eye.
        QVERIFY(option(s, "Option11")->isChecked());
        QVERIFY(option(s, "Option14")->isChecked());
        QCOMPARE(box(s, "Text11")->text(),
                 QStringLiteral("B/L Lat.Rectus Recession With Respective Inferior Obliques Weaking"));
        QCOMPARE(drawn(box(s, "Text11")), kLightCyan);
        QCOMPARE(box(s, "Text1")->text(), QStringLiteral("30"));
        QCOMPARE(box(s, "Text3")->text(), QStringLiteral("Ravi Kumar"));
        QCOMPARE(box(s, "Text2")->text(), QStringLiteral("9"));
        QCOMPARE(box(s, "Text6")->text(), QStringLiteral("M"));
        QCOMPARE(box(s, "Text7")->text(), QStringLiteral("X-12"));
        QCOMPARE(box(s, "Text8")->text(), QStringLiteral("Dr Iyer"));
        QCOMPARE(box(s, "Text10")->text(), QStringLiteral("Lake Eye Hospital"));
        QVERIFY(button(s, "Command1")->isEnabled());
        for (const char* off : {"Command2", "Command3", "Command13", "Command11", "enter", "Command9"}) {
            QVERIFY2(!button(s, off)->isEnabled(), off);
        }
        // The procedures not pressed are disabled, not hidden.
        for (const char* shown : {"Command2", "Command13", "Command11"}) QVERIFY2(!button(s, shown)->isHidden(), shown);
        QVERIFY(!button(s, "Command7")->isHidden());
        QVERIFY(button(s, "Command6")->isHidden());
        // ENTER has turned the left eye out by 30 PD.
        QCOMPARE(leftMm(s, "Image3"), kRestOS + 30.0 / 7);
        QCOMPARE(leftMm(s, "Image2"), kRestOD);

        // Both lateral recti are open for dosing; a first plan falls short...
        QVERIFY(control<QComboBox>(s, "cmbLRrec_R")->isEnabled());
        QVERIFY(control<QComboBox>(s, "cmbLRrec_L")->isEnabled());
        chooseDose(s, "cmbLRrec_R", "5.0 mm");
        chooseDose(s, "cmbLRrec_L", "5.0 mm");
        click(button(s, "Showresult"));
        QCOMPARE(leftMm(s, "Image3"), kRestOS + 10.0 / 7);
        // ...a millimetre more on each side centres the eye.
        chooseDose(s, "cmbLRrec_R", "6.0 mm");
        chooseDose(s, "cmbLRrec_L", "6.0 mm");
        click(button(s, "Showresult"));
        QCOMPARE(box(s, "CTotal")->text(), QStringLiteral("30"));
        QCOMPARE(leftMm(s, "Image3"), kRestOS);
        QVERIFY(answerer.texts().isEmpty());

        click(button(s, "Command7"));
        flushDeletes();
        QVERIFY(Navigator::instance().find("Squint") == nullptr);
        QVERIFY(exo->isVisible());
        QCOMPARE(box(exo, "Text2")->text(), QStringLiteral("Ravi Kumar"));
        QCOMPARE(box(exo, "D")->text(), QStringLiteral("30"));
        QCOMPARE(label(exo, "Label1")->text(), QStringLiteral(" V Patterns Exotropia"));
        QCOMPARE(label(exo, "Label10")->text(), QStringLiteral("B/L Lat. Rectus Recession"));
        QCOMPARE(drawn(label(exo, "Label9")), kLightCyan);
        QVERIFY(option(exo, "Option12")->isChecked() && option(exo, "Option18")->isChecked());
        QCOMPARE(ocu::geometryMm(control<QWidget>(exo, "Image7")), irisBefore);
        QVERIFY(button(exo, "Command2")->isVisible());
    }

    void deltaPatternRewritesOptionOneAndLeavesOnlyDelta() {
        MessageAnswerer answerer;
        QWidget* exo = workupFromHome();
        click(option(exo, "Option1"));  // Alt OS fixes
        enterDeviations(exo, {"0", "0", "0", "20"});
        QCOMPARE(label(exo, "Label1")->text(), QStringLiteral(" Delta Patterns Exotropia "));
        QCOMPARE(label(exo, "Label10")->text(), QStringLiteral("Nasal Shifting Inf.Rectus Of Both Side"));
        QVERIFY(!control<QGroupBox>(exo, "Frame6")->isVisible());
        QWidget* s = handOff(exo);
        QVERIFY(s != nullptr);
        QVERIFY(option(s, "EXO_OD")->isChecked());
        QVERIFY(option(s, "Option9")->isChecked() && option(s, "Option9")->isEnabled());
        for (const char* off : {"Option1", "Option2", "Option3", "Option8", "Option10", "Option11", "Option12"}) {
            QVERIFY2(!option(s, off)->isEnabled(), off);
        }
        QVERIFY(box(s, "Text11")->text().isEmpty());
        QVERIFY(!button(s, "Command11")->isEnabled());
        click(button(s, "Command7"));
        flushDeletes();
        QVERIFY(exo->isVisible());
        QCOMPARE(label(exo, "Label10")->text(), QStringLiteral("Nasal Shifting Both Inferior Rectus "));
        QCOMPARE(drawn(label(exo, "Label10")), kLightCyan);
    }
};

QTEST_MAIN(ExoRoadTest)
#include "exoroad_test.moc"
