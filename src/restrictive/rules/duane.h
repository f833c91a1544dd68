#pragma once
// Duane's retraction syndrome, typed per eye from the ductions and the
// narrowing of the palpebral aperture, and the operation for each type.

#include <optional>
#include <string_view>

#include "shell/rules/result.h"

namespace ocu {

enum class Duction { Unanswered, Normal, Restricted };
enum class ApertureNarrowing { Unanswered, Present, Absent };
enum class Eye { Right, Left };

struct DuaneFindings {
    ApertureNarrowing narrowing = ApertureNarrowing::Unanswered;
    Duction adduction = Duction::Unanswered;
    Duction abduction = Duction::Unanswered;
};

inline constexpr std::string_view kDuaneType1 = "Type 1 Duane's Retraction Syndrome";
inline constexpr std::string_view kDuaneType2 = "Type 2 Duane's Retraction Syndrome";
inline constexpr std::string_view kDuaneType3 = "Type 3 Duane's Retraction Syndrome";

// Every type shares one differential diagnosis.
inline constexpr std::string_view kDuaneDifferential =
    "Diff. Diag  "
    "Old Lat. Rectus Palse,Old Inftile Esotropia With Cross Fixation ,Recovered third N Palsy";

struct DuaneTypeRow {
    ApertureNarrowing narrowing;
    Duction adduction;
    Duction abduction;
    std::string_view type;
};

// clang-format off
inline constexpr DuaneTypeRow kDuaneTypes[] = {
    {ApertureNarrowing::Present, Duction::Restricted, Duction::Normal, kDuaneType2},
    {ApertureNarrowing::Present, Duction::Normal, Duction::Restricted, kDuaneType1},
    {ApertureNarrowing::Present, Duction::Restricted, Duction::Restricted, kDuaneType3},
};
// clang-format on

// The operation is chosen from the type as the eye's type label shows it,
// and names the eye of its own side.
struct DuaneManagementRow {
    std::string_view type;
    std::string_view rightEye;
    std::string_view leftEye;
};

// clang-format off
inline constexpr DuaneManagementRow kDuaneManagement[] = {
    {kDuaneType1, "Medial Rectus Recession", "Medial Rectus Recession"},
    {kDuaneType2,
     "Lat. Rectus Recession and medial rectus Recession in Right Eye+-(Left Lat. rectus recession if "
     "deviation or retraction is severe)",
     "Lat. Rectus Recession and medial rectus Recession in left Eye+-(Right Lat. rectus recession if "
     "deviation or retraction is severe)"},
    {kDuaneType3, "Right Eye  medial and lateral rectus Recession",
     "Left Eye  medial and lateral rectus Recession"},
};
// clang-format on

// The type in the result colour and the differential in the differential
// colour, or nullopt when no row holds (both labels then stay as they are).
struct DuaneDiagnosis {
    Result type;
    Result differential;
    friend bool operator==(const DuaneDiagnosis&, const DuaneDiagnosis&) = default;
};
std::optional<DuaneDiagnosis> duaneType(const DuaneFindings& findings);

// The operation in the result colour for the type label's whole text,
// compared exactly; nullopt when the label shows no type, and the management
// label stays as it is.
std::optional<Result> duaneManagement(Eye eye, std::string_view typeShown);

}  // namespace ocu
