#include "shell/AboutTarlowe.h"

#include <QPainter>

#include "common/FileProcs.h"
#include "common/Settings.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/Services.h"

namespace {
constexpr const char* kSysInfoPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char* kSysInfoPathValue = "PATH";
constexpr const char* kSysInfoFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr const char* kSysInfoFolderValue = "MSINFO";
constexpr const char* kSysInfoFile = "MSINFO32.EXE";

// A small picture of a pig's snout for the corner of the box.
QImage snoutPicture() {
  QImage image(32, 32, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setBrush(QColor(240, 170, 180));
  painter.setPen(QColor(150, 80, 90));
  painter.drawEllipse(2, 6, 28, 20);
  painter.setBrush(QColor(150, 80, 90));
  painter.drawEllipse(9, 13, 5, 7);
  painter.drawEllipse(18, 13, 5, 7);
  return image;
}
}  // namespace

AboutTarlowe::AboutTarlowe(QWidget* parent) : platform::Form("AboutTarlowe", parent) {
  SetCaption("About Tarlowe");
  setFont(platform::makeFont("MS Sans Serif", 8));
  cmdSysInfo = new platform::CommandButton(this, "cmdSysInfo", "&System Info...");
  cmdOK = new platform::CommandButton(this, "cmdOK", "OK");
  cmdOK->setFocus();  // Enter at once closes the box
  picIcon = new platform::Picture(this, "picIcon");
  picIcon->SetPicture(snoutPicture());
  lblDescription = new platform::Label(
      this, "lblDescription",
      "A Hog Production program from farrow to finish, including sales, feed, drug, sow, and boar lists.");
  lblDescription->setWordWrap(true);
  lblDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lblTitle = new platform::Label(this, "lblTitle", "Tarlowe");
  lblTitle->setFont(platform::makeFont("Impact", 20));
  Line1 = new QFrame(this);
  Line1->setObjectName("Line1");
  Line1->setFrameShape(QFrame::HLine);
  Line1->setFrameShadow(QFrame::Sunken);
  lblVersion = new platform::Label(this, "lblVersion");
  lblDisclaimer = new platform::Label(
      this, "lblDisclaimer", "Keep a back-up of the data folder: records lost cannot be recovered.");
  lblDisclaimer->setWordWrap(true);

  platform::placeTwips(picIcon, 240, 240, 540, 540);
  platform::placeTwips(lblTitle, 1050, 240, 3885, 480);
  platform::placeTwips(lblVersion, 1050, 780, 3885, 225);
  platform::placeTwips(lblDescription, 1050, 1125, 3885, 1170);
  platform::placeTwips(Line1, 225, 2430, 5310, 15);
  platform::placeTwips(lblDisclaimer, 255, 2625, 3870, 825);
  platform::placeTwips(cmdOK, 4245, 2625, 1260, 345);
  platform::placeTwips(cmdSysInfo, 4260, 3075, 1245, 345);
  SetBoundsTwips(2340, 1935, 5730, 3900);

  connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
  connect(cmdSysInfo, &QPushButton::clicked, this, [this] { cmdSysInfo_Click(); });
}

void AboutTarlowe::Form_Load() { lblVersion->SetCaption(std::string("Version: ") + settings::kProgramVersionValue); }

void AboutTarlowe::cmdOK_Click() { Unload(); }

void AboutTarlowe::cmdSysInfo_Click() { StartSysInfo(); }

void AboutTarlowe::StartSysInfo() {
  platform::Launcher& launcher = platform::services().launcher();
  std::string path;
  if (GetKeyValue(kHKeyLocalMachine, kSysInfoPathKey, kSysInfoPathValue, path)) {
    if (launcher.start(path)) return;
  } else if (GetKeyValue(kHKeyLocalMachine, kSysInfoFolderKey, kSysInfoFolderValue, path)) {
    std::string tool = platform::joinPath(path, kSysInfoFile);
    if (FileExists(tool) && launcher.start(tool)) return;
  }
  MsgBox("System Information Is Unavailable At This Time", platform::vbOKOnly);
}

bool AboutTarlowe::GetKeyValue(long KeyRoot, const std::string& KeyName, const std::string& SubKeyRef,
                               std::string& KeyVal) {
  KeyVal = "";
  if (KeyRoot != kHKeyLocalMachine) return false;
  std::optional<std::string> value = platform::services().registry().read(KeyName, SubKeyRef);
  if (!value) return false;
  KeyVal = value->substr(0, value->find('\0'));
  return true;
}
