#pragma once
// The numbers typed for a sow or a boar, on the new-animal windows and on the
// cards: days to 230 an Integer, loineye and backfat a Single, the prices a
// Currency, none below 0. Each is read through its field (common/TypedNumber.h),
// so one typed with an exponent ("9E99") or with letters is refused with a
// message, never written wrapped or as 0.
#include <string>

#include "common/TypedNumber.h"

// The characters of a price box, on the new-animal windows and the cards.
inline constexpr int kPriceBoxLength = 8;

extern const NumberField kDaysTo230Number;      // "DAYS TO 230"
extern const NumberField kLoineyeNumber;        // "LOINEYE"
extern const NumberField kBackfatNumber;        // "BACKFAT"
extern const NumberField kPurchasePriceNumber;  // "PURCHASE PRICE"
extern const NumberField kSoldPriceNumber;      // "SOLD PRICE"

// The numbers of a new sow or boar, boxes 3 to 6 of its window, in order.
Check CheckNewAnimalNumbers(const std::string& daysTo230, const std::string& loineye, const std::string& backfat,
                            const std::string& purchasePrice, const std::string& title);

// The stored days to 230 of a checked text.
int16_t WholeOf(const std::string& text);
