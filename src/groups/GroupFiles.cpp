#include "groups/GroupFiles.h"

#include <algorithm>

#include "common/DataFiles.h"
#include "common/DateMath.h"
#include "common/FixedLine.h"
#include "common/Format.h"
#include "common/NumberText.h"
#include "records/RecordSlots.h"

namespace {

const char* const kLetters[] = {"N", "G", "F"};
const char* const kWords[] = {"NURSERY", "GROWER", "FINISHER"};

std::string key(const std::string& id) { return RTrim(id); }

// The tens digit by which a grower's finisher sub-groups are known: the
// first character of the sub-group number as text.
char TensChar(int subGroup) { return std::to_string(subGroup)[0]; }

template <class R>
bool WriteOne(long n, const R& record, const std::string& title) {
  records::TypedFile<R> file;
  const std::string path = DataFilePath<R>();
  if (!file.open(path) || !file.write(n, record)) {
    ReportFileFault({path, file.error()}, true, title);
    return false;
  }
  file.close();
  return true;
}

Check FileFull(long record, const std::string& file, const std::string& title) {
  if (records::RecordNumberFits(record)) return std::nullopt;
  return Refusal{"ERROR:   NO ROOM LEFT IN " + file + " FILE!!\r\rTry Deleting some older GROUP ID(s).", title};
}

// Whether the group record is one of the stage and year.
bool OfStageAndYear(const GroupRecord& g, int stage, const std::string& year) {
  return Trim(g.Stage) != "" && !IsFreeGroup(g) && g.GroupId.size() >= 2 &&
         g.GroupId.substr(g.GroupId.size() - 2) == year && g.Stage == StageLetter(stage);
}

std::string ShortDate(const std::string& date, size_t lead, size_t tail) {
  return date.substr(0, lead) + (tail ? date.substr(date.size() - tail) : "");
}

}  // namespace

std::string StageLetter(int stage) { return stage >= 0 && stage <= 2 ? kLetters[stage] : " "; }
std::string StageWord(int stage) { return stage >= 0 && stage <= 2 ? kWords[stage] : ""; }
int StageOf(const std::string& letter) {
  for (int s = 0; s <= 2; ++s)
    if (letter == kLetters[s]) return s;
  return -1;
}

bool GroupBook::read(const std::string& title) {
  if (!ReadDataFile(groups, title) || !ReadDataFile(sales, title)) return false;
  index();
  return true;
}

GroupBook GroupBook::of(const std::vector<GroupRecord>& groups, const std::vector<SalesRecord>& sales) {
  GroupBook book;
  for (const GroupRecord& g : groups) book.groups.push_back(records::decode<GroupRecord>(records::encode(g)));
  for (const SalesRecord& s : sales) book.sales.push_back(records::decode<SalesRecord>(records::encode(s)));
  book.index();
  return book;
}

void GroupBook::index() {
  groupsOf.clear();
  salesOf.clear();
  for (size_t i = 0; i < groups.size(); ++i)
    if (!IsFreeGroup(groups[i])) groupsOf[key(groups[i].GroupId)].push_back(static_cast<long>(i) + 1);
  for (size_t i = 0; i < sales.size(); ++i)
    if (!IsFreeSale(sales[i])) salesOf[key(sales[i].GroupId)].push_back(static_cast<long>(i) + 1);
}

bool IsFreeGroup(const GroupRecord& g) { return Trim(g.GroupId).empty(); }
bool IsFreeSale(const SalesRecord& s) { return s.GroupId == std::string(6, ' ') || s.GroupId.empty(); }
GroupRecord BlankGroup() { return GroupRecord{}; }

std::vector<PigsOutLot> GroupOutLots(const GroupBook& book, const GroupRecord& g, bool adjustRows) {
  std::vector<PigsOutLot> lots;
  const int stage = StageOf(g.Stage);
  const std::string id = key(g.GroupId);
  if (auto it = book.groupsOf.find(id); it != book.groupsOf.end() && stage != 2) {
    for (long n : it->second) {
      const GroupRecord& r = book.group(n);
      const bool next = stage == 0 ? r.Stage == "G" : r.Stage == "F" && TensChar(r.SubGroup) == TensChar(g.SubGroup);
      if (next) lots.push_back({r.PigsIn, r.WeightIn, r.DateIn});
    }
  }
  if (auto it = book.salesOf.find(id); it != book.salesOf.end() && stage >= 0) {
    for (long n : it->second) {
      const SalesRecord& s = book.sales[static_cast<size_t>(n - 1)];
      if (stage == 0) {
        if (s.YearEndAdjust == 0 && s.SaleType == "F") lots.push_back({s.PigsSold, s.WeightPerPig, s.DateSold});
      } else if (s.SaleType == "M" && s.SubGroup == g.SubGroup) {
        if (s.YearEndAdjust == 0)
          lots.push_back({s.PigsSold + (stage == 2 ? s.GiltsSold : 0), s.WeightPerPig, s.DateSold});
        else if (adjustRows && stage == 2)
          lots.push_back({s.PigsSold, s.WeightPerPig, s.DateSold});
      }
    }
  }
  return lots;
}

long PigsOutOf(const std::vector<PigsOutLot>& lots) {
  long n = 0;
  for (const PigsOutLot& lot : lots) n += lot.pigs;
  return n;
}

