#include "tutorials/rules/overactiongrades.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "shell/rules/numbers.h"

namespace ocu::grades {
namespace {

struct GradeCase {
    const char* deviation;  // as typed into the box
    std::optional<std::string_view> label;
};

void PrintTo(const GradeCase& c, std::ostream* os) { *os << '"' << c.deviation << '"'; }

class Grade : public testing::TestWithParam<GradeCase> {};

TEST_P(Grade, RoundsHalfToEvenThenFindsTheBand) {
    const WholeReading reading = wholeNumber16(GetParam().deviation);
    ASSERT_EQ(reading.status, WholeReading::Status::Ok);
    EXPECT_EQ(overActionGrade(reading.value), GetParam().label);
}

INSTANTIATE_TEST_SUITE_P(
    Bands, Grade,
    testing::Values(GradeCase{"0", ""}, GradeCase{"4", ""}, GradeCase{"4.5", ""}, GradeCase{"4.51", "Trace"},
                    GradeCase{"5", "Trace"}, GradeCase{"9", "Trace"}, GradeCase{"9.5", "Grade 1 "},
                    GradeCase{"10", "Grade 1 "}, GradeCase{"19", "Grade 1 "}, GradeCase{"19.5", "Grade 2 "},
                    GradeCase{"20", "Grade 2 "}, GradeCase{"29", "Grade 2 "}, GradeCase{"30", "Grade 3"},
                    GradeCase{"44", "Grade 3"}, GradeCase{"44.5", "Grade 3"}, GradeCase{"45", "Grade 4 "},
                    GradeCase{"32767", "Grade 4 "}, GradeCase{" 12 ", "Grade 1 "}, GradeCase{"-0.5", ""},
                    GradeCase{"-1", std::nullopt}, GradeCase{"-32768", std::nullopt}));

TEST(Grade, EveryWholeDeviationFromZeroUpHasABand) {
    for (int v = 0; v <= 200; ++v) EXPECT_TRUE(overActionGrade(v).has_value()) << v;
}

}  // namespace
}  // namespace ocu::grades
