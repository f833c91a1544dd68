#include "shell/navigator.h"
#include "shell/screenregistry.h"
#include "tools/aca.h"

namespace ocu {

void registerToolScreens(Navigator& screens) {
    screens.registerScreen(QStringLiteral("ACA"), [] { return new Aca; });
}

}  // namespace ocu
