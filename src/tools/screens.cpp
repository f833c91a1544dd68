#include "tools/screens.h"

#include "shell/navigator.h"
#include "tools/aca.h"
#include "tools/avpatterns.h"

namespace ocu {

void registerToolScreens(Navigator& screens) {
    screens.registerScreen(QStringLiteral("ACA"), [] { return new Aca; });
    screens.registerScreen(QStringLiteral("Form_AVP"), [] { return new AvPatterns; });
}

}  // namespace ocu
