#include "restrictive/rules/duane.h"

#include <gtest/gtest.h>

#include <string>

#include "support/expectedresults.h"

namespace ocu {
namespace {

using N = ApertureNarrowing;
using D = Duction;

struct TypeCase {
    const char* name;
    N narrowing;
    D adduction;
    D abduction;
    std::optional<std::string_view> type;
};

class DuaneTyping : public testing::TestWithParam<TypeCase> {};

// Every type comes with the one differential, on its own colour.
constexpr std::string_view kDifferential =
    "Diff. Diag  Old Lat. Rectus Palse,Old Inftile Esotropia With Cross Fixation ,Recovered third N Palsy";

TEST_P(DuaneTyping, FromNarrowingAndDuctions) {
    const TypeCase& c = GetParam();
    const std::optional<DuaneDiagnosis> diagnosis =
        duaneType({.narrowing = c.narrowing, .adduction = c.adduction, .abduction = c.abduction});
    ASSERT_EQ(diagnosis.has_value(), c.type.has_value());
    if (!diagnosis) return;
    EXPECT_EQ(diagnosis->type, expect::result(*c.type));
    EXPECT_EQ(diagnosis->differential, expect::differential(kDifferential));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DuaneTyping,
    testing::Values(
        TypeCase{"AdductionLimited", N::Present, D::Restricted, D::Normal, "Type 2 Duane's Retraction Syndrome"},
        TypeCase{"AbductionLimited", N::Present, D::Normal, D::Restricted, "Type 1 Duane's Retraction Syndrome"},
        TypeCase{"BothLimited", N::Present, D::Restricted, D::Restricted, "Type 3 Duane's Retraction Syndrome"},
        TypeCase{"BothNormal", N::Present, D::Normal, D::Normal, std::nullopt},
        TypeCase{"NoNarrowing", N::Absent, D::Normal, D::Restricted, std::nullopt},
        TypeCase{"NoNarrowingBothLimited", N::Absent, D::Restricted, D::Restricted, std::nullopt},
        TypeCase{"DuctionsUnanswered", N::Present, D::Unanswered, D::Unanswered, std::nullopt},
        TypeCase{"AbductionUnanswered", N::Present, D::Restricted, D::Unanswered, std::nullopt},
        TypeCase{"NarrowingUnanswered", N::Unanswered, D::Normal, D::Restricted, std::nullopt}),
    [](const testing::TestParamInfo<TypeCase>& info) { return std::string(info.param.name); });

TEST(DuaneTyping, DifferentialRunsBothPiecesTogether) {
    EXPECT_EQ(kDuaneDifferential,
              "Diff. Diag  Old Lat. Rectus Palse,Old Inftile Esotropia With Cross Fixation ,Recovered third N Palsy");
}

struct ManagementCase {
    const char* name;
    Eye eye;
    std::string typeShown;
    std::optional<std::string_view> management;
};

class DuaneOperation : public testing::TestWithParam<ManagementCase> {};

TEST_P(DuaneOperation, FromTheTypeLabelsWholeText) {
    const ManagementCase& c = GetParam();
    EXPECT_EQ(duaneManagement(c.eye, c.typeShown), expect::inResultColour(c.management));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DuaneOperation,
    testing::Values(
        ManagementCase{"RightType1", Eye::Right, "Type 1 Duane's Retraction Syndrome", "Medial Rectus Recession"},
        ManagementCase{"LeftType1", Eye::Left, "Type 1 Duane's Retraction Syndrome", "Medial Rectus Recession"},
        ManagementCase{"RightType2", Eye::Right, "Type 2 Duane's Retraction Syndrome",
                       "Lat. Rectus Recession and medial rectus Recession in Right Eye+-(Left Lat. rectus recession "
                       "if deviation or retraction is severe)"},
        ManagementCase{"LeftType2", Eye::Left, "Type 2 Duane's Retraction Syndrome",
                       "Lat. Rectus Recession and medial rectus Recession in left Eye+-(Right Lat. rectus recession "
                       "if deviation or retraction is severe)"},
        ManagementCase{"RightType3", Eye::Right, "Type 3 Duane's Retraction Syndrome",
                       "Right Eye  medial and lateral rectus Recession"},
        ManagementCase{"LeftType3", Eye::Left, "Type 3 Duane's Retraction Syndrome",
                       "Left Eye  medial and lateral rectus Recession"},
        ManagementCase{"Empty", Eye::Right, "", std::nullopt},
        ManagementCase{"OtherCapitals", Eye::Right, "type 1 Duane's Retraction Syndrome", std::nullopt},
        ManagementCase{"TrailingBlank", Eye::Left, "Type 3 Duane's Retraction Syndrome ", std::nullopt},
        ManagementCase{"PartOfTheText", Eye::Left, "Type 2", std::nullopt}),
    [](const testing::TestParamInfo<ManagementCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ocu
