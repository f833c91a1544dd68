#include "workups/screens.h"

#include "shell/navigator.h"
#include "workups/esoworkup.h"
#include "workups/exoworkup.h"

namespace ocu {

void registerWorkupScreens(Navigator& screens) {
    screens.registerScreen(QStringLiteral("Esotropia"), [] { return new EsoWorkup; });
    screens.registerScreen(QStringLiteral("Exotropia"), [] { return new ExoWorkup; });
}

}  // namespace ocu
