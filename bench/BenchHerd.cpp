#include "bench/BenchHerd.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "bench/Stored.h"
#include "platform/FileSystem.h"
#include "records/Fields.h"

namespace {


// A small generator with a fixed sequence on every machine (splitmix64).
class Seeded {
 public:
  explicit Seeded(uint64_t seed) : state_(seed) {}
  uint64_t next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
  int between(int lo, int hi) { return lo + static_cast<int>(next() % static_cast<uint64_t>(hi - lo + 1)); }
  bool chance(int percent) { return between(1, 100) <= percent; }
  template <class T>
  const T& pick(const std::vector<T>& from) {
    return from[static_cast<size_t>(between(0, static_cast<int>(from.size()) - 1))];
  }

 private:
  uint64_t state_;
};

const std::vector<std::string> kBreeds = {"YORKSHIRE", "DUROC",                "LANDRACE",
                                          "HAMPSHIRE", "YORKSHIRE X LANDRACE", "CHESTER WHITE"};
const std::vector<std::string> kFeeds = {"SHELLED CORN", "SOYBEAN MEAL 44%", "OATS", "BARLEY", "WHEAT MIDDS",
                                         "DRIED WHEY", "FISH MEAL", "LIMESTONE", "DICAL PHOSPHATE", "SALT"};
const std::vector<std::string> kNotes = {"VACCINATED FOR PARVO AND LEPTO", "LAME LEFT REAR FOOT, TREATED",
                                         "GOOD MOTHER, KEEP FOR BREEDING", "RETURNED TO HEAT ONCE",
                                         "MOVED FROM NURSERY BARN",        "CULL AFTER NEXT LITTER"};

std::string day(long dayNumber) { return DateOfDayCount(dayNumber); }

// A sow's due date: bred + 114 days.
constexpr int kGestationDays = 114;

void notes(Seeded& rng, NotePad& pad, int percent) {
  if (!rng.chance(percent)) return;
  const int n = rng.between(1, 4);
  for (int k = 0; k < n; ++k) pad.setLine(k, rng.pick(kNotes));
}

// ---- Piglet groups ------------------------------------------------------

constexpr int kLastGroupYear = 2024;
constexpr int kNurseryGroups = 52;  // a week's weaned pigs each
constexpr int kDirectGrowers = 4;   // bought in as growers

std::string twoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }
std::string groupId(int key, int year) { return std::to_string(key) + "-" + twoDigits(year % 100); }

// Writes the records of groups as the windows do, appending, and stops
// writing sales rows once SALES.DAT is full.
class GroupYard {
 public:
  GroupYard(BenchHerd& herd, Seeded& rng) : herd_(herd), rng_(rng) {}
  bool full() const { return static_cast<long>(herd_.groups.size()) >= herd_.size.groupRecords; }

  long group(const std::string& stage, const std::string& id, int subGroup, int pigs, float weight, long entered) {
    GroupRecord g;
    g.Stage = stage;
    g.SubGroup = static_cast<int16_t>(subGroup);
    g.GroupId = id;
    g.PigsIn = static_cast<int16_t>(pigs);
    g.WeightIn = weight;
    g.DateIn = day(entered);
    herd_.groups.push_back(g);
    return static_cast<long>(herd_.groups.size());
  }
  GroupRecord& at(long n) { return herd_.groups[static_cast<size_t>(n - 1)]; }

