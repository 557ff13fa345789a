#include "platform/Profile.h"

#include <strings.h>

#include <algorithm>
#include <vector>

#include "platform/FileSystem.h"

namespace platform {
namespace {

std::string trim(const std::string& s) {
  size_t b = s.find_first_not_of(" \t\r\n");
  if (b == std::string::npos) return "";
  size_t e = s.find_last_not_of(" \t\r\n");
  return s.substr(b, e - b + 1);
}

bool sameName(const std::string& a, const std::string& b) {
  return strcasecmp(a.c_str(), b.c_str()) == 0;
}

std::vector<std::string> splitLines(const std::vector<uint8_t>& bytes) {
  std::vector<std::string> lines;
  std::string cur;
  for (size_t i = 0; i < bytes.size(); ++i) {
    char c = static_cast<char>(bytes[i]);
    if (c == '\n') {
      if (!cur.empty() && cur.back() == '\r') cur.pop_back();
      lines.push_back(cur);
      cur.clear();
    } else {
      cur.push_back(c);
    }
  }
  if (!cur.empty()) {
    if (cur.back() == '\r') cur.pop_back();
    lines.push_back(cur);
  }
  return lines;
}

// "[name]" gives name; anything else gives nothing.
bool sectionName(const std::string& line, std::string& name) {
  std::string t = trim(line);
  if (t.size() < 2 || t.front() != '[') return false;
  size_t close = t.find(']');
  if (close == std::string::npos) return false;
  name = trim(t.substr(1, close - 1));
  return true;
}

// "key=value" gives key and value; a comment or a line without "=" nothing.
bool keyValue(const std::string& line, std::string& key, std::string& value) {
  std::string t = trim(line);
  if (t.empty() || t[0] == ';') return false;
  size_t eq = t.find('=');
  if (eq == std::string::npos) return false;
  key = trim(t.substr(0, eq));
  value = trim(t.substr(eq + 1));
  return true;
}

}  // namespace

std::string getProfileString(const std::string& section, const std::string& key,
                             const std::string& defaultValue, const std::string& path) {
  std::vector<uint8_t> bytes;
  if (!fileExists(path) || !readWholeFile(path, bytes)) return defaultValue;
  bool inSection = false;
  for (const std::string& line : splitLines(bytes)) {
    std::string name, k, v;
    if (sectionName(line, name)) {
      inSection = sameName(name, section);
      continue;
    }
    if (inSection && keyValue(line, k, v) && sameName(k, key)) {
      if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
      return v;
    }
  }
  return defaultValue;
}

bool isProfileText(const std::string& text) {
  return std::none_of(text.begin(), text.end(),
                      [](char c) { return static_cast<unsigned char>(c) < 32 || c == 127; });
}

bool writeProfileString(const std::string& section, const std::string& key,
                        const std::string& value, const std::string& path) {
  if (!isProfileText(section) || !isProfileText(key) || !isProfileText(value)) return false;
  std::vector<uint8_t> bytes;
  if (fileExists(path) && !readWholeFile(path, bytes)) return false;
  std::vector<std::string> lines = splitLines(bytes);
  const std::string entry = key + "=" + value;

  int sectionLine = -1, lastInSection = -1;
  bool inSection = false, done = false;
  for (size_t i = 0; i < lines.size() && !done; ++i) {
    std::string name, k, v;
    if (sectionName(lines[i], name)) {
      if (inSection) break;  // the section ended without the key
      inSection = sameName(name, section);
      if (inSection) sectionLine = lastInSection = static_cast<int>(i);
      continue;
    }
    if (!inSection) continue;
    if (!trim(lines[i]).empty()) lastInSection = static_cast<int>(i);
    if (keyValue(lines[i], k, v) && sameName(k, key)) {
      lines[i] = entry;
      done = true;
    }
  }
  if (!done) {
    if (sectionLine < 0) {
      if (!lines.empty() && !trim(lines.back()).empty()) lines.push_back("");
      lines.push_back("[" + section + "]");
      lines.push_back(entry);
    } else {
      lines.insert(lines.begin() + lastInSection + 1, entry);
    }
  }
  std::vector<uint8_t> out;
  for (const std::string& line : lines) {
    out.insert(out.end(), line.begin(), line.end());
    out.push_back('\r');
    out.push_back('\n');
  }
  return writeWholeFile(path, out);
}

}  // namespace platform
