#include "program/register_screens.h"

#include "battlefield/battlefield_screens.h"
#include "casualty_view/casualty_screens.h"
#include "frontend/frontend_screens.h"
#include "shell/shell_screens.h"

namespace kestrine {

void RegisterAllScreens() {
  RegisterShellScreens();
  RegisterCasualtyScreens();
  RegisterBattlefieldScreens();
  RegisterFrontendScreens();
}

}  // namespace kestrine
