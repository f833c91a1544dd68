// Opening every registered screen and printing the calculator, each beside a
// blank baseline of the same size run through the same steps.
//
// A screen open is timed from the request to the navigator until its window
// is exposed and its first paint is done; the screen is then closed and
// destroyed outside the timing, so the next open builds it afresh. Its
// baseline is a blank top-level QWidget with as many child widgets.
//
// Printing is timed from making the printer to the PDF file written: a
// high-resolution PDF printer, the window's image drawn on one page through
// QWidget::render. Its baseline prints a blank widget of the same size.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QPrinter>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>
#include <chrono>
#include <memory>
#include <string>

#include "exposed.h"
#include "shell/navigator.h"
#include "shell/screenregistry.h"

namespace {

using Clock = std::chrono::steady_clock;

void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// Shown, exposed and painted: what a user would see.
void waitUntilPainted(QWidget* window) {
    waitUntilExposed(window);
    QCoreApplication::processEvents();
}

// Closes whatever the open brought up besides the screens open before it.
void closeNewScreens(const QStringList& before) {
    ocu::Navigator& screens = ocu::Navigator::instance();
    for (const QString& name : screens.openScreens()) {
        if (!before.contains(name)) screens.close(name);
    }
    flushDeletes();
}

int childWidgetCount(const QString& name) {
    ocu::Navigator& screens = ocu::Navigator::instance();
    const QStringList before = screens.openScreens();
    QWidget* screen = screens.open(name);
    waitUntilPainted(screen);
    const int count = static_cast<int>(screen->findChildren<QWidget*>().size());
    closeNewScreens(before);
    return count;
}

void openScreen(benchmark::State& state, const QString& name) {
    ocu::Navigator& screens = ocu::Navigator::instance();
    const QStringList before = screens.openScreens();
    for (auto _ : state) {
        const auto start = Clock::now();
        QWidget* screen = screens.open(name);
        waitUntilPainted(screen);
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        closeNewScreens(before);
    }
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

void printWidget(QWidget* widget, const QString& file) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    QPainter painter(&printer);
    // The window's image across the page's width, as one page.
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const qreal scale = page.width() / widget->width();
    painter.scale(scale, scale);
    widget->render(&painter);
    painter.end();
}

void print(benchmark::State& state, QWidget* widget, const QString& file) {
    for (auto _ : state) {
        const auto start = Clock::now();
        printWidget(widget, file);
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    ocu::registerAllScreens();
    ocu::Navigator& screens = ocu::Navigator::instance();
    const int repeats = 25;

    QStringList names = screens.registeredScreens();
    names.sort();
    for (const QString& name : names) {
        const int children = childWidgetCount(name);
        QWidget* probe = screens.open(name);
        const QSize size = probe->size();
        closeNewScreens({});
        const std::string key = name.toStdString();
        benchmark::RegisterBenchmark(("open/" + key).c_str(),
                                     [name](benchmark::State& s) { openScreen(s, name); })
            ->UseManualTime()->Iterations(1)->Repetitions(repeats)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("blank/" + key).c_str(),
                                     [children, size](benchmark::State& s) { openBlank(s, children, size); })
            ->UseManualTime()->Iterations(1)->Repetitions(repeats)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);
    }

    // The calculator when it is part of this build, Home otherwise. Opened
    // when its turn comes, so that the opens above all build afresh.
    const QString printed = screens.has(QStringLiteral("Squint")) ? QStringLiteral("Squint")
                                                                   : QStringLiteral("SBoard");
    QTemporaryDir out;
    const std::string key = printed.toStdString();
    benchmark::RegisterBenchmark(("print/" + key).c_str(), [&](benchmark::State& s) {
        QWidget* screen = screens.open(printed);
        waitUntilPainted(screen);
        print(s, screen, out.filePath(QStringLiteral("screen.pdf")));
    })->UseManualTime()->Iterations(1)->Repetitions(15)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("printblank/" + key).c_str(), [&](benchmark::State& s) {
        QWidget blank;
        blank.resize(screens.open(printed)->size());
        blank.show();
        waitUntilPainted(&blank);
        print(s, &blank, out.filePath(QStringLiteral("blank.pdf")));
    })->UseManualTime()->Iterations(1)->Repetitions(15)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
