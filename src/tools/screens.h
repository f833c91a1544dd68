#pragma once

namespace ocu {

class Navigator;

// Makes this subsystem's screens known to the navigator by their names.
void registerToolScreens(Navigator& screens);

}  // namespace ocu
