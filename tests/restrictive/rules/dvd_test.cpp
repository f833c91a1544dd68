#include "restrictive/rules/dvd.h"

#include <gtest/gtest.h>

#include <string>

#include "support/expectedresults.h"

namespace ocu {
namespace {

struct DvdCase {
    const char* name;
    DvdLaterality laterality;
    ObliqueOverAction inferiorOblique;
    std::optional<std::string_view> treatment;
};

class DvdTreatment : public testing::TestWithParam<DvdCase> {};

TEST_P(DvdTreatment, FromLateralityAndInferiorObliqueOverAction) {
    EXPECT_EQ(dvdTreatment(GetParam().laterality, GetParam().inferiorOblique),
              expect::inResultColour(GetParam().treatment));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DvdTreatment,
    testing::Values(
        DvdCase{"BilateralNo", DvdLaterality::Bilateral, ObliqueOverAction::No,
                "Bilateral 7 To 9 mm of Superior Rectus Recession +- Retro Equatorial Myopexy Of Superior Rectus "},
        DvdCase{"UnilateralNo", DvdLaterality::Unilateral, ObliqueOverAction::No,
                " Graded  Recession of Superior Rectus +- Retro Equatorial Myopexy Of Superior Rectus "},
        DvdCase{"BilateralYes", DvdLaterality::Bilateral, ObliqueOverAction::Yes,
                "Bilateral Total Anteropositioning of Inferior Oblique"},
        DvdCase{"UnilateralYes", DvdLaterality::Unilateral, ObliqueOverAction::Yes,
                "Unilateral Total Anteropositioning of Inferior Oblique"},
        DvdCase{"LateralityUnanswered", DvdLaterality::Unanswered, ObliqueOverAction::Yes, std::nullopt},
        DvdCase{"ObliqueUnanswered", DvdLaterality::Bilateral, ObliqueOverAction::Unanswered, std::nullopt}),
    [](const testing::TestParamInfo<DvdCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ocu
