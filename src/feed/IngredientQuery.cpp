#include "feed/IngredientQuery.h"

#include "common/FixedLine.h"
#include "common/NumberText.h"

namespace {

const IngredientRecord kProto;

// The member each kind tests, by code.
const void* testedField(int code) {
  switch (code) {
    case 1: return &kProto.IngredientName;
    case 3: return &kProto.CurrentInventory;
    case 4: return &kProto.StartInventory;
    case 5: return &kProto.TotalCost;
    case 6: return &kProto.UnitCost;
    case 7: return &kProto.InventoryDate;
    default: return &kProto.IngredientCode;
  }
}

// The refusals of this dialog: its examples are dated 2012, and it tells
// of "?" with "=".
std::array<const char*, kQueryFaults> refusalTexts() {
  std::array<const char*, kQueryFaults> texts = kQueryRefusalTexts;
  texts[static_cast<size_t>(QueryFault::MisplacedRange)] =
      "ILLEGAL ENTRY!!\r\rInvalid placement of QUALIFIER.\rIt MUST be placed between statements.\r\r"
      ">< A RANGE\rExample: 01/01/2012><03/01/2012";
  texts[static_cast<size_t>(QueryFault::NeedQualifier)] =
      "ILLEGAL ENTRY!!\r\rYou MUST use a QUALIFIER!\rThe following are VALID:\r<  LESS THAN\r"
      ">  GREATER THAN\r=  EQUAL TO\r>< A RANGE\r\rExample:  >01/01/2012\r\rA global '?' can be used with a '='";
  return texts;
}

}  // namespace

const QueryLanguage& IngredientQueryLanguage() {
  static const char kTitle[] = "QUERY   INGREDIENT   LIST";
  static const QueryLanguage language{
      {
          {"By INGREDIENT Name", "1", QueryFamily::Text},
          {"By INGREDIENT Code", "2", QueryFamily::Text},
          {"By CURRENT INVENTORY", "3", QueryFamily::Whole},
          {"By START INVENTORY", "4", QueryFamily::Whole},
          {"By TOTAL COST", "5", QueryFamily::Single},
          {"By UNIT COST", "6", QueryFamily::Single},
          {"By INVENTORY DATE", "7", QueryFamily::Date},
      },
      {kTitle, kTitle, kTitle, kTitle, kTitle, kTitle},
      false,
      QueryDialect::QuestionIsLiteral,
      refusalTexts()};
  return language;
}

IngredientQuery::IngredientQuery(const std::string& kindCode, const std::string& criterion) {
  const QueryKind* kind = IngredientQueryLanguage().byCode(kindCode);
  if (!kind) return;
  code_ = kind->number();
  criterion_ = ParsedCriterion(kind->family, criterion);
  field_ = records::placeOf(kProto, testedField(code_));
}

bool IngredientQuery::matches(const uint8_t* bytes) const {
  const records::FieldPlace& f = field_;
  switch (code_) {
    case 1:
    case 2: return criterion_.textIn(f.text(bytes));
    case 3:
    case 4: return criterion_.number(f.i32(bytes));
    case 5:
    case 6: return criterion_.number(static_cast<float>(f.cur(bytes).value()));
    case 7: return criterion_.dateOf(f.text(bytes));
    default: return false;
  }
}

void WriteIngredientQueryRows(platform::ListItems& rows, const IngredientFile& file, const IngredientQuery& query) {
  static const records::FieldPlace code = records::placeOf(&IngredientRecord::IngredientCode);
  for (long n = 1; n <= file.count(); ++n) {
    const uint8_t* bytes = file.bytes(n);
    if (!code.blank(bytes) && query.matches(bytes)) rows.add(WriteIngredientListLine(bytes), n);
  }
}
