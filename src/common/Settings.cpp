#include "common/Settings.h"

#include "common/HogGlobals.h"
#include "common/IniAccess.h"
#include "platform/Folders.h"
#include "platform/Profile.h"

namespace settings {
namespace {
std::string read(const std::string& path, const std::string& section, const std::string& key) {
  std::string value;
  IniAccess(path, section, key, value, kIniRead);
  return value;
}
void write(const std::string& path, const std::string& section, const std::string& key,
           const std::string& value) {
  std::string v = value;
  IniAccess(path, section, key, v, kIniWrite);
}
}  // namespace

std::string ProgramFilePath() { return AppFolder + kProgramFileName; }
std::string MachineFilePath() { return platform::machineSettingsFolder() + kMachineFileBase; }

std::string ReadProgramSetting(const std::string& section, const std::string& key) {
  return read(ProgramFilePath(), section, key);
}
void WriteProgramSetting(const std::string& section, const std::string& key, const std::string& value) {
  write(ProgramFilePath(), section, key, value);
}
std::string ReadMachineSetting(const std::string& section, const std::string& key) {
  return read(MachineFilePath(), section, key);
}
void WriteMachineSetting(const std::string& section, const std::string& key, const std::string& value) {
  write(MachineFilePath(), section, key, value);
}
bool ChangeMachineSetting(const std::string& section, const std::string& key, const std::string& value) {
  WriteMachineSetting(section, key, value);
  return ReadMachineSetting(section, key) == value;
}

bool IsSettingText(const std::string& text) { return platform::isProfileText(text); }

}  // namespace settings
