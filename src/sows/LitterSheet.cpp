#include "sows/LitterSheet.h"

#include "common/Format.h"
#include "common/NumberText.h"
#include "common/PrintSheet.h"
#include "records/RecordSlots.h"

namespace {

const char* const kLabels[] = {"",
                               "PARITY. --------------------------->",
                               "The Date the Pigs were Born. ------>",
                               "The Number of Pigs Born. ---------->",
                               "The Number of Pigs Alive. --------->",
                               "The Litter Birth Weight. ---------->",
                               "Litter Number. -------------------->",
                               "Percent Stillborn. ---------------->",
                               "Number of Pigs Fostered to Sow. --->",
                               "Number of Pigs Fostered from Sow. ->",
                               "Pre-Weaning Mortality. ------------>",
                               "The Date the Pigs are Weaned. ----->",
                               "The Number of Pigs Weaned. -------->",
                               "The Pigs age at Weaning. ---------->",
                               "Litter Weaning Weight. ------------>",
                               "The Weaning Weight. --------------->",
                               "Adjusted 21 Day Weight. ----------->",
                               "The BOAR ID. ---------------------->"};

}  // namespace

std::vector<std::string> LitterSheetLines(const LitterColumn& column) {
  std::vector<std::string> lines(1);
  lines.reserve(kBoarRow + 1);
  for (int k = kParityRow; k <= kBoarRow; ++k) {
    const std::string& row = column[static_cast<size_t>(k)];
    const bool date = k == kDateBornRow || k == kDateWeanedRow;
    lines.push_back(Labelled(kLabels[k], date && row == records::kEmptyDate ? std::string_view() : row));
  }
  return lines;
}

bool PrintLitterSheet(const LitterColumn& column, const std::string& sowId) {
  const std::vector<std::string> lines = LitterSheetLines(column);
  SetSheetJob("SOW ID (" + Trim(sowId) + ") FARROW RECORD", 13);
  PrintSheet sheet("Courier New", 13);
  sheet.SetRows(300, -300, "ABCDEMW");
  sheet.Rows(lines);
  return sheet.End();
}

int PrintSowLitters(const std::string& sowId, const FarrowLinkArray& links, int parities,
                    const records::FileImage<FarrowRecord>& litters) {
  int printed = 0;
  FarrowRecord litter;
  for (int p = 1; p <= records::UsedParities(static_cast<int16_t>(parities)); ++p) {
    const long link = links[static_cast<size_t>(p)];
    if (!records::ValidLitterLink(link, litters.count())) continue;
    litters.decode(link, litter);
    LitterColumn column;
    FillLitterColumn(column, litter, link, true);
    ComputeWeaningRows(column, true);
    column[kParityRow] = Format(p, "0");
    if (!PrintLitterSheet(column, sowId)) break;
    ++printed;
  }
  return printed;
}
