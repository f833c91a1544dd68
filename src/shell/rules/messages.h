#pragma once
// The wording the whole application uses when a box must hold a number.

#include <string>
#include <string_view>

namespace ocu {

// " Please enter a number for <what> "
std::string notANumberMessage(std::string_view what);
// " Please enter a number from <low> to <high> for <what> "
std::string outOfRangeMessage(std::string_view what, std::string_view low, std::string_view high);

}  // namespace ocu
