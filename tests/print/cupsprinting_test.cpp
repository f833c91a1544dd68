// Printing on a real CUPS queue: the cups-pdf queue that scripts/test.sh sets
// up writes each page it takes into a PDF, which is read back and looked at.

#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "print/cupsprinters.h"
#include "print/printservice.h"
#include "shell/navigator.h"
#include "standinprinters.h"
#include "support/screentest.h"

using namespace ocutest;

namespace {

QString run(const QString& program, const QStringList& arguments, bool* ok = nullptr) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    const bool finished = process.waitForFinished(60000);
    if (ok != nullptr) *ok = finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return QString::fromLocal8Bit(process.readAll());
}

QSet<QString> pdfsIn(const QString& folder) {
    QSet<QString> found;
    QDirIterator it(folder, {QStringLiteral("*.pdf")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) found.insert(it.next());
    return found;
}

}  // namespace

class CupsPrintingTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        registerScreens();
        queue_ = qEnvironmentVariable("OCUVANCE_TEST_QUEUE");
        outFolder_ = qEnvironmentVariable("OCUVANCE_TEST_PDF_DIR");
        if (queue_.isEmpty() || outFolder_.isEmpty()) {
            QSKIP(
                "No CUPS test queue: CUPS could not be started here, or the tests were not run by "
                "scripts/test.sh, which sets up the cups-pdf queue");
        }
        for (const char* tool : {"pdfinfo", "pdftoppm", "pdftotext"}) {
            if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty()) {
                QSKIP(qPrintable(QStringLiteral("%1 (poppler-utils) is not installed").arg(QLatin1String(tool))));
            }
        }
        ocu::PrintService& service = ocu::PrintService::instance();
        service.usePrinters(std::make_unique<ocu::CupsPrinters>());
        if (!service.installedPrinters().contains(queue_)) {
            QSKIP(qPrintable(QStringLiteral("CUPS does not list the test queue %1").arg(queue_)));
        }
        QVERIFY(service.selectPrinter(queue_));
    }
    void cleanup() { closeAllScreens(); }

    void aScreenComesOutAsOnePdfPageAtItsProportions() {
        QWidget* home = openScreen("SBoard");
        const QImage before = home->grab().toImage();
        const QSet<QString> earlier = pdfsIn(outFolder_);
        QCOMPARE(ocu::PrintService::instance().printWindow(home), ocu::PrintOutcome::Printed);
        QCOMPARE(home->grab().toImage(), before);

        QString info;
        const QString pdf = printedPdf(earlier, &info);
        QVERIFY2(
            !pdf.isEmpty(),
            qPrintable(QStringLiteral("no PDF appeared in %1; jobs: %2")
                           .arg(outFolder_, run(QStringLiteral("lpstat"), {QStringLiteral("-W"), QStringLiteral("all"),
                                                                           QStringLiteral("-o"), queue_}))));
        // The page is ours to read and then to throw away.
        const auto removePdf = qScopeGuard([pdf] { QFile::remove(pdf); });
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))), qPrintable(info));

        QTemporaryDir scratch;
        QVERIFY(scratch.isValid());
        const QString stem = scratch.filePath(QStringLiteral("page"));
        bool drawn = false;
        const QString said = run(QStringLiteral("pdftoppm"),
                                 {QStringLiteral("-r"), QStringLiteral("60"), QStringLiteral("-png"),
                                  QStringLiteral("-singlefile"), pdf, stem},
                                 &drawn);
        QVERIFY2(drawn, qPrintable(said));
        const QImage page(stem + QStringLiteral(".png"));
        QVERIFY(!page.isNull());

        // Not blank, and the screen's shape: the page may have been turned
        // on the way to the paper, so either way round.
        const QRect inked = inkedArea(page);
        QVERIFY2(!inked.isEmpty(), "the printed page is blank");
        const double screenRatio = double(home->width()) / home->height();
        const double inkedRatio = double(inked.width()) / inked.height();
        QVERIFY2(qAbs(inkedRatio - screenRatio) < 0.04 * screenRatio ||
                     qAbs(1 / inkedRatio - screenRatio) < 0.04 * screenRatio,
                 qPrintable(QStringLiteral("screen %1 x %2, printed %3 x %4")
                                .arg(home->width())
                                .arg(home->height())
                                .arg(inked.width())
                                .arg(inked.height())));
        // Scaled up to the printable area, not a small picture in a corner.
        QVERIFY(inked.width() > page.width() * 0.7 || inked.height() > page.height() * 0.7);
        // The banner and strips in the highlight colour take a fair share of it.
        const QColor highlight = home->palette().color(QPalette::Highlight);
        qsizetype banner = 0;
        for (int y = inked.top(); y <= inked.bottom(); ++y) {
            for (int x = inked.left(); x <= inked.right(); ++x) {
                const QColor p = page.pixelColor(x, y);
                if (qAbs(p.red() - highlight.red()) + qAbs(p.green() - highlight.green()) +
                        qAbs(p.blue() - highlight.blue()) <
                    60)
                    ++banner;
            }
        }
        QVERIFY2(banner > qsizetype(inked.width()) * inked.height() / 50,
                 qPrintable(QStringLiteral("%1 highlight pixels").arg(banner)));
    }

    // The plan summary follows the screen's page through the spooler, on a
    // page of its own.
    void aSummaryComesOutAsASecondPage() {
        QWidget* home = openScreen("SBoard");
        const QSet<QString> earlier = pdfsIn(outFolder_);
        const QStringList summary = {QStringLiteral("Plan summary"), QStringLiteral("Patient: Test Patient"),
                                     QStringLiteral("Total correction: 35 PD")};
        QCOMPARE(ocu::PrintService::instance().printWindow(home, summary), ocu::PrintOutcome::Printed);
        QString info;
        const QString pdf = printedPdf(earlier, &info);
        QVERIFY2(!pdf.isEmpty(), qPrintable(QStringLiteral("no PDF appeared in %1").arg(outFolder_)));
        const auto removePdf = qScopeGuard([pdf] { QFile::remove(pdf); });
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n"))), qPrintable(info));
        bool read = false;
        const QString second = run(QStringLiteral("pdftotext"),
                                   {QStringLiteral("-f"), QStringLiteral("2"), pdf, QStringLiteral("-")}, &read);
        QVERIFY(read);
        for (const QString& line : summary) QVERIFY2(second.contains(line), qPrintable(line + u'\n' + second));
    }

    void aQueueThatRefusesJobsIsReportedAsNotPrinted() {
        const QString reject = QStandardPaths::findExecutable(
            QStringLiteral("cupsreject"), {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin")});
        bool rejected = false;
        if (!reject.isEmpty()) run(reject, {queue_}, &rejected);
        if (!rejected) QSKIP("cupsreject is not allowed here, so the queue cannot be made to refuse jobs");
        const auto accept = qScopeGuard(
            [this, reject] { run(QFileInfo(reject).dir().filePath(QStringLiteral("cupsaccept")), {queue_}); });
        QWidget* home = openScreen("SBoard");
        QCOMPARE(ocu::PrintService::instance().printWindow(home), ocu::PrintOutcome::Refused);
    }

    void aPrinterThatIsNotThereIsReported() {
        ocu::CupsPrinters cups;
        QWidget* home = openScreen("SBoard");
        QCOMPARE(cups.print(home, queue_ + QStringLiteral("Gone")), ocu::PrintOutcome::PrinterMissing);
    }

private:
    // The spooler and cups-pdf take their time: waits for the finished file
    // that was not there before; empty when none comes.
    QString printedPdf(const QSet<QString>& earlier, QString* info) const {
        const QDeadlineTimer deadline(std::chrono::minutes(3));
        while (!deadline.hasExpired()) {
            const QSet<QString> added = pdfsIn(outFolder_) - earlier;
            if (!added.isEmpty()) {
                bool readable = false;
                *info = run(QStringLiteral("pdfinfo"), {*added.begin()}, &readable);
                if (readable) return *added.begin();
            }
            QTest::qWait(250);
        }
        return {};
    }

    QString queue_;
    QString outFolder_;
};

QTEST_MAIN(CupsPrintingTest)
#include "cupsprinting_test.moc"
