#include "groups/SalesList.h"

#include <cstring>
#include <unordered_map>

#include "common/FixedLine.h"
#include "common/Format.h"
#include "common/NumberText.h"
#include "common/PrintListing.h"
#include "groups/SalesNumbers.h"
#include "groups/SalesTotals.h"

namespace {

const char kGiltsText[] = "* * * A L L   G I L T S  ! * * * ";
const char kAdjustText[] = "USED to EDIT END of YEAR ADJUSTMENT";

bool Blank(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }

bool OfYear(const SalesRecord& s, const std::string& year) {
  const std::string& id = s.GroupId;
  return !Blank(id) && id.size() >= 2 && id.compare(id.size() - 2, 2, year) == 0;
}

// What tells whether a row is listed or printed, and how.
const records::FieldMask<SalesRecord>& ChoiceFields() {
  static const SalesRecord p;
  static const records::FieldMask<SalesRecord> used(
      p, {&p.SaleType, &p.YearEndAdjust, &p.GroupId, &p.PigsSold, &p.GiltsSold});
  return used;
}

// Whether the stored group ID of row n ends in `year`. A row of another
// group year is neither listed nor printed (OfYear), so the runs pass it by
// without decoding it.
bool StoredInYear(const SalesImage& sales, long n, const std::string& year) {
  constexpr int kYearAt = SalesRecord::IdAt + SalesRecord::IdWidth - 2;
  return year.size() == 2 && std::memcmp(sales.bytes(n) + kYearAt, year.data(), 2) == 0;
}

// Hands each row of `year` that `pick` takes (it sees the choice fields;
// false or SaleLine::None leave a row out) whole to `use`, with its record
// number and what `pick` answered, in record order.
template <class Pick, class Use>
void EachPicked(const SalesImage& sales, const std::string& year, Pick pick, Use use) {
  const records::FieldMask<SalesRecord>& choice = ChoiceFields();
  SalesRecord s;
  for (long n = 1; n <= sales.count(); ++n) {
    if (!StoredInYear(sales, n, year)) continue;
    sales.decode(n, s, choice);
    const auto how = pick(s);
    if (how != decltype(how){}) {
      sales.decode(n, s);
      use(s, n, how);
    }
  }
}

constexpr int kListWidth = 90, kPrintWidth = 84;

// The list line of a shown row, written into `text`.
const std::string& listLine(FixedLine& text, const SalesRecord& s, SaleLine line) {
  text.clear().put(3, s.GroupId, 3).put(9, s.DateSold, 5);
  text.put(16, line == SaleLine::Gilts ? s.GiltsSold : s.PigsSold, "0", 3);
  text.put(22, s.WeightPerPig, "0.00", 5);
  if (line == SaleLine::Gilts) return text.put(35, kGiltsText, 56).str();
  if (line == SaleLine::Adjustment) return text.put(30, kAdjustText, 61).str();
  text.putRight(28, s.PricePerLb, "0.00", 7);
  text.putRight(36, AmountText(s.PigsSold, s.WeightPerPig, s.PricePerLb), 8);
  text.put(47, s.Backfat, "0.00", 4).put(54, s.PercentLean, "0.00", 5).put(63, s.FatFreeLeanIndex, "0.00", 5);
  return text.put(73, s.HotCarcassWeight, "0.00", 5).put(83, s.GradeYieldPremium, "0.00", 5).str();
}

// The printed line of a sale, written into `text`.
const std::string& printLine(FixedLine& text, const SalesRecord& s) {
  text.clear().put(3, s.GroupId, 3).put(9, s.DateSold, 5).put(16, s.PigsSold, "0", 3);
  text.put(22, s.WeightPerPig, "0.00", 5).put(30, s.PricePerLb, "0.00", 5);
  text.put(38, AmountText(s.PigsSold, s.WeightPerPig, s.PricePerLb), 6);
  text.put(48, s.Backfat, "0.00", 4).put(56, s.PercentLean, "0.00", 5).put(64, s.FatFreeLeanIndex, "0.00", 5);
  return text.put(71, s.HotCarcassWeight, "0.00", 5).put(80, s.GradeYieldPremium, "0.00", 5).str();
}

// The six kill sheet figures in the table's order (columns 2 to 7), with the
// mask of each average.
struct KillFigure {
  float SalesRecord::*field;
  const char* mask;
};
constexpr KillFigure kFigures[] = {
    {&SalesRecord::Backfat, "0.00"},          {&SalesRecord::PercentLean, "#0.00"},
    {&SalesRecord::Loineye, "##0.00"},        {&SalesRecord::HotCarcassWeight, "##0.00"},
    {&SalesRecord::FatFreeLeanIndex, "#0.00"}, {&SalesRecord::GradeYieldPremium, "##0.00"}};

// Where each average goes in a group's line, by table column 2 to 7.
struct KillColumn {
  int col;
  int width;
};
constexpr KillColumn kKillColumns[] = {{12, 4}, {21, 5}, {46, 6}, {60, 6}, {32, 5}, {74, 6}};

// A group's sums of the six figures and its number of sales. Each sum is
// held as a Single's text would read back, as the sheet has always added.
struct KillSums {
  std::array<float, 6> sums{};
  long sales = 0;
};

void SetJob(const std::string& title, const std::string& heading1, const std::string& heading2, int bodySize,
            int layout, int lineCount, bool endBanner) {
  PrintJob = PrintJobRecord{};
  PrintJob.Title = title;
  PrintJob.Heading1 = heading1;
  PrintJob.Heading2 = heading2;
  PrintJob.TitleFontSize = 26;
  PrintJob.TitleFontName = PrintJob.HeadFontName = PrintJob.BodyFontName = "Courier New";
  PrintJob.TitleItalic = PrintJob.HeadItalic = PrintJob.BodyItalic = 0;
  PrintJob.TitleBold = PrintJob.HeadBold = PrintJob.BodyBold = -1;
  PrintJob.HeadFontSize = PrintJob.BodyFontSize = static_cast<int16_t>(bodySize);
  PrintJob.Layout = static_cast<int16_t>(layout);
  PrintJob.LinesPerPage = 40;
  PrintJob.LineCount = lineCount;
  PrintJob.EndBanner = endBanner ? -1 : 0;
  PrintJob.TitleRule = -1;
  PrintJob.Orientation = 1;
  PrintJob.PaperBin = 1;
}

}  // namespace

