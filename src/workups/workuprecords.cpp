// What the work-ups put into the patient's record: their fields, read by the
// record as they stand.

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

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
constexpr MeasuredBox kEsoDeviations[] = {
    {"D", "Distance gaze"}, {"N", "Near gaze"}, {"N3", "Near gaze with +3 sph add"},
    {"UP", "Up gaze"},      {"DN", "Down gaze"},
};
constexpr MeasuredBox kExoDeviations[] = {
    {"D", "Distance gaze"},
    {"N", "Near gaze"},
    {"UP", "Up gaze"},
    {"DN", "Down gaze"},
    {"N60", "Near gaze after 60 min of one eye patch"},
    {"N3", "Near gaze with +3 sph add"},
};
// The registration box opens showing its caption, which is no number.
constexpr const char* kRegistrationCaption = "Reg No";

std::string textOf(const QLabel* label) { return label->text().trimmed().toStdString(); }

record::Record patientRecord(const QWidget* screen, const QLineEdit* dateTime) {
    const handoff::Patient patient = patientOf(screen);
    record::Record r;
    r.patient = {patient.name, patient.age, patient.sex,
                 patient.registration == kRegistrationCaption ? std::string() : patient.registration,
                 patient.consultant, patient.hospital};
    r.dateTime = dateTime->text().toStdString();
    return r;
}

template <std::size_t N>
std::vector<record::Measurement> measured(const QWidget* screen, const MeasuredBox (&boxes)[N]) {
    std::vector<record::Measurement> values;
    for (const MeasuredBox& box : boxes) {
        const auto* field = screen->findChild<QLineEdit*>(QLatin1String(box.name));
        Q_ASSERT(field != nullptr);
        values.push_back({box.what, field->text().toStdString()});
    }
    return values;
}

void chosenOption(record::Workup& workup, const QRadioButton* one, const QLabel* oneText, const QRadioButton* two,
                  const QLabel* twoText) {
    if (one->isChecked()) {
        workup.chosenOption = 1;
        workup.chosenText = textOf(oneText);
    } else if (two->isChecked()) {
        workup.chosenOption = 2;
        workup.chosenText = textOf(twoText);
    }
}

}  // namespace

record::Record EsoWorkup::planRecord() const {
    record::Record r = patientRecord(this, ui->Text6);
    record::Workup workup;
    workup.screen = objectName().toStdString();
    workup.deviations = measured(this, kEsoDeviations);
    workup.diagnosis = textOf(ui->Label2);
    workup.acaClass = textOf(ui->Label1);
    // The pattern box holds the letter, "Patterns" stands beside it.
    const QString pattern = ui->Text1->text().trimmed();
    if (!pattern.isEmpty()) workup.pattern = (pattern + QLatin1Char(' ') + ui->Label21->text()).trimmed().toStdString();
    chosenOption(workup, ui->Option12, ui->Label19, ui->Option13, ui->Label22);
    r.workup = workup;
    return r;
}

record::Record ExoWorkup::planRecord() const {
    record::Record r = patientRecord(this, ui->Text6);
    record::Workup workup;
    workup.screen = objectName().toStdString();
    workup.deviations = measured(this, kExoDeviations);
    workup.diagnosis = textOf(ui->Label9);
    workup.acaClass = textOf(ui->Label24);
    workup.pattern = textOf(ui->Label1);
    chosenOption(workup, ui->Option15, ui->Label10, ui->Option16, ui->Label12);
    r.workup = workup;
    return r;
}

}  // namespace ocu
