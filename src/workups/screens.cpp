#include "shell/navigator.h"
#include "shell/screenregistry.h"

namespace ocu {

void registerWorkupScreens(Navigator& /*screens*/) {}

}  // namespace ocu
