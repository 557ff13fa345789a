#include "sows/SowCard.h"

#include "common/FixedLine.h"
#include "common/Format.h"
#include "common/HogGlobals.h"
#include "common/NumberText.h"
#include "common/Paths.h"
#include "common/PrintListing.h"
#include "common/PrintSheet.h"
#include "records/Fields.h"
#include "records/RecordSlots.h"
#include "sows/DueDateText.h"
#include "sows/SowHistory.h"

namespace {

constexpr int kTableWidth = 86;
constexpr int kCardWidth = 76;
constexpr int kCardPageLines = 46;  // a card never fills its page

// part / whole x 100 as a Single, "0.00", written at `col`; nothing when
// whole is 0.
void putPercent(FixedLine& row, int col, int width, int32_t part, int32_t whole) {
  if (whole != 0) row.put(col, static_cast<float>(static_cast<double>(part) / whole * 100), "0.00", width);
}

// A caption centred on an 80-column line, moved four columns right.
std::string sectionCaption(const std::string& caption) {
  const long long lead = RoundHalfEven((80.0 - static_cast<double>(caption.size())) / 2) + 4;
  return std::string(static_cast<size_t>(lead), ' ') + caption;
}

// The due date as the card prints it, its blanks at either end and its NULs
// dropped as the card window drops them: "__/__/____" when there is none, else
// digits as the sow card window shows them (eight are month, day and year),
// any other text with "/" between month, day and year whatever the stored
// separators.
std::string cardDueDate(const std::string& stored) {
  const std::string due = StripNulls(stored);
  if (due.empty() || due == records::kEmptyDate) return records::kEmptyDate;
  if (std::optional<std::string> date = DigitsDueDate(due)) return *date;
  const std::string year = due.size() >= 4 ? due.substr(due.size() - 4) : due;
  return due.substr(0, 2) + "/" + (due.size() > 3 ? due.substr(3, 2) : "") + "/" + year;
}

}  // namespace

void PutParityRow(FixedLine& row, const FarrowRecord& litter) {
  const int32_t born = litter.BornCount, alive = litter.AliveCount, weaned = litter.WeanedCount;
  row.put(13, born, "#0", 2).put(19, alive, "#0", 2).put(27, weaned, "#0", 2);
  putPercent(row, 37, 8, born - alive, born);
  if (weaned != 0) {
    const int32_t nursed = alive + litter.FosteredTo - litter.FosteredFrom;
    putPercent(row, 48, 8, nursed - weaned, nursed);
  }
  row.put(61, litter.FosteredTo, "#0", 2).put(66, litter.FosteredFrom, "#0", 2);
  row.put(73, litter.BirthWeight, "0.00", 6).put(81, litter.WeaningWeight, "0.00", 6);
}

std::vector<std::string> SowCardLines(const records::FileImage<FarrowRecord>& farrowFile) {
  const SowHistoryRecord& h = SowHistory;
  std::vector<std::string> lines;
  const int parities = records::UsedParities(h.ParityCount);
  static const FarrowRecord p;
  static const records::FieldMask<FarrowRecord> shown(
      p, {&p.BornCount, &p.AliveCount, &p.WeanedCount, &p.BirthWeight, &p.WeaningWeight, &p.FosteredTo, &p.FosteredFrom});
  FarrowRecord litter;
  for (int i = 1; i <= kMaxParities; ++i) {
    FixedLine row(kTableWidth);
    row.put(4, i, "0", 1);
    const long link = FarrowLinks[static_cast<size_t>(i)];
    if (i <= parities && records::ValidLitterLink(link, farrowFile.count())) {
      farrowFile.decode(link, litter, shown);
      PutParityRow(row, litter);
    }
    lines.push_back(row.str());
  }
  static const std::string blank(kCardWidth, ' ');
  static const std::string notePad = sectionCaption("*** N O T E   P A D ***");
  static const std::string farrowing = sectionCaption("*** F A R R O W I N G   D A T A ***");
  lines.push_back(blank);
  const auto labelled = [&lines](std::string_view label, std::string_view value) {
    lines.push_back(Labelled(label, value));
  };
  labelled("Breed of SOW. ----------------------->", Trimmed(h.Breed));
  labelled("Date Due to FARROW. ----------------->", cardDueDate(h.DateDue));
  labelled("BOAR bred to. ----------------------->", Trimmed(h.BoarId));
  labelled("Average number of Pigs BORN. -------->", Format(h.AvgBorn, "0.00"));
  labelled("Average number of Pigs BORN ALIVE. -->", Format(h.AvgBornAlive, "0.00"));
  labelled("Average number of Pigs WEANED. ------>", Format(h.AvgWeaned, "0.00"));
  lines.push_back(blank);
  lines.push_back(notePad);
  for (int k = 1; k <= kNoteLines; ++k) lines.push_back(Trim(SowNotes[static_cast<size_t>(k)]));
  lines.push_back(blank);
  lines.push_back(farrowing);
  lines.push_back("DATE BORN -----------> ________           DATE WEANED -----------> ________");
  lines.push_back("PIG'S BORN ----------> ________           PIG'S WEANED ----------> ________");
  lines.push_back("PIG'S ALIVE ---------> ________           LITTER WEANING WEIGHT -> ________");
  lines.push_back("LITTER BIRTH WEIGHT -> ________           PIG'S FOSTERED --------> To____ From____");
  lines.push_back(blank);
  labelled("This SOW CARD was printed on. ", DateText);
  return lines;
}

void PrintSowCard(const records::FileImage<FarrowRecord>& farrowFile) {
  PrintCourierListing("S O W  I D (" + Trim(SowHistory.Id) + ")  C A R D",
                      "           ----- P I G S -----     PERCENT     PRE-WEAN     FOSTERED    LITTER WT's.  ",
                      " PARITY    BORN  ALIVE  WEANED    STILLBORN    MORTALITY    TO  FROM    BIRTH  WEANED ",
                      SowCardLines(farrowFile), {.linesPerPage = kCardPageLines});
}
