#include "workups/rules/exo_handoff.h"

#include "calculator/rules/controlnames.h"
#include "workups/rules/exo_diagnosis.h"
#include "workups/rules/handoff_road.h"

namespace ocu::exo {
namespace {

using namespace handoff::tables;

// Step 2: the oblique action, where there is an A or V pattern. A normal
// answer to a V pattern also selects the calculator's V pattern.
constexpr Actions kNormalForV{oblique::kNormal,
                              {{Select, kVExoOption}, {Disable, kNoPatternsOption}, {Disable, kAExoOption}}};
// clang-format off
constexpr ObliqueRow kObliqueWithPattern[] = {
    {kAPattern, Sup, oblique::kSuperior},
    {kAPattern, Normal, oblique::kNormal},
    {kVPattern, Normal, kNormalForV},
    {kVPattern, Inf, oblique::kInferior},
};
// clang-format on

// Step 3: an A or V pattern without one of its answers; the message line
// keeps its colour.
constexpr auto Both = ObliqueAnswer::BothOveractions;
constexpr auto Unanswered = ObliqueAnswer::None;
// clang-format off
constexpr MissingAnswerRow kMissingAnswer[] = {
    {kAPattern, Unanswered, "Please Select Oblique muscles Action ", Back::Unchanged},
    {kAPattern, Both, "Please Select Oblique muscles Action ", Back::Unchanged},
    {kVPattern, Unanswered, "Please Select Oblique Muscles Action ", Back::Unchanged},
    {kVPattern, Both, "Please Select Oblique Muscles Action ", Back::Unchanged},
};
// clang-format on

// Step 4: a delta pattern is the only pattern the calculator may show.
// clang-format off
constexpr PatternRow kPatterns[] = {
    {kDeltaPattern, {{Disable, kNoPatternsOption}, {Deselect, kAEsoOption}, {Disable, kAEsoOption},
                     {Disable, kVEsoOption}, {Disable, kXOption}, {Disable, kAExoOption}, {Disable, kVExoOption},
                     {Enable, kDeltaOption}, {Disable, kYOption}, {Select, kDeltaOption}}},
};
// clang-format on

// Step 5: the amount procedure for the chosen option. Procedures not
// pressed are disabled, never hidden.
// clang-format off
constexpr ProcedureRow kProcedures[] = {
    {One, kLrRecession, upTo(50),
     {{Press, kBilateralRecession}, {Enable, kBilateralRecession}, {Disable, kRecessResect},
      {Disable, kThreeOrFourMuscles}, {Disable, kReplan}, {Disable, kBilateralResection}}},
    {One, kLrRecession, above(50),
     {{Press, kThreeOrFourMuscles}, {Enable, kThreeOrFourMuscles}, {Disable, kBilateralRecession},
      {Disable, kRecessResect}, {Disable, kReplan}, {Disable, kBilateralResection}}},
    {One, kMrResection, upTo(50),
     {{Disable, kBilateralRecession}, {Disable, kRecessResect}, {Enable, kBilateralResection},
      {Press, kBilateralResection}}},
    {One, kMrResection, above(50),
     {{Press, kThreeOrFourMuscles}, {Enable, kThreeOrFourMuscles}, {Disable, kBilateralRecession},
      {Disable, kRecessResect}, {Disable, kBilateralResection}, {Disable, kReplan}}},
    {Two, kLrRecessionMrResection, upTo(50),
     {{Press, kRecessResect}, {Enable, kRecessResect}, {Disable, kBilateralRecession},
      {Disable, kThreeOrFourMuscles}, {Disable, kReplan}, {Disable, kBilateralResection}}},
    {Two, kLrRecessionMrResection, above(50),
     {{Press, kThreeOrFourMuscles}, {Enable, kThreeOrFourMuscles}, {Disable, kBilateralRecession},
      {Disable, kRecessResect}, {Disable, kBilateralResection}, {Disable, kReplan}}},
};
// clang-format on

// Step 8: the procedure text.
// clang-format off
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
// clang-format on

// Step 6, on the work-up itself: its option 1 for a delta pattern.
constexpr ResultEntry kDeltaOption1{"Nasal Shifting Both Inferior Rectus ", kResultColour};

// Step 1: the eye that does not fix turns out. Step 7: the grade, after
// the procedure. Last: back to this work-up, Re-Plan kept but disabled.
constexpr Road kExoRoad{.squintingEye = {kExoOD, kExoOS},
                        .obliques = kObliqueWithPattern,
                        .missingAnswers = kMissingAnswer,
                        .patterns = kPatterns,
                        .grade = GradeStep::AfterProcedure,
                        .procedures = kProcedures,
                        .procedureTexts = kProcedureTexts,
                        .back = {{Show, kBackToExo}, {Hide, kBackToEso}, {HideWorkup, ""}, {Disable, kReplan}}};

}  // namespace

Handoff handoffPlan(const workup::HandoffInput& input) {
    Handoff result{planOf(kExoRoad, input), std::nullopt};
    if (input.pattern == kDeltaPattern) result.workupOption1 = kDeltaOption1;
    return result;
}

}  // namespace ocu::exo
