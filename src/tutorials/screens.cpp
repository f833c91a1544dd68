#include "shell/navigator.h"
#include "shell/screenregistry.h"

namespace ocu {

void registerTutorialScreens(Navigator& /*screens*/) {}

}  // namespace ocu
