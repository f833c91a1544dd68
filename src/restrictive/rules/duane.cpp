#include "restrictive/rules/duane.h"

namespace ocu {

std::optional<std::string_view> duaneType(const DuaneFindings& findings) {
    for (const DuaneTypeRow& row : kDuaneTypes) {
        if (row.narrowing == findings.narrowing && row.adduction == findings.adduction &&
            row.abduction == findings.abduction) {
            return row.type;
        }
    }
    return std::nullopt;
}

std::optional<std::string_view> duaneManagement(Eye eye, std::string_view typeShown) {
    for (const DuaneManagementRow& row : kDuaneManagement) {
        if (row.type == typeShown) return eye == Eye::Right ? row.rightEye : row.leftEye;
    }
    return std::nullopt;
}

}  // namespace ocu
