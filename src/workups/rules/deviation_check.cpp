#include "workups/rules/deviation_check.h"

#include "shell/rules/numbers.h"

namespace ocu {

std::optional<double> readDeviation(std::string_view text) { return wholeNumber(text); }

DeviationVerdict checkDeviation(std::string_view text, std::optional<double> limit) {
    if (text.empty()) return DeviationVerdict::PutZero;
    if (!limit) return DeviationVerdict::Accepted;
    const std::optional<double> number = readDeviation(text);
    if (!number) return DeviationVerdict::NotANumber;
    return *number > *limit ? DeviationVerdict::TooLarge : DeviationVerdict::Accepted;
}

}  // namespace ocu
