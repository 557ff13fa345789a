#pragma once
// Password file bytes laid out by hand for the tests: one plain 68-byte
// record, and the password key's scrambling (which also unscrambles).
#include <cstdint>
#include <string>
#include <vector>

#include "common/Scrambler.h"

inline std::string passwordRecord(const std::string& password, const std::string& id, int level,
                                  const std::string& marker = "YES", const std::string& date = "12/07/2026",
                                  const std::string& name = "", const std::string& initials = "") {
  auto pad = [](std::string s, size_t w) {
    s.resize(w, ' ');
    return s;
  };
  std::string r = pad(password, 10) + pad(id, 20) + pad(date, 10) + pad(name, 20) + pad(initials, 3);
  r += static_cast<char>(level & 0xFF);
  r += static_cast<char>((level >> 8) & 0xFF);
  r += pad(marker, 3);
  return r;
}

// Scrambles plain bytes with the password key, or unscrambles scrambled ones.
inline std::string scramblePasswordBytes(const std::string& bytes) {
  std::vector<uint8_t> b(bytes.begin(), bytes.end());
  ScrambleBytes(b, "5913KQT30481762-27740358WZ18264");
  return std::string(b.begin(), b.end());
}
