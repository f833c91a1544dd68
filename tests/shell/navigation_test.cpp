// The start-up sequence, Home and the screen operations, driven as a user would.

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>

#include "shell/controls.h"
#include "shell/navigator.h"
#include "shell/screenframe.h"
#include "shell/texts.h"
#include "support/screentest.h"

using namespace ocutest;
using ocu::Navigator;

class NavigationTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerScreens(); }
    void cleanup() { closeAllScreens(); }

    void acceptingTheTermsLeadsHome() {
        QWidget* welcome = openScreen("Form_PD");
        QCOMPARE(welcome->windowTitle(), QStringLiteral("Welcome to the Ocuvance Software"));
        click(control<QPushButton>(welcome, "Command1"));
        flushDeletes();
        Navigator& screens = Navigator::instance();
        QCOMPARE(screens.openScreens(), QStringList{"Terms"});
        QWidget* terms = screens.find("Terms");
        QVERIFY(control<QRadioButton>(terms, "Option1")->isChecked());
        QCOMPARE(control<QRadioButton>(terms, "Option1")->text(), QStringLiteral(" I Accept"));
        QCOMPARE(control<QGroupBox>(terms, "Frame1")->title(), QStringLiteral("Terms and condition"));
        QCOMPARE(control<QPlainTextEdit>(terms, "Text1")->toPlainText(), ocu::joinLines(ocu::kTermsText));
        QSignalSpy ended(&screens, &Navigator::runEnded);
        click(control<QPushButton>(terms, "Command1"));
        QCOMPARE(ended.count(), 0);
        QVERIFY(screens.find("SBoard") != nullptr && screens.find("SBoard")->isVisible());
        QVERIFY(screens.find("Terms") != nullptr && !screens.find("Terms")->isVisible());
    }

    void refusingTheTermsEndsTheRunWithoutAMessage() {
        MessageAnswerer answerer;
        QWidget* terms = openScreen("Terms");
        click(control<QRadioButton>(terms, "Option2"));
        QSignalSpy ended(&Navigator::instance(), &Navigator::runEnded);
        click(control<QPushButton>(terms, "Command1"));
        QCOMPARE(ended.count(), 1);
        QVERIFY(Navigator::instance().openScreens().isEmpty());
        QVERIFY(answerer.texts().isEmpty());
    }

    void bothQuitButtonsEndTheRun_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("caption");
        QTest::newRow("terms") << "Terms"
                               << "Command2"
                               << "Quit";
        QTest::newRow("home") << "SBoard"
                              << "Command12"
                              << "Quit ";
    }
    void bothQuitButtonsEndTheRun() {
        QFETCH(QString, screen);
        QFETCH(QString, button);
        QFETCH(QString, caption);
        openScreen("SBoard");
        QWidget* shown = openScreen(qPrintable(screen));
        auto* quit = control<QPushButton>(shown, qPrintable(button));
        QCOMPARE(quit->text(), caption);
        QSignalSpy ended(&Navigator::instance(), &Navigator::runEnded);
        click(quit);
        flushDeletes();
        QCOMPARE(ended.count(), 1);
        QVERIFY(Navigator::instance().openScreens().isEmpty());
        const QWidgetList windows = QApplication::topLevelWidgets();
        QVERIFY(std::none_of(windows.cbegin(), windows.cend(), [](QWidget* w) { return w->isVisible(); }));
    }

    void openingAnOpenScreenKeepsWhatWasOnIt() {
        QWidget* terms = openScreen("Terms");
        click(control<QRadioButton>(terms, "Option2"));
        QCOMPARE(Navigator::instance().open("Terms"), terms);
        QVERIFY(control<QRadioButton>(terms, "Option2")->isChecked());
    }

    void closingDiscardsTheStateAndTheNextOpenIsFresh() {
        QWidget* terms = openScreen("Terms");
        click(control<QRadioButton>(terms, "Option2"));
        Navigator::instance().close("Terms");
        flushDeletes();
        QVERIFY(Navigator::instance().find("Terms") == nullptr);
        const QWidgetList windows = QApplication::topLevelWidgets();
        QCOMPARE(std::count_if(windows.cbegin(), windows.cend(), [](QWidget* w) { return w->objectName() == "Terms"; }),
                 0);
        QWidget* again = openScreen("Terms");
        QVERIFY(control<QRadioButton>(again, "Option1")->isChecked());
    }

    void homeOpensTheSwitchboardAndClosesTheScreen() {
        QWidget* terms = openScreen("Terms");
        Navigator::instance().home(terms);
        flushDeletes();
        QCOMPARE(Navigator::instance().openScreens(), QStringList{"SBoard"});
    }

    void windowCaptions_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("caption");
        QTest::newRow("welcome") << "Form_PD"
                                 << "Welcome to the Ocuvance Software";
        QTest::newRow("terms") << "Terms"
                               << "";
        QTest::newRow("home") << "SBoard"
                              << "Ocuvance";
    }
    void windowCaptions() {
        QFETCH(QString, screen);
        QFETCH(QString, caption);
        QCOMPARE(openScreen(qPrintable(screen))->windowTitle(), caption);
    }

    void switchboardShowsEveryFrameAndButton() {
        QWidget* home = openScreen("SBoard");
        // clang-format off
        const QList<QPair<const char*, const char*>> frames = {
            {"Frame1", "Concommitant (Non Paralytic)"}, {"Frame4", "Tutorials"},
            {"Frame2", "Non Concommitant "}, {"Frame3", ""},
            {"Frame5", "Please always press quit button to exit from Ocuvance"}};
        for (const auto& [name, title] : frames) QCOMPARE(control<QGroupBox>(home, name)->title(), QString(title));
        const QList<QPair<const char*, const char*>> buttons = {
            {"Command1", "Eso Deviations"}, {"Command2", "Exo Deviations"}, {"Command9", "Paralytic"},
            {"Command10", "Restictive"}, {"Command7", "A V Patterns Calculator"},
            {"Command6", "Parks 3 Step Test"}, {"Command8", "AC/A Ratio Calculator"},
            {"Command11", "Knapp's Classification"}, {"Command3", "Ductions / Versions"},
            {"Command4", "Oblique Muscles Over Actions"}, {"Command5", "About Author"}};
        for (const auto& [name, caption] : buttons) {
            auto* button = control<QPushButton>(home, name);
            QCOMPARE(button->text(), QString(caption));
            // A button leads to its screen, or says it is not there yet; none crashes.
            if (!button->isEnabled()) QVERIFY(!button->toolTip().isEmpty());
            ocu::press(button);
        }
        // clang-format on
        QVERIFY(home->isVisible());
        // The grid: concomitant top left, tutorials top right, non-concomitant
        // bottom left, calculators bottom right, Quit strip below them all.
        auto pos = [home](const char* frame) { return control<QGroupBox>(home, frame)->geometry(); };
        QVERIFY(pos("Frame1").left() < pos("Frame4").left() && pos("Frame1").top() == pos("Frame4").top());
        QVERIFY(pos("Frame2").top() > pos("Frame1").bottom() && pos("Frame3").top() == pos("Frame2").top());
        QVERIFY(pos("Frame5").top() > pos("Frame3").bottom());
        QVERIFY(pos("Frame5").width() > pos("Frame1").width() + pos("Frame4").width());
    }

    void everyFramedScreenWearsBannerStripsAndCreditLine() {
        QWidget* home = openScreen("SBoard");
        auto* banner = control<QLabel>(home, "Banner");
        QVERIFY(banner->text().startsWith("Ocuvance"));
        QCOMPARE(banner->width(), home->width());
        QCOMPARE(control<QLabel>(home, "CreditLine")->text(), ocu::creditLine());
        QCOMPARE(control<QLabel>(home, "LeftStrip")->x(), 0);
        QCOMPARE(control<QLabel>(home, "RightStrip")->geometry().right(), home->width() - 1);
        // The banner's colours are the system highlight colours as drawn.
        const QImage drawn = home->grab().toImage();
        QCOMPARE(drawn.pixelColor(home->width() - 2, 2), home->palette().color(QPalette::Highlight));
    }

    void closingByTheWindowFrame_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<bool>("endsRun");
        QTest::newRow("welcome") << "Form_PD" << true;
        QTest::newRow("terms") << "Terms" << true;
        QTest::newRow("home") << "SBoard" << true;
    }
    void closingByTheWindowFrame() {
        QFETCH(QString, screen);
        QFETCH(bool, endsRun);
        QWidget* shown = openScreen(qPrintable(screen));
        QSignalSpy ended(&Navigator::instance(), &Navigator::runEnded);
        shown->close();  // what the window frame's close button sends
        flushDeletes();
        QCOMPARE(ended.count(), endsRun ? 1 : 0);
        QVERIFY(Navigator::instance().find(screen) == nullptr);
    }

    void aScreenThatIsNotRegisteredDoesNotOpen() { QVERIFY(Navigator::instance().open("NoSuchScreen") == nullptr); }

    void millimetresAreExactAtNinetySixPixelsPerInch() {
        QWidget box;
        ocu::placeMm(&box, 15.505, 39.987, 4.5, 4.5);
        QCOMPARE(box.pos(), QPoint(59, 151));  // 58.6 and 151.1 px
        QCOMPARE(box.size(), QSize(17, 17));
        const QRectF mm = ocu::geometryMm(&box);
        QCOMPARE(mm.left(), 15.505);
        QCOMPARE(mm.top(), 39.987);
        ocu::setLeftMm(&box, 44.009);
        QCOMPARE(ocu::geometryMm(&box).left(), 44.009);
        QCOMPARE(ocu::geometryMm(&box).top(), 39.987);
        QCOMPARE(box.x(), 166);
    }

    void pressingAndSelectingFromCodeRunsTheReactionEvenWhenDisabled() {
        QWidget frame;
        auto* button = new QPushButton(&frame);
        auto* first = new QRadioButton(&frame);
        auto* second = new QRadioButton(&frame);
        int pressed = 0;
        int selected = 0;
        QObject::connect(button, &QPushButton::clicked, [&] { ++pressed; });
        QObject::connect(second, &QRadioButton::clicked, [&] { ++selected; });
        button->setEnabled(false);
        second->setEnabled(false);
        second->hide();
        ocu::select(first);
        ocu::press(button);
        ocu::select(second);
        QCOMPARE(pressed, 1);
        QCOMPARE(selected, 1);
        QVERIFY(second->isChecked() && !first->isChecked());
        ocu::deselect(second);
        QVERIFY(!second->isChecked() && !first->isChecked());
    }

    void messageBoxIsTitledOcuvanceWithOneOk() {
        MessageAnswerer answerer;
        QWidget* home = openScreen("SBoard");
        ocu::showMessage(home, " Please enter 0 to 90 for distance deviations ");
        QCOMPARE(answerer.texts(), QStringList{" Please enter 0 to 90 for distance deviations "});
        QCOMPARE(answerer.titles(), QStringList{"Ocuvance"});
    }

    void focusReactionsIgnoreMovesBetweenWindows() {
        QWidget* home = openScreen("SBoard");
        auto* box = new QLineEdit("25", home);
        box->setObjectName("Probe");
        box->show();
        int gained = 0;
        int lost = 0;
        ocu::onFocusIn(box, [&] {
            ++gained;
            box->clear();
        });
        ocu::onFocusOut(box, [&] { ++lost; });
        click(box);
        QCOMPARE(gained, 1);
        QVERIFY(box->text().isEmpty());
        box->setText("30");
        MessageAnswerer answerer;
        ocu::showMessage(home, "probe");  // a message box takes the focus and gives it back
        QCOMPARE(gained, 1);
        QCOMPARE(lost, 0);
        QCOMPARE(box->text(), QStringLiteral("30"));
        pressTab(box);
        QCOMPARE(lost, 1);
    }
};

QTEST_MAIN(NavigationTest)
#include "navigation_test.moc"
