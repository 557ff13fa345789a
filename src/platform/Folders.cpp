#include "platform/Folders.h"

#include <cstdlib>

namespace platform {
namespace {
std::string env(const char* name) {
  const char* v = std::getenv(name);
  return v ? std::string(v) : std::string();
}
std::string home() {
  std::string h = env("HOME");
  return h.empty() ? std::string("/tmp") : h;
}
}  // namespace

std::string withSlash(const std::string& folder) {
  if (folder.empty()) return folder;
  std::string f = folder;
  while (f.size() > 1 && f.back() == '/') f.pop_back();
  return f == "/" ? f : f + "/";
}

std::string programFolder() {
  std::string v = env("TARLOWE_HOME");
  if (!v.empty()) return withSlash(v);
  std::string data = env("XDG_DATA_HOME");
  if (data.empty()) data = home() + "/.local/share";
  return withSlash(data + "/tarlowe");
}

std::string machineSettingsFolder() {
  std::string v = env("TARLOWE_SETTINGS");
  if (!v.empty()) return withSlash(v);
  std::string config = env("XDG_CONFIG_HOME");
  if (config.empty()) config = home() + "/.config";
  return withSlash(config + "/VQ2007");
}

std::string printFolder() {
  std::string v = env("TARLOWE_PRINT_DIR");
  if (!v.empty()) return withSlash(v);
  return programFolder() + "PRINTOUTS/";
}

}  // namespace platform
