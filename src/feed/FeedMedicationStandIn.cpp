// Stands in for the medication entry window until it joins this branch:
// records no medication and hands CurrentBatchId back unchanged.
#include "medication/MedicationEntry.h"

void OpenFeedMedication() {}
