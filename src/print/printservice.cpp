#include "print/printservice.h"

#include "print/cupsprinters.h"

namespace ocu {

PrintService& PrintService::instance() {
    static PrintService service;
    return service;
}

PrintService::PrintService() { usePrinters(std::make_unique<CupsPrinters>()); }

void PrintService::usePrinters(std::unique_ptr<Printers> printers) {
    printers_ = std::move(printers);
    current_ = printers_->defaultName();
}

Printers& PrintService::printers() const { return *printers_; }

QStringList PrintService::installedPrinters() const { return printers().deviceNames(); }

QString PrintService::currentPrinter() const { return current_; }

bool PrintService::selectPrinter(const QString& deviceName) {
    const QStringList installed = installedPrinters();
    // The first installed printer of that name, in the system's order.
    for (const QString& printer : installed) {
        if (printer == deviceName) {
            current_ = printer;
            return true;
        }
    }
    return false;
}

PrintOutcome PrintService::printWindow(QWidget* window, const QStringList& summary) {
    if (current_.isEmpty()) return PrintOutcome::NoPrinter;
    if (!installedPrinters().contains(current_)) return PrintOutcome::PrinterMissing;
    return printers().print(window, summary, current_);
}

}  // namespace ocu
