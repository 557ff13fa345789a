// DRUG.LST and MED<yyyy>.DAT operations: free records, finding a code,
// blanking, and the look-ups LoadDrug and DrugRemaining.
#include "medication/DrugLookups.h"
#include "medication/DrugFixture.h"
#include "medication/MedicationFiles.h"
#include "platform/FileSystem.h"

class MedicationFiles : public DrugTest {};

TEST_F(MedicationFiles, FreeRecordsAndCodesAreFoundByTheirTrimmedCode) {
  writeDrugs({aDrug("A")});
  EXPECT_EQ(FirstFreeDrugRecord(nullptr), 2);
  writeDrugs({aDrug("A"), aDrug(""), aDrug("PEN"), aDrug("PEN")});
  EXPECT_EQ(FirstFreeDrugRecord(nullptr), 2);

  // In a run over the file only the codes asked for are kept, each with
  // every record holding it; a free record holds no code.
  DrugsOfCodes found({"PEN", "A", "PEN", "pen", "", "A ", "PE", "NONE"});
  long count = 0;
  ASSERT_TRUE(found.Read(nullptr, &count));
  EXPECT_EQ(count, 4);
  EXPECT_EQ(found.Records("PEN"), (std::vector<long>{3, 4}));
  for (const char* code : {"pen", "", "A ", "PE", "NONE"}) EXPECT_EQ(found.First(code), 0) << code;
  EXPECT_EQ(found.RecordsInTurn({"A", "PEN", "NONE", "A"}), (std::vector<long>{1, 3, 4, 1}));
  found.Blanked("PEN");
  EXPECT_EQ(found.First("PEN"), 4);
  found.Blanked("PEN");
  EXPECT_EQ(found.First("PEN"), 0);
}

TEST_F(MedicationFiles, DrugsAndDosesAreBlankedInPlace) {
  writeDrugs({aDrug("A"), aDrug("B")});
  FileFault fault;
  EXPECT_TRUE(BlankDrug(1, &fault));
  EXPECT_EQ(drugs(), asStored<DrugRecord>({DrugRecord{}, aDrug("B")}));

  MedicationRecord given = aDose("A", 4);
  given.UnitCost = records::Currency{25'000};
  MedicationRecord blanked;
  blanked.UnitCost = given.UnitCost;  // kept; everything else blank, 0 and "__/__/____"
  EXPECT_EQ(recordBytes<MedicationRecord>({BlankedMedication(given)}), recordBytes<MedicationRecord>({blanked}));
}

TEST_F(MedicationFiles, LoadDrugFindsTheFirstDrugOfACodeAndKeepsTheLastOtherwise) {
  writeDrugs({aDrug("A"), aDrug("PEN").name("PEN-V").kind("F", "L", 2.5f).bought(40, 100).onHand(12.5f),
              aDrug("PEN").name("SECOND"), aDrug("FREE").bought(0, 30)});
  EXPECT_EQ(LoadDrug("PEN"), 2);
  const CurrentDrugRecord pen = CurrentDrug;
  EXPECT_EQ(pen.DrugName, "PEN-V");
  EXPECT_EQ(pen.DrugType + pen.DrugUnit, "FL");
  EXPECT_EQ(pen.Dosage, 2.5f);
  EXPECT_EQ(pen.PurchaseDate, "01/15/2024");
  EXPECT_EQ(pen.InventoryAmount, 12.5f);
  EXPECT_EQ(pen.DrugCost, 100.0f);
  EXPECT_EQ(pen.UnitCost, 2.5f);
  for (const char* missing : {"pen", "NONE", " PEN"}) {
    EXPECT_EQ(LoadDrug(missing), 0) << missing;
    EXPECT_EQ(CurrentDrug.DrugName, "PEN-V");
  }
  EXPECT_EQ(LoadDrug("FREE"), 4);
  EXPECT_EQ(CurrentDrug.UnitCost, 0.0f);  // nothing purchased: no unit cost, no division by 0
  EXPECT_TRUE(tp.dialogs.shown.empty());
}

TEST_F(MedicationFiles, DrugRemainingTakesTheYearsDosesOffNeverBelowZero) {
  EXPECT_EQ(DrugRemaining(0, "A"), 0.0f);
  EXPECT_FALSE(platform::fileExists(medPath()));  // an amount of 0 reads nothing
  EXPECT_EQ(DrugRemaining(10, "A"), 10.0f);
  EXPECT_TRUE(platform::fileExists(medPath()));  // a missing file is made empty
  writeDoses({aDose("A", 4), aDose("B", 2), aDose("a", 1), aDose("A", 1.5f), MedicationRecord{}});
  const std::pair<float, float> cases[] = {{10, 4.5f}, {5, 0}, {5.5f, 0}, {0, 0}};
  for (const auto& [amount, left] : cases) EXPECT_EQ(DrugRemaining(amount, "A"), left) << amount;
  writeDoses({aDose("A", 4), aDose("A", 7)});
  EXPECT_EQ(DrugRemaining(10, "A"), 0.0f);
  EXPECT_EQ(DrugRemaining(10, "B"), 10.0f);
}
