#include "common/DataFiles.h"

#include "platform/Refusal.h"

std::string MedFileName(const std::string& year) { return "MED" + year + ".DAT"; }
std::string FeedFileName(const std::string& year) { return "FEED" + year + ".DAT"; }

std::string FileFaultText(const FileFault& fault, bool writing, const std::string& outcome) {
  std::string text = writing ? "ERROR:   COULD NOT WRITE TO THE FILE!!" : "ERROR:   COULD NOT READ THE FILE!!";
  text += "\r\r" + fault.path;
  if (!fault.reason.empty()) text += "\r" + fault.reason;
  text += "\r\r" + outcome;
  return text;
}

void ReportFileFault(const FileFault& fault, bool writing, const std::string& title, const std::string& outcome) {
  Alert(FileFaultText(fault, writing, outcome), platform::vbCritical | platform::vbOKOnly, title);
}
