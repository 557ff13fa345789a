#include "medication/DrugQuery.h"

#include <algorithm>

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
    : kind_(DrugQueryLanguage().byCode(kindCode)), fields_(kProto, {&kProto.DrugName}) {
  if (!kind_) return;
  code_ = std::stoi(kind_->code);
  criterion_ = ParsedCriterion(kind_->family, criterion);
  const std::string c = UCase(RTrim(criterion));
  if (!c.empty()) typeLetter_ = c.back();
  fields_ = records::FieldMask<DrugRecord>(kProto, {&kProto.DrugName, testedField(code_)});
}

bool DrugQuery::matches(const DrugRecord& drug) const {
  switch (code_) {
    case 1: return criterion_.textIn(drug.DrugName);
    case 2: return criterion_.textIn(drug.DrugCode);
    case 3: return typeLetter_ != 0 && drug.DrugType.size() == 1 && UCaseChar(drug.DrugType[0]) == typeLetter_;
    case 4: return criterion_.textIn(drug.Manufacturer);
    case 5: return criterion_.number(drug.Dosage);
    case 6: return criterion_.textIn(drug.LotNumber);
    case 7: return criterion_.number(static_cast<double>(RoundHalfEven(Val(drug.WithdrawalDays))));
    case 8: return criterion_.dateOf(drug.PurchaseDate);
    case 9: return criterion_.dateOf(drug.ExpirationDate);
    case 10: return criterion_.number(drug.InventoryAmount);
    case 11: return criterion_.number(static_cast<float>(drug.DrugCost.value()));
    case 12: return criterion_.number(drug.AmountPurchased);
    default: return false;
  }
}

std::string DrugQueryLine(const uint8_t* drugBytes) {
  std::string line = DrugListLine(drugBytes);
  const float amount = records::getF32(drugBytes + DrugRecord::InventoryAt);
  // Columns 56-62, right-aligned; a longer amount keeps its leftmost characters.
  const std::string text = OneDecimal(amount);
  const size_t width = 7, shown = std::min(text.size(), width);
  std::fill(line.begin() + 55, line.end(), ' ');
  line.replace(55 + width - shown, shown, text, 0, shown);
  return line;
}

std::vector<std::string> QueryDrugs(const records::FileImage<DrugRecord>& drugs, const DrugQuery& query) {
  std::vector<std::string> lines;
  DrugRecord drug;
  for (long n = 1; n <= drugs.count(); ++n) {
    drugs.decode(n, drug, query.fieldsUsed());
    if (!RTrim(drug.DrugName).empty() && query.matches(drug)) lines.push_back(DrugQueryLine(drugs.bytes(n)));
  }
  return lines;
}
