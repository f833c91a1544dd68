#pragma once

#include "print/printers.h"

namespace ocu {

// The printers the system's printing service (CUPS) knows.
//
// The page is drawn onto a QPrinter set up from the chosen printer (its paper
// and margins) and handed to the spooler with lp, whose answer is checked:
// Qt's own hand-over to CUPS drops the spooler's answer, so a queue that
// refuses the job would look as if it had printed.
class CupsPrinters : public Printers {
public:
    QStringList deviceNames() const override;
    QString defaultName() const override;
    using Printers::print;
    PrintOutcome print(QWidget* window, const QStringList& summary, const QString& deviceName) override;
};

}  // namespace ocu
