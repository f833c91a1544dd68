#include "workups/rules/deviation_check.h"

#include <cmath>

#include "shell/rules/numbers.h"

namespace ocu {

std::optional<double> readDeviation(std::string_view text) {
    const std::optional<double> number = wholeNumber(text);
    if (!number || (std::isinf(*number) && *number < 0)) return std::nullopt;
    return number;
}

DeviationVerdict checkDeviation(std::string_view text, std::optional<double> limit) {
    if (text.empty()) return DeviationVerdict::PutZero;
    if (!limit) return DeviationVerdict::Accepted;
    const std::optional<double> number = readDeviation(text);
    if (!number) return DeviationVerdict::NotANumber;
    return *number > *limit ? DeviationVerdict::TooLarge : DeviationVerdict::Accepted;
}

}  // namespace ocu
