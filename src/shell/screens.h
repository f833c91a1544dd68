#pragma once

namespace ocu {

class Navigator;

// Makes this subsystem's screens known to the navigator by their names.
void registerShellScreens(Navigator& screens);

}  // namespace ocu
