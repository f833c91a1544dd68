// The deviation bands and where the simulated irises stand.

#include <gtest/gtest.h>

#include <limits>

#include "calculator/rules/simulator.h"

using namespace ocu::calc;

namespace {

struct BandCase {
    double x;
    std::optional<Band> band;
};
class DeviationBands : public testing::TestWithParam<BandCase> {};
TEST_P(DeviationBands, FirstRowThatHolds) { EXPECT_EQ(deviationBand(GetParam().x), GetParam().band); }
INSTANTIATE_TEST_SUITE_P(Table, DeviationBands,
                         testing::Values(BandCase{0, std::nullopt}, BandCase{0.99, std::nullopt},
                                         BandCase{-20, std::nullopt}, BandCase{1, Band::ManageConservatively},
                                         BandCase{2, Band::ManageConservatively},
                                         BandCase{15, Band::ManageConservatively}, BandCase{15.5, Band::UpToFifty},
                                         BandCase{20, Band::UpToFifty}, BandCase{50, Band::UpToFifty},
                                         BandCase{50.5, std::nullopt}, BandCase{51, Band::AboveFifty},
                                         BandCase{90, Band::AboveFifty}, BandCase{90.01, Band::OutOfRange},
                                         BandCase{91, Band::OutOfRange}, BandCase{1e300, Band::OutOfRange},
                                         BandCase{std::numeric_limits<double>::infinity(), Band::OutOfRange}));

struct IrisCase {
    Side side;
    double d, total;
    double od, os;  // left edges, mm
};
class Irises : public testing::TestWithParam<IrisCase> {};
TEST_P(Irises, NonFixingEyeStandsWhatIsLeftOfTheDeviationFromRest) {
    const IrisCase& c = GetParam();
    const IrisLefts lefts = afterCorrection(c.side, c.d, c.total);
    EXPECT_NEAR(lefts.od, c.od, 1e-9);
    EXPECT_NEAR(lefts.os, c.os, 1e-9);
}
INSTANTIATE_TEST_SUITE_P(
    Table, Irises,
    testing::Values(IrisCase{Side::EsoOD, 35, 0, 38.302, 88.9},     // ENTER: the whole deviation, towards the nose
                    IrisCase{Side::EsoOD, 35, 35, 33.302, 88.9},    // plan matches: centred
                    IrisCase{Side::EsoOD, 35, 17.5, 35.802, 88.9},  // under: short of the centre
                    IrisCase{Side::EsoOD, 35, 49, 31.302, 88.9},    // over: past the centre
                    IrisCase{Side::EsoOS, 21, 0, 33.302, 85.9}, IrisCase{Side::EsoOS, 21, 28, 33.302, 89.9},
                    IrisCase{Side::ExoOD, 14, 0, 31.302, 88.9}, IrisCase{Side::ExoOD, 14, 7, 32.302, 88.9},
                    IrisCase{Side::ExoOS, 70, 0, 33.302, 98.9}, IrisCase{Side::ExoOS, 70, 70, 33.302, 88.9},
                    // Far beyond any real deviation the iris stops a screen's width from rest.
                    IrisCase{Side::EsoOD, 2000, 0, 33.302 + 226.8, 88.9},
                    IrisCase{Side::ExoOS, 1e300, 0, 33.302, 88.9 + 226.8},
                    IrisCase{Side::EsoOS, std::numeric_limits<double>::infinity(), 0, 33.302, 88.9 - 226.8},
                    IrisCase{Side::ExoOD, 20, 1e300, 33.302 + 226.8, 88.9},
                    IrisCase{Side::EsoOD, std::numeric_limits<double>::quiet_NaN(), 0, 33.302, 88.9}));

TEST(Irises, EnterShowsTheDeviationWithTheFixingEyeAtRest) {
    const IrisLefts lefts = deviationShown(Side::ExoOS, 70);
    EXPECT_NEAR(lefts.os, 98.9, 1e-9);
    EXPECT_EQ(lefts.od, kRestOD);
}

}  // namespace
