#pragma once

#include <QWidget>
#include <memory>
#include <optional>

#include "calculator/rules/oblique.h"
#include "calculator/rules/procedures.h"
#include "calculator/rules/simulator.h"
#include "shell/plansource.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace Ui {
class Squint;
}

namespace ocu {

// The amount calculator and simulator: millimetres per rectus muscle become
// prism dioptres, and the simulated eye shows what the plan leaves of the
// deviation. The work-ups fill it by control name and press its buttons.
class Squint : public QWidget, public PlanSource {
    Q_OBJECT
public:
    explicit Squint(QWidget* parent = nullptr);
    ~Squint() override;

    // The plan as it stands, with the work-up hidden behind the calculator
    // when one handed it over (squintrecord.cpp).
    record::Record planRecord() const override;

private:
    QComboBox* doseBox(calc::DoseBox box) const;
    QLineEdit* cell(calc::DoseBox box) const;
    QPushButton* procedureButton(calc::Procedure procedure) const;
    std::optional<calc::Side> selectedSide() const;
    std::optional<calc::Grade> selectedGrade() const;
    std::optional<calc::ObliqueAction> selectedObliqueAction() const;
    QRadioButton* patternOption(calc::Pattern pattern) const;

    void connectDoseBoxes();
    void onDoseBoxLeft(calc::DoseBox box);
    void onProcedureClicked(calc::Procedure procedure);
    void onReplanClicked();
    void onDeviationChanged();
    void onEnterClicked();
    void onShowResultClicked();
    void onObliqueActionClicked(QRadioButton* option, calc::ObliqueAction action);
    void onObliqueEnterClicked();
    void onDateTimeChanged();
    void placeIrises(calc::IrisLefts lefts);
    // Writes the plan summary into its box.
    void showPlanSummary();

    std::unique_ptr<Ui::Squint> ui;
    bool stampingDateTime_ = false;
};

}  // namespace ocu
