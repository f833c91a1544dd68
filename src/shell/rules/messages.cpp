#include "shell/rules/messages.h"

namespace ocu {

std::string notANumberMessage(std::string_view what) { return " Please enter a number for " + std::string(what) + " "; }

std::string outOfRangeMessage(std::string_view what, std::string_view low, std::string_view high) {
    return " Please enter a number from " + std::string(low) + " to " + std::string(high) + " for " +
           std::string(what) + " ";
}

}  // namespace ocu
