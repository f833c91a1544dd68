#pragma once
// The eso work-up carried into the amount calculator: what the work-up's
// answers make of the calculator's controls, step by step, in order.

#include <string>

#include "workups/rules/handoff_plan.h"

namespace ocu::eso {

enum class FixatingEye { None, OD, OS, AltOD, AltOS };
enum class ObliqueAnswer { None, Normal, InferiorOveraction, SuperiorOveraction };
enum class ChosenOption { None, One, Two };

using handoff::Patient;

// The work-up as the hand-off reads it.
struct HandoffInput {
    FixatingEye fixating = FixatingEye::None;
    std::string pattern;          // the pattern box: "A", "V" or anything else
    ObliqueAnswer oblique = ObliqueAnswer::None;
    int grade = 0;                // 1 to 4, 0 when none is selected
    ChosenOption chosen = ChosenOption::None;
    std::string chosenText;       // the text of the chosen option's label
    std::string largerDeviation;  // the text of the larger-deviation box
    Patient patient;
};

// Every step of the hand-off, ending with the work-up hidden and Re-Plan hidden.
handoff::Plan handoffPlan(const HandoffInput& input);

}  // namespace ocu::eso
