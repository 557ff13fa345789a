#pragma once
// A database folder with a few files, named by DataPath, for the tests of
// the UTILITIES menu.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "common/HogGlobals.h"
#include "common/Settings.h"
#include "platform/FileSystem.h"
#include "support/TestPlatform.h"

class DatabaseTest : public ::testing::Test {
 public:
  TestPlatform tp;
  std::string data;
  const FolderBytes herd{{"BOAR.DAT", "boars"}, {"SOW.DAT", std::string(70000, 's')}, {"FEED.LST", "feed"},
                         {"DRUG.LST", "drugs"}};

  void SetUp() override {
    AppFolder = tp.home();
    SettingsSection = settings::kProgramSection;
    data = tp.path("HOGDATA/");
    DataFolder = data;
    settings::WriteProgramSetting(settings::kHogData, settings::kDataPath, data);
    writeFolder(data, herd);
  }
  std::string dataPath() { return settings::ReadProgramSetting(settings::kHogData, settings::kDataPath); }
  std::string backUpPath() { return settings::ReadMachineSetting(SettingsSection, settings::kDbBackUpPath); }
};
