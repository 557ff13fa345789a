// What the medication entry checks, looks up, draws and writes, without the
// window: one table per behaviour.
#include "medication/DrugFixture.h"
#include "medication/MedicationEntry.h"
#include "support/BoxMatch.h"
#include "support/RecordBytes.h"

namespace {

Refusal entryRefusal(const std::string& text, int field) {
  return {text, kMedEntryTitle, platform::vbExclamation, field};
}
const char kRequired[] = "\r\rThis is a REQUIRED entry field!\r";

MedEntry anEntry() { return {"S1", "SOW ID.", "06/01/2024", DrugPickItem("PEN", "PENICILLIN"), "2", "PEN", "L7", "jh"}; }

}  // namespace

TEST(MedicationEntryChecks, EachRefusalInItsOrder) {
  struct Row {
    const char* name;
    Check got;
    Check expected;
  };
  MedEntry noDrug = anEntry(), noDose = anEntry(), negative = anEntry(), huge = anEntry(), noCode = anEntry(),
           letters = anEntry();
  noDrug.drugItem = "  ";
  noDrug.dosage = "";
  noDose.dosage = " ";
  negative.dosage = "-1";
  huge.dosage = "9e99";
  letters.dosage = "2cc";
  const std::string range = "\r\rIt takes a number from 0 to 9999999.";
  noCode.code = " ";
  const Row rows[] = {
      {"no ID", CheckMedIdPresent("  "),
       entryRefusal(std::string("NO ID!") + kRequired +
                        "You MUST enter one of the following:\rSOW ID\rBOAR ID\rGROUP ID\rBATCH ID",
                    kMedIdField)},
      {"an ID", CheckMedIdPresent(" S1"), std::nullopt},
      {"not found", CheckMedIdFound(false, "GID-19"),
       entryRefusal("INVALID ID!\r\rThe entered Id(GID-19)\rwasn't found in the data base!", kMedIdField)},
      {"found", CheckMedIdFound(true, "S1"), std::nullopt},
      {"no drug", CheckMedDrug(noDrug),
       entryRefusal(std::string("NO DRUG NAME!") + kRequired + "You MUST select a DRUG!", kMedDrugField)},
      {"no dosage", CheckMedDrug(noDose),
       entryRefusal(std::string("NO DRUG DOSAGE!") + kRequired + "You MUST enter an amount given!", kMedDosageField)},
      {"negative", CheckMedDrug(negative), entryRefusal("DRUG DOSAGE can't be less than 0!" + range, kMedDosageField)},
      {"out of range", CheckMedDrug(huge),
       entryRefusal("DRUG DOSAGE can't be more than 9999999!" + range, kMedDosageField)},
      {"not a number", CheckMedDrug(letters), entryRefusal("DRUG DOSAGE is not a number!" + range, kMedDosageField)},
      {"no code", CheckMedDrug(noCode),
       entryRefusal(std::string("NO DRUG CODE!") + kRequired + "You MUST enter a DRUG CODE!", kMedCodeField)},
      {"all there", CheckMedDrug(anEntry()), std::nullopt},
      {"illegal code", CheckMedDrugCode(0),
       entryRefusal("ILLEGAL DRUG CODE!\r\rThe entered DRUG CODE wasn't \rfound in the DRUG LIST!", kMedCodeField)},
      {"code found", CheckMedDrugCode(4), std::nullopt},
  };
  for (const Row& row : rows) EXPECT_EQ(row.got, row.expected) << row.name;
}

TEST(MedicationEntryChecks, CapacityOfTheYearsFileByMode) {
  const std::string byOne =
      "FILE LENGTH EXCEEDED!\r\rFile length is exceeded by (1) records!\rUse fewer records, else delete old ones.";
  const Refusal excessOne{byOne, kFileLengthTitle, platform::vbExclamation, kMedIdField};
  const Refusal feed{"FILE LENGTH EXCEEDED!\r\rFile length has been exceeded!\rDelete some old records.",
                     kFileLengthTitle, platform::vbExclamation, kMedIdField};
  struct Row {
    const char* mode;
    long next;
    int count;
    Check expected;
  } rows[] = {
      {"NEW1", 8409, 1, std::nullopt}, {"NEW1", 8410, 1, excessOne}, {"NEW1", 8400, 10, std::nullopt},
      {"NEW1", 8401, 10, excessOne},   {"NEW2", 8420, 1, std::nullopt}, {"NEW2", 8421, 1, feed},
      {"NEW3", 8410, 1, std::nullopt}, {"NEW3", 8411, 1, excessOne},  {"EDIT", 40000, 1, std::nullopt},
  };
  for (const Row& row : rows)
    EXPECT_EQ(CheckMedCapacity(row.mode, row.next, row.count), row.expected) << row.mode << " " << row.next;
}

