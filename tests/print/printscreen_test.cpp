// The print screen on made-up printers: the list and its preselection, the
// printer chosen with Enter lasting for the run, the request, and printing
// the requested screen or saying why nothing was printed.

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTime>

#include "print/printscreen.h"
#include "print/printservice.h"
#include "shell/navigator.h"
#include "shell/printrequest.h"
#include "shell/screenframe.h"
#include "standinprinters.h"
#include "support/screentest.h"

using namespace ocutest;
using ocu::Navigator;

namespace {

// Printable screens of a fixed wide shape with something drawn on them, so
// that the printed page can be held against the screen.
QWidget* makePrintable(const QString& name) {
    auto* screen = new QWidget;
    screen->setObjectName(name);
    ocu::frameScreen(screen, {.caption = name, .title = name});
    auto* label = new QLabel(QStringLiteral("Deviation 35 PD"), screen);
    label->setObjectName(QStringLiteral("Label1"));
    label->setGeometry(40, 60, 200, 30);
    screen->setFixedSize(800, 560);
    return screen;
}

const char* const kPrintable[] = {"Esotropia", "Exotropia", "Squint"};

}  // namespace

class PrintScreenTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        registerScreens();
        // The work-ups and the calculator are stood in for, so that these
        // tests depend on nothing but the print screen.
        for (const char* name : kPrintable) {
            const QString screen = QLatin1String(name);
            Navigator::instance().registerScreen(screen, [screen] { return makePrintable(screen); });
        }
    }
    void init() { usePrinters({QStringLiteral("Office"), QStringLiteral("Ward")}, QStringLiteral("Office")); }
    void cleanup() { closeAllScreens(); }

    void opensAsDesigned() {
        QWidget* print = openScreen("Print_01");
        QCOMPARE(print->windowTitle(), QStringLiteral("Print"));
        QCOMPARE(control<QLabel>(print, "Banner")->text(), ocu::bannerText(QString()));
        QCOMPARE(control<QGroupBox>(print, "Frame1")->title(),
                 QStringLiteral("Please Select Printer Or Saving Option"));
        QCOMPARE(control<QGroupBox>(print, "Frame2")->title(), QString());
        QVERIFY(control<QLabel>(print, "Label3")->text().isEmpty());
        // clang-format off
        const QList<QPair<const char*, const char*>> buttons = {
            {"Command1", "Enter"}, {"Command2", "Print"}, {"Command3", "Cancel"}, {"Command4", "Close"}};
        for (const auto& [name, caption] : buttons) QCOMPARE(control<QPushButton>(print, name)->text(), QString(caption));
        // Enter under the box, the request right of the frame, the buttons left to right below.
        auto box = control<QComboBox>(print, "cboPrinterList");
        QVERIFY(control<QPushButton>(print, "Command1")->geometry().top() > box->geometry().bottom());
        QVERIFY(control<QLabel>(print, "Label3")->x() > control<QGroupBox>(print, "Frame1")->geometry().right());
        QVERIFY(control<QGroupBox>(print, "Frame2")->y() > control<QGroupBox>(print, "Frame1")->geometry().bottom());
        QVERIFY(control<QPushButton>(print, "Command2")->x() < control<QPushButton>(print, "Command3")->x());
        QVERIFY(control<QPushButton>(print, "Command3")->x() < control<QPushButton>(print, "Command4")->x());
    }

    void listsThePrintersAndPreselectsTheCurrentOne_data() {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QString>("defaultName");
        QTest::addColumn<int>("shown");
        QTest::newRow("default among others") << QStringList{"Office", "Ward", "Theatre"} << "Ward" << 1;
        QTest::newRow("two printers named as the default") << QStringList{"Ward", "Office", "Ward"} << "Ward" << 2;
        QTest::newRow("default not installed") << QStringList{"Office", "Ward"} << "Gone" << -1;
        QTest::newRow("no default") << QStringList{"Office", "Ward"} << "" << -1;
        QTest::newRow("names differ in capitals") << QStringList{"office"} << "Office" << -1;
        QTest::newRow("no printer installed") << QStringList{} << "" << -1;
    }
    void listsThePrintersAndPreselectsTheCurrentOne() {
        QFETCH(QStringList, installed);
        QFETCH(QString, defaultName);
        QFETCH(int, shown);
        usePrinters(installed, defaultName);
        auto* box = control<QComboBox>(openScreen("Print_01"), "cboPrinterList");
        QStringList listed;
        for (int i = 0; i < box->count(); ++i) listed << box->itemText(i);
        QCOMPARE(listed, installed);
        QCOMPARE(box->currentIndex(), shown);
        if (shown < 0) {
            QCOMPARE(box->placeholderText(), QStringLiteral("Please Select Printer"));
            QVERIFY(box->currentText().isEmpty());
        } else {
            // clang-format on
            QCOMPARE(box->currentText(), defaultName);
        }
    }

    void theDefaultPrinterPrintsUntilEnterChoosesAnother() {
        MessageAnswerer answerer;
        openScreen("Squint");
        QWidget* print = openPrintFor("Squint");
        auto* box = control<QComboBox>(print, "cboPrinterList");
        box->setCurrentIndex(box->findText("Ward"));  // chosen in the box, Enter not pressed
        click(control<QPushButton>(print, "Command2"));
        click(control<QPushButton>(print, "Command1"));
        click(control<QPushButton>(print, "Command2"));
        QCOMPARE(printers(), (QStringList{"Office", "Ward"}));
        // The choice outlives the print screen: the next one shows it and prints on it.
        click(control<QPushButton>(print, "Command4"));
        flushDeletes();
        QVERIFY(Navigator::instance().find("Print_01") == nullptr);
        print = openPrintFor("Squint");
        QCOMPARE(control<QComboBox>(print, "cboPrinterList")->currentText(), QStringLiteral("Ward"));
        click(control<QPushButton>(print, "Command2"));
        QCOMPARE(printers(), (QStringList{"Office", "Ward", "Ward"}));
        QVERIFY(answerer.texts().isEmpty());
    }

    void selectPrinterTakesOnlyAnInstalledDeviceName_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("found");
        QTest::newRow("installed") << "Ward" << true;
        QTest::newRow("opening text") << "Please Select Printer" << false;
        QTest::newRow("other capitals") << "ward" << false;
        QTest::newRow("trailing blank") << "Ward " << false;
        QTest::newRow("empty") << "" << false;
    }
    void selectPrinterTakesOnlyAnInstalledDeviceName() {
        QFETCH(QString, name);
        QFETCH(bool, found);
        MessageAnswerer answerer;
        auto* print = qobject_cast<ocu::PrintScreen*>(openScreen("Print_01"));
        QVERIFY(print != nullptr);
        QCOMPARE(print->SelectPrinter(name), found);
        QCOMPARE(ocu::PrintService::instance().currentPrinter(), found ? name : QStringLiteral("Office"));
        QVERIFY(answerer.texts().isEmpty());
    }

    void enterOnTheOpeningTextChangesNothing() {
        MessageAnswerer answerer;
        usePrinters({"Office", "Ward"}, "Gone");
        QWidget* print = openPrintFor("Squint");
        click(control<QPushButton>(print, "Command1"));
        QCOMPARE(ocu::PrintService::instance().currentPrinter(), QStringLiteral("Gone"));
        QVERIFY(answerer.texts().isEmpty());
    }

    void printsTheRequestedScreenAsItStands_data() {
        QTest::addColumn<QString>("screen");
        for (const char* name : kPrintable) QTest::newRow(name) << QString::fromLatin1(name);
    }
    void printsTheRequestedScreenAsItStands() {
        QFETCH(QString, screen);
        MessageAnswerer answerer;
        QWidget* printed = openScreen(qPrintable(screen));
        control<QLabel>(printed, "Label1")->setText(QStringLiteral("Deviation 40 PD"));
        const QImage before = printed->grab().toImage();
        QWidget* print = openPrintFor(screen);
        QCOMPARE(control<QLabel>(print, "Label3")->text(), screen);
        click(control<QPushButton>(print, "Command2"));
        QVERIFY(answerer.texts().isEmpty());
        QCOMPARE(bench_->jobs.size(), 1);
        const PrinterBench::Job& job = bench_->jobs.first();
        QCOMPARE(job.printer, QStringLiteral("Office"));
        QCOMPARE(job.screen, screen);
        // One page, turned for the wide screen, holding the screen's image at
        // its proportions, filling the printable width or height.
        QVERIFY(job.page.width() > job.page.height());
        const QRect inked = inkedArea(job.page);
        QVERIFY(!inked.isEmpty());
        QVERIFY(qAbs(double(inked.width()) / inked.height() - 800.0 / 560.0) < 0.02);
        QVERIFY(inked.width() > job.page.width() * 0.8 || inked.height() > job.page.height() * 0.8);
        // The banner colour at its corner of the page, and the screen untouched.
        QCOMPARE(job.page.pixelColor(inked.right() - 2, inked.top() + 2),
                 printed->palette().color(QPalette::Highlight));
        QCOMPARE(printed->grab().toImage(), before);
        QCOMPARE(control<QLabel>(printed, "Label1")->text(), QStringLiteral("Deviation 40 PD"));
        QVERIFY(Navigator::instance().find("Print_01") == print && print->isVisible());
        // Said in a line of its own, not in a box to dismiss.
        const QString outcome = control<QLabel>(print, "lblOutcome")->text();
        QVERIFY2(outcome.startsWith(QStringLiteral("Handed to the printer Office at ")), qPrintable(outcome));
        QVERIFY(
            QTime::fromString(outcome.section(QLatin1Char(' '), -1).chopped(1), QStringLiteral("HH:mm:ss")).isValid());
    }

    void aHiddenScreenIsPrintedAndStaysHidden() {
        MessageAnswerer answerer;
        openScreen("Esotropia");
        Navigator::instance().hide("Esotropia");
        click(control<QPushButton>(openPrintFor("Esotropia"), "Command2"));
        QCOMPARE(bench_->jobs.size(), 1);
        QVERIFY(!inkedArea(bench_->jobs.first().page).isEmpty());
        QVERIFY(!Navigator::instance().find("Esotropia")->isVisible());
    }

    void anotherRequestPrintsNothing_data() {
        QTest::addColumn<QString>("request");
        QTest::newRow("empty") << "";
        QTest::newRow("home") << "SBoard";
        QTest::newRow("other capitals") << "squint";
        QTest::newRow("trailing blank") << "Squint ";
    }
    void anotherRequestPrintsNothing() {
        QFETCH(QString, request);
        MessageAnswerer answerer;
        openScreen("SBoard");
        openScreen("Squint");
        QWidget* print = openPrintFor(request);
        click(control<QPushButton>(print, "Command2"));
        QVERIFY(bench_->jobs.isEmpty());
        QVERIFY(answerer.texts().isEmpty());
    }

    void aClosedScreenIsNotPrintedAndTheUserIsTold() {
        MessageAnswerer answerer;
        openScreen("Exotropia");
        QWidget* print = openPrintFor("Exotropia");
        Navigator::instance().close("Exotropia");
        flushDeletes();
        click(control<QPushButton>(print, "Command2"));
        QVERIFY(bench_->jobs.isEmpty());
        QCOMPARE(answerer.texts(), QStringList{" The Exotropia screen has been closed, so there is nothing to print. "
                                               "Please open it again and press its Print button. "});
        QCOMPARE(answerer.titles(), QStringList{"Ocuvance"});
    }

    void aPageThatIsNotPrintedIsReported_data() {
        QTest::addColumn<QStringList>("installedAtPrint");
        QTest::addColumn<QStringList>("refusing");
        QTest::addColumn<QString>("message");
        QTest::newRow("printer removed") << QStringList{"Ward"} << QStringList{}
                                         << " The printer Office is no longer installed. The page was not printed. ";
        QTest::newRow("job refused") << QStringList{"Office", "Ward"} << QStringList{"Office"}
                                     << " The printer Office did not accept the page. The page was not printed. ";
    }
    void aPageThatIsNotPrintedIsReported() {
        QFETCH(QStringList, installedAtPrint);
        QFETCH(QStringList, refusing);
        QFETCH(QString, message);
        MessageAnswerer answerer;
        openScreen("Squint");
        QWidget* print = openPrintFor("Squint");
        bench_->installed = installedAtPrint;
        bench_->refusing = refusing;
        click(control<QPushButton>(print, "Command2"));
        QVERIFY(bench_->jobs.isEmpty());
        QCOMPARE(answerer.texts(), QStringList{message});
        QVERIFY(control<QLabel>(print, "lblOutcome")->text().isEmpty());
        // Another printer still prints.
        answerer.clear();
        QVERIFY(qobject_cast<ocu::PrintScreen*>(print)->SelectPrinter("Ward"));
        click(control<QPushButton>(print, "Command2"));
        QVERIFY(answerer.texts().isEmpty());
        QCOMPARE(printers(), QStringList{"Ward"});
    }

    void withNoPrinterNothingIsPrintedAndTheUserIsTold() {
        MessageAnswerer answerer;
        usePrinters({}, "");
        openScreen("Squint");
        click(control<QPushButton>(openPrintFor("Squint"), "Command2"));
        QVERIFY(bench_->jobs.isEmpty());
        QCOMPARE(answerer.texts(), QStringList{" No printer is chosen. Please select a printer and press Enter. "
                                               "The page was not printed. "});
    }

    void anotherPrintButtonOverwritesTheRequestAndKeepsTheChoice() {
        MessageAnswerer answerer;
        openScreen("Squint");
        openScreen("Esotropia");
        QWidget* print = openPrintFor("Squint");
        auto* box = control<QComboBox>(print, "cboPrinterList");
        box->setCurrentIndex(box->findText("Ward"));
        click(control<QPushButton>(print, "Command1"));
        QCOMPARE(openPrintFor("Esotropia"), print);
        QCOMPARE(control<QLabel>(print, "Label3")->text(), QStringLiteral("Esotropia"));
        QCOMPARE(box->currentText(), QStringLiteral("Ward"));
        click(control<QPushButton>(print, "Command2"));
        QCOMPARE(bench_->jobs.size(), 1);
        QCOMPARE(bench_->jobs.first().screen, QStringLiteral("Esotropia"));
        QCOMPARE(bench_->jobs.first().printer, QStringLiteral("Ward"));
    }

    void cancelAndCloseCloseThePrintScreen_data() {
        QTest::addColumn<QString>("button");
        QTest::newRow("Cancel") << "Command3";
        QTest::newRow("Close") << "Command4";
    }
    void cancelAndCloseCloseThePrintScreen() {
        QFETCH(QString, button);
        MessageAnswerer answerer;
        openScreen("Squint");
        QWidget* print = openPrintFor("Squint");
        click(control<QPushButton>(print, qPrintable(button)));
        flushDeletes();
        QVERIFY(Navigator::instance().find("Print_01") == nullptr);
        QVERIFY(Navigator::instance().find("Squint") != nullptr);
        QVERIFY(bench_->jobs.isEmpty());
        // Built afresh next time, with an empty request until a screen writes one.
        QVERIFY(control<QLabel>(openScreen("Print_01"), "Label3")->text().isEmpty());
    }

private:
    void usePrinters(const QStringList& installed, const QString& defaultName) {
        bench_ = std::make_shared<PrinterBench>();
        bench_->installed = installed;
        bench_->defaultName = defaultName;
        ocu::PrintService::instance().usePrinters(std::make_unique<StandInPrinters>(bench_));
    }
    static QWidget* openPrintFor(const QString& screen) {
        ocu::requestPrint(screen);
        QWidget* print = Navigator::instance().find("Print_01");
        if (print == nullptr) qFatal("the print screen did not open");
        (void)QTest::qWaitForWindowActive(print);
        return print;
    }
    QStringList printers() const {
        QStringList names;
        for (const auto& job : bench_->jobs) names << job.printer;
        return names;
    }
    std::shared_ptr<PrinterBench> bench_;
};

QTEST_MAIN(PrintScreenTest)
#include "printscreen_test.moc"
