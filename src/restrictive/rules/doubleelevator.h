#pragma once
// Management of double elevator palsy from the findings in the primary
// position, the forced duction test and ptosis.

#include <optional>
#include <string_view>

#include "shell/rules/result.h"

namespace ocu {

enum class PrimaryPosition { Unanswered, Orthophoria, Hypertropia };
enum class HypertropiaAmount { Unanswered, LessThan30Pd, MoreThan30Pd };
enum class PtosisFinding { Unanswered, Absent, Present };
enum class ForcedDuction { Unanswered, Positive, Negative };

struct DoubleElevatorFindings {
    PrimaryPosition primary = PrimaryPosition::Unanswered;
    HypertropiaAmount amount = HypertropiaAmount::Unanswered;
    PtosisFinding ptosis = PtosisFinding::Unanswered;
    ForcedDuction forcedDuction = ForcedDuction::Unanswered;
};

// Each part is written in the result colour, or nullopt when its label is
// to be left as it stands.
struct DoubleElevatorAdvice {
    std::optional<Result> operation;
    std::optional<Result> ptosis;
};

// The operation, first matching row only.
struct DoubleElevatorRow {
    std::optional<PrimaryPosition> primary;  // nullopt: whatever is selected
    std::optional<ForcedDuction> forcedDuction;
    std::optional<HypertropiaAmount> amount;
    std::string_view operation;
};

// clang-format off
inline constexpr DoubleElevatorRow kDoubleElevatorOperations[] = {
    {PrimaryPosition::Orthophoria, std::nullopt, std::nullopt, "Surgery is not indicated"},
    {PrimaryPosition::Hypertropia, ForcedDuction::Positive, std::nullopt, "Inferior Rectus recession"},
    {PrimaryPosition::Hypertropia, ForcedDuction::Negative, HypertropiaAmount::MoreThan30Pd,
     " Knapp procedure (transposing the medial and lateral recti to the corners of the insertion of the superior rectus)"},
    {PrimaryPosition::Hypertropia, ForcedDuction::Negative, HypertropiaAmount::LessThan30Pd,
     "A graded resection of the superior rectus and recession of the inferior rectus "},
};
// clang-format on

inline constexpr std::string_view kPtosisAdvice =
    "Ptosis surgery should be avoided until the hypotropia is corrected. Once the eye alignment is "
    "improved, the ptosis can be reevaluated.";

DoubleElevatorAdvice doubleElevatorAdvice(const DoubleElevatorFindings& findings);

}  // namespace ocu
