#include "shell/HelpMenu.h"

#include "common/HogGlobals.h"
#include "platform/FormKit.h"
#include "platform/Services.h"
#include "shell/AboutTarlowe.h"

void ShowHelpItem(int Index) {
  if (Index == 0) {
    platform::services().help().showContents(HelpFilePath);
  } else if (Index == 2) {
    platform::ShowModalThenUnload<AboutTarlowe>();
  }
}
