#include "sows/SowFaults.h"

#include "platform/Dialogs.h"

std::string SowFileFaultText(const SowFileFault& fault, bool writing) {
  std::string text = writing ? "ERROR:   COULD NOT WRITE TO THE FILE!!" : "ERROR:   COULD NOT READ THE FILE!!";
  text += "\r\r" + fault.path;
  if (!fault.reason.empty()) text += "\r" + fault.reason;
  text += "\r\rNothing more was done.";
  return text;
}

void ReportSowFileFault(const SowFileFault& fault, bool writing, const std::string& title) {
  Beep();
  MsgBox(SowFileFaultText(fault, writing), platform::vbCritical | platform::vbOKOnly, title);
}
