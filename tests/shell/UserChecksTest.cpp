// The checks of the user windows, one table each: what each refuses, in
// which order, with which box and which field to focus.
#include <gtest/gtest.h>

#include "shell/LogOn.h"
#include "shell/PasswordFile.h"
#include "shell/UserChecks.h"
#include "support/BoxMatch.h"

using namespace platform;

namespace {
const char* kNoPassword = "NO PASSWORD!\r\rYou MUST enter a password \rbefore you can continue.";
const char* kTooShort = "PASSWORD TOO SHORT!!\r\rYour password MUST be longer\rthan five(5) characters.";
const char* kNothingInId = "ERROR: NOTHING ENTERED IN LOGON ID!\r\rYou MUST have a LOGON ID to  continue.";
const std::string kInvalidId = "ERROR: INVALIED LOGON ID!\r\r";

Refusal logOn(const std::string& text, int field) { return {text, kEnterPasswordTitle, vbExclamation, field}; }
Refusal userInfo(const std::string& text, int field = -1, int icon = vbExclamation) {
  return {text, "U S E R   I N F R O M A T I O N", icon, field};
}
PasswordRecord user(const std::string& id) {
  PasswordRecord r = FreePasswordRecord("01/01/2020");
  r.LogonID = id;
  return r;
}
}  // namespace

TEST(UserChecks, LogOnEntry) {
  const struct {
    std::string password, id;
    Check refusal;
  } rows[] = {
      {"hogs123", "jsmith", std::nullopt},
      {"  hogs12 ", " jsmith ", std::nullopt},  // six characters once the blanks are gone
      {"HOGS123", "JSMITH", std::nullopt},      // letter case is the file's business
      {"", "jsmith", logOn(kNoPassword, kLogOnPasswordField)},
      {"   ", "", logOn(kNoPassword, kLogOnPasswordField)},  // the password first
      {"hogs1", "jsmith", logOn(kTooShort, kLogOnPasswordField)},
      {" hogs1  ", "", logOn(kTooShort, kLogOnPasswordField)},
      {"hogs123", "  ", logOn("NO LOGON ID!\r\rYou MUST enter a Logon Id \rbefore you can continue.", kLogOnIdField)},
      {"hogs123", "js\tmith", logOn(kLogonIdNotSettingText, kLogOnIdField)},
      {"hogs123", "js\r\nRequire_Password?=NO", logOn(kLogonIdNotSettingText, kLogOnIdField)},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.password + "|" + row.id);
    EXPECT_EQ(CheckLogOnEntry(row.password, row.id), row.refusal);
  }
}

TEST(UserChecks, UserInfoEntry) {
  const Refusal unfilled = userInfo("You MUST have all box's filled!", kInfoUserNameField, vbCritical);
  const struct {
    UserInfoEntry typed;  // logon ID, password, name, initials
    Check refusal;
  } rows[] = {
      {{"newbie", "farrow", "Ned", "NN"}, std::nullopt},
      {{" newbie ", " farrow ", "  ", " "}, std::nullopt},  // blanks fill a box
      {{"ADMIN", "farrow", "Ned", "NN"}, std::nullopt},     // only the users can tell
      {{"", "farrow", "Ned", "NN"}, unfilled},
      {{"newbie", "", "Ned", "NN"}, unfilled},
      {{"newbie", "farrow", "", "NN"}, unfilled},
      {{"newbie", "farrow", "Ned", ""}, unfilled},
      {{"newbie", "KWVKWV", "Ned", ""}, unfilled},  // empty boxes first
      {{"newbie", "KWVKWV", "Ned", "NN"},
       userInfo("KWVKWV ARE INVALIED FOR PASSWORD!\rPLEASE CHANGE PASSWORD!", kInfoPasswordField)},
      {{"newbie", " KWVKWV ", "Ned", "NN"},
       userInfo("KWVKWV ARE INVALIED FOR PASSWORD!\rPLEASE CHANGE PASSWORD!", kInfoPasswordField)},
      {{"newbie", "sows5", "Ned", "NN"}, userInfo(kTooShort, kInfoPasswordField)},
      {{"   ", "sows5", "Ned", "NN"}, userInfo(kTooShort, kInfoPasswordField)},  // the password before the ID
      {{"   ", "farrow", "Ned", "NN"}, userInfo(kNothingInId, kInfoLogonIdField)},
      {{"uSeR", "farrow", "Ned", "NN"},
       userInfo(kInvalidId + "You can not use 'USER' as a Logon Id.", kInfoLogonIdField)},
      {{"js\tmith", "farrow", "Ned", "NN"}, userInfo(kLogonIdNotSettingText, kInfoLogonIdField)},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.typed.logonId + "|" + row.typed.password + "|" + row.typed.userName + "|" + row.typed.initials);
    EXPECT_EQ(CheckUserInfoEntry(row.typed), row.refusal);
  }
}

