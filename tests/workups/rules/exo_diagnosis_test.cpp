#include "workups/rules/exo_diagnosis.h"

#include <gtest/gtest.h>

#include "support/expectedresults.h"

namespace ocu::exo {
namespace {

const std::optional<Result> kUnchanged = std::nullopt;
constexpr Rgb kLightCyan{192, 255, 255};
Result cyan(std::string_view text) { return {std::string(text), kLightCyan}; }
const Result kEmptiedKeepingBackground{"", std::nullopt};

// --- Step 2: type ----------------------------------------------------------------

struct TypeCase {
    const char* name;
    double d, n, n60;
    bool infant;
    int row;
    std::optional<Result> type;
    bool emptiesAca;
};

class ExoType : public ::testing::TestWithParam<TypeCase> {};

TEST_P(ExoType, FirstMatchingRowWrites) {
    const TypeCase& c = GetParam();
    const TypeAnswer answer = exoType({c.d, c.n, 0, 0, c.n60, 0}, c.infant);
    EXPECT_EQ(answer.row, c.row);
    EXPECT_EQ(answer.type, c.type);
    EXPECT_EQ(answer.emptiesAcaClass, c.emptiesAca);
}

const Result kDivergenceExcessCyan = cyan("Divergence Excess Exo Deviation");
const Result kSimulatedCyan = cyan("Simulated Divergence Excess Exo Deviation");
const Result kBasicCyan = cyan("Basic Exo Deviation");
const Result kConvergenceCyan = cyan("Convergence Insufficiency Exo Deviation");
const Result kInfantileKeepingBackground{"Infantile Exotropia", std::nullopt};

INSTANTIATE_TEST_SUITE_P(
    Rows, ExoType,
    ::testing::Values(
        //        name                                 D    N    N60  infant row type                    empties AC/A
        TypeCase{"DivergenceExcess", 30, 10, 12, false, 1, kDivergenceExcessCyan, false},
        TypeCase{"PatchRiseOf5IsStillTrue", 30, 10, 15, false, 1, kDivergenceExcessCyan, false},
        TypeCase{"PatchRiseAbove5IsSimulated", 30, 10, 20, false, 2, kSimulatedCyan, true},
        TypeCase{"DistanceExcessOf15IsBasic", 25, 10, 30, false, 3, kBasicCyan, false},
        TypeCase{"EqualIsBasicByTheDistanceRow", 10, 10, 0, false, 3, kBasicCyan, false},
        TypeCase{"NearWithin15IsBasicByTheNearRow", 20, 25, 0, false, 4, kBasicCyan, false},
        TypeCase{"NoDistanceNearWithin15", 0, 15, 0, false, 4, kBasicCyan, false},
        TypeCase{"ConvergenceInsufficiency", 10, 30, 0, false, 5, kConvergenceCyan, false},
        TypeCase{"NoDistanceLargeNear", 0, 20, 0, false, 5, kConvergenceCyan, false},
        TypeCase{"NothingMeasured", 0, 0, 0, false, 0, kUnchanged, false},
        TypeCase{"NoNearLargeDistanceIsExcess", 20, 0, 0, false, 1, kDivergenceExcessCyan, false},
        TypeCase{"NegativeDistanceBelowNear", -20, 0, 0, false, 0, kUnchanged, false},
        TypeCase{"Infantile", 40, 40, 0, true, 6, kInfantileKeepingBackground, false},
        TypeCase{"InfantAt30IsNotInfantile", 30, 40, 0, true, 0, kUnchanged, false},
        TypeCase{"InfantOnlyByRow6", 30, 10, 12, true, 0, kUnchanged, false}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Step 3: pattern -----------------------------------------------------------------

struct PatternCase {
    const char* name;
    double d, up, down;
    std::optional<std::string_view> pattern;
};

class ExoPattern : public ::testing::TestWithParam<PatternCase> {};

TEST_P(ExoPattern, FirstMatchingRowWrites) {
    const PatternCase& c = GetParam();
    EXPECT_EQ(pattern(c.d, c.up, c.down), c.pattern);
}

INSTANTIATE_TEST_SUITE_P(Rows, ExoPattern,
                         ::testing::Values(
                             //           name                              D    UP   DN   pattern
                             PatternCase{"V", 20, 30, 10, " V Patterns Exotropia"},
                             PatternCase{"VNeedsMoreThan15Apart", 20, 30, 15, std::nullopt},
                             PatternCase{"VNeedsSomeDownGaze", 20, 30, 0, std::nullopt},
                             PatternCase{"A", 20, 5, 20, " A Patterns Exotropia "},
                             PatternCase{"ANeedsSomeUpGaze", 10, 0, 20, std::nullopt},
                             PatternCase{"ANeedsMoreThan10Apart", 20, 5, 15, std::nullopt},
                             PatternCase{"XBeforeTheOthers", 5, 20, 20, " X Patterns Exotropia "},
                             PatternCase{"XNeedsDistanceBelow8", 8, 20, 20, std::nullopt},
                             PatternCase{"VWinsOverX", 5, 40, 15, " V Patterns Exotropia"},
                             PatternCase{"Y", 0, 20, 0, " Y Patterns Exotropia "},
                             PatternCase{"YNeedsNoDistance", 2, 20, 0, std::nullopt},
                             PatternCase{"Delta", 0, 0, 20, " Delta Patterns Exotropia "},
                             PatternCase{"DeltaNeedsMoreThan14", 0, 0, 14, std::nullopt},
                             PatternCase{"NoPatternWhenBothGazesAreZero", 30, 0, 0, ""}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Step 4: oblique-action answers ------------------------------------------------------

TEST(ExoPatternConsequences, EachPatternNarrowsTheAnswersItsOwnWay) {
    struct Case {
        std::string_view pattern;
        PatternConsequences expected;
    };
    // clang-format off
    const Case cases[] = {
        {" A Patterns Exotropia ", {{true, false, true, false}, std::nullopt, std::nullopt, false}},
        {" V Patterns Exotropia", {{true, true, false, false}, std::nullopt, std::nullopt, false}},
        {" X Patterns Exotropia ",
         {{false, false, false, true}, std::nullopt, "Inf.Obl +Sup. Obl. Weaking Of Both Side", true}},
        {" Y Patterns Exotropia ", {{false, false, false, false}, false, "Nasal Shifting Sup.Rectus Of Both Side", true}},
        {" Delta Patterns Exotropia ",
         {{false, false, false, false}, false, "Nasal Shifting Inf.Rectus Of Both Side", false}},
        {"", {{true, false, false, false}, true, std::nullopt, false}},
    };
    // clang-format on
    for (const Case& c : cases) {
        const auto got = consequencesOf(c.pattern);
        ASSERT_TRUE(got.has_value()) << '"' << c.pattern << '"';
        EXPECT_EQ(*got, c.expected) << '"' << c.pattern << '"';
    }
}

TEST(ExoPatternConsequences, ThePatternTextIsComparedExactly) {
    EXPECT_EQ(consequencesOf(" A Patterns Exotropia"), std::nullopt);
    EXPECT_EQ(consequencesOf("V Patterns Exotropia"), std::nullopt);
    EXPECT_EQ(consequencesOf(" "), std::nullopt);
}

// --- Step 5: AC/A class ------------------------------------------------------------

struct AcaCase {
    const char* name;
    double n60, n3;
    std::optional<Result> label;
};

class ExoAcaClass : public ::testing::TestWithParam<AcaCase> {};

TEST_P(ExoAcaClass, BandsOfTheRatioAfterPatching) {
    const AcaCase& c = GetParam();
    EXPECT_EQ(acaClass(acaRatio(c.n60, c.n3)), c.label);
}

INSTANTIATE_TEST_SUITE_P(Bands, ExoAcaClass,
                         ::testing::Values(
                             //       name                     N60  N3     label
                             AcaCase{"High", 12, 30, cyan("High AC/A Ratio")},
                             AcaCase{"Exactly5IsNormal", 10, 25, cyan("Normal AC/A Ratio")},
                             AcaCase{"Exactly3IsNormal", 20, 29, cyan("Normal AC/A Ratio")},
                             AcaCase{"JustBelow299IsLow", 20, 28.9, cyan("Low AC/A Ratio")},
                             AcaCase{"Between299And3", 20, 28.98, kUnchanged},
                             AcaCase{"Low", 10, 13, cyan("Low AC/A Ratio")},
                             AcaCase{"ZeroEmptiesOnCyan", 15, 15, cyan("")},
                             AcaCase{"BetweenZeroAndATenth", 10, 10.2, kUnchanged},
                             AcaCase{"Negative", 20, 10, kUnchanged}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ExoAcaRatio, IsTheRiseWithThePlus3AddOverThree) {
    EXPECT_DOUBLE_EQ(acaRatio(20, 50), 10);
    EXPECT_DOUBLE_EQ(acaRatio(20, 14), -2);
}

// --- Step 6: surgical options -----------------------------------------------------------

struct OptionsCase {
    const char* name;
    std::string_view type, aca;
    double larger;
    std::optional<Result> option1, option2;
};

class ExoOptions : public ::testing::TestWithParam<OptionsCase> {};

TEST_P(ExoOptions, FirstMatchingRowWrites) {
    const OptionsCase& c = GetParam();
    const OptionsAnswer answer = surgicalOptions(c.type, c.aca, c.larger);
    EXPECT_EQ(answer.option1, c.option1);
    EXPECT_EQ(answer.option2, c.option2);
}

const Result kLr = cyan("B/L Lat. Rectus Recession");
const Result kLrMr = cyan("Lat.Rectus Recession + Medial Rectus Resection");

INSTANTIATE_TEST_SUITE_P(
    Rows, ExoOptions,
    ::testing::Values(OptionsCase{"DivergenceExcess", "Divergence Excess Exo Deviation", "High AC/A Ratio", 30, kLr,
                                  kEmptiedKeepingBackground},
                      OptionsCase{"ConvergenceInsufficiency", "Convergence Insufficiency Exo Deviation", "", 30,
                                  cyan("B/L Medial Rectus Resection"), kEmptiedKeepingBackground},
                      OptionsCase{"BasicAbove12", "Basic Exo Deviation", "", 13, kLr, kLrMr},
                      OptionsCase{"BasicAt12", "Basic Exo Deviation", "", 12, cyan("Non Surgical Treatment"),
                                  kEmptiedKeepingBackground},
                      OptionsCase{"Infantile", "Infantile Exotropia", "", 40, kLr, kLrMr},
                      OptionsCase{"SimulatedHigh", "Simulated Divergence Excess Exo Deviation", "High AC/A Ratio", 30,
                                  cyan("Over corrected minus lense glasses "), kUnchanged},
                      OptionsCase{"SimulatedNormal", "Simulated Divergence Excess Exo Deviation", "Normal AC/A Ratio",
                                  30, kLr, kLrMr},
                      OptionsCase{"SimulatedLow", "Simulated Divergence Excess Exo Deviation", "Low AC/A Ratio", 30,
                                  kLr, kLrMr},
                      OptionsCase{"SimulatedWithoutAClass", "Simulated Divergence Excess Exo Deviation", "", 30,
                                  kUnchanged, kUnchanged},
                      OptionsCase{"NoType", "", "High AC/A Ratio", 30, kUnchanged, kUnchanged},
                      OptionsCase{"TypeComparedExactly", "Basic Exo Deviation ", "", 30, kUnchanged, kUnchanged}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Step 7: the simulator moves the irises away from the nose ----------------------------

TEST(ExoSimulator, IrisesMoveOutwardsFromTheirBase) {
    const auto rows = irisRows(kIrisBase, {0, 28, 14}, IrisShift::AwayFromNose);
    EXPECT_EQ(rows[0], (IrisRow{{14.817, 22.5}, {43.498, 22.5}}));
    EXPECT_DOUBLE_EQ(rows[1].rightEye.left, 12.817);
    EXPECT_DOUBLE_EQ(rows[1].leftEye.left, 45.498);
    EXPECT_DOUBLE_EQ(rows[1].rightEye.top, 53.693);
    EXPECT_DOUBLE_EQ(rows[2].rightEye.left, 13.817);
    EXPECT_DOUBLE_EQ(rows[2].leftEye.top, 85.908);
}

}  // namespace
}  // namespace ocu::exo
