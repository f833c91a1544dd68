// Clicks a surgeon makes over and over, each timed from the release of the
// mouse button until the window is repainted (or, where the click opens a
// screen, until that screen is shown and painted): 200 clicks each, the
// median and the 99th percentile beside one 60 Hz frame (16.7 ms) and one
// 120 Hz frame (8.3 ms).
//
// The press of each click, and whatever sets the next click up, is not
// timed. The clicks go through the window system's queue as a user's do
// (QTest's mouse events), not through the buttons' own click().

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <functional>
#include <string>

#include "exposed.h"
#include "screenregistry.h"
#include "shell/controls.h"
#include "shell/navigator.h"
#include "stats.h"

namespace {

using bench::Clock;
using bench::msSince;

constexpr double kFrame60 = 1000.0 / 60;
constexpr double kFrame120 = 1000.0 / 120;

ocu::Navigator& screens() { return ocu::Navigator::instance(); }

void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void closeAll() {
    for (const QString& name : screens().openScreens()) screens().close(name);
    flushDeletes();
}

template <class T>
T* control(const char* screen, const char* name) {
    QWidget* window = screens().find(QLatin1String(screen));
    T* found = window != nullptr ? window->findChild<T*>(QLatin1String(name)) : nullptr;
    if (found == nullptr) qFatal("%s has no control %s", screen, name);
    return found;
}

QWidget* shown(const char* screen) {
    QWidget* window = screens().open(QLatin1String(screen));
    waitUntilPainted(window);
    if (!window->isActiveWindow()) {
        window->activateWindow();
        (void)QTest::qWaitForWindowActive(window);
    }
    return window;
}

// A message box would stop a click in its own event loop: it is answered and
// the run fails, since every click here is one that shows none.
class NoMessages : public QObject {
public:
    NoMessages() {
        connect(&timer_, &QTimer::timeout, this, [] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) return;
            const QString text = box->text();
            box->reject();
            qFatal("a click showed the message \"%s\"", qPrintable(text));
        });
        timer_.start(5);
    }

private:
    QTimer timer_;
};

// Counts the paints of every widget, so that a click that repainted nothing
// (and so was timed for nothing) fails the run.
class PaintCounter : public QObject {
public:
    PaintCounter() { qApp->installEventFilter(this); }
    int paints() const { return paints_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints_;
        return QObject::eventFilter(watched, event);
    }

private:
    int paints_ = 0;
};

PaintCounter* counter = nullptr;

QPoint centreOf(QWidget* widget) { return widget->rect().center(); }

// Everything the release set going is done: what it posted is handled and
// the windows it changed are painted.
void settle() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// Press untimed, then the release timed until `done` says the outcome is
// painted (by default: the window is repainted).
double click(QWidget* target, QPoint at, const std::function<void()>& done = settle) {
    QTest::mousePress(target, Qt::LeftButton, Qt::NoModifier, at);
    settle();
    const int paintsBefore = counter->paints();
    const auto start = Clock::now();
    QTest::mouseRelease(target, Qt::LeftButton, Qt::NoModifier, at);
    done();
    const double ms = msSince(start);
    if (counter->paints() == paintsBefore) qFatal("a click on %s repainted nothing", qPrintable(target->objectName()));
    return ms;
}

double click(QWidget* target) { return click(target, centreOf(target)); }

// --- The screens as a surgeon has them before the clicks ---------------------------

void fillEsoWorkup() {
    QWidget* eso = shown("Esotropia");
    const char* boxes[][2] = {{"Text2", "Asha Rao"},
                              {"Text3", "6"},
                              {"Text4", "F"},
                              // clang-format off
                              {"Text5", "R-77"},     {"Text7", "Dr Mehta"}, {"Text11", "City Eye Clinic"},
                              {"D", "35"},           {"N", "35"},           {"N3", "20"},
                              {"UP", "30"},          {"DN", "35"}};
    // clang-format on
    for (const auto& [name, text] : boxes) control<QLineEdit>("Esotropia", name)->setText(QLatin1String(text));
    for (const char* option : {"Option4", "Option1"}) ocu::select(control<QRadioButton>("Esotropia", option));
    click(control<QPushButton>("Esotropia", "Command2"));
    for (const char* option : {"Option8", "Option12"}) ocu::select(control<QRadioButton>("Esotropia", option));
    waitUntilPainted(eso);
}

void fillExoWorkup() {
    QWidget* exo = shown("Exotropia");
    const char* boxes[][2] = {{"Text2", "Ravi Kumar"},
                              {"Text3", "9"},
                              {"Text4", "M"},
                              {"Text5", "X-12"},
                              {"Text7", "Dr Iyer"},
                              {"Text11", "Lake Eye Hospital"},
                              {"D", "30"},
                              {"N", "28"},
                              {"UP", "40"},
                              {"DN", "10"},
                              {"N60", "30"},
                              {"N3", "39"}};
    for (const auto& [name, text] : boxes) control<QLineEdit>("Exotropia", name)->setText(QLatin1String(text));
    ocu::select(control<QRadioButton>("Exotropia", "Option5"));
    click(control<QPushButton>("Exotropia", "Command1"));
    for (const char* option : {"Option12", "Option18"}) ocu::select(control<QRadioButton>("Exotropia", option));
    waitUntilPainted(exo);
}

// --- The interactions ------------------------------------------------------------------

int clicks() {
    const char* asked = std::getenv("BENCH_CLICKS");
    return asked != nullptr && std::atoi(asked) > 0 ? std::atoi(asked) : 200;
}

