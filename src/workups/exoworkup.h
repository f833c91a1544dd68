#pragma once

#include <memory>
#include <vector>

#include "shell/plansource.h"
#include "workups/workupscreen.h"

namespace Ui {
class ExoWorkup;
}

namespace ocu {

// The exo work-up: patient, onset, fixation, presentation, vision, the
// deviations in prism dioptres (with the near ones after an hour of patching
// one eye), oblique actions and the surgical options, beside a simulator of
// the eyes in up, primary and down gaze.
class ExoWorkup : public WorkupScreen, public PlanSource {
    Q_OBJECT
public:
    explicit ExoWorkup(QWidget* parent = nullptr);
    ~ExoWorkup() override;

    // The work-up as it stands: patient, deviations, diagnosis, AC/A class,
    // pattern and the surgical option chosen (workuprecords.cpp).
    record::Record planRecord() const override;

private:
    void colourResults();
    void showDiagnosis(const std::vector<double>& deviations) override;
    void showPatternConsequences();
    // "Go To Squint Calculator".
    void handOff(const workup::HandoffInput& input) override;
    void resetRest() override;
    // The near deviation with +3 sph must be a number; above 90 the user is
    // told, and the calculator is filled all the same.
    bool readyForAcaCalculator() override;

    std::unique_ptr<Ui::ExoWorkup> ui;
};

}  // namespace ocu
