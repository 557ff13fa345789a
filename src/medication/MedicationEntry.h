#pragma once
// The medication entry window as other areas open it.

// Feed medication: opens the medication entry window in mode "NEW2" for the
// feed batch CurrentBatchId (common/HogGlobals.h), already stored under that
// number. When the medication was drawn in full from the drug inventory,
// CurrentBatchId comes back with "M" in front of the number; otherwise it
// comes back as it was.
void OpenFeedMedication();
