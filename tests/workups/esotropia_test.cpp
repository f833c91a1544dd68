// The eso work-up screen driven as a user would: boxes typed and left, the
// range messages and where the focus ends, Enter and Reset, the simulator in
// millimetres and the Help buttons.

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
const QColor kLightRed(255, 128, 128);

const QString kCaution = QStringLiteral(
    "Caution,If age of patient is below 2 year at the time of surgery then please take measurement "
    "from limbus not from muscles insertion.The amount calculated by Ocuvance is from muscle "
    "insertion,So please modify it accordingly. ");

QWidget* openEso() { return openScreen("Esotropia"); }

// Types the five deviations as a user would, each box left with Tab.
void enterDeviations(QWidget* eso, const QString& d, const QString& n, const QString& n3, const QString& up,
                     const QString& dn) {
    const QList<QPair<const char*, QString>> values = {{"D", d}, {"N", n}, {"N3", n3}, {"UP", up}, {"DN", dn}};
    for (const auto& [name, value] : values) {
        QLineEdit* deviation = box(eso, name);
        typeInto(deviation, value);
        pressTab(deviation);
    }
}

void pressEnter(QWidget* eso) { click(control<QPushButton>(eso, "Command2")); }

}  // namespace

class EsotropiaTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerScreens(); }
    void cleanup() { closeAllScreens(); }

    void opensAsDesigned() {
        QWidget* eso = openEso();
        QCOMPARE(eso->windowTitle(), QStringLiteral("Ocuvance"));
        QCOMPARE(eso->size(), QSize(ocu::mmToPx(250.8), ocu::mmToPx(183.6)));
        QVERIFY(control<QLabel>(eso, "Label25")->text().startsWith("Ocuvance"));
        QVERIFY(control<QLabel>(eso, "Label25")->text().endsWith("Eso Deviations"));
        for (const char* bar : {"Label20", "Label23", "Label26", "Label27", "Label28"}) control<QLabel>(eso, bar);

        // clang-format off
        const QList<QPair<const char*, const char*>> frames = {
            {"Frame1", "Step 1 Patient  Information"}, {"Frame7", "Step 2 Onset At the age of patient "},
            {"Frame3", "Step 3 Fixating Eye (Dominating)"}, {"Frame5", "Step 4  Vision And Refraction"},
            {"Frame6", "               OD                       OS        "},
            {"Frame2", "Step 5  Please Enter Deviation In Prism Diopters"}, {"Frame4", " Step 6"},
            {"Frame11", "Grades Of "}, {"Frame9", "Step 7. Choose  Surgical Option"}, {"Frame10", "Step 8"},
            {"Frame13", " Help"}};
        for (const auto& [name, title] : frames) QCOMPARE(control<QGroupBox>(eso, name)->title(), QString(title));

        const QList<QPair<const char*, const char*>> options = {
            {"Option3", "< 1 Year"}, {"Option4", "1-5 Years"}, {"Option5", "6-50 years"}, {"Option11", "> 50 Years"},
            {"Option1", "OD"}, {"Option2", "OS"}, {"Option6", "Alt OD"}, {"Option7", "Alt OS"},
            {"Option8", "Normal"}, {"Option9", "Inf. Obl. Over Action"}, {"Option10", "Sup Obl. Over Action"},
            {"Option14", "Grade 1"}, {"Option15", "Grade 2"}, {"Option16", "Grade 3"}, {"Option17", "Grade 4"},
            {"Option12", "1"}, {"Option13", "2"}};
        for (const auto& [name, caption] : options) {
            auto* option = control<QRadioButton>(eso, name);
            QCOMPARE(option->text(), QString(caption));
            const bool selectedAtOpen = QByteArray(name) == "Option1" || QByteArray(name) == "Option12";
            QCOMPARE(option->isChecked(), selectedAtOpen);
        }
        // clang-format on
        // clang-format off
        const QList<QPair<const char*, const char*>> buttons = {
            {"Command2", "Enter"}, {"Command5", "Reset"}, {"Command4", "GoTo Squint Calculator"},
            {"Command6", "Instructions"}, {"Command1", "OverAction Grades"}, {"Command7", "AC/ A Calculator"},
            {"Command9", "DVD"}, {"Command3", "Print"}, {"Command8", "Home"}};
        for (const auto& [name, caption] : buttons) QCOMPARE(control<QPushButton>(eso, name)->text(), QString(caption));
        const QList<QPair<const char*, const char*>> labels = {
            {"Label7", "Name"}, {"Label8", "Age"}, {"Label9", "Sex"}, {"Label10", "Consultant"},
            {"Label11", "Hosp/ Clinic"}, {"Label3", "Vision Corrected"}, {"Label4", "Cyclop. Refraction"},
            {"Label5", "IPD"}, {"Label6", "NPA"}, {"Label14", "NPC"}, {"Label12", "Distance Gaze"},
            {"Label13", "Near Gaze"}, {"Label15", "Near Gaze With +3 Sph Add"}, {"Label16", "Up Gaze"},
            {"Label17", "Down Gaze"}, {"Label29", "Please press enter after filling deviations in all  boxes"},
            {"Label24", "Obliques Action"}, {"Label18", "Oblique Over Actions"}};
        for (const auto& [name, caption] : labels) QCOMPARE(control<QLabel>(eso, name)->text(), QString(caption));

        const QList<QPair<const char*, const char*>> tips = {
            {"Frame3", "Please select dominating eye,If free alternate fixation is present then select any one"},
            {"Frame4", "Please select oblique muscles action and grades"},
            {"Label18", "Please select oblique muscles  grades of over action"},
            {"Frame9", "Please select one surgical option,if they are two"},
            {"D", "Please enter deviation in prism diopter for distance gaze"},
            {"N", "Please enter deviation in prism diopter for near gaze"},
            {"N3", "Please enter deviation in prism diopter for near gaze with + 3 sph lense in place"},
            {"UP", "Please enter deviation in prism diopter for up gaze"},
            {"DN", "Please enter deviation in prism diopter for down gaze"}};
        for (const auto& [name, tip] : tips) QCOMPARE(control<QWidget>(eso, name)->toolTip(), QString(tip));

        const QStringList vision = {"20/20", "20/30", "20/40", "20/70", "20/100", "20/200", "20/400", "FC", "PL+", "No PL"};
        for (const char* name : {"Combo1", "Combo2"}) {
            auto* combo = control<QComboBox>(eso, name);
            QStringList items;
            for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
            QCOMPARE(items, vision);
            // An eye whose vision was never measured shows none.
            QCOMPARE(combo->currentIndex(), -1);
            QVERIFY(combo->currentText().isEmpty());
        }
        // clang-format on

        for (const char* name : {"D", "N", "N3", "UP", "DN", "D1"})
            QCOMPARE(box(eso, name)->text(), QStringLiteral("0"));
        for (const char* name :
             {"Text2", "Text3", "Text4", "Text7", "Text11", "Text1", "Text8", "Text9", "Text10", "Text12", "Text13"}) {
            QVERIFY2(box(eso, name)->text().isEmpty(), name);
        }
        QCOMPARE(box(eso, "Text5")->text(), QStringLiteral("Reg No"));
        QVERIFY(box(eso, "Text6")->text().startsWith(QDate::currentDate().toString(Qt::ISODate)));
        for (const char* name : {"Label1", "Label2", "Label19", "Label22", "Label21"})
            QVERIFY2(textOf(eso, name).isEmpty(), name);
        QCOMPARE(drawnBackground(control<QLabel>(eso, "Label1")), kWhite);
        QCOMPARE(drawnBackground(control<QLabel>(eso, "Label2")), kWhite);
        QVERIFY(control<QGroupBox>(eso, "Frame11")->isVisible());
        QCOMPARE(mm(eso, "D1").width(), 2.6);
        // White screen, dark red first option, the pattern read-out in the
        // system highlight colours.
        const QImage drawn = eso->grab().toImage();
        QCOMPARE(drawn.pixelColor(100, 333), kWhite);
        QCOMPARE(control<QLabel>(eso, "Label19")->palette().color(QPalette::WindowText), QColor(128, 0, 0));
        const QColor highlight = eso->palette().color(QPalette::Highlight);
        QCOMPARE(drawnBackground(control<QLabel>(eso, "Label21")), highlight);
        QLineEdit* pattern = box(eso, "Text1");
        QCOMPARE(pattern->grab().toImage().pixelColor(pattern->rect().center()), highlight);
    }

    void simulatorStartsAtItsBasePositions_data() {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QRectF>("place");
        QTest::newRow("face up") << "Image1" << QRectF(0, 5, 61.913, 27.781);
        QTest::newRow("face primary") << "Image2" << QRectF(0, 26.405, 61.913, 27.781);
        QTest::newRow("face down") << "Image3" << QRectF(0, 52.917, 61.913, 27.781);
        QTest::newRow("OD up") << "Image4" << QRectF(15.505, 15.7, 4.5, 4.5);
        QTest::newRow("OS up") << "Image5" << QRectF(44.009, 15.7, 4.5, 4.5);
        QTest::newRow("OD primary") << "Image6" << QRectF(15.505, 39.987, 4.5, 4.5);
        QTest::newRow("OS primary") << "Image7" << QRectF(44.009, 39.987, 4.5, 4.5);
        QTest::newRow("OD down") << "Image8" << QRectF(15.505, 68.393, 4.5, 4.5);
        QTest::newRow("OS down") << "Image9" << QRectF(44.009, 68.393, 4.5, 4.5);
    }
    void simulatorStartsAtItsBasePositions() {
        QFETCH(QString, picture);
        QFETCH(QRectF, place);
        QWidget* eso = openEso();
        auto* image = control<QWidget>(eso, qPrintable(picture));
        QVERIFY(!image->accessibleName().isEmpty());
        const QRectF at = ocu::geometryMm(image);
        QCOMPARE(at.left(), place.left());
        QCOMPARE(at.top(), place.top());
        QCOMPARE(at.width(), place.width());
        QCOMPARE(at.height(), place.height());
    }

    void leavingADeviationBox_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");  // empty: none
        QTest::addColumn<QString>("left");     // the box's text afterwards
        QTest::newRow("D 91") << "D"
                              << "91"
                              << " Please enter 0 to 90 for distance deviations "
                              << "";
        QTest::newRow("D 90") << "D"
                              << "90"
                              << ""
                              << "90";
        QTest::newRow("N 91") << "N"
                              << "91"
                              << " Please enter 0 to 90 for near deviations "
                              << "";
        QTest::newRow("N3 91") << "N3"
                               << "91"
                               << " Please enter 0 to 90 for near deviations with + 3 sph"
                               << "";
        QTest::newRow("UP 95") << "UP"
                               << "95"
                               << " Please enter 0 to 90 for up deviations "
                               << "";
        QTest::newRow("DN 90.5") << "DN"
                                 << "90.5"
                                 << " Please enter 0 to 90 for down deviations "
                                 << "";
        QTest::newRow("UP -5") << "UP"
                               << "-5"
                               << ""
                               << "-5";
        QTest::newRow("N 0") << "N"
                             << "0"
                             << ""
                             << "0";
        QTest::newRow("N3 empty") << "N3"
                                  << ""
                                  << ""
                                  << "0";
        QTest::newRow("D blanks around") << "D"
                                         << " 25 "
                                         << ""
                                         << " 25 ";
        QTest::newRow("D 12abc") << "D"
                                 << "12abc"
                                 << " Please enter a number for distance deviations "
                                 << "";
        QTest::newRow("N3 letters") << "N3"
                                    << "abc"
                                    << " Please enter a number for near deviations with + 3 sph "
                                    << "";
        QTest::newRow("DN 1e5") << "DN"
                                << "1e5"
                                << " Please enter a number for down deviations "
                                << "";
    }
    void leavingADeviationBox() {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, left);
        QWidget* eso = openEso();
        QLineEdit* deviation = box(eso, qPrintable(name));
        MessageAnswerer answerer;
        typeInto(deviation, typed);
        pressTab(deviation);
        QCOMPARE(answerer.texts(), message.isEmpty() ? QStringList{} : QStringList{message});
        QCOMPARE(deviation->text(), left);
        if (message.isEmpty()) {
            QVERIFY(!deviation->hasFocus());
        } else {
            QTRY_VERIFY(deviation->hasFocus());
            QCOMPARE(QApplication::focusWidget(), deviation);
            // The box Tab was heading for was never entered, so it was not emptied.
            for (const char* other : {"D", "N", "N3", "UP", "DN"}) {
                if (other != name) QCOMPARE(box(eso, other)->text(), QStringLiteral("0"));
            }
            // Leaving the emptied box now puts "0" in it, without a message.
            pressTab(deviation);
            QCOMPARE(deviation->text(), QStringLiteral("0"));
            QCOMPARE(answerer.texts().size(), 1);
        }
    }

    void clickingIntoABoxAndAwayLeavesZero() {
        QWidget* eso = openEso();
        enterDeviations(eso, "10", "25", "0", "0", "0");
        QCOMPARE(box(eso, "N")->text(), QStringLiteral("25"));
        click(box(eso, "N"));
        QVERIFY(box(eso, "N")->text().isEmpty());
        click(box(eso, "Text2"));
        QCOMPARE(box(eso, "N")->text(), QStringLiteral("0"));
        QCOMPARE(box(eso, "D")->text(), QStringLiteral("10"));
    }

    void registrationNumberIsEmptiedOnEveryFocus() {
        QWidget* eso = openEso();
        QLineEdit* registration = box(eso, "Text5");
        typeInto(registration, "4711");
        QCOMPARE(registration->text(), QStringLiteral("4711"));
        click(box(eso, "Text2"));
        QCOMPARE(registration->text(), QStringLiteral("4711"));
        click(registration);
        QVERIFY(registration->text().isEmpty());
        // The other patient boxes keep what was typed.
        typeInto(box(eso, "Text2"), "Asha");
        click(box(eso, "Text2"));
        QCOMPARE(box(eso, "Text2")->text(), QStringLiteral("Asha"));
    }

    void patternBoxShowsTheAnswersItAllows() {
        QWidget* eso = openEso();
        auto* normal = control<QRadioButton>(eso, "Option8");
        auto* inferior = control<QRadioButton>(eso, "Option9");
        auto* superior = control<QRadioButton>(eso, "Option10");
        QLineEdit* pattern = box(eso, "Text1");
        typeInto(pattern, "A");
        QVERIFY(normal->isVisible() && !inferior->isVisible() && superior->isVisible());
        QTest::keyClick(pattern, Qt::Key_Backspace);
        QVERIFY(normal->isVisible() && !inferior->isVisible() && superior->isVisible());
        QTest::keyClicks(pattern, "V");
        QVERIFY(normal->isVisible() && inferior->isVisible() && !superior->isVisible());
        QTest::keyClick(pattern, Qt::Key_Backspace);
        QTest::keyClicks(pattern, "a");  // compared exactly
        QVERIFY(normal->isVisible() && inferior->isVisible() && !superior->isVisible());
    }

    void obliqueActionsShowAndHideTheGrades() {
        QWidget* eso = openEso();
        auto* grades = control<QGroupBox>(eso, "Frame11");
        choose(control<QRadioButton>(eso, "Option8"));
        QVERIFY(!grades->isVisible());
        choose(control<QRadioButton>(eso, "Option9"));
        QVERIFY(grades->isVisible());
        choose(control<QRadioButton>(eso, "Option8"));
        QVERIFY(!grades->isVisible());
        choose(control<QRadioButton>(eso, "Option10"));
        QVERIFY(grades->isVisible());
        // Clicking the selected button again keeps it selected and acts again.
        choose(control<QRadioButton>(eso, "Option10"));
        QVERIFY(grades->isVisible());
    }

    void enterDiagnoses_data() {
        QTest::addColumn<QStringList>("deviations");  // D, N, N3, UP, DN
        QTest::addColumn<bool>("infant");
        QTest::addColumn<QString>("larger");
        QTest::addColumn<QString>("aca");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("option1");
        QTest::addColumn<QString>("option2");
        QTest::newRow("accommodative")
            << QStringList{"20", "40", "10", "0", "0"} << false << "40"
            << "High AC/A Ratio "
            << "Accommodative Convergence Excess Esotropia "
            << " B/L MR Recession"
            << "First bifocal glasses should be tried ,if deviation is not controlled then proceed for surgery";
        QTest::newRow("non-accommodative low") << QStringList{"20", "40", "37", "0", "0"} << false << "40"
                                               << "Low AC/A Ratio "
                                               << "Non Accommodative Convergence Excess Esotropia "
                                               << " B/L MR Recession"
                                               << "";
        QTest::newRow("non-accommodative normal 3.33") << QStringList{"10", "30", "20", "0", "0"} << false << "30"
                                                       << "Normal AC/A Ratio "
                                                       << "Non Accommodative Convergence Excess Esotropia "
                                                       << " B/L MR Recession"
                                                       << "";
        QTest::newRow("basic") << QStringList{"30", "32", "20", "0", "0"} << false << "32"
                               << "Normal AC/A Ratio "
                               << "Basic Esotropia "
                               << " B/L MR Recession"
                               << "LR Resection + MR Recession ";
        QTest::newRow("basic small") << QStringList{"9", "12", "9", "0", "0"} << false << "12"
                                     << "Low AC/A Ratio "
                                     << "Basic Esotropia "
                                     << " B/L MR Recession"
                                     << "LR Resection + MR Recession ";
        QTest::newRow("divergence insufficiency") << QStringList{"30", "5", "0", "0", "0"} << false << "30"
                                                  << ""
                                                  << "Divergence Insufficiency Esotropia "
                                                  << "MR Recession+LR Resection"
                                                  << " B/L LR Resection ";
        QTest::newRow("infantile") << QStringList{"40", "45", "0", "0", "0"} << true << "45"
                                   << ""
                                   << "Infantile Esotropia "
                                   << "B/L MR Recession after the age of 6 month" << kCaution;
        QTest::newRow("distance zero") << QStringList{"0", "10", "0", "0", "0"} << false << "10"
                                       << ""
                                       << "Basic Esotropia "
                                       << " Non Surgical Management"
                                       << "";
        QTest::newRow("tie takes distance text") << QStringList{"20", "20.0", "20", "0", "0"} << false << "20"
                                                 << "Low AC/A Ratio "
                                                 << "Basic Esotropia "
                                                 << " B/L MR Recession"
                                                 << "LR Resection + MR Recession ";
        QTest::newRow("accommodative up to 10") << QStringList{"-10", "10", "-8", "0", "0"} << false << "10"
                                                << "High AC/A Ratio "
                                                << "Accommodative Convergence Excess Esotropia "
                                                << "Near addition in form of bifocal glasses"
                                                << "";
        QTest::newRow("all zero") << QStringList{"0", "0", "0", "0", "0"} << false << "0"
                                  << ""
                                  << ""
                                  << ""
                                  << "";
    }
    void enterDiagnoses() {
        QFETCH(QStringList, deviations);
        QFETCH(bool, infant);
        QFETCH(QString, larger);
        QFETCH(QString, aca);
        QFETCH(QString, type);
        QFETCH(QString, option1);
        QFETCH(QString, option2);
        QWidget* eso = openEso();
        if (infant) choose(control<QRadioButton>(eso, "Option3"));
        enterDeviations(eso, deviations[0], deviations[1], deviations[2], deviations[3], deviations[4]);
        MessageAnswerer answerer;
        pressEnter(eso);
        QVERIFY(answerer.texts().isEmpty());
        QCOMPARE(textOf(eso, "D1"), larger);
        QCOMPARE(textOf(eso, "Label1"), aca);
        QCOMPARE(textOf(eso, "Label2"), type);
        QCOMPARE(textOf(eso, "Label19"), option1);
        QCOMPARE(textOf(eso, "Label22"), option2);
        // A written result is light cyan; the low-class type keeps white on a
        // first press, and the caution is light red.
        auto expectedBackground = [&](const char* name, const QString& text) {
            if (text.isEmpty()) return kWhite;
            if (text == kCaution) return kLightRed;
            if (QByteArray(name) == "Label2" && aca == "Low AC/A Ratio " && text.startsWith("Non")) return kWhite;
            return kLightCyan;
        };
        QCOMPARE(drawnBackground(control<QLabel>(eso, "Label1")), expectedBackground("Label1", aca));
        QCOMPARE(drawnBackground(control<QLabel>(eso, "Label2")), expectedBackground("Label2", type));
        if (!option2.isEmpty()) {
            QCOMPARE(drawnBackground(control<QLabel>(eso, "Label22")), expectedBackground("Label22", option2));
        }
    }

    void accommodativeUpTo10EmptiesTheSecondOptionOnCyan() {
        QWidget* eso = openEso();
        enterDeviations(eso, "30", "32", "20", "0", "0");
        pressEnter(eso);
        QCOMPARE(textOf(eso, "Label22"), QStringLiteral("LR Resection + MR Recession "));
        enterDeviations(eso, "-10", "10", "-8", "0", "0");
        pressEnter(eso);
        QCOMPARE(textOf(eso, "Label2"), QStringLiteral("Accommodative Convergence Excess Esotropia "));
        QCOMPARE(textOf(eso, "Label22"), QString());
        QCOMPARE(control<QLabel>(eso, "Label22")->palette().color(QPalette::Window), kLightCyan);
    }

    void aSecondEnterKeepsWhatNoRowWrites() {
        QWidget* eso = openEso();
        enterDeviations(eso, "20", "40", "10", "0", "0");
        pressEnter(eso);
        enterDeviations(eso, "20", "40", "37", "0", "0");
        pressEnter(eso);
        QCOMPARE(textOf(eso, "Label1"), QStringLiteral("Low AC/A Ratio "));
        QCOMPARE(textOf(eso, "Label2"), QStringLiteral("Non Accommodative Convergence Excess Esotropia "));
        // The type label keeps the colour the first press gave it.
        QCOMPARE(drawnBackground(control<QLabel>(eso, "Label2")), kLightCyan);
        QCOMPARE(textOf(eso, "Label19"), QStringLiteral(" B/L MR Recession"));
        QCOMPARE(textOf(eso, "Label22"),
                 QStringLiteral(
                     "First bifocal glasses should be tried ,if deviation is not controlled then proceed for surgery"));
        // Divergence insufficiency does not touch the AC/A label.
        enterDeviations(eso, "30", "5", "0", "0", "0");
        pressEnter(eso);
        QCOMPARE(textOf(eso, "Label1"), QStringLiteral("Low AC/A Ratio "));
        QCOMPARE(textOf(eso, "Label2"), QStringLiteral("Divergence Insufficiency Esotropia "));
        // No row for all zero: the type and both options stay, and so does
        // the options' rule reading the type still shown.
        enterDeviations(eso, "0", "0", "0", "0", "0");
        pressEnter(eso);
        QCOMPARE(textOf(eso, "D1"), QStringLiteral("0"));
        QCOMPARE(textOf(eso, "Label2"), QStringLiteral("Divergence Insufficiency Esotropia "));
        QCOMPARE(textOf(eso, "Label19"), QStringLiteral("MR Recession+LR Resection"));
        QCOMPARE(textOf(eso, "Label22"), QStringLiteral(" B/L LR Resection "));
    }

    void patternsAndTheObliqueAnswers() {
        QWidget* eso = openEso();
        auto* normal = control<QRadioButton>(eso, "Option8");
        auto* inferior = control<QRadioButton>(eso, "Option9");
        auto* superior = control<QRadioButton>(eso, "Option10");
        pressEnter(eso);  // no pattern on a fresh screen: only "Normal" may be answered
        QVERIFY(normal->isEnabled() && !inferior->isEnabled() && !superior->isEnabled());
        QVERIFY(textOf(eso, "Text1").isEmpty() && textOf(eso, "Label21").isEmpty());

        enterDeviations(eso, "0", "0", "0", "30", "15");
        pressEnter(eso);
        QCOMPARE(textOf(eso, "Text1"), QStringLiteral("A"));
        QCOMPARE(textOf(eso, "Label21"), QStringLiteral("Patterns"));
        QVERIFY(normal->isEnabled() && !inferior->isEnabled() && superior->isEnabled());
        QVERIFY(normal->isVisible() && !inferior->isVisible() && superior->isVisible());

        enterDeviations(eso, "0", "0", "0", "10", "25");  // 15 is not more than 15: "A" stays
        pressEnter(eso);
        QCOMPARE(textOf(eso, "Text1"), QStringLiteral("A"));
        QVERIFY(normal->isEnabled() && !inferior->isEnabled() && superior->isEnabled());

        choose(superior);
        enterDeviations(eso, "0", "0", "0", "10", "26");
        pressEnter(eso);
        QCOMPARE(textOf(eso, "Text1"), QStringLiteral("V"));
        QVERIFY(normal->isEnabled() && inferior->isEnabled() && !superior->isEnabled());
        QVERIFY(normal->isVisible() && inferior->isVisible() && !superior->isVisible());
        QVERIFY(superior->isChecked());  // disabled and hidden, still selected
    }

    void enterMovesTheIrisesTowardsTheNose() {
        QWidget* eso = openEso();
        enterDeviations(eso, "28", "0", "0", "14", "-7");
        pressEnter(eso);
        QCOMPARE(mm(eso, "Image6").left(), 17.505);
        QCOMPARE(mm(eso, "Image7").left(), 42.009);
        QCOMPARE(mm(eso, "Image6").top(), 39.987);
        QCOMPARE(mm(eso, "Image4").left(), 16.505);
        QCOMPARE(mm(eso, "Image5").left(), 43.009);
        QCOMPARE(mm(eso, "Image5").top(), 15.7);
        QCOMPARE(mm(eso, "Image8").left(), 15.005);
        QCOMPARE(mm(eso, "Image9").left(), 44.509);
        QCOMPARE(mm(eso, "Image9").top(), 68.393);
        QCOMPARE(control<QWidget>(eso, "Image6")->x(), ocu::mmToPx(17.505));
    }

    void enterRefusesABoxThatHoldsNoNumber() {
        QWidget* eso = openEso();
        enterDeviations(eso, "20", "40", "10", "0", "0");
        box(eso, "N3")->setText("1O");  // not by typing: leaving the box would already refuse it
        MessageAnswerer answerer;
        ocu::press(control<QPushButton>(eso, "Command2"));
        QCOMPARE(answerer.texts(), QStringList{" Please enter a number for near deviations with + 3 sph "});
        QTRY_COMPARE(QApplication::focusWidget(), box(eso, "N3"));
        QCOMPARE(textOf(eso, "D1"), QStringLiteral("0"));
        QVERIFY(textOf(eso, "Label1").isEmpty() && textOf(eso, "Label2").isEmpty());
        QCOMPARE(mm(eso, "Image6").left(), 15.505);
    }

    void clickingEnterStraightFromARefusedBoxShowsOneMessage() {
        QWidget* eso = openEso();
        enterDeviations(eso, "20", "40", "10", "0", "0");
        MessageAnswerer answerer;
        typeInto(box(eso, "D"), "91");
        pressEnter(eso);
        QCOMPARE(answerer.texts(), QStringList{" Please enter 0 to 90 for distance deviations "});
        QTRY_COMPARE(QApplication::focusWidget(), box(eso, "D"));
        QCOMPARE(textOf(eso, "D1"), QStringLiteral("0"));
        QVERIFY(textOf(eso, "Label2").isEmpty());
        // Once the box holds a number again, Enter works.
        QTest::keyClicks(box(eso, "D"), "20");
        pressEnter(eso);
        QCOMPARE(textOf(eso, "D1"), QStringLiteral("40"));
        QCOMPARE(answerer.texts().size(), 1);
    }

    void resetAfterEnter() {
        QWidget* eso = openEso();
        typeInto(box(eso, "Text2"), "Asha");
        choose(control<QRadioButton>(eso, "Option3"));
        choose(control<QRadioButton>(eso, "Option8"));
        choose(control<QRadioButton>(eso, "Option15"));
        choose(control<QRadioButton>(eso, "Option13"));
        enterDeviations(eso, "40", "45", "0", "40", "10");
        pressEnter(eso);
        QCOMPARE(textOf(eso, "Text1"), QStringLiteral("A"));
        QCOMPARE(textOf(eso, "Label22"), kCaution);

        click(control<QPushButton>(eso, "Command5"));
        for (const char* name : {"D", "N", "N3", "UP", "DN"}) QCOMPARE(textOf(eso, name), QStringLiteral("0"));
        for (const char* name : {"Label1", "Label2", "Label19", "Label22", "Text1", "Label21"}) {
            QVERIFY2(textOf(eso, name).isEmpty(), name);
        }
        QCOMPARE(mm(eso, "Image6").left(), 15.505);
        QCOMPARE(mm(eso, "Image7").left(), 44.009);
        QCOMPARE(mm(eso, "Image4").left(), 15.505);
        QCOMPARE(mm(eso, "Image5").left(), 44.009);
        QCOMPARE(mm(eso, "Image1").left(), 0.0);
        // What Reset leaves alone.
        QCOMPARE(textOf(eso, "Text2"), QStringLiteral("Asha"));
        QCOMPARE(textOf(eso, "D1"), QStringLiteral("45"));
        QVERIFY(control<QRadioButton>(eso, "Option3")->isChecked());
        QVERIFY(control<QRadioButton>(eso, "Option8")->isChecked());
        QVERIFY(control<QRadioButton>(eso, "Option15")->isChecked());
        QVERIFY(control<QRadioButton>(eso, "Option13")->isChecked());
        QVERIFY(!control<QGroupBox>(eso, "Frame11")->isVisible());
        QVERIFY(!control<QRadioButton>(eso, "Option9")->isVisible());
        QVERIFY(!control<QRadioButton>(eso, "Option9")->isEnabled());
        QCOMPARE(control<QLabel>(eso, "Label2")->palette().color(QPalette::Window), kLightCyan);
        QCOMPARE(control<QLabel>(eso, "Label22")->palette().color(QPalette::Window), kLightRed);

        // Enter after Reset: all zero gives no type and no options; with the
        // pattern box now empty only "Normal" may be answered.
        pressEnter(eso);
        QVERIFY(textOf(eso, "Label2").isEmpty() && textOf(eso, "Label19").isEmpty());
        QCOMPARE(textOf(eso, "D1"), QStringLiteral("0"));
        QVERIFY(control<QRadioButton>(eso, "Option8")->isEnabled());
        QVERIFY(!control<QRadioButton>(eso, "Option10")->isEnabled());
    }

    void helpButtonsOpenTheirScreensAndTheWorkupStaysOpen_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("screen");
        QTest::newRow("Instructions") << "Command6"
                                      << "Inst_Eso";
        QTest::newRow("OverAction Grades") << "Command1"
                                           << "Form_AVP";
        QTest::newRow("AC/ A Calculator") << "Command7"
                                          << "ACA";
        QTest::newRow("DVD") << "Command9"
                             << "DVD";
        QTest::newRow("Print") << "Command3"
                               << "Print_01";
    }
    void helpButtonsOpenTheirScreensAndTheWorkupStaysOpen() {
        QFETCH(QString, button);
        QFETCH(QString, screen);
        QWidget* eso = openEso();
        typeInto(box(eso, "Text2"), "Asha");
        auto* help = control<QPushButton>(eso, qPrintable(button));
        QVERIFY(help->isEnabled());
        click(help);
        QWidget* opened = Navigator::instance().find(screen);
        QVERIFY(opened != nullptr && opened->isVisible());
        QCOMPARE(Navigator::instance().find("Esotropia"), eso);
        QCOMPARE(textOf(eso, "Text2"), QStringLiteral("Asha"));
    }

    void printAsksForThisScreen() {
        QWidget* eso = openEso();
        click(control<QPushButton>(eso, "Command3"));
        QWidget* print = Navigator::instance().find("Print_01");
        QVERIFY(print != nullptr);
        QCOMPARE(control<QLabel>(print, "Label3")->text(), QStringLiteral("Esotropia"));
    }

    void acaCalculatorIsFilledWithTheNearDeviations() {
        QWidget* eso = openEso();
        enterDeviations(eso, "0", "30", "12", "0", "0");
        click(control<QPushButton>(eso, "Command7"));
        QWidget* aca = Navigator::instance().find("ACA");
        QVERIFY(aca != nullptr && aca->isVisible());
        QCOMPARE(control<QLineEdit>(aca, "Text1")->text(), QStringLiteral("30"));
        QCOMPARE(control<QLineEdit>(aca, "Text2")->text(), QStringLiteral("12"));
        QVERIFY(control<QRadioButton>(aca, "Option1")->isChecked());
        // Pressed again with new values, the open calculator gets them.
        eso->activateWindow();
        enterDeviations(eso, "0", "-4", "8.5", "0", "0");
        click(control<QPushButton>(eso, "Command7"));
        QCOMPARE(Navigator::instance().find("ACA"), aca);
        QCOMPARE(control<QLineEdit>(aca, "Text1")->text(), QStringLiteral("-4"));
        QCOMPARE(control<QLineEdit>(aca, "Text2")->text(), QStringLiteral("8.5"));
    }

    void homeClosesTheWorkupAndItOpensAfresh() {
        QWidget* eso = openEso();
        typeInto(box(eso, "Text2"), "Asha");
        enterDeviations(eso, "30", "32", "20", "0", "0");
        pressEnter(eso);
        click(control<QPushButton>(eso, "Command8"));
        flushDeletes();
        QCOMPARE(Navigator::instance().openScreens(), QStringList{"SBoard"});
        QWidget* again = openEso();
        QVERIFY(textOf(again, "Text2").isEmpty());
        QCOMPARE(textOf(again, "D"), QStringLiteral("0"));
        QVERIFY(textOf(again, "Label2").isEmpty());
        QCOMPARE(drawnBackground(control<QLabel>(again, "Label2")), kWhite);
    }
};

QTEST_MAIN(EsotropiaTest)
#include "esotropia_test.moc"
