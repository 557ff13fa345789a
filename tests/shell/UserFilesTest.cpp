// The password file and the settings the user windows write, under damage
// and refusal: a damaged password file is kept beside its new one, which is
// its owner's alone, a password file that cannot be written is told and left
// as it was, a logon ID with a control character never reaches VMQ2007.INI,
// and a Logon Action the file refuses is told as failed.
#include <sys/stat.h>

#include "common/HogGlobals.h"
#include "platform/FileSystem.h"
#include "shell/EnPasswordInfro.h"
#include "shell/LogOn.h"
#include "shell/LogOnFixture.h"
#include "shell/PassWrd2.h"
#include "shell/PasswordFile.h"
#include "support/BoxMatch.h"

using namespace platform;

namespace {
const char* kUserTitle = "U S E R   I N F R O M A T I O N";

template <class W>
void show(TestPlatform& tp, const char* name, std::function<void(W&)> script) {
  tp.windows.on(name, as<W>(std::move(script)));
  W window;
  window.Show(vbModal);
  window.Unload();
}
void lookUp(PassWrd2& w, const std::string& id) {
  w.LogId->SetText(id);
  w.LogId->Type("\r");
}
mode_t modeOf(const std::string& path) {
  struct stat st {};
  EXPECT_EQ(::stat(path.c_str(), &st), 0);
  return st.st_mode & 0777;
}
}  // namespace

class UserFiles : public LogOnTest {
 protected:
  void SetUp() override {
    LogOnTest::SetUp();
    startedWith(standardUsers(), "jsmith");
  }
  void expectLast(const std::string& text, int icon, const std::string& title) {
    EXPECT_TRUE(LastBoxIs(tp.dialogs, {text, title, icon}));
  }
};

TEST_F(UserFiles, ADamagedFileIsKeptAsBadWhereverItIsFound) {
  const struct {
    const char* where;
    std::function<void()> act;
    const char* notice;  // the first box, as it always was
    bool rebuilt;        // a new default file follows at once
  } cases[] = {
      {"start-up", [] { PasswordFileCheck(); },
       "ERROR:  CAN'T OPEN PASSWORD FILE!\r\rCorrupt file.. Removing file.", true},
      {"user maintenance",
       [this] { show<PassWrd2>(tp, "PassWrd2", [](PassWrd2& w) { lookUp(w, "jsmith"); }); },
       "ERROR:  CAN'T OPEN PASSWORD FILE!\r\rCorrupt file.. Generating new file.", true},
      {"user information",
       [this] {
         CurrentUser[1] = "jsmith";
         CurrentUser[3] = "hogs123";
         show<EnPasswordInfro>(tp, "EnPasswordInfro", [](EnPasswordInfro&) {});
       },
       "ERROR:  CAN'T OPEN PASSWORD FILE!\r\rCorrupt file.. Removing file.", false},
      {"log-on", [this] { logOn(MainForm(), "hogs123"); },
       "INVALIED PASSWORD FILE!\r\r  TERMINATING!!!  ", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.where);
    const std::string damaged = scramblePasswordBytes(passwordRecord("Mendrel", "Admin", 0, "NO!") +
                                                      passwordRecord("hogs123", "jsmith", 2));
    writeFile(pwf(), damaged);
    writeFile(pwf() + ".BAD", "an older damaged file");
    tp.dialogs.shown.clear();
    c.act();
    ASSERT_FALSE(tp.dialogs.shown.empty());
    EXPECT_EQ(tp.dialogs.shown[0].text, c.notice);
    EXPECT_EQ(readFile(pwf() + ".BAD"), damaged);
    EXPECT_EQ(platform::fileExists(pwf()), c.rebuilt);
    if (c.rebuilt) EXPECT_EQ(modeOf(pwf()), 0600u);  // a new file is its owner's alone
  }
}

