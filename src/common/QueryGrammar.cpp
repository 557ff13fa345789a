#include "common/QueryGrammar.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cstring>
#include <cmath>
#include <string_view>

#include "common/NumberText.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Characters `start` (1-based) to start + len - 1 of `s`, as far as they go.
std::string mid(const std::string& s, size_t start, size_t len) {
  if (start < 1 || start > s.size()) return "";
  return s.substr(start - 1, len);
}
std::string right(const std::string& s, size_t n) { return s.size() <= n ? s : s.substr(s.size() - n); }

bool isQualifier(char c) { return c == '<' || c == '>' || c == '='; }

const char kEmptyDate[] = "__/__/____";
constexpr uint64_t kEmptyKey = 0x5F5F5F5F5F5F5F5Fu;  // "________" as one word

// Upper case of each Windows-1252 character, by its code.
const std::array<char, 256>& upperCaseTable() {
  static const std::array<char, 256> kUpper = [] {
    std::array<char, 256> t{};
    for (int i = 0; i < 256; ++i) t[static_cast<size_t>(i)] = UCaseChar(static_cast<char>(i));
    return t;
  }();
  return kUpper;
}
char upperOf(const std::array<char, 256>& upper, char c) { return upper[static_cast<unsigned char>(c)]; }

// The place of the last character of `text` that is not a blank, npos when
// none, as text.find_last_not_of(' ') finds it, but looking at eight
// characters at a time from the end.
size_t lastNonBlank(std::string_view text) {
  size_t end = text.size();
  if constexpr (std::endian::native == std::endian::little) {
    for (; end >= 8; end -= 8) {
      uint64_t word;
      std::memcpy(&word, text.data() + end - 8, sizeof word);
      word ^= 0x2020202020202020u;  // a blank becomes a zero byte
      // The last character that is not a blank is the highest byte not zero.
      if (word != 0) return end - 8 + static_cast<size_t>(63 - std::countl_zero(word)) / 8;
    }
  }
  return text.substr(0, end).find_last_not_of(' ');
}

// The places (bits, the first lowest) found in a block that holds a field's
// first `half` characters and then its last `half`, those from `tailAt` on,
// as places in the field.
template <unsigned half>
uint32_t placesInField(uint32_t blockPlaces, size_t tailAt) {
  constexpr uint32_t kHalf = (1u << half) - 1;
  return (blockPlaces & kHalf) | (blockPlaces >> half & kHalf) << tailAt;
}

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

// The key of a stored date into `out` (8 characters at most); its length, 0
// for an empty date.
// Eight key characters as one number that orders as their text does.
uint64_t keyWord(const char* key) {
  uint64_t word;
  std::memcpy(&word, key, sizeof word);
  if constexpr (std::endian::native == std::endian::little) word = __builtin_bswap64(word);
  return word;
}

size_t dateKeyInto(std::string_view stored, char* out) {
  // A whole date, as nearly every stored one is: yyyy, mm, dd.
  if (stored.size() == 10 && stored[9] != ' ') {
    if (stored == kEmptyDate) return 0;
    std::memcpy(out, stored.data() + 6, 4);
    std::memcpy(out + 4, stored.data(), 2);
    std::memcpy(out + 6, stored.data() + 3, 2);
    return 8;
  }
  const size_t last = stored.find_last_not_of(' ');
  if (last == std::string_view::npos) return 0;
  const std::string_view d(stored.data(), last + 1);
  if (d == kEmptyDate) return 0;
  // The last four characters, the first two, then characters 4 and 5, as far
  // as the text goes.
  const std::string_view year = d.substr(d.size() <= 4 ? 0 : d.size() - 4);
  const std::string_view month = d.substr(0, 2);
  const std::string_view day = d.size() >= 4 ? d.substr(3, 2) : std::string_view();
  size_t n = 0;
  for (std::string_view part : {year, month, day}) {
    if (part.empty()) continue;  // a short date has no day, and no text to copy
    std::memcpy(out + n, part.data(), part.size());
    n += part.size();
  }
  return n;
}

}  // namespace

std::optional<std::string> DateFieldKey(const std::string& stored) {
  char key[8];
  const size_t n = dateKeyInto(stored, key);
  if (n == 0) return std::nullopt;
  return std::string(key, n);
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
    case QueryFamily::Text:
      text_ = UCase(RTrim(criterion));
      upper_ = &upperCaseTable();
      if (!text_.empty()) {
        const auto preimagesOf = [this](char c) {
          Preimages found;
          char cases[2] = {0, 0};
          for (int b = 0; b < 256; ++b) {
            if (upperOf(*upper_, static_cast<char>(b)) != c) continue;
            if (found.count < 2) cases[found.count] = static_cast<char>(b);
            ++found.count;
          }
          const char differ = found.count == 2 ? static_cast<char>(cases[0] ^ cases[1]) : '\0';
          std::memset(found.differ, differ, sizeof found.differ);
          std::memset(found.key, cases[0] | differ, sizeof found.key);
          return found;
        };
        first_ = preimagesOf(text_.front());
        last_ = preimagesOf(text_.back());
        blocks_ = first_.count >= 1 && first_.count <= 2 && last_.count >= 1 && last_.count <= 2;
      }
      break;
    case QueryFamily::Date:
      date_ = ParseDateCriterion(criterion);
      wholeKeys_ = date_.op == 'R' ? date_.lowKey.size() == 8 && date_.highKey.size() == 8 : date_.key.size() == 8;
      if (wholeKeys_) {
        key_ = date_.key.size() == 8 ? keyWord(date_.key.data()) : 0;
        lowKey_ = date_.lowKey.size() == 8 ? keyWord(date_.lowKey.data()) : 0;
        highKey_ = date_.highKey.size() == 8 ? keyWord(date_.highKey.data()) : 0;
      }
      break;
    case QueryFamily::Whole: number_ = ParseNumberCriterion(criterion, true); break;
    case QueryFamily::Single: number_ = ParseNumberCriterion(criterion, false); break;
    default: break;
  }
}

