#include "tutorials/rules/eyemovements.h"

namespace ocu::movements {

std::optional<Movement> movementFor(std::string_view button, Eye ductionEye) {
    for (const BothEyesRow& row : kBothEyesRows) {
        if (row.button == button) return row.movement;
    }
    for (const DuctionRow& row : kDuctionRows) {
        if (row.button != button) continue;
        switch (ductionEye) {
        case Eye::Right: return Movement{{row.od, kOsRest}, row.odMuscle, kEmpty};
        case Eye::Left: return Movement{{kOdRest, row.os}, kEmpty, row.osMuscle};
        case Eye::None: return std::nullopt;
        }
    }
    for (const GradeRow& row : kGradeRows) {
        for (std::size_t i = 0; i < row.buttons.size(); ++i) {
            if (row.buttons[i] != button) continue;
            const double grade = static_cast<double>(i + 1);
            Movement movement{row.base, kKeep, kKeep};
            Point& moved = row.overActing == Eye::Right ? movement.pose.od : movement.pose.os;
            moved.top = moved.top + row.direction * (row.offset + grade);
            return movement;
        }
    }
    return std::nullopt;
}

}  // namespace ocu::movements