std::string SaleKindLetter(int menuChoice) { return menuChoice == 0 ? "F" : "M"; }

std::string CenturyText(const std::string& groupYear, const std::string& today) {
  if (groupYear >= "90" && groupYear <= "99") return "19";
  return today.size() >= 8 ? today.substr(6, 2) : "20";
}

SaleLine ShownSale(const SalesRecord& s, const std::string& kind, const std::string& year) {
  if (Blank(s.SaleType) || !OfYear(s, year)) return SaleLine::None;
  if (s.YearEndAdjust == -1) return kind == "F" ? SaleLine::None : SaleLine::Adjustment;
  if (s.SaleType != kind) return SaleLine::None;
  return s.GiltsSold != 0 && s.PigsSold == 0 ? SaleLine::Gilts : SaleLine::Sale;
}

std::string SaleListLine(const SalesRecord& s, SaleLine line) {
  FixedLine text(kListWidth);
  return listLine(text, s, line);
}

std::vector<std::pair<std::string, long>> SaleListRows(const SalesImage& sales, const std::string& kind,
                                                      const std::string& year) {
  std::vector<std::pair<std::string, long>> rows;
  FixedLine text(kListWidth);
  EachPicked(
      sales, year, [&](const SalesRecord& s) { return ShownSale(s, kind, year); },
      [&](const SalesRecord& s, long n, SaleLine line) { rows.emplace_back(listLine(text, s, line), n); });
  return rows;
}

std::vector<std::pair<std::string, long>> SaleListRows(const std::vector<SalesRecord>& sales, const std::string& kind,
                                                      const std::string& year) {
  return SaleListRows(SalesImage::of(sales), kind, year);
}

bool PrintedSale(const SalesRecord& s, const std::string& kind, const std::string& year) {
  return s.YearEndAdjust == 0 && OfYear(s, year) && s.SaleType == kind && s.PigsSold != 0;
}

std::string SalePrintLine(const SalesRecord& s) {
  FixedLine text(kPrintWidth);
  return printLine(text, s);
}

std::vector<std::string> SalesListingLines(const SalesImage& sales, const std::string& kind, const std::string& year) {
  std::vector<std::string> lines(1);
  FixedLine text(kPrintWidth);
  EachPicked(
      sales, year, [&](const SalesRecord& s) { return PrintedSale(s, kind, year); },
      [&](const SalesRecord& s, long, bool) { lines.push_back(printLine(text, s)); });
  return lines;
}

std::vector<std::string> SalesListingLines(const std::vector<SalesRecord>& sales, const std::string& kind,
                                           const std::string& year) {
  return SalesListingLines(SalesImage::of(sales), kind, year);
}

int GatherKillSheet(const SalesImage& sales, const std::string& year, KillSheetTable& table) {
  table.assign(1, {});
  std::unordered_map<std::string, size_t> rowOf;
  std::vector<KillSums> sums(1);
  const auto gather = [&](const SalesRecord& s, long, bool) {
    const auto [it, started] = rowOf.try_emplace(s.GroupId, sums.size());
    if (started) {
      sums.emplace_back();
      table.emplace_back();
      table.back()[1] = s.GroupId;
    }
    KillSums& group = sums[it->second];
    for (size_t c = 0; c < 6; ++c) group.sums[c] = SingleTextValue(group.sums[c] + s.*kFigures[c].field);
    ++group.sales;
  };
  EachPicked(sales, year, [&](const SalesRecord& s) { return PrintedSale(s, "M", year); }, gather);
  const int groups = static_cast<int>(sums.size()) - 1;
  for (int m = 1; m <= groups; ++m) {
    std::array<std::string, 11>& row = table[static_cast<size_t>(m)];
    const KillSums& group = sums[static_cast<size_t>(m)];
    const auto count = static_cast<float>(group.sales);
    for (size_t c = 0; c < 6; ++c) row[c + 2] = Format(group.sums[c] / count, kFigures[c].mask);
    row[8] = std::to_string(group.sales);
  }
  return groups;
}

