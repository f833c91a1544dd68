#pragma once
// Places a work-up simulator's six irises, named by row, from the geometry
// of workups/rules/simulator.h.

#include <array>

#include "workups/rules/simulator.h"

class QWidget;

namespace ocu {

// The iris pictures of one row: the right eye's (viewer's left) and the left eye's.
struct IrisRowNames {
    const char* rightEye;
    const char* leftEye;
};
// Up, primary and down gaze rows.
using IrisNames = std::array<IrisRowNames, 3>;

// Puts every iris at its row's base position, right-eye irises first.
void placeIrisesAtBase(QWidget* screen, const IrisNames& names, const IrisBase& base);

// Moves every iris by its row's deviation; each Top is set again to its base.
void moveIrises(QWidget* screen, const IrisNames& names, const IrisBase& base, const std::array<double, 3>& deviations,
                IrisShift shift);

}  // namespace ocu
