#pragma once

namespace ocu {

class Navigator;

// Makes this subsystem's screens known to the navigator by their names.
void registerCalculatorScreens(Navigator& screens);

}  // namespace ocu
