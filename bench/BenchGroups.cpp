// The piglet groups of a group year: the group list of each stage and its
// printout, a new group's pigs in, a sale's pigs out, the market hog sales
// list, its listing and kill sheet.
#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <set>

#include "bench/BenchOps.h"
#include "common/HogGlobals.h"
#include "groups/HogPig1.h"
#include "groups/HogPig2.h"
#include "groups/HogPig3.h"
#include "groups/HogSale1.h"

namespace {

using namespace at;

constexpr const char* kYear = "23";  // a group year whose groups are all sold

std::unique_ptr<HogPig1> g_groups;
std::unique_ptr<HogSale1> g_sales;

// An item of the sales list's PRINT submenu, as the user reaches it: PRINT
// opens first.
void printItem(int item) {
  g_sales->SalesMenu->Click(HogSale1::Print);
  g_sales->SalePnt->Click(item);
}

std::string cut(long n, size_t width) { return std::to_string(n).substr(0, width); }

// The two files as the bench reads them.
struct GroupFiles {
  Stored groups, sales;
  explicit GroupFiles(const BenchFarm& farm) : groups(farm.groups, group::Length), sales(farm.sales, sale::Length) {}
  std::string id(long n) const { return groups.trimmed(n, group::Id, 6); }
  char stage(long n) const { return groups.text(n, group::Stage, 1)[0]; }
  bool ofYear(long n, char letter) const {
    const std::string stored = groups.text(n, group::Id, 6);
    return stage(n) == letter && !id(n).empty() && stored.substr(4, 2) == kYear;
  }
};

// A group's pigs out, their pounds and pig days, by the rules of the two
// files: the next stage's records of the group (a grower's finishers of its
// own tens), and its sales rows (a nursery's feeder sales, a grower's or
// finisher's market sales of its sub-group; a finisher's year-end rows too,
// without their gilts).
struct Figures {
  long pigsOut = 0, pigDays = 0, averageDays = 0;
  double averageOut = 0, deathLoss = 0, gained = 0, dailyGain = 0;
};

Figures figuresOf(const GroupFiles& f, long n) {
  Figures out;
  const std::string id = f.id(n);
  const char stage = f.stage(n);
  const int sub = f.groups.i16(n, group::SubGroup);
  const long in = DayCount(f.groups.date(n, group::DateIn));
  double pounds = 0;
  const auto lot = [&](long pigs, double weight, const std::string& date) {
    out.pigsOut += pigs;
    pounds += pigs * weight;
    out.pigDays += pigs * (DayCount(date) - in);
  };
  if (stage != 'F')
    for (long r = 1; r <= f.groups.count(); ++r) {
      if (f.id(r) != id || f.stage(r) != (stage == 'N' ? 'G' : 'F')) continue;
      if (stage == 'G' && std::to_string(f.groups.i16(r, group::SubGroup))[0] != std::to_string(sub)[0]) continue;
      lot(f.groups.i16(r, group::PigsIn), f.groups.f32(r, group::WeightIn), f.groups.date(r, group::DateIn));
    }
  for (long r = 1; r <= f.sales.count(); ++r) {
    if (f.sales.trimmed(r, sale::Id, 6) != id) continue;
    const char type = f.sales.text(r, sale::Type, 1)[0];
    const bool yearEnd = f.sales.i16(r, sale::YearEnd) != 0;
    if (stage == 'N' ? (yearEnd || type != 'F') : (type != 'M' || f.sales.i16(r, sale::SubGroup) != sub)) continue;
    if (stage == 'G' && yearEnd) continue;
    const long pigs = f.sales.i16(r, sale::Pigs) + (stage == 'F' && !yearEnd ? f.sales.i16(r, sale::Gilts) : 0);
    lot(pigs, f.sales.f32(r, sale::Weight), f.sales.date(r, sale::Date));
  }
  const int pigsIn = f.groups.i16(n, group::PigsIn);
  // The gain is the average weight out as the line shows it (a Single to
  // two places) less the weight in, and the daily gain the gain as shown
  // over the days.
  const auto shown = [](double v) { return SingleShown(v, 2); };
  if (out.pigsOut) out.averageOut = pounds / out.pigsOut;
  if (f.groups.i16(n, group::DeathLoss) != 0 && pigsIn != 0) out.deathLoss = (pigsIn - out.pigsOut) * 100.0 / pigsIn;
  if (out.pigsOut) out.gained = shown(out.averageOut) - f.groups.f32(n, group::WeightIn);
  if (out.pigDays && out.pigsOut) out.averageDays = out.pigDays / out.pigsOut;
  if (out.averageDays) out.dailyGain = shown(out.gained) / out.averageDays;
  return out;
}

const char kStages[] = {'N', 'G', 'F'};

std::string compareGroupList(const BenchFarm& farm, int stage) {
  const GroupFiles f(farm);
  std::vector<long> data, records;
  std::vector<LineExpect> expected;
  for (long n = 1; n <= f.groups.count(); ++n) {
    if (!f.ofYear(n, kStages[stage]) || f.groups.i16(n, group::PigsIn) == 0) continue;
    records.push_back(n);
    const std::string date = f.groups.date(n, group::DateIn);
    LineExpect line(90);
    // The weight in is a Single's digits cut to its column; the figures are
    // written to two places, cut where wider.
    line.text(2, 3, f.id(n).substr(0, 3))
        .text(10, 3, cut(f.groups.i16(n, group::PigsIn), 3))
        .number(21, 5, f.groups.f32(n, group::WeightIn), Align::Left, kCut)
        .text(64, 10, date.substr(0, 6) + date.substr(8, 2));
    if (f.groups.i16(n, group::YearEnd) == -1) {
      line.text(27, 35, "USED to EDIT END of YEAR ADJUSTMENT");
    } else {
      const Figures x = figuresOf(f, n);
      line.text(15, 3, cut(x.pigsOut, 3))
          .number(27, 5, x.averageOut, Align::Left, 2)
          .number(35, 4, x.deathLoss, Align::Left, 2)
          .number(44, 5, x.gained, Align::Left, 2)
          .number(55, 4, x.dailyGain, Align::Left, 2)
          .text(74, 5, cut(x.pigDays, 5))
          .text(82, 5, cut(x.averageDays, 5));
    }
    expected.push_back(line);
  }
  const std::vector<std::string> rows = ListRows(*g_groups->PigList, &data);
  if (std::string d = CompareNumbers(data, records, "row's record"); !d.empty()) return d;
  return CompareLines(rows, expected, "group row");
}

std::vector<LineExpect> groupPrintLines(const BenchFarm& farm, int stage) {
  const GroupFiles f(farm);
  std::vector<LineExpect> expected;
  for (long n = 1; n <= f.groups.count(); ++n) {
    if (!f.ofYear(n, kStages[stage]) || f.groups.i16(n, group::YearEnd) == -1) continue;
    const Figures x = figuresOf(f, n);
    expected.push_back(LineExpect(84)
                           .text(3, 3, f.id(n).substr(0, 3))
                           .text(9, 3, cut(f.groups.i16(n, group::PigsIn), 3))
                           .text(15, 3, cut(x.pigsOut, 3))
                           .number(21, 5, f.groups.f32(n, group::WeightIn), Align::Left, 2)
                           .number(28, 5, x.averageOut, Align::Left, 2)
                           .number(35, 4, x.deathLoss, Align::Left, 2)
                           .number(43, 5, x.gained, Align::Left, 2)
                           .number(53, 4, x.dailyGain, Align::Left, 2)
                           .text(64, 7, f.groups.date(n, group::DateIn).substr(0, 5))
                           .text(71, 4, cut(x.pigDays, 4))
                           .text(78, 5, cut(x.averageDays, 5)));
  }
  return expected;
}

// ---- Sales ----------------------------------------------------------------------

bool saleOfYear(const Stored& s, long r) {
  const std::string id = s.text(r, sale::Id, 6);
  return !TrimmedText(id).empty() && id.substr(4, 2) == kYear;
}

// A row's figures from the column where its line writes them, each to two
// places (cut where wider than its column).
LineExpect& killFigures(LineExpect& line, const Stored& s, long r, const int (&cols)[5], const int (&widths)[5]) {
  const int fields[] = {sale::Backfat, sale::Lean, sale::FatFree, sale::Carcass, sale::Premium};
  for (int k = 0; k < 5; ++k) line.number(cols[k], widths[k], s.f32(r, fields[k]), Align::Left, 2);
  return line;
}

std::vector<LineExpect> salesListLines(const Stored& s, std::vector<long>& records) {
  std::vector<LineExpect> expected;
  for (long r = 1; r <= s.count(); ++r) {
    const char type = s.text(r, sale::Type, 1)[0];
    if (type == ' ' || !saleOfYear(s, r)) continue;
    const bool adjust = s.i16(r, sale::YearEnd) == -1;
    if (!adjust && type != 'M') continue;
    const int pigs = s.i16(r, sale::Pigs), gilts = s.i16(r, sale::Gilts);
    const bool giltsOnly = !adjust && gilts != 0 && pigs == 0;
    LineExpect line(90);
    line.text(3, 3, s.text(r, sale::Id, 3))
        .text(9, 5, s.date(r, sale::Date).substr(0, 5))
        .text(16, 3, cut(giltsOnly ? gilts : pigs, 3))
        .number(22, 5, s.f32(r, sale::Weight), Align::Left, 2);
    if (giltsOnly) {
      line.text(35, 56, "* * * A L L   G I L T S  ! * * * ");
    } else if (adjust) {
      line.text(30, 61, "USED to EDIT END of YEAR ADJUSTMENT");
    } else {
      const float weight = s.f32(r, sale::Weight), price = s.f32(r, sale::Price);
      line.number(28, 7, price, Align::Right, 2)
          .number(36, 8, pigs && weight && price ? static_cast<double>(weight * price) : 0.0, Align::Right, 2);
      killFigures(line, s, r, {47, 54, 63, 73, 83}, {4, 5, 5, 5, 5});
    }
    records.push_back(r);
    expected.push_back(line);
  }
  return expected;
}

// The rows the listing and the kill sheet count: the year's market sales of
// some pigs, no year-end row.
bool printedSale(const Stored& s, long r) {
  return s.i16(r, sale::YearEnd) == 0 && saleOfYear(s, r) && s.text(r, sale::Type, 1) == "M" && s.i16(r, sale::Pigs) != 0;
}

}  // namespace

