#pragma once
// The AC/A ratio by the gradient method: the near deviation at 33 cm on an
// accommodative target without and with a +3 sph lens, the change per
// dioptre of lens, and the ratio's class.

#include <optional>
#include <string>
#include <string_view>

namespace ocu::aca {

enum class Deviation { None, Eso, Exo };

// How a deviation box is read for the ratio.
enum class Reading {
    Lenient,    // the number at the start of the text, 0 when there is none
    WholeText,  // the whole text must be a number
};

// Ratio = sign × (without lens − with +3 sph) / 3; an eso deviation that
// falls with the lens and an exo deviation that grows with it both give a
// positive ratio.
struct RatioRow {
    Deviation type;
    Reading reading;
    int sign;
};
inline constexpr double kLensDioptres = 3;
// clang-format off
inline constexpr RatioRow kRatioRows[] = {
    {Deviation::Eso, Reading::Lenient, +1},
    {Deviation::Exo, Reading::WholeText, -1},
};
// clang-format on

// Class of the ratio in prism dioptres per dioptre, first row that holds.
enum class Bound { Below, AtMost, Any };
struct ClassRow {
    Bound bound;
    double limit;
    std::string_view name;
};
// clang-format off
inline constexpr ClassRow kClassRows[] = {
    {Bound::Below, 3, "Low"},
    {Bound::AtMost, 5, "Normal"},
    {Bound::Any, 0, "High"},
};
// clang-format on

struct Input {
    Deviation type = Deviation::None;
    std::string withoutLens;  // Text1
    std::string withLens;     // Text2
    std::string ratioShown;   // Text3, before the press
};

enum class Box { WithoutLens, WithLens };

struct Outcome {
    // A deviation box that does not hold the number the ratio needs: the
    // press changes nothing.
    std::optional<Box> notANumber;
    // The new text of the ratio box; nullopt leaves it as it is.
    std::optional<std::string> ratio;
    // The class of whatever the ratio box shows after the press.
    std::string_view ratioClass;
};

std::string_view classOf(double ratio);
Outcome calculate(const Input& input);

}  // namespace ocu::aca
