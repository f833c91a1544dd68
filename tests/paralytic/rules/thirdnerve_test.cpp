#include "paralytic/rules/thirdnerve.h"

#include <gtest/gtest.h>

#include "labels.h"

namespace ocu::paralytic {
namespace {

using namespace expect;

constexpr auto None1 = Onset::Unanswered;
constexpr auto Cong = Onset::Congenital;
constexpr auto Acq = Onset::Acquired;
constexpr auto None2 = PalsyExtent::Unanswered;
constexpr auto CPalsy = PalsyExtent::Complete;
constexpr auto PPalsy = PalsyExtent::Partial;
constexpr auto None3 = PtosisExtent::Unanswered;
constexpr auto CPtosis = PtosisExtent::Complete;
constexpr auto PPtosis = PtosisExtent::Partial;
constexpr auto None4 = Trauma::Unanswered;
constexpr auto Injury = Trauma::Trauma;
constexpr auto NoInjury = Trauma::NoTrauma;
constexpr auto None5 = PalsyCause::Unanswered;
constexpr auto Diab = PalsyCause::Diabetic;
constexpr auto Cns = PalsyCause::CnsLesion;

const std::string T1 = "Ophthalmological Treatment:Conservative treatment";
const std::string T2 = "Ophthalmological Treatment:It is best left untreated.";
const std::string T3 =
    "Ophthalmological Treatment:If adduction is preserved, maximal recession of the lateral and "
    "resection of the medial rectus+-  up ward transposition of the muscle. ";
const std::string Inv =
    "Systemic Investigations : CT / MRI,Thyroid Function Test ,Chroinc systemic Evaluation , "
    "Workup For mysthenia Gravis";

struct PlanCase {
    const char* name;
    ThirdNerveAnswers answers;
    std::optional<ThirdNervePlan> expected;
};

class ThirdNerveTable : public testing::TestWithParam<PlanCase> {};

TEST_P(ThirdNerveTable, FirstMatchingRowWritesTreatmentAndInvestigations) {
    EXPECT_EQ(thirdNervePlan(GetParam().answers), GetParam().expected);
}

ThirdNervePlan both(const std::string& treatment) { return {result(treatment), result(Inv)}; }

INSTANTIATE_TEST_SUITE_P(
    Rows, ThirdNerveTable,
    testing::Values(
        PlanCase{"NothingAnswered", {None1, None2, None3, None4, None5}, std::nullopt},
        PlanCase{"Row1WithStepsTwoAndThreeUnanswered", {Acq, None2, None3, NoInjury, Diab}, both(T1)},
        PlanCase{"Row1WhateverStepsTwoAndThreeSay", {Acq, CPalsy, CPtosis, NoInjury, Diab}, both(T1)},
        PlanCase{"Row2IgnoresAHiddenStep5", {Acq, CPalsy, CPtosis, Injury, Diab}, both(T2)},
        PlanCase{"Row3", {Acq, CPalsy, CPtosis, NoInjury, Cns}, both(T2)},
        PlanCase{"Row4", {Acq, PPalsy, PPtosis, NoInjury, Cns}, both(T3)},
        PlanCase{"Row5", {Acq, PPalsy, PPtosis, Injury, None5}, both(T3)},
        PlanCase{"Row6", {Acq, PPalsy, CPtosis, Injury, None5}, both(T2)},
        PlanCase{"Row7IgnoresHiddenStepsFourAndFive", {Cong, CPalsy, CPtosis, NoInjury, Cns}, both(T2)},
        PlanCase{"Row8KeepsColourAndInvestigations",
                 {Cong, PPalsy, PPtosis, None4, None5},
                 ThirdNervePlan{keepingColour(T3), unchanged}},
        PlanCase{
            "Row9KeepsInvestigations", {Cong, CPalsy, PPtosis, None4, None5}, ThirdNervePlan{result(T3), unchanged}},
        PlanCase{"Row10", {Acq, CPalsy, PPtosis, NoInjury, Cns}, both(T3)},
        PlanCase{
            "CongenitalPartialPalsyCompletePtosisMatchesNoRow", {Cong, PPalsy, CPtosis, None4, None5}, std::nullopt},
        PlanCase{
            "AcquiredPartialPalsyCompletePtosisCnsMatchesNoRow", {Acq, PPalsy, CPtosis, NoInjury, Cns}, std::nullopt},
        PlanCase{"AcquiredWithoutCauseMatchesNoRow", {Acq, CPalsy, CPtosis, NoInjury, None5}, std::nullopt},
        PlanCase{"CongenitalAloneMatchesNoRow", {Cong, None2, None3, None4, None5}, std::nullopt}),
    [](const testing::TestParamInfo<PlanCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ocu::paralytic
