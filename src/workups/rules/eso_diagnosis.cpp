#include "workups/rules/eso_diagnosis.h"

#include "workups/rules/deviations.h"

namespace ocu::eso {
namespace {

using workup::above;
using workup::Band;
using workup::kAnyDeviation;
using workup::upTo;

// --- AC/A class: the ratio's bands, up from the lowest -------------------------

struct AcaRow {
    bool (*holds)(double ratio);
    AcaClass aca;
};
// clang-format off
constexpr AcaRow kAcaRows[] = {
    {[](double r) { return r < 3; }, AcaClass::Low},
    {[](double r) { return r <= 5; }, AcaClass::Normal},
    {[](double) { return true; }, AcaClass::High},
};
// clang-format on

// --- Step 2: type of esotropia and AC/A class --------------------------------

enum class TypeByRow { ByAcaClass, Basic, DivergenceInsufficiency, Infantile };

struct TypeRow {
    int row;
    bool (*holds)(const Deviations& x, bool infant);
    bool writesAcaClass;
    TypeByRow type;
};

// Rows 5 and 6 catch what row 2 leaves out because one deviation is 0.
// Rows 1 and 3 do not look at the onset.
// clang-format off
constexpr TypeRow kTypeRows[] = {
    {1, [](const Deviations& x, bool) { return x.nearGaze - x.distance > 15 && x.nearGaze != 0; },
     true, TypeByRow::ByAcaClass},
    {2, [](const Deviations& x, bool infant) {
         const double nearExcess = x.nearGaze - x.distance;
         return -15 <= nearExcess && nearExcess <= 15 && x.distance != 0 && x.nearGaze != 0 && !infant;
     },
     true, TypeByRow::Basic},
    {3, [](const Deviations& x, bool) { return x.distance - x.nearGaze > 15 && x.distance != 0; },
     false, TypeByRow::DivergenceInsufficiency},
    {4, [](const Deviations& x, bool infant) { return x.distance > 25 && x.nearGaze > 25 && infant; },
     false, TypeByRow::Infantile},
    {5, [](const Deviations& x, bool infant) {
         return x.nearGaze - x.distance <= 15 && x.nearGaze != 0 && !infant;
     },
     false, TypeByRow::Basic},
    {6, [](const Deviations& x, bool infant) {
         return x.distance - x.nearGaze <= 15 && x.distance != 0 && !infant;
     },
     false, TypeByRow::Basic},
};
// clang-format on

// Row 1 names the type from the AC/A class; with a low class the type label
// keeps the background it had.
struct TypeByClassRow {
    AcaClass aca;
    std::string_view type;
    std::optional<Rgb> background;
};
// clang-format off
constexpr TypeByClassRow kTypeByClass[] = {
    {AcaClass::Low, kNonAccommodative, std::nullopt},
    {AcaClass::Normal, kNonAccommodative, kResultColour},
    {AcaClass::High, kAccommodative, kResultColour},
};
// clang-format on

ResultEntry typeWritten(TypeByRow type, AcaClass aca) {
    switch (type) {
    case TypeByRow::ByAcaClass:
        for (const TypeByClassRow& row : kTypeByClass) {
            if (row.aca == aca) return {row.type, row.background};
        }
        break;
    case TypeByRow::Basic: return {kBasic, kResultColour};
    case TypeByRow::DivergenceInsufficiency: return {kDivergenceInsufficiency, kResultColour};
    case TypeByRow::Infantile: return {kInfantile, kResultColour};
    }
    return {kBasic, kResultColour};  // not reached: every class has its row
}

// --- Step 3: surgical options ----------------------------------------------------

struct OptionRow {
    std::string_view type;
    Band larger;
    std::optional<ResultEntry> option1;
    std::optional<ResultEntry> option2;
};

constexpr ResultEntry cyan(std::string_view text) { return {text, kResultColour}; }
constexpr std::optional<ResultEntry> kUnchanged = std::nullopt;

// clang-format off
constexpr OptionRow kOptionRows[] = {
    {kNonAccommodative, above(10), cyan(kBilateralMrRecession), kUnchanged},
    {kAccommodative, above(10), cyan(kBilateralMrRecession), cyan(kTryBifocals)},
    {kBasic, above(10), cyan(kBilateralMrRecession), cyan(kLrResectionMrRecession)},
    {kNonAccommodative, upTo(10), cyan(kNonSurgical), kUnchanged},
    {kAccommodative, upTo(10), cyan(kNearAddBifocals), cyan("")},
    {kBasic, upTo(10), cyan(kNonSurgical), kUnchanged},
    {kInfantile, kAnyDeviation, cyan(kInfantileRecession), ResultEntry{kInfantCaution, kCautionColour}},
    {kDivergenceInsufficiency, kAnyDeviation, cyan(kMrRecessionLrResection), cyan(kBilateralLrResection)},
};
// clang-format on

// --- Step 5: pattern ---------------------------------------------------------------

struct PatternRow {
    bool (*holds)(double up, double down);
    std::string_view pattern;
    ObliqueButtons enabled;
};

// clang-format off
constexpr PatternRow kPatternRows[] = {
    {[](double up, double down) { return up - down > 10; }, kAPattern, {true, false, true}},
    {[](double up, double down) { return down - up > 15; }, kVPattern, {true, true, false}},
};
// clang-format on
// With no pattern in the box only "Normal" may be answered.
constexpr ObliqueButtons kEnabledWithoutPattern{true, false, false};

struct ShownRow {
    std::string_view patternText;
    ObliqueButtons shown;
};
// clang-format off
constexpr ShownRow kShownRows[] = {
    {kAPattern, {true, false, true}},
    {kVPattern, {true, true, false}},
};
// clang-format on

}  // namespace

double acaRatio(double nearGaze, double nearPlus3) { return (nearGaze - nearPlus3) / 3; }

AcaClass acaClass(double ratio) {
    for (const AcaRow& row : kAcaRows) {
        if (row.holds(ratio)) return row.aca;
    }
    return AcaClass::High;  // not reached: the last row takes any ratio
}

std::string_view acaText(AcaClass aca) {
    switch (aca) {
    case AcaClass::Low: return kLowAca;
    case AcaClass::Normal: return kNormalAca;
    case AcaClass::High: return kHighAca;
    }
    return kNormalAca;
}

TypeAnswer typeAndAca(const Deviations& deviations, bool onsetBelowOneYear) {
    const AcaClass aca = acaClass(acaRatio(deviations.nearGaze, deviations.nearPlus3));
    for (const TypeRow& row : kTypeRows) {
        if (!row.holds(deviations, onsetBelowOneYear)) continue;
        TypeAnswer answer;
        answer.row = row.row;
        if (row.writesAcaClass) answer.acaLabel = ResultEntry{acaText(aca), kResultColour};
        answer.typeLabel = typeWritten(row.type, aca);
        return answer;
    }
    return {};
}

OptionsAnswer surgicalOptions(std::string_view typeShown, double largerDeviation) {
    for (const OptionRow& row : kOptionRows) {
        if (row.type == typeShown && row.larger.holds(largerDeviation)) {
            return {row.option1, row.option2};
        }
    }
    return {};
}

PatternAnswer patternAndObliques(double upGaze, double downGaze, std::string_view patternShown) {
    for (const PatternRow& row : kPatternRows) {
        if (row.holds(upGaze, downGaze)) return {row.pattern, row.enabled};
    }
    if (patternShown.empty()) return {std::nullopt, kEnabledWithoutPattern};
    return {};
}

std::optional<ObliqueButtons> obliquesShownFor(std::string_view patternText) {
    for (const ShownRow& row : kShownRows) {
        if (row.patternText == patternText) return row.shown;
    }
    return std::nullopt;
}

}  // namespace ocu::eso
