#pragma once
// What a work-up does with a deviation box the user has just left.

#include <optional>
#include <string>
#include <string_view>

namespace ocu {

enum class DeviationVerdict {
    Accepted,    // a number within the limit (no lower limit: 0 and negatives pass)
    PutZero,     // the box was left empty: it gets "0"
    TooLarge,    // above the limit: the box's own message, then back into the box
    NotANumber,  // the not-a-number message, then back into the box
};

inline constexpr double kMaxWorkupDeviation = 90;

// The whole text as a deviation: a number, blanks around it allowed; digits
// past the range of a number are not one.
std::optional<double> readDeviation(std::string_view text);

// With no limit only the empty box is acted on; any other text stays.
DeviationVerdict checkDeviation(std::string_view text, std::optional<double> limit = kMaxWorkupDeviation);

}  // namespace ocu
