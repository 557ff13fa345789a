// The process settings the program makes as it starts: once the event loop
// waits, what the C library keeps free goes back to the system when it is
// more than a little; the program goes on when its last window closes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/ProcessSettings.h"

namespace {

// AddressSanitizer's allocator is not the C library's: it keeps what is
// freed in its own quarantine, and malloc_trim gives none of it back.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitizedAllocator = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitizedAllocator = true;
#else
constexpr bool kSanitizedAllocator = false;
#endif
#else
constexpr bool kSanitizedAllocator = false;
#endif

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

// Twice `freedKb` in blocks of 64 KB, each touched, then every other one
// freed: the freed blocks lie between blocks still in use, where the C
// library keeps them for its next requests.
class FreedBetweenBlocks {
 public:
  explicit FreedBetweenBlocks(long freedKb) {
    for (long i = 0; i < 2 * freedKb / kBlockKb; ++i) {
      blocks_.push_back(static_cast<char*>(std::malloc(kBlockKb * 1024)));
      std::memset(blocks_.back(), 1, kBlockKb * 1024);
    }
    for (size_t i = 0; i < blocks_.size(); i += 2) {
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
  static constexpr long kBlockKb = 64;
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

TEST_F(ProcessSettings, WhatIsKeptFreeGoesBackOnceTheEventLoopWaitsWhenItIsMoreThanALittle) {
  if (kSanitizedAllocator) GTEST_SKIP() << "AddressSanitizer's allocator is not the C library's: nothing goes back";
  platform::ApplyProcessSettings(app);
  const struct {
    long freedKb;
    bool givenBack;
  } cases[] = {
      {platform::kKeptFreeKb / 2, false},  // the next small click takes it again
      {platform::kKeptFreeKb * 2, true},
      {16 * 1024, true},
  };
  for (const auto& c : cases) {
    platform::GiveBackFreedMemory();
    FreedBetweenBlocks freed(c.freedKb);
    const long held = residentKb();
    ASSERT_GT(held, 0);
    waitOnce();
    const long back = held - residentKb();
    if (c.givenBack) EXPECT_GT(back, c.freedKb * 3 / 4) << c.freedKb << " kB freed";
    else EXPECT_LT(back, c.freedKb / 4) << c.freedKb << " kB freed";
  }
}

TEST_F(ProcessSettings, TheProgramGoesOnWhenItsLastWindowCloses) {
  platform::ApplyProcessSettings(app);
  for (QWidget* w : QApplication::topLevelWidgets()) ASSERT_FALSE(w->isVisible()) << "a window of another test";
  QWidget window;
  window.show();
  bool wentOn = false;
  QTimer::singleShot(10, &window, &QWidget::close);
  QTimer::singleShot(200, &window, [&] {
    wentOn = true;
    QCoreApplication::quit();
  });
  QApplication::exec();
  EXPECT_TRUE(wentOn) << "the program ended as its last window closed";
}
