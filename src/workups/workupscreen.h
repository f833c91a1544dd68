#pragma once
// The body both work-up screens share. Each work-up keeps its own form and
// class, and gives the body its design: the names of its controls, its
// deviation boxes in the order Enter reads them, its simulator. The body
// frames the screen and wires what the two do alike: the patient block, the
// deviation boxes, Enter reading them, Reset, the grades an oblique answer
// shows or hides, the hand-off's inputs, the Help buttons and the AC/A
// calculator, and the simulator's irises. What Enter makes of the
// deviations and what the hand-off makes of its inputs are each work-up's
// own rules.

#include <QWidget>
#include <array>
#include <optional>
#include <span>
#include <vector>

#include "shell/screenframe.h"
#include "workups/deviationbox.h"
#include "workups/rules/simulator.h"
#include "workups/rules/workup.h"

namespace ocu {

// An oblique-action answer, and whether choosing it shows the grades.
struct ObliqueOption {
    const char* name;
    workup::ObliqueAnswer answer;
    bool showsGrades;
};

// A surgical option's button and the label that names the option.
struct SurgicalOption {
    const char* option;
    const char* label;
};

// A Help button that opens its screen and does no more.
struct HelpLink {
    const char* button;
    const char* screen;
};

struct WorkupDesign {
    FrameSpec frame;
    std::span<const DeviationBox> deviationBoxes;  // in the order Enter reads them
    IrisBase irisBase;
    IrisShift irisShift;
    std::array<const char*, 4> fixatingEye;  // OD, OS, Alt OD, Alt OS
    const char* pattern;                     // where the pattern is shown
    std::span<const ObliqueOption> obliqueOptions;
    const char* grades;                       // the frame of the grades
    std::array<const char*, 4> gradeOptions;  // Grade 1 to 4
    std::array<SurgicalOption, 2> surgicalOptions;
    std::span<const char* const> results;  // the labels Reset empties
    const char* enter;
    const char* reset;
    const char* handOff;
    std::span<const HelpLink> help;
    const char* acaCalculator;     // the button that fills the AC/A calculator
    const char* acaDeviationType;  // the calculator's option for this work-up's deviation
    const char* print;
    const char* home;
};

class WorkupScreen : public QWidget {
    Q_OBJECT
public:
    ~WorkupScreen() override;

protected:
    // The design must outlive the screen.
    WorkupScreen(const WorkupDesign& design, QWidget* parent);

    // Right after the form is set up.
    void setUpBody();

    // Step 1: the larger of the distance and near deviations, as its box
    // shows it, into the larger-deviation box; the distance when equal.
    double showLargerDeviation(double distance, double nearGaze);
    // The simulator reads the up, distance and down boxes leniently.
    void moveIrises();
    void placeIrisesAtRest();

private:
    // What Enter makes of the deviations, in the order of the design's boxes.
    virtual void showDiagnosis(const std::vector<double>& deviations) = 0;
    virtual void handOff(const workup::HandoffInput& input) = 0;
    // What Reset does besides putting 0 in the deviation boxes and emptying
    // the results.
    virtual void resetRest() {}
    // Whether the AC/A calculator is to be filled now.
    virtual bool readyForAcaCalculator() { return true; }

    void connectDeviationBoxes();
    void connectObliqueActions();
    void connectButtons();
    void onEnterClicked();
    void onResetClicked();
    void fillAcaCalculator();
    // The deviations as numbers, or nullopt after telling the user which box
    // does not hold one.
    std::optional<std::vector<double>> readDeviations();
    workup::HandoffInput handoffInput() const;

    template <class Control>
    Control* control(const char* name) const;

    const WorkupDesign& design_;
};

}  // namespace ocu
