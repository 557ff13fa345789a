#pragma once
// The about box: the program's title, version and description, and a button
// that starts the operating system's system-information tool, found through
// the registry.
#include <QFrame>
#include <string>

#include "platform/Controls.h"
#include "platform/Form.h"

// The registry root of the local machine's settings, the only one read here.
inline constexpr long kHKeyLocalMachine = 0x80000002L;

class AboutTarlowe : public platform::Form {
  Q_OBJECT
 public:
  explicit AboutTarlowe(QWidget* parent = nullptr);

  platform::CommandButton* cmdSysInfo;
  platform::CommandButton* cmdOK;
  platform::Picture* picIcon;
  platform::Label* lblDescription;
  platform::Label* lblTitle;
  QFrame* Line1;
  platform::Label* lblVersion;
  platform::Label* lblDisclaimer;

  void cmdOK_Click();
  void cmdSysInfo_Click();
  // Starts the system-information tool, or says that there is none.
  void StartSysInfo();
  // Reads the text value `SubKeyRef` of the key `KeyName` under `KeyRoot`
  // into `KeyVal` (up to its first NUL); false, with `KeyVal` empty, when the
  // key or the value is not there.
  bool GetKeyValue(long KeyRoot, const std::string& KeyName, const std::string& SubKeyRef,
                   std::string& KeyVal);

 protected:
  void Form_Load() override;
};
