#include "paralytic/rules/parks.h"

#include <gtest/gtest.h>

#include "labels.h"

namespace ocu::paralytic {
namespace {

using namespace expect;

constexpr auto RL = HigherEye::RightOverLeft;
constexpr auto LR = HigherEye::LeftOverRight;
constexpr auto No1 = HigherEye::Unanswered;
constexpr auto RGaze = WorseGaze::Right;
constexpr auto LGaze = WorseGaze::Left;
constexpr auto BGaze = WorseGaze::Both;
constexpr auto No2 = WorseGaze::Unanswered;
constexpr auto RTurn = WorseHeadTurn::Right;
constexpr auto LTurn = WorseHeadTurn::Left;
constexpr auto BTurn = WorseHeadTurn::Both;
constexpr auto No3 = WorseHeadTurn::Unanswered;

using Step = std::optional<Result> (*)(const ThreeStepAnswers&);

struct StepCase {
    const char* name;
    Step step;
    ThreeStepAnswers answers;
    std::optional<Result> expected;
};

class ThreeStepTable : public testing::TestWithParam<StepCase> {};

TEST_P(ThreeStepTable, FirstMatchingRowWritesTheInference) {
    EXPECT_EQ(GetParam().step(GetParam().answers), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ThreeStepTable,
    testing::Values(
        StepCase{"Step1Unanswered", parksStep1, {No1, RGaze, RTurn}, std::nullopt},
        StepCase{"Step1RightOverLeft", parksStep1, {RL, No2, No3}, result("Rt SO,Rt IR,Lt SR,Lt IO are may be weak.")},
        StepCase{"Step1LeftOverRight", parksStep1, {LR, No2, No3}, result("Lt SO,Lt IR,Rt SR,Rt IO are may be weak.")},
        StepCase{"Step2Unanswered", parksStep2, {RL, No2, No3}, std::nullopt},
        StepCase{"Step2WithoutStep1", parksStep2, {No1, LGaze, No3}, std::nullopt},
        StepCase{"Step2LeftGazeLOverR", parksStep2, {LR, LGaze, No3}, result("Lt IR Or Rt IO are may be Weak")},
        StepCase{"Step2RightGazeLOverR", parksStep2, {LR, RGaze, No3}, result("Rt SR Or Lt SO are may be Weak")},
        StepCase{"Step2RightGazeROverL", parksStep2, {RL, RGaze, No3}, result("Rt IR Or Lt IO are may be Weak")},
        StepCase{"Step2LeftGazeROverL", parksStep2, {RL, LGaze, No3}, result("Lt SR Or Rt SO are may be Weak")},
        StepCase{"Step2BothGazes", parksStep2, {RL, BGaze, No3}, std::nullopt},
        StepCase{"Step3Unanswered", parksStep3, {RL, RGaze, No3}, std::nullopt},
        StepCase{"Step3WithoutStep1", parksStep3, {No1, RGaze, RTurn}, std::nullopt},
        // Step 2 answered to a side: the one muscle all three answers point to.
        StepCase{"Step3ROverLLeftGazeRightTilt", parksStep3, {RL, LGaze, RTurn}, result("Rt Superior Oblique is weak")},
        StepCase{"Step3ROverLLeftGazeLeftTilt", parksStep3, {RL, LGaze, LTurn}, result("Lt Superior Rectus is weak")},
        StepCase{
            "Step3ROverLRightGazeRightTilt", parksStep3, {RL, RGaze, RTurn}, result("Lt Inferior Oblique is weak")},
        StepCase{"Step3ROverLRightGazeLeftTilt", parksStep3, {RL, RGaze, LTurn}, result("Rt Inferior Rectus is weak")},
        StepCase{"Step3LOverRRightGazeLeftTilt", parksStep3, {LR, RGaze, LTurn}, result("Lt Superior Oblique is weak")},
        StepCase{"Step3LOverRRightGazeRightTilt", parksStep3, {LR, RGaze, RTurn}, result("Rt Superior Rectus is weak")},
        StepCase{"Step3LOverRLeftGazeLeftTilt", parksStep3, {LR, LGaze, LTurn}, result("Rt Inferior Oblique is weak")},
        StepCase{"Step3LOverRLeftGazeRightTilt", parksStep3, {LR, LGaze, RTurn}, result("Lt Inferior Rectus is weak")},
        // Step 2 unanswered or both gazes: steps 1 and 3 alone.
        StepCase{"Step3RightLOverR", parksStep3, {LR, No2, RTurn}, result("Lt Inferior Rectus is weak")},
        StepCase{"Step3LeftLOverR", parksStep3, {LR, BGaze, LTurn}, result("Lt Superior Oblique is weak")},
        StepCase{"Step3RightROverL", parksStep3, {RL, BGaze, RTurn}, result("Rt Superior Oblique is weak")},
        StepCase{"Step3LeftROverL", parksStep3, {RL, No2, LTurn}, result("Rt Inferior Rectus is weak")},
        StepCase{"Step3BothWithRightGaze", parksStep3, {LR, RGaze, BTurn}, std::nullopt},
        StepCase{"Step3BothWithBothGazesWithoutStep1",
                 parksStep3,
                 {No1, BGaze, BTurn},
                 result(" Both Superior Obliques are weak")},
        StepCase{"Step3BothWithBothGazes", parksStep3, {LR, BGaze, BTurn}, result(" Both Superior Obliques are weak")},
        StepCase{"Step3BothWithLeftGaze", parksStep3, {RL, LGaze, BTurn}, std::nullopt}),
    [](const testing::TestParamInfo<StepCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ocu::paralytic
