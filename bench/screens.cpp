// Opening every screen from its button, the eso road's hand-off and printing
// the calculator, each beside a blank baseline run through the same steps.
//
// A screen open is timed from the press of the button that opens it (on the
// screen a surgeon opens it from) until its window is exposed and its first
// paint is done; the new screen is then closed and destroyed outside the
// timing, so the next open builds it afresh. Its baseline is a blank
// top-level QWidget of the same size with as many child widgets.
//
// The eso road is timed from "GoTo Squint Calculator" on a finished work-up
// until the calculator, planned by the hand-off, is painted; its baseline is
// the calculator's blank window.
//
// Printing is timed from making the printer to the PDF file written, the
// page drawn as the application draws it. Its baseline prints a blank widget
// of the same size through the same steps.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>
#include <chrono>
#include <memory>
#include <string>

#include "exposed.h"
#include "print/windowpage.h"
#include "shell/controls.h"
#include "shell/navigator.h"
#include "screenregistry.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kOpenRepeats = 25;
constexpr int kPrintRepeats = 15;

// Where a surgeon opens each screen from. The welcome screen has no button:
// the run opens it. The calculator is opened by the eso road below.
struct Opener {
    const char* screen;
    const char* from;
    const char* button;
};
constexpr Opener kOpeners[] = {
    {"Form_PD", nullptr, nullptr},
    {"Terms", "Form_PD", "Command1"},
    {"SBoard", "Terms", "Command1"},
    {"Esotropia", "SBoard", "Command1"},
    {"Exotropia", "SBoard", "Command2"},
    {"SB_Manage", "SBoard", "Command9"},
    {"Brown", "SBoard", "Command10"},
    {"Form_AVP", "SBoard", "Command7"},
    {"Parks", "SBoard", "Command6"},
    {"ACA", "SBoard", "Command8"},
    {"Knapp", "SBoard", "Command11"},
    {"Mov", "SBoard", "Command3"},
    {"AbtAuthor", "SBoard", "Command5"},
    {"Paralytic", "SB_Manage", "Command6"},
    {"Third_man", "SB_Manage", "Command1"},
    {"SQman", "SB_Manage", "Command2"},
    {"Sixth_man", "SB_Manage", "Command3"},
    {"Inst_Eso", "Esotropia", "Command6"},
    {"DVD", "Esotropia", "Command9"},
    {"Print_01", "Esotropia", "Command3"},
    {"Inst_Exo", "Exotropia", "Command5"},
    {"DRS", "Brown", "Command6"},
};

ocu::Navigator& screens() { return ocu::Navigator::instance(); }

void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// Shown, exposed and painted: what a user would see.
void waitUntilPainted(QWidget* window) {
    waitUntilExposed(window);
    QCoreApplication::processEvents();
}

// Closes every screen that was not open before. A screen an open closed or
// hid (the one it came from) is not brought back here: the next open shows
// it again before its press.
void restore(const QStringList& before) {
    for (const QString& name : screens().openScreens()) {
        if (!before.contains(name)) screens().close(name);
    }
    flushDeletes();
}

template <class T>
T* control(const char* screen, const char* name) {
    QWidget* window = screens().find(QLatin1String(screen));
    T* found = window != nullptr ? window->findChild<T*>(QLatin1String(name)) : nullptr;
    if (found == nullptr) qFatal("%s has no control %s", screen, name);
    return found;
}

// Opens the screen the button is on, as it stands before the press.
void showOpener(const Opener& opener) {
    if (opener.from == nullptr) return;
    waitUntilPainted(screens().open(QLatin1String(opener.from)));
}

// The screen comes up: from its button, or as the run opens the first one.
QWidget* openFrom(const Opener& opener) {
    if (opener.from == nullptr) return screens().open(QLatin1String(opener.screen));
    ocu::press(control<QPushButton>(opener.from, opener.button));
    return screens().find(QLatin1String(opener.screen));
}

void openScreen(benchmark::State& state, const Opener& opener) {
    const QStringList before = screens().openScreens();
    for (auto _ : state) {
        showOpener(opener);
        const QStringList shown = screens().openScreens();
        const auto start = Clock::now();
        waitUntilPainted(openFrom(opener));
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        restore(shown);
    }
    restore(before);
}

