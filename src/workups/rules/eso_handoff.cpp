#include "workups/rules/eso_handoff.h"

#include "calculator/rules/controlnames.h"
#include "workups/rules/eso_diagnosis.h"
#include "workups/rules/handoff_road.h"

namespace ocu::eso {
namespace {

using namespace handoff::tables;

// Step 2: the oblique action, where there is a pattern.
// clang-format off
constexpr ObliqueRow kObliqueWithPattern[] = {
    {kAPattern, Sup, oblique::kSuperior},
    {kAPattern, Normal, oblique::kNormal},
    {kVPattern, Normal, oblique::kNormal},
    {kVPattern, Inf, oblique::kInferior},
};
// clang-format on

// Step 3: a pattern without an oblique answer.
// clang-format off
constexpr MissingAnswerRow kMissingAnswer[] = {
    {kAPattern, ObliqueAnswer::None, "Please Select Oblique muscles Action And Go Back ", Back::Red},
    {kVPattern, ObliqueAnswer::None, "Please Select Oblique muscles Action Action And Go Back ", Back::Red},
};
// clang-format on

// Step 4: the pattern.
// clang-format off
constexpr PatternRow kPatterns[] = {
    {kNoPattern, {{Select, kNoPatternsOption}, {Enable, kNoPatternsOption}, {Disable, kAEsoOption},
                  {Disable, kVEsoOption}, {Disable, kXOption}, {Disable, kAExoOption}, {Disable, kVExoOption}}},
    {kAPattern, {{Disable, kNoPatternsOption}, {Select, kAEsoOption}, {Enable, kAEsoOption},
                 {Disable, kVEsoOption}, {Disable, kXOption}, {Disable, kAExoOption}, {Disable, kVExoOption}}},
    {kVPattern, {{Disable, kNoPatternsOption}, {Disable, kAEsoOption}, {Select, kVEsoOption},
                 {Enable, kVEsoOption}, {Disable, kXOption}, {Disable, kAExoOption}, {Disable, kVExoOption}}},
};
// clang-format on

// Step 6: the amount procedure for the chosen option. Above 50 PD every
// option takes three or four muscles.
constexpr Actions kThreeOrFourMusclesOnly{{Press, kThreeOrFourMuscles},
                                          {Hide, kRecessResect},
                                          {Hide, kBilateralResection},
                                          {Hide, kBilateralRecession},
                                          {Hide, kReplan}};
// clang-format off
constexpr ProcedureRow kProcedures[] = {
    {One, kBilateralMrRecession, upTo(50),
     {{Press, kBilateralRecession}, {Disable, kRecessResect}, {Disable, kThreeOrFourMuscles},
      {Disable, kBilateralResection}, {Disable, kReplan}}},
    {One, kBilateralMrRecession, above(50), kThreeOrFourMusclesOnly},
    {One, kInfantileRecession, upTo(50),
     {{Press, kBilateralRecession}, {Disable, kRecessResect}, {Disable, kBilateralResection}, {Disable, kReplan},
      {Disable, kThreeOrFourMuscles}}},
    {One, kInfantileRecession, above(50), kThreeOrFourMusclesOnly},
    {Two, kLrResectionMrRecession, upTo(50),
     {{Press, kRecessResect}, {Disable, kBilateralRecession}, {Disable, kBilateralResection},
      {Disable, kThreeOrFourMuscles}, {Disable, kReplan}}},
    {Two, kLrResectionMrRecession, above(50), kThreeOrFourMusclesOnly},
    {Two, kBilateralLrResection, upTo(50),
     {{Press, kBilateralResection}, {Disable, kBilateralRecession}, {Disable, kRecessResect},
      {Disable, kThreeOrFourMuscles}, {Disable, kReplan}}},
    {Two, kBilateralLrResection, above(50), kThreeOrFourMusclesOnly},
    {One, kMrRecessionLrResection, upTo(50),
     {{Press, kRecessResect}, {Disable, kBilateralRecession}, {Disable, kBilateralResection},
      {Disable, kThreeOrFourMuscles}, {Disable, kReplan}}},
    {One, kMrRecessionLrResection, above(50), kThreeOrFourMusclesOnly},
};
// clang-format on

// Step 7: the procedure text.
constexpr auto BlMr = kBilateralMrRecession;
constexpr auto LrMr = kLrResectionMrRecession;
constexpr auto MrLr = kMrRecessionLrResection;
constexpr auto BlLr = kBilateralLrResection;
constexpr auto A = kAPattern;
constexpr auto V = kVPattern;
constexpr auto NoPattern = kNoPattern;
// clang-format off
constexpr ProcedureTextRow kProcedureTexts[] = {
    {One, BlMr, A, Normal, "B/L Med. Rectus Recession + 5 mm Up shifting of Med. Rectus ", Back::Cyan},
    {One, BlMr, V, Normal, "B/L Med. Rectus Recession + 5 mm Down shifting of Med. Rectus", Back::Cyan},
    {One, BlMr, A, Sup, "B/L Med. Rectus Recession +Respective weakning Of Superior Obliques", Back::Unchanged},
    {One, BlMr, V, Inf, "B/L Med. Rectus Recession +Respective weakning Of Inf.Obliques", Back::Cyan},
    {Two, LrMr, A, Normal, "LR Resection (5mm Down Shift)+ MR Recession(5mm Up Shift)", Back::Cyan},
    {Two, LrMr, V, Normal, "LR Resection (5mm Up Shift) + MR Recession(5mm Down Shift)", Back::Cyan},
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
// clang-format on

// Step 1: the eye that does not fix turns in. Step 5: the grade, before
// the procedure. Last: back to this work-up, never Re-Plan.
constexpr Road kEsoRoad{.squintingEye = {kEsoOD, kEsoOS},
                        .obliques = kObliqueWithPattern,
                        .missingAnswers = kMissingAnswer,
                        .patterns = kPatterns,
                        .grade = GradeStep::BeforeProcedure,
                        .procedures = kProcedures,
                        .procedureTexts = kProcedureTexts,
                        .back = {{Show, kBackToEso}, {Hide, kBackToExo}, {HideWorkup, ""}, {Hide, kReplan}}};

}  // namespace

Plan handoffPlan(const workup::HandoffInput& input) { return planOf(kEsoRoad, input); }

}  // namespace ocu::eso
