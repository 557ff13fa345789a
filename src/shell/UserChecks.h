#pragma once
// What the user windows refuse of a typed entry: the log-on dialog, the user
// information window and the user maintenance window. Each check takes the
// entry as typed and answers the refusal (text, title, icon, the window's
// field to focus) or nothing; the windows only show it.
//
//   if (Check refusal = CheckLogOnEntry(PassWord->Text(), LogId->Text()))
//     return platform::ShowRefusal(*refusal, {PassWord, LogId});
#include <string>
#include <vector>

#include "platform/Refusal.h"
#include "records/PasswordRecord.h"

// The title of every box of the user information and user maintenance windows.
inline constexpr const char* kUserInfoTitle = "U S E R   I N F R O M A T I O N";

// The log-on dialog's fields, by their field numbers.
enum LogOnField { kLogOnPasswordField, kLogOnIdField };
// A password (longer than five characters) and a logon ID (fit for the
// settings file) are both typed; blanks around them do not count.
Check CheckLogOnEntry(const std::string& password, const std::string& id);

// The boxes of the user information window, as typed.
struct UserInfoEntry {
  std::string logonId, password, userName, initials;
};
// The user information window's fields, by their field numbers.
enum UserInfoField { kInfoUserNameField, kInfoPasswordField, kInfoLogonIdField };
// The refusal of an entry with an empty box; it also makes the entry one not
// accepted.
extern const Refusal kUserInfoUnfilled;
// Before the password file is read: every box holds something (blanks too),
// the password is the user's own and longer than five characters, the logon
// ID is there, is not "USER" and is fit for the settings file.
Check CheckUserInfoEntry(const UserInfoEntry& typed);
// The typed logon ID against the users, `found` being the index of the record
// the entry rewrites: only record 1 may be "Admin", and no other record may
// hold the ID.
Check CheckUserInfoId(const std::vector<PasswordRecord>& users, int found, const std::string& id);

// The actions of the user maintenance window.
enum class UserAction { LookUp, New, Edit, Clear, Delete };
// Before the password file is read: the logon ID an action works on (CLEAR
// takes the looked-up ID) is there, is not reserved, and has changed since the
// look-up for NEW and has not for DELETE. Each action refuses "USER" and
// "ADMIN" in its own words.
Check CheckMaintenanceId(UserAction action, const std::string& id, const std::string& lookedUp);
// A new user's logon ID that a record from record 2 on holds already.
Check CheckNewLogonId(const std::vector<PasswordRecord>& users, const std::string& id);
