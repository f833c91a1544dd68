#include "print/printscreen.h"

#include "print/printservice.h"
#include "shell/controls.h"
#include "shell/navigator.h"
#include "shell/screenframe.h"
#include "ui_printscreen.h"

namespace ocu {
namespace {

// The screens that can be printed, named as their Print buttons name them.
const QStringList& printableScreens() {
    static const QStringList names = {QStringLiteral("Esotropia"), QStringLiteral("Exotropia"),
                                      QStringLiteral("Squint")};
    return names;
}

QString notPrinted(PrintOutcome outcome, const QString& printer) {
    switch (outcome) {
    case PrintOutcome::Printed:
        return {};
    case PrintOutcome::NoPrinter:
        return QStringLiteral(" No printer is chosen. Please select a printer and press Enter. The page was not printed. ");
    case PrintOutcome::PrinterMissing:
        return QStringLiteral(" The printer %1 is no longer installed. The page was not printed. ").arg(printer);
    case PrintOutcome::Refused:
        return QStringLiteral(" The printer %1 did not accept the page. The page was not printed. ").arg(printer);
    }
    return {};
}

}  // namespace

PrintScreen::PrintScreen(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::PrintScreen>()) {
    ui->setupUi(this);
    frameScreen(this, {.caption = QStringLiteral("Print"), .title = QString()});
    fillPrinterList();
    connect(ui->Command1, &QPushButton::clicked, this,
            [this] { (void)SelectPrinter(ui->cboPrinterList->currentText()); });
    connect(ui->Command2, &QPushButton::clicked, this, &PrintScreen::printRequestedScreen);
    for (QPushButton* button : {ui->Command3, ui->Command4}) {
        connect(button, &QPushButton::clicked, this, [] { Navigator::instance().close(QStringLiteral("Print_01")); });
    }
}

PrintScreen::~PrintScreen() = default;

bool PrintScreen::SelectPrinter(const QString& deviceName) {
    return PrintService::instance().selectPrinter(deviceName);
}

void PrintScreen::fillPrinterList() {
    const PrintService& service = PrintService::instance();
    const QString current = service.currentPrinter();
    int shown = -1;
    for (const QString& name : service.installedPrinters()) {
        ui->cboPrinterList->addItem(name);
        if (name == current) shown = ui->cboPrinterList->count() - 1;
    }
    // With no match the box keeps its opening text.
    ui->cboPrinterList->setCurrentIndex(shown);
}

void PrintScreen::printRequestedScreen() {
    const QString request = ui->Label3->text();
    if (!printableScreens().contains(request)) return;
    QWidget* screen = Navigator::instance().find(request);
    if (screen == nullptr) {
        showMessage(this, QStringLiteral(" The %1 screen has been closed, so there is nothing to print. "
                                         "Please open it again and press its Print button. ").arg(request));
        return;
    }
    PrintService& service = PrintService::instance();
    const QString printer = service.currentPrinter();
    const PrintOutcome outcome = service.printWindow(screen);
    if (outcome != PrintOutcome::Printed) showMessage(this, notPrinted(outcome, printer));
}

}  // namespace ocu
