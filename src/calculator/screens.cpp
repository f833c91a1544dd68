#include "shell/navigator.h"
#include "shell/screenregistry.h"

namespace ocu {

void registerCalculatorScreens(Navigator& /*screens*/) {}

}  // namespace ocu
