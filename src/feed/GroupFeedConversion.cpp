#include "feed/GroupFeedConversion.h"

#include "common/Format.h"
#include "common/HogGlobals.h"
#include "common/NumberText.h"
#include "common/PrintSheet.h"
#include "records/Nearest.h"

GroupIdTable GroupIdList;

namespace {

const char kLegal[] = "Legal entries = 100-97, 001-01";
const char kIllegalTitle[] = "ILLEGAL   GROUP   ENTRY";

// The letters one pass over the groups is made with: the stage whose pigs
// and weight in count, the stage (or "S", the sales rows) whose weight out
// counts, the sale kind of those rows and the feed type ("X": no feed).
struct PassLetters {
  const char* stage;
  const char* next;
  const char* saleKind;
  const char* feedType;
};
constexpr PassLetters kFirstPass[] = {{"N", "G", "", "N"}, {"G", "F", "", "G"}, {"F", "S", "M", "F"}};
constexpr PassLetters kNurserySales = {"N", "S", "F", "X"};

// The pigs and the pounds of feed are held in 64 bits, the row takes the
// nearest value its 32-bit figures hold.
struct PassTotals {
  int64_t pigs = 0;
  float weightIn = 0;
  float weightOut = 0;
  int64_t feed = 0;
  float cost = 0;
};

std::optional<GroupRunProblem> RunPass(const PassLetters& l, const GroupIdTable& ids, const GroupBook& book,
                                       FeedYearBook& years, PassTotals& t) {
  for (int k = 1; k <= kGroupIdBoxes; ++k) {
    const std::string& id = ids[static_cast<size_t>(k)];
    if (RTrim(id).empty()) continue;
    t.pigs += GroupPigCount(book, id, l.stage);
    t.weightIn += GroupWeightTotal(book, id, l.stage, l.saleKind);
    t.weightOut += GroupWeightTotal(book, id, l.next, l.saleKind);
    if (std::string(l.feedType) == "X") continue;
    const std::string group = Trim(id).substr(0, 3);
    FeedSum sum;
    if (std::optional<YearFileProblem> problem = years.Of(GroupIdYear(id)).Sum(l.feedType, &group, sum))
      return GroupRunProblem{*problem, k - 1, id};
    t.feed += sum.pounds;
    t.cost += sum.cost;
  }
  return std::nullopt;
}

int32_t Pork(float weightOut, float weightIn) {
  return records::NearestWhole<int32_t>(static_cast<double>(weightOut - weightIn));
}

BuildingRow RowOf(int16_t status, const PassTotals& t, float weightOut) {
  return {status, records::NearestFit<int32_t>(t.pigs), Pork(weightOut, t.weightIn), records::NearestFit<int32_t>(t.feed),
          t.cost};
}

}  // namespace

Check ReadGroupIds(const std::array<std::string, kGroupIdBoxes>& boxes, GroupIdTable& ids) {
  ids = {};
  int count = 0;
  for (int i = 0; i < kGroupIdBoxes; ++i) {
    const std::string& text = boxes[static_cast<size_t>(i)];
    if (RTrim(text).empty()) continue;
    if (RTrim(text).size() != 6)
      return Refusal{std::string("ERROR:..  INCORRECT ENTRY!\r") + kLegal, kIllegalTitle, platform::vbExclamation, i};
    if (text[3] != '-')
      return Refusal{std::string("ERROR:..  MISSING (-)!\r") + kLegal, kIllegalTitle, platform::vbExclamation, i};
    ids[static_cast<size_t>(i + 1)] = text;
    ++count;
  }
  if (count == 0)
    return Refusal{std::string("ERROR:.. NO ENTRIES!\rYou MUST enter at least one Group#.\rThis Entry is required!\r") +
                       kLegal,
                   kIllegalTitle, platform::vbExclamation, 0};
  return std::nullopt;
}

std::string BuildingCaption(int building) {
  switch (building) {
    case kNursery: return "N U R S E R Y";
    case kGrower: return "G R O W E R";
    case kFinisher: return "F I N I S H E R";
    default: return "";
  }
}

std::string BuildingWord(int building) { return StageWord(building); }

int32_t GroupPigCount(const GroupBook& book, const std::string& id, const std::string& stage) {
  int64_t pigs = 0;
  if (stage.size() != 1) return 0;
  for (long n : book.groupsOf(id)) {
    const uint8_t* p = book.groupFile().bytes(n);
    if (static_cast<char>(p[GroupRecord::StageAt]) != stage[0] ||
        records::getI16(p + GroupRecord::YearEndAdjustAt) != 0)
      continue;
    pigs += records::getI16(p + GroupRecord::PigsInAt);
  }
  return records::NearestFit<int32_t>(pigs);
}

float GroupWeightTotal(const GroupBook& book, const std::string& id, const std::string& stage,
                       const std::string& saleKind) {
  float total = 0;
  if (stage.size() != 1) return total;
  const GroupBook::Family& family = book.familyOf(id);
  if (stage == "S") {
    static const SalesRecord sp;
    static const records::FieldMask<SalesRecord> sold(sp, {&sp.PigsSold, &sp.GiltsSold, &sp.WeightPerPig});
    SalesRecord s;
    for (long n : family.sales) {
      const uint8_t* p = book.salesFile().bytes(n);
      if (saleKind.size() != 1 || static_cast<char>(p[SalesRecord::SaleTypeAt]) != saleKind[0]) continue;
      book.salesFile().decode(n, s, sold);
      total += static_cast<float>(s.PigsSold + s.GiltsSold) * s.WeightPerPig;
    }
    return total;
  }
  static const GroupRecord gp;
  static const records::FieldMask<GroupRecord> in(gp, {&gp.PigsIn, &gp.WeightIn});
  GroupRecord g;
  for (long n : family.groups) {
    const uint8_t* p = book.groupFile().bytes(n);
    if (static_cast<char>(p[GroupRecord::StageAt]) != stage[0]) continue;
    book.groupFile().decode(n, g, in);
    if (g.PigsIn != 0) total += static_cast<float>(g.PigsIn) * g.WeightIn;
  }
  return total;
}

