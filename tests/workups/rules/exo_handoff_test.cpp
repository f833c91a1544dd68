#include "workups/rules/exo_handoff.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace ocu::exo {
namespace {

using handoff::Plan;
using handoff::Step;
using handoff::Verb;
using Lines = std::vector<std::string>;

// A plan as text, a step a line ("press Command1", "text Text11 = ..."), so
// that a row's expectation reads like the clinical table.
Lines lines(const Plan& plan) {
    static const char* verbs[] = {"select", "deselect", "press", "enable", "disable", "show",
                                  "hide", "text", "red", "cyan", "hide work-up"};
    Lines out;
    for (const Step& step : plan) {
        std::string line = verbs[static_cast<int>(step.verb)];
        if (!step.control.empty()) line += " " + step.control;
        if (step.verb == Verb::SetText) line += " = " + step.text;
        out.push_back(line);
    }
    return out;
}

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

const std::vector<std::string> kProcedureButtons = {"Command1", "Command2", "Command3", "Command13", "Command11"};
const std::vector<std::string> kPatternButtons = {"Option1", "Option2", "Option3", "Option8",
                                                  "Option9", "Option10", "Option11", "Option12"};
const std::vector<std::string> kObliqueButtons = {"Option4", "Option5", "Option6", "Option7"};

HandoffInput basic() {
    HandoffInput input;
    input.fixating = FixatingEye::OD;
    input.chosen = ChosenOption::One;
    input.chosenText = "B/L Lat. Rectus Recession";
    input.largerDeviation = "30";
    input.patient = {"Ravi Kumar", "9", "M", "X-12", "Dr Iyer", "Lake Eye Hospital"};
    return input;
}

TEST(ExoHandoff, OdFixatingNoPatternOptionOneUpTo50) {
    const Handoff handoff = handoffPlan(basic());
    const Lines expected = {
        "select EXO_OS",
        "press Command1", "enable Command1", "disable Command2", "disable Command3", "disable Command11",
        "disable Command13",
        "text Text11 = B/L Lat.Rectus Recession ", "cyan Text11",
        "text Text1 = 30", "text Text3 = Ravi Kumar", "text Text2 = 9", "text Text6 = M", "text Text7 = X-12",
        "text Text8 = Dr Iyer", "text Text10 = Lake Eye Hospital",
        "press enter", "disable enter", "press Command9", "disable Command9",
        "show Command7", "hide Command6", "hide work-up", "disable Command11"};
    EXPECT_EQ(lines(handoff.plan), expected);
    EXPECT_EQ(handoff.workupOption1, std::nullopt);
}

TEST(ExoHandoff, TheNonFixingEyeTurnsOut) {
    const std::pair<FixatingEye, const char*> rows[] = {
        {FixatingEye::OD, "select EXO_OS"}, {FixatingEye::OS, "select EXO_OD"},
        {FixatingEye::AltOD, "select EXO_OS"}, {FixatingEye::AltOS, "select EXO_OD"}};
    for (const auto& [fixating, line] : rows) {
        HandoffInput input = basic();
        input.fixating = fixating;
        EXPECT_EQ(lines(handoffPlan(input).plan).front(), line);
    }
    HandoffInput none = basic();
    none.fixating = FixatingEye::None;
    EXPECT_EQ(touching(lines(handoffPlan(none).plan), {"EXO_OD", "EXO_OS", "ESO_OD", "ESO_OS"}), Lines{});
}

// --- Step 5: amount procedure -----------------------------------------------------

struct ProcedureCase {
    const char* name;
    ChosenOption chosen;
    const char* text;
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
    EXPECT_EQ(got.back(), "disable Command11");  // Step 9 always disables Re-Plan
    got.pop_back();
    EXPECT_EQ(got, c.procedure);
}

const Lines kThreeOrFour = {"press Command3", "enable Command3", "disable Command1", "disable Command2",
                            "disable Command11", "disable Command13"};
const Lines kThreeOrFourAfterResection = {"press Command3", "enable Command3", "disable Command1",
                                          "disable Command2", "disable Command13", "disable Command11"};

INSTANTIATE_TEST_SUITE_P(Rows, ExoProcedure, ::testing::Values(
    ProcedureCase{"RecessionAt50", ChosenOption::One, "B/L Lat. Rectus Recession", "50",
                  {"press Command1", "enable Command1", "disable Command2", "disable Command3", "disable Command11",
                   "disable Command13"}},
    ProcedureCase{"RecessionAbove50", ChosenOption::One, "B/L Lat. Rectus Recession", "60", kThreeOrFour},
    ProcedureCase{"ResectionUpTo50", ChosenOption::One, "B/L Medial Rectus Resection", "20",
                  {"disable Command1", "disable Command2", "enable Command13", "press Command13"}},
    ProcedureCase{"ResectionAbove50", ChosenOption::One, "B/L Medial Rectus Resection", "50.5",
                  kThreeOrFourAfterResection},
    ProcedureCase{"RecessResectUpTo50", ChosenOption::Two, "Lat.Rectus Recession + Medial Rectus Resection", "30",
                  {"press Command2", "enable Command2", "disable Command1", "disable Command3", "disable Command11",
                   "disable Command13"}},
    ProcedureCase{"RecessResectAbove50", ChosenOption::Two, "Lat.Rectus Recession + Medial Rectus Resection", "70",
                  kThreeOrFourAfterResection},
    ProcedureCase{"OptionTwoTextAsOptionOne", ChosenOption::One, "Lat.Rectus Recession + Medial Rectus Resection",
                  "30", {}},
    ProcedureCase{"NonSurgical", ChosenOption::One, "Non Surgical Treatment", "10", {}},
    ProcedureCase{"MinusLenses", ChosenOption::One, "Over corrected minus lense glasses ", "30", {}}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Steps 2, 3, 4 and 7: obliques, patterns and grades ------------------------------

TEST(ExoHandoff, ObliqueActionWithAPattern) {
    struct Case {
        const char* pattern;
        ObliqueAnswer oblique;
        Lines obliques;
    };
    const Case cases[] = {
        {" A Patterns Exotropia ", ObliqueAnswer::SuperiorOveraction,
         {"disable Option4", "disable Option5", "select Option6", "enable Option6", "disable Option7"}},
        {" A Patterns Exotropia ", ObliqueAnswer::Normal,
         {"select Option4", "enable Option4", "disable Option5", "disable Option6", "disable Option7"}},
        {" V Patterns Exotropia", ObliqueAnswer::Normal,
         {"select Option4", "enable Option4", "disable Option5", "disable Option6", "disable Option7",
          "select Option11", "disable Option1", "disable Option10"}},
        {" V Patterns Exotropia", ObliqueAnswer::InferiorOveraction,
         {"disable Option4", "select Option5", "enable Option5", "disable Option6", "disable Option7"}},
        {" A Patterns Exotropia ", ObliqueAnswer::InferiorOveraction, {}},
        {"", ObliqueAnswer::Normal, {}},
        {" A Patterns Exotropia", ObliqueAnswer::Normal, {}},  // compared exactly
    };
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
        const char* pattern;
        ObliqueAnswer oblique;
        Lines message;
    };
    const Case cases[] = {
        {" A Patterns Exotropia ", ObliqueAnswer::None, {"text Label5 = Please Select Oblique muscles Action "}},
        {" V Patterns Exotropia", ObliqueAnswer::None, {"text Label5 = Please Select Oblique Muscles Action "}},
        {" V Patterns Exotropia", ObliqueAnswer::BothOveractions,
         {"text Label5 = Please Select Oblique Muscles Action "}},
        {" V Patterns Exotropia", ObliqueAnswer::SuperiorOveraction, {}},
        {"", ObliqueAnswer::None, {}},
        {" Delta Patterns Exotropia ", ObliqueAnswer::None, {}},
    };
    for (const Case& c : cases) {
        HandoffInput input = basic();
        input.pattern = c.pattern;
        input.oblique = c.oblique;
        const Lines plan = lines(handoffPlan(input).plan);
        EXPECT_EQ(touching(plan, {"Label5"}), c.message) << '"' << c.pattern << '"';
        EXPECT_EQ(plan.back(), "disable Command11");  // the hand-off carries on
    }
}

TEST(ExoHandoff, DeltaLeavesOnlyDeltaAndRewritesOptionOne) {
    HandoffInput input = basic();
    input.pattern = " Delta Patterns Exotropia ";
    input.chosenText = "Nasal Shifting Inf.Rectus Of Both Side";
    const Handoff handoff = handoffPlan(input);
    const Lines plan = lines(handoff.plan);
    const Lines expected = {"disable Option1", "deselect Option2", "disable Option2", "disable Option3",
                            "disable Option8", "disable Option10", "disable Option11", "enable Option9",
                            "disable Option12", "select Option9"};
    EXPECT_EQ(touching(plan, kPatternButtons), expected);
    EXPECT_EQ(touching(plan, {"Text11"}), Lines{});
    EXPECT_EQ(touching(plan, {"Command1", "Command2", "Command3", "Command13"}), Lines{});
    ASSERT_TRUE(handoff.workupOption1.has_value());
    EXPECT_EQ(handoff.workupOption1->text, "Nasal Shifting Both Inferior Rectus ");
    EXPECT_EQ(handoff.workupOption1->background, (Rgb{192, 255, 255}));

    // The procedure is still chosen from option 1 as it read before.
    input.chosenText = "B/L Lat. Rectus Recession";
    EXPECT_EQ(touching(lines(handoffPlan(input).plan), {"Command1"}).front(), "press Command1");
}

TEST(ExoHandoff, TheGradeOfAnOveractionIsPassedOn) {
    struct Case {
        ObliqueAnswer oblique;
        int grade;
        Lines grades;
    };
    const Case cases[] = {
        {ObliqueAnswer::InferiorOveraction, 1, {"select Option13"}},
        {ObliqueAnswer::InferiorOveraction, 3, {"select Option15"}},
        {ObliqueAnswer::SuperiorOveraction, 2, {"select Option14"}},
        {ObliqueAnswer::SuperiorOveraction, 4, {"select Option16"}},
        {ObliqueAnswer::Normal, 2, {}},
        {ObliqueAnswer::BothOveractions, 2, {}},
        {ObliqueAnswer::InferiorOveraction, 0, {}},
    };
    for (const Case& c : cases) {
        HandoffInput input = basic();
        input.oblique = c.oblique;
        input.grade = c.grade;
        EXPECT_EQ(touching(lines(handoffPlan(input).plan), {"Option13", "Option14", "Option15", "Option16"}), c.grades)
            << c.grade;
    }
}

// --- Step 8: procedure text ---------------------------------------------------------------

struct TextCase {
    const char* name;
    ChosenOption chosen;
    const char* text;
    const char* pattern;
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
    EXPECT_EQ(touching(lines(handoffPlan(input).plan), {"Text11"}), c.written);
}

constexpr auto One = ChosenOption::One;
constexpr auto Two = ChosenOption::Two;
constexpr const char* kLr = "B/L Lat. Rectus Recession";
constexpr const char* kLrMr = "Lat.Rectus Recession + Medial Rectus Resection";
constexpr const char* kA = " A Patterns Exotropia ";
constexpr const char* kV = " V Patterns Exotropia";

INSTANTIATE_TEST_SUITE_P(Rows, ExoProcedureText, ::testing::Values(
    TextCase{"RecessionANormal", One, kLr, kA, ObliqueAnswer::Normal,
             {"text Text11 = B/L Lat.Rectus Recession With 5 mm Down Shift", "cyan Text11"}},
    TextCase{"RecessionNoPatternAnyAnswer", One, kLr, "", ObliqueAnswer::BothOveractions,
             {"text Text11 = B/L Lat.Rectus Recession ", "cyan Text11"}},
    TextCase{"RecessionVNormal", One, kLr, kV, ObliqueAnswer::Normal,
             {"text Text11 = B/L Lat.Rectus Recession With 5mm Up shift", "cyan Text11"}},
    TextCase{"RecessionASuperior", One, kLr, kA, ObliqueAnswer::SuperiorOveraction,
             {"text Text11 = B/L Lat.Rectus Recession With Respective Superior Obliques Weaking", "cyan Text11"}},
    TextCase{"RecessionVInferior", One, kLr, kV, ObliqueAnswer::InferiorOveraction,
             {"text Text11 = B/L Lat.Rectus Recession With Respective Inferior Obliques Weaking", "cyan Text11"}},
    TextCase{"RecessResectANormal", Two, kLrMr, kA, ObliqueAnswer::Normal,
             {"text Text11 =  Lat.Rectus Recession (5mm Down Shift) + Medial Rectus Resection(5mm Up Shift)",
              "cyan Text11"}},
    TextCase{"RecessResectVNormal", Two, kLrMr, kV, ObliqueAnswer::Normal,
             {"text Text11 =  Lat.Rectus Recession (5 mm Up Shift) + Medial Rectus Resection(5 mm Down Shift))",
              "cyan Text11"}},
    TextCase{"RecessResectASuperiorKeepsBackground", Two, kLrMr, kA, ObliqueAnswer::SuperiorOveraction,
             {"text Text11 =  Lat.Rectus Recession + Medial Rectus Resection+Respective Weaking Sup. Obliques"}},
    TextCase{"RecessResectVInferior", Two, kLrMr, kV, ObliqueAnswer::InferiorOveraction,
             {"text Text11 =  Lat.Rectus Recession + Medial Rectus Resection+Respective Weaking Inf.Obliques",
              "cyan Text11"}},
    TextCase{"RecessResectNoPattern", Two, kLrMr, "", ObliqueAnswer::None,
             {"text Text11 =  Lat.Rectus Recession + Medial Rectus Resection", "cyan Text11"}},
    TextCase{"ResectionNoPatternKeepsBackground", One, "B/L Medial Rectus Resection", "", ObliqueAnswer::Normal,
             {"text Text11 = B/L Med.Rectus Resection "}},
    TextCase{"ResectionWithAPattern", One, "B/L Medial Rectus Resection", kA, ObliqueAnswer::Normal, {}},
    TextCase{"RecessionVWithSuperior", One, kLr, kV, ObliqueAnswer::SuperiorOveraction, {}},
    TextCase{"RecessionChosenAsOptionTwo", Two, kLr, "", ObliqueAnswer::Normal, {}},
    TextCase{"NonSurgical", One, "Non Surgical Treatment", "", ObliqueAnswer::Normal, {}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ocu::exo
