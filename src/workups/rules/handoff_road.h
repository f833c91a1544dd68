#pragma once
// The one hand-off both work-ups make, each from its own tables: step by
// step, the squinting eye, the oblique action and the message when a
// pattern still wants one, the pattern, the grade of an over-action and the
// amount procedure (in the order the work-up gives), the procedure's text,
// the deviation and the patient, the calculator's Enter buttons, and the
// way back to the work-up. Each table step applies the first row that holds,
// or none.

#include <optional>
#include <span>
#include <string_view>

#include "calculator/rules/controlnames.h"
#include "workups/rules/deviations.h"
#include "workups/rules/handoff_plan.h"
#include "workups/rules/workup.h"

namespace ocu::handoff {

using workup::ChosenOption;
using workup::FixatingEye;
using workup::HandoffInput;
using workup::ObliqueAnswer;

// The eye that does not fix squints: the calculator's option for a right
// and for a left eye squinting in or out.
struct SquintingEyeOptions {
    const char* od;
    const char* os;
};

struct ObliqueRow {
    std::string_view pattern;
    ObliqueAnswer answer;
    Actions actions;
};

// What a text the hand-off writes does to its label's background.
enum class Back { Unchanged, Red, Cyan };

// The calculator's message line for a pattern given without the answer it wants.
struct MissingAnswerRow {
    std::string_view pattern;
    ObliqueAnswer answer;
    const char* message;
    Back back;
};

struct PatternRow {
    std::string_view pattern;
    Actions actions;
};

// The grade of an inferior or superior over-action, selected on the
// calculator: before the procedure with the chosen grade enabled and the
// others disabled, or after it and nothing more.
enum class GradeStep { BeforeProcedure, AfterProcedure };

// The amount procedure for the chosen option and the larger deviation.
struct ProcedureRow {
    ChosenOption option;
    std::string_view text;
    workup::Band larger;
    Actions actions;
};

// The procedure's text. A row without an oblique answer takes any.
struct ProcedureTextRow {
    ChosenOption option;
    std::string_view text;
    std::string_view pattern;
    std::optional<ObliqueAnswer> oblique;
    const char* procedure;
    Back back;
};

// A work-up's hand-off: its tables, the place of the grade, and what leads
// back to the work-up from the calculator once the calculator has worked the
// plan out (its Enter buttons pressed and disabled).
struct Road {
    SquintingEyeOptions squintingEye;
    std::span<const ObliqueRow> obliques;
    std::span<const MissingAnswerRow> missingAnswers;
    std::span<const PatternRow> patterns;
    GradeStep grade;
    std::span<const ProcedureRow> procedures;
    std::span<const ProcedureTextRow> procedureTexts;
    Actions back;
};

Plan planOf(const Road& road, const HandoffInput& input);

// What the hand-off tables are written in: the rows, the verbs, the
// calculator's control names, the bands, and short names for the columns.
namespace tables {
using namespace ocu::handoff;
using namespace ocu::calc::control;
using enum Verb;
using workup::above;
using workup::upTo;
inline constexpr auto Normal = ObliqueAnswer::Normal;
inline constexpr auto Inf = ObliqueAnswer::InferiorOveraction;
inline constexpr auto Sup = ObliqueAnswer::SuperiorOveraction;
inline constexpr auto One = ChosenOption::One;
inline constexpr auto Two = ChosenOption::Two;
inline constexpr std::nullopt_t Any = std::nullopt;
}  // namespace tables

}  // namespace ocu::handoff
