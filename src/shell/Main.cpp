#include "shell/Main.h"

#include "common/HogGlobals.h"
#include "platform/Refusal.h"
#include "platform/Services.h"
#include "shell/HogStartUp.h"

namespace {
// The clock's date or time text without its expected length: the machine's
// format is not the one the program reads. Says so and ends the program.
bool WrongFormat(const std::string& text, size_t length, const char* message, const char* title) {
  if (text.size() == length) return false;
  Alert(message, platform::vbCritical | platform::vbOKOnly, title);
  platform::services().processEnd().endNow(1);
  return true;
}
}  // namespace

void Main() {
  InputDialogParams = {};
  platform::Services& services = platform::services();

  DateText = services.clock().dateText();
  if (WrongFormat(DateText, 10,
                  "INVALIED DATE FORMAT!\r\rYour DATE format is incorrect.\rGo to the Control Panel and\r"
                  "click on Regional Settings.\rSelect the Date Tab, and in\rthe Short Date box, set it to\r"
                  "MM/DD/YYYY",
                  "WRONG   DATE   TYPE"))
    return;
  TimeText = services.clock().timeText();
  if (WrongFormat(TimeText, 8,
                  "INVALIED TIME FORMAT!\r\rYour TIME format is incorrect.\rGo to the Control Panel and\r"
                  "click on Regional Settings.\rSelect the Time Tab, and in\rthe Time Style box, set it to\r"
                  "HH:MM:SS",
                  "WRONG   TIME  STYLE"))
    return;
  StartUpForm().Load();
}
