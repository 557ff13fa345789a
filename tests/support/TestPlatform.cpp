#include "support/TestPlatform.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "platform/FileSystem.h"
#include "shell/HogStartUp.h"
#include "shell/ModuleState.h"
#include "shell/Tarlowe2.h"

TestPlatform::TestPlatform() {
  auto& s = platform::services();
  s.setDialogs(&dialogs);
  s.setClock(&clock);
  s.setPrinter(&printer);
  s.setWindows(&windows);
  s.setHelp(&help);
  s.setLauncher(&launcher);
  s.setScreen(&screen);
  s.setProcessEnd(&end);
  platform::makeFolder(home());
  platform::makeFolder(settings());
  setenv("TARLOWE_HOME", home().c_str(), 1);
  setenv("TARLOWE_SETTINGS", settings().c_str(), 1);
  setenv("TARLOWE_PRINT_DIR", (home() + "PRINTOUTS").c_str(), 1);
  ResetModuleState();
}

TestPlatform::~TestPlatform() {
  // The windows made on first use go first, while the doubles still answer.
  ReleaseMainForm();
  ReleaseStartUpForm();
  auto& s = platform::services();
  s.setDialogs(nullptr);
  s.setClock(nullptr);
  s.setPrinter(nullptr);
  s.setWindows(nullptr);
  s.setHelp(nullptr);
  s.setLauncher(nullptr);
  s.setScreen(nullptr);
  s.setProcessEnd(nullptr);
  unsetenv("TARLOWE_HOME");
  unsetenv("TARLOWE_SETTINGS");
  unsetenv("TARLOWE_PRINT_DIR");
  ResetModuleState();
}

std::string TestPlatform::home() const { return dir_.path().toStdString() + "/app/"; }
std::string TestPlatform::settings() const { return dir_.path().toStdString() + "/VQ2007/"; }

void writeFile(const std::string& path, const std::string& bytes) {
  std::ofstream f(path, std::ios::binary | std::ios::trunc);
  f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string readFile(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

FolderBytes folderBytes(const std::string& folder) {
  FolderBytes out;
  std::vector<std::string> names;
  platform::listFolder(folder, names);
  for (const std::string& name : names) out[name] = readFile(platform::joinPath(folder, name));
  return out;
}

void writeFolder(const std::string& folder, const FolderBytes& files) {
  platform::makeFolder(folder);
  for (const auto& [name, bytes] : files) writeFile(platform::joinPath(folder, name), bytes);
}
