#include "workups/rules/eso_handoff.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace ocu::eso {
namespace {

using handoff::Plan;
using handoff::Step;
using handoff::Verb;

// A plan as text, a step a line ("press Command1", "text Text11 = ..."), so
// that a row's expectation reads like the clinical table.
std::vector<std::string> lines(const Plan& plan) {
    static const char* verbs[] = {"select", "deselect", "press", "enable", "disable", "show",
                                  "hide", "text", "red", "cyan", "hide work-up"};
    std::vector<std::string> out;
    for (const Step& step : plan) {
        std::string line = verbs[static_cast<int>(step.verb)];
        if (!step.control.empty()) line += " " + step.control;
        if (step.verb == Verb::SetText) line += " = " + step.text;
        out.push_back(line);
    }
    return out;
}

// The part of the plan between the first line starting with `from` and the
// first line at or after it starting with `to` (exclusive).
std::vector<std::string> between(const std::vector<std::string>& plan, const std::string& from,
                                 const std::string& to) {
    auto starts = [](const std::string& line, const std::string& prefix) { return line.rfind(prefix, 0) == 0; };
    auto first = std::find_if(plan.begin(), plan.end(), [&](const auto& l) { return starts(l, from); });
    auto last = std::find_if(first, plan.end(), [&](const auto& l) { return starts(l, to); });
    return {first, last};
}

bool contains(const std::vector<std::string>& plan, const std::string& line) {
    return std::find(plan.begin(), plan.end(), line) != plan.end();
}

HandoffInput basic() {
    HandoffInput input;
    input.fixating = FixatingEye::OD;
    input.chosen = ChosenOption::One;
    input.chosenText = " B/L MR Recession";
    input.largerDeviation = "30";
    input.patient = {"Asha Rao", "6", "F", "R-77", "Dr Mehta", "City Eye Clinic"};
    return input;
}

TEST(EsoHandoff, OdFixatingNoPatternOptionOneUpTo50) {
    const auto plan = lines(handoffPlan(basic()));
    const std::vector<std::string> expected = {
        "select ESO_OS",
        "select Option1", "enable Option1", "disable Option2", "disable Option3", "disable Option8",
        "disable Option10", "disable Option11",
        "press Command1", "disable Command2", "disable Command3", "disable Command13", "disable Command11",
        "text Text11 = B/L MR Recession", "cyan Text11",
        "text Text1 = 30", "text Text3 = Asha Rao", "text Text2 = 6", "text Text6 = F", "text Text7 = R-77",
        "text Text8 = Dr Mehta", "text Text10 = City Eye Clinic",
        "press enter", "disable enter", "press Command9", "disable Command9", "show Command6",
        "hide Command7", "hide work-up", "hide Command11"};
    EXPECT_EQ(plan, expected);
}

struct EyeCase { FixatingEye fixating; const char* select; };
class EsoHandoffEye : public testing::TestWithParam<EyeCase> {};
TEST_P(EsoHandoffEye, IsMarkedEsotropic) {
    HandoffInput input = basic();
    input.fixating = GetParam().fixating;
    const auto plan = lines(handoffPlan(input));
    if (GetParam().select == nullptr) {
        EXPECT_FALSE(contains(plan, "select ESO_OD") || contains(plan, "select ESO_OS"));
    } else {
        EXPECT_EQ(plan.front(), std::string("select ") + GetParam().select);
    }
}
INSTANTIATE_TEST_SUITE_P(Rows, EsoHandoffEye, testing::Values(
    EyeCase{FixatingEye::OD, "ESO_OS"}, EyeCase{FixatingEye::OS, "ESO_OD"},
    EyeCase{FixatingEye::AltOD, "ESO_OS"}, EyeCase{FixatingEye::AltOS, "ESO_OD"},
    EyeCase{FixatingEye::None, nullptr}));

// Pattern × oblique answer: the oblique step, the red message, the pattern step.
struct PatternCase {
    const char* name;
    const char* pattern;
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
    ASSERT_EQ(plan.front(), "select ESO_OS");
    const auto end = std::find_if(plan.begin(), plan.end(), [](const auto& l) { return l.rfind("text Text1 =", 0) == 0; });
    EXPECT_EQ(std::vector<std::string>(plan.begin() + 1, end), GetParam().oblique_and_pattern);
}
const std::vector<std::string> kPatternA = {"disable Option1", "select Option2", "enable Option2", "disable Option3",
                                            "disable Option8", "disable Option10", "disable Option11"};
const std::vector<std::string> kPatternV = {"disable Option1", "disable Option2", "select Option3", "enable Option3",
                                            "disable Option8", "disable Option10", "disable Option11"};
std::vector<std::string> join(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
INSTANTIATE_TEST_SUITE_P(Rows, EsoHandoffPattern, testing::Values(
    PatternCase{"ASuperior", "A", ObliqueAnswer::SuperiorOveraction,
        join({"disable Option4", "disable Option5", "select Option6", "enable Option6", "disable Option7"}, kPatternA)},
    PatternCase{"ANormal", "A", ObliqueAnswer::Normal,
        join({"select Option4", "enable Option4", "disable Option5", "disable Option6", "disable Option7"}, kPatternA)},
    PatternCase{"VNormal", "V", ObliqueAnswer::Normal,
        join({"select Option4", "enable Option4", "disable Option5", "disable Option6", "disable Option7"}, kPatternV)},
    PatternCase{"VInferior", "V", ObliqueAnswer::InferiorOveraction,
        join({"disable Option4", "select Option5", "enable Option5", "disable Option6", "disable Option7"}, kPatternV)},
    PatternCase{"AInferiorHasNoObliqueRow", "A", ObliqueAnswer::InferiorOveraction, kPatternA},
    PatternCase{"AMissingAnswer", "A", ObliqueAnswer::None,
        join({"text Label5 = Please Select Oblique muscles Action And Go Back ", "red Label5"}, kPatternA)},
    PatternCase{"VMissingAnswer", "V", ObliqueAnswer::None,
        join({"text Label5 = Please Select Oblique muscles Action Action And Go Back ", "red Label5"}, kPatternV)},
    PatternCase{"LowerCaseIsNoPattern", "a", ObliqueAnswer::None, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EsoHandoff, NoPatternWithoutObliqueAnswerGivesNoRedMessage) {
    HandoffInput input = basic();
    input.oblique = ObliqueAnswer::None;
    EXPECT_FALSE(contains(lines(handoffPlan(input)), "red Label5"));
}

struct GradeCase { ObliqueAnswer oblique; int grade; const char* selected; };
class EsoHandoffGrade : public testing::TestWithParam<GradeCase> {};
TEST_P(EsoHandoffGrade, IsPassedOnlyWithAnOveraction) {
    HandoffInput input = basic();
    input.oblique = GetParam().oblique;
    input.grade = GetParam().grade;
    const auto plan = lines(handoffPlan(input));
    const char* buttons[] = {"Option13", "Option14", "Option15", "Option16"};
    for (const char* button : buttons) {
        const bool chosen = GetParam().selected != nullptr && std::string(button) == GetParam().selected;
        EXPECT_EQ(contains(plan, std::string("select ") + button), chosen) << button;
        EXPECT_EQ(contains(plan, std::string("enable ") + button), chosen) << button;
        EXPECT_EQ(contains(plan, std::string("disable ") + button), GetParam().selected != nullptr && !chosen)
            << button;
    }
}
INSTANTIATE_TEST_SUITE_P(Rows, EsoHandoffGrade, testing::Values(
    GradeCase{ObliqueAnswer::InferiorOveraction, 1, "Option13"},
    GradeCase{ObliqueAnswer::InferiorOveraction, 3, "Option15"},
    GradeCase{ObliqueAnswer::SuperiorOveraction, 2, "Option14"},
    GradeCase{ObliqueAnswer::SuperiorOveraction, 4, "Option16"},
    GradeCase{ObliqueAnswer::Normal, 3, nullptr},
    GradeCase{ObliqueAnswer::None, 2, nullptr},
    GradeCase{ObliqueAnswer::InferiorOveraction, 0, nullptr}));

// The amount procedure: option × text × deviation band (50 is up to 50).
struct ProcedureCase {
    const char* name;
    ChosenOption chosen;
    const char* text;
    const char* larger;
    std::vector<std::string> steps;
};
class EsoHandoffProcedure : public testing::TestWithParam<ProcedureCase> {};
TEST_P(EsoHandoffProcedure, PressesThenDisablesOrHides) {
    HandoffInput input = basic();
    input.chosen = GetParam().chosen;
    input.chosenText = GetParam().text;
    input.largerDeviation = GetParam().larger;
    const auto plan = lines(handoffPlan(input));
    EXPECT_EQ(between(plan, "press Command", "text "), GetParam().steps);
}
const std::vector<std::string> kAbove50 = {"press Command3", "hide Command2", "hide Command13", "hide Command1",
                                           "hide Command11"};
// Without a procedure the first press is the patterns frame's ENTER of the
// finishing steps.
const std::vector<std::string> kNoProcedure = {"press Command9", "disable Command9", "show Command6",
                                               "hide Command7", "hide work-up", "hide Command11"};
INSTANTIATE_TEST_SUITE_P(Rows, EsoHandoffProcedure, testing::Values(
    ProcedureCase{"BilateralMrRecession30", ChosenOption::One, " B/L MR Recession", "30",
        {"press Command1", "disable Command2", "disable Command3", "disable Command13", "disable Command11"}},
    ProcedureCase{"Exactly50IsUpTo50", ChosenOption::One, " B/L MR Recession", "50",
        {"press Command1", "disable Command2", "disable Command3", "disable Command13", "disable Command11"}},
    ProcedureCase{"BilateralMrRecession60", ChosenOption::One, " B/L MR Recession", "60", kAbove50},
    ProcedureCase{"JustAbove50", ChosenOption::One, " B/L MR Recession", "50.5", kAbove50},
    ProcedureCase{"InfantileUpTo50", ChosenOption::One, "B/L MR Recession after the age of 6 month", "45",
        {"press Command1", "disable Command2", "disable Command13", "disable Command11", "disable Command3"}},
    ProcedureCase{"InfantileAbove50", ChosenOption::One, "B/L MR Recession after the age of 6 month", "55", kAbove50},
    ProcedureCase{"RecessResect", ChosenOption::Two, "LR Resection + MR Recession ", "20",
        {"press Command2", "disable Command1", "disable Command13", "disable Command3", "disable Command11"}},
    ProcedureCase{"BilateralLrResection", ChosenOption::Two, " B/L LR Resection ", "20",
        {"press Command13", "disable Command1", "disable Command2", "disable Command3", "disable Command11"}},
    ProcedureCase{"BilateralLrResectionAbove50", ChosenOption::Two, " B/L LR Resection ", "70", kAbove50},
    ProcedureCase{"MrRecessionLrResection", ChosenOption::One, "MR Recession+LR Resection", "25",
        {"press Command2", "disable Command1", "disable Command13", "disable Command3", "disable Command11"}},
    ProcedureCase{"TextOnTheWrongOption", ChosenOption::Two, " B/L MR Recession", "30", kNoProcedure},
    ProcedureCase{"NonSurgical", ChosenOption::One, " Non Surgical Management", "30", kNoProcedure},
    ProcedureCase{"NoOptionChosen", ChosenOption::None, " B/L MR Recession", "30", kNoProcedure}),
    [](const auto& info) { return std::string(info.param.name); });

struct TextCase {
    const char* name;
    ChosenOption chosen;
    const char* text;
    const char* pattern;
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
    const auto written = between(plan, "text Text11", "text Text1 ");
    if (GetParam().procedure == nullptr) {
        EXPECT_TRUE(written.empty());
        return;
    }
    std::vector<std::string> expected = {std::string("text Text11 = ") + GetParam().procedure};
    if (GetParam().cyan) expected.emplace_back("cyan Text11");
    EXPECT_EQ(written, expected);
}
constexpr auto One = ChosenOption::One;
constexpr auto Two = ChosenOption::Two;
constexpr auto Nor = ObliqueAnswer::Normal;
constexpr auto Inf = ObliqueAnswer::InferiorOveraction;
constexpr auto Sup = ObliqueAnswer::SuperiorOveraction;
constexpr auto Non = ObliqueAnswer::None;
INSTANTIATE_TEST_SUITE_P(Rows, EsoHandoffText, testing::Values(
    TextCase{"BlMrA", One, " B/L MR Recession", "A", Nor, "B/L Med. Rectus Recession + 5 mm Up shifting of Med. Rectus ", true},
    TextCase{"BlMrV", One, " B/L MR Recession", "V", Nor, "B/L Med. Rectus Recession + 5 mm Down shifting of Med. Rectus", true},
    TextCase{"BlMrASupKeepsBackground", One, " B/L MR Recession", "A", Sup, "B/L Med. Rectus Recession +Respective weakning Of Superior Obliques", false},
    TextCase{"BlMrVInf", One, " B/L MR Recession", "V", Inf, "B/L Med. Rectus Recession +Respective weakning Of Inf.Obliques", true},
    TextCase{"RrA", Two, "LR Resection + MR Recession ", "A", Nor, "LR Resection (5mm Down Shift)+ MR Recession(5mm Up Shift)", true},
    TextCase{"RrV", Two, "LR Resection + MR Recession ", "V", Nor, "LR Resection (5mm Up Shift) + MR Recession(5mm Down Shift)", true},
    TextCase{"RrASup", Two, "LR Resection + MR Recession ", "A", Sup, "LR Resection + MR Recession+ Respective weakning Of Superior Obliques", true},
    TextCase{"MrLrVInf", One, "MR Recession+LR Resection", "V", Inf, "MR Recession+LR Resection+Respective weakning Of Inf.Obliques", true},
    TextCase{"MrLrASup", One, "MR Recession+LR Resection", "A", Sup, "MR Recession+LR Resection+Respective weakning Of Superior Obliques", true},
    TextCase{"BlLrVInf", Two, " B/L LR Resection ", "V", Inf, "B/L LR Resection+Respective weakning Of Inf.Obliques", true},
    TextCase{"BlLrASup", Two, " B/L LR Resection ", "A", Sup, "MR Recession+LR Resection+Respective weakning Of Superior Obliques", true},
    TextCase{"MrLrNoPattern", One, "MR Recession+LR Resection", "", Inf, "MR Recession+LR Resection", true},
    TextCase{"BlLrNoPattern", Two, " B/L LR Resection ", "", Non, "B/L LR Resection", true},
    TextCase{"BlMrNoPattern", One, " B/L MR Recession", "", Sup, "B/L MR Recession", true},
    TextCase{"RrNoPattern", Two, "LR Resection + MR Recession ", "", Nor, "LR Resection + MR Recession", true},
    TextCase{"InfantileWritesNothing", One, "B/L MR Recession after the age of 6 month", "", Nor, nullptr, false},
    TextCase{"BlMrAMissingAnswer", One, " B/L MR Recession", "A", Non, nullptr, false},
    TextCase{"NonSurgical", One, " Non Surgical Management", "", Nor, nullptr, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ocu::eso
