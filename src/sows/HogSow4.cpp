#include "sows/HogSow4.h"

#include "common/HogGlobals.h"
#include "records/SowRecord.h"
#include "sows/SowHistory.h"

HogSow4::HogSow4(QWidget* parent)
    : NotePadForm("HogSow4", "SowNote",
                  NotePadOf(SowRec, &CurrentSowRec, SowNotes,
                            [] { return "S O W   I D ( " + SowHistory.Id + " )   N O T E P A D"; }, "SOW NOTE PAD"),
                  parent) {}
