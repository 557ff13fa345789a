#include "medication/DrugPrintouts.h"

#include <algorithm>
#include <numeric>
#include <string_view>

#include "common/FixedLine.h"
#include "common/Format.h"
#include "common/HogGlobals.h"
#include "common/NumberText.h"
#include "common/PrintListing.h"
#include "common/PrintSheet.h"
#include "medication/DrugListLine.h"
#include "platform/Dialogs.h"
#include "platform/Refusal.h"

namespace {

constexpr int kListingWidth = 88;
constexpr int kTotalsWidth = 84;

const char* sheetTypeWord(const std::string& type) {
  if (type == "V") return "VACCINE";
  if (type == "F") return "FEED MEDICATION";
  if (type == "W") return "WATER MEDICATION";
  return "";
}

const char* sheetUnitWord(const std::string& unit) {
  if (unit == "M") return "ML or CC";
  if (unit == "L") return "LB/Ton";
  if (unit == "O") return "OZ/Gal";
  return "";
}

const char* totalsTypeWord(const std::string& type) {
  if (type == "V") return "VACCINE";
  if (type == "F") return "FEED MED";
  if (type == "W") return "WATER MED";
  return "";
}

std::string sheetDate(const std::string& stored) { return stored == records::kEmptyDate ? "" : RTrim(stored); }

// `text` read back and `value` added, formatted again: each step rounds.
std::string added(const std::string& text, double value, const char* mask) { return Format(Val(text) + value, mask); }

const std::array<const char*, 13> kSheetLabels = {
    "",
    "Drug NAME. ------------------------>",
    "Drug Type. (Vaccine, Feed, Water) ->",
    "Drug UNIT Value. ------------------>",
    "Drug MANUFACTURER. ---------------->",
    "Standard Dosage. ------------------>",
    "LOT/Serial NUMBER. ---------------->",
    "WITHDRAWAL PERIOD in Days. -------->",
    "Date PURCHASED. ------------------->",
    "Date Of EXPIRATION. --------------->",
    "AMOUNT remaining in INVENTORY. ---->",
    "COST of DRUG. --------------------->",
    "AMOUNT of DRUG PURCHASED. --------->",
};
// The field each body line shows.
constexpr std::array<int, 13> kSheetFieldOfLine = {0, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14};

}  // namespace

// ---- The listing ------------------------------------------------------------

DrugListing::DrugListing(std::vector<long> records)
    : records_(std::move(records)), byRecord_(records_.size()), fields_(records_.size()) {
  std::iota(byRecord_.begin(), byRecord_.end(), size_t{0});
  std::stable_sort(byRecord_.begin(), byRecord_.end(), [this](size_t a, size_t b) { return records_[a] < records_[b]; });
}

void DrugListing::add(long n, const uint8_t* drug) {
  last_ = n;
  for (; next_ < byRecord_.size() && records_[byRecord_[next_]] <= n; ++next_)
    if (records_[byRecord_[next_]] == n) fields_[byRecord_[next_]] = DrugLineFieldsOf(drug);
}

ListingLines DrugListing::Lines() {
  size_t kept = 0;
  for (size_t i = 0; i < records_.size(); ++i)
    if (records_[i] <= last_) fields_[kept++] = fields_[i];
  fields_.resize(kept);
  records_ = {};
  byRecord_ = {};
  return {kept, [fields = std::move(fields_)](size_t i) {
            return WriteDrugLine(fields[i], kDrugListingColumns, kListingWidth);
          }};
}

void PrintDrugListing(const ListingLines& lines, const std::string& shown) {
  const std::string heading = FixedLine(kListingWidth).put(2, Trim(shown), 61).put(63, "DRUG           INVENTORY", 24).str();
  PrintCourierListing("D R U G   L I S T I N G", heading,
                      " DRUG CODE        DRUG (NAME)                DOSAGE           TYPE             AMOUNT ", lines);
}

// ---- The data sheets ------------------------------------------------------

DrugSheetFields SheetFieldsOf(const DrugRecord& drug) {
  DrugSheetFields f;
  f[1] = RTrim(drug.DrugName);
  f[2] = RTrim(drug.DrugCode);
  f[3] = sheetTypeWord(drug.DrugType);
  f[4] = sheetUnitWord(drug.DrugUnit);
  f[5] = RTrim(drug.Manufacturer);
  f[6] = OneDecimal(drug.Dosage);
  f[7] = RTrim(drug.LotNumber);
  f[8] = RTrim(drug.WithdrawalDays);
  f[9] = RTrim(drug.PurchaseDate);
  f[10] = RTrim(drug.ExpirationDate);
  f[11] = OneDecimal(drug.InventoryAmount);
  f[12] = Format(drug.DrugCost.value(), "0.00");
  f[13] = RTrim(drug.DrugNote);
  f[14] = OneDecimal(drug.AmountPurchased);
  return f;
}

