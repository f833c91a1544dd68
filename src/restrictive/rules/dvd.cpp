#include "restrictive/rules/dvd.h"

namespace ocu {

std::optional<Result> dvdTreatment(DvdLaterality laterality, ObliqueOverAction inferiorOblique) {
    for (const DvdRow& row : kDvdTreatments) {
        if (row.laterality == laterality && row.inferiorOblique == inferiorOblique) {
            return inResultColour(row.treatment);
        }
    }
    return std::nullopt;
}

}  // namespace ocu