TEST(MedicationEntryChecks, InventoryDrawNeverBelowZero) {
  struct Row {
    float inventory, amount, left, uncovered;
    bool changed;
  } rows[] = {{10, 4, 6, 0, true}, {3, 3, 0, 0, true}, {3, 5, 0, 2, true}, {0, 5, 0, 5, false}, {7, 0, 7, 0, true}};
  for (const Row& row : rows) {
    const InventoryDraw d = DrawInventory(row.inventory, row.amount);
    EXPECT_EQ(std::make_tuple(d.inventory, d.uncovered, d.changed), std::make_tuple(row.left, row.uncovered, row.changed))
        << row.inventory << " - " << row.amount;
  }
  EXPECT_EQ(ShortfallRefusal("PEN  ", 2.5f).text,
            "ZERO DRUG INVENTORY!\r\rThis DRUG CODE (PEN)\rnow has zero(0) inventory!\r\rYou have 2.5 Remaining!\r"
            "Select another DRUG CODE!");
}

TEST(MedicationEntryChecks, TheUnitCaptionOfEachUnitLetter) {
  const struct {
    const char* unit;
    const char* caption;
  } rows[] = {{"M", "ML/CC"}, {"L", "LB"}, {"O", "OZ"}, {"X", "SHOWN"}, {"", "SHOWN"}, {"l", "SHOWN"}};
  for (const auto& row : rows) EXPECT_EQ(UnitCaptionOf(row.unit, "SHOWN"), row.caption) << row.unit;
}

TEST(MedicationEntryChecks, TheIdLookedUpForEachKindOfId) {
  struct Row {
    const char* id;
    const char* caption;
    MedLookup expected;
  } rows[] = {
      {" S1 ", "SOW ID.", {"S1", "SOW ID.", false}},
      {"SOW_H2O", "SOW ID.", {"SOW_H2O", "SOW ID.", true}},
      {"BOAR_H2O", "BOAR ID.", {"BOAR_H2O", "BOAR ID.", true}},
      {"123_H2O", "GROUP ID.", {"123-19", "GROUP ID.", false}},
      {"GID_H2O", "GROUP ID.", {"GID-19", "GROUP ID.", false}},
      {"00007", "BATCH ID.", {"00007", "BATCH ID.", false}},
  };
  for (const Row& row : rows) {
    const MedLookup got = MedIdLookup(row.id, row.caption, "MED2019.DAT");
    EXPECT_EQ(std::make_tuple(got.id, got.caption, got.none),
              std::make_tuple(row.expected.id, row.expected.caption, row.expected.none))
        << row.id;
  }
}

class MedicationEntryFiles : public DrugTest {};

TEST_F(MedicationEntryFiles, IdsAreFoundInTheirOwnFileAndBatchesWithOrWithoutTheirMark) {
  writeRecords<SowRecord>(tp.path("SOW.DAT"), {aSow(""), aSow("S1").left("01/01/2024")});
  writeRecords<BoarRecord>(tp.path("BOAR.DAT"), {aBoar("B1")});
  writeRecords<GroupRecord>(tp.path("GROUP.DAT"), {aGroup("N", "123-24")});
  FeedFile = "FEED2024.DAT";
  writeRecords<FeedBatchRecord>(tp.path("FEED2024.DAT"), {aBatch("00001"), aBatch("M00002")});
  struct Row {
    const char* id;
    const char* caption;
    bool found;
  } rows[] = {{"S1", "SOW ID.", true},      {"s1", "SOW ID.", false},     {"B1", "SOW ID.", false},
              {"B1", "BOAR ID.", true},     {"123-24", "GROUP ID.", true}, {"123", "GROUP ID.", false},
              {"00001", "BATCH ID.", true}, {"M00001", "BATCH ID.", true}, {"00002", "BATCH ID.", true},
              {"M00002", "BATCH ID.", true}, {"M", "BATCH ID.", false},     {"S1", "PIG ID.", false}};
  for (const Row& row : rows) {
    bool found = !row.found;
    EXPECT_TRUE(ValidateMedId(row.id, row.caption, found, nullptr));
    EXPECT_EQ(found, row.found) << row.id << " " << row.caption;
  }
}

