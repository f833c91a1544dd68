#pragma once
// What a rule writes into a result label: its text and its background, each
// of which may be left as the label shows it. Every rule that writes a label
// answers in this one vocabulary, and the named colours of the application
// are defined here and nowhere else.

#include <optional>
#include <string>
#include <string_view>

namespace ocu {

struct Rgb {
    int red, green, blue;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

inline constexpr Rgb kResultColour{192, 255, 255};        // light cyan: a result a rule wrote
inline constexpr Rgb kDifferentialColour{192, 192, 255};  // a differential diagnosis
inline constexpr Rgb kCautionColour{255, 128, 128};       // light red: a caution
inline constexpr Rgb kWarningColour{255, 0, 0};           // red: a warning
inline constexpr Rgb kDosingColour{0, 255, 0};            // green: a dose box to choose from
inline constexpr Rgb kWhite{255, 255, 255};

// The new text, or none when the label keeps the text it has; the new
// background, or none when it keeps its colour. A label a rule leaves alone
// altogether gets no Result at all (std::nullopt).
struct Result {
    std::optional<std::string> text;
    std::optional<Rgb> background;
    friend bool operator==(const Result&, const Result&) = default;
};

// The text on the result colour, as most rules write it.
inline Result inResultColour(std::string_view text) { return {std::string(text), kResultColour}; }

// A Result as a constant table holds it: a table cannot hold a std::string,
// so its text is a view of the table's own text until the rule answers.
struct ResultEntry {
    std::string_view text;
    std::optional<Rgb> background;
    operator Result() const { return {std::string(text), background}; }
};

}  // namespace ocu
