#pragma once
// A boar's change of ID, carried into every record that names him: his own
// record in BOAR.DAT, then every litter of FARROW.DAT (whatever its status)
// and every sow of SOW.DAT whose boar ID, without trailing blanks, is his old
// ID exactly (case matters). Each file is read once (BOAR.DAT in blocks,
// keeping only his record); every file the change
// writes is open for writing before any is changed, only the boar ID bytes
// of the matching records are written, and a write that fails puts every
// file back as it was (WriteSet).
#include <optional>
#include <string>
#include <vector>

#include "common/DataFiles.h"
#include "platform/Refusal.h"
#include "records/BoarRecord.h"
#include "records/FarrowRecord.h"
#include "records/RecordIo.h"
#include "records/SowRecord.h"

// The typed new ID without its surrounding blanks; an empty one is refused
// ("ERROR:  You MUST have a Boar ID!", "BOAR ID ERROR").
Check CheckBoarIdTyped(const std::string& typed);
// The new ID must be free: `holder` is the stored ID of the first boar of the
// file, his own record included, that holds it, if any:
// "ERROR: BOAR ID (" + his stored ID + ") is ALL READY USED!".
Check CheckBoarIdFree(const std::optional<std::string>& holder);

// The records a change from `oldId` rewrites in each file.
struct BoarRenamePlan {
  std::vector<long> litters;
  std::vector<long> sows;
};
BoarRenamePlan PlanBoarRename(const std::string& oldId, const records::FileImage<FarrowRecord>& litters,
                              const records::FileImage<SowRecord>& sows);

// What a change of ID did: refused (a boar holds the ID already), renamed
// in every file, or stopped by a file fault (`writing` when it was met
// writing) with every file as it was; `done` is what the fault's box says
// was done.
struct BoarRenameOutcome {
  Check refusal;
  bool renamed = false;
  std::optional<FileFault> fault;
  bool writing = false;
  std::string done = kNothingMoreDone;
};

// Gives the boar of BOAR.DAT record `record`, whose ID is `oldId`, the new
// ID `newId` (already trimmed, not empty) in the three files, all of them
// or none.
BoarRenameOutcome RenameBoar(long record, const std::string& oldId, const std::string& newId);
