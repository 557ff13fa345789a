#pragma once
// The check of typed criteria against a query dialog's language, one row per
// case: the kind chosen (none: nothing chosen), what was typed, QueryArgs
// after EXECUTE and the refusal shown.
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "common/QueryGrammar.h"

struct QueryCheckCase {
  std::optional<std::string> kind;
  std::string typed;
  std::array<std::string, 4> args;
  Check refusal;
};

inline void ExpectQueryChecks(const QueryLanguage& language, const std::vector<QueryCheckCase>& cases) {
  for (const QueryCheckCase& c : cases) {
    const QueryEntryOutcome o = CheckQueryEntry(language, c.kind, c.typed);
    EXPECT_EQ(o.args, c.args) << c.kind.value_or("(none)") << " " << c.typed;
    EXPECT_EQ(o.refusal, c.refusal) << c.kind.value_or("(none)") << " " << c.typed;
  }
}
