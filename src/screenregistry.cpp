#include "screenregistry.h"

#include "calculator/screens.h"
#include "paralytic/screens.h"
#include "print/screens.h"
#include "restrictive/screens.h"
#include "shell/navigator.h"
#include "shell/screens.h"
#include "tools/screens.h"
#include "tutorials/screens.h"
#include "workups/screens.h"

namespace ocu {

void registerAllScreens() {
    Navigator& screens = Navigator::instance();
    registerShellScreens(screens);
    registerPrintScreens(screens);
    registerWorkupScreens(screens);
    registerCalculatorScreens(screens);
    registerParalyticScreens(screens);
    registerRestrictiveScreens(screens);
    registerToolScreens(screens);
    registerTutorialScreens(screens);
}

}  // namespace ocu
