#pragma once
// Fixed texts shown in the large text boxes, one entry a line so that each
// can be held beside the text it reproduces.

#include <QString>
#include <span>
#include <string_view>

namespace ocu {

// Lines joined by line breaks, with a line break after the last line too.
QString joinLines(std::span<const std::string_view> lines);

extern const std::string_view kTermsTextLines[19];
inline constexpr std::span<const std::string_view> kTermsText{kTermsTextLines};

extern const std::string_view kEsoGuidelineLines[26];
inline constexpr std::span<const std::string_view> kEsoGuidelines{kEsoGuidelineLines};

extern const std::string_view kExoGuidelineLines[27];
inline constexpr std::span<const std::string_view> kExoGuidelines{kExoGuidelineLines};

extern const std::string_view kAboutTextLines[9];
inline constexpr std::span<const std::string_view> kAboutText{kAboutTextLines};

}  // namespace ocu
