#pragma once
// The current boar in memory: his record's fields with the figures of the
// litters he sired (BoarHistory) and his note pad (BoarNotes).
//
// A boar's litters are the FARROW.DAT records whose BoarId, without trailing
// blanks, equals his ID exactly. His conception rate sets the litters he sired
// to sows in the herd (status 1) against all litters of the sows in the herd
// (the sum of their parity counts).
//
// Each plain procedure reads the file it needs once, so a run over many
// boars must not call them per boar: ForEachBoarHistory reads SOW.DAT,
// FARROW.DAT and BOAR.DAT once for the whole herd, through the overloads that
// take the files read (CountHerdLitters, SireTable). BOAR.DAT (35.5 MB at
// its last record) is never held whole: it is read in blocks, or record by
// record.
//
// A procedure that reads a file shows no box: when a file cannot be read it
// answers false (or nothing) with `fault` naming the file, and its caller
// reports it with its own title (ReportFileFault).
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <optional>
#include <unordered_map>
#include <vector>

#include "common/DataFiles.h"
#include "records/BoarRecord.h"
#include "records/FarrowRecord.h"
#include "records/RecordIo.h"
#include "records/RecordScan.h"
#include "records/SowRecord.h"
#include "sows/AnimalHistory.h"

struct BoarHistoryRecord : AnimalHistoryRecord, LitterFigures {
  int16_t SowsBred = 0;
  // Figures over his litters beside LitterFigures; counts in 32 bits.
  int32_t SowsFarrowed = 0;
  float ConceptionRate = 0;
  float AvgAdjusted21DayWeight = 0;  // mean over his litters weighed at 14 to 34 days
};

extern BoarHistoryRecord BoarHistory;
extern NoteLines BoarNotes;

// What FARROW.DAT holds for one sire. Pigs are summed in 64 bits: a damaged
// file may hold more litters of one sire than 32 bits can sum.
struct SireFigures {
  int32_t herdLitters = 0;  // litters of sows in the herd (status 1)
  int32_t litters = 0;      // litters of any status
  int64_t born = 0;
  int64_t alive = 0;
  float birthWeight = 0;    // sums, added in file order
  float weaningWeight = 0;
  // His litters weighed at 14 to 34 days and the sum of their adjusted 21-day
  // weights (WeaningFiguresOf).
  int32_t weighed21 = 0;
  double adjusted21 = 0;
};

// The figures of the sire `boarId` over FARROW.DAT read once.
SireFigures SireFiguresOf(const records::FileImage<FarrowRecord>& farrowFile, const std::string& boarId);

// Whether a run over the litters sums their adjusted 21-day weights
// (WeaningFiguresOf), which only a boar's card and sheet show, or leaves
// them out (weighed21 and adjusted21 stay 0).
enum class Adjusted21 { Summed, LeftOut };

// Every sire's figures, from one pass over FARROW.DAT.
class SireTable {
 public:
  explicit SireTable(const records::FileImage<FarrowRecord>& farrowFile, Adjusted21 adjusted21 = Adjusted21::Summed);
  SireFigures of(const std::string& boarId) const;

 private:
  // Keyed by the sire's ID field as stored (8 characters, blank-padded),
  // which holds each ID without trailing blanks in exactly one way.
  std::unordered_map<std::string, SireFigures> bySire_;
};

// SowsFarrowed / HerdLitters x 100, computed in double precision and held as
// a Single; 0 when HerdLitters is 0 or less.
float ConceptionRate(int32_t sowsFarrowed, int32_t herdLitters);

// The litters of the sows in the herd: the sum of the parity counts of the
// sows whose DateLeftHerd is "__/__/____" (each count kept within 0 to 9).
// Nothing, with `fault`, when SOW.DAT cannot be read.
std::optional<int32_t> CountHerdLitters(FileFault* fault = nullptr);
int32_t CountHerdLitters(const records::FileImage<SowRecord>& sowFile);

// Fills the seven litter figures of BoarHistory for the boar BoarHistoryRecord.Id,
// over his litters of any status; all 0 when he has none. A total beyond the
// 32 bits of its figure holds the nearest value it can. False, the figures
// untouched, when FARROW.DAT cannot be read.
bool BoarLitterStats(FileFault* fault = nullptr);
void BoarLitterStats(const SireFigures& sire);

// Fills BoarHistory and BoarNotes for BOAR.DAT record CurrentBoarRec, with
// HerdLitters from CountHerdLitters. With CurrentBoarRec 0 (or a number the
// file does not hold) BoarHistory keeps what it held and BoarNotes is all "".
// BoarRec holds the record read. False, BoarHistory kept, when BOAR.DAT or
// FARROW.DAT cannot be read.
bool LoadBoarHistory(int32_t HerdLitters, FileFault* fault = nullptr);

// Every boar's history over one read of SOW.DAT and FARROW.DAT and one of
// BOAR.DAT in blocks: for each live boar in record order, BoarRec,
// BoarHistory and BoarNotes are filled as LoadBoarHistory(*CountHerdLitters())
// fills them (with Adjusted21::LeftOut, AvgAdjusted21DayWeight 0), and `each`
// runs with his record number. False, with `fault`, when a file cannot be
// read; `each` has then run only for the boars read before the fault.
bool ForEachBoarHistory(const std::function<void(long record)>& each, FileFault* fault = nullptr,
                        Adjusted21 adjusted21 = Adjusted21::Summed);
// The same for the boars of BOAR.DAT records `records`, in their order, each
// record read from the file opened once; a number the file does not hold is
// passed over.
bool ForEachBoarHistory(const std::vector<long>& records, const std::function<void(long record)>& each,
                        FileFault* fault = nullptr);
