#include "workups/rules/handoff_road.h"

#include "shell/rules/numbers.h"

namespace ocu::handoff {
namespace {

using enum Verb;

enum class Eye { OD, OS };
struct SquintingEyeRow {
    FixatingEye fixating;
    Eye squinting;
};
// clang-format off
constexpr SquintingEyeRow kSquintingEye[] = {
    {FixatingEye::OD, Eye::OS},
    {FixatingEye::OS, Eye::OD},
    {FixatingEye::AltOD, Eye::OS},
    {FixatingEye::AltOS, Eye::OD},
};
// clang-format on

void appendText(Plan& plan, const char* control, const char* text, Back back) {
    plan.push_back({SetText, control, text});
    switch (back) {
    case Back::Red: plan.push_back({SetRedBack, control, {}}); break;
    case Back::Cyan: plan.push_back({SetCyanBack, control, {}}); break;
    case Back::Unchanged: break;
    }
}

void appendSquintingEye(Plan& plan, FixatingEye fixating, SquintingEyeOptions options) {
    for (const SquintingEyeRow& row : kSquintingEye) {
        if (row.fixating == fixating) {
            append(plan, {{Select, row.squinting == Eye::OD ? options.od : options.os}});
            return;
        }
    }
}

void appendObliqueAction(Plan& plan, std::span<const ObliqueRow> rows, const HandoffInput& input) {
    for (const ObliqueRow& row : rows) {
        if (row.pattern == input.pattern && row.answer == input.oblique) {
            append(plan, row.actions);
            return;
        }
    }
}

void appendMissingAnswer(Plan& plan, std::span<const MissingAnswerRow> rows, const HandoffInput& input) {
    for (const MissingAnswerRow& row : rows) {
        if (row.pattern == input.pattern && row.answer == input.oblique) {
            appendText(plan, calc::control::kMessageLine, row.message, row.back);
            return;
        }
    }
}

void appendPattern(Plan& plan, std::span<const PatternRow> rows, std::string_view pattern) {
    for (const PatternRow& row : rows) {
        if (row.pattern == pattern) {
            append(plan, row.actions);
            return;
        }
    }
}

void appendGrade(Plan& plan, const HandoffInput& input, GradeStep step) {
    const bool overaction =
        input.oblique == ObliqueAnswer::InferiorOveraction || input.oblique == ObliqueAnswer::SuperiorOveraction;
    if (!overaction || input.grade < 1 || input.grade > 4) return;
    const char* chosen = calc::control::kGrades[input.grade - 1];
    if (step == GradeStep::AfterProcedure) {
        append(plan, {{Select, chosen}});
        return;
    }
    append(plan, {{Select, chosen}, {Enable, chosen}});
    for (int grade = 1; grade <= 4; ++grade) {
        if (grade != input.grade) append(plan, {{Disable, calc::control::kGrades[grade - 1]}});
    }
}

void appendProcedure(Plan& plan, std::span<const ProcedureRow> rows, const HandoffInput& input) {
    const double larger = leadingNumber(input.largerDeviation);
    for (const ProcedureRow& row : rows) {
        if (row.option == input.chosen && row.text == input.chosenText && row.larger.holds(larger)) {
            append(plan, row.actions);
            return;
        }
    }
}

void appendProcedureText(Plan& plan, std::span<const ProcedureTextRow> rows, const HandoffInput& input) {
    for (const ProcedureTextRow& row : rows) {
        if (row.option == input.chosen && row.text == input.chosenText && row.pattern == input.pattern &&
            (!row.oblique || *row.oblique == input.oblique)) {
            appendText(plan, calc::control::kProcedureText, row.procedure, row.back);
            return;
        }
    }
}

}  // namespace

Plan planOf(const Road& road, const HandoffInput& input) {
    Plan plan;
    appendSquintingEye(plan, input.fixating, road.squintingEye);
    appendObliqueAction(plan, road.obliques, input);
    appendMissingAnswer(plan, road.missingAnswers, input);
    appendPattern(plan, road.patterns, input.pattern);
    if (road.grade == GradeStep::BeforeProcedure) appendGrade(plan, input, road.grade);
    appendProcedure(plan, road.procedures, input);
    if (road.grade == GradeStep::AfterProcedure) appendGrade(plan, input, road.grade);
    appendProcedureText(plan, road.procedureTexts, input);
    appendDeviationAndPatient(plan, input.largerDeviation, input.patient);
    append(plan, {{Press, calc::control::kEnter},
                  {Disable, calc::control::kEnter},
                  {Press, calc::control::kPatternsEnter},
                  {Disable, calc::control::kPatternsEnter}});
    append(plan, road.back);
    return plan;
}

}  // namespace ocu::handoff
