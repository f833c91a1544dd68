#pragma once
// Carries out a hand-off plan on the amount calculator `Squint`, opening it
// if it is not open. Every control a plan names must exist on the calculator.

#include "workups/rules/handoff_plan.h"

class QWidget;

namespace ocu {

// Returns the calculator screen, or nullptr when it is not in this build.
QWidget* applyHandoff(const handoff::Plan& plan, QWidget* workup);

}  // namespace ocu
