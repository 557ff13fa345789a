// The sow list's PRINT submenu: the history sheets and cards of the selected
// sows, the listing of the page shown, and the dates-due report.
#include "common/DataFiles.h"
#include "platform/FormKit.h"
#include "platform/Screen.h"
#include "records/Fields.h"
#include "sows/DialogHog1.h"
#include "sows/HogSow1.h"
#include "sows/SowListLine.h"
#include "sows/SowPrintouts.h"

namespace {

// The IDs of the list's rows, all of them or the selected ones.
std::vector<std::string> rowIds(const platform::ListBox& list, bool selectedOnly) {
  std::vector<std::string> ids;
  if (selectedOnly) {
    for (int row : list.SelectedRows()) ids.push_back(SowIdOfRow(list.List(row)));
  } else {
    for (int row = 0; row < list.ListCount(); ++row) ids.push_back(SowIdOfRow(list.List(row)));
  }
  return ids;
}

bool confirmed(const std::string& question, const std::string& title) {
  return Alert(question, platform::vbQuestion | platform::vbYesNo, title) == platform::vbYes;
}

}  // namespace

void HogSow1::SowPrint_Click(int Index) {
  switch (Index) {
    case SelectedHistories:
    case SowCards: PrintSelectedSows(static_cast<PrintItem>(Index)); break;
    case DisplayListing: PrintDisplayListing(); break;
    case DatesDue: PrintDatesDue(); break;
    default: break;
  }
}

void HogSow1::PrintSelectedSows(PrintItem item) {
  const bool cards = item == SowCards;
  const std::string title = cards ? "PRINT  SELECTED  SOW  CARDS" : "PRINT  SELECTED  SOW  HISTORIES";
  if (!confirmed(cards ? "PRINT SELECTED SOW CARDS?" : "PRINT SELECTED SOW HISTORIES?",
                 cards ? "P R I N T    S O W    C A R D S" : "P R I N T    S O W    R E C O R D S"))
    return;
  Hourglass(true);
  records::FileImage<SowRecord> sows;
  records::FileImage<FarrowRecord> litters;
  FileFault fault;
  if (!ReadImage(sows, &fault) || !ReadImage(litters, &fault)) {
    Hourglass(false);
    return ReportFileFault(fault, false, title);
  }
  const std::vector<long> chosen = SelectedSowRecords(rowIds(*SowList, true), sows);
  if (chosen.empty()) {
    Hourglass(false);
    Alert("NO SOWS WERE SELECTED!", platform::vbExclamation | platform::vbOKOnly, title);
    return;
  }
  PrintChosenSows(chosen, cards ? SowSheet::Card : SowSheet::History, sows, litters);
  Hourglass(false);
}

void HogSow1::PrintDisplayListing() {
  if (!confirmed("PRINT SOW LISTING?", "PRINT  SOW  RECORD(s)")) return;
  Hourglass(true);
  records::FileImage<SowRecord> sows;
  FileFault fault;
  if (!ReadImage(sows, &fault)) {
    Hourglass(false);
    return ReportFileFault(fault, false, "PRINT  SOW  RECORD(s)");
  }
  if (SowFileCount == 0) SowFileCount = static_cast<int>(sows.count());
  PrintSowListing(SowListingLines(rowIds(*SowList, false), sows, SowFileCount), pageCaption_);
  Hourglass(false);
}

void HogSow1::PrintDatesDue() {
  {
    DialogHog1 dialog;
    platform::ShowModalThenUnload(dialog);
  }
  // Only an ACCEPT that stored both dates prints; closing the dialog cancels.
  const std::string from = DueDateRange[1], to = DueDateRange[2];
  if (from == records::kEmptyDate || to == records::kEmptyDate || from.empty() || to.empty()) return;
  PrintDueBetween(from, to);
}

void HogSow1::PrintDueBetween(const std::string& from, const std::string& to) {
  Hourglass(true);
  records::FileImage<SowRecord> sows;
  FileFault fault;
  if (!ReadImage(sows, &fault)) {
    Hourglass(false);
    return ReportFileFault(fault, false, "ERROR:  SOW(s) DUE");
  }
  const std::vector<std::string> lines = DatesDueLines(from, to, sows);
  if (lines.empty()) {
    Hourglass(false);
    Alert("NO SOWS WERE DUE BETWEEN THE ENTERED DATES BELOW:\r" + from + " > " + to,
          platform::vbExclamation | platform::vbOKOnly, "ERROR:  SOW(s) DUE");
    return;
  }
  ::PrintDatesDue(lines);
  Hourglass(false);
}
