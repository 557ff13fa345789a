// tarlowe_bench: times the herd-wide work on a full herd against the cost of
// reading the files that work reads, and checks its answers against the
// one-animal paths. See docs/architecture.md.
#include <QApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "bench/BenchDrugs.h"
#include "bench/BenchHerd.h"
#include "boars/BoarHistory.h"
#include "boars/BoarHistorySheet.h"
#include "boars/BoarQuery.h"
#include "boars/BoarRename.h"
#include "boars/HogBoar1.h"
#include "boars/HogBoar6.h"
#include "common/DataFiles.h"
#include "common/DateMath.h"
#include "common/HogGlobals.h"
#include "feed/FeedBatchFile.h"
#include "feed/FeedBatchList.h"
#include "feed/GroupFeedConversion.h"
#include "feed/HerdFeedConversion.h"
#include "feed/HogFeed4.h"
#include "feed/HogFeed8.h"
#include "groups/HogSale1.h"
#include "groups/SalesList.h"
#include "groups/SalesTotals.h"
#include "feed/IngredientFile.h"
#include "feed/IngredientQuery.h"
#include "common/NumberText.h"
#include "common/PrintListing.h"
#include "platform/Printer.h"
#include "medication/DrugListLine.h"
#include "medication/DrugLookups.h"
#include "medication/DrugPrintouts.h"
#include "medication/DrugQuery.h"
#include "medication/Drug_1.h"
#include "medication/Drug_3.h"
#include "medication/HistoryQuery.h"
#include "medication/MedHistory.h"
#include "medication/MedicationFiles.h"
#include "groups/GroupList.h"
#include "groups/GroupMoves.h"
#include "groups/HogPig1.h"
#include "platform/Services.h"
#include "records/RecordIo.h"
#include "records/RecordSlots.h"
#include "reports/FarrowPerformance.h"
#include "reports/FiveYearCharts.h"
#include "common/Format.h"
#include "sows/WeaningFigures.h"
#include "reports/HerdPerformance.h"
#include "sows/HogSow1.h"
#include "sows/HogSow3.h"
#include "sows/HogSow5.h"
#include "sows/HogSow7.h"
#include "sows/SowCard.h"
#include "sows/SowPrintouts.h"
#include "sows/LitterSheet.h"
#include "common/DataFiles.h"
#include "sows/SowHistory.h"
#include "sows/SowListLine.h"
#include "sows/SowPages.h"
#include "sows/SowQuery.h"
#include "support/RecordingPrinter.h"

namespace {

// The group year whose sales the sales operations list: all of its groups
// are sold.
constexpr const char* kBenchSalesYear = "23";

constexpr double kTarget = 5.0;  // an operation may take this many times its floor

// Boxes are counted, never shown: a box in a run means the run went wrong.
class CountedDialogs : public platform::Dialogs {
 public:
  int shown = 0;
  int msgBox(const std::string& text, int, const std::string& title) override {
    ++shown;
    std::fprintf(stderr, "box \"%s\": %s\n", title.c_str(), text.c_str());
    return platform::vbOK;
  }
  std::optional<std::string> inputBox(const std::string&, const std::string&, const std::string&, int,
                                      int) override {
    ++shown;
    return std::nullopt;
  }
  void beep() override {}
};

// Counts the texts printed, on pages of the size the tests use, and keeps
// them while `keep` is set.
class CollectingPrinter : public platform::Printer {
 public:
  bool keep = false;
  std::vector<std::string> texts;
  long printed = 0;
  double scaleWidth() override { return 11520; }
  double scaleHeight() override { return 15120; }
  // The lines of `width` characters that `print` prints on this printer,
  // without the headings: the body of a listing.
  std::vector<std::string> body(const std::function<void()>& print, size_t width) {
    platform::services().setPrinter(this);
    keep = true;
    print();
    keep = false;
    std::vector<std::string> lines;
    for (const std::string& t : texts)
      if (t.size() == width && t != PrintJob.Heading1 && t != PrintJob.Heading2) lines.push_back(t);
    return lines;
  }

 protected:
  double measureWidth(const platform::PrinterFont& f, const std::string& t) override {
    return static_cast<double>(t.size()) * f.size * 12;
  }
  double measureHeight(const platform::PrinterFont& f, const std::string&) override { return f.size * 23; }
  bool beginDocument() override {
    texts.clear();
    return true;
  }
  bool beginPage() override { return true; }
  void drawText(double, double, const std::string& t) override {
    ++printed;
    if (keep) texts.push_back(t);
  }
  void drawLine(double, double, double, double) override {}
  void drawPicture(const QImage&, double, double, double, double) override {}
  bool finishDocument() override { return true; }
  void abortDocument() override {}
};

// The headless screen's remarks (it cannot raise a window) are left out of the table.
void quietQt(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
}

volatile long g_sink = 0;  // keeps the timed work from being optimised away

// The floor: each file read once into fresh memory in one call.
void readFloor(const std::vector<std::string>& paths) {
  for (const std::string& path : paths) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat st {};
    if (fd < 0 || ::fstat(fd, &st) != 0) std::abort();
    const size_t size = static_cast<size_t>(st.st_size);
    std::unique_ptr<uint8_t[]> bytes(new uint8_t[size]);
    size_t done = 0;
    while (done < size) {
      const ssize_t got = ::read(fd, bytes.get() + done, size - done);
      if (got <= 0) std::abort();
      done += static_cast<size_t>(got);
    }
    ::close(fd);
    g_sink = g_sink + bytes[size - 1];
  }
}

