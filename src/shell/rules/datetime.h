#pragma once
// The current date and time as the text that patient blocks show.

#include <ctime>
#include <string>

namespace ocu {

// The date followed by the time in the given locale's general format
// ("%x %X"). Locales without a regional format of their own ("C", "POSIX",
// "C.UTF-8") get the unambiguous "2026-12-11 04:56:43" instead of the
// two-digit-year American form the C library would give them.
std::string formatDateTime(const std::tm& moment, const std::string& localeName);

// Now, in the user's locale (from the environment).
std::string currentDateTime();

}  // namespace ocu
