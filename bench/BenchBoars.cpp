// The boar list: its queries, the history sheets of a selection, a boar's new
// ID across the three files, and the index grid.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>

#include "bench/BenchOps.h"
#include "boars/HogBoar1.h"
#include "boars/HogBoar3.h"
#include "boars/HogBoar6.h"
#include "common/HogGlobals.h"
#include "platform/Grid.h"

namespace {

using namespace at;

std::unique_ptr<HogBoar1> g_list;
std::unique_ptr<HogBoar6> g_index;

HogBoar1& boarList() {
  if (!g_list) {
    g_list = std::make_unique<HogBoar1>();
    g_list->Load();
  }
  return *g_list;
}

// PRINT > Selected Histories, as the user reaches it: PRINT opens first.
void printHistories() {
  g_list->BoarListMenu->Click(HogBoar1::Print);
  g_list->BoarPrint->Click(0);
}


// A sire's litters in FARROW.DAT, from the stored bytes.
struct Sire {
  int herdLitters = 0, litters = 0, weighed = 0;
  long born = 0, alive = 0;
  float birthWeight = 0, weaningWeight = 0;
  double adjusted = 0;
};

// What the bench knows of the herd's boars: their sires' figures and the
// litters of the sows in the herd.
struct Boars {
  Stored boars, litters;
  std::map<std::string, Sire> sires;
  int herdLitters = 0;

