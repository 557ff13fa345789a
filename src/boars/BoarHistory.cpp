#include "boars/BoarHistory.h"

#include <algorithm>
#include <cstdint>

#include "common/DataFiles.h"
#include "common/NumberText.h"
#include "records/RecordIo.h"
#include "records/RecordSlots.h"
#include "sows/WeaningFigures.h"

BoarHistoryRecord BoarHistory;
NoteLines BoarNotes;

namespace {

// The fields of a litter that a sire's figures read.
const records::FieldMask<FarrowRecord>& sireFields() {
  static const FarrowRecord p;
  static const records::FieldMask<FarrowRecord> fields(
      p, {&p.Status, &p.BoarId, &p.BornCount, &p.AliveCount, &p.BirthWeight, &p.WeaningWeight, &p.DateBorn,
          &p.DateWeaned});
  return fields;
}

void addLitter(SireFigures& s, const FarrowRecord& f, Adjusted21 adjusted21 = Adjusted21::Summed) {
  if (f.Status == FarrowRecord::InHerd) ++s.herdLitters;
  ++s.litters;
  s.born += f.BornCount;
  s.alive += f.AliveCount;
  s.birthWeight += f.BirthWeight;
  s.weaningWeight += f.WeaningWeight;
  if (adjusted21 == Adjusted21::LeftOut) return;
  if (const std::optional<float> adjusted = WeaningFiguresOf(f).adjusted21Day) {
    ++s.weighed21;
    s.adjusted21 += *adjusted;
  }
}

int32_t nearest32(int64_t value) {
  return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

void fillBoarHistory(int32_t herdLitters, const SireFigures& sire) {
  const BoarRecord& b = BoarRec;
  BoarHistoryRecord& h = BoarHistory;
  FillAnimalHistory(b, h);
  h.SowsBred = b.SowsBred;
  h.SowsFarrowed = sire.herdLitters;
  h.ConceptionRate = ConceptionRate(sire.herdLitters, herdLitters);
  BoarLitterStats(sire);
  FillNoteLines(b.NoteLine, BoarNotes);
}

}  // namespace

SireFigures SireFiguresOf(const records::FileImage<FarrowRecord>& farrowFile, const std::string& boarId) {
  SireFigures s;
  FarrowRecord f;
  for (long n = 1; n <= farrowFile.count(); ++n) {
    farrowFile.decode(n, f, sireFields());
    if (RTrim(f.BoarId) == boarId) addLitter(s, f);
  }
  return s;
}

SireTable::SireTable(const records::FileImage<FarrowRecord>& farrowFile, Adjusted21 adjusted21) {
  FarrowRecord f;
  for (long n = 1; n <= farrowFile.count(); ++n) {
    farrowFile.decode(n, f, sireFields());
    addLitter(bySire_[f.BoarId], f, adjusted21);
  }
}

SireFigures SireTable::of(const std::string& boarId) const {
  // An ID with trailing blanks, or too long for the field, names no sire.
  const auto width = static_cast<size_t>(FarrowRecord::BoarIdWidth);
  if (boarId.size() > width || (!boarId.empty() && boarId.back() == ' ')) return {};
  auto it = bySire_.find(boarId + std::string(width - boarId.size(), ' '));
  return it == bySire_.end() ? SireFigures{} : it->second;
}

float ConceptionRate(int32_t sowsFarrowed, int32_t herdLitters) {
  if (herdLitters <= 0) return 0.0f;
  return static_cast<float>(static_cast<double>(sowsFarrowed) / herdLitters * 100.0);
}

int32_t CountHerdLitters(const records::FileImage<SowRecord>& sowFile) {
  static const SowRecord p;
  static const records::FieldMask<SowRecord> fields(p, {&p.DateLeftHerd, &p.ParityCount});
  int32_t total = 0;
  SowRecord s;
  for (long n = 1; n <= sowFile.count(); ++n) {
    sowFile.decode(n, s, fields);
    if (LTrim(s.DateLeftHerd) == records::kEmptyDate) total += records::UsedParities(s);
  }
  return total;
}

std::optional<int32_t> CountHerdLitters(FileFault* fault) {
  records::FileImage<SowRecord> sows;
  if (!ReadImage(sows, fault)) return std::nullopt;
  return CountHerdLitters(sows);
}

void BoarLitterStats(const SireFigures& sire) {
  BoarHistoryRecord& h = BoarHistory;
  const int32_t n = sire.litters;
  if (n == 0) {
    h.AvgLitterBirthWeight = h.AvgLitterWeaningWeight = 0;
    h.TotalBorn = h.TotalStillborn = 0;
    h.AvgBorn = h.AvgStillborn = 0;
    h.AvgAdjusted21DayWeight = 0;
    return;
  }
  h.AvgLitterBirthWeight = sire.birthWeight / static_cast<float>(n);
  h.AvgLitterWeaningWeight = sire.weaningWeight / static_cast<float>(n);
  h.TotalBorn = nearest32(sire.born);
  h.TotalStillborn = nearest32(sire.born - sire.alive);
  h.AvgBorn = static_cast<float>(static_cast<double>(sire.born) / n);
  h.AvgStillborn = static_cast<float>(static_cast<double>(sire.born - sire.alive) / n);
  h.AvgAdjusted21DayWeight = sire.weighed21 == 0 ? 0.0f : static_cast<float>(sire.adjusted21 / sire.weighed21);
}

bool BoarLitterStats(FileFault* fault) {
  records::FileImage<FarrowRecord> litters;
  if (!ReadImage(litters, fault)) return false;
  BoarLitterStats(SireFiguresOf(litters, BoarHistory.Id));
  return true;
}

bool LoadBoarHistory(int32_t HerdLitters, FileFault* fault) {
  BoarNotes = {};
  FileFault met;
  records::FileImage<FarrowRecord> litters;
  if (ReadRecordAt(CurrentBoarRec, BoarRec, &met) && ReadImage(litters, &met))
    fillBoarHistory(HerdLitters, SireFiguresOf(litters, Trim(BoarRec.Id)));
  return NoFault(met, fault);
}

namespace {

// The herd's litters and every sire's figures, from one read of SOW.DAT and
// FARROW.DAT.
struct HerdSires {
  int32_t herdLitters = 0;
  std::optional<SireTable> sires;
};
bool readHerdSires(HerdSires& herd, Adjusted21 adjusted21, FileFault* fault) {
  records::FileImage<SowRecord> sows;
  records::FileImage<FarrowRecord> litters;
  if (!ReadImage(sows, fault) || !ReadImage(litters, fault)) return false;
  herd.herdLitters = CountHerdLitters(sows);
  herd.sires.emplace(litters, adjusted21);
  return true;
}

// BoarHistory and BoarNotes of the boar in BoarRec, then `each`.
void visitBoar(const HerdSires& herd, long record, const std::function<void(long record)>& each) {
  fillBoarHistory(herd.herdLitters, herd.sires->of(Trim(BoarRec.Id)));
  each(record);
}

}  // namespace

bool ForEachBoarHistory(const std::function<void(long record)>& each, FileFault* fault, Adjusted21 adjusted21) {
  HerdSires herd;
  if (!readHerdSires(herd, adjusted21, fault)) return false;
  records::RecordScan<BoarRecord> boars;
  return ScanFile(
      boars,
      [&](long r, const uint8_t* bytes) {
        if (records::IsFreeRecord<BoarRecord>(bytes)) return;
        records::decodeInto(bytes, BoarRec);
        visitBoar(herd, r, each);
      },
      fault);
}

bool ForEachBoarHistory(const std::vector<long>& chosen, const std::function<void(long record)>& each,
                        FileFault* fault) {
  HerdSires herd;
  if (!readHerdSires(herd, Adjusted21::Summed, fault)) return false;
  const std::string path = DataFilePath<BoarRecord>();
  records::TypedFile<BoarRecord> boars;
  bool read = boars.open(path);
  for (long r : chosen) {
    if (!read || r < 1 || r > boars.count()) continue;
    if ((read = boars.read(r, BoarRec))) visitBoar(herd, r, each);
  }
  if (!read && fault) *fault = {path, boars.error()};
  return read;
}
