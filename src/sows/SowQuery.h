#pragma once
// The sow list's query language: the 21 kinds of the query dialog with the
// titles of its refusals, and the test of one sow against a query.
//
// A query is a kind code ("0" all active sows, "19" all sows that left the
// herd, "1" to "18" and "20" one field) and a criterion (common/QueryGrammar.h).
#include <optional>
#include <string>

#include "common/QueryGrammar.h"
#include "records/FarrowRecord.h"
#include "records/RecordIo.h"
#include "records/SowRecord.h"

// The 21 kinds in the order of the dialog's combo box, and its titles.
const QueryLanguage& SowQueryLanguage();

// The due date as a date text: an empty one (also blanks) stays empty, one
// stored as eight digits "mmddyyyy" becomes "mm/dd/yyyy".
std::string NormalizedDueDate(const std::string& stored);

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

  const QueryKind* kind() const { return kind_; }

 private:
  const QueryKind* kind_ = nullptr;
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
