#include "tutorials/rules/eyemovements.h"

#include <gtest/gtest.h>

#include <string>

namespace ocu::movements {
namespace {

constexpr double kTolerance = 1e-9;

struct MoveCase {
    const char* button;
    Eye eye;
    Pose pose;
    Label od;
    Label os;
};

void PrintTo(const MoveCase& c, std::ostream* os) { *os << c.button; }

class Buttons : public testing::TestWithParam<MoveCase> {};

TEST_P(Buttons, PlaceBothIrisesAndNameTheMuscles) {
    const MoveCase& c = GetParam();
    const auto movement = movementFor(c.button, c.eye);
    ASSERT_TRUE(movement.has_value());
    EXPECT_NEAR(movement->pose.od.left, c.pose.od.left, kTolerance);
    EXPECT_NEAR(movement->pose.od.top, c.pose.od.top, kTolerance);
    EXPECT_NEAR(movement->pose.os.left, c.pose.os.left, kTolerance);
    EXPECT_NEAR(movement->pose.os.top, c.pose.os.top, kTolerance);
    EXPECT_EQ(movement->od, c.od);
    EXPECT_EQ(movement->os, c.os);
}

constexpr Eye R = Eye::Right;
constexpr Eye L = Eye::Left;

INSTANTIATE_TEST_SUITE_P(
    Gazes, Buttons,
    testing::Values(MoveCase{"Prim", R, {{28.205, 34.608}, {83.009, 34.608}}, kEmpty, kEmpty},
                    MoveCase{"Dextro", R, {{21.205, 34.608}, {76.009, 34.608}}, " Rt. Lat.Rectus", " Lt. Med Rectus"},
                    MoveCase{"Levo", R, {{35.205, 34.608}, {90.009, 34.608}}, " Rt. Med. Rectus", " Lt. Lat. Rectus"},
                    MoveCase{"Elev", R, {{28.205, 29.608}, {83.009, 29.608}}, " Rt. Sup. Rectus", " Lt. Sup. Rectus"},
                    MoveCase{"Dep", R, {{28.205, 39.608}, {83.009, 39.608}}, " Rt. Inf. Rectus", " Lt. Inf. Rectus"},
                    MoveCase{"Dele", R, {{21.205, 29.608}, {76.009, 29.608}}, " Rt. Sup.Rectus", " Lt. Inf. Oblique"},
                    MoveCase{"Lele", R, {{35.205, 29.608}, {90.009, 29.608}}, " Rt. Inf. Oblique", " Lt. Sup. Rectus"},
                    MoveCase{"Ddep", R, {{21.205, 39.608}, {76.009, 39.608}}, " Rt. Inf. Rectus", " Lt. Sup. Oblique"},
                    MoveCase{
                        "LDep", L, {{35.205, 39.608}, {90.009, 39.608}}, " Rt. Sup. Oblique", " Lt. Inf. Rectus"}));

INSTANTIATE_TEST_SUITE_P(VergencesAndHypertropias, Buttons,
                         testing::Values(MoveCase{"Conv", R, {{31.205, 34.608}, {80.009, 34.608}}, kKeep, kKeep},
                                         MoveCase{"Div", L, {{25.205, 34.608}, {86.009, 34.608}}, kKeep, kKeep},
                                         MoveCase{"Rhyper", R, {{28.205, 32.608}, {83.009, 36.608}}, kKeep, kKeep},
                                         MoveCase{"Lhyper", R, {{28.205, 36.608}, {83.009, 32.608}}, kKeep, kKeep}));

INSTANTIATE_TEST_SUITE_P(
    Ductions, Buttons,
    testing::Values(MoveCase{"Command1", R, {{21.205, 34.608}, kOsRest}, " Rt. Lat.Rectus", kEmpty},
                    MoveCase{"Command2", R, {{35.205, 34.608}, kOsRest}, " Rt. Med.Rectus", kEmpty},
                    MoveCase{"Command3", R, {{28.205, 29.608}, kOsRest}, " Rt. Sup.Rectus", kEmpty},
                    MoveCase{"Command4", R, {{28.205, 39.608}, kOsRest}, " Rt. Inf.Rectus", kEmpty},
                    MoveCase{"Command1", L, {kOdRest, {90.009, 34.608}}, kEmpty, " Lt. Lat.Rectus"},
                    MoveCase{"Command2", L, {kOdRest, {76.009, 34.608}}, kEmpty, " Lt. Med Rectus"},
                    MoveCase{"Command3", L, {kOdRest, {83.009, 29.608}}, kEmpty, " Lt. Sup.Rectus"},
                    MoveCase{"Command4", L, {kOdRest, {83.009, 39.608}}, kEmpty, " Lt. Inf.Rectus"}));

INSTANTIATE_TEST_SUITE_P(OverActionGrades, Buttons,
                         testing::Values(MoveCase{"LinfGr1", R, {{36.205, 31.608}, {91.009, 34.608}}, kKeep, kKeep},
                                         MoveCase{"LinfGr3", R, {{36.205, 29.608}, {91.009, 34.608}}, kKeep, kKeep},
                                         MoveCase{"LinfGr4", R, {{36.205, 28.608}, {91.009, 34.608}}, kKeep, kKeep},
                                         MoveCase{"RInfgr2", R, {{20.205, 34.608}, {75.009, 30.608}}, kKeep, kKeep},
                                         MoveCase{"RInfgr4", L, {{20.205, 34.608}, {75.009, 28.608}}, kKeep, kKeep},
                                         MoveCase{"LsupGr1", R, {{35.205, 40.608}, {90.009, 39.608}}, kKeep, kKeep},
                                         MoveCase{"LsupGr4", R, {{35.205, 43.608}, {90.009, 39.608}}, kKeep, kKeep},
                                         MoveCase{"RsupGr2", R, {{21.205, 39.608}, {76.009, 41.608}}, kKeep, kKeep},
                                         MoveCase{"RsupGr3", L, {{21.205, 39.608}, {76.009, 42.608}}, kKeep, kKeep}));

TEST(Ductions, DoNothingWithNoEyeChosen) {
    for (const char* button : {"Command1", "Command2", "Command3", "Command4"}) {
        EXPECT_FALSE(movementFor(button, Eye::None).has_value()) << button;
    }
}

TEST(Ductions, TheOtherButtonsDoNotDependOnTheEyeChosen) {
    const auto chosen = movementFor("Dextro", Eye::Left);
    const auto none = movementFor("Dextro", Eye::None);
    ASSERT_TRUE(chosen && none);
    EXPECT_EQ(chosen->pose.od.left, none->pose.od.left);
    EXPECT_EQ(chosen->od, none->od);
}

}  // namespace
}  // namespace ocu::movements
