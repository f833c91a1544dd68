#include "workups/rules/eso_handoff.h"

#include <array>
#include <initializer_list>
#include <optional>
#include <string_view>

#include "calculator/rules/controlnames.h"
#include "shell/rules/numbers.h"
#include "workups/rules/eso_diagnosis.h"

namespace ocu::eso {
namespace {

using handoff::Plan;
using handoff::Verb;
using enum handoff::Verb;

using handoff::Action;
using handoff::Actions;

using namespace calc::control;

// Step 1: the eye that does not fix turns in.
struct NonFixingRow {
    FixatingEye fixating;
    const char* select;
};
constexpr NonFixingRow kNonFixing[] = {
    {FixatingEye::OD, kEsoOS},
    {FixatingEye::OS, kEsoOD},
    {FixatingEye::AltOD, kEsoOS},
    {FixatingEye::AltOS, kEsoOD},
};

// Step 2: the oblique action, where there is a pattern.
struct ObliqueRow {
    std::string_view pattern;
    ObliqueAnswer answer;
    Actions actions;
};
constexpr ObliqueRow kObliqueWithPattern[] = {
    {kAPattern, ObliqueAnswer::SuperiorOveraction, handoff::oblique::kSuperior},
    {kAPattern, ObliqueAnswer::Normal, handoff::oblique::kNormal},
    {kVPattern, ObliqueAnswer::Normal, handoff::oblique::kNormal},
    {kVPattern, ObliqueAnswer::InferiorOveraction, handoff::oblique::kInferior},
};

// Step 3: a pattern without an oblique answer.
struct MissingAnswerRow {
    std::string_view pattern;
    const char* message;
};
constexpr MissingAnswerRow kMissingAnswer[] = {
    {kAPattern, "Please Select Oblique muscles Action And Go Back "},
    {kVPattern, "Please Select Oblique muscles Action Action And Go Back "},
};

// Step 4: the pattern.
struct PatternRow {
    std::string_view pattern;
    Actions actions;
};
constexpr PatternRow kPatterns[] = {
    {kNoPattern, {{Select, kNoPatternsOption}, {Enable, kNoPatternsOption}, {Disable, kAEsoOption},
                  {Disable, kVEsoOption}, {Disable, kXOption}, {Disable, kAExoOption}, {Disable, kVExoOption}}},
    {kAPattern, {{Disable, kNoPatternsOption}, {Select, kAEsoOption}, {Enable, kAEsoOption},
                 {Disable, kVEsoOption}, {Disable, kXOption}, {Disable, kAExoOption}, {Disable, kVExoOption}}},
    {kVPattern, {{Disable, kNoPatternsOption}, {Disable, kAEsoOption}, {Select, kVEsoOption},
                 {Enable, kVEsoOption}, {Disable, kXOption}, {Disable, kAExoOption}, {Disable, kVExoOption}}},
};

// Step 6: the amount procedure for the chosen option, up to 50 PD and above.
// Above 50 PD every option takes three or four muscles.
struct ProcedureRow {
    ChosenOption option;
    std::string_view text;
    Actions upTo50;
    Actions above50;
};
constexpr Actions kAbove50{{Press, kThreeOrFourMuscles}, {Hide, kRecessResect}, {Hide, kBilateralResection},
                           {Hide, kBilateralRecession}, {Hide, kReplan}};
constexpr ProcedureRow kProcedures[] = {
    {ChosenOption::One, kBilateralMrRecession,
     {{Press, kBilateralRecession}, {Disable, kRecessResect}, {Disable, kThreeOrFourMuscles},
      {Disable, kBilateralResection}, {Disable, kReplan}},
     kAbove50},
    {ChosenOption::One, kInfantileRecession,
     {{Press, kBilateralRecession}, {Disable, kRecessResect}, {Disable, kBilateralResection}, {Disable, kReplan},
      {Disable, kThreeOrFourMuscles}},
     kAbove50},
    {ChosenOption::Two, kLrResectionMrRecession,
     {{Press, kRecessResect}, {Disable, kBilateralRecession}, {Disable, kBilateralResection},
      {Disable, kThreeOrFourMuscles}, {Disable, kReplan}},
     kAbove50},
    {ChosenOption::Two, kBilateralLrResection,
     {{Press, kBilateralResection}, {Disable, kBilateralRecession}, {Disable, kRecessResect},
      {Disable, kThreeOrFourMuscles}, {Disable, kReplan}},
     kAbove50},
    {ChosenOption::One, kMrRecessionLrResection,
     {{Press, kRecessResect}, {Disable, kBilateralRecession}, {Disable, kBilateralResection},
      {Disable, kThreeOrFourMuscles}, {Disable, kReplan}},
     kAbove50},
};

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
constexpr auto BlMr = kBilateralMrRecession;
constexpr auto LrMr = kLrResectionMrRecession;
constexpr auto MrLr = kMrRecessionLrResection;
constexpr auto BlLr = kBilateralLrResection;
constexpr auto A = kAPattern;
constexpr auto V = kVPattern;
constexpr auto NoPattern = kNoPattern;
constexpr ProcedureTextRow kProcedureTexts[] = {
    {One, BlMr, A, N, "B/L Med. Rectus Recession + 5 mm Up shifting of Med. Rectus ", Back::Cyan},
    {One, BlMr, V, N, "B/L Med. Rectus Recession + 5 mm Down shifting of Med. Rectus", Back::Cyan},
    {One, BlMr, A, Sup, "B/L Med. Rectus Recession +Respective weakning Of Superior Obliques", Back::Unchanged},
    {One, BlMr, V, Inf, "B/L Med. Rectus Recession +Respective weakning Of Inf.Obliques", Back::Cyan},
    {Two, LrMr, A, N, "LR Resection (5mm Down Shift)+ MR Recession(5mm Up Shift)", Back::Cyan},
    {Two, LrMr, V, N, "LR Resection (5mm Up Shift) + MR Recession(5mm Down Shift)", Back::Cyan},
    {Two, LrMr, A, Sup, "LR Resection + MR Recession+ Respective weakning Of Superior Obliques", Back::Cyan},
    {One, MrLr, V, Inf, "MR Recession+LR Resection+Respective weakning Of Inf.Obliques", Back::Cyan},
    {One, MrLr, A, Sup, "MR Recession+LR Resection+Respective weakning Of Superior Obliques", Back::Cyan},
    {Two, BlLr, V, Inf, "B/L LR Resection+Respective weakning Of Inf.Obliques", Back::Cyan},
    {Two, BlLr, A, Sup, "MR Recession+LR Resection+Respective weakning Of Superior Obliques", Back::Cyan},
    {One, MrLr, NoPattern, Any, "MR Recession+LR Resection", Back::Cyan},
    {Two, BlLr, NoPattern, Any, "B/L LR Resection", Back::Cyan},
    {One, BlMr, NoPattern, Any, "B/L MR Recession", Back::Cyan},
    {Two, LrMr, NoPattern, Any, "LR Resection + MR Recession", Back::Cyan},
};

bool hasPattern(const HandoffInput& input) { return input.pattern == kAPattern || input.pattern == kVPattern; }

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
                plan.push_back({SetText, kMessageLine, row.message});
                handoff::append(plan, {{SetRedBack, kMessageLine}});
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

