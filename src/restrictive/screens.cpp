#include "shell/navigator.h"
#include "shell/screenregistry.h"

namespace ocu {

void registerRestrictiveScreens(Navigator& /*screens*/) {}

}  // namespace ocu
