#include "workups/rules/exo_handoff.h"

#include <string_view>

#include "calculator/rules/controlnames.h"
#include "shell/rules/numbers.h"

namespace ocu::exo {
namespace {

using handoff::Actions;
using handoff::Plan;
using enum handoff::Verb;

using namespace calc::control;

// Step 1: the eye that does not fix turns out.
struct NonFixingRow {
    FixatingEye fixating;
    const char* select;
};
constexpr NonFixingRow kNonFixing[] = {
    {FixatingEye::OD, kExoOS},
    {FixatingEye::OS, kExoOD},
    {FixatingEye::AltOD, kExoOS},
    {FixatingEye::AltOS, kExoOD},
};

// Step 2: the oblique action, where there is an A or V pattern.
struct ObliqueRow {
    std::string_view pattern;
    ObliqueAnswer answer;
    Actions actions;
};
constexpr ObliqueRow kObliqueWithPattern[] = {
    {kAPattern, ObliqueAnswer::SuperiorOveraction, handoff::oblique::kSuperior},
    {kAPattern, ObliqueAnswer::Normal, handoff::oblique::kNormal},
    {kVPattern, ObliqueAnswer::Normal,
     {handoff::oblique::kNormal, {{Select, kVExoOption}, {Disable, kNoPatternsOption}, {Disable, kAExoOption}}}},
    {kVPattern, ObliqueAnswer::InferiorOveraction, handoff::oblique::kInferior},
};

// Step 3: an A or V pattern without an oblique answer; the message line
// keeps its colour.
struct MissingAnswerRow {
    std::string_view pattern;
    const char* message;
};
constexpr MissingAnswerRow kMissingAnswer[] = {
    {kAPattern, "Please Select Oblique muscles Action "},
    {kVPattern, "Please Select Oblique Muscles Action "},
};

// Step 4: a delta pattern is the only pattern the calculator may show.
constexpr Actions kDelta{{Disable, kNoPatternsOption}, {Deselect, kAEsoOption}, {Disable, kAEsoOption},
                         {Disable, kVEsoOption}, {Disable, kXOption}, {Disable, kAExoOption},
                         {Disable, kVExoOption}, {Enable, kDeltaOption}, {Disable, kYOption},
                         {Select, kDeltaOption}};

// Step 5: the amount procedure for the chosen option, up to 50 PD and above.
// Procedures not pressed are disabled, never hidden.
struct ProcedureRow {
    ChosenOption option;
    std::string_view text;
    Actions upTo50;
    Actions above50;
};
constexpr ProcedureRow kProcedures[] = {
    {ChosenOption::One, kLrRecession,
     {{Press, kBilateralRecession}, {Enable, kBilateralRecession}, {Disable, kRecessResect},
      {Disable, kThreeOrFourMuscles}, {Disable, kReplan}, {Disable, kBilateralResection}},
     {{Press, kThreeOrFourMuscles}, {Enable, kThreeOrFourMuscles}, {Disable, kBilateralRecession},
      {Disable, kRecessResect}, {Disable, kReplan}, {Disable, kBilateralResection}}},
    {ChosenOption::One, kMrResection,
     {{Disable, kBilateralRecession}, {Disable, kRecessResect}, {Enable, kBilateralResection},
      {Press, kBilateralResection}},
     {{Press, kThreeOrFourMuscles}, {Enable, kThreeOrFourMuscles}, {Disable, kBilateralRecession},
      {Disable, kRecessResect}, {Disable, kBilateralResection}, {Disable, kReplan}}},
    {ChosenOption::Two, kLrRecessionMrResection,
     {{Press, kRecessResect}, {Enable, kRecessResect}, {Disable, kBilateralRecession},
      {Disable, kThreeOrFourMuscles}, {Disable, kReplan}, {Disable, kBilateralResection}},
     {{Press, kThreeOrFourMuscles}, {Enable, kThreeOrFourMuscles}, {Disable, kBilateralRecession},
      {Disable, kRecessResect}, {Disable, kBilateralResection}, {Disable, kReplan}}},
};

// Step 6: the work-up's option 1 for a delta pattern.
constexpr ResultEntry kDeltaOption1{"Nasal Shifting Both Inferior Rectus ", kResultColour};

// Step 8: the procedure text. A row without an oblique answer takes any.
enum class Back { Cyan, Unchanged };
struct ProcedureTextRow {
    ChosenOption option;
    std::string_view text;
    std::string_view pattern;
    std::optional<ObliqueAnswer> oblique;
    const char* procedure;
    Back back;
};
constexpr auto Normal = ObliqueAnswer::Normal;
constexpr auto Inf = ObliqueAnswer::InferiorOveraction;
constexpr auto Sup = ObliqueAnswer::SuperiorOveraction;
constexpr auto One = ChosenOption::One;
constexpr auto Two = ChosenOption::Two;
constexpr std::nullopt_t Any = std::nullopt;
constexpr ProcedureTextRow kProcedureTexts[] = {
    {One, kLrRecession, kAPattern, Normal, "B/L Lat.Rectus Recession With 5 mm Down Shift", Back::Cyan},
    {One, kLrRecession, kNoPattern, Any, "B/L Lat.Rectus Recession ", Back::Cyan},
    {One, kLrRecession, kVPattern, Normal, "B/L Lat.Rectus Recession With 5mm Up shift", Back::Cyan},
    {One, kLrRecession, kAPattern, Sup, "B/L Lat.Rectus Recession With Respective Superior Obliques Weaking",
     Back::Cyan},
    {One, kLrRecession, kVPattern, Inf, "B/L Lat.Rectus Recession With Respective Inferior Obliques Weaking",
     Back::Cyan},
    {Two, kLrRecessionMrResection, kAPattern, Normal,
     " Lat.Rectus Recession (5mm Down Shift) + Medial Rectus Resection(5mm Up Shift)", Back::Cyan},
    {Two, kLrRecessionMrResection, kVPattern, Normal,
     " Lat.Rectus Recession (5 mm Up Shift) + Medial Rectus Resection(5 mm Down Shift))", Back::Cyan},
    {Two, kLrRecessionMrResection, kAPattern, Sup,
     " Lat.Rectus Recession + Medial Rectus Resection+Respective Weaking Sup. Obliques", Back::Unchanged},
    {Two, kLrRecessionMrResection, kVPattern, Inf,
     " Lat.Rectus Recession + Medial Rectus Resection+Respective Weaking Inf.Obliques", Back::Cyan},
    {Two, kLrRecessionMrResection, kNoPattern, Any, " Lat.Rectus Recession + Medial Rectus Resection", Back::Cyan},
    {One, kMrResection, kNoPattern, Any, "B/L Med.Rectus Resection ", Back::Unchanged},
};

bool isAOrV(std::string_view pattern) { return pattern == kAPattern || pattern == kVPattern; }

}  // namespace

Handoff handoffPlan(const HandoffInput& input) {
    Handoff result;
    Plan& plan = result.plan;

    for (const NonFixingRow& row : kNonFixing) {
        if (row.fixating == input.fixating) {
            append(plan, {{Select, row.select}});
            break;
        }
    }

    for (const ObliqueRow& row : kObliqueWithPattern) {
        if (row.pattern == input.pattern && row.answer == input.oblique) {
            append(plan, row.actions);
            break;
        }
    }

    const bool answered = input.oblique == Normal || input.oblique == Inf || input.oblique == Sup;
    if (isAOrV(input.pattern) && !answered) {
        for (const MissingAnswerRow& row : kMissingAnswer) {
            if (row.pattern == input.pattern) {
                plan.push_back({SetText, kMessageLine, row.message});
                break;
            }
        }
    }

    if (input.pattern == kDeltaPattern) append(plan, kDelta);

    const bool upTo50 = leadingNumber(input.largerDeviation) <= 50;
    for (const ProcedureRow& row : kProcedures) {
        if (row.option == input.chosen && row.text == input.chosenText) {
            append(plan, upTo50 ? row.upTo50 : row.above50);
            break;
        }
    }

    if (input.pattern == kDeltaPattern) result.workupOption1 = kDeltaOption1;

    // Step 7: the grade of an over-action.
    if ((input.oblique == Inf || input.oblique == Sup) && input.grade >= 1 && input.grade <= 4) {
        append(plan, {{Select, kGrades[input.grade - 1]}});
    }

    for (const ProcedureTextRow& row : kProcedureTexts) {
        if (row.option == input.chosen && row.text == input.chosenText && row.pattern == input.pattern &&
            (!row.oblique || *row.oblique == input.oblique)) {
            plan.push_back({SetText, kProcedureText, row.procedure});
            if (row.back == Back::Cyan) append(plan, {{SetCyanBack, kProcedureText}});
            break;
        }
    }

    handoff::appendDeviationAndPatient(plan, input.largerDeviation, input.patient);
    append(plan, {{Press, kEnter}, {Disable, kEnter}, {Press, kPatternsEnter}, {Disable, kPatternsEnter},
                  {Show, kBackToExo}, {Hide, kBackToEso}, {HideWorkup, ""}, {Disable, kReplan}});
    return result;
}

}  // namespace ocu::exo