  explicit Boars(const BenchFarm& farm) : boars(farm.boars, boar::Length), litters(farm.litters, litter::Length) {
    for (long n = 1; n <= litters.count(); ++n) {
      const std::string id = litters.text(n, litter::Boar, 8);
      Sire& s = sires[id.substr(0, id.find_last_not_of(' ') + 1)];
      if (litters.i16(n, litter::Status) == 1) ++s.herdLitters;
      ++s.litters;
      s.born += litters.i16(n, litter::BornCount);
      s.alive += litters.i16(n, litter::Alive);
      s.birthWeight += litters.f32(n, litter::BirthWeight);
      s.weaningWeight += litters.f32(n, litter::WeaningWeight);
      if (EmptyStoredDate(litters.date(n, litter::Weaned))) continue;
      const long age = DayCount(litters.date(n, litter::Weaned)) - DayCount(litters.date(n, litter::Born));
      if (age < 14 || age > 34) continue;
      ++s.weighed;
      s.adjusted += kAdjustFactors[age - 14] * litters.f32(n, litter::WeaningWeight);
    }
    const Stored sows(farm.sows, sow::Length);
    for (long r = 1; r <= sows.count(); ++r)
      if (sows.date(r, animal::Left) == "__/__/____") herdLitters += std::clamp(sows.i16(r, sow::Parities), 0, 9);
  }
  bool live(long r) const { return !boars.blank(r, animal::Id, 8); }
  bool active(long r) const { return boars.date(r, animal::Left) == "__/__/____"; }
  std::string id(long r) const { return boars.trimmed(r, animal::Id, 8); }
  Sire sire(long r) const {
    const auto it = sires.find(id(r));
    return it == sires.end() ? Sire{} : it->second;
  }
  double rate(long r) const { return herdLitters ? sire(r).herdLitters * 100.0 / herdLitters : 0; }
  // The rate as the query compares it: its text cut to four characters.
  double queryRate(long r) const {
    char text[40];
    std::snprintf(text, sizeof text, "%.15g", rate(r));
    std::string t = text;
    if (t.rfind("0.", 0) == 0) t.erase(0, 1);
    return std::atof(t.substr(0, 4).c_str());
  }
  // Average litter birth and weaning weight, born and stillborn, adjusted
  // 21-day weight.
  std::vector<double> figures(long r) const {
    const Sire s = sire(r);
    if (s.litters == 0) return {0, 0, 0, 0, 0};
    const float n = static_cast<float>(s.litters);
    return {s.birthWeight / n, s.weaningWeight / n, static_cast<double>(s.born) / s.litters,
            static_cast<double>(s.born - s.alive) / s.litters, s.weighed ? s.adjusted / s.weighed : 0.0};
  }
};

using BoarRule = std::function<bool(const Boars& b, long r)>;

struct BoarListQuery {
  const char* code;
  const char* criterion;
  const char* caption;  // the kind's caption, as the query dialog hands it on
  BoarRule rule;
  bool litters = false;  // the rule needs the herd's litters: SOW.DAT and FARROW.DAT are read too
};

const std::vector<BoarListQuery>& boarQueries() {
  static const std::vector<BoarListQuery> queries = {
      {"0", "", "", [](const Boars& b, long r) { return b.active(r); }},
      {"1", "B1", "By BOAR Id.", [](const Boars& b, long r) { return StoredHolds(b.boars, r, animal::Id, 8, "B1"); }},
      {"2", "DUROC", "By BREED", [](const Boars& b, long r) { return StoredHolds(b.boars, r, animal::Breed, 20, "DUROC"); }},
      {"3", ">01/01/2018", "By PRV DATE", [](const Boars& b, long r) { return DateKey(b.boars.date(r, animal::Prv)) > 20180101; }},
      {"4", "BOAR1", "By LOCATION", [](const Boars& b, long r) { return StoredHolds(b.boars, r, animal::Location, 8, "BOAR1"); }},
      {"5", "<06/30/2016", "By DATE BORN",
       [](const Boars& b, long r) {
         const long k = DateKey(b.boars.date(r, animal::Born));
         return k != 0 && k < 20160630;
       }},
      {"6", "01/01/2010><12/31/2018", "By DATE of ENTRY into HERD",
       [](const Boars& b, long r) {
         const long k = DateKey(b.boars.date(r, animal::Entered));
         return k > 20100101 && k < 20181231;
       }},
      {"7", ">100", "By Number of SOW(s) BRED/FARROW", [](const Boars& b, long r) { return b.sire(r).herdLitters > 100; }, true},
      {"8", ">1.5", "By HERD CONCEPTION RATE", [](const Boars& b, long r) { return static_cast<float>(b.queryRate(r)) > 1.5f; }, true},
      {"9", "4000><8000", "By Number of PIG(s) BORN", [](const Boars& b, long r) { return b.sire(r).born > 4000 && b.sire(r).born < 8000; }, true},
      {"10", ">30", "By Average LITTER BIRTH Wt", [](const Boars& b, long r) { return b.figures(r)[0] > 30; }, true},
      {"11", "", "All INACTIVE BOAR(s)", [](const Boars& b, long r) { return !b.active(r); }},
      {"12", "", "All ACTIVE BOAR'S", [](const Boars& b, long r) { return b.active(r); }},
  };
  return queries;
}

LineExpect boarLine(const Boars& b, long r) {
  if (!b.active(r))
    return LineExpect(80).text(2, 8, b.id(r)).text(13, 39, "THIS BOAR LEFT THE HERD ON (" + b.boars.date(r, animal::Left) + ")");
  return LineExpect(80)
      .text(2, 8, b.id(r))
      .text(13, 20, b.boars.text(r, animal::Breed, 20))
      .text(37, 8, b.boars.text(r, animal::Location, 8))
      .text(52, 10, b.boars.date(r, animal::Entered))
      .number(66, 10, b.boars.money(r, animal::Price), Align::Right);
}

std::string compareList(const platform::ListBox& list, const Boars& b, const BoarRule& rule, bool inactive,
                        std::string& result) {
  std::vector<long> records, expected;
  const std::vector<std::string> rows = ListRows(list, &records);
  MadeTexts(rows);
  std::vector<LineExpect> lines;
  for (long r = 1; r <= b.boars.count(); ++r)
    if (b.live(r) && (inactive || b.active(r)) && rule(b, r)) {
      expected.push_back(r);
      lines.push_back(boarLine(b, r));
    }
  result = std::to_string(expected.size());
  if (expected.empty()) return "the query lists no boar";
  if (std::string d = CompareNumbers(records, expected, "row's record"); !d.empty()) return d;
  return CompareLines(rows, lines, "row");
}

// The figure after a sheet line's label.
const std::string* sheetValue(const std::vector<std::string>& texts, const std::string& label) {
  for (const std::string& t : texts)
    if (t.rfind(label, 0) == 0) {
      static std::string value;
      value = t.substr(t.find('>') + 1);
      return &value;
    }
  return nullptr;
}

std::string compareSheet(const std::vector<std::string>& texts, const Boars& b, long r) {
  if (texts.empty() || texts[0] != "B O A R  I D (" + b.id(r) + ")  H I S T O R Y")
    return "sheet of " + b.id(r) + " has title \"" + (texts.empty() ? "" : texts[0]) + "\"";
  const Sire s = b.sire(r);
  const std::vector<double> f = b.figures(r);
  const std::pair<const char*, Figure> numbers[] = {
      {"Number of SOWs Bred.", Count(b.boars.i16(r, boar::SowsBred))},
      {"Number of SOWs Farrowed.", Count(s.herdLitters)},
      {"Conception Rate.", b.rate(r)},
      {"Average Litter Birth Weight.", f[0]},
      {"Average Litter Weaning Weight.", f[1]},
      {"Average Adjusted 21 Day Weight.", f[4]},
      {"TOTAL Number of PIGs Born.", Count(s.born)},
      {"TOTAL Number of PIGs Stillborn.", Count(s.born - s.alive)},
      {"Average Number of PIGs Born.", f[2]},
      {"Average Number of PIGs Stillborn.", f[3]},
      {"BACKFAT.", b.boars.f32(r, animal::Backfat)},
      {"Purchase price of BOAR.", b.boars.money(r, animal::Price)},
  };
  for (const auto& [label, value] : numbers) {
    const std::string* shown = sheetValue(texts, label);
    if (!shown || !Shows(*shown, value))
      return "sheet of " + b.id(r) + ": \"" + label + "\" shows \"" + (shown ? *shown : "nothing") + "\"";
  }
  const std::pair<const char*, std::string> words[] = {
      {"Breed of BOAR.", b.boars.trimmed(r, animal::Breed, 20)}, {"Location of BOAR.", b.boars.trimmed(r, animal::Location, 8)}};
  for (const auto& [label, text] : words) {
    const std::string* shown = sheetValue(texts, label);
    if (!shown || *shown != text) return "sheet of " + b.id(r) + ": \"" + label + "\" shows \"" + (shown ? *shown : "") + "\"";
  }
  return "";
}

}  // namespace

