#pragma once
// The drug list's query language (DrugQueryLanguage: the twelve kinds of
// DialogHog5 and the titles of its refusals), one query parsed once and
// tested against each drug, and the lines of the drugs it lists.
//
// A query is a kind code ("0" all drugs, "1" to "12" one field) and a
// criterion (common/QueryGrammar.h). Text kinds list the drugs whose field
// holds the criterion; the type kind compares the type letter with the
// criterion's last character; number and date kinds compare with their
// qualifier, bounds of a range excluded.
#include <string>
#include <string_view>
#include <vector>

#include "common/QueryGrammar.h"
#include "platform/ListItems.h"
#include "records/DrugRecord.h"
#include "records/Fields.h"

const QueryLanguage& DrugQueryLanguage();

class DrugQuery {
 public:
  DrugQuery(const std::string& kindCode, const std::string& criterion);

  // Tests a drug by its stored bytes: only the field the kind tests is read.
  bool matches(const uint8_t* drugBytes) const;
  const QueryKind* kind() const { return kind_; }

 private:
  const QueryKind* kind_ = nullptr;
  int code_ = -1;
  ParsedCriterion criterion_;
  char typeLetter_ = 0;  // the type kind: the criterion's last character
  records::FieldPlace field_;
};

// The query's list, written as a run over DRUG.LST hands on each record in
// turn: when record n (its stored bytes `drug`) matches, its row, with n as
// its item data, is added to `rows`: the list line with the stored inventory
// amount "0.0" right-aligned in columns 56-62. Records without a name are
// passed over, and an amount of 0 keeps no drug off.
void AddDrugQueryRow(platform::ListItems& rows, long n, const uint8_t* drug, const DrugQuery& query);
