// Which dose boxes each amount procedure opens, per deviation side.

#include <gtest/gtest.h>

#include "calculator/rules/procedures.h"

using namespace ocu::calc;

namespace {

struct ProcedureCase {
    const char* name;
    Procedure procedure;
    std::optional<Side> side;
    std::optional<DoseBoxes> dosed;
};

class BoxesToDose : public testing::TestWithParam<ProcedureCase> {};

TEST_P(BoxesToDose, EnablesExactlyTheProceduresBoxes) {
    const ProcedureCase& c = GetParam();
    EXPECT_EQ(boxesToDose(c.procedure, c.side), c.dosed);
}

using enum Procedure;
INSTANTIATE_TEST_SUITE_P(
    Table, BoxesToDose,
    testing::Values(
        ProcedureCase{"BLRecessionEsoOD", BilateralRecession, Side::EsoOD, DoseBoxes{MRrec_R, MRrec_L}},
        ProcedureCase{"BLRecessionEsoOS", BilateralRecession, Side::EsoOS, DoseBoxes{MRrec_R, MRrec_L}},
        ProcedureCase{"BLRecessionExoOD", BilateralRecession, Side::ExoOD, DoseBoxes{LRrec_R, LRrec_L}},
        ProcedureCase{"BLRecessionExoOS", BilateralRecession, Side::ExoOS, DoseBoxes{LRrec_R, LRrec_L}},
        ProcedureCase{"BLResectionEso", BilateralResection, Side::EsoOS, DoseBoxes{LRres_R, LRres_L}},
        ProcedureCase{"BLResectionExo", BilateralResection, Side::ExoOD, DoseBoxes{MRres_R, MRres_L}},
        ProcedureCase{"ThreeOrFourEso", ThreeOrFourMuscles, Side::EsoOD, DoseBoxes{MRrec_R, MRrec_L, LRres_R, LRres_L}},
        ProcedureCase{"ThreeOrFourExo", ThreeOrFourMuscles, Side::ExoOS, DoseBoxes{LRrec_R, LRrec_L, MRres_R, MRres_L}},
        ProcedureCase{"RecessResectEsoOD", RecessResect, Side::EsoOD, DoseBoxes{MRrec_R, LRres_R}},
        ProcedureCase{"RecessResectEsoOS", RecessResect, Side::EsoOS, DoseBoxes{MRrec_L, LRres_L}},
        ProcedureCase{"RecessResectExoOD", RecessResect, Side::ExoOD, DoseBoxes{LRrec_R, MRres_R}},
        ProcedureCase{"RecessResectExoOS", RecessResect, Side::ExoOS, DoseBoxes{LRrec_L, MRres_L}},
        ProcedureCase{"NoSideBLRecession", BilateralRecession, std::nullopt, std::nullopt},
        ProcedureCase{"NoSideRecessResect", RecessResect, std::nullopt, std::nullopt}),
    [](const testing::TestParamInfo<ProcedureCase>& info) { return std::string(info.param.name); });

TEST(FirstSelectedSide, TestsEsoOdEsoOsExoOdExoOsInThatOrder) {
    EXPECT_EQ(firstSelected({}), std::nullopt);
    EXPECT_EQ(firstSelected({.exoOS = true}), Side::ExoOS);
    EXPECT_EQ(firstSelected({.esoOS = true, .exoOD = true}), Side::EsoOS);
    EXPECT_EQ(firstSelected({.esoOD = true, .exoOS = true}), Side::EsoOD);
}

TEST(ProcedureDisabledAfter, EachProceduresFollowUp) {
    EXPECT_EQ(procedureDisabledAfter(BilateralRecession), RecessResect);
    EXPECT_EQ(procedureDisabledAfter(RecessResect), BilateralRecession);
    EXPECT_EQ(procedureDisabledAfter(ThreeOrFourMuscles), BilateralRecession);
    EXPECT_EQ(procedureDisabledAfter(BilateralResection), std::nullopt);
}

}  // namespace
