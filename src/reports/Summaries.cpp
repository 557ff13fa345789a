#include "reports/Summaries.h"

#include "common/DataFiles.h"
#include "platform/Refusal.h"
#include "records/DrugRecord.h"
#include "records/FarrowRecord.h"
#include "records/SowRecord.h"

namespace {

// Opens the record type's file (creating a missing one), takes its count and
// closes it before any box is shown.
template <class R>
bool holdsRecords(const std::string& none) {
  const std::string path = DataFilePath<R>();
  long count = 0;
  FileFault fault;
  {
    records::TypedFile<R> file;
    if (file.open(path)) count = file.count();
    else fault = {path, file.error()};
  }
  if (!fault.path.empty()) {
    ReportFileFault(fault, false, kSummaryTitle);
    return false;
  }
  if (count > 0) return true;
  Alert(none, platform::vbExclamation | platform::vbOKOnly, kSummaryTitle);
  return false;
}

}  // namespace

bool SummaryFilesHoldRecords() {
  return holdsRecords<SowRecord>("NO SOW FILE!") && holdsRecords<FarrowRecord>("NO FARROW FILE!");
}

bool DrugFileHoldsRecords() { return holdsRecords<DrugRecord>("NO DRUG FILE!"); }

void EndSummaryLines(std::vector<std::string>& lines, const std::string& dateText) {
  const std::string blank = SummaryBlankLine();
  lines.insert(lines.end(), {blank, blank, PrintedOnLine("SUMMARY", dateText), blank});
}

namespace {
// Sets PrintJob for the summary titled `title`, before its page starts, and
// answers the face of its body.
std::string summaryFace(const std::string& title) {
  SetSheetJob(title, 12);
  return "Courier New";
}
}  // namespace

SummaryPage::SummaryPage(const std::string& title) : PrintSheet(summaryFace(title), 13) {
  SetRows(120, 0);
}

void SummaryPage::EndWithBanner(int n) {
  CentredRow(n, "*** END OF LISTING ***");
  End();
}

bool AskPrintSummary(const std::string& question) {
  return Alert(question, platform::vbQuestion | platform::vbYesNo, "P R I N T    S U M M A R I E S") ==
         platform::vbYes;
}
