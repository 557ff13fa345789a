#include "groups/GroupMoves.h"

#include <cfloat>
#include <cmath>
#include <string_view>

#include "common/DataFiles.h"
#include "common/DateMath.h"
#include "common/NumberText.h"
#include "common/TypedNumber.h"
#include "common/WriteSet.h"
#include "records/Nearest.h"

namespace {

// The typed figures of pigs out: counts of pigs, the weight and the price.
const NumberField kPigsOutNumber = IntegerField("The NUMBER of PIGs OUT");
const NumberField kPigsSaleNumber = IntegerField("The NUMBER of PIGs going to SALES");
const NumberField kNumAdjNumber = IntegerField("The NUMBER to ADJUST");
const NumberField kWeightOutNumber = SingleField("The WEIGHT of PIGs OUT");
const NumberField kPriceNumber = SingleField("The PRICE per Lb");

long long CountOf(const std::string& text, const NumberField& field) {
  return static_cast<long long>(TypedValue(text, field));
}

Refusal OutRefusal(const std::string& text, int field) {
  return Refusal{text, kOutErrorTitle, platform::vbExclamation, field};
}

// The pigs of an entry: those going on (to the next building, to gilts, or
// across the year end) and those going to sales.
struct OutCounts {
  long long moving = 0;
  long long sales = 0;
  int field = kPigsOutField;
};
OutCounts CountsOf(const OutEntry& e, int stage) {
  if (e.yearEnd) return {CountOf(e.numAdj, kNumAdjNumber), 0, kNumAdjField};
  return {CountOf(e.pigsOut, kPigsOutNumber), stage == 1 ? 0 : CountOf(e.pigsSale, kPigsSaleNumber), kPigsOutField};
}

const char kMaxGroups[] = "MAX of NINE (9) groups are allowed to leave\r";
const char kLargerGroups[] = " )\rTry larger numbers in each group!";

// The sub-group number of the next building's new sub-group; a refusal past
// the ninth.
Check NewSubGroup(const GroupBook& book, const GroupRecord& g, int stage, int& subGroup) {
  const std::string next = StageLetter(stage + 1);
  std::string text = g.SubGroup == 0 ? "00" : std::to_string(g.SubGroup);
  const char tens = std::to_string(g.SubGroup)[0];
  int highest = -1;
  for (long n : book.groupsOf(g.GroupId)) {
    const GroupRecord r = book.group(n);
    if (r.Stage != next || r.SubGroup <= g.SubGroup) continue;
    if (stage == 1 && std::to_string(r.SubGroup)[0] != tens) continue;
    if (r.SubGroup > highest) highest = r.SubGroup;
  }
  if (highest >= 0) text = std::to_string(highest);
  if (stage == 0) {
    subGroup = records::NearestWhole<int32_t>(Val(text)) + 10;
    if (subGroup > 90)
      return OutRefusal(kMaxGroups + std::string("for this GroupID. ( ") + g.GroupId + kLargerGroups, kPigsOutField);
    return std::nullopt;
  }
  const int units = text.back() - '0' + 1;
  if (units > 9)
    return OutRefusal(kMaxGroups + std::string("for this GroupId. ( ") + g.GroupId + kLargerGroups, kPigsOutField);
  subGroup = records::NearestWhole<int32_t>(Val(text.substr(0, 1) + std::to_string(units)));
  return std::nullopt;
}

}  // namespace

// --- New group ID -------------------------------------------------------

std::optional<std::string> GroupKey(const std::string& typed) {
  if (typed.size() < 3) return std::nullopt;
  return typed.substr(typed.size() - 3);
}

bool GroupKeyUsed(const GroupBook& book, const std::string& key, const std::string& year) {
  for (long n = 1; n <= book.groupCount(); ++n) {
    const std::string_view id(reinterpret_cast<const char*>(book.groupFile().bytes(n) + GroupRecord::IdAt),
                              GroupRecord::IdWidth);
    if (id.substr(id.size() - 2) == year && id.substr(0, 3) == key) return true;
  }
  return false;
}

GroupRecord ReservedGroup(int stage, const std::string& id) {
  GroupRecord g;
  g.Stage = StageLetter(stage);
  g.GroupId = id;
  return g;
}

// --- Pigs in and edit ---------------------------------------------------

const PigsInTexts kNewGroupTexts{"GROUP  ENTRY ERROR!",
                                 "DATE IN, is a required entry!",
                                 "NUMBER OF PIG'S IN, is a required entry!",
                                 "WEIGHT IN, is a required entry!",
                                 IntegerField("NUMBER OF PIG'S IN"),
                                 SingleField("WEIGHT IN")};
const PigsInTexts kEditGroupTexts{"EDIT ENTRY ERROR!",
                                  "The DATE IN, is a required entry!",
                                  "The NUMBER OF PIG'S IN, is a required entry!",
                                  "The WEIGHT IN, is a required entry!",
                                  IntegerField("The NUMBER OF PIG'S IN"),
                                  SingleField("The WEIGHT IN")};

