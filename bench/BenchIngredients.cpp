// The ingredient list: the window, its queries, its printout (on the counting
// printer, and through the real printer to a PDF file), a new ingredient.
#include <QDir>
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "bench/BenchOps.h"
#include "common/HogGlobals.h"
#include "feed/HogFeed8.h"
#include "feed/HogFeed9.h"
#include "platform/Printer.h"
#include "platform/Services.h"

namespace {

using namespace at;

std::unique_ptr<HogFeed8> g_list;

HogFeed8& ingredientList() {
  if (!g_list) {
    g_list = std::make_unique<HogFeed8>();
    g_list->Show();
  }
  return *g_list;
}

using IngredientRule = std::function<bool(const Stored& s, long r)>;

bool coded(const Stored& s, long r) { return !s.blank(r, ingredient::Code, 6); }

// The 64-column line of the list.
LineExpect listLine(const Stored& s, long r) {
  return LineExpect(64)
      .text(1, 6, s.text(r, ingredient::Code, 6))
      .text(10, 20, s.text(r, ingredient::Name, 20))
      .count(32, 9, s.i32(r, ingredient::Current), Align::Right)
      .text(43, 10, s.date(r, ingredient::Date))
      .number(55, 6, s.money(r, ingredient::Unit), Align::Right);
}

// The 92-column printed line.
LineExpect printLine(const Stored& s, long r) {
  return LineExpect(92)
      .text(1, 6, s.text(r, ingredient::Code, 6))
      .text(10, 20, s.text(r, ingredient::Name, 20))
      .count(34, 7, s.i32(r, ingredient::Current), Align::Right)
      .count(47, 7, s.i32(r, ingredient::Start), Align::Right)
      .number(60, 6, s.money(r, ingredient::Unit), Align::Right)
      .number(70, 8, s.money(r, ingredient::Total), Align::Right)
      .text(81, 10, s.date(r, ingredient::Date));
}

// The ingredients the list shows: a code and a current inventory.
std::vector<long> listed(const Stored& s) {
  std::vector<long> out;
  for (long r = 1; r <= s.count(); ++r)
    if (coded(s, r) && s.i32(r, ingredient::Current) != 0) out.push_back(r);
  return out;
}

struct IngredientListQuery {
  const char* code;
  const char* criterion;
  const char* caption;  // the kind's caption, as the query dialog hands it on
  IngredientRule rule;
};

const std::vector<IngredientListQuery>& ingredientQueries() {
  static const std::vector<IngredientListQuery> queries = {
      {"1", "CORN", "By INGREDIENT Name", [](const Stored& s, long r) { return StoredHolds(s, r, ingredient::Name, 20, "CORN"); }},
      {"2", "I1", "By INGREDIENT Code", [](const Stored& s, long r) { return StoredHolds(s, r, ingredient::Code, 6, "I1"); }},
      {"3", ">20000", "By CURRENT INVENTORY", [](const Stored& s, long r) { return s.i32(r, ingredient::Current) > 20000; }},
      {"4", "1000><2000", "By START INVENTORY",
       [](const Stored& s, long r) { return s.i32(r, ingredient::Start) > 1000 && s.i32(r, ingredient::Start) < 2000; }},
      {"5", ">10000", "By TOTAL COST", [](const Stored& s, long r) { return static_cast<float>(s.money(r, ingredient::Total)) > 10000.0f; }},
      {"6", "<0.1", "By UNIT COST", [](const Stored& s, long r) { return static_cast<float>(s.money(r, ingredient::Unit)) < 0.1f; }},
      {"7", ">01/01/2020", "By INVENTORY DATE", [](const Stored& s, long r) { return DateKey(s.date(r, ingredient::Date)) > 20200101; }},
  };
  return queries;
}

// The rows of the list against the ingredients of `records`: each row's
// line, and the record behind it (its item data).
std::string compareShown(const BenchFarm& farm, const std::vector<long>& records) {
  const Stored s(farm.ingredients, ingredient::Length);
  std::vector<long> data;
  const std::vector<std::string> rows = ListRows(*g_list->FeedIngLst, &data);
  MadeTexts(rows);
  std::vector<LineExpect> expected;
  for (long r : records) expected.push_back(listLine(s, r));
  if (std::string d = CompareLines(rows, expected, "listed ingredient"); !d.empty()) return d;
  return CompareNumbers(data, records, "listed ingredient's record");
}

// Pages of a PDF file: its page objects.
int pdfPages(const std::string& path) {
  std::vector<uint8_t> bytes;
  platform::readWholeFile(path, bytes);
  const std::string text(bytes.begin(), bytes.end());
  int pages = 0;
  for (size_t at = text.find("/Type /Page"); at != std::string::npos; at = text.find("/Type /Page", at + 1))
    if (text.compare(at, 12, "/Type /Pages") != 0) ++pages;
  return pages;
}

}  // namespace

