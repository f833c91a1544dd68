#include "paralytic/rules/superioroblique.h"

#include <gtest/gtest.h>

#include "labels.h"

namespace ocu::paralytic {
namespace {

using namespace expect;

constexpr auto RL = HigherEye::RightOverLeft;
constexpr auto LR = HigherEye::LeftOverRight;
constexpr auto NoSide = HigherEye::Unanswered;
constexpr auto Under15 = PrimaryHypertropia::Under15;
constexpr auto Over15 = PrimaryHypertropia::Over15;
constexpr auto Cyclo10 = Cyclotropia::Under10;
constexpr auto Cyclo15 = Cyclotropia::Over15;
constexpr auto NoCyclo = Cyclotropia::Unanswered;
constexpr auto Tight = TractionTest::Tight;
constexpr auto Loose = TractionTest::NotTight;
constexpr auto NoTest = TractionTest::Unanswered;

struct HypertropiaCase {
    const char* name;
    HypertropiaFindings findings;
    std::optional<Result> expected;
};

class HypertropiaTable : public testing::TestWithParam<HypertropiaCase> {};

TEST_P(HypertropiaTable, FirstMatchingRowPlansTheSurgery) {
    EXPECT_EQ(hypertropiaSurgery(GetParam().findings), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, HypertropiaTable,
    testing::Values(
        HypertropiaCase{"AsOpenedNoCyclotropia", {RL, Under15, NoCyclo, NoTest}, std::nullopt},
        HypertropiaCase{"NoSide", {NoSide, Under15, Cyclo10, Tight}, std::nullopt},
        HypertropiaCase{
            "Row1IgnoresTraction", {RL, Under15, Cyclo10, Tight}, result("Right Inferior Oblique Recession ")},
        HypertropiaCase{
            "Row2", {RL, Under15, Cyclo15, NoTest}, result("Right Sup.Oblique Tuck +- Left Inf.Rectus Recession ")},
        HypertropiaCase{"Row3", {LR, Under15, Cyclo10, Loose}, result("Left Inferior Oblique Recession ")},
        HypertropiaCase{
            "Row4", {LR, Under15, Cyclo15, NoTest}, result("Left Sup.Oblique Tuck +- Right Inf.Rectus Recession ")},
        HypertropiaCase{"Row5IgnoresCyclotropia",
                        {RL, Over15, Cyclo10, Tight},
                        result(" Right Inf.Oblique Recession With Right Sup.Rectus Recession  ")},
        HypertropiaCase{"Row6",
                        {LR, Over15, NoCyclo, Tight},
                        result(" Left Inf.Oblique Recession With Left Sup.Rectus Recession  ")},
        HypertropiaCase{
            "Row7KeepsTheColour", {RL, Over15, Cyclo15, Loose}, keepingColour(" Right+Left Inf.Recession ")},
        HypertropiaCase{"Row8", {LR, Over15, NoCyclo, Loose}, result("Left +Right Inf.Recession ")},
        HypertropiaCase{"LargeWithoutTractionTest", {LR, Over15, Cyclo10, NoTest}, std::nullopt}),
    [](const testing::TestParamInfo<HypertropiaCase>& info) { return std::string(info.param.name); });

// --- Knapp-based plan --------------------------------------------------------------

constexpr auto Less = KnappHypertropia::LessThan25;
constexpr auto More = KnappHypertropia::MoreThan25;

struct KnappCase {
    const char* name;
    KnappFindings findings;
    const char* management;  // nullptr: no row holds
    const char* gaze;
};

class KnappSurgeryTable : public testing::TestWithParam<KnappCase> {};

TEST_P(KnappSurgeryTable, FirstMatchingRowColoursBothLabels) {
    const KnappCase& c = GetParam();
    const auto plan = knappSurgery(c.findings);
    if (c.management == nullptr) {
        EXPECT_EQ(plan, std::nullopt);
        return;
    }
    EXPECT_EQ(plan, (KnappPlan{result(c.management), result(std::string("Maximum Hypertopia In ") + c.gaze)}));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, KnappSurgeryTable,
    testing::Values(
        KnappCase{"Right1", {Side::Right, 1, More}, "Right Inf. Oblique Recession", "Levo Elevation"},
        KnappCase{"Right2",
                  {Side::Right, 2, Less},
                  "Right Sup. Oblique Tuck+ Left Inf. Rectus Recession",
                  "Levo Depression "},
        KnappCase{"Right3Less", {Side::Right, 3, Less}, "Right Inf Oblique  Recession", " All Levo Positions"},
        KnappCase{"Right3More",
                  {Side::Right, 3, More},
                  "Right Inf Oblique  Recession + Right Sup. Oblique Tuck ",
                  " All Levo Positions"},
        KnappCase{"Right4Less",
                  {Side::Right, 4, Less},
                  "Right Inf Oblique  Recession+ (Left Inf. Rectus Recession Or Right Sup. Rectus Recession )",
                  " All Levo Positions + All Down Gazes"},
        KnappCase{"Right4More",
                  {Side::Right, 4, More},
                  "Right Inf Oblique  Recession + Right Sup. Oblique Tuck + (Left Inf. Rectus Recession Or Right "
                  "Sup. Rectus Recession )",
                  " All Levo Positions + All Down Gazes"},
        KnappCase{"Right5Less",
                  {Side::Right, 5, Less},
                  "Right Sup. Oblique Tuck+ Left Inf. Rectus Recession",
                  " All Down Gazes"},
        KnappCase{"Right5More", {Side::Right, 5, More}, nullptr, nullptr},
        KnappCase{
            "Right6Less",
            {Side::Right, 6, Less},
            "Right Sup. Oblique Tuck+ Left Sup. Oblique Tuck+Left Inf. Rectus Recession+ Right Inf. Rectus Recession",
            " Bilateral with V Patterns"},
        KnappCase{"Right6More", {Side::Right, 6, More}, nullptr, nullptr},
        KnappCase{"Right7",
                  {Side::Right, 7, More},
                  " Explore Rt Trochlea",
                  " All Down Gaze + levo Version + Primay Position"},
        KnappCase{"Left1", {Side::Left, 1, Less}, "Left Inf. Oblique Recession", "Dexto Elevation"},
        KnappCase{"Left2",
                  {Side::Left, 2, More},
                  "Left Sup. Oblique Tuck+ Right Inf. Rectus Recession",
                  "Dextro Depression "},
        KnappCase{"Left3Less", {Side::Left, 3, Less}, "Left Inf Oblique  Recession", " All Dexto Positions"},
        KnappCase{"Left3More",
                  {Side::Left, 3, More},
                  "Left Inf Oblique  Recession + Left Sup. Oblique Tuck ",
                  " All Dexto Positions"},
        KnappCase{"Left4Less",
                  {Side::Left, 4, Less},
                  "Left Inf Oblique  Recession+ (Right Inf. Rectus Recession Or Left Sup. Rectus Recession )",
                  " All Dextro Positions + All Down Gazes"},
        KnappCase{"Left4More",
                  {Side::Left, 4, More},
                  "Left Inf Oblique  Recession + Left Sup. Oblique Tuck + (Right Inf. Rectus Recession Or Left Sup. "
                  "Rectus Recession )",
                  " All Dextro Positions + All Down Gazes"},
        KnappCase{"Left5Less",
                  {Side::Left, 5, Less},
                  "Left Sup. Oblique Tuck+ Right Inf. Rectus Recession",
                  " All Down Gazes"},
        KnappCase{"Left5More", {Side::Left, 5, More}, nullptr, nullptr},
        KnappCase{
            "Left6LessSameAsRight",
            {Side::Left, 6, Less},
            "Right Sup. Oblique Tuck+ Left Sup. Oblique Tuck+Left Inf. Rectus Recession+ Right Inf. Rectus Recession",
            " Bilateral with V Patterns"},
        KnappCase{"Left6More", {Side::Left, 6, More}, nullptr, nullptr},
        KnappCase{"Left7",
                  {Side::Left, 7, Less},
                  " Explore Left Trochlea",
                  " All Down Gaze + Dextro Version + Primay Position"},
        KnappCase{"NoClass", {Side::Right, 0, Less}, nullptr, nullptr},
        KnappCase{"NoSide", {Side::Unanswered, 1, Less}, nullptr, nullptr}),
    [](const testing::TestParamInfo<KnappCase>& info) { return std::string(info.param.name); });

// --- Knapp's classification alone --------------------------------------------------

struct GazeCase {
    const char* name;
    Side side;
    int knappClass;
    std::optional<Result> expected;
};

class KnappGazeTable : public testing::TestWithParam<GazeCase> {};

TEST_P(KnappGazeTable, NamesTheGazeOfMaximumHypertropia) {
    EXPECT_EQ(knappGaze(GetParam().side, GetParam().knappClass), GetParam().expected);
}

Result maximum(const std::string& gaze) { return result("Maximum Hypertopia In " + gaze); }

INSTANTIATE_TEST_SUITE_P(
    Rows, KnappGazeTable,
    testing::Values(GazeCase{"Right1", Side::Right, 1, maximum("Levo Elevation")},
                    GazeCase{"Right2", Side::Right, 2, maximum("Levo Depression ")},
                    GazeCase{"Right3", Side::Right, 3, maximum(" All Levo Positions")},
                    GazeCase{"Right4KeepsTheColour", Side::Right, 4,
                             keepingColour("Maximum Hypertopia In  All Levo Positions + All Down Gazes")},
                    GazeCase{"Right5", Side::Right, 5, maximum(" All Down Gazes")},
                    GazeCase{"Right6", Side::Right, 6, maximum(" Bilateral with V Patterns")},
                    GazeCase{"Right7CapitalL", Side::Right, 7,
                             maximum(" All Down Gaze + Levo Version + Primay Position")},
                    GazeCase{"Left1", Side::Left, 1, maximum("Dexto Elevation")},
                    GazeCase{"Left2", Side::Left, 2, maximum("Dextro Depression ")},
                    GazeCase{"Left3", Side::Left, 3, maximum(" All Dexto Positions")},
                    GazeCase{"Left4", Side::Left, 4, maximum(" All Dextro Positions + All Down Gazes")},
                    GazeCase{"Left5", Side::Left, 5, maximum(" All Down Gazes")},
                    GazeCase{"Left6", Side::Left, 6, maximum(" Bilateral with V Patterns")},
                    GazeCase{"Left7", Side::Left, 7, maximum(" All Down Gaze + Dextro Version + Primay Position")},
                    GazeCase{"NoClass", Side::Left, 0, std::nullopt},
                    GazeCase{"NoEye", Side::Unanswered, 3, std::nullopt}),
    [](const testing::TestParamInfo<GazeCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ocu::paralytic
