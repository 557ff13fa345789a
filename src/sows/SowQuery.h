#pragma once
// The sow list's query language: the 21 kinds of the query dialog, the check
// the dialog makes of a typed criterion, and the test of one sow against a
// query.
//
// A query is a kind code ("0" all active sows, "19" all sows that left the
// herd, "1" to "18" and "20" one field) and a criterion: for a text kind the
// text alone, for a value kind a qualifier "<", ">" or "=" before the value,
// or a range "low><high" (both bounds excluded). Dates are "MM/DD/YYYY".
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "records/FarrowRecord.h"
#include "records/RecordIo.h"
#include "records/SowRecord.h"

// What a kind compares.
enum class QueryFamily {
  AllActive,    // "0"
  AllInactive,  // "19"
  Text,         // contains the criterion, upper case
  Date,         // year, month, day keys
  Whole,        // 16-bit whole numbers
  Single,       // single-precision numbers
};

struct SowQueryKind {
  const char* caption;  // the dialog's entry
  const char* code;     // QueryArgs(1)
  QueryFamily family;
};

// The 21 kinds in the order of the dialog's combo box.
const std::vector<SowQueryKind>& SowQueryKinds();
// The kind whose dialog entry is `caption`; nothing for any other text.
const SowQueryKind* SowQueryKindByCaption(const std::string& caption);
// The kind of a code "0" to "20"; nothing for any other text.
const SowQueryKind* SowQueryKindByCode(const std::string& code);

// ---- The query dialog's check of a criterion ------------------------------

enum class QualifierClass { None, MisplacedRange, Range, Comparison };

// The qualifier class of a criterion already trimmed and upper-cased.
QualifierClass ClassifyCriterion(const std::string& t);

// A refusal of the query dialog: the message box's text and title.
struct QueryRefusal {
  std::string text;
  std::string title;
};

// The dialog's messages.
QueryRefusal QueryMessageMisplacedRange();  // A
QueryRefusal QueryMessageNoRangeHere();     // B
QueryRefusal QueryMessageNoQualifierHere(); // C
QueryRefusal QueryMessageNeedQualifier();   // D
QueryRefusal QueryMessageNoEntry();         // E

// What EXECUTE does with the chosen entry (nothing chosen: nullopt) and the
// typed text: `args` is QueryArgs as it stands afterwards (indexes 0 to 3);
// with a refusal the dialog stays open.
struct QueryEntryOutcome {
  std::array<std::string, 4> args;
  std::optional<QueryRefusal> refusal;
};
QueryEntryOutcome CheckQueryEntry(const std::optional<std::string>& chosenCaption,
                                  const std::string& typed);

// ---- Evaluation -----------------------------------------------------------

// The 8-character key year, month, day of a stored date "MM/DD/YYYY"; nothing
// for an empty date ("__/__/____", blanks).
std::optional<std::string> DateFieldKey(const std::string& stored);
// The due date as a date text: an empty one (also blanks) stays empty, one
// stored as eight digits "mmddyyyy" becomes "mm/dd/yyyy".
std::string NormalizedDueDate(const std::string& stored);

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
// qualifier matches nothing.
struct NumberCriterion {
  char op = 0;  // '<', '>', '=', 'R' range, 0 matches nothing
  double bound = 0, low = 0, high = 0;
};
NumberCriterion ParseNumberCriterion(const std::string& criterion, bool whole);
bool NumberMatches(const NumberCriterion& c, double value);

// A Single value as the query compares it: to 7 significant digits.
float SingleForQuery(float value);

// One query, parsed once and tested against many sows.
class SowQuery {
 public:
  SowQuery(const std::string& kindCode, const std::string& criterion);

  // True for kinds that need the litters of FARROW.DAT.
  bool needsLitters() const;
  // Tests one live sow; `litters` is FARROW.DAT, read once for the whole run.
  // The statistics kinds leave the sow's litter statistics in SowHistory.
  bool matches(const SowRecord& sow, const records::FileImage<FarrowRecord>& litters) const;
  // The fields of a sow record that matches() reads: her ID, her parity count
  // and litter links, and the field the kind tests.
  records::FieldMask<SowRecord> fieldsUsed() const;

  const SowQueryKind* kind() const { return kind_; }

 private:
  const SowQueryKind* kind_ = nullptr;
  int code_ = -1;
  // The sow's field the kind tests; none for the kinds of her litters.
  std::string SowRecord::*textField_ = nullptr;
  int16_t SowRecord::*wholeField_ = nullptr;
  float SowRecord::*singleField_ = nullptr;
  std::string text_;  // text kinds: the criterion, upper case, no trailing blanks
  DateCriterion date_;
  NumberCriterion number_;
};

// True while the sow is in the herd: her date left herd is empty.
bool SowIsActive(const SowRecord& sow);
