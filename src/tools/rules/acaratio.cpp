#include "tools/rules/acaratio.h"

#include <cmath>

#include "shell/rules/numbers.h"

namespace ocu::aca {
namespace {

std::optional<double> read(std::string_view text, Reading reading) {
    if (reading == Reading::WholeText) return wholeNumber(text);
    const double value = leadingNumber(text);
    // Digits beyond any measurable deviation would make the ratio infinite.
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

bool holds(const ClassRow& row, double ratio) {
    switch (row.bound) {
    case Bound::Below: return ratio < row.limit;
    case Bound::AtMost: return ratio <= row.limit;
    case Bound::Any: return true;
    }
    return false;
}

}  // namespace

std::string_view classOf(double ratio) {
    for (const ClassRow& row : kClassRows) {
        if (holds(row, ratio)) return row.name;
    }
    return kClassRows[std::size(kClassRows) - 1].name;
}

Outcome calculate(const Input& input) {
    Outcome outcome;
    for (const RatioRow& row : kRatioRows) {
        if (row.type != input.type) continue;
        const auto without = read(input.withoutLens, row.reading);
        if (!without) return {Box::WithoutLens, std::nullopt, {}};
        const auto with = read(input.withLens, row.reading);
        if (!with) return {Box::WithLens, std::nullopt, {}};
        outcome.ratio = formatNumber(row.sign * (*without - *with) / kLensDioptres);
        break;
    }
    // The class follows the ratio box, also a ratio typed by the user.
    outcome.ratioClass = classOf(leadingNumber(outcome.ratio ? *outcome.ratio : input.ratioShown));
    return outcome;
}

}  // namespace ocu::aca
