// The guideline screens and the about page: their texts line by line, their
// Back and Home buttons, and a guideline screen coming back as it was left.

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "shell/navigator.h"
#include "shell/picture.h"
#include "shell/screenframe.h"
#include "shell/texts.h"
#include "support/screentest.h"

using namespace ocutest;
using ocu::Navigator;

class GuidelinesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        registerScreens();
        // The work-ups stand in for themselves only where they are not built yet.
        for (const char* name : {"Esotropia", "Exotropia"}) {
            const QString screen = QLatin1String(name);
            if (Navigator::instance().has(screen)) continue;
            Navigator::instance().registerScreen(screen, [screen] {
                auto* workup = new QWidget;
                workup->setObjectName(screen);
                return workup;
            });
        }
    }
    void cleanup() { closeAllScreens(); }

    void guidelineScreensAreFramedAndCaptioned_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("back");
        QTest::newRow("eso") << "Inst_Eso"
                             << "Guidelines:Eso Deviation"
                             << "Back to Eso Deviations";
        QTest::newRow("exo") << "Inst_Exo"
                             << "Guidelines Exo Deviation"
                             << "Back To Exo Deviations";
    }
    void guidelineScreensAreFramedAndCaptioned() {
        QFETCH(QString, screen);
        QFETCH(QString, title);
        QFETCH(QString, back);
        QWidget* shown = openScreen(qPrintable(screen));
        QCOMPARE(shown->windowTitle(), QStringLiteral("Ocuvance"));
        QCOMPARE(control<QLabel>(shown, "Banner")->text(), ocu::bannerText(title));
        QCOMPARE(control<QLabel>(shown, "CreditLine")->text(), ocu::creditLine());
        auto* backButton = control<QPushButton>(shown, "Command1");
        auto* home = control<QPushButton>(shown, "Command2");
        QCOMPARE(backButton->text(), back);
        QCOMPARE(home->text(), QStringLiteral("Home"));
        QVERIFY(backButton->x() < home->x());
        // The text box fills most of the window.
        const QSize text = control<QPlainTextEdit>(shown, "Text1")->size();
        QVERIFY(text.width() * text.height() > shown->width() * shown->height() / 2);
    }

    // Lines as the guidelines give them, blanks and inner quotes included.
    void guidelineTextsLineByLine_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text");
        QTest::newRow("eso first") << "Inst_Eso" << 26 << 1 << "Refractive errors should be corrected optimally. ";
        QTest::newRow("eso quotes") << "Inst_Eso" << 26 << 2
                                    << "Then deviation should be measured with correction (spectacles number) in place "
                                       "by \"Prism Bar Cover Test\".";
        QTest::newRow("eso indented")
            << "Inst_Eso" << 26 << 8
            << "           NPA (Near Point of Accommodation) and NPC (Near Point of Convergence).";
        QTest::newRow("eso empty") << "Inst_Eso" << 26 << 16 << "";
        QTest::newRow("eso quoted blanks")
            << "Inst_Eso" << 26 << 22
            << "Step 8. Press \" GoTo Squint Calculator \" button for calculation and management.";
        QTest::newRow("eso step 9")
            << "Inst_Eso" << 26 << 24
            << "Step 9. In  squint amount calculator,   some  boxes will be highlighted green, select amount of "
               "surgery "
               "and press \"Check Result\" button, the eyes in simulator will move towards centre. If amount is not "
               "appropriate then select more or less amount then press  \"Check Result\" button .Repeat it again again "
               "til lboth eye get centered.This amount is in Milimetres from muscles attachment.";
        QTest::newRow("eso note")
            << "Inst_Eso" << 26 << 26
            << "Note: For infants it is advisable to take measurement from limbus for recession ( For example 5mm of "
               "recession of medial rectus  from muscle attachement would be 10.5 mm from limbus) .Slightly "
               "undercorrect  the the amount of surgery in infants. ";
        QTest::newRow("exo open bracket")
            << "Inst_Exo" << 27 << 11 << "           Near Gaze (at 33 Centimeter with accommodative targets";
        QTest::newRow("exo patch") << "Inst_Exo" << 27 << 14
                                   << "After 60 minutes of one eye patch then please enter deviation values in ";
        QTest::newRow("exo empty") << "Inst_Exo" << 27 << 17 << "";
        QTest::newRow("exo enter") << "Inst_Exo" << 27 << 18
                                   << "Then don't forget to press \"Enter\" Button in same box";
        QTest::newRow("exo last")
            << "Inst_Exo" << 27 << 27
            << "Step 9. In  squint amount calculator,   some  boxes will be highlighted green, select amount of "
               "surgery "
               "and press \"Check Result\" button, the eyes in simulator will move towards centre. If amount is not "
               "appropriate then select more or less amount then press  \"Check Result\" button .Repeat it again again "
               "til lboth eye get centered.";
    }
    void guidelineTextsLineByLine() {
        QFETCH(QString, screen);
        QFETCH(int, lines);
        QFETCH(int, line);
        QFETCH(QString, text);
        const QString shown = control<QPlainTextEdit>(openScreen(qPrintable(screen)), "Text1")->toPlainText();
        QVERIFY(shown.endsWith(QLatin1Char('\n')));
        const QStringList split = shown.split(QLatin1Char('\n'));
        QCOMPARE(split.size(), lines + 1);  // the line break after the last line
        QCOMPARE(split.at(line - 1), text);
    }

    void backShowsTheWorkupAndTheGuidelinesComeBackAsTheyWereLeft_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("workup");
        QTest::newRow("eso") << "Inst_Eso"
                             << "Esotropia";
        QTest::newRow("exo") << "Inst_Exo"
                             << "Exotropia";
    }
    void backShowsTheWorkupAndTheGuidelinesComeBackAsTheyWereLeft() {
        QFETCH(QString, screen);
        QFETCH(QString, workup);
        Navigator& screens = Navigator::instance();
        openScreen(qPrintable(workup));
        QWidget* guidelines = openScreen(qPrintable(screen));
        QScrollBar* scroll = control<QPlainTextEdit>(guidelines, "Text1")->verticalScrollBar();
        QTRY_VERIFY(scroll->maximum() > 2);
        scroll->setValue(scroll->maximum() / 2);
        const int leftAt = scroll->value();
        click(control<QPushButton>(guidelines, "Command1"));
        flushDeletes();
        QVERIFY(screens.find(workup) != nullptr && screens.find(workup)->isVisible());
        QCOMPARE(screens.find(screen), guidelines);
        QVERIFY(!guidelines->isVisible());
        // "Instructions" opens it again: the same window, where it was left.
        QCOMPARE(screens.open(screen), guidelines);
        QVERIFY(guidelines->isVisible());
        QCOMPARE(scroll->value(), leftAt);
    }

    void homeOnGuidelinesLeavesTheWorkupOpen() {
        Navigator& screens = Navigator::instance();
        openScreen("Esotropia");
        QWidget* guidelines = openScreen("Inst_Eso");
        click(control<QPushButton>(guidelines, "Command2"));
        flushDeletes();
        QCOMPARE(screens.openScreens(), (QStringList{"Esotropia", "SBoard"}));
        QVERIFY(screens.find("SBoard")->isVisible());
    }

    void aboutPageOpensFromHomeAndLeavesByHome() {
        Navigator& screens = Navigator::instance();
        QWidget* home = openScreen("SBoard");
        auto* aboutButton = control<QPushButton>(home, "Command5");
        QVERIFY(aboutButton->isEnabled());
        click(aboutButton);
        QWidget* about = screens.find("AbtAuthor");
        QVERIFY(about != nullptr && about->isVisible());
        QCOMPARE(about->windowTitle(), QStringLiteral("Form1"));
        QCOMPARE(control<QLabel>(about, "Banner")->text(), ocu::bannerText(QStringLiteral("About Author")));
        QCOMPARE(control<QPlainTextEdit>(about, "Text1")->toPlainText(), ocu::joinLines(ocu::kAboutText));
        QVERIFY(control<QPlainTextEdit>(about, "Text1")->toPlainText().contains(QStringLiteral("Ocuvance")));
        auto* portrait = control<ocu::Picture>(about, "Image1");
        QVERIFY(!portrait->accessibleName().isEmpty());
        // The portrait is drawn: something other than the window's background.
        const QImage drawn = portrait->grab().toImage();
        QVERIFY(drawn.pixelColor(drawn.width() / 2, drawn.height() / 2) != about->palette().color(QPalette::Window));
        auto* homeButton = control<QPushButton>(about, "Command1");
        QCOMPARE(homeButton->text(), QStringLiteral("Home"));
        click(homeButton);
        flushDeletes();
        QCOMPARE(screens.openScreens(), QStringList{"SBoard"});
    }
};

QTEST_MAIN(GuidelinesTest)
#include "guidelines_test.moc"