TEST_F(MedicationEntryFiles, TheDrugListOffersTheKindOnHandAndAnEditedRecordsOwnDrug) {
  writeDrugs({aDrug("V1"), aDrug("F1").kind("F", "L", 4), aDrug("W1").kind("W", "O", 1), aDrug("V0").onHand(0),
              aDrug(""), aDrug("V2").name("A NAME LONGER THAN TWENTY")});
  using Items = std::vector<std::string>;
  const auto items = [](int kind, const std::string& ownCode = "") { return DrugPickItems(kind, ownCode, nullptr).value(); };
  EXPECT_EQ(items(1), (Items{"V1      DRUG V1               ", "V2      A NAME LONGER THAN T  "}));
  EXPECT_EQ(items(2), Items{DrugPickItem("F1", "DRUG F1")});
  EXPECT_EQ(items(3), Items{DrugPickItem("W1", "DRUG W1")});
  EXPECT_EQ(items(0, "V0").size(), 5u);
  EXPECT_EQ(items(0, "V0")[3], DrugPickItem("V0", "DRUG V0"));
  EXPECT_EQ(DrugCodeOfItem(DrugPickItem("V2", "X")) + "|" + DrugNameOfItem(DrugPickItem("V2", "X")), "V2|X");
}

TEST_F(MedicationEntryFiles, TheRecordWrittenHoldsTheIdInTheFieldOfItsCaption) {
  writeDrugs({aDrug("PEN").bought(40, 100)});
  ASSERT_EQ(LoadDrug("PEN"), 1);
  MedEntry e = anEntry();
  e.caption = "GROUP ID.";
  e.id = "123-19";
  const records::Bytes bytes = records::encode(MedicationRecordOf(e, CurrentDrug, 2));
  const std::string expected = RecordBytes(MedicationRecord::Length)
                                   .text(16, "123-19")
                                   .text(29, "PEN")
                                   .text(35, "PENICILLIN")
                                   .text(65, "L7")
                                   .f32(80, 2)
                                   .i64(84, 25000)  // 100 / 40
                                   .text(92, "M06/01/2024JH")
                                   .str();
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), expected);
}

TEST_F(MedicationEntryFiles, AnEditGivesTheOldDoseBackAndDrawsTheNewOne) {
  writeDrugs({aDrug("A").onHand(10), aDrug("B").onHand(1), aDrug("Z").onHand(0)});
  // The drugs of the codes looked up, as DRUG.LST holds them now.
  const auto found = [] {
    FoundDrugs drugs({"A", "B", "Z", "GONE"});
    EXPECT_TRUE(drugs.Read(nullptr));
    return drugs;
  };
  const FoundDrugs image = found();
  struct Row {
    const char* oldCode;
    float oldDose;
    const char* newCode;
    float newDose;
    EditDraw expected;
  } rows[] = {
      {"A", 5, "A", 8, {1, 15, 1, 7, 0}},   // same drug: 10 + 5 - 8
      {"A", 5, "B", 1, {1, 15, 2, 0, 0}},   // back to A, from B
      {"A", 5, "B", 3, {1, 15, 2, 0, 2}},   // B cannot give 3
      {"GONE", 5, "Z", 0, {0, 0, 3, 0, 0}}, // nothing to give back to; Z gives 0
  };
  for (const Row& row : rows) {
    const EditDraw p = PlanEditDraw(image, aDose(row.oldCode, row.oldDose), row.newCode, row.newDose);
    const EditDraw& x = row.expected;
    EXPECT_EQ(std::make_tuple(p.oldDrug, p.oldInventory, p.newDrug, p.newInventory, p.uncovered),
              std::make_tuple(x.oldDrug, x.oldInventory, x.newDrug, x.newInventory, x.uncovered))
        << row.oldCode << " > " << row.newCode;
  }
  {
    WriteSet set;
    EXPECT_EQ(DeductDrugInventory(set.open<DrugRecord>(drugPath()), image, "B ", 4), 3);
    ASSERT_TRUE(set.commit());
  }
  EXPECT_EQ(drugs()[1].InventoryAmount, 0.0f);
  WriteSet set;
  ApplyEditDraw(set.open<DrugRecord>(drugPath()), found(), PlanEditDraw(found(), aDose("A", 5), "B", 1));
  ASSERT_TRUE(set.commit());
  EXPECT_EQ(std::make_tuple(drugs()[0].InventoryAmount, drugs()[1].InventoryAmount), std::make_tuple(15.0f, 0.0f));
}
