#pragma once
// The hand-off input the rule tests start from: the right eye fixing,
// option 1 chosen with the given text, a larger deviation of 30 PD and the
// given patient. Each test changes what it is about.

#include <string>
#include <string_view>

#include "workups/rules/workup.h"

namespace ocu::workup {

inline HandoffInput odFixingOptionOne(std::string_view chosenText, const handoff::Patient& patient) {
    HandoffInput input;
    input.fixating = FixatingEye::OD;
    input.chosen = ChosenOption::One;
    input.chosenText = std::string(chosenText);
    input.largerDeviation = "30";
    input.patient = patient;
    return input;
}

}  // namespace ocu::workup
