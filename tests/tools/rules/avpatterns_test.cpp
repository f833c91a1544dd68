#include "tools/rules/avpatterns.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace ocu::avp {
namespace {

struct PatternCase {
    const char* name;
    Deviation type;
    Gazes gazes;  // up, primary, down
    std::optional<std::string_view> text;
};

class Pattern : public testing::TestWithParam<PatternCase> {};

TEST_P(Pattern, FirstRowThatHoldsNamesThePattern) {
    EXPECT_EQ(pattern(GetParam().type, GetParam().gazes), GetParam().text);
}

constexpr auto Eso = Deviation::Esotropia;
constexpr auto Exo = Deviation::Exotropia;

INSTANTIATE_TEST_SUITE_P(Rows, Pattern,
                         testing::Values(PatternCase{"ExoV", Exo, {30, 20, 10}, " V Patterns Exotropia"},
                                         PatternCase{"ExoVNeedsMoreThanFifteenApart", Exo, {25, 20, 10}, std::nullopt},
                                         PatternCase{"ExoVNeedsAPrimaryDeviation", Exo, {30, 0, 10}, std::nullopt},
                                         PatternCase{"ExoA", Exo, {10, 15, 25}, " A Patterns Exotropia "},
                                         PatternCase{"ExoANeedsMoreThanTenApart", Exo, {10, 15, 20}, std::nullopt},
                                         PatternCase{"ExoANeedsMoreThanFifteenDown", Exo, {4, 15, 15}, std::nullopt},
                                         PatternCase{"EsoA", Eso, {30, 20, 15}, " A Patterns Esotropia "},
                                         PatternCase{"EsoANeedsMoreThanFifteenUp", Eso, {15, 20, 4}, std::nullopt},
                                         PatternCase{"EsoV", Eso, {10, 20, 30}, " V Patterns Esotropia "},
                                         PatternCase{"EsoVFifteenApartIsNotEnough", Eso, {10, 20, 25}, std::nullopt},
                                         PatternCase{"EsoHasNoXYOrDelta", Eso, {20, 0, 0}, std::nullopt},
                                         PatternCase{"ExoX", Exo, {20, 5, 20}, " X Patterns Exotropia "},
                                         PatternCase{"ExoXNeedsPrimaryBelowSeven", Exo, {20, 7, 20}, std::nullopt},
                                         PatternCase{"ExoVComesBeforeX", Exo, {40, 5, 20}, " V Patterns Exotropia"},
                                         PatternCase{"ExoY", Exo, {20, 0, 0}, " Y Patterns Exotropia "},
                                         PatternCase{"ExoYNeedsNothingDown", Exo, {20, 0, 1}, std::nullopt},
                                         PatternCase{"ExoDelta", Exo, {0, 0, 20}, " Delta Patterns Exotropia "},
                                         PatternCase{"ExoFlat", Exo, {0, 0, 0}, std::nullopt},
                                         PatternCase{"NoType", Deviation::None, {30, 20, 10}, std::nullopt}),
                         [](const testing::TestParamInfo<PatternCase>& info) { return std::string(info.param.name); });

TEST(Irises, MoveAwayFromTheNoseInExotropia) {
    const auto placed = irises(Exo, {30, 20, 10});
    ASSERT_TRUE(placed.has_value());
    EXPECT_NEAR(placed->rightUp.left, 78.855, 0.0005);
    EXPECT_NEAR(placed->leftUp.left, 111.751, 0.0005);
    EXPECT_NEAR(placed->rightPrimary.left, 79.569, 0.0005);
    EXPECT_NEAR(placed->leftPrimary.left, 111.037, 0.0005);
    EXPECT_NEAR(placed->rightDown.left, 80.284, 0.0005);
    EXPECT_NEAR(placed->leftDown.left, 110.322, 0.0005);
    EXPECT_DOUBLE_EQ(placed->rightUp.top, 44.567);
    EXPECT_DOUBLE_EQ(placed->leftPrimary.top, 78.317);
    EXPECT_DOUBLE_EQ(placed->rightDown.top, 112.067);
}

TEST(Irises, MoveTowardsTheNoseInEsotropia) {
    const auto placed = irises(Eso, {30, 20, 15});
    ASSERT_TRUE(placed.has_value());
    EXPECT_NEAR(placed->rightUp.left, 83.141, 0.0005);
    EXPECT_NEAR(placed->leftUp.left, 107.465, 0.0005);
    EXPECT_DOUBLE_EQ(placed->rightPrimary.left, 80.998 + 20.0 / 14);
    EXPECT_DOUBLE_EQ(placed->leftDown.left, 109.608 - 15.0 / 14);
}

TEST(Irises, StayWhereTheyAreWithoutAType) { EXPECT_FALSE(irises(Deviation::None, {30, 20, 10}).has_value()); }

}  // namespace
}  // namespace ocu::avp