void AddGroupOperations(std::vector<Operation>& ops, const BenchFarm& farm) {
  // The group list of each stage for the year: the window opened (its load
  // fills the list from GROUP.DAT and SALES.DAT read once).
  for (int stage = 0; stage <= 2; ++stage) {
    Operation op;
    op.name = std::string("group list window opens, ") + "NGF"[stage] + " groups of 20" + kYear;
    op.reads = {Whole(farm.groups), Whole(farm.sales)};
    op.before = [stage] {
      PigletMenuChoice = stage;
      GroupYear = kYear;
      g_groups.reset();
    };
    op.run = [] {
      g_groups = std::make_unique<HogPig1>();
      g_groups->Load();
    };
    op.check = [&farm, stage, before = op.before, run = op.run](std::string& result) {
      before();
      run();
      result = std::to_string(g_groups->PigList->ListCount());
      MadeListed(*g_groups->PigList);
      return compareGroupList(farm, stage);
    };
    ops.push_back(op);
  }
  for (int stage = 0; stage <= 2; ++stage) {
    Operation op;
    op.name = std::string("group listing printed, ") + "NGF"[stage] + " groups of 20" + kYear;
    op.reads = {Whole(farm.groups), Whole(farm.sales)};
    op.boxes = {"PRINT    GROUPS"};
    const auto open = [stage] {
      PigletMenuChoice = stage;
      GroupYear = kYear;
      g_groups = std::make_unique<HogPig1>();
      g_groups->Load();
    };
    op.before = [open] {
      open();
      CountPrints();
    };
    op.run = [] { g_groups->PigMain_Click(HogPig1::Print); };
    op.check = [&farm, stage, open](std::string& result) {
      open();
      RecordingPrinter& printer = RecordPrints();
      g_groups->PigMain_Click(HogPig1::Print);
      MadePrinted(printer);
      const std::vector<std::string> body = BodyLines(printer, 84);
      result = std::to_string(body.size());
      return CompareLines(body, groupPrintLines(farm, stage), "printed group");
    };
    ops.push_back(op);
  }
  {
    // PIGS IN of the nursery group list: the new ID typed, its record
    // reserved in the first free record of GROUP.DAT; in the entry window
    // the pigs typed and ACCEPT, which writes them into it; the list filled
    // again. GROUP.DAT is read for the ID, again at ACCEPT, and with
    // SALES.DAT for the list.
    Operation op;
    op.name = "new group PIGS IN, its ID and pigs typed";
    op.reads = {Whole(farm.groups, 3), Whole(farm.sales), Records(farm.groups, 2)};
    op.typed = {{"E N T E R   G R O U P   I D.", "999"}};
    op.windows = {{"HogPig2", [](platform::Form& form) {
                     auto& w = dynamic_cast<HogPig2&>(form);
                     w.DateIn->SetText("03/06/2023");
                     w.PigIn->SetText("250");
                     w.WtIn->SetText("12.5");
                     w.Accept_Click();
                   }}};
    auto kept = std::make_shared<KeptFiles>(std::vector<std::string>{farm.groups});
    const auto open = [] {
      PigletMenuChoice = 0;
      GroupYear = kYear;
      g_groups = std::make_unique<HogPig1>();
      g_groups->Load();
    };
    op.before = open;
    op.run = [] { g_groups->PigMain_Click(HogPig1::PigsIn); };
    op.after = [kept] { kept->putBack(); };
    op.check = [&farm, open, kept](std::string& result) {
      open();
      g_groups->PigMain_Click(HogPig1::PigsIn);
      const Stored was(kept->bytes(farm.groups), group::Length), is(farm.groups, group::Length);
      long slot = FirstFree(was, [&was](long r) { return was.blank(r, group::Id, 6); });
      if (!slot) slot = was.count() + 1;
      result = std::to_string(slot);
      const RecordBytes expected = RecordBytes(group::Length)
                                       .text(group::Stage, 1, "N")
                                       .text(group::Id, 6, std::string("999-") + kYear)
                                       .i16(group::PigsIn, 250)
                                       .f32(group::WeightIn, 12.5f)
                                       .text(group::DateIn, 10, "03/06/2023");
      if (std::string d = WroteOnly(was, is, slot, expected, "the new group"); !d.empty()) return d;
      // The list shows it among the year's nursery groups.
      std::vector<long> data;
      ListRows(*g_groups->PigList, &data);
      return std::find(data.begin(), data.end(), slot) != data.end() ? std::string()
                                                                      : std::string("the list does not show it");
    };
    ops.push_back(op);
  }
  {
    // PIGS OUT of the finisher group list of 2024, its row selected, for a
    // group that has sold nothing: the pigs-out window opens on it (GROUP.DAT
    // and SALES.DAT read), ten pigs to sales typed and ACCEPT (both read
    // again, then through a write set the sale written into the first free
    // sales row); the window closes and the list is filled again from both
    // files.
    Operation op;
    op.name = "finisher PIGS OUT of a sale, typed and ACCEPT, 2024";
    op.reads = {Whole(farm.groups, 3), Whole(farm.sales, 3), Records(farm.groups, 1), Records(farm.sales, 1)};
    auto kept = std::make_shared<KeptFiles>(std::vector<std::string>{farm.groups, farm.sales});
    long source = 0, freeRow = 0;
    {
      const GroupFiles f(farm);
      std::set<std::string> sold;
      for (long r = 1; r <= f.sales.count(); ++r) {
        if (f.sales.blank(r, sale::Id, 6) && !freeRow) freeRow = r;
        sold.insert(f.sales.text(r, sale::Id, 6) + "/" + std::to_string(f.sales.i16(r, sale::SubGroup)));
      }
      for (long n = 1; n <= f.groups.count() && !source; ++n)
        if (f.stage(n) == 'F' && f.groups.text(n, group::Id, 6).substr(4, 2) == "24" &&
            f.groups.i16(n, group::YearEnd) == 0 && f.groups.i16(n, group::DeathLoss) == 0 &&
            f.groups.i16(n, group::PigsIn) >= 10 &&
            !sold.count(f.groups.text(n, group::Id, 6) + "/" + std::to_string(f.groups.i16(n, group::SubGroup))))
          source = n;
    }
    op.windows = {{"HogPig3", [](platform::Form& form) {
                     auto& w = dynamic_cast<HogPig3&>(form);
                     w.PigsOut->SetText("0");
                     w.PigsSale->SetText("10");
                     w.PriceLb->SetText("0.55");
                     w.PigWtOut->SetText("265.5");
                     w.DateOut->SetText("11/15/2024");
                     w.Accept_Click();
                   }}};
    // The list of the year's finisher groups, the group's row selected.
    const auto open = [source] {
      PigletMenuChoice = 2;
      GroupYear = "24";
      g_groups = std::make_unique<HogPig1>();
      g_groups->Load();
      for (int row = 0; row < g_groups->PigList->ListCount(); ++row)
        if (g_groups->PigList->ItemData(row) == source) g_groups->PigList->SetSelected(row, true);
    };
    op.before = open;
    op.run = [] { g_groups->PigMain_Click(HogPig1::PigsOut); };
    op.after = [kept] { kept->putBack(); };
    op.check = [&farm, open, kept, source, freeRow](std::string& result) {
      if (!source || !freeRow) return std::string("no finisher group to sell from, or no free sales row");
      open();
      g_groups->PigMain_Click(HogPig1::PigsOut);
      const Stored groupsWere(kept->bytes(farm.groups), group::Length), groupsAre(farm.groups, group::Length);
      const Stored salesWere(kept->bytes(farm.sales), sale::Length), salesAre(farm.sales, sale::Length);
      result = std::to_string(freeRow);
      if (std::string d = CompareNumbers(ChangedRecords(groupsWere, groupsAre), {}, "group record changed"); !d.empty())
        return d;
      const RecordBytes expected = RecordBytes(sale::Length)
          .text(sale::Type, 1, "M")
          .i16(sale::SubGroup, groupsWere.i16(source, group::SubGroup))
          .text(sale::Id, 6, groupsWere.text(source, group::Id, 6))
          .i16(sale::Pigs, 10)
          .f32(sale::Weight, 265.5f)
          .f32(sale::Price, 0.55f)
          .text(sale::Date, 10, "11/15/2024");
      return WroteOnly(salesWere, salesAre, freeRow, expected, "the sale");
    };
    ops.push_back(op);
  }

  // The market hog sales of the group year.
  const auto salesSetup = [] {
    MenuChoice = 1;
    GroupYear = kYear;
  };
  {
    Operation op;
    op.name = std::string("market hog sales window opens, 20") + kYear;
    op.reads = {Whole(farm.sales)};
    op.before = [salesSetup] {
      salesSetup();
      g_sales.reset();
    };
    op.run = [] {
      g_sales = std::make_unique<HogSale1>();
      g_sales->Load();
      g_sales->SaleMode->SetCaption("M");
      g_sales->Show();
    };
    op.check = [&farm, before = op.before, run = op.run](std::string& result) {
      before();
      run();
      const Stored s(farm.sales, sale::Length);
      std::vector<long> records, data;
      const std::vector<LineExpect> expected = salesListLines(s, records);
      const std::vector<std::string> rows = ListRows(*g_sales->SaleList, &data);
      MadeTexts(rows);
      result = std::to_string(rows.size());
      if (std::string d = CompareNumbers(data, records, "row's record"); !d.empty()) return d;
      return CompareLines(rows, expected, "sales row");
    };
    ops.push_back(op);
  }
  const auto salesWindow = [salesSetup] {
    salesSetup();
    if (!g_sales) {
      g_sales = std::make_unique<HogSale1>();
      g_sales->Load();
      g_sales->SaleMode->SetCaption("M");
      g_sales->Show();
    }
  };
  {
    Operation op;
    op.name = std::string("market hog sales listing printed, 20") + kYear;
    op.reads = {Whole(farm.sales)};
    op.boxes = {"PRINT   SALES   REPORT"};
    op.before = [salesWindow] {
      salesWindow();
      CountPrints();
    };
    op.run = [] { printItem(HogSale1::Listing); };
    op.check = [&farm, salesWindow](std::string& result) {
      salesWindow();
      RecordingPrinter& printer = RecordPrints();
      printItem(HogSale1::Listing);
      MadePrinted(printer);
      const Stored s(farm.sales, sale::Length);
      std::vector<LineExpect> expected;
      for (long r = 1; r <= s.count(); ++r) {
        if (!printedSale(s, r)) continue;
        const float weight = s.f32(r, sale::Weight), price = s.f32(r, sale::Price);
        LineExpect line(84);
        line.text(3, 3, s.text(r, sale::Id, 3))
            .text(9, 5, s.date(r, sale::Date).substr(0, 5))
            .text(16, 3, cut(s.i16(r, sale::Pigs), 3))
            .number(22, 5, weight, Align::Left, 2)
            .number(30, 5, price, Align::Left, 2)
            .number(38, 6, weight && price ? static_cast<double>(weight * price) : 0.0, Align::Left, 2);
        killFigures(line, s, r, {48, 56, 64, 71, 80}, {4, 5, 5, 5, 5});
        expected.push_back(line);
      }
      const std::vector<std::string> body = BodyLines(printer, 84);
      result = std::to_string(body.size());
      return CompareLines(body, expected, "printed sale");
    };
    ops.push_back(op);
  }
  {
    Operation op;
    op.name = std::string("kill sheet summary printed, 20") + kYear;
    op.reads = {Whole(farm.sales)};
    op.boxes = {"PRINT   SALES   REPORT"};
    op.before = [salesWindow] {
      salesWindow();
      CountPrints();
    };
    op.run = [] { printItem(HogSale1::KillSheet); };
    op.check = [&farm, salesWindow](std::string& result) {
      salesWindow();
      RecordingPrinter& printer = RecordPrints();
      printItem(HogSale1::KillSheet);
      MadePrinted(printer);
      const Stored s(farm.sales, sale::Length);
      // Each group's averages of its counted rows, groups in the order met.
      std::vector<std::string> ids;
      std::map<std::string, std::vector<double>> sums;
      const int fields[] = {sale::Backfat, sale::Lean, sale::Loineye, sale::Carcass, sale::FatFree, sale::Premium};
      for (long r = 1; r <= s.count(); ++r) {
        if (!printedSale(s, r)) continue;
        const std::string id = s.text(r, sale::Id, 6);
        if (!sums.count(id)) ids.push_back(id), sums[id].assign(7, 0);
        std::vector<double>& sum = sums[id];
        for (int k = 0; k < 6; ++k) sum[static_cast<size_t>(k)] += s.f32(r, fields[k]);
        sum[6] += 1;
      }
      // The summary averages the groups' figures as their lines show them (a
      // Single to two places).
      const int cols[] = {12, 21, 46, 60, 32, 74}, widths[] = {4, 5, 6, 6, 5, 6};
      std::vector<LineExpect> expected;
      std::vector<double> totals(6, 0);
      for (const std::string& id : ids) {
        const std::vector<double>& sum = sums[id];
        LineExpect line(80);
        line.text(2, 6, id);
        for (int k = 0; k < 6; ++k) {
          const double average = sum[static_cast<size_t>(k)] / sum[6];
          line.number(cols[k], widths[k], average, Align::Left, 2);
          totals[static_cast<size_t>(k)] += SingleShown(average, 2);
        }
        expected.push_back(line);
      }
      result = std::to_string(ids.size());
      if (printer.documents != 2) return std::to_string(printer.documents) + " documents, expected 2";
      std::vector<std::string> body;
      for (const std::string& t : printer.texts(1))
        if (t.size() == 80 && t.find_first_not_of(' ') == 1) body.push_back(t);
      if (std::string d = CompareLines(body, expected, "group of the kill sheet"); !d.empty()) return d;
      const std::vector<std::string> summary = printer.texts(2);
      const std::string count = "NUMBER of GROUP(s). ---------------> " + std::to_string(ids.size());
      if (std::find(summary.begin(), summary.end(), count) == summary.end()) return "no line \"" + count + "\"";
      // The summary's order: backfat, lean, fat free index, loineye, carcass, premium.
      const char* labels[] = {"Average BACKFAT.", "Average Percent LEAN.", "Average FAT FREE INDEX.",
                              "Average LOINEYE.", "Average HOT CARCASS WEIGHT.", "Average GRADE YEILD PREMIUM."};
      const int order[] = {0, 1, 4, 2, 3, 5};
      for (int k = 0; k < 6; ++k) {
        const auto it = std::find_if(summary.begin(), summary.end(), [&](const std::string& t) { return t.rfind(labels[k], 0) == 0; });
        if (it == summary.end() ||
            !ShowsNumber(it->substr(it->find('>') + 2), totals[static_cast<size_t>(order[k])] / ids.size(), 2))
          return std::string("summary line \"") + (it == summary.end() ? labels[k] : *it) + "\"";
      }
      return std::string();
    };
    ops.push_back(op);
  }
}

void ReleaseGroupWindows() {
  g_groups.reset();
  g_sales.reset();
}
