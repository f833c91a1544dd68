#include "print/printscreen.h"

#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPointer>
#include <QStandardPaths>
#include <QTime>
#include <QTimer>

#include "print/pdfrecord.h"
#include "print/printservice.h"
#include "print/rules/recordname.h"
#include "shell/controls.h"
#include "shell/navigator.h"
#include "shell/plansource.h"
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
    case PrintOutcome::Printed: return {};
    case PrintOutcome::NoPrinter:
        return QStringLiteral(
            " No printer is chosen. Please select a printer and press Enter. The page was not printed. ");
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
    // Asking the print system for its printers can take a while: the screen
    // is shown first and the list filled as soon as it is.
    QTimer::singleShot(0, this, &PrintScreen::fillPrinterList);
    connect(ui->Command1, &QPushButton::clicked, this,
            [this] { (void)SelectPrinter(ui->cboPrinterList->currentText()); });
    connect(ui->Command2, &QPushButton::clicked, this, &PrintScreen::printRequestedScreen);
    connect(ui->cmdSavePdf, &QPushButton::clicked, this, &PrintScreen::saveRequestedScreen);
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

QWidget* PrintScreen::requestedScreen(const QString& use) {
    const QString request = ui->Label3->text();
    if (!printableScreens().contains(request)) return nullptr;
    QWidget* screen = Navigator::instance().find(request);
    if (screen == nullptr) {
        showMessage(this, QStringLiteral(" The %1 screen has been closed, so there is nothing to %2. "
                                         "Please open it again and press its Print button. ")
                              .arg(request, use));
    }
    return screen;
}

QStringList PrintScreen::summaryOf(const QWidget* screen) const {
    if (!ui->chkPlanSummary->isChecked()) return {};
    const std::optional<record::Record> record = planRecordOf(screen);
    return record ? planSummaryLines(*record) : QStringList();
}

void PrintScreen::printRequestedScreen() {
    QWidget* screen = requestedScreen(QStringLiteral("print"));
    if (screen == nullptr) return;
    PrintService& service = PrintService::instance();
    const QString printer = service.currentPrinter();
    const PrintOutcome outcome = service.printWindow(screen, summaryOf(screen));
    if (outcome != PrintOutcome::Printed) {
        ui->lblOutcome->clear();
        showMessage(this, notPrinted(outcome, printer));
        return;
    }
    ui->lblOutcome->setText(QStringLiteral("Handed to the printer %1 at %2.")
                                .arg(printer, QTime::currentTime().toString(QStringLiteral("HH:mm:ss"))));
}

void PrintScreen::saveRequestedScreen() {
    // Held loosely: the dialog runs an event loop of its own.
    const QPointer<QWidget> screen = requestedScreen(QStringLiteral("save"));
    if (screen == nullptr) return;
    const std::optional<record::Record> record = planRecordOf(screen);
    const QDate today = QDate::currentDate();
    const QString proposed = QString::fromStdString(
        record::recordFileName(screen->objectName().toStdString(), record ? record->patient.name : std::string(),
                               {today.year(), today.month(), today.day()}));
    const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    const QString chosen = QFileDialog::getSaveFileName(this, QStringLiteral("Save As PDF"),
                                                        documents.filePath(proposed), QStringLiteral("PDF (*.pdf)"));
    if (chosen.isEmpty() || requestedScreen(QStringLiteral("save")) != screen) return;
    const QString file = QString::fromStdString(record::withPdfSuffix(chosen.toStdString()));
    const QString title = QFileInfo(file).completeBaseName();
    const SaveOutcome saved = saveRecordAsPdf(screen, summaryOf(screen), file, title);
    if (!saved.saved) {
        ui->lblOutcome->clear();
        showMessage(this, QStringLiteral(" The record could not be saved as %1: %2. Nothing was written. ")
                              .arg(QDir::toNativeSeparators(file), saved.reason));
        return;
    }
    ui->lblOutcome->setText(
        QStringLiteral("Saved as %1 at %2.")
            .arg(QDir::toNativeSeparators(file), QTime::currentTime().toString(QStringLiteral("HH:mm:ss"))));
}

}  // namespace ocu
