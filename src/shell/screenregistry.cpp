#include "shell/screenregistry.h"

#include "shell/navigator.h"

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
