#include "restrictive/rules/dvd.h"

namespace ocu {

std::optional<std::string_view> dvdTreatment(DvdLaterality laterality, ObliqueOverAction inferiorOblique) {
    for (const DvdRow& row : kDvdTreatments) {
        if (row.laterality == laterality && row.inferiorOblique == inferiorOblique) return row.treatment;
    }
    return std::nullopt;
}

}  // namespace ocu
