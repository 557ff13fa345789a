#pragma once
// The started program with a password file of the test's making, and the
// log-on dialog scripted as the user would fill it.
#include <optional>
#include <string>

#include "platform/Profile.h"
#include "shell/PassWrd1.h"
#include "shell/ShellFixture.h"
#include "support/PasswordBytes.h"

class LogOnTest : public ShellTest {
 protected:
  // Administrator "Admin" / "Mendrel", "jsmith" / "hogs123" at level 2, then
  // free records.
  static std::string standardUsers() {
    std::string plain = passwordRecord("Mendrel", "Admin", 0, "YES", "01/01/2020", "Administrator", "PXW");
    plain += passwordRecord("hogs123", "jsmith", 2, "YES", "01/01/2020", "John Smith", "JS");
    for (int i = 3; i <= 5; ++i) plain += passwordRecord("KWVKWV", "USER", 4, "YES", "01/01/2020");
    return plain;
  }

  std::string pwf() const { return tp.path("TARLOWE.PWF"); }
  std::string vmq() const { return tp.settings() + "VMQ2007.INI"; }
  void writeUsers(const std::string& plain) { writeFile(pwf(), scramblePasswordBytes(plain)); }
  std::string plainUsers() const { return scramblePasswordBytes(readFile(pwf())); }
  // Record n (from 1) of the plain file.
  std::string plainRecord(size_t n) const { return plainUsers().substr((n - 1) * 68, 68); }
  std::string machine(const std::string& key) const { return platform::getProfileString("TARLOWE", key, "", vmq()); }
  void setMachine(const std::string& key, const std::string& value) {
    platform::writeProfileString("TARLOWE", key, value, vmq());
  }

  // Starts with `plain` as the password file and `lastId` as LogOnID.
  Tarlowe2& startedWith(const std::string& plain, const std::string& lastId = "Admin") {
    writeUsers(plain);
    setMachine("LogOnID", lastId);
    start();
    return MainForm();
  }

  // Queues a log-on dialog in which the user types `password` (and `id`,
  // when given, over the offered one) and accepts.
  void typeLogOn(const std::string& password, std::optional<std::string> id = std::nullopt) {
    tp.windows.on("PassWrd1", as<PassWrd1>([password, id](PassWrd1& w) {
      if (id) w.LogId->SetText(*id);
      w.PassWord->SetText(password);
      w.PWAcc->Press();
    }));
  }
  // Queues a log-on dialog closed from its frame.
  void closeLogOn() {
    tp.windows.on("PassWrd1", as<PassWrd1>([](PassWrd1& w) { w.close(); }));
  }
  // LOGON > Logon with one accepted dialog.
  void logOn(Tarlowe2& w, const std::string& password, std::optional<std::string> id = std::nullopt) {
    typeLogOn(password, id);
    w.LogOnMenu->Click(0);
  }
};
