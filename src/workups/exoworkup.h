#pragma once

#include <QWidget>
#include <memory>
#include <optional>

#include "workups/rules/exo_diagnosis.h"
#include "workups/rules/exo_handoff.h"

namespace Ui { class ExoWorkup; }

namespace ocu {

// The exo work-up: patient, onset, fixation, presentation, vision, the
// deviations in prism dioptres (with the near ones after an hour of patching
// one eye), oblique actions and the surgical options, beside a simulator of
// the eyes in up, primary and down gaze.
class ExoWorkup : public QWidget {
    Q_OBJECT
public:
    explicit ExoWorkup(QWidget* parent = nullptr);
    ~ExoWorkup() override;

private:
    void colourResults();
    void connectDeviationBoxes();
    void connectObliqueActions();
    void connectHelp();
    void fillAcaCalculator();

    void onEnterClicked();
    void onResetClicked();
    // "Go To Squint Calculator": the calculator opens already planned.
    void onHandOffClicked();
    workup::HandoffInput handoffInput() const;

    // The six deviations as numbers, or nullopt after telling the user
    // which box does not hold one.
    std::optional<exo::Deviations> readDeviations();
    void showDiagnosis(const exo::Deviations& deviations);
    void showPatternConsequences();

    std::unique_ptr<Ui::ExoWorkup> ui;
};

}  // namespace ocu
