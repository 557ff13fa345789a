#pragma once
// Password file bytes for the tests: one plain 68-byte record, and the
// password key's scrambling (which also unscrambles).
#include <cstdint>
#include <string>
#include <vector>

#include "common/Scrambler.h"
#include "support/RecordBuilders.h"

inline std::string passwordRecord(const std::string& password, const std::string& id, int level,
                                  const std::string& marker = "YES", const std::string& date = "12/07/2026",
                                  const std::string& name = "", const std::string& initials = "") {
  return recordBytes<PasswordRecord>({aUser(id)
                                          .password(password)
                                          .level(static_cast<int16_t>(level))
                                          .marker(marker)
                                          .date(date)
                                          .name(name)
                                          .initials(initials)});
}

// Scrambles plain bytes with the password key, or unscrambles scrambled ones.
inline std::string scramblePasswordBytes(const std::string& bytes) {
  std::vector<uint8_t> b(bytes.begin(), bytes.end());
  ScrambleBytes(b, "5913KQT30481762-27740358WZ18264");
  return std::string(b.begin(), b.end());
}
