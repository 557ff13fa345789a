#include "boars/HogBoar4.h"

#include "boars/BoarHistory.h"
#include "common/HogGlobals.h"
#include "common/NumberText.h"
#include "records/BoarRecord.h"

HogBoar4::HogBoar4(QWidget* parent)
    : NotePadForm("HogBoar4", "BoarNote",
                  NotePadOf(BoarRec, &CurrentBoarRec, BoarNotes,
                            [] { return "B O A R   I D ( " + Trim(BoarHistory.Id) + " )   N O T E P A D"; },
                            "BOAR NOTE PAD"),
                  parent) {}
