#include "bench/BenchRun.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

#include "bench/PeakMemory.h"
#include "common/HogGlobals.h"
#include "platform/ProcessSettings.h"

namespace {

bool g_recording = false;
HeardReads g_heard;

void hear(const std::string& path, platform::FileOpening how) {
  if (g_recording) g_heard.emplace_back(path, how);
}

double now() {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

double median(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  const size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

volatile long g_floorSink = 0;

// The memory each file's floor reads into: made and touched once, then read
// into at every take, as the program's reads land in memory its heap has
// already used.
std::map<std::string, std::vector<uint8_t>> g_floorMemory;

void readInto(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  struct stat st {};
  if (fd < 0 || ::fstat(fd, &st) != 0) {
    std::fprintf(stderr, "the floor cannot read %s\n", path.c_str());
    std::exit(1);
  }
  std::vector<uint8_t>& memory = g_floorMemory[path];
  const size_t size = static_cast<size_t>(st.st_size);
  if (memory.size() < size) memory.resize(size, 1);
  size_t done = 0;
  while (done < size) {
    const ssize_t got = ::read(fd, memory.data() + done, size - done);
    if (got <= 0) break;
    done += static_cast<size_t>(got);
  }
  ::close(fd);
  if (size > 0) g_floorSink = g_floorSink + memory[size - 1];
}

// A record file opened and closed `opens` times; while it is first open,
// `records` records of `bytes` read from it, one after another from its
// first.
void openAndRead(const std::string& path, int opens, int records, int bytes) {
  std::vector<uint8_t>& memory = g_floorMemory[path + "#record"];
  memory.resize(static_cast<size_t>(std::max(bytes, 1)), 1);
  for (int k = 0; k < std::max(opens, 1); ++k) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
      std::fprintf(stderr, "the floor cannot open %s\n", path.c_str());
      std::exit(1);
    }
    if (k == 0)
      for (int r = 0; r < records; ++r)
        if (::pread(fd, memory.data(), static_cast<size_t>(bytes), static_cast<off_t>(r) * bytes) > 0)
          g_floorSink = g_floorSink + memory[0];
    ::close(fd);
  }
}

// The texts of the floor: their strings (kept between takes, so only the
// texts are new at each take) and the bytes they are copied from.
std::vector<std::string> g_floorTexts;
std::vector<char> g_textSource;

// `made.texts` strings of `made.chars` characters in all, each copied whole
// from the bytes of `source` (from its start again when they run out).
void makeTexts(const Made& made, const std::vector<uint8_t>* source) {
  const size_t width = static_cast<size_t>(made.chars / made.texts);
  if (g_textSource.size() < width) g_textSource.assign(width, 'x');
  const char* bytes = source && source->size() >= width ? reinterpret_cast<const char*>(source->data())
                                                         : g_textSource.data();
  const size_t size = source && source->size() >= width ? source->size() : width;
  g_floorTexts.clear();
  g_floorTexts.reserve(static_cast<size_t>(made.texts));
  size_t at = 0;
  for (long i = 0; i < made.texts; ++i) {
    if (at + width > size) at = 0;
    g_floorTexts.emplace_back(bytes + at, width);
    at += width;
  }
}

}  // namespace

// One take of the floor: each file read (a record file opened, and its
// record read) once, timed, times the number of times a run reads it; then
// the texts a run makes, made from the bytes read.
double FloorTake(const std::vector<FileUse>& reads, const Made& made) {
  double total = 0;
  const std::vector<uint8_t>* source = nullptr;
  for (const FileUse& use : reads) {
    const double start = now();
    if (use.how == platform::FileOpening::RecordFile) {
      openAndRead(use.path, use.times, use.records, use.recordBytes);
      total += now() - start;
    } else {
      readInto(use.path);
      total += (now() - start) * use.times;
    }
    if (!source && use.how == platform::FileOpening::WholeRead) source = &g_floorMemory[use.path];
  }
  if (made.texts > 0 && made.chars >= made.texts) {
    const double start = now();
    makeTexts(made, source);
    total += now() - start;
    g_floorSink = g_floorSink + static_cast<long>(g_floorTexts.back().size());
    g_floorTexts.clear();
  }
  return total;
}

namespace {

constexpr int kFloorTakes = 5;  // per run; their median is the run's floor

const char* howWord(platform::FileOpening how) {
  switch (how) {
    case platform::FileOpening::WholeRead: return "read whole";
    case platform::FileOpening::RecordFile: return "opened as a record file";
    case platform::FileOpening::RecordRead: return "records read";
    default: return "copied";
  }
}

std::string shortName(const std::string& path) { return path.substr(path.rfind('/') + 1); }

Made g_made;
std::FILE* g_dump = nullptr;

}  // namespace

