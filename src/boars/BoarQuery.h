#pragma once
// The boar list's lines and query language: the 12 kinds of the boar query
// dialog with the titles of its refusals, the test of one boar against a
// query, and the rows of the list for the plain list or a query.
//
// A query is a kind code ("0" all active boars, "11" all boars that left the
// herd, "12" all active boars, "1" to "10" one field or litter figure) and a
// criterion (common/QueryGrammar.h). The litter figures come from FARROW.DAT
// read once into a SireTable, whatever the number of boars.
#include <string>
#include <vector>

#include "boars/BoarHistory.h"
#include "common/QueryGrammar.h"
#include "platform/ListItems.h"
#include "records/BoarRecord.h"
#include "records/RecordIo.h"

// The 12 kinds in the order of the dialog's combo box, and its titles.
const QueryLanguage& BoarQueryLanguage();

// True while the boar is in the herd: his date left herd is empty.
bool BoarIsActive(const BoarRecord& boar);

// The list line of a boar in the herd (80 characters): ID, breed, location,
// date entered herd and price ("$" and two decimals, right-aligned).
std::string BoarListLine(const BoarRecord& boar);
// The list line of a boar that left the herd.
std::string InactiveBoarLine(const BoarRecord& boar);
// The printed line of a boar (95 characters); an empty line for a free record.
std::string BoarPrintLine(const BoarRecord& boar);

// The conception rate as the query compares it: the percentage written as
// decimal text, cut to four characters and read back (33.3, .333).
float QueryConceptionRate(int32_t sowsFarrowed, int32_t herdLitters);

// One query, parsed once and tested against many boars.
class BoarQuery {
 public:
  BoarQuery(const std::string& kindCode, const std::string& criterion);

  // True for kinds that need the litters of FARROW.DAT (and SOW.DAT).
  bool needsLitters() const;
  // True for the kind that lists the boars that left the herd.
  bool listsInactive() const { return code_ == 11; }
  // Tests one live boar; `sires` is FARROW.DAT read once, `herdLitters` the
  // litters of the sows in the herd. Kinds 9 and 10 leave the boar's litter
  // figures in BoarHistory.
  bool matches(const BoarRecord& boar, const SireTable& sires, int32_t herdLitters) const;

 private:
  int code_ = -1;
  std::string text_;
  DateCriterion date_;
  NumberCriterion number_;
};

// The rows of the plain list over BOAR.DAT read in blocks, each with its
// record number as item data, added to `rows`: the live boars in the herd,
// or with `inactive` those that left it, in file order. False, with `fault`
// and `rows` emptied, when the file cannot be read.
bool WriteBoarRows(platform::ListItems& rows, bool inactive, FileFault* fault);
// The rows of a query over BOAR.DAT in the same way, in file order; every
// kind but 11 lists only boars in the herd. BoarHistory keeps the record
// fields of the last record read.
bool WriteBoarQueryRows(platform::ListItems& rows, const BoarQuery& query, const SireTable& sires,
                        int32_t herdLitters, FileFault* fault);
