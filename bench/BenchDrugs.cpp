#include "bench/BenchDrugs.h"

#include <string>

#include "platform/FileSystem.h"
#include "records/RecordIo.h"
#include "records/RecordSlots.h"

namespace {

constexpr long kDeletedDrug = 30000;
constexpr int kDoses = 8420;

const char* const kNames[] = {"PENICILLIN G", "OXYTETRACYCLINE", "IVERMECTIN", "PARVO LEPTO VAC", "IRON DEXTRAN",
                              "TYLOSIN", "LINCOMYCIN", "E COLI BACTERIN"};

std::string codeOf(long n) { return "D" + std::to_string(n); }

// Writes the file record by record (the set-up is not timed).
template <class R>
bool writeAll(const std::string& path, const std::vector<R>& rows) {
  records::TypedFile<R> file;
  if (!platform::writeWholeFile(path, {}) || !file.open(path)) return false;
  long n = 0;
  for (const R& r : rows)
    if (!file.write(++n, r)) return false;
  return true;
}

}  // namespace

BenchDrugs MakeBenchDrugs() {
  BenchDrugs out;
  const char* const types[] = {"V", "F", "W"};
  const char* const units[] = {"M", "L", "O"};
  for (long n = 1; n <= records::kMaxRecordNumber; ++n) {
    DrugRecord d;
    if (n != kDeletedDrug) {
      const size_t kind = static_cast<size_t>(n % 3);
      d.DrugName = kNames[n % 8];
      d.DrugCode = codeOf(n);
      d.DrugType = types[kind];
      d.DrugUnit = units[kind];
      d.Dosage = static_cast<float>(n % 40) / 4.0f;
      d.WithdrawalDays = std::to_string(n % 30);
      d.LotNumber = "LOT" + std::to_string(n * 7);
      d.PurchaseDate = "0" + std::to_string(n % 9 + 1) + "/15/20" + std::to_string(10 + n % 15);
      d.ExpirationDate = n % 4 == 0 ? records::kEmptyDate : "12/31/2030";
      d.InventoryAmount = n % 10 == 0 ? 0.0f : static_cast<float>(n % 5000) / 2.0f;
      d.AmountPurchased = static_cast<float>(n % 5000 + 100);
      d.DrugCost = records::Currency::fromDouble(static_cast<double>(n % 900) + 0.25);
      d.Manufacturer = "MAKER " + std::to_string(n % 12);
      d.DrugNote = "KEEP REFRIGERATED";
    }
    out.drugs.push_back(d);
  }
  out.freeDrug = kDeletedDrug;
  for (int k = 0; k < kDoses; ++k) {
    MedicationRecord m;
    m.SowId = "S" + std::to_string(1000 + k % 4799);
    m.DrugCode = codeOf(1 + (k * 37) % 400);
    m.DrugName = kNames[k % 8];
    m.Dosage = static_cast<float>(k % 9 + 1) / 2.0f;
    m.UnitCost = records::Currency::fromDouble(0.5 + k % 5);
    m.DrugUnit = "M";
    m.DateUsed = "03/01/2024";
    m.GivenBy = "JH";
    out.doses.push_back(m);
  }
  return out;
}

bool WriteBenchDrugs(const BenchDrugs& drugs, const std::string& folder, const std::string& medFile) {
  return writeAll(folder + kDrugFileName, drugs.drugs) && writeAll(folder + medFile, drugs.doses);
}
