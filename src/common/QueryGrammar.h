#pragma once
// The query language of the list windows: a kind chosen from the query
// dialog's table and a criterion typed with its qualifier. For a text kind
// the criterion is the text alone; for a value kind a qualifier "<", ">" or
// "=" before the value, or a range "low><high" (both bounds excluded); an
// "all" kind takes none. Dates are "MM/DD/YYYY".
//
// Each list names its kinds, the texts and titles of the dialog's refusals
// and how it reads "?" (its dialect) in a QueryLanguage; the check of a typed
// criterion (CheckQueryEntry) and the parsing and matching of criteria
// (ParsedCriterion) are the same for all of them.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Refusal.h"

// What a kind compares.
enum class QueryFamily {
  All,     // every record in (or out of) the herd: no criterion
  Text,    // contains the criterion, upper case
  Date,    // year, month, day keys
  Whole,   // 16-bit whole numbers
  Single,  // single-precision numbers
};

struct QueryKind {
  const char* caption;  // the dialog's entry
  const char* code;     // QueryArgs(1)
  QueryFamily family;
  // The code as a number (every code is digits alone).
  int number() const;
};

// The refusals of EXECUTE.
enum class QueryFault {
  MisplacedRange,   // "><" first or last, whatever the kind
  RangeInText,      // a range or "?" for a text kind
  QualifierInText,  // "<", ">" or "=" for a text kind
  NeedQualifier,    // a value kind without qualifier or range
  NoEntry,          // nothing typed
  QuestionInValue,  // a "?" for a value kind, where "?" is no qualifier
};
inline constexpr size_t kQueryFaults = 6;

// How a dialog reads "?" and where a range may stand.
enum class QueryDialect {
  // The sow and boar lists: "?" anywhere counts as a range, a qualifier for a
  // value kind and refused (RangeInText) for a text kind, as a range is;
  // "><" is misplaced only first or last.
  QuestionIsRange,
  // The drug, medication history and ingredient lists: "?" is a character of
  // a text criterion and refused for a value kind (QuestionInValue); a range
  // for a text kind is a qualifier not needed; "><" is misplaced also when
  // fewer than two characters follow its first occurrence.
  QuestionIsLiteral,
};

// The texts of the refusals most dialogs show, by QueryFault.
extern const std::array<const char*, kQueryFaults> kQueryRefusalTexts;

// One dialog's language: its kinds in the order of its combo box, the title
// of each refusal (by QueryFault; one the dialect never gives may be left
// out), its dialect and the texts of its refusals.
struct QueryLanguage {
  std::vector<QueryKind> kinds;
  std::array<const char*, kQueryFaults> titles;
  // True when an "all" kind refuses a qualifier or a range as a text kind
  // does; false when it ignores whatever was typed.
  bool allKindsRefuseQualifiers = false;
  QueryDialect dialect = QueryDialect::QuestionIsRange;
  std::array<const char*, kQueryFaults> texts = kQueryRefusalTexts;

  // The kind whose entry is `caption`, or whose code is `code`; nothing for
  // any other text.
  const QueryKind* byCaption(const std::string& caption) const;
  const QueryKind* byCode(const std::string& code) const;
};

// The refusal's box, titled for `language`; its field is the criterion box
// (0).
Refusal QueryRefusalOf(QueryFault fault, const QueryLanguage& language);

// ---- The dialog's check of a criterion ------------------------------------

enum class QualifierClass { None, MisplacedRange, Range, Comparison };

// The qualifier class of a criterion already trimmed and upper-cased; later
// rules replace earlier ones: "><" first or last (and, where "?" is literal,
// "><" with fewer than two characters after it) is misplaced; "><" within is
// a range; a leading "<", ">" or "=" a comparison; where "?" counts as a
// range, a "?" anywhere a range.
QualifierClass ClassifyCriterion(const std::string& t, QueryDialect dialect = QueryDialect::QuestionIsRange);

// What EXECUTE does with the chosen entry (nothing chosen: nullopt) and the
// typed text: `args` is QueryArgs as it stands afterwards (indexes 0 to 3);
// with a refusal the dialog stays open.
struct QueryEntryOutcome {
  std::array<std::string, 4> args;
  Check refusal;
};
QueryEntryOutcome CheckQueryEntry(const QueryLanguage& language, const std::optional<std::string>& chosenCaption,
                                  const std::string& typed);

// ---- Matching ---------------------------------------------------------------

// The 8-character key year, month, day of a stored date "MM/DD/YYYY": its
// last four characters, its first two, then characters 4 and 5, as far as the
// text goes; nothing for an empty date ("__/__/____", blanks).
std::optional<std::string> DateFieldKey(const std::string& stored);

// A date criterion: a qualifier and one date, or a range of two dates with
// "><" at characters 11 and 12. Positions are fixed.
struct DateCriterion {
  char op = 0;  // '<', '>', '=', 'R' range, 0 matches nothing
  std::string key, lowKey, highKey;
};
DateCriterion ParseDateCriterion(const std::string& criterion);
bool DateMatches(const DateCriterion& c, const std::string& fieldKey);

// A number criterion: a qualifier and one number, or a range split at the
// first "><". A range with a qualifier in front compares with its lower
// bound (">5><10" lists what is greater than 5). A criterion that is only a
// qualifier matches nothing. Whole bounds round a half to even.
struct NumberCriterion {
  char op = 0;  // '<', '>', '=', 'R' range, 0 matches nothing
  double bound = 0, low = 0, high = 0;
};
NumberCriterion ParseNumberCriterion(const std::string& criterion, bool whole);
bool NumberMatches(const NumberCriterion& c, double value);

// A criterion parsed once for its kind's family and tested against the field
// of many records.
class ParsedCriterion {
 public:
  ParsedCriterion() = default;
  ParsedCriterion(QueryFamily family, const std::string& criterion);

  // Text: the field, upper-cased without trailing blanks, holds the
  // criterion (every character literal); an empty criterion matches nothing.
  bool textIn(std::string_view field) const;
  // Date: the stored date's key against the criterion; an empty date never
  // matches.
  bool dateOf(std::string_view stored) const;
  // Number: the value against the criterion.
  bool number(double value) const { return NumberMatches(number_, value); }

 private:
  std::string text_;
  DateCriterion date_;
  NumberCriterion number_;
};

// A Single value as a query compares it: to 7 significant digits, as its
// text reads back.
float SingleForQuery(float value);
