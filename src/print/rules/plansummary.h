#pragma once
// The plan summary: a work-up and the plan made from it, written out as the
// lines of text that go into the patient's record. The figures of the plan
// come from the calculator's dose-response tables through the same lookup
// that fills the calculator's cells, and its total through the calculator's
// own addition.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calculator/rules/doses.h"
#include "calculator/rules/procedures.h"

namespace ocu::record {

// The patient information block; a box still showing its caption is empty here.
struct Patient {
    std::string name, age, sex, registration, consultant, hospital;
};

// One measured deviation, as its box holds it.
struct Measurement {
    std::string what;   // "Distance gaze"
    std::string value;  // in prism dioptres, as typed
};

// What a work-up has written.
struct Workup {
    std::string screen;  // "Esotropia", "Exotropia"
    std::vector<Measurement> deviations;
    std::string diagnosis;  // the type of deviation, as the work-up wrote it
    std::string acaClass;
    std::string pattern;
    int chosenOption = 0;    // 1 or 2; 0 when no surgical option is chosen
    std::string chosenText;  // the chosen option's text
};

// What the amount calculator holds of the plan.
struct Plan {
    std::optional<calc::Side> side;  // the non-fixing eye and its deviation
    // Each dose box's shown text, in the order of calc::DoseBox.
    std::array<std::string, calc::kDoseBoxCount> doses;
    std::string deviation;         // the horizontal deviation box
    std::string procedure;         // the surgical procedure box
    std::string obliqueProcedure;  // the oblique procedure box
};

struct Record {
    Patient patient;
    std::string dateTime;  // the screen's date and time box
    std::optional<Workup> workup;
    std::optional<Plan> plan;
};

// A muscle the plan doses: a box showing one of its table's rows other than 0 mm.
struct DosedMuscle {
    calc::DoseBox box;
    std::string_view eye;        // "OD", "OS"
    std::string_view muscle;     // "medial rectus"
    std::string_view procedure;  // "recession", "resection"
    std::string_view mm;         // the row as listed, "5.0 mm"
    std::string_view pd;         // the row's prism dioptres as the calculator writes them
};

struct Figures {
    std::vector<DosedMuscle> muscles;  // right eye first, recessions before resections
    double total = 0;                  // prism dioptres, as "Press To Check Results" adds them
    std::optional<double> deviation;   // nullopt when the box does not hold a number
    std::optional<double> residual;    // deviation - total
};

Figures planFigures(const Plan& plan);

// The line that opens the plan's part of the summary starts so.
inline constexpr std::string_view kPlanHeading = "Plan, non-fixing eye: ";

// The summary, a line each; the first line is its title. Empty fields say
// that nothing was recorded rather than being left out, so that a reader can
// tell a blank from a field that is not on the record.
std::vector<std::string> planSummary(const Record& record);

}  // namespace ocu::record
