#pragma once
// Eso work-up: the diagnosis that "Enter" makes from the measured deviations.
// Each rule is a table of rows tried in order; the first row that holds is
// applied, and what no applied row writes is left as it was (nullopt).

#include <optional>
#include <string_view>

#include "shell/rules/result.h"
#include "workups/rules/simulator.h"

namespace ocu::eso {

// --- Texts the rules write, exactly as shown -------------------------------
inline constexpr std::string_view kLowAca = "Low AC/A Ratio ";
inline constexpr std::string_view kNormalAca = "Normal AC/A Ratio ";
inline constexpr std::string_view kHighAca = "High AC/A Ratio ";

inline constexpr std::string_view kNonAccommodative = "Non Accommodative Convergence Excess Esotropia ";
inline constexpr std::string_view kAccommodative = "Accommodative Convergence Excess Esotropia ";
inline constexpr std::string_view kBasic = "Basic Esotropia ";
inline constexpr std::string_view kDivergenceInsufficiency = "Divergence Insufficiency Esotropia ";
inline constexpr std::string_view kInfantile = "Infantile Esotropia ";

inline constexpr std::string_view kBilateralMrRecession = " B/L MR Recession";
inline constexpr std::string_view kTryBifocals =
    "First bifocal glasses should be tried ,if deviation is not controlled then proceed for surgery";
inline constexpr std::string_view kLrResectionMrRecession = "LR Resection + MR Recession ";
inline constexpr std::string_view kNonSurgical = " Non Surgical Management";
inline constexpr std::string_view kNearAddBifocals = "Near addition in form of bifocal glasses";
inline constexpr std::string_view kInfantileRecession = "B/L MR Recession after the age of 6 month";
inline constexpr std::string_view kInfantCaution =
    "Caution,If age of patient is below 2 year at the time of surgery then please take measurement "
    "from limbus not from muscles insertion.The amount calculated by Ocuvance is from muscle "
    "insertion,So please modify it accordingly. ";
inline constexpr std::string_view kMrRecessionLrResection = "MR Recession+LR Resection";
inline constexpr std::string_view kBilateralLrResection = " B/L LR Resection ";

inline constexpr std::string_view kAPattern = "A";
inline constexpr std::string_view kVPattern = "V";
inline constexpr std::string_view kNoPattern = "";  // the pattern box left empty
inline constexpr std::string_view kPatternsCaption = "Patterns";

// --- The measurements ------------------------------------------------------
struct Deviations {
    double distance;   // D
    double nearGaze;   // N
    double nearPlus3;  // N3, near with a +3 spherical add
    double upGaze;     // UP
    double downGaze;   // DN
};

// Step 1 is both work-ups' (workup::largerDeviation).

// --- AC/A -------------------------------------------------------------------
enum class AcaClass { Low, Normal, High };
// Gradient method with a +3 add, in prism dioptres per dioptre.
double acaRatio(double nearGaze, double nearPlus3);
AcaClass acaClass(double ratio);
std::string_view acaText(AcaClass aca);

// Step 2: the type of esotropia and the AC/A class.
struct TypeAnswer {
    int row = 0;                      // the row applied; 0 when none holds
    std::optional<Result> acaLabel;   // Label1
    std::optional<Result> typeLabel;  // Label2
};
TypeAnswer typeAndAca(const Deviations& deviations, bool onsetBelowOneYear);

// Step 3: the surgical options for the type now shown and the larger deviation.
struct OptionsAnswer {
    std::optional<Result> option1;  // Label19
    std::optional<Result> option2;  // Label22
};
OptionsAnswer surgicalOptions(std::string_view typeShown, double largerDeviation);

// Step 4: the irises, moved towards the nose.
inline constexpr IrisBase kIrisBase{15.505, 44.009, {15.7, 39.987, 68.393}};

// Step 5: the pattern and which oblique-action answers may be given.
struct ObliqueButtons {
    bool normal, inferiorOveraction, superiorOveraction;
    friend constexpr bool operator==(ObliqueButtons, ObliqueButtons) = default;
};
struct PatternAnswer {
    std::optional<std::string_view> pattern;  // into the pattern box, with "Patterns" beside it
    std::optional<ObliqueButtons> enabled;
};
// patternShown is the pattern box's text before this press.
PatternAnswer patternAndObliques(double upGaze, double downGaze, std::string_view patternShown);

// The pattern box's own reaction to a change of its text: which of the
// oblique-action buttons are shown. Compared exactly ("a" is not "A").
std::optional<ObliqueButtons> obliquesShownFor(std::string_view patternText);

}  // namespace ocu::eso
