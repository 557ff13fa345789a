#pragma once
// A litter as the litter window holds it: a column of 17 texts, one per
// figure, whether typed into the entry column, shown in a pane or printed.
// The checks of a new or corrected litter, the sire check, the record a
// column writes and the derived rows, without widgets.
#include <array>
#include <optional>
#include <string>

#include "common/DataFiles.h"
#include "common/FigureBox.h"
#include "platform/Refusal.h"
#include "records/BoarRecord.h"
#include "records/FarrowRecord.h"
#include "records/RecordIo.h"
#include "sows/SowHistory.h"

// Rows 1 to 17 (index 0 unused); a refusal's field is the row it concerns.
using LitterColumn = std::array<std::string, 18>;
enum LitterRow {
  kParityRow = 1,
  kDateBornRow,
  kBornRow,
  kAliveRow,
  kBirthWeightRow,
  kLitterNumberRow,
  kStillbornRow,
  kFosteredToRow,
  kFosteredFromRow,
  kMortalityRow,
  kDateWeanedRow,
  kWeanedRow,
  kAgeRow,
  kWeaningWeightRow,
  kWeightPerPigRow,
  kAdjustedRow,
  kBoarRow,
};

inline constexpr const char* kFarrowEntryTitle = "SOW  FARROW  ERROR";

// Rows 2 to 6, 8, 9, 11, 12, 14 and 17 of a stored litter, record number
// `record`: counts "#0", weights "0.00", the dates as stored, the sire
// trimmed or (`fullBoarId`) all 8 characters. The derived rows are left.
void FillLitterColumn(LitterColumn& column, const FarrowRecord& litter, long record, bool fullBoarId);

// What the weaning rows tell the user, in the columns that are shown.
enum class WeaningNotice { None, Early, Late, Unavailable };
// Writes the derived rows 7, 10, 13, 15 and 16 (and 11 when not weaned:
// "__/__/____", or "" in a `silent` column) from the column's typed rows.
WeaningNotice ComputeWeaningRows(LitterColumn& column, bool silent);

// NEW (`correcting` false) or ACCEPT (true): date born required and valid,
// pigs born, alive and the birth weight non-zero, then when a weaning date is
// typed: valid, pigs weaned and the weaning weight non-zero, the age a
// whole number of days that fits; then the fostered counts. A required figure
// that reads as 0 (empty, no number, a count below one half) is refused with
// its "REQUIRED ENTRY" text; any other typed figure through its field
// (common/TypedNumber.h): counts 1 (fostered 0) to 32767, weights from 0.
Check CheckLitterEntry(const LitterColumn& column, bool correcting);
// A tenth parity is refused.
Check CheckParityRoom(int parities);
// Whether BOAR.DAT, read in blocks, holds a boar whose ID is the typed sire's,
// IDs compared trimmed and in upper case; an empty sire is no boar. Nothing,
// with `fault`, when the file cannot be read.
std::optional<bool> SireInBoarFile(const std::string& typed, FileFault* fault);
// The sire must be a boar of BOAR.DAT (`inFile`, from SireInBoarFile).
Check CheckSire(const std::string& typed, bool inFile);
// A new litter must have a record number held in 16 bits.
Check CheckLitterSlot(long slot);
// A sow whose parity count or litter links this window cannot follow.
Check CheckSowLitterLinks(const std::string& sowId, int16_t parityCount, const FarrowLinkArray& links,
                          long farrowCount);

// The record an accepted column writes, with `status`. Not weaned: weaned
// count, age and weaning weight 0.
FarrowRecord LitterRecordOf(const LitterColumn& column, int16_t status);
// How a weight box of the entry column shows a stored litter's weight.
extern const FigureBox kLitterWeightBox;
// ACCEPT's check of a corrected column over the stored litter: as
// CheckLitterEntry, a weight box still showing the stored weight judged by
// that weight as stored (JudgedText), so that 1e-7 shown "0.00" is no zero.
Check CheckCorrectedLitter(const LitterColumn& column, const FarrowRecord& stored);
// The record a corrected column writes over `stored`: as LitterRecordOf
// with its status, a weight box still showing the stored weight
// (FigureText) keeping it.
FarrowRecord CorrectedLitterOf(const LitterColumn& column, const FarrowRecord& stored);

// The date-born preset of a stored due date: the date it holds
// (ReadDueDate), or "__/__/____" for none.
std::string DueDatePreset(const std::string& storedDue);
