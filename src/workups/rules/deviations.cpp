#include "workups/rules/deviations.h"

namespace ocu::workup {

LargerBox largerDeviation(double distance, double nearGaze) {
    return nearGaze > distance ? LargerBox::Near : LargerBox::Distance;
}

}  // namespace ocu::workup
