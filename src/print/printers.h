#pragma once
// The printers of the system as the print screen sees them: their device
// names in the system's order, the default one, and printing a window.

#include <QString>
#include <QStringList>

class QWidget;

namespace ocu {

enum class PrintOutcome {
    Printed,         // the printing system took the page
    NoPrinter,       // no printer has been chosen and the system has no default
    PrinterMissing,  // the printer is no longer installed
    Refused,         // the printer or the printing system did not take the page
};

class Printers {
public:
    virtual ~Printers() = default;
    // Device names of the installed printers, in the system's order; the same
    // name may appear more than once.
    virtual QStringList deviceNames() const = 0;
    // The system's default printer, empty when it has none.
    virtual QString defaultName() const = 0;
    // Sends one page with the image of the window's client area, as it stands,
    // to the printer with that device name, followed by the plan summary's
    // page when the summary has lines (see paintRecord). The window is left
    // as it was.
    virtual PrintOutcome print(QWidget* window, const QStringList& summary, const QString& deviceName) = 0;
    // The window's page alone.
    PrintOutcome print(QWidget* window, const QString& deviceName) { return print(window, {}, deviceName); }
};

}  // namespace ocu
