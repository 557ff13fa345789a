#include "sows/SowNumbers.h"

const NumberField kDaysTo230Number = IntegerField("DAYS TO 230");
const NumberField kLoineyeNumber = SingleField("LOINEYE");
const NumberField kBackfatNumber = SingleField("BACKFAT");
const NumberField kPurchasePriceNumber = CurrencyField("PURCHASE PRICE", kPriceBoxLength);
const NumberField kSoldPriceNumber = CurrencyField("SOLD PRICE", kPriceBoxLength);

Check CheckNewAnimalNumbers(const std::string& daysTo230, const std::string& loineye, const std::string& backfat,
                            const std::string& purchasePrice, const std::string& title) {
  return CheckTypedNumbers({{daysTo230, kDaysTo230Number, 3},
                            {loineye, kLoineyeNumber, 4},
                            {backfat, kBackfatNumber, 5},
                            {purchasePrice, kPurchasePriceNumber, 6}},
                           title);
}

int16_t WholeOf(const std::string& text) { return static_cast<int16_t>(TypedValue(text, kDaysTo230Number)); }
