#pragma once
// FEED.LST: the farm's feed ingredients, one record of 60 bytes each, record
// n at byte (n - 1) x 60. A record whose code is blank is free; a deleted
// ingredient is blanked in place (a default-constructed IngredientRecord
// encodes as a free record: text blank, inventories and costs 0, date
// "__/__/____"), so the file never shrinks.
#include <cstdint>
#include <string>

#include "records/Fields.h"

struct IngredientRecord {
  static constexpr int Length = 60;
  static constexpr const char* FileName = "FEED.LST";
  // Where the code and the pounds on hand lie, for the code that reads them
  // from the stored bytes (the free-record scans, the batch entry's list).
  static constexpr int IdAt = 0;
  static constexpr int IdWidth = 6;
  static constexpr int CurrentInventoryAt = 26;

  std::string IngredientCode;   // 6, unique, upper case; blank = free record
  std::string IngredientName;   // 20
  int32_t CurrentInventory = 0;  // pounds on hand now
  int32_t StartInventory = 0;    // pounds at the inventory date
  records::Currency TotalCost;   // dollars paid for the start inventory
  records::Currency UnitCost;    // dollars a pound: TotalCost / StartInventory
  std::string InventoryDate;     // "MM/DD/YYYY"

  template <class M>
  void fields(M& m) {
    m.text(IngredientCode, IdAt, IdWidth);
    m.text(IngredientName, 6, 20);
    m.i32(CurrentInventory, CurrentInventoryAt);
    m.i32(StartInventory, 30);
    m.cur(TotalCost, 34);
    m.cur(UnitCost, 42);
    m.date(InventoryDate, 50);
  }
};

// The buffer through which the ingredient windows read and write FEED.LST.
extern IngredientRecord IngredientRec;