// A finished eso work-up: patient, onset, fixation, deviations, Enter, the
// oblique answer and the first surgical option, as the road test fills it.
void finishEsoWorkup() {
    waitUntilPainted(screens().open(QStringLiteral("Esotropia")));
    const char* boxes[][2] = {{"Text2", "Asha Rao"}, {"Text3", "6"}, {"Text4", "F"},
                              {"Text5", "R-77"},     {"Text7", "Dr Mehta"},
                              {"Text11", "City Eye Clinic"},
                              {"D", "35"}, {"N", "35"}, {"N3", "20"}, {"UP", "30"}, {"DN", "35"}};
    for (const auto& [name, text] : boxes) control<QLineEdit>("Esotropia", name)->setText(QLatin1String(text));
    for (const char* option : {"Option4", "Option1"}) ocu::select(control<QRadioButton>("Esotropia", option));
    ocu::press(control<QPushButton>("Esotropia", "Command2"));
    for (const char* option : {"Option8", "Option12"}) ocu::select(control<QRadioButton>("Esotropia", option));
}

void esoRoad(benchmark::State& state) {
    finishEsoWorkup();
    const QStringList before = screens().openScreens();
    for (auto _ : state) {
        waitUntilPainted(screens().open(QStringLiteral("Esotropia")));
        const auto start = Clock::now();
        ocu::press(control<QPushButton>("Esotropia", "Command4"));
        waitUntilPainted(screens().find(QStringLiteral("Squint")));
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        restore(before);
    }
    screens().close(QStringLiteral("Esotropia"));
    flushDeletes();
}

void openBlank(benchmark::State& state, int children, QSize size) {
    for (auto _ : state) {
        const auto start = Clock::now();
        auto window = std::make_unique<QWidget>();
        window->resize(size);
        for (int i = 0; i < children; ++i) new QWidget(window.get());
        window->show();
        waitUntilPainted(window.get());
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        window.reset();
        flushDeletes();
    }
}

// One page to a high-resolution PDF, the window placed and drawn as the
// application prints it.
void printWidget(QWidget* widget, const QString& file) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    const auto placement = ocu::placeWindow(widget, printer.pageLayout(), printer.resolution());
    if (!placement) qFatal("%s does not fit on a page", qPrintable(widget->objectName()));
    printer.setPageOrientation(placement->landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPainter painter(&printer);
    ocu::paintWindow(painter, widget, *placement);
}

void print(benchmark::State& state, QWidget* widget, const QString& file) {
    for (auto _ : state) {
        const auto start = Clock::now();
        printWidget(widget, file);
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
    }
}

// The size and the number of child widgets of a screen as it opens.
std::pair<QSize, int> measureOf(const char* name) {
    const QStringList before = screens().openScreens();
    QWidget* screen = screens().open(QLatin1String(name));
    waitUntilPainted(screen);
    const auto result = std::make_pair(screen->size(), int(screen->findChildren<QWidget*>().size()));
    restore(before);
    return result;
}

template <class Body>
void registerTimed(const std::string& name, int repeats, Body body) {
    benchmark::RegisterBenchmark(name.c_str(), body)
        ->UseManualTime()
        ->Iterations(1)
        ->Repetitions(repeats)
        ->ReportAggregatesOnly(true)
        ->Unit(benchmark::kMillisecond);
}

void registerBlank(const char* name) {
    const auto [size, children] = measureOf(name);
    registerTimed(std::string("blank/") + name, kOpenRepeats,
                  [size, children](benchmark::State& s) { openBlank(s, children, size); });
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    ocu::registerAllScreens();

    for (const Opener& opener : kOpeners) {
        registerTimed(std::string("open/") + opener.screen, kOpenRepeats,
                      [&opener](benchmark::State& s) { openScreen(s, opener); });
        registerBlank(opener.screen);
    }
    registerTimed("road/Squint", kOpenRepeats, esoRoad);
    registerBlank("Squint");

    QTemporaryDir out;
    registerTimed("print/Squint", kPrintRepeats, [&](benchmark::State& s) {
        QWidget* screen = screens().open(QStringLiteral("Squint"));
        waitUntilPainted(screen);
        print(s, screen, out.filePath(QStringLiteral("screen.pdf")));
        screens().close(QStringLiteral("Squint"));
        flushDeletes();
    });
    registerTimed("printblank/Squint", kPrintRepeats, [&](benchmark::State& s) {
        QWidget blank;
        blank.resize(measureOf("Squint").first);
        blank.show();
        waitUntilPainted(&blank);
        print(s, &blank, out.filePath(QStringLiteral("blank.pdf")));
    });

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
