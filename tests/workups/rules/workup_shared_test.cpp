#include <gtest/gtest.h>

#include <string>

#include "workups/rules/deviation_check.h"
#include "workups/rules/deviations.h"
#include "workups/rules/eso_diagnosis.h"
#include "workups/rules/simulator.h"

namespace ocu {
namespace {

struct CheckCase {
    const char* name;
    std::string text;
    DeviationVerdict verdict;
};

class DeviationBoxCheck : public ::testing::TestWithParam<CheckCase> {};

TEST_P(DeviationBoxCheck, WithTheNinetyLimit) { EXPECT_EQ(checkDeviation(GetParam().text), GetParam().verdict); }

INSTANTIATE_TEST_SUITE_P(
    Texts, DeviationBoxCheck,
    ::testing::Values(CheckCase{"Empty", "", DeviationVerdict::PutZero},
                      CheckCase{"Ninety", "90", DeviationVerdict::Accepted},
                      CheckCase{"NinetyPointOne", "90.1", DeviationVerdict::TooLarge},
                      CheckCase{"NinetyOne", "91", DeviationVerdict::TooLarge},
                      CheckCase{"Zero", "0", DeviationVerdict::Accepted},
                      CheckCase{"Negative", "-5", DeviationVerdict::Accepted},
                      CheckCase{"BlanksAround", " 25 ", DeviationVerdict::Accepted},
                      CheckCase{"OnlyBlanks", "  ", DeviationVerdict::NotANumber},
                      CheckCase{"TrailingLetters", "12abc", DeviationVerdict::NotANumber},
                      CheckCase{"Letters", "abc", DeviationVerdict::NotANumber},
                      CheckCase{"Exponent", "1e5", DeviationVerdict::NotANumber},
                      CheckCase{"ThreeHundredDigitsTooLarge", std::string(300, '9'), DeviationVerdict::TooLarge},
                      CheckCase{"PastTheRangeOfANumber", std::string(400, '9'), DeviationVerdict::NotANumber},
                      CheckCase{"HugeNegative", "-" + std::string(400, '9'), DeviationVerdict::NotANumber}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DeviationBoxCheck, WithoutALimitOnlyAnEmptyBoxIsActedOn) {
    EXPECT_EQ(checkDeviation("", std::nullopt), DeviationVerdict::PutZero);
    EXPECT_EQ(checkDeviation("95", std::nullopt), DeviationVerdict::Accepted);
    EXPECT_EQ(checkDeviation("abc", std::nullopt), DeviationVerdict::Accepted);
}

TEST(DeviationReading, IsTheWholeText) {
    EXPECT_EQ(readDeviation(" 30 "), 30.0);
    EXPECT_EQ(readDeviation("-5"), -5.0);
    EXPECT_EQ(readDeviation("30mm"), std::nullopt);
    EXPECT_EQ(readDeviation(""), std::nullopt);
}

// --- Bands of a deviation --------------------------------------------------------

TEST(DeviationBand, AboveItsLimitLeavesTheLimitOut) {
    EXPECT_TRUE(workup::above(12).holds(12.5));
    EXPECT_FALSE(workup::above(12).holds(12));
    EXPECT_FALSE(workup::above(12).holds(-20));
}

TEST(DeviationBand, UpToItsLimitTakesTheLimitIn) {
    EXPECT_TRUE(workup::upTo(50).holds(50));
    EXPECT_TRUE(workup::upTo(50).holds(-50));
    EXPECT_FALSE(workup::upTo(50).holds(50.5));
}

TEST(DeviationBand, AnyTakesEveryDeviation) {
    EXPECT_TRUE(workup::kAnyDeviation.holds(0));
    EXPECT_TRUE(workup::kAnyDeviation.holds(-90));
    EXPECT_TRUE(workup::kAnyDeviation.holds(1e9));
}

// --- Simulator -----------------------------------------------------------------

TEST(IrisRows, EsoDeviationsMoveBothIrisesTowardsTheNose) {
    const std::array<IrisRow, 3> rows = irisRows(eso::kIrisBase, {14, 28, -7}, IrisShift::TowardsNose);
    EXPECT_DOUBLE_EQ(rows[0].rightEye.left, 16.505);
    EXPECT_DOUBLE_EQ(rows[0].leftEye.left, 43.009);
    EXPECT_DOUBLE_EQ(rows[0].rightEye.top, 15.7);
    EXPECT_DOUBLE_EQ(rows[0].leftEye.top, 15.7);
    EXPECT_DOUBLE_EQ(rows[1].rightEye.left, 17.505);
    EXPECT_DOUBLE_EQ(rows[1].leftEye.left, 42.009);
    EXPECT_DOUBLE_EQ(rows[1].rightEye.top, 39.987);
    EXPECT_DOUBLE_EQ(rows[2].rightEye.left, 15.005);  // a negative deviation moves outwards
    EXPECT_DOUBLE_EQ(rows[2].leftEye.left, 44.509);
    EXPECT_DOUBLE_EQ(rows[2].leftEye.top, 68.393);
}

TEST(IrisRows, ExoDeviationsMoveThemAwayFromTheNose) {
    const IrisBase exoBase{14.817, 43.498, {22.5, 53.693, 85.908}};
    const IrisRow row = irisRow(exoBase, Gaze::Primary, 28, IrisShift::AwayFromNose);
    EXPECT_DOUBLE_EQ(row.rightEye.left, 12.817);
    EXPECT_DOUBLE_EQ(row.leftEye.left, 45.498);
    EXPECT_DOUBLE_EQ(row.rightEye.top, 53.693);
}

TEST(IrisRows, NoDeviationIsTheBase) {
    const IrisRow row = irisRow(eso::kIrisBase, Gaze::Down, 0, IrisShift::TowardsNose);
    EXPECT_EQ(row, (IrisRow{{15.505, 68.393}, {44.009, 68.393}}));
}

}  // namespace
}  // namespace ocu
