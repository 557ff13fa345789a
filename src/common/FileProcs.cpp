#include "common/FileProcs.h"

#include "common/NumberText.h"
#include "platform/FileSystem.h"
#include "platform/Services.h"

namespace {

constexpr size_t kFirstListSize = 1025;  // entries 0 to 1024
constexpr size_t kListGrowth = 256;
constexpr int kMostNames = 32767;

std::string right(const std::string& s, size_t n) { return s.size() > n ? s.substr(s.size() - n) : s; }

}  // namespace

bool MatchesPattern(const std::string& name, const std::string& pattern) {
  if (!pattern.empty() && pattern.front() == '*') return UCase(right(name, 3)) == UCase(right(pattern, 3));
  if (!pattern.empty() && pattern.back() == '*') {
    const size_t dot = pattern.find('.');
    if (dot == std::string::npos || name.size() < 4) return false;
    return UCase(name.substr(0, name.size() - 4)) == UCase(pattern.substr(0, dot));
  }
  return false;
}

int ListFiles(const std::string& FolderPath, const std::string& Pattern, std::vector<std::string>& Names) {
  if (Names.size() <= 1) Names.assign(kFirstListSize, std::string());
  std::vector<std::string> files;
  if (!platform::listFolder(FolderPath + "/", files)) return 0;
  int count = 0;
  for (const std::string& file : files) {
    if (!MatchesPattern(file, Pattern)) continue;
    if (count == kMostNames) break;
    ++count;
    if (static_cast<size_t>(count) >= Names.size()) Names.resize(count + kListGrowth + 1);
    Names[count] = file;
  }
  return count;
}

bool FolderExists(const std::string& FolderPath) { return platform::folderExists(FolderPath); }

bool FileExists(const std::string& FilePath) { return platform::fileExists(FilePath); }

void Pause(float Seconds) {
  platform::Clock& clock = platform::services().clock();
  const double start = clock.steadySeconds();
  double elapsed = 0;
  do {
    platform::screen().waitForEvents(Seconds - elapsed);  // an event may end the wait early
    elapsed = clock.steadySeconds() - start;
  } while (elapsed < Seconds);
}
