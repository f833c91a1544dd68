#pragma once
// The exo work-up carried into the amount calculator: what the work-up's
// answers make of the calculator's controls, step by step, in order, and
// what the hand-off writes back on the work-up itself.

#include <optional>
#include <string>

#include "workups/rules/eso_handoff.h"
#include "workups/rules/exo_diagnosis.h"
#include "workups/rules/handoff_plan.h"

namespace ocu::exo {

// Read off the work-up the same way as on the eso road.
using eso::ChosenOption;
using eso::FixatingEye;
using eso::Patient;

enum class ObliqueAnswer { None, Normal, InferiorOveraction, SuperiorOveraction, BothOveractions };

// The work-up as the hand-off reads it.
struct HandoffInput {
    FixatingEye fixating = FixatingEye::None;
    std::string pattern;          // the pattern label, exactly as Enter wrote it
    ObliqueAnswer oblique = ObliqueAnswer::None;
    int grade = 0;                // 1 to 4, 0 when none is selected
    ChosenOption chosen = ChosenOption::None;
    std::string chosenText;       // the text of the chosen option's label
    std::string largerDeviation;  // the text of the larger-deviation box
    Patient patient;
};

struct Handoff {
    // Every step on the calculator, ending with the work-up hidden and
    // Re-Plan disabled.
    handoff::Plan plan;
    // Surgical option 1 on the work-up, rewritten for a delta pattern once
    // the amount procedure has been chosen from its earlier text.
    std::optional<Result> workupOption1;
};

Handoff handoffPlan(const HandoffInput& input);

}  // namespace ocu::exo
