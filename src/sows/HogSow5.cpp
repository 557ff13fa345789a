#include "sows/HogSow5.h"

#include <algorithm>

#include "common/DataFiles.h"
#include "platform/Screen.h"
#include "records/RecordSlots.h"

namespace {

const PrvFormLayout kSowPrv = {.formName = "HogSow5",
                               .caption = "E N T E R     S O W     P R V     T E S T",
                               .animal = "SOW",
                               .dateCaptionName = "Label1",
                               .dateCaption = {240, 240, 1200, 255},
                               .dateBox = {1560, 200, 1335, 315},
                               .idsCaptionName = "Label2",
                               .idsCaption = "Enter  the  SOW  Id' s  of  the  tested  Sows  below :",
                               .idsCaptionAt = {240, 720, 6000, 255},
                               .rows = {1080, 390},
                               .columns = {240, 1380},
                               .boxWidth = 1200,
                               .buttons = {240, 2160},
                               .width = 7200,
                               .below = 1000,
                               .check = CheckSowPrvEntry,
                               .dateField = kPrvDateField,
                               .idField = 0,
                               .outcomeIcon = platform::vbExclamation,
                               .outcomeTitle = "PRV  TEST  RESULTS"};

}  // namespace

Check CheckSowPrvEntry(const std::string& date, const std::array<std::string, kPrvBoxes>& ids) {
  return CheckPrvEntry(date, ids, kSowPrv.animal, kSowPrv.dateField, kSowPrv.idField);
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

HogSow5::HogSow5(QWidget* parent) : PrvForm(kSowPrv, parent) {}

void HogSow5::WriteDate(const std::string& date, const PrvBoxes& ids) {
  Hourglass(true);
  records::FileImage<SowRecord> sows;
  FileFault fault;
  if (!ReadImage(sows, &fault)) {
    Hourglass(false);
    ReportFileFault(fault, false, kSowPrv.outcomeTitle);
    return;
  }
  std::vector<PrvWrite> written;
  const PrvBoxes left = ApplyPrvDate(date, ids, sows, written);
  for (const PrvWrite& w : written) {
    if (!WriteRecordAt(w.record, w.sow, &fault)) {
      Hourglass(false);
      ReportFileFault(fault, true, kSowPrv.outcomeTitle);
      return;
    }
  }
  Hourglass(false);
  ShowOutcome(date, std::all_of(left.begin(), left.end(), [](const std::string& id) { return id.empty(); }), left);
}

void OpenSowPrv(int listedSows) {
  if (listedSows == 0) {
    Alert("NO SOW(s) LISTED!", platform::vbExclamation | platform::vbOKOnly, "ENTER  SOW  PRV");
    return;
  }
  platform::ShowModalThenUnload<HogSow5>();
}
