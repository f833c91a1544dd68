// Where a screen's image goes on the page: largest fit, proportions kept,
// the orientation that gives the larger image, centred.

#include "print/rules/pagefit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using ocu::Extent;
using ocu::placeOnPage;

// A4 at 100 dots per inch with 10 mm margins, upright and turned.
constexpr Extent kUpright{748, 1090};
constexpr Extent kTurned{1090, 748};

struct FitCase {
    const char* name;
    Extent image;
    bool landscape;
    double scale;
};

class PageFitTest : public testing::TestWithParam<FitCase> {};

TEST_P(PageFitTest, FitsTheLargerOrientationKeepingProportions) {
    const FitCase& c = GetParam();
    const auto placed = placeOnPage(c.image, kUpright, kTurned);
    ASSERT_TRUE(placed.has_value());
    EXPECT_EQ(placed->landscape, c.landscape);
    EXPECT_DOUBLE_EQ(placed->scale, c.scale);
    const Extent area = c.landscape ? kTurned : kUpright;
    const double width = c.image.width * placed->scale;
    const double height = c.image.height * placed->scale;
    // Inside the area, touching it on one side at least, centred.
    EXPECT_LE(width, area.width + 1e-9);
    EXPECT_LE(height, area.height + 1e-9);
    EXPECT_TRUE(std::abs(width - area.width) < 1e-9 || std::abs(height - area.height) < 1e-9);
    EXPECT_DOUBLE_EQ(placed->left * 2 + width, area.width);
    EXPECT_DOUBLE_EQ(placed->top * 2 + height, area.height);
}

INSTANTIATE_TEST_SUITE_P(Screens, PageFitTest,
                         testing::Values(
                             // A wide work-up screen lies on its side, limited by the page's height.
                             FitCase{"wide", {1000, 700}, true, 748.0 / 700},
                             // Wider still: limited by the turned page's width.
                             FitCase{"veryWide", {2180, 500}, true, 0.5},
                             // A tall screen stays upright.
                             FitCase{"tall", {500, 900}, false, 1090.0 / 900},
                             // Square: both orientations give the same size, the page stays upright.
                             FitCase{"square", {400, 400}, false, 748.0 / 400},
                             // Smaller than the page: enlarged to fill it.
                             FitCase{"small", {109, 74.8}, true, 10}),
                         [](const testing::TestParamInfo<FitCase>& info) { return std::string(info.param.name); });

TEST(PageFit, NothingFitsAnEmptyImageOrAnEmptyPage) {
    EXPECT_FALSE(placeOnPage({0, 700}, kUpright, kTurned));
    EXPECT_FALSE(placeOnPage({1000, 0}, kUpright, kTurned));
    EXPECT_FALSE(placeOnPage({1000, 700}, {0, 0}, {0, 0}));
}

TEST(PageFit, OneUsableOrientationIsTaken) {
    const auto placed = placeOnPage({1000, 700}, kUpright, {0, 0});
    ASSERT_TRUE(placed.has_value());
    EXPECT_FALSE(placed->landscape);
    EXPECT_DOUBLE_EQ(placed->scale, 0.748);
}

}  // namespace
