#pragma once
// The actions that write more than one data file or write through a journal,
// each over a small herd and run through its window as the user runs it: the
// files it writes, how the herd is set up, how the action is run (boxes
// answered), the title and outcome of the box a file fault ends it with, and
// its name. Some make a file that was not there: the farm's first sale makes
// SALES.DAT, a new feed batch the year's FEED<yyyy>.DAT.
//
//   for (const MultiFileAction& a : MultiFileActions()) {
//     TestPlatform tp;
//     a.setUp(tp);
//     a.run(tp);
//   }
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "support/TestPlatform.h"

struct MultiFileAction {
  std::string name;
  std::vector<std::string> files;           // the data files it writes (or makes)
  std::function<void(TestPlatform&)> setUp;  // the files before, and the module-level values
  std::function<void(TestPlatform&)> run;    // the action, as the user runs it
  std::string title;                         // the title of its fault box
  std::string undone;                        // what that box says was done
  std::string action;                        // its name, as the start-up names it when it undoes it
};

// Names a row of a table over the actions.
inline void PrintTo(const MultiFileAction& a, std::ostream* os) { *os << a.name; }

const std::vector<MultiFileAction>& MultiFileActions();
