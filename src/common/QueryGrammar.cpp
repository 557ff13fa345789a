#include "common/QueryGrammar.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <string_view>

#include "common/NumberText.h"

namespace {

// Characters `start` (1-based) to start + len - 1 of `s`, as far as they go.
std::string mid(const std::string& s, size_t start, size_t len) {
  if (start < 1 || start > s.size()) return "";
  return s.substr(start - 1, len);
}
std::string right(const std::string& s, size_t n) { return s.size() <= n ? s : s.substr(s.size() - n); }

bool isQualifier(char c) { return c == '<' || c == '>' || c == '='; }

const char kEmptyDate[] = "__/__/____";

// `value` against a criterion: '<', '>', '=' with `bound`, 'R' strictly
// between `low` and `high`; any other op matches nothing.
template <class T>
bool compares(char op, const T& value, const T& bound, const T& low, const T& high) {
  switch (op) {
    case '<': return value < bound;
    case '>': return value > bound;
    case '=': return value == bound;
    case 'R': return value > low && value < high;
    default: return false;
  }
}

}  // namespace

const std::array<const char*, kQueryFaults> kQueryRefusalTexts = {
    "ILLEGAL ENTRY!!\r\rInvalid placement of QUALIFIER.\rIt MUST be placed between statements.\r\r"
    ">< A RANGE\rExample: 01/01/1997><03/01/1997",
    "ILLEGAL ENTRY!!\r\rA '?' is no longer needed!",
    "ILLEGAL ENTRY!!\r\rA QUALIFIER is not needed here!",
    "ILLEGAL ENTRY!!\r\rYou MUST use a QUALIFIER!\rThe following are VALID:\r<  LESS THAN\r"
    ">  GREATER THAN\r=  EQUAL TO\r>< A RANGE\r\rExample:  >01/01/1997",
    "NO ENTRY!!\rYou MUST enter SOMETHING!",
    "ILLEGAL ENTRY!!\r\rInvalid Use of QUALIFIER.\rYou CAN NOT use the global\rQUALIFIER '?' in a number statement.",
};

const QueryKind* QueryLanguage::byCaption(const std::string& caption) const {
  for (const QueryKind& k : kinds)
    if (caption == k.caption) return &k;
  return nullptr;
}

int QueryKind::number() const {
  int n = 0;
  std::from_chars(code, code + std::strlen(code), n);
  return n;
}

const QueryKind* QueryLanguage::byCode(const std::string& code) const {
  for (const QueryKind& k : kinds)
    if (code == k.code) return &k;
  return nullptr;
}

Refusal QueryRefusalOf(QueryFault fault, const QueryLanguage& language) {
  const auto i = static_cast<size_t>(fault);
  const char* title = language.titles[i];
  return {language.texts[i], title ? title : "", platform::vbExclamation, 0};
}

// ---- The dialog's check ----------------------------------------------------

QualifierClass ClassifyCriterion(const std::string& t, QueryDialect dialect) {
  const bool literalQuestion = dialect == QueryDialect::QuestionIsLiteral;
  const size_t range = t.find("><");
  if (literalQuestion && range != std::string::npos && t.size() < range + 4) return QualifierClass::MisplacedRange;
  if (t.rfind("><", 0) == 0 || (t.size() >= 2 && t.compare(t.size() - 2, 2, "><") == 0))
    return QualifierClass::MisplacedRange;
  QualifierClass cls = QualifierClass::None;
  if (range != std::string::npos) cls = QualifierClass::Range;
  if (!t.empty() && isQualifier(t[0])) cls = QualifierClass::Comparison;
  if (!literalQuestion && t.find('?') != std::string::npos) cls = QualifierClass::Range;
  return cls;
}

QueryEntryOutcome CheckQueryEntry(const QueryLanguage& language, const std::optional<std::string>& chosenCaption,
                                  const std::string& typed) {
  QueryEntryOutcome out;
  const auto refuse = [&out, &language](QueryFault fault) {
    out.refusal = QueryRefusalOf(fault, language);
    return out;
  };
  const std::string t = UCase(Trim(typed));
  const bool literalQuestion = language.dialect == QueryDialect::QuestionIsLiteral;
  const QualifierClass cls = ClassifyCriterion(t, language.dialect);
  if (cls == QualifierClass::MisplacedRange) return refuse(QueryFault::MisplacedRange);
  const QueryKind* kind = chosenCaption ? language.byCaption(*chosenCaption) : nullptr;
  if (!kind) {
    out.args[1] = "0";
    return out;
  }
  out.args[1] = kind->code;
  switch (kind->family) {
    case QueryFamily::All:
      if (language.allKindsRefuseQualifiers && cls == QualifierClass::Range) return refuse(QueryFault::RangeInText);
      if (language.allKindsRefuseQualifiers && cls == QualifierClass::Comparison)
        return refuse(QueryFault::QualifierInText);
      out.args[3] = kind->caption;
      return out;
    case QueryFamily::Text:
      if (cls == QualifierClass::Range)
        return refuse(literalQuestion ? QueryFault::QualifierInText : QueryFault::RangeInText);
      if (cls == QualifierClass::Comparison) return refuse(QueryFault::QualifierInText);
      break;
    default:
      if (literalQuestion && t.find('?') != std::string::npos) return refuse(QueryFault::QuestionInValue);
      if (cls == QualifierClass::None) return refuse(QueryFault::NeedQualifier);
      break;
  }
  out.args[3] = kind->caption;
  if (t.empty()) return refuse(QueryFault::NoEntry);
  out.args[2] = t;
  return out;
}

