#pragma once
// Grade of an oblique over-action from the vertical deviation, in prism
// dioptres, measured in the lateral gaze.

#include <climits>
#include <optional>
#include <string_view>

namespace ocu::grades {

struct GradeBand {
    int from, to;  // whole prism dioptres, both included
    std::string_view label;
};
// clang-format off
inline constexpr GradeBand kGradeBands[] = {
    {0, 4, ""},
    {5, 9, "Trace"},
    {10, 19, "Grade 1 "},
    {20, 29, "Grade 2 "},
    {30, 44, "Grade 3"},
    {45, INT_MAX, "Grade 4 "},
};
// clang-format on

// The label for a deviation already rounded to a whole number; nullopt (the
// label keeps its text) below 0.
std::optional<std::string_view> overActionGrade(int deviation);

}  // namespace ocu::grades
