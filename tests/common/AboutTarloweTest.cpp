#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <map>

#include "common/AboutTarlowe.h"
#include "platform/FileSystem.h"
#include "platform/Services.h"
#include "support/BoxMatch.h"
#include "support/TestPlatform.h"

using namespace platform;

namespace {
class FakeRegistry : public Registry {
 public:
  std::map<std::pair<std::string, std::string>, std::string> values;
  std::vector<std::string> asked;
  std::optional<std::string> read(const std::string& key, const std::string& name) override {
    asked.push_back(key + "|" + name);
    auto it = values.find({key, name});
    if (it == values.end()) return std::nullopt;
    return it->second;
  }
};

const std::string kPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

struct About : ::testing::Test {
  TestPlatform tp;
  FakeRegistry registry;
  void SetUp() override { services().setRegistry(&registry); }
  void TearDown() override { services().setRegistry(nullptr); }
  void expectUnavailable() {
    ASSERT_EQ(tp.dialogs.shown.size(), 1u);
    EXPECT_TRUE(LastBoxIs(tp.dialogs, {"System Information Is Unavailable At This Time", "TARLOWE", 0, vbOKOnly, false}));
  }
};
}  // namespace

TEST_F(About, CaptionsAndVersion) {
  AboutTarlowe a;
  a.Load();
  EXPECT_EQ(a.Caption(), "About Tarlowe");
  EXPECT_EQ(a.lblTitle->Caption(), "Tarlowe");
  EXPECT_EQ(a.lblVersion->Caption(), "Version: 5.00.06.2019");
  EXPECT_EQ(a.lblDescription->Caption(),
            "A Hog Production program from farrow to finish, including sales, feed, drug, sow, and boar lists.");
  EXPECT_EQ(a.cmdSysInfo->Caption(), "&System Info...");
  EXPECT_EQ(a.cmdOK->Caption(), "OK");
}

TEST_F(About, OpensWithOKFocusedAndEnterClosesIt) {
  AboutTarlowe a;
  a.Show();
  ASSERT_EQ(a.focusWidget(), a.cmdOK);
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(a.cmdOK, &enter);
  EXPECT_FALSE(a.IsLoaded());
}

TEST_F(About, WithoutARegistryTheToolIsUnavailable) {
  services().setRegistry(nullptr);  // this platform's own: no registry
  AboutTarlowe a;
  a.Show();
  a.cmdSysInfo->Press();
  expectUnavailable();
  EXPECT_TRUE(tp.launcher.started.empty());
  EXPECT_TRUE(a.IsLoaded());
}

TEST_F(About, ThePathValueStartsTheToolAndTheSecondPlaceIsNotRead) {
  registry.values[{kPathKey, "PATH"}] = std::string("/opt/msinfo/tool\0junk", 21);
  AboutTarlowe a;
  a.Show();
  a.cmdSysInfo->Press();
  EXPECT_EQ(tp.launcher.started, std::vector<std::string>{"/opt/msinfo/tool"});
  EXPECT_EQ(registry.asked, std::vector<std::string>{kPathKey + "|PATH"});
  EXPECT_TRUE(tp.dialogs.shown.empty());
  EXPECT_TRUE(a.IsLoaded());  // the box stays open
  a.cmdOK->Press();
  EXPECT_FALSE(a.IsLoaded());
}

TEST_F(About, APathThatDoesNotStartEndsInTheMessage) {
  registry.values[{kPathKey, "PATH"}] = "/nowhere/tool";
  tp.launcher.result = false;
  AboutTarlowe a;
  a.cmdSysInfo_Click();
  expectUnavailable();
  EXPECT_EQ(registry.asked.size(), 1u);
}

TEST_F(About, FolderValueNeedsTheToolsFile) {
  registry.values[{kFolderKey, "MSINFO"}] = tp.home() + "tools";
  makeFolder(tp.home() + "tools");
  AboutTarlowe a;
  a.cmdSysInfo_Click();
  expectUnavailable();
  EXPECT_TRUE(tp.launcher.started.empty());

  tp.dialogs.clear();
  writeFile(tp.home() + "tools/MSINFO32.EXE", "");
  a.cmdSysInfo_Click();
  EXPECT_TRUE(tp.dialogs.shown.empty());
  EXPECT_EQ(tp.launcher.started, std::vector<std::string>{tp.home() + "tools/MSINFO32.EXE"});
}

TEST_F(About, GetKeyValueReadsOnlyTheLocalMachine) {
  registry.values[{kPathKey, "PATH"}] = "x";
  AboutTarlowe a;
  std::string value = "old";
  EXPECT_TRUE(a.GetKeyValue(kHKeyLocalMachine, kPathKey, "PATH", value));
  EXPECT_EQ(value, "x");
  EXPECT_FALSE(a.GetKeyValue(0x80000001L, kPathKey, "PATH", value));
  EXPECT_EQ(value, "");
  value = "old";
  EXPECT_FALSE(a.GetKeyValue(kHKeyLocalMachine, kPathKey, "NONE", value));
  EXPECT_EQ(value, "");
}
