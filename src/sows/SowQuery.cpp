#include "sows/SowQuery.h"

#include <charconv>
#include <cmath>
#include <string_view>

#include "common/DateMath.h"
#include "common/NumberText.h"
#include "records/RecordSlots.h"
#include "sows/SowHistory.h"

namespace {

// Characters `start` (1-based) to start + len - 1 of `s`, as far as they go.
std::string mid(const std::string& s, size_t start, size_t len) {
  if (start < 1 || start > s.size()) return "";
  return s.substr(start - 1, len);
}
std::string right(const std::string& s, size_t n) { return s.size() <= n ? s : s.substr(s.size() - n); }

bool isQualifier(char c) { return c == '<' || c == '>' || c == '='; }

const char kEmptyDate[] = "__/__/____";

}  // namespace

const std::vector<SowQueryKind>& SowQueryKinds() {
  static const std::vector<SowQueryKind> kinds = {
      {"By SOW Id.", "1", QueryFamily::Text},
      {"By BREED", "2", QueryFamily::Text},
      {"By PRV DATE", "3", QueryFamily::Date},
      {"By LOCATION", "4", QueryFamily::Text},
      {"By DATE BORN", "5", QueryFamily::Date},
      {"By Number Of PARITIES", "6", QueryFamily::Whole},
      {"By DATE DUE To FARROW", "7", QueryFamily::Date},
      {"By DATE BRED", "8", QueryFamily::Date},
      {"By A BOAR", "9", QueryFamily::Text},
      {"By DATE of ENTRY into HERD", "10", QueryFamily::Date},
      {"By Avg. Number Of PIG(s) BORN", "11", QueryFamily::Whole},
      {"By Avg. Number Of PIG(s) STILLBORN", "12", QueryFamily::Single},
      {"By Avg. Number Of PIG(s) WEANED", "13", QueryFamily::Single},
      {"By DAY'S to 230", "14", QueryFamily::Whole},
      {"By BACKFAT", "15", QueryFamily::Single},
      {"By LOINEYE", "16", QueryFamily::Single},
      {"By Fostered TO", "17", QueryFamily::Whole},
      {"By Fostered FROM", "18", QueryFamily::Whole},
      {"All INACTIVE SOW(s)", "19", QueryFamily::AllInactive},
      {"All ACTIVE SOW'S", "0", QueryFamily::AllActive},
      {"By DATE WEANED", "20", QueryFamily::Date},
  };
  return kinds;
}

const SowQueryKind* SowQueryKindByCaption(const std::string& caption) {
  for (const SowQueryKind& k : SowQueryKinds())
    if (caption == k.caption) return &k;
  return nullptr;
}

const SowQueryKind* SowQueryKindByCode(const std::string& code) {
  for (const SowQueryKind& k : SowQueryKinds())
    if (code == k.code) return &k;
  return nullptr;
}

// ---- The dialog's check ----------------------------------------------------

QualifierClass ClassifyCriterion(const std::string& t) {
  if (t.rfind("><", 0) == 0 || (t.size() >= 2 && t.compare(t.size() - 2, 2, "><") == 0))
    return QualifierClass::MisplacedRange;
  QualifierClass cls = QualifierClass::None;
  if (t.find("><") != std::string::npos) cls = QualifierClass::Range;
  if (!t.empty() && isQualifier(t[0])) cls = QualifierClass::Comparison;
  if (t.find('?') != std::string::npos) cls = QualifierClass::Range;
  return cls;
}

QueryRefusal QueryMessageMisplacedRange() {
  return {"ILLEGAL ENTRY!!\r\rInvalid placement of QUALIFIER.\rIt MUST be placed between statements.\r\r"
          ">< A RANGE\rExample: 01/01/1997><03/01/1997",
          "QUERY   SOW   LIST"};
}
QueryRefusal QueryMessageNoRangeHere() {
  return {"ILLEGAL ENTRY!!\r\rA '?' is no longer needed!", "QUERY  SOW  HISTORIES"};
}
QueryRefusal QueryMessageNoQualifierHere() {
  return {"ILLEGAL ENTRY!!\r\rA QUALIFIER is not needed here!", "QUERY   SOW   HISTORIES"};
}
QueryRefusal QueryMessageNeedQualifier() {
  return {"ILLEGAL ENTRY!!\r\rYou MUST use a QUALIFIER!\rThe following are VALID:\r<  LESS THAN\r"
          ">  GREATER THAN\r=  EQUAL TO\r>< A RANGE\r\rExample:  >01/01/1997",
          "QUERY   SOW   HISTORIES"};
}
QueryRefusal QueryMessageNoEntry() {
  return {"NO ENTRY!!\rYou MUST enter SOMETHING!", "QUERY   SOW   HISTORIES"};
}

