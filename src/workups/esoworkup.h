#pragma once

#include <QWidget>
#include <memory>
#include <optional>

#include "workups/rules/eso_diagnosis.h"
#include "workups/rules/eso_handoff.h"

namespace Ui { class EsoWorkup; }

namespace ocu {

// The eso work-up: patient, onset, fixation, vision, the deviations in prism
// dioptres, oblique actions and the surgical options, beside a simulator of
// the eyes in up, primary and down gaze.
class EsoWorkup : public QWidget {
    Q_OBJECT
public:
    explicit EsoWorkup(QWidget* parent = nullptr);
    ~EsoWorkup() override;

private:
    void connectDeviationBoxes();
    void connectObliqueActions();
    void connectHelp();
    void fillAcaCalculator();

    void onEnterClicked();
    void onResetClicked();
    void onPatternChanged(const QString& pattern);
    // "GoTo Squint Calculator": the calculator opens already planned.
    void onHandOffClicked();
    workup::HandoffInput handoffInput() const;

    // The five deviations as numbers, or nullopt after telling the user
    // which box does not hold one.
    std::optional<eso::Deviations> readDeviations();
    void showDiagnosis(const eso::Deviations& deviations);

    std::unique_ptr<Ui::EsoWorkup> ui;
};

}  // namespace ocu
