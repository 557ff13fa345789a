#include "groups/SalesList.h"

#include <cstring>
#include <unordered_map>

#include "common/FixedLine.h"
#include "common/Format.h"
#include "common/NumberText.h"
#include "common/PrintListing.h"
#include "groups/GroupFiles.h"
#include "groups/SalesTotals.h"

namespace {

const char kGiltsText[] = "* * * A L L   G I L T S  ! * * * ";
const char kAdjustText[] = "USED to EDIT END of YEAR ADJUSTMENT";

// Where the fields of a row lie: the runs read a row's fields straight from
// its stored bytes.
const records::FieldPlace kType = records::placeOf(&SalesRecord::SaleType);
const records::FieldPlace kYearEnd = records::placeOf(&SalesRecord::YearEndAdjust);
const records::FieldPlace kId = records::placeOf(&SalesRecord::GroupId);
const records::FieldPlace kPigs = records::placeOf(&SalesRecord::PigsSold);
const records::FieldPlace kGilts = records::placeOf(&SalesRecord::GiltsSold);
const records::FieldPlace kWeight = records::placeOf(&SalesRecord::WeightPerPig);
const records::FieldPlace kPrice = records::placeOf(&SalesRecord::PricePerLb);
const records::FieldPlace kBackfat = records::placeOf(&SalesRecord::Backfat);
const records::FieldPlace kLean = records::placeOf(&SalesRecord::PercentLean);
const records::FieldPlace kHotCarcass = records::placeOf(&SalesRecord::HotCarcassWeight);
const records::FieldPlace kLeanIndex = records::placeOf(&SalesRecord::FatFreeLeanIndex);
const records::FieldPlace kLoineye = records::placeOf(&SalesRecord::Loineye);
const records::FieldPlace kPremium = records::placeOf(&SalesRecord::GradeYieldPremium);
const records::FieldPlace kDate = records::placeOf(&SalesRecord::DateSold);

// How the list shows a row.
enum class SaleLine { None, Sale, Gilts, Adjustment };

// The row's kind is `kind` ("F", "M"); a blank kind is none.
bool OfKind(const uint8_t* row, const std::string& kind) {
  return kind.size() == 1 && kType.text(row)[0] == kind[0];
}

// The ID is not blank and its last two stored characters are `year`.
bool OfYear(const uint8_t* row, const std::string& year) {
  const std::string_view id = kId.text(row);
  return !kId.blank(row) && year.size() == 2 && id.compare(id.size() - 2, 2, year) == 0;
}

SaleLine ShownAt(const uint8_t* row, const std::string& kind, const std::string& year) {
  if (kType.blank(row) || !OfYear(row, year)) return SaleLine::None;
  if (kYearEnd.i16(row) == -1) return kind == "F" ? SaleLine::None : SaleLine::Adjustment;
  if (!OfKind(row, kind)) return SaleLine::None;
  return kGilts.i16(row) != 0 && kPigs.i16(row) == 0 ? SaleLine::Gilts : SaleLine::Sale;
}

bool PrintedAt(const uint8_t* row, const std::string& kind, const std::string& year) {
  return kYearEnd.i16(row) == 0 && OfYear(row, year) && OfKind(row, kind) && kPigs.i16(row) != 0;
}

// Hands each row of `year` that `pick` takes (false or SaleLine::None leave
// a row out) to `use`, with its record number and what `pick` answered, in
// record order.
template <class Pick, class Use>
void EachPicked(const SalesImage& sales, const std::string& year, Pick pick, Use use) {
  const std::optional<std::string> tail = YearTail(year);
  if (!tail) return;
  EachWithIdTail(sales, *tail, [&](const uint8_t* row, long n) {
    const auto how = pick(row);
    if (how != decltype(how){}) use(row, n, how);
  });
}

constexpr int kListWidth = 90, kPrintWidth = 84;

// The value of one pig of a row, weight x price, as AmountText shows it: 0
// when the head, the weight or the price is 0.
float amountOf(const uint8_t* row) {
  const float weight = kWeight.f32(row), price = kPrice.f32(row);
  return kPigs.i16(row) == 0 || weight == 0 || price == 0 ? 0.0f : weight * price;
}

// The list line of a shown row, written into `text`.
std::string listLine(const uint8_t* row, SaleLine line) {
  FixedLine text(kListWidth);
  text.put(3, kId.text(row), 3).put(9, kDate.text(row), 5);
  text.put(16, line == SaleLine::Gilts ? kGilts.i16(row) : kPigs.i16(row), "0", 3);
  text.put(22, kWeight.f32(row), "0.00", 5);
  if (line == SaleLine::Gilts) return text.put(35, kGiltsText, 56).str();
  if (line == SaleLine::Adjustment) return text.put(30, kAdjustText, 61).str();
  text.putRight(28, kPrice.f32(row), "0.00", 7);
  text.putRight(36, amountOf(row), "0.00", 8);
  text.put(47, kBackfat.f32(row), "0.00", 4).put(54, kLean.f32(row), "0.00", 5);
  text.put(63, kLeanIndex.f32(row), "0.00", 5).put(73, kHotCarcass.f32(row), "0.00", 5);
  return text.put(83, kPremium.f32(row), "0.00", 5).str();
}

// The printed line of a sale, written into `text`.
std::string printLine(const uint8_t* row) {
  FixedLine text(kPrintWidth);
  text.put(3, kId.text(row), 3).put(9, kDate.text(row), 5).put(16, kPigs.i16(row), "0", 3);
  text.put(22, kWeight.f32(row), "0.00", 5).put(30, kPrice.f32(row), "0.00", 5);
  text.put(38, amountOf(row), "0.00", 6);
  text.put(48, kBackfat.f32(row), "0.00", 4).put(56, kLean.f32(row), "0.00", 5);
  text.put(64, kLeanIndex.f32(row), "0.00", 5).put(71, kHotCarcass.f32(row), "0.00", 5);
  return text.put(80, kPremium.f32(row), "0.00", 5).str();
}

// The six kill sheet figures in the table's order (columns 2 to 7), with the
// mask of each average.
struct KillFigure {
  const records::FieldPlace* field;
  FormatMask mask;
};
constexpr KillFigure kFigures[] = {{&kBackfat, "0.00"},      {&kLean, "#0.00"},      {&kLoineye, "##0.00"},
                                   {&kHotCarcass, "##0.00"}, {&kLeanIndex, "#0.00"}, {&kPremium, "##0.00"}};

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

}  // namespace

