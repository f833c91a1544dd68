#include "shell/navigator.h"
#include "shell/screenregistry.h"

namespace ocu {

void registerPrintScreens(Navigator& /*screens*/) {}

}  // namespace ocu
