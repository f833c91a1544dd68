// Patterns offered for an oblique action, and the oblique procedures.

#include <gtest/gtest.h>

#include "calculator/rules/oblique.h"

using namespace ocu::calc;

namespace {

struct PatternCase {
    const char* name;
    ObliqueAction action;
    std::optional<Deviation> deviation;
    std::optional<PatternChange> change;
};
class PatternAvailability : public testing::TestWithParam<PatternCase> {};
TEST_P(PatternAvailability, EnablesSelectsAndDeselects) {
    EXPECT_EQ(patternsFor(GetParam().action, GetParam().deviation), GetParam().change);
}
using enum ObliqueAction;
INSTANTIATE_TEST_SUITE_P(
    Table, PatternAvailability,
    testing::Values(PatternCase{"NormalEso", Normal, Deviation::Eso, PatternChange{{NoPatterns, AEso, VEso}, {}, {}}},
                    PatternCase{"NormalExo", Normal, Deviation::Exo, PatternChange{{NoPatterns, AExo, VExo}, {}, {}}},
                    PatternCase{"InfEso", InfOA, Deviation::Eso, PatternChange{{VEso}, VEso, {}}},
                    PatternCase{"InfExo", InfOA, Deviation::Exo, PatternChange{{VExo, Y}, VExo, {}}},
                    PatternCase{"SupEso", SupOA, Deviation::Eso, PatternChange{{AEso}, AEso, {}}},
                    PatternCase{"SupExo", SupOA, Deviation::Exo, PatternChange{{AExo, Delta}, AExo, {}}},
                    PatternCase{"BothEso", InfAndSupOA, Deviation::Eso, std::nullopt},
                    PatternCase{"BothExo", InfAndSupOA, Deviation::Exo, PatternChange{{X}, {}, AEso}},
                    PatternCase{"NoSide", SupOA, std::nullopt, std::nullopt}),
    [](const testing::TestParamInfo<PatternCase>& info) { return std::string(info.param.name); });

struct ProcedureCase {
    std::optional<ObliqueAction> action;
    std::optional<Grade> grade;
    std::optional<std::string_view> text;
};
class ObliqueProcedure : public testing::TestWithParam<ProcedureCase> {};
TEST_P(ObliqueProcedure, TextForActionAndGrade) {
    EXPECT_EQ(obliqueProcedure(GetParam().action, GetParam().grade), GetParam().text);
}
INSTANTIATE_TEST_SUITE_P(
    Table, ObliqueProcedure,
    testing::Values(
        ProcedureCase{InfOA, Grade::One, "Inf.Oblique Mymectomy Or Recession 6 mm"},
        ProcedureCase{InfOA, Grade::Two, "Inf.Oblique Mymectomy Or Recession 8 mm "},
        ProcedureCase{InfOA, Grade::Three, "Inf.Oblique Mymectomy Or Recession 10 mm"},
        ProcedureCase{InfOA, Grade::Four, "Inf.Oblique Mymectomy Or Recession with Ant.Positioning"},
        ProcedureCase{SupOA, Grade::One, "Sup.Oblique Posterior Tenectomy "},
        ProcedureCase{SupOA, Grade::Two, "Sup.Oblique Posterior Tenectomy"},
        ProcedureCase{SupOA, Grade::Three, " Graded Recession Or Tendon Lengthening Procedure Of Sup Oblique"},
        ProcedureCase{SupOA, Grade::Four, "Graded Recession Or Tendon Lengthening Procedure Of Sup Oblique"},
        ProcedureCase{Normal, Grade::Two, std::nullopt}, ProcedureCase{InfAndSupOA, Grade::One, std::nullopt},
        ProcedureCase{InfOA, std::nullopt, std::nullopt}, ProcedureCase{std::nullopt, Grade::Three, std::nullopt}));

}  // namespace
