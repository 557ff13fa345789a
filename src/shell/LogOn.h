#pragma once
// What the log-on dialog and the log-on procedure share: the password file as
// the log-on reads it, the end of the program on an invalid file, the
// built-in accounts and the level text.
#include <cstdint>
#include <string>
#include <vector>

#include "records/PasswordRecord.h"

// The title of the log-on dialog's messages and of the invalid-file message.
inline constexpr const char* kEnterPasswordTitle = "E N T E R      P A S S W O R D";

// What a log-on found of the password file.
enum class LogOnFile {
  Valid,
  // Missing (gone since the start-up made it), without a whole record, or
  // record 1 without the marker "YES".
  Invalid,
  // There, but it could not be read: the user was told, in a critical box
  // titled `title`; the file is left alone and the log-on is refused.
  Unreadable,
};
// Loads the password file for a log-on.
LogOnFile LoadLogOnRecords(const std::string& path, std::vector<PasswordRecord>& users, const std::string& title);

// An invalid password file: it is set aside (the next start makes a new one),
// the user is told "INVALIED PASSWORD FILE!" and the program ends.
void EndOnInvalidPasswordFile(const std::string& path);

// An account that lives in the program rather than in the password file,
// recognised by its password alone.
struct BuiltInAccount {
  const char* password;
  const char* logonId;
  const char* marker;  // CurrentUser(2)
  const char* level;   // CurrentUser(4)
};
// The built-in account whose password is `typed` exactly, or nullptr.
const BuiltInAccount* FindBuiltInAccount(const std::string& typed);

// A stored level as CurrentUser(4) holds it: its decimal text, whatever the
// value ("0" to "4", or e.g. "7" or "-1").
std::string LevelText(int16_t level);

// Empties the six entries of CurrentUser.
void ResetCurrentUser();
