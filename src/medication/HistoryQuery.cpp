#include "medication/HistoryQuery.h"

namespace {

const MedicationRecord kProto;

// Where a field of the medication record lies, found by its member in the
// record's field list: a query over the whole file reads it straight from
// the stored bytes.
struct FieldPlace {
  const void* member;
  int offset = -1, width = 0;
  void text(const std::string& v, int off, int w) {
    if (&v == member) offset = off, width = w;
  }
  void date(const std::string& v, int off) { text(v, off, 10); }
  void f32(const float& v, int off) {
    if (&v == member) offset = off, width = 4;
  }
  template <class T>
  void cur(const T&, int) {}
};

FieldPlace placeOf(const void* member) {
  FieldPlace place{member};
  const_cast<MedicationRecord&>(kProto).fields(place);
  return place;
}

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
  const FieldPlace place = placeOf(testedField(std::stoi(kind->code)));
  for (long r = 1; r <= meds.count(); ++r) {
    const uint8_t* at = meds.bytes(r) + place.offset;
    const std::string_view field(reinterpret_cast<const char*>(at), static_cast<size_t>(place.width));
    bool match = false;
    switch (kind->family) {
      case QueryFamily::Text: match = c.textIn(field); break;
      case QueryFamily::Date: match = c.dateOf(field); break;
      default: match = c.number(records::getF32(at)); break;
    }
    if (match) found.push_back(r);
  }
  return found;
}
