#include "workups/rules/exo_handoff.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "calculator/rules/controlnames.h"
#include "handoff_input.h"
#include "plan_lines.h"
#include "workups/rules/exo_diagnosis.h"

namespace ocu::exo {
namespace {

using namespace calc::control;
using namespace handoff::plan_lines;
using namespace workup;

bool startsWith(const std::string& line, const std::string& prefix) { return line.rfind(prefix, 0) == 0; }

// The lines naming any of the controls, in plan order.
Lines touching(const Lines& plan, const std::vector<std::string>& controls) {
    Lines out;
    for (const std::string& line : plan) {
        for (const std::string& control : controls) {
            const auto at = line.find(' ');
            if (at != std::string::npos && line.compare(at + 1, std::string::npos, control) == 0) out.push_back(line);
            if (at != std::string::npos && startsWith(line.substr(at + 1), control + " =")) out.push_back(line);
        }
    }
    return out;
}

const std::vector<std::string> kProcedureButtons = {kBilateralRecession, kRecessResect, kThreeOrFourMuscles,
                                                    kBilateralResection, kReplan};
const std::vector<std::string> kPatternButtons = {kNoPatternsOption, kAEsoOption, kVEsoOption, kXOption,
                                                  kDeltaOption,      kAExoOption, kVExoOption, kYOption};
const std::vector<std::string> kObliqueButtons = {kObliquesNormal, kInferiorOveraction, kSuperiorOveraction,
                                                  kBothOveractions};

HandoffInput basic() {
    return odFixingOptionOne(kLrRecession, {"Ravi Kumar", "9", "M", "X-12", "Dr Iyer", "Lake Eye Hospital"});
}

TEST(ExoHandoff, OdFixatingNoPatternOptionOneUpTo50) {
    const Handoff handoff = handoffPlan(basic());
    // clang-format off
    const Lines expected = {
        select(kExoOS),
        press(kBilateralRecession), enable(kBilateralRecession), disable(kRecessResect),
        disable(kThreeOrFourMuscles), disable(kReplan), disable(kBilateralResection),
        text(kProcedureText, "B/L Lat.Rectus Recession "), cyan(kProcedureText),
        text(kDeviation, "30"), text(kPatientName, "Ravi Kumar"), text(kAge, "9"), text(kSex, "M"),
        text(kRegistration, "X-12"), text(kConsultant, "Dr Iyer"), text(kHospital, "Lake Eye Hospital"),
        press(kEnter), disable(kEnter), press(kPatternsEnter), disable(kPatternsEnter),
        show(kBackToExo), hide(kBackToEso), "hide work-up", disable(kReplan)};
    EXPECT_EQ(lines(handoff.plan), expected);
    EXPECT_EQ(handoff.workupOption1, std::nullopt);
}

TEST(ExoHandoff, TheNonFixingEyeTurnsOut) {
    const std::pair<FixatingEye, std::string> rows[] = {
        {FixatingEye::OD, select(kExoOS)}, {FixatingEye::OS, select(kExoOD)},
        {FixatingEye::AltOD, select(kExoOS)}, {FixatingEye::AltOS, select(kExoOD)}};
    for (const auto& [fixating, line] : rows) {
        HandoffInput input = basic();
        input.fixating = fixating;
        EXPECT_EQ(lines(handoffPlan(input).plan).front(), line);
    }
    // clang-format on
    HandoffInput none = basic();
    none.fixating = FixatingEye::None;
    EXPECT_EQ(touching(lines(handoffPlan(none).plan), {kExoOD, kExoOS, kEsoOD, kEsoOS}), Lines{});
}

// --- Step 5: amount procedure -----------------------------------------------------

struct ProcedureCase {
    const char* name;
    ChosenOption chosen;
    std::string_view text;
    const char* larger;
    Lines procedure;  // every line touching a procedure button, Re-Plan's last one aside
};

class ExoProcedure : public ::testing::TestWithParam<ProcedureCase> {};

TEST_P(ExoProcedure, ChosenOptionAndLargerDeviation) {
    const ProcedureCase& c = GetParam();
    HandoffInput input = basic();
    input.chosen = c.chosen;
    input.chosenText = c.text;
    input.largerDeviation = c.larger;
    Lines got = touching(lines(handoffPlan(input).plan), kProcedureButtons);
    ASSERT_FALSE(got.empty());
    EXPECT_EQ(got.back(), disable(kReplan));  // Step 9 always disables Re-Plan
    got.pop_back();
    EXPECT_EQ(got, c.procedure);
}

const Lines kThreeOrFour = {
    press(kThreeOrFourMuscles), enable(kThreeOrFourMuscles), disable(kBilateralRecession), disable(kRecessResect),
    disable(kReplan),           disable(kBilateralResection)};
const Lines kThreeOrFourAfterResection = {press(kThreeOrFourMuscles),   enable(kThreeOrFourMuscles),
                                          disable(kBilateralRecession), disable(kRecessResect),
                                          disable(kBilateralResection), disable(kReplan)};

INSTANTIATE_TEST_SUITE_P(
    Rows, ExoProcedure,
    ::testing::Values(ProcedureCase{"RecessionAt50",
                                    ChosenOption::One,
                                    kLrRecession,
                                    "50",
                                    {press(kBilateralRecession), enable(kBilateralRecession), disable(kRecessResect),
                                     disable(kThreeOrFourMuscles), disable(kReplan), disable(kBilateralResection)}},
                      ProcedureCase{"RecessionAbove50", ChosenOption::One, kLrRecession, "60", kThreeOrFour},
                      ProcedureCase{"ResectionUpTo50",
                                    ChosenOption::One,
                                    kMrResection,
                                    "20",
                                    {disable(kBilateralRecession), disable(kRecessResect), enable(kBilateralResection),
                                     press(kBilateralResection)}},
                      ProcedureCase{"ResectionAbove50", ChosenOption::One, kMrResection, "50.5",
                                    kThreeOrFourAfterResection},
                      ProcedureCase{"RecessResectUpTo50",
                                    ChosenOption::Two,
                                    kLrRecessionMrResection,
                                    "30",
                                    {press(kRecessResect), enable(kRecessResect), disable(kBilateralRecession),
                                     disable(kThreeOrFourMuscles), disable(kReplan), disable(kBilateralResection)}},
                      ProcedureCase{"RecessResectAbove50", ChosenOption::Two, kLrRecessionMrResection, "70",
                                    kThreeOrFourAfterResection},
                      ProcedureCase{"OptionTwoTextAsOptionOne", ChosenOption::One, kLrRecessionMrResection, "30", {}},
                      ProcedureCase{"NonSurgical", ChosenOption::One, kNonSurgical, "10", {}},
                      ProcedureCase{"MinusLenses", ChosenOption::One, kMinusLenses, "30", {}}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Steps 2, 3, 4 and 7: obliques, patterns and grades ------------------------------

TEST(ExoHandoff, ObliqueActionWithAPattern) {
    struct Case {
        std::string_view pattern;
        ObliqueAnswer oblique;
        Lines obliques;
    };
    const Lines normalAnswered = {select(kObliquesNormal), enable(kObliquesNormal), disable(kInferiorOveraction),
                                  disable(kSuperiorOveraction), disable(kBothOveractions)};
    Lines normalAnsweredV = normalAnswered;
    normalAnsweredV.insert(normalAnsweredV.end(),
                           {select(kVExoOption), disable(kNoPatternsOption), disable(kAExoOption)});
    // clang-format off
    const Case cases[] = {
        {kAPattern, ObliqueAnswer::SuperiorOveraction,
         {disable(kObliquesNormal), disable(kInferiorOveraction), select(kSuperiorOveraction),
          enable(kSuperiorOveraction), disable(kBothOveractions)}},
        {kAPattern, ObliqueAnswer::Normal, normalAnswered},
        {kVPattern, ObliqueAnswer::Normal, normalAnsweredV},
        {kVPattern, ObliqueAnswer::InferiorOveraction,
         {disable(kObliquesNormal), select(kInferiorOveraction), enable(kInferiorOveraction),
          disable(kSuperiorOveraction), disable(kBothOveractions)}},
        {kAPattern, ObliqueAnswer::InferiorOveraction, {}},
        {kNoPattern, ObliqueAnswer::Normal, {}},
        {" A Patterns Exotropia", ObliqueAnswer::Normal, {}},  // compared exactly
    };
    // clang-format on
    for (const Case& c : cases) {
        HandoffInput input = basic();
        input.pattern = c.pattern;
        input.oblique = c.oblique;
        std::vector<std::string> controls = kObliqueButtons;
        controls.insert(controls.end(), kPatternButtons.begin(), kPatternButtons.end());
        EXPECT_EQ(touching(lines(handoffPlan(input).plan), controls), c.obliques) << '"' << c.pattern << '"';
    }
}

TEST(ExoHandoff, AnAOrVPatternWithoutAnObliqueAnswerIsNamedOnTheMessageLine) {
    struct Case {
        std::string_view pattern;
        ObliqueAnswer oblique;
        Lines message;
    };
    // clang-format off
    const Case cases[] = {
        {kAPattern, ObliqueAnswer::None, {text(kMessageLine, "Please Select Oblique muscles Action ")}},
        {kVPattern, ObliqueAnswer::None, {text(kMessageLine, "Please Select Oblique Muscles Action ")}},
        {kVPattern, ObliqueAnswer::BothOveractions, {text(kMessageLine, "Please Select Oblique Muscles Action ")}},
        {kVPattern, ObliqueAnswer::SuperiorOveraction, {}},
        {kNoPattern, ObliqueAnswer::None, {}},
        {kDeltaPattern, ObliqueAnswer::None, {}},
    };
    // clang-format on
    for (const Case& c : cases) {
        HandoffInput input = basic();
        input.pattern = c.pattern;
        input.oblique = c.oblique;
        const Lines plan = lines(handoffPlan(input).plan);
        EXPECT_EQ(touching(plan, {kMessageLine}), c.message) << '"' << c.pattern << '"';
        EXPECT_EQ(plan.back(), disable(kReplan));  // the hand-off carries on
    }
}

TEST(ExoHandoff, DeltaLeavesOnlyDeltaAndRewritesOptionOne) {
    HandoffInput input = basic();
    input.pattern = kDeltaPattern;
    input.chosenText = kDeltaNasalShift;
    const Handoff handoff = handoffPlan(input);
    const Lines plan = lines(handoff.plan);
    const Lines expected = {disable(kNoPatternsOption), deselect(kAEsoOption), disable(kAEsoOption),
                            disable(kVEsoOption),       disable(kXOption),     disable(kAExoOption),
                            disable(kVExoOption),       enable(kDeltaOption),  disable(kYOption),
                            select(kDeltaOption)};
    EXPECT_EQ(touching(plan, kPatternButtons), expected);
    EXPECT_EQ(touching(plan, {kProcedureText}), Lines{});
    EXPECT_EQ(touching(plan, {kBilateralRecession, kRecessResect, kThreeOrFourMuscles, kBilateralResection}), Lines{});
    ASSERT_TRUE(handoff.workupOption1.has_value());
    EXPECT_EQ(handoff.workupOption1->text, "Nasal Shifting Both Inferior Rectus ");
    EXPECT_EQ(handoff.workupOption1->background, (Rgb{192, 255, 255}));

    // The procedure is still chosen from option 1 as it read before.
    input.chosenText = kLrRecession;
    EXPECT_EQ(touching(lines(handoffPlan(input).plan), {kBilateralRecession}).front(), press(kBilateralRecession));
}

TEST(ExoHandoff, TheGradeOfAnOveractionIsPassedOn) {
    struct Case {
        ObliqueAnswer oblique;
        int grade;
        Lines grades;
    };
    // clang-format off
    const Case cases[] = {
        {ObliqueAnswer::InferiorOveraction, 1, {select(kGrade1)}},
        {ObliqueAnswer::InferiorOveraction, 3, {select(kGrade3)}},
        {ObliqueAnswer::SuperiorOveraction, 2, {select(kGrade2)}},
        {ObliqueAnswer::SuperiorOveraction, 4, {select(kGrade4)}},
        {ObliqueAnswer::Normal, 2, {}},
        {ObliqueAnswer::BothOveractions, 2, {}},
        {ObliqueAnswer::InferiorOveraction, 0, {}},
    };
    // clang-format on
    for (const Case& c : cases) {
        HandoffInput input = basic();
        input.oblique = c.oblique;
        input.grade = c.grade;
        EXPECT_EQ(touching(lines(handoffPlan(input).plan), {kGrades.begin(), kGrades.end()}), c.grades) << c.grade;
    }
}

// --- Step 8: procedure text ---------------------------------------------------------------

struct TextCase {
    const char* name;
    ChosenOption chosen;
    std::string_view text;
    std::string_view pattern;
    ObliqueAnswer oblique;
    Lines written;
};

class ExoProcedureText : public ::testing::TestWithParam<TextCase> {};

TEST_P(ExoProcedureText, FirstMatchingRowWrites) {
    const TextCase& c = GetParam();
    HandoffInput input = basic();
    input.chosen = c.chosen;
    input.chosenText = c.text;
    input.pattern = c.pattern;
    input.oblique = c.oblique;
    EXPECT_EQ(touching(lines(handoffPlan(input).plan), {kProcedureText}), c.written);
}

constexpr auto One = ChosenOption::One;
constexpr auto Two = ChosenOption::Two;
constexpr auto kLr = kLrRecession;
constexpr auto kLrMr = kLrRecessionMrResection;
constexpr auto kA = kAPattern;
constexpr auto kV = kVPattern;
const std::string kCyan = cyan(kProcedureText);

INSTANTIATE_TEST_SUITE_P(
    Rows, ExoProcedureText,
    ::testing::Values(
        TextCase{"RecessionANormal",
                 One,
                 kLr,
                 kA,
                 ObliqueAnswer::Normal,
                 {text(kProcedureText, "B/L Lat.Rectus Recession With 5 mm Down Shift"), kCyan}},
        TextCase{"RecessionNoPatternAnyAnswer",
                 One,
                 kLr,
                 kNoPattern,
                 ObliqueAnswer::BothOveractions,
                 {text(kProcedureText, "B/L Lat.Rectus Recession "), kCyan}},
        TextCase{"RecessionVNormal",
                 One,
                 kLr,
                 kV,
                 ObliqueAnswer::Normal,
                 {text(kProcedureText, "B/L Lat.Rectus Recession With 5mm Up shift"), kCyan}},
        TextCase{"RecessionASuperior",
                 One,
                 kLr,
                 kA,
                 ObliqueAnswer::SuperiorOveraction,
                 {text(kProcedureText, "B/L Lat.Rectus Recession With Respective Superior Obliques Weaking"), kCyan}},
        TextCase{"RecessionVInferior",
                 One,
                 kLr,
                 kV,
                 ObliqueAnswer::InferiorOveraction,
                 {text(kProcedureText, "B/L Lat.Rectus Recession With Respective Inferior Obliques Weaking"), kCyan}},
        TextCase{
            "RecessResectANormal",
            Two,
            kLrMr,
            kA,
            ObliqueAnswer::Normal,
            {text(kProcedureText, " Lat.Rectus Recession (5mm Down Shift) + Medial Rectus Resection(5mm Up Shift)"),
             kCyan}},
        TextCase{
            "RecessResectVNormal",
            Two,
            kLrMr,
            kV,
            ObliqueAnswer::Normal,
            {text(kProcedureText, " Lat.Rectus Recession (5 mm Up Shift) + Medial Rectus Resection(5 mm Down Shift))"),
             kCyan}},
        TextCase{
            "RecessResectASuperiorKeepsBackground",
            Two,
            kLrMr,
            kA,
            ObliqueAnswer::SuperiorOveraction,
            {text(kProcedureText, " Lat.Rectus Recession + Medial Rectus Resection+Respective Weaking Sup. Obliques")}},
        TextCase{
            "RecessResectVInferior",
            Two,
            kLrMr,
            kV,
            ObliqueAnswer::InferiorOveraction,
            {text(kProcedureText, " Lat.Rectus Recession + Medial Rectus Resection+Respective Weaking Inf.Obliques"),
             kCyan}},
        TextCase{"RecessResectNoPattern",
                 Two,
                 kLrMr,
                 kNoPattern,
                 ObliqueAnswer::None,
                 {text(kProcedureText, " Lat.Rectus Recession + Medial Rectus Resection"), kCyan}},
        TextCase{"ResectionNoPatternKeepsBackground",
                 One,
                 kMrResection,
                 kNoPattern,
                 ObliqueAnswer::Normal,
                 {text(kProcedureText, "B/L Med.Rectus Resection ")}},
        TextCase{"ResectionWithAPattern", One, kMrResection, kA, ObliqueAnswer::Normal, {}},
        TextCase{"RecessionVWithSuperior", One, kLr, kV, ObliqueAnswer::SuperiorOveraction, {}},
        TextCase{"RecessionChosenAsOptionTwo", Two, kLr, kNoPattern, ObliqueAnswer::Normal, {}},
        TextCase{"NonSurgical", One, kNonSurgical, kNoPattern, ObliqueAnswer::Normal, {}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ocu::exo