QueryEntryOutcome CheckQueryEntry(const std::optional<std::string>& chosenCaption,
                                  const std::string& typed) {
  QueryEntryOutcome out;
  const std::string t = UCase(Trim(typed));
  const QualifierClass cls = ClassifyCriterion(t);
  if (cls == QualifierClass::MisplacedRange) {
    out.refusal = QueryMessageMisplacedRange();
    return out;
  }
  const SowQueryKind* kind = chosenCaption ? SowQueryKindByCaption(*chosenCaption) : nullptr;
  if (!kind) {
    out.args[1] = "0";
    return out;
  }
  out.args[1] = kind->code;
  switch (kind->family) {
    case QueryFamily::AllActive:
    case QueryFamily::AllInactive:
      out.args[3] = kind->caption;
      return out;
    case QueryFamily::Text:
      if (cls == QualifierClass::Range) {
        out.refusal = QueryMessageNoRangeHere();
        return out;
      }
      if (cls == QualifierClass::Comparison) {
        out.refusal = QueryMessageNoQualifierHere();
        return out;
      }
      break;
    default:
      if (cls == QualifierClass::None) {
        out.refusal = QueryMessageNeedQualifier();
        return out;
      }
      break;
  }
  out.args[3] = kind->caption;
  if (t.empty()) {
    out.refusal = QueryMessageNoEntry();
    return out;
  }
  out.args[2] = t;
  return out;
}

// ---- Dates -----------------------------------------------------------------

std::optional<std::string> DateFieldKey(const std::string& stored) {
  const size_t last = stored.find_last_not_of(' ');
  if (last == std::string::npos) return std::nullopt;
  const std::string_view d(stored.data(), last + 1);
  if (d == kEmptyDate) return std::nullopt;
  // The last four characters, the first two, then characters 4 and 5, as far
  // as the text goes.
  std::string key;
  key.reserve(8);
  key.append(d.substr(d.size() <= 4 ? 0 : d.size() - 4)).append(d.substr(0, 2));
  if (d.size() >= 4) key.append(d.substr(3, 2));
  return key;
}

