#include "shell/rules/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "shell/rules/datetime.h"

namespace ocu {
namespace {

struct LeadingCase {
    const char* text;
    double value;
};

class LeadingNumber : public testing::TestWithParam<LeadingCase> {};

TEST_P(LeadingNumber, ReadsTheNumberAtTheStart) {
    EXPECT_DOUBLE_EQ(leadingNumber(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LeadingNumber,
    testing::Values(LeadingCase{"12abc", 12}, LeadingCase{" 7.5", 7.5}, LeadingCase{"abc", 0}, LeadingCase{"", 0},
                    LeadingCase{"   ", 0}, LeadingCase{"25", 25}, LeadingCase{"-5", -5}, LeadingCase{"+5", 5},
                    LeadingCase{"\t3", 3}, LeadingCase{"1.2.3", 1.2}, LeadingCase{".5", 0.5}, LeadingCase{"5.", 5},
                    LeadingCase{".", 0}, LeadingCase{"-", 0}, LeadingCase{"- 5", 0}, LeadingCase{",5", 0},
                    LeadingCase{"1,5", 1}, LeadingCase{"1e400", 1}, LeadingCase{"1e-400", 1}, LeadingCase{"NaN", 0},
                    LeadingCase{"inf", 0}, LeadingCase{"-0", 0}, LeadingCase{"0x10", 0},
                    LeadingCase{"\xd9\xa3", 0} /* Arabic-Indic three is not an ASCII digit */, LeadingCase{"90", 90},
                    LeadingCase{"90.000001", 90.000001}, LeadingCase{"007", 7}));

TEST(LeadingNumber, MinusZeroReadsAsPlainZero) {
    EXPECT_FALSE(std::signbit(leadingNumber("-0")));
    EXPECT_FALSE(std::signbit(leadingNumber("-0.0abc")));
}

TEST(LeadingNumber, DigitsBeyondADoubleReadAsInfinityOfTheirSign) {
    const std::string huge(400, '9');
    EXPECT_EQ(leadingNumber(huge), std::numeric_limits<double>::infinity());
    EXPECT_EQ(leadingNumber("-" + huge), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(leadingNumber("0." + std::string(400, '0') + "1"), 0.0);
}

TEST(LeadingNumber, AHundredThousandCharacterTextIsRead) {
    EXPECT_EQ(leadingNumber("3" + std::string(100000, 'x')), 3);
    EXPECT_EQ(leadingNumber(std::string(100000, ' ')), 0);
}

struct WholeCase {
    const char* text;
    std::optional<double> value;
};

class WholeNumber : public testing::TestWithParam<WholeCase> {};

TEST_P(WholeNumber, NeedsTheWholeTextToBeANumber) {
    EXPECT_EQ(wholeNumber(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, WholeNumber,
    testing::Values(WholeCase{"12", 12}, WholeCase{" 7.5", 7.5}, WholeCase{"7.5  ", 7.5}, WholeCase{"-3", -3},
                    WholeCase{"12abc", std::nullopt}, WholeCase{"", std::nullopt}, WholeCase{"  ", std::nullopt},
                    WholeCase{"abc", std::nullopt}, WholeCase{"1e5", std::nullopt}, WholeCase{"NaN", std::nullopt},
                    WholeCase{"inf", std::nullopt}, WholeCase{",5", std::nullopt}, WholeCase{"1 2", std::nullopt},
                    WholeCase{"\xd9\xa3", std::nullopt}, WholeCase{"5\n", std::nullopt}, WholeCase{"-0", 0.0}));

TEST(WholeNumber, RefusesDigitsBeyondADouble) { EXPECT_EQ(wholeNumber(std::string(400, '9')), std::nullopt); }

struct Whole16Case {
    const char* text;
    WholeReading::Status status;
    int value;
};

class WholeNumber16 : public testing::TestWithParam<Whole16Case> {};

TEST_P(WholeNumber16, RoundsHalfToEvenWithinSixteenBits) {
    const WholeReading reading = wholeNumber16(GetParam().text);
    EXPECT_EQ(reading.status, GetParam().status) << '"' << GetParam().text << '"';
    if (GetParam().status == WholeReading::Status::Ok) {
        EXPECT_EQ(reading.value, GetParam().value);
    }
}

using S = WholeReading::Status;
INSTANTIATE_TEST_SUITE_P(Texts, WholeNumber16,
                         testing::Values(Whole16Case{"2.5", S::Ok, 2}, Whole16Case{"3.5", S::Ok, 4},
                                         Whole16Case{"-2.5", S::Ok, -2}, Whole16Case{"-3.5", S::Ok, -4},
                                         Whole16Case{"2.4999", S::Ok, 2}, Whole16Case{"2.5001", S::Ok, 3},
                                         Whole16Case{"32767", S::Ok, 32767}, Whole16Case{"-32768", S::Ok, -32768},
                                         Whole16Case{"32767.5", S::OutOfRange, 0},
                                         Whole16Case{"32768", S::OutOfRange, 0}, Whole16Case{"-32768.5", S::Ok, -32768},
                                         Whole16Case{"-32769", S::OutOfRange, 0}, Whole16Case{"", S::NotANumber, 0},
                                         Whole16Case{"12abc", S::NotANumber, 0}));

struct FormatCase {
    double value;
    const char* text;
};

class FormatNumber : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatNumber, WritesTheGeneralFormat) { EXPECT_EQ(formatNumber(GetParam().value), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(
    Values, FormatNumber,
    testing::Values(FormatCase{22.5, "22.5"}, FormatCase{35, "35"}, FormatCase{0, "0"}, FormatCase{-0.0, "0"},
                    FormatCase{10.0 / 3, "3.33333333333333"}, FormatCase{5.0 / 3, "1.66666666666667"},
                    FormatCase{12.0 / 3, "4"}, FormatCase{-6, "-6"}, FormatCase{0.1 + 0.2, "0.3"},
                    FormatCase{1e20, "100000000000000000000"}, FormatCase{123456789012345.0, "123456789012345"},
                    FormatCase{1234567890123456789.0, "1234567890123460000"}, FormatCase{0.000012345, "0.000012345"},
                    FormatCase{-2.5e-7, "-0.00000025"}, FormatCase{0.5, "0.5"}, FormatCase{99.99999999999999, "100"}));

TEST(FormatNumber, WritingThenReadingGivesTheNumberBack) {
    for (double value : {22.5, 0.001, -17.25, 89.999, 1.0 / 7, 3.3e19, 1e-20, -4.4e300,
                         std::numeric_limits<double>::max(), -std::numeric_limits<double>::max()}) {
        const double back = leadingNumber(formatNumber(value));
        EXPECT_NEAR(back, value, std::abs(value) * 1e-14) << value;
    }
}

TEST(DateTime, GeneralFormatIsDateThenTime) {
    std::tm moment{};
    moment.tm_year = 2026 - 1900;
    moment.tm_mon = 11;
    moment.tm_mday = 11;
    moment.tm_hour = 4;
    moment.tm_min = 56;
    moment.tm_sec = 7;
    EXPECT_EQ(formatDateTime(moment, "C"), "2026-12-11 04:56:07");
    EXPECT_EQ(formatDateTime(moment, "C.UTF-8"), "2026-12-11 04:56:07");
    EXPECT_EQ(formatDateTime(moment, "no_SUCH.locale"), "2026-12-11 04:56:07");
    EXPECT_FALSE(currentDateTime().empty());
}

}  // namespace
}  // namespace ocu
