// The dose-response tables, row by row as the calculator writes its cells.

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "calculator/rules/doses.h"

using namespace ocu::calc;

namespace {

struct DoseCase {
    DoseBox box;
    std::string_view shown;
    std::optional<std::string_view> pd;
};

class DoseResponse : public testing::TestWithParam<DoseCase> {};

TEST_P(DoseResponse, WritesThePdTextOfTheItem) {
    const DoseCase& c = GetParam();
    EXPECT_EQ(doseResponse(c.box, c.shown), c.pd);
}

// Every lateral rectus box reads the same table.
std::vector<DoseCase> lateralCases() {
    // clang-format off
    const std::vector<std::pair<std::string_view, std::string_view>> rows = {
        {"0.0 mm", "0"},    {"4.0 mm", "6.0"},   {"4.5 mm", "7.5"},  {"5.0 mm", "10.00"},
        {"5.5 mm", "12.5"}, {"6.0 mm", "15.0"},  {"6.5 mm", "17.50"}, {"7.0 mm", "20.0"},
        {"7.5 mm", "22.5"}, {"8.0 mm", "25.0"}};
    std::vector<DoseCase> cases;
    for (DoseBox box : {DoseBox::LRrec_R, DoseBox::LRrec_L, DoseBox::LRres_R, DoseBox::LRres_L}) {
        for (const auto& [item, pd] : rows) cases.push_back({box, item, pd});
    }
    // clang-format on
    return cases;
}
INSTANTIATE_TEST_SUITE_P(LateralRectus, DoseResponse, testing::ValuesIn(lateralCases()));

// The medial rectus values are alike in all four boxes; a few are written differently.
INSTANTIATE_TEST_SUITE_P(
    MedialRectus, DoseResponse,
    testing::Values(DoseCase{DoseBox::MRrec_R, "0.0 mm", "0"}, DoseCase{DoseBox::MRres_L, "0.0 mm", "0"},
                    DoseCase{DoseBox::MRrec_L, "3.0 mm", "7.5"}, DoseCase{DoseBox::MRres_R, "3.0 mm", "7.5"},
                    DoseCase{DoseBox::MRrec_R, "3.5 mm", "10.0"}, DoseCase{DoseBox::MRres_L, "3.5 mm", "10.0"},
                    DoseCase{DoseBox::MRrec_R, "4.0 mm", "12.5"}, DoseCase{DoseBox::MRrec_L, "4.0 mm", "12.5"},
                    DoseCase{DoseBox::MRres_R, "4.0 mm", "12.5"}, DoseCase{DoseBox::MRres_L, "4.0 mm", "12.50"},
                    DoseCase{DoseBox::MRrec_L, "4.5 mm", "15.0"}, DoseCase{DoseBox::MRres_R, "4.5 mm", "15.0"},
                    DoseCase{DoseBox::MRrec_R, "5.0 mm", "17.5"}, DoseCase{DoseBox::MRres_L, "5.0 mm", "17.5"},
                    DoseCase{DoseBox::MRrec_R, "5.5 mm", "20.0"}, DoseCase{DoseBox::MRrec_L, "5.5 mm", "20.0"},
                    DoseCase{DoseBox::MRres_R, "5.5 mm", "20.0"}, DoseCase{DoseBox::MRres_L, "5.5 mm", "20"},
                    DoseCase{DoseBox::MRrec_R, "6.0 mm", "25.00"}, DoseCase{DoseBox::MRrec_L, "6.0 mm", "25.0"},
                    DoseCase{DoseBox::MRres_R, "6.0 mm", "25.00"}, DoseCase{DoseBox::MRres_L, "6.0 mm", "25.00"}));

// A shown text that is not exactly an item of the box's own list leaves the cell.
INSTANTIATE_TEST_SUITE_P(NotAnItem, DoseResponse,
                         testing::Values(DoseCase{DoseBox::LRrec_R, "0", std::nullopt},       // after Re-Plan
                                         DoseCase{DoseBox::MRrec_L, "", std::nullopt},        // nothing chosen
                                         DoseCase{DoseBox::LRres_L, "3.0 mm", std::nullopt},  // a medial rectus item
                                         DoseCase{DoseBox::MRres_R, "8.0 mm", std::nullopt},  // a lateral rectus item
                                         DoseCase{DoseBox::LRrec_L, "5.0 mm ", std::nullopt},
                                         DoseCase{DoseBox::MRrec_R, "5.0", std::nullopt}));

TEST(DoseItems, ListsAreFixedAndInOrder) {
    const std::vector<std::string_view> lateral = {"0.0 mm", "4.0 mm", "4.5 mm", "5.0 mm", "5.5 mm",
                                                   "6.0 mm", "6.5 mm", "7.0 mm", "7.5 mm", "8.0 mm"};
    const std::vector<std::string_view> medial = {"0.0 mm", "3.0 mm", "3.5 mm", "4.0 mm",
                                                  "4.5 mm", "5.0 mm", "5.5 mm", "6.0 mm"};
    for (DoseBox box : {DoseBox::LRrec_R, DoseBox::LRrec_L, DoseBox::MRres_R, DoseBox::MRres_L, DoseBox::LRres_R,
                        DoseBox::LRres_L, DoseBox::MRrec_R, DoseBox::MRrec_L}) {
        const auto& expected = isLateral(box) ? lateral : medial;
        ASSERT_EQ(itemCount(box), static_cast<int>(expected.size()));
        for (int i = 0; i < itemCount(box); ++i) EXPECT_EQ(item(box, i), expected[static_cast<std::size_t>(i)]);
    }
}

TEST(TotalCorrection, CountsEveryCellAndNonNumbersAsZero) {
    const std::vector<std::string_view> opened = {"C3", "C4", "C5", "C6", "C7", "C8", "C9", "C10"};
    EXPECT_EQ(totalCorrection(opened), 0);
    const std::vector<std::string_view> plan = {"", "C4", "25.00", "25.0", "20.0", "", "17.5", "17.5"};
    EXPECT_EQ(totalCorrection(plan), 105);
    const std::vector<std::string_view> steps = {"7.5", "12.5"};
    EXPECT_EQ(totalCorrection(steps), 20);
}

}  // namespace
