#pragma once
// The Parks three-step test for a vertical deviation: each step names the
// cyclovertical muscles that may be weak.

#include <optional>

#include "paralytic/rules/results.h"
#include "paralytic/rules/superioroblique.h"

namespace ocu::paralytic {

enum class WorseGaze { Unanswered, Right, Left, Both };
enum class WorseHeadTurn { Unanswered, Right, Left, Both };

struct ThreeStepAnswers {
    HigherEye step1 = HigherEye::Unanswered;
    WorseGaze step2 = WorseGaze::Unanswered;
    WorseHeadTurn step3 = WorseHeadTurn::Unanswered;
};

// Each step's inference, or nullopt when none of its rows holds.
std::optional<Result> parksStep1(const ThreeStepAnswers& answers);
std::optional<Result> parksStep2(const ThreeStepAnswers& answers);
std::optional<Result> parksStep3(const ThreeStepAnswers& answers);

}  // namespace ocu::paralytic
