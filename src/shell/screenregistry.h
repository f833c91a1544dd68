#pragma once
// Each subsystem makes its screens known to the navigator in its own
// screens.cpp; the application and the tests register them all at once.

namespace ocu {

class Navigator;

void registerShellScreens(Navigator& screens);
void registerPrintScreens(Navigator& screens);
void registerWorkupScreens(Navigator& screens);
void registerCalculatorScreens(Navigator& screens);
void registerParalyticScreens(Navigator& screens);
void registerRestrictiveScreens(Navigator& screens);
void registerToolScreens(Navigator& screens);
void registerTutorialScreens(Navigator& screens);

// Every screen of the application; safe to call more than once.
void registerAllScreens();

}  // namespace ocu
