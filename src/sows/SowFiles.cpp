#include "sows/SowFiles.h"


#include "common/DataFiles.h"
#include "platform/Dialogs.h"
#include "records/RecordIo.h"

std::optional<records::NewAnimalSlot> NewSowSlot(const std::string& id) {
  records::FileImage<SowRecord> sows;
  if (!sows.read(DataFilePath<SowRecord>())) return std::nullopt;
  return records::FindNewAnimalSlot(sows, id);
}

bool SowFileHasRoom(long record) { return record >= 1 && record <= kSowFileLimit; }

void ReportSowFileFull() {
  Beep();
  MsgBox("ERROR:   NO ROOM LEFT IN SOW FILE!!\r\rTry Deleting some older SOW ID(s).",
         platform::vbExclamation | platform::vbOKOnly, "SOW ENTRY ERRORS");
}

long NewLitterRecord() {
  records::FileImage<FarrowRecord> litters;
  if (!litters.read(DataFilePath<FarrowRecord>())) return -1;
  const long record = records::FindNewLitterSlot(litters);
  if (records::RecordNumberFits(record)) return record;
  Beep();
  MsgBox("ERROR:   NO ROOM LEFT IN FARROW FILE!!\r\rTry Deleting some older SOW ID(s).",
         platform::vbExclamation | platform::vbOKOnly, "SOW  FARROW  ERROR");
  return 0;
}
