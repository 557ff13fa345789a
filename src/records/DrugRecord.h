#pragma once
// DRUG.LST: the drug inventory, one record of 346 bytes per drug, record n at
// byte (n - 1) x 346. A record whose DrugCode is all blanks is free; a
// default-constructed DrugRecord encodes as a free (blanked) record: text
// blank, both dates "__/__/____", numbers 0.
#include <string>

#include "records/Fields.h"

inline constexpr const char* kDrugFileName = "DRUG.LST";

struct DrugRecord {
  static constexpr int Length = 346;
  static constexpr const char* FileName = kDrugFileName;
  // Where the fields of the list lie, for runs that read them straight from
  // the stored bytes.
  static constexpr int NameAt = 0;
  static constexpr int NameWidth = 20;
  static constexpr int CodeAt = 20;
  static constexpr int CodeWidth = 6;
  static constexpr int TypeAt = 26;
  static constexpr int UnitAt = 27;
  static constexpr int DosageAt = 28;
  static constexpr int InventoryAt = 70;

  std::string DrugName;        // 20
  std::string DrugCode;        // 6, the key
  std::string DrugType;        // 1: "V" vaccine, "F" feed medication, "W" water medication
  std::string DrugUnit;        // 1: "M" ML, "L" Lb / Ton, "O" Oz / Gal
  float Dosage = 0;            // standard dosage in the drug's unit
  std::string WithdrawalDays;  // 3, as typed
  std::string LotNumber;       // 15
  std::string PurchaseDate;    // date
  std::string ExpirationDate;  // date
  float InventoryAmount = 0;   // on hand, in the drug's unit
  records::Currency DrugCost;  // total purchase cost
  float AmountPurchased = 0;   // in the drug's unit
  std::string Manufacturer;    // 20
  std::string DrugNote;        // 240

  bool operator==(const DrugRecord&) const = default;

  template <class M>
  void fields(M& m) {
    m.text(DrugName, NameAt, NameWidth);
    m.text(DrugCode, CodeAt, CodeWidth);
    m.text(DrugType, TypeAt, 1);
    m.text(DrugUnit, UnitAt, 1);
    m.f32(Dosage, DosageAt);
    m.text(WithdrawalDays, 32, 3);
    m.text(LotNumber, 35, 15);
    m.date(PurchaseDate, 50);
    m.date(ExpirationDate, 60);
    m.f32(InventoryAmount, InventoryAt);
    m.cur(DrugCost, 74);
    m.f32(AmountPurchased, 82);
    m.text(Manufacturer, 86, 20);
    m.text(DrugNote, 106, 240);
  }
};

// The buffer through which the drug windows read and write DRUG.LST.
extern DrugRecord DrugRec;
