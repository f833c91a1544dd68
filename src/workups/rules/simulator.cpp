#include "workups/rules/simulator.h"

namespace ocu {

IrisRow irisRow(const IrisBase& base, Gaze gaze, double deviation, IrisShift shift) {
    // The right eye's nose is to the viewer's right, the left eye's to the left.
    const double towardsNose = shift == IrisShift::TowardsNose ? deviation / 14.0 : -deviation / 14.0;
    const double top = base.tops[static_cast<int>(gaze)];
    return {{base.rightEyeLeft + towardsNose, top}, {base.leftEyeLeft - towardsNose, top}};
}

std::array<IrisRow, 3> irisRows(const IrisBase& base, const std::array<double, 3>& deviations, IrisShift shift) {
    return {irisRow(base, Gaze::Up, deviations[0], shift), irisRow(base, Gaze::Primary, deviations[1], shift),
            irisRow(base, Gaze::Down, deviations[2], shift)};
}

}  // namespace ocu
