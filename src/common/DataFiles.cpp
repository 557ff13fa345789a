#include "common/DataFiles.h"

#include <QPointer>
#include <algorithm>

#include "platform/FileSystem.h"
#include "platform/Form.h"
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

namespace {

// The files among `files` that hold records past 32,767.
std::vector<std::string> filesPastTheLastRecord(const std::vector<LoadedFile>& files) {
  std::vector<std::string> past;
  for (const LoadedFile& f : files) {
    if (f.recordLength <= 0) continue;
    if (const long long length = platform::regularFileLength(f.path);
        length >= 0 && length / f.recordLength > records::kMaxRecordNumber)
      past.push_back(f.path);
  }
  return past;
}

std::string unreachableText(const std::vector<std::string>& past) {
  if (past.empty()) return "";
  std::string named;
  for (const std::string& path : past) named += "\r" + path;
  return "FILE LENGTH EXCEEDED!\r" + named + (past.size() == 1 ? "\r\rholds" : "\r\rhold") +
         " records past 32,767. The program cannot\rreach them; they are left as they are.";
}

// A file told, and the window that told it: while that window stays loaded,
// the windows opened from it do not tell the same file again.
struct ToldFile {
  QPointer<platform::Form> by;
  std::string path;
};
std::vector<ToldFile> g_told;

}  // namespace

void TellUnreachableRecords(const std::vector<LoadedFile>& files) {
  std::erase_if(g_told, [](const ToldFile& t) { return !t.by || !t.by->IsLoaded(); });
  std::vector<LoadedFile> untold;
  for (const LoadedFile& f : files)
    if (std::none_of(g_told.begin(), g_told.end(), [&f](const ToldFile& t) { return t.path == f.path; }))
      untold.push_back(f);
  const std::vector<std::string> past = filesPastTheLastRecord(untold);
  if (past.empty()) return;
  platform::Form* by = platform::Form::Loading() ? platform::Form::Loading() : platform::Form::ActiveForm();
  if (by)
    for (const std::string& path : past) g_told.push_back({by, path});
  Alert(unreachableText(past), platform::vbExclamation | platform::vbOKOnly, "FILE   LENGTH   ERROR");
}

void ReportFileFault(const FileFault& fault, bool writing, const std::string& title, const std::string& outcome) {
  Alert(FileFaultText(fault, writing, outcome), platform::vbCritical | platform::vbOKOnly, title);
}
