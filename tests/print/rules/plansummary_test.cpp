// The plan summary: the dosed muscles with the figures of the calculator's
// own tables, their total, the deviation and what is left of it, and the
// work-up as it was written.

#include "print/rules/plansummary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using namespace ocu::record;
using ocu::calc::DoseBox;
using ocu::calc::Side;

Plan planOf(Side side, const std::vector<std::pair<DoseBox, std::string>>& doses, std::string deviation) {
    Plan plan;
    plan.side = side;
    for (const auto& [box, shown] : doses) plan.doses[static_cast<std::size_t>(box)] = shown;
    plan.deviation = std::move(deviation);
    return plan;
}

bool has(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

std::string joined(const std::vector<std::string>& lines) {
    std::string all;
    for (const std::string& line : lines) all += line + "\n";
    return all;
}

struct Muscle {
    DoseBox box;
    const char* line;  // as the summary lists it
};

struct PlanCase {
    const char* name;
    Plan plan;
    std::vector<Muscle> muscles;  // in the summary's order
    double total;
    std::optional<double> residual;
    std::vector<std::string> lines;  // the figures' lines
};

class PlanFigures : public testing::TestWithParam<PlanCase> {};

TEST_P(PlanFigures, ComeFromTheDoseTables) {
    const PlanCase& c = GetParam();
    const Figures figures = planFigures(c.plan);
    ASSERT_EQ(figures.muscles.size(), c.muscles.size());
    for (std::size_t i = 0; i < c.muscles.size(); ++i) {
        const DosedMuscle& m = figures.muscles[i];
        EXPECT_EQ(m.box, c.muscles[i].box) << i;
        // The very lookup that fills the calculator's cell.
        const std::string shown = c.plan.doses[static_cast<std::size_t>(m.box)];
        EXPECT_EQ(m.mm, shown);
        EXPECT_EQ(std::optional<std::string_view>(m.pd), ocu::calc::doseResponse(m.box, shown));
    }
    EXPECT_DOUBLE_EQ(figures.total, c.total);
    EXPECT_EQ(figures.residual, c.residual);

    Record record;
    record.plan = c.plan;
    const std::vector<std::string> lines = planSummary(record);
    for (const Muscle& m : c.muscles) EXPECT_TRUE(has(lines, m.line)) << m.line << "\n" << joined(lines);
    for (const std::string& line : c.lines) EXPECT_TRUE(has(lines, line)) << line << "\n" << joined(lines);
    // Nothing but the dosed muscles is listed.
    const auto listed = std::count_if(lines.begin(), lines.end(), [](const std::string& line) {
        return line.rfind("  OD ", 0) == 0 || line.rfind("  OS ", 0) == 0;
    });
    EXPECT_EQ(listed, static_cast<long>(c.muscles.size())) << joined(lines);
}

INSTANTIATE_TEST_SUITE_P(
    Plans, PlanFigures,
    testing::Values(
        PlanCase{"esoBilateralMedialRecession",
                 planOf(Side::EsoOS, {{DoseBox::MRrec_R, "5.0 mm"}, {DoseBox::MRrec_L, "5.0 mm"}}, "35"),
                 {{DoseBox::MRrec_R, "  OD medial rectus recession 5.0 mm: 17.5 PD"},
                  {DoseBox::MRrec_L, "  OS medial rectus recession 5.0 mm: 17.5 PD"}},
                 35,
                 0,
                 {"Plan, non-fixing eye: OS, turning in (eso)", "Total correction: 35 PD", "Deviation: 35 PD",
                  "Residual (deviation - total): 0 PD"}},
        PlanCase{"exoBilateralLateralRecession",
                 planOf(Side::ExoOS, {{DoseBox::LRrec_R, "6.0 mm"}, {DoseBox::LRrec_L, "6.0 mm"}}, "30"),
                 {{DoseBox::LRrec_R, "  OD lateral rectus recession 6.0 mm: 15 PD"},
                  {DoseBox::LRrec_L, "  OS lateral rectus recession 6.0 mm: 15 PD"}},
                 30,
                 0,
                 {"Plan, non-fixing eye: OS, turning out (exo)", "Total correction: 30 PD",
                  "Residual (deviation - total): 0 PD"}},
        PlanCase{"esoUnderCorrected",
                 planOf(Side::EsoOD, {{DoseBox::MRrec_R, "5.0 mm"}, {DoseBox::MRrec_L, "4.5 mm"}}, "35"),
                 {{DoseBox::MRrec_R, "  OD medial rectus recession 5.0 mm: 17.5 PD"},
                  {DoseBox::MRrec_L, "  OS medial rectus recession 4.5 mm: 15 PD"}},
                 32.5,
                 2.5,
                 {"Total correction: 32.5 PD", "Deviation: 35 PD",
                  "Residual (deviation - total): 2.5 PD, under-correction"}},
        // Three or four muscles on a large exo deviation, planned beyond it.
        PlanCase{"exoOverCorrected",
                 planOf(Side::ExoOD,
                        {{DoseBox::LRrec_R, "8.0 mm"},
                         {DoseBox::LRrec_L, "8.0 mm"},
                         {DoseBox::MRres_R, "6.0 mm"},
                         {DoseBox::MRres_L, "6.0 mm"}},
                        "90"),
                 {{DoseBox::LRrec_R, "  OD lateral rectus recession 8.0 mm: 25 PD"},
                  {DoseBox::MRres_R, "  OD medial rectus resection 6.0 mm: 25 PD"},
                  {DoseBox::LRrec_L, "  OS lateral rectus recession 8.0 mm: 25 PD"},
                  {DoseBox::MRres_L, "  OS medial rectus resection 6.0 mm: 25 PD"}},
                 100,
                 -10,
                 {"Total correction: 100 PD", "Residual (deviation - total): -10 PD, over-correction"}},
        // Recession and resection on one eye, rows the tables write as "10.00" and "12.50".
        PlanCase{"recessResectOnOneEye",
                 planOf(Side::ExoOS, {{DoseBox::LRrec_L, "5.0 mm"}, {DoseBox::MRres_L, "4.0 mm"}}, "22.5"),
                 {{DoseBox::LRrec_L, "  OS lateral rectus recession 5.0 mm: 10 PD"},
                  {DoseBox::MRres_L, "  OS medial rectus resection 4.0 mm: 12.5 PD"}},
                 22.5,
                 0,
                 {"Total correction: 22.5 PD"}},
        // A deviation with decimals: the residual is the figure, not its binary noise.
        PlanCase{"decimalDeviation",
                 planOf(Side::EsoOS, {{DoseBox::MRrec_R, "4.5 mm"}, {DoseBox::LRres_R, "4.5 mm"}}, "23.3"),
                 {{DoseBox::MRrec_R, "  OD medial rectus recession 4.5 mm: 15 PD"},
                  {DoseBox::LRres_R, "  OD lateral rectus resection 4.5 mm: 7.5 PD"}},
                 22.5,
                 0.8,
                 {"Residual (deviation - total): 0.8 PD, under-correction"}},
        // Re-Plan's "0", a 0 mm row and an empty box dose nothing.
        PlanCase{
            "nothingDosed",
            planOf(Side::EsoOD, {{DoseBox::MRrec_R, "0"}, {DoseBox::MRrec_L, "0.0 mm"}}, "40"),
            {},
            0,
            40,
            {"  No muscle dosed", "Total correction: 0 PD", "Residual (deviation - total): 40 PD, under-correction"}},
        PlanCase{"deviationNotANumber",
                 planOf(Side::EsoOD, {{DoseBox::MRrec_R, "3.0 mm"}}, "12abc"),
                 {{DoseBox::MRrec_R, "  OD medial rectus recession 3.0 mm: 7.5 PD"}},
                 7.5,
                 std::nullopt,
                 {"Deviation: not a number (\"12abc\")",
                  "Residual (deviation - total): not worked out without the deviation"}},
        PlanCase{"deviationEmpty", planOf(Side::EsoOD, {}, ""), {}, 0, std::nullopt, {"Deviation: not entered"}}),
    [](const testing::TestParamInfo<PlanCase>& info) { return std::string(info.param.name); });

Record esoRecord() {
    Record record;
    record.patient = {"Asha Rao", "6", "F", "R-77", "Dr Mehta", "City Eye Clinic"};
    record.dateTime = "2026-12-11 09:30:00";
    record.workup = Workup{"Esotropia",
                           {{"Distance gaze", "35"},
                            {"Near gaze", "35"},
                            {"Near gaze with +3 sph add", "20"},
                            {"Up gaze", "30"},
                            {"Down gaze", "35"}},
                           "Infantile Esotropia",
                           "Normal AC/A",
                           "",
                           1,
                           " B/L MR Recession"};
    return record;
}

// The tables' own first and last rows above 0 mm.
constexpr const char* kTablesLine =
    "Dose-response tables: Ocuvance horizontal rectus tables, lateral rectus 4.0 mm to 8.0 mm (6 to 25 PD), "
    "medial rectus 3.0 mm to 6.0 mm (7.5 to 25 PD), the same millimetres for recession and resection";

TEST(PlanSummary, AnEsoPlanInTheOrderOfTheRecord) {
    Record record = esoRecord();
    record.plan = planOf(Side::EsoOS, {{DoseBox::MRrec_R, "5.0 mm"}, {DoseBox::MRrec_L, "5.0 mm"}}, "35");
    record.plan->procedure = "B/L MR Recession";
    const std::vector<std::string> lines = planSummary(record);
    // clang-format off
    const std::vector<std::string> expected = {
        "Plan summary",
        "Patient: Asha Rao",
        "Age: 6    Sex: F    Registration no.: R-77",
        "Consultant: Dr Mehta    Hospital or clinic: City Eye Clinic",
        "Date: 2026-12-11 09:30:00",
        "",
        "Work-up: Esotropia",
        "Deviations measured:",
        "  Distance gaze: 35 PD",
        "  Near gaze: 35 PD",
        "  Near gaze with +3 sph add: 20 PD",
        "  Up gaze: 30 PD",
        "  Down gaze: 35 PD",
        "Diagnosis: Infantile Esotropia",
        "AC/A class: Normal AC/A",
        "Pattern: not recorded",
        "Surgical option chosen: 1, B/L MR Recession",
        "",
        "Plan, non-fixing eye: OS, turning in (eso)",
        "  OD medial rectus recession 5.0 mm: 17.5 PD",
        "  OS medial rectus recession 5.0 mm: 17.5 PD",
        "Total correction: 35 PD",
        "Deviation: 35 PD",
        "Residual (deviation - total): 0 PD",
        "Surgical procedure: B/L MR Recession",
        "Oblique procedure: not recorded",
        kTablesLine,
        "",
        "Surgeon: ______________________________",
        "",
        "Signature: ______________________________    Date: ________________",
    };
    // clang-format on
    EXPECT_EQ(lines, expected);
}

TEST(PlanSummary, AWorkupBeforeAnyHandOffHoldsWhatTheWorkupHas) {
    Record record = esoRecord();
    record.workup->chosenOption = 0;
    record.workup->pattern = "A Patterns";
    const std::vector<std::string> lines = planSummary(record);
    for (const char* line :
         {"Patient: Asha Rao", "Work-up: Esotropia", "  Down gaze: 35 PD", "Diagnosis: Infantile Esotropia",
          "AC/A class: Normal AC/A", "Pattern: A Patterns", "Surgical option chosen: none",
          "Plan: not yet made on the amount calculator", "Surgeon: ______________________________"}) {
        EXPECT_TRUE(has(lines, line)) << line << "\n" << joined(lines);
    }
    for (const std::string& line : lines) {
        EXPECT_EQ(line.find("Total correction"), std::string::npos) << line;
        EXPECT_EQ(line.find("Dose-response tables"), std::string::npos) << line;
    }
}

TEST(PlanSummary, BlankFieldsSayNothingWasRecorded) {
    Record record;
    record.workup = Workup{"Exotropia", {{"Distance gaze", " "}}, "", "", "", 2, ""};
    const std::vector<std::string> lines = planSummary(record);
    for (const char* line :
         {"Patient: not recorded", "Age: not recorded    Sex: not recorded    Registration no.: not recorded",
          "  Distance gaze: not recorded", "Diagnosis: not recorded", "AC/A class: not recorded",
          "Surgical option chosen: 2, not recorded", "Date: not recorded"}) {
        EXPECT_TRUE(has(lines, line)) << line << "\n" << joined(lines);
    }
}

TEST(PlanSummary, ACalculatorUsedOnItsOwnHasNoWorkupPart) {
    Record record;
    record.patient.name = "Ravi Kumar";
    record.plan = planOf(Side::ExoOD, {{DoseBox::LRrec_R, "7.0 mm"}}, "20");
    const std::vector<std::string> lines = planSummary(record);
    EXPECT_TRUE(has(lines, "  OD lateral rectus recession 7.0 mm: 20 PD")) << joined(lines);
    EXPECT_TRUE(has(lines, "Residual (deviation - total): 0 PD")) << joined(lines);
    for (const std::string& line : lines) EXPECT_NE(line.rfind("Work-up", 0), 0U) << line;
}

}  // namespace