void OpenDump(const std::string& path) { g_dump = std::fopen(path.c_str(), "w"); }

void DumpLine(std::string line) {
  if (!g_dump) return;
  for (size_t at = line.find(DataFolder); !DataFolder.empty() && at != std::string::npos; at = line.find(DataFolder))
    line.replace(at, DataFolder.size(), "<data>/");
  std::fprintf(g_dump, "%s\n", line.c_str());
}

void MadeTexts(long texts, long long chars) {
  g_made.texts += texts;
  g_made.chars += chars;
}

void MadeTexts(const std::vector<std::string>& texts) {
  long long chars = 0;
  for (const std::string& t : texts) chars += static_cast<long long>(t.size());
  MadeTexts(static_cast<long>(texts.size()), chars);
}

int BenchDialogs::msgBox(const std::string& text, int buttons, const std::string& title) {
  if (std::find(expected.begin(), expected.end(), title) != expected.end())
    return (buttons & 7) == platform::vbYesNo || (buttons & 7) == platform::vbYesNoCancel ? platform::vbYes
                                                                                          : platform::vbOK;
  ++unexpected;
  std::fprintf(stderr, "box \"%s\": %s\n", title.c_str(), text.c_str());
  return platform::vbOK;
}

std::optional<std::string> BenchDialogs::inputBox(const std::string& prompt, const std::string& title,
                                                  const std::string&, int, int) {
  for (const auto& [expectedTitle, text] : typed)
    if (expectedTitle == title) return text;
  ++unexpected;
  std::fprintf(stderr, "input box \"%s\": %s\n", title.c_str(), prompt.c_str());
  return std::nullopt;
}

void BenchWindows::runModal(platform::Form& form) {
  const std::string name = form.objectName().toStdString();
  const auto script = std::find_if(scripts.begin(), scripts.end(), [&name](const auto& s) { return s.first == name; });
  if (script == scripts.end()) {
    ++unexpected;
    std::fprintf(stderr, "window \"%s\" shown\n", name.c_str());
  } else {
    script->second(form);
  }
  if (form.IsLoaded() && form.isVisible()) form.Hide();
}

void Laps::start() {
  started_ = now();
  g_recording = true;
}

void Laps::stop() {
  g_recording = false;
  // The program gives the memory freed back when its event loop waits, at
  // the end of the click.
  platform::EventLoopWaits();
  ms_ += now() - started_;
  ++count_;
}

std::string CompareReads(const std::vector<FileUse>& declared, const HeardReads& heard) {
  std::map<std::pair<std::string, platform::FileOpening>, int> count;
  for (const FileUse& use : declared) {
    count[{use.path, use.how}] += use.times;
    if (use.records > 0) count[{use.path, platform::FileOpening::RecordRead}] += use.records;
  }
  for (const auto& h : heard) count[h] -= 1;
  std::string differs;
  for (const auto& [file, n] : count) {
    if (n == 0) continue;
    if (!differs.empty()) differs += "; ";
    differs += shortName(file.first) + " " + howWord(file.second) + " " +
               (n > 0 ? std::to_string(n) + " times fewer" : std::to_string(-n) + " times more") +
               " than declared";
  }
  return differs;
}

namespace {

// The click (or its laps) of one run of `op`, with the file hook recording
// what it reads into `heard`. Answers the number of clicks timed: the laps,
// or `perUnit()` units.
int timeClicks(Operation& op, Laps& laps, HeardReads& heard) {
  g_heard.clear();
  if (op.lapped) {
    op.lapped(laps);
  } else {
    laps.start();
    op.run();
    laps.stop();
  }
  g_recording = false;
  heard = g_heard;
  return std::max(1, op.perUnit ? op.perUnit() : laps.count());
}

// What the run showed that it should not have: boxes and windows.
std::string unexpectedShown(BenchDialogs& dialogs, BenchWindows& windows) {
  std::string shown;
  if (dialogs.unexpected > 0) shown = std::to_string(dialogs.unexpected) + " boxes shown";
  if (windows.unexpected > 0)
    shown += (shown.empty() ? "" : "; ") + std::to_string(windows.unexpected) + " windows shown";
  return shown;
}

void add(std::string& to, const std::string& what) {
  if (!what.empty()) to += (to.empty() ? "" : "; ") + what;
}

}  // namespace