void AddIngredientOperations(std::vector<Operation>& ops, const BenchFarm& farm) {
  {
    Operation op;
    op.name = "ingredient list window opens";
    op.reads = {Whole(farm.ingredients)};
    op.before = [] { g_list.reset(); };
    op.run = [] {
      g_list = std::make_unique<HogFeed8>();
      g_list->Show();
    };
    op.check = [&farm](std::string& result) {
      g_list.reset();
      ingredientList();
      result = std::to_string(g_list->FeedIngLst->ListCount());
      if (g_list->FQDisp->Caption() != "By ALL Ingred(s)") return "caption " + g_list->FQDisp->Caption();
      return compareShown(farm, listed(Stored(farm.ingredients, ingredient::Length)));
    };
    ops.push_back(op);
  }
  // The QUERY dialog's EXECUTE: FEED.LST read once, the matches listed.
  for (const IngredientListQuery& q : ingredientQueries()) {
    Operation op;
    op.name = std::string("ingredient list query ") + q.code + " " + q.caption;
    op.reads = {Whole(farm.ingredients)};
    const std::string code = q.code, criterion = q.criterion, caption = q.caption;
    op.before = [=] {
      ingredientList();
      QueryArgs = {"", code, criterion, caption};
    };
    op.run = [] { g_list->ListIngredientsOfQuery(); };
    op.check = [=, &farm, rule = q.rule](std::string& result) {
      op.before();
      g_list->ListIngredientsOfQuery();
      const Stored s(farm.ingredients, ingredient::Length);
      std::vector<long> matches;
      for (long r = 1; r <= s.count(); ++r)
        if (coded(s, r) && rule(s, r)) matches.push_back(r);
      result = std::to_string(matches.size());
      if (matches.empty()) return std::string("the query lists nothing");
      if (g_list->FQDisp->Caption() != caption + ",  " + criterion) return "caption " + g_list->FQDisp->Caption();
      return compareShown(farm, matches);
    };
    ops.push_back(op);
  }
  // PRINT of the full list: 29,506 lines on 738 pages.
  const auto fullList = [] {
    ingredientList();
    QueryArgs = {"", "0", "", ""};
    g_list->ListIngredientsOfQuery();
  };
  {
    Operation op;
    op.name = "ingredient listing printed";
    op.reads = {Whole(farm.ingredients)};
    op.boxes = {"PRINT  INGREDIENT  RECORD(s)"};
    op.before = [fullList] {
      fullList();
      CountPrints();
    };
    op.run = [] { g_list->FeedFormula_Click(HogFeed8::Print); };
    op.check = [&farm, fullList](std::string& result) {
      fullList();
      RecordingPrinter& printer = RecordPrints();
      g_list->FeedFormula_Click(HogFeed8::Print);
      MadePrinted(printer);
      const Stored s(farm.ingredients, ingredient::Length);
      std::vector<LineExpect> expected;
      for (long r : listed(s)) expected.push_back(printLine(s, r));
      const std::vector<std::string> body = BodyLines(printer, 92);
      result = std::to_string(printer.pages.size()) + " pp";
      if (printer.pages.size() != (expected.size() + 39) / 40)
        return std::to_string(printer.pages.size()) + " pages for " + std::to_string(expected.size()) + " lines";
      return CompareLines(body, expected, "printed ingredient");
    };
    ops.push_back(op);
  }
  {
    // The same PRINT through the program's own printer, to a PDF file in a
    // temporary folder: ms per page, the file written included.
    Operation op;
    op.name = "ingredient listing printed to PDF (ms per page)";
    op.ratio = false;
    op.reads = {Whole(farm.ingredients)};
    op.boxes = {"PRINT  INGREDIENT  RECORD(s)"};
    auto folder = std::make_shared<QTemporaryDir>();
    auto printer = std::make_shared<std::unique_ptr<platform::QtPrinter>>();
    const auto install = [folder, printer] {
      if (!*printer) *printer = std::make_unique<platform::QtPrinter>(folder->path().toStdString());
      platform::services().setPrinter(printer->get());
    };
    op.before = [fullList, install] {
      fullList();
      install();
    };
    op.run = [] { g_list->FeedFormula_Click(HogFeed8::Print); };
    op.after = [folder, printer] {
      QFile::remove(QString::fromStdString((*printer)->lastPdf()));
    };
    const auto pages = std::make_shared<int>(0);
    op.perUnit = [pages] { return *pages; };
    op.check = [&farm, fullList, install, printer, pages, after = op.after](std::string& result) {
      fullList();
      install();
      g_list->FeedFormula_Click(HogFeed8::Print);
      *pages = pdfPages((*printer)->lastPdf());
      after();
      const long lines = static_cast<long>(listed(Stored(farm.ingredients, ingredient::Length)).size());
      result = std::to_string(*pages) + " pp";
      return *pages == (lines + 39) / 40 ? std::string()
                                         : std::to_string(*pages) + " pages in the PDF file for " + std::to_string(lines) + " lines";
    };
    ops.push_back(op);
  }
  {
    // The new ingredient window's ACCEPT: FEED.LST read for the code and the
    // first free record, then the ingredient written there.
    Operation op;
    op.name = "new ingredient ACCEPT";
    op.reads = {Whole(farm.ingredients), Records(farm.ingredients, 1)};
    auto window = std::make_shared<std::unique_ptr<HogFeed9>>();
    auto kept = std::make_shared<KeptFiles>(std::vector<std::string>{farm.ingredients});
    const auto type = [window] {
      if (!*window) {
        *window = std::make_unique<HogFeed9>();
        (*window)->Load();
        (*window)->NE_Cont->SetCaption("NEW");
        (*window)->Activate();
      }
      HogFeed9& w = **window;
      w.FeedNam->SetText("NEW MEAL");
      w.FeedCod->SetText("INEW1");
      w.CurInv->SetText("1500");
      w.StInv->SetText("2000");
      w.TotCost->SetText("300.00");
      w.InvenDate->SetText("11/30/2026");
    };
    op.before = type;
    op.run = [window] { (*window)->FAccp_Click(); };
    op.after = [kept] { kept->putBack(); };
    op.check = [&farm, window, type, kept](std::string& result) {
      type();
      (*window)->FAccp_Click();
      const Stored was(kept->bytes(farm.ingredients), ingredient::Length), is(farm.ingredients, ingredient::Length);
      const long slot = FirstFree(was, [&was](long r) { return !coded(was, r); });
      result = std::to_string(slot);
      if (!slot) return std::string("no free record");
      const RecordBytes expected = RecordBytes(ingredient::Length)
          .text(ingredient::Code, 6, "INEW1")
          .text(ingredient::Name, 20, "NEW MEAL")
          .i32(ingredient::Current, 1500)
          .i32(ingredient::Start, 2000)
          .money(ingredient::Total, 3000000)
          .money(ingredient::Unit, 1500)
          .text(ingredient::Date, 10, "11/30/2026");
      return WroteOnly(was, is, slot, expected, "the new ingredient");
    };
    ops.push_back(op);
  }
}

void ReleaseIngredientWindows() { g_list.reset(); }
