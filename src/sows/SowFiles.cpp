#include "sows/SowFiles.h"

#include "platform/Refusal.h"
#include "records/SowRecord.h"

bool SowFileHasRoom(long record) { return record >= 1 && record <= kSowFileLimit; }

void ReportSowFileFull() {
  Alert("ERROR:   NO ROOM LEFT IN SOW FILE!!\r\rTry Deleting some older SOW ID(s).",
        platform::vbExclamation | platform::vbOKOnly, "SOW ENTRY ERRORS");
}
