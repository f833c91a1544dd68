#include "print/rules/plansummary.h"

#include <cmath>

#include "shell/rules/numbers.h"

namespace ocu::record {
namespace {

using calc::DoseBox;

// What each dose box stands for, in the order the summary lists the muscles.
struct BoxMeaning {
    DoseBox box;
    std::string_view eye;
    std::string_view muscle;
    std::string_view procedure;
};
// clang-format off
constexpr BoxMeaning kBoxes[] = {
    {DoseBox::MRrec_R, "OD", "medial rectus", "recession"},
    {DoseBox::LRrec_R, "OD", "lateral rectus", "recession"},
    {DoseBox::MRres_R, "OD", "medial rectus", "resection"},
    {DoseBox::LRres_R, "OD", "lateral rectus", "resection"},
    {DoseBox::MRrec_L, "OS", "medial rectus", "recession"},
    {DoseBox::LRrec_L, "OS", "lateral rectus", "recession"},
    {DoseBox::MRres_L, "OS", "medial rectus", "resection"},
    {DoseBox::LRres_L, "OS", "lateral rectus", "resection"},
};
// clang-format on

constexpr std::string_view kNotRecorded = "not recorded";
constexpr std::string_view kSignatureLine = "______________________________";

std::string str(std::string_view text) { return std::string(text); }

std::string orNotRecorded(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return str(kNotRecorded);
    return str(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

std::string pd(double value) { return formatNumber(value) + " PD"; }

// A difference of decimal figures carries binary noise (33.3 - 32.5 is
// 0.79999...); no deviation is measured to a billionth of a prism dioptre.
double withoutNoise(double value) { return std::round(value * 1e9) / 1e9; }

std::string sideText(calc::Side side) {
    switch (side) {
    case calc::Side::EsoOD: return "OD, turning in (eso)";
    case calc::Side::EsoOS: return "OS, turning in (eso)";
    case calc::Side::ExoOD: return "OD, turning out (exo)";
    case calc::Side::ExoOS: return "OS, turning out (exo)";
    }
    return str(kNotRecorded);
}

// The rows of a table from its first dose above 0 mm to its last, as the
// tables themselves give them.
template <class Rows, class Pd>
std::string tableRange(std::string_view muscle, const Rows& rows, Pd pdOf) {
    const auto& first = rows[1];
    const auto& last = rows[rows.size() - 1];
    return str(muscle) + " " + str(first.item) + " to " + str(last.item) + " (" +
           formatNumber(leadingNumber(pdOf(first))) + " to " + formatNumber(leadingNumber(pdOf(last))) + " PD)";
}

std::string tablesLine() {
    return "Dose-response tables: Ocuvance horizontal rectus tables, " +
           tableRange("lateral rectus", calc::kLateralRectus, [](const calc::DoseRow& r) { return r.pd; }) + ", " +
           tableRange("medial rectus", calc::kMedialRectus, [](const calc::MedialRow& r) { return r.recR; }) +
           ", the same millimetres for recession and resection";
}

void addPatient(std::vector<std::string>& lines, const Record& record) {
    const Patient& p = record.patient;
    lines.push_back("Patient: " + orNotRecorded(p.name));
    lines.push_back("Age: " + orNotRecorded(p.age) + "    Sex: " + orNotRecorded(p.sex) +
                    "    Registration no.: " + orNotRecorded(p.registration));
    lines.push_back("Consultant: " + orNotRecorded(p.consultant) +
                    "    Hospital or clinic: " + orNotRecorded(p.hospital));
    lines.push_back("Date: " + orNotRecorded(record.dateTime));
}

void addWorkup(std::vector<std::string>& lines, const Workup& workup) {
    lines.push_back("Work-up: " + orNotRecorded(workup.screen));
    lines.emplace_back("Deviations measured:");
    for (const Measurement& m : workup.deviations) {
        const std::string value = orNotRecorded(m.value);
        lines.push_back("  " + m.what + ": " + value + (value == kNotRecorded ? "" : " PD"));
    }
    lines.push_back("Diagnosis: " + orNotRecorded(workup.diagnosis));
    lines.push_back("AC/A class: " + orNotRecorded(workup.acaClass));
    lines.push_back("Pattern: " + orNotRecorded(workup.pattern));
    if (workup.chosenOption == 0) {
        lines.emplace_back("Surgical option chosen: none");
    } else {
        lines.push_back("Surgical option chosen: " + std::to_string(workup.chosenOption) + ", " +
                        orNotRecorded(workup.chosenText));
    }
}

void addPlan(std::vector<std::string>& lines, const Plan& plan) {
    const Figures figures = planFigures(plan);
    lines.push_back(str(kPlanHeading) + (plan.side ? sideText(*plan.side) : str(kNotRecorded)));
    if (figures.muscles.empty()) lines.emplace_back("  No muscle dosed");
    for (const DosedMuscle& m : figures.muscles) {
        lines.push_back("  " + str(m.eye) + " " + str(m.muscle) + " " + str(m.procedure) + " " + str(m.mm) + ": " +
                        pd(leadingNumber(m.pd)));
    }
    lines.push_back("Total correction: " + pd(figures.total));
    const std::string deviation = orNotRecorded(plan.deviation);
    if (figures.deviation) {
        lines.push_back("Deviation: " + pd(*figures.deviation));
    } else if (deviation == kNotRecorded) {
        lines.emplace_back("Deviation: not entered");
    } else {
        lines.push_back("Deviation: not a number (\"" + deviation + "\")");
    }
    if (figures.residual) {
        const double residual = *figures.residual;
        std::string line = "Residual (deviation - total): " + pd(residual);
        if (residual > 0) line += ", under-correction";
        if (residual < 0) line += ", over-correction";
        lines.push_back(line);
    } else {
        lines.emplace_back("Residual (deviation - total): not worked out without the deviation");
    }
    lines.push_back("Surgical procedure: " + orNotRecorded(plan.procedure));
    lines.push_back("Oblique procedure: " + orNotRecorded(plan.obliqueProcedure));
    lines.push_back(tablesLine());
}

}  // namespace

Figures planFigures(const Plan& plan) {
    Figures figures;
    std::array<std::string_view, calc::kDoseBoxCount> cells{};
    for (const BoxMeaning& meaning : kBoxes) {
        const std::string& shown = plan.doses[static_cast<std::size_t>(meaning.box)];
        const auto response = calc::doseResponse(meaning.box, shown);
        if (!response) continue;
        cells[static_cast<std::size_t>(meaning.box)] = *response;
        if (leadingNumber(*response) == 0) continue;
        // The shown text is the row's own item, kept by the table.
        std::string_view item;
        for (int i = 0; i < calc::itemCount(meaning.box); ++i) {
            if (calc::item(meaning.box, i) == shown) item = calc::item(meaning.box, i);
        }
        figures.muscles.push_back({meaning.box, meaning.eye, meaning.muscle, meaning.procedure, item, *response});
    }
    figures.total = calc::totalCorrection(cells);
    figures.deviation = wholeNumber(plan.deviation);
    if (figures.deviation) figures.residual = withoutNoise(*figures.deviation - figures.total);
    return figures;
}

std::vector<std::string> planSummary(const Record& record) {
    std::vector<std::string> lines;
    lines.emplace_back("Plan summary");
    addPatient(lines, record);
    lines.emplace_back();
    if (record.workup) {
        addWorkup(lines, *record.workup);
        lines.emplace_back();
    }
    if (record.plan) {
        addPlan(lines, *record.plan);
    } else {
        lines.emplace_back("Plan: not yet made on the amount calculator");
    }
    lines.emplace_back();
    lines.push_back("Surgeon: " + str(kSignatureLine));
    // Room for the pen between the lines.
    lines.emplace_back();
    lines.push_back("Signature: " + str(kSignatureLine) + "    Date: " + str(kSignatureLine).substr(0, 16));
    return lines;
}

}  // namespace ocu::record
