#pragma once
// The eso work-up carried into the amount calculator: what the work-up's
// answers make of the calculator's controls, step by step, in order.

#include "workups/rules/handoff_plan.h"
#include "workups/rules/workup.h"

namespace ocu::eso {

// Every step of the hand-off, ending with the work-up hidden and Re-Plan
// hidden. The pattern is the pattern box's: "A", "V" or anything else.
handoff::Plan handoffPlan(const workup::HandoffInput& input);

}  // namespace ocu::eso
