#include "tutorials/rules/overactiongrades.h"

namespace ocu::grades {

std::optional<std::string_view> overActionGrade(int deviation) {
    for (const GradeBand& band : kGradeBands) {
        if (deviation >= band.from && deviation <= band.to) return band.label;
    }
    return std::nullopt;
}

}  // namespace ocu::grades
