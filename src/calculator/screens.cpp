#include "calculator/screens.h"

#include "calculator/rules/controlnames.h"
#include "calculator/squint.h"
#include "shell/navigator.h"

namespace ocu {

void registerCalculatorScreens(Navigator& screens) {
    screens.registerScreen(QLatin1String(calc::control::kScreen), [] { return new Squint; });
}

}  // namespace ocu
