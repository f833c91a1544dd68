#include "calculator/screens.h"

#include "calculator/squint.h"
#include "shell/navigator.h"

namespace ocu {

void registerCalculatorScreens(Navigator& screens) {
    screens.registerScreen(QStringLiteral("Squint"), [] { return new Squint; });
}

}  // namespace ocu
