#include "workups/rules/eso_diagnosis.h"

#include <gtest/gtest.h>

#include "support/expectedresults.h"
#include "workups/rules/deviations.h"

namespace ocu::eso {
namespace {

using workup::LargerBox;
using workup::largerDeviation;

const std::optional<Result> kUnchanged = std::nullopt;
Result cyan(std::string_view text) { return {std::string(text), kResultColour}; }
constexpr Rgb kLightCyan{192, 255, 255};
constexpr Rgb kLightRed{255, 128, 128};

// --- Step 1 and the AC/A class ------------------------------------------------

TEST(EsoLargerDeviation, TheDistanceBoxWinsATie) {
    EXPECT_EQ(largerDeviation(20, 40), LargerBox::Near);
    EXPECT_EQ(largerDeviation(40, 20), LargerBox::Distance);
    EXPECT_EQ(largerDeviation(20, 20), LargerBox::Distance);
    EXPECT_EQ(largerDeviation(-5, 0), LargerBox::Near);
}

TEST(EsoAcaClass, LowBelowThreeNormalThreeToFiveHighAbove) {
    EXPECT_DOUBLE_EQ(acaRatio(40, 10), 10);
    EXPECT_EQ(acaClass(2.999), AcaClass::Low);
    EXPECT_EQ(acaClass(acaRatio(24, 15)), AcaClass::Normal);  // exactly 3
    EXPECT_EQ(acaClass(acaRatio(30, 20)), AcaClass::Normal);  // 3.33
    EXPECT_EQ(acaClass(acaRatio(25, 10)), AcaClass::Normal);  // exactly 5
    EXPECT_EQ(acaClass(5.001), AcaClass::High);
    EXPECT_EQ(acaClass(acaRatio(10, 40)), AcaClass::Low);  // negative ratio
    EXPECT_EQ(acaText(AcaClass::Low), "Low AC/A Ratio ");
    EXPECT_EQ(acaText(AcaClass::Normal), "Normal AC/A Ratio ");
    EXPECT_EQ(acaText(AcaClass::High), "High AC/A Ratio ");
}

// --- Step 2: type and AC/A class -------------------------------------------------

struct TypeCase {
    const char* name;
    double d, n, n3;
    bool infant;
    int row;
    std::optional<Result> aca;
    std::optional<Result> type;
};

class EsoType : public ::testing::TestWithParam<TypeCase> {};

TEST_P(EsoType, FirstMatchingRowWrites) {
    const TypeCase& c = GetParam();
    const TypeAnswer answer = typeAndAca({c.d, c.n, c.n3, 0, 0}, c.infant);
    EXPECT_EQ(answer.row, c.row);
    EXPECT_EQ(answer.acaLabel, c.aca);
    EXPECT_EQ(answer.typeLabel, c.type);
}

const Result kLowRatio = cyan("Low AC/A Ratio ");
const Result kNormalRatio = cyan("Normal AC/A Ratio ");
const Result kHighRatio = cyan("High AC/A Ratio ");
const Result kNonAccommodativeKeepingBackground{"Non Accommodative Convergence Excess Esotropia ", std::nullopt};
const Result kNonAccommodativeCyan = cyan("Non Accommodative Convergence Excess Esotropia ");
const Result kAccommodativeCyan = cyan("Accommodative Convergence Excess Esotropia ");
const Result kBasicCyan = cyan("Basic Esotropia ");
const Result kDivergenceCyan = cyan("Divergence Insufficiency Esotropia ");
const Result kInfantileCyan = cyan("Infantile Esotropia ");

INSTANTIATE_TEST_SUITE_P(
    Rows, EsoType,
    ::testing::Values(
        //        name                             D    N    N3  infant row  AC/A label   type label
        TypeCase{"Row1HighClassAccommodative", 20, 40, 10, false, 1, kHighRatio, kAccommodativeCyan},
        TypeCase{"Row1LowClassKeepsBackground", 20, 40, 37, false, 1, kLowRatio, kNonAccommodativeKeepingBackground},
        TypeCase{"Row1NormalClassThreePointThree", 10, 30, 20, false, 1, kNormalRatio, kNonAccommodativeCyan},
        TypeCase{"Row1IgnoresOnset", 30, 50, 20, true, 1, kHighRatio, kAccommodativeCyan},
        TypeCase{"Row1NeedsMoreThan15", 20, 35, 35, false, 2, kLowRatio, kBasicCyan},
        TypeCase{"Row1NearZeroNeverMatches", -20, 0, 0, false, 6, kUnchanged, kBasicCyan},
        TypeCase{"Row2Basic", 30, 32, 20, false, 2, kNormalRatio, kBasicCyan},
        TypeCase{"Row2SmallDeviationsLowClass", 9, 12, 9, false, 2, kLowRatio, kBasicCyan},
        TypeCase{"Row2DistanceLargerBy15", 45, 30, 30, false, 2, kLowRatio, kBasicCyan},
        TypeCase{"Row3DivergenceInsufficiency", 30, 5, 0, false, 3, kUnchanged, kDivergenceCyan},
        TypeCase{"Row3IgnoresOnset", 40, 10, 0, true, 3, kUnchanged, kDivergenceCyan},
        TypeCase{"Row4Infantile", 40, 45, 0, true, 4, kUnchanged, kInfantileCyan},
        TypeCase{"Row4NeedsBothAbove25", 25, 30, 0, true, 0, kUnchanged, kUnchanged},
        TypeCase{"Row5DistanceZero", 0, 10, 0, false, 5, kUnchanged, kBasicCyan},
        TypeCase{"Row5NotForInfants", 0, 10, 0, true, 0, kUnchanged, kUnchanged},
        TypeCase{"Row6NearZero", 10, 0, 0, false, 6, kUnchanged, kBasicCyan},
        TypeCase{"NoRowAllZero", 0, 0, 0, false, 0, kUnchanged, kUnchanged},
        TypeCase{"NoRowInfantSmallDeviations", 10, 12, 0, true, 0, kUnchanged, kUnchanged}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Step 3: surgical options ------------------------------------------------------

struct OptionsCase {
    const char* name;
    std::string_view type;
    double larger;
    std::optional<Result> option1;
    std::optional<Result> option2;
};

class EsoOptions : public ::testing::TestWithParam<OptionsCase> {};

TEST_P(EsoOptions, FirstMatchingRowWrites) {
    const OptionsCase& c = GetParam();
    const OptionsAnswer answer = surgicalOptions(c.type, c.larger);
    EXPECT_EQ(answer.option1, c.option1);
    EXPECT_EQ(answer.option2, c.option2);
}

constexpr std::string_view kCaution =
    "Caution,If age of patient is below 2 year at the time of surgery then please take measurement "
    "from limbus not from muscles insertion.The amount calculated by Ocuvance is from muscle "
    "insertion,So please modify it accordingly. ";

INSTANTIATE_TEST_SUITE_P(
    Rows, EsoOptions,
    ::testing::Values(
        OptionsCase{"NonAccommodativeAbove10", "Non Accommodative Convergence Excess Esotropia ", 40,
                    cyan(" B/L MR Recession"), kUnchanged},
        OptionsCase{
            "AccommodativeAbove10", "Accommodative Convergence Excess Esotropia ", 40, cyan(" B/L MR Recession"),
            cyan("First bifocal glasses should be tried ,if deviation is not controlled then proceed for surgery")},
        OptionsCase{"BasicAbove10", "Basic Esotropia ", 12, cyan(" B/L MR Recession"),
                    cyan("LR Resection + MR Recession ")},
        OptionsCase{"NonAccommodativeAt10", "Non Accommodative Convergence Excess Esotropia ", 10,
                    cyan(" Non Surgical Management"), kUnchanged},
        OptionsCase{"AccommodativeAt10EmptiesOption2", "Accommodative Convergence Excess Esotropia ", 10,
                    cyan("Near addition in form of bifocal glasses"), cyan("")},
        OptionsCase{"BasicAt10", "Basic Esotropia ", 10, cyan(" Non Surgical Management"), kUnchanged},
        OptionsCase{"BasicJustAbove10", "Basic Esotropia ", 10.5, cyan(" B/L MR Recession"),
                    cyan("LR Resection + MR Recession ")},
        OptionsCase{"InfantileAnyDeviation", "Infantile Esotropia ", 0,
                    cyan("B/L MR Recession after the age of 6 month"), Result{std::string(kCaution), kLightRed}},
        OptionsCase{"DivergenceAnyDeviation", "Divergence Insufficiency Esotropia ", 30,
                    cyan("MR Recession+LR Resection"), cyan(" B/L LR Resection ")},
        OptionsCase{"EmptyLabel", "", 30, kUnchanged, kUnchanged},
        OptionsCase{"TypeWithoutItsTrailingBlank", "Basic Esotropia", 30, kUnchanged, kUnchanged}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EsoColours, AreTheResultAndCautionColours) {
    EXPECT_EQ(kResultColour, kLightCyan);
    EXPECT_EQ(kCautionColour, kLightRed);
}

// --- Step 5: pattern and oblique-action answers ----------------------------------

struct PatternCase {
    const char* name;
    double up, down;
    std::string_view shown;
    std::optional<std::string_view> pattern;
    std::optional<ObliqueButtons> enabled;
};

class EsoPattern : public ::testing::TestWithParam<PatternCase> {};

TEST_P(EsoPattern, WritesThePatternAndEnablesTheAnswers) {
    const PatternCase& c = GetParam();
    const PatternAnswer answer = patternAndObliques(c.up, c.down, c.shown);
    EXPECT_EQ(answer.pattern, c.pattern);
    EXPECT_EQ(answer.enabled, c.enabled);
}

constexpr ObliqueButtons kAPatternAnswers{true, false, true};
constexpr ObliqueButtons kVPatternAnswers{true, true, false};
constexpr ObliqueButtons kOnlyNormal{true, false, false};

INSTANTIATE_TEST_SUITE_P(Rows, EsoPattern,
                         ::testing::Values(
                             //           name                 UP  DN   box before  pattern       enabled
                             PatternCase{"APattern", 30, 15, "", "A", kAPatternAnswers},
                             PatternCase{"AOnlyAbove10", 25, 15, "", std::nullopt, kOnlyNormal},
                             PatternCase{"VPattern", 10, 26, "", "V", kVPatternAnswers},
                             PatternCase{"VNotAt15", 10, 25, "", std::nullopt, kOnlyNormal},
                             PatternCase{"AReplacesEarlierV", 40, 0, "V", "A", kAPatternAnswers},
                             PatternCase{"EarlierAKept", 0, 0, "A", std::nullopt, std::nullopt},
                             PatternCase{"TypedTextKept", 0, 0, "x", std::nullopt, std::nullopt},
                             PatternCase{"NegativeDeviations", -5, 20, "", "V", kVPatternAnswers}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(EsoPatternBox, ShowsTheAnswersThePatternAllows) {
    EXPECT_EQ(obliquesShownFor("A"), (ObliqueButtons{true, false, true}));
    EXPECT_EQ(obliquesShownFor("V"), (ObliqueButtons{true, true, false}));
    EXPECT_EQ(obliquesShownFor("a"), std::nullopt);
    EXPECT_EQ(obliquesShownFor(""), std::nullopt);
    EXPECT_EQ(obliquesShownFor("A "), std::nullopt);
}

}  // namespace
}  // namespace ocu::eso
