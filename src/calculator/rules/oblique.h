#pragma once
// Oblique muscle findings: which patterns fit an oblique action for an eso
// or an exo deviation, and the oblique procedure for an over-action grade.

#include <array>
#include <initializer_list>
#include <optional>
#include <string_view>

namespace ocu::calc {

enum class ObliqueAction { Normal, InfOA, SupOA, InfAndSupOA };  // Option4 to Option7
enum class Grade { One, Two, Three, Four };                      // Option13 to Option16
enum class Deviation { Eso, Exo };

// The eight patterns, by their options.
enum class Pattern { NoPatterns, AEso, VEso, Delta, AExo, VExo, X, Y };
// Option1, Option2, Option3, Option9, Option10, Option11, Option8, Option12

class Patterns {
public:
    constexpr Patterns() = default;
    constexpr Patterns(std::initializer_list<Pattern> patterns) {
        for (Pattern p : patterns) bits_ |= bit(p);
    }
    constexpr bool contains(Pattern p) const { return (bits_ & bit(p)) != 0; }
    constexpr bool operator==(const Patterns&) const = default;

private:
    static constexpr unsigned bit(Pattern p) { return 1U << static_cast<unsigned>(p); }
    unsigned bits_ = 0;
};

// What a click on an oblique action does to the patterns: the patterns
// enabled (every other one disabled), one of them selected, and one
// deselected.
struct PatternChange {
    Patterns enable;
    std::optional<Pattern> select;
    std::optional<Pattern> deselect;
    constexpr bool operator==(const PatternChange&) const = default;
};

struct PatternRow {
    ObliqueAction action;
    Deviation deviation;
    std::optional<PatternChange> change;  // nullopt: nothing changes
};

using enum Pattern;
// clang-format off
inline constexpr std::array<PatternRow, 8> kPatternAvailability = {{
    {ObliqueAction::Normal,      Deviation::Eso, PatternChange{{NoPatterns, AEso, VEso}, {}, {}}},
    {ObliqueAction::Normal,      Deviation::Exo, PatternChange{{NoPatterns, AExo, VExo}, {}, {}}},
    {ObliqueAction::InfOA,       Deviation::Eso, PatternChange{{VEso}, VEso, {}}},
    {ObliqueAction::InfOA,       Deviation::Exo, PatternChange{{VExo, Y}, VExo, {}}},
    {ObliqueAction::SupOA,       Deviation::Eso, PatternChange{{AEso}, AEso, {}}},
    {ObliqueAction::SupOA,       Deviation::Exo, PatternChange{{AExo, Delta}, AExo, {}}},
    {ObliqueAction::InfAndSupOA, Deviation::Eso, std::nullopt},
    {ObliqueAction::InfAndSupOA, Deviation::Exo, PatternChange{{X}, {}, AEso}},
}};
// clang-format on

// nullopt when no deviation side is selected or the row changes nothing.
constexpr std::optional<PatternChange> patternsFor(ObliqueAction action, std::optional<Deviation> deviation) {
    if (!deviation) return std::nullopt;
    for (const PatternRow& row : kPatternAvailability) {
        if (row.action == action && row.deviation == *deviation) return row.change;
    }
    return std::nullopt;
}

struct ObliqueProcedureRow {
    ObliqueAction action;
    Grade grade;
    std::string_view text;
};
// clang-format off
inline constexpr std::array<ObliqueProcedureRow, 8> kObliqueProcedures = {{
    {ObliqueAction::InfOA, Grade::One,   "Inf.Oblique Mymectomy Or Recession 6 mm"},
    {ObliqueAction::InfOA, Grade::Two,   "Inf.Oblique Mymectomy Or Recession 8 mm "},
    {ObliqueAction::InfOA, Grade::Three, "Inf.Oblique Mymectomy Or Recession 10 mm"},
    {ObliqueAction::InfOA, Grade::Four,  "Inf.Oblique Mymectomy Or Recession with Ant.Positioning"},
    {ObliqueAction::SupOA, Grade::One,   "Sup.Oblique Posterior Tenectomy "},
    {ObliqueAction::SupOA, Grade::Two,   "Sup.Oblique Posterior Tenectomy"},
    {ObliqueAction::SupOA, Grade::Three, " Graded Recession Or Tendon Lengthening Procedure Of Sup Oblique"},
    {ObliqueAction::SupOA, Grade::Four,  "Graded Recession Or Tendon Lengthening Procedure Of Sup Oblique"},
}};
// clang-format on

// nullopt (the procedure line is left as it is) for a normal or combined
// action, or without an action or a grade.
constexpr std::optional<std::string_view> obliqueProcedure(std::optional<ObliqueAction> action,
                                                           std::optional<Grade> grade) {
    if (!action || !grade) return std::nullopt;
    for (const ObliqueProcedureRow& row : kObliqueProcedures) {
        if (row.action == *action && row.grade == *grade) return row.text;
    }
    return std::nullopt;
}

}  // namespace ocu::calc
