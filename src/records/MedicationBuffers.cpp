#include "records/DrugRecord.h"
#include "records/MedicationRecord.h"

DrugRecord DrugRec;
MedicationRecord MedicationRec;
