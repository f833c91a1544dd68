#include "shell/navigator.h"
#include "shell/screenregistry.h"
#include "workups/esoworkup.h"

namespace ocu {

void registerWorkupScreens(Navigator& screens) {
    screens.registerScreen(QStringLiteral("Esotropia"), [] { return new EsoWorkup; });
}

}  // namespace ocu
