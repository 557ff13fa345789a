#pragma once
// The medication history's query language (HistoryQueryLanguage: the ten
// kinds of DialogHog6 and the titles of its refusals) and the query run over
// a year's medication file.
//
// The history window shows DialogHog6 modally, unloads it and, when
// QueryArgs(1) is not "0", asks QueryHistory for the records to page through:
//
//   records::FileImage<MedicationRecord> meds;       // MED<yyyy>.DAT, read once
//   std::vector<long> found = QueryHistory(meds, QueryArgs[1], QueryArgs[2]);
#include <string>
#include <vector>

#include "common/QueryGrammar.h"
#include "records/MedicationRecord.h"
#include "records/RecordIo.h"

const QueryLanguage& HistoryQueryLanguage();

// The numbers of the records of `meds` that match the query of kind
// `kindCode` ("1" to "10") and `criterion` (as DialogHog6 leaves them), in
// file order. Text kinds list the records whose field holds the criterion,
// the date and dosage kinds compare with their qualifier, bounds of a range
// excluded. A blanked record is tested as it stands (a dosage "<" counts
// it). Any other kind code, "0" included, lists none: the window shows all
// records without asking.
std::vector<long> QueryHistory(const records::FileImage<MedicationRecord>& meds, const std::string& kindCode,
                               const std::string& criterion);
