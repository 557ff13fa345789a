// The drug list and the year's medication history: the windows, their
// queries, the drug printouts, a new drug and a sow's vaccination.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "bench/BenchOps.h"
#include "common/HogGlobals.h"
#include "medication/Drug_1.h"
#include "medication/Drug_2.h"
#include "medication/Drug_3.h"
#include "medication/Drug_6.h"

namespace {

using namespace at;

std::unique_ptr<Drug_1> g_drugs;
std::unique_ptr<Drug_3> g_history;

Drug_1& drugList() {
  if (!g_drugs) {
    g_drugs = std::make_unique<Drug_1>();
    g_drugs->Show();
  }
  return *g_drugs;
}

Drug_3& history() {
  if (!g_history) {
    g_history = std::make_unique<Drug_3>();
    g_history->Show();
  }
  return *g_history;
}

// An item of the drug list's PRINT submenu, as the user reaches it: PRINT
// opens first.
void printItem(int item) {
  g_drugs->MainDrug->Click(Drug_1::Print);
  g_drugs->PrintMenu->Click(item);
}

// ---- Drugs -----------------------------------------------------------------------

bool coded(const Stored& s, long r) { return !s.blank(r, drug::Code, 6); }
char letter(const Stored& s, long r, int offset) { return s.text(r, offset, 1)[0]; }

std::string unitWord(char unit) {
  return unit == 'M' ? " ML" : unit == 'L' ? " Lb/Ton" : unit == 'O' ? " Oz/Gal" : "";
}
std::string typeWord(char type) {
  return type == 'V' ? "VACCINE" : type == 'F' ? "FEED MED." : type == 'W' ? "WATER MED." : "";
}

// The list's line, 64 columns; a query's line shows the amount in seven.
LineExpect drugLine(const Stored& s, long r, bool query) {
  LineExpect line(64);
  line.text(2, 6, s.text(r, drug::Code, 6))
      .text(11, 20, s.text(r, drug::Name, 20))
      .number(33, 4, s.f32(r, drug::Dosage), Align::Right, 1)
      .text(37, 7, unitWord(letter(s, r, drug::Unit)))
      .text(45, 10, typeWord(letter(s, r, drug::Type)));
  return line.number(56, query ? 7 : 6, s.f32(r, drug::Inventory), Align::Right, 1);
}

// The rows of the drug list against the drugs of `records`: each row's
// line, and the record behind it (its item data), which VIEW, EDIT, DELETE
// and the printouts take the drug from.
std::string compareDrugRows(const Stored& s, const std::vector<long>& records, bool query) {
  std::vector<long> data;
  const std::vector<std::string> rows = ListRows(*g_drugs->Drug_List, &data);
  MadeTexts(rows);
  std::vector<LineExpect> expected;
  for (long r : records) expected.push_back(drugLine(s, r, query));
  if (std::string d = CompareLines(rows, expected, "listed drug"); !d.empty()) return d;
  return CompareNumbers(data, records, "listed drug's record");
}

// The drugs the list shows: a code and an amount on hand.
std::vector<long> listedDrugs(const Stored& s) {
  std::vector<long> out;
  for (long r = 1; r <= s.count(); ++r)
    if (coded(s, r) && s.f32(r, drug::Inventory) != 0) out.push_back(r);
  return out;
}

using DrugRule = std::function<bool(const Stored& s, long r)>;
struct DrugListQuery {
  const char* code;
  const char* criterion;
  const char* caption;  // the kind's caption, as the query dialog hands it on
  DrugRule rule;
};

const std::vector<DrugListQuery>& drugQueries() {
  static const std::vector<DrugListQuery> queries = {
      {"1", "CYCLINE", "By DRUG Name", [](const Stored& s, long r) { return StoredHolds(s, r, drug::Name, 20, "CYCLINE"); }},
      {"2", "D12", "By DRUG CODE", [](const Stored& s, long r) { return StoredHolds(s, r, drug::Code, 6, "D12"); }},
      {"3", "V", "By DRUG Type. (V, F, W)", [](const Stored& s, long r) { return letter(s, r, drug::Type) == 'V'; }},
      {"4", "MAKER 1", "By MANUFACTURER", [](const Stored& s, long r) { return StoredHolds(s, r, drug::Maker, 20, "MAKER 1"); }},
      {"5", "2.5><7.5", "By DOSAGE", [](const Stored& s, long r) { return s.f32(r, drug::Dosage) > 2.5f && s.f32(r, drug::Dosage) < 7.5f; }},
      {"6", "LOT7", "By LOT NUMBER", [](const Stored& s, long r) { return StoredHolds(s, r, drug::Lot, 15, "LOT7"); }},
      {"7", ">20", "By WITHDRAWAL Period", [](const Stored& s, long r) { return std::atoi(s.trimmed(r, drug::Withdrawal, 3).c_str()) > 20; }},
      {"8", "01/01/2015><12/31/2018", "By Date PURCHASED",
       [](const Stored& s, long r) {
         const long k = DateKey(s.date(r, drug::Purchased));
         return k > 20150101 && k < 20181231;
       }},
      {"9", ">01/01/2030", "By EXPIRATION Date", [](const Stored& s, long r) { return DateKey(s.date(r, drug::Expires)) > 20300101; }},
      {"10", "<100", "By INVENTORY AMOUNT", [](const Stored& s, long r) { return s.f32(r, drug::Inventory) < 100.0f; }},
      {"11", ">850", "By COST of DRUG", [](const Stored& s, long r) { return static_cast<float>(s.money(r, drug::Cost)) > 850.0f; }},
      {"12", "=150", "By AMOUNT PURCHASED", [](const Stored& s, long r) { return s.f32(r, drug::Bought) == 150.0f; }},
  };
  return queries;
}

// The figure after a sheet line's label, in a document's texts.
std::string afterLabel(const std::vector<std::string>& texts, const std::string& label) {
  for (const std::string& t : texts)
    if (t.rfind(label, 0) == 0) return t.substr(t.find('>') + 1);
  return "(no line)";
}

std::string compareDrugSheet(const std::vector<std::string>& texts, const Stored& s, long r) {
  const std::string code = s.trimmed(r, drug::Code, 6);
  if (texts.empty() || texts[0] != "D R U G  C O D E (" + code + ") S H E E T") return "sheet of " + code + ": title";
  const char type = letter(s, r, drug::Type), unit = letter(s, r, drug::Unit);
  const std::string expires = s.date(r, drug::Expires);
  const std::pair<const char*, std::string> words[] = {
      {"Drug NAME.", s.trimmed(r, drug::Name, 20)},
      {"Drug Type.", type == 'V' ? "VACCINE" : type == 'F' ? "FEED MEDICATION" : "WATER MEDICATION"},
      {"Drug UNIT Value.", unit == 'M' ? "ML or CC" : unit == 'L' ? "LB/Ton" : "OZ/Gal"},
      {"Drug MANUFACTURER.", s.trimmed(r, drug::Maker, 20)},
      {"LOT/Serial NUMBER.", s.trimmed(r, drug::Lot, 15)},
      {"WITHDRAWAL PERIOD in Days.", s.trimmed(r, drug::Withdrawal, 3)},
      {"Date PURCHASED.", s.date(r, drug::Purchased)},
      {"Date Of EXPIRATION.", expires == "__/__/____" ? "" : expires},
  };
  for (const auto& [label, text] : words)
    if (afterLabel(texts, label) != text) return "sheet of " + code + ": \"" + label + "\" shows \"" + afterLabel(texts, label) + "\"";
  const std::pair<const char*, Figure> numbers[] = {{"Standard Dosage.", Figure(s.f32(r, drug::Dosage), 1)},
                                                    {"AMOUNT remaining in INVENTORY.", Figure(s.f32(r, drug::Inventory), 1)},
                                                    {"COST of DRUG.", Figure(s.money(r, drug::Cost), 2)},
                                                    {"AMOUNT of DRUG PURCHASED.", Figure(s.f32(r, drug::Bought), 1)}};
  for (const auto& [label, value] : numbers)
    if (!Shows(afterLabel(texts, label), value))
      return "sheet of " + code + ": \"" + label + "\" shows \"" + afterLabel(texts, label) + "\"";
  if (std::find(texts.begin(), texts.end(), s.trimmed(r, drug::Note, 240)) == texts.end())
    return "sheet of " + code + " has no note";
  return "";
}

// ---- The medication history ------------------------------------------------------

// The ID a dose was given to: the first of sow, boar, group and batch that is
// not blank.
std::string doseId(const Stored& s, long r) {
  const std::pair<int, int> ids[] = {{dose::Sow, 8}, {dose::Boar, 8}, {dose::Group, 7}, {dose::Batch, 6}};
  for (const auto& [offset, width] : ids)
    if (!s.blank(r, offset, width)) return s.text(r, offset, width);
  return "";
}

LineExpect historyLine(const Stored& s, long r) {
  const char unit = letter(s, r, dose::Unit);
  return LineExpect(76)
      .text(1, 8, doseId(s, r))
      .text(11, 10, s.date(r, dose::Date))
      .text(24, 20, s.text(r, dose::Name, 30))
      .text(50, 6, s.text(r, dose::Code, 6))
      .number(60, 4, s.f32(r, dose::Dosage), Align::Right, 1)
      .text(64, 3, unit == 'M' ? " ML" : unit == 'L' ? " Lb" : unit == 'O' ? " Oz" : "")
      .text(73, 3, s.text(r, dose::GivenBy, 12));
}

std::string compareHistoryPage(const std::vector<std::string>& rows, const std::vector<long>& itemData, const Stored& s,
                               const std::vector<long>& records) {
  std::vector<LineExpect> expected;
  for (long r : records) expected.push_back(historyLine(s, r));
  if (std::string d = CompareNumbers(itemData, records, "row's record"); !d.empty()) return d;
  return CompareLines(rows, expected, "history row");
}

struct HistoryQuery {
  const char* code;
  const char* criterion;
  const char* caption;  // the kind's caption, as the query dialog hands it on
  DrugRule rule;
};

const std::vector<HistoryQuery>& historyQueries() {
  static const std::vector<HistoryQuery> queries = {
      {"1", "Y12", "By SOW Id.", [](const Stored& s, long r) { return StoredHolds(s, r, dose::Sow, 8, "Y12"); }},
      {"2", "B0", "By BOAR Id.", [](const Stored& s, long r) { return StoredHolds(s, r, dose::Boar, 8, "B0"); }},
      {"3", "-24", "By GROUP Id.", [](const Stored& s, long r) { return StoredHolds(s, r, dose::Group, 7, "-24"); }},
      {"4", "0012", "By BATCH Id.", [](const Stored& s, long r) { return StoredHolds(s, r, dose::Batch, 6, "0012"); }},
      {"5", ">06/30/2024", "By DATE Used", [](const Stored& s, long r) { return DateKey(s.date(r, dose::Date)) > 20240630; }},
      {"6", "D1", "By DRUG CODE", [](const Stored& s, long r) { return StoredHolds(s, r, dose::Code, 6, "D1"); }},
      {"7", "IRON", "By DRUG NAME", [](const Stored& s, long r) { return StoredHolds(s, r, dose::Name, 30, "IRON"); }},
      {"8", "1.0><3.0", "By DOSAGE", [](const Stored& s, long r) { return s.f32(r, dose::Dosage) > 1.0f && s.f32(r, dose::Dosage) < 3.0f; }},
      {"9", "LOT7", "By LOT/Serial Number", [](const Stored& s, long r) { return StoredHolds(s, r, dose::Lot, 15, "LOT7"); }},
      {"10", "JH", "By GIVEN By", [](const Stored& s, long r) { return StoredHolds(s, r, dose::GivenBy, 12, "JH"); }},
  };
  return queries;
}

// The sow vaccination window, as the sow list's VACC opens it for one sow,
// its doses going to the year's file `medFile`.
std::unique_ptr<Drug_6> sowVaccination(const std::string& medFile, const std::string& sowId) {
  MedFile = medFile;
  SelectedIds = {"", sowId};
  SelectedCount = 1;
  auto w = std::make_unique<Drug_6>();
  w->Load();
  w->SwineCap->SetCaption("SOW ID.");
  w->UnitVal->SetCaption("ML/CC");
  w->Mode->SetCaption("NEW1");
  w->Activate();
  return w;
}

// Picks the drug of `code` in the window's list; false when it is not listed.
bool pickDrug(Drug_6& w, const std::string& code) {
  for (int i = 0; i < w.DrugPick->count(); ++i)
    if (TrimmedText(w.DrugPick->List(i).substr(0, 6)) == code) {
      w.DrugPick->SetListIndex(i);
      return true;
    }
  return false;
}

}  // namespace

