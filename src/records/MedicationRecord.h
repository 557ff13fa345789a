#pragma once
// MED<yyyy>.DAT: the medication given in one year, one record of 115 bytes per
// medication, record n at byte (n - 1) x 115. The file's name comes from
// MedFileName(year) (common/DataFiles.h); the current one is MedFile. A live
// record has exactly one non-blank ID field (sow, boar, group or batch).
#include <string>

#include "records/Fields.h"

struct MedicationRecord {
  static constexpr int Length = 115;
  // Where the code and the dosage lie, for runs that need only those.
  static constexpr int CodeAt = 29;
  static constexpr int CodeWidth = 6;
  static constexpr int DosageAt = 80;

  std::string SowId;           // 8, or "SOW_H2O"
  std::string BoarId;          // 8, or "BOAR_H2O"
  std::string GroupId;         // 7: "123-19", or "123_H2O"
  std::string BatchId;         // 6: five digits, "M" in front once medicated
  std::string DrugCode;        // 6
  std::string DrugName;        // 30
  std::string LotNumber;       // 15
  float Dosage = 0;            // total given, in DrugUnit
  records::Currency UnitCost;  // the drug's unit cost when written
  std::string DrugUnit;        // 1
  std::string DateUsed;        // date
  std::string GivenBy;         // 12, initials

  bool operator==(const MedicationRecord&) const = default;

  template <class M>
  void fields(M& m) {
    m.text(SowId, 0, 8);
    m.text(BoarId, 8, 8);
    m.text(GroupId, 16, 7);
    m.text(BatchId, 23, 6);
    m.text(DrugCode, CodeAt, CodeWidth);
    m.text(DrugName, 35, 30);
    m.text(LotNumber, 65, 15);
    m.f32(Dosage, DosageAt);
    m.cur(UnitCost, 84);
    m.text(DrugUnit, 92, 1);
    m.date(DateUsed, 93);
    m.text(GivenBy, 103, 12);
  }
};

// The buffer through which the medication windows read and write the year's
// medication file.
extern MedicationRecord MedicationRec;
