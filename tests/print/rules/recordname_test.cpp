// The file name a saved record proposes: screen, patient and date, with what
// a file name cannot hold taken out of the patient's name.

#include "print/rules/recordname.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using ocu::record::Date;
using ocu::record::recordFileName;
using ocu::record::withPdfSuffix;

struct NameCase {
    const char* name;
    const char* screen;
    std::string patient;
    Date date;
    std::string expected;
};

class RecordFileName : public testing::TestWithParam<NameCase> {};

TEST_P(RecordFileName, NamesScreenPatientAndDate) {
    const NameCase& c = GetParam();
    EXPECT_EQ(recordFileName(c.screen, c.patient, c.date), c.expected);
}

const Date kDay{2026, 12, 11};

INSTANTIATE_TEST_SUITE_P(
    Names, RecordFileName,
    testing::Values(
        NameCase{"plain", "Esotropia", "Asha Kumar", kDay, "Esotropia - Asha Kumar - 2026-12-11.pdf"},
        NameCase{"noPatient", "Esotropia", "", kDay, "Esotropia - 2026-12-11.pdf"},
        NameCase{"blanksOnly", "Squint", "   ", kDay, "Squint - 2026-12-11.pdf"},
        NameCase{"blanksAround", "Exotropia", "  Ravi Kumar \t", kDay, "Exotropia - Ravi Kumar - 2026-12-11.pdf"},
        NameCase{"slashes", "Squint", "Kumar/Asha\\B", kDay, "Squint - Kumar_Asha_B - 2026-12-11.pdf"},
        NameCase{"everyForbidden", "Squint", "a:b*c?d\"e<f>g|h", kDay, "Squint - a_b_c_d_e_f_g_h - 2026-12-11.pdf"},
        NameCase{"controls", "Squint", "Asha\nKumar\x7f", kDay, "Squint - Asha_Kumar - 2026-12-11.pdf"},
        NameCase{"secondControlSet", "Squint", "Asha\xc2\x85Kumar", kDay, "Squint - Asha_Kumar - 2026-12-11.pdf"},
        NameCase{"nothingButForbidden", "Squint", "???", kDay, "Squint - 2026-12-11.pdf"},
        NameCase{"accentsKept", "Esotropia", "Zo\xc3\xab M\xc3\xbcller", kDay,
                 "Esotropia - Zo\xc3\xab M\xc3\xbcller - 2026-12-11.pdf"},
        NameCase{"padsTheDate", "Exotropia", "A", Date{2027, 1, 5}, "Exotropia - A - 2027-01-05.pdf"}),
    [](const testing::TestParamInfo<NameCase>& info) { return std::string(info.param.name); });

TEST(RecordFileName, AVeryLongNameIsCutAtAWholeCharacter) {
    // "é" is two bytes: an even cut would split one if it were not kept whole.
    std::string patient = "x";
    for (int i = 0; i < 500; ++i) patient += "\xc3\xa9";
    const std::string name = recordFileName("Esotropia", patient, kDay);
    EXPECT_LE(name.size(), 255U);
    const std::string prefix = "Esotropia - x";
    const std::string suffix = " - 2026-12-11.pdf";
    ASSERT_GT(name.size(), prefix.size() + suffix.size());
    EXPECT_EQ(name.substr(0, prefix.size()), prefix);
    EXPECT_EQ(name.substr(name.size() - suffix.size()), suffix);
    const std::string kept = name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
    EXPECT_EQ(kept.size() % 2, 0U);
    for (std::size_t i = 0; i < kept.size(); i += 2) EXPECT_EQ(kept.substr(i, 2), "\xc3\xa9") << i;
}

struct SuffixCase {
    const char* typed;
    const char* saved;
};

class PdfSuffix : public testing::TestWithParam<SuffixCase> {};

TEST_P(PdfSuffix, IsAddedWhenMissing) { EXPECT_EQ(withPdfSuffix(GetParam().typed), GetParam().saved); }

INSTANTIATE_TEST_SUITE_P(Typed, PdfSuffix,
                         testing::Values(SuffixCase{"/home/a/record", "/home/a/record.pdf"},
                                         SuffixCase{"/home/a/record.pdf", "/home/a/record.pdf"},
                                         SuffixCase{"/home/a/Record.PDF", "/home/a/Record.PDF"},
                                         SuffixCase{"/home/a/record.txt", "/home/a/record.txt.pdf"},
                                         SuffixCase{"/home/a/pdf", "/home/a/pdf.pdf"},
                                         SuffixCase{"/home/a.pdf/record", "/home/a.pdf/record.pdf"}));

}  // namespace
