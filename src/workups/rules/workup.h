#pragma once
// What either work-up, eso or exo, hands to the amount calculator: the
// answers read off the screen, under the same names on both roads.

#include <string>

#include "workups/rules/handoff_plan.h"

namespace ocu::workup {

enum class FixatingEye { None, OD, OS, AltOD, AltOS };
// Both over-actions together are an answer on the exo work-up only.
enum class ObliqueAnswer { None, Normal, InferiorOveraction, SuperiorOveraction, BothOveractions };
enum class ChosenOption { None, One, Two };

// The work-up as the hand-off reads it.
struct HandoffInput {
    FixatingEye fixating = FixatingEye::None;
    std::string pattern;  // the pattern as the work-up shows it
    ObliqueAnswer oblique = ObliqueAnswer::None;
    int grade = 0;  // 1 to 4, 0 when none is selected
    ChosenOption chosen = ChosenOption::None;
    std::string chosenText;       // the text of the chosen option's label
    std::string largerDeviation;  // the text of the larger-deviation box
    handoff::Patient patient;
};

}  // namespace ocu::workup
