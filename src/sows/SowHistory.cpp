#include "sows/SowHistory.h"

#include "common/HogGlobals.h"
#include "common/NumberText.h"
#include "records/RecordIo.h"
#include "records/RecordSlots.h"

SowHistoryRecord SowHistory;
FarrowLinkArray FarrowLinks{};
NoteLines SowNotes;

void SowLitterSums::add(const FarrowRecord& f) {
  ++n;
  born += f.BornCount;
  alive += f.AliveCount;
  weaned += f.WeanedCount;
  birthWeight += f.BirthWeight;
  weaningWeight += f.WeaningWeight;
  weaningAge += f.WeaningAge;
  fosteredTo += f.FosteredTo;
  fosteredFrom += f.FosteredFrom;
}

void SowLitterSums::add(const uint8_t* litter) {
  using records::getI16;
  ++n;
  born += getI16(litter + FarrowRecord::BornCountAt);
  alive += getI16(litter + FarrowRecord::AliveCountAt);
  weaned += getI16(litter + FarrowRecord::WeanedCountAt);
  birthWeight += records::getF32(litter + FarrowRecord::BirthWeightAt);
  weaningWeight += records::getF32(litter + FarrowRecord::WeaningWeightAt);
  weaningAge += getI16(litter + FarrowRecord::WeaningAgeAt);
  fosteredTo += getI16(litter + FarrowRecord::FosteredToAt);
  fosteredFrom += getI16(litter + FarrowRecord::FosteredFromAt);
}

float SowLitterSums::average(int64_t sum) const {
  return n == 0 ? 0.0f : static_cast<float>(static_cast<double>(sum) / n);
}

SowLitterSums SumSowLitters(const uint8_t* sow, const records::FileImage<FarrowRecord>& farrowFile) {
  SowLitterSums sums;
  for (long link : records::LitterLinks(sow, farrowFile.count())) sums.add(farrowFile.bytes(link));
  return sums;
}

namespace {

// Stores the statistics of the sums into SowHistory.
void storeLitterStats(const SowLitterSums& sums) {
  const auto& [n, born, alive, weaned, weaningAge, fosteredTo, fosteredFrom, birthWeight, weaningWeight] = sums;
  SowHistoryRecord& h = SowHistory;
  h.TotalBorn = born;
  h.AvgBorn = sums.average(born);
  h.TotalBornAlive = alive;
  h.AvgBornAlive = sums.average(alive);
  h.TotalStillborn = born - alive;
  h.AvgStillborn = sums.average(born - alive);
  h.TotalWeaned = weaned;
  h.AvgWeaned = sums.average(weaned);
  h.AvgLitterBirthWeight = sums.averageBirthWeight();
  h.AvgLitterWeaningWeight = sums.averageWeaningWeight();
  h.AvgWeaningAge = sums.average(weaningAge);
  h.TotalFosteredTo = fosteredTo;
  h.AvgFosteredTo = sums.average(fosteredTo);
  h.TotalFosteredFrom = fosteredFrom;
  h.AvgFosteredFrom = sums.average(fosteredFrom);
}

// The statistics of the current sow's litters in a FARROW.DAT of `count`
// records, each added by `addLitter(link, sums)` (false when it cannot be
// read); damaged links are skipped.
template <class AddLitter>
void litterStats(const FarrowLinkArray& links, long count, AddLitter addLitter) {
  SowLitterSums sums;
  const int parities = records::UsedParities(SowHistory.ParityCount);
  for (int k = 1; k <= parities; ++k) {
    const long link = links[static_cast<size_t>(k)];
    if (records::ValidLitterLink(link, count)) addLitter(link, sums);
  }
  storeLitterStats(sums);
}

// The block and links of `s`, without the statistics.
void fillSowHistory(const SowRecord& s) {
  SowHistoryRecord& h = SowHistory;
  FillAnimalHistory(s, h);
  h.DateBred = s.DateBred;
  h.DateDue = s.DateDue;
  h.BoarId = Trim(s.BoarId);
  SetSowLinks(s);
}

}  // namespace

void SetSowLinks(const SowRecord& sow) {
  SowHistory.ParityCount = sow.ParityCount;
  FarrowLinks = {};
  for (int k = 1; k <= kMaxParities; ++k)
    FarrowLinks[static_cast<size_t>(k)] = sow.FarrowRecNo[static_cast<size_t>(k - 1)];
}

bool SowLitterStats(const FarrowLinkArray& FarrowRecs, FileFault* fault) {
  records::TypedFile<FarrowRecord> file;
  // FARROW.DAT is opened only for a sow with litters.
  const std::string path = DataFilePath<FarrowRecord>();
  if (records::UsedParities(SowHistory.ParityCount) > 0 && !file.open(path))
    return NoFault({path, file.error()}, fault);
  litterStats(FarrowRecs, file.count(), [&file](long link, SowLitterSums& sums) {
    if (file.read(link, FarrowRec)) sums.add(FarrowRec);
  });
  return true;
}

void SowLitterStats(const FarrowLinkArray& FarrowRecs, const records::FileImage<FarrowRecord>& farrowFile) {
  litterStats(FarrowRecs, farrowFile.count(),
              [&farrowFile](long link, SowLitterSums& sums) { sums.add(farrowFile.bytes(link)); });
}

namespace {

// SowHistory, FarrowLinks and SowNotes of the sow in SowRec, without the
// statistics.
void fillFromSowRec() {
  fillSowHistory(SowRec);
  FillNoteLines(SowRec.NoteLine, SowNotes);
}

}  // namespace

bool LoadSowHistory(FileFault* fault) {
  FarrowLinks = {};
  SowNotes = {};
  FileFault met;
  if (!ReadRecordAt(CurrentSowRec, SowRec, &met)) return NoFault(met, fault);
  fillFromSowRec();
  return SowLitterStats(FarrowLinks, fault);
}

void LoadSowHistory(long record, const records::FileImage<SowRecord>& sowFile,
                    const records::FileImage<FarrowRecord>& farrowFile) {
  FarrowLinks = {};
  SowNotes = {};
  if (record < 1 || record > sowFile.count()) return;
  sowFile.decode(record, SowRec);
  fillFromSowRec();
  SowLitterStats(FarrowLinks, farrowFile);
}
