// The checks of the sale edit window, the row it writes, and the price box.
#include <gtest/gtest.h>

#include "groups/SaleEdit.h"
#include "support/RecordBuilders.h"

namespace {

SaleEntry entry() { return {"20", "07/01/2024", "250.50", ".45", "0.80", "55.25", "50.10", "190", "2.5", "6.5", "0"}; }
SaleEntry with(std::string SaleEntry::*box, const std::string& text) {
  SaleEntry e = entry();
  e.*box = text;
  return e;
}
Refusal refused(const std::string& text, int field) {
  return Refusal{text, "EDIT ENTRY ERROR!", platform::vbExclamation, field};
}

struct CheckCase {
  const char* name;
  SaleEntry entry;
  bool adjustment;
  Check expected;
};

class SaleChecks : public ::testing::TestWithParam<CheckCase> {};

TEST_P(SaleChecks, RefuseWithTheBoxesMessage) {
  const CheckCase& c = GetParam();
  Check got = CheckSaleDate(c.entry);
  if (!got) got = CheckSaleFigures(c.entry, SalesRecord{}, c.adjustment);
  EXPECT_EQ(got, c.expected);
}

const char kCounts[] = "\r\rIt takes a number from 0 to 32767.";
const char kAmounts[] = "\r\rIt takes a number from 0 to 9999999.";
std::string said(const char* what, const char* range) { return std::string(what) + range; }

INSTANTIATE_TEST_SUITE_P(
    Entries, SaleChecks,
    ::testing::Values(
        CheckCase{"Accepted", entry(), false, std::nullopt},
        CheckCase{"DateRequired", with(&SaleEntry::date, "__/__/____"), false,
                  refused("The DATE SOLD, is a required entry!", kSaleDateField)},
        CheckCase{"PigsOrGilts", with(&SaleEntry::pigs, "0"), false,
                  refused("YOU MUST ENTER SOMETHING IN\rNUMBER OF PIG'S SOLD and or GILTS", kSalePigsField)},
        CheckCase{"NegativePigs", with(&SaleEntry::pigs, "-3"), false,
                  refused(said("The NUMBER of PIG(s) SOLD can't be less than 0!", kCounts), kSalePigsField)},
        CheckCase{"TooManyPigs", with(&SaleEntry::pigs, "40000"), false,
                  refused(said("The NUMBER of PIG(s) SOLD can't be more than 32767!", kCounts), kSalePigsField)},
        CheckCase{"PigsNotANumber", with(&SaleEntry::pigs, "2O"), false,
                  refused(said("The NUMBER of PIG(s) SOLD is not a number!", kCounts), kSalePigsField)},
        CheckCase{"TooManyGilts", with(&SaleEntry::gilts, "40000"), false,
                  refused(said("The NUMBER of GILTS can't be more than 32767!", kCounts), kSaleGiltsField)},
        CheckCase{"WeightNotANumber", with(&SaleEntry::weight, "abc"), false,
                  refused(said("The WEIGHT SOLD is not a number!", kAmounts), kSaleWeightField)},
        CheckCase{"WeightTooSmallForASingleIsNoWeight", with(&SaleEntry::weight, "1e-50"), false,
                  refused("WEIGHT SOLD, is a required entry!", kSaleWeightField)},
        CheckCase{"NegativeWeight", with(&SaleEntry::weight, "-250"), false,
                  refused(said("The WEIGHT SOLD can't be less than 0!", kAmounts), kSaleWeightField)},
        CheckCase{"WeightWithLetters", with(&SaleEntry::weight, "250lb"), false,
                  refused(said("The WEIGHT SOLD is not a number!", kAmounts), kSaleWeightField)},
        CheckCase{"PriceRequired", with(&SaleEntry::price, ""), false,
                  refused("YOU MUST ENTER SOMETHING IN\rPRICE per LB!", kSalePriceField)},
        CheckCase{"PriceWithADollarSign", with(&SaleEntry::price, "$1.20"), false,
                  refused(said("The PRICE per LB is not a number!", kAmounts), kSalePriceField)},
        CheckCase{"PriceTooSmallForASingleIsNoPrice", with(&SaleEntry::price, "1e-50"), false,
                  refused("YOU MUST ENTER SOMETHING IN\rPRICE per LB!", kSalePriceField)},
        CheckCase{"NegativePrice", with(&SaleEntry::price, "-.45"), false,
                  refused(said("The PRICE per LB can't be less than 0!", kAmounts), kSalePriceField)},
        CheckCase{"HugePrice", with(&SaleEntry::price, "9e99"), false,
                  refused(said("The PRICE per LB can't be more than 9999999!", kAmounts), kSalePriceField)},
        CheckCase{"NegativeKillSheetFigure", with(&SaleEntry::hcw, "-190"), false,
                  refused(said("The HOT CARCESS WEIGHT can't be less than 0!", kAmounts), kSaleHcwField)},
        CheckCase{"KillSheetFigureNotANumber", with(&SaleEntry::backfat, "abc"), false,
                  refused(said("The BACKFAT is not a number!", kAmounts), kSaleBackfatField)},
        CheckCase{"ThePremiumMayBeADiscount", with(&SaleEntry::premium, "-1.5"), false, std::nullopt},
        CheckCase{"ButNotBeyondASingle", with(&SaleEntry::premium, "-1e8"), false,
                  refused("The GRADE and YEILD PREMIUM can't be less than -9999999!\r\rIt takes a number from "
                          "-9999999 to 9999999.",
                          kSalePremiumField)},
        CheckCase{"GiltsOnlyPriceStillANumber",
                  SaleEntry{"0", "07/01/2024", "260", "n/a", "", "", "", "", "", "", "5"}, false,
                  refused(said("The PRICE per LB is not a number!", kAmounts), kSalePriceField)},
        CheckCase{"GiltsOnlyNeedNoPrice", SaleEntry{"0", "07/01/2024", "260", "0", "", "", "", "", "", "", "5"},
                  false, std::nullopt},
        CheckCase{"AdjustmentNeedsNoPrice", with(&SaleEntry::price, "0"), true, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SaleRecord, TheEntryOverTheRowReadAndNoPriceOrKillSheetOnAnAdjustment) {
  const SalesRecord read = aSale("M", "001-24", 11).sold(1, 1, 1, "01/01/2024").gilts(2);
  SaleEntry e = entry();
  e.backfat = "";
  EXPECT_EQ(records::encode(SaleRecordOf(e, read, false)),
            records::encode(SalesRecord(
                aSale("M", "001-24", 11).sold(20, 250.5f, 0.45f, "07/01/2024").kill(0, 55.25f, 50.1f, 190, 2.5f, 6.5f))));
  EXPECT_EQ(records::encode(SaleRecordOf(e, SalesRecord(aSale("M", "001-24", 12).yearEnd()), true)),
            records::encode(SalesRecord(aSale("M", "001-24", 12).sold(20, 250.5f, 0, "07/01/2024").yearEnd())));
}

TEST(SaleRecord, PriceBoxDropsTheZeroBelowOne) {
  for (const auto& [price, text] : {std::pair{0.45f, ".45"}, {1.25f, "1.25"}, {0.0f, ".00"}, {0.455f, ".455"}})
    EXPECT_EQ(SaleEntryOf(aSale("M", "001-24").sold(1, 1, price, "07/01/2024")).price, text);
}

}  // namespace
