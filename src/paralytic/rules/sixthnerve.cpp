#include "paralytic/rules/sixthnerve.h"

namespace ocu::paralytic {
namespace {

constexpr Course Acute = Course::Acute;
constexpr Course Chronic = Course::Chronic;
constexpr Severity Paresis = Severity::Paresis;
constexpr Severity CompleteParalysis = Severity::CompleteParalysis;
constexpr Paint Coloured = Paint::Result;
constexpr Paint Keep = Paint::Keep;

// The long blank runs put each label's second item on a line of its own
// when the label wraps: 23 blanks after "operation.", 39 after "spectacles.".
struct PlanRow {
    When<Course> course;
    When<Severity> severity;
    Write left;
    Write right;
};

// clang-format off
constexpr PlanRow kRows[] = {
    /*1*/ {Acute, any,
           write("1 Wait at least 6 month before operation.                       2 Patch to eliminate diplopia.", Coloured),
           write("3. Base out Prism in spectacles.                                       4 Chemodenervation of the ipsilateral medial rectus muscle", Coloured)},
    /*2*/ {Chronic, Paresis,
           write("Maximal recession medial Rectus + Maximum resection lateral rectus", Coloured),
           write("", Keep)},
    /*3*/ {Chronic, CompleteParalysis,
           write("Option1. Lateral transposition of superior rectus and inferior rectus.", Coloured),
           write(" Option 2. Jensen procedure + Recession or chemodenervation of medial rectus.", Coloured)},
};
// clang-format on

}  // namespace

std::optional<SixthNervePlan> sixthNervePlan(const SixthNerveAnswers& a) {
    const PlanRow* row =
        firstMatch(kRows, [&](const PlanRow& r) { return r.course.holds(a.course) && r.severity.holds(a.severity); });
    if (row == nullptr) return std::nullopt;
    return SixthNervePlan{*row->left.change(), *row->right.change()};
}

}  // namespace ocu::paralytic
