#pragma once
// Where the tutorial's buttons put the two irises, and which muscle each
// names under each eye. Millimetres of the tutorial screen's client area,
// (left, top) of each iris; the patient's right eye is on the viewer's left.

#include <array>
#include <optional>
#include <string_view>

namespace ocu::movements {

struct Point {
    double left, top;
};
struct Pose {
    Point od, os;
};

// Rest: the one source of where the irises stand when the tutorial opens
// (its form gives their size).
inline constexpr Point kOdRest{28.205, 34.608};
inline constexpr Point kOsRest{83.009, 34.608};

// A muscle label: nullopt leaves the label as it is, "" empties it.
using Label = std::optional<std::string_view>;
inline constexpr Label kKeep = std::nullopt;
inline constexpr Label kEmpty = std::string_view();

struct Movement {
    Pose pose;
    Label od;  // Label3, under the right eye
    Label os;  // Label4, under the left eye
};

// Nine diagnostic gazes, vergences and hypertropias: the same for both eyes.
struct BothEyesRow {
    std::string_view button;
    Movement movement;
};
// clang-format off
inline constexpr BothEyesRow kBothEyesRows[] = {
    // Nine diagnostic gazes: a version moves both irises 7 mm sideways, an
    // elevation or depression 5 mm, from rest.
    {"Prim", {{{28.205, 34.608}, {83.009, 34.608}}, kEmpty, kEmpty}},
    {"Dextro", {{{21.205, 34.608}, {76.009, 34.608}}, " Rt. Lat.Rectus", " Lt. Med Rectus"}},
    {"Levo", {{{35.205, 34.608}, {90.009, 34.608}}, " Rt. Med. Rectus", " Lt. Lat. Rectus"}},
    {"Elev", {{{28.205, 29.608}, {83.009, 29.608}}, " Rt. Sup. Rectus", " Lt. Sup. Rectus"}},
    {"Dep", {{{28.205, 39.608}, {83.009, 39.608}}, " Rt. Inf. Rectus", " Lt. Inf. Rectus"}},
    {"Dele", {{{21.205, 29.608}, {76.009, 29.608}}, " Rt. Sup.Rectus", " Lt. Inf. Oblique"}},
    {"Lele", {{{35.205, 29.608}, {90.009, 29.608}}, " Rt. Inf. Oblique", " Lt. Sup. Rectus"}},
    {"Ddep", {{{21.205, 39.608}, {76.009, 39.608}}, " Rt. Inf. Rectus", " Lt. Sup. Oblique"}},
    {"LDep", {{{35.205, 39.608}, {90.009, 39.608}}, " Rt. Sup. Oblique", " Lt. Inf. Rectus"}},
    // Vergences and hypertropias name no muscle.
    {"Conv", {{{31.205, 34.608}, {80.009, 34.608}}, kKeep, kKeep}},
    {"Div", {{{25.205, 34.608}, {86.009, 34.608}}, kKeep, kKeep}},
    {"Rhyper", {{{28.205, 32.608}, {83.009, 36.608}}, kKeep, kKeep}},
    {"Lhyper", {{{28.205, 36.608}, {83.009, 32.608}}, kKeep, kKeep}},
};
// clang-format on

// Ductions of the eye chosen: it moves and its muscle is named; the other
// eye returns to rest and its label is emptied.
enum class Eye { None, Right, Left };
struct DuctionRow {
    std::string_view button;
    Point od;
    std::string_view odMuscle;
    Point os;
    std::string_view osMuscle;
};
// clang-format off
inline constexpr DuctionRow kDuctionRows[] = {
    {"Command1", {21.205, 34.608}, " Rt. Lat.Rectus", {90.009, 34.608}, " Lt. Lat.Rectus"},  // Abduction
    {"Command2", {35.205, 34.608}, " Rt. Med.Rectus", {76.009, 34.608}, " Lt. Med Rectus"},  // Adduction
    {"Command3", {28.205, 29.608}, " Rt. Sup.Rectus", {83.009, 29.608}, " Lt. Sup.Rectus"},  // Elevation
    {"Command4", {28.205, 39.608}, " Rt. Inf.Rectus", {83.009, 39.608}, " Lt. Inf.Rectus"},  // Depression
};
// clang-format on

// Oblique over-action of grade g (1 to 4): both eyes in the lateral gaze that
// adducts the over-acting oblique's eye, which is raised (inferior oblique)
// or lowered (superior oblique): its top is base + direction × (offset + g).
// The labels stay as they are.
struct GradeRow {
    std::array<std::string_view, 4> buttons;  // grades 1 to 4
    Eye overActing;
    Pose base;
    double direction;  // −1 raises, +1 lowers
    double offset;
};
// clang-format off
inline constexpr GradeRow kGradeRows[] = {
    {{"LinfGr1", "LinfGr2", "LinfGr3", "LinfGr4"}, Eye::Right, {{36.205, 34.608}, {91.009, 34.608}}, -1, 2},
    {{"RInfgr1", "RInfgr2", "RInfgr3", "RInfgr4"}, Eye::Left, {{20.205, 34.608}, {75.009, 34.608}}, -1, 2},
    {{"LsupGr1", "LsupGr2", "LsupGr3", "LsupGr4"}, Eye::Right, {{35.205, 39.608}, {90.009, 39.608}}, +1, 0},
    {{"RsupGr1", "RsupGr2", "RsupGr3", "RsupGr4"}, Eye::Left, {{21.205, 39.608}, {76.009, 39.608}}, +1, 0},
};
// clang-format on

// The movement a button makes, with the eye chosen for ductions; nullopt
// (nothing happens) for a duction with no eye chosen or an unknown button.
std::optional<Movement> movementFor(std::string_view button, Eye ductionEye);

}  // namespace ocu::movements
