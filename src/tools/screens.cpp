#include "shell/navigator.h"
#include "shell/screenregistry.h"

namespace ocu {

void registerToolScreens(Navigator& /*screens*/) {}

}  // namespace ocu