    // Step 5: the grade of an over-action, tried inferior 1 to 4, then superior 1 to 4.
    const bool overaction = input.oblique == ObliqueAnswer::InferiorOveraction ||
                            input.oblique == ObliqueAnswer::SuperiorOveraction;
    if (overaction && input.grade >= 1 && input.grade <= 4) {
        for (int grade = 1; grade <= 4; ++grade) {
            const char* button = kGrades[grade - 1];
            if (grade == input.grade) handoff::append(plan, {{Select, button}, {Enable, button}});
        }
        for (int grade = 1; grade <= 4; ++grade) {
            if (grade != input.grade) handoff::append(plan, {{Disable, kGrades[grade - 1]}});
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
            plan.push_back({SetText, kProcedureText, row.procedure});
            if (row.back == Back::Cyan) handoff::append(plan, {{SetCyanBack, kProcedureText}});
            break;
        }
    }

    handoff::appendDeviationAndPatient(plan, input.largerDeviation, input.patient);
    handoff::append(plan, {{Press, kEnter}, {Disable, kEnter}, {Press, kPatternsEnter}, {Disable, kPatternsEnter},
                           {Show, kBackToEso}, {Hide, kBackToExo}, {HideWorkup, ""}, {Hide, kReplan}});
    return plan;
}

}  // namespace ocu::eso
