#pragma once
// Shorthand for the expected label changes of the paralytic tables.

#include <string>

#include "paralytic/rules/results.h"
#include "support/expectedresults.h"

namespace ocu::paralytic::expect {

using namespace ocu::expect;

inline std::string blanks(std::size_t count) { return std::string(count, ' '); }

}  // namespace ocu::paralytic::expect
