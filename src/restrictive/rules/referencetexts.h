#pragma once
// The reference texts of the restrictive screens, one entry a line, so that
// each can be held beside the clinical text it gives.

#include <string_view>

namespace ocu {

// Brown syndrome: its signs, and Brown syndrome Plus.
// clang-format off
inline constexpr std::string_view kBrownSyndromeText[] = {
    "Brown syndrome",
    "1. Limited elevation in adduction: the constant hallmark of the syndrome.",
    "2. Elevation is unaffected in the primary position and in",
    "   abduction.",
    "3. Compensatory head posture: chin up with the face turned to the",
    "   opposite side, avoiding the hypotropia of the involved eye, which",
    "   increases in up gaze and towards the opposite side.",
    "4. Minimal or no superior oblique overaction; forced ductions are",
    "   positive on elevating the eye in adduction (up and in). Any superior",
    "   oblique overaction should raise the suspicion of a tendon cause.",
    "5. The palpebral fissure widens on adduction.",
    "6. Visual acuity and stereoacuity are usually normal.",
    "7. A downshoot of the involved eye in adduction may or may not be present.",
    "8. A vertical deviation of more than 10 to 12 PD in the primary position",
    "   points to inferior oblique palsy, periocular scarring or a superior",
    "   nasal orbital mass rather than to a tight superior oblique tendon.",
    "9. It may be congenital or acquired.",
    "Brown syndrome Plus: Brown syndrome associated with overaction of the",
    "superior oblique muscle.",
};
// clang-format on

// clang-format off
inline constexpr std::string_view kBrownGradesText[] = {
    "Grades of Brown syndrome ( By Eustis,O'Reilly And Crawford )",
    "",
    "Mild:  Limited elevation in adduction but no downshoot,no hypertropia in primary position.",
    "Moderate:  Limited elevation in adduction with  downshoot, no hypertropia in primary position.",
    "Severe:  Limited elevation in adduction with  downshoot, hypertropia in primary position.",
};
// clang-format on

// clang-format off
inline constexpr std::string_view kBrownManagementText[] = {
    "Management: The main indications for surgery are chin elevation and a severe limitation of "
    "elevation in adduction that interferes with the quality of life.",
    "1.\tWright silicone tendon expander technique (preferred method)",
    "2.\tSuperior oblique split tendon lengthening technique",
    "3.\tTenotomy",
};
// clang-format on

// Double elevator palsy: definition, clinical features and pathogenesis.
// clang-format off
inline constexpr std::string_view kDoubleElevatorText[] = {
    "DOUBLE ELEVATOR PALSY",
    "Both elevators of one eye, the superior rectus and the inferior oblique, are weak,",
    "so that the eye cannot be elevated.",
    "",
    "Clinical Features",
    "1. Elevation of the affected eye is reduced in all positions of gaze.",
    "2. A chin-up head position is adopted to keep binocular single vision.",
    "3. It may be congenital or acquired.",
    "",
    "Pathogenesis",
    "Innervational (supranuclear, nuclear or infranuclear), mechanical from a restrictive",
    "orbital cause such as a tight inferior rectus, or a combination of the two.",
};
// clang-format on

}  // namespace ocu
