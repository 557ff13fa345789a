#include "sows/HogSow5.h"

#include <algorithm>
#include <cctype>

#include "common/DataFiles.h"
#include "common/DateChecks.h"
#include "common/HogGlobals.h"
#include "common/NumberText.h"
#include "platform/Screen.h"
#include "records/RecordSlots.h"

namespace {

const char kResultsTitle[] = "PRV  TEST  RESULTS";

}  // namespace

Check CheckSowPrvEntry(const std::string& date, const std::array<std::string, kPrvBoxes>& ids) {
  return CheckPrvEntry(date, ids, "SOW", kPrvDateField, 0);
}

std::array<std::string, kPrvBoxes> ApplyPrvDate(const std::string& date, const std::array<std::string, kPrvBoxes>& ids,
                                                const records::FileImage<SowRecord>& sows,
                                                std::vector<PrvWrite>& written) {
  std::array<std::string, kPrvBoxes> left = ids;
  const auto byKey = PrvRecordsByKey(sows);
  for (std::string& box : left) {
    const long found = FindPrvRecord(byKey, box);
    if (found == 0) continue;
    SowRecord sow;
    sows.decode(found, sow);
    if (sow.DateLeftHerd == records::kEmptyDate) {
      sow.PrvDate = date;
      written.push_back({found, sow});
    }
    box.clear();
  }
  return left;
}

HogSow5::HogSow5(QWidget* parent) : platform::Form("HogSow5", parent) {
  using namespace platform;
  setFont(makeFont("MS Sans Serif", 8));
  SetCaption("E N T E R     S O W     P R V     T E S T");
  AddLabel(this, "Label1", "PRV DATE", {240, 240, 1200, 255});
  PrvDat = AddDateBox(this, "PrvDat", {1560, 200, 1335, 315});
  AddLabel(this, "Label2", "Enter  the  SOW  Id' s  of  the  tested  Sows  below :", {240, 720, 6000, 255});
  constexpr RowPitch rows{1080, 390}, columns{240, 1380};
  for (int i = 0; i < kPrvBoxes; ++i) Prv.Add(AddTextBox(this, "Prv", {columns(i % 5), rows(i / 5), 1200, 315}, 8));
  const int y = rows(kPrvBoxes / 5) + 120;
  PrvAccept = AddButton(this, "PrvAccept", "&ACCEPT", {240, y, 1575, 435}, [this] { PrvAccept_Click(); });
  PrvClear = AddButton(this, "PrvClear", "&CLEAR", {2400, y, 1575, 435}, [this] { PrvClear_Click(); });
  PvExit = AddButton(this, "PvExit", "&EXIT", {4560, y, 1575, 435}, [this] { PvExit_Click(); });
  SetBoundsTwips(0, 0, 7200, y + 1000);
}

void HogSow5::Form_Load() {
  PrvDat->SetText(DateText);
  for (platform::TextBox* box : Prv) box->SetText("");
}

void HogSow5::PrvAccept_Click() {
  const std::string date = PrvDat->Text();
  std::array<std::string, kPrvBoxes> ids;
  for (int i = 0; i < kPrvBoxes; ++i) ids[static_cast<size_t>(i)] = Prv[i]->Text();
  if (Check refusal = CheckSowPrvEntry(date, ids)) {
    QWidget* field = refusal->field == kPrvDateField ? static_cast<QWidget*>(PrvDat)
                     : refusal->field >= 0           ? Prv[refusal->field]
                                                     : nullptr;
    platform::ShowRefusal(*refusal, field);
    return;
  }
  Hourglass(true);
  records::FileImage<SowRecord> sows;
  FileFault fault;
  if (!ReadImage(sows, &fault)) {
    Hourglass(false);
    ReportFileFault(fault, false, kResultsTitle);
    return;
  }
  std::vector<PrvWrite> written;
  const std::array<std::string, kPrvBoxes> left = ApplyPrvDate(date, ids, sows, written);
  for (const PrvWrite& w : written) {
    if (!WriteRecordAt(w.record, w.sow, &fault)) {
      Hourglass(false);
      ReportFileFault(fault, true, kResultsTitle);
      return;
    }
  }
  Hourglass(false);
  for (int i = 0; i < kPrvBoxes; ++i) Prv[i]->SetText(left[static_cast<size_t>(i)]);
  const auto kept = std::find_if(left.begin(), left.end(), [](const std::string& id) { return !id.empty(); });
  if (kept == left.end()) {
    Alert("All selected SOW(s) have been updated to " + date, platform::vbExclamation, kResultsTitle);
    Prv[0]->SetFocus();
  } else {
    Alert("The selected SOW(s) have not been found!\rThey were not updated to " + date +
              "\rRecheck the spelling of the remaining entries.",
          platform::vbExclamation, kResultsTitle);
    Prv[static_cast<int>(kept - left.begin())]->SetFocus();
  }
}

void HogSow5::PrvClear_Click() {
  for (platform::TextBox* box : Prv) box->SetText("");
  Prv[0]->SetFocus();
}

void HogSow5::PvExit_Click() { Hide(); }

void OpenSowPrv(int listedSows) {
  if (listedSows == 0) {
    Alert("NO SOW(s) LISTED!", platform::vbExclamation | platform::vbOKOnly, "ENTER  SOW  PRV");
    return;
  }
  platform::ShowModalThenUnload<HogSow5>();
}
