#pragma once
// The sow list's query language: the 21 kinds of the query dialog with the
// titles of its refusals, and the test of one sow against a query.
//
// A query is a kind code ("0" all active sows, "19" all sows that left the
// herd, "1" to "18" and "20" one field) and a criterion (common/QueryGrammar.h).
#include <cstdint>
#include <optional>
#include <string>

#include "common/QueryGrammar.h"
#include "records/FarrowRecord.h"
#include "records/RecordIo.h"
#include "records/SowRecord.h"

// The 21 kinds in the order of the dialog's combo box, and its titles.
const QueryLanguage& SowQueryLanguage();

// The due date the query compares: the date it holds (ReadDueDate), or
// "__/__/____" for none.
std::string NormalizedDueDate(const std::string& stored);

// One query, parsed once and tested against many sows straight from their
// stored bytes: the field the kind tests is read where it lies, and a sow's
// litters are summed only for the kinds of her litters.
class SowQuery {
 public:
  SowQuery(const std::string& kindCode, const std::string& criterion);

  // True for kinds that need the litters of FARROW.DAT.
  bool needsLitters() const;
  // True for kinds that test a figure of the sow's litter statistics.
  bool testsStatistics() const;
  // Tests the live sow stored in `sow` (her SOW.DAT bytes); `litters` is
  // FARROW.DAT, read once for the whole run.
  bool matches(const uint8_t* sow, const records::FileImage<FarrowRecord>& litters) const;

 private:
  const QueryKind* kind_ = nullptr;
  int code_ = -1;
  int fieldAt_ = -1, fieldWidth_ = 0;  // where the sow's tested field lies; none for the kinds of her litters
  ParsedCriterion criterion_;
};

// True while the sow stored in `sow` (her SOW.DAT bytes) is in the herd: her
// date left herd is empty.
bool SowIsActive(const uint8_t* sow);
