#include "paralytic/rules/parks.h"

namespace ocu::paralytic {
namespace {

constexpr HigherEye ROverL = HigherEye::RightOverLeft;
constexpr HigherEye LOverR = HigherEye::LeftOverRight;
constexpr WorseGaze RightGaze = WorseGaze::Right;
constexpr WorseGaze LeftGaze = WorseGaze::Left;
constexpr WorseGaze BothGazes = WorseGaze::Both;
constexpr WorseHeadTurn Right = WorseHeadTurn::Right;
constexpr WorseHeadTurn Left = WorseHeadTurn::Left;
constexpr WorseHeadTurn Both = WorseHeadTurn::Both;

// Every inference is written in the result colour.
struct StepRow {
    When<HigherEye> step1;
    When<WorseGaze> step2;
    When<WorseHeadTurn> step3;
    std::string_view inference;
};

// clang-format off
constexpr StepRow kStep1Rows[] = {
    {ROverL, any, any, "Rt SO,Rt IR,Lt SR,Lt IO are may be weak."},
    {LOverR, any, any, "Lt SO,Lt IR,Rt SR,Rt IO are may be weak."},
};
// clang-format on

// "Both Gazes" gives no inference at this step.
// clang-format off
constexpr StepRow kStep2Rows[] = {
    {LOverR, LeftGaze, any, "Lt IR Or Rt IO are may be Weak"},
    {LOverR, RightGaze, any, "Rt SR Or Lt SO are may be Weak"},
    {ROverL, RightGaze, any, "Rt IR Or Lt IO are may be Weak"},
    {ROverL, LeftGaze, any, "Lt SR Or Rt SO are may be Weak"},
};
// clang-format on

// With the worse gaze answered, step 3 names the one muscle all three
// answers point to (the eye that is higher, the side of gaze, the head tilt).
// Without it, or with both gazes, it falls back on steps 1 and 3 alone.
// clang-format off
constexpr StepRow kStep3Rows[] = {
    {ROverL, LeftGaze, Right, "Rt Superior Oblique is weak"},
    {ROverL, LeftGaze, Left, "Lt Superior Rectus is weak"},
    {ROverL, RightGaze, Right, "Lt Inferior Oblique is weak"},
    {ROverL, RightGaze, Left, "Rt Inferior Rectus is weak"},
    {LOverR, RightGaze, Left, "Lt Superior Oblique is weak"},
    {LOverR, RightGaze, Right, "Rt Superior Rectus is weak"},
    {LOverR, LeftGaze, Left, "Rt Inferior Oblique is weak"},
    {LOverR, LeftGaze, Right, "Lt Inferior Rectus is weak"},
    {LOverR, any, Right, "Lt Inferior Rectus is weak"},
    {LOverR, any, Left, "Lt Superior Oblique is weak"},
    {ROverL, any, Right, "Rt Superior Oblique is weak"},
    {ROverL, any, Left, "Rt Inferior Rectus is weak"},
    {any, BothGazes, Both, " Both Superior Obliques are weak"},
};
// clang-format on

template <std::size_t Rows>
std::optional<Result> infer(const StepRow (&rows)[Rows], const ThreeStepAnswers& a) {
    const StepRow* row = firstMatch(rows, [&](const StepRow& r) {
        return r.step1.holds(a.step1) && r.step2.holds(a.step2) && r.step3.holds(a.step3);
    });
    if (row == nullptr) return std::nullopt;
    return inResultColour(row->inference);
}

}  // namespace

std::optional<Result> parksStep1(const ThreeStepAnswers& a) { return infer(kStep1Rows, a); }
std::optional<Result> parksStep2(const ThreeStepAnswers& a) { return infer(kStep2Rows, a); }
std::optional<Result> parksStep3(const ThreeStepAnswers& a) { return infer(kStep3Rows, a); }

}  // namespace ocu::paralytic
