#include "sows/SowHistory.h"

#include "common/HogGlobals.h"
#include "common/NumberText.h"
#include "records/RecordIo.h"
#include "records/RecordSlots.h"

SowHistoryRecord SowHistory;
FarrowLinkArray FarrowLinks{};
std::array<std::string, kNoteLines + 1> SowNotes;

namespace {

// A Single average of a whole-number sum.
float average(int64_t sum, int32_t n) {
  return n == 0 ? 0.0f : static_cast<float>(static_cast<double>(sum) / n);
}

// The sums over a sow's litters, added in parity order.
struct LitterSums {
  int32_t n = 0, born = 0, alive = 0, weaned = 0, weaningAge = 0, fosteredTo = 0, fosteredFrom = 0;
  float birthWeight = 0, weaningWeight = 0;
  void add(const FarrowRecord& f) {
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
};

// Stores the statistics of the sums into SowHistory.
void storeLitterStats(const LitterSums& sums) {
  const auto& [n, born, alive, weaned, weaningAge, fosteredTo, fosteredFrom, birthWeight, weaningWeight] = sums;
  SowHistoryRecord& h = SowHistory;
  h.TotalBorn = born;
  h.AvgBorn = average(born, n);
  h.TotalBornAlive = alive;
  h.AvgBornAlive = average(alive, n);
  h.TotalStillborn = born - alive;
  h.AvgStillborn = average(born - alive, n);
  h.TotalWeaned = weaned;
  h.AvgWeaned = average(weaned, n);
  h.AvgLitterBirthWeight = n == 0 ? 0.0f : birthWeight / static_cast<float>(n);
  h.AvgLitterWeaningWeight = n == 0 ? 0.0f : weaningWeight / static_cast<float>(n);
  h.AvgWeaningAge = average(weaningAge, n);
  h.TotalFosteredTo = fosteredTo;
  h.AvgFosteredTo = average(fosteredTo, n);
  h.TotalFosteredFrom = fosteredFrom;
  h.AvgFosteredFrom = average(fosteredFrom, n);
}

// The statistics of the current sow's litters in a FARROW.DAT of `count`
// records, each read by `readLitter(link, record)`; damaged links are skipped.
template <class ReadLitter>
void litterStats(const FarrowLinkArray& links, long count, ReadLitter readLitter) {
  FarrowRecord litter;
  LitterSums sums;
  const int parities = records::UsedParities(SowHistory.ParityCount);
  for (int k = 1; k <= parities; ++k) {
    const long link = links[static_cast<size_t>(k)];
    if (records::ValidLitterLink(link, count) && readLitter(link, litter)) sums.add(litter);
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
  litterStats(FarrowRecs, file.count(), [&file](long link, FarrowRecord& f) {
    if (!file.read(link, FarrowRec)) return false;
    f = FarrowRec;
    return true;
  });
  return true;
}

void SowLitterStats(const FarrowLinkArray& FarrowRecs, const records::FileImage<FarrowRecord>& farrowFile) {
  static const FarrowRecord p;
  static const records::FieldMask<FarrowRecord> counted(
      p, {&p.BornCount, &p.AliveCount, &p.WeanedCount, &p.BirthWeight, &p.WeaningWeight, &p.WeaningAge,
          &p.FosteredTo, &p.FosteredFrom});
  litterStats(FarrowRecs, farrowFile.count(), [&farrowFile](long link, FarrowRecord& f) {
    farrowFile.decode(link, f, counted);
    return true;
  });
}

namespace {

// SowHistory, FarrowLinks and SowNotes of the sow in SowRec, without the
// statistics.
void fillFromSowRec() {
  fillSowHistory(SowRec);
  for (int k = 1; k <= kNoteLines; ++k) SowNotes[static_cast<size_t>(k)] = SowRec.NoteLine.trimmed(k - 1);
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

bool ForEachSowHistory(const std::function<void(long record)>& each, FileFault* fault) {
  records::FileImage<SowRecord> sows;
  records::FileImage<FarrowRecord> litters;
  if (!ReadImage(sows, fault) || !ReadImage(litters, fault)) return false;
  for (long r = 1; r <= sows.count(); ++r) {
    sows.decode(r, SowRec);
    if (records::IsFreeId(SowRec.Id)) continue;
    fillSowHistory(SowRec);
    SowLitterStats(FarrowLinks, litters);
    each(r);
  }
  return true;
}
