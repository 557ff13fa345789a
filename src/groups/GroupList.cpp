#include "groups/GroupList.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "common/FixedLine.h"
#include "common/Format.h"
#include "common/NumberText.h"
#include "common/PrintListing.h"

namespace {

constexpr int kListWidth = 90, kPrintWidth = 84;

const char* const kHeading2[] = {
    "  ID    IN    OUT   IN     OUT   LOSS%   GAINED   DAILY GAIN    IN    DAYS  NURSERY",
    "  ID    IN    OUT   IN     OUT   LOSS%   GAINED   DAILY GAIN    IN    DAYS  GROWER  ",
    "  ID    IN    OUT   IN     OUT   LOSS%   GAINED   DAILY GAIN    IN    DAYS  FINISHER"};

// The records of the stage and year that `wanted` takes, tested on their
// stored bytes.
template <class Wanted>
std::vector<long> GroupsOfStageAndYear(const GroupBook& book, int stage, const std::string& year, Wanted wanted) {
  std::vector<long> out;
  const char letter = StageLetter(stage)[0];
  const std::optional<std::string> tail = YearTail(year);
  if (letter == ' ' || !tail) return out;
  EachWithIdTail(book.groupFile(), *tail, [&](const uint8_t* p, long n) {
    if (static_cast<char>(p[GroupRecord::StageAt]) != letter) return;
    if (records::textView(p + GroupRecord::IdAt, GroupRecord::IdWidth).find_first_not_of(' ') == std::string_view::npos)
      return;
    if (wanted(p)) out.push_back(n);
  });
  return out;
}

// Writes the first `lead` characters of a date and its last `tail` from
// column `col`, ten columns at most: "01/02/24" of "01/02/2024".
void PutShortDate(FixedLine& line, int col, std::string_view date, size_t lead, size_t tail) {
  lead = std::min(lead, date.size());
  tail = std::min(tail, date.size());
  line.put(col, date.substr(0, lead), 10);
  if (tail > 0) line.put(col + static_cast<int>(lead), date.substr(date.size() - tail), 10 - static_cast<int>(lead));
}

// The group number: the first three characters of the ID.
std::string_view GroupNumber(const GroupRecord& g) { return std::string_view(g.GroupId).substr(0, 3); }

}  // namespace

std::vector<long> ListedGroups(const GroupBook& book, int stage, const std::string& year) {
  return GroupsOfStageAndYear(book, stage, year,
                              [](const uint8_t* p) { return records::getI16(p + GroupRecord::PigsInAt) != 0; });
}

std::vector<long> PrintedGroups(const GroupBook& book, int stage, const std::string& year) {
  return GroupsOfStageAndYear(book, stage, year,
                              [](const uint8_t* p) { return records::getI16(p + GroupRecord::YearEndAdjustAt) != -1; });
}

std::string GroupListLine(const GroupRecord& g, const GroupFigures& f) {
  FixedLine line(kListWidth);
  line.put(2, GroupNumber(g), 3).put(10, g.PigsIn, "0", 3);
  line.put(21, SingleText(g.WeightIn), 5);
  if (g.YearEndAdjust == -1) {
    line.put(27, "USED to EDIT END of YEAR ADJUSTMENT", 35);
  } else {
    line.put(15, f.pigsOut, "0", 3).put(27, f.averageWeightOut, 5).put(35, f.deathLoss, 4);
    line.put(44, f.weightGained, 5).put(55, f.dailyGain, 4).put(74, f.pigDays, "0", 5);
    line.put(82, f.averageDaysIn, "0", 5);
  }
  PutShortDate(line, 64, g.DateIn, 6, 2);
  return line.str();
}

std::string GroupPrintLine(const GroupRecord& g, const GroupFigures& f) {
  FixedLine line(kPrintWidth);
  line.put(3, GroupNumber(g), 3).put(9, g.PigsIn, "###0", 3);
  line.put(15, f.pigsOut, "0", 3).put(21, g.WeightIn, "0.00", 5);
  line.put(28, f.averageWeightOut, 5).put(35, f.deathLoss, 4).put(43, f.weightGained, 5);
  line.put(53, f.dailyGain, 4).put(71, f.pigDays, "0", 4);
  PutShortDate(line, 64, g.DateIn, 5, 0);
  return line.put(78, f.averageDaysIn, "0", 5).str();
}

void WriteGroupRows(platform::ListItems& rows, const GroupBook& book, int stage, const std::string& year) {
  for (long n : ListedGroups(book, stage, year)) {
    const GroupRecord g = book.group(n);
    rows.add(GroupListLine(g, g.YearEndAdjust == -1 ? GroupFigures{} : FiguresOf(book, g)), n);
  }
}

bool PrintGroupList(int stage, const std::string& year, const std::string& title) {
  GroupBook book;
  if (!book.read(title)) return false;
  std::vector<std::string> lines;
  for (long n : PrintedGroups(book, stage, year)) {
    const GroupRecord g = book.group(n);
    lines.push_back(GroupPrintLine(g, FiguresOf(book, g)));
  }
  PrintCourierListing(StageWord(stage) + " GROUPS for GROUP YEAR(" + year + ")",
                      " GROUP   #PIG(s)      WEIGHT     DEATH   WEIGHT    AVERAGE     DATE   PIG   DAYS IN ",
                      kHeading2[stage], lines, {.endBanner = false});
  return true;
}
