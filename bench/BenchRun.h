#pragma once
// The benchmark's operations and how they are run: each checked once against
// expectations the bench builds on its own, then timed against the budget of
// a click, the files and records each run reads heard through the platform's
// file hook and compared with what the operation declares. See
// bench/README.md.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/Form.h"

// The most a click may take on the full farm, in ms.
inline constexpr double kClickBudgetMs = 100;
// The most memory the program may hold at the peak of a click on the full
// farm, in MB.
inline constexpr double kPeakBudgetMb = 60;

// A file an operation reads, and how much of it one run reads: a whole-file
// read so many times, or a record file opened so many times with so many
// records read from it (each of `recordBytes`).
struct FileUse {
  std::string path;
  platform::FileOpening how = platform::FileOpening::WholeRead;
  int times = 1;
  int records = 0;
  int recordBytes = 0;
};
inline FileUse Whole(const std::string& path, int times = 1) {
  return {path, platform::FileOpening::WholeRead, times, 0, 0};
}
// A record file opened `opens` times (to read records or to write them) and
// `records` records of `recordBytes` read from it.
inline FileUse Records(const std::string& path, int opens, int records = 0, int recordBytes = 0) {
  return {path, platform::FileOpening::RecordFile, opens, records, recordBytes};
}

// What one run makes for the user to see: texts (list rows, grid cells,
// printed texts) and their characters, which a check tells with MadeTexts
// (each call adds); the run's floor then also makes as many texts of as
// many characters, each copied whole into a new string from the bytes the
// floor read: the least a program must do to list or print them.
struct Made {
  long texts = 0;
  long long chars = 0;
};
void MadeTexts(long texts, long long chars);
void MadeTexts(const std::vector<std::string>& texts);

// The time of the parts of a run that are clicks, when a run is more than
// one click (the steps between are not timed, and their files are not
// counted as the operation's). A lapped run's time is the mean of its clicks.
class Laps {
 public:
  void start();
  void stop();
  double ms() const { return ms_; }
  int count() const { return count_; }

 private:
  double ms_ = 0;
  int count_ = 0;
  double started_ = 0;
};

// The bench's boxes: none is shown. A box whose title an operation expects
// (the question a click asks, the report it ends with) is answered Yes (or
// OK); any other box is counted, and makes the run wrong.
class BenchDialogs : public platform::Dialogs {
 public:
  std::vector<std::string> expected;
  // The input boxes expected, by title, and what the user types in them.
  std::vector<std::pair<std::string, std::string>> typed;
  int unexpected = 0;
  int msgBox(const std::string& text, int buttons, const std::string& title) override;
  std::optional<std::string> inputBox(const std::string& prompt, const std::string& title, const std::string&, int,
                                      int) override;
  void beep() override {}
};

// What the user does in a modal window a click opens, by the window's name.
using WindowScript = std::function<void(platform::Form&)>;

// The bench's modal windows: each runs the script the operation gives for
// its name, then is hidden if still shown; a window without a script is
// counted, and makes the run wrong.
class BenchWindows : public platform::WindowDriver {
 public:
  std::vector<std::pair<std::string, WindowScript>> scripts;
  int unexpected = 0;
  void runModal(platform::Form& form) override;
};

struct Operation {
  std::string name;
  // What one run reads. The floor reads the same.
  std::vector<FileUse> reads;
  // An operation that reads no file and makes no text has no floor: its own
  // time is shown, without a ratio (also an operation timed per unit).
  bool ratio = true;
  // Timed: the whole call, or the laps it marks.
  std::function<void()> run;
  std::function<void(Laps&)> lapped;
  // Runs once before the timing and compares the figures with the bench's
  // own expectations: "" when they agree, else what differs; `result` gets a
  // figure to show.
  std::function<std::string(std::string& result)> check;
  // Untimed, around each run and after the check: a click that writes puts
  // the farm back in `after`.
  std::function<void()> before, after;
  // The titles of the boxes a run shows and the user answers Yes (or OK).
  std::vector<std::string> boxes;
  // The input boxes a run shows, by title, and what is typed in them.
  std::vector<std::pair<std::string, std::string>> typed;
  // The modal windows a run opens, by name, and what the user does in them.
  std::vector<std::pair<std::string, WindowScript>> windows;
  // What the time column shows: the run's ms, or the ms of each of
  // `perUnit()` units (pages printed) with no ratio.
  std::function<int()> perUnit;
};

// The dump of every text the checks see (TARLOWE_BENCH_DUMP names its file):
// each operation's list rows with their item data, grid cells and printed
// items with their places, so that two builds can be compared byte for byte.
void OpenDump(const std::string& path);
void DumpLine(std::string line);  // nothing while no dump is open
void DumpPrinted();               // the recording printer's items, then forgets them

// One take of the floor of a run that reads `reads` and makes `made`, in ms.
double FloorTake(const std::vector<FileUse>& reads, const Made& made);

enum class RunMode {
  Timed,  // each operation checked, then run `runs` times and timed
  Check,  // each operation checked and run once for its reads, no timing
};

// Runs the operations whose name holds `only` and answers the exit code: 1
// when a figure is wrong, a run read other files or records than it
// declares, or showed a box or window it does not expect; else, timed, 2
// when an operation's median is over the budget of a click, or its peak
// over the budget of memory (PeakInOwnProcess); else 0.
int RunOperations(std::vector<Operation>& ops, RunMode mode, int runs, const std::string& only,
                  BenchDialogs& dialogs, BenchWindows& windows);

// What a run read, as the file hook tells it.
using HeardReads = std::vector<std::pair<std::string, platform::FileOpening>>;
// The reads an operation declared against those a run made: "" when they
// agree.
std::string CompareReads(const std::vector<FileUse>& declared, const HeardReads& heard);
