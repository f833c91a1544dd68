#pragma once
// The one owner of the current printer for the whole run: the system's
// default at start, changed only by choosing another installed printer.

#include <QString>
#include <QStringList>
#include <memory>

#include "print/printers.h"

class QWidget;

namespace ocu {

class PrintService {
public:
    static PrintService& instance();

    // Puts another set of printers in place (the tests' stand-in); the current
    // printer becomes that set's default, as at the start of a run.
    void usePrinters(std::unique_ptr<Printers> printers);

    QStringList installedPrinters() const;
    QString currentPrinter() const;
    // Makes the first installed printer with exactly that device name the
    // current printer; false, and nothing changes, when none has it.
    bool selectPrinter(const QString& deviceName);
    // One page with the window's image to the current printer, and the plan
    // summary's page after it when the summary has lines.
    PrintOutcome printWindow(QWidget* window, const QStringList& summary = {});

private:
    PrintService();
    Printers& printers() const;

    std::unique_ptr<Printers> printers_;
    QString current_;
};

}  // namespace ocu
