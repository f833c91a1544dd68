#include "restrictive/rules/doubleelevator.h"

namespace ocu {
namespace {

template <class T>
constexpr bool holds(const std::optional<T>& wanted, T actual) {
    return !wanted || *wanted == actual;
}

}  // namespace

DoubleElevatorAdvice doubleElevatorAdvice(const DoubleElevatorFindings& findings) {
    DoubleElevatorAdvice advice;
    for (const DoubleElevatorRow& row : kDoubleElevatorOperations) {
        if (holds(row.primary, findings.primary) && holds(row.forcedDuction, findings.forcedDuction) &&
            holds(row.amount, findings.amount)) {
            advice.operation = inResultColour(row.operation);
            break;
        }
    }
    // The ptosis advice stands on its own: only a present ptosis writes it.
    if (findings.ptosis == PtosisFinding::Present) advice.ptosis = inResultColour(kPtosisAdvice);
    return advice;
}

}  // namespace ocu
