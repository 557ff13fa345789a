#include "bench/BenchDrugs.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "bench/Stored.h"
#include "platform/FileSystem.h"

namespace {


// Two names fill the name's twenty characters.
const char* const kNames[] = {"PENICILLIN G PROCAIN", "OXYTETRACYCLINE", "IVERMECTIN",      "PARVO LEPTO ERY VACC",
                              "IRON DEXTRAN",         "TYLOSIN",         "LINCOMYCIN",      "E COLI BACTERIN"};
const char* const kGivers[] = {"JH", "MK", "RT", "AB", "LW", "DS"};

// "D" and the record number; every fifth drug's number written with five
// digits, so that its code fills the code's six characters also on a small
// farm.
std::string codeOf(long n) { return "D" + (n % 5 == 2 ? std::to_string(100000 + n).substr(1) : std::to_string(n)); }

// The group keys (three digits) of a stage's groups of the year.
std::vector<std::string> groupKeys(const BenchHerd& herd, const std::string& stage, int year) {
  std::vector<std::string> keys;
  const std::string yy = std::to_string(year % 100 + 100).substr(1);
  for (const GroupRecord& g : herd.groups)
    if (g.Stage == stage && g.GroupId.size() == 6 && g.GroupId.substr(4, 2) == yy &&
        std::find(keys.begin(), keys.end(), g.GroupId.substr(0, 3)) == keys.end())
      keys.push_back(g.GroupId.substr(0, 3));
  return keys;
}

// A batch's number: its record number written to five digits.
std::string batchNumber(long n) {
  char text[32];
  std::snprintf(text, sizeof text, "%05ld", n);
  return text;
}

// An animal of the herd: an ID and no date left herd.
bool inHerd(const AnimalRecord& a) {
  return a.Id.find_first_not_of(' ') != std::string::npos && a.DateLeftHerd == "__/__/____";
}

// A dose of drug `code` (1 to the farm's dosed drugs) on `date`.
MedicationRecord dose(const BenchDrugs& drugs, long code, const std::string& date, size_t k) {
  const DrugRecord& d = drugs.drugs[static_cast<size_t>(code - 1)];
  MedicationRecord m;
  m.DrugCode = d.DrugCode;
  m.DrugName = d.DrugName;
  m.LotNumber = d.DrugType == "V" ? d.LotNumber : "";
  m.Dosage = static_cast<float>(k % 9 + 1) / 2.0f;
  m.UnitCost = records::Currency::fromDouble(0.5 + static_cast<double>(k % 5));
  m.DrugUnit = d.DrugUnit;
  m.DateUsed = date;
  m.GivenBy = kGivers[k % 6];
  return m;
}

}  // namespace

BenchDrugs MakeBenchDrugs(const FarmSize& size) {
  BenchDrugs out;
  const char* const types[] = {"V", "F", "W"};
  const char* const units[] = {"M", "L", "O"};
  for (long n = 1; n <= size.drugRecords; ++n) {
    DrugRecord d;
    if (n != size.deletedDrug) {
      const size_t kind = static_cast<size_t>(n % 3);
      d.DrugName = kNames[n % 8];
      d.DrugCode = codeOf(n);
      d.DrugType = types[kind];
      d.DrugUnit = units[kind];
      d.Dosage = static_cast<float>(n % 40) / 4.0f;
      // Some withdrawal periods, lot numbers and makers fill their fields.
      d.WithdrawalDays = std::to_string(n % 30 + (n % 7 == 0 ? 100 : 0));
      d.LotNumber = "LOT" + std::to_string(n * 7);
      if (n % 6 == 1) d.LotNumber = (d.LotNumber + "-SERIAL-ABCDEF").substr(0, 15);
      d.PurchaseDate = "0" + std::to_string(n % 9 + 1) + "/15/20" + std::to_string(10 + n % 15);
      d.ExpirationDate = n % 4 == 0 ? records::kEmptyDate : "12/31/2030";
      d.InventoryAmount = n % 10 == 0 ? 0.0f : static_cast<float>(n % 5000) / 2.0f;
      d.AmountPurchased = static_cast<float>(n % 5000 + 100);
      d.DrugCost = records::Currency::fromDouble(static_cast<double>(n % 900) + 0.25);
      d.Manufacturer = n % 12 == 11 ? "MAKER 11 ANIMAL HLTH" : "MAKER " + std::to_string(n % 12);
      d.DrugNote = "KEEP REFRIGERATED";
    }
    out.drugs.push_back(d);
  }
  out.freeDrug = size.deletedDrug;
  return out;
}

