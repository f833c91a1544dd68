#include "shell/screens.h"

#include "shell/about.h"
#include "shell/guidelines.h"
#include "shell/navigator.h"
#include "shell/switchboard.h"
#include "shell/terms.h"
#include "shell/welcome.h"

namespace ocu {

void registerShellScreens(Navigator& screens) {
    screens.registerScreen(QStringLiteral("Form_PD"), [] { return new Welcome; });
    screens.registerScreen(QStringLiteral("Terms"), [] { return new Terms; });
    screens.registerScreen(QStringLiteral("SBoard"), [] { return new Switchboard; });
    screens.registerScreen(QStringLiteral("Inst_Eso"), [] { return new Guidelines(Guidelines::eso()); });
    screens.registerScreen(QStringLiteral("Inst_Exo"), [] { return new Guidelines(Guidelines::exo()); });
    screens.registerScreen(QStringLiteral("AbtAuthor"), [] { return new About; });
    for (const char* name : {"Form_PD", "Terms", "SBoard"}) {
        screens.setEndsRunWhenClosedByFrame(QLatin1String(name));
    }
}

}  // namespace ocu
