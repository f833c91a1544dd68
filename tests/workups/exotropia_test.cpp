// The exo work-up screen driven as a user would: boxes typed and left, the
// range messages, Enter and its seven steps, Reset, the oblique-action
// answers, the simulator in millimetres and the Help buttons.

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <functional>

#include "shell/controls.h"
#include "shell/navigator.h"
#include "support/screentest.h"
#include "workups/workuptest.h"

using namespace ocutest;
using ocu::Navigator;

namespace {

const QColor kWhite(255, 255, 255);
const QColor kLightCyan(192, 255, 255);

QWidget* openExo() { return openScreen("Exotropia"); }

// Types the six deviations as a user would, each box left with Tab:
// D, N, UP, DN, N60, N3.
void enterDeviations(QWidget* exo, const QStringList& values) {
    const char* names[] = {"D", "N", "UP", "DN", "N60", "N3"};
    for (int i = 0; i < values.size(); ++i) {
        QLineEdit* deviation = box(exo, names[i]);
        typeInto(deviation, values[i]);
        pressTab(deviation);
    }
}

void pressEnter(QWidget* exo) { click(control<QPushButton>(exo, "Command1")); }

// Which of Normal, Inf Obl OA, Sup Obli OA and Sup+Inf Obl OA are shown, as
// "NIS+" with "-" for a hidden one.
QString obliquesShown(QWidget* exo) {
    QString shown;
    // clang-format off
    const QList<QPair<const char*, QChar>> options = {
        {"Option13", 'N'}, {"Option12", 'I'}, {"Option10", 'S'}, {"Option14", '+'}};
    for (const auto& [name, letter] : options) {
        shown += control<QRadioButton>(exo, name)->isVisibleTo(exo) ? letter : QChar('-');
    }
    // clang-format on
    return shown;
}

}  // namespace

class ExotropiaTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerScreens(); }
    void cleanup() { closeAllScreens(); }

    void opensAsDesigned() {
        QWidget* exo = openExo();
        QCOMPARE(exo->windowTitle(), QStringLiteral("Exo Deviations"));
        QCOMPARE(exo->size(), QSize(ocu::mmToPx(229.66), ocu::mmToPx(183.09)));
        const QString banner = control<QLabel>(exo, "Banner")->text();
        QVERIFY(banner.startsWith("Ocuvance") && banner.endsWith("Exo Deviations With Patterns"));
        QCOMPARE(exo->findChildren<QLabel*>(QStringLiteral("Label23")).size(), 2);
        control<QLabel>(exo, "Label20");

        // clang-format off
        const QList<QPair<const char*, const char*>> frames = {
            {"Frame2", "Step1 Patient's Information"}, {"Frame4", "Step 2 Onset At the age of patient "},
            {"Frame5", "Step3 Fixating Eye (Dominating)"}, {"Frame7", "Step 4 Presentation"},
            {"Frame8", "Step 5 Vision And Refraction"}, {"Frame9", "               OD               OS        "},
            {"Frame11", "After 60 Min Of One EyePatch"}, {"Frame6", "Step 7 Oblques Action And Grades"},
            {"Frame10", "Grades Of OA"},
            {"Frame12", "Step 8---------------Surgical Option1----------------------------------------------------Surgical Option2"},
            {"Frame17", " Help"}};
        for (const auto& [name, title] : frames) QCOMPARE(control<QGroupBox>(exo, name)->title(), QString(title));
        const QString step6 = control<QGroupBox>(exo, "Frame3")->title();
        QVERIFY(step6.startsWith("Step 6Please Enter Amount Of Deviation  In Prism Diopters   "));
        QCOMPARE(step6.trimmed(), QStringLiteral("Step 6Please Enter Amount Of Deviation  In Prism Diopters"));

        const QList<QPair<const char*, const char*>> options = {
            {"Option3", "< 1 Year"}, {"Option4", "1-5 Years"}, {"Option5", "6-50 years"}, {"Option11", "> 50 Years"},
            {"Option9", "OD"}, {"Option8", "OS"}, {"Option2", "Alt OD"}, {"Option1", "Alt OS"},
            {"Option6", "Constant"}, {"Option7", "Intermittent"},
            {"Option13", "Normal"}, {"Option12", "Inf Obl OA"}, {"Option10", "Sup Obli OA"}, {"Option14", "Sup+Inf Obl OA"},
            {"Option17", "Grade 1"}, {"Option18", "Grade 2"}, {"Option19", "Grade 3"}, {"Option20", "Grade 4"},
            {"Option15", "1"}, {"Option16", "2"}};
        for (const auto& [name, caption] : options) {
            auto* option = control<QRadioButton>(exo, name);
            QCOMPARE(option->text(), QString(caption));
            const bool selectedAtOpen = QByteArray(name) == "Option9" || QByteArray(name) == "Option15";
            QCOMPARE(option->isChecked(), selectedAtOpen);
            QVERIFY2(option->isVisible(), name);
        }
        // clang-format on
        // clang-format off
        const QList<QPair<const char*, const char*>> buttons = {
            {"Command1", "Enter"}, {"Command6", "Reset"}, {"Command2", "Go To Squint Calculator"},
            {"Command5", "Instructions"}, {"Command7", "AC/A Calculator"}, {"Command3", " OA Grades Calculator"},
            {"Command4", "Print "}, {"Command8", "Home"}};
        for (const auto& [name, caption] : buttons) QCOMPARE(control<QPushButton>(exo, name)->text(), QString(caption));
        const QList<QPair<const char*, const char*>> labels = {
            {"Label2", "Name"}, {"Label7", "Age"}, {"Label8", "Sex"}, {"Label5", "Consultant"},
            {"Label11", "Hosp/ Clinic"}, {"Label3", "Vision Corrected"}, {"Label4", "Cyclop. Refraction"},
            {"Label22", "         OD         OS"}, {"Label21", "NPA"}, {"Label6", "NPC"},
            {"Label13", "Distance Gaze"}, {"Label14", "Near Gaze"}, {"Label15", "UP Gaze"}, {"Label16", "Down Gaze"},
            {"Label17", "Near Gaze"}, {"Label18", "Near With +3 Sph Add "},
            {"Label27", "Press enter after filling deviations in all  boxes"}};
        for (const auto& [name, caption] : labels) QCOMPARE(control<QLabel>(exo, name)->text(), QString(caption));

        const QList<QPair<const char*, const char*>> tips = {
            {"Frame5", "Please select dominating eye,If free alternate fixation is present then select any one"},
            {"Frame7", "Please enter whether deviation is constant or intermittent."},
            {"Frame6", "Please select oblique muscles action and grades"},
            {"Frame12", "Please select one surgical option,if they are two"},
            {"D", "Please enter deviation in prism diopter for distance gaze"},
            {"N", "Please enter deviation in prism diopter for near gaze"},
            {"UP", "Please enter deviation in prism diopter for up gaze"},
            {"DN", "Please enter deviation in prism diopter for down gaze"},
            {"N60", ""},
            {"N3", "Please enter deviation in prism diopter for near gaze with + 3 sph lense in place"}};
        for (const auto& [name, tip] : tips) QCOMPARE(control<QWidget>(exo, name)->toolTip(), QString(tip));

        const QStringList vision = {"20/20", "20/30", "20/40", "20/70", "20/100", "20/200", "20/400", "FC", "PL+", "No PL"};
        for (const char* name : {"Combo1", "Combo2"}) {
            auto* combo = control<QComboBox>(exo, name);
            QStringList items;
            for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
            QCOMPARE(items, vision);
            // An eye whose vision was never measured shows none.
            QCOMPARE(combo->currentIndex(), -1);
            QVERIFY(combo->currentText().isEmpty());
        }
        // clang-format on

        for (const char* name : {"D", "N", "UP", "DN", "N60", "N3", "D1", "Text1"}) {
            QCOMPARE(box(exo, name)->text(), QStringLiteral("0"));
        }
        for (const char* name : {"Text2", "Text3", "Text4", "Text7", "Text11", "Text8", "Text9", "Text12", "Text13"}) {
            QVERIFY2(box(exo, name)->text().isEmpty(), name);
        }
        QCOMPARE(box(exo, "Text5")->text(), QStringLiteral("Reg No"));
        QVERIFY(box(exo, "Text6")->text().startsWith(QDate::currentDate().toString(Qt::ISODate)));
        for (const char* name : {"Label1", "Label9", "Label24", "Label10", "Label12"}) {
            QVERIFY2(textOf(exo, name).isEmpty(), name);
        }
        for (const char* name : {"Label9", "Label24"}) QCOMPARE(drawnBackground(control<QLabel>(exo, name)), kWhite);
        QCOMPARE(control<QLabel>(exo, "Label9")->palette().color(QPalette::WindowText), QColor(0, 128, 0));
        QCOMPARE(control<QLabel>(exo, "Label24")->palette().color(QPalette::WindowText), QColor(0, 0, 192));
        QCOMPARE(drawnBackground(control<QLabel>(exo, "Label1")), exo->palette().color(QPalette::Highlight));
        QCOMPARE(exo->grab().toImage().pixelColor(ocu::mmToPx(100), ocu::mmToPx(104.8)), kWhite);
        for (const char* name : {"Frame6", "Frame10", "Command2"})
            QVERIFY2(control<QWidget>(exo, name)->isVisible(), name);
        QVERIFY(!box(exo, "D1")->isVisible());
    }

    void laidOutInMillimetres_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRectF>("place");  // a negative width or height: not fixed
        QTest::newRow("simulator area") << "Image10" << QRectF(0, 6.35, 65.9, 97.6);
        QTest::newRow("face up") << "Image1" << QRectF(0, 10.583, 61.913, 29.898);
        QTest::newRow("face primary") << "Image2" << QRectF(0, 40.217, 61.913, 29.898);
        QTest::newRow("face down") << "Image3" << QRectF(0, 69.85, 61.913, 29.898);
        QTest::newRow("OD up") << "Image4" << QRectF(14.817, 22.5, 5.556, 6.085);
        QTest::newRow("OS up") << "Image5" << QRectF(43.498, 22.5, 5.556, 6.085);
        QTest::newRow("OD primary") << "Image6" << QRectF(14.817, 53.693, 5.556, 6.085);
        QTest::newRow("OS primary") << "Image7" << QRectF(43.498, 53.693, 5.556, 6.085);
        QTest::newRow("OD down") << "Image8" << QRectF(14.817, 85.908, 5.556, 6.085);
        QTest::newRow("OS down") << "Image9" << QRectF(43.498, 85.908, 5.556, 6.085);
        QTest::newRow("pattern") << "Label1" << QRectF(4.2, 95.25, 59.2, -1);
        QTest::newRow("step 1") << "Frame2" << QRectF(65, -1, 153.2, -1);
        QTest::newRow("step 2") << "Frame4" << QRectF(65, -1, 114.6, -1);
        QTest::newRow("step 5") << "Frame8" << QRectF(65, -1, 114.6, -1);
        QTest::newRow("help") << "Frame17" << QRectF(182, 33.9, -1, -1);
        QTest::newRow("step 6") << "Frame3" << QRectF(8.5, 105.9, 209.3, 49.5);
        QTest::newRow("step 7") << "Frame6" << QRectF(152.4, 108, -1, -1);
        QTest::newRow("step 8") << "Frame12" << QRectF(8.5, 154.5, 209.8, 20.5);
        QTest::newRow("type") << "Label9" << QRectF(-1, -1, 82.8, -1);
        QTest::newRow("AC/A class") << "Label24" << QRectF(-1, -1, 48.9, -1);
        QTest::newRow("option 1") << "Label10" << QRectF(-1, -1, 74.3, -1);
        QTest::newRow("option 2") << "Label12" << QRectF(-1, -1, 70.1, -1);
        QTest::newRow("larger deviation") << "D1" << QRectF(-1, -1, 2.6, 5);
    }
    void laidOutInMillimetres() {
        QFETCH(QString, name);
        QFETCH(QRectF, place);
        QWidget* exo = openExo();
        QWidget* widget = control<QWidget>(exo, qPrintable(name));
        const QRectF at = ocu::geometryMm(widget);
        if (place.left() >= 0) QCOMPARE(at.left(), place.left());
        if (place.top() >= 0) QCOMPARE(at.top(), place.top());
        if (place.width() >= 0) QCOMPARE(at.width(), place.width());
        if (place.height() >= 0) QCOMPARE(at.height(), place.height());
        if (name.startsWith("Image")) QVERIFY(!widget->accessibleName().isEmpty());
        // The frames of the steps keep clear of the banner, the strips and the credit line.
        if (name.startsWith("Frame")) {
            const QRect inWindow(widget->mapTo(exo, QPoint(0, 0)), widget->size());
            QVERIFY(inWindow.top() >= ocu::mmToPx(5.0));
            QVERIFY(inWindow.bottom() < exo->height() - ocu::mmToPx(4.5));
            QVERIFY(inWindow.left() >= ocu::mmToPx(1.5));
            QVERIFY(inWindow.right() < exo->width() - ocu::mmToPx(1.5));
        }
    }

    void leavingADeviationBox_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");  // empty: none
        QTest::addColumn<QString>("left");     // the box's text afterwards
        QTest::newRow("D 91") << "D"
                              << "91"
                              << " Please enter 0 to 90 for distance deviations"
                              << "";
        QTest::newRow("D 90") << "D"
                              << "90"
                              << ""
                              << "90";
        QTest::newRow("N 91") << "N"
                              << "91"
                              << " Please enter 0 to 90 for near deviations"
                              << "";
        QTest::newRow("UP 95") << "UP"
                               << "95"
                               << " Please enter 0 to 90 UP deviations"
                               << "";
        QTest::newRow("DN 95") << "DN"
                               << "95"
                               << " Please enter 0 to 90 for down deviations "
                               << "";
        QTest::newRow("N3 90.5") << "N3"
                                 << "90.5"
                                 << " Please enter 0 to 90 for near deviations with + 3 sph"
                                 << "";
        QTest::newRow("UP -5") << "UP"
                               << "-5"
                               << ""
                               << "-5";
        QTest::newRow("N60 95") << "N60"
                                << "95"
                                << ""
                                << "95";
        QTest::newRow("N60 letters") << "N60"
                                     << "abc"
                                     << ""
                                     << "abc";
        QTest::newRow("N60 empty") << "N60"
                                   << ""
                                   << ""
                                   << "0";
        QTest::newRow("DN empty") << "DN"
                                  << ""
                                  << ""
                                  << "0";
        QTest::newRow("D 12abc") << "D"
                                 << "12abc"
                                 << " Please enter a number for distance deviations "
                                 << "";
        QTest::newRow("N3 letters") << "N3"
                                    << "abc"
                                    << " Please enter a number for near deviations with + 3 sph "
                                    << "";
    }
    void leavingADeviationBox() {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, left);
        QWidget* exo = openExo();
        QLineEdit* deviation = box(exo, qPrintable(name));
        MessageAnswerer answerer;
        typeInto(deviation, typed);
        pressTab(deviation);
        QCOMPARE(answerer.texts(), message.isEmpty() ? QStringList{} : QStringList{message});
        QCOMPARE(deviation->text(), left);
        if (message.isEmpty()) {
            QVERIFY(!deviation->hasFocus());
        } else {
            QTRY_VERIFY(deviation->hasFocus());
            pressTab(deviation);
            QCOMPARE(deviation->text(), QStringLiteral("0"));
            QCOMPARE(answerer.texts().size(), 1);
        }
    }

    void clickingIntoABoxAndAwayLeavesZero() {
        QWidget* exo = openExo();
        enterDeviations(exo, {"10", "25"});
        click(box(exo, "N"));
        QVERIFY(box(exo, "N")->text().isEmpty());
        click(box(exo, "Text2"));
        QCOMPARE(box(exo, "N")->text(), QStringLiteral("0"));
        QCOMPARE(box(exo, "D")->text(), QStringLiteral("10"));
    }

    void registrationNumberIsEmptiedOnEveryFocus() {
        QWidget* exo = openExo();
        QLineEdit* registration = box(exo, "Text5");
        typeInto(registration, "4711");
        click(box(exo, "Text2"));
        QCOMPARE(registration->text(), QStringLiteral("4711"));
        click(registration);
        QVERIFY(registration->text().isEmpty());
    }

    void obliqueActionsShowAndHideTheGrades() {
        QWidget* exo = openExo();
        auto* grades = control<QGroupBox>(exo, "Frame10");
        choose(control<QRadioButton>(exo, "Option19"));
        choose(control<QRadioButton>(exo, "Option14"));
        QVERIFY(!grades->isVisible());
        QVERIFY(control<QRadioButton>(exo, "Option19")->isChecked());  // hiding keeps the grade
        choose(control<QRadioButton>(exo, "Option13"));
        QVERIFY(grades->isVisible());
        choose(control<QRadioButton>(exo, "Option14"));
        QVERIFY(!grades->isVisible());
        choose(control<QRadioButton>(exo, "Option12"));
        QVERIFY(grades->isVisible());
        choose(control<QRadioButton>(exo, "Option14"));
        // A superior oblique over-action is graded like the inferior one.
        choose(control<QRadioButton>(exo, "Option10"));
        QVERIFY(grades->isVisible());
    }

    void enterDiagnoses_data() {
        QTest::addColumn<QString>("onset");
        QTest::addColumn<QStringList>("deviations");  // D, N, UP, DN, N60, N3
        QTest::addColumn<QString>("larger");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("aca");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("option1");
        QTest::addColumn<QString>("option2");
        QTest::addColumn<QString>("obliques");
        const QString lr = "B/L Lat. Rectus Recession";
        const QString lrMr = "Lat.Rectus Recession + Medial Rectus Resection";
        QTest::newRow("divergence excess") << "Option5" << QStringList{"30", "10", "0", "0", "12", "30"} << "30"
                                           << "Divergence Excess Exo Deviation"
                                           << "High AC/A Ratio"
                                           << "" << lr << ""
                                           << "N---";
        QTest::newRow("simulated, high AC/A") << "Option5" << QStringList{"30", "10", "0", "0", "20", "50"} << "30"
                                              << "Simulated Divergence Excess Exo Deviation"
                                              << "High AC/A Ratio"
                                              << ""
                                              << "Over corrected minus lense glasses "
                                              << ""
                                              << "N---";
        QTest::newRow("simulated, normal AC/A") << "Option5" << QStringList{"30", "10", "0", "0", "20", "29"} << "30"
                                                << "Simulated Divergence Excess Exo Deviation"
                                                << "Normal AC/A Ratio"
                                                << "" << lr << lrMr << "N---";
        QTest::newRow("basic by the near row") << "Option4" << QStringList{"20", "25"} << "25"
                                               << "Basic Exo Deviation"
                                               << ""
                                               << "" << lr << lrMr << "N---";
        QTest::newRow("basic at 12") << "" << QStringList{"12", "12"} << "12"
                                     << "Basic Exo Deviation"
                                     << ""
                                     << ""
                                     << "Non Surgical Treatment"
                                     << ""
                                     << "N---";
        QTest::newRow("basic at 13") << "" << QStringList{"13", "12"} << "13"
                                     << "Basic Exo Deviation"
                                     << ""
                                     << "" << lr << lrMr << "N---";
        QTest::newRow("near larger by one") << "" << QStringList{"9", "10"} << "10"
                                            << "Basic Exo Deviation"
                                            << ""
                                            << ""
                                            << "Non Surgical Treatment"
                                            << ""
                                            << "N---";
        QTest::newRow("convergence insufficiency") << "" << QStringList{"10", "30"} << "30"
                                                   << "Convergence Insufficiency Exo Deviation"
                                                   << ""
                                                   << ""
                                                   << "B/L Medial Rectus Resection"
                                                   << ""
                                                   << "N---";
        QTest::newRow("infantile") << "Option3" << QStringList{"40", "40"} << "40"
                                   << "Infantile Exotropia"
                                   << ""
                                   << "" << lr << lrMr << "N---";
        QTest::newRow("infant at 30") << "Option3" << QStringList{"30", "40"} << "40"
                                      << ""
                                      << ""
                                      << ""
                                      << ""
                                      << ""
                                      << "N---";
        QTest::newRow("V pattern") << "" << QStringList{"20", "20", "30", "10"} << "20"
                                   << "Basic Exo Deviation"
                                   << ""
                                   << " V Patterns Exotropia" << lr << lrMr << "NI--";
        QTest::newRow("A pattern") << "" << QStringList{"20", "20", "5", "20"} << "20"
                                   << "Basic Exo Deviation"
                                   << ""
                                   << " A Patterns Exotropia " << lr << lrMr << "N-S-";
        QTest::newRow("X pattern") << "" << QStringList{"5", "5", "20", "20"} << "5"
                                   << "Basic Exo Deviation"
                                   << ""
                                   << " X Patterns Exotropia "
                                   << "Non Surgical Treatment"
                                   << ""
                                   << "---+";
        QTest::newRow("all zero") << "" << QStringList{} << "0"
                                  << ""
                                  << ""
                                  << ""
                                  << ""
                                  << ""
                                  << "N---";
    }
    void enterDiagnoses() {
        QFETCH(QString, onset);
        QFETCH(QStringList, deviations);
        QFETCH(QString, larger);
        QFETCH(QString, type);
        QFETCH(QString, aca);
        QFETCH(QString, pattern);
        QFETCH(QString, option1);
        QFETCH(QString, option2);
        QFETCH(QString, obliques);
        QWidget* exo = openExo();
        if (!onset.isEmpty()) choose(control<QRadioButton>(exo, qPrintable(onset)));
        enterDeviations(exo, deviations);
        MessageAnswerer answerer;
        pressEnter(exo);
        QVERIFY(answerer.texts().isEmpty());
        QCOMPARE(box(exo, "D1")->text(), larger);
        QCOMPARE(textOf(exo, "Label9"), type);
        QCOMPARE(textOf(exo, "Label24"), aca);
        QCOMPARE(textOf(exo, "Label1"), pattern);
        QCOMPARE(textOf(exo, "Label10"), option1);
        QCOMPARE(textOf(exo, "Label12"), option2);
        QCOMPARE(obliquesShown(exo), obliques);
        // A written type is on light cyan, except the infantile one, which
        // keeps the label's background.
        const bool cyanType = !type.isEmpty() && type != "Infantile Exotropia";
        QCOMPARE(drawnBackground(control<QLabel>(exo, "Label9")), cyanType ? kLightCyan : kWhite);
        // N3 equal to N60 empties the class on light cyan.
        QCOMPARE(drawnBackground(control<QLabel>(exo, "Label24")), kLightCyan);
        if (!option1.isEmpty()) QCOMPARE(drawnBackground(control<QLabel>(exo, "Label10")), kLightCyan);
    }

    void patternsHideTheHandOffAndStep7() {
        QWidget* exo = openExo();
        auto* step7 = control<QGroupBox>(exo, "Frame6");
        auto* handOff = control<QPushButton>(exo, "Command2");
        // Y: the Step 7 frame and the hand-off go; no type applies, so the
        // option keeps the pattern's advice.
        enterDeviations(exo, {"0", "0", "20", "0"});
        pressEnter(exo);
        QCOMPARE(textOf(exo, "Label1"), QStringLiteral(" Y Patterns Exotropia "));
        QVERIFY(!step7->isVisible() && !handOff->isVisible());
        QCOMPARE(obliquesShown(exo), QStringLiteral("----"));
        QCOMPARE(textOf(exo, "Label10"), QStringLiteral("Nasal Shifting Sup.Rectus Of Both Side"));
        // Delta: Step 7 stays hidden, its own advice in option 1.
        enterDeviations(exo, {"0", "0", "0", "20"});
        pressEnter(exo);
        QCOMPARE(textOf(exo, "Label1"), QStringLiteral(" Delta Patterns Exotropia "));
        QCOMPARE(textOf(exo, "Label10"), QStringLiteral("Nasal Shifting Inf.Rectus Of Both Side"));
        QVERIFY(!step7->isVisible());
        // No pattern row: the label keeps the delta pattern.
        enterDeviations(exo, {"20", "20", "30", "15"});
        pressEnter(exo);
        QCOMPARE(textOf(exo, "Label1"), QStringLiteral(" Delta Patterns Exotropia "));
        QVERIFY(!step7->isVisible());
        // No pattern: Step 7 comes back with only "Normal"; the hand-off stays hidden.
        enterDeviations(exo, {"20", "20", "0", "0"});
        pressEnter(exo);
        QVERIFY(textOf(exo, "Label1").isEmpty());
        QVERIFY(step7->isVisible());
        QCOMPARE(obliquesShown(exo), QStringLiteral("N---"));
        QVERIFY(!handOff->isVisible());
    }

    void aSecondEnterKeepsWhatNoRowWrites() {
        QWidget* exo = openExo();
        choose(control<QRadioButton>(exo, "Option5"));
        enterDeviations(exo, {"30", "10", "0", "0", "20", "50"});
        pressEnter(exo);
        QCOMPARE(textOf(exo, "Label12"), QString());
        // A basic deviation fills option 2; a simulated one with a high class
        // then leaves it as it was.
        enterDeviations(exo, {"30", "20", "0", "0", "0", "0"});
        pressEnter(exo);
        QCOMPARE(textOf(exo, "Label12"), QStringLiteral("Lat.Rectus Recession + Medial Rectus Resection"));
        enterDeviations(exo, {"30", "10", "0", "0", "20", "50"});
        pressEnter(exo);
        QCOMPARE(textOf(exo, "Label10"), QStringLiteral("Over corrected minus lense glasses "));
        QCOMPARE(textOf(exo, "Label12"), QStringLiteral("Lat.Rectus Recession + Medial Rectus Resection"));
        // N3 below N60 leaves the class as it was.
        enterDeviations(exo, {"30", "10", "0", "0", "20", "14"});
        pressEnter(exo);
        QCOMPARE(textOf(exo, "Label9"), QStringLiteral("Simulated Divergence Excess Exo Deviation"));
        QVERIFY(textOf(exo, "Label24").isEmpty());  // emptied by the type row, not classed again
    }

    void enterMovesTheIrisesAwayFromTheNose() {
        QWidget* exo = openExo();
        enterDeviations(exo, {"28", "0", "14", "-7"});
        pressEnter(exo);
        QCOMPARE(mm(exo, "Image6").left(), 12.817);
        QCOMPARE(mm(exo, "Image7").left(), 45.498);
        QCOMPARE(mm(exo, "Image6").top(), 53.693);
        QCOMPARE(mm(exo, "Image4").left(), 13.817);
        QCOMPARE(mm(exo, "Image5").left(), 44.498);
        QCOMPARE(mm(exo, "Image8").left(), 15.317);
        QCOMPARE(mm(exo, "Image9").left(), 42.998);
        QCOMPARE(mm(exo, "Image9").top(), 85.908);
    }

    void enterRefusesABoxThatHoldsNoNumber() {
        QWidget* exo = openExo();
        enterDeviations(exo, {"30", "10", "0", "0", "1O"});
        MessageAnswerer answerer;
        pressEnter(exo);
        QCOMPARE(answerer.texts(), QStringList{" Please enter a number for near deviations after one eye patch "});
        QTRY_COMPARE(QApplication::focusWidget(), box(exo, "N60"));
        QCOMPARE(box(exo, "D1")->text(), QStringLiteral("0"));
        QVERIFY(textOf(exo, "Label9").isEmpty());
        QCOMPARE(mm(exo, "Image6").left(), 14.817);
    }

    void resetAfterEnter() {
        QWidget* exo = openExo();
        enterDeviations(exo, {"5", "5", "20", "20", "10", "40"});
        pressEnter(exo);
        QCOMPARE(textOf(exo, "Label1"), QStringLiteral(" X Patterns Exotropia "));
        QVERIFY(!control<QPushButton>(exo, "Command2")->isVisible());
        choose(control<QRadioButton>(exo, "Option14"));
        const QRectF irisBefore = mm(exo, "Image6");
        click(control<QPushButton>(exo, "Command6"));
        for (const char* name : {"D", "N", "UP", "DN", "N60", "N3"})
            QCOMPARE(box(exo, name)->text(), QStringLiteral("0"));
        for (const char* name : {"Label9", "Label24", "Label10", "Label12"})
            QVERIFY2(textOf(exo, name).isEmpty(), name);
        QCOMPARE(obliquesShown(exo), QStringLiteral("NIS+"));
        // Kept: the pattern, the irises, D1, the selections, the hidden
        // hand-off and grades, and the colours.
        QCOMPARE(textOf(exo, "Label1"), QStringLiteral(" X Patterns Exotropia "));
        QCOMPARE(mm(exo, "Image6"), irisBefore);
        QCOMPARE(box(exo, "D1")->text(), QStringLiteral("5"));
        QVERIFY(control<QRadioButton>(exo, "Option14")->isChecked());
        QVERIFY(!control<QPushButton>(exo, "Command2")->isVisible());
        QVERIFY(!control<QGroupBox>(exo, "Frame10")->isVisible());
        QCOMPARE(drawnBackground(control<QLabel>(exo, "Label9")), kLightCyan);
        QCOMPARE(drawnBackground(control<QLabel>(exo, "Label24")), kLightCyan);
    }

    void helpButtonsOpenTheirScreensAndTheWorkupStaysOpen_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("screen");
        QTest::newRow("Instructions") << "Command5"
                                      << "Inst_Exo";
        QTest::newRow("OA Grades Calculator") << "Command3"
                                              << "Mov";
    }
    void helpButtonsOpenTheirScreensAndTheWorkupStaysOpen() {
        QFETCH(QString, button);
        QFETCH(QString, screen);
        QWidget* exo = openExo();
        click(control<QPushButton>(exo, qPrintable(button)));
        QWidget* opened = Navigator::instance().find(screen);
        QVERIFY(opened != nullptr && opened->isVisible());
        QVERIFY(Navigator::instance().find("Exotropia") == exo);
    }

    void printAsksForThisScreen() {
        QWidget* exo = openExo();
        click(control<QPushButton>(exo, "Command4"));
        QWidget* print = Navigator::instance().find("Print_01");
        QVERIFY(print != nullptr);
        QCOMPARE(control<QLabel>(print, "Label3")->text(), QStringLiteral("Exotropia"));
    }

    void acaCalculatorIsFilledWithTheNearDeviations() {
        QWidget* exo = openExo();
        MessageAnswerer answerer;
        // N above 90 is not the button's to check.
        box(exo, "N")->setText(QStringLiteral("95"));
        ocu::press(control<QPushButton>(exo, "Command7"));
        QVERIFY(answerer.texts().isEmpty());
        QCOMPARE(control<QLineEdit>(Navigator::instance().find("ACA"), "Text1")->text(), QStringLiteral("95"));
        exo->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(exo));
        enterDeviations(exo, {"0", "30", "0", "0", "12"});
        // A value above 90 pasted in N3 and the button pressed straight away.
        box(exo, "N3")->setText(QStringLiteral("95"));
        ocu::press(control<QPushButton>(exo, "Command7"));
        QCOMPARE(answerer.texts(), QStringList{"Please enter 0 to 90 only"});
        QWidget* aca = Navigator::instance().find("ACA");
        QVERIFY(aca != nullptr && aca->isVisible());
        QCOMPARE(control<QLineEdit>(aca, "Text1")->text(), QStringLiteral("30"));
        QCOMPARE(control<QLineEdit>(aca, "Text2")->text(), QStringLiteral("95"));
        QVERIFY(control<QRadioButton>(aca, "Option2")->isChecked());
        QVERIFY(Navigator::instance().find("Exotropia") == exo);
    }

    void homeClosesTheWorkupAndItOpensAfresh() {
        QWidget* exo = openExo();
        typeInto(box(exo, "Text2"), "Asha");
        enterDeviations(exo, {"30", "32", "30", "10"});
        pressEnter(exo);
        click(control<QPushButton>(exo, "Command8"));
        flushDeletes();
        QCOMPARE(Navigator::instance().openScreens(), QStringList{"SBoard"});
        QWidget* again = openExo();
        QVERIFY(textOf(again, "Text2").isEmpty());
        QCOMPARE(textOf(again, "D"), QStringLiteral("0"));
        QVERIFY(textOf(again, "Label1").isEmpty());
        QCOMPARE(mm(again, "Image6").left(), 14.817);
        QCOMPARE(drawnBackground(control<QLabel>(again, "Label9")), kWhite);
    }
};

QTEST_MAIN(ExotropiaTest)
#include "exotropia_test.moc"
