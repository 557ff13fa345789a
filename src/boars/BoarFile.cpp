#include "boars/BoarFile.h"


#include "common/DataFiles.h"
#include "platform/Dialogs.h"
#include "records/RecordIo.h"

std::optional<records::NewAnimalSlot> NewBoarSlot(const std::string& id) {
  records::FileImage<BoarRecord> boars;
  if (!boars.read(DataFilePath<BoarRecord>())) return std::nullopt;
  return records::FindNewAnimalSlot(boars, id);
}

bool BoarFileHasRoom(long record) { return records::RecordNumberFits(record); }

void ReportBoarFileFull() {
  Beep();
  MsgBox("ERROR:   NO ROOM LEFT IN BOAR FILE!!\r\rTry Deleting some older BOAR ID(s).",
         platform::vbExclamation | platform::vbOKOnly, "BOAR ENTRY ERRORS");
}
