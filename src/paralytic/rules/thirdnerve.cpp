#include "paralytic/rules/thirdnerve.h"

namespace ocu::paralytic {
namespace {

constexpr Onset Aquired = Onset::Acquired;
constexpr Onset Congenital = Onset::Congenital;
constexpr PalsyExtent CompletePalsy = PalsyExtent::Complete;
constexpr PalsyExtent PartialPalsy = PalsyExtent::Partial;
constexpr PtosisExtent CompletePtosis = PtosisExtent::Complete;
constexpr PtosisExtent PartialPtosis = PtosisExtent::Partial;
constexpr Trauma Injury = Trauma::Trauma;
constexpr Trauma NoTrauma = Trauma::NoTrauma;
constexpr PalsyCause Diabetic = PalsyCause::Diabetic;
constexpr PalsyCause CnsLesions = PalsyCause::CnsLesion;
constexpr Paint Coloured = Paint::Result;
constexpr Paint Keep = Paint::Keep;

constexpr std::string_view T1 = "Conservative treatment";
constexpr std::string_view T2 = "It is best left untreated.";
constexpr std::string_view T3 =
    "If adduction is preserved, maximal recession of the lateral and resection of the medial rectus+-  up ward "
    "transposition of the muscle. ";
constexpr std::string_view Inv =
    "Systemic Investigations : CT / MRI,Thyroid Function Test ,Chroinc systemic Evaluation , Workup For mysthenia "
    "Gravis";

struct PlanRow {
    When<Onset> onset;
    When<PalsyExtent> palsy;
    When<PtosisExtent> ptosis;
    When<Trauma> trauma;
    When<PalsyCause> cause;
    std::string_view treatment;
    Paint treatmentPaint;
    Write investigations;
};

// clang-format off
constexpr PlanRow kRows[] = {
    //      Step 1      Step 2         Step 3          Step 4    Step 5      Label1            Label11
    /* 1*/ {Aquired,    any,           any,            NoTrauma, Diabetic,   T1, Coloured, write(Inv, Coloured)},
    /* 2*/ {Aquired,    CompletePalsy, CompletePtosis, Injury,   any,        T2, Coloured, write(Inv, Coloured)},
    /* 3*/ {Aquired,    CompletePalsy, CompletePtosis, NoTrauma, CnsLesions, T2, Coloured, write(Inv, Coloured)},
    /* 4*/ {Aquired,    PartialPalsy,  PartialPtosis,  NoTrauma, CnsLesions, T3, Coloured, write(Inv, Coloured)},
    /* 5*/ {Aquired,    PartialPalsy,  PartialPtosis,  Injury,   any,        T3, Coloured, write(Inv, Coloured)},
    /* 6*/ {Aquired,    PartialPalsy,  CompletePtosis, Injury,   any,        T2, Coloured, write(Inv, Coloured)},
    /* 7*/ {Congenital, CompletePalsy, CompletePtosis, any,      any,        T2, Coloured, write(Inv, Coloured)},
    /* 8*/ {Congenital, PartialPalsy,  PartialPtosis,  any,      any,        T3, Keep,     kUnchanged},
    /* 9*/ {Congenital, CompletePalsy, PartialPtosis,  any,      any,        T3, Coloured, kUnchanged},
    /*10*/ {Aquired,    CompletePalsy, PartialPtosis,  NoTrauma, CnsLesions, T3, Coloured, write(Inv, Coloured)},
};
// clang-format on

}  // namespace

std::optional<ThirdNervePlan> thirdNervePlan(const ThirdNerveAnswers& a) {
    const PlanRow* row = firstMatch(kRows, [&](const PlanRow& r) {
        return r.onset.holds(a.onset) && r.palsy.holds(a.palsy) && r.ptosis.holds(a.ptosis) &&
               r.trauma.holds(a.trauma) && r.cause.holds(a.cause);
    });
    if (row == nullptr) return std::nullopt;
    return ThirdNervePlan{{std::string(kTreatmentHeading).append(row->treatment), colourOf(row->treatmentPaint)},
                          row->investigations.change()};
}

}  // namespace ocu::paralytic