TEST(UserChecks, UserInfoIdAgainstTheUsers) {
  const std::vector<PasswordRecord> users = {user("Admin"), user("jsmith"), user("newbie"), user("USER")};
  const Refusal anotherAdmin = userInfo(kInvalidId + "You can not add another 'Admin' Logon Id.", kInfoLogonIdField);
  const Refusal used = userInfo("NEW USER ALREADY USED!", kInfoLogonIdField, vbInformation);
  const struct {
    int found;
    std::string id;
    Check refusal;
  } rows[] = {
      {2, "nednew", std::nullopt}, {2, "newbie", std::nullopt},   // a new ID, or his own
      {2, "JSMITH", std::nullopt}, {0, " Admin ", std::nullopt},  // the administrator keeps his
      {2, "jsmith", used},         {2, " jsmith ", used},
      {2, "USER", used},           {2, "Admin", anotherAdmin},
      {2, "ADMIN", anotherAdmin},  {1, "aDmIn", anotherAdmin},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::to_string(row.found) + "|" + row.id);
    EXPECT_EQ(CheckUserInfoId(users, row.found, row.id), row.refusal);
  }
}

TEST(UserChecks, MaintenanceIdOfEachAction) {
  const auto invalid = [](const char* line) { return userInfo(kInvalidId + line); };
  const Refusal nothing = userInfo(kNothingInId);
  const Refusal unchanged = userInfo("ERROR: LOGON ID HASN'T CHANGED!\r\rYou MUST enter a new LogonId.");
  const Refusal changed = userInfo(
      "ERROR: LOGONID HAS CHANGED!\r\rYou have changed the LogonId.\rYou MUST push enter after changing\rthe LogonId.");
  const struct {
    UserAction action;
    std::string id, lookedUp;
    Check refusal;
  } rows[] = {
      {UserAction::LookUp, "   ", "", nothing},
      {UserAction::LookUp, "USER", "", std::nullopt},
      {UserAction::LookUp, "Admin", "", std::nullopt},
      {UserAction::New, "", "USER", nothing},
      {UserAction::New, "USER", "USER", invalid("You can not use 'USER' as a Logon Id.")},  // before the look-up
      {UserAction::New, "user", "jsmith", invalid("You can not use 'USER' as a Logon Id.")},
      {UserAction::New, "aDmIn", "USER", invalid("You can not add another 'Admin' Logon Id.")},
      {UserAction::New, " odd ", "odd", unchanged},
      {UserAction::New, "fred", "USER", std::nullopt},
      {UserAction::Edit, "", "jsmith", nothing},
      {UserAction::Edit, "User", "jsmith", invalid("You can not use 'USER' as a Logon Id.")},
      {UserAction::Edit, "Admin", "jsmith", invalid("You can not edit the 'Admin' Logon Id.")},
      {UserAction::Edit, "nobody", "jsmith", std::nullopt},  // any ID: the file tells
      {UserAction::Clear, "", "", std::nullopt},             // the looked-up ID, never empty-checked
      {UserAction::Clear, "USER", "USER", invalid("You can not use 'User' Logon Id.")},
      {UserAction::Clear, "admin", "admin", invalid("You can not Clear the 'Admin' Logon Id.")},
      {UserAction::Clear, "jsmith", "jsmith", std::nullopt},
      {UserAction::Delete, "", "jsmith", nothing},
      {UserAction::Delete, "usER", "jsmith", invalid("You can not use 'User' as a Logon Id.")},
      {UserAction::Delete, "ADMIN", "jsmith", invalid("You can not delete the 'Admin' Logon Id.")},
      {UserAction::Delete, "odd", "jsmith", changed},
      {UserAction::Delete, " jsmith", "jsmith", std::nullopt},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::to_string(static_cast<int>(row.action)) + "|" + row.id + "|" + row.lookedUp);
    EXPECT_EQ(CheckMaintenanceId(row.action, row.id, row.lookedUp), row.refusal);
  }
}

TEST(UserChecks, NewLogonIdFromRecordTwoOn) {
  const std::vector<PasswordRecord> users = {user("Admin"), user("jsmith"), user("USER")};
  const Refusal used = userInfo("NEW USER ALREADY USED!", -1, vbInformation);
  const struct {
    std::string id;
    Check refusal;
  } rows[] = {
      {"jsmith", used}, {" jsmith ", used}, {"USER", used},
      {"Admin", std::nullopt}, {"JSMITH", std::nullopt}, {"fred", std::nullopt},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.id);
    EXPECT_EQ(CheckNewLogonId(users, row.id), row.refusal);
  }
}
