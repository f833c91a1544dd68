#pragma once
// Expected results in the rule tests, and how a failed comparison prints one.

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "shell/rules/result.h"

namespace ocu {

// Readable failures: the text between brackets, so that blanks show.
inline void PrintTo(const Result& result, std::ostream* os) {
    if (result.text) {
        *os << "[" << *result.text << "]";
    } else {
        *os << "keeping its text";
    }
    if (result.background) {
        *os << " on (" << result.background->red << ", " << result.background->green << ", " << result.background->blue
            << ")";
    } else {
        *os << " keeping its colour";
    }
}

}  // namespace ocu

namespace ocu::expect {

// Written in the result colour.
inline Result result(std::string_view text) { return {std::string(text), kResultColour}; }
// Written in the differential colour.
inline Result differential(std::string_view text) { return {std::string(text), kDifferentialColour}; }
// Written, keeping the label's colour.
inline Result keepingColour(std::string_view text) { return {std::string(text), std::nullopt}; }
// Not written at all.
inline constexpr std::nullopt_t unchanged = std::nullopt;

// The text a table gives, when it gives one, written in the result colour.
inline std::optional<Result> inResultColour(std::optional<std::string_view> text) {
    if (!text) return std::nullopt;
    return result(*text);
}

}  // namespace ocu::expect