void ReportGroupRunProblem(const GroupRunProblem& p, const std::string& title) {
  ReportYearFileProblem(p.problem, "Incomplete data for Group(" + p.groupId + ")!", title);
}

BuildingRun RunBuilding(int building, const GroupIdTable& ids, const GroupBook& book, FeedYearBook& years) {
  BuildingRun run;
  if (building < kNursery || building > kFinisher) return run;
  PassTotals t;
  if ((run.problem = RunPass(kFirstPass[building], ids, book, years, t))) return run;
  BuildingRow row{0, 0, 0, 0, 0};
  if (building == kNursery) {
    if (t.weightIn != 0) {
      PassTotals sales;
      RunPass(kNurserySales, ids, book, years, sales);  // no feed: nothing to fail
      float weightOut = t.weightOut;
      const int16_t status = sales.weightOut == 0 ? int16_t{-2} : int16_t{-1};
      if (status == -1) weightOut += sales.weightOut;
      row = RowOf(status, t, weightOut);
    }
  } else if (t.weightIn != 0 && t.weightOut > 0) {
    row = RowOf(-1, t, t.weightOut);
  }
  run.row = row;
  // A building without results shows zero figures; its feed per pig would
  // divide nothing by the pigs of the pass, "0" all the same.
  run.figures = FiguresOfRow(row);
  return run;
}

FigureTexts FiguresOfRow(const BuildingRow& row) {
  FigureTexts f;
  const double cost = CurrencyOf(row.cost);
  f[1] = Format(row.pigs, "#####0");
  f[2] = Format(row.pork, "#####0");
  f[3] = Format(row.feed, "#####0");
  f[4] = CostPerUnitText(cost, row.feed);
  f[5] = CostPerCwtText(cost, row.pork);
  f[6] = Format(row.cost, "0.00");
  f[7] = FeedRatioText(row.feed, row.pork);
  f[8] = FeedRatioIntText(row.feed, row.pigs);
  return f;
}

FigureTexts AllBuildingsFigures(const BuildingTable& table) {
  BuildingRow all;
  int64_t pigs = 0, pork = 0, feed = 0;
  for (int b = 1; b <= 3; ++b) {
    const BuildingRow& r = table[static_cast<size_t>(b)];
    pigs += r.pigs;
    pork += r.pork;
    feed += r.feed;
    all.cost += r.cost;
  }
  // The pigs of the nursery went on to the grower and finisher: counted in
  // two or three buildings, averaged over them.
  const double buildings = table[1].status == -2 ? 3.0 : 2.0;
  all.pigs = records::NearestWhole<int32_t>(static_cast<double>(pigs) / buildings);
  all.pork = records::NearestFit<int32_t>(pork);
  all.feed = records::NearestFit<int32_t>(feed);
  return FiguresOfRow(all);
}

std::array<std::string, 8> ShownGroupFigures(const FigureTexts& t) {
  return {Format(FigureWhole(t[1]), "####0"),    Format(FigureWhole(t[2]), "######0"),
          Format(FigureWhole(t[3]), "#######0"), Format(FigureSingle(t[4]), "0.00"),
          Format(FigureSingle(t[6]), "0.00"),    Format(FigureSingle(t[5]), "0.00"),
          Format(FigureWhole(t[8]), "###0"),     Format(FigureSingle(t[7]), "0.00")};
}

std::vector<std::string> GroupSummaryLines(const FigureTexts& t, const GroupIdTable& ids, const std::string& today) {
  const std::string blank = SummaryBlankLine();
  const auto idLine = [&](size_t first) {
    return RTrim(ids[first]) + "    " + Trim(ids[first + 1]) + "    " + Trim(ids[first + 2]);
  };
  std::vector<std::string> lines(26, blank);
  lines[0] = std::string("TOTAL NUMBER of PIG(s). ------------->") + Format(FigureWhole(t[1]), "####0");
  lines[2] = std::string("POUND(s) of PORK PRODUCED. ---------->") + Format(FigureWhole(t[2]), "######0");
  lines[4] = std::string("POUND(s) of FEED USED. -------------->") + Format(FigureWhole(t[3]), "#######0");
  lines[6] = std::string("AVERAGE PRICE per POUND of FEED. ---->") + Format(FigureSingle(t[4]), "$0.00");
  lines[8] = std::string("TOTAL FEED COST. -------------------->") + Format(FigureSingle(t[6]), "$0.00");
  lines[10] = std::string("FEED COST per C.T.W. of PORK. ------->") + Format(FigureSingle(t[5]), "$0.00");
  lines[12] = std::string("FEED per PIG in POUND(s). ----------->") + Format(FigureWhole(t[8]), "###0");
  lines[14] = std::string("FEED EFFICIENCY. -------------------->") + Format(FigureSingle(t[7]), "#0.00");
  lines[17] = "THE FOLLOWING GROUP(s) WERE USED TO GENERATE THIS SUMMARY.";
  lines[19] = idLine(1);
  lines[20] = idLine(4);
  lines[23] = SummaryPrintedLine(today);
  return lines;
}

void PrintConversionSummary(const std::string& title, const FigureTexts& texts) {
  PrintFeedSummary(CentredHeading("GROUP FEED CONVERSION in " + title),
                   GroupSummaryLines(texts, GroupIdList, DateText));
}
