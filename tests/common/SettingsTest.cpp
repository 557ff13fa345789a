#include <gtest/gtest.h>

#include <string>

#include "common/HogGlobals.h"
#include "common/Settings.h"
#include "support/TestPlatform.h"

TEST(Settings, NamedKeysLandInTheirFiles) {
  TestPlatform tp;
  AppFolder = tp.home();
  EXPECT_EQ(settings::ProgramFilePath(), tp.home() + "TARLOWE.INI");
  EXPECT_EQ(settings::MachineFilePath(), tp.settings() + "VMQ2007");

  settings::WriteProgramSetting(settings::kHogData, settings::kDataPath, tp.home() + "HOGDATA/");
  settings::WriteMachineSetting(settings::kProgramSection, settings::kRequirePassword, settings::kYes);
  settings::WriteMachineSetting(settings::kAppType, settings::kCurrentApp, settings::kProgramSection);

  const std::string program = readFile(tp.home() + "TARLOWE.INI");
  EXPECT_NE(program.find("[HOGDATA]"), std::string::npos);
  EXPECT_NE(program.find("DataPath=" + tp.home() + "HOGDATA/"), std::string::npos);
  const std::string machine = readFile(tp.settings() + "VMQ2007.INI");
  EXPECT_NE(machine.find("[TARLOWE]"), std::string::npos);
  EXPECT_NE(machine.find("Require_Password?=YES"), std::string::npos);
  EXPECT_NE(machine.find("[APP_TYPE]"), std::string::npos);
  EXPECT_NE(machine.find("CurrentApp=TARLOWE"), std::string::npos);

  EXPECT_EQ(settings::ReadMachineSetting(settings::kProgramSection, settings::kRequirePassword), "YES");
  EXPECT_EQ(settings::ReadMachineSetting(settings::kProgramSection, settings::kDbBackUpPath), "");
  EXPECT_EQ(settings::ReadProgramSetting(settings::kStartupInfo, settings::kCurrentDate), "");
  EXPECT_TRUE(tp.dialogs.shown.empty());
}

TEST(Settings, ProgramFileNeedsTheProgramFolder) {
  TestPlatform tp;  // AppFolder not set yet: the path has no folder
  EXPECT_EQ(settings::ReadProgramSetting(settings::kHogData, settings::kDataPath), "");
  ASSERT_EQ(tp.dialogs.shown.size(), 1u);
  EXPECT_EQ(tp.dialogs.last().text, "ERROR: INVALIED PATH!\r\rThis path is invalied: TARLOWE.INI\r");
}
