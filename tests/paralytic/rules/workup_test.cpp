#include "paralytic/rules/workup.h"

#include <gtest/gtest.h>

#include "labels.h"

namespace ocu::paralytic {

void PrintTo(const Diagnosis& d, std::ostream* os) {
    PrintTo(d.diagnosis, os);
    *os << " / ";
    if (d.differential) {
        PrintTo(*d.differential, os);
    } else {
        *os << "differential unchanged";
    }
}

namespace {

using namespace expect;

// "NRRR" = abduction, adduction, elevation, depression; then 'P' or 'A'.
EyeFindings eye(std::string_view ductions, char ptosis) {
    auto d = [&](int i) { return ductions[i] == 'R' ? Duction::Restricted : Duction::Normal; };
    return {d(0), d(1), d(2), d(3), ptosis == 'P' ? Ptosis::Present : Ptosis::Absent};
}

// "YYYYY" = up, down, left, right gaze normal, converging; '-' = unanswered.
GazeFindings gazes(std::string_view answers) {
    auto g = [&](int i) { return answers[i] == 'Y' ? YesNo::Yes : answers[i] == 'N' ? YesNo::No : YesNo::Unanswered; };
    return {g(0), g(1), g(2), g(3), g(4)};
}

WorkupFindings findings(std::string_view right, char rightPtosis, std::string_view left, char leftPtosis,
                        std::string_view gazeAnswers = "YYYYY") {
    return {eye(right, rightPtosis), eye(left, leftPtosis), gazes(gazeAnswers)};
}

struct ChainCase {
    const char* name;
    WorkupFindings findings;
    std::optional<Diagnosis> expected;
};

std::string caseName(const testing::TestParamInfo<ChainCase>& info) { return info.param.name; }

const std::string kDiffHead = "Diff. Diagn   ";
const std::string kOthers = "Dysthroid Ophthalmopathy , Myasthenia Gravis,Orbital Myositis,Orbital Tumour";

Diagnosis diagnosis(std::string_view text, std::optional<Result> differentialLabel) {
    return {result(text), std::move(differentialLabel)};
}

// --- Right eye ----------------------------------------------------------------

class RightEyeChain : public testing::TestWithParam<ChainCase> {};

TEST_P(RightEyeChain, FirstMatchingRowWritesLabel1AndLabel3) {
    EXPECT_EQ(rightEyeDiagnosis(GetParam().findings), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RightEyeChain,
    testing::Values(
        ChainCase{"Row1Normal", findings("NNNN", 'A', "NNNN", 'A'), diagnosis("Right Eye Normal", keepingColour(""))},
        ChainCase{"Row1IgnoresPtosisAndConvergence", findings("NNNN", 'P', "NNNN", 'A', "YYYYN"),
                  diagnosis("Right Eye Normal", keepingColour(""))},
        ChainCase{"Row2SixthNerve", findings("RNNN", 'A', "NNNN", 'A'),
                  diagnosis("Right Eye Sixth Nerve Palsy ", differential("Diff. Diagn  Dysthroid Ophthalmopathy"))},
        ChainCase{"SixthNerveDuctionsWithPtosisMatchNoRow", findings("RNNN", 'P', "NNNN", 'A'), std::nullopt},
        ChainCase{"Row3ThirdNerve", findings("NRRR", 'P', "NNNN", 'A'),
                  diagnosis("Right Eye Third Nerve Palsy ", differential("Diff. Diagn " + kOthers))},
        ChainCase{"Row4WithoutPtosis", findings("NRRR", 'A', "NNNN", 'A'),
                  diagnosis("Right Eye Dysthroid Ophthalmopathy,Myasthenia Gravis,Orbital Myositis ",
                            differential("Diff. Diagn   Third Nerve Palsy,Orbital Myositis,Orbital Tumour"))},
        ChainCase{"Row5MedialRectusWhateverThePtosis", findings("NRNN", 'P', "NNNN", 'A'),
                  diagnosis("Right Eye Isolated Medial Rectus Palsy ", differential(kDiffHead + kOthers))},
        ChainCase{"SuperiorDivisionWithPtosis", findings("NNRN", 'P', "NNNN", 'A'),
                  diagnosis("Right Eye Superior Division Third Nerve Palsy ", differential(kDiffHead + kOthers))},
        ChainCase{"Row6SuperiorRectusWithoutPtosis", findings("NNRN", 'A', "NNNN", 'A'),
                  diagnosis("Right Eye Isolated Superior Rectus Palsy ",
                            differential("Diff. Diagn   Inf. Rectus entrapement, Dysthroid Ophthalmopathy , "
                                         "Myasthenia Gravis,Orbital Myositis,Orbital Tumour"))},
        ChainCase{"Row7InferiorDivision", findings("NRNR", 'A', "NNNN", 'A'),
                  diagnosis("Right Eye Inferior Division Third Nerve Palsy", differential(kDiffHead + kOthers))},
        ChainCase{"InferiorDivisionDuctionsWithPtosisMatchNoRow", findings("NRNR", 'P', "NNNN", 'A'), std::nullopt},
        ChainCase{"Row8InferiorRectus", findings("NNNR", 'P', "NNNN", 'A'),
                  diagnosis("Right Eye Isolated inferior Rectus Palsy ", differential(kDiffHead + kOthers))},
        ChainCase{"OneAndHalfBeforeRow9", findings("RRNN", 'A', "NRNN", 'A'),
                  diagnosis("Right One And Half Syndrome", keepingColour(" "))},
        ChainCase{
            "Row9WhenTheLeftEyeIsNormal", findings("RRNN", 'A', "NNNN", 'A'),
            diagnosis("Right Eye Daune's Syndrome,1 & 3 Or Dysthroid Ophthalmopathy Or Myasthenia Gravis", unchanged)},
        ChainCase{
            "Row9WhenTheLeftEyeHasPtosis", findings("RRNN", 'A', "NRNN", 'P'),
            diagnosis("Right Eye Daune's Syndrome,1 & 3 Or Dysthroid Ophthalmopathy Or Myasthenia Gravis", unchanged)},
        ChainCase{"LeftOneAndHalfLeavesTheRightChainAsItWas", findings("NRNN", 'A', "RRNN", 'A'),
                  diagnosis("Right Eye Isolated Medial Rectus Palsy ", differential(kDiffHead + kOthers))},
        ChainCase{"Row10TotalWithoutPtosis", findings("RRRR", 'A', "NNNN", 'A'),
                  diagnosis("Right  Total  Ophthalmoplegia", keepingColour(""))},
        ChainCase{"Row11TotalWithPtosis", findings("RRRR", 'P', "NNNN", 'A'),
                  diagnosis("Right  Total  Ophthalmoplegia",
                            differential("Diff. Diagn   B/L Orbital Lesions,Cavenous Sinus Syndrome "))},
        ChainCase{"Row12RightGazeNo", findings("NNNN", 'A', "NNNN", 'A', "YYYNY"),
                  diagnosis("Left Internuclear Ophthalmoplegia", keepingColour(" "))},
        ChainCase{"Row13LeftGazeNo", findings("NNNN", 'A', "NNNN", 'A', "YYNYY"),
                  diagnosis("Right Internuclear Ophthalmoplegia", keepingColour(" "))},
        ChainCase{"InternuclearNeedsConvergence", findings("NNNN", 'A', "NNNN", 'A', "YYYNN"), std::nullopt},
        ChainCase{"InternuclearNeedsNoPtosis", findings("NNNN", 'A', "NNNN", 'P', "YYYNY"), std::nullopt},
        ChainCase{"UpGazeNoMatchesNoRow", findings("NNNN", 'A', "NNNN", 'A', "NYYYY"), std::nullopt},
        ChainCase{"ElevationAndDepressionMatchNoRow", findings("NNRR", 'A', "NNNN", 'A'), std::nullopt}),
    caseName);

// --- Left eye -----------------------------------------------------------------

class LeftEyeChain : public testing::TestWithParam<ChainCase> {};

TEST_P(LeftEyeChain, FirstMatchingRowWritesLabel2AndLabel4) {
    EXPECT_EQ(leftEyeDiagnosis(GetParam().findings), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LeftEyeChain,
    testing::Values(
        ChainCase{"Row1Normal", findings("NNNN", 'A', "NNNN", 'P'), diagnosis(" Left Eye Normal ", unchanged)},
        ChainCase{"Row2SixthNerve", findings("NNNN", 'A', "RNNN", 'A'),
                  diagnosis(" Left Eye Sixth Nerve Palsy ", unchanged)},
        ChainCase{"Row3ThirdNerve", findings("NNNN", 'A', "NRRR", 'P'),
                  diagnosis(" Left Eye Third Nerve Palsy ", differential(kDiffHead + kOthers))},
        ChainCase{"Row4WithoutPtosis", findings("NNNN", 'A', "NRRR", 'A'),
                  diagnosis(" Left Eye Dysthroid Ophthalmopathy Or Myasthenia Gravis ", differential(kOthers))},
        ChainCase{"Row5MedialRectus", findings("NNNN", 'A', "NRNN", 'P'),
                  diagnosis(" Left Eye Isolated Medial Rectus Palsy ", differential(kDiffHead + kOthers))},
        ChainCase{"SuperiorDivisionWithPtosis", findings("NNNN", 'A', "NNRN", 'P'),
                  diagnosis(" Left Eye Superior Division Third Nerve Palsy ", differential(kDiffHead + kOthers))},
        ChainCase{"Row6InferiorDivision", findings("NNNN", 'A', "NRNR", 'A'),
                  diagnosis(" Left Eye Inferior Division Third Nerve Palsy ", differential(kOthers))},
        ChainCase{"Row7SuperiorRectusWithoutPtosis", findings("NNNN", 'A', "NNRN", 'A'),
                  diagnosis(" Left Eye Isolated Superior Rectus Palsy ",
                            differential("Diff. Diagn   Inf. Rectus entrapement,Dysthroid Ophthalmopathy , "
                                         "Myasthenia Gravis,Orbital Myositis,Orbital Tumour"))},
        ChainCase{"Row8InferiorRectus", findings("NNNN", 'A', "NNNR", 'A'),
                  diagnosis(" Left Eye Isolated inferior Rectus Palsy ", differential(kDiffHead + kOthers))},
        ChainCase{"OneAndHalfBeforeRow9", findings("NRNN", 'A', "RRNN", 'A'),
                  diagnosis("Left One And Half Syndrome", unchanged)},
        ChainCase{"Row9WhenTheRightEyeIsNormal", findings("NNNN", 'A', "RRNN", 'A'),
                  diagnosis(" Left Eye Daune's Syndrome,1 & 3,Dysthroid Ophthalmopathy,Myasthenia Gravis", unchanged)},
        ChainCase{"RightOneAndHalfLeavesTheLeftChainAsItWas", findings("RRNN", 'A', "NRNN", 'A'),
                  diagnosis(" Left Eye Isolated Medial Rectus Palsy ", differential(kDiffHead + kOthers))},
        ChainCase{"Row10TotalWithoutPtosis", findings("NNNN", 'A', "RRRR", 'A'),
                  diagnosis(" Left Total  Ophthalmoplegia", unchanged)},
        ChainCase{"Row11TotalWithPtosis", findings("NNNN", 'A', "RRRR", 'P'),
                  diagnosis(" Left Total  Ophthalmoplegia",
                            differential("Diff. Diagn    B/L Orbital Lesions,Cavenous Sinus Syndrome "))},
        ChainCase{"RightGazeNoMatchesNoRow", findings("NNNN", 'A', "NNNN", 'A', "YYYNY"), std::nullopt},
        ChainCase{"SixthNerveDuctionsWithPtosisMatchNoRow", findings("NNNN", 'A', "RNNN", 'P'), std::nullopt}),
    caseName);

// --- Supranuclear ---------------------------------------------------------------

class SupranuclearChain : public testing::TestWithParam<ChainCase> {};

TEST_P(SupranuclearChain, FirstMatchingRowWritesLabel5AndLabel6) {
    EXPECT_EQ(supranuclearDiagnosis(GetParam().findings), GetParam().expected);
}

const Diagnosis kProgressive = diagnosis(
    " Progressive Supranuclear Gaze Palsy",
    differential("Differntial Diagnosis( Parkinson Disease , Restictive Thyroid Myopathy,B/L Double Elevator Palsy)"));
const Diagnosis kSupranuclear = diagnosis(
    " Supranuclear Gaze Palsy",
    differential("Differntial Diagnosis (Parkinson Disease , Restictive Thyroid Myopathy,B/L Double Elevator Palsy)"));

INSTANTIATE_TEST_SUITE_P(
    Rows, SupranuclearChain,
    testing::Values(ChainCase{"Row1UpAndDownNo", findings("NNNN", 'A', "NNNN", 'A', "NNYYY"), kProgressive},
                    ChainCase{"Row1UpAndDownUnanswered", findings("NNNN", 'A', "NNNN", 'A', "--YYY"), kProgressive},
                    ChainCase{"Row2UpNoDownYes", findings("NNNN", 'A', "NNNN", 'A', "NYYYN"), kSupranuclear},
                    ChainCase{"DownAloneMatchesNoRow", findings("NNNN", 'A', "NNNN", 'A', "YNYYY"), std::nullopt},
                    ChainCase{"AllGazesNormalMatchesNoRow", findings("NNNN", 'A', "NNNN", 'A'), std::nullopt},
                    ChainCase{"NeedsNoPtosis", findings("NNNN", 'P', "NNNN", 'A', "NYYYY"), std::nullopt},
                    ChainCase{"NeedsFullDuctions", findings("NNNN", 'A', "NNNR", 'A', "NYYYY"), std::nullopt},
                    ChainCase{"NeedsNormalHorizontalGazes", findings("NNNN", 'A', "NNNN", 'A', "NYYNY"), std::nullopt}),
    caseName);

}  // namespace
}  // namespace ocu::paralytic
