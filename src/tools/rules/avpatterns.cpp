#include "tools/rules/avpatterns.h"

namespace ocu::avp {
namespace {

double valueOf(Term term, const Gazes& g) {
    switch (term) {
    case Term::Up: return g.up;
    case Term::Primary: return g.primary;
    case Term::Down: return g.down;
    case Term::UpMinusDown: return g.up - g.down;
    case Term::DownMinusUp: return g.down - g.up;
    }
    return 0;
}

bool holds(const Condition& c, const Gazes& g) {
    const double v = valueOf(c.term, g);
    switch (c.compare) {
    case Compare::Above: return v > c.value;
    case Compare::Below: return v < c.value;
    case Compare::Equals: return v == c.value;
    }
    return false;
}

}  // namespace

std::optional<std::string_view> pattern(Deviation type, const Gazes& gazes) {
    for (const PatternRow& row : kPatternRows) {
        if (row.type != type) continue;
        bool all = true;
        for (const Condition& c : row.conditions) all = all && holds(c, gazes);
        if (all) return row.text;
    }
    return std::nullopt;
}

Irises restingIrises() {
    return {{kRightIrisLeft, kUpTop},     {kLeftIrisLeft, kUpTop},    {kRightIrisLeft, kPrimaryTop},
            {kLeftIrisLeft, kPrimaryTop}, {kRightIrisLeft, kDownTop}, {kLeftIrisLeft, kDownTop}};
}

std::optional<Irises> irises(Deviation type, const Gazes& gazes) {
    // The right eye is drawn on the viewer's left, so its nose side is to the right.
    double towardsNose = 0;
    if (type == Deviation::Esotropia) {
        towardsNose = 1;
    } else if (type == Deviation::Exotropia) {
        towardsNose = -1;
    } else {
        return std::nullopt;
    }
    auto right = [&](double pd, double top) { return Point{kRightIrisLeft + towardsNose * pd / kDioptresPerMm, top}; };
    auto left = [&](double pd, double top) { return Point{kLeftIrisLeft - towardsNose * pd / kDioptresPerMm, top}; };
    return Irises{right(gazes.up, kUpTop),          left(gazes.up, kUpTop),      right(gazes.primary, kPrimaryTop),
                  left(gazes.primary, kPrimaryTop), right(gazes.down, kDownTop), left(gazes.down, kDownTop)};
}

}  // namespace ocu::avp