  // A sales row; false when the file is full.
  bool sale(const std::string& kind, const std::string& id, int subGroup, int pigs, int gilts, float weight,
            long when, bool yearEnd = false) {
    if (static_cast<long>(herd_.sales.size()) >= herd_.size.salesRecords) return false;
    SalesRecord s;
    s.SaleType = kind;
    s.YearEndAdjust = yearEnd ? -1 : 0;
    s.SubGroup = static_cast<int16_t>(subGroup);
    s.GroupId = id;
    s.PigsSold = static_cast<int16_t>(pigs);
    s.GiltsSold = static_cast<int16_t>(gilts);
    s.WeightPerPig = weight;
    s.DateSold = day(when);
    if (!yearEnd && pigs > 0) {
      s.PricePerLb = static_cast<float>(rng_.between(kind == "F" ? 90 : 48, kind == "F" ? 140 : 78)) / 100.0f;
      if (kind == "M") {  // the kill sheet of the load
        s.Backfat = static_cast<float>(rng_.between(60, 100)) / 100.0f;
        s.PercentLean = static_cast<float>(rng_.between(500, 560)) / 10.0f;
        s.HotCarcassWeight = weight * 0.74f;
        s.FatFreeLeanIndex = static_cast<float>(rng_.between(480, 520)) / 10.0f;
        s.Loineye = static_cast<float>(rng_.between(600, 800)) / 100.0f;
        s.GradeYieldPremium = static_cast<float>(rng_.between(100, 500)) / 100.0f;
      }
    }
    herd_.sales.push_back(s);
    return true;
  }

  // A finisher sub-group sold in loads; late in the year some are carried
  // into the next group year and sold from there.
  void finisher(int key, int year, int subGroup, int pigs, float weight, long entered, bool mayCarry) {
    const std::string id = groupId(key, year);
    const long n = group("F", id, subGroup, pigs, weight, entered);
    int left = pigs - rng_.between(0, 4);
    long when = entered + rng_.between(100, 115);
    const bool carry = mayCarry && year < kLastGroupYear && day(entered).substr(0, 2) >= "10" && rng_.chance(40);
    const int loads = carry ? rng_.between(1, 3) : rng_.between(8, 20);
    for (int load = 1; load <= loads && left > 0; ++load) {
      const int out = load == loads && !carry ? left : std::min(left, rng_.between(4, 16));
      const int gilts = load == 1 && rng_.chance(20) ? std::min(out, rng_.between(1, 5)) : 0;
      const float wt = static_cast<float>(rng_.between(2550, 2900)) / 10.0f;
      if (!sale("M", id, subGroup, out - gilts, gilts, wt, when)) return;
      left -= out;
      when += rng_.between(5, 12);
    }
    if (carry && left > 0) {
      const float wt = static_cast<float>(rng_.between(2000, 2400)) / 10.0f;
      if (!sale("M", id, subGroup, left, 0, wt, when, true)) return;
      at(n).YearEndAdjust = -1;
      finisher(key, year + 1, subGroup, left, wt, when, false);
    } else if (rng_.chance(90)) {
      at(n).DeathLoss = -1;
    }
  }

  // A grower sub-group moved on to one to three finisher sub-groups.
  void grower(int key, int year, int subGroup, int pigs, long entered) {
    const long n = group("G", groupId(key, year), subGroup, pigs,
                         static_cast<float>(rng_.between(450, 620)) / 10.0f, entered);
    int left = pigs - rng_.between(1, 5);
    const int parts = rng_.between(1, 3);
    const long moved = entered + rng_.between(56, 63);
    for (int k = 1; k <= parts && left > 0; ++k) {
      const int out = k == parts ? left : left / (parts - k + 1);
      finisher(key, year, subGroup + k, out, static_cast<float>(rng_.between(1100, 1350)) / 10.0f, moved, true);
      left -= out;
    }
    if (rng_.chance(90)) at(n).DeathLoss = -1;
  }

  // A nursery group: some sold as feeder pigs, the rest to one or two
  // grower sub-groups.
  void nursery(int key, int year, long entered) {
    const long n = group("N", groupId(key, year), 0, rng_.between(180, 260),
                         static_cast<float>(rng_.between(110, 160)) / 10.0f, entered);
    int left = at(n).PigsIn - rng_.between(2, 8);
    const long moved = entered + rng_.between(45, 52);
    if (rng_.chance(25)) {
      const int sold = rng_.between(10, 40);
      if (sale("F", groupId(key, year), 0, sold, 0, static_cast<float>(rng_.between(400, 550)) / 10.0f,
               moved - rng_.between(0, 3)))
        left -= sold;
    }
    const int parts = rng_.chance(70) ? 1 : 2;
    for (int k = 1; k <= parts; ++k) {
      const int out = k == parts ? left : left / 2;
      grower(key, year, 10 * k, out, moved);
      left -= out;
    }
    if (rng_.chance(90)) at(n).DeathLoss = -1;
  }