void AddDrugOperations(std::vector<Operation>& ops, const BenchFarm& farm) {
  {
    Operation op;
    op.name = "drug list window opens";
    op.reads = {Whole(farm.drugList)};
    op.before = [] { g_drugs.reset(); };
    op.run = [] {
      g_drugs = std::make_unique<Drug_1>();
      g_drugs->Show();
    };
    op.check = [&farm](std::string& result) {
      g_drugs.reset();
      drugList();
      const Stored s(farm.drugList, drug::Length);
      result = std::to_string(g_drugs->Drug_List->ListCount());
      if (g_drugs->DQDisp->Caption() != "By ALL DRUG(s)") return "caption " + g_drugs->DQDisp->Caption();
      return compareDrugRows(s, listedDrugs(s), false);
    };
    ops.push_back(op);
  }
  for (const DrugListQuery& q : drugQueries()) {
    Operation op;
    op.name = std::string("drug list query ") + q.code + " " + q.caption;
    op.reads = {Whole(farm.drugList)};
    const std::string code = q.code, criterion = q.criterion, caption = q.caption;
    op.before = [=] {
      drugList();
      QueryArgs = {"", code, criterion, caption};
    };
    op.run = [] { g_drugs->ListDrugsOfQuery(); };
    op.check = [=, &farm, rule = q.rule](std::string& result) {
      op.before();
      g_drugs->ListDrugsOfQuery();
      const Stored s(farm.drugList, drug::Length);
      std::vector<long> matches;
      for (long r = 1; r <= s.count(); ++r)
        if (!s.blank(r, drug::Name, 20) && rule(s, r)) matches.push_back(r);
      result = std::to_string(matches.size());
      if (matches.empty()) return std::string("the query lists nothing");
      if (g_drugs->DQDisp->Caption() != caption + ",  " + criterion) return "caption " + g_drugs->DQDisp->Caption();
      return compareDrugRows(s, matches, true);
    };
    ops.push_back(op);
  }
  const auto allDrugs = [] {
    drugList();
    QueryArgs = {"", "0", "", ""};
    g_drugs->ListDrugsOfQuery();
  };
  {
    Operation op;
    op.name = "drug listing printed";
    op.reads = {Whole(farm.drugList, 2)};  // the records of the list's codes, then their lines
    op.boxes = {"PRINT  DRUG  RECORD(s)"};
    op.before = [allDrugs] {
      allDrugs();
      CountPrints();
    };
    op.run = [] { printItem(Drug_1::DrugListPrint); };
    op.check = [&farm, allDrugs](std::string& result) {
      allDrugs();
      RecordingPrinter& printer = RecordPrints();
      printItem(Drug_1::DrugListPrint);
      MadePrinted(printer);
      const Stored s(farm.drugList, drug::Length);
      std::vector<LineExpect> expected;
      for (long r : listedDrugs(s))
        expected.push_back(LineExpect(88)
                               .text(3, 6, s.text(r, drug::Code, 6))
                               .text(17, 20, s.text(r, drug::Name, 20))
                               .number(44, 4, s.f32(r, drug::Dosage), Align::Right, 1)
                               .text(48, 7, unitWord(letter(s, r, drug::Unit)))
                               .text(61, 10, typeWord(letter(s, r, drug::Type)))
                               .number(79, 7, s.f32(r, drug::Inventory), Align::Right, 1));
      const std::vector<std::string> body = BodyLines(printer, 88);
      result = std::to_string(body.size());
      return CompareLines(body, expected, "printed drug");
    };
    ops.push_back(op);
  }
  {
    // PRINT > Drug Data Sheets with fifty rows of the list selected.
    Operation op;
    op.name = "drug data sheets of fifty selected drugs printed";
    // The records of the chosen codes, each sheet's record read as it
    // prints, then the list shown again.
    op.reads = {Whole(farm.drugList, 2), Records(farm.drugList, 1, 50, drug::Length)};
    op.boxes = {"P R I N T   D R U G   D A T A   S H E E T S"};
    const auto select = [allDrugs] {
      allDrugs();
      const int rows = g_drugs->Drug_List->ListCount();
      for (int k = 1; k <= 50; ++k) g_drugs->Drug_List->SetSelected(rows * k / 51, true);
    };
    op.before = [select] {
      select();
      CountPrints();
    };
    op.run = [] { printItem(Drug_1::DrugSheet); };
    op.check = [&farm, select](std::string& result) {
      select();
      const Stored s(farm.drugList, drug::Length);
      const std::vector<long> shown = listedDrugs(s);
      const int rows = g_drugs->Drug_List->ListCount();
      RecordingPrinter& printer = RecordPrints();
      printItem(Drug_1::DrugSheet);
      MadePrinted(printer);
      MadeListed(*g_drugs->Drug_List);  // the list shown again
      result = std::to_string(printer.documents);
      if (printer.documents != 50) return std::to_string(printer.documents) + " sheets, expected 50";
      for (int k = 1; k <= 50; ++k)
        if (std::string d = compareDrugSheet(printer.texts(k), s, shown[static_cast<size_t>(rows * k / 51)]); !d.empty())
          return d;
      return std::string();
    };
    ops.push_back(op);
  }
  {
    // PRINT > Yearly Totals for 2015: the year typed, then the question.
    Operation op;
    op.name = "yearly drug totals printed";
    op.reads = {Whole(farm.drugList)};
    op.typed = {{"ENTER  DRUG  YEAR", "2015"}};
    op.boxes = {"P R I N T   D R U G   T O T A L'S  for (2015)"};
    op.before = [] {
      drugList();
      CountPrints();
    };
    op.run = [] { printItem(Drug_1::YearlyTotals); };
    op.check = [&farm](std::string& result) {
      drugList();
      RecordingPrinter& printer = RecordPrints();
      printItem(Drug_1::YearlyTotals);
      MadePrinted(printer);
      const Stored s(farm.drugList, drug::Length);
      struct Total {
        std::string type;
        double inventory = 0, bought = 0, cost = 0;
      };
      std::vector<std::string> names;
      std::map<std::string, Total> totals;
      for (long r = 1; r <= s.count(); ++r) {
        const std::string name = UpperText(s.trimmed(r, drug::Name, 20));
        if (name.empty() || TrimmedText(s.date(r, drug::Purchased)).substr(6) != "2015") continue;
        if (!totals.count(name)) {
          names.push_back(name);
          const char type = letter(s, r, drug::Type);
          totals[name].type = type == 'V' ? "VACCINE" : type == 'F' ? "FEED MED" : "WATER MED";
        }
        Total& t = totals[name];
        t.inventory += s.f32(r, drug::Inventory);
        t.bought += s.f32(r, drug::Bought);
        t.cost += s.money(r, drug::Cost);
      }
      std::vector<LineExpect> expected;
      for (const std::string& name : names) {
        const Total& t = totals[name];
        expected.push_back(LineExpect(84)
                               .text(1, 20, name)
                               .text(24, 9, t.type)
                               .number(38, 7, t.bought, Align::Right, 1)
                               .number(50, 7, t.inventory, Align::Right, 1)
                               .number(62, 7, t.bought - t.inventory, Align::Right, 1)
                               .number(72, 10, t.cost, Align::Right, 2));
      }
      const std::vector<std::string> body = BodyLines(printer, 84);
      result = std::to_string(body.size());
      if (expected.empty()) return std::string("no drug bought in 2015");
      return CompareLines(body, expected, "total");
    };
    ops.push_back(op);
  }
  {
    // The new drug window's ACCEPT: DRUG.LST read for the code, then the
    // drug written into the first free record, which the window found as it
    // opened.
    Operation op;
    op.name = "new drug ACCEPT";
    op.reads = {Whole(farm.drugList), Records(farm.drugList, 1)};
    auto window = std::make_shared<std::unique_ptr<Drug_2>>();
    auto kept = std::make_shared<KeptFiles>(std::vector<std::string>{farm.drugList});
    const auto type = [window] {
      *window = std::make_unique<Drug_2>();
      Drug_2& w = **window;
      w.Load();
      w.NE_Cont->SetCaption("NEW");
      w.Activate();
      const std::pair<platform::TextBox*, const char*> typed[] = {
          {w.DName, "NEW VACCINE"}, {w.DCode, "DNEW1"},   {w.Dosage, "2.5"},      {w.DrugCost, "120.00"},
          {w.InvAmt, "50"},         {w.PurAmt, "100"},    {w.WithDrw, "21"},      {w.LotNum, "LOT999"},
          {w.DManf, "MAKER 3"},     {w.DNote, "KEEP COLD"}};
      for (const auto& [box, text] : typed) box->SetText(text);
      w.DType[0]->SetValue(true);
      w.PurDate->SetText("11/15/2026");
      w.ExpirDate->SetText("12/31/2027");
    };
    op.before = type;
    op.run = [window] { (*window)->DAccept_Click(); };
    op.after = [window, kept] {
      window->reset();
      kept->putBack();
    };
    op.check = [&farm, window, type, kept](std::string& result) {
      type();
      (*window)->DAccept_Click();
      const Stored was(kept->bytes(farm.drugList), drug::Length), is(farm.drugList, drug::Length);
      const long slot = FirstFree(was, [&was](long r) { return !coded(was, r); });
      result = std::to_string(slot);
      if (!slot) return std::string("no free record");
      const RecordBytes expected = RecordBytes(drug::Length)
          .text(drug::Name, 20, "NEW VACCINE")
          .text(drug::Code, 6, "DNEW1")
          .text(drug::Type, 1, "V")
          .text(drug::Unit, 1, "M")
          .f32(drug::Dosage, 2.5f)
          .text(drug::Withdrawal, 3, "21")
          .text(drug::Lot, 15, "LOT999")
          .text(drug::Purchased, 10, "11/15/2026")
          .text(drug::Expires, 10, "12/31/2027")
          .f32(drug::Inventory, 50.0f)
          .money(drug::Cost, 1200000)
          .f32(drug::Bought, 100.0f)
          .text(drug::Maker, 20, "MAKER 3")
          .text(drug::Note, 240, "KEEP COLD");
      return WroteOnly(was, is, slot, expected, "the new drug");
    };
    ops.push_back(op);
  }
  {
    // The sow vaccination's ACCEPT, its drug picked and dosage typed: SOW.DAT
    // read for the ID, DRUG.LST read once for the drug typed and its draw,
    // the year's medication file opened for its count; then through a
    // write set the dose appended and the drug's inventory drawn. The year's
    // file is one with room for it.
    Operation op;
    op.name = "sow vaccination ACCEPT";
    op.reads = {Whole(farm.sows), Whole(farm.drugList), Records(farm.entryDoses, 2),
                Records(farm.drugList, 1)};
    auto window = std::make_shared<std::unique_ptr<Drug_6>>();
    auto kept = std::make_shared<KeptFiles>(std::vector<std::string>{farm.entryDoses, farm.drugList});
    const std::string medFile = farm.entryDoses.substr(farm.entryDoses.rfind('/') + 1);
    // A vaccine with more on hand than the dose, and a sow in the herd.
    long vaccine = 0;
    std::string sowId;
    {
      const Stored drugs(farm.drugList, drug::Length), sows(farm.sows, sow::Length);
      for (long r = 1; r <= drugs.count() && !vaccine; ++r)
        if (coded(drugs, r) && letter(drugs, r, drug::Type) == 'V' && drugs.f32(r, drug::Inventory) >= 2.0f &&
            !drugs.blank(r, drug::Lot, 15))
          vaccine = r;
      for (long r = sows.count(); r >= 1 && sowId.empty(); --r)
        if (!sows.blank(r, animal::Id, 8) && EmptyStoredDate(sows.date(r, animal::Left)))
          sowId = sows.trimmed(r, animal::Id, 8);
    }
    const std::string code = vaccine ? Stored(farm.drugList, drug::Length).trimmed(vaccine, drug::Code, 6) : "";
    const auto type = [window, medFile, code, sowId] {
      *window = sowVaccination(medFile, sowId);
      Drug_6& w = **window;
      pickDrug(w, code);
      w.DrugPick_Click();
      w.DateUsed->SetText("11/20/2026");
      w.Dosage->SetText("2.0");
      w.UserInt->SetText("jh");
    };
    op.before = type;
    op.run = [window] { (*window)->Accept_Click(); };
    op.after = [window, kept] {
      window->reset();
      kept->putBack();
      MedFile = BenchMedFile("2024");
    };
    op.check = [&farm, window, type, kept, vaccine, sowId](std::string& result) {
      if (!vaccine || sowId.empty()) return std::string("no vaccine or no sow");
      type();
      (*window)->Accept_Click();
      const Stored dosesWere(kept->bytes(farm.entryDoses), dose::Length), dosesAre(farm.entryDoses, dose::Length);
      const Stored drugsWere(kept->bytes(farm.drugList), drug::Length), drugsAre(farm.drugList, drug::Length);
      const long added = dosesWere.count() + 1;
      result = std::to_string(added);
      if (std::string d = WroteOnly(drugsWere, drugsAre, vaccine,
                                    RecordBytes(drugsWere.record(vaccine))
                                        .f32(drug::Inventory, drugsWere.f32(vaccine, drug::Inventory) - 2.0f),
                                    "the vaccine's inventory");
          !d.empty())
        return d;
      if (dosesAre.count() != added) return "the year's file holds " + std::to_string(dosesAre.count()) + " doses";
      // The unit cost: the drug's cost over the amount bought, in
      // ten-thousandths; the program reaches it through a Single, so its
      // last place may differ by one.
      const double unitCost = drugsWere.money(vaccine, drug::Cost) / drugsWere.f32(vaccine, drug::Bought);
      const int64_t cost = std::llround(unitCost * 10000), stored = dosesAre.moneyRaw(added, dose::UnitCost);
      if (std::llabs(stored - cost) > 1) return "the dose's unit cost is " + std::to_string(stored) + " ten-thousandths";
      const RecordBytes expected = RecordBytes(dose::Length)
          .text(dose::Sow, 8, sowId)
          .text(dose::Boar, 8, "")
          .text(dose::Group, 7, "")
          .text(dose::Batch, 6, "")
          .text(dose::Code, 6, drugsWere.trimmed(vaccine, drug::Code, 6))
          .text(dose::Name, 30, drugsWere.trimmed(vaccine, drug::Name, 20))
          .text(dose::Lot, 15, drugsWere.trimmed(vaccine, drug::Lot, 15))
          .f32(dose::Dosage, 2.0f)
          .money(dose::UnitCost, stored)
          .text(dose::Unit, 1, drugsWere.text(vaccine, drug::Unit, 1))
          .text(dose::Date, 10, "11/20/2026")
          .text(dose::GivenBy, 12, "JH");
      return WroteOnly(dosesWere, dosesAre, added, expected, "the dose");
    };
    ops.push_back(op);
  }
  {
    // The sow vaccination's drug picked from its list: DRUG.LST read for the
    // drug, its dosage, code and lot put into the boxes. The last vaccine of
    // the list, the furthest into the file.
    Operation op;
    op.name = "sow vaccination drug picked";
    op.reads = {Whole(farm.drugList)};
    auto window = std::make_shared<std::unique_ptr<Drug_6>>();
    long last = 0;
    std::string sowId;
    {
      const Stored drugs(farm.drugList, drug::Length), sows(farm.sows, sow::Length);
      for (long r = 1; r <= drugs.count(); ++r)
        if (coded(drugs, r) && letter(drugs, r, drug::Type) == 'V' && drugs.f32(r, drug::Inventory) > 0) last = r;
      sowId = sows.trimmed(1, animal::Id, 8);
    }
    const std::string code = last ? Stored(farm.drugList, drug::Length).trimmed(last, drug::Code, 6) : "";
    // The year's file with room for a vaccination: the window opens on no other.
    const std::string medFile = farm.entryDoses.substr(farm.entryDoses.rfind('/') + 1);
    const auto open = [window, medFile, code, sowId] {
      MedFile = medFile;
      if (!*window) *window = sowVaccination(medFile, sowId);
      pickDrug(**window, code);
    };
    op.before = open;
    op.run = [window] { (*window)->DrugPick_Click(); };
    op.after = [] { MedFile = BenchMedFile("2024"); };
    op.check = [&farm, window, open, last, code](std::string& result) {
      if (!last) return std::string("no vaccine listed");
      open();
      (*window)->DrugPick_Click();
      const Drug_6& w = **window;
      const Stored drugs(farm.drugList, drug::Length);
      result = w.VCode->Text();
      if (w.VCode->Text() != code) return "code \"" + w.VCode->Text() + "\", expected " + code;
      // "#0.0", or every place the Single holds that the box's four
      // characters have room for (no 0 before the point below 1).
      const double dosage = drugs.f32(last, drug::Dosage);
      int held = 0;
      while (held < 7 && SingleShown(dosage, held) != SingleShown(dosage, 7)) ++held;
      const int wholeDigits = dosage < 1 ? 0 : static_cast<int>(std::to_string(std::llround(std::floor(dosage))).size());
      if (!ShowsNumber(w.Dosage->Text(), dosage, std::max(0, std::min(std::max(held, 1), 3 - wholeDigits)), 4))
        return "dosage \"" + w.Dosage->Text() + "\", expected " + std::to_string(dosage);
      if (w.LotS->Text() != drugs.trimmed(last, drug::Lot, 15)) return "lot \"" + w.LotS->Text() + "\"";
      return w.UnitVal->Caption() == "ML/CC" ? std::string() : "unit \"" + w.UnitVal->Caption() + "\"";
    };
    ops.push_back(op);
  }

  // The page of the year's history the history operations show: the tenth,
  // or the last when there are fewer.
  constexpr long kHistoryRows = 842;  // rows of a page of the history
  const long doses = Stored(farm.doses, dose::Length).count();
  const int page = static_cast<int>(std::min<long>(10, (doses + kHistoryRows - 1) / kHistoryRows));
  const long firstDose = (page - 1) * kHistoryRows + 1, lastDose = std::min<long>(doses, page * kHistoryRows);

  // The year's medication history: the tenth page of the full year, the
  // QUERY dialog's EXECUTE of each kind, and PRINT of what a page shows.
  {
    Operation op;
    op.name = "medication history page " + std::to_string(page) + " filled";
    op.reads = {Whole(farm.doses)};
    const auto all = [] {
      history();
      QueryArgs = {"", "0", "", ""};
      g_history->ListMedicationsOfQuery();
    };
    op.before = all;
    op.run = [page] { g_history->HistoryPageMenu_Click(page - 1); };
    op.check = [&farm, all, page, firstDose, lastDose](std::string& result) {
      all();
      g_history->HistoryPageMenu_Click(page - 1);
      const Stored s(farm.doses, dose::Length);
      std::vector<long> records, data;
      for (long r = firstDose; r <= lastDose; ++r) records.push_back(r);
      const std::vector<std::string> rows = ListRows(*g_history->MediList, &data);
      MadeTexts(rows);
      result = std::to_string(data.size());
      if (g_history->MQDisp->Caption() != "All MED Rec's.  PAGE " + std::to_string(page))
        return "caption " + g_history->MQDisp->Caption();
      return compareHistoryPage(rows, data, s, records);
    };
    ops.push_back(op);
  }
  for (const HistoryQuery& q : historyQueries()) {
    Operation op;
    op.name = std::string("medication history query ") + q.code + " " + q.caption;
    op.reads = {Whole(farm.doses)};
    const std::string code = q.code, criterion = q.criterion, caption = q.caption;
    op.before = [=] {
      history();
      QueryArgs = {"", code, criterion, caption};
    };
    op.run = [] { g_history->ListMedicationsOfQuery(); };
    op.check = [=, &farm, rule = q.rule](std::string& result) {
      op.before();
      g_history->ListMedicationsOfQuery();
      const Stored s(farm.doses, dose::Length);
      std::vector<long> matches, data;
      for (long r = 1; r <= s.count(); ++r)
        if (rule(s, r)) matches.push_back(r);
      result = std::to_string(g_history->MatchCount);
      if (matches.empty()) return std::string("the query finds nothing");
      if (g_history->MatchCount != static_cast<int>(matches.size()))
        return std::to_string(g_history->MatchCount) + " found, expected " + std::to_string(matches.size());
      if (g_history->MQDisp->Caption() != caption + ", " + criterion + ".  Page 1") return "caption " + g_history->MQDisp->Caption();
      if (matches.size() > static_cast<size_t>(kHistoryRows)) matches.resize(kHistoryRows);
      const std::vector<std::string> rows = ListRows(*g_history->MediList, &data);
      MadeTexts(rows);
      return compareHistoryPage(rows, data, s, matches);
    };
    ops.push_back(op);
  }
  {
    // PRINT of the page shown (the tenth of the full year): the list's own
    // rows, no file read; its floor is the texts it prints.
    Operation op;
    op.name = "medication history page printed";
    op.boxes = {"PRINT  DRUG  HISTORYS"};
    const auto show = [page] {
      history();
      QueryArgs = {"", "0", "", ""};
      g_history->ListMedicationsOfQuery();
      g_history->HistoryPageMenu_Click(page - 1);
    };
    op.before = [show] {
      show();
      CountPrints();
    };
    op.run = [] { g_history->DrugHistMenu_Click(Drug_3::Print); };
    op.check = [&farm, show, firstDose, lastDose](std::string& result) {
      show();
      RecordingPrinter& printer = RecordPrints();
      g_history->DrugHistMenu_Click(Drug_3::Print);
      MadePrinted(printer);
      const Stored s(farm.doses, dose::Length);
      std::vector<LineExpect> expected;
      for (long r = firstDose; r <= lastDose; ++r) {
        // Printed one column to the right.
        LineExpect line = historyLine(s, r);
        expected.push_back(line);
      }
      std::vector<std::string> body;
      for (const std::string& t : BodyLines(printer, 77)) body.push_back(t.substr(1));
      result = std::to_string(printer.pages.size()) + " pp";
      return CompareLines(body, expected, "printed dose");
    };
    ops.push_back(op);
  }
}

void ReleaseDrugWindows() {
  g_drugs.reset();
  g_history.reset();
}
