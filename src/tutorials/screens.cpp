#include "tutorials/screens.h"

#include "shell/navigator.h"
#include "tutorials/movements.h"

namespace ocu {

void registerTutorialScreens(Navigator& screens) {
    screens.registerScreen(QStringLiteral("Mov"), [] { return new Movements; });
}

}  // namespace ocu