GroupFigures FiguresOf(const GroupBook& book, const GroupRecord& g) {
  GroupFigures f;
  const std::vector<PigsOutLot> lots = GroupOutLots(book, g, true);
  f.pigsOut = PigsOutOf(lots);
  double pounds = 0;
  for (const PigsOutLot& lot : lots) {
    pounds += static_cast<double>(lot.pigs) * lot.weight;
    f.pigDays += lot.pigs * DaysBetween(g.DateIn, lot.date).value_or(0);
  }
  const float weightOut = f.pigsOut != 0 ? static_cast<float>(pounds / static_cast<double>(f.pigsOut)) : 0.0f;
  f.averageWeightOut = f.pigsOut != 0 ? Format(weightOut, "0.00") : "0";
  const float outValue = static_cast<float>(Val(f.averageWeightOut));
  f.deathLoss = g.DeathLoss != 0 && g.PigsIn != 0
                    ? Format(static_cast<float>(g.PigsIn - f.pigsOut) / static_cast<float>(g.PigsIn) * 100.0f, "0.00")
                    : "0.00";
  const float gained = outValue != 0 ? outValue - g.WeightIn : 0.0f;
  f.weightGained = Format(gained, "0.00");
  f.averageDaysIn = f.pigDays != 0 && f.pigsOut != 0 ? f.pigDays / f.pigsOut : 0;
  const float gainValue = static_cast<float>(Val(f.weightGained));
  f.dailyGain = f.averageDaysIn != 0 ? Format(gainValue / static_cast<float>(f.averageDaysIn), "0.00") : "0.00";
  return f;
}

long FreeGroupRecord(const std::vector<GroupRecord>& groups, const std::vector<long>& taken) {
  const auto isTaken = [&](long n) { return std::find(taken.begin(), taken.end(), n) != taken.end(); };
  for (size_t i = 0; i < groups.size(); ++i) {
    const long n = static_cast<long>(i) + 1;
    if (IsFreeGroup(groups[i]) && !isTaken(n)) return n;
  }
  long n = static_cast<long>(groups.size()) + 1;
  while (isTaken(n)) ++n;
  return n;
}

long FreeSalesRecord(const std::vector<SalesRecord>& sales) {
  for (size_t i = 0; i < sales.size(); ++i)
    if (IsFreeSale(sales[i])) return static_cast<long>(i) + 1;
  return static_cast<long>(sales.size()) + 1;
}

Check GroupFileFull(long record, const std::string& title) { return FileFull(record, "GROUP", title); }
Check SalesFileFull(long record, const std::string& title) { return FileFull(record, "SALES", title); }

bool WriteGroupRecord(long n, const GroupRecord& g, const std::string& title) { return WriteOne(n, g, title); }
bool WriteSalesRecord(long n, const SalesRecord& s, const std::string& title) { return WriteOne(n, s, title); }

std::vector<long> ListedGroups(const GroupBook& book, int stage, const std::string& year) {
  std::vector<long> out;
  for (size_t i = 0; i < book.groups.size(); ++i) {
    const GroupRecord& g = book.groups[i];
    if (OfStageAndYear(g, stage, year) && g.PigsIn != 0) out.push_back(static_cast<long>(i) + 1);
  }
  return out;
}

std::vector<long> PrintedGroups(const GroupBook& book, int stage, const std::string& year) {
  std::vector<long> out;
  for (size_t i = 0; i < book.groups.size(); ++i) {
    const GroupRecord& g = book.groups[i];
    if (OfStageAndYear(g, stage, year) && g.YearEndAdjust != -1) out.push_back(static_cast<long>(i) + 1);
  }
  return out;
}

std::string GroupListLine(const GroupBook& book, const GroupRecord& g) {
  FixedLine line(90);
  line.put(2, g.GroupId.substr(0, 3), 3).put(10, std::to_string(g.PigsIn), 3).put(21, SingleText(g.WeightIn), 5);
  if (g.YearEndAdjust == -1) {
    line.put(27, "USED to EDIT END of YEAR ADJUSTMENT", 35);
  } else {
    const GroupFigures f = FiguresOf(book, g);
    line.put(15, std::to_string(f.pigsOut), 3).put(27, f.averageWeightOut, 5).put(35, f.deathLoss, 4);
    line.put(44, f.weightGained, 5).put(55, f.dailyGain, 4).put(74, std::to_string(f.pigDays), 5);
    line.put(82, std::to_string(f.averageDaysIn), 5);
  }
  line.put(64, ShortDate(g.DateIn, 6, 2), 10);
  return line.str();
}

std::string GroupPrintLine(const GroupBook& book, const GroupRecord& g) {
  const GroupFigures f = FiguresOf(book, g);
  FixedLine line(84);
  line.put(3, g.GroupId.substr(0, 3), 3).put(9, FormatInteger(g.PigsIn, "###0"), 3);
  line.put(15, std::to_string(f.pigsOut), 3).put(21, Format(g.WeightIn, "0.00"), 5);
  line.put(28, f.averageWeightOut, 5).put(35, f.deathLoss, 4).put(43, f.weightGained, 5);
  line.put(53, f.dailyGain, 4).put(64, ShortDate(g.DateIn, 5, 0), 10).put(71, std::to_string(f.pigDays), 4);
  line.put(78, std::to_string(f.averageDaysIn), 5);
  return line.str();
}
