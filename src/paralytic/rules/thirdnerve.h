#pragma once
// Management of a third nerve palsy: the ophthalmological treatment and the
// systemic investigations from five answers.

#include <optional>

#include "paralytic/rules/results.h"

namespace ocu::paralytic {

enum class Onset { Unanswered, Congenital, Acquired };
enum class PalsyExtent { Unanswered, Complete, Partial };
enum class PtosisExtent { Unanswered, Complete, Partial };
enum class Trauma { Unanswered, Trauma, NoTrauma };
enum class PalsyCause { Unanswered, Diabetic, CnsLesion };

// Every answer counts, also one whose step is hidden at the moment.
struct ThirdNerveAnswers {
    Onset onset = Onset::Unanswered;
    PalsyExtent palsy = PalsyExtent::Unanswered;
    PtosisExtent ptosis = PtosisExtent::Unanswered;
    Trauma trauma = Trauma::Unanswered;
    PalsyCause cause = PalsyCause::Unanswered;
};

struct ThirdNervePlan {
    Result treatment;
    std::optional<Result> investigations;
    friend bool operator==(const ThirdNervePlan&, const ThirdNervePlan&) = default;
};

inline constexpr std::string_view kTreatmentHeading = "Ophthalmological Treatment:";

// nullopt when no row holds: both labels stay as they are.
std::optional<ThirdNervePlan> thirdNervePlan(const ThirdNerveAnswers& answers);

}  // namespace ocu::paralytic
