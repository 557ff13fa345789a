#include "common/PrvEntry.h"

#include <algorithm>

#include "common/DateChecks.h"
#include "records/Fields.h"

Check CheckPrvEntry(const std::string& date, const PrvBoxes& boxes, const std::string& animal, int dateField,
                    int idField) {
  if (date == records::kEmptyDate)
    return Refusal{"You MUST enter a DATE for the PRV test.", "PRV DATE", platform::vbExclamation, -1};
  if (Check bad = CheckDate(date, kFirstDataYear, dateField)) return bad;
  if (std::all_of(boxes.begin(), boxes.end(), [](const std::string& box) { return PrvKey(box).empty(); }))
    return Refusal{"You haven't entered any " + animal + " ID'S!", "PRV TEST", platform::vbExclamation, idField};
  return std::nullopt;
}
