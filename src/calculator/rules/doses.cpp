#include "calculator/rules/doses.h"

#include "shell/rules/numbers.h"

namespace ocu::calc {

double totalCorrection(std::span<const std::string_view> cells) {
    double total = 0;
    for (std::string_view cell : cells) total += leadingNumber(cell);
    return total;
}

}  // namespace ocu::calc
