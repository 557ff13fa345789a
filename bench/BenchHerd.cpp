#include "bench/BenchHerd.h"

#include <algorithm>
#include <cstdint>

#include "common/DateMath.h"
#include "platform/FileSystem.h"
#include "records/Fields.h"
#include "records/RecordSlots.h"

namespace {

constexpr int kSows = 4799;
constexpr int kBoars = 64;
constexpr size_t kDeletedSow = 3600;  // index of the sow that was deleted
constexpr long kDeletedIngredient = 30000;  // the record of the ingredient that was deleted

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

const std::vector<std::string> kBreeds = {"YORKSHIRE", "DUROC",         "LANDRACE",
                                          "HAMPSHIRE", "YORK X LANDRACE", "CHESTER WHITE"};
const std::vector<std::string> kFeeds = {"SHELLED CORN", "SOYBEAN MEAL 44%", "OATS", "BARLEY", "WHEAT MIDDS",
                                         "DRIED WHEY", "FISH MEAL", "LIMESTONE", "DICAL PHOSPHATE", "SALT"};
const std::vector<std::string> kNotes = {"VACCINATED FOR PARVO AND LEPTO", "LAME LEFT REAR FOOT, TREATED",
                                         "GOOD MOTHER, KEEP FOR BREEDING", "RETURNED TO HEAT ONCE",
                                         "MOVED FROM NURSERY BARN",        "CULL AFTER NEXT LITTER"};

std::string day(long dayNumber) { return DateOfDay(dayNumber); }

void notes(Seeded& rng, NotePad& pad, int percent) {
  if (!rng.chance(percent)) return;
  const int n = rng.between(1, 4);
  for (int k = 0; k < n; ++k) pad.setLine(k, rng.pick(kNotes));
}

template <class R>
bool writeAll(const std::string& path, const std::vector<R>& rows) {
  records::Bytes bytes;
  bytes.reserve(rows.size() * static_cast<size_t>(R::Length));
  for (const R& r : rows) {
    const records::Bytes b = records::encode(r);
    bytes.insert(bytes.end(), b.begin(), b.end());
  }
  return platform::writeWholeFile(path, bytes);
}

}  // namespace

BenchHerd MakeBenchHerd() {
  Seeded rng(20240601);
  BenchHerd herd;
  const long firstDay = *DayNumber("01/01/2012");
  std::vector<std::string> boarIds;
  for (int b = 1; b <= kBoars; ++b) {
    BoarRecord boar;
    boar.Id = "B" + std::string(b < 10 ? "0" : "") + std::to_string(b);
    boar.Breed = rng.pick(kBreeds);
    const long born = firstDay + rng.between(0, 3000);
    boar.DateOfBirth = day(born);
    boar.DateEnteredHerd = day(born + rng.between(180, 240));
    boar.DateLeftHerd = b % 8 == 0 ? day(born + rng.between(700, 1500)) : records::kEmptyDate;
    boar.PrvDate = records::kEmptyDate;
    boar.DaysTo230 = static_cast<int16_t>(rng.between(140, 190));
    boar.Backfat = static_cast<float>(rng.between(50, 110)) / 100.0f;
    boar.Loineye = static_cast<float>(rng.between(550, 800)) / 100.0f;
    boar.PurchasePrice = records::Currency::fromDouble(rng.between(400, 1500));
    boar.Location = "BOAR" + std::to_string(rng.between(1, 9));
    notes(rng, boar.NoteLine, 40);
    herd.boars.push_back(boar);
    boarIds.push_back(boar.Id);
  }

  for (size_t i = 0; i < kSows; ++i) {
    SowRecord s;
    s.Breed = rng.pick(kBreeds);
    s.Id = s.Breed.substr(0, 1) + std::to_string(1000 + i);
    const long born = firstDay + rng.between(0, 3650);
    const long entered = born + rng.between(180, 240);
    s.DateOfBirth = day(born);
    s.DateEnteredHerd = day(entered);
    s.PrvDate = rng.chance(70) ? day(entered + rng.between(10, 60)) : records::kEmptyDate;
    s.DaysTo230 = static_cast<int16_t>(rng.between(150, 200));
    s.Backfat = static_cast<float>(rng.between(60, 120)) / 100.0f;
    s.Loineye = static_cast<float>(rng.between(500, 750)) / 100.0f;
    s.PurchasePrice = records::Currency::fromDouble(rng.between(150, 400));
    s.Location = "PEN" + std::to_string(rng.between(1, 40));
    const bool left = rng.chance(10);

    const long room = records::kMaxRecordNumber - static_cast<long>(herd.litters.size());
    int parities = i == kDeletedSow || rng.chance(85) ? kMaxParities : rng.between(0, kMaxParities - 1);
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
      s.DateDue = DueDate(s.DateBred);
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

    if (i == kDeletedSow) {  // deleted: her record and her litters are free
      herd.freeSow = static_cast<long>(i) + 1;
      herd.freeLitter = s.FarrowRecNo[0];
      for (int k = 0; k < parities; ++k)
        herd.litters[static_cast<size_t>(s.FarrowRecNo[static_cast<size_t>(k)] - 1)] = FarrowRecord{};
      s = SowRecord{};
    }
    herd.sows.push_back(s);
  }

  // Every record number a selection can hold; a tenth without stock.
  for (long n = 1; n <= records::kMaxRecordNumber; ++n) {
    IngredientRecord f;
    if (n != kDeletedIngredient) {
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
  herd.freeIngredient = kDeletedIngredient;
  return herd;
}

bool WriteBenchHerd(const BenchHerd& herd, const std::string& folder) {
  return writeAll(folder + kSowFileName, herd.sows) && writeAll(folder + kFarrowFileName, herd.litters) &&
         writeAll(folder + kBoarFileName, herd.boars) && writeAll(folder + IngredientRecord::FileName, herd.ingredients);
}