BenchYear MakeBenchYear(const BenchHerd& herd, const BenchDrugs& drugs, int year, size_t doseCount) {
  BenchYear out;
  out.year = std::to_string(year);
  const long first = DayCount("01/01/" + out.year), days = DayCount("12/31/" + out.year) - first + 1;
  const std::vector<std::string> keys[3] = {groupKeys(herd, "N", year), groupKeys(herd, "G", year),
                                            groupKeys(herd, "F", year)};
  const FarmSize& size = herd.size;
  const long dosed = size.dosedDrugs;
  std::vector<MedicationRecord> doses;
  for (long n = 1; n <= size.batchRecords; ++n) {
    FeedBatchRecord b;
    if (n != size.freedBatch) {
      const size_t type = static_cast<size_t>(n % 5);
      const bool medicated = n % 12 == 5;
      b.FeedType = std::string(1, "NGFEL"[type]);
      b.BatchNumber = (medicated ? "M" : "") + batchNumber(n);
      if (type < 3) b.GroupId = keys[type][static_cast<size_t>(n / 5) % keys[type].size()];
      b.DateGround = DateOfDayCount(first + (n * 7919) % days);
      b.TotalPounds = 0;
      for (size_t k = 0; k < 3; ++k) {
        b.Ingredients[k] = {"I" + std::to_string(100001 + (n + static_cast<long>(k) * 11) % 900).substr(1),
                            static_cast<int32_t>(100 + (n + static_cast<long>(k)) % 700)};
        b.TotalPounds += b.Ingredients[k].Amount;
      }
      b.TotalCost = records::Currency::fromDouble(static_cast<double>(n % 400) + 0.5);
      if (medicated) {  // its doses, the day it was ground
        const size_t k = doses.size();
        doses.push_back(dose(drugs, 1 + (n * 37) % dosed, b.DateGround, k));
        doses.back().BatchId = batchNumber(n);
        if (n % 48 == 5) {
          doses.push_back(dose(drugs, 1 + (n * 53) % dosed, b.DateGround, k + 1));
          doses.back().BatchId = batchNumber(n);
        }
      }
    }
    if (n == size.deletedMedicatedBatch) b = FeedBatchRecord{};
    out.batches.push_back(b);
  }
  out.freeBatch = size.freedBatch;

  // The rest of the file: the sows and boars in the herd and the year's
  // groups, in turn.
  std::vector<std::string> sows, boars, groups;
  for (const SowRecord& s : herd.sows)
    if (inHerd(s)) sows.push_back(s.Id);
  for (const BoarRecord& b : herd.boars)
    if (inHerd(b)) boars.push_back(b.Id);
  const std::string yy = std::to_string(year % 100 + 100).substr(1);
  for (const GroupRecord& g : herd.groups)
    if (g.GroupId.size() == 6 && g.GroupId.substr(4, 2) == yy && g.SubGroup == 0) groups.push_back(g.GroupId);
  for (size_t k = doses.size(); k < (doseCount ? doseCount : size.doses); ++k) {
    MedicationRecord m = dose(drugs, 1 + static_cast<long>(k * 37) % dosed,
                              DateOfDayCount(first + static_cast<long>(k * 7) % days), k);
    if (k % 12 == 0) m.GroupId = groups[k / 12 % groups.size()];
    else if (k % 15 == 1) m.BoarId = boars[k % boars.size()];
    else m.SowId = sows[k * 7 % sows.size()];
    doses.push_back(m);
  }
  // Entered day by day, as the year went.
  std::stable_sort(doses.begin(), doses.end(), [](const MedicationRecord& a, const MedicationRecord& b) {
    return DayCount(a.DateUsed) < DayCount(b.DateUsed);
  });
  out.doses = std::move(doses);
  return out;
}

bool WriteBenchDrugs(const BenchDrugs& drugs, const std::string& folder) {
  return WriteBenchRecords(folder + kDrugFileName, drugs.drugs);
}

std::string BenchFeedFile(const std::string& year) { return "FEED" + year + ".DAT"; }
std::string BenchMedFile(const std::string& year) { return "MED" + year + ".DAT"; }

bool WriteBenchYear(const BenchYear& year, const std::string& folder) {
  return WriteBenchRecords(folder + BenchFeedFile(year.year), year.batches) &&
         WriteBenchRecords(folder + BenchMedFile(year.year), year.doses);
}
