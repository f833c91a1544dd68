// Printing the calculator as the eso road leaves it (planned by the hand-off).
//
// The page: the application's own page drawing (print/windowpage.h) onto a
// QPdfWriter, timed from making the writer until the file is written; the
// page is then checked to be vector: its text is PDF text in embedded fonts
// and no picture in it is a picture of the window (pdffonts, pdfimages).
//
// The whole print: the print service's printWindow to a CUPS queue, until the
// spooler has taken the job, beside the spooler taking the same page already
// written (lp alone). Only to the queue BENCH_PRINT_QUEUE names (bench/run.sh
// adds a cups-pdf queue of its own when CUPS can run); without one, a note.

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdlib>

#include "exposed.h"
#include "print/printservice.h"
#include "print/windowpage.h"
#include "screenregistry.h"
#include "shell/controls.h"
#include "shell/navigator.h"
#include "stats.h"

namespace {

using bench::Clock;
using bench::msSince;

constexpr double kPageTargetMs = 60;

ocu::Navigator& screens() { return ocu::Navigator::instance(); }

template <class T>
T* control(const char* screen, const char* name) {
    QWidget* window = screens().find(QLatin1String(screen));
    T* found = window != nullptr ? window->findChild<T*>(QLatin1String(name)) : nullptr;
    if (found == nullptr) qFatal("%s has no control %s", screen, name);
    return found;
}

// The calculator as "GoTo Squint Calculator" opens it from a finished eso work-up.
QWidget* plannedCalculator() {
    waitUntilPainted(screens().open(QStringLiteral("Esotropia")));
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
    ocu::press(control<QPushButton>("Esotropia", "Command2"));
    for (const char* option : {"Option8", "Option12"}) ocu::select(control<QRadioButton>("Esotropia", option));
    ocu::press(control<QPushButton>("Esotropia", "Command4"));
    QWidget* calculator = screens().find(QStringLiteral("Squint"));
    if (calculator == nullptr) qFatal("the calculator did not open");
    waitUntilPainted(calculator);
    return calculator;
}

double printPage(QWidget* window, const QString& file) {
    const auto start = Clock::now();
    QPdfWriter writer(file);
    const auto placement = ocu::placeWindow(window, writer.pageLayout(), writer.resolution());
    if (!placement) qFatal("the window does not fit on a page");
    writer.setPageOrientation(placement->landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    {
        QPainter painter(&writer);
        ocu::paintWindow(painter, window, *placement);
    }
    return msSince(start);
}

QString output(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) return {};
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// "vector: 3 fonts, 12 pictures up to 13x13 px" or why it is not.
std::pair<bool, std::string> vectorCheck(const QString& file, QSize window) {
    const QString fonts = output(QStringLiteral("pdffonts"), {file});
    const QString images = output(QStringLiteral("pdfimages"), {QStringLiteral("-list"), file});
    if (fonts.isNull() || images.isNull()) return {true, "not checked (pdffonts, pdfimages missing)"};
    const int fontCount = std::max(0, int(fonts.split(QLatin1Char('\n'), Qt::SkipEmptyParts).size()) - 2);
    int imageCount = 0;
    QSize largest;
    // page num type width height ...
    static const QRegularExpression line(QStringLiteral("^\\s*\\d+\\s+\\d+\\s+\\w+\\s+(\\d+)\\s+(\\d+)"));
    for (const QString& entry : images.split(QLatin1Char('\n'))) {
        const auto match = line.match(entry);
        if (!match.hasMatch()) continue;
        ++imageCount;
        const QSize size(match.captured(1).toInt(), match.captured(2).toInt());
        if (size.width() * size.height() > largest.width() * largest.height()) largest = size;
    }
    // A picture of the window would be at least a quarter of its size.
    const bool vector = fontCount > 0 && largest.width() * largest.height() * 4 < window.width() * window.height();
    char text[128];
    std::snprintf(text, sizeof text, "%s: %d fonts, %d pictures up to %dx%d px", vector ? "vector" : "not vector",
                  fontCount, imageCount, largest.width(), largest.height());
    return {vector, text};
}

int rounds() {
    const char* asked = std::getenv("BENCH_ROUNDS");
    return asked != nullptr && std::atoi(asked) > 0 ? std::atoi(asked) : 25;
}

void wholePrint(QWidget* calculator, const QString& samplePage) {
    const QString queue = qEnvironmentVariable("BENCH_PRINT_QUEUE");
    const QString lp = QStandardPaths::findExecutable(QStringLiteral("lp"));
    if (queue.isEmpty() || lp.isEmpty()) {
        bench::row("print `Squint` until the spooler has taken it", "", "", "", "",
                   "skipped: no CUPS queue to print to");
        return;
    }
    ocu::PrintService& service = ocu::PrintService::instance();
    if (!service.selectPrinter(queue)) qFatal("the queue %s is not installed", qPrintable(queue));
    std::vector<double> ours, spooler;
    const int jobs = std::max(3, rounds() / 2);
    for (int i = 0; i < jobs; ++i) {
        auto start = Clock::now();
        if (service.printWindow(calculator) != ocu::PrintOutcome::Printed) qFatal("the queue refused the page");
        ours.push_back(msSince(start));
        start = Clock::now();
        QProcess spool;
        spool.start(lp, {QStringLiteral("-d"), queue, QStringLiteral("-n"), QStringLiteral("1"), QStringLiteral("--"),
                         samplePage});
        if (!spool.waitForFinished(60000) || spool.exitCode() != 0) qFatal("lp failed");
        spooler.push_back(msSince(start));
    }
    const double base = bench::median(spooler);
    const double whole = bench::median(ours);
    bench::row("print `Squint` until the spooler has taken it (median of " + std::to_string(jobs) + ")",
               "lp of the same page, already written", bench::ms(base), "whole print", bench::ms(whole),
               bench::ratio(whole / base, true) + " (no target)");
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ocu::registerAllScreens();
    QWidget* calculator = plannedCalculator();

    QTemporaryDir folder;
    const QString page = folder.filePath(QStringLiteral("squint.pdf"));
    printPage(calculator, page);  // untimed: fonts and style caches warmed
    std::vector<double> times;
    times.reserve(std::size_t(rounds()));
    for (int i = 0; i < rounds(); ++i) times.push_back(printPage(calculator, page));
    const double ms = bench::median(times);
    const auto [vector, what] = vectorCheck(page, calculator->size());
    const bool met = vector && ms < kPageTargetMs;
    bench::row("print `Squint`'s page to a PDF (median of " + std::to_string(times.size()) + "; " + what + ")",
               "target", bench::ms(kPageTargetMs), "paintWindow on a QPdfWriter", bench::ms(ms),
               met ? "met" : "(missed)");

    wholePrint(calculator, page);
    return 0;
}
