#include "print/cupsprinters.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWidget>

#include "print/recordpages.h"

namespace ocu {

QStringList CupsPrinters::deviceNames() const { return QPrinterInfo::availablePrinterNames(); }

QString CupsPrinters::defaultName() const { return QPrinterInfo::defaultPrinterName(); }

PrintOutcome CupsPrinters::print(QWidget* window, const QStringList& summary, const QString& deviceName) {
    const QPrinterInfo device = QPrinterInfo::printerInfo(deviceName);
    if (device.isNull()) return PrintOutcome::PrinterMissing;
    const QString spooler = QStandardPaths::findExecutable(QStringLiteral("lp"));
    if (spooler.isEmpty()) return PrintOutcome::Refused;

    QPrinter printer(device, QPrinter::HighResolution);
    QPageLayout layout = printer.pageLayout();
    QTemporaryDir folder;
    if (!folder.isValid()) return PrintOutcome::Refused;
    const QString page = folder.filePath(QStringLiteral("page.pdf"));
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(page);
    printer.setDocName(QStringLiteral("Ocuvance - ") + window->objectName());

    if (!paintRecord(printer, layout, printer.resolution(), window, summary)) return PrintOutcome::Refused;

    QProcess lp;
    lp.setProcessChannelMode(QProcess::MergedChannels);
    lp.start(spooler, {QStringLiteral("-d"), deviceName, QStringLiteral("-t"), printer.docName(), QStringLiteral("-n"),
                       QStringLiteral("1"), QStringLiteral("--"), page});
    if (!lp.waitForFinished(60000)) {
        lp.kill();
        lp.waitForFinished();
        return PrintOutcome::Refused;
    }
    const bool taken = lp.exitStatus() == QProcess::NormalExit && lp.exitCode() == 0;
    return taken ? PrintOutcome::Printed : PrintOutcome::Refused;
}

}  // namespace ocu
