#pragma once
// Exo work-up: the diagnosis that "Enter" makes from the six measured
// deviations. Each rule is a table of rows tried in order; the first row
// that holds is applied, and what no applied row writes is left as it was
// (nullopt).

#include <optional>
#include <string_view>

#include "shell/rules/result.h"
#include "workups/rules/simulator.h"

namespace ocu::exo {

// --- Texts the rules write, exactly as shown -------------------------------
inline constexpr std::string_view kDivergenceExcess = "Divergence Excess Exo Deviation";
inline constexpr std::string_view kSimulatedDivergenceExcess = "Simulated Divergence Excess Exo Deviation";
inline constexpr std::string_view kBasic = "Basic Exo Deviation";
inline constexpr std::string_view kConvergenceInsufficiency = "Convergence Insufficiency Exo Deviation";
inline constexpr std::string_view kInfantile = "Infantile Exotropia";

inline constexpr std::string_view kVPattern = " V Patterns Exotropia";
inline constexpr std::string_view kAPattern = " A Patterns Exotropia ";
inline constexpr std::string_view kXPattern = " X Patterns Exotropia ";
inline constexpr std::string_view kYPattern = " Y Patterns Exotropia ";
inline constexpr std::string_view kDeltaPattern = " Delta Patterns Exotropia ";
inline constexpr std::string_view kNoPattern = "";

inline constexpr std::string_view kHighAca = "High AC/A Ratio";
inline constexpr std::string_view kNormalAca = "Normal AC/A Ratio";
inline constexpr std::string_view kLowAca = "Low AC/A Ratio";

inline constexpr std::string_view kLrRecession = "B/L Lat. Rectus Recession";
inline constexpr std::string_view kMrResection = "B/L Medial Rectus Resection";
inline constexpr std::string_view kLrRecessionMrResection = "Lat.Rectus Recession + Medial Rectus Resection";
inline constexpr std::string_view kNonSurgical = "Non Surgical Treatment";
inline constexpr std::string_view kMinusLenses = "Over corrected minus lense glasses ";

inline constexpr std::string_view kXObliquesWeakening = "Inf.Obl +Sup. Obl. Weaking Of Both Side";
inline constexpr std::string_view kYNasalShift = "Nasal Shifting Sup.Rectus Of Both Side";
inline constexpr std::string_view kDeltaNasalShift = "Nasal Shifting Inf.Rectus Of Both Side";

// --- The measurements ------------------------------------------------------
struct Deviations {
    double distance;        // D
    double nearGaze;        // N
    double upGaze;          // UP
    double downGaze;        // DN
    double nearAfterPatch;  // N60, near after 60 minutes of patching one eye
    double nearPlus3;       // N3, the same with a +3 spherical add
};

// Step 1 is both work-ups': the larger of D and N, D when they are equal
// (workup::largerDeviation).

// Step 2: the type of exo deviation.
struct TypeAnswer {
    int row = 0;                   // the row applied; 0 when none holds
    std::optional<Result> type;    // Label9
    bool emptiesAcaClass = false;  // Label24 gets an empty caption
};
TypeAnswer exoType(const Deviations& deviations, bool onsetBelowOneYear);

// Step 3: the pattern written into the pattern label; nullopt leaves it.
std::optional<std::string_view> pattern(double distance, double upGaze, double downGaze);

// Step 4: what the pattern now shown allows of the oblique-action answers.
struct ObliqueAnswers {
    bool normal, inferiorOveraction, superiorOveraction, bothOveractions;
    friend constexpr bool operator==(ObliqueAnswers, ObliqueAnswers) = default;
};
struct PatternConsequences {
    ObliqueAnswers shown;
    std::optional<bool> step7Shown;           // Frame6; nullopt leaves it
    std::optional<std::string_view> option1;  // Label10, written before the hand-off button is hidden
    bool hidesHandOff = false;                // Command2, for good
    friend constexpr bool operator==(const PatternConsequences&, const PatternConsequences&) = default;
};
// Compared exactly with the pattern label's caption; nullopt changes nothing.
std::optional<PatternConsequences> consequencesOf(std::string_view patternShown);

// Step 5: the AC/A class from the near deviations after patching.
// Gradient method with a +3 add, in prism dioptres per dioptre.
double acaRatio(double nearAfterPatch, double nearPlus3);
// nullopt leaves Label24 as it is (ratios below 0, between 0 and 0.1 and
// between 2.99 and 3 fall in no band).
std::optional<Result> acaClass(double ratio);

// Step 6: the surgical options for the type and AC/A class now shown.
struct OptionsAnswer {
    std::optional<Result> option1;  // Label10
    std::optional<Result> option2;  // Label12
};
OptionsAnswer surgicalOptions(std::string_view typeShown, std::string_view acaShown, double largerDeviation);

// Step 7: the irises, moved away from the nose.
inline constexpr IrisBase kIrisBase{14.817, 43.498, {22.5, 53.693, 85.908}};

}  // namespace ocu::exo