 private:
  BenchHerd& herd_;
  Seeded& rng_;
};

void MakeBenchGroups(BenchHerd& herd) {
  Seeded rng(20240602);
  GroupYard yard(herd, rng);
  for (int year = herd.size.firstGroupYear; year <= kLastGroupYear; ++year) {
    // Keys of even and odd years differ, so a group carried into the next
    // year never meets a group of that year's own.
    const int base = year % 2 ? 200 : 100;
    const long first = DayCount("01/03/" + std::to_string(year));
    for (int week = 0; week < kNurseryGroups; ++week) {
      yard.nursery(base + week + 1, year, first + 7 * week + rng.between(0, 2));
      if (week % (kNurseryGroups / kDirectGrowers) == 5)
        yard.grower(base + 400 + week, year, 10, rng.between(150, 250), first + 7 * week + 3);
    }
  }
  // A group deleted from the list, and a sale deleted from the sales list
  // (its sub-group and gilts stay in the free row).
  herd.freeGroup = static_cast<long>(herd.groups.size() / 3);
  herd.groups[static_cast<size_t>(herd.freeGroup - 1)] = GroupRecord{};
  herd.freeSale = static_cast<long>(herd.sales.size() / 2);
  SalesRecord& gone = herd.sales[static_cast<size_t>(herd.freeSale - 1)];
  const SalesRecord kept = gone;
  gone = SalesRecord{};
  gone.SubGroup = kept.SubGroup;
  gone.GiltsSold = kept.GiltsSold;

  // The earlier group years, two nursery groups a week, from the year before
  // the first back until GROUP.DAT is full (its last group cut where the file
  // ends). SALES.DAT is full, so none has a sales row, and none is carried
  // into the next year. Their two-digit years stay clear of the years above.
  Seeded older(20240603);
  GroupYard past(herd, older);
  for (int year = herd.size.firstGroupYear - 1; !past.full(); --year) {
    if (year <= kLastGroupYear - 100) std::abort();  // its IDs would be those of a later year
    const int base = year % 2 ? 200 : 100;
    const long first = DayCount("01/03/" + std::to_string(year));
    for (int week = 0; week < kNurseryGroups && !past.full(); ++week)
      for (int barn = 0; barn < 2; ++barn) past.nursery(base + 52 * barn + week + 1, year, first + 7 * week + barn);
  }
  herd.groups.resize(static_cast<size_t>(herd.size.groupRecords));
}

}  // namespace

FarmSize FarmSize::full() {
  FarmSize f;
  f.sows = 4799;
  f.deletedSow = 3600;
  f.boars = 64;
  f.boarRecords = f.litterRecords = f.ingredientRecords = kLastRecord;
  f.deletedIngredient = 30000;
  f.firstGroupYear = 1995;
  f.groupRecords = f.salesRecords = kLastRecord;
  f.drugRecords = kLastRecord;
  f.deletedDrug = 30000;
  f.batchRecords = kLastRecord;
  f.freedBatch = 20000;
  f.deletedMedicatedBatch = 15005;
  f.doses = 8420;
  f.dosedDrugs = 400;
  return f;
}

FarmSize FarmSize::small() {
  FarmSize f;
  f.sows = 1200;
  f.deletedSow = 900;
  f.boars = 16;
  // BOAR.DAT is scanned about 64 KB at a time: 60 of its 1084-byte records.
  // The boars stand in records 52 to 67, the ninth and tenth (both in the
  // herd) in records 60 and 61, the last of the first block and the first of
  // the second, so that a scan that loses a record at a block's edge, or
  // reads one block only, lists fewer boars.
  f.firstBoar = 52;
  f.boarRecords = 400;
  f.litterRecords = 8000;
  // Ingredient codes run from I00001: past I10000 some hold "I1".
  f.ingredientRecords = 12000;
  f.deletedIngredient = 11000;
  f.firstGroupYear = 2015;
  f.groupRecords = 3500;
  f.salesRecords = 10000;
  f.drugRecords = 6000;
  f.deletedDrug = 5000;
  f.batchRecords = 6000;
  f.freedBatch = 4000;
  f.deletedMedicatedBatch = 3005;  // a medicated batch: every twelfth from the fifth
  f.doses = 3000;
  f.dosedDrugs = 400;
  return f;
}

