#include "groups/SaleEdit.h"

#include <cfloat>

#include "common/Format.h"
#include "common/NumberText.h"

namespace {

Refusal Refused(const std::string& text, int field) {
  return Refusal{text, kSaleEditTitle, platform::vbExclamation, field};
}

// A typed count within 0 to 32767.
bool FitsCount(const std::string& text, int& count) { return ToInteger(Val(text), count) && count >= 0; }

// A typed figure that a Single holds.
bool FitsSingle(const std::string& text) {
  const double v = Val(text);
  return v >= -static_cast<double>(FLT_MAX) && v <= static_cast<double>(FLT_MAX);
}

float SingleOf(const std::string& text) { return FitsSingle(text) ? static_cast<float>(Val(text)) : 0.0f; }

struct KillBox {
  std::string SaleEntry::*text;
  float SalesRecord::*field;
  int box;
};
constexpr KillBox kKillBoxes[] = {{&SaleEntry::backfat, &SalesRecord::Backfat, kSaleBackfatField},
                                  {&SaleEntry::lean, &SalesRecord::PercentLean, kSaleLeanField},
                                  {&SaleEntry::ffli, &SalesRecord::FatFreeLeanIndex, kSaleFfliField},
                                  {&SaleEntry::hcw, &SalesRecord::HotCarcassWeight, kSaleHcwField},
                                  {&SaleEntry::premium, &SalesRecord::GradeYieldPremium, kSalePremiumField},
                                  {&SaleEntry::loineye, &SalesRecord::Loineye, kSaleLoineyeField}};

}  // namespace

Check CheckSaleDate(const SaleEntry& e) {
  if (e.date == records::kEmptyDate) return Refused("The DATE SOLD, is a required entry!", kSaleDateField);
  return std::nullopt;
}

Check CheckSaleFigures(const SaleEntry& e, bool adjustment) {
  int pigs = 0, gilts = 0;
  const char negative[] = "The NUMBER of PIGs can't be less than zero!";
  if (!FitsCount(e.pigs, pigs)) return Refused(negative, kSalePigsField);
  if (!FitsCount(e.gilts, gilts)) return Refused(negative, kSaleGiltsField);
  if (pigs == 0 && gilts == 0)
    return Refused("YOU MUST ENTER SOMETHING IN\rNUMBER OF PIG'S SOLD and or GILTS", kSalePigsField);
  const double weight = Val(e.weight);
  if (weight == 0) return Refused("WEIGHT SOLD, is a required entry!", kSaleWeightField);
  if (weight < 0 || !FitsSingle(e.weight)) return Refused("The WEIGHT SOLD can't be less than zero!", kSaleWeightField);
  if (adjustment) return std::nullopt;
  const double price = Val(e.price);
  if (price == 0 && pigs != 0) return Refused("YOU MUST ENTER SOMETHING IN\rPRICE per LB!", kSalePriceField);
  if (price < 0 || !FitsSingle(e.price)) return Refused("The PRICE per LB can't be less than zero!", kSalePriceField);
  for (const KillBox& k : kKillBoxes)
    if (k.box != kSalePremiumField && (Val(e.*k.text) < 0 || !FitsSingle(e.*k.text)))
      return Refused("The KILL SHEET figures can't be less than zero!", k.box);
  return std::nullopt;
}

SalesRecord SaleRecordOf(const SaleEntry& e, SalesRecord read, bool adjustment) {
  read.PigsSold = static_cast<int16_t>(RoundHalfEven(Val(e.pigs)));
  read.GiltsSold = static_cast<int16_t>(RoundHalfEven(Val(e.gilts)));
  read.WeightPerPig = SingleOf(e.weight);
  read.DateSold = e.date;
  read.PricePerLb = adjustment ? 0.0f : SingleOf(e.price);
  for (const KillBox& k : kKillBoxes) read.*k.field = adjustment ? 0.0f : SingleOf(e.*k.text);
  return read;
}

std::string PriceBoxText(float price) {
  std::string text = Format(price, "0.00");
  if (price < 1) {
    const size_t zero = text[0] == '-' ? 1 : 0;
    if (text.compare(zero, 2, "0.") == 0) text.erase(zero, 1);
  }
  return text;
}
