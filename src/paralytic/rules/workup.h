#pragma once
// The paralytic squint work-up: a provisional and a differential diagnosis
// for each eye, and a supranuclear diagnosis, from the ductions, ptosis,
// the four gazes and convergence.

#include <optional>

#include "paralytic/rules/results.h"

namespace ocu::paralytic {

enum class Duction { Unanswered, Normal, Restricted };
enum class Ptosis { Unanswered, Present, Absent };
enum class YesNo { Unanswered, Yes, No };

struct EyeFindings {
    Duction abduction = Duction::Normal;
    Duction adduction = Duction::Normal;
    Duction elevation = Duction::Normal;
    Duction depression = Duction::Normal;
    Ptosis ptosis = Ptosis::Absent;
};

struct GazeFindings {
    YesNo upGazeNormal = YesNo::Yes;
    YesNo downGazeNormal = YesNo::Yes;
    YesNo leftGazeNormal = YesNo::Yes;
    YesNo rightGazeNormal = YesNo::Yes;
    YesNo converging = YesNo::Yes;
};

// Defaults are the selections the work-up opens with.
struct WorkupFindings {
    EyeFindings right;
    EyeFindings left;
    GazeFindings gazes;
};

// A diagnosis label is always written in the result colour; its
// differential label may be left alone.
struct Diagnosis {
    Result diagnosis;
    std::optional<Result> differential;
    friend bool operator==(const Diagnosis&, const Diagnosis&) = default;
};

// Each chain's answer, or nullopt when none of its rows holds.
std::optional<Diagnosis> rightEyeDiagnosis(const WorkupFindings& findings);
std::optional<Diagnosis> leftEyeDiagnosis(const WorkupFindings& findings);
std::optional<Diagnosis> supranuclearDiagnosis(const WorkupFindings& findings);

}  // namespace ocu::paralytic
