#pragma once

#include <QString>

namespace ocu {

// A screen's "Print" button: opens the print screen and writes the name of
// the screen to print into its request, overwriting any earlier request.
void requestPrint(const QString& screenName);

inline constexpr const char* kPrintScreen = "Print_01";

}  // namespace ocu
