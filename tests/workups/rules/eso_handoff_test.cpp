#include "workups/rules/eso_handoff.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "calculator/rules/controlnames.h"
#include "handoff_input.h"
#include "plan_lines.h"
#include "workups/rules/eso_diagnosis.h"

namespace ocu::eso {
namespace {

using namespace calc::control;
using namespace handoff::plan_lines;
using namespace workup;

// The part of the plan between the first line starting with any of `from`
// and the first line at or after it starting with `to` (exclusive).
std::vector<std::string> between(const std::vector<std::string>& plan, const std::vector<std::string>& from,
                                 const std::string& to) {
    auto starts = [](const std::string& line, const std::string& prefix) { return line.rfind(prefix, 0) == 0; };
    auto first = std::find_if(plan.begin(), plan.end(), [&](const auto& l) {
        return std::any_of(from.begin(), from.end(), [&](const std::string& prefix) { return starts(l, prefix); });
    });
    auto last = std::find_if(first, plan.end(), [&](const auto& l) { return starts(l, to); });
    return {first, last};
}

bool contains(const std::vector<std::string>& plan, const std::string& line) {
    return std::find(plan.begin(), plan.end(), line) != plan.end();
}

HandoffInput basic() {
    return odFixingOptionOne(kBilateralMrRecession, {"Asha Rao", "6", "F", "R-77", "Dr Mehta", "City Eye Clinic"});
}

TEST(EsoHandoff, OdFixatingNoPatternOptionOneUpTo50) {
    const auto plan = lines(handoffPlan(basic()));
    // clang-format off
    const std::vector<std::string> expected = {
        select(kEsoOS),
        select(kNoPatternsOption), enable(kNoPatternsOption), disable(kAEsoOption), disable(kVEsoOption),
        disable(kXOption), disable(kAExoOption), disable(kVExoOption),
        press(kBilateralRecession), disable(kRecessResect), disable(kThreeOrFourMuscles),
        disable(kBilateralResection), disable(kReplan),
        text(kProcedureText, "B/L MR Recession"), cyan(kProcedureText),
        text(kDeviation, "30"), text(kPatientName, "Asha Rao"), text(kAge, "6"), text(kSex, "F"),
        text(kRegistration, "R-77"), text(kConsultant, "Dr Mehta"), text(kHospital, "City Eye Clinic"),
        press(kEnter), disable(kEnter), press(kPatternsEnter), disable(kPatternsEnter), show(kBackToEso),
        hide(kBackToExo), "hide work-up", hide(kReplan)};
    EXPECT_EQ(plan, expected);
}

struct EyeCase { FixatingEye fixating; const char* select; };
class EsoHandoffEye : public testing::TestWithParam<EyeCase> {};
TEST_P(EsoHandoffEye, IsMarkedEsotropic) {
    HandoffInput input = basic();
    input.fixating = GetParam().fixating;
    const auto plan = lines(handoffPlan(input));
    if (GetParam().select == nullptr) {
        EXPECT_FALSE(contains(plan, select(kEsoOD)) || contains(plan, select(kEsoOS)));
    } else {
        // clang-format on
        EXPECT_EQ(plan.front(), select(GetParam().select));
    }
}
INSTANTIATE_TEST_SUITE_P(Rows, EsoHandoffEye,
                         testing::Values(EyeCase{FixatingEye::OD, kEsoOS}, EyeCase{FixatingEye::OS, kEsoOD},
                                         EyeCase{FixatingEye::AltOD, kEsoOS}, EyeCase{FixatingEye::AltOS, kEsoOD},
                                         EyeCase{FixatingEye::None, nullptr}));

// Pattern × oblique answer: the oblique step, the red message, the pattern step.
struct PatternCase {
    const char* name;
    std::string_view pattern;
    ObliqueAnswer oblique;
    std::vector<std::string> oblique_and_pattern;  // everything between the eye and the deviation
};
class EsoHandoffPattern : public testing::TestWithParam<PatternCase> {};
TEST_P(EsoHandoffPattern, StepsTwoToFour) {
    HandoffInput input = basic();
    input.pattern = GetParam().pattern;
    input.oblique = GetParam().oblique;
    input.chosen = ChosenOption::None;  // leaves the procedure steps out
    const auto plan = lines(handoffPlan(input));
    ASSERT_EQ(plan.front(), select(kEsoOS));
    const auto end =
        std::find_if(plan.begin(), plan.end(), [](const auto& l) { return l.rfind(text(kDeviation, ""), 0) == 0; });
    EXPECT_EQ(std::vector<std::string>(plan.begin() + 1, end), GetParam().oblique_and_pattern);
}
const std::vector<std::string> kPatternA = {disable(kNoPatternsOption), select(kAEsoOption), enable(kAEsoOption),
                                            disable(kVEsoOption),       disable(kXOption),   disable(kAExoOption),
                                            disable(kVExoOption)};
const std::vector<std::string> kPatternV = {disable(kNoPatternsOption), disable(kAEsoOption), select(kVEsoOption),
                                            enable(kVEsoOption),        disable(kXOption),    disable(kAExoOption),
                                            disable(kVExoOption)};
const std::vector<std::string> kNormalAnswered = {select(kObliquesNormal), enable(kObliquesNormal),
                                                  disable(kInferiorOveraction), disable(kSuperiorOveraction),
                                                  disable(kBothOveractions)};
std::vector<std::string> join(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
INSTANTIATE_TEST_SUITE_P(
    Rows, EsoHandoffPattern,
    testing::Values(
        PatternCase{"ASuperior", kAPattern, ObliqueAnswer::SuperiorOveraction,
                    join({disable(kObliquesNormal), disable(kInferiorOveraction), select(kSuperiorOveraction),
                          enable(kSuperiorOveraction), disable(kBothOveractions)},
                         kPatternA)},
        PatternCase{"ANormal", kAPattern, ObliqueAnswer::Normal, join(kNormalAnswered, kPatternA)},
        PatternCase{"VNormal", kVPattern, ObliqueAnswer::Normal, join(kNormalAnswered, kPatternV)},
        PatternCase{"VInferior", kVPattern, ObliqueAnswer::InferiorOveraction,
                    join({disable(kObliquesNormal), select(kInferiorOveraction), enable(kInferiorOveraction),
                          disable(kSuperiorOveraction), disable(kBothOveractions)},
                         kPatternV)},
        PatternCase{"AInferiorHasNoObliqueRow", kAPattern, ObliqueAnswer::InferiorOveraction, kPatternA},
        PatternCase{"AMissingAnswer", kAPattern, ObliqueAnswer::None,
                    join({text(kMessageLine, "Please Select Oblique muscles Action And Go Back "), red(kMessageLine)},
                         kPatternA)},
        PatternCase{
            "VMissingAnswer", kVPattern, ObliqueAnswer::None,
            join({text(kMessageLine, "Please Select Oblique muscles Action Action And Go Back "), red(kMessageLine)},
                 kPatternV)},
        PatternCase{"LowerCaseIsNoPattern", "a", ObliqueAnswer::None, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EsoHandoff, NoPatternWithoutObliqueAnswerGivesNoRedMessage) {
    HandoffInput input = basic();
    input.oblique = ObliqueAnswer::None;
    EXPECT_FALSE(contains(lines(handoffPlan(input)), red(kMessageLine)));
}

struct GradeCase {
    ObliqueAnswer oblique;
    int grade;
    const char* selected;
};
class EsoHandoffGrade : public testing::TestWithParam<GradeCase> {};
TEST_P(EsoHandoffGrade, IsPassedOnlyWithAnOveraction) {
    HandoffInput input = basic();
    input.oblique = GetParam().oblique;
    input.grade = GetParam().grade;
    const auto plan = lines(handoffPlan(input));
    for (const char* button : kGrades) {
        const bool chosen = GetParam().selected != nullptr && std::string(button) == GetParam().selected;
        EXPECT_EQ(contains(plan, select(button)), chosen) << button;
        EXPECT_EQ(contains(plan, enable(button)), chosen) << button;
        EXPECT_EQ(contains(plan, disable(button)), GetParam().selected != nullptr && !chosen) << button;
    }
}
INSTANTIATE_TEST_SUITE_P(Rows, EsoHandoffGrade,
                         testing::Values(GradeCase{ObliqueAnswer::InferiorOveraction, 1, kGrade1},
                                         GradeCase{ObliqueAnswer::InferiorOveraction, 3, kGrade3},
                                         GradeCase{ObliqueAnswer::SuperiorOveraction, 2, kGrade2},
                                         GradeCase{ObliqueAnswer::SuperiorOveraction, 4, kGrade4},
                                         GradeCase{ObliqueAnswer::Normal, 3, nullptr},
                                         GradeCase{ObliqueAnswer::None, 2, nullptr},
                                         GradeCase{ObliqueAnswer::InferiorOveraction, 0, nullptr}));

// The amount procedure: option × text × deviation band (50 is up to 50).
struct ProcedureCase {
    const char* name;
    ChosenOption chosen;
    std::string_view text;
    const char* larger;
    std::vector<std::string> steps;
};
class EsoHandoffProcedure : public testing::TestWithParam<ProcedureCase> {};
// The procedure's steps begin with its button's press; without a procedure
// nothing is pressed before the patterns frame's ENTER.
const std::vector<std::string> kProcedureStarts = {press(kBilateralRecession), press(kRecessResect),
                                                   press(kThreeOrFourMuscles), press(kBilateralResection),
                                                   press(kPatternsEnter)};
TEST_P(EsoHandoffProcedure, PressesThenDisablesOrHides) {
    HandoffInput input = basic();
    input.chosen = GetParam().chosen;
    input.chosenText = GetParam().text;
    input.largerDeviation = GetParam().larger;
    const auto plan = lines(handoffPlan(input));
    EXPECT_EQ(between(plan, kProcedureStarts, "text "), GetParam().steps);
}
const std::vector<std::string> kAbove50 = {press(kThreeOrFourMuscles), hide(kRecessResect), hide(kBilateralResection),
                                           hide(kBilateralRecession), hide(kReplan)};
// Without a procedure the first press is the patterns frame's ENTER of the
// finishing steps.
const std::vector<std::string> kNoProcedure = {press(kPatternsEnter), disable(kPatternsEnter), show(kBackToEso),
                                               hide(kBackToExo),      "hide work-up",          hide(kReplan)};
const std::vector<std::string> kBilateralRecessionUpTo50 = {press(kBilateralRecession), disable(kRecessResect),
                                                            disable(kThreeOrFourMuscles), disable(kBilateralResection),
                                                            disable(kReplan)};
const std::vector<std::string> kRecessResectUpTo50 = {press(kRecessResect), disable(kBilateralRecession),
                                                      disable(kBilateralResection), disable(kThreeOrFourMuscles),
                                                      disable(kReplan)};
INSTANTIATE_TEST_SUITE_P(
    Rows, EsoHandoffProcedure,
    testing::Values(
        ProcedureCase{"BilateralMrRecession30", ChosenOption::One, kBilateralMrRecession, "30",
                      kBilateralRecessionUpTo50},
        ProcedureCase{"Exactly50IsUpTo50", ChosenOption::One, kBilateralMrRecession, "50", kBilateralRecessionUpTo50},
        ProcedureCase{"BilateralMrRecession60", ChosenOption::One, kBilateralMrRecession, "60", kAbove50},
        ProcedureCase{"JustAbove50", ChosenOption::One, kBilateralMrRecession, "50.5", kAbove50},
        ProcedureCase{"InfantileUpTo50",
                      ChosenOption::One,
                      kInfantileRecession,
                      "45",
                      {press(kBilateralRecession), disable(kRecessResect), disable(kBilateralResection),
                       disable(kReplan), disable(kThreeOrFourMuscles)}},
        ProcedureCase{"InfantileAbove50", ChosenOption::One, kInfantileRecession, "55", kAbove50},
        ProcedureCase{"RecessResect", ChosenOption::Two, kLrResectionMrRecession, "20", kRecessResectUpTo50},
        ProcedureCase{"BilateralLrResection",
                      ChosenOption::Two,
                      kBilateralLrResection,
                      "20",
                      {press(kBilateralResection), disable(kBilateralRecession), disable(kRecessResect),
                       disable(kThreeOrFourMuscles), disable(kReplan)}},
        ProcedureCase{"BilateralLrResectionAbove50", ChosenOption::Two, kBilateralLrResection, "70", kAbove50},
        ProcedureCase{"MrRecessionLrResection", ChosenOption::One, kMrRecessionLrResection, "25", kRecessResectUpTo50},
        ProcedureCase{"TextOnTheWrongOption", ChosenOption::Two, kBilateralMrRecession, "30", kNoProcedure},
        ProcedureCase{"NonSurgical", ChosenOption::One, kNonSurgical, "30", kNoProcedure},
        ProcedureCase{"NoOptionChosen", ChosenOption::None, kBilateralMrRecession, "30", kNoProcedure}),
    [](const auto& info) { return std::string(info.param.name); });

struct TextCase {
    const char* name;
    ChosenOption chosen;
    std::string_view text;
    std::string_view pattern;
    ObliqueAnswer oblique;
    const char* procedure;  // nullptr: nothing written
    bool cyan;
};
class EsoHandoffText : public testing::TestWithParam<TextCase> {};
TEST_P(EsoHandoffText, FromOptionPatternAndObliqueAnswer) {
    HandoffInput input = basic();
    input.chosen = GetParam().chosen;
    input.chosenText = GetParam().text;
    input.pattern = GetParam().pattern;
    input.oblique = GetParam().oblique;
    const auto plan = lines(handoffPlan(input));
    const auto written = between(plan, {text(kProcedureText, "")}, text(kDeviation, ""));
    if (GetParam().procedure == nullptr) {
        EXPECT_TRUE(written.empty());
        return;
    }
    std::vector<std::string> expected = {text(kProcedureText, GetParam().procedure)};
    if (GetParam().cyan) expected.push_back(cyan(kProcedureText));
    EXPECT_EQ(written, expected);
}
constexpr auto One = ChosenOption::One;
constexpr auto Two = ChosenOption::Two;
constexpr auto Nor = ObliqueAnswer::Normal;
constexpr auto Inf = ObliqueAnswer::InferiorOveraction;
constexpr auto Sup = ObliqueAnswer::SuperiorOveraction;
constexpr auto Non = ObliqueAnswer::None;
INSTANTIATE_TEST_SUITE_P(
    Rows, EsoHandoffText,
    testing::Values(
        TextCase{"BlMrA", One, kBilateralMrRecession, kAPattern, Nor,
                 "B/L Med. Rectus Recession + 5 mm Up shifting of Med. Rectus ", true},
        TextCase{"BlMrV", One, kBilateralMrRecession, kVPattern, Nor,
                 "B/L Med. Rectus Recession + 5 mm Down shifting of Med. Rectus", true},
        TextCase{"BlMrASupKeepsBackground", One, kBilateralMrRecession, kAPattern, Sup,
                 "B/L Med. Rectus Recession +Respective weakning Of Superior Obliques", false},
        TextCase{"BlMrVInf", One, kBilateralMrRecession, kVPattern, Inf,
                 "B/L Med. Rectus Recession +Respective weakning Of Inf.Obliques", true},
        TextCase{"RrA", Two, kLrResectionMrRecession, kAPattern, Nor,
                 "LR Resection (5mm Down Shift)+ MR Recession(5mm Up Shift)", true},
        TextCase{"RrV", Two, kLrResectionMrRecession, kVPattern, Nor,
                 "LR Resection (5mm Up Shift) + MR Recession(5mm Down Shift)", true},
        TextCase{"RrASup", Two, kLrResectionMrRecession, kAPattern, Sup,
                 "LR Resection + MR Recession+ Respective weakning Of Superior Obliques", true},
        TextCase{"MrLrVInf", One, kMrRecessionLrResection, kVPattern, Inf,
                 "MR Recession+LR Resection+Respective weakning Of Inf.Obliques", true},
        TextCase{"MrLrASup", One, kMrRecessionLrResection, kAPattern, Sup,
                 "MR Recession+LR Resection+Respective weakning Of Superior Obliques", true},
        TextCase{"BlLrVInf", Two, kBilateralLrResection, kVPattern, Inf,
                 "B/L LR Resection+Respective weakning Of Inf.Obliques", true},
        TextCase{"BlLrASup", Two, kBilateralLrResection, kAPattern, Sup,
                 "MR Recession+LR Resection+Respective weakning Of Superior Obliques", true},
        TextCase{"MrLrNoPattern", One, kMrRecessionLrResection, kNoPattern, Inf, "MR Recession+LR Resection", true},
        TextCase{"BlLrNoPattern", Two, kBilateralLrResection, kNoPattern, Non, "B/L LR Resection", true},
        TextCase{"BlMrNoPattern", One, kBilateralMrRecession, kNoPattern, Sup, "B/L MR Recession", true},
        TextCase{"RrNoPattern", Two, kLrResectionMrRecession, kNoPattern, Nor, "LR Resection + MR Recession", true},
        TextCase{"InfantileWritesNothing", One, kInfantileRecession, kNoPattern, Nor, nullptr, false},
        TextCase{"BlMrAMissingAnswer", One, kBilateralMrRecession, kAPattern, Non, nullptr, false},
        TextCase{"NonSurgical", One, kNonSurgical, kNoPattern, Nor, nullptr, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ocu::eso