std::vector<std::string> DrugSheetLines(const DrugSheetFields& fields) {
  std::vector<std::string> lines;
  for (size_t i = 0; i < kSheetLabels.size(); ++i) {
    const int field = kSheetFieldOfLine[i];
    const std::string& text = fields[static_cast<size_t>(field)];
    lines.push_back(kSheetLabels[i] + (field == 9 || field == 10 ? sheetDate(text) : text));
  }
  return lines;
}

void PrintDrugSheet(const DrugSheetFields& fields) {
  SetSheetJob("D R U G  C O D E (" + fields[2] + ") S H E E T", 12);
  PrintSheet sheet("Courier New", 12);
  sheet.SetRows(60, -60);
  sheet.Rows(DrugSheetLines(fields));
  sheet.RuledHeading(" *** N O T E   P A D *** ", 600, 530);
  sheet.SetRows(0, 0);
  sheet.Row(1, Trim(fields[13]));
  sheet.End();
}

// ---- The yearly totals ------------------------------------------------------

void DrugYearTotals::add(const uint8_t* drug) {
  static const DrugRecord proto;
  static const records::FieldMask<DrugRecord> used(
      proto, {&proto.DrugName, &proto.DrugType, &proto.PurchaseDate, &proto.InventoryAmount, &proto.AmountPurchased,
              &proto.DrugCost});
  DrugRecord d;
  records::decodeInto(drug, d, used);
  const std::string date = RTrim(d.PurchaseDate);
  if (year_.empty() || date.size() < year_.size() || date.compare(date.size() - year_.size(), year_.size(), year_) != 0)
    return;
  const std::string name = UCase(RTrim(d.DrugName));
  if (Trim(name).empty()) return;  // a free record is no drug
  const auto [at, isNew] = rowOf_.emplace(name, totals_.size());
  if (isNew) {
    totals_.push_back({name, totalsTypeWord(d.DrugType), OneDecimal(d.InventoryAmount), OneDecimal(d.AmountPurchased),
                       Format(d.DrugCost.value(), "0.00")});
    return;
  }
  DrugTotal& t = totals_[at->second];
  t.inventory = added(t.inventory, d.InventoryAmount, "0.0");
  t.purchased = added(t.purchased, d.AmountPurchased, "0.0");
  t.cost = added(t.cost, d.DrugCost.value(), "0.00");
}

std::string DrugTotalsLine(const DrugTotal& total) {
  FixedLine line(kTotalsWidth);
  line.put(1, total.name, 20)
      .put(24, total.type, 9)
      .putRight(38, total.purchased, 7)
      .putRight(50, total.inventory, 7)
      .putRight(62, Format(Val(total.purchased) - Val(total.inventory), "0.0"), 7)
      .putRight(72, total.cost, 10);
  return line.str();
}

void PrintDrugTotals(const std::vector<DrugTotal>& totals, const std::string& year) {
  std::vector<std::string> lines;
  for (const DrugTotal& t : totals) lines.push_back(DrugTotalsLine(t));
  PrintCourierListing("D R U G   T O T A L S  for (" + year + ")", "Date of REPORT is: " + DateText,
                      "DRUG NAME.             DRUG TYPE.  AMT PURCH.  AMT in INV.  AMT USED.  TOTAL COST", lines,
                      {.linesPerPage = 39, .fontSize = 12});
}

bool AskDrugYear(std::string& Year) {
  for (;;) {
    const std::optional<std::string> typed =
        InputBox("Enter the YEAR for the DRUG TOTALS report below:", "ENTER  DRUG  YEAR",
                 DateText.size() > 4 ? DateText.substr(DateText.size() - 4) : DateText, 2600, 2000);
    if (!typed || typed->empty()) return false;
    const std::string year = Trim(*typed);
    if (year.size() == 4) {
      Year = year;  // blanks around it would keep every date from ending in it
      return true;
    }
    if (Alert("INVALID DATE " + year + "!\r\rDo you want to re-enter the DATE?",
              platform::vbYesNo | platform::vbExclamation, "DRUG  YEAR  ERROR") != platform::vbYes)
      return false;
  }
}
