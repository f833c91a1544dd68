#pragma once
// The deviation bands that decide which procedures are offered, and where
// the simulated irises stand: 7 PD of deviation move an iris by 1 mm.

#include <algorithm>
#include <limits>
#include <optional>

#include "calculator/rules/procedures.h"

namespace ocu::calc {

// --- Deviation bands ---------------------------------------------------------
enum class Band {
    ManageConservatively,  // message, buttons as they were
    UpToFifty,             // two-muscle procedures offered, 3 or 4 muscles hidden
    AboveFifty,            // 3 or 4 muscles offered, the others hidden
    OutOfRange,            // message, buttons as they were
};

struct BandRow {
    double low;
    bool lowIncluded;
    double high;  // included
    Band band;
};
inline constexpr double kNoUpperBound = std::numeric_limits<double>::infinity();
// clang-format off
inline constexpr BandRow kDeviationBands[] = {
    {1, true, 15, Band::ManageConservatively},
    {15, false, 50, Band::UpToFifty},
    {51, true, 90, Band::AboveFifty},
    {90, false, kNoUpperBound, Band::OutOfRange},
};
// clang-format on

// nullopt below 1 and between 50 and 51: nothing happens.
constexpr std::optional<Band> deviationBand(double x) {
    for (const BandRow& row : kDeviationBands) {
        const bool aboveLow = row.lowIncluded ? x >= row.low : x > row.low;
        if (aboveLow && x <= row.high) return row.band;
    }
    return std::nullopt;
}

inline constexpr const char* kManageConservatively = "Please manage consevatively";
inline constexpr const char* kOutOfRange = "Please enter between 1 to 90 only";

// --- Irises ------------------------------------------------------------------
// Left edges in millimetres of the screen; the irises' tops and sizes never change.
// The rest positions are the one source of where the irises stand when the
// calculator opens; its form gives their top and size.
inline constexpr double kRestOD = 33.302;
inline constexpr double kRestOS = 88.9;
inline constexpr double kPdPerMm = 7;

// Deviations above 90 PD are reported but still shown. A mistyped deviation
// of thousands of PD, or one too large to hold, would send the iris to
// coordinates the window system cannot take; no iris goes further from rest
// than the width of the screen.
inline constexpr double kMaxShiftMm = 226.8;

struct IrisLefts {
    double od = kRestOD;
    double os = kRestOS;
};

// The non-fixing eye stands `pd` prism dioptres from rest towards the side
// of its deviation (the other way when negative); the fixing eye at rest.
// OD turns in to the viewer's right, OS to the viewer's left.
constexpr IrisLefts turned(Side side, double pd) {
    double mm = pd / kPdPerMm;
    if (mm != mm) mm = 0;  // an amount that is no number at all leaves the eye at rest
    mm = std::clamp(mm, -kMaxShiftMm, kMaxShiftMm);
    switch (side) {
    case Side::EsoOD: return {kRestOD + mm, kRestOS};
    case Side::EsoOS: return {kRestOD, kRestOS - mm};
    case Side::ExoOD: return {kRestOD - mm, kRestOS};
    case Side::ExoOS: return {kRestOD, kRestOS + mm};
    }
    return {};
}

// "ENTER": the eye shows the whole deviation d.
constexpr IrisLefts deviationShown(Side side, double d) { return turned(side, d); }
// "Press To Check Results": what is left of d after the planned correction T.
constexpr IrisLefts afterCorrection(Side side, double d, double total) { return turned(side, d - total); }

}  // namespace ocu::calc
