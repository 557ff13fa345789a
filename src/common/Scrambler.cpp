#include "common/Scrambler.h"

#include <algorithm>

#include "platform/FileSystem.h"

bool ScrambleBytes(std::vector<uint8_t>& Bytes, const std::string& Key) {
  if (Key.empty()) return false;
  const size_t k = Key.size();
  for (size_t i = 0; i < Bytes.size(); ++i) Bytes[i] ^= static_cast<uint8_t>(Key[(i + k - 1) % k]);
  return true;
}

bool ScrambleFile(const std::string& SourcePath, const std::string& TargetPath, const std::string& Key) {
  if (Key.empty()) return false;
  std::vector<uint8_t> bytes;
  if (!platform::readWholeFile(SourcePath, bytes)) return false;
  if (bytes.empty()) return true;
  ScrambleBytes(bytes, Key);

  // The target is overwritten from its first byte, not cut: what lies beyond
  // the source's length stays.
  std::vector<uint8_t> target;
  if (platform::fileExists(TargetPath) && !platform::readWholeFile(TargetPath, target)) return false;
  if (target.size() < bytes.size()) target.resize(bytes.size());
  std::copy(bytes.begin(), bytes.end(), target.begin());
  return platform::writeWholeFile(TargetPath, target);
}
