// What the calculator puts into the patient's record: its patient block, the
// plan as its boxes hold it, and the work-up that handed the plan over.

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>

#include "calculator/squint.h"
#include "shell/navigator.h"
#include "ui_squint.h"

namespace ocu {
namespace {

// The patient boxes open showing their captions, which are nobody's details.
std::string entered(const QLineEdit* box, const char* caption) {
    const QString text = box->text();
    return text == QLatin1String(caption) ? std::string() : text.toStdString();
}

}  // namespace

record::Record Squint::planRecord() const {
    record::Record r;
    r.patient = {
        entered(ui->Text3, "Patient's name"), entered(ui->Text2, "Age"),        entered(ui->Text6, "Sex"),
        entered(ui->Text7, "Reg N0"),         entered(ui->Text8, "Consultant"), entered(ui->Text10, "Hospital")};
    r.dateTime = ui->Text4->text().toStdString();

    const Navigator& screens = Navigator::instance();
    for (const QString& name : screens.screensBehind(objectName())) {
        const std::optional<record::Record> behind = planRecordOf(screens.find(name));
        if (behind && behind->workup) {
            r.workup = behind->workup;
            break;
        }
    }

    record::Plan plan;
    plan.side = selectedSide();
    for (int i = 0; i < calc::kDoseBoxCount; ++i) {
        plan.doses[static_cast<std::size_t>(i)] = doseBox(static_cast<calc::DoseBox>(i))->currentText().toStdString();
    }
    plan.deviation = ui->Text1->text().toStdString();
    plan.procedure = ui->Text11->text().toStdString();
    plan.obliqueProcedure = ui->Text9->text().toStdString();
    r.plan = plan;
    return r;
}

void Squint::showPlanSummary() {
    QPlainTextEdit* box = ui->txtPlanSummary;
    box->setPlainText(planSummaryLines(planRecord()).join(QLatin1Char('\n')));
    // The box is small and the plan is what is being worked on: it shows
    // from the plan's first line, the patient and work-up above it.
    QTextCursor plan = box->document()->find(
        QString::fromUtf8(record::kPlanHeading.data(), static_cast<qsizetype>(record::kPlanHeading.size())));
    if (plan.isNull()) return;
    plan.movePosition(QTextCursor::StartOfBlock);
    box->moveCursor(QTextCursor::End);
    box->setTextCursor(plan);
}

}  // namespace ocu
