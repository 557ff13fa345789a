#include "shell/UserChecks.h"

#include "common/NumberText.h"
#include "common/Settings.h"
#include "shell/LogOn.h"
#include "shell/PasswordFile.h"

namespace {
constexpr int kShortestPassword = 6;
constexpr const char* kTooShort = "PASSWORD TOO SHORT!!\r\rYour password MUST be longer\rthan five(5) characters.";
constexpr const char* kNothingInId = "ERROR: NOTHING ENTERED IN LOGON ID!\r\rYou MUST have a LOGON ID to  continue.";
const std::string kInvalidId = "ERROR: INVALIED LOGON ID!\r\r";
constexpr const char* kUserAsId = "You can not use 'USER' as a Logon Id.";
constexpr const char* kAnotherAdmin = "You can not add another 'Admin' Logon Id.";
constexpr const char* kAlreadyUsed = "NEW USER ALREADY USED!";

Refusal logOn(const std::string& text, int field) {
  return {text, kEnterPasswordTitle, platform::vbExclamation, field};
}
Refusal userInfo(const std::string& text, int field = -1, int icon = platform::vbExclamation) {
  return {text, kUserInfoTitle, icon, field};
}
bool tooShort(const std::string& password) { return static_cast<int>(password.size()) < kShortestPassword; }

// How an action of the user maintenance window checks its logon ID.
enum class SinceLookUp { Any, Changed, Unchanged };
struct ActionRule {
  bool needsId;           // an empty ID is refused
  const char* userLine;   // the refusal of "USER" (any case); none: allowed
  const char* adminLine;  // the refusal of "ADMIN" (any case); none: allowed
  SinceLookUp sinceLookUp;
};
// By UserAction: LookUp, New, Edit, Clear, Delete.
constexpr ActionRule kActionRules[] = {
    {true, nullptr, nullptr, SinceLookUp::Any},
    {true, kUserAsId, kAnotherAdmin, SinceLookUp::Changed},
    {true, kUserAsId, "You can not edit the 'Admin' Logon Id.", SinceLookUp::Any},
    {false, "You can not use 'User' Logon Id.", "You can not Clear the 'Admin' Logon Id.", SinceLookUp::Any},
    {true, "You can not use 'User' as a Logon Id.", "You can not delete the 'Admin' Logon Id.", SinceLookUp::Unchanged},
};
}  // namespace

Check CheckLogOnEntry(const std::string& typedPassword, const std::string& typedId) {
  const std::string password = Trim(typedPassword);
  if (password.empty())
    return logOn("NO PASSWORD!\r\rYou MUST enter a password \rbefore you can continue.", kLogOnPasswordField);
  if (tooShort(password)) return logOn(kTooShort, kLogOnPasswordField);
  const std::string id = Trim(typedId);
  if (id.empty()) return logOn("NO LOGON ID!\r\rYou MUST enter a Logon Id \rbefore you can continue.", kLogOnIdField);
  if (!settings::IsSettingText(id)) return logOn(kLogonIdNotSettingText, kLogOnIdField);
  return std::nullopt;
}

const Refusal kUserInfoUnfilled{"You MUST have all box's filled!", kUserInfoTitle, platform::vbCritical,
                                kInfoUserNameField};

Check CheckUserInfoEntry(const UserInfoEntry& typed) {
  for (const std::string* box : {&typed.logonId, &typed.password, &typed.userName, &typed.initials})
    if (box->empty()) return kUserInfoUnfilled;
  const std::string password = Trim(typed.password);
  if (password == kPlaceholderPassword)
    return userInfo("KWVKWV ARE INVALIED FOR PASSWORD!\rPLEASE CHANGE PASSWORD!", kInfoPasswordField);
  if (tooShort(password)) return userInfo(kTooShort, kInfoPasswordField);
  // A blank ID would lock the user out and "USER" would free his record.
  const std::string id = Trim(typed.logonId);
  if (id.empty()) return userInfo(kNothingInId, kInfoLogonIdField);
  if (UCase(id) == "USER") return userInfo(kInvalidId + kUserAsId, kInfoLogonIdField);
  if (!settings::IsSettingText(id)) return userInfo(kLogonIdNotSettingText, kInfoLogonIdField);
  return std::nullopt;
}

Check CheckUserInfoId(const std::vector<PasswordRecord>& users, int found, const std::string& typedId) {
  const std::string id = Trim(typedId);
  // Only the administrator's own record keeps "Admin"; an ID another record
  // holds would never answer at log-on.
  if (found != 0 && UCase(id) == "ADMIN") return userInfo(kInvalidId + kAnotherAdmin, kInfoLogonIdField);
  for (size_t i = 0; i < users.size(); ++i)
    if (static_cast<int>(i) != found && Trim(users[i].LogonID) == id)
      return userInfo(kAlreadyUsed, kInfoLogonIdField, platform::vbInformation);
  return std::nullopt;
}

Check CheckMaintenanceId(UserAction action, const std::string& typedId, const std::string& lookedUp) {
  const ActionRule& rule = kActionRules[static_cast<int>(action)];
  const std::string id = Trim(typedId);
  if (rule.needsId && id.empty()) return userInfo(kNothingInId);
  const std::string upper = UCase(id);
  if (rule.userLine && upper == "USER") return userInfo(kInvalidId + rule.userLine);
  if (rule.adminLine && upper == "ADMIN") return userInfo(kInvalidId + rule.adminLine);
  if (rule.sinceLookUp == SinceLookUp::Changed && id == lookedUp)
    return userInfo("ERROR: LOGON ID HASN'T CHANGED!\r\rYou MUST enter a new LogonId.");
  if (rule.sinceLookUp == SinceLookUp::Unchanged && id != lookedUp)
    return userInfo("ERROR: LOGONID HAS CHANGED!\r\rYou have changed the LogonId.\rYou MUST push enter after "
                    "changing\rthe LogonId.");
  return std::nullopt;
}

Check CheckNewLogonId(const std::vector<PasswordRecord>& users, const std::string& id) {
  if (FindLogonId(users, Trim(id), 1) < 0) return std::nullopt;
  return userInfo(kAlreadyUsed, -1, platform::vbInformation);
}