int GatherKillSheet(const std::vector<SalesRecord>& sales, const std::string& year, KillSheetTable& table) {
  return GatherKillSheet(SalesImage::of(sales), year, table);
}

std::vector<std::string> KillSheetGroupLines(const KillSheetTable& table, int groups) {
  std::vector<std::string> lines(1);
  for (int m = 1; m <= groups && m < static_cast<int>(table.size()); ++m) {
    const std::array<std::string, 11>& row = table[static_cast<size_t>(m)];
    FixedLine line(80);
    line.put(2, row[1], 6);
    for (int c = 0; c < 6; ++c) line.put(kKillColumns[c].col, row[static_cast<size_t>(c) + 2], kKillColumns[c].width);
    lines.push_back(line.str());
  }
  return lines;
}

std::vector<std::string> KillSheetTotalLines(const KillSheetTable& table, int groups, const std::string& today) {
  static const char* const kLabels[] = {
      "Average BACKFAT. ------------------> ",          "Average Percent LEAN. -------------> ",
      "Average FAT FREE INDEX. -----------> ",           "Average LOINEYE. ------------------> ",
      "Average HOT CARCASS WEIGHT. -------> ",          "Average GRADE YEILD PREMIUM. ------> "};
  // The labels' order of the table's columns 2 to 7.
  static const int kColumnOf[] = {2, 3, 6, 4, 5, 7};
  float sums[6] = {};
  int counted = 0;
  for (int m = 1; m <= groups && m < static_cast<int>(table.size()); ++m, ++counted)
    for (int k = 0; k < 6; ++k) sums[k] += static_cast<float>(Val(table[static_cast<size_t>(m)][kColumnOf[k]]));
  std::vector<std::string> lines(19, std::string(79, ' '));
  lines[0].clear();
  lines[1] = "NUMBER of GROUP(s). ---------------> " + std::to_string(counted);
  for (int k = 0; k < 6; ++k)
    lines[static_cast<size_t>(3 + 2 * k)] =
        kLabels[k] + Format(counted != 0 ? sums[k] / static_cast<float>(counted) : 0.0f, "0.00");
  std::string date = today;
  for (char& c : date)
    if (c == '/') c = '-';
  lines[17] = "This SUMMARY was printed on " + date;
  return lines;
}

void SetSalesListingJob(const std::string& kind, const std::string& printedYear, int lineCount) {
  std::string heading1 = " GROUP  DATE  NUMBER WEIGHT  -- P R I C E --";
  heading1.resize(84, ' ');
  SetJob(std::string(kind == "F" ? "FEEDER PIG" : "MARKET HOG") + " Sales for Group YEAR(" + printedYear + ")",
         heading1, "  ID    SOLD   SOLD   SOLD   PER LB  PER PIG  BACKFAT  %LEAN   FFLI   HCW    PREMIUM", 11, 2,
         lineCount, false);
}

void SetKillSheetJob(const std::string& printedYear, int groups) {
  SetJob("KILL SHEET SUMMARY for " + printedYear,
         " GROUP     BACK                FAT FREE                    HOT CAR       GRADE YD.",
         "  ID       FAT      %LEAN      INDEX         LOINEYE       WEIGHT        PREMIUM  ", 12, 2, groups, false);
}

void SetKillSheetTotalsJob() { SetJob("S U M M A R Y   T O T A L S", "", "", 13, 0, 18, true); }

void PrintSalesListingOf(const SalesImage& sales, const std::string& kind, const std::string& groupYear,
                         const std::string& today) {
  const std::vector<std::string> lines = SalesListingLines(sales, kind, groupYear);
  SetSalesListingJob(kind, CenturyText(groupYear, today) + groupYear, static_cast<int>(lines.size()) - 1);
  PrintListing(lines);
}

int PrintKillSheetGroupsOf(const SalesImage& sales, const std::string& groupYear, const std::string& today,
                           KillSheetTable& table) {
  const int groups = GatherKillSheet(sales, groupYear, table);
  SetKillSheetJob(CenturyText(groupYear, today) + groupYear, groups);
  PrintListing(KillSheetGroupLines(table, groups));
  return groups;
}

void PrintKillSheetTotalsOf(const KillSheetTable& table, int groups, const std::string& today) {
  SetKillSheetTotalsJob();
  PrintListing(KillSheetTotalLines(table, groups, today));
}
