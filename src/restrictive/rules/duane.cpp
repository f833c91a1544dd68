#include "restrictive/rules/duane.h"

namespace ocu {

std::optional<DuaneDiagnosis> duaneType(const DuaneFindings& findings) {
    for (const DuaneTypeRow& row : kDuaneTypes) {
        if (row.narrowing == findings.narrowing && row.adduction == findings.adduction &&
            row.abduction == findings.abduction) {
            return DuaneDiagnosis{inResultColour(row.type), {std::string(kDuaneDifferential), kDifferentialColour}};
        }
    }
    return std::nullopt;
}

std::optional<Result> duaneManagement(Eye eye, std::string_view typeShown) {
    for (const DuaneManagementRow& row : kDuaneManagement) {
        if (row.type == typeShown) return inResultColour(eye == Eye::Right ? row.rightEye : row.leftEye);
    }
    return std::nullopt;
}

}  // namespace ocu
