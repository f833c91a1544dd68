// The ductions and versions tutorial driven as a user would.

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

bool near(double actual, double expected) { return qAbs(actual - expected) < 1e-9; }

QString label(QWidget* mov, const char* name) { return control<QLabel>(mov, name)->text(); }

void expectIris(QWidget* mov, const char* name, double left, double top) {
    const QRectF mm = ocu::geometryMm(control<ocu::Picture>(mov, name));
    QVERIFY2(near(mm.left(), left) && near(mm.top(), top),
             qPrintable(QStringLiteral("%1 at (%2, %3), expected (%4, %5)")
                            .arg(name)
                            .arg(mm.left(), 0, 'f', 3)
                            .arg(mm.top(), 0, 'f', 3)
                            .arg(left)
                            .arg(top)));
    QVERIFY(near(mm.width(), 11.906) && near(mm.height(), 11.906));
}

void expectRest(QWidget* mov) {
    expectIris(mov, "Image2", 28.205, 34.608);
    expectIris(mov, "Image3", 83.009, 34.608);
}

void retype(QLineEdit* box, const QString& text) { typeInto(box, text); }

}  // namespace

class MovementsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerScreens(); }
    void cleanup() { closeAllScreens(); }

    void opensAsDesigned() {
        QWidget* mov = openScreen("Mov");
        QCOMPARE(mov->windowTitle(), QStringLiteral("Ocuvance"));
        QVERIFY(control<QLabel>(mov, "Banner")->text().endsWith("Simulator And  Calculator"));
        QCOMPARE(mov->size(), QSize(ocu::mmToPx(241.3), ocu::mmToPx(171.45)));
        const QRectF face = ocu::geometryMm(control<ocu::Picture>(mov, "Image1"));
        QVERIFY(near(face.left(), 0) && near(face.top(), 0) && near(face.width(), 120.915) &&
                near(face.height(), 72.231));
        QCOMPARE(control<ocu::Picture>(mov, "Image1")->source(), QStringLiteral(":/pictures/face_margins.svg"));
        expectRest(mov);
        for (const char* name : {"Label3", "Label4", "Label5", "Label6"}) QCOMPARE(label(mov, name), QString());
        QCOMPARE(control<QLineEdit>(mov, "Text1")->text(), QStringLiteral("0"));
        QCOMPARE(control<QLineEdit>(mov, "Text2")->text(), QStringLiteral("0"));
        QVERIFY(control<QRadioButton>(mov, "Option3")->isChecked());
        QVERIFY(!control<QRadioButton>(mov, "Option5")->isChecked() &&
                !control<QRadioButton>(mov, "Option6")->isChecked());

        // clang-format off
        const QList<QPair<const char*, const char*>> buttons = {
            {"Dele", "Dextro Elevation"}, {"Elev", "Elevation"}, {"Lele", "Levo Elevation"},
            {"Dextro", "Dextro Version"}, {"Prim", "Primary Position"}, {"Levo", "Levo Version"},
            {"Ddep", "Dextro Depression"}, {"Dep", "Depression"}, {"LDep", "Levo Depression"},
            {"Command1", "Abduction"}, {"Command2", "Adduction"}, {"Command3", "Elevation"},
            {"Command4", "Depression"}, {"Conv", "Convergence"}, {"Div", "Divergence"},
            {"Rhyper", "R Over L"}, {"Lhyper", "L Over R"},
            {"LinfGr1", "Grade1"}, {"LinfGr2", "Grade2"}, {"LinfGr3", "Grade3"}, {"LinfGr4", "Grade4"},
            {"RInfgr1", "Grade1"}, {"RInfgr2", "Grade 2"}, {"RInfgr3", "Grade 3"}, {"RInfgr4", "Grade 4"},
            {"LsupGr1", "Grade 1"}, {"LsupGr2", "Grade 2"}, {"LsupGr3", "Grade 3"}, {"LsupGr4", "Grade 4"},
            {"RsupGr1", "Grade 1"}, {"RsupGr2", "Grade 2"}, {"RsupGr3", "Grade 3"}, {"RsupGr4", "Grade 4"},
            {"Command5", "Calculate Grades"}, {"Command6", "Home"}};
        for (const auto& [name, caption] : buttons) QCOMPARE(control<QPushButton>(mov, name)->text(), QString(caption));
        const QList<QPair<const char*, const char*>> options = {
            {"Option3", "OD"}, {"Option4", "OS"}, {"Option5", "Inferior Obliques"}, {"Option6", "Superior Obliques"}};
        for (const auto& [name, caption] : options) QCOMPARE(control<QRadioButton>(mov, name)->text(), QString(caption));

        QStringList frames;
        for (const QGroupBox* frame : mov->findChildren<QGroupBox*>()) frames << frame->title();
        for (const char* title : {"Nine Diagnostic Gaze", "Ductions", "Vergence", "Hypertropia",
                                  "Obliques Over Action Calculation By Vertical deviation In Lateral Gazes",
                                  "Inferior Oblique Over Action ", "Superior Oblique Over Action "}) {
            QVERIFY2(frames.contains(title), title);
        }
        // clang-format on
        // The deviation frame's caption names the eyes over their boxes.
        const auto* deviations = qobject_cast<QGroupBox*>(control<QLineEdit>(mov, "Text1")->parentWidget());
        QVERIFY(deviations != nullptr);
        QVERIFY(deviations->title().startsWith("Enter Vertical Deveation In PD "));
        const qsizetype od = deviations->title().indexOf(" OD ");
        QVERIFY(od > 0 && deviations->title().endsWith(" OS") && deviations->title().indexOf("OS") > od);
        // Each grade frame is headed by the eyes over its two columns.
        for (const char* button : {"LinfGr1", "LsupGr1"}) {
            QWidget* frame = control<QPushButton>(mov, button)->parentWidget();
            QCOMPARE(frame->findChildren<QLabel*>().size(), 1);
            QCOMPARE(frame->findChildren<QLabel*>().first()->text(), QStringLiteral("Right                   Left"));
        }
    }

    void musclesAreWhiteOnBlack() {
        QWidget* mov = openScreen("Mov");
        click(control<QPushButton>(mov, "Dextro"));
        for (const char* name : {"Label3", "Label4", "Label5", "Label6"}) {
            const QImage drawn = control<QLabel>(mov, name)->grab().toImage();
            QCOMPARE(drawn.pixelColor(1, 1), QColor(0, 0, 0));
        }
        const QImage drawn = control<QLabel>(mov, "Label3")->grab().toImage();
        bool white = false;
        for (int x = 0; x < drawn.width() && !white; ++x) {
            for (int y = 0; y < drawn.height() && !white; ++y) white = drawn.pixelColor(x, y).lightness() > 200;
        }
        QVERIFY(white);
    }

    void everyButtonPlacesBothIrises_data() {
        QTest::addColumn<QString>("eye");  // the duction option chosen first
        QTest::addColumn<QString>("button");
        QTest::addColumn<QPointF>("od");
        QTest::addColumn<QPointF>("os");
        QTest::addColumn<QString>("label3");  // after Elevation named the superior recti
        QTest::addColumn<QString>("label4");
        const QString rsr = " Rt. Sup. Rectus", lsr = " Lt. Sup. Rectus";
        auto row = [](const char* name, const char* eye, const char* button, QPointF od, QPointF os, const QString& l3,
                      const QString& l4) {
            QTest::newRow(name) << QString(eye) << QString(button) << od << os << l3 << l4;
        };
        row("primary", "Option3", "Prim", {28.205, 34.608}, {83.009, 34.608}, "", "");
        row("dextro", "Option3", "Dextro", {21.205, 34.608}, {76.009, 34.608}, " Rt. Lat.Rectus", " Lt. Med Rectus");
        row("levo", "Option3", "Levo", {35.205, 34.608}, {90.009, 34.608}, " Rt. Med. Rectus", " Lt. Lat. Rectus");
        row("elevation", "Option3", "Elev", {28.205, 29.608}, {83.009, 29.608}, rsr, lsr);
        row("depression", "Option3", "Dep", {28.205, 39.608}, {83.009, 39.608}, " Rt. Inf. Rectus", " Lt. Inf. Rectus");
        row("dextro elevation", "Option3", "Dele", {21.205, 29.608}, {76.009, 29.608}, " Rt. Sup.Rectus",
            " Lt. Inf. Oblique");
        row("levo elevation", "Option3", "Lele", {35.205, 29.608}, {90.009, 29.608}, " Rt. Inf. Oblique",
            " Lt. Sup. Rectus");
        row("dextro depression", "Option3", "Ddep", {21.205, 39.608}, {76.009, 39.608}, " Rt. Inf. Rectus",
            " Lt. Sup. Oblique");
        row("levo depression", "Option3", "LDep", {35.205, 39.608}, {90.009, 39.608}, " Rt. Sup. Oblique",
            " Lt. Inf. Rectus");
        row("convergence", "Option3", "Conv", {31.205, 34.608}, {80.009, 34.608}, rsr, lsr);
        row("divergence", "Option3", "Div", {25.205, 34.608}, {86.009, 34.608}, rsr, lsr);
        row("R over L", "Option3", "Rhyper", {28.205, 32.608}, {83.009, 36.608}, rsr, lsr);
        row("L over R", "Option3", "Lhyper", {28.205, 36.608}, {83.009, 32.608}, rsr, lsr);
        row("OD abduction", "Option3", "Command1", {21.205, 34.608}, {83.009, 34.608}, " Rt. Lat.Rectus", "");
        row("OD adduction", "Option3", "Command2", {35.205, 34.608}, {83.009, 34.608}, " Rt. Med.Rectus", "");
        row("OD elevation", "Option3", "Command3", {28.205, 29.608}, {83.009, 34.608}, " Rt. Sup.Rectus", "");
        row("OD depression", "Option3", "Command4", {28.205, 39.608}, {83.009, 34.608}, " Rt. Inf.Rectus", "");
        row("OS abduction", "Option4", "Command1", {28.205, 34.608}, {90.009, 34.608}, "", " Lt. Lat.Rectus");
        row("OS adduction", "Option4", "Command2", {28.205, 34.608}, {76.009, 34.608}, "", " Lt. Med Rectus");
        row("OS elevation", "Option4", "Command3", {28.205, 34.608}, {83.009, 29.608}, "", " Lt. Sup.Rectus");
        row("OS depression", "Option4", "Command4", {28.205, 34.608}, {83.009, 39.608}, "", " Lt. Inf.Rectus");
        const double raised[] = {31.608, 30.608, 29.608, 28.608};
        const double lowered[] = {40.608, 41.608, 42.608, 43.608};
        for (int g = 1; g <= 4; ++g) {
            const double up = raised[g - 1], down = lowered[g - 1];
            QTest::newRow(qPrintable(QStringLiteral("LinfGr%1").arg(g)))
                << "Option3" << QStringLiteral("LinfGr%1").arg(g) << QPointF(36.205, up) << QPointF(91.009, 34.608)
                << rsr << lsr;
            QTest::newRow(qPrintable(QStringLiteral("RInfgr%1").arg(g)))
                << "Option4" << QStringLiteral("RInfgr%1").arg(g) << QPointF(20.205, 34.608) << QPointF(75.009, up)
                << rsr << lsr;
            QTest::newRow(qPrintable(QStringLiteral("LsupGr%1").arg(g)))
                << "Option3" << QStringLiteral("LsupGr%1").arg(g) << QPointF(35.205, down) << QPointF(90.009, 39.608)
                << rsr << lsr;
            QTest::newRow(qPrintable(QStringLiteral("RsupGr%1").arg(g)))
                << "Option4" << QStringLiteral("RsupGr%1").arg(g) << QPointF(21.205, 39.608) << QPointF(76.009, down)
                << rsr << lsr;
        }
    }
    void everyButtonPlacesBothIrises() {
        QFETCH(QString, eye);
        QFETCH(QString, button);
        QFETCH(QPointF, od);
        QFETCH(QPointF, os);
        QFETCH(QString, label3);
        QFETCH(QString, label4);
        QWidget* mov = openScreen("Mov");
        click(control<QPushButton>(mov, "Elev"));
        click(control<QRadioButton>(mov, qPrintable(eye)));
        click(control<QPushButton>(mov, qPrintable(button)));
        expectIris(mov, "Image2", od.x(), od.y());
        expectIris(mov, "Image3", os.x(), os.y());
        QCOMPARE(label(mov, "Label3"), label3);
        QCOMPARE(label(mov, "Label4"), label4);
    }

    void aButtonDoesNotDependOnTheOnesBefore() {
        QWidget* mov = openScreen("Mov");
        click(control<QPushButton>(mov, "Lele"));
        click(control<QPushButton>(mov, "LsupGr4"));
        click(control<QPushButton>(mov, "Dextro"));
        expectIris(mov, "Image2", 21.205, 34.608);
        expectIris(mov, "Image3", 76.009, 34.608);
        QCOMPARE(label(mov, "Label3"), QStringLiteral(" Rt. Lat.Rectus"));
        QCOMPARE(label(mov, "Label4"), QStringLiteral(" Lt. Med Rectus"));
    }

    void aDuctionWithNoEyeChosenDoesNothing() {
        QWidget* mov = openScreen("Mov");
        click(control<QPushButton>(mov, "Levo"));
        ocu::deselect(control<QRadioButton>(mov, "Option3"));
        click(control<QPushButton>(mov, "Command1"));
        expectIris(mov, "Image2", 35.205, 34.608);
        expectIris(mov, "Image3", 90.009, 34.608);
        QCOMPARE(label(mov, "Label3"), QStringLiteral(" Rt. Med. Rectus"));
    }

    void calculateGradesGradesEachEye_data() {
        QTest::addColumn<QString>("od");
        QTest::addColumn<QString>("os");
        QTest::addColumn<QString>("odGrade");  // after a first press with 45 and 45
        QTest::addColumn<QString>("osGrade");
        QTest::newRow("4 and 5") << "4"
                                 << "5"
                                 << ""
                                 << "Trace";
        QTest::newRow("19.5 and 44.5") << "19.5"
                                       << "44.5"
                                       << "Grade 2 "
                                       << "Grade 3";
        QTest::newRow("4.5 and 5.5") << "4.5"
                                     << "5.5"
                                     << ""
                                     << "Trace";
        QTest::newRow("10 and 30") << "10"
                                   << "30"
                                   << "Grade 1 "
                                   << "Grade 3";
        QTest::newRow("29 and 45") << "29"
                                   << "45"
                                   << "Grade 2 "
                                   << "Grade 4 ";
        QTest::newRow("negative keeps") << "-3"
                                        << "20"
                                        << "Grade 4 "
                                        << "Grade 2 ";
        QTest::newRow("both negative") << "-1"
                                       << "-32768"
                                       << "Grade 4 "
                                       << "Grade 4 ";
    }
    void calculateGradesGradesEachEye() {
        QFETCH(QString, od);
        QFETCH(QString, os);
        QFETCH(QString, odGrade);
        QFETCH(QString, osGrade);
        QWidget* mov = openScreen("Mov");
        auto* calculate = control<QPushButton>(mov, "Command5");
        retype(control<QLineEdit>(mov, "Text1"), "45");
        retype(control<QLineEdit>(mov, "Text2"), "45");
        click(calculate);
        QCOMPARE(label(mov, "Label5"), QStringLiteral("Grade 4 "));
        MessageAnswerer answerer;
        retype(control<QLineEdit>(mov, "Text1"), od);
        retype(control<QLineEdit>(mov, "Text2"), os);
        click(calculate);
        QCOMPARE(label(mov, "Label5"), odGrade);
        QCOMPARE(label(mov, "Label6"), osGrade);
        QVERIFY(answerer.texts().isEmpty());
    }

    void calculateGradesNamesABoxWithoutAWholeNumber_data() {
        QTest::addColumn<QString>("od");
        QTest::addColumn<QString>("os");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("odGrade");  // after a first press with 25 and 25
        QTest::addColumn<QString>("osGrade");
        QTest::addColumn<QString>("focused");
        const QString odNaN = " Please enter a number for vertical deviation OD ";
        const QString osNaN = " Please enter a number for vertical deviation OS ";
        QTest::newRow("empty OD") << ""
                                  << "12" << QStringList{odNaN} << "Grade 2 "
                                  << "Grade 1 "
                                  << "Text1";
        QTest::newRow("letters OS") << "5"
                                    << "abc" << QStringList{osNaN} << "Trace"
                                    << "Grade 2 "
                                    << "Text2";
        QTest::newRow("trailing letters") << "12pd"
                                          << "7" << QStringList{odNaN} << "Grade 2 "
                                          << "Trace"
                                          << "Text1";
        QTest::newRow("too large")
            << "32767.5"
            << "0" << QStringList{" Please enter a number from -32768 to 32767 for vertical deviation OD "}
            << "Grade 2 "
            << ""
            << "Text1";
        QTest::newRow("too small")
            << "10"
            << "-32769" << QStringList{" Please enter a number from -32768 to 32767 for vertical deviation OS "}
            << "Grade 1 "
            << "Grade 2 "
            << "Text2";
        QTest::newRow("both") << "x"
                              << "" << QStringList{odNaN, osNaN} << "Grade 2 "
                              << "Grade 2 "
                              << "Text1";
    }
    void calculateGradesNamesABoxWithoutAWholeNumber() {
        QFETCH(QString, od);
        QFETCH(QString, os);
        QFETCH(QStringList, messages);
        QFETCH(QString, odGrade);
        QFETCH(QString, osGrade);
        QFETCH(QString, focused);
        QWidget* mov = openScreen("Mov");
        auto* calculate = control<QPushButton>(mov, "Command5");
        retype(control<QLineEdit>(mov, "Text1"), "25");
        retype(control<QLineEdit>(mov, "Text2"), "25");
        click(calculate);
        retype(control<QLineEdit>(mov, "Text1"), od);  // an empty text: clicked into, nothing typed
        retype(control<QLineEdit>(mov, "Text2"), os);
        MessageAnswerer answerer;
        click(calculate);
        QCOMPARE(answerer.texts(), messages);
        QCOMPARE(label(mov, "Label5"), odGrade);
        QCOMPARE(label(mov, "Label6"), osGrade);
        QCOMPARE(mov->focusWidget(), mov->findChild<QWidget*>(focused));
    }

    void clickingIntoADeviationBoxEmptiesIt() {
        QWidget* mov = openScreen("Mov");
        auto* od = control<QLineEdit>(mov, "Text1");
        auto* os = control<QLineEdit>(mov, "Text2");
        QCOMPARE(od->text(), QStringLiteral("0"));
        click(od);
        QCOMPARE(od->text(), QString());
        QTest::keyClicks(od, "12");
        click(os);
        QCOMPARE(od->text(), QStringLiteral("12"));  // no "0" put back, nothing else on leaving
        QCOMPARE(os->text(), QString());
    }

    void bothSwitchboardButtonsOpenTheOneScreenAndHomeClosesIt() {
        QWidget* home = openScreen("SBoard");
        auto* versions = control<QPushButton>(home, "Command3");
        auto* overActions = control<QPushButton>(home, "Command4");
        QVERIFY(versions->isEnabled() && overActions->isEnabled());
        click(versions);
        QWidget* mov = Navigator::instance().find("Mov");
        QVERIFY(mov != nullptr);
        click(control<QPushButton>(mov, "Levo"));
        click(overActions);
        QCOMPARE(Navigator::instance().find("Mov"), mov);
        QCOMPARE(label(mov, "Label3"), QStringLiteral(" Rt. Med. Rectus"));
        click(control<QPushButton>(mov, "Command6"));
        flushDeletes();
        QCOMPARE(Navigator::instance().openScreens(), QStringList{"SBoard"});
        QWidget* again = openScreen("Mov");
        expectRest(again);
        QCOMPARE(label(again, "Label3"), QString());
    }
};

QTEST_MAIN(MovementsTest)
#include "movements_test.moc"
