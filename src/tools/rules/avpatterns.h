#pragma once
// A-V patterns of a horizontal deviation from the deviations in up gaze,
// the primary position and down gaze, in prism dioptres; and where the
// pattern calculator's simulator draws the irises for them.

#include <array>
#include <optional>
#include <string_view>

namespace ocu::avp {

enum class Deviation { None, Esotropia, Exotropia };

// The three measurements: up gaze (U), primary position (P), down gaze (W).
struct Gazes {
    double up = 0;
    double primary = 0;
    double down = 0;
};

// --- Pattern, first row whose conditions all hold ---------------------------
enum class Term { Up, Primary, Down, UpMinusDown, DownMinusUp };
enum class Compare { Above, Below, Equals };
struct Condition {
    Term term;
    Compare compare;
    double value;
};
struct PatternRow {
    Deviation type;
    std::array<Condition, 3> conditions;
    std::string_view text;
};

using enum Term;
using enum Compare;
// clang-format off
inline constexpr PatternRow kPatternRows[] = {
    {Deviation::Exotropia, {{{UpMinusDown, Above, 15}, {Primary, Above, 0}, {Up, Above, 15}}},
     " V Patterns Exotropia"},
    {Deviation::Exotropia, {{{DownMinusUp, Above, 10}, {Primary, Above, 0}, {Down, Above, 15}}},
     " A Patterns Exotropia "},
    {Deviation::Esotropia, {{{UpMinusDown, Above, 10}, {Primary, Above, 0}, {Up, Above, 15}}},
     " A Patterns Esotropia "},
    {Deviation::Esotropia, {{{DownMinusUp, Above, 15}, {Primary, Above, 0}, {Down, Above, 15}}},
     " V Patterns Esotropia "},
    {Deviation::Exotropia, {{{Up, Above, 15}, {Down, Above, 15}, {Primary, Below, 7}}},
     " X Patterns Exotropia "},
    {Deviation::Exotropia, {{{Up, Above, 15}, {Down, Equals, 0}, {Primary, Equals, 0}}},
     " Y Patterns Exotropia "},
    {Deviation::Exotropia, {{{Up, Equals, 0}, {Down, Above, 15}, {Primary, Equals, 0}}},
     " Delta Patterns Exotropia "},
};
// clang-format on

// The text of the first row that holds; nullopt leaves the result box as it is.
std::optional<std::string_view> pattern(Deviation type, const Gazes& gazes);

// --- Simulator, millimetres of the screen's client area ---------------------
// Where the irises stand: the one source of their place on the screen, whose
// form gives their size and places the faces.
struct Point {
    double left, top;
};

inline constexpr double kRightIrisLeft = 80.998;  // the patient's right eye, on the viewer's left
inline constexpr double kLeftIrisLeft = 109.608;
inline constexpr double kUpTop = 44.567;
inline constexpr double kPrimaryTop = 78.317;
inline constexpr double kDownTop = 112.067;
// The up and down rows are drawn 2 mm nearer the primary position until the
// first Enter or Reset places them at their gaze.
inline constexpr double kUpTopAtOpen = kUpTop + 2;
inline constexpr double kDownTopAtOpen = kDownTop - 2;
// Millimetres of iris movement per prism dioptre.
inline constexpr double kDioptresPerMm = 14;

// The six irises in the screen's order: right and left eye of the up row,
// of the primary row, of the down row.
struct Irises {
    Point rightUp, leftUp, rightPrimary, leftPrimary, rightDown, leftDown;
};

// The irises at the simulator's constants (Reset).
Irises restingIrises();
// The irises for the deviations, moved towards the nose for an esotropia
// and away from it for an exotropia; nullopt (nothing moves) with no type.
std::optional<Irises> irises(Deviation type, const Gazes& gazes);

}  // namespace ocu::avp
