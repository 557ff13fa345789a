// The process settings the program makes as it starts: the memory a click
// freed goes back to the system once the event loop waits.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/ProcessSettings.h"

namespace {

// What the process holds resident now, in kB (/proc/self/status).
long residentKb() {
  std::FILE* status = std::fopen("/proc/self/status", "r");
  if (!status) return -1;
  char line[256];
  long kb = -1;
  while (kb < 0 && std::fgets(line, sizeof line, status))
    if (std::strncmp(line, "VmRSS:", 6) == 0) kb = std::atol(line + 6);
  std::fclose(status);
  return kb;
}

// 32 MB in blocks of 64 KB, each touched, then every other one freed: the
// freed blocks lie between blocks still in use, where the C library keeps
// them for its next requests.
class FreedBetweenBlocks {
 public:
  FreedBetweenBlocks() {
    for (size_t i = 0; i < kBlocks; ++i) {
      blocks_.push_back(static_cast<char*>(std::malloc(kBlock)));
      std::memset(blocks_.back(), 1, kBlock);
    }
    for (size_t i = 0; i < kBlocks; i += 2) {
      std::free(blocks_[i]);
      blocks_[i] = nullptr;
    }
  }
  ~FreedBetweenBlocks() {
    for (char* block : blocks_) std::free(block);
  }
  FreedBetweenBlocks(const FreedBetweenBlocks&) = delete;
  FreedBetweenBlocks& operator=(const FreedBetweenBlocks&) = delete;

 private:
  static constexpr size_t kBlock = 64 * 1024, kBlocks = 512;
  std::vector<char*> blocks_;
};

// The event loop runs until a timer ends it, waiting for it first.
void waitOnce() {
  QEventLoop loop;
  QTimer::singleShot(20, &loop, &QEventLoop::quit);
  loop.exec();
}

class ProcessSettings : public ::testing::Test {
 protected:
  QApplication& app = *static_cast<QApplication*>(QCoreApplication::instance());
  void TearDown() override { app.setQuitOnLastWindowClosed(true); }
};

}  // namespace

TEST_F(ProcessSettings, MemoryFreedGoesBackOnceTheEventLoopWaits) {
  platform::ApplyProcessSettings(app);
  const long before = residentKb();
  ASSERT_GT(before, 0);
  FreedBetweenBlocks freed;
  const long held = residentKb();
  ASSERT_GT(held - before, 28 * 1024) << "the freed blocks are not held";
  waitOnce();
  const long after = residentKb();
  EXPECT_LT(after, held - 12 * 1024) << "held " << held << " kB, then " << after << " kB";
}
