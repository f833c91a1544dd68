// What the work-ups put into the patient's record: their fields, read by the
// record as they stand.

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <span>

#include "ui_esoworkup.h"
#include "ui_exoworkup.h"
#include "workups/esoworkup.h"
#include "workups/exoworkup.h"
#include "workups/patientblock.h"

namespace ocu {
namespace {

struct MeasuredBox {
    const char* name;
    const char* what;
};
// clang-format off
constexpr MeasuredBox kEsoDeviations[] = {
    {"D", "Distance gaze"}, {"N", "Near gaze"}, {"N3", "Near gaze with +3 sph add"},
    {"UP", "Up gaze"},      {"DN", "Down gaze"},
};
// clang-format on
// clang-format off
constexpr MeasuredBox kExoDeviations[] = {
    {"D", "Distance gaze"},
    {"N", "Near gaze"},
    {"UP", "Up gaze"},
    {"DN", "Down gaze"},
    {"N60", "Near gaze after 60 min of one eye patch"},
    {"N3", "Near gaze with +3 sph add"},
};
// clang-format on
// The registration box opens showing its caption, which is no number.
constexpr const char* kRegistrationCaption = "Reg No";

std::string textOf(const QLabel* label) { return label->text().trimmed().toStdString(); }

// Where a work-up keeps what the record reads, beyond the patient block
// both work-ups share.
struct WorkupFields {
    std::span<const MeasuredBox> deviations;
    const QLineEdit* dateTime;
    const QLabel* diagnosis;
    const QLabel* acaClass;
    std::string pattern;
    const QRadioButton* option1;
    const QLabel* option1Text;
    const QRadioButton* option2;
    const QLabel* option2Text;
};

record::Record recordOf(const QWidget* screen, const WorkupFields& fields) {
    const handoff::Patient patient = patientOf(screen);
    record::Record r;
    r.patient = {
        patient.name,       patient.age,
        patient.sex,        patient.registration == kRegistrationCaption ? std::string() : patient.registration,
        patient.consultant, patient.hospital};
    r.dateTime = fields.dateTime->text().toStdString();

    record::Workup workup;
    workup.screen = screen->objectName().toStdString();
    for (const MeasuredBox& box : fields.deviations) {
        const auto* field = screen->findChild<QLineEdit*>(QLatin1String(box.name));
        Q_ASSERT(field != nullptr);
        workup.deviations.push_back({box.what, field->text().toStdString()});
    }
    workup.diagnosis = textOf(fields.diagnosis);
    workup.acaClass = textOf(fields.acaClass);
    workup.pattern = fields.pattern;
    if (fields.option1->isChecked()) {
        workup.chosenOption = 1;
        workup.chosenText = textOf(fields.option1Text);
    } else if (fields.option2->isChecked()) {
        workup.chosenOption = 2;
        workup.chosenText = textOf(fields.option2Text);
    }
    r.workup = workup;
    return r;
}

}  // namespace

record::Record EsoWorkup::planRecord() const {
    // The pattern box holds the letter, "Patterns" stands beside it.
    const QString letter = ui->Text1->text().trimmed();
    const QString pattern = letter.isEmpty() ? QString() : (letter + QLatin1Char(' ') + ui->Label21->text()).trimmed();
    return recordOf(this, {kEsoDeviations, ui->Text6, ui->Label2, ui->Label1, pattern.toStdString(), ui->Option12,
                           ui->Label19, ui->Option13, ui->Label22});
}

record::Record ExoWorkup::planRecord() const {
    return recordOf(this, {kExoDeviations, ui->Text6, ui->Label9, ui->Label24, textOf(ui->Label1), ui->Option15,
                           ui->Label10, ui->Option16, ui->Label12});
}

}  // namespace ocu
