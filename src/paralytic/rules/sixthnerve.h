#pragma once
// Management of a sixth nerve palsy from its course and its severity.

#include <optional>

#include "paralytic/rules/results.h"

namespace ocu::paralytic {

enum class Course { Unanswered, Acute, Chronic };
enum class Severity { Unanswered, Paresis, CompleteParalysis };

struct SixthNerveAnswers {
    Course course = Course::Unanswered;
    Severity severity = Severity::Unanswered;
};

// The two management labels, left and right.
struct SixthNervePlan {
    Result left;
    Result right;
    friend bool operator==(const SixthNervePlan&, const SixthNervePlan&) = default;
};

std::optional<SixthNervePlan> sixthNervePlan(const SixthNerveAnswers& answers);

}  // namespace ocu::paralytic
