#include "paralytic/rules/workup.h"

namespace ocu::paralytic {
namespace {

// The notation of the clinical tables.
constexpr Duction N = Duction::Normal;
constexpr Duction R = Duction::Restricted;
constexpr Ptosis P = Ptosis::Present;
constexpr Ptosis A = Ptosis::Absent;
constexpr YesNo Y = YesNo::Yes;
constexpr YesNo No = YesNo::No;
constexpr When<YesNo> notY = When<YesNo>::allBut(Y);
constexpr Paint Keep = Paint::Keep;
constexpr Paint Diff = Paint::Differential;

struct EyeWhen {
    When<Duction> abduction, adduction, elevation, depression;
    When<Ptosis> ptosis;

    constexpr bool holds(const EyeFindings& eye) const {
        return abduction.holds(eye.abduction) && adduction.holds(eye.adduction) && elevation.holds(eye.elevation) &&
               depression.holds(eye.depression) && ptosis.holds(eye.ptosis);
    }
};

struct GazeWhen {
    When<YesNo> up, down, left, right, converging;

    constexpr bool holds(const GazeFindings& g) const {
        return up.holds(g.upGazeNormal) && down.holds(g.downGazeNormal) && left.holds(g.leftGazeNormal) &&
               right.holds(g.rightGazeNormal) && converging.holds(g.converging);
    }
};

constexpr EyeWhen anyEye{any, any, any, any, any};
constexpr GazeWhen anyGaze{any, any, any, any, any};

// "own" is the eye the chain is about, "other" the fellow eye.
struct DiagnosisRow {
    EyeWhen own;
    EyeWhen other;
    GazeWhen gazes;
    Caption diagnosis;
    Write differential;
};

constexpr std::string_view kDysthyroidAndOthers =
    "Dysthroid Ophthalmopathy , Myasthenia Gravis,Orbital Myositis,Orbital Tumour";

// Right eye (Label1 / Label3). The one and a half syndrome stands before the
// row that would take its right eye's ductions; the superior division palsy
// directly after the isolated medial rectus row.
// clang-format off
constexpr DiagnosisRow kRightEyeRows[] = {
    //  Abd Add Elev Depr Ptosis  left eye        up down left right conv
    /* 1*/ {{N, N, N, N, any}, anyEye, {Y, Y, Y, Y, any}, {"Right Eye ", "Normal"}, write("", Keep)},
    /* 2*/ {{R, N, N, N, A}, anyEye, anyGaze, {"Right Eye ", "Sixth Nerve Palsy "},
            write("Diff. Diagn  ", "Dysthroid Ophthalmopathy", Diff)},
    /* 3*/ {{N, R, R, R, P}, anyEye, anyGaze, {"Right Eye ", "Third Nerve Palsy "},
            write("Diff. Diagn ", kDysthyroidAndOthers, Diff)},
    /* 4*/ {{N, R, R, R, A}, anyEye, anyGaze,
            {"Right Eye ", "Dysthroid Ophthalmopathy,Myasthenia Gravis,Orbital Myositis "},
            write("Diff. Diagn   ", "Third Nerve Palsy,Orbital Myositis,Orbital Tumour", Diff)},
    /* 5*/ {{N, R, N, N, any}, anyEye, anyGaze, {"Right Eye ", "Isolated Medial Rectus Palsy "},
            write("Diff. Diagn   ", kDysthyroidAndOthers, Diff)},
    /*5a*/ {{N, N, R, N, P}, anyEye, anyGaze, {"Right Eye ", "Superior Division Third Nerve Palsy "},
            write("Diff. Diagn   ", kDysthyroidAndOthers, Diff)},
    /* 6*/ {{N, N, R, N, A}, anyEye, anyGaze, {"Right Eye ", "Isolated Superior Rectus Palsy "},
            write("Diff. Diagn   ",
                  "Inf. Rectus entrapement, Dysthroid Ophthalmopathy , Myasthenia Gravis,Orbital Myositis,Orbital Tumour",
                  Diff)},
    /* 7*/ {{N, R, N, R, A}, anyEye, anyGaze, {"Right Eye ", "Inferior Division Third Nerve Palsy"},
            write("Diff. Diagn   ", kDysthyroidAndOthers, Diff)},
    /* 8*/ {{N, N, N, R, any}, anyEye, anyGaze, {"Right Eye ", "Isolated inferior Rectus Palsy "},
            write("Diff. Diagn   ", kDysthyroidAndOthers, Diff)},
    /*8a*/ {{R, R, N, N, A}, {N, R, N, N, A}, anyGaze, {"Right One And Half Syndrome"}, write(" ", Keep)},
    /* 9*/ {{R, R, N, N, A}, anyEye, anyGaze,
            {"Right Eye ", "Daune's Syndrome,1 & 3 Or Dysthroid Ophthalmopathy Or Myasthenia Gravis"},
            kUnchanged},
    /*10*/ {{R, R, R, R, A}, anyEye, anyGaze, {"Right  Total  Ophthalmoplegia"}, write("", Keep)},
    /*11*/ {{R, R, R, R, P}, anyEye, anyGaze, {"Right  Total  Ophthalmoplegia"},
            write("Diff. Diagn   ", "B/L Orbital Lesions,Cavenous Sinus Syndrome ", Diff)},
    /*12*/ {{N, N, N, N, A}, {N, N, N, N, A}, {any, any, Y, No, Y}, {"Left Internuclear Ophthalmoplegia"},
            write(" ", Keep)},
    /*13*/ {{N, N, N, N, A}, {N, N, N, N, A}, {any, any, No, Y, Y}, {"Right Internuclear Ophthalmoplegia"},
            write(" ", Keep)},
};
// clang-format on

// Left eye (Label2 / Label4); "own" is the left eye.
// clang-format off
constexpr DiagnosisRow kLeftEyeRows[] = {
    //  Abd Add Elev Depr Ptosis  right eye       up down left right conv
    /* 1*/ {{N, N, N, N, any}, anyEye, {Y, Y, Y, Y, any}, {" Left Eye ", "Normal "}, kUnchanged},
    /* 2*/ {{R, N, N, N, A}, anyEye, anyGaze, {" Left Eye ", "Sixth Nerve Palsy "}, kUnchanged},
    /* 3*/ {{N, R, R, R, P}, anyEye, anyGaze, {" Left Eye ", "Third Nerve Palsy "},
            write("Diff. Diagn   ", kDysthyroidAndOthers, Diff)},
    /* 4*/ {{N, R, R, R, A}, anyEye, anyGaze,
            {" Left Eye ", "Dysthroid Ophthalmopathy Or Myasthenia Gravis "},
            write(kDysthyroidAndOthers, Diff)},
    /* 5*/ {{N, R, N, N, any}, anyEye, anyGaze, {" Left Eye ", "Isolated Medial Rectus Palsy "},
            write("Diff. Diagn   ", kDysthyroidAndOthers, Diff)},
    /*5a*/ {{N, N, R, N, P}, anyEye, anyGaze, {" Left Eye ", "Superior Division Third Nerve Palsy "},
            write("Diff. Diagn   ", kDysthyroidAndOthers, Diff)},
    /* 6*/ {{N, R, N, R, A}, anyEye, anyGaze, {" Left Eye ", "Inferior Division Third Nerve Palsy "},
            write(kDysthyroidAndOthers, Diff)},
    /* 7*/ {{N, N, R, N, A}, anyEye, anyGaze, {" Left Eye ", "Isolated Superior Rectus Palsy "},
            write("Diff. Diagn   ",
                  "Inf. Rectus entrapement,Dysthroid Ophthalmopathy , Myasthenia Gravis,Orbital Myositis,Orbital Tumour",
                  Diff)},
    /* 8*/ {{N, N, N, R, any}, anyEye, anyGaze, {" Left Eye ", "Isolated inferior Rectus Palsy "},
            write("Diff. Diagn   ", kDysthyroidAndOthers, Diff)},
    /*8a*/ {{R, R, N, N, A}, {N, R, N, N, A}, anyGaze, {"Left One And Half Syndrome"}, kUnchanged},
    /* 9*/ {{R, R, N, N, A}, anyEye, anyGaze,
            {" Left Eye ", "Daune's Syndrome,1 & 3,Dysthroid Ophthalmopathy,Myasthenia Gravis"},
            kUnchanged},
    /*10*/ {{R, R, R, R, A}, anyEye, anyGaze, {" Left Total  Ophthalmoplegia"}, kUnchanged},
    /*11*/ {{R, R, R, R, P}, anyEye, anyGaze, {" Left Total  Ophthalmoplegia"},
            write("Diff. Diagn   ", " B/L Orbital Lesions,Cavenous Sinus Syndrome ", Diff)},
};
// clang-format on

// Supranuclear (Label5 / Label6): both eyes move fully, no ptosis, the
// horizontal gazes are normal; "own" is the right eye.
constexpr EyeWhen kFullDuctions{N, N, N, N, A};
// clang-format off
constexpr DiagnosisRow kSupranuclearRows[] = {
    //                                        up    down  left right conv
    /*1*/ {kFullDuctions, kFullDuctions, {notY, notY, Y, Y, any}, {" Progressive Supranuclear Gaze Palsy"},
           write("Differntial Diagnosis",
                 "( Parkinson Disease , Restictive Thyroid Myopathy,B/L Double Elevator Palsy)", Diff)},
    /*2*/ {kFullDuctions, kFullDuctions, {notY, Y, Y, Y, any}, {" Supranuclear Gaze Palsy"},
           write("Differntial Diagnosis",
                 " (Parkinson Disease , Restictive Thyroid Myopathy,B/L Double Elevator Palsy)", Diff)},
};
// clang-format on

template <std::size_t Rows>
std::optional<Diagnosis> apply(const DiagnosisRow (&rows)[Rows], const EyeFindings& own, const EyeFindings& other,
                               const GazeFindings& gazes) {
    const DiagnosisRow* row = firstMatch(
        rows, [&](const DiagnosisRow& r) { return r.own.holds(own) && r.other.holds(other) && r.gazes.holds(gazes); });
    if (row == nullptr) return std::nullopt;
    return Diagnosis{inResultColour(row->diagnosis.joined()), row->differential.change()};
}

}  // namespace

std::optional<Diagnosis> rightEyeDiagnosis(const WorkupFindings& f) {
    return apply(kRightEyeRows, f.right, f.left, f.gazes);
}

std::optional<Diagnosis> leftEyeDiagnosis(const WorkupFindings& f) {
    return apply(kLeftEyeRows, f.left, f.right, f.gazes);
}

std::optional<Diagnosis> supranuclearDiagnosis(const WorkupFindings& f) {
    return apply(kSupranuclearRows, f.right, f.left, f.gazes);
}

}  // namespace ocu::paralytic
