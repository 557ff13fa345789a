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

// Stores the statistics of the litters given into SowHistory.
void storeLitterStats(const std::vector<const FarrowRecord*>& litters) {
  int32_t born = 0, alive = 0, weaned = 0, weaningAge = 0, fosteredTo = 0, fosteredFrom = 0;
  float birthWeight = 0, weaningWeight = 0;
  for (const FarrowRecord* f : litters) {
    born += f->BornCount;
    alive += f->AliveCount;
    weaned += f->WeanedCount;
    birthWeight += f->BirthWeight;
    weaningWeight += f->WeaningWeight;
    weaningAge += f->WeaningAge;
    fosteredTo += f->FosteredTo;
    fosteredFrom += f->FosteredFrom;
  }
  const int32_t n = static_cast<int32_t>(litters.size());
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

}  // namespace

void SetSowLinks(const SowRecord& sow) {
  SowHistory.ParityCount = sow.ParityCount;
  FarrowLinks = {};
  for (int k = 1; k <= kMaxParities; ++k)
    FarrowLinks[static_cast<size_t>(k)] = sow.FarrowRecNo[static_cast<size_t>(k - 1)];
}

void SowLitterStats(const FarrowLinkArray& FarrowRecs) {
  const int n = records::UsedParities(SowHistory.ParityCount);
  std::vector<FarrowRecord> read;
  if (n > 0) {
    records::TypedFile<FarrowRecord> file;
    if (file.open(DataFolder + kFarrowFileName)) {
      const long count = file.count();
      for (int k = 1; k <= n; ++k) {
        const long link = FarrowRecs[static_cast<size_t>(k)];
        if (!records::ValidLitterLink(link, count)) continue;
        if (file.read(link, FarrowRec)) read.push_back(FarrowRec);
      }
      file.close();
    }
  }
  std::vector<const FarrowRecord*> litters;
  for (const FarrowRecord& f : read) litters.push_back(&f);
  storeLitterStats(litters);
}

void SowLitterStats(const FarrowLinkArray& FarrowRecs, const std::vector<FarrowRecord>& farrowFile) {
  const int n = records::UsedParities(SowHistory.ParityCount);
  const long count = static_cast<long>(farrowFile.size());
  std::vector<const FarrowRecord*> litters;
  for (int k = 1; k <= n; ++k) {
    const long link = FarrowRecs[static_cast<size_t>(k)];
    if (records::ValidLitterLink(link, count)) litters.push_back(&farrowFile[static_cast<size_t>(link - 1)]);
  }
  storeLitterStats(litters);
}

void LoadSowHistory() {
  FarrowLinks = {};
  SowNotes = {};
  records::TypedFile<SowRecord> file;
  if (!file.open(DataFolder + kSowFileName)) return;
  if (CurrentSowRec < 1 || CurrentSowRec > file.count() || !file.read(CurrentSowRec, SowRec)) {
    file.close();
    return;
  }
  const SowRecord& s = SowRec;
  SowHistoryRecord& h = SowHistory;
  FillAnimalHistory(s, h);
  h.DateBred = s.DateBred;
  h.DateDue = s.DateDue;
  h.BoarId = Trim(s.BoarId);
  SetSowLinks(s);
  for (int k = 1; k <= kNoteLines; ++k)
    SowNotes[static_cast<size_t>(k)] = Trim(s.NoteLine[static_cast<size_t>(k - 1)]);
  SowLitterStats(FarrowLinks);
  file.close();
}
