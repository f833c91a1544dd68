#include "shell/navigator.h"
#include "shell/screenregistry.h"

namespace ocu {

void registerParalyticScreens(Navigator& /*screens*/) {}

}  // namespace ocu
