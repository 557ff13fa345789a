#pragma once
// The program's module-level values in one list, each with its reset: what
// the windows hand to each other (common/HogGlobals.h), the record buffers
// SowRec, FarrowRec, BoarRec, GroupRec, SalesRec, IngredientRec, DrugRec and
// MedicationRec, the current sow (SowHistory, FarrowLinks, SowNotes), boar
// (BoarHistory, BoarNotes) and drug (CurrentDrug), the print job
// (PrintJob), the weaning-date dialog kept between SUMMARY requests
// (released), and the files a waiting journal holds (platform::holdFiles).
// A new module-level value joins the list in ModuleState.cpp.

// Puts every module-level value back to what it holds at the start of the
// program: empty text, 0, a record's own defaults.
void ResetModuleState();
