// The sow list and what it opens: the queries, the pages, PRV, the printouts
// of a page selection, the litter window's Print All, the index grid.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>

#include "bench/BenchOps.h"
#include "common/HogGlobals.h"
#include "platform/Grid.h"
#include "sows/HogSow1.h"
#include "sows/HogSow2.h"
#include "sows/HogSow3.h"
#include "sows/HogSow5.h"
#include "sows/HogSow6.h"
#include "sows/HogSow7.h"

namespace {

using namespace at;
constexpr int kPageSlots = 802;  // rows of a page of the sow list

std::unique_ptr<HogSow1> g_list;
std::unique_ptr<HogSow6> g_litters;
std::unique_ptr<HogSow7> g_index;

HogSow1& sowList() {
  if (!g_list) {
    g_list = std::make_unique<HogSow1>();
    g_list->Show();
  }
  return *g_list;
}

// An item of the PRINT submenu, as the user reaches it: PRINT opens first.
void printItem(int item) {
  g_list->SowHistoryMenu->Click(HogSow1::Print);
  g_list->SowPrint->Click(item);
}

// ---- What the stored bytes say of a sow -------------------------------------

bool liveSow(const Stored& s, long r) { return !s.blank(r, animal::Id, 8); }
bool activeSow(const Stored& s, long r) { return EmptyStoredDate(s.date(r, animal::Left)); }

// The sums over a sow's litters, her links 1 to her parity count (at most 9)
// that lie in FARROW.DAT.
struct Litters {
  int n = 0, born = 0, alive = 0, weaned = 0, age = 0, fosteredTo = 0, fosteredFrom = 0;
  float birthWeight = 0, weaningWeight = 0;
  std::vector<long> links;
  float avg(int sum) const { return n ? static_cast<float>(static_cast<double>(sum) / n) : 0.0f; }
};

Litters littersOf(const Stored& sows, long r, const Stored& litters) {
  Litters out;
  const int parities = std::clamp(sows.i16(r, sow::Parities), 0, 9);
  for (int k = 0; k < parities; ++k) {
    const long link = sows.i16(r, sow::Links + 2 * k);
    if (link < 1 || link > litters.count()) continue;
    ++out.n;
    out.links.push_back(link);
    out.born += litters.i16(link, litter::BornCount);
    out.alive += litters.i16(link, litter::Alive);
    out.weaned += litters.i16(link, litter::WeanedCount);
    out.age += litters.i16(link, litter::WeaningAge);
    out.fosteredTo += litters.i16(link, litter::FosteredTo);
    out.fosteredFrom += litters.i16(link, litter::FosteredFrom);
    out.birthWeight += litters.f32(link, litter::BirthWeight);
    out.weaningWeight += litters.f32(link, litter::WeaningWeight);
  }
  return out;
}

// ---- The queries, each with the bench's own rule ---------------------------------

using SowRule = std::function<bool(const Stored& sows, long r, const Stored& litters)>;

long key(const Stored& s, long r, int offset) { return DateKey(s.date(r, offset)); }

struct SowListQuery {
  const char* code;
  const char* criterion;
  const char* caption;  // the kind's caption, as the query dialog hands it on
  SowRule rule;
  bool litters = false;  // the rule needs her litters: FARROW.DAT is read too
};

const std::vector<SowListQuery>& sowQueries() {
  static const std::vector<SowListQuery> queries = {
      {"0", "", "All ACTIVE SOW'S", [](const Stored& s, long r, const Stored&) { return activeSow(s, r); }},
      {"1", "10", "By SOW Id.", [](const Stored& s, long r, const Stored&) { return StoredHolds(s, r, animal::Id, 8, "10"); }},
      {"2", "YORK", "By BREED", [](const Stored& s, long r, const Stored&) { return StoredHolds(s, r, animal::Breed, 20, "YORK"); }},
      {"3", ">01/01/2018", "By PRV DATE", [](const Stored& s, long r, const Stored&) { return key(s, r, animal::Prv) > 20180101; }},
      {"4", "PEN1", "By LOCATION", [](const Stored& s, long r, const Stored&) { return StoredHolds(s, r, animal::Location, 8, "PEN1"); }},
      {"5", "<06/30/2016", "By DATE BORN",
       [](const Stored& s, long r, const Stored&) {
         const long k = key(s, r, animal::Born);
         return k != 0 && k < 20160630;
       }},
      {"6", "02><09", "By Number Of PARITIES",
       [](const Stored& s, long r, const Stored&) { return s.i16(r, sow::Parities) > 2 && s.i16(r, sow::Parities) < 9; }},
      {"7", "01/01/2016><12/31/2018", "By DATE DUE To FARROW",
       [](const Stored& s, long r, const Stored&) {
         const long k = key(s, r, sow::Due);
         return k > 20160101 && k < 20181231;
       }},
      {"8", ">01/01/2017", "By DATE BRED", [](const Stored& s, long r, const Stored&) { return key(s, r, sow::Bred) > 20170101; }},
      {"9", "B1", "By A BOAR", [](const Stored& s, long r, const Stored&) { return StoredHolds(s, r, sow::Boar, 8, "B1"); }},
      {"10", "<01/01/2015", "By DATE of ENTRY into HERD",
       [](const Stored& s, long r, const Stored&) {
         const long k = key(s, r, animal::Entered);
         return k != 0 && k < 20150101;
       }},
      {"11", ">11", "By Avg. Number Of PIG(s) BORN",
       [](const Stored& s, long r, const Stored& l) {
         const Litters x = littersOf(s, r, l);
         return std::nearbyint(static_cast<double>(x.avg(x.born))) > 11;
       },
       true},
      {"12", "<0.9", "By Avg. Number Of PIG(s) STILLBORN",
       [](const Stored& s, long r, const Stored& l) {
         const Litters x = littersOf(s, r, l);
         return x.avg(x.born - x.alive) < 0.9f;
       },
       true},
      {"13", ">10.5", "By Avg. Number Of PIG(s) WEANED",
       [](const Stored& s, long r, const Stored& l) {
         const Litters x = littersOf(s, r, l);
         return x.avg(x.weaned) > 10.5f;
       },
       true},
      {"14", "=175", "By DAY'S to 230", [](const Stored& s, long r, const Stored&) { return s.i16(r, animal::Days230) == 175; }},
      {"15", ">0.95", "By BACKFAT", [](const Stored& s, long r, const Stored&) { return s.f32(r, animal::Backfat) > 0.95f; }},
      {"16", "5.50><6.50", "By LOINEYE",
       [](const Stored& s, long r, const Stored&) {
         return s.f32(r, animal::Loineye) > 5.5f && s.f32(r, animal::Loineye) < 6.5f;
       }},
      {"17", ">2", "By Fostered TO", [](const Stored& s, long r, const Stored& l) { return littersOf(s, r, l).fosteredTo > 2; }, true},
      {"18", "=0", "By Fostered FROM", [](const Stored& s, long r, const Stored& l) { return littersOf(s, r, l).fosteredFrom == 0; }, true},
      {"19", "", "All INACTIVE SOW(s)", [](const Stored& s, long r, const Stored&) { return !activeSow(s, r); }},
      {"20", ">01/01/2020", "By DATE WEANED",
       [](const Stored& s, long r, const Stored& l) {
         for (long link : littersOf(s, r, l).links)
           if (DateKey(l.date(link, litter::Weaned)) > 20200101) return true;
         return false;
       },
       true},
  };
  return queries;
}

// The sows a rule lists, in record order.
std::vector<long> listedSows(const BenchFarm& farm, const SowRule& rule) {
  const Stored sows(farm.sows, sow::Length), litters(farm.litters, litter::Length);
  std::vector<long> out;
  for (long r = 1; r <= sows.count(); ++r)
    if (liveSow(sows, r) && rule(sows, r, litters)) out.push_back(r);
  return out;
}

// ---- Lines --------------------------------------------------------------------

LineExpect sowListLine(const Stored& s, long r) {
  return LineExpect(80)
      .text(2, 8, s.text(r, animal::Id, 8))
      .text(13, 20, s.text(r, animal::Breed, 20))
      .text(37, 8, s.text(r, animal::Location, 8))
      .text(49, 3, std::to_string(s.i16(r, animal::Days230)))
      .number(56, 4, s.f32(r, animal::Backfat))
      .number(64, 4, s.f32(r, animal::Loineye))
      .text(73, 2, std::to_string(s.i16(r, sow::Parities)));
}

LineExpect sowLeftLine(const Stored& s, long r, size_t width, int textColumn) {
  return LineExpect(width)
      .text(2, 8, s.text(r, animal::Id, 8))
      .text(textColumn, 40, "THIS SOW LEFT THE HERD ON (" + TrimmedText(s.date(r, animal::Left)) + ")");
}

// Every page of the list window against the sows listed: page p shows the
// p-th run of 802 of them, each row with its slot, an inactive sow left out
// unless the query lists the inactive ones.
std::string comparePages(HogSow1& w, const BenchFarm& farm, const std::vector<long>& listed,
                         const std::string& code, const std::string& caption) {
  const Stored sows(farm.sows, sow::Length);
  const int pages = std::max<int>(1, static_cast<int>((listed.size() + kPageSlots - 1) / kPageSlots));
  for (int page = pages; page >= 1; --page) {
    w.SowPg_Click(page - 1);
    std::vector<long> shownSlots, expectedSlots;
    const std::vector<std::string> rows = ListRows(*w.SowList, &shownSlots);
    std::vector<LineExpect> expected;
    for (int slot = 1; slot <= kPageSlots; ++slot) {
      const size_t k = static_cast<size_t>((page - 1) * kPageSlots + slot - 1);
      if (k >= listed.size()) break;
      const long r = listed[k];
      if (code == "19") expected.push_back(sowLeftLine(sows, r, 80, 13));
      else if (code == "0" || activeSow(sows, r)) expected.push_back(sowListLine(sows, r));
      else continue;
      expectedSlots.push_back(slot);
    }
    const std::string where = "page " + std::to_string(page) + ": ";
    if (std::string d = CompareLines(rows, expected, "row"); !d.empty()) return where + d;
    if (std::string d = CompareNumbers(shownSlots, expectedSlots, "row's slot"); !d.empty()) return where + d;
    if (w.SQDisp->Caption() != caption + std::to_string(page)) return where + "caption " + w.SQDisp->Caption();
  }
  return "";
}

std::string captionOf(const std::string& code, const std::string& criterion, const std::string& kind) {
  if (code == "0") return "All ACTIVE SOW's.  PAGE ";
  if (code == "19") return "All INACTIVE SOW's.  PAGE ";
  return kind + ", " + criterion + ".  Page ";
}

// ---- The sow card, the litter sheet and the index, from the stored bytes --------

// The 17 rows of a litter's sheet, each after its label's "->": the texts
// and figures it must show.
std::string compareLitterSheet(const std::vector<std::string>& texts, const Stored& l, long link, int parity,
                               const std::string& sowId) {
  if (texts.size() != 19) return std::to_string(texts.size()) + " texts on the sheet";
  if (texts[0] != "SOW ID (" + TrimmedText(sowId) + ") FARROW RECORD") return "title \"" + texts[0] + "\"";
  std::vector<std::string> values;
  for (size_t i = 2; i < texts.size(); ++i) {
    const size_t arrow = texts[i].find("->");
    if (arrow == std::string::npos) return "line \"" + texts[i] + "\" has no figure";
    values.push_back(texts[i].substr(arrow + 2));
  }
  const int born = l.i16(link, litter::BornCount), alive = l.i16(link, litter::Alive);
  const int weaned = l.i16(link, litter::WeanedCount), to = l.i16(link, litter::FosteredTo);
  const int from = l.i16(link, litter::FosteredFrom);
  const bool isWeaned = !EmptyStoredDate(l.date(link, litter::Weaned));
  const float weight = l.f32(link, litter::WeaningWeight);
  // The weights are written to two places; the percentages, the weight a
  // pig and the adjusted weight are a Single's digits cut to the row.
  struct Row {
    int index;
    std::string text;  // exact, when not a figure
    std::optional<Figure> figure;
  };
  std::vector<Row> rows = {
      {0, std::to_string(parity), {}},
      {1, l.date(link, litter::Born), {}},
      {2, "", Count(born)},
      {3, "", Count(alive)},
      {4, "", Figure(l.f32(link, litter::BirthWeight), 2)},
      {5, std::to_string(link), {}},
      {7, "", Count(to)},
      {8, "", Count(from)},
      {10, isWeaned ? l.date(link, litter::Weaned) : "", {}},
      {11, "", Count(weaned)},
      {13, "", Figure(weight, 2)},
      {16, l.text(link, litter::Boar, 8), {}},
  };
  if (born != 0) rows.push_back({6, "", Figure((born - alive) * 100.0 / born, kCut)});
  if (weaned != 0 && alive + to - from != 0)
    rows.push_back({9, "", Figure((alive + to - from - weaned) * 100.0 / (alive + to - from), kCut)});
  if (isWeaned) {
    const long age = DayCount(l.date(link, litter::Weaned)) - DayCount(l.date(link, litter::Born));
    rows.push_back({12, "", Count(age)});
    if (weaned != 0) rows.push_back({14, "", Figure(weight / weaned, kCut)});
    if (age >= 14 && age <= 34) rows.push_back({15, "", Figure(kAdjustFactors[age - 14] * weight, kCut)});
    else rows.push_back({15, age < 14 ? "EARLY" : "LATE", {}});
  }
  for (const Row& row : rows) {
    const std::string& shown = values[static_cast<size_t>(row.index)];
    const bool ok = row.figure ? Shows(shown, *row.figure) : TrimmedText(shown) == TrimmedText(row.text);
    if (!ok) return "sheet of litter " + std::to_string(link) + ", row " + std::to_string(row.index + 1) + " shows \"" + shown + "\"";
  }
  return "";
}

std::string compareSowCard(const std::vector<std::string>& texts, const Stored& s, long r, const Stored& l) {
  // The title, two headings, a blank line, the 40 lines, and the end banner.
  if (texts.size() != 45) return std::to_string(texts.size()) + " texts on the card";
  if (texts[0] != "S O W  I D (" + s.trimmed(r, animal::Id, 8) + ")  C A R D") return "title \"" + texts[0] + "\"";
  const Litters x = littersOf(s, r, l);
  for (int p = 1; p <= 9; ++p) {
    LineExpect row(86);
    row.text(4, 1, std::to_string(p));
    if (p <= x.n) {
      const long link = x.links[static_cast<size_t>(p - 1)];
      const int born = l.i16(link, litter::BornCount), alive = l.i16(link, litter::Alive);
      const int weaned = l.i16(link, litter::WeanedCount), to = l.i16(link, litter::FosteredTo);
      const int from = l.i16(link, litter::FosteredFrom);
      row.count(13, 2, born).count(19, 2, alive).count(27, 2, weaned).count(61, 2, to).count(66, 2, from);
      row.number(73, 6, l.f32(link, litter::BirthWeight), Align::Left, 2)
          .number(81, 6, l.f32(link, litter::WeaningWeight), Align::Left, 2);
      if (born != 0) row.number(37, 8, (born - alive) * 100.0 / born, Align::Left, 2);
      if (weaned != 0 && alive + to - from != 0)
        row.number(48, 8, (alive + to - from - weaned) * 100.0 / (alive + to - from), Align::Left, 2);
    }
    if (std::string d = row.differs(texts[static_cast<size_t>(3 + p)]); !d.empty())
      return "card of " + s.trimmed(r, animal::Id, 8) + ", parity " + std::to_string(p) + ": " + d;
  }
  const std::pair<size_t, std::string> facts[] = {
      {14, s.trimmed(r, animal::Breed, 20)}, {16, s.trimmed(r, sow::Boar, 8)}};
  for (const auto& [line, text] : facts)
    if (TrimmedText(texts[line].substr(texts[line].find('>') + 1)) != text) return "card line \"" + texts[line] + "\"";
  const double averages[] = {x.avg(x.born), x.avg(x.alive), x.avg(x.weaned)};
  for (size_t k = 0; k < 3; ++k) {
    const std::string& t = texts[17 + k];
    if (!ShowsNumber(t.substr(t.find('>') + 1), averages[k], 2)) return "card line \"" + t + "\"";
  }
  for (int k = 0; k < 14; ++k)
    if (TrimmedText(texts[static_cast<size_t>(22 + k)]) != s.trimmed(r, sow::Notes + 70 * k, 70))
      return "card note line " + std::to_string(k + 1) + " \"" + texts[static_cast<size_t>(22 + k)] + "\"";
  return "";
}

// The index grid's cells of a sow in the herd: ID, parities, the litter
// averages of birth and weaning weight, born, weaned and stillborn.
std::vector<Figure> indexFigures(const Stored& s, long r, const Stored& l) {
  const Litters x = littersOf(s, r, l);
  const float n = static_cast<float>(x.n);
  return {Count(s.i16(r, sow::Parities)), x.n ? x.birthWeight / n : 0.0, x.n ? x.weaningWeight / n : 0.0,
          x.avg(x.born), x.avg(x.weaned), x.avg(x.born - x.alive)};
}

std::string compareGridRow(const platform::Grid& g, int row, const std::string& id, const std::vector<Figure>& figures) {
  if (TrimmedText(g.TextMatrix(row, 0)) != id) return "grid row " + std::to_string(row) + " holds " + g.TextMatrix(row, 0) + ", not " + id;
  for (size_t c = 0; c < figures.size(); ++c)
    if (!Shows(g.TextMatrix(row, static_cast<int>(c) + 1), figures[c]))
      return "grid row " + std::to_string(row) + " (" + id + "), column " + std::to_string(c + 2) + " shows " +
             g.TextMatrix(row, static_cast<int>(c) + 1);
  return "";
}

// The active sows as the index window opens on them: by ID, with their
// records.
std::vector<std::pair<std::string, long>> indexedSows(const Stored& s) {
  std::vector<std::pair<std::string, long>> active;
  for (long r = 1; r <= s.count(); ++r)
    if (liveSow(s, r) && s.date(r, animal::Left) == "__/__/____") active.emplace_back(s.trimmed(r, animal::Id, 8), r);
  std::stable_sort(active.begin(), active.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  return active;
}

// The cells of grid row `row`.
std::vector<std::string> gridRow(const platform::Grid& g, int row) {
  std::vector<std::string> cells;
  for (int c = 0; c < g.Cols(); ++c) cells.push_back(g.TextMatrix(row, c));
  return cells;
}

}  // namespace

void AddSowOperations(std::vector<Operation>& ops, const BenchFarm& farm) {
  const std::vector<long> active = listedSows(farm, sowQueries()[0].rule);
  const int pages = static_cast<int>((active.size() + kPageSlots - 1) / kPageSlots);
  const int firstPage = std::min<int>(kPageSlots, static_cast<int>(active.size()));  // rows of page 1
  // The QUERY dialog's EXECUTE: the list built again and its first page shown.
  for (const SowListQuery& q : sowQueries()) {
    Operation op;
    op.name = std::string("sow list query ") + q.code + " " + q.caption;
    op.reads = {Whole(farm.sows)};
    if (q.litters) op.reads.push_back(Whole(farm.litters));
    const std::string code = q.code, criterion = q.criterion, caption = q.caption;
    op.before = [=] {
      sowList();
      QueryArgs = {"", code, criterion, caption};
    };
    op.run = [] { g_list->ListSowsOfQuery(); };
    op.check = [=, &farm, rule = q.rule](std::string& result) {
      op.before();
      g_list->ListSowsOfQuery();
      MadeListed(*g_list->SowList);
      const std::vector<long> listed = listedSows(farm, rule);
      result = std::to_string(listed.size());
      if (listed.empty()) return std::string("the query lists no sow");
      return comparePages(*g_list, farm, listed, code, captionOf(code, criterion, caption));
    };
    ops.push_back(op);
  }

  {
    // The window's load builds the list from SOW.DAT; its first activation
    // reads SOW.DAT again for page 1, as every activation does.
    Operation op;
    op.name = "sow list window opens on page 1";
    op.reads = {Whole(farm.sows, 2)};
    op.before = [] { g_list.reset(); };
    op.run = [] {
      g_list = std::make_unique<HogSow1>();
      g_list->Show();
    };
    op.check = [&farm](std::string& result) {
      g_list.reset();
      sowList();
      result = std::to_string(g_list->SowList->ListCount());
      MadeListed(*g_list->SowList);
      const std::vector<long> active = listedSows(farm, sowQueries()[0].rule);
      if (g_list->SQDisp->Caption() != "All ACTIVE SOW's.  PAGE 1") return "caption " + g_list->SQDisp->Caption();
      const std::vector<std::string> rows = ListRows(*g_list->SowList);
      const Stored sows(farm.sows, sow::Length);
      std::vector<LineExpect> expected;
      for (size_t k = 0; k < active.size() && k < static_cast<size_t>(kPageSlots); ++k)
        expected.push_back(sowListLine(sows, active[k]));
      return CompareLines(rows, expected, "row");
    };
    ops.push_back(op);
  }
  {
    // A page button of the list of every active sow: the page's rows come
    // from SOW.DAT read again at the click.
    Operation op;
    op.name = "sow list page button";
    op.reads = {Whole(farm.sows)};
    auto page = std::make_shared<int>(0);
    op.before = [page, pages] {
      sowList();
      if (*page == 0) {
        QueryArgs = {"", "0", "", ""};
        g_list->ListSowsOfQuery();
      }
      *page = *page % pages + 1;
    };
    op.run = [page] { g_list->SowPg_Click(*page - 1); };
    op.check = [&farm, page](std::string& result) {
      g_list.reset();
      sowList();
      MadeListed(*g_list->SowList);
      *page = 0;
      const std::vector<long> active = listedSows(farm, sowQueries()[0].rule);
      result = std::to_string((active.size() + kPageSlots - 1) / kPageSlots) + " pages";
      if (active.size() <= static_cast<size_t>(kPageSlots)) return std::string("a single page");
      return comparePages(*g_list, farm, active, "0", "All ACTIVE SOW's.  PAGE ");
    };
    ops.push_back(op);
  }
  {
    // The PRV window's ACCEPT: fifty IDs typed, the sows found given the
    // date and written each in turn; the farm is put back after each run.
    Operation op;
    op.name = "sow PRV ACCEPT of fifty IDs";
    op.boxes = {"PRV  TEST  RESULTS"};
    auto window = std::make_shared<std::unique_ptr<HogSow5>>();
    auto kept = std::make_shared<KeptFiles>(std::vector<std::string>{farm.sows});
    const std::string date = "06/14/2024";
    // Every ninetieth record from the end, at most 49, and one ID nobody
    // holds; the sows in the herd among them are written.
    std::vector<std::string> ids;
    std::vector<long> written;
    {
      const Stored sows(farm.sows, sow::Length);
      for (long r = sows.count(); r >= 1 && ids.size() < 49; --r)
        if (liveSow(sows, r) && (r - 1) % 90 == 0) {
          ids.push_back(sows.trimmed(r, animal::Id, 8));
          if (activeSow(sows, r)) written.push_back(r);
        }
      ids.push_back("NOSUCH");
      std::sort(written.begin(), written.end());
    }
    // SOW.DAT is read once, then opened for each sow it writes.
    op.reads = {Whole(farm.sows), Records(farm.sows, static_cast<int>(written.size()))};
    op.before = [window, ids, date] {
      if (!*window) {
        *window = std::make_unique<HogSow5>();
        (*window)->Load();
      }
      (*window)->PrvDat->SetText(date);
      for (size_t i = 0; i < ids.size(); ++i) (*window)->Prv[static_cast<int>(i)]->SetText(ids[i]);
    };
    op.run = [window] { (*window)->PrvAccept_Click(); };
    op.after = [kept] { kept->putBack(); };
    op.check = [&farm, window, ids, written, date, kept, before = op.before](std::string& result) {
      before();
      (*window)->PrvAccept_Click();
      const Stored was(kept->bytes(farm.sows), sow::Length), is(farm.sows, sow::Length);
      for (size_t i = 0; i < ids.size(); ++i) {
        const std::string box = (*window)->Prv[static_cast<int>(i)]->Text();
        const bool found = ids[i] != "NOSUCH";
        if (box != (found ? "" : ids[i])) return "box " + std::to_string(i + 1) + " holds \"" + box + "\"";
      }
      result = std::to_string(written.size());
      if (written.empty()) return std::string("no sow to write");
      if (std::string d = CompareNumbers(ChangedRecords(was, is), written, "record written"); !d.empty()) return d;
      for (long r : written)
        if (std::string d = RecordBytes(was.record(r)).text(animal::Prv, 10, date).differs(is.record(r), "sow record " + std::to_string(r));
            !d.empty())
          return d;
      return std::string();
    };
    ops.push_back(op);
  }
  {
    // The sow history card's ACCEPT after her location was edited: her
    // record read, then written back through a write set; she stays in the
    // herd, so her litters are not opened.
    Operation op;
    op.name = "sow card ACCEPT of an edited location";
    op.reads = {Records(farm.sows, 2, 1, sow::Length)};
    auto card = std::make_shared<std::unique_ptr<HogSow3>>();
    auto kept = std::make_shared<KeptFiles>(std::vector<std::string>{farm.sows});
    const long record = active.back();
    const auto open = [card, record] {
      if (!*card) {
        SelectedSowRecs = {0, record};
        SelectedCount = 1;
        *card = std::make_unique<HogSow3>();
        (*card)->Load();
      }
      (*card)->SowBox(12)->SetText("PEN51");
    };
    op.before = open;
    op.run = [card] { (*card)->SaveChan_Click(); };
    op.after = [kept] { kept->putBack(); };
    op.check = [&farm, card, open, record, kept](std::string& result) {
      open();
      (*card)->SaveChan_Click();
      const Stored was(kept->bytes(farm.sows), sow::Length), is(farm.sows, sow::Length);
      result = is.trimmed(record, animal::Location, 8);
      return WroteOnly(was, is, record, RecordBytes(was.record(record)).text(animal::Location, 8, "PEN51"), "her record");
    };
    ops.push_back(op);
  }
  {
    // PRINT > Sow Cards with every row of the list's first page selected.
    Operation op;
    op.name = "sow cards of a page selection (" + std::to_string(firstPage) + ") printed";
    op.reads = {Whole(farm.sows), Whole(farm.litters)};
    op.boxes = {"P R I N T    S O W    C A R D S"};
    const auto select = [] {
      sowList();
      QueryArgs = {"", "0", "", ""};
      g_list->ListSowsOfQuery();
      for (int i = 0; i < g_list->SowList->ListCount(); ++i) g_list->SowList->SetSelected(i, true);
    };
    op.before = [select] {
      select();
      CountPrints();
    };
    op.run = [] { printItem(HogSow1::SowCards); };
    op.check = [&farm, select, firstPage](std::string& result) {
      select();
      RecordingPrinter& printer = RecordPrints();
      printItem(HogSow1::SowCards);
      MadePrinted(printer);
      const std::vector<long> active = listedSows(farm, sowQueries()[0].rule);
      const Stored sows(farm.sows, sow::Length), litters(farm.litters, litter::Length);
      result = std::to_string(printer.documents);
      if (printer.documents != firstPage)
        return std::to_string(printer.documents) + " cards, expected " + std::to_string(firstPage);
      for (int d = 1; d <= printer.documents; ++d)
        if (std::string differs = compareSowCard(printer.texts(d), sows, active[static_cast<size_t>(d - 1)], litters);
            !differs.empty())
          return differs;
      return std::string();
    };
    ops.push_back(op);
  }
  {
    Operation op;
    op.name = "sow listing of a page printed";
    op.reads = {Whole(farm.sows)};
    op.boxes = {"PRINT  SOW  RECORD(s)"};
    op.before = [] {
      sowList();
      CountPrints();
    };
    op.run = [] { printItem(HogSow1::DisplayListing); };
    op.check = [&farm](std::string& result) {
      g_list.reset();
      sowList();
      RecordingPrinter& printer = RecordPrints();
      printItem(HogSow1::DisplayListing);
      MadePrinted(printer);
      const std::vector<long> active = listedSows(farm, sowQueries()[0].rule);
      const Stored sows(farm.sows, sow::Length);
      std::vector<LineExpect> expected;
      for (size_t k = 0; k < active.size() && k < static_cast<size_t>(kPageSlots); ++k) {
        const long r = active[k];
        expected.push_back(LineExpect(84)
                               .text(2, 8, sows.text(r, animal::Id, 8))
                               .text(15, 20, sows.text(r, animal::Breed, 20))
                               .text(39, 8, sows.text(r, animal::Location, 8))
                               .text(51, 3, std::to_string(sows.i16(r, animal::Days230)))
                               .number(60, 4, sows.f32(r, animal::Backfat))
                               .number(69, 4, sows.f32(r, animal::Loineye))
                               .text(80, 2, std::to_string(sows.i16(r, sow::Parities))));
      }
      const std::vector<std::string> body = BodyLines(printer, 84);
      result = std::to_string(body.size());
      return CompareLines(body, expected, "listed sow");
    };
    ops.push_back(op);
  }
  {
    // PRINT > Dates Due, after the dialog took the two dates.
    Operation op;
    op.name = "dates due of the whole herd printed";
    op.reads = {Whole(farm.sows)};
    op.before = [] {
      sowList();
      CountPrints();
    };
    op.run = [] { g_list->PrintDueBetween("01/01/1990", "12/31/9999"); };
    op.check = [&farm](std::string& result) {
      sowList();
      RecordingPrinter& printer = RecordPrints();
      g_list->PrintDueBetween("01/01/1990", "12/31/9999");
      MadePrinted(printer);
      const Stored sows(farm.sows, sow::Length);
      std::vector<LineExpect> expected;
      for (long r = 1; r <= sows.count(); ++r) {
        if (!liveSow(sows, r) || !activeSow(sows, r) || EmptyStoredDate(sows.date(r, sow::Due))) continue;
        expected.push_back(LineExpect(80)
                               .text(2, 8, sows.text(r, animal::Id, 8))
                               .text(14, 8, sows.text(r, animal::Location, 8))
                               .text(31, 2, std::to_string(sows.i16(r, sow::Parities)))
                               .text(42, 10, sows.date(r, sow::Bred))
                               .text(60, 10, sows.date(r, sow::Due))
                               // The boar's last two characters fall outside the row.
                               .text(75, 6, sows.text(r, sow::Boar, 8)));
      }
      const std::vector<std::string> body = BodyLines(printer, 80);
      result = std::to_string(body.size());
      return CompareLines(body, expected, "sow due");
    };
    ops.push_back(op);
  }

  // The litter window's Print All: of one sow, and of each sow of a page
  // selection of 802 in turn (NEXT between them, not timed).
  for (const int sows : {1, firstPage}) {
    Operation op;
    op.name = sows == 1 ? "Print All of one sow's litters"
                        : "Print All of each sow of a page selection (" + std::to_string(sows) + ")";
    // One sow: the first with nine litters; else the first listed.
    const Stored stored(farm.sows, sow::Length);
    std::vector<long> chosen;
    for (long r : listedSows(farm, sowQueries()[0].rule))
      if (static_cast<int>(chosen.size()) < sows && (sows > 1 || stored.i16(r, sow::Parities) == 9)) chosen.push_back(r);
    // FARROW.DAT is read for each sow with litters; a sow without any is
    // refused with a box.
    int withLitters = 0;
    for (long r : chosen) withLitters += stored.i16(r, sow::Parities) > 0;
    op.reads = {Whole(farm.litters, withLitters)};
    op.boxes = {"P R I N T   F A R R O W   R E C O R D", "FARROWING SOWS", " FARROW  PRINT  ERROR "};
    const auto open = [chosen, sows] {
      SelectedSowRecs.assign(1, 0);
      SelectedSowRecs.insert(SelectedSowRecs.end(), chosen.begin(), chosen.end());
      SelectedCount = sows;
      g_litters = std::make_unique<HogSow6>();
      g_litters->Load();
    };
    op.before = [open] {
      open();
      CountPrints();
    };
    op.lapped = [sows](Laps& laps) {
      for (int k = 0; k < sows; ++k) {
        if (k > 0) g_litters->FarroNext_Click();
        laps.start();
        g_litters->FarroMenu_Click(0);
        laps.stop();
      }
    };
    op.after = [] { g_litters.reset(); };
    op.check = [&farm, open, sows](std::string& result) {
      open();
      const std::vector<long> chosen(SelectedSowRecs.begin() + 1, SelectedSowRecs.end());
      RecordingPrinter& printer = RecordPrints();
      for (int k = 0; k < sows; ++k) {
        if (k > 0) g_litters->FarroNext_Click();
        g_litters->FarroMenu_Click(0);
      }
      g_litters.reset();
      MadePrinted(printer);
      const Stored s(farm.sows, sow::Length), l(farm.litters, litter::Length);
      int document = 0;
      for (long r : chosen) {
        const Litters x = littersOf(s, r, l);
        for (int p = 1; p <= x.n; ++p) {
          if (++document > printer.documents) return "only " + std::to_string(printer.documents) + " sheets printed";
          const std::string d =
              compareLitterSheet(printer.texts(document), l, x.links[static_cast<size_t>(p - 1)], p, s.text(r, animal::Id, 8));
          if (!d.empty()) return d;
        }
      }
      result = std::to_string(document);
      if (printer.documents != document) return std::to_string(printer.documents) + " sheets, expected " + std::to_string(document);
      return std::string();
    };
    ops.push_back(op);
  }

  {
    // The litter window's NEXT from the first sow of a selection of two to
    // the second: her record and her litters read, FARROW.DAT opened again
    // for its count, and the window set up for her new litter. Both are in the herd with a due date; the second has
    // nine litters, the most a set-up reads.
    Operation op;
    op.name = "litter window NEXT to a sow with nine litters";
    long first = 0, second = 0;
    {
      const Stored sows(farm.sows, sow::Length);
      for (long r : active) {
        if (EmptyStoredDate(sows.date(r, sow::Due))) continue;
        if (!first) first = r;
        else if (sows.i16(r, sow::Parities) == 9) {
          second = r;
          break;
        }
      }
    }
    op.reads = {Records(farm.sows, 1, 1, sow::Length), Records(farm.litters, 2, 9, litter::Length)};
    const auto open = [first, second] {
      SelectedSowRecs = {0, first, second};
      SelectedCount = 2;
      g_litters = std::make_unique<HogSow6>();
      g_litters->Load();
    };
    op.before = open;
    op.run = [] { g_litters->FarroNext_Click(); };
    op.after = [] { g_litters.reset(); };
    op.check = [&farm, open, second](std::string& result) {
      if (!second) return std::string("no sow with nine litters and a due date");
      open();
      g_litters->FarroNext_Click();
      const Stored sows(farm.sows, sow::Length);
      const std::string id = sows.trimmed(second, animal::Id, 8);
      result = id;
      if (g_litters->Caption() != "F A R R O W I N G   ( " + id + " )") return "caption " + g_litters->Caption();
      // A parity button for each of her litters.
      int enabled = 0;
      for (int p = 0; p < 9; ++p) enabled += g_litters->ParityNum[p]->isEnabled();
      if (enabled != 9) return std::to_string(enabled) + " parity buttons enabled, expected 9";
      return std::string();
    };
    ops.push_back(op);
  }
  {
    // SOW > Indexing: the grid of the active sows filled and sorted by ID.
    Operation op;
    op.name = "sow index grid fills and sorts by ID";
    op.reads = {Whole(farm.sows), Whole(farm.litters)};
    op.before = [] { g_index.reset(); };
    op.run = [] {
      g_index = std::make_unique<HogSow7>();
      g_index->Load();
    };
    op.check = [&farm](std::string& result) {
      g_index = std::make_unique<HogSow7>();
      g_index->Load();
      const Stored s(farm.sows, sow::Length), l(farm.litters, litter::Length);
      const std::vector<std::pair<std::string, long>> active = indexedSows(s);
      const platform::Grid& g = *g_index->SowIndexList;
      MadeCells(g);
      result = std::to_string(g.Rows() - 1);
      if (g.Rows() - 1 != static_cast<int>(active.size()))
        return std::to_string(g.Rows() - 1) + " rows, expected " + std::to_string(active.size());
      for (size_t k = 0; k < active.size(); ++k)
        if (std::string d = compareGridRow(g, static_cast<int>(k) + 1, active[k].first, indexFigures(s, active[k].second, l));
            !d.empty())
          return d;
      return std::string();
    };
    ops.push_back(op);
  }
  {
    // Each sort of the Indexing menu, one click each: the grid's own rows,
    // no file read.
    Operation op;
    op.name = "sow index grid sorted (ms per sort)";
    op.ratio = false;
    const auto load = [] {
      if (g_index) return;
      g_index = std::make_unique<HogSow7>();
      g_index->Load();
    };
    op.before = load;
    op.lapped = [](Laps& laps) {
      for (int i = 0; i < 6; ++i) {
        laps.start();
        g_index->IndexMenu->Click(i);
        laps.stop();
      }
    };
    op.perUnit = [] { return 6; };
    op.check = [&farm](std::string& result) {
      g_index = std::make_unique<HogSow7>();
      g_index->Load();
      const platform::Grid& g = *g_index->SowIndexList;
      const Stored s(farm.sows, sow::Length), l(farm.litters, litter::Length);
      const std::vector<std::pair<std::string, long>> active = indexedSows(s);
      if (g.Rows() - 1 != static_cast<int>(active.size()))
        return std::to_string(g.Rows() - 1) + " rows, expected " + std::to_string(active.size());
      // The rows as the window opens, by ID, each checked against the
      // bench's figures: the rows the sorts move whole.
      std::vector<std::vector<std::string>> rows;
      for (size_t k = 0; k < active.size(); ++k) {
        const int row = static_cast<int>(k) + 1;
        if (std::string d = compareGridRow(g, row, active[k].first, indexFigures(s, active[k].second, l)); !d.empty())
          return d;
        rows.push_back(gridRow(g, row));
      }
      // The five averages, then the parity, each falling; rows of equal
      // figures keep the order they had before the sort.
      const int columns[] = {2, 3, 4, 5, 6, 1};
      for (int i = 0; i < 6; ++i) {
        const size_t c = static_cast<size_t>(columns[i]);
        for (const auto& r : rows) {
          char* end = nullptr;
          std::strtod(r[c].c_str(), &end);
          if (end == r[c].c_str() || TrimmedText(end) != "") return "cell \"" + r[c] + "\" is not a number";
        }
        std::stable_sort(rows.begin(), rows.end(), [c](const auto& a, const auto& b) {
          return std::strtod(a[c].c_str(), nullptr) > std::strtod(b[c].c_str(), nullptr);
        });
        g_index->IndexMenu->Click(i);
        for (size_t k = 0; k < rows.size(); ++k)
          if (gridRow(g, static_cast<int>(k) + 1) != rows[k])
            return "sort " + std::to_string(i + 1) + ": grid row " + std::to_string(k + 1) + " holds " +
                   g.TextMatrix(static_cast<int>(k) + 1, 0) + ", expected " + rows[k][0];
      }
      result = std::to_string(g.Rows() - 1);
      return std::string();
    };
    ops.push_back(op);
  }
  {
    // PRINT of the index window: the grid's rows in its order, no file read;
    // its floor is the texts it prints. The check prints the window as it
    // opens, by ID, against the bench's reading of the sows and litters.
    Operation op;
    op.name = "sow index printed";
    op.boxes = {"PRINT   SOW  INDEXING"};
    op.before = [] {
      if (!g_index) {
        g_index = std::make_unique<HogSow7>();
        g_index->Load();
      }
      CountPrints();
    };
    op.run = [] { g_index->BarMenu_Click(IndexWindow::Print); };
    op.check = [&farm](std::string& result) {
      // The window as it opens, its rows by ID.
      g_index = std::make_unique<HogSow7>();
      g_index->Load();
      RecordingPrinter& printer = RecordPrints();
      g_index->BarMenu_Click(IndexWindow::Print);
      MadePrinted(printer);
      const Stored s(farm.sows, sow::Length), l(farm.litters, litter::Length);
      std::vector<LineExpect> expected;
      for (const auto& [id, r] : indexedSows(s)) {
        const std::vector<Figure> f = indexFigures(s, r, l);
        LineExpect line(88);
        line.text(2, 8, id).count(11, 4, static_cast<long long>(f[0].value), Align::Right);
        const int columns[] = {24, 40, 54, 65, 76};
        for (int c = 0; c < 5; ++c) line.number(columns[c], 6, f[static_cast<size_t>(c) + 1].value, Align::Right, 2);
        expected.push_back(line);
      }
      const std::vector<std::string> body = BodyLines(printer, 88);
      result = std::to_string(body.size());
      return CompareLines(body, expected, "printed sow");
    };
    ops.push_back(op);
  }

  {
    // The new sow window's ACCEPT: SOW.DAT read for her ID and the first
    // free record, then her record written there.
    Operation op;
    op.name = "new sow ACCEPT";
    op.reads = {Whole(farm.sows), Records(farm.sows, 1)};
    auto window = std::make_shared<std::unique_ptr<HogSow2>>();
    auto kept = std::make_shared<KeptFiles>(std::vector<std::string>{farm.sows});
    const auto type = [window] {
      if (!*window) {
        *window = std::make_unique<HogSow2>();
        (*window)->Load();
      }
      HogSow2& w = **window;
      const char* typed[] = {"NEWSOW", "DUROC", "PEN7", "175", "6.25", "0.85", "250.00"};
      for (int i = 0; i < 7; ++i) w.Sow[i]->SetText(typed[i]);
      w.SowDate[0]->SetText("03/15/2024");
      w.SowDate[1]->SetText("09/20/2024");
      w.SowDate[2]->SetText("__/__/____");
    };
    op.before = type;
    op.run = [window] { (*window)->Accept_Click(); };
    op.after = [kept] { kept->putBack(); };
    op.check = [&farm, window, type, kept](std::string& result) {
      type();
      (*window)->Accept_Click();
      const Stored was(kept->bytes(farm.sows), sow::Length), is(farm.sows, sow::Length);
      long slot = FirstFree(was, [&was](long r) { return !liveSow(was, r); });
      if (!slot) slot = was.count() + 1;
      result = std::to_string(slot);
      RecordBytes expected(sow::Length);
      expected.text(animal::Id, 8, "NEWSOW")
          .text(animal::Breed, 20, "DUROC")
          .text(animal::Born, 10, "03/15/2024")
          .i16(animal::Days230, 175)
          .f32(animal::Backfat, 0.85f)
          .money(animal::Price, 2500000)
          .text(animal::Entered, 10, "09/20/2024")
          .text(animal::Left, 10, "__/__/____")
          .text(animal::Prv, 10, "__/__/____")
          .text(animal::Location, 8, "PEN7")
          .f32(animal::Loineye, 6.25f)
          .text(sow::Bred, 10, "__/__/____")
          .text(sow::Due, 10, "__/__/____")
          .text(sow::Boar, 8, "")
          .text(sow::Notes, 14 * 70, "");
      return WroteOnly(was, is, slot, expected, "the new sow");
    };
    ops.push_back(op);
  }
  {
    // The litter window's NEW for a sow in the herd with a due date and
    // fewer than nine litters: BOAR.DAT read for the sire, FARROW.DAT for
    // the first free record, her record read; then, through a write set,
    // the litter written there and her record with the new link.
    Operation op;
    op.name = "new litter NEW";
    op.reads = {Whole(farm.boars), Whole(farm.litters), Records(farm.litters, 1),
                Records(farm.sows, 2, 1, sow::Length)};
    op.boxes = {" NEW  FARROW  RECORD "};
    auto window = std::make_shared<std::unique_ptr<HogSow6>>();
    auto kept = std::make_shared<KeptFiles>(std::vector<std::string>{farm.sows, farm.litters});
    long mother = 0;
    std::string born, weaned;
    {
      const Stored sows(farm.sows, sow::Length);
      for (long r : active) {
        const std::string due = sows.date(r, sow::Due);
        if (sows.i16(r, sow::Parities) < 9 && !EmptyStoredDate(due) && DateKey(due) < 20260101) {
          mother = r;
          born = due;
          weaned = DateAfter(due, 21);
          break;
        }
      }
    }
    const auto type = [window, mother, born, weaned] {
      SelectedSowRecs = {0, mother};
      SelectedCount = 1;
      *window = std::make_unique<HogSow6>();
      (*window)->Load();
      HogSow6& w = **window;
      w.FarroDate(kDateBornRow)->SetText(born);
      const std::pair<int, const char*> typed[] = {{kBornRow, "12"},         {kAliveRow, "11"},        {kBirthWeightRow, "38.50"},
                                                   {kFosteredToRow, "0"},    {kFosteredFromRow, "0"},  {kWeanedRow, "10"},
                                                   {kWeaningWeightRow, "135.00"}, {kBoarRow, "B02"}};
      for (const auto& [row, text] : typed) w.FarroBox(row)->SetText(text);
      w.FarroDate(kDateWeanedRow)->SetText(weaned);
    };
    op.before = type;
    op.run = [window] { (*window)->FarroNew_Click(); };
    op.after = [window, kept] {
      window->reset();
      kept->putBack();
    };
    op.check = [&farm, window, type, kept, mother, born, weaned](std::string& result) {
      if (!mother) return std::string("no sow to take a litter");
      type();
      (*window)->FarroNew_Click();
      const Stored sowsWas(kept->bytes(farm.sows), sow::Length), sowsAre(farm.sows, sow::Length);
      const Stored littersWere(kept->bytes(farm.litters), litter::Length), littersAre(farm.litters, litter::Length);
      const long slot = FirstFree(littersWere, [&littersWere](long n) { return littersWere.i16(n, litter::Status) == 0; });
      result = std::to_string(slot);
      if (!slot) return std::string("no free litter record");
      RecordBytes litterBytes(litter::Length);
      litterBytes.i16(litter::Status, 1)
          .text(litter::Born, 10, born)
          .i16(litter::BornCount, 12)
          .i16(litter::Alive, 11)
          .f32(litter::BirthWeight, 38.5f)
          .text(litter::Weaned, 10, weaned)
          .i16(litter::WeanedCount, 10)
          .i16(litter::WeaningAge, 21)
          .f32(litter::WeaningWeight, 135.0f)
          .text(litter::Boar, 8, "B02");
      if (std::string d = WroteOnly(littersWere, littersAre, slot, litterBytes, "the new litter"); !d.empty()) return d;
      const int parities = sowsWas.i16(mother, sow::Parities);
      return WroteOnly(sowsWas, sowsAre, mother,
                       RecordBytes(sowsWas.record(mother))
                           .i16(sow::Parities, parities + 1)
                           .i16(sow::Links + 2 * parities, static_cast<int>(slot)),
                       "her record");
    };
    ops.push_back(op);
  }
}

void ReleaseSowWindows() {
  g_list.reset();
  g_litters.reset();
  g_index.reset();
}
