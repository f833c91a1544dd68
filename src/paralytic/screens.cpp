#include "paralytic/screens.h"

#include "paralytic/knappclassification.h"
#include "paralytic/paralyticmenu.h"
#include "paralytic/paralyticworkup.h"
#include "paralytic/sixthnervemanagement.h"
#include "paralytic/superiorobliquemanagement.h"
#include "paralytic/thirdnervemanagement.h"
#include "paralytic/threesteptest.h"
#include "shell/navigator.h"

namespace ocu {

void registerParalyticScreens(Navigator& screens) {
    screens.registerScreen(QStringLiteral("SB_Manage"), [] { return new ParalyticMenu; });
    screens.registerScreen(QStringLiteral("Paralytic"), [] { return new ParalyticWorkup; });
    screens.registerScreen(QStringLiteral("Third_man"), [] { return new ThirdNerveManagement; });
    screens.registerScreen(QStringLiteral("Sixth_man"), [] { return new SixthNerveManagement; });
    screens.registerScreen(QStringLiteral("SQman"), [] { return new SuperiorObliqueManagement; });
    screens.registerScreen(QStringLiteral("Knapp"), [] { return new KnappClassification; });
    screens.registerScreen(QStringLiteral("Parks"), [] { return new ThreeStepTest; });
}

}  // namespace ocu
