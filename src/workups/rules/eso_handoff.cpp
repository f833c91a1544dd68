#include "workups/rules/eso_handoff.h"

#include <array>
#include <initializer_list>
#include <optional>
#include <string_view>

#include "shell/rules/numbers.h"

namespace ocu::eso {
namespace {

using handoff::Plan;
using handoff::Verb;
using enum handoff::Verb;

using handoff::Action;
using handoff::Actions;

// Step 1: the eye that does not fix turns in.
struct NonFixingRow {
    FixatingEye fixating;
    const char* select;
};
constexpr NonFixingRow kNonFixing[] = {
    {FixatingEye::OD, "ESO_OS"},
    {FixatingEye::OS, "ESO_OD"},
    {FixatingEye::AltOD, "ESO_OS"},
    {FixatingEye::AltOS, "ESO_OD"},
};

// Step 2: the oblique action, where there is a pattern.
struct ObliqueRow {
    std::string_view pattern;
    ObliqueAnswer answer;
    Actions actions;
};
constexpr ObliqueRow kObliqueWithPattern[] = {
    {"A", ObliqueAnswer::SuperiorOveraction,
     {{Disable, "Option4"}, {Disable, "Option5"}, {Select, "Option6"}, {Enable, "Option6"}, {Disable, "Option7"}}},
    {"A", ObliqueAnswer::Normal,
     {{Select, "Option4"}, {Enable, "Option4"}, {Disable, "Option5"}, {Disable, "Option6"}, {Disable, "Option7"}}},
    {"V", ObliqueAnswer::Normal,
     {{Select, "Option4"}, {Enable, "Option4"}, {Disable, "Option5"}, {Disable, "Option6"}, {Disable, "Option7"}}},
    {"V", ObliqueAnswer::InferiorOveraction,
     {{Disable, "Option4"}, {Select, "Option5"}, {Enable, "Option5"}, {Disable, "Option6"}, {Disable, "Option7"}}},
};

// Step 3: a pattern without an oblique answer.
struct MissingAnswerRow {
    std::string_view pattern;
    const char* message;
};
constexpr MissingAnswerRow kMissingAnswer[] = {
    {"A", "Please Select Oblique muscles Action And Go Back "},
    {"V", "Please Select Oblique muscles Action Action And Go Back "},
};

// Step 4: the pattern.
struct PatternRow {
    std::string_view pattern;
    Actions actions;
};
constexpr PatternRow kPatterns[] = {
    {"", {{Select, "Option1"}, {Enable, "Option1"}, {Disable, "Option2"}, {Disable, "Option3"},
          {Disable, "Option8"}, {Disable, "Option10"}, {Disable, "Option11"}}},
    {"A", {{Disable, "Option1"}, {Select, "Option2"}, {Enable, "Option2"}, {Disable, "Option3"},
           {Disable, "Option8"}, {Disable, "Option10"}, {Disable, "Option11"}}},
    {"V", {{Disable, "Option1"}, {Disable, "Option2"}, {Select, "Option3"}, {Enable, "Option3"},
           {Disable, "Option8"}, {Disable, "Option10"}, {Disable, "Option11"}}},
};

// Step 5: the grade of an over-action, tried inferior 1 to 4, then superior 1 to 4.
constexpr const char* kGradeButtons[] = {"Option13", "Option14", "Option15", "Option16"};

// Step 6: the amount procedure for the chosen option, up to 50 PD and above.
struct ProcedureRow {
    ChosenOption option;
    std::string_view text;
    Actions upTo50;
    Actions above50;
};
#define ABOVE_50 {{Press, "Command3"}, {Hide, "Command2"}, {Hide, "Command13"}, {Hide, "Command1"}, {Hide, "Command11"}}
constexpr ProcedureRow kProcedures[] = {
    {ChosenOption::One, " B/L MR Recession",
     {{Press, "Command1"}, {Disable, "Command2"}, {Disable, "Command3"}, {Disable, "Command13"}, {Disable, "Command11"}},
     ABOVE_50},
    {ChosenOption::One, "B/L MR Recession after the age of 6 month",
     {{Press, "Command1"}, {Disable, "Command2"}, {Disable, "Command13"}, {Disable, "Command11"}, {Disable, "Command3"}},
     ABOVE_50},
    {ChosenOption::Two, "LR Resection + MR Recession ",
     {{Press, "Command2"}, {Disable, "Command1"}, {Disable, "Command13"}, {Disable, "Command3"}, {Disable, "Command11"}},
     ABOVE_50},
    {ChosenOption::Two, " B/L LR Resection ",
     {{Press, "Command13"}, {Disable, "Command1"}, {Disable, "Command2"}, {Disable, "Command3"}, {Disable, "Command11"}},
     ABOVE_50},
    {ChosenOption::One, "MR Recession+LR Resection",
     {{Press, "Command2"}, {Disable, "Command1"}, {Disable, "Command13"}, {Disable, "Command3"}, {Disable, "Command11"}},
     ABOVE_50},
};
#undef ABOVE_50

// Step 7: the procedure text. A row without an oblique answer takes any.
enum class Back { Cyan, Unchanged };
struct ProcedureTextRow {
    ChosenOption option;
    std::string_view text;
    std::string_view pattern;
    std::optional<ObliqueAnswer> oblique;
    const char* procedure;
    Back back;
};
constexpr auto N = ObliqueAnswer::Normal;
constexpr auto Inf = ObliqueAnswer::InferiorOveraction;
constexpr auto Sup = ObliqueAnswer::SuperiorOveraction;
constexpr auto One = ChosenOption::One;
constexpr auto Two = ChosenOption::Two;
constexpr std::nullopt_t Any = std::nullopt;
constexpr ProcedureTextRow kProcedureTexts[] = {
    {One, " B/L MR Recession", "A", N, "B/L Med. Rectus Recession + 5 mm Up shifting of Med. Rectus ", Back::Cyan},
    {One, " B/L MR Recession", "V", N, "B/L Med. Rectus Recession + 5 mm Down shifting of Med. Rectus", Back::Cyan},
    {One, " B/L MR Recession", "A", Sup, "B/L Med. Rectus Recession +Respective weakning Of Superior Obliques", Back::Unchanged},
    {One, " B/L MR Recession", "V", Inf, "B/L Med. Rectus Recession +Respective weakning Of Inf.Obliques", Back::Cyan},
    {Two, "LR Resection + MR Recession ", "A", N, "LR Resection (5mm Down Shift)+ MR Recession(5mm Up Shift)", Back::Cyan},
    {Two, "LR Resection + MR Recession ", "V", N, "LR Resection (5mm Up Shift) + MR Recession(5mm Down Shift)", Back::Cyan},
    {Two, "LR Resection + MR Recession ", "A", Sup, "LR Resection + MR Recession+ Respective weakning Of Superior Obliques", Back::Cyan},
    {One, "MR Recession+LR Resection", "V", Inf, "MR Recession+LR Resection+Respective weakning Of Inf.Obliques", Back::Cyan},
    {One, "MR Recession+LR Resection", "A", Sup, "MR Recession+LR Resection+Respective weakning Of Superior Obliques", Back::Cyan},
    {Two, " B/L LR Resection ", "V", Inf, "B/L LR Resection+Respective weakning Of Inf.Obliques", Back::Cyan},
    {Two, " B/L LR Resection ", "A", Sup, "MR Recession+LR Resection+Respective weakning Of Superior Obliques", Back::Cyan},
    {One, "MR Recession+LR Resection", "", Any, "MR Recession+LR Resection", Back::Cyan},
    {Two, " B/L LR Resection ", "", Any, "B/L LR Resection", Back::Cyan},
    {One, " B/L MR Recession", "", Any, "B/L MR Recession", Back::Cyan},
    {Two, "LR Resection + MR Recession ", "", Any, "LR Resection + MR Recession", Back::Cyan},
};

bool hasPattern(const HandoffInput& input) { return input.pattern == "A" || input.pattern == "V"; }

}  // namespace

handoff::Plan handoffPlan(const HandoffInput& input) {
    Plan plan;

    for (const NonFixingRow& row : kNonFixing) {
        if (row.fixating == input.fixating) {
            handoff::append(plan, {{Select, row.select}});
            break;
        }
    }

    for (const ObliqueRow& row : kObliqueWithPattern) {
        if (row.pattern == input.pattern && row.answer == input.oblique) {
            handoff::append(plan, row.actions);
            break;
        }
    }

    if (hasPattern(input) && input.oblique == ObliqueAnswer::None) {
        for (const MissingAnswerRow& row : kMissingAnswer) {
            if (row.pattern == input.pattern) {
                plan.push_back({SetText, "Label5", row.message});
                handoff::append(plan, {{SetRedBack, "Label5"}});
                break;
            }
        }
    }

    for (const PatternRow& row : kPatterns) {
        if (row.pattern == input.pattern) {
            handoff::append(plan, row.actions);
            break;
        }
    }

    const bool overaction = input.oblique == ObliqueAnswer::InferiorOveraction ||
                            input.oblique == ObliqueAnswer::SuperiorOveraction;
    if (overaction && input.grade >= 1 && input.grade <= 4) {
        for (int grade = 1; grade <= 4; ++grade) {
            const char* button = kGradeButtons[grade - 1];
            if (grade == input.grade) handoff::append(plan, {{Select, button}, {Enable, button}});
        }
        for (int grade = 1; grade <= 4; ++grade) {
            if (grade != input.grade) handoff::append(plan, {{Disable, kGradeButtons[grade - 1]}});
        }
    }

    const bool upTo50 = leadingNumber(input.largerDeviation) <= 50;
    for (const ProcedureRow& row : kProcedures) {
        if (row.option == input.chosen && row.text == input.chosenText) {
            handoff::append(plan, upTo50 ? row.upTo50 : row.above50);
            break;
        }
    }

    for (const ProcedureTextRow& row : kProcedureTexts) {
        if (row.option == input.chosen && row.text == input.chosenText && row.pattern == input.pattern &&
            (!row.oblique || *row.oblique == input.oblique)) {
            plan.push_back({SetText, "Text11", row.procedure});
            if (row.back == Back::Cyan) handoff::append(plan, {{SetCyanBack, "Text11"}});
            break;
        }
    }

    handoff::appendDeviationAndPatient(plan, input.largerDeviation, input.patient);
    handoff::append(plan, {{Press, "enter"}, {Disable, "enter"}, {Press, "Command9"}, {Disable, "Command9"},
               {Show, "Command6"}, {Hide, "Command7"}, {HideWorkup, ""}, {Hide, "Command11"}});
    return plan;
}

}  // namespace ocu::eso
