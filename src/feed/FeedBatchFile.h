#pragma once
// FEED<yyyy>.DAT for the feed batch windows: the type letters, the year's
// file read whole or one record at a time, the slot and number of a new
// batch, the medication of medicated batches out of the year's medication
// file, and the batch delete that gives the pounds back to FEED.LST.
//
// Each action reads each file once; a file that cannot be read or written
// answers false with the FileFault the window reports with its title.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "common/DataFiles.h"
#include "common/WriteSet.h"
#include "feed/IngredientFile.h"
#include "platform/Text1252.h"
#include "records/FeedBatchRecord.h"
#include "records/MedicationRecord.h"
#include "records/RecordIo.h"

using FeedBatchFile = records::FileImage<FeedBatchRecord>;
using MedicationFile = records::FileImage<MedicationRecord>;

// The feed type a FEED menu choice stands for: its letter ("N", "G", "F",
// "E", "L" for 0, 1, 2, 4, 5) and its word ("NURSERY", ...); "" for any
// other choice.
std::string FeedTypeLetter(int choice);
std::string FeedTypeWord(int choice);

// DataFolder + FeedFile: the batch file of the year in play.
std::string FeedFilePath();
bool ReadFeedBatchFile(FeedBatchFile& file, FileFault* fault);
// Record n; a record past the end reads as a free one.
bool ReadBatch(long n, FeedBatchRecord& batch, FileFault* fault);

// The number of a stored batch listed under the type `letter` (type and
// number both present, and the type the letter), without its trailing
// blanks; empty for a batch not listed. Inline: the lists ask it of every
// record of the year.
inline std::string_view ListedBatchNumber(const uint8_t* batchBytes, const std::string& letter) {
  using R = FeedBatchRecord;
  if (letter.size() != 1 || batchBytes[0] == ' ' || batchBytes[0] != static_cast<uint8_t>(letter[0])) return {};
  return RTrimmed(records::textView(batchBytes + R::BatchNumberAt, R::BatchNumberWidth));
}
// A record's batch number: its record number written to five digits.
std::string BatchNumberOf(long record);
// The batch number without a medication mark: the last five characters of
// the number without trailing blanks (a view into `batchNumber`).
std::string_view PlainBatchNumber(std::string_view batchNumber);
// Whether the number, without blanks at either end, starts with the "M"
// mark.
bool IsMedicatedNumber(std::string_view batchNumber);

// The medication of the year's batches, from one run over the medication
// file: for each batch ID, the pounds and the cost (unit cost x dosage) of
// its records, summed in record order.
struct BatchMedication {
  float pounds = 0;       // summed as Singles, as the list adds them
  double poundsWide = 0;  // summed as Doubles, as the printout adds them
  float cost = 0;
  int64_t wholePounds = 0;  // each record's dosage rounded to a 32-bit whole number (halves to even), summed
};
class BatchMedications {
 public:
  BatchMedications() = default;
  explicit BatchMedications(const MedicationFile& meds);
  // What a listed batch adds: nothing for a batch without the "M" mark;
  // for a medicated one the records whose batch ID is its plain number.
  BatchMedication Of(std::string_view batchNumber) const;
  // Whether a live medication record names the number (with or without the
  // mark).
  bool Names(const std::string& number) const;

 private:
  // The doses of `id` summed; nullopt when no dose names it.
  std::optional<BatchMedication> sumOf(std::string_view id) const;

  // The sums of each batch ID named, by the ID as stored without its
  // trailing blanks.
  std::unordered_map<std::string, BatchMedication> sums_;
};

// The record and number of a new batch: the first record that is free and
// whose number no live medication record names, else the first number
// after the last record that none names. `record` is 0 when that number
// would pass 32767.
struct NewBatchSlot {
  long record = 0;
  std::string number;
};
NewBatchSlot FindNewBatchSlot(const FeedBatchFile& batches, const BatchMedications& meds);
// The record a new batch is reserved as: the type letter and the number,
// no group, no date, no rows, zero totals.
FeedBatchRecord ReservedBatch(const std::string& letter, const std::string& number);
// Writes the reserved batch at the slot in `set`; records skipped between
// the last one and the slot are written free.
void ReserveBatch(WriteSet& set, const NewBatchSlot& slot, long count, const std::string& letter);

// Deletes the batches at `records` in `set`, all or nothing: the pounds of
// every row go back to the first ingredient of its code (upper case, without
// blanks at either end), and each record is written free. Both files are
// read once and open for writing before either is written. The medication
// records of a deleted batch stay in the medication file; new batches do not
// take their number. False, with `fault`, when a file cannot be read; a
// write fault is the set's, which then leaves both files as they were.
bool DeleteBatches(WriteSet& set, const std::vector<long>& records, FileFault* fault);

// The first record of FEED.LST holding each code, compared upper-cased and
// without blanks at either end; 0 for a code none holds or a blank one. One
// run over the file for all codes.
std::vector<long> FindIngredients(const IngredientFile& file, const std::vector<std::string>& codes);
// The ingredient records whose current inventory `changes` change, each
// with every change of its record added (an inventory past what a Long
// holds keeps the nearest value), in record order.
std::vector<std::pair<long, IngredientRecord>> ChangedIngredients(const IngredientFile& file,
                                                                  const std::vector<std::pair<long, int64_t>>& changes);
