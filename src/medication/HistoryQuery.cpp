#include "medication/HistoryQuery.h"

namespace {

const MedicationRecord kProto;

// The text field of each text kind, by code.
std::string MedicationRecord::*textField(int code) {
  switch (code) {
    case 1: return &MedicationRecord::SowId;
    case 2: return &MedicationRecord::BoarId;
    case 3: return &MedicationRecord::GroupId;
    case 4: return &MedicationRecord::BatchId;
    case 6: return &MedicationRecord::DrugCode;
    case 7: return &MedicationRecord::DrugName;
    case 9: return &MedicationRecord::LotNumber;
    case 10: return &MedicationRecord::GivenBy;
    default: return nullptr;
  }
}

}  // namespace

const QueryLanguage& HistoryQueryLanguage() {
  static const char kList[] = "QUERY   MED   LIST";
  static const char kHistories[] = "QUERY   MED   HISTORIES";
  static const QueryLanguage language{
      {
          {"By SOW Id.", "1", QueryFamily::Text},
          {"By BOAR Id.", "2", QueryFamily::Text},
          {"By GROUP Id.", "3", QueryFamily::Text},
          {"By BATCH Id.", "4", QueryFamily::Text},
          {"By DATE Used", "5", QueryFamily::Date},
          {"By DRUG CODE", "6", QueryFamily::Text},
          {"By DRUG NAME", "7", QueryFamily::Text},
          {"By DOSAGE", "8", QueryFamily::Single},
          {"By LOT/Serial Number", "9", QueryFamily::Text},
          {"By GIVEN By", "10", QueryFamily::Text},
      },
      // The titles differ by refusal, as they always have.
      {kList, kHistories, kHistories, kHistories, kHistories, kList},
      false,
      QueryDialect::QuestionIsLiteral};
  return language;
}

std::vector<long> QueryHistory(const records::FileImage<MedicationRecord>& meds, const std::string& kindCode,
                               const std::string& criterion) {
  std::vector<long> found;
  const QueryKind* kind = HistoryQueryLanguage().byCode(kindCode);
  if (!kind) return found;
  const int code = std::stoi(kind->code);
  const ParsedCriterion c(kind->family, criterion);
  std::string MedicationRecord::*text = textField(code);
  const void* tested = text ? &(kProto.*text) : code == 5 ? static_cast<const void*>(&kProto.DateUsed) : &kProto.Dosage;
  const records::FieldMask<MedicationRecord> used(kProto, {tested});
  MedicationRecord med;
  for (long r = 1; r <= meds.count(); ++r) {
    meds.decode(r, med, used);
    const bool match = text ? c.textIn(med.*text) : code == 5 ? c.dateOf(med.DateUsed) : c.number(med.Dosage);
    if (match) found.push_back(r);
  }
  return found;
}
