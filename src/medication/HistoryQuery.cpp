#include "medication/HistoryQuery.h"

namespace {

const MedicationRecord kProto;

// The field each kind tests, by code.
const void* testedField(int code) {
  switch (code) {
    case 1: return &kProto.SowId;
    case 2: return &kProto.BoarId;
    case 3: return &kProto.GroupId;
    case 4: return &kProto.BatchId;
    case 5: return &kProto.DateUsed;
    case 6: return &kProto.DrugCode;
    case 7: return &kProto.DrugName;
    case 8: return &kProto.Dosage;
    case 9: return &kProto.LotNumber;
    case 10: return &kProto.GivenBy;
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
  const ParsedCriterion c(kind->family, criterion);
  // The tested field is read straight from each record's stored bytes.
  const records::FieldPlace place = records::placeOf(kProto, testedField(kind->number()));
  const auto each = [&meds, &found](auto matches) {
    const long count = meds.count();
    for (long r = 1; r <= count; ++r)
      if (matches(meds.bytes(r))) found.push_back(r);
  };
  switch (kind->family) {
    case QueryFamily::Text: each([&](const uint8_t* bytes) { return c.textIn(place.text(bytes)); }); break;
    case QueryFamily::Date: each([&](const uint8_t* bytes) { return c.dateOf(place.text(bytes)); }); break;
    default: each([&](const uint8_t* bytes) { return c.number(place.f32(bytes)); }); break;
  }
  return found;
}
