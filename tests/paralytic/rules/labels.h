#pragma once
// Shorthand for the expected label changes of the paralytic tables.

#include <optional>
#include <ostream>
#include <string>

#include "paralytic/rules/results.h"

namespace ocu::paralytic {

// Readable failures: the caption between brackets, so that blanks show.
inline void PrintTo(const LabelChange& change, std::ostream* os) {
    *os << "[" << change.text << "]";
    if (change.background) {
        *os << " on (" << change.background->red << ", " << change.background->green << ", "
            << change.background->blue << ")";
    } else {
        *os << " keeping its colour";
    }
}

}  // namespace ocu::paralytic

namespace ocu::paralytic::expect {

// Written in the result colour.
inline LabelChange result(std::string text) { return {std::move(text), kResultColour}; }
// Written in the differential colour.
inline LabelChange differential(std::string text) { return {std::move(text), kDifferentialColour}; }
// Written, keeping the label's colour.
inline LabelChange keepingColour(std::string text) { return {std::move(text), std::nullopt}; }
// Not written at all.
inline constexpr std::nullopt_t unchanged = std::nullopt;

inline std::string blanks(std::size_t count) { return std::string(count, ' '); }

}  // namespace ocu::paralytic::expect
