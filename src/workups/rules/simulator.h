#pragma once
// Where the work-up simulators draw the irises: one row of two irises per
// gaze (up, primary, down), each moved sideways by its row's deviation / 14 mm
// from fixed base positions. The patient's right eye is on the viewer's left.
// The base positions are the one source of where the irises stand when a
// work-up opens; the screens' forms give only the irises' size.

#include <array>

namespace ocu {

enum class Gaze { Up = 0, Primary = 1, Down = 2 };

// Eso deviations move both irises towards the nose, exo deviations away from it.
enum class IrisShift { TowardsNose, AwayFromNose };

struct IrisBase {
    double rightEyeLeft;         // mm, right eye (viewer's left)
    double leftEyeLeft;          // mm, left eye (viewer's right)
    std::array<double, 3> tops;  // mm, by Gaze
};

struct IrisPosition {
    double left, top;  // mm of the iris picture's top-left corner
    friend constexpr bool operator==(IrisPosition, IrisPosition) = default;
};

struct IrisRow {
    IrisPosition rightEye, leftEye;
    friend constexpr bool operator==(IrisRow, IrisRow) = default;
};

IrisRow irisRow(const IrisBase& base, Gaze gaze, double deviation, IrisShift shift);

// The irises of the three rows for deviations in up, primary and down gaze.
std::array<IrisRow, 3> irisRows(const IrisBase& base, const std::array<double, 3>& deviations, IrisShift shift);

}  // namespace ocu
