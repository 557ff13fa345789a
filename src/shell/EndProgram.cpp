#include "shell/EndProgram.h"

#include "common/HogGlobals.h"
#include "common/Settings.h"
#include "platform/Services.h"

void WriteLastRunDate() {
  settings::WriteProgramSetting(settings::kStartupInfo, settings::kCurrentDate, DateText);
}

void QuitHelpAndEnd() {
  platform::services().help().quit();
  platform::services().processEnd().endNow(0);
}

void EndProgram() {
  WriteLastRunDate();
  QuitHelpAndEnd();
}