std::string NormalizedDueDate(const std::string& stored) {
  const std::string t = Trim(stored);
  if (t.empty()) return kEmptyDate;
  if (t.size() == 8 && t.find_first_not_of("0123456789") == std::string::npos)
    return t.substr(0, 2) + "/" + t.substr(2, 2) + "/" + t.substr(4, 4);
  return RTrim(stored);
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
  switch (c.op) {
    case '<': return fieldKey < c.key;
    case '>': return fieldKey > c.key;
    case '=': return fieldKey == c.key;
    case 'R': return fieldKey > c.lowKey && fieldKey < c.highKey;
    default: return false;
  }
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

bool NumberMatches(const NumberCriterion& c, double value) {
  switch (c.op) {
    case '<': return value < c.bound;
    case '>': return value > c.bound;
    case '=': return value == c.bound;
    case 'R': return value > c.low && value < c.high;
    default: return false;
  }
}

float SingleForQuery(float value) {
  // As the value's text (SingleText) reads back (Val); the text of an
  // infinity ("INF") reads as 0.
  if (std::isinf(value)) return 0;
  const std::string text = SingleText(value);
  double read = 0;
  std::from_chars(text.data(), text.data() + text.size(), read);
  return static_cast<float>(read);
}

// ---- One query ---------------------------------------------------------------

bool SowIsActive(const SowRecord& sow) {
  return sow.DateLeftHerd == kEmptyDate || IsEmptyDate(RTrim(sow.DateLeftHerd));  // most are stored so
}

SowQuery::SowQuery(const std::string& kindCode, const std::string& criterion)
    : kind_(SowQueryKindByCode(kindCode)) {
  if (!kind_) return;
  code_ = std::stoi(kind_->code);
  switch (code_) {
    case 0: case 19: textField_ = &SowRecord::DateLeftHerd; break;
    case 1: textField_ = &SowRecord::Id; break;
    case 2: textField_ = &SowRecord::Breed; break;
    case 3: textField_ = &SowRecord::PrvDate; break;
    case 4: textField_ = &SowRecord::Location; break;
    case 5: textField_ = &SowRecord::DateOfBirth; break;
    case 7: textField_ = &SowRecord::DateDue; break;
    case 8: textField_ = &SowRecord::DateBred; break;
    case 9: textField_ = &SowRecord::BoarId; break;
    case 10: textField_ = &SowRecord::DateEnteredHerd; break;
    case 6: wholeField_ = &SowRecord::ParityCount; break;
    case 14: wholeField_ = &SowRecord::DaysTo230; break;
    case 15: singleField_ = &SowRecord::Backfat; break;
    case 16: singleField_ = &SowRecord::Loineye; break;
    default: break;  // the kinds of her litters
  }
  switch (kind_->family) {
    case QueryFamily::Text: text_ = UCase(RTrim(criterion)); break;
    case QueryFamily::Date: date_ = ParseDateCriterion(criterion); break;
    case QueryFamily::Whole: number_ = ParseNumberCriterion(criterion, true); break;
    case QueryFamily::Single: number_ = ParseNumberCriterion(criterion, false); break;
    default: break;
  }
}

bool SowQuery::needsLitters() const {
  switch (code_) {
    case 11: case 12: case 13: case 17: case 18: case 20: return true;
    default: return false;
  }
}

bool SowQuery::matches(const SowRecord& sow, const records::FileImage<FarrowRecord>& litters) const {
  if (!kind_) return false;
  auto textHas = [this](const std::string& field) {
    return !text_.empty() && UCase(RTrim(field)).find(text_) != std::string::npos;
  };
  auto dateHas = [this](const std::string& field) {
    const std::optional<std::string> key = DateFieldKey(field);
    return key && DateMatches(date_, *key);
  };
  auto stats = [&sow, &litters]() -> const SowHistoryRecord& {
    SetSowLinks(sow);
    SowLitterStats(FarrowLinks, litters);
    return SowHistory;
  };
  switch (code_) {
    case 0: return SowIsActive(sow);
    case 19: return !SowIsActive(sow);
    case 7: return dateHas(NormalizedDueDate(sow.DateDue));
    case 20: {
      static const FarrowRecord proto;
      static const records::FieldMask<FarrowRecord> weaned(proto, {&proto.DateWeaned});
      FarrowRecord litter;
      for (long link : records::LitterLinks(sow, litters.count())) {
        litters.decode(link, litter, weaned);
        if (dateHas(litter.DateWeaned)) return true;
      }
      return false;
    }
    case 11: return NumberMatches(number_, static_cast<double>(RoundHalfEven(stats().AvgBorn)));
    case 12: return NumberMatches(number_, SingleForQuery(stats().AvgStillborn));
    case 13: return NumberMatches(number_, SingleForQuery(stats().AvgWeaned));
    case 17: return NumberMatches(number_, stats().TotalFosteredTo);
    case 18: return NumberMatches(number_, stats().TotalFosteredFrom);
    default: break;
  }
  if (textField_) return kind_->family == QueryFamily::Text ? textHas(sow.*textField_) : dateHas(sow.*textField_);
  if (wholeField_) return NumberMatches(number_, sow.*wholeField_);
  if (singleField_) return NumberMatches(number_, SingleForQuery(sow.*singleField_));
  return false;
}

records::FieldMask<SowRecord> SowQuery::fieldsUsed() const {
  static const SowRecord proto;
  std::vector<const void*> members = {&proto.Id, &proto.ParityCount, &proto.FarrowRecNo};
  if (textField_) members.push_back(&(proto.*textField_));
  if (wholeField_) members.push_back(&(proto.*wholeField_));
  if (singleField_) members.push_back(&(proto.*singleField_));
  return records::FieldMask<SowRecord>(proto, members);
}
