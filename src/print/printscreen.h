#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <memory>

namespace Ui {
class PrintScreen;
}

namespace ocu {

// The print screen: the installed printers, the choice of the printer the
// whole application prints on, and printing the screen that asked for it or
// saving it as a PDF file, with its plan summary when asked for.
class PrintScreen : public QWidget {
    Q_OBJECT
public:
    explicit PrintScreen(QWidget* parent = nullptr);
    ~PrintScreen() override;

    // Makes the first installed printer with exactly this device name the
    // printer used from now on; false, and nothing changes, when none has it.
    bool SelectPrinter(const QString& deviceName);

private:
    void fillPrinterList();
    // The requested screen when it is one to print and still open; when it
    // has been closed the user is told there is nothing to `use` it for.
    QWidget* requestedScreen(const QString& use);
    // The screen's plan summary when the user asks for it, otherwise none.
    QStringList summaryOf(const QWidget* screen) const;
    void printRequestedScreen();
    void saveRequestedScreen();
    std::unique_ptr<Ui::PrintScreen> ui;
};

}  // namespace ocu
