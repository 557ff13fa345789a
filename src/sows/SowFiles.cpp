#include "sows/SowFiles.h"

#include <vector>

#include "common/HogGlobals.h"
#include "platform/Dialogs.h"
#include "records/RecordIo.h"

std::optional<records::NewAnimalSlot> NewSowSlot(const std::string& id) {
  std::vector<SowRecord> sows;
  if (!records::readAll(DataFolder + kSowFileName, sows)) return std::nullopt;
  return records::FindNewAnimalSlot(sows, id);
}

bool SowFileHasRoom(long record) { return record >= 1 && record <= kSowFileLimit; }

void ReportSowFileFull() {
  Beep();
  MsgBox("ERROR:   NO ROOM LEFT IN SOW FILE!!\r\rTry Deleting some older SOW ID(s).",
         platform::vbExclamation | platform::vbOKOnly, "SOW ENTRY ERRORS");
}

long NewLitterRecord() {
  std::vector<FarrowRecord> litters;
  if (!records::readAll(DataFolder + kFarrowFileName, litters)) return -1;
  const long record = records::FindNewLitterSlot(litters);
  if (records::RecordNumberFits(record)) return record;
  Beep();
  MsgBox("ERROR:   NO ROOM LEFT IN FARROW FILE!!\r\rTry Deleting some older SOW ID(s).",
         platform::vbExclamation | platform::vbOKOnly, "SOW  FARROW  ERROR");
  return 0;
}
