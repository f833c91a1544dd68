// The amount calculator driven as a user would: plan, check, re-plan; and
// driven from code as the work-up hand-offs drive it.

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "calculator/rules/controlnames.h"
#include "shell/controls.h"
#include "shell/navigator.h"
#include "support/screentest.h"

using namespace ocutest;
using ocu::Navigator;

namespace {

const QStringList kBoxes = {"cmbLRrec_R", "cmbLRrec_L", "cmbMRres_R", "cmbMRres_L",
                            "cmbLRres_R", "cmbLRres_L", "cmbMRrec_R", "cmbMRrec_L"};
const QStringList kCells = {"C3", "C4", "C5", "C6", "C7", "C8", "C9", "C10"};
const QString kConservative = QStringLiteral("Please manage consevatively");
constexpr double kRestOD = 33.302;
constexpr double kRestOS = 88.9;

QComboBox* box(QWidget* s, const QString& name) { return control<QComboBox>(s, qPrintable(name)); }
QLineEdit* text(QWidget* s, const char* name) { return control<QLineEdit>(s, name); }
QPushButton* button(QWidget* s, const char* name) { return control<QPushButton>(s, name); }
QRadioButton* option(QWidget* s, const char* name) { return control<QRadioButton>(s, name); }
double irisLeft(QWidget* s, const char* name) { return ocu::geometryMm(s->findChild<QWidget*>(name)).left(); }

// Picks an item of the drop-down list as a user does; the box keeps the
// focus until the user moves on.
void choose(QWidget* s, const QString& name, const QString& item) {
    QComboBox* combo = box(s, name);
    click(combo);
    const int index = combo->findText(item);
    QVERIFY2(index >= 0, qPrintable(item));
    combo->setCurrentIndex(index);
}

QColor drawnBackground(QComboBox* combo) {
    const QImage drawn = combo->grab().toImage();
    // Inside the box's text area, clear of its frame and of the shown text.
    const QRect area = combo->lineEdit()->geometry();
    return drawn.pixelColor(area.right() - 2, area.center().y());
}

QWidget* openCalculator() {
    QWidget* s = openScreen("Squint");
    s->activateWindow();
    (void)QTest::qWaitForWindowActive(s);
    return s;
}

}  // namespace

class SquintTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerScreens(); }
    void cleanup() { closeAllScreens(); }

    void opensInItsDesignedState() {
        QWidget* s = openCalculator();
        QCOMPARE(s->windowTitle(), QStringLiteral("Ocuvance"));
        QCOMPARE(ocu::geometryMm(s).size(), QSizeF(226.8, 173.9));
        // clang-format off
        const QList<QPair<const char*, const char*>> prompts = {
            {"Text3", "Patient's name"}, {"Text7", "Reg N0"}, {"Text8", "Consultant"},
            {"Text2", "Age"}, {"Text6", "Sex"}, {"Text10", "Hospital"}};
        for (const auto& [name, prompt] : prompts) QCOMPARE(text(s, name)->text(), QString(prompt));
        QVERIFY(text(s, "Text4")->text().contains(QLatin1Char(':')));
        for (const char* name : {"Text1", "Text9", "Text11"}) QCOMPARE(text(s, name)->text(), QString());
        QCOMPARE(control<QLabel>(s, "Label5")->text(), QString());

        const QStringList lateral = {"0.0 mm", "4.0 mm", "4.5 mm", "5.0 mm", "5.5 mm",
                                     "6.0 mm", "6.5 mm", "7.0 mm", "7.5 mm", "8.0 mm"};
        const QStringList medial = {"0.0 mm", "3.0 mm", "3.5 mm", "4.0 mm", "4.5 mm", "5.0 mm", "5.5 mm", "6.0 mm"};
        const QWidget* spot = s->findChild<QWidget*>("Command12");
        QCOMPARE(ocu::geometryMm(spot).size(), QSizeF(34.1, 13.0));
        for (int i = 0; i < kBoxes.size(); ++i) {
            QComboBox* combo = box(s, kBoxes[i]);
            QVERIFY(!combo->isEnabled());
            QCOMPARE(combo->currentText(), QString());
            QStringList items;
            for (int k = 0; k < combo->count(); ++k) items << combo->itemText(k);
            QCOMPARE(items, kBoxes[i].startsWith("cmbLR") ? lateral : medial);
            QLineEdit* result = text(s, qPrintable(kCells[i]));
            QCOMPARE(result->text(), kCells[i]);
            // The working cells lie under the decorative picture button.
            QVERIFY(spot->geometry().contains(result->geometry()));
            QCOMPARE(spot->parentWidget()->childAt(result->geometry().center()), spot);
        }
        // clang-format on
        QCOMPARE(text(s, "CTotal")->text(), QStringLiteral("CTotal"));
        // clang-format off
        const QList<QPair<const char*, const char*>> procedures = {
            {"Command1", "B/LRecession"}, {"Command11", "Re-Plan"}, {"Command2", " Recession   Resection"},
            {"Command3", "3 Or 4 Muscles "}, {"Command13", "B/L Resection"}};
        for (const auto& [name, caption] : procedures) {
            QCOMPARE(button(s, name)->text(), QString(caption));
            QVERIFY(button(s, name)->isEnabled() && button(s, name)->isVisible());
        }
        // clang-format on
        for (const char* name : {"ESO_OD", "ESO_OS", "EXO_OD", "EXO_OS", "Option1", "Option4", "Option13"}) {
            QVERIFY(!option(s, name)->isChecked());
            QVERIFY(option(s, name)->isEnabled());
        }
        QCOMPARE(control<QGroupBox>(s, "Frame6")->title(),
                 QStringLiteral("------OD-- Amount Calculator---OS          "));
        QCOMPARE(ocu::geometryMm(s->findChild<QWidget*>("Image1")), QRectF(4.233, 23.283, 123.31, 59.531));
        QCOMPARE(ocu::geometryMm(s->findChild<QWidget*>("Image2")), QRectF(kRestOD, 50.8, 11.906, 11.906));
        QCOMPARE(ocu::geometryMm(s->findChild<QWidget*>("Image3")), QRectF(kRestOS, 50.8, 11.906, 11.906));
        QCOMPARE(button(s, "Command6")->geometry(), button(s, "Command7")->geometry());
    }

    void checkingRightAfterOpeningTotalsZero() {
        QWidget* s = openCalculator();
        click(button(s, "Showresult"));
        QCOMPARE(text(s, "CTotal")->text(), QStringLiteral("0"));
    }

    // The plan-and-check loop: side, deviation, ENTER, procedure, doses, check.
    void planAndCheck_data() {
        QTest::addColumn<QString>("side");
        QTest::addColumn<QString>("deviation");
        QTest::addColumn<QString>("procedure");
        QTest::addColumn<QStringList>("doses");  // box, item, expected cell text, ...
        QTest::addColumn<QString>("total");
        QTest::addColumn<double>("odAfter");
        QTest::addColumn<double>("osAfter");
        QTest::newRow("matches: eso OD centred")
            << "ESO_OD"
            << "35"
            << "Command1" << QStringList{"cmbMRrec_R", "5.0 mm", "17.5", "cmbMRrec_L", "5.0 mm", "17.5"} << "35"
            << kRestOD << kRestOS;
        QTest::newRow("under: eso OD short")
            << "ESO_OD"
            << "35"
            << "Command1" << QStringList{"cmbMRrec_R", "5.0 mm", "17.5"} << "17.5" << 35.802 << kRestOS;
        QTest::newRow("over: eso OD past the centre")
            << "ESO_OD"
            << "35"
            << "Command1" << QStringList{"cmbMRrec_R", "6.0 mm", "25.00", "cmbMRrec_L", "6.0 mm", "25.0"} << "50"
            << kRestOD - 15.0 / 7 << kRestOS;
        QTest::newRow("exo OS three or four muscles")
            << "EXO_OS"
            << "70"
            << "Command3" << QStringList{"cmbLRrec_R", "8.0 mm", "25.0", "cmbLRrec_L", "8.0 mm", "25.0",
                                         "cmbMRres_R", "4.0 mm", "12.5", "cmbMRres_L", "4.0 mm", "12.50"}
            << "75" << kRestOD << kRestOS - 5.0 / 7;
        QTest::newRow("eso OS recess-resect")
            << "ESO_OS"
            << "21"
            << " Command2" << QStringList{"cmbMRrec_L", "3.0 mm", "7.5", "cmbLRres_L", "4.5 mm", "7.5"} << "15"
            << kRestOD << kRestOS - 6.0 / 7;
        QTest::newRow("exo OD bilateral resection")
            << "EXO_OD"
            << "40"
            << "Command13" << QStringList{"cmbMRres_R", "5.5 mm", "20.0", "cmbMRres_L", "5.5 mm", "20"} << "40"
            << kRestOD << kRestOS;
    }
    void planAndCheck() {
        QFETCH(QString, side);
        QFETCH(QString, deviation);
        QFETCH(QString, procedure);
        QFETCH(QStringList, doses);
        QFETCH(QString, total);
        QFETCH(double, odAfter);
        QFETCH(double, osAfter);
        MessageAnswerer answerer;
        QWidget* s = openCalculator();
        click(option(s, qPrintable(side)));
        typeInto(text(s, "Text1"), deviation);
        click(button(s, "enter"));
        const double d = deviation.toDouble();
        const bool od = side.endsWith("OD");
        const double sign = side.startsWith("ESO") == od ? 1 : -1;
        QCOMPARE(irisLeft(s, "Image2"), od ? kRestOD + sign * d / 7 : kRestOD);
        QCOMPARE(irisLeft(s, "Image3"), od ? kRestOS : kRestOS + sign * d / 7);

        click(button(s, qPrintable(procedure.trimmed())));
        for (int i = 0; i < doses.size(); i += 3) {
            QVERIFY2(box(s, doses[i])->isEnabled(), qPrintable(doses[i]));
            choose(s, doses[i], doses[i + 1]);
        }
        click(button(s, "Showresult"));
        for (int i = 0; i < doses.size(); i += 3) {
            QCOMPARE(text(s, qPrintable(kCells[kBoxes.indexOf(doses[i])]))->text(), doses[i + 2]);
        }
        QCOMPARE(text(s, "CTotal")->text(), total);
        QCOMPARE(irisLeft(s, "Image2"), odAfter);
        QCOMPARE(irisLeft(s, "Image3"), osAfter);
    }

    void proceduresEnableAndColourTheirBoxes_data() {
        QTest::addColumn<QString>("side");
        QTest::addColumn<QString>("procedure");
        QTest::addColumn<QStringList>("dosed");
        QTest::addColumn<QString>("disabledAfter");
        QTest::newRow("exo OS recess-resect") << "EXO_OS"
                                              << "Command2" << QStringList{"cmbLRrec_L", "cmbMRres_L"} << "Command1";
        QTest::newRow("eso OD recess-resect") << "ESO_OD"
                                              << "Command2" << QStringList{"cmbMRrec_R", "cmbLRres_R"} << "Command1";
        QTest::newRow("eso B/L recession") << "ESO_OS"
                                           << "Command1" << QStringList{"cmbMRrec_R", "cmbMRrec_L"} << "Command2";
        QTest::newRow("exo 3 or 4") << "EXO_OD"
                                    << "Command3" << QStringList{"cmbLRrec_R", "cmbLRrec_L", "cmbMRres_R", "cmbMRres_L"}
                                    << "Command1";
        QTest::newRow("eso B/L resection") << "ESO_OD"
                                           << "Command13" << QStringList{"cmbLRres_R", "cmbLRres_L"} << "";
    }
    void proceduresEnableAndColourTheirBoxes() {
        QFETCH(QString, side);
        QFETCH(QString, procedure);
        QFETCH(QStringList, dosed);
        QFETCH(QString, disabledAfter);
        QWidget* s = openCalculator();
        const QColor ordinary = drawnBackground(box(s, "cmbLRrec_R"));
        click(option(s, qPrintable(side)));
        click(button(s, qPrintable(procedure)));
        for (const QString& name : kBoxes) {
            QCOMPARE(box(s, name)->isEnabled(), dosed.contains(name));
            QCOMPARE(drawnBackground(box(s, name)), dosed.contains(name) ? QColor(0, 255, 0) : ordinary);
        }
        for (const char* name : {"Command1", "Command2", "Command3", "Command13"}) {
            QCOMPARE(button(s, name)->isEnabled(), disabledAfter != QLatin1String(name));
        }
    }

    void aProcedureWithoutASideChangesNoBoxButStillDisables() {
        QWidget* s = openCalculator();
        click(button(s, "Command1"));
        for (const QString& name : kBoxes) QVERIFY(!box(s, name)->isEnabled());
        QVERIFY(!button(s, "Command2")->isEnabled());
    }

    void aBoxDisabledLaterKeepsItsCellAndItsGreen() {
        QWidget* s = openCalculator();
        text(s, "Text1")->setText("30");
        click(option(s, "ESO_OD"));
        click(button(s, "Command13"));
        choose(s, "cmbLRres_R", "7.0 mm");
        click(option(s, "EXO_OD"));
        click(button(s, "Command13"));
        QVERIFY(!box(s, "cmbLRres_R")->isEnabled());
        QCOMPARE(drawnBackground(box(s, "cmbLRres_R")), QColor(0, 255, 0));
        QCOMPARE(text(s, "C7")->text(), QStringLiteral("20.0"));
        choose(s, "cmbMRres_R", "3.5 mm");
        click(button(s, "Showresult"));
        QCOMPARE(text(s, "CTotal")->text(), QStringLiteral("30"));
    }

    void replanClearsThePlanAndTheNextCheckTotalsZero() {
        MessageAnswerer answerer;
        QWidget* s = openCalculator();
        click(option(s, "ESO_OD"));
        typeInto(text(s, "Text1"), "35");
        click(button(s, "Command1"));
        choose(s, "cmbMRrec_R", "5.0 mm");
        choose(s, "cmbMRrec_L", "5.0 mm");
        click(button(s, "Showresult"));
        QCOMPARE(irisLeft(s, "Image2"), kRestOD);
        button(s, "Command13")->setEnabled(false);  // as a hand-off may leave it

        click(button(s, "Command11"));
        for (const QString& name : kBoxes) {
            QCOMPARE(box(s, name)->currentText(), QStringLiteral("0"));
            QCOMPARE(drawnBackground(box(s, name)), QColor(255, 255, 255));
        }
        QVERIFY(box(s, "cmbMRrec_R")->isEnabled() && !box(s, "cmbLRrec_R")->isEnabled());
        for (const QString& name : kCells) QCOMPARE(text(s, qPrintable(name))->text(), QString());
        QCOMPARE(text(s, "CTotal")->text(), QString());
        QVERIFY(button(s, "Command1")->isEnabled() && button(s, "Command2")->isEnabled());
        QVERIFY(button(s, "Command3")->isEnabled() && !button(s, "Command13")->isEnabled());
        // Re-Plan leaves the eye where it was; leaving a box showing "0" writes nothing.
        QCOMPARE(irisLeft(s, "Image2"), kRestOD);
        click(box(s, "cmbMRrec_R"));
        click(button(s, "Showresult"));
        QCOMPARE(text(s, "C9")->text(), QString());
        QCOMPARE(text(s, "CTotal")->text(), QStringLiteral("0"));
        QCOMPARE(irisLeft(s, "Image2"), kRestOD + 5);
    }

    void typingTheDeviationKeyByKeyPassesThroughEachBand() {
        MessageAnswerer answerer;
        QWidget* s = openCalculator();
        typeInto(text(s, "Text1"), "20");
        QCOMPARE(answerer.texts(), QStringList{kConservative});
        QCOMPARE(answerer.titles(), QStringList{"Ocuvance"});
        QCOMPARE(text(s, "Text1")->text(), QStringLiteral("20"));
        QVERIFY(button(s, "Command3")->isHidden());
        for (const char* name : {"Command1", "Command2", "Command13", "Command11"})
            QVERIFY(button(s, name)->isVisible());
    }

    void deviationBands_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("deviation");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("threeOrFourShown");
        QTest::newRow("15 conservative") << "60"
                                         << "15" << kConservative << true;
        QTest::newRow("1 conservative") << "30"
                                        << "1" << kConservative << false;
        QTest::newRow("15.5 up to fifty") << "60"
                                          << "15.5"
                                          << "" << false;
        QTest::newRow("50 up to fifty") << "60"
                                        << "50"
                                        << "" << false;
        QTest::newRow("50.5 nothing") << "60"
                                      << "50.5"
                                      << "" << true;
        QTest::newRow("51 above fifty") << "30"
                                        << "51"
                                        << "" << true;
        QTest::newRow("90 above fifty") << "30"
                                        << "90"
                                        << "" << true;
        QTest::newRow("91 out of range") << "30"
                                         << "91"
                                         << "Please enter between 1 to 90 only" << false;
        QTest::newRow("0 nothing") << "60"
                                   << "0"
                                   << "" << true;
        QTest::newRow("empty nothing") << "30"
                                       << ""
                                       << "" << false;
    }
    void deviationBands() {
        QFETCH(QString, before);
        QFETCH(QString, deviation);
        QFETCH(QString, message);
        QFETCH(bool, threeOrFourShown);
        MessageAnswerer answerer;
        QWidget* s = openCalculator();
        text(s, "Text1")->setText(before);  // as a hand-off sets it
        answerer.clear();
        text(s, "Text1")->setText(deviation);
        QCOMPARE(answerer.texts(), message.isEmpty() ? QStringList{} : QStringList{message});
        QCOMPARE(text(s, "Text1")->text(), deviation);
        QCOMPARE(!button(s, "Command3")->isHidden(), threeOrFourShown);
        for (const char* name : {"Command1", "Command2", "Command13"}) {
            QCOMPARE(button(s, name)->isHidden(), threeOrFourShown);
        }
        QVERIFY(!button(s, "Command11")->isHidden());
        QCOMPARE(irisLeft(s, "Image2"), kRestOD);
    }

    void enterPutsTheFixingEyeAtRest() {
        QWidget* s = openCalculator();
        text(s, "Text1")->setText("35");
        click(option(s, "ESO_OD"));
        click(button(s, "enter"));
        QCOMPARE(irisLeft(s, "Image2"), kRestOD + 5);
        click(option(s, "EXO_OS"));
        QCOMPARE(irisLeft(s, "Image2"), kRestOD + 5);  // choosing a side moves nothing
        click(button(s, "enter"));
        QCOMPARE(irisLeft(s, "Image2"), kRestOD);
        QCOMPARE(irisLeft(s, "Image3"), kRestOS + 5);
        text(s, "Text1")->setText("abc");
        click(button(s, "enter"));
        QCOMPARE(irisLeft(s, "Image3"), kRestOS);
    }

    void aDeviationTooLargeToHoldIsReportedAndShownOnScreen() {
        MessageAnswerer answerer;
        QWidget* s = openCalculator();
        click(option(s, "EXO_OD"));
        text(s, "Text1")->setText(QString(400, QLatin1Char('9')));
        QCOMPARE(answerer.texts(), QStringList{"Please enter between 1 to 90 only"});
        click(button(s, "enter"));
        QCOMPARE(irisLeft(s, "Image2"), kRestOD - 226.8);
        // Too large to hold is not a number the check can work with.
        text(s, "C3")->setText("10.00");
        click(button(s, "Showresult"));
        QCOMPARE(answerer.texts().last(), QStringLiteral(" Please enter a number for horizontal deviation "));
        QCOMPARE(irisLeft(s, "Image2"), kRestOD - 226.8);
    }

    void checkingNeedsTheDeviationAsANumber() {
        MessageAnswerer answerer;
        QWidget* s = openCalculator();
        click(option(s, "ESO_OS"));
        typeInto(text(s, "Text1"), "35x");
        click(button(s, "enter"));
        QCOMPARE(irisLeft(s, "Image3"), kRestOS - 5);
        answerer.clear();
        click(button(s, "Command1"));
        choose(s, "cmbMRrec_L", "4.0 mm");
        click(button(s, "Showresult"));
        QCOMPARE(answerer.texts(), QStringList{" Please enter a number for horizontal deviation "});
        QCOMPARE(text(s, "CTotal")->text(), QStringLiteral("12.5"));
        QCOMPARE(irisLeft(s, "Image3"), kRestOS - 5);
        QCOMPARE(s->focusWidget(), text(s, "Text1"));
    }

    void checkingWithoutASideOnlyTotals() {
        MessageAnswerer answerer;
        QWidget* s = openCalculator();
        text(s, "Text1")->setText("abc");
        text(s, "C5")->setText("12.5");
        click(button(s, "Showresult"));
        QCOMPARE(text(s, "CTotal")->text(), QStringLiteral("12.5"));
        QVERIFY(answerer.texts().isEmpty());
        QCOMPARE(irisLeft(s, "Image2"), kRestOD);
        QCOMPARE(irisLeft(s, "Image3"), kRestOS);
    }

    void obliqueActionsOfferTheirPatterns_data() {
        QTest::addColumn<QString>("side");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QStringList>("enabled");
        QTest::addColumn<QString>("selected");
        QTest::newRow("exo OD inferior") << "EXO_OD"
                                         << "Option5" << QStringList{"Option11", "Option12"} << "Option11";
        QTest::newRow("eso OS superior") << "ESO_OS"
                                         << "Option6" << QStringList{"Option2"} << "Option2";
        QTest::newRow("exo OS superior") << "EXO_OS"
                                         << "Option6" << QStringList{"Option10", "Option9"} << "Option10";
        QTest::newRow("eso OD inferior") << "ESO_OD"
                                         << "Option5" << QStringList{"Option3"} << "Option3";
        QTest::newRow("eso normal") << "ESO_OD"
                                    << "Option4" << QStringList{"Option1", "Option2", "Option3"} << "Option2";
        QTest::newRow("exo normal") << "EXO_OD"
                                    << "Option4" << QStringList{"Option1", "Option10", "Option11"} << "Option2";
        // A Pattern Eso chosen beforehand stays chosen, disabled or not, except here.
        QTest::newRow("exo both") << "EXO_OD"
                                  << "Option7" << QStringList{"Option8"} << "";
        QTest::newRow("eso both") << "ESO_OD"
                                  << "Option7" << QStringList{"Option1",  "Option2",  "Option3", "Option9",
                                                              "Option10", "Option11", "Option8", "Option12"}
                                  << "Option2";
        QTest::newRow("no side") << ""
                                 << "Option6" << QStringList{"Option1",  "Option2",  "Option3", "Option9",
                                                             "Option10", "Option11", "Option8", "Option12"}
                                 << "Option2";
    }
    void obliqueActionsOfferTheirPatterns() {
        QFETCH(QString, side);
        QFETCH(QString, action);
        QFETCH(QStringList, enabled);
        QFETCH(QString, selected);
        QWidget* s = openCalculator();
        click(option(s, "Option2"));
        click(option(s, "Option14"));
        if (!side.isEmpty()) click(option(s, qPrintable(side)));
        click(option(s, qPrintable(action)));
        for (const char* name :
             {"Option1", "Option2", "Option3", "Option9", "Option10", "Option11", "Option8", "Option12"}) {
            QCOMPARE(option(s, name)->isEnabled(), enabled.contains(QLatin1String(name)));
            QCOMPARE(option(s, name)->isChecked(), selected == QLatin1String(name));
        }
        QVERIFY(option(s, "Option14")->isChecked());  // the grades are left alone
        for (const char* grade : {"Option13", "Option14", "Option15", "Option16"})
            QVERIFY(option(s, grade)->isEnabled());
    }

    void obliqueEnterNamesTheProcedure() {
        QWidget* s = openCalculator();
        click(option(s, "Option6"));
        click(option(s, "Option15"));
        click(button(s, "Command9"));
        QCOMPARE(text(s, "Text9")->text(),
                 QStringLiteral(" Graded Recession Or Tendon Lengthening Procedure Of Sup Oblique"));
        QCOMPARE(text(s, "Text9")->palette().color(QPalette::Text), QColor(0, 0, 128));
        click(option(s, "Option5"));
        click(option(s, "Option14"));
        click(button(s, "Command9"));
        QCOMPARE(text(s, "Text9")->text(), QStringLiteral("Inf.Oblique Mymectomy Or Recession 8 mm "));
        click(option(s, "Option4"));
        click(button(s, "Command9"));
        QCOMPARE(text(s, "Text9")->text(), QStringLiteral("Inf.Oblique Mymectomy Or Recession 8 mm "));
    }

    // What the eso hand-off does, all from code: selections and presses work
    // on options and buttons that are disabled or hidden.
    void aHandOffDrivesTheScreenFromCode() {
        MessageAnswerer answerer;
        QWidget* s = Navigator::instance().open("Squint");
        ocu::select(option(s, "ESO_OS"));
        option(s, "Option4")->setEnabled(false);
        option(s, "Option6")->setEnabled(false);
        ocu::select(option(s, "Option6"));
        option(s, "Option6")->setEnabled(true);
        QVERIFY(option(s, "Option2")->isChecked());
        QVERIFY(!option(s, "Option1")->isEnabled());
        option(s, "Option13")->setEnabled(false);
        ocu::select(option(s, "Option13"));
        ocu::select(option(s, "Option2"));
        text(s, "Text1")->setText("60");
        QVERIFY(button(s, "Command3")->isHidden() == false && button(s, "Command1")->isHidden());
        ocu::press(button(s, "Command3"));
        QVERIFY(box(s, "cmbLRres_L")->isEnabled() && box(s, "cmbMRrec_R")->isEnabled());
        QVERIFY(!box(s, "cmbLRrec_L")->isEnabled());
        ocu::press(button(s, "Command1"));  // hidden, still pressed
        QVERIFY(box(s, "cmbMRrec_L")->isEnabled() && !box(s, "cmbLRres_L")->isEnabled());
        text(s, "Text3")->setText("A. Patient");
        ocu::press(button(s, "enter"));
        button(s, "enter")->setEnabled(false);
        QCOMPARE(irisLeft(s, "Image3"), kRestOS - 60.0 / 7);
        ocu::press(button(s, "Command9"));
        button(s, "Command9")->setEnabled(false);
        QCOMPARE(text(s, "Text9")->text(), QStringLiteral("Sup.Oblique Posterior Tenectomy "));
        button(s, "Command11")->hide();
        ocu::press(button(s, "Command11"));  // a hidden Re-Plan still re-plans when pressed
        QCOMPARE(box(s, "cmbMRrec_L")->currentText(), QStringLiteral("0"));
        ocu::press(button(s, "enter"));
        QCOMPARE(irisLeft(s, "Image3"), kRestOS - 60.0 / 7);
        QVERIFY(answerer.texts().isEmpty());
    }

    // The work-ups reach these controls by name alone; each must be on the
    // calculator once, as the kind of control the hand-offs treat it as.
    void everyNameTheWorkupsUseNamesOneControlOfItsKind() {
        using ocu::calc::control::Kind;
        QWidget* s = openCalculator();
        QCOMPARE(s->objectName(), QLatin1String(ocu::calc::control::kScreen));
        QCOMPARE(Navigator::instance().find(QLatin1String(ocu::calc::control::kScreen)), s);
        for (const auto& [name, kind] : ocu::calc::control::kNamed) {
            const QList<QWidget*> found = s->findChildren<QWidget*>(QLatin1String(name));
            QVERIFY2(found.size() == 1, name);
            QWidget* widget = found.front();
            switch (kind) {
            case Kind::OptionButton: QVERIFY2(qobject_cast<QRadioButton*>(widget) != nullptr, name); break;
            case Kind::CommandButton: QVERIFY2(qobject_cast<QPushButton*>(widget) != nullptr, name); break;
            case Kind::TextBox: QVERIFY2(qobject_cast<QLineEdit*>(widget) != nullptr, name); break;
            case Kind::Label: QVERIFY2(qobject_cast<QLabel*>(widget) != nullptr, name); break;
            }
        }
    }

    void theDateAndTimeRefillsOnEveryChange() {
        QWidget* s = openCalculator();
        QLineEdit* stamp = text(s, "Text4");
        typeInto(stamp, "x");
        QVERIFY(!stamp->text().contains(QLatin1Char('x')));
        QVERIFY(stamp->text().contains(QLatin1Char(':')));
        stamp->setText("Date/Time");
        QVERIFY(stamp->text() != QStringLiteral("Date/Time"));
    }

    void backButtonsReturnToTheirWorkupAndClose_data() {
        QTest::addColumn<QString>("back");
        QTest::addColumn<QString>("workup");
        QTest::newRow("eso") << "Command6"
                             << "Esotropia";
        QTest::newRow("exo") << "Command7"
                             << "Exotropia";
    }
    void backButtonsReturnToTheirWorkupAndClose() {
        QFETCH(QString, back);
        QFETCH(QString, workup);
        QWidget* s = openCalculator();
        QPushButton* pressed = button(s, qPrintable(back));
        QCOMPARE(pressed->text(), QStringLiteral("Back"));
        ocu::press(pressed);
        flushDeletes();
        QVERIFY(Navigator::instance().find("Squint") == nullptr);
        QVERIFY(Navigator::instance().find(workup) != nullptr);
        QVERIFY(Navigator::instance().find(workup)->isVisible());
    }

    void homeAndPrint() {
        QWidget* s = openCalculator();
        QPushButton* print = button(s, "Command4");
        QCOMPARE(print->text(), QStringLiteral("Print"));
        if (Navigator::instance().has("Print_01")) {
            click(print);
            QWidget* printScreen = Navigator::instance().find("Print_01");
            QVERIFY(printScreen != nullptr);
            QCOMPARE(control<QLabel>(printScreen, "Label3")->text(), QStringLiteral("Squint"));
        } else {
            QVERIFY(!print->isEnabled() && !print->toolTip().isEmpty());
        }
        QCOMPARE(button(s, "Command5")->text(), QStringLiteral("Help"));
        click(button(s, "Command8"));
        flushDeletes();
        QVERIFY(Navigator::instance().find("Squint") == nullptr);
        QVERIFY(Navigator::instance().find("SBoard") != nullptr);
    }
};

QTEST_MAIN(SquintTest)
#include "squint_test.moc"
