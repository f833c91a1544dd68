#pragma once
// Every screen of the application, made known to the navigator: the one
// place that knows all the subsystems. The program and the tests use it.

namespace ocu {

// Every screen of the application; safe to call more than once.
void registerAllScreens();

}  // namespace ocu