bool ParsedCriterion::textIn(std::string_view field) const {
  // The field upper-cased without its trailing blanks holds the criterion. A
  // run over a whole file asks this of every record, so each character is
  // upper-cased through a table as it is compared, and a field of 4 to 32
  // characters is looked at in blocks of sixteen.
  const size_t m = text_.size();
  const std::array<char, 256>& upper = *upper_;
  const auto matchesAt = [&](size_t at) {
    size_t k = 0;
    while (k < m && upperOf(upper, field[at + k]) == text_[k]) ++k;
    return k == m;
  };
#if defined(__SSE2__)
  // (Blocks are looked at only for a criterion whose first and last
  // characters each have a preimage.)
  if (blocks_ && field.size() >= 4 && field.size() <= 32) {
    if (field.size() < m) return false;
    // A match ends on the criterion's last character, never a blank, so it
    // lies within the field's text and the blanks after it need no trimming.
    // Only the places where the field's character may upper-case to the
    // criterion's first and the one m - 1 further on to its last are
    // compared whole. They are found as bits, a block of sixteen at a time:
    // the field's first sixteen characters and its last sixteen, which
    // overlap when it has fewer than 32; a field of fewer than sixteen in one
    // block.
    const auto placesOf = [](__m128i bytes, const Preimages& p) {
      const auto wanted = [](const char(&sixteen)[16]) { return _mm_load_si128(reinterpret_cast<const __m128i*>(sixteen)); };
      return static_cast<uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(_mm_or_si128(bytes, wanted(p.differ)), wanted(p.key))));
    };
    uint32_t firsts, lasts;
    if (field.size() >= 16) {
      const size_t tailAt = field.size() - 16;
      const __m128i head = _mm_loadu_si128(reinterpret_cast<const __m128i*>(field.data()));
      const __m128i tail = _mm_loadu_si128(reinterpret_cast<const __m128i*>(field.data() + tailAt));
      firsts = placesOf(head, first_) | placesOf(tail, first_) << tailAt;
      lasts = placesOf(head, last_) | placesOf(tail, last_) << tailAt;
    } else if (field.size() >= 8) {
      // The field's first eight characters and its last eight side by side.
      const size_t tailAt = field.size() - 8;
      const __m128i halves = _mm_unpacklo_epi64(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(field.data())),
                                                _mm_loadl_epi64(reinterpret_cast<const __m128i*>(field.data() + tailAt)));
      firsts = placesInField<8>(placesOf(halves, first_), tailAt);
      lasts = placesInField<8>(placesOf(halves, last_), tailAt);
    } else {
      // Its first four and its last four.
      const size_t tailAt = field.size() - 4;
      int32_t front, back;
      std::memcpy(&front, field.data(), sizeof front);
      std::memcpy(&back, field.data() + tailAt, sizeof back);
      const __m128i halves = _mm_unpacklo_epi32(_mm_cvtsi32_si128(front), _mm_cvtsi32_si128(back));
      firsts = placesInField<4>(placesOf(halves, first_), tailAt);
      lasts = placesInField<4>(placesOf(halves, last_), tailAt);
    }
    for (uint32_t starts = firsts & lasts >> (m - 1); starts != 0; starts &= starts - 1)
      if (matchesAt(static_cast<size_t>(std::countr_zero(starts)))) return true;
    return false;
  }
#endif
  // No character upper-cases to the criterion's first or last (an empty
  // criterion has neither): nothing matches.
  if (first_.count == 0 || last_.count == 0) return false;
  const size_t last = field.size() < 8 ? field.find_last_not_of(' ') : lastNonBlank(field);
  const size_t length = last == std::string_view::npos ? 0 : last + 1;
  for (size_t at = 0; at + m <= length; ++at)
    if (matchesAt(at)) return true;
  return false;
}

bool ParsedCriterion::dateOf(std::string_view stored) const {
  if (wholeKeys_ && stored.size() == 10 && stored[9] != ' ') {
    // A whole date, as nearly every stored one is: its key read at fixed
    // places as one word; the empty date has the key of eight "_".
    char whole[8];
    std::memcpy(whole, stored.data() + 6, 4);
    std::memcpy(whole + 4, stored.data(), 2);
    std::memcpy(whole + 6, stored.data() + 3, 2);
    const uint64_t key = keyWord(whole);
    if (key == kEmptyKey && stored == kEmptyDate) return false;
    return compares(date_.op, key, key_, lowKey_, highKey_);
  }
  char key[8];
  const size_t n = dateKeyInto(stored, key);
  if (n == 0) return false;
  if (n == 8 && wholeKeys_) return compares(date_.op, keyWord(key), key_, lowKey_, highKey_);
  const std::string_view k(key, n);
  return compares<std::string_view>(date_.op, k, date_.key, date_.lowKey, date_.highKey);
}

float SingleForQuery(float value) { return SingleTextValue(value); }
