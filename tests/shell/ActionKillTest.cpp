// Every action that writes several data files, stopped dead in the middle:
// a child process runs the action and is killed before its k-th write of
// file bytes or step that changes the disk (its journal's included), or
// after its k-th write has taken half of its bytes, for k = 0, 1, ... until
// it runs to its end. Then the start-up's roll-back runs: every file of the
// data folder holds all its bytes of before the action or, all of them, those
// of after it, and one box names the action, undone or stored, exactly when
// a whole journal was left. A run killed after the action reported it stored,
// its journal's removal lost, keeps it.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>

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
std::string g_journal, g_journalCopy;  // the child's journal, and where it copies it at each step

void killAtStep() {
  if (std::ifstream journal{g_journal, std::ios::binary}) std::ofstream(g_journalCopy, std::ios::binary) << journal.rdbuf();
  if (g_kill.dying || (g_kill.how == Kill::Before && g_kill.left-- == 0)) ::raise(SIGKILL);
}

platform::DiskAnswer killAtWrite(int, long long, const uint8_t*, size_t size) {
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

// The boxes that name the action: undone when `undone`, else stored.
int actionBoxes(const std::vector<ShownBox>& boxes, const std::string& action, bool undone) {
  for (const ShownBox& box : boxes) {
    EXPECT_EQ(box.title, undone ? kUndoneTitle : kStoredTitle);
    EXPECT_EQ(box.text.rfind("THE LAST " + action + (undone ? " WAS NOT FINISHED!\r" : " WAS STORED.\r"), 0), 0u)
        << box.text;
  }
  return static_cast<int>(boxes.size());
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
  int undone = 0, told = 0;
  for (bool ended = false; !ended; ++k) {
    ASSERT_LT(k, 1000) << "the action never ran to its end";
    SCOPED_TRACE("killed at point " + std::to_string(k));
    TestPlatform tp;
    a.setUp(tp);
    g_journal = tp.path(kJournalName);
    g_journalCopy = tp.path("../copy.jnl");
    ended = runKilledAt(how, k, a, tp);
    const FolderBytes left = folderBytes(tp.home());
    const bool whole = left.count(kJournalName) &&
                       DecodeJournal({left.at(kJournalName).begin(), left.at(kJournalName).end()}).is ==
                           JournalRead::Is::Whole;
    UndoUnfinishedAction();
    const FolderBytes now = folderBytes(tp.home());
    EXPECT_TRUE(now == before || now == after);
    if (ended) EXPECT_EQ(now, after);
    EXPECT_EQ(actionBoxes(tp.dialogs.shown, a.action, now == before), whole ? 1 : 0);
    undone += withoutJournal(left) != now;
    told += whole;
    tp.dialogs.clear();
    UndoUnfinishedAction();  // told once: nothing is left to undo
    EXPECT_TRUE(tp.dialogs.shown.empty());
    if (!ended) continue;
    writeFile(g_journal, readFile(g_journalCopy));  // its removal lost to a power cut
    UndoUnfinishedAction();
    EXPECT_EQ(folderBytes(tp.home()), after);
    EXPECT_EQ(actionBoxes(tp.dialogs.shown, a.action, false), 1);
  }
  EXPECT_GT(k, 3);       // stopped at several points before it ended
  EXPECT_GT(told, 0);                               // some stops left a whole journal
  if (how == Kill::Before) EXPECT_GT(undone, 0);  // and files to put back
}

INSTANTIATE_TEST_SUITE_P(Actions, KilledActions,
                         ::testing::Combine(::testing::ValuesIn(MultiFileActions()),
                                            ::testing::Values(Kill::Before, Kill::Torn)),
                         [](const auto& info) {
                           return std::get<0>(info.param).name +
                                  (std::get<1>(info.param) == Kill::Before ? "_KilledBefore" : "_TornThenKilled");
                         });

}  // namespace
