#pragma once
// Carries out a hand-off plan on the amount calculator `Squint`, opening it
// if it is not open. Unknown control names are skipped: a plan may name a
// control of a calculator build that does not have it.

#include "workups/rules/handoff_plan.h"

class QWidget;

namespace ocu {

// Returns the calculator screen, or nullptr when it is not in this build.
QWidget* applyHandoff(const handoff::Plan& plan);

}  // namespace ocu
