#pragma once
// The deviations as both work-ups weigh them: step 1's larger of the
// distance and near deviations, and the bands of a deviation that table
// rows are written for, the limit in prism dioptres as each row gives it.

namespace ocu::workup {

// Step 1: which box gives the larger deviation; the distance box when equal.
enum class LargerBox { Distance, Near };
LargerBox largerDeviation(double distance, double nearGaze);

// A row's band of the deviation: any, above its limit, or up to and
// including it.
struct Band {
    enum class Side { Any, Above, UpTo };
    Side side = Side::Any;
    double limit = 0;

    constexpr bool holds(double deviation) const {
        switch (side) {
        case Side::Above: return deviation > limit;
        case Side::UpTo: return deviation <= limit;
        case Side::Any: return true;
        }
        return false;
    }
};
constexpr Band above(double limit) { return {Band::Side::Above, limit}; }
constexpr Band upTo(double limit) { return {Band::Side::UpTo, limit}; }
inline constexpr Band kAnyDeviation{};

}  // namespace ocu::workup