// ---- Dates -----------------------------------------------------------------

namespace {

// The key of a stored date: its last four characters, its first two, then
// characters 4 and 5, as far as the text goes, trailing blanks aside; empty
// for an empty date ("__/__/____", blanks).
std::string dateKey(std::string_view stored) {
  const std::string_view d = RTrimmed(stored);
  if (d.empty() || d == kEmptyDate) return "";
  const std::string_view year = d.substr(d.size() <= 4 ? 0 : d.size() - 4);
  const std::string_view month = d.substr(0, 2);
  const std::string_view day = d.size() >= 4 ? d.substr(3, 2) : std::string_view();
  std::string key;
  key.append(year).append(month).append(day);
  return key;
}

}  // namespace

std::optional<std::string> DateFieldKey(const std::string& stored) {
  std::string key = dateKey(stored);
  if (key.empty()) return std::nullopt;
  return key;
}

DateCriterion ParseDateCriterion(const std::string& criterion) {
  const std::string c = RTrim(criterion);
  DateCriterion dc;
  if (c.empty()) return dc;
  if (isQualifier(c[0])) {
    dc.op = c[0];
    dc.key = right(c, 4) + mid(c, 2, 2) + mid(c, 5, 2);
  } else if (mid(c, 11, 2) == "><") {
    dc.op = 'R';
    dc.lowKey = mid(c, 7, 4) + mid(c, 1, 2) + mid(c, 4, 2);
    dc.highKey = mid(c, 19, 4) + mid(c, 13, 2) + mid(c, 16, 2);
  }
  return dc;
}

bool DateMatches(const DateCriterion& c, const std::string& fieldKey) {
  return compares(c.op, fieldKey, c.key, c.lowKey, c.highKey);
}

// ---- Numbers ---------------------------------------------------------------

NumberCriterion ParseNumberCriterion(const std::string& criterion, bool whole) {
  const std::string c = RTrim(criterion);
  NumberCriterion nc;
  if (c.empty()) return nc;
  auto read = [whole](const std::string& text) {
    const double v = Val(text);
    if (!whole) return static_cast<double>(static_cast<float>(v));
    // A bound far outside any 16-bit value needs no rounding to compare.
    return std::fabs(v) < 1e15 ? static_cast<double>(RoundHalfEven(v)) : v;
  };
  const size_t range = c.find("><");
  if (range != std::string::npos) {
    // The lower bound is what stands before the first "><" (after a
    // qualifier in front, which compares with it), the upper bound what
    // follows it.
    const size_t from = isQualifier(c[0]) ? 1 : 0;
    nc.low = read(range > from ? c.substr(from, range - from) : std::string());
    nc.high = read(c.substr(range + 2));
    if (isQualifier(c[0])) {
      nc.op = c[0];
      nc.bound = nc.low;
    } else {
      nc.op = 'R';
    }
    return nc;
  }
  if (!isQualifier(c[0]) || c.size() == 1) return nc;  // no qualifier, or nothing after it
  nc.op = c[0];
  nc.bound = read(c.substr(1));
  return nc;
}

bool NumberMatches(const NumberCriterion& c, double value) { return compares(c.op, value, c.bound, c.low, c.high); }

// ---- One criterion ---------------------------------------------------------

ParsedCriterion::ParsedCriterion(QueryFamily family, const std::string& criterion) {
  switch (family) {
    case QueryFamily::Text: text_ = UCase(RTrim(criterion)); break;
    case QueryFamily::Date: date_ = ParseDateCriterion(criterion); break;
    case QueryFamily::Whole: number_ = ParseNumberCriterion(criterion, true); break;
    case QueryFamily::Single: number_ = ParseNumberCriterion(criterion, false); break;
    default: break;
  }
}

bool ParsedCriterion::textIn(std::string_view field) const {
  // The field upper-cased without its trailing blanks holds the criterion.
  if (text_.empty()) return false;
  const std::string_view trimmed = RTrimmed(field);
  const auto sameUpperCase = [](char fieldChar, char criterionChar) { return UCaseChar(fieldChar) == criterionChar; };
  return std::search(trimmed.begin(), trimmed.end(), text_.begin(), text_.end(), sameUpperCase) != trimmed.end();
}

bool ParsedCriterion::dateOf(std::string_view stored) const {
  const std::string key = dateKey(stored);
  if (key.empty()) return false;
  return DateMatches(date_, key);
}

float SingleForQuery(float value) { return SingleTextValue(value); }
