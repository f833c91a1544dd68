#pragma once
// The colours the work-up rules give to the results they write.

namespace ocu {

struct Rgb {
    int red, green, blue;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

inline constexpr Rgb kResultColour{192, 255, 255};   // light cyan: a result a rule wrote
inline constexpr Rgb kCautionColour{255, 128, 128};  // light red: a caution
inline constexpr Rgb kWhite{255, 255, 255};

}  // namespace ocu
