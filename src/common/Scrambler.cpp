#include "common/Scrambler.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/FileSystem.h"

bool ScrambleFile(const std::string& SourcePath, const std::string& TargetPath, const std::string& Key) {
  if (Key.empty()) return false;
  std::vector<uint8_t> bytes;
  if (!platform::readWholeFile(SourcePath, bytes)) return false;
  if (bytes.empty()) return true;

  const size_t k = Key.size();
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] ^= static_cast<uint8_t>(Key[(i + k - 1) % k]);

  // The target is overwritten from its first byte, not cut: what lies beyond
  // the source's length stays.
  std::vector<uint8_t> target;
  if (platform::fileExists(TargetPath) && !platform::readWholeFile(TargetPath, target)) return false;
  if (target.size() < bytes.size()) target.resize(bytes.size());
  std::copy(bytes.begin(), bytes.end(), target.begin());
  return platform::writeWholeFile(TargetPath, target);
}
