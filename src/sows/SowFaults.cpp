#include "sows/SowFaults.h"

#include "platform/Dialogs.h"

std::string SowFileFaultText(const SowFileFault& fault, bool writing, const std::string& outcome) {
  std::string text = writing ? "ERROR:   COULD NOT WRITE TO THE FILE!!" : "ERROR:   COULD NOT READ THE FILE!!";
  text += "\r\r" + fault.path;
  if (!fault.reason.empty()) text += "\r" + fault.reason;
  text += "\r\r" + outcome;
  return text;
}

void ReportSowFileFault(const SowFileFault& fault, bool writing, const std::string& title,
                        const std::string& outcome) {
  Beep();
  MsgBox(SowFileFaultText(fault, writing, outcome), platform::vbCritical | platform::vbOKOnly, title);
}

std::string SowDeleteOutcome(const std::vector<std::string>& deleted, const std::string& stoppedAt, bool blanked) {
  std::string text = blanked ? "The sow " + stoppedAt + " was deleted, but not all her litters were freed."
                             : "The sow " + stoppedAt + " was not deleted.";
  if (!deleted.empty()) {
    text += "\rDeleted before her:";
    for (size_t i = 0; i < deleted.size(); ++i) text += (i == 0 ? " " : ", ") + deleted[i];
    text += ".";
  } else if (!blanked) {
    text += "\rNeither file was changed.";
  }
  return text + "\r" + kNothingMoreDone;
}
