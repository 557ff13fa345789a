#include "shell/Main.h"

#include "common/HogGlobals.h"
#include "platform/Dialogs.h"
#include "platform/Services.h"
#include "shell/HogStartUp.h"

void Main() {
  InputDialogParams = {};
  platform::Services& services = platform::services();

  DateText = services.clock().dateText();
  if (DateText.size() != 10) {
    Beep();
    MsgBox("INVALIED DATE FORMAT!\r\rYour DATE format is incorrect.\rGo to the Control Panel and\r"
           "click on Regional Settings.\rSelect the Date Tab, and in\rthe Short Date box, set it to\r"
           "MM/DD/YYYY",
           platform::vbCritical | platform::vbOKOnly, "WRONG   DATE   TYPE");
    services.processEnd().endNow(1);
    return;
  }
  TimeText = services.clock().timeText();
  if (TimeText.size() != 8) {
    Beep();
    MsgBox("INVALIED TIME FORMAT!\r\rYour TIME format is incorrect.\rGo to the Control Panel and\r"
           "click on Regional Settings.\rSelect the Time Tab, and in\rthe Time Style box, set it to\r"
           "HH:MM:SS",
           platform::vbCritical | platform::vbOKOnly, "WRONG   TIME  STYLE");
    services.processEnd().endNow(1);
    return;
  }
  StartUpForm().Load();
}
