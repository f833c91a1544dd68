#pragma once

#include <QString>
#include <QWidget>
#include <memory>

namespace Ui { class PrintScreen; }

namespace ocu {

// The print screen: the installed printers, the choice of the printer the
// whole application prints on, and printing the screen that asked for it.
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
    void printRequestedScreen();
    std::unique_ptr<Ui::PrintScreen> ui;
};

}  // namespace ocu
