#pragma once

#include <memory>
#include <vector>

#include "shell/plansource.h"
#include "workups/workupscreen.h"

namespace Ui {
class EsoWorkup;
}

namespace ocu {

// The eso work-up: patient, onset, fixation, vision, the deviations in prism
// dioptres, oblique actions and the surgical options, beside a simulator of
// the eyes in up, primary and down gaze.
class EsoWorkup : public WorkupScreen, public PlanSource {
    Q_OBJECT
public:
    explicit EsoWorkup(QWidget* parent = nullptr);
    ~EsoWorkup() override;

    // The work-up as it stands: patient, deviations, diagnosis, AC/A class,
    // pattern and the surgical option chosen (workuprecords.cpp).
    record::Record planRecord() const override;

private:
    void showDiagnosis(const std::vector<double>& deviations) override;
    // "GoTo Squint Calculator".
    void handOff(const workup::HandoffInput& input) override;
    void resetRest() override;
    void onPatternChanged(const QString& pattern);

    std::unique_ptr<Ui::EsoWorkup> ui;
};

}  // namespace ocu