Check CheckDateIn(const PigsInEntry& e, const PigsInTexts& t) {
  if (e.dateIn == records::kEmptyDate) return Refusal{t.dateRequired, t.title, platform::vbExclamation, kDateInField};
  return std::nullopt;
}

Check CheckPigsIn(const PigsInEntry& e, const PigsInTexts& t) {
  if (RTrim(e.pigsIn).empty()) return Refusal{t.pigsRequired, t.title, platform::vbExclamation, kPigsInField};
  if (Check refusal = CheckTypedNumber(e.pigsIn, t.pigsNumber, t.title, kPigsInField)) return refusal;
  if (Trim(e.weightIn).empty()) return Refusal{t.weightRequired, t.title, platform::vbExclamation, kWeightInField};
  return CheckTypedNumber(e.weightIn, t.weightNumber, t.title, kWeightInField);
}

void FillPigsIn(GroupRecord& g, const PigsInEntry& e, const PigsInTexts& t) {
  g.PigsIn = static_cast<int16_t>(TypedValue(e.pigsIn, t.pigsNumber));
  g.WeightIn = TypedSingle(e.weightIn, t.weightNumber);
  g.DateIn = e.dateIn;
}

Check CheckDateInBeforeOut(const GroupBook& book, const GroupRecord& g, const std::string& dateIn) {
  const std::optional<long> in = DayNumber(dateIn);
  if (!in) return std::nullopt;
  std::optional<long> firstOut;
  for (const PigsOutLot& lot : GroupOutLots(book, g, true))
    if (lot.day && (!firstOut || *lot.day < *firstOut)) firstOut = lot.day;
  if (!firstOut || *in <= *firstOut) return std::nullopt;
  return OutRefusal("ERROR: INVALID DATE IN!\r\rYour DATE IN (" + dateIn + ") is after\rthe DATE OUT (" +
                        DateOfDay(*firstOut) + ") of this GROUP!",
                    kDateInField);
}

// --- Pigs out -----------------------------------------------------------

OutGroup LoadOutGroup(const GroupBook& book, long record) {
  OutGroup out;
  const GroupRecord g = book.group(record);
  out.id = g.GroupId;
  out.subGroup = g.SubGroup;
  out.deathLoss = g.DeathLoss;
  if (g.YearEndAdjust == -1) {
    out.state = 1;
  } else if (g.DeathLoss == -1) {
    out.state = 2;
  } else {
    const long pigsOut = PigsOutOf(GroupOutLots(book, g, false));
    out.remaining = g.PigsIn - pigsOut;
    out.state = pigsOut == g.PigsIn ? 3 : 0;
  }
  return out;
}

std::string OutStateText(const OutGroup& g) {
  switch (g.state) {
    case 1: return "THIS GROUP IS ONLY FOR EDITING!\r( " + g.id + " )\rThis GROUP is not really here!";
    case 2: return "THIS GROUP IS FINISHED!\r( " + g.id + " )\rAll pigs in this GROUP have been moved!";
    case 3: return "THERE ISN'T ANY PIGS TO MOVE!";
    default: return "";
  }
}

Check CheckDateOut(const OutEntry& e) {
  if (e.dateOut == records::kEmptyDate) return OutRefusal("The DATE OUT, is a required entry!", kDateOutField);
  return std::nullopt;
}

Check CheckOutFigures(const OutEntry& e, int stage, long remaining) {
  if (e.yearEnd) {
    if (Check refusal = CheckTypedNumber(e.numAdj, kNumAdjNumber, kOutErrorTitle, kNumAdjField)) return refusal;
  } else {
    if (Check refusal = CheckTypedNumber(e.pigsOut, kPigsOutNumber, kOutErrorTitle, kPigsOutField)) return refusal;
    if (stage != 1)
      if (Check refusal = CheckTypedNumber(e.pigsSale, kPigsSaleNumber, kOutErrorTitle, kPigsSaleField))
        return refusal;
  }
  const OutCounts c = CountsOf(e, stage);
  const long long total = c.moving + c.sales;
  if (total == 0)
    return OutRefusal(
        "YOU MUST have some pigs leaving!\rPig's MUST goto any or all of the following:\r1. A Building.\r"
        "2. To Sales.\r3. To Gilts.\r4. Number to Adj.",
        c.field);
  if (total > remaining) return OutRefusal("MORE PIGs ARE LEAVING, Then you have!", c.field);
  if (Trim(e.weightOut).empty()) return OutRefusal("The WEIGHT of PIGs OUT, is required!", kWeightOutField);
  if (Check refusal = CheckTypedNumber(e.weightOut, kWeightOutNumber, kOutErrorTitle, kWeightOutField)) return refusal;
  if (e.yearEnd || c.sales == 0) return std::nullopt;
  // A price that reads as 0 is a price not given.
  return CheckRequiredNumber(e.price, kPriceNumber,
                             OutRefusal("The PRICE per Lb of sold pigs is required!", kPriceField));
}

