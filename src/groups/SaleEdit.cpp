#include "groups/SaleEdit.h"

#include "common/FigureBox.h"
#include "common/Format.h"
#include "common/NumberText.h"
#include "common/TypedNumber.h"

namespace {

Refusal Refused(const std::string& text, int field) {
  return Refusal{text, kSaleEditTitle, platform::vbExclamation, field};
}

// The typed figures, each through its field; the premium may be a discount.
const NumberField kPigsNumber = IntegerField("The NUMBER of PIG(s) SOLD");
const NumberField kGiltsNumber = IntegerField("The NUMBER of GILTS");
const NumberField kWeightNumber = SingleField("The WEIGHT SOLD");
const NumberField kPriceNumber = SingleField("The PRICE per LB");

const FigureBox kFigureBox{"0.00", kSaleBoxLength};
const FigureBox kPriceBox{"#.00", kSaleBoxLength};

struct KillBox {
  std::string SaleEntry::*text;
  float SalesRecord::*field;
  int box;
  NumberField number;
};
const KillBox kKillBoxes[] = {
    {&SaleEntry::backfat, &SalesRecord::Backfat, kSaleBackfatField, SingleField("The BACKFAT")},
    {&SaleEntry::lean, &SalesRecord::PercentLean, kSaleLeanField, SingleField("The PERCENT LEAN")},
    {&SaleEntry::ffli, &SalesRecord::FatFreeLeanIndex, kSaleFfliField, SingleField("The FAT FREE LEAN INDEX")},
    {&SaleEntry::hcw, &SalesRecord::HotCarcassWeight, kSaleHcwField, SingleField("The HOT CARCESS WEIGHT")},
    {&SaleEntry::premium, &SalesRecord::GradeYieldPremium, kSalePremiumField,
     SignedSingleField("The GRADE and YEILD PREMIUM")},
    {&SaleEntry::loineye, &SalesRecord::Loineye, kSaleLoineyeField, SingleField("The LOINEYE")}};

// The entry as the checks read it over the row `read` (JudgedText).
SaleEntry judged(SaleEntry e, const SalesRecord& read) {
  e.weight = JudgedText(e.weight, read.WeightPerPig, kFigureBox);
  e.price = JudgedText(e.price, read.PricePerLb, kPriceBox);
  for (const KillBox& k : kKillBoxes) e.*k.text = JudgedText(e.*k.text, read.*k.field, kFigureBox);
  return e;
}

}  // namespace

Check CheckSaleDate(const SaleEntry& e) {
  if (e.date == records::kEmptyDate) return Refused("The DATE SOLD, is a required entry!", kSaleDateField);
  return std::nullopt;
}

Check CheckSaleFigures(const SaleEntry& typed, const SalesRecord& read, bool adjustment) {
  const SaleEntry e = judged(typed, read);
  if (Check refusal = CheckTypedNumbers(
          {{e.pigs, kPigsNumber, kSalePigsField}, {e.gilts, kGiltsNumber, kSaleGiltsField}}, kSaleEditTitle))
    return refusal;
  const double pigs = TypedValue(e.pigs, kPigsNumber), gilts = TypedValue(e.gilts, kGiltsNumber);
  if (pigs == 0 && gilts == 0)
    return Refused("YOU MUST ENTER SOMETHING IN\rNUMBER OF PIG'S SOLD and or GILTS", kSalePigsField);
  // A weight, or the price of pigs sold, that reads as 0 is none given.
  if (Check refusal = CheckRequiredNumber(e.weight, kWeightNumber,
                                          Refused("WEIGHT SOLD, is a required entry!", kSaleWeightField)))
    return refusal;
  if (adjustment) return std::nullopt;
  const Refusal noPrice = Refused("YOU MUST ENTER SOMETHING IN\rPRICE per LB!", kSalePriceField);
  if (Check refusal = pigs != 0 ? CheckRequiredNumber(e.price, kPriceNumber, noPrice)
                                : CheckTypedNumber(e.price, kPriceNumber, kSaleEditTitle, kSalePriceField))
    return refusal;
  for (const KillBox& k : kKillBoxes)
    if (Check refusal = CheckTypedNumber(e.*k.text, k.number, kSaleEditTitle, k.box)) return refusal;
  return std::nullopt;
}

SalesRecord SaleRecordOf(const SaleEntry& e, SalesRecord read, bool adjustment) {
  read.PigsSold = static_cast<int16_t>(TypedValue(e.pigs, kPigsNumber));
  read.GiltsSold = static_cast<int16_t>(TypedValue(e.gilts, kGiltsNumber));
  read.WeightPerPig = KeptSingle(e.weight, read.WeightPerPig, kFigureBox, kWeightNumber);
  read.DateSold = e.date;
  read.PricePerLb = adjustment ? 0.0f : KeptSingle(e.price, read.PricePerLb, kPriceBox, kPriceNumber);
  for (const KillBox& k : kKillBoxes)
    read.*k.field = adjustment ? 0.0f : KeptSingle(e.*k.text, read.*k.field, kFigureBox, k.number);
  return read;
}

SaleEntry SaleEntryOf(const SalesRecord& row) {
  SaleEntry e;
  e.pigs = Format(row.PigsSold, "###0");
  e.date = row.DateSold;
  e.weight = FigureText(row.WeightPerPig, kFigureBox);
  e.price = FigureText(row.PricePerLb, kPriceBox);
  for (const KillBox& k : kKillBoxes) e.*k.text = FigureText(row.*k.field, kFigureBox);
  e.gilts = Format(row.GiltsSold, "##0");
  return e;
}
