#pragma once
// The current sow in memory: her record's fields with her litter statistics
// (SowHistory), her litter links (FarrowLinks) and her note pad (SowNotes).
// LoadSowHistory fills all three from SOW.DAT record CurrentSowRec;
// SowLitterStats recomputes the statistics from her litters in FARROW.DAT.
// Statistics are never stored in a file. A procedure that reads a file shows
// no box: when a file cannot be read it answers false with `fault` naming
// the file, and its caller reports it with its own title (ReportFileFault).
#include <array>
#include <cstdint>
#include <string>

#include "records/FarrowRecord.h"
#include "records/RecordIo.h"
#include "records/SowRecord.h"
#include "common/DataFiles.h"
#include "sows/AnimalHistory.h"

struct SowHistoryRecord : AnimalHistoryRecord, LitterFigures {
  int16_t ParityCount = 0;
  // Her other statistics: totals in 32 bits, averages.
  int32_t TotalWeaned = 0, TotalBornAlive = 0, TotalFosteredTo = 0, TotalFosteredFrom = 0;
  float AvgWeaned = 0, AvgBornAlive = 0, AvgWeaningAge = 0, AvgFosteredTo = 0, AvgFosteredFrom = 0;
  std::string DateBred, DateDue, BoarId;
};

// Litter record numbers of parities 1 to 9 at indexes 1 to 9; index 0 unused.
using FarrowLinkArray = std::array<int16_t, kMaxParities + 1>;

extern SowHistoryRecord SowHistory;
extern FarrowLinkArray FarrowLinks;
extern NoteLines SowNotes;

// Fills SowHistory, FarrowLinks and SowNotes from SOW.DAT record
// CurrentSowRec, statistics included. With CurrentSowRec 0 (or a number the
// file does not hold) SowHistory keeps what it held, FarrowLinks is all 0 and
// SowNotes all "". SowRec holds the record read. False, SowHistory kept,
// when SOW.DAT or FARROW.DAT cannot be read.
bool LoadSowHistory(FileFault* fault = nullptr);
// LoadSowHistory of record `record` of SOW.DAT and FARROW.DAT read once by the
// caller, for a run over several chosen sows. A number the image does not
// hold leaves SowHistory as it is, FarrowLinks all 0 and SowNotes all "".
void LoadSowHistory(long record, const records::FileImage<SowRecord>& sowFile,
                    const records::FileImage<FarrowRecord>& farrowFile);

// Puts a sow's parity count into SowHistory and her litter links into
// FarrowLinks, as SowLitterStats expects them.
void SetSowLinks(const SowRecord& sow);

// The sums over a sow's litters that her statistics come from, added in
// parity order.
struct SowLitterSums {
  int32_t n = 0, born = 0, alive = 0, weaned = 0, weaningAge = 0, fosteredTo = 0, fosteredFrom = 0;
  float birthWeight = 0, weaningWeight = 0;
  void add(const FarrowRecord& litter);
  // The litter stored in `litter` (its FARROW.DAT bytes).
  void add(const uint8_t* litter);
  // A Single average of a whole-number sum over the litters; 0 with none.
  float average(int64_t sum) const;
  // The average litter weights at birth and at weaning; 0 with none.
  float averageBirthWeight() const { return n == 0 ? 0.0f : birthWeight / static_cast<float>(n); }
  float averageWeaningWeight() const { return n == 0 ? 0.0f : weaningWeight / static_cast<float>(n); }
};
// The sums over the litters of the sow stored in `sow` (her SOW.DAT bytes):
// her links 1 to her parity count (at most 9) that lie in `farrowFile`.
SowLitterSums SumSowLitters(const uint8_t* sow, const records::FileImage<FarrowRecord>& farrowFile);

// Recomputes the fifteen statistics of SowHistory from the litters
// FarrowRecs(1) to FarrowRecs(n), n = SowHistoryRecord.ParityCount (at most
// 9), whatever their status; FARROW.DAT is not opened when n is 0. A link of 0
// or less or past the end of FARROW.DAT is skipped. Averages divide by the
// number of litters read; with none, every figure is 0. False, the
// statistics untouched, when FARROW.DAT cannot be read.
bool SowLitterStats(const FarrowLinkArray& FarrowRecs, FileFault* fault = nullptr);
// The same over FARROW.DAT read once by the caller, for runs over many sows.
void SowLitterStats(const FarrowLinkArray& FarrowRecs, const records::FileImage<FarrowRecord>& farrowFile);
