#include "common/AboutTarlowe.h"

#include <QPainter>

#include "common/FileProcs.h"
#include "common/Settings.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/FormKit.h"
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
  CancelOnEscape();
  using namespace platform;
  SetCaption("About Tarlowe");
  setFont(makeFont("MS Sans Serif", 8));
  cmdSysInfo = AddButton(this, "cmdSysInfo", "&System Info...", {4260, 3075, 1245, 345}, [this] { cmdSysInfo_Click(); });
  cmdOK = AddButton(this, "cmdOK", "OK", {4245, 2625, 1260, 345}, [this] { cmdOK_Click(); });
  cmdOK->setFocus();  // Enter at once closes the box
  picIcon = Placed(new Picture(this, "picIcon"), {240, 240, 540, 540});
  picIcon->SetPicture(snoutPicture());
  lblDescription = AddLabel(
      this, "lblDescription",
      "A Hog Production program from farrow to finish, including sales, feed, drug, sow, and boar lists.",
      {1050, 1125, 3885, 1170});
  lblDescription->setWordWrap(true);
  lblDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lblTitle = AddLabel(this, "lblTitle", "Tarlowe", {1050, 240, 3885, 480});
  lblTitle->setFont(makeFont("Impact", 20));
  Line1 = Placed(new QFrame(this), {225, 2430, 5310, 15});
  Line1->setObjectName("Line1");
  Line1->setFrameShape(QFrame::HLine);
  Line1->setFrameShadow(QFrame::Sunken);
  lblVersion = AddLabel(this, "lblVersion", "", {1050, 780, 3885, 225});
  lblDisclaimer = AddLabel(this, "lblDisclaimer",
                           "Keep a back-up of the data folder: records lost cannot be recovered.",
                           {255, 2625, 3870, 825});
  lblDisclaimer->setWordWrap(true);
  SetBoundsTwips(2340, 1935, 5730, 3900);
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
