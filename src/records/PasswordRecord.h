#pragma once
// One user of the password file "TARLOWE.PWF": 68 bytes. Record 1 is the
// administrator's; a record whose logon ID reads "USER" (any case) is free.
#include <cstdint>
#include <string>

#include "records/Fields.h"

struct PasswordRecord {
  static constexpr int Length = 68;
  std::string Password;  // "KWVKWV" until the user sets his own
  std::string LogonID;   // "Admin" in record 1
  std::string Date;      // the date the record was last written
  std::string UserName;
  std::string Initials;
  int16_t Level = 0;     // 0 for the administrator, 1 (highest) to 4 for users
  std::string Marker;    // "YES" in every record; record 1 without it: corrupt file

  template <class M>
  void fields(M& m) {
    m.text(Password, 0, 10);
    m.text(LogonID, 10, 20);
    m.text(Date, 30, 10);
    m.text(UserName, 40, 20);
    m.text(Initials, 60, 3);
    m.i16(Level, 63);
    m.text(Marker, 65, 3);
  }
};
