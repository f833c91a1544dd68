#include "restrictive/screens.h"

#include "restrictive/brown.h"
#include "restrictive/drs.h"
#include "restrictive/dvd.h"
#include "shell/navigator.h"

namespace ocu {

void registerRestrictiveScreens(Navigator& screens) {
    screens.registerScreen(QStringLiteral("Brown"), [] { return new Brown; });
    screens.registerScreen(QStringLiteral("DRS"), [] { return new Duane; });
    screens.registerScreen(QStringLiteral("DVD"), [] { return new DissociatedVertical; });
}

}  // namespace ocu
