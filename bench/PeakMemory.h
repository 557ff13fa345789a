#pragma once
// A click's peak memory, as the desktop shows it for the program's process
// (VmHWM): the click is run once more in a process of its own, the bench
// started again as `tarlowe_bench --peak FOLDER NAME`. There the program
// starts up to its main window and waits as on the desktop (its windows
// painted, its memory given back by its own process settings), the bench's
// operations are made on the farm already written in FOLDER, `before` opens
// the click's windows, the program waits again, then the click runs and
// the program waits once more. So what the desktop counts is counted: the
// libraries' pages the windows touch first, what they paint, the memory the
// allocator keeps, and nothing left by the bench's other runs. What the
// bench itself holds there (its operations, the files they keep) is told
// apart: the peak shown is what the program held at its main window plus
// the most the process held above what it held once the operations were
// made. See bench/README.md.
#include <optional>
#include <string>
#include <vector>

#include "bench/BenchRun.h"

// Notes what the process holds now, with the program at its main window
// (StartProgramAtMainWindow): its code, Qt and its libraries, the window.
void NoteStartMemory();
// What NoteStartMemory noted, in MB; -1 when it could not be read.
double StartMemoryMb();

// The peak of operation `name`, in MB, from its run of its own on the farm
// in DataFolder: -1 when the system cannot tell a peak (VmHWM cannot be
// reset); nothing when that run failed (it says why on stderr).
std::optional<double> PeakInOwnProcess(const std::string& name);

// In the process of its own: runs operation `name` of `ops` as above and
// writes its peak on stdout for PeakInOwnProcess; answers the exit code, 1
// when there is no such operation or its run showed a box or window it does
// not expect.
int ReportPeak(std::vector<Operation>& ops, const std::string& name, BenchDialogs& dialogs, BenchWindows& windows);
