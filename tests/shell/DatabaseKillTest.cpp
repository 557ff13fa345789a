// The UTILITIES operations stopped dead between any two steps that change
// the disk: each runs in a child process killed before its k-th step, for
// k = 0, 1, ... until it runs to its end. After every kill each file of the
// folder written holds its old bytes or its new ones (a file that was not
// there may still be missing), and the folder read from is untouched.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include "records/SowRecord.h"
#include "shell/DatabaseFixture.h"
#include "shell/DatabaseUtilities.h"
#include "support/RecordBuilders.h"

namespace {

int g_stepsLeft = 0;
void killAtStep() {
  if (g_stepsLeft-- == 0) ::raise(SIGKILL);
}

// Runs `operation` in a child process killed before its k-th step; true when
// it ran to its end instead.
bool runKilledBefore(int k, const std::function<void()>& operation) {
  const pid_t child = ::fork();
  if (child == 0) {
    g_stepsLeft = k;
    platform::setFileStepHook(killAtStep);
    operation();
    ::_exit(0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status);
}

// The folder without the temporary files a kill may leave.
FolderBytes withoutTemporaries(FolderBytes files) {
  std::erase_if(files, [](const auto& file) {
    const std::string& name = file.first;
    return name == "SOW.TMP" || (name.size() > 4 && name.compare(name.size() - 4, 4, ".tmp") == 0);
  });
  return files;
}

// Some bytes of each file of the herd, told apart by `mark`; SOW.DAT spans
// several blocks of a copy.
FolderBytes herdMarked(char mark) {
  return {{"BOAR.DAT", std::string(3000, mark)}, {"SOW.DAT", std::string(200000, mark)},
          {"FEED.LST", std::string(10, mark)}, {"DRUG.LST", std::string(500, mark)}};
}

}  // namespace

struct KilledOperation {
  const char* name;
  // Makes the folders as they stand before the operation; answers the
  // folder it writes, with its bytes before and after, and the folder it
  // reads.
  std::function<void(DatabaseTest&)> arrange;
  std::function<void(DatabaseTest&)> run;
  std::function<std::string(DatabaseTest&)> written;
  std::function<FolderBytes(DatabaseTest&)> before, after;
  std::function<std::string(DatabaseTest&)> read;
};

inline void PrintTo(const KilledOperation& op, std::ostream* os) { *os << op.name; }

class KilledOperations : public DatabaseTest, public ::testing::WithParamInterface<KilledOperation> {};

TEST_P(KilledOperations, LeaveEveryFileOldOrNew) {
  const KilledOperation& op = GetParam();
  int k = 0;
  for (bool ended = false; !ended; ++k) {
    ASSERT_LT(k, 1000) << "the operation never ran to its end";
    std::filesystem::remove_all(tp.path("B"));
    std::filesystem::remove_all(data);
    writeFolder(data, herd);
    op.arrange(*this);
    const FolderBytes readBefore = folderBytes(op.read(*this));
    ended = runKilledBefore(k, [&] { op.run(*this); });
    SCOPED_TRACE("killed before step " + std::to_string(k));
    const FolderBytes old = op.before(*this), now = op.after(*this);
    const FolderBytes seen = withoutTemporaries(folderBytes(op.written(*this)));
    for (const auto& [name, bytes] : seen) {
      SCOPED_TRACE(name);
      const bool wasOld = old.count(name) && old.at(name) == bytes;
      const bool isNew = now.count(name) && now.at(name) == bytes;
      EXPECT_TRUE(wasOld || isNew);
    }
    for (const auto& [name, bytes] : old) EXPECT_TRUE(seen.count(name)) << name << " lost";
    if (op.read(*this) != op.written(*this)) EXPECT_EQ(folderBytes(op.read(*this)), readBefore);
    if (ended) EXPECT_EQ(folderBytes(op.written(*this)), now);
  }
  EXPECT_GT(k, 3);  // killed at several points before it ended
}

namespace {
// The herd with SOW.DAT holding blank records among live ones, and the same
// compacted.
std::string sowsWithBlanks() {
  return recordBytes<SowRecord>({aSow(""), aSow("S1"), aSow(""), aSow("S2"), aSow("")});
}
std::string sowsCompacted() { return recordBytes<SowRecord>({aSow("S1"), aSow("S2")}); }
}  // namespace

INSTANTIATE_TEST_SUITE_P(
    UtilMenu, KilledOperations,
    ::testing::Values(
        KilledOperation{"BackUpOverAnOlderBackUp",
                        [](DatabaseTest& t) {
                          writeFolder(t.data, herdMarked('n'));
                          writeFolder(t.tp.path("B"), herdMarked('o'));
                        },
                        [](DatabaseTest& t) { BackUpHogDB(t.tp.path("B")); },
                        [](DatabaseTest& t) { return t.tp.path("B"); },
                        [](DatabaseTest&) { return herdMarked('o'); }, [](DatabaseTest&) { return herdMarked('n'); },
                        [](DatabaseTest& t) { return t.data; }},
        KilledOperation{"Restore",
                        [](DatabaseTest& t) {
                          writeFolder(t.data, herdMarked('o'));
                          writeFolder(t.tp.path("B"), herdMarked('n'));
                        },
                        [](DatabaseTest& t) { RestoreHogDB(t.tp.path("B")); },
                        [](DatabaseTest& t) { return t.data; }, [](DatabaseTest&) { return herdMarked('o'); },
                        [](DatabaseTest&) { return herdMarked('n'); },
                        [](DatabaseTest& t) { return t.tp.path("B"); }},
        KilledOperation{"MoveToANewFolder", [](DatabaseTest& t) { writeFolder(t.data, herdMarked('n')); },
                        [](DatabaseTest& t) { MoveHogDB(t.tp.path("B/FARM"), t.data); },
                        [](DatabaseTest& t) { return t.tp.path("B/FARM"); },
                        [](DatabaseTest&) { return FolderBytes{}; }, [](DatabaseTest&) { return herdMarked('n'); },
                        [](DatabaseTest& t) { return t.data; }},
        KilledOperation{"CompactSows",
                        [](DatabaseTest& t) { writeFile(t.data + "SOW.DAT", sowsWithBlanks()); },
                        [](DatabaseTest&) { DefragSowFile(); }, [](DatabaseTest& t) { return t.data; },
                        [](DatabaseTest& t) {
                          FolderBytes old = t.herd;
                          old["SOW.DAT"] = sowsWithBlanks();
                          return old;
                        },
                        [](DatabaseTest& t) {
                          FolderBytes now = t.herd;
                          now["SOW.DAT"] = sowsCompacted();
                          return now;
                        },
                        [](DatabaseTest& t) { return t.data; }}),
    [](const auto& info) { return std::string(info.param.name); });
