// Every action that writes several data files, stopped dead in the middle:
// a child process runs the action and is killed before its k-th write of
// file bytes or step that changes the disk (its journal's included), or
// after its k-th write has taken half of its bytes, for k = 0, 1, ... until
// it runs to its end. Then the start-up's roll-back runs: every file of the
// data folder holds all its bytes of before the action or, all of them, those
// of after it, and one box names the action undone exactly when the roll-back
// changed a file.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include "common/WriteJournal.h"
#include "platform/FileSystem.h"
#include "shell/HogStartUp.h"
#include "support/MultiFileActions.h"

namespace {

// How the child is stopped at its k-th point.
enum class Kill {
  Before,  // before its k-th write or disk step
  Torn,    // its k-th write takes half of its bytes and fails; killed at the next point
};

struct KillState {
  Kill how = Kill::Before;
  long left = 0;       // points (Before) or writes (Torn) before the kill
  bool dying = false;  // the torn write was made: the next point kills
};
KillState g_kill;

void killAtStep() {
  if (g_kill.dying || (g_kill.how == Kill::Before && g_kill.left-- == 0)) ::raise(SIGKILL);
}

platform::DiskAnswer killAtWrite(int, long long, size_t size) {
  if (g_kill.dying || (g_kill.how == Kill::Before && g_kill.left-- == 0)) ::raise(SIGKILL);
  if (g_kill.how == Kill::Torn && g_kill.left-- == 0) {
    g_kill.dying = true;
    return {size / 2, EIO};
  }
  return {size, 0};
}

// Runs the action in a child process stopped at its k-th point; true when it
// ran to its end instead.
bool runKilledAt(Kill how, long k, const MultiFileAction& a, TestPlatform& tp) {
  const pid_t child = ::fork();
  if (child == 0) {
    g_kill = {how, k, false};
    platform::setFileStepHook(killAtStep);
    platform::setDiskWriteHook(killAtWrite);
    a.run(tp);
    ::_exit(0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status);
}

FolderBytes withoutJournal(FolderBytes files) {
  files.erase(kJournalName);
  return files;
}

int undoneBoxes(const std::vector<ShownBox>& boxes, const std::string& action) {
  int shown = 0;
  for (const ShownBox& box : boxes) {
    if (box.title != kUndoneTitle) continue;
    ++shown;
    EXPECT_EQ(box.text.rfind("THE LAST " + action + " WAS NOT FINISHED!\r", 0), 0u) << box.text;
  }
  return shown;
}

class KilledActions : public ::testing::TestWithParam<std::tuple<MultiFileAction, Kill>> {};

TEST_P(KilledActions, AreUndoneAtTheNextStartAndToldOnce) {
  const MultiFileAction& a = std::get<0>(GetParam());
  const Kill how = std::get<1>(GetParam());
  FolderBytes before, after;
  {
    TestPlatform tp;
    a.setUp(tp);
    before = folderBytes(tp.home());
    a.run(tp);
    after = folderBytes(tp.home());
  }
  ASSERT_NE(before, after);
  long k = 0;
  int undone = 0;
  for (bool ended = false; !ended; ++k) {
    ASSERT_LT(k, 1000) << "the action never ran to its end";
    SCOPED_TRACE("killed at point " + std::to_string(k));
    TestPlatform tp;
    a.setUp(tp);
    ended = runKilledAt(how, k, a, tp);
    const FolderBytes left = folderBytes(tp.home());
    UndoUnfinishedAction();
    const FolderBytes now = folderBytes(tp.home());
    EXPECT_TRUE(now == before || now == after);
    if (ended) EXPECT_EQ(now, after);
    const bool changed = withoutJournal(left) != now;
    EXPECT_EQ(undoneBoxes(tp.dialogs.shown, a.action), changed ? 1 : 0);
    undone += changed;
    tp.dialogs.clear();
    UndoUnfinishedAction();  // told once: nothing is left to undo
    EXPECT_TRUE(tp.dialogs.shown.empty());
  }
  EXPECT_GT(k, 3);       // stopped at several points before it ended
  EXPECT_GT(undone, 0);  // some stops left files to put back
}

INSTANTIATE_TEST_SUITE_P(Actions, KilledActions,
                         ::testing::Combine(::testing::ValuesIn(MultiFileActions()),
                                            ::testing::Values(Kill::Before, Kill::Torn)),
                         [](const auto& info) {
                           return std::get<0>(info.param).name +
                                  (std::get<1>(info.param) == Kill::Before ? "_KilledBefore" : "_TornThenKilled");
                         });

}  // namespace