std::string NextYearId(const std::string& id) {
  const int year = records::NearestWhole<int32_t>(Val(id.substr(id.size() >= 2 ? id.size() - 2 : 0))) + 1;
  const std::string yy = year > 99 ? std::to_string(year).substr(std::to_string(year).size() - 2)
                         : year >= 10 ? std::to_string(year)
                                      : "0" + std::to_string(year);
  return id.substr(0, 3) + "-" + yy;
}

Check PlanGroupOut(const GroupBook& book, long record, const OutEntry& e, int stage, OutPlan& plan) {
  plan = OutPlan{};
  const GroupRecord g = book.group(record);
  // Pigs cannot leave before they came in; a stored date in that is no date
  // leaves nothing to compare.
  const std::optional<long> daysIn = DaysBetween(g.DateIn, e.dateOut);
  if (daysIn && *daysIn < 0)
    return OutRefusal("ERROR: INVALID DATE OUT!\r\rYour DATE OUT (" + e.dateOut + ") is before\rthe DATE IN (" +
                          g.DateIn + ") of this GROUP!",
                      kDateOutField);
  const OutCounts c = CountsOf(e, stage);
  const float weight = TypedSingle(e.weightOut, kWeightOutNumber);
  // A nursery or grower move writes its next-stage record on every move,
  // also of no pigs (a nursery that sells them all): the record takes its
  // sub-group number, so the next move forms the sub-group after it; the
  // group list hides it and the listing prints it.
  const bool nextStage = stage < 2;
  int subGroup = 0;
  if (nextStage)
    if (Check refused = NewSubGroup(book, g, stage, subGroup)) return refused;
  std::vector<long> taken;
  if (e.yearEnd) {
    const std::string id = NextYearId(g.GroupId);
    for (long n : book.groupsOf(id)) {
      const GroupRecord r = book.group(n);
      if (r.Stage == g.Stage && r.SubGroup == g.SubGroup)
        return OutRefusal("THIS ID#. (" + id + ") IS ALL READY USED!", kNumAdjField);
    }
    GroupRecord carried;
    carried.Stage = g.Stage;
    carried.SubGroup = g.SubGroup;
    carried.GroupId = id;
    carried.PigsIn = static_cast<int16_t>(c.moving);
    carried.WeightIn = weight;
    carried.DateIn = e.dateOut;
    taken.push_back(FreeGroupRecord(book, taken));
    plan.groups.emplace_back(taken.back(), carried);
  }
  if (nextStage) {
    GroupRecord next;
    next.Stage = StageLetter(stage + 1);
    next.SubGroup = static_cast<int16_t>(subGroup);
    next.GroupId = g.GroupId;
    next.PigsIn = static_cast<int16_t>(c.moving);
    next.WeightIn = weight;
    next.DateIn = e.dateOut;
    // Pigs carried across the year end live on in the carried-over group:
    // this record only holds the weight they reached in the old year and is
    // kept for editing. Were it open, its pigs would be listed, moved, sold
    // and counted by the feed conversion a second time.
    next.YearEndAdjust = e.yearEnd ? -1 : 0;
    taken.push_back(FreeGroupRecord(book, taken));
    plan.groups.emplace_back(taken.back(), next);
  }
  for (long n : taken)
    if (Check full = GroupFileFull(n, kOutErrorTitle)) return full;
  if (stage == 2 || c.sales != 0) {
    const long n = FreeSalesRecord(book);
    if (Check full = SalesFileFull(n, kOutErrorTitle)) return full;
    SalesRecord s;
    s.SaleType = stage == 0 ? "F" : "M";
    s.SubGroup = static_cast<int16_t>(stage == 0 ? 0 : stage == 1 ? subGroup / 10 * 10 : g.SubGroup);
    s.GroupId = g.GroupId;
    s.PigsSold = static_cast<int16_t>(e.yearEnd ? c.moving : c.sales);
    s.YearEndAdjust = e.yearEnd ? -1 : 0;
    s.WeightPerPig = weight;
    s.PricePerLb = !e.yearEnd && c.sales != 0 ? TypedSingle(e.price, kPriceNumber) : 0.0f;
    s.DateSold = e.dateOut;
    plan.gilts = stage == 2 && !e.yearEnd ? c.moving : 0;
    s.GiltsSold = static_cast<int16_t>(plan.gilts);
    plan.sale.emplace(n, s);
  }
  GroupRecord source = g;
  source.DeathLoss = !e.yearEnd && e.deathLoss ? -1 : 0;
  source.YearEndAdjust = e.yearEnd ? -1 : 0;
  plan.groups.emplace_back(record, source);
  return std::nullopt;
}

bool WriteOutPlan(const OutPlan& plan) {
  WriteSet set("PIGS OUT");
  auto groups = set.open<GroupRecord>(DataFilePath<GroupRecord>());
  if (plan.sale) set.open<SalesRecord>(DataFilePath<SalesRecord>()).write(plan.sale->first, plan.sale->second);
  for (const auto& [n, g] : plan.groups) groups.write(n, g);
  if (set.commit()) return true;
  set.report(kOutErrorTitle, kPigsNotMoved);
  return false;
}
