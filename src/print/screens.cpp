#include "print/screens.h"

#include "print/printscreen.h"
#include "shell/navigator.h"

namespace ocu {

void registerPrintScreens(Navigator& screens) {
    screens.registerScreen(QStringLiteral("Print_01"), [] { return new PrintScreen; });
}

}  // namespace ocu