void AddBoarOperations(std::vector<Operation>& ops, const BenchFarm& farm) {
  // The QUERY dialog's EXECUTE, and the plain list for kind "0".
  for (const BoarListQuery& q : boarQueries()) {
    Operation op;
    op.name = std::string("boar list query ") + q.code + " " + (*q.caption ? q.caption : "all in the herd");
    op.reads = {Whole(farm.boars)};
    if (q.litters) op.reads = {Whole(farm.boars), Whole(farm.sows), Whole(farm.litters)};
    const std::string code = q.code, criterion = q.criterion, caption = q.caption;
    op.before = [=] {
      boarList();
      QueryArgs = {"", code, criterion, caption};
    };
    op.run = [] { g_list->RestoreQuery(); };
    op.check = [=, &farm, rule = q.rule](std::string& result) {
      op.before();
      g_list->RestoreQuery();
      const Boars b(farm);
      const std::string expectedCaption = code == "0" ? "ALL BOAR(s)" : caption + ",  " + criterion;
      if (g_list->BQDisp->Caption() != expectedCaption) return "caption " + g_list->BQDisp->Caption();
      return compareList(*g_list->BoarList, b, rule, code == "11", result);
    };
    ops.push_back(op);
  }
  {
    // PRINT > Selected Histories with every boar of the list selected: a
    // sheet per boar over one read of SOW.DAT and FARROW.DAT, each boar's
    // record read from BOAR.DAT opened once, then the list shown again
    // (BOAR.DAT read whole).
    Operation op;
    op.name = "boar history sheets of every listed boar printed";
    int listed = 0;
    {
      const Stored boars(farm.boars, boar::Length);
      for (long r = 1; r <= boars.count(); ++r)
        listed += !boars.blank(r, animal::Id, 8) && boars.date(r, animal::Left) == "__/__/____";
    }
    op.reads = {Whole(farm.sows), Whole(farm.litters), Records(farm.boars, 1, listed, boar::Length), Whole(farm.boars)};
    op.boxes = {"P R I N T    B O A R    R E C O R D S"};
    const auto select = [] {
      boarList();
      QueryArgs = {"", "0", "", ""};
      g_list->RestoreQuery();
      for (int i = 0; i < g_list->BoarList->ListCount(); ++i) g_list->BoarList->SetSelected(i, true);
    };
    op.before = [select] {
      select();
      CountPrints();
    };
    op.run = [] { printHistories(); };
    op.check = [&farm, select](std::string& result) {
      select();
      std::vector<long> chosen;
      for (int i = 0; i < g_list->BoarList->ListCount(); ++i) chosen.push_back(g_list->BoarList->ItemData(i));
      RecordingPrinter& printer = RecordPrints();
      printHistories();
      MadePrinted(printer);
      MadeListed(*g_list->BoarList);  // the list shown again
      const Boars b(farm);
      result = std::to_string(printer.documents);
      if (printer.documents != static_cast<int>(chosen.size()) || chosen.empty())
        return std::to_string(printer.documents) + " sheets, expected " + std::to_string(chosen.size());
      for (size_t k = 0; k < chosen.size(); ++k)
        if (std::string d = compareSheet(printer.texts(static_cast<int>(k) + 1), b, chosen[k]); !d.empty()) return d;
      return std::string();
    };
    ops.push_back(op);
  }
  {
    // The boar card's CHAN BOAR ID, then ACCEPT of the new ID for the first
    // boar: the three files read once each, then through a write set the ID
    // written into his record, his litters and the sows bred to him. The
    // farm is put back after each run.
    Operation op;
    op.name = "boar ID changed across the three files";
    op.boxes = {"CHANGE  BOAR ID."};
    auto card = std::make_shared<std::unique_ptr<HogBoar3>>();
    auto kept = std::make_shared<KeptFiles>(std::vector<std::string>{farm.boars, farm.litters, farm.sows});
    const Stored boars(farm.boars, boar::Length), litters(farm.litters, litter::Length), sows(farm.sows, sow::Length);
    long first = 1;  // the first boar's record
    while (first < boars.count() && boars.blank(first, animal::Id, 8)) ++first;
    const std::string id = boars.trimmed(first, animal::Id, 8);
    std::vector<long> hisLitters, hisSows;
    for (long n = 1; n <= litters.count(); ++n)
      if (litters.trimmed(n, litter::Boar, 8) == id) hisLitters.push_back(n);
    for (long r = 1; r <= sows.count(); ++r)
      if (sows.trimmed(r, sow::Boar, 8) == id) hisSows.push_back(r);
    op.reads = {Whole(farm.boars),       Whole(farm.litters),   Whole(farm.sows),
                Records(farm.boars, 1), Records(farm.litters, 1), Records(farm.sows, 1)};
    op.before = [card, first] {
      SelectedBoarRecs = {0, first};
      SelectedCount = 1;
      *card = std::make_unique<HogBoar3>();
      (*card)->Load();
      (*card)->ChanId_Click();
      (*card)->BoarBox(1)->SetText("RENAMED");
    };
    op.run = [card] { (*card)->AcceptId_Click(); };
    op.after = [card, kept] {
      card->reset();
      kept->putBack();
    };
    op.check = [&farm, card, kept, first, hisLitters, hisSows, before = op.before](std::string& result) {
      before();
      (*card)->AcceptId_Click();
      result = std::to_string(1 + hisLitters.size() + hisSows.size());
      if (hisLitters.empty() || hisSows.empty()) return std::string("the boar sired no litter or was bred to no sow");
      const struct {
        const std::string& path;
        int length, idAt;
        std::vector<long> records;
        const char* what;
      } files[] = {{farm.boars, boar::Length, animal::Id, {first}, "boar"},
                   {farm.litters, litter::Length, litter::Boar, hisLitters, "litter"},
                   {farm.sows, sow::Length, sow::Boar, hisSows, "sow"}};
      for (const auto& f : files) {
        const Stored was(kept->bytes(f.path), f.length), is(f.path, f.length);
        if (std::string d = CompareNumbers(ChangedRecords(was, is), f.records, std::string(f.what) + " record written");
            !d.empty())
          return d;
        for (long n : f.records)
          if (std::string d = RecordBytes(was.record(n)).text(f.idAt, 8, "RENAMED").differs(is.record(n), f.what);
              !d.empty())
            return d;
      }
      return std::string();
    };
    ops.push_back(op);
  }
  {
    // BOAR > Indexing: the grid of the boars in the herd, sorted by ID.
    Operation op;
    op.name = "boar index grid fills and sorts by ID";
    op.reads = {Whole(farm.sows), Whole(farm.litters), Whole(farm.boars)};
    op.before = [] { g_index.reset(); };
    op.run = [] {
      g_index = std::make_unique<HogBoar6>();
      g_index->Load();
    };
    op.check = [&farm](std::string& result) {
      g_index = std::make_unique<HogBoar6>();
      g_index->Load();
      const Boars b(farm);
      std::vector<std::pair<std::string, long>> active;
      for (long r = 1; r <= b.boars.count(); ++r)
        if (b.live(r) && b.active(r)) active.emplace_back(b.id(r), r);
      std::stable_sort(active.begin(), active.end(), [](const auto& x, const auto& y) { return x.first < y.first; });
      const platform::Grid& g = *g_index->BoarIndexList;
      MadeCells(g);
      result = std::to_string(g.Rows() - 1);
      if (g.Rows() - 1 != static_cast<int>(active.size()))
        return std::to_string(g.Rows() - 1) + " rows, expected " + std::to_string(active.size());
      for (size_t k = 0; k < active.size(); ++k) {
        const long r = active[k].second;
        const int row = static_cast<int>(k) + 1;
        const std::vector<double> f = b.figures(r);
        const Figure cells[] = {Count(b.sire(r).herdLitters), b.rate(r), f[0], f[1], f[2], f[3]};
        if (TrimmedText(g.TextMatrix(row, 0)) != active[k].first) return "grid row " + std::to_string(row) + " holds " + g.TextMatrix(row, 0);
        for (int c = 0; c < 6; ++c)
          if (!Shows(g.TextMatrix(row, c + 1), cells[c]))
            return "grid row " + std::to_string(row) + " (" + active[k].first + "), column " + std::to_string(c + 2) +
                   " shows " + g.TextMatrix(row, c + 1);
      }
      return std::string();
    };
    ops.push_back(op);
  }
}

void ReleaseBoarWindows() {
  g_list.reset();
  g_index.reset();
}
