#include "restrictive/rules/referencetexts.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>

namespace ocu {
namespace {

TEST(BrownSyndromeText, HeadingNinePointsInOrderThenBrownSyndromePlus) {
    ASSERT_EQ(std::size(kBrownSyndromeText), 19u);
    EXPECT_EQ(kBrownSyndromeText[0], "Brown syndrome");
    // Every point starts a line with its number; wrapped lines are indented.
    int next = 1;
    for (std::size_t i = 1; i < 17; ++i) {
        const std::string_view line = kBrownSyndromeText[i];
        if (line.starts_with("   ")) continue;
        EXPECT_EQ(line.substr(0, 3), std::to_string(next) + ". ") << line;
        ++next;
    }
    EXPECT_EQ(next, 10);
    EXPECT_TRUE(kBrownSyndromeText[17].starts_with("Brown syndrome Plus"));
}

TEST(BrownManagementText, ExplanationThenThreeNumberedOperations) {
    ASSERT_EQ(std::size(kBrownManagementText), 4u);
    EXPECT_TRUE(kBrownManagementText[0].starts_with("Management: "));
    EXPECT_EQ(kBrownManagementText[1], "1.\tWright silicone tendon expander technique (preferred method)");
    EXPECT_EQ(kBrownManagementText[2], "2.\tSuperior oblique split tendon lengthening technique");
    EXPECT_EQ(kBrownManagementText[3], "3.\tTenotomy");
}

TEST(DoubleElevatorText, HeadingsWhereTheyBelong) {
    ASSERT_EQ(std::size(kDoubleElevatorText), 12u);
    EXPECT_EQ(kDoubleElevatorText[0], "DOUBLE ELEVATOR PALSY");
    EXPECT_EQ(kDoubleElevatorText[4], "Clinical Features");
    EXPECT_TRUE(kDoubleElevatorText[5].starts_with("1. "));
    EXPECT_TRUE(kDoubleElevatorText[6].starts_with("2. "));
    EXPECT_TRUE(kDoubleElevatorText[7].starts_with("3. "));
    EXPECT_EQ(kDoubleElevatorText[9], "Pathogenesis");
}

}  // namespace
}  // namespace ocu
