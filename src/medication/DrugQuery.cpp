#include "medication/DrugQuery.h"

#include "common/FixedLine.h"
#include "common/NumberText.h"
#include "medication/DrugListLine.h"

namespace {

const DrugRecord kProto;

// The member each kind tests, by code; the name is always read.
const void* testedField(int code) {
  switch (code) {
    case 1: return &kProto.DrugName;
    case 2: return &kProto.DrugCode;
    case 3: return &kProto.DrugType;
    case 4: return &kProto.Manufacturer;
    case 5: return &kProto.Dosage;
    case 6: return &kProto.LotNumber;
    case 7: return &kProto.WithdrawalDays;
    case 8: return &kProto.PurchaseDate;
    case 9: return &kProto.ExpirationDate;
    case 10: return &kProto.InventoryAmount;
    case 11: return &kProto.DrugCost;
    case 12: return &kProto.AmountPurchased;
    default: return &kProto.DrugName;
  }
}

}  // namespace

const QueryLanguage& DrugQueryLanguage() {
  static const char kTitle[] = "QUERY   DRUG   LIST";
  static const QueryLanguage language{
      {
          {"By DRUG Name", "1", QueryFamily::Text},
          {"By DRUG CODE", "2", QueryFamily::Text},
          {"By DRUG Type. (V, F, W)", "3", QueryFamily::Text},
          {"By MANUFACTURER", "4", QueryFamily::Text},
          {"By DOSAGE", "5", QueryFamily::Single},
          {"By LOT NUMBER", "6", QueryFamily::Text},
          {"By WITHDRAWAL Period", "7", QueryFamily::Whole},
          {"By Date PURCHASED", "8", QueryFamily::Date},
          {"By EXPIRATION Date", "9", QueryFamily::Date},
          {"By INVENTORY AMOUNT", "10", QueryFamily::Single},
          {"By COST of DRUG", "11", QueryFamily::Single},
          {"By AMOUNT PURCHASED", "12", QueryFamily::Single},
      },
      {kTitle, kTitle, kTitle, kTitle, kTitle, kTitle},
      false,
      QueryDialect::QuestionIsLiteral};
  return language;
}

DrugQuery::DrugQuery(const std::string& kindCode, const std::string& criterion)
    : kind_(DrugQueryLanguage().byCode(kindCode)) {
  if (!kind_) return;
  code_ = kind_->number();
  criterion_ = ParsedCriterion(kind_->family, criterion);
  const std::string c = UCase(RTrim(criterion));
  if (!c.empty()) typeLetter_ = c.back();
  field_ = records::placeOf(kProto, testedField(code_));
}

bool DrugQuery::matches(const uint8_t* drugBytes) const {
  const records::FieldPlace& f = field_;
  switch (code_) {
    case 1:
    case 2:
    case 4:
    case 6: return criterion_.textIn(f.text(drugBytes));
    case 3: return typeLetter_ != 0 && UCaseChar(f.text(drugBytes)[0]) == typeLetter_;
    case 5:
    case 10:
    case 12: return criterion_.number(f.f32(drugBytes));
    case 7: return criterion_.number(static_cast<double>(RoundHalfEven(Val(std::string(f.text(drugBytes))))));
    case 8:
    case 9: return criterion_.dateOf(f.text(drugBytes));
    case 11: return criterion_.number(static_cast<float>(f.cur(drugBytes).value()));
    default: return false;
  }
}

void AddDrugQueryRow(platform::ListItems& rows, long n, const uint8_t* drug, const DrugQuery& query) {
  static const records::FieldPlace name = records::placeOf(&DrugRecord::DrugName);
  if (!name.blank(drug) && query.matches(drug)) rows.add(WriteDrugLine(drug, kDrugQueryColumns, kDrugLineWidth), n);
}
