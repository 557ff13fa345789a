#include "shell/Main.h"

#include "common/HogGlobals.h"
#include "platform/Refusal.h"
#include "platform/Services.h"
#include "shell/HogStartUp.h"

namespace {
// What the clock's date or time text must be, and where in the machine's
// regional settings it is set so.
struct ClockFormat {
  size_t length;
  const char* what;     // "DATE"
  const char* tab;      // "Date"
  const char* setting;  // "Short Date"
  const char* pattern;  // "MM/DD/YYYY"
  const char* title;
};
const ClockFormat kDateFormat = {10, "DATE", "Date", "Short Date", "MM/DD/YYYY", "WRONG   DATE   TYPE"};
const ClockFormat kTimeFormat = {8, "TIME", "Time", "Time Style", "HH:MM:SS", "WRONG   TIME  STYLE"};

// The clock's date or time text without its expected length: the machine's
// format is not the one the program reads. Says so and ends the program.
bool WrongFormat(const std::string& text, const ClockFormat& format) {
  if (text.size() == format.length) return false;
  const std::string what = format.what;
  Alert("INVALIED " + what + " FORMAT!\r\rYour " + what + " format is incorrect.\rGo to the Control Panel and\r" +
            "click on Regional Settings.\rSelect the " + format.tab + " Tab, and in\rthe " + format.setting +
            " box, set it to\r" + format.pattern,
        platform::vbCritical | platform::vbOKOnly, format.title);
  platform::services().processEnd().endNow(1);
  return true;
}
}  // namespace

void Main() {
  InputDialogParams = {};
  platform::Services& services = platform::services();

  DateText = services.clock().dateText();
  if (WrongFormat(DateText, kDateFormat)) return;
  TimeText = services.clock().timeText();
  if (WrongFormat(TimeText, kTimeFormat)) return;
  StartUpForm().Load();
}
