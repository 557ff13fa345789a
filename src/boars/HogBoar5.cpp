#include "boars/HogBoar5.h"

#include "common/DataFiles.h"
#include "common/DateChecks.h"
#include "common/HogGlobals.h"
#include "common/NumberText.h"
#include "platform/Screen.h"
#include "records/BoarRecord.h"
#include "records/RecordIo.h"
#include "records/RecordScan.h"
#include "records/RecordSlots.h"

namespace {

const PrvFormLayout kBoarPrv = {.formName = "HogBoar5",
                                .caption = "E N T E R    BOAR    P R V    T E S T",
                                .animal = "BOAR",
                                .dateCaptionName = "Label2",
                                .dateCaption = {240, 270, 1200, 255},
                                .dateBox = {1500, 240, 1335, 315},
                                .idsCaptionName = "Label1",
                                .idsCaption = "Enter the BOAR Id 's  of the tested Boars below :",
                                .idsCaptionAt = {240, 720, 5400, 255},
                                .rows = {1020, 375},
                                .columns = {240, 1260},
                                .boxWidth = 1140,
                                .buttons = {240, 2040},
                                .width = 6660,
                                .below = 1020,
                                .check = CheckBoarPrvEntry,
                                .dateField = 0,
                                .idField = kPrvIdField,
                                .outcomeIcon = platform::vbInformation,
                                .outcomeTitle = "PRV TEST"};

}  // namespace

Check CheckBoarPrvEntry(const std::string& date, const PrvBoxes& boxes) {
  return CheckPrvEntry(date, boxes, kBoarPrv.animal, kBoarPrv.dateField, kBoarPrv.idField);
}

std::optional<int> WriteBoarPrvDates(const std::string& date, PrvBoxes& boxes, FileFault* fault, bool* writing) {
  const std::string path = DataFilePath<BoarRecord>();
  PrvRecordKeys byKey;
  records::RecordScan<BoarRecord> scan;
  const auto add = [&byKey](long n, const uint8_t* record) { AddPrvRecord<BoarRecord>(byKey, n, record); };
  if (!ScanFile(scan, add, fault)) return std::nullopt;
  records::TypedFile<BoarRecord> file;
  int notFound = 0;
  BoarRecord boar;
  for (std::string& box : boxes) {
    if (PrvKey(box).empty()) continue;
    const long found = FindPrvRecord(byKey, box);
    if (found == 0) {
      ++notFound;
      continue;
    }
    if ((!file.isOpen() && !file.open(path)) || !file.read(found, boar)) {
      if (fault) *fault = {path, file.error()};
      return std::nullopt;
    }
    if (boar.DateLeftHerd == records::kEmptyDate) {
      boar.PrvDate = date;
      if (!file.write(found, boar)) {
        if (fault) *fault = {path, file.error()};
        if (writing) *writing = true;
        return std::nullopt;
      }
    }
    box.clear();  // found, and written where he is in the herd: the box keeps an ID not written
  }
  return notFound;
}

Refusal PrvOutcome(const std::string& date, int notFound) { return PrvOutcome(kBoarPrv, date, notFound == 0); }

HogBoar5::HogBoar5(QWidget* parent) : PrvForm(kBoarPrv, parent) {}

void HogBoar5::WriteDate(const std::string& date, const PrvBoxes& typed) {
  PrvBoxes boxes = typed;
  FileFault fault;
  bool writing = false;
  Hourglass(true);
  const std::optional<int> notFound = WriteBoarPrvDates(date, boxes, &fault, &writing);
  Hourglass(false);
  if (!notFound) {
    ShowBoxes(boxes);
    ReportFileFault(fault, writing, kBoarPrv.outcomeTitle);
    return;
  }
  ShowOutcome(date, *notFound == 0, boxes);
}