int RunOperations(std::vector<Operation>& ops, RunMode mode, int runs, const std::string& only,
                  BenchDialogs& dialogs, BenchWindows& windows) {
  const bool timed = mode == RunMode::Timed;
  platform::setFileOpenHook(hear);
  if (timed)
    std::printf("%-56s %9s %10s %9s %6s %8s\n", "operation", "result", "median ms", "floor ms", "ratio", "peak MB");
  else std::printf("%-56s %9s\n", "operation", "result");
  int wrong = 0, over = 0, counted = 0;
  std::pair<double, std::string> slowest{-1, ""}, heaviest{-1, ""};
  for (Operation& op : ops) {
    if (op.name.find(only) == std::string::npos) continue;
    ++counted;
    std::string result;
    dialogs.expected = op.boxes;
    dialogs.typed = op.typed;
    dialogs.unexpected = 0;
    windows.scripts = op.windows;
    windows.unexpected = 0;
    g_made = {};
    DumpLine("== " + op.name);
    std::string differs = op.check(result);
    DumpPrinted();
    DumpLine("result " + result);
    if (op.after) op.after();
    const Made made = g_made;
    const bool ratio = timed && op.ratio && !op.perUnit && (!op.reads.empty() || made.texts > 0);
    std::vector<double> times, floors;
    std::string readsDiffer;
    for (int i = 0; i < (timed ? runs : 1); ++i) {
      if (op.before) op.before();
      double floor = 0;
      if (ratio) {
        std::vector<double> takes;
        for (int k = 0; k < kFloorTakes; ++k) takes.push_back(FloorTake(op.reads, made));
        floor = median(takes);
      }
      // The program waits for the click: what the steps before it freed is
      // given back, as when its event loop waits.
      platform::EventLoopWaits();
      Laps laps;
      HeardReads heardReads;
      const int clicks = timeClicks(op, laps, heardReads);
      times.push_back(laps.ms() / clicks);
      floors.push_back(floor / clicks);
      if (readsDiffer.empty()) readsDiffer = CompareReads(op.reads, heardReads);
      if (op.after) op.after();
    }
    if (!readsDiffer.empty()) add(differs, "reads: " + readsDiffer);
    add(differs, unexpectedShown(dialogs, windows));
    // The peak is taken in a run of the program of its own; what that run
    // wrote is put back there, and here again in case it stopped short.
    std::optional<double> peak;
    if (timed) {
      peak = PeakInOwnProcess(op.name);
      if (op.after) op.after();
      if (!peak) add(differs, "the run of its own that tells its peak failed");
    }
    const bool bad = !differs.empty();
    wrong += bad;
    if (!timed) {
      std::printf("%-56s %9s%s\n", op.name.c_str(), result.c_str(), bad ? "  WRONG" : "");
    } else {
      const double t = median(times), mb = peak.value_or(-1);
      const bool slow = t > kClickBudgetMs, heavy = mb > kPeakBudgetMb;
      over += slow || heavy;
      slowest = std::max(slowest, {t, op.name});
      heaviest = std::max(heaviest, {mb, op.name});
      const std::string mark = bad ? "  WRONG"
                               : std::string(slow ? "  over 100 ms" : "") + (heavy ? "  over 60 MB" : "");
      char floorText[32] = "-", ratioText[32] = "-", peakText[32] = "-";
      if (ratio) {
        const double f = median(floors);
        std::snprintf(floorText, sizeof floorText, "%.3f", f);
        std::snprintf(ratioText, sizeof ratioText, "%.1f", t / f);
      }
      if (mb >= 0) std::snprintf(peakText, sizeof peakText, "%.1f", mb);
      std::printf("%-56s %9s %10.3f %9s %6s %8s%s\n", op.name.c_str(), result.c_str(), t, floorText, ratioText,
                  peakText, mark.c_str());
    }
    if (bad) std::printf("    %s\n", differs.c_str());
    std::fflush(stdout);
  }
  platform::setFileOpenHook(nullptr);
  dialogs.expected.clear();
  dialogs.typed.clear();
  windows.scripts.clear();
  if (timed && slowest.first >= 0) std::printf("\nthe slowest click: %.3f ms (%s)\n", slowest.first, slowest.second.c_str());
  if (timed && heaviest.first >= 0)
    std::printf("the most memory at a peak: %.1f MB (%s)\n", heaviest.first, heaviest.second.c_str());
  if (timed)
    std::printf("\n%d of %d operations over %.0f ms a click or %.0f MB at the peak; %d wrong (figures, reads, boxes "
                "or windows)\n",
                over, counted, kClickBudgetMs, kPeakBudgetMb, wrong);
  else
    std::printf("\n%d operations checked; %d wrong (figures, reads, boxes or windows)\n", counted, wrong);
  return wrong ? 1 : over ? 2 : 0;
}