double millis(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

struct Operation {
  std::string name;
  std::vector<std::string> files;       // what it reads
  std::function<void()> run;            // timed
  // Runs once and compares with the one-animal paths: "" when the figures
  // agree, else what differs; `result` gets a figure to print.
  std::function<std::string(std::string& result)> check;
  std::function<void()> before, after;  // untimed, around each run
};

std::string g_sowPath, g_farrowPath, g_boarPath, g_feedPath, g_drugPath, g_medPath, g_groupPath, g_salesPath;

// ---- The one-animal paths: one record at a time ------------------------------

template <class R>
std::vector<R> recordByRecord(const std::string& path) {
  records::TypedFile<R> file;
  std::vector<R> out;
  if (!file.open(path)) return out;
  for (long r = 1; r <= file.count(); ++r) {
    R rec;
    file.read(r, rec);
    out.push_back(rec);
  }
  return out;
}

std::vector<long> listedOneByOne(const std::string& code, const std::string& criterion) {
  const SowQuery query(code, criterion);
  const auto litters = records::FileImage<FarrowRecord>::of(recordByRecord<FarrowRecord>(g_farrowPath));
  records::TypedFile<SowRecord> file;
  file.open(g_sowPath);
  std::vector<long> listed;
  for (long r = 1; r <= file.count() && listed.size() < static_cast<size_t>(SowPageTable::kLines); ++r) {
    SowRecord sow;
    file.read(r, sow);
    if (!records::IsFreeId(sow.Id) && query.matches(sow, litters)) listed.push_back(r);
  }
  return listed;
}

// The drug list's lines from DRUG.LST read one record at a time.
std::vector<std::string> drugLinesOneByOne() {
  std::vector<std::string> lines;
  for (const DrugRecord& d : recordByRecord<DrugRecord>(g_drugPath))
    if (!RTrim(d.DrugCode).empty() && d.InventoryAmount != 0) lines.push_back(DrugListLine(d));
  return lines;
}

std::string compareLines(const std::vector<std::string>& lines, const std::vector<std::string>& expected) {
  if (lines.size() != expected.size())
    return std::to_string(lines.size()) + " lines, one by one " + std::to_string(expected.size());
  for (size_t i = 0; i < lines.size(); ++i)
    if (lines[i] != expected[i]) return "line " + std::to_string(i + 1) + " differs";
  return "";
}

// The sales list's lines (or the listing's printed lines) of the bench year's
// market hogs from SALES.DAT read one record at a time.
std::vector<std::string> salesOneByOne(bool printed) {
  std::vector<std::string> lines;
  for (const SalesRecord& s : recordByRecord<SalesRecord>(g_salesPath)) {
    if (printed && PrintedSale(s, "M", kBenchSalesYear)) lines.push_back(SalePrintLine(s));
    const SaleLine shown = ShownSale(s, "M", kBenchSalesYear);
    if (!printed && shown != SaleLine::None) lines.push_back(SaleListLine(s, shown));
  }
  return lines;
}

std::string compareTable(const SowPageTable& table, int count, const std::vector<long>& expected) {
  if (count != static_cast<int>(expected.size()))
    return "lists " + std::to_string(count) + " sows, one by one " + std::to_string(expected.size());
  for (int k = 1; k <= count; ++k)
    if (table.At(SowPageTable::PageOfLine(k), SowPageTable::SlotOfLine(k)) != expected[static_cast<size_t>(k - 1)])
      return "line " + std::to_string(k) + " differs";
  return "";
}

// The rows page `page` of the all-active list shows, from records read one by one.
std::vector<std::pair<std::string, long>> pageOneByOne(const std::vector<long>& listed, int page) {
  records::TypedFile<SowRecord> file;
  file.open(g_sowPath);
  std::vector<std::pair<std::string, long>> rows;
  for (int slot = 1; slot <= SowPageTable::kSlots; ++slot) {
    const size_t line = static_cast<size_t>((page - 1) * SowPageTable::kSlots + slot);
    if (line > listed.size()) break;
    SowRecord sow;
    file.read(listed[line - 1], sow);
    rows.push_back({SowListLine(sow), slot});
  }
  return rows;
}

std::string compareListBox(const platform::ListBox& list, const std::vector<std::pair<std::string, long>>& expected);
std::string compareRows(const HogSow1& w, const std::vector<std::pair<std::string, long>>& expected) {
  return compareListBox(*w.SowList, expected);
}

std::string text(float v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.9g", static_cast<double>(v));
  return buf;
}

void animalFigures(std::ostringstream& o, const AnimalHistoryRecord& h) {
  o << h.Id << '|' << h.Breed << '|' << text(h.Backfat) << '|' << h.DateOfBirth << '|' << h.DaysTo230 << '|'
    << text(h.Loineye) << '|' << text(h.PurchasePrice) << '|' << text(h.SoldPrice) << '|' << h.PrvDate << '|'
    << h.DateEnteredHerd << '|' << h.DateLeftHerd << '|' << h.Location << '|';
}

// Every figure of the current sow's block, links and notes, as text.
std::string sowFigures(const std::array<std::string, kNoteLines + 1>& notes) {
  const SowHistoryRecord& h = SowHistory;
  std::ostringstream o;
  animalFigures(o, h);
  o << h.ParityCount << '|' << h.TotalWeaned << '|' << text(h.AvgWeaned) << '|' << text(h.AvgLitterBirthWeight)
    << '|' << text(h.AvgLitterWeaningWeight) << '|' << text(h.AvgWeaningAge) << '|' << h.TotalBorn << '|'
    << h.TotalStillborn << '|' << text(h.AvgBorn) << '|' << text(h.AvgStillborn) << '|' << text(h.AvgFosteredTo)
    << '|' << text(h.AvgFosteredFrom) << '|' << h.TotalFosteredTo << '|' << h.TotalFosteredFrom << '|'
    << h.DateBred << '|' << h.DateDue << '|' << h.BoarId << '|' << text(h.AvgBornAlive) << '|'
    << h.TotalBornAlive;
  for (int16_t link : FarrowLinks) o << '|' << link;
  for (const std::string& note : notes) o << '|' << note;
  return o.str();
}

std::string boarFigures() {
  const BoarHistoryRecord& h = BoarHistory;
  std::ostringstream o;
  animalFigures(o, h);
  o << h.SowsBred << '|' << h.SowsFarrowed << '|' << text(h.ConceptionRate) << '|' << text(h.AvgLitterBirthWeight)
    << '|' << text(h.AvgLitterWeaningWeight) << '|' << text(h.AvgAdjusted21DayWeight) << '|' << h.TotalBorn << '|'
    << h.TotalStillborn << '|' << text(h.AvgBorn) << '|' << text(h.AvgStillborn);
  for (const std::string& note : BoarNotes) o << '|' << note;
  return o.str();
}

std::string compareFigures(const std::vector<std::string>& herd, const std::vector<std::string>& one,
                           const std::string& what) {
  if (herd.size() != one.size())
    return std::to_string(herd.size()) + " " + what + ", one by one " + std::to_string(one.size());
  for (size_t i = 0; i < herd.size(); ++i)
    if (herd[i] != one[i]) return what + " " + std::to_string(i + 1) + ": " + herd[i] + " against " + one[i];
  return "";
}

// The search for the first free record of a file: `find` is the program's,
// `isFree` tests each record read one at a time; the herd's free record is
// `expected`.
template <class R>
Operation nextFreeRecord(const std::string& name, const std::string& path, std::function<long()> find,
                         std::function<bool(const R&)> isFree, long expected) {
  Operation op;
  op.name = name;
  op.files = {path};
  op.run = [find] { g_sink = g_sink + find(); };
  op.check = [=](std::string& result) {
    const long slot = find();
    result = std::to_string(slot);
    const std::vector<R> rows = recordByRecord<R>(path);
    long first = 0;
    for (size_t i = 0; i < rows.size() && first == 0; ++i)
      if (isFree(rows[i])) first = static_cast<long>(i) + 1;
    if (slot != first || first != expected)
      return "record " + std::to_string(slot) + ", one by one " + std::to_string(first);
    return std::string();
  };
  return op;
}

// The ingredient list and its printed lines from FEED.LST read one record at
// a time: every record with a code and stock, in record order.
std::vector<std::string> ingredientsOneByOne(bool printed) {
  std::vector<std::string> lines;
  for (const IngredientRecord& r : recordByRecord<IngredientRecord>(g_feedPath))
    if (!records::IsFreeId(r.IngredientCode) && r.CurrentInventory != 0)
      lines.push_back(printed ? IngredientPrintLine(r) : IngredientListLine(r));
  return lines;
}

std::vector<std::string> ingredientList() {
  IngredientFile file;
  if (!ReadIngredientFile(file, "BENCH")) return {};
  return IngredientListLines(file);
}

// Opening a list window: made and shown (its load builds the list), then
// unloaded; `compare` checks the window as it opened.
template <class W>
Operation opensWindow(const std::string& name, const std::string& file, std::unique_ptr<W>& window,
                      std::function<std::string(W&, std::string&)> compare) {
  Operation op;
  op.name = name;
  op.files = {file};
  op.before = [&window] { window.reset(); };
  op.run = [&window] {
    window = std::make_unique<W>();
    window->Show();
  };
  op.after = [&window] {
    window->Unload();
    window.reset();
  };
  op.check = [&window, compare](std::string& result) {
    window = std::make_unique<W>();
    window->Show();
    const std::string differs = compare(*window, result);
    window.reset();
    return differs;
  };
  return op;
}

// ---- The one-group paths: both files read record by record, and each
// group's pigs out found by a run over both -------------------------------------

struct GroupFilesOneByOne {
  std::vector<GroupRecord> groups = recordByRecord<GroupRecord>(g_groupPath);
  std::vector<SalesRecord> sales = recordByRecord<SalesRecord>(g_salesPath);
};

// The lots out of group `g` by the rules of the group files, row by row.
std::vector<PigsOutLot> lotsOneByOne(const GroupFilesOneByOne& files, const GroupRecord& g) {
  std::vector<PigsOutLot> lots;
  const std::string id = RTrim(g.GroupId);
  const char tens = std::to_string(g.SubGroup)[0];
  for (const GroupRecord& r : files.groups) {
    if (RTrim(r.GroupId) != id) continue;
    if ((g.Stage == "N" && r.Stage == "G") ||
        (g.Stage == "G" && r.Stage == "F" && std::to_string(r.SubGroup)[0] == tens))
      lots.push_back({r.PigsIn, r.WeightIn, DayNumber(r.DateIn)});
  }
  for (const SalesRecord& s : files.sales) {
    if (RTrim(s.GroupId) != id) continue;
    if (g.Stage == "N" && s.SaleType == "F" && s.YearEndAdjust == 0)
      lots.push_back({s.PigsSold, s.WeightPerPig, DayNumber(s.DateSold)});
    if (g.Stage == "G" && s.SaleType == "M" && s.YearEndAdjust == 0 && s.SubGroup == g.SubGroup)
      lots.push_back({s.PigsSold, s.WeightPerPig, DayNumber(s.DateSold)});
    if (g.Stage == "F" && s.SaleType == "M" && s.SubGroup == g.SubGroup)
      lots.push_back({s.PigsSold + (s.YearEndAdjust == 0 ? s.GiltsSold : 0), s.WeightPerPig, DayNumber(s.DateSold)});
  }
  return lots;
}

// Whether record `g` is of the stage and year, and listed (with pigs in) or
// printed (not carried over).
bool ofStageAndYear(const GroupRecord& g, int stage, const std::string& year) {
  return Trim(g.Stage) != "" && Trim(g.GroupId) != "" && g.GroupId.substr(4, 2) == year && g.Stage == StageLetter(stage);
}

std::vector<std::pair<std::string, long>> groupRowsOneByOne(int stage, const std::string& year) {
  const GroupFilesOneByOne files;
  std::vector<std::pair<std::string, long>> rows;
  for (size_t i = 0; i < files.groups.size(); ++i) {
    const GroupRecord& g = files.groups[i];
    if (!ofStageAndYear(g, stage, year) || g.PigsIn == 0) continue;
    const GroupFigures f = g.YearEndAdjust == -1 ? GroupFigures{} : FiguresOfLots(g, lotsOneByOne(files, g));
    rows.emplace_back(GroupListLine(g, f), static_cast<long>(i) + 1);
  }
  return rows;
}

std::vector<std::string> groupPrintOneByOne(int stage, const std::string& year) {
  const GroupFilesOneByOne files;
  std::vector<std::string> lines;
  for (const GroupRecord& g : files.groups)
    if (ofStageAndYear(g, stage, year) && g.YearEndAdjust != -1)
      lines.push_back(GroupPrintLine(g, FiguresOfLots(g, lotsOneByOne(files, g))));
  return lines;
}

std::string compareListBox(const platform::ListBox& list, const std::vector<std::pair<std::string, long>>& expected) {
  if (list.ListCount() != static_cast<int>(expected.size()))
    return "shows " + std::to_string(list.ListCount()) + " rows, expected " + std::to_string(expected.size());
  for (int i = 0; i < list.ListCount(); ++i)
    if (list.List(i) != expected[static_cast<size_t>(i)].first ||
        list.ItemData(i) != expected[static_cast<size_t>(i)].second)
      return "row " + std::to_string(i + 1) + " differs: " + list.List(i) + " against " +
             expected[static_cast<size_t>(i)].first;
  return "";
}

// Whether the printed texts hold the lines in order, each once.
std::string comparePrinted(const std::vector<std::string>& texts, const std::vector<std::string>& lines) {
  size_t next = 0;
  for (const std::string& t : texts)
    if (next < lines.size() && t == lines[next]) ++next;
  if (next != lines.size()) return "printed line " + std::to_string(next + 1) + " missing: " + lines[next];
  return "";
}

struct ListQuery {
  const char* code;
  const char* criterion;
};

// A criterion for every kind of the drug, medication history and ingredient
// queries.
const ListQuery kDrugQueries[] = {
    {"1", "CYCLINE"}, {"2", "D12"},     {"3", "V"},       {"4", "MAKER 1"},   {"5", "2.5><7.5"},
    {"6", "LOT7"},    {"7", ">20"},     {"8", "01/01/2015><12/31/2018"},      {"9", ">01/01/2030"},
    {"10", "<100"},   {"11", ">850"},   {"12", "=150"},
};
// The bench's medication was given to sows, without a lot number: the
// kinds of the other IDs and of the lot scan the same way and find none.
const ListQuery kHistoryQueries[] = {
    {"1", "S12"}, {"5", "=03/01/2024"}, {"6", "D1"}, {"7", "IRON"}, {"8", "1.0><3.0"}, {"10", "JH"},
};
const ListQuery kIngredientQueries[] = {
    {"1", "CORN"}, {"2", "I1"}, {"3", ">20000"}, {"4", "1000><2000"}, {"5", ">10000"}, {"6", "<0.1"},
    {"7", ">01/01/2020"},
};

// A criterion for every kind that lists part of the herd.
const std::vector<ListQuery> kQueries = {
    {"0", ""},          {"1", "10"},           {"2", "YORK"},        {"3", ">01/01/2018"},
    {"4", "PEN1"},      {"5", "<06/30/2016"},  {"6", "02><09"},      {"7", "01/01/2016><12/31/2018"},
    {"8", ">01/01/2017"}, {"9", "B1"},         {"10", "<01/01/2015"}, {"11", ">11"},
    {"12", "<0.9"},     {"13", ">10.5"},       {"14", "=175"},       {"15", ">0.95"},
    {"16", "5.50><6.50"}, {"17", ">2"},        {"18", "=0"},         {"19", ""},
    {"20", ">01/01/2020"},
};

// A criterion for every kind of the boar list.
const std::vector<ListQuery> kBoarQueries = {
    {"0", ""},   {"1", "B1"},  {"2", "DUROC"}, {"3", ">01/01/2018"}, {"4", "BOAR1"}, {"5", "<06/30/2016"},
    {"6", "01/01/2010><12/31/2018"}, {"7", ">100"}, {"8", ">1.5"}, {"9", "4000><8000"}, {"10", ">30"},
    {"11", ""},  {"12", ""},
};

// The boar list's record numbers for a query, boar by boar: each boar's
// figures from LoadBoarHistory, which reads FARROW.DAT for him.
std::vector<long> boarsOneByOne(const std::string& code, const std::string& criterion) {
  const BoarQuery query(code, criterion);
  const SireTable none(records::FileImage<FarrowRecord>{});
  const int32_t herdLitters = CountHerdLitters().value_or(-1);
  const std::vector<BoarRecord> boars = recordByRecord<BoarRecord>(g_boarPath);
  std::vector<long> listed;
  for (CurrentBoarRec = 1; CurrentBoarRec <= static_cast<long>(boars.size()); ++CurrentBoarRec) {
    const BoarRecord& boar = boars[static_cast<size_t>(CurrentBoarRec - 1)];
    if (records::IsFreeId(boar.Id)) continue;
    const bool inactive = code == "11";
    if (code == "0" || !query.needsLitters()) {
      const bool in = code == "0" ? BoarIsActive(boar) : (inactive || BoarIsActive(boar)) && query.matches(boar, none, herdLitters);
      if (in) listed.push_back(CurrentBoarRec);
      continue;
    }
    if (!BoarIsActive(boar)) continue;
    LoadBoarHistory(herdLitters);
    const BoarHistoryRecord& h = BoarHistory;
    const bool whole = code == "7" || code == "9";
    const NumberCriterion c = ParseNumberCriterion(criterion, whole);
    const double value = code == "7"   ? h.SowsFarrowed
                         : code == "8" ? QueryConceptionRate(h.SowsFarrowed, herdLitters)
                         : code == "9" ? h.TotalBorn
                                       : SingleForQuery(h.AvgLitterBirthWeight);
    if (NumberMatches(c, value)) listed.push_back(CurrentBoarRec);
  }
  return listed;
}

// ---- The year's feed batches ---------------------------------------------------

// A batch file at its limit: 32,767 records of the five types in turn, every
// tenth batch medicated, one record freed by a delete.
constexpr long kFreedBatch = 20000;
std::vector<FeedBatchRecord> benchBatches() {
  std::vector<FeedBatchRecord> out;
  for (long n = 1; n <= records::kMaxRecordNumber; ++n) {
    FeedBatchRecord b;
    if (n != kFreedBatch) {
      b.FeedType = std::string(1, "NGFEL"[n % 5]);
      b.BatchNumber = (n % 10 == 3 ? "M" : "") + BatchNumberOf(n);
      b.GroupId = std::to_string(100 + n % 900);
      b.DateGround = "0" + std::to_string(n % 9 + 1) + "/1" + std::to_string(n % 10) + "/2024";
      for (size_t k = 0; k < 3; ++k) b.Ingredients[k] = {"I" + std::to_string(1 + (n + k) % 900), int32_t(100 + n % 700)};
      b.TotalPounds = 3 * (100 + n % 700);
      b.TotalCost = records::Currency::fromDouble(static_cast<double>(n % 400) + 0.5);
    }
    out.push_back(b);
  }
  return out;
}

// A batch's medication from the medication records, one by one.
BatchMedication medicationOneByOne(const std::vector<MedicationRecord>& meds, const FeedBatchRecord& b) {
  BatchMedication m;
  if (!IsMedicatedNumber(RTrim(b.BatchNumber))) return m;
  for (const MedicationRecord& r : meds)
    if (RTrim(r.BatchId) == PlainBatchNumber(b.BatchNumber)) {
      m.pounds += r.Dosage;
      m.poundsWide += r.Dosage;
      m.cost += static_cast<float>(r.UnitCost.value()) * r.Dosage;
    }
  return m;
}

// The nursery batches' list or printed lines, record by record.
std::vector<std::string> batchLinesOneByOne(bool printed) {
  const std::vector<MedicationRecord> meds = recordByRecord<MedicationRecord>(DataFolder + MedFile);
  std::vector<std::string> lines;
  for (const FeedBatchRecord& b : recordByRecord<FeedBatchRecord>(FeedFilePath()))
    if (IsListedBatch(b, "N"))
      lines.push_back(printed ? BatchPrintLine(b, medicationOneByOne(meds, b)) : BatchListLine(b, medicationOneByOne(meds, b)));
  return lines;
}

std::vector<std::string> batchList() {
  FeedBatchFile batches;
  MedicationFile meds;
  if (!ReadFeedBatchFile(batches, nullptr) || !ReadMedFile(meds, nullptr)) return {};
  std::vector<std::string> lines;
  for (auto& row : ListBatches(batches, "N", BatchMedications(meds)).rows) lines.push_back(std::move(row.first));
  return lines;
}

}  // namespace

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  qInstallMessageHandler(quietQt);
  QApplication app(argc, argv);
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
  const std::string only = argc > 2 ? argv[2] : "";  // run only the operations whose name holds this

  QTemporaryDir dir;
  if (!dir.isValid()) {
    std::fprintf(stderr, "cannot make a temporary folder\n");
    return 1;
  }
  CountedDialogs dialogs;
  platform::services().setDialogs(&dialogs);
  DataFolder = dir.path().toStdString() + "/";
  g_sowPath = DataFolder + kSowFileName;
  g_farrowPath = DataFolder + kFarrowFileName;
  g_boarPath = DataFolder + kBoarFileName;
  g_feedPath = DataFilePath<IngredientRecord>();
  MedFile = MedFileName("2024");
  g_drugPath = DataFilePath<DrugRecord>();
  g_medPath = DataFolder + MedFile;
  g_groupPath = DataFolder + GroupRecord::FileName;
  g_salesPath = DataFolder + SalesRecord::FileName;
  const BenchHerd herd = MakeBenchHerd();
  const BenchDrugs drugs = MakeBenchDrugs();
  if (!WriteBenchHerd(herd, DataFolder) || !WriteBenchDrugs(drugs, DataFolder, MedFile)) {
    std::fprintf(stderr, "cannot write the herd into %s\n", DataFolder.c_str());
    return 1;
  }

  std::vector<Operation> ops;
  SowPageTable table;
  int listed = 0;
  for (const ListQuery& q : kQueries) {
    const QueryKind* kind = SowQueryLanguage().byCode(q.code);
    Operation op;
    op.name = std::string("sow list ") + q.code + " " + kind->caption;
    op.files = {g_sowPath};
    if (SowQuery(q.code, q.criterion).needsLitters()) op.files.push_back(g_farrowPath);
    op.before = [q, kind] { QueryArgs = {"", q.code, q.criterion, kind->caption}; };
    op.run = [&table, &listed] { listed = BuildSowList(table); };
    op.check = [&table, &listed, q, kind](std::string& result) {
      QueryArgs = {"", q.code, q.criterion, kind->caption};
      listed = BuildSowList(table);
      result = std::to_string(listed);
      return compareTable(table, listed, listedOneByOne(q.code, q.criterion));
    };
    ops.push_back(op);
  }

  const std::vector<long> active = listedOneByOne("0", "");
  std::unique_ptr<HogSow1> window;
  ops.push_back(opensWindow<HogSow1>(
      "list window opens on page 1", g_sowPath, window, [&active](HogSow1& w, std::string& result) {
        result = std::to_string(w.SowList->ListCount());
        std::string differs = compareRows(w, pageOneByOne(active, 1));
        if (w.SQDisp->Caption() != "All ACTIVE SOW's.  PAGE 1") differs += " caption " + w.SQDisp->Caption();
        return differs;
      }));
  {
    Operation op;
    op.name = "list window page button";
    op.files = {g_sowPath};
    auto page = std::make_shared<int>(1);
    op.before = [&window, &active, page] {
      if (!window) {
        window = std::make_unique<HogSow1>();
        window->Show();
      }
      *page = *page % SowPageTable::PagesInUse(static_cast<int>(active.size())) + 1;
    };
    op.run = [&window, page] { window->SowPg_Click(*page - 1); };
    op.check = [&](std::string& result) {
      window = std::make_unique<HogSow1>();
      window->Show();
      result = std::to_string(SowPageTable::PagesInUse(static_cast<int>(active.size())));
      for (int p = SowPageTable::PagesInUse(static_cast<int>(active.size())); p >= 1; --p) {
        window->SowPg_Click(p - 1);
        const std::string differs = compareRows(*window, pageOneByOne(active, p));
        if (!differs.empty()) return "page " + std::to_string(p) + ": " + differs;
      }
      return std::string();
    };
    ops.push_back(op);
  }
  ops.push_back(nextFreeRecord<SowRecord>(
      "next free sow record", g_sowPath, [] { return ReadNewAnimalSlot<SowRecord>("NEWSOW")->record; },
      [](const SowRecord& s) { return records::IsFreeId(s.Id); }, herd.freeSow));
  ops.push_back(nextFreeRecord<FarrowRecord>(
      "next free litter record", g_farrowPath, [] {
        records::FileImage<FarrowRecord> litters;
        return ReadImage(litters, nullptr) ? records::FindNewLitterSlot(litters) : -1;
      },
      [](const FarrowRecord& f) { return f.Status == FarrowRecord::Free; }, herd.freeLitter));
  {
    Operation op;
    op.name = "every sow's history and litter statistics";
    op.files = {g_sowPath, g_farrowPath};
    op.run = [] { ForEachSowHistory([](long) { g_sink = g_sink + SowHistory.TotalBorn; }); };
    op.check = [](std::string& result) {
      std::vector<std::string> all, one;
      ForEachSowHistory([&all](long) {
        std::array<std::string, kNoteLines + 1> notes;  // as asked for from the record
        for (int k = 1; k <= kNoteLines; ++k) notes[static_cast<size_t>(k)] = SowRec.NoteLine.trimmed(k - 1);
        all.push_back(sowFigures(notes));
      });
      result = std::to_string(all.size());
      const long count = static_cast<long>(recordByRecord<SowRecord>(g_sowPath).size());
      for (CurrentSowRec = 1; CurrentSowRec <= count; ++CurrentSowRec) {
        LoadSowHistory();
        if (!records::IsFreeId(SowRec.Id)) one.push_back(sowFigures(SowNotes));
      }
      return compareFigures(all, one, "sow");
    };
    ops.push_back(op);
  }
  std::unique_ptr<HogBoar1> boarWindow;
  for (const ListQuery& q : kBoarQueries) {
    const QueryKind* kind = BoarQueryLanguage().byCode(q.code);
    Operation op;
    op.name = std::string("boar list ") + q.code + " " + (kind ? kind->caption : "all active");
    op.files = {g_boarPath};
    if (BoarQuery(q.code, q.criterion).needsLitters()) op.files = {g_sowPath, g_farrowPath, g_boarPath};
    auto fill = [&boarWindow, q] {
      if (!boarWindow) {
        boarWindow = std::make_unique<HogBoar1>();
        boarWindow->Load();
      }
      QueryArgs = {"", q.code, q.criterion, ""};
      if (std::string(q.code) == "0") boarWindow->FillBoarList();
      else boarWindow->ApplyBoarQuery();
    };
    op.run = fill;
    op.check = [&boarWindow, fill, q](std::string& result) {
      fill();
      const platform::ListBox& list = *boarWindow->BoarList;
      result = std::to_string(list.ListCount());
      std::vector<long> shown;
      for (int row = 0; row < list.ListCount(); ++row) shown.push_back(list.ItemData(row));
      return shown == boarsOneByOne(q.code, q.criterion) ? std::string() : std::string("rows differ");
    };
    ops.push_back(op);
  }
  {
    // The PRV window's ACCEPT with fifty IDs, the last of them near the end
    // of the file, and CHAN ID's scan for an ID nobody holds.
    Operation op;
    op.name = "PRV dates of fifty sows and a new sow ID's check";
    op.files = {g_sowPath};
    auto prvIds = [] {
      const std::vector<SowRecord> sows = recordByRecord<SowRecord>(g_sowPath);
      std::array<std::string, kPrvBoxes> ids;
      size_t k = 0;
      for (size_t r = sows.size(); r-- > 0 && k < ids.size();)
        if (!records::IsFreeId(sows[r].Id) && r % 90 == 0) ids[k++] = sows[r].Id;
      return ids;
    };
    op.run = [prvIds] {
      static const std::array<std::string, kPrvBoxes> ids = prvIds();
      records::FileImage<SowRecord> sows;
      std::vector<PrvWrite> written;
      sows.read(g_sowPath);
      ApplyPrvDate("06/01/2024", ids, sows, written);
      g_sink = g_sink + static_cast<long>(written.size()) + (CheckChangedSowId("NEWSOW", sows) ? 1 : 0);
    };
    op.check = [prvIds](std::string& result) {
      const std::array<std::string, kPrvBoxes> ids = prvIds();
      records::FileImage<SowRecord> sows;
      std::vector<PrvWrite> writes;
      std::vector<long> written, one;
      sows.read(g_sowPath);
      ApplyPrvDate("06/01/2024", ids, sows, writes);
      for (const PrvWrite& w : writes) written.push_back(w.record);
      const std::vector<SowRecord> byRecord = recordByRecord<SowRecord>(g_sowPath);
      for (const std::string& id : ids) {
        if (id.empty()) continue;
        for (size_t r = 0; r < byRecord.size(); ++r)
          if (Trim(byRecord[r].Id) == Trim(id)) {
            if (byRecord[r].DateLeftHerd == records::kEmptyDate) one.push_back(static_cast<long>(r) + 1);
            break;
          }
      }
      result = std::to_string(written.size());
      if (CheckChangedSowId("NEWSOW", sows)) return std::string("NEWSOW is taken");
      return written == one ? std::string() : "PRV wrote " + std::to_string(written.size()) + " sows, one by one " +
                                                  std::to_string(one.size());
    };
    ops.push_back(op);
  }
  {
    Operation op;
    op.name = "every boar's statistics";
    op.files = {g_sowPath, g_farrowPath, g_boarPath};
    op.run = [] { ForEachBoarHistory([](long) { g_sink = g_sink + BoarHistory.SowsFarrowed; }); };
    op.check = [](std::string& result) {
      std::vector<std::string> all, one;
      ForEachBoarHistory([&all](long) { all.push_back(boarFigures()); });
      result = std::to_string(all.size());
      const int32_t herdLitters = CountHerdLitters().value_or(-1);
      const std::vector<BoarRecord> boars = recordByRecord<BoarRecord>(g_boarPath);
      for (CurrentBoarRec = 1; CurrentBoarRec <= static_cast<long>(boars.size()); ++CurrentBoarRec) {
        if (records::IsFreeId(boars[static_cast<size_t>(CurrentBoarRec - 1)].Id)) continue;
        LoadBoarHistory(herdLitters);
        if (!records::IsFreeId(BoarRec.Id)) one.push_back(boarFigures());
      }
      return compareFigures(all, one, "boar");
    };
    ops.push_back(op);
  }
  {
    // The boar list's PRINT > Selected Histories with every boar selected.
    Operation op;
    op.name = "boar history sheets of every boar printed";
    op.files = {g_sowPath, g_farrowPath, g_boarPath};
    const auto printer = std::make_shared<CollectingPrinter>();
    const auto chosen = std::make_shared<std::vector<long>>();
    const auto sheets = [printer, chosen] {
      platform::services().setPrinter(printer.get());
      ForEachBoarHistory(*chosen, [](long record) {
        CurrentBoarRec = record;
        PrintBoarHistory();
      });
    };
    op.before = [chosen] {
      if (!chosen->empty()) return;
      const std::vector<BoarRecord> boars = recordByRecord<BoarRecord>(g_boarPath);
      for (size_t r = 0; r < boars.size(); ++r)
        if (!records::IsFreeId(boars[r].Id)) chosen->push_back(static_cast<long>(r) + 1);
    };
    op.run = sheets;
    op.check = [printer, chosen, before = op.before](std::string& result) {
      before();
      std::vector<std::string> printed, one;
      platform::services().setPrinter(printer.get());
      printer->keep = true;
      ForEachBoarHistory(*chosen, [&printed, &printer](long record) {  // each sheet is a document of its own
        CurrentBoarRec = record;
        PrintBoarHistory();
        for (const std::string& t : printer->texts)
          if (t.size() >= 36 && t[35] == '>') printed.push_back(t);
      });
      printer->keep = false;
      const int32_t herdLitters = CountHerdLitters().value_or(-1);
      const std::vector<BoarRecord> boars = recordByRecord<BoarRecord>(g_boarPath);
      for (CurrentBoarRec = 1; CurrentBoarRec <= static_cast<long>(boars.size()); ++CurrentBoarRec) {
        if (records::IsFreeId(boars[static_cast<size_t>(CurrentBoarRec - 1)].Id)) continue;
        LoadBoarHistory(herdLitters);
        const std::vector<std::string> lines = BoarHistorySheetLines();
        one.insert(one.end(), lines.begin() + 1, lines.end());
      }
      result = std::to_string(printed.size() / 21);
      return compareFigures(printed, one, "boar sheet line");
    };
    ops.push_back(op);
  }
  {
    // CHAN BOAR ID of the first boar, his litters and sows across the files;
    // the old ID is given back after each run.
    Operation op;
    op.name = "boar ID changed across the three files";
    op.files = {g_boarPath, g_farrowPath, g_sowPath};
    const auto naming = [](const std::string& id) {
      long n = 0;
      for (const FarrowRecord& f : recordByRecord<FarrowRecord>(g_farrowPath)) n += RTrim(f.BoarId) == id;
      for (const SowRecord& s : recordByRecord<SowRecord>(g_sowPath)) n += RTrim(s.BoarId) == id;
      for (const BoarRecord& b : recordByRecord<BoarRecord>(g_boarPath)) n += RTrim(b.Id) == id;
      return n;
    };
    op.run = [] { g_sink = g_sink + RenameBoar(1, "B01", "RENAMED").renamed; };
    op.after = [] { RenameBoar(1, "RENAMED", "B01"); };
    op.check = [naming](std::string& result) {
      const long before = naming("B01");
      std::vector<uint8_t> farrowBefore, farrowBack;
      platform::readWholeFile(g_farrowPath, farrowBefore);
      const bool renamed = RenameBoar(1, "B01", "RENAMED").renamed;
      const long moved = naming("RENAMED"), left = naming("B01");
      RenameBoar(1, "RENAMED", "B01");
      platform::readWholeFile(g_farrowPath, farrowBack);
      result = std::to_string(moved);
      if (!renamed || moved != before || left != 0 || farrowBack != farrowBefore)
        return "renamed " + std::to_string(moved) + " of " + std::to_string(before) + ", " + std::to_string(left) +
               " left";
      return std::string();
    };
    ops.push_back(op);
  }

  {
    Operation op;
    op.name = "ingredient list";
    op.files = {g_feedPath};
    op.run = [] { g_sink = g_sink + static_cast<long>(ingredientList().size()); };
    op.check = [](std::string& result) {
      const std::vector<std::string> lines = ingredientList();
      result = std::to_string(lines.size());
      return compareFigures(lines, ingredientsOneByOne(false), "ingredient line");
    };
    ops.push_back(op);
  }
  std::unique_ptr<HogFeed8> feedWindow;
  ops.push_back(opensWindow<HogFeed8>(
      "ingredient list window opens", g_feedPath, feedWindow, [](HogFeed8& w, std::string& result) {
        const std::vector<std::string> lines = w.Lines();
        result = std::to_string(lines.size());
        return compareFigures(lines, ingredientsOneByOne(false), "listed ingredient");
      }));
  CollectingPrinter printer;
  {
    Operation op;
    op.name = "ingredient listing printed";
    op.files = {g_feedPath};
    const auto listed = std::make_shared<std::vector<std::string>>();
    const auto print = [listed] {
      IngredientFile file;
      if (ReadIngredientFile(file, "BENCH")) PrintIngredientListing(IngredientPrintLines(file, *listed), "BENCH");
    };
    op.before = [listed, &printer] {
      platform::services().setPrinter(&printer);
      if (listed->empty()) *listed = ingredientList();
    };
    op.run = print;
    op.check = [&printer, listed, print](std::string& result) {
      *listed = ingredientList();
      const std::vector<std::string> body = printer.body(print, 92);
      result = std::to_string(body.size());
      return compareFigures(body, ingredientsOneByOne(true), "printed ingredient");
    };
    ops.push_back(op);
  }
  {
    // FARROW's Print All for each sow of the list's first page, selected
    // together: a sheet per litter from one read of each file.
    Operation op;
    op.name = "every litter of a page of selected sows printed";
    op.files = {g_sowPath, g_farrowPath};
    const std::vector<long> selected(active.begin(),
                                     active.begin() + std::min<size_t>(active.size(), SowPageTable::kSlots));
    const auto print = [selected] {
      records::FileImage<SowRecord> sows;
      records::FileImage<FarrowRecord> litters;
      if (!ReadImage(sows, nullptr) || !ReadImage(litters, nullptr)) return 0L;
      static const SowRecord p;
      static const records::FieldMask<SowRecord> used(p, {&p.Id, &p.ParityCount, &p.FarrowRecNo});
      SowRecord sow;
      long sheets = 0;
      for (long r : selected) {
        sows.decode(r, sow, used);
        SetSowLinks(sow);
        sheets += PrintSowLitters(sow.Id, FarrowLinks, sow.ParityCount, litters);
      }
      return sheets;
    };
    op.before = [&printer] { platform::services().setPrinter(&printer); };
    op.run = [print] { g_sink = g_sink + print(); };
    op.check = [&printer, selected, print](std::string& result) {
      platform::services().setPrinter(&printer);
      printer.printed = 0;
      printer.keep = true;
      const long sheets = print();
      printer.keep = false;
      // One by one: each sow and each of her litters read on its own.
      records::TypedFile<SowRecord> sowFile;
      records::TypedFile<FarrowRecord> farrowFile;
      sowFile.open(g_sowPath);
      farrowFile.open(g_farrowPath);
      long expected = 0;
      std::vector<std::string> last;
      for (long r : selected) {
        SowRecord sow;
        sowFile.read(r, sow);
        for (int parity = 1; parity <= records::UsedParities(sow); ++parity) {
          const long link = sow.FarrowRecNo[static_cast<size_t>(parity - 1)];
          if (!records::ValidLitterLink(link, farrowFile.count())) continue;
          FarrowRecord litter;
          farrowFile.read(link, litter);
          LitterColumn column;
          FillLitterColumn(column, litter, link, true);
          ComputeWeaningRows(column, true);
          column[kParityRow] = std::to_string(parity);
          last = LitterSheetLines(column);
          last.insert(last.begin(), "SOW ID (" + Trim(sow.Id) + ") FARROW RECORD");
          ++expected;
        }
      }
      result = std::to_string(sheets);
      if (sheets != expected) return std::to_string(sheets) + " sheets, one by one " + std::to_string(expected);
      if (printer.printed != expected * 19) return std::to_string(printer.printed) + " texts printed";
      return compareFigures(printer.texts, last, "last sheet's line");
    };
    ops.push_back(op);
  }
  ops.push_back(nextFreeRecord<IngredientRecord>(
      "next free ingredient record", g_feedPath,
      [] {
        IngredientFile file;
        return ReadIngredientFile(file, "BENCH") ? NewIngredientSlot(file) : 0;
      },
      [](const IngredientRecord& r) { return records::IsFreeId(r.IngredientCode); }, herd.freeIngredient));

  // The drugs: the list, its window, a drug by its code, the next free
  // record and a drug's remaining amount for the year.
  {
    Operation op;
    op.name = "drug list";
    op.files = {g_drugPath};
    auto lines = std::make_shared<std::vector<std::string>>();
    op.run = [lines] {
      records::FileImage<DrugRecord> image;
      ReadDrugFile(image, nullptr);
      *lines = ListDrugs(image).lines;
    };
    op.check = [lines, run = op.run](std::string& result) {
      run();
      result = std::to_string(lines->size());
      return compareLines(*lines, drugLinesOneByOne());
    };
    ops.push_back(op);
  }
  std::unique_ptr<Drug_1> drugWindow;
  ops.push_back(opensWindow<Drug_1>("drug list window opens", g_drugPath, drugWindow,
                                    [](Drug_1& w, std::string& result) {
                                      std::vector<std::string> rows;
                                      for (int i = 0; i < w.Drug_List->ListCount(); ++i)
                                        rows.push_back(w.Drug_List->List(i));
                                      result = std::to_string(rows.size());
                                      return compareLines(rows, drugLinesOneByOne());
                                    }));
  {
    Operation op;
    op.name = "drug found by its code";
    op.files = {g_drugPath};
    const std::string last = RTrim(drugs.drugs.back().DrugCode);
    op.run = [last] { g_sink = g_sink + LoadDrug(last); };
    op.check = [last](std::string& result) {
      const long found = LoadDrug(last);
      result = std::to_string(found);
      const std::vector<DrugRecord> all = recordByRecord<DrugRecord>(g_drugPath);
      long first = 0;
      for (size_t i = 0; i < all.size() && first == 0; ++i)
        if (RTrim(all[i].DrugCode) == last) first = static_cast<long>(i) + 1;
      if (found != first || CurrentDrug.DrugName != RTrim(all[static_cast<size_t>(first - 1)].DrugName))
        return "record " + std::to_string(found) + ", one by one " + std::to_string(first);
      return std::string();
    };
    ops.push_back(op);
  }
  ops.push_back(nextFreeRecord<DrugRecord>(
      "next free drug record", g_drugPath,
      [] {
        records::FileImage<DrugRecord> image;
        ReadDrugFile(image, nullptr);
        return FirstFreeDrugRecord(image);
      },
      [](const DrugRecord& d) { return RTrim(d.DrugCode).empty(); }, drugs.freeDrug));
  {
    Operation op;
    op.name = "drug remaining for the year";
    op.files = {g_medPath};
    op.run = [] { g_sink = g_sink + static_cast<long>(DrugRemaining(100000, "D1")); };
    op.check = [](std::string& result) {
      const float left = DrugRemaining(100000, "D1");
      result = text(left);
      float given = 0;
      for (const MedicationRecord& m : recordByRecord<MedicationRecord>(g_medPath))
        if (RTrim(m.DrugCode) == "D1") given += m.Dosage;
      return left == 100000 - given && given > 0 ? std::string() : "one by one " + text(100000 - given);
    };
    ops.push_back(op);
  }

  // The drug, medication history and ingredient queries, one of each kind
  // over the whole file, and the drug printouts.
  for (const ListQuery& q : kDrugQueries) {
    Operation op;
    op.name = std::string("drug query ") + q.code + " " + DrugQueryLanguage().byCode(q.code)->caption;
    op.files = {g_drugPath};
    const auto lines = std::make_shared<std::vector<std::string>>();
    op.run = [lines, q] {
      records::FileImage<DrugRecord> image;
      ReadDrugFile(image, nullptr);
      *lines = QueryDrugs(image, DrugQuery(q.code, q.criterion));
    };
    op.check = [lines, q, run = op.run](std::string& result) {
      run();
      result = std::to_string(lines->size());
      const DrugQuery query(q.code, q.criterion);
      std::vector<std::string> one;
      for (const DrugRecord& d : recordByRecord<DrugRecord>(g_drugPath))
        if (!RTrim(d.DrugName).empty() && query.matches(d)) one.push_back(DrugQueryLine(records::encode(d).data()));
      return lines->empty() ? std::string("nothing listed") : compareLines(*lines, one);
    };
    ops.push_back(op);
  }
  for (const ListQuery& q : kHistoryQueries) {
    Operation op;
    op.name = std::string("medication history query ") + q.code + " " + HistoryQueryLanguage().byCode(q.code)->caption;
    op.files = {g_medPath};
    const auto found = std::make_shared<std::vector<long>>();
    op.run = [found, q] {
      records::FileImage<MedicationRecord> image;
      ReadMedFile(image, nullptr);
      *found = QueryHistory(image, q.code, q.criterion);
    };
    op.check = [found, q, run = op.run](std::string& result) {
      run();
      result = std::to_string(found->size());
      const auto one = records::FileImage<MedicationRecord>::of(recordByRecord<MedicationRecord>(g_medPath));
      if (found->empty()) return std::string("nothing found");
      return *found == QueryHistory(one, q.code, q.criterion) ? std::string() : std::string("records differ");
    };
    ops.push_back(op);
  }
  for (const ListQuery& q : kIngredientQueries) {
    Operation op;
    op.name = std::string("ingredient query ") + q.code + " " + IngredientQueryLanguage().byCode(q.code)->caption;
    op.files = {g_feedPath};
    const auto lines = std::make_shared<std::vector<std::string>>();
    op.run = [lines, q] {
      IngredientFile file;
      if (ReadIngredientFile(file, "BENCH")) *lines = QueryIngredients(file, IngredientQuery(q.code, q.criterion));
    };
    op.check = [lines, q, run = op.run](std::string& result) {
      run();
      result = std::to_string(lines->size());
      const IngredientQuery query(q.code, q.criterion);
      std::vector<std::string> one;
      for (const IngredientRecord& r : recordByRecord<IngredientRecord>(g_feedPath))
        if (!records::IsFreeId(r.IngredientCode) && query.matches(r)) one.push_back(IngredientListLine(r));
      return lines->empty() ? std::string("nothing listed") : compareLines(*lines, one);
    };
    ops.push_back(op);
  }
  {
    Operation op;
    op.name = "drug listing printed";
    op.files = {g_drugPath};
    const auto listed = std::make_shared<std::vector<std::string>>();
    const auto print = [listed] {
      records::FileImage<DrugRecord> image;
      ReadDrugFile(image, nullptr);
      PrintDrugListing(DrugListingLines(image, *listed), "By ALL DRUG(s)");
    };
    op.before = [listed, &printer] {
      platform::services().setPrinter(&printer);
      if (listed->empty()) *listed = drugLinesOneByOne();
    };
    op.run = print;
    op.check = [&printer, listed, print](std::string& result) {
      *listed = drugLinesOneByOne();
      const std::vector<std::string> body = printer.body(print, 88);
      std::vector<std::string> one;
      for (const DrugRecord& d : recordByRecord<DrugRecord>(g_drugPath))
        if (!RTrim(d.DrugCode).empty() && d.InventoryAmount != 0) one.push_back(DrugListingLine(d));
      result = std::to_string(body.size());
      return compareLines(body, one);
    };
    ops.push_back(op);
  }
  {
    // Fifty drugs chosen through the file, a sheet each.
    Operation op;
    op.name = "drug data sheets printed (50 drugs)";
    op.files = {g_drugPath};
    const auto chosen = std::make_shared<std::vector<std::string>>();
    const auto print = [chosen] {
      records::FileImage<DrugRecord> image;
      ReadDrugFile(image, nullptr);
      DrugRecord drug;
      for (long n : DrugRecordsOfLines(image, *chosen)) {
        image.decode(n, drug);
        PrintDrugSheet(SheetFieldsOf(drug));
      }
    };
    op.before = [chosen, &printer] {
      platform::services().setPrinter(&printer);
      if (!chosen->empty()) return;
      const std::vector<std::string> all = drugLinesOneByOne();
      for (size_t k = 1; k <= 50; ++k) chosen->push_back(all[all.size() * k / 51]);
    };
    op.run = print;
    op.check = [&printer, chosen, print, before = op.before](std::string& result) {
      before();
      printer.keep = true;
      print();  // each sheet a document of its own: the last one is kept
      printer.keep = false;
      const std::string code = DrugCodeOfLine(chosen->back());
      result = std::to_string(chosen->size());
      for (const DrugRecord& d : recordByRecord<DrugRecord>(g_drugPath)) {
        if (RTrim(d.DrugCode) != code) continue;
        const std::string name = DrugSheetLines(SheetFieldsOf(d))[1];
        const bool printed = !printer.texts.empty() && printer.texts.front() == PrintJob.Title &&
                             std::find(printer.texts.begin(), printer.texts.end(), name) != printer.texts.end();
        return printed ? std::string() : "sheet of " + code + " differs";
      }
      return std::string("no drug ") + code;
    };
    ops.push_back(op);
  }
  {
    Operation op;
    op.name = "yearly drug totals printed";
    op.files = {g_drugPath};
    const auto print = [] {
      records::FileImage<DrugRecord> image;
      ReadDrugFile(image, nullptr);
      PrintDrugTotals(DrugYearTotals(image, "2015"), "2015");
    };
    op.before = [&printer] { platform::services().setPrinter(&printer); };
    op.run = print;
    op.check = [&printer, print](std::string& result) {
      const std::vector<std::string> body = printer.body(print, 84);
      std::vector<std::string> one;
      const auto image = records::FileImage<DrugRecord>::of(recordByRecord<DrugRecord>(g_drugPath));
      for (const DrugTotal& t : DrugYearTotals(image, "2015")) one.push_back(DrugTotalsLine(t));
      result = std::to_string(body.size());
      return one.empty() ? std::string("no totals") : compareLines(body, one);
    };
    ops.push_back(op);
  }

  // The year's medication history: a page filled (the last of ten, over the
  // full year's file) and the page printed on the recording printer.
  std::unique_ptr<Drug_3> history;
  RecordingPrinter historyPrinter;
  const auto historyPageOneByOne = [] {
    std::vector<std::pair<std::string, long>> rows;
    records::TypedFile<MedicationRecord> file;
    file.open(g_medPath);
    for (long r = 9 * HistoryPageTable::kSlots + 1; r <= file.count(); ++r) {
      MedicationRecord m;
      file.read(r, m);
      if (!MedHistoryLine(m).empty()) rows.emplace_back(MedHistoryLine(m), r);
    }
    return rows;
  };
  {
    Operation op;
    op.name = "medication history page filled";
    op.files = {g_medPath};
    op.before = [&history] {
      if (history) return;
      history = std::make_unique<Drug_3>();
      history->Load();
    };
    op.run = [&history] { history->HistoryPageMenu_Click(9); };
    op.check = [&history, before = op.before, historyPageOneByOne](std::string& result) {
      before();
      history->HistoryPageMenu_Click(9);
      result = std::to_string(history->MediList->ListCount());
      return compareListBox(*history->MediList, historyPageOneByOne());
    };
    ops.push_back(op);
  }
  {
    Operation op;
    op.name = "medication history printed";
    op.files = {g_medPath};
    const auto shown = [&history] {
      std::vector<std::string> lines;
      for (int i = 0; i < history->MediList->ListCount(); ++i) lines.push_back(history->MediList->List(i));
      return lines;
    };
    op.before = [&historyPrinter, &history] {
      if (!history) {
        history = std::make_unique<Drug_3>();
        history->Load();
        history->HistoryPageMenu_Click(9);
      }
      historyPrinter = RecordingPrinter();
      platform::services().setPrinter(&historyPrinter);
    };
    op.run = [shown] { PrintMedHistory(shown(), MedHistoryHeading("", "")); };
    op.check = [&historyPrinter, before = op.before, shown, historyPageOneByOne](std::string& result) {
      before();
      PrintMedHistory(shown(), MedHistoryHeading("", ""));
      result = std::to_string(historyPrinter.pages.size());
      std::vector<std::string> lines;
      for (const auto& row : historyPageOneByOne()) lines.push_back(" " + row.first);
      return comparePrinted(historyPrinter.texts(), lines);
    };
    ops.push_back(op);
  }

  // The group list of each stage for a year whose groups are all sold, and
  // its printout on the recording printer.
  const std::string year = "23";
  std::unique_ptr<HogPig1> groupList;
  RecordingPrinter groupPrinter;
  for (int stage = 0; stage <= 2; ++stage) {
    Operation op;
    op.name = "group list " + StageWord(stage) + " " + year;
    op.files = {g_groupPath, g_salesPath};
    op.before = [&groupList, stage, year] {
      if (!groupList) groupList = std::make_unique<HogPig1>();
      PigletMenuChoice = stage;
      GroupYear = year;
    };
    op.run = [&groupList] { groupList->FillGroupList(); };
    op.check = [&groupList, stage, year, before = op.before](std::string& result) {
      before();
      groupList->FillGroupList();
      result = std::to_string(groupList->PigList->ListCount());
      return compareListBox(*groupList->PigList, groupRowsOneByOne(stage, year));
    };
    ops.push_back(op);
  }
  for (int stage = 0; stage <= 2; ++stage) {
    Operation op;
    op.name = "group listing printed " + StageWord(stage) + " " + year;
    op.files = {g_groupPath, g_salesPath};
    op.before = [&groupPrinter] {
      groupPrinter = RecordingPrinter();
      platform::services().setPrinter(&groupPrinter);
    };
    op.run = [stage, year] { PrintGroupList(stage, year, "PRINT   GROUPS   ERROR"); };
    op.check = [&groupPrinter, stage, year](std::string& result) {
      groupPrinter = RecordingPrinter();
      platform::services().setPrinter(&groupPrinter);
      PrintGroupList(stage, year, "PRINT   GROUPS   ERROR");
      result = std::to_string(groupPrinter.pages.size());
      return comparePrinted(groupPrinter.texts(), groupPrintOneByOne(stage, year));
    };
    ops.push_back(op);
  }
  ops.push_back(nextFreeRecord<GroupRecord>(
      "next free group record", g_groupPath,
      [] {
        GroupBook book;
        book.readGroups("GROUP  ID  ERROR");
        return FreeGroupRecord(book);
      },
      [](const GroupRecord& g) { return Trim(g.GroupId).empty(); }, herd.freeGroup));
  ops.push_back(nextFreeRecord<SalesRecord>(
      "next free sales row", g_salesPath,
      [] {
        GroupBook book;  // as a move out reads it
        book.read(kOutErrorTitle);
        return FreeSalesRecord(book);
      },
      [](const SalesRecord& s) { return s.GroupId == "      "; }, herd.freeSale));

  // The sales of a group year: the market hog list, its window, both
  // printouts and the year's totals.
  MenuChoice = 1;
  GroupYear = kBenchSalesYear;
  {
    Operation op;
    op.name = "market hog sales list";
    op.files = {g_salesPath};
    op.run = [] {
      SalesImage rows;
      rows.read(g_salesPath);
      g_sink = g_sink + static_cast<long>(SaleListRows(rows, "M", kBenchSalesYear).size());
    };
    op.check = [](std::string& result) {
      SalesImage rows;
      rows.read(g_salesPath);
      std::vector<std::string> lines;
      for (const auto& row : SaleListRows(rows, "M", kBenchSalesYear)) lines.push_back(row.first);
      result = std::to_string(lines.size());
      return compareLines(lines, salesOneByOne(false));
    };
    ops.push_back(op);
  }
  std::unique_ptr<HogSale1> salesWindow;
  ops.push_back(opensWindow<HogSale1>("market hog sales list window opens", g_salesPath, salesWindow,
                                      [](HogSale1& w, std::string& result) {
                                        std::vector<std::string> rows;
                                        for (int i = 0; i < w.SaleList->ListCount(); ++i)
                                          rows.push_back(w.SaleList->List(i));
                                        result = std::to_string(rows.size());
                                        return compareLines(rows, salesOneByOne(false));
                                      }));
  {
    Operation op;
    op.name = "market hog sales listing printed";
    op.files = {g_salesPath};
    const auto print = [] {
      SalesImage rows;
      rows.read(g_salesPath);
      PrintSalesListingOf(rows, "M", kBenchSalesYear, "12/07/2026");
    };
    op.before = [&printer] { platform::services().setPrinter(&printer); };
    op.run = print;
    op.check = [&printer, print](std::string& result) {
      platform::services().setPrinter(&printer);
      printer.keep = true;
      print();
      printer.keep = false;
      std::vector<std::string> body;  // the printed sales, without titles, headings and page feet
      for (const std::string& t : printer.texts)
        if (t.size() == 84 && t != PrintJob.Heading1 && t != PrintJob.Heading2) body.push_back(t);
      result = std::to_string(body.size());
      return compareLines(body, salesOneByOne(true));
    };
    ops.push_back(op);
  }
  {
    Operation op;
    op.name = "kill sheet summary printed";
    op.files = {g_salesPath};
    const auto table = std::make_shared<KillSheetTable>();
    const auto print = [table] {
      SalesImage rows;
      rows.read(g_salesPath);
      const int groups = PrintKillSheetGroupsOf(rows, kBenchSalesYear, "12/07/2026", *table);
      PrintKillSheetTotalsOf(*table, groups, "12/07/2026");
      return groups;
    };
    op.before = [&printer] { platform::services().setPrinter(&printer); };
    op.run = [print] { g_sink = g_sink + print(); };
    op.check = [&printer, print](std::string& result) {
      platform::services().setPrinter(&printer);
      printer.keep = true;
      const int groups = print();
      printer.keep = false;
      std::set<std::string> ids;  // the groups of the year's counted market sales, one record at a time
      for (const SalesRecord& s : recordByRecord<SalesRecord>(g_salesPath))
        if (PrintedSale(s, "M", kBenchSalesYear)) ids.insert(s.GroupId);
      result = std::to_string(groups);
      const std::string count = "NUMBER of GROUP(s). ---------------> " + std::to_string(ids.size());
      if (groups != static_cast<int>(ids.size())) return "groups, one by one " + std::to_string(ids.size());
      return std::find(printer.texts.begin(), printer.texts.end(), count) != printer.texts.end()
                 ? std::string()
                 : "no line \"" + count + "\"";
    };
    ops.push_back(op);
  }
  {
    Operation op;
    op.name = "market hog sales totals of a year";
    op.files = {g_salesPath};
    op.run = [] {
      const SalesTotal total = SalesTotals("2023", "M");  // head and weight from one read
      g_sink = g_sink + total.head + static_cast<long>(total.weight);
    };
    op.check = [](std::string& result) {
      const SalesTotal total = SalesTotals("2023", "M");
      const int32_t head = SalesHeadTotal("2023", "M");
      const float weight = SalesWeightTotal("2023", "M");
      if (total.head != head || total.weight != weight) return std::string("one read differs from the two");
      result = std::to_string(head);
      int32_t oneHead = 0;
      float oneWeight = 0;
      for (const SalesRecord& s : recordByRecord<SalesRecord>(g_salesPath))
        if (s.YearEndAdjust == 0 && s.SaleType == "M" && RTrim(s.GroupId).size() == 6 &&
            s.GroupId.substr(4, 2) == kBenchSalesYear) {
          oneHead += s.PigsSold;
          oneWeight += static_cast<float>(s.PigsSold) * s.WeightPerPig;
        }
      return head == oneHead && weight == oneWeight && head > 0
                 ? std::string()
                 : "one by one " + std::to_string(oneHead) + " head, " + text(oneWeight) + " lb";
    };
    ops.push_back(op);
  }

  // The feed batches of the year: the nursery list, its window, its
  // printout and the next new batch's record.
  {
    FeedYear = "2024";
    FeedFile = FeedFileName(FeedYear);
    FeedMenuChoice = 0;
    records::TypedFile<FeedBatchRecord> file;
    const std::vector<FeedBatchRecord> batches = benchBatches();
    long n = 0;
    if (!platform::writeWholeFile(FeedFilePath(), {}) || !file.open(FeedFilePath())) return 1;
    for (const FeedBatchRecord& b : batches)
      if (!file.write(++n, b)) return 1;
  }
  const std::vector<std::string> batchFiles = {FeedFilePath(), g_medPath};
  {
    Operation op;
    op.name = "feed batch list";
    op.files = batchFiles;
    op.run = [] { g_sink = g_sink + static_cast<long>(batchList().size()); };
    op.check = [](std::string& result) {
      const std::vector<std::string> lines = batchList();
      result = std::to_string(lines.size());
      return compareFigures(lines, batchLinesOneByOne(false), "batch line");
    };
    ops.push_back(op);
  }
  std::unique_ptr<HogFeed4> batchWindow;
  {
    Operation op = opensWindow<HogFeed4>("feed batch list window opens", FeedFilePath(), batchWindow,
                                         [](HogFeed4& w, std::string& result) {
                                           result = std::to_string(w.Lines().size());
                                           return compareFigures(w.Lines(), batchLinesOneByOne(false), "listed batch");
                                         });
    op.files = batchFiles;
    ops.push_back(op);
  }
  {
    Operation op;
    op.name = "feed batch listing and summary printed";
    op.files = batchFiles;
    op.before = [&printer] { platform::services().setPrinter(&printer); };
    op.run = [] { g_sink = g_sink + PrintBatchReport(nullptr); };
    op.check = [&printer](std::string& result) {
      platform::services().setPrinter(&printer);
      FeedBatchFile batches;
      MedicationFile meds;
      if (!ReadFeedBatchFile(batches, nullptr) || !ReadMedFile(meds, nullptr) || !PrintBatchReport(nullptr))
        return std::string("not printed");
      std::vector<std::string> lines = BatchReportOf(batches, "N", BatchMedications(meds)).lines;
      lines.erase(lines.begin());
      result = std::to_string(lines.size());
      return compareFigures(lines, batchLinesOneByOne(true), "printed batch");
    };
    ops.push_back(op);
  }
  ops.push_back(nextFreeRecord<FeedBatchRecord>(
      "next new feed batch record", FeedFilePath(),
      [] {
        FeedBatchFile batches;
        MedicationFile meds;
        if (!ReadFeedBatchFile(batches, nullptr) || !ReadMedFile(meds, nullptr)) return 0L;
        return FindNewBatchSlot(batches, BatchMedications(meds)).record;
      },
      [](const FeedBatchRecord& b) { return RTrim(b.BatchNumber).empty(); }, kFreedBatch));
  // The group and the herd feed conversion of 2023: six finisher groups of a
  // year that sold, and the whole herd, over GROUP.DAT, SALES.DAT, SOW.DAT,
  // BOAR.DAT and the year's full batch and medication files.
  const std::string convYear = "2023";
  if (!platform::copyFile(FeedFilePath(), DataFolder + FeedFileName(convYear)) ||
      !platform::copyFile(g_medPath, DataFolder + MedFileName(convYear)))
    return 1;
  const std::vector<std::string> convFiles = {DataFolder + FeedFileName(convYear), DataFolder + MedFileName(convYear)};
  const GroupIdTable convIds{"", "201-23", "202-23", "203-23", "204-23", "205-23", "206-23"};
  // The year's feed of a type (and group) with its medication, record by record.
  const auto feedOneByOne = [convFiles](const std::string& letter, const std::string* group) {
    const std::vector<MedicationRecord> meds = recordByRecord<MedicationRecord>(convFiles[1]);
    FeedSum sum;
    for (const FeedBatchRecord& b : recordByRecord<FeedBatchRecord>(convFiles[0])) {
      if (b.FeedType != letter || (group && Trim(b.GroupId) != *group)) continue;
      sum.pounds += b.TotalPounds;
      sum.cost += static_cast<float>(b.TotalCost.value());
      if (!IsMedicatedNumber(RTrim(b.BatchNumber))) continue;
      for (const MedicationRecord& m : meds)
        if (RTrim(m.BatchId) == PlainBatchNumber(b.BatchNumber)) {
          sum.pounds += static_cast<int32_t>(RoundHalfEven(m.Dosage));
          sum.cost += static_cast<float>(m.UnitCost.value()) * m.Dosage;
        }
    }
    return sum;
  };
  {
    Operation op;
    op.name = "group feed conversion of six finisher groups";
    op.files = {g_groupPath, g_salesPath, convFiles[0], convFiles[1]};
    const auto run = [convIds] {
      GroupBook book;
      FeedYearBook years;
      return book.read("") ? RunBuilding(kFinisher, convIds, book, years) : BuildingRun{};
    };
    op.run = [run] { g_sink = g_sink + run().row.pork; };
    op.check = [run, convIds, feedOneByOne](std::string& result) {
      const BuildingRun r = run();
      const GroupFilesOneByOne files;
      BuildingRow one{-1, 0, 0, 0, 0};
      float in = 0, out = 0;
      for (size_t k = 1; k < convIds.size(); ++k) {
        for (const GroupRecord& g : files.groups)
          if (g.GroupId == convIds[k] && g.Stage == "F") {
            if (g.YearEndAdjust == 0) one.pigs += g.PigsIn;
            if (g.PigsIn != 0) in += static_cast<float>(g.PigsIn) * g.WeightIn;
          }
        for (const SalesRecord& s : files.sales)
          if (s.GroupId == convIds[k] && s.SaleType == "M") out += static_cast<float>(s.PigsSold + s.GiltsSold) * s.WeightPerPig;
        const std::string group = convIds[k].substr(0, 3);
        const FeedSum f = feedOneByOne("F", &group);
        one.feed += f.pounds;
        one.cost += f.cost;
      }
      one.pork = static_cast<int32_t>(RoundHalfEven(static_cast<double>(out - in)));
      result = r.figures[2] + " lb of pork, " + r.figures[7];
      return r.row == one && !r.problem && one.pork > 0 && one.feed > 0
                 ? std::string()
                 : "one by one " + std::to_string(one.pigs) + " pigs, " + std::to_string(one.pork) + " lb, " +
                       std::to_string(one.feed) + " lb of feed";
    };
    ops.push_back(op);
  }
  {
    Operation op;
    op.name = "herd feed conversion of a year";
    op.files = {g_salesPath, convFiles[0], convFiles[1], g_sowPath, g_boarPath};
    op.run = [convYear] { g_sink = g_sink + GatherHerdTotals(convYear).totals.feed; };
    op.check = [convYear, feedOneByOne](std::string& result) {
      const HerdRun r = GatherHerdTotals(convYear);
      HerdTotals one;
      for (const char* letter : {"N", "G", "F", "L", "E"}) {
        const FeedSum f = feedOneByOne(letter, nullptr);
        one.feed += f.pounds;
        one.cost = static_cast<float>(CurrencyOf(static_cast<double>(one.cost) + f.cost));
      }
      for (const SowRecord& sow : recordByRecord<SowRecord>(g_sowPath))
        if (!records::IsFreeId(sow.Id) && sow.DateLeftHerd == records::kEmptyDate) ++one.breedingHead;
      for (const BoarRecord& boar : recordByRecord<BoarRecord>(g_boarPath))
        if (!records::IsFreeId(boar.Id) && boar.DateLeftHerd == records::kEmptyDate) ++one.breedingHead;
      const HerdFigureTexts f = HerdFeedFigures(r.totals, {convYear, "100000", "101000", "5000"});
      result = f[7] + " lb of pork, " + f[13];
      return !r.problem && !r.fault && r.totals.feed == one.feed && r.totals.cost == one.cost &&
                     r.totals.breedingHead == one.breedingHead && r.totals.marketHead > 0
                 ? std::string()
                 : "one by one " + std::to_string(one.feed) + " lb, " + text(one.cost) + ", " +
                       std::to_string(one.breedingHead) + " breeding";
    };
    ops.push_back(op);
  }
  // The sow list's printouts and the index grids.
  const auto liveSows = [] {
    std::vector<long> live;
    const std::vector<SowRecord> sows = recordByRecord<SowRecord>(g_sowPath);
    for (size_t r = 0; r < sows.size(); ++r)
      if (!records::IsFreeId(sows[r].Id)) live.push_back(static_cast<long>(r) + 1);
    return live;
  };
  {
    Operation op;
    op.name = "sow cards of every sow printed";
    op.files = {g_sowPath, g_farrowPath};
    const auto print = [] {
      records::FileImage<SowRecord> sows;
      records::FileImage<FarrowRecord> litters;
      if (!ReadImage(sows, nullptr) || !ReadImage(litters, nullptr)) return 0L;
      std::vector<long> chosen;
      for (long r = 1; r <= sows.count(); ++r)
        if (!records::IsFreeRecord(sows, r)) chosen.push_back(r);
      PrintChosenSows(chosen, SowSheet::Card, sows, litters);
      return static_cast<long>(chosen.size());
    };
    op.before = [&printer] { platform::services().setPrinter(&printer); };
    op.run = [print] { g_sink = g_sink + print(); };
    op.check = [&printer, print, liveSows](std::string& result) {
      platform::services().setPrinter(&printer);
      printer.keep = true;
      const long cards = print();
      printer.keep = false;
      const std::vector<long> live = liveSows();
      result = std::to_string(cards);
      if (cards != static_cast<long>(live.size())) return "sows, one by one " + std::to_string(live.size());
      CurrentSowRec = live.back();  // the last card, from the one-sow path
      LoadSowHistory();
      records::FileImage<FarrowRecord> litters;
      litters.read(g_farrowPath);
      const std::vector<std::string> lines = SowCardLines(litters);
      if (printer.texts.size() != lines.size() + 4) return std::string("the last card has other lines");
      return compareFigures(std::vector<std::string>(printer.texts.begin() + 3, printer.texts.end() - 1), lines,
                            "card line");
    };
    ops.push_back(op);
  }
  {
    Operation op;
    op.name = "dates due of the whole herd printed";
    op.files = {g_sowPath};
    const auto print = [] {
      records::FileImage<SowRecord> sows;
      if (!ReadImage(sows, nullptr)) return 0L;
      const std::vector<std::string> lines = DatesDueLines("01/01/1990", "12/31/9999", sows);
      PrintDatesDue(lines);
      return static_cast<long>(lines.size()) - 1;
    };
    op.before = [&printer] { platform::services().setPrinter(&printer); };
    op.run = [print] { g_sink = g_sink + print(); };
    op.check = [&printer, print](std::string& result) {
      platform::services().setPrinter(&printer);
      const long due = print();
      long one = 0;
      for (const SowRecord& s : recordByRecord<SowRecord>(g_sowPath))
        if (!records::IsFreeId(s.Id) && s.DateLeftHerd == records::kEmptyDate && !IsEmptyDate(s.DateDue)) ++one;
      result = std::to_string(due);
      return due == one && due > 0 ? std::string() : "due one by one " + std::to_string(one);
    };
    ops.push_back(op);
  }
  {
    Operation op;
    op.name = "sow listing of a full page printed";
    op.files = {g_sowPath};
    const auto ids = std::make_shared<std::vector<std::string>>();
    const auto print = [ids] {
      records::FileImage<SowRecord> sows;
      if (!ReadImage(sows, nullptr)) return std::vector<std::string>();
      std::vector<std::string> lines = SowListingLines(*ids, sows, sows.count());
      PrintSowListing(lines, "All ACTIVE SOW's.  PAGE ");
      return lines;
    };
    op.before = [&printer] { platform::services().setPrinter(&printer); };
    op.run = [print] { g_sink = g_sink + static_cast<long>(print().size()); };
    op.check = [&printer, print, ids](std::string& result) {
      platform::services().setPrinter(&printer);
      const std::vector<SowRecord> sows = recordByRecord<SowRecord>(g_sowPath);
      std::vector<std::string> one(1);
      for (const SowRecord& s : sows) {
        if (records::IsFreeId(s.Id) || ids->size() == static_cast<size_t>(SowPageTable::kSlots)) continue;
        ids->push_back(RTrim(s.Id));
        one.push_back(SowListingLine(s));  // the IDs of the bench herd are unique
      }
      const std::vector<std::string> lines = print();
      result = std::to_string(lines.size() - 1);
      return compareFigures(lines, one, "listed sow");
    };
    ops.push_back(op);
  }
  // A grid's rows as text, in the order shown.
  const auto gridRows = [](const platform::Grid& grid) {
    std::vector<std::string> rows;
    for (int r = 1; r < grid.Rows(); ++r) {
      std::string row;
      for (int c = 0; c < grid.Cols(); ++c) row += grid.TextMatrix(r, c) + "|";
      rows.push_back(row);
    }
    return rows;
  };
  // The rows of the active animals one by one, in the order of a stable sort
  // by ID.
  const auto byId = [](std::vector<std::vector<std::string>> cells) {
    std::stable_sort(cells.begin(), cells.end(),
                     [](const auto& a, const auto& b) { return platform::compareCells(a[0], b[0]) < 0; });
    std::vector<std::string> rows;
    for (const auto& c : cells) {
      std::string row;
      for (const std::string& t : c) row += t + "|";
      rows.push_back(row);
    }
    return rows;
  };
  std::unique_ptr<HogSow7> sowIndex;
  ops.push_back(opensWindow<HogSow7>(
      "sow index grid fills and sorts by ID", g_sowPath, sowIndex, [&](HogSow7& w, std::string& result) {
        std::vector<std::vector<std::string>> cells;
        for (long r : liveSows()) {
          CurrentSowRec = r;
          LoadSowHistory();
          if (SowRec.DateLeftHerd == records::kEmptyDate) cells.push_back(SowIndexCells());
        }
        result = std::to_string(cells.size());
        return compareFigures(gridRows(*w.SowIndexList), byId(cells), "grid row");
      }));
  ops.back().files = {g_sowPath, g_farrowPath};
  const auto loadSowIndex = [&sowIndex] {
    if (sowIndex) return;
    sowIndex = std::make_unique<HogSow7>();
    sowIndex->Load();
  };
  {
    Operation op;
    op.name = "sow index grid sorted by each figure";
    op.files = {g_sowPath};
    op.before = loadSowIndex;
    op.run = [&sowIndex] {
      for (int i = 0; i < 6; ++i) sowIndex->IndexMenu->Click(i);
    };
    op.check = [&sowIndex](std::string& result) {
      sowIndex = std::make_unique<HogSow7>();
      sowIndex->Load();
      sowIndex->IndexMenu->Click(5);
      const platform::Grid& g = *sowIndex->SowIndexList;
      result = g.TextMatrix(1, 1);
      for (int r = 2; r < g.Rows(); ++r)
        if (platform::compareCells(g.TextMatrix(r - 1, 1), g.TextMatrix(r, 1)) < 0) return std::string("parity rises");
      return std::string();
    };
    ops.push_back(op);
  }
  {
    Operation op;
    op.name = "sow index printed";
    op.files = {g_sowPath};
    op.before = [loadSowIndex, &printer] {
      loadSowIndex();
      platform::services().setPrinter(&printer);
    };
    op.run = [&sowIndex] { PrintCourierListing(sowIndex->IndexTitle, "", "", sowIndex->IndexLines(), 47); };
    op.check = [&sowIndex, loadSowIndex](std::string& result) {
      loadSowIndex();
      const std::vector<std::string> lines = sowIndex->IndexLines();
      result = std::to_string(lines.size() - 2);
      return lines[1] == SowIndexLine({sowIndex->SowIndexList->TextMatrix(1, 0), sowIndex->SowIndexList->TextMatrix(1, 1),
                                       sowIndex->SowIndexList->TextMatrix(1, 2), sowIndex->SowIndexList->TextMatrix(1, 3),
                                       sowIndex->SowIndexList->TextMatrix(1, 4), sowIndex->SowIndexList->TextMatrix(1, 5),
                                       sowIndex->SowIndexList->TextMatrix(1, 6)})
                 ? std::string()
                 : "first line " + lines[1];
    };
    ops.push_back(op);
  }
  std::unique_ptr<HogBoar6> boarIndex;
  ops.push_back(opensWindow<HogBoar6>(
      "boar index grid fills and sorts by ID", g_boarPath, boarIndex, [&](HogBoar6& w, std::string& result) {
        std::vector<std::vector<std::string>> cells;
        const int32_t herdLitters = CountHerdLitters().value_or(0);
        const std::vector<BoarRecord> boars = recordByRecord<BoarRecord>(g_boarPath);
        for (CurrentBoarRec = 1; CurrentBoarRec <= static_cast<long>(boars.size()); ++CurrentBoarRec) {
          const BoarRecord& b = boars[static_cast<size_t>(CurrentBoarRec - 1)];
          if (records::IsFreeId(b.Id) || b.DateLeftHerd != records::kEmptyDate) continue;
          LoadBoarHistory(herdLitters);
          cells.push_back(BoarIndexCells());
        }
        result = std::to_string(cells.size());
        return compareFigures(gridRows(*w.BoarIndexList), byId(cells), "grid row");
      }));
  ops.back().files = {g_sowPath, g_farrowPath, g_boarPath};
  // The summaries: the herd performance of a year and the farrowing
  // performance of four weaning dates, shown and printed, each from one read
  // of the files.
  {
    const std::string year = "2018";
    const WeanDates weanDates = {herd.litters[99].DateWeaned, herd.litters[4999].DateWeaned,
                                 herd.litters[15999].DateWeaned, herd.litters[29999].DateWeaned};
    // The year's figures from records read one at a time, by the report's rules.
    const auto herdOneByOne = [year] {
      HerdPerfData h;
      long excluded = 0;
      const std::vector<SowRecord> sows = recordByRecord<SowRecord>(g_sowPath);
      for (const SowRecord& s : sows) {
        const std::string e = s.DateEnteredHerd.substr(6), l = s.DateLeftHerd.substr(6);
        h.Replacements += e == year;
        excluded += (e > year) + (l <= year);
        h.Sold += l == year;
        if (e <= year && s.DateLeftHerd == records::kEmptyDate) h.ParitySum += s.ParityCount;
      }
      h.Sows = static_cast<int32_t>(static_cast<long>(sows.size()) - excluded);
      for (const FarrowRecord& f : recordByRecord<FarrowRecord>(g_farrowPath)) {
        if (f.DateBorn.substr(6) != year || f.DateWeaned == records::kEmptyDate) continue;
        ++h.Litters;
        h.Born += f.BornCount;
        h.Alive += f.AliveCount;
        h.Weaned += f.WeanedCount;
        h.Fostered += f.FosteredTo;
        h.BirthWeight = static_cast<int32_t>(RoundHalfEven(h.BirthWeight + static_cast<double>(f.BirthWeight)));
        h.WeaningWeight = static_cast<int32_t>(RoundHalfEven(h.WeaningWeight + static_cast<double>(f.WeaningWeight)));
        h.DaysToWeaning += static_cast<int32_t>(*DaysBetween(f.DateBorn, f.DateWeaned));
      }
      return h;
    };
    const auto herdFigures = [year](bool print) {
      records::FileImage<SowRecord> sows;
      records::FileImage<FarrowRecord> litters;
      sows.read(g_sowPath);
      litters.read(g_farrowPath);
      const HerdPerfData h = CollectHerdData(sows, litters, year);
      std::vector<std::string> shown;
      for (int i = 0; i < kHerdFigures; ++i) shown.push_back(HerdFigureText(h, static_cast<HerdFigure>(i)));
      if (print) PrintHerdPerfPage(HerdPerfReportLines(h, "12/07/2026"), "HERD PERFORMANCE for " + year);
      return std::make_pair(h, shown);
    };
    const auto farrowFigures = [weanDates](bool print) {
      records::FileImage<FarrowRecord> litters;
      litters.read(g_farrowPath);
      const LitterSums sums = TotalWeanedOn(litters, weanDates);
      std::vector<std::string> shown;
      for (int i = 0; i < kFarrowFigures; ++i) shown.push_back(FarrowFigureText(sums, static_cast<FarrowFigure>(i)));
      if (print)
        PrintFarrowPerfPage(FarrowPerfReportLines(sums, "12/07/2026"), "FARROWING PERFORMANCE", WeanDatesLine(weanDates));
      return sums;
    };
    const auto farrowOneByOne = [weanDates] {
      LitterSums sums;
      for (const FarrowRecord& f : recordByRecord<FarrowRecord>(g_farrowPath))
        for (const std::string& date : weanDates)
          if (f.DateWeaned == date) sums.add(f);
      return sums;
    };
    for (bool print : {false, true}) {
      Operation op;
      op.name = print ? "herd performance report printed" : "herd performance of a year";
      op.files = {g_sowPath, g_farrowPath};
      op.before = [&printer] { platform::services().setPrinter(&printer); };
      op.run = [herdFigures, print] { g_sink = g_sink + herdFigures(print).first.Litters; };
      op.check = [herdFigures, herdOneByOne](std::string& result) {
        const HerdPerfData h = herdFigures(false).first, one = herdOneByOne();
        result = std::to_string(h.Litters);
        return h == one && h.Litters > 0 ? std::string() : "one by one " + std::to_string(one.Litters) + " litters";
      };
      ops.push_back(op);
    }
    for (bool print : {false, true}) {
      Operation op;
      op.name = print ? "farrowing performance summary printed" : "farrowing performance of four weaning dates";
      op.files = {g_farrowPath};
      op.before = [&printer] { platform::services().setPrinter(&printer); };
      op.run = [farrowFigures, print] { g_sink = g_sink + farrowFigures(print).Litters; };
      op.check = [farrowFigures, farrowOneByOne](std::string& result) {
        const LitterSums sums = farrowFigures(false), one = farrowOneByOne();
        result = std::to_string(sums.Litters);
        return sums == one && sums.Litters > 0 ? std::string() : "one by one " + std::to_string(one.Litters) + " litters";
      };
      ops.push_back(op);
    }
  }

  // The five-year charts from 2016, each from one read of its files, against
  // the figures of records read one at a time by the charts' rules.
  {
    constexpr int kFirst = 2016;
    const CrateCounts crates = {"250", "260", "abc", "270.5", "0"};
    const auto chartRows = [crates](int chart) {
      records::FileImage<SowRecord> sows;
      records::FileImage<FarrowRecord> litters;
      records::FileImage<SalesRecord> sales;
      records::FileImage<DrugRecord> drugs;
      if (chart == 0) sows.read(g_sowPath);
      if (chart < 3) litters.read(g_farrowPath);
      if (chart == 3) sales.read(g_salesPath), drugs.read(g_drugPath);
      switch (chart) {
        case 0: return PigsWeanedPerSow(sows, litters, kFirst);
        case 1: return PigsWeanedPerCrate(litters, kFirst, crates);
        case 2: return Adj21DayWeightPerYear(litters, kFirst);
        default: return MedicationCostPerPig(sales, drugs, kFirst);
      }
    };
    const auto chartOneByOne = [crates](int chart) {
      ChartRows rows;
      const std::vector<SowRecord> sows = chart == 0 ? recordByRecord<SowRecord>(g_sowPath) : std::vector<SowRecord>{};
      const std::vector<FarrowRecord> litters = recordByRecord<FarrowRecord>(g_farrowPath);
      const std::vector<SalesRecord> sales = recordByRecord<SalesRecord>(g_salesPath);
      const std::vector<DrugRecord> drugs = recordByRecord<DrugRecord>(g_drugPath);
      for (int i = 0; i < kChartYears; ++i) {
        const std::string y = std::to_string(kFirst + i), label = "Year " + y;
        long sowsIn = 0, weaned = 0, count = 0, sold = 0;
        float adjusted = 0, cost = 0;
        for (const SowRecord& s : sows)
          sowsIn += !(s.DateEnteredHerd.substr(6) > y) && !(s.DateLeftHerd.substr(6) <= y);
        for (const FarrowRecord& f : litters) {
          if (f.DateWeaned.substr(6) != y) continue;
          weaned += f.WeanedCount;
          if (f.WeanedCount == 0) continue;
          const float perPig = f.WeaningWeight / static_cast<float>(f.WeanedCount);
          const long age = *DaysBetween(f.DateBorn, f.DateWeaned);
          adjusted += age >= 14 && age <= 34 ? perPig * AdjFactor21Day[static_cast<size_t>(age - 14)].Factor : perPig;
          ++count;
        }
        for (const SalesRecord& s : sales) sold += s.DateSold.substr(6) == y ? s.PigsSold : 0;
        for (const DrugRecord& d : drugs) cost += d.PurchaseDate.substr(6) == y ? static_cast<float>(d.DrugCost.value()) : 0;
        const long perCrate[kChartYears] = {250, 260, 0, 270, 0};
        ChartRow& row = rows[static_cast<size_t>(i)];
        if (chart == 0) row = {label + " SOW(s)=" + std::to_string(sowsIn), std::to_string(sowsIn ? weaned / sowsIn : 0)};
        if (chart == 1)
          row = {Trim(label + " CRATE(s)=" + crates[static_cast<size_t>(i)]),
                 std::to_string(perCrate[i] ? weaned / perCrate[i] : 0)};
        if (chart == 2) row = {label, count ? SingleText(adjusted / static_cast<float>(count)) : "0"};
        if (chart == 3) row = {label + " PIG(s)=" + std::to_string(sold), sold ? Format(cost / static_cast<float>(sold), "0.00") : "0"};
      }
      return rows;
    };
    const char* names[] = {"chart of pigs weaned per sow, five years", "chart of pigs weaned per crate, five years",
                           "chart of adjusted 21-day weight, five years", "chart of medication cost per pig, five years"};
    for (int chart = 0; chart < 4; ++chart) {
      Operation op;
      op.name = names[chart];
      op.files = chart == 0 ? std::vector<std::string>{g_sowPath, g_farrowPath}
                 : chart < 3 ? std::vector<std::string>{g_farrowPath}
                             : std::vector<std::string>{g_salesPath, g_drugPath};
      op.run = [chartRows, chart] { g_sink = g_sink + static_cast<long>(chartRows(chart)[0].value()); };
      op.check = [chartRows, chartOneByOne, chart](std::string& result) {
        const ChartRows rows = chartRows(chart), one = chartOneByOne(chart);
        result = rows[0].valueText;
        for (int i = 0; i < kChartYears; ++i)
          if (!(rows[static_cast<size_t>(i)] == one[static_cast<size_t>(i)]))
            return "year " + std::to_string(i + 1) + ": " + rows[static_cast<size_t>(i)].label + " " +
                   rows[static_cast<size_t>(i)].valueText + ", one by one " + one[static_cast<size_t>(i)].label + " " +
                   one[static_cast<size_t>(i)].valueText;
        return rows[0].value() > 0 ? std::string() : std::string("nothing plotted");
      };
      ops.push_back(op);
    }
  }

  std::printf("TARLOWE benchmark: %zu sows, %zu litter records, %zu boars, %zu group records, %zu sales rows, "
              "%zu drug records, %zu doses in %s\n",
              herd.sows.size(), herd.litters.size(), herd.boars.size(), herd.groups.size(), herd.sales.size(),
              drugs.drugs.size(), drugs.doses.size(),
              DataFolder.c_str());
  std::printf("median of %d runs, each after a warm read of the files it reads (the floor)\n\n", runs);
  std::printf("%-48s %7s %10s %9s %6s\n", "operation", "result", "median ms", "floor ms", "ratio");
  int wrong = 0, over = 0, timed = 0;
  for (Operation& op : ops) {
    if (op.name.find(only) == std::string::npos) continue;
    ++timed;
    std::string result;
    const std::string differs = op.check(result);
    std::vector<double> times, floors;
    for (int i = 0; i < runs; ++i) {
      if (op.before) op.before();
      floors.push_back(millis([&op] { readFloor(op.files); }));
      times.push_back(millis(op.run));
      if (op.after) op.after();
    }
    const double t = median(times), f = median(floors), ratio = t / f;
    const bool bad = !differs.empty() || dialogs.shown > 0;
    wrong += bad;
    over += ratio > kTarget;
    std::printf("%-48s %7s %10.3f %9.3f %6.1f%s\n", op.name.c_str(), result.c_str(), t, f, ratio,
                bad ? "  WRONG" : ratio > kTarget ? "  over 5x" : "");
    if (!differs.empty()) std::printf("    %s\n", differs.c_str());
    dialogs.shown = 0;
  }
  window.reset();
  sowIndex.reset();
  boarIndex.reset();
  feedWindow.reset();
  drugWindow.reset();
  groupList.reset();
  platform::services().setPrinter(nullptr);
  salesWindow.reset();
  std::printf("\n%d of %d operations over %.0fx their floor; %d with wrong figures\n", over, timed, kTarget, wrong);
  platform::services().setDialogs(nullptr);
  platform::services().setPrinter(nullptr);
  return wrong ? 1 : over ? 2 : 0;
}
