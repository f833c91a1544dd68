#include "paralytic/rules/sixthnerve.h"

#include <gtest/gtest.h>

#include "labels.h"

namespace ocu::paralytic {
namespace {

using namespace expect;

const SixthNervePlan kAcute{
    result("1 Wait at least 6 month before operation." + blanks(23) + "2 Patch to eliminate diplopia."),
    result("3. Base out Prism in spectacles." + blanks(39) +
           "4 Chemodenervation of the ipsilateral medial rectus muscle")};
const SixthNervePlan kChronicParesis{result("Maximal recession medial Rectus + Maximum resection lateral rectus"),
                                     keepingColour("")};
const SixthNervePlan kChronicParalysis{
    result("Option1. Lateral transposition of superior rectus and inferior rectus."),
    result(" Option 2. Jensen procedure + Recession or chemodenervation of medial rectus.")};

struct PlanCase {
    const char* name;
    SixthNerveAnswers answers;
    std::optional<SixthNervePlan> expected;
};

class SixthNerveTable : public testing::TestWithParam<PlanCase> {};

TEST_P(SixthNerveTable, FirstMatchingRowWritesBothLabels) {
    EXPECT_EQ(sixthNervePlan(GetParam().answers), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SixthNerveTable,
    testing::Values(PlanCase{"NothingAnswered", {Course::Unanswered, Severity::Unanswered}, std::nullopt},
                    PlanCase{"ChronicAlone", {Course::Chronic, Severity::Unanswered}, std::nullopt},
                    PlanCase{"SeverityAlone", {Course::Unanswered, Severity::Paresis}, std::nullopt},
                    PlanCase{"Row1AcuteAlone", {Course::Acute, Severity::Unanswered}, kAcute},
                    PlanCase{"Row1AcuteParesis", {Course::Acute, Severity::Paresis}, kAcute},
                    PlanCase{"Row1AcuteParalysis", {Course::Acute, Severity::CompleteParalysis}, kAcute},
                    PlanCase{"Row2ChronicParesis", {Course::Chronic, Severity::Paresis}, kChronicParesis},
                    PlanCase{
                        "Row3ChronicParalysis", {Course::Chronic, Severity::CompleteParalysis}, kChronicParalysis}),
    [](const testing::TestParamInfo<PlanCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ocu::paralytic
