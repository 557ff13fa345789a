#pragma once
// The ingredient list's query language (IngredientQueryLanguage: the seven
// kinds of DialogHog7, the texts and title of its refusals), one query parsed
// once and tested against each ingredient, and the list lines of the
// ingredients it lists.
#include <string>
#include <string_view>
#include <vector>

#include "common/QueryGrammar.h"
#include "feed/IngredientFile.h"
#include "records/Fields.h"
#include "records/IngredientRecord.h"

const QueryLanguage& IngredientQueryLanguage();

class IngredientQuery {
 public:
  IngredientQuery(const std::string& kindCode, const std::string& criterion);

  // Tests an ingredient by its stored bytes: only the field the kind tests
  // is read.
  bool matches(const uint8_t* bytes) const;

 private:
  int code_ = -1;
  ParsedCriterion criterion_;
  records::FieldPlace field_;
};

// The list's rows of the ingredients of FEED.LST that match, in record
// order, each with its record number as item data, added to `rows`; free
// records are passed over, and a current inventory of 0 keeps no ingredient
// off.
void WriteIngredientQueryRows(platform::ListItems& rows, const IngredientFile& file, const IngredientQuery& query);
