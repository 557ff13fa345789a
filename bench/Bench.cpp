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
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "bench/BenchHerd.h"
#include "boars/BoarHistory.h"
#include "common/HogGlobals.h"
#include "common/NumberText.h"
#include "platform/Services.h"
#include "records/RecordIo.h"
#include "records/RecordSlots.h"
#include "sows/HogSow1.h"
#include "common/DataFiles.h"
#include "sows/SowHistory.h"
#include "sows/SowListLine.h"
#include "sows/SowPages.h"
#include "sows/SowQuery.h"

namespace {

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

std::string g_sowPath, g_farrowPath, g_boarPath;

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

std::string compareRows(const HogSow1& w, const std::vector<std::pair<std::string, long>>& expected) {
  if (w.SowList->ListCount() != static_cast<int>(expected.size()))
    return "shows " + std::to_string(w.SowList->ListCount()) + " rows, expected " + std::to_string(expected.size());
  for (int i = 0; i < w.SowList->ListCount(); ++i)
    if (w.SowList->List(i) != expected[static_cast<size_t>(i)].first ||
        w.SowList->ItemData(i) != expected[static_cast<size_t>(i)].second)
      return "row " + std::to_string(i + 1) + " differs";
  return "";
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

struct ListQuery {
  const char* code;
  const char* criterion;
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
  const BenchHerd herd = MakeBenchHerd();
  if (!WriteBenchHerd(herd, DataFolder)) {
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
  {
    Operation op;
    op.name = "list window opens on page 1";
    op.files = {g_sowPath};
    op.before = [&window] { window.reset(); };
    op.run = [&window] {
      window = std::make_unique<HogSow1>();
      window->Show();
    };
    op.after = [&window] {
      window->Unload();
      window.reset();
    };
    op.check = [&](std::string& result) {
      window = std::make_unique<HogSow1>();
      window->Show();
      result = std::to_string(window->SowList->ListCount());
      std::string differs = compareRows(*window, pageOneByOne(active, 1));
      if (window->SQDisp->Caption() != "All ACTIVE SOW's.  PAGE 1") differs += " caption " + window->SQDisp->Caption();
      window.reset();
      return differs;
    };
    ops.push_back(op);
  }
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
      const long count = static_cast<long>(recordByRecord<BoarRecord>(g_boarPath).size());
      for (CurrentBoarRec = 1; CurrentBoarRec <= count; ++CurrentBoarRec) {
        LoadBoarHistory(herdLitters);
        if (!records::IsFreeId(BoarRec.Id)) one.push_back(boarFigures());
      }
      return compareFigures(all, one, "boar");
    };
    ops.push_back(op);
  }

  std::printf("TARLOWE benchmark: %zu sows, %zu litter records, %zu boars in %s\n", herd.sows.size(),
              herd.litters.size(), herd.boars.size(), DataFolder.c_str());
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
  std::printf("\n%d of %d operations over %.0fx their floor; %d with wrong figures\n", over, timed, kTarget, wrong);
  platform::services().setDialogs(nullptr);
  return wrong ? 1 : over ? 2 : 0;
}
