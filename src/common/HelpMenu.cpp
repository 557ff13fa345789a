#include "common/HelpMenu.h"

#include "common/AboutTarlowe.h"
#include "common/HogGlobals.h"
#include "platform/FormKit.h"
#include "platform/Services.h"

void ShowHelpItem(int Index) {
  if (Index == 0) {
    platform::services().help().showContents(HelpFilePath);
  } else if (Index == 2) {
    platform::ShowModalThenUnload<AboutTarlowe>();
  }
}
