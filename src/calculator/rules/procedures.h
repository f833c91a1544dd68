#pragma once
// Which dose boxes each amount procedure opens for dosing, for the
// non-fixing eye and the direction of its deviation.

#include <array>
#include <initializer_list>
#include <optional>

#include "calculator/rules/doses.h"

namespace ocu::calc {

// The non-fixing eye and whether it turns in (eso) or out (exo).
enum class Side { EsoOD, EsoOS, ExoOD, ExoOS };

// The deviation options as selected on the screen; the first selected in
// the order ESO OD, ESO OS, EXO OD, EXO OS decides.
struct SideOptions {
    bool esoOD = false, esoOS = false, exoOD = false, exoOS = false;
};
constexpr std::optional<Side> firstSelected(SideOptions options) {
    if (options.esoOD) return Side::EsoOD;
    if (options.esoOS) return Side::EsoOS;
    if (options.exoOD) return Side::ExoOD;
    if (options.exoOS) return Side::ExoOS;
    return std::nullopt;
}
constexpr bool isEso(Side side) { return side == Side::EsoOD || side == Side::EsoOS; }

// A set of dose boxes.
class DoseBoxes {
public:
    constexpr DoseBoxes() = default;
    constexpr DoseBoxes(std::initializer_list<DoseBox> boxes) {
        for (DoseBox box : boxes) bits_ |= bit(box);
    }
    constexpr bool contains(DoseBox box) const { return (bits_ & bit(box)) != 0; }
    constexpr bool operator==(const DoseBoxes&) const = default;

private:
    static constexpr unsigned bit(DoseBox box) { return 1U << static_cast<unsigned>(box); }
    unsigned bits_ = 0;
};

enum class Procedure { BilateralRecession, RecessResect, ThreeOrFourMuscles, BilateralResection };

using enum DoseBox;

// Procedures that treat both eyes alike: one set for eso, one for exo.
struct BothEyesRow {
    Procedure procedure;
    DoseBoxes eso, exo;
};
// clang-format off
inline constexpr std::array<BothEyesRow, 3> kBothEyesProcedures = {{
    {Procedure::BilateralRecession, {MRrec_R, MRrec_L}, {LRrec_R, LRrec_L}},
    {Procedure::BilateralResection, {LRres_R, LRres_L}, {MRres_R, MRres_L}},
    {Procedure::ThreeOrFourMuscles, {MRrec_R, MRrec_L, LRres_R, LRres_L}, {LRrec_R, LRrec_L, MRres_R, MRres_L}},
}};
// clang-format on

// Recession and resection on the non-fixing eye alone.
struct OneEyeRow {
    Side side;
    DoseBoxes boxes;
};
// clang-format off
inline constexpr std::array<OneEyeRow, 4> kRecessResect = {{
    {Side::EsoOD, {MRrec_R, LRres_R}},
    {Side::EsoOS, {MRrec_L, LRres_L}},
    {Side::ExoOD, {LRrec_R, MRres_R}},
    {Side::ExoOS, {LRrec_L, MRres_L}},
}};
// clang-format on

// The boxes to enable and colour green (all others of the eight are
// disabled); nullopt when no deviation side is selected: no box changes.
constexpr std::optional<DoseBoxes> boxesToDose(Procedure procedure, std::optional<Side> side) {
    if (!side) return std::nullopt;
    if (procedure == Procedure::RecessResect) {
        for (const OneEyeRow& row : kRecessResect) {
            if (row.side == *side) return row.boxes;
        }
        return std::nullopt;
    }
    for (const BothEyesRow& row : kBothEyesProcedures) {
        if (row.procedure == procedure) return isEso(*side) ? row.eso : row.exo;
    }
    return std::nullopt;
}

// The procedure button each one disables after dosing, whatever was selected.
constexpr std::optional<Procedure> procedureDisabledAfter(Procedure procedure) {
    switch (procedure) {
    case Procedure::BilateralRecession: return Procedure::RecessResect;
    case Procedure::RecessResect: return Procedure::BilateralRecession;
    case Procedure::ThreeOrFourMuscles: return Procedure::BilateralRecession;
    case Procedure::BilateralResection: return std::nullopt;
    }
    return std::nullopt;
}

// Re-Plan shows "0" on white in the boxes in this order.
// clang-format off
inline constexpr std::array<DoseBox, kDoseBoxCount> kReplanOrder = {
    LRrec_R, LRrec_L, LRres_R, LRres_L, MRres_R, MRres_L, MRrec_R, MRrec_L};

}  // namespace ocu::calc
// clang-format on
