#include "paralytic/paralyticworkup.h"
#include "shell/navigator.h"
#include "shell/screenregistry.h"

namespace ocu {

void registerParalyticScreens(Navigator& screens) {
    screens.registerScreen(QStringLiteral("Paralytic"), [] { return new ParalyticWorkup; });
}

}  // namespace ocu
