#include "tools/rules/acaratio.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace ocu::aca {
namespace {

struct RatioCase {
    const char* name;
    Deviation type;
    const char* withoutLens;
    const char* withLens;
    const char* shown;
    std::optional<std::string> ratio;
    const char* ratioClass;
};

class Calculate : public testing::TestWithParam<RatioCase> {};

TEST_P(Calculate, WritesTheRatioInGeneralFormatAndClassesWhatTheBoxShows) {
    const RatioCase& c = GetParam();
    const Outcome outcome = calculate({c.type, c.withoutLens, c.withLens, c.shown});
    EXPECT_FALSE(outcome.notANumber.has_value());
    EXPECT_EQ(outcome.ratio, c.ratio);
    EXPECT_EQ(outcome.ratioClass, c.ratioClass);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Calculate,
    testing::Values(RatioCase{"EsoHigh", Deviation::Eso, "30", "12", "", "6", "High"},
                    RatioCase{"EsoNormalAtThree", Deviation::Eso, "30", "21", "", "3", "Normal"},
                    RatioCase{"EsoFifteenDigits", Deviation::Eso, "30", "20", "", "3.33333333333333", "Normal"},
                    RatioCase{"EsoRoundsTheLastDigit", Deviation::Eso, "30", "25", "", "1.66666666666667", "Low"},
                    RatioCase{"EsoTen", Deviation::Eso, "45", "15", "", "10", "High"},
                    RatioCase{"EsoNegative", Deviation::Eso, "12", "30", "", "-6", "Low"},
                    RatioCase{"EsoReadsLeniently", Deviation::Eso, "abc", "9", "", "-3", "Low"},
                    RatioCase{"EsoLeadingDigits", Deviation::Eso, " 24mm", "12.", "", "4", "Normal"},
                    RatioCase{"ExoNormalAtFive", Deviation::Exo, "20", "35", "", "5", "Normal"},
                    RatioCase{"ExoJustAboveFive", Deviation::Exo, "20", "36", "", "5.33333333333333", "High"},
                    RatioCase{"ExoAllowsBlanksAroundTheNumber", Deviation::Exo, " 20 ", "32", "", "4", "Normal"},
                    RatioCase{"ExoNoChangeIsZero", Deviation::Exo, "20", "20", "", "0", "Low"},
                    RatioCase{"NoTypeKeepsAnEmptyBox", Deviation::None, "30", "12", "", std::nullopt, "Low"},
                    RatioCase{"NoTypeClassesATypedRatio", Deviation::None, "30", "12", "5.5x", std::nullopt, "High"},
                    RatioCase{"NoTypeClassesFiveAsNormal", Deviation::None, "0", "0", "5", std::nullopt, "Normal"},
                    RatioCase{"NoTypeJustBelowThree", Deviation::None, "0", "0", "2.99999", std::nullopt, "Low"}),
    [](const testing::TestParamInfo<RatioCase>& info) { return std::string(info.param.name); });

struct RefusedCase {
    const char* name;
    Deviation type;
    std::string withoutLens;
    const char* withLens;
    Box box;
};

class Refused : public testing::TestWithParam<RefusedCase> {};

TEST_P(Refused, NamesTheFirstBoxThatIsNotANumberAndChangesNothing) {
    const RefusedCase& c = GetParam();
    const Outcome outcome = calculate({c.type, c.withoutLens, c.withLens, "7"});
    ASSERT_TRUE(outcome.notANumber.has_value());
    EXPECT_EQ(*outcome.notANumber, c.box);
    EXPECT_FALSE(outcome.ratio.has_value());
}

INSTANTIATE_TEST_SUITE_P(Cases, Refused,
                         testing::Values(RefusedCase{"ExoLetters", Deviation::Exo, "abc", "9", Box::WithoutLens},
                                         RefusedCase{"ExoTrailingLetters", Deviation::Exo, "20", "35pd", Box::WithLens},
                                         RefusedCase{"ExoEmpty", Deviation::Exo, "", "", Box::WithoutLens},
                                         RefusedCase{"EsoBeyondAnyNumber", Deviation::Eso, std::string(400, '9'), "1",
                                                     Box::WithoutLens}),
                         [](const testing::TestParamInfo<RefusedCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ocu::aca
