#pragma once
// The checks of the sale edit window and the row an accepted entry writes.
#include <string>

#include "platform/Refusal.h"
#include "records/SalesRecord.h"

// The window's boxes, by the numbers its refusals name.
enum SaleEditField {
  kSalePigsField = 0,
  kSaleDateField,
  kSaleWeightField,
  kSalePriceField,
  kSaleBackfatField,
  kSaleLeanField,
  kSaleFfliField,
  kSaleHcwField,
  kSalePremiumField,
  kSaleLoineyeField,
  kSaleGiltsField
};

// The texts typed in the boxes.
struct SaleEntry {
  std::string pigs, date, weight, price, backfat, lean, ffli, hcw, premium, loineye, gilts;
};

inline constexpr const char* kSaleEditTitle = "EDIT ENTRY ERROR!";

// The date must be given (ValidateDate follows it, in the window).
Check CheckSaleDate(const SaleEntry& e);
// Pigs and gilts (numbers 0 to 32767, not both 0), the weight (reading 0 is
// none given; a number from 0), the price of pigs sold (likewise) and the kill
// sheet figures (numbers from 0 but the premium, which may be a discount),
// each through its field; an adjustment row asks no price and no kill sheet.
// A figure box still showing the figure of the row `read` (SaleEntryOf) is
// judged by that figure as stored (common/FigureBox.h).
Check CheckSaleFigures(const SaleEntry& e, const SalesRecord& read, bool adjustment);
// The characters each box takes.
inline constexpr int kSaleBoxLength = 10;

// `read` with the entry's figures; an adjustment row gets price and kill
// sheet 0. A figure box still showing the figure of `read` (SaleEntryOf)
// keeps it (common/FigureBox.h).
SalesRecord SaleRecordOf(const SaleEntry& e, SalesRecord read, bool adjustment);
// A stored row as the boxes show it: the counts "###0" and "##0", the price
// per lb "#.00" (no 0 before the point: .45), every other figure "0.00",
// each with the places the mask would drop of it (FigureText).
SaleEntry SaleEntryOf(const SalesRecord& row);
