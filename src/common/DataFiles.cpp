#include "common/DataFiles.h"

#include "platform/FileSystem.h"
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

std::string UnreachableRecordsText(const std::vector<LoadedFile>& files) {
  std::string named;
  int count = 0;
  for (const LoadedFile& f : files) {
    if (f.recordLength <= 0) continue;
    if (const long long length = platform::regularFileLength(f.path);
        length < 0 || length / f.recordLength <= records::kMaxRecordNumber)
      continue;
    named += "\r" + f.path;
    ++count;
  }
  if (count == 0) return "";
  return "FILE LENGTH EXCEEDED!\r" + named + (count == 1 ? "\r\rholds" : "\r\rhold") +
         " records past 32,767. The program cannot\rreach them; they are left as they are.";
}

void TellUnreachableRecords(const std::vector<LoadedFile>& files) {
  const std::string text = UnreachableRecordsText(files);
  if (!text.empty()) Alert(text, platform::vbExclamation | platform::vbOKOnly, "FILE   LENGTH   ERROR");
}

void ReportFileFault(const FileFault& fault, bool writing, const std::string& title, const std::string& outcome) {
  Alert(FileFaultText(fault, writing, outcome), platform::vbCritical | platform::vbOKOnly, title);
}