void report(const std::string& what, const std::vector<double>& samples) {
    const double p99 = bench::percentile(samples, 0.99);
    char figures[64];
    std::snprintf(figures, sizeof figures, "%.2f ms / %.2f ms", bench::median(samples), p99);
    char verdict[64];
    std::snprintf(verdict, sizeof verdict, "99th: %.2fx of 8.3 ms%s", p99 / kFrame120,
                  p99 <= kFrame120 ? "" : " (missed)");
    bench::row(what, "one 60 Hz / 120 Hz frame", "16.7 ms / 8.3 ms",
               "median / 99th percentile of " + std::to_string(samples.size()), figures, verdict);
    (void)kFrame60;
}

// "GoTo Squint Calculator" on a finished work-up, until the calculator, planned
// by the hand-off, is painted. The calculator is then closed and the work-up
// shown again, so that each click builds it afresh.
void goToCalculator(const char* workup, const char* button, void (*fill)(), const std::string& what) {
    closeAll();
    fill();
    std::vector<double> samples;
    samples.reserve(std::size_t(clicks()));
    for (int i = 0; i < clicks(); ++i) {
        shown(workup);
        samples.push_back(click(control<QPushButton>(workup, button), centreOf(control<QWidget>(workup, button)), [] {
            QWidget* calculator = screens().find(QStringLiteral("Squint"));
            if (calculator == nullptr) qFatal("the calculator did not open");
            waitUntilPainted(calculator);
        }));
        screens().close(QStringLiteral("Squint"));
        flushDeletes();
    }
    report(what, samples);
}

// Enter on a filled work-up, the distance deviation changed before each click
// so that every Enter has a new answer to show and irises to move.
void enter(const char* workup, const char* button, void (*fill)(), const std::string& what) {
    closeAll();
    fill();
    auto* distance = control<QLineEdit>(workup, "D");
    const QString first = distance->text();
    std::vector<double> samples;
    samples.reserve(std::size_t(clicks()));
    for (int i = 0; i < clicks(); ++i) {
        distance->setText(i % 2 == 0 ? QStringLiteral("40") : first);
        settle();
        samples.push_back(click(control<QPushButton>(workup, button)));
    }
    report(what, samples);
}

// The calculator as the eso work-up hands it over, one of its dose drop-downs
// open for dosing.
QComboBox* calculatorWithDoses() {
    closeAll();
    fillEsoWorkup();
    ocu::press(control<QPushButton>("Esotropia", "Command4"));
    QWidget* calculator = shown("Squint");
    for (QComboBox* box : calculator->findChildren<QComboBox*>()) {
        if (box->objectName().startsWith(QLatin1String("cmb")) && box->isEnabled()) return box;
    }
    qFatal("the hand-off left no dose drop-down open");
}

// "Press To Check Results" after a dose is chosen, the dose changed before
// each click so that the irises move each time.
void checkResults(const std::string& what) {
    QComboBox* dose = calculatorWithDoses();
    auto* check = control<QPushButton>("Squint", "Showresult");
    const int items[] = {dose->findText(QStringLiteral("5.0 mm")), dose->findText(QStringLiteral("6.0 mm"))};
    std::vector<double> samples;
    samples.reserve(std::size_t(clicks()));
    for (int i = 0; i < clicks(); ++i) {
        dose->setFocus(Qt::MouseFocusReason);
        dose->setCurrentIndex(items[i % 2]);
        settle();
        // The press takes the focus from the drop-down, which writes its dose.
        samples.push_back(click(check));
    }
    report(what, samples);
}

// Choosing a dose from the open drop-down list: its item clicked, until the
// list is gone and the calculator repainted with the new dose.
void chooseDose(const std::string& what) {
    QComboBox* dose = calculatorWithDoses();
    QAbstractItemView* list = dose->view();
    std::vector<double> samples;
    samples.reserve(std::size_t(clicks()));
    for (int i = 0; i < clicks(); ++i) {
        QWidget* line = dose->lineEdit();
        QTest::mouseClick(line, Qt::LeftButton, Qt::NoModifier, centreOf(line));
        waitUntilPainted(list->window());
        const int item = 2 + i % 2;
        const QRect where = list->visualRect(list->model()->index(item, 0));
        samples.push_back(click(list->viewport(), where.center(), [list] {
            settle();
            if (list->window()->isVisible()) qFatal("the drop-down list stayed open");
        }));
        if (dose->currentIndex() != item) qFatal("the click did not choose the dose");
    }
    report(what, samples);
}

// A pose of the ductions and versions tutorial, two poses in turn so that the
// irises move with every click.
void tutorialPose(const std::string& what) {
    closeAll();
    shown("Mov");
    const char* poses[] = {"Dele", "Lele"};
    std::vector<double> samples;
    samples.reserve(std::size_t(clicks()));
    for (int i = 0; i < clicks(); ++i) samples.push_back(click(control<QPushButton>("Mov", poses[i % 2])));
    report(what, samples);
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ocu::registerAllScreens();
    NoMessages noMessages;
    PaintCounter paints;
    counter = &paints;
    goToCalculator("Esotropia", "Command4", fillEsoWorkup,
                   "click \"GoTo Squint Calculator\" on `Esotropia` (opens `Squint`)");
    goToCalculator("Exotropia", "Command2", fillExoWorkup,
                   "click \"GoTo Squint Calculator\" on `Exotropia` (opens `Squint`)");
    enter("Esotropia", "Command2", fillEsoWorkup, "click \"Enter\" on `Esotropia`");
    enter("Exotropia", "Command1", fillExoWorkup, "click \"Enter\" on `Exotropia`");
    checkResults("click \"Press To Check Results\" on `Squint`");
    chooseDose("choose a dose from a drop-down list on `Squint`");
    tutorialPose("click a pose (`Dele`, `Lele`) on `Mov`");
    closeAll();
    return 0;
}
