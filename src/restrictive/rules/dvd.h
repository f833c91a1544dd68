#pragma once
// Surgical treatment of a dissociated vertical deviation.

#include <optional>
#include <string_view>

#include "shell/rules/result.h"

namespace ocu {

enum class DvdLaterality { Unanswered, Bilateral, Unilateral };
enum class ObliqueOverAction { Unanswered, No, Yes };

struct DvdRow {
    DvdLaterality laterality;
    ObliqueOverAction inferiorOblique;
    std::string_view treatment;
};

// clang-format off
inline constexpr DvdRow kDvdTreatments[] = {
    {DvdLaterality::Bilateral, ObliqueOverAction::No,
     "Bilateral 7 To 9 mm of Superior Rectus Recession +- Retro Equatorial Myopexy Of Superior Rectus "},
    {DvdLaterality::Unilateral, ObliqueOverAction::No,
     " Graded  Recession of Superior Rectus +- Retro Equatorial Myopexy Of Superior Rectus "},
    {DvdLaterality::Bilateral, ObliqueOverAction::Yes, "Bilateral Total Anteropositioning of Inferior Oblique"},
    {DvdLaterality::Unilateral, ObliqueOverAction::Yes, "Unilateral Total Anteropositioning of Inferior Oblique"},
};
// clang-format on

// The treatment in the result colour, or nullopt when an answer is missing.
std::optional<Result> dvdTreatment(DvdLaterality laterality, ObliqueOverAction inferiorOblique);

}  // namespace ocu