TEST_F(UserFiles, APasswordFileThatCannotBeWrittenIsToldAndKeptAsItWas) {
  // A user maintenance action: look `lookedUp` up, type `id` when given, press.
  const auto maintain = [this](const char* lookedUp, const char* id, CommandButton* PassWrd2::*button) {
    return [=, this] {
      show<PassWrd2>(tp, "PassWrd2", [=](PassWrd2& w) {
        lookUp(w, lookedUp);
        if (id) w.LogId->SetText(id);
        (w.*button)->Press();
      });
    };
  };
  const struct {
    const char* action;
    std::function<void()> act;
  } cases[] = {
      {"new user", maintain("USER", "fred", &PassWrd2::PWNew)},
      {"edit user", maintain("jsmith", nullptr, &PassWrd2::PWEdit)},
      {"clear password", maintain("jsmith", nullptr, &PassWrd2::PWClear)},
      {"delete user", maintain("jsmith", nullptr, &PassWrd2::PWDelete)},
      {"user information",
       [this] {
         CurrentUser[1] = "jsmith";
         CurrentUser[3] = "hogs123";
         UserInfoState = 4;  // rejected earlier: the unload asks nothing
         show<EnPasswordInfro>(tp, "EnPasswordInfro", [](EnPasswordInfro& w) {
           w.EntPassword->SetText("farrow");
           w.Accept->Press();
           EXPECT_TRUE(w.isVisible());
         });
       }},
  };
  setMachine("Require_Password?", "NO");
  const std::string users = readFile(pwf());
  const std::string ini = readFile(vmq());
  ASSERT_EQ(::chmod(pwf().c_str(), 0444), 0);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.action);
    tp.dialogs.clear();
    c.act();
    // The one box, after the others the action showed; nothing said done.
    ASSERT_FALSE(tp.dialogs.shown.empty());
    EXPECT_TRUE(IsBox(tp.dialogs.shown.back(),
                      {"ERROR:  CAN'T WRITE PASSWORD FILE!\r\rThe file cannot be written:\r" + pwf() +
                           "\rcannot write " + pwf() + ": the file is read-only",
                       kUserTitle, vbCritical}));
    EXPECT_EQ(readFile(pwf()), users);
    EXPECT_EQ(readFile(vmq()), ini);  // neither LogOnID nor the Logon Action
  }
  EXPECT_EQ(UserInfoState, 4);  // not accepted
}

TEST_F(UserFiles, ALogonIdWithAControlCharacterIsRefusedInTheWindowsStyle) {
  const std::string ini = readFile(vmq());
  const std::string users = readFile(pwf());
  for (const std::string& id : {std::string("js\r\nRequire_Password?=NO"), std::string("js\tmith")}) {
    SCOPED_TRACE(id);
    show<PassWrd1>(tp, "PassWrd1", [&](PassWrd1& w) {
      w.PassWord->SetText("hogs123");
      w.LogId->SetText(id);
      w.PWAcc->Press();
      expectLast(kLogonIdNotSettingText, vbExclamation, kEnterPasswordTitle);
      EXPECT_TRUE(w.isVisible());
    });
    CurrentUser[1] = "jsmith";
    CurrentUser[3] = "hogs123";
    show<EnPasswordInfro>(tp, "EnPasswordInfro", [&](EnPasswordInfro& w) {
      w.EntLogonID->SetText(id);
      w.Accept->Press();
      expectLast(kLogonIdNotSettingText, vbExclamation, kUserTitle);
      EXPECT_TRUE(w.isVisible());
    });
  }
  EXPECT_EQ(readFile(vmq()), ini);
  EXPECT_EQ(readFile(pwf()), users);
}

TEST_F(UserFiles, ALogonActionTheSettingsFileRefusesIsToldAsFailed) {
  const struct {
    CommandButton* PassWrd2::*button;
    const char* lookedUp;
    const char* id;
    const char* done;
  } cases[] = {{&PassWrd2::PWNew, "USER", "fred", "The new user was added,"},
               {&PassWrd2::PWEdit, "jsmith", "jsmith", "The user was updated,"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.done);
    setMachine("Require_Password?", "YES");
    ASSERT_EQ(::chmod(vmq().c_str(), 0444), 0);
    show<PassWrd2>(tp, "PassWrd2", [&](PassWrd2& w) {
      lookUp(w, c.lookedUp);
      w.LogId->SetText(c.id);
      w.LogActivate[1]->SetValue(true);
      (w.*c.button)->Press();
    });
    expectLast(std::string("ERROR: UNABLE TO WRITE INI VALUE!\r\r") + c.done +
                   "\rbut the Logon Action (Require_Password? = NO)\rcould not be written to VMQ2007.INI.",
               vbExclamation, kUserTitle);
    EXPECT_EQ(machine("Require_Password?"), "YES");
    EXPECT_NE(plainUsers().find(std::string(c.id) + " "), std::string::npos);  // the user was written
    ASSERT_EQ(::chmod(vmq().c_str(), 0644), 0);
  }
}
