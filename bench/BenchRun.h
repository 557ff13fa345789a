#pragma once
// The benchmark's operations and how they are run: each timed run against
// its floor (the files it declares read once each, warm, into memory already
// touched), the files it actually opened heard through the platform's file
// hook and compared with what it declares, and its figures checked once
// against expectations the bench builds on its own.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/Dialogs.h"
#include "platform/FileSystem.h"

// A file an operation opens to read from, and how often one run does.
struct FileUse {
  std::string path;
  platform::FileOpening how = platform::FileOpening::WholeRead;
  int times = 1;
  int recordBytes = 0;  // a record file: the bytes of the record it reads, if any
};
inline FileUse Whole(const std::string& path, int times = 1) {
  return {path, platform::FileOpening::WholeRead, times};
}
// A record file opened to write a record, or to read one of `recordBytes`.
inline FileUse Records(const std::string& path, int times = 1, int recordBytes = 0) {
  return {path, platform::FileOpening::RecordFile, times, recordBytes};
}

// What one run makes for the user to see: texts (list rows, grid cells,
// printed texts) and their characters, which a check tells with MadeTexts
// (each call adds);
// the run's floor then also makes as many texts of as many characters, each
// copied whole into a new string from the bytes the floor read: the least a
// program must do to list or print them. An operation that reads no file
// but makes texts is compared with that alone.
struct Made {
  long texts = 0;
  long long chars = 0;
};
void MadeTexts(long texts, long long chars);
void MadeTexts(const std::vector<std::string>& texts);

// The time of the parts of a run that a click does, when a run is more than
// one click (the steps between are not timed, and their files are not
// counted as the operation's).
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

struct Operation {
  std::string name;
  // What one run opens to read from. The floor reads each of these once per
  // time (a record file: opened and closed), into memory already touched.
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
  std::function<void()> before, after;  // untimed, around each run
  // The titles of the boxes a run shows and the user answers Yes (or OK).
  std::vector<std::string> boxes;
  // The input boxes a run shows, by title, and what is typed in them.
  std::vector<std::pair<std::string, std::string>> typed;
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

// Runs the operations whose name holds `only`, `runs` times each, prints the
// table and answers the exit code: 1 when a figure is wrong or a run read
// other files than it declares (or showed a box), 2 when an operation is over
// `target` times its floor, else 0.
int RunOperations(std::vector<Operation>& ops, int runs, const std::string& only, double target,
                  BenchDialogs& dialogs);

// The files an operation declared, against those it opened: "" when they
// agree.
std::string CompareReads(const std::vector<FileUse>& declared,
                         const std::vector<std::pair<std::string, platform::FileOpening>>& opened);
