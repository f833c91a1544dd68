#include "restrictive/rules/doubleelevator.h"

#include <gtest/gtest.h>

#include "support/expectedresults.h"

namespace ocu {
namespace {

using P = PrimaryPosition;
using A = HypertropiaAmount;
using F = ForcedDuction;

constexpr std::string_view kNotIndicated = "Surgery is not indicated";
constexpr std::string_view kInferiorRectus = "Inferior Rectus recession";
constexpr std::string_view kKnapp =
    " Knapp procedure (transposing the medial and lateral recti to the corners of the insertion of the superior "
    "rectus)";
constexpr std::string_view kGraded = "A graded resection of the superior rectus and recession of the inferior rectus ";

struct OperationCase {
    const char* name;
    P primary;
    F forcedDuction;
    A amount;
    std::optional<std::string_view> operation;
};

class DoubleElevatorOperation : public testing::TestWithParam<OperationCase> {};

TEST_P(DoubleElevatorOperation, FirstMatchingRowOnly) {
    const OperationCase& c = GetParam();
    const DoubleElevatorAdvice advice = doubleElevatorAdvice(
        {.primary = c.primary, .amount = c.amount, .ptosis = PtosisFinding::Absent, .forcedDuction = c.forcedDuction});
    EXPECT_EQ(advice.operation, expect::inResultColour(c.operation));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DoubleElevatorOperation,
    testing::Values(
        OperationCase{"OrthophoriaAsOpened", P::Orthophoria, F::Positive, A::Unanswered, kNotIndicated},
        // Orthophoria wins over whatever else is answered.
        OperationCase{"OrthophoriaNegativeLarge", P::Orthophoria, F::Negative, A::MoreThan30Pd, kNotIndicated},
        OperationCase{"PositiveNoAmount", P::Hypertropia, F::Positive, A::Unanswered, kInferiorRectus},
        OperationCase{"PositiveLarge", P::Hypertropia, F::Positive, A::MoreThan30Pd, kInferiorRectus},
        OperationCase{"PositiveSmall", P::Hypertropia, F::Positive, A::LessThan30Pd, kInferiorRectus},
        OperationCase{"NegativeLarge", P::Hypertropia, F::Negative, A::MoreThan30Pd, kKnapp},
        OperationCase{"NegativeSmall", P::Hypertropia, F::Negative, A::LessThan30Pd, kGraded},
        OperationCase{"NegativeNoAmountLeavesLabel", P::Hypertropia, F::Negative, A::Unanswered, std::nullopt},
        OperationCase{"HypertropiaNoDuctionTest", P::Hypertropia, F::Unanswered, A::MoreThan30Pd, std::nullopt},
        OperationCase{"NoPrimaryPosition", P::Unanswered, F::Negative, A::LessThan30Pd, std::nullopt}),
    [](const testing::TestParamInfo<OperationCase>& info) { return std::string(info.param.name); });

TEST(DoubleElevatorPtosis, OnlyAPresentPtosisWritesTheAdvice) {
    const std::string_view advice =
        "Ptosis surgery should be avoided until the hypotropia is corrected. Once the eye alignment is improved, "
        "the ptosis can be reevaluated.";
    DoubleElevatorFindings findings{.primary = P::Hypertropia,
                                    .amount = A::Unanswered,
                                    .ptosis = PtosisFinding::Present,
                                    .forcedDuction = F::Negative};
    // Independent of the operation: here no operation row holds.
    EXPECT_EQ(doubleElevatorAdvice(findings).ptosis, expect::result(advice));
    EXPECT_EQ(doubleElevatorAdvice(findings).operation, std::nullopt);
    findings.ptosis = PtosisFinding::Absent;
    EXPECT_EQ(doubleElevatorAdvice(findings).ptosis, std::nullopt);
    findings.ptosis = PtosisFinding::Unanswered;
    EXPECT_EQ(doubleElevatorAdvice(findings).ptosis, std::nullopt);
}

}  // namespace
}  // namespace ocu