std::string SaleKindLetter(int menuChoice) { return menuChoice == 0 ? "F" : "M"; }

std::string CenturyText(const std::string& groupYear, const std::string& today) {
  if (groupYear >= "90" && groupYear <= "99") return "19";
  return today.size() >= 8 ? today.substr(6, 2) : "20";
}

void WriteSaleRows(platform::ListItems& rows, const SalesImage& sales, const std::string& kind,
                   const std::string& year) {
  EachPicked(
      sales, year, [&](const uint8_t* row) { return ShownAt(row, kind, year); },
      [&](const uint8_t* row, long n, SaleLine line) { rows.add(listLine(row, line), n); });
}

std::vector<std::string> SalesListingLines(const SalesImage& sales, const std::string& kind, const std::string& year) {
  std::vector<std::string> lines;
  EachPicked(
      sales, year, [&](const uint8_t* row) { return PrintedAt(row, kind, year); },
      [&](const uint8_t* row, long, bool) { lines.push_back(printLine(row)); });
  return lines;
}

int GatherKillSheet(const SalesImage& sales, const std::string& year, KillSheetTable& table) {
  table.assign(1, {});
  std::unordered_map<std::string, size_t> rowOf;
  std::vector<KillSums> sums(1);
  size_t last = 0;  // the row of the sale before: a group's sales mostly follow each other
  const auto gather = [&](const uint8_t* row, long, bool) {
    const std::string_view id = kId.text(row);
    if (last == 0 || table[last][1] != id) {
      const auto [it, started] = rowOf.try_emplace(std::string(id), sums.size());
      if (started) {
        sums.emplace_back();
        table.emplace_back();
        table.back()[1] = id;
      }
      last = it->second;
    }
    KillSums& group = sums[last];
    for (size_t c = 0; c < 6; ++c) group.sums[c] = SingleTextValue(group.sums[c] + kFigures[c].field->f32(row));
    ++group.sales;
  };
  const std::string market = "M";
  EachPicked(sales, year, [&](const uint8_t* row) { return PrintedAt(row, market, year); }, gather);
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

std::vector<std::string> KillSheetGroupLines(const KillSheetTable& table, int groups) {
  std::vector<std::string> lines;
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
  std::vector<std::string> lines(18, std::string(79, ' '));
  lines[0] = "NUMBER of GROUP(s). ---------------> " + std::to_string(counted);
  for (int k = 0; k < 6; ++k)
    lines[static_cast<size_t>(2 + 2 * k)] =
        kLabels[k] + Format(counted != 0 ? sums[k] / static_cast<float>(counted) : 0.0f, "0.00");
  std::string date = today;
  for (char& c : date)
    if (c == '/') c = '-';
  lines[16] = "This SUMMARY was printed on " + date;
  return lines;
}

void PrintSalesListingOf(const SalesImage& sales, const std::string& kind, const std::string& groupYear,
                         const std::string& today) {
  std::string heading1 = " GROUP  DATE  NUMBER WEIGHT  -- P R I C E --";
  heading1.resize(84, ' ');
  PrintCourierListing(std::string(kind == "F" ? "FEEDER PIG" : "MARKET HOG") + " Sales for Group YEAR(" +
                          CenturyText(groupYear, today) + groupYear + ")",
                      heading1, "  ID    SOLD   SOLD   SOLD   PER LB  PER PIG  BACKFAT  %LEAN   FFLI   HCW    PREMIUM",
                      SalesListingLines(sales, kind, groupYear), {.endBanner = false});
}

int PrintKillSheetGroupsOf(const SalesImage& sales, const std::string& groupYear, const std::string& today,
                           KillSheetTable& table) {
  const int groups = GatherKillSheet(sales, groupYear, table);
  PrintCourierListing("KILL SHEET SUMMARY for " + CenturyText(groupYear, today) + groupYear,
                      " GROUP     BACK                FAT FREE                    HOT CAR       GRADE YD.",
                      "  ID       FAT      %LEAN      INDEX         LOINEYE       WEIGHT        PREMIUM  ",
                      KillSheetGroupLines(table, groups), {.fontSize = 12, .endBanner = false});
  return groups;
}

void PrintKillSheetTotalsOf(const KillSheetTable& table, int groups, const std::string& today) {
  PrintCourierListing("S U M M A R Y   T O T A L S", "", "", KillSheetTotalLines(table, groups, today),
                      {.fontSize = 13, .layout = 0});
}