BenchHerd MakeBenchHerd(const FarmSize& size) {
  Seeded rng(20240601);
  BenchHerd herd;
  herd.size = size;
  const long firstDay = DayCount("01/01/2012");
  std::vector<std::string> boarIds;
  herd.boars.resize(static_cast<size_t>(size.firstBoar - 1));  // free records before the first boar
  for (int b = 1; b <= size.boars; ++b) {
    BoarRecord boar;
    // Every fourth boar's ID fills its eight characters.
    boar.Id = b % 4 == 0 ? "BOAR" + std::to_string(10000 + b).substr(1) : "B" + std::string(b < 10 ? "0" : "") + std::to_string(b);
    boar.Breed = rng.pick(kBreeds);
    const long born = firstDay + rng.between(0, 3000);
    boar.DateOfBirth = day(born);
    boar.DateEnteredHerd = day(born + rng.between(180, 240));
    boar.DateLeftHerd = b % 8 == 0 ? day(born + rng.between(700, 1500)) : records::kEmptyDate;
    boar.PrvDate = b % 3 ? day(born + rng.between(300, 3000)) : records::kEmptyDate;
    boar.DaysTo230 = static_cast<int16_t>(rng.between(140, 190));
    boar.Backfat = static_cast<float>(rng.between(50, 110)) / 100.0f;
    boar.Loineye = static_cast<float>(rng.between(550, 800)) / 100.0f;
    boar.PurchasePrice = records::Currency::fromDouble(rng.between(400, 1500));
    boar.Location = (b % 4 == 0 ? "BOARPEN" : "BOAR") + std::to_string(rng.between(1, 9));
    notes(rng, boar.NoteLine, 40);
    herd.boars.push_back(boar);
    boarIds.push_back(boar.Id);
  }
  herd.boars.resize(static_cast<size_t>(size.boarRecords));  // BOAR.DAT to its last record, the rest free

  for (size_t i = 0; i < static_cast<size_t>(size.sows); ++i) {
    SowRecord s;
    s.Breed = rng.pick(kBreeds);
    // Every tenth sow's ID fills its eight characters.
    s.Id = s.Breed.substr(0, 1) + (i % 10 == 7 ? "SOW" : "") + std::to_string(1000 + i);
    const long born = firstDay + rng.between(0, 3650);
    const long entered = born + rng.between(180, 240);
    s.DateOfBirth = day(born);
    s.DateEnteredHerd = day(entered);
    s.PrvDate = rng.chance(70) ? day(entered + rng.between(10, 60)) : records::kEmptyDate;
    s.DaysTo230 = static_cast<int16_t>(rng.between(150, 200));
    s.Backfat = static_cast<float>(rng.between(60, 120)) / 100.0f;
    s.Loineye = static_cast<float>(rng.between(500, 750)) / 100.0f;
    s.PurchasePrice = records::Currency::fromDouble(rng.between(150, 400));
    const int pen = rng.between(1, 40);
    s.Location = i % 9 == 4 ? "FARROW" + twoDigits(pen) : "PEN" + std::to_string(pen);
    const bool left = rng.chance(10);

    const long room = size.litterRecords - static_cast<long>(herd.litters.size());
    int parities = i == size.deletedSow || rng.chance(85) ? kMaxParities : rng.between(0, kMaxParities - 1);
    parities = static_cast<int>(std::min<long>(parities, room));
    long last = entered;
    for (int k = 0; k < parities; ++k) {
      FarrowRecord f;
      f.Status = left ? FarrowRecord::LeftHerd : FarrowRecord::InHerd;
      last = entered + 120 + k * 150 + rng.between(0, 20);
      f.DateBorn = day(last);
      f.BornCount = static_cast<int16_t>(rng.between(8, 16));
      f.AliveCount = static_cast<int16_t>(f.BornCount - rng.between(0, 2));
      f.BirthWeight = static_cast<float>(f.AliveCount * rng.between(28, 36)) / 10.0f;
      if (!left && k == parities - 1 && rng.chance(30)) {
        f.DateWeaned = records::kEmptyDate;  // still nursing
      } else {
        f.WeaningAge = static_cast<int16_t>(rng.between(18, 26));
        f.DateWeaned = day(last + f.WeaningAge);
        f.WeanedCount = static_cast<int16_t>(std::max(0, f.AliveCount - rng.between(0, 2)));
        f.WeaningWeight = static_cast<float>(f.WeanedCount * rng.between(110, 150)) / 10.0f;
      }
      if (rng.chance(20)) f.FosteredTo = static_cast<int16_t>(rng.between(1, 3));
      if (rng.chance(20)) f.FosteredFrom = static_cast<int16_t>(rng.between(1, 3));
      f.BoarId = rng.pick(boarIds);
      herd.litters.push_back(f);
      s.FarrowRecNo[static_cast<size_t>(k)] = static_cast<int16_t>(herd.litters.size());
    }
    s.ParityCount = static_cast<int16_t>(parities);
    if (!left && rng.chance(60)) {
      s.DateBred = day(last + 30 + rng.between(0, 60));
      s.DateDue = DateAfter(s.DateBred, kGestationDays);
      s.BoarId = rng.pick(boarIds);
    } else {
      s.DateBred = s.DateDue = records::kEmptyDate;
    }
    if (left) {
      s.DateLeftHerd = day(last + rng.between(30, 200));
      s.SoldPrice = records::Currency::fromDouble(rng.between(100, 300));
    } else {
      s.DateLeftHerd = records::kEmptyDate;
    }
    notes(rng, s.NoteLine, 35);

    if (i == size.deletedSow) {  // deleted: her record and her litters are free
      herd.freeSow = static_cast<long>(i) + 1;
      herd.freeLitter = s.FarrowRecNo[0];
      for (int k = 0; k < parities; ++k)
        herd.litters[static_cast<size_t>(s.FarrowRecNo[static_cast<size_t>(k)] - 1)] = FarrowRecord{};
      s = SowRecord{};
    }
    herd.sows.push_back(s);
  }

  // Every record number a selection can hold; a tenth without stock.
  for (long n = 1; n <= size.ingredientRecords; ++n) {
    IngredientRecord f;
    if (n != size.deletedIngredient) {
      const std::string number = std::to_string(100000 + n).substr(1);
      f.IngredientCode = "I" + number;
      f.IngredientName = rng.pick(kFeeds) + " " + number;
      f.StartInventory = rng.between(1000, 50000);
      f.CurrentInventory = rng.chance(10) ? 0 : rng.between(-500, f.StartInventory);
      f.TotalCost = records::Currency::fromDouble(f.StartInventory * rng.between(5, 40) / 100.0);
      f.UnitCost = records::Currency::fromDouble(f.TotalCost.value() / f.StartInventory);
      f.InventoryDate = day(firstDay + rng.between(0, 4000));
    }
    herd.ingredients.push_back(f);
  }
  herd.freeIngredient = size.deletedIngredient;

  MakeBenchGroups(herd);
  return herd;
}

bool WriteBenchHerd(const BenchHerd& herd, const std::string& folder) {
  return WriteBenchRecords(folder + kSowFileName, herd.sows) && WriteBenchRecords(folder + kFarrowFileName, herd.litters) &&
         WriteBenchRecords(folder + kBoarFileName, herd.boars) && WriteBenchRecords(folder + IngredientRecord::FileName, herd.ingredients) &&
         WriteBenchRecords(folder + GroupRecord::FileName, herd.groups) && WriteBenchRecords(folder + SalesRecord::FileName, herd.sales);
}
