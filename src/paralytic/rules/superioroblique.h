#pragma once
// Superior oblique palsy: the operation from the hypertropia, cyclotropia and
// superior rectus traction test; the gaze of maximum hypertropia and the
// operation from Knapp's class; and Knapp's classification alone.

#include <optional>

#include "paralytic/rules/results.h"

namespace ocu::paralytic {

enum class HigherEye { Unanswered, RightOverLeft, LeftOverRight };
enum class PrimaryHypertropia { Unanswered, Under15, Over15 };
enum class Cyclotropia { Unanswered, Under10, Over15 };
enum class TractionTest { Unanswered, Tight, NotTight };

struct HypertropiaFindings {
    HigherEye higher = HigherEye::Unanswered;
    PrimaryHypertropia amount = PrimaryHypertropia::Unanswered;
    Cyclotropia cyclotropia = Cyclotropia::Unanswered;
    TractionTest traction = TractionTest::Unanswered;
};

// The operation ("Plan Surgery on"), or nullopt when no row holds.
std::optional<Result> hypertropiaSurgery(const HypertropiaFindings& findings);

enum class Side { Unanswered, Right, Left };
enum class KnappHypertropia { Unanswered, LessThan25, MoreThan25 };

struct KnappFindings {
    Side side = Side::Unanswered;
    int knappClass = 0;  // 1 to 7; 0 when no class is chosen
    KnappHypertropia amount = KnappHypertropia::Unanswered;
};

struct KnappPlan {
    Result management;
    Result gaze;
    friend bool operator==(const KnappPlan&, const KnappPlan&) = default;
};

// The management and the gaze of maximum hypertropia from Knapp's class.
std::optional<KnappPlan> knappSurgery(const KnappFindings& findings);

// The gaze of maximum hypertropia from Knapp's class and the eye alone.
std::optional<Result> knappGaze(Side side, int knappClass);

}  // namespace ocu::paralytic
