#pragma once
// The exo work-up carried into the amount calculator: what the work-up's
// answers make of the calculator's controls, step by step, in order, and
// what the hand-off writes back on the work-up itself.

#include <optional>

#include "shell/rules/result.h"
#include "workups/rules/handoff_plan.h"
#include "workups/rules/workup.h"

namespace ocu::exo {

struct Handoff {
    // Every step on the calculator, ending with the work-up hidden and
    // Re-Plan disabled.
    handoff::Plan plan;
    // Surgical option 1 on the work-up, rewritten for a delta pattern once
    // the amount procedure has been chosen from its earlier text.
    std::optional<Result> workupOption1;
};

// The pattern is the pattern label's, exactly as Enter wrote it.
Handoff handoffPlan(const workup::HandoffInput& input);

}  // namespace ocu::exo
