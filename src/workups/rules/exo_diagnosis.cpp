#include "workups/rules/exo_diagnosis.h"

#include "workups/rules/deviations.h"

namespace ocu::exo {
namespace {

using workup::above;
using workup::Band;
using workup::kAnyDeviation;
using workup::upTo;

constexpr ResultEntry cyan(std::string_view text) { return {text, kResultColour}; }
constexpr std::optional<ResultEntry> kUnchanged = std::nullopt;
// An emptied label keeps its background.
constexpr ResultEntry kEmptied{"", std::nullopt};

// --- Step 2: type of exo deviation ------------------------------------------

struct TypeRow {
    int row;
    bool (*holds)(const Deviations& x, bool infant);
    ResultEntry type;
    bool emptiesAcaClass;
};

// A rise of more than 5 PD at near after patching makes a divergence excess
// a simulated one. With onset below one year only row 6 can apply.
// clang-format off
constexpr TypeRow kTypeRows[] = {
    {1, [](const Deviations& x, bool infant) {
         return !infant && x.nearAfterPatch - x.nearGaze <= 5 && x.distance != 0 &&
                x.distance - x.nearGaze > 15;
     },
     cyan(kDivergenceExcess), false},
    {2, [](const Deviations& x, bool infant) {
         return !infant && x.nearAfterPatch - x.nearGaze > 5 && x.distance != 0 &&
                x.distance - x.nearGaze > 15;
     },
     cyan(kSimulatedDivergenceExcess), true},
    {3, [](const Deviations& x, bool infant) {
         const double distanceExcess = x.distance - x.nearGaze;
         return !infant && x.distance != 0 && 0 <= distanceExcess && distanceExcess <= 15;
     },
     cyan(kBasic), false},
    {4, [](const Deviations& x, bool infant) {
         const double nearExcess = x.nearGaze - x.distance;
         return !infant && x.nearGaze != 0 && 0 <= nearExcess && nearExcess <= 15;
     },
     cyan(kBasic), false},
    {5, [](const Deviations& x, bool infant) {
         return !infant && x.nearGaze != 0 && x.nearGaze - x.distance > 15;
     },
     cyan(kConvergenceInsufficiency), false},
    {6, [](const Deviations& x, bool infant) { return infant && x.distance > 30 && x.nearGaze > 30; },
     ResultEntry{kInfantile, std::nullopt}, false},
};
// clang-format on

// --- Step 3: pattern ----------------------------------------------------------

struct PatternRow {
    bool (*holds)(double distance, double up, double down);
    std::string_view pattern;
};

// clang-format off
constexpr PatternRow kPatternRows[] = {
    {[](double, double up, double down) { return down > 0 && up > 15 && up - down > 15; }, kVPattern},
    {[](double, double up, double down) { return down > 10 && up != 0 && down - up > 10; }, kAPattern},
    {[](double d, double up, double down) { return d < 8 && up > 14 && down > 14; }, kXPattern},
    {[](double d, double up, double down) { return d == 0 && up > 14 && down == 0; }, kYPattern},
    {[](double d, double up, double down) { return d == 0 && up == 0 && down > 14; }, kDeltaPattern},
    {[](double, double up, double down) { return up == 0 && down == 0; }, kNoPattern},
};
// clang-format on

// --- Step 4: oblique-action answers for the pattern ----------------------------

struct ConsequenceRow {
    std::string_view pattern;
    PatternConsequences consequences;
};

//                      Normal  Inf OA  Sup OA  Sup+Inf
constexpr ObliqueAnswers kAAnswers{true, false, true, false};
constexpr ObliqueAnswers kVAnswers{true, true, false, false};
constexpr ObliqueAnswers kXAnswers{false, false, false, true};
constexpr ObliqueAnswers kNoAnswers{false, false, false, false};
constexpr ObliqueAnswers kNormalOnly{true, false, false, false};

// clang-format off
constexpr ConsequenceRow kConsequenceRows[] = {
    {kAPattern, {kAAnswers, std::nullopt, std::nullopt, false}},
    {kVPattern, {kVAnswers, std::nullopt, std::nullopt, false}},
    {kXPattern, {kXAnswers, std::nullopt, kXObliquesWeakening, true}},
    {kYPattern, {kNoAnswers, false, kYNasalShift, true}},
    {kDeltaPattern, {kNoAnswers, false, kDeltaNasalShift, false}},
    {kNoPattern, {kNormalOnly, true, std::nullopt, false}},
};
// clang-format on

// --- Step 5: AC/A class ----------------------------------------------------------

struct AcaRow {
    bool (*holds)(double ratio);
    ResultEntry label;
};

// clang-format off
constexpr AcaRow kAcaRows[] = {
    {[](double r) { return r > 5; }, cyan(kHighAca)},
    {[](double r) { return 3 <= r && r <= 5; }, cyan(kNormalAca)},
    {[](double r) { return 0.1 <= r && r <= 2.99; }, cyan(kLowAca)},
    {[](double r) { return r == 0; }, cyan("")},
};
// clang-format on

// --- Step 6: surgical options ------------------------------------------------------

struct OptionRow {
    std::string_view type;
    std::optional<std::string_view> acaClass;  // any class when nullopt
    Band larger;
    std::optional<ResultEntry> option1;
    std::optional<ResultEntry> option2;
};

// clang-format off
constexpr OptionRow kOptionRows[] = {
    {kDivergenceExcess, std::nullopt, kAnyDeviation, cyan(kLrRecession), kEmptied},
    {kConvergenceInsufficiency, std::nullopt, kAnyDeviation, cyan(kMrResection), kEmptied},
    {kBasic, std::nullopt, above(12), cyan(kLrRecession), cyan(kLrRecessionMrResection)},
    {kBasic, std::nullopt, upTo(12), cyan(kNonSurgical), kEmptied},
    {kInfantile, std::nullopt, kAnyDeviation, cyan(kLrRecession), cyan(kLrRecessionMrResection)},
    {kSimulatedDivergenceExcess, kHighAca, kAnyDeviation, cyan(kMinusLenses), kUnchanged},
    {kSimulatedDivergenceExcess, kNormalAca, kAnyDeviation, cyan(kLrRecession), cyan(kLrRecessionMrResection)},
    {kSimulatedDivergenceExcess, kLowAca, kAnyDeviation, cyan(kLrRecession), cyan(kLrRecessionMrResection)},
};
// clang-format on

}  // namespace

TypeAnswer exoType(const Deviations& deviations, bool onsetBelowOneYear) {
    for (const TypeRow& row : kTypeRows) {
        if (row.holds(deviations, onsetBelowOneYear)) return {row.row, row.type, row.emptiesAcaClass};
    }
    return {};
}

std::optional<std::string_view> pattern(double distance, double upGaze, double downGaze) {
    for (const PatternRow& row : kPatternRows) {
        if (row.holds(distance, upGaze, downGaze)) return row.pattern;
    }
    return std::nullopt;
}

std::optional<PatternConsequences> consequencesOf(std::string_view patternShown) {
    for (const ConsequenceRow& row : kConsequenceRows) {
        if (row.pattern == patternShown) return row.consequences;
    }
    return std::nullopt;
}

double acaRatio(double nearAfterPatch, double nearPlus3) { return (nearPlus3 - nearAfterPatch) / 3; }

std::optional<Result> acaClass(double ratio) {
    for (const AcaRow& row : kAcaRows) {
        if (row.holds(ratio)) return row.label;
    }
    return std::nullopt;
}

OptionsAnswer surgicalOptions(std::string_view typeShown, std::string_view acaShown, double largerDeviation) {
    for (const OptionRow& row : kOptionRows) {
        if (row.type != typeShown) continue;
        if (row.acaClass && *row.acaClass != acaShown) continue;
        if (row.larger.holds(largerDeviation)) return {row.option1, row.option2};
    }
    return {};
}

}  // namespace ocu::exo
