#include "shell/HogStartUp.h"

#include <QFile>
#include <QLinearGradient>
#include <QPainter>
#include <QThread>
#include <cctype>
#include <memory>

#include "common/DateChecks.h"
#include "common/FileProcs.h"
#include "common/HogGlobals.h"
#include "common/NumberText.h"
#include "common/Settings.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/Folders.h"
#include "platform/Screen.h"
#include "platform/Services.h"
#include "shell/PasswordFile.h"
#include "shell/Tarlowe2.h"

// The program's own resources (the help file) live in the core library.
static void initProgramResources() { Q_INIT_RESOURCE(tarlowe); }

namespace {

std::unique_ptr<HogStartUp> g_startUp;

constexpr int kSplashTicks = 3000;
constexpr const char* kSplashVersion = "5.00 2019";
constexpr const char* kHelpFileName = "TARLOWE5.HLP";
constexpr const char* kFolderTitle = "S T A R T   U P   F O L D E R S";

std::string lastFour(const std::string& text) { return text.size() > 4 ? text.substr(text.size() - 4) : text; }

bool allDigits(const std::string& text, size_t from, size_t count) {
  for (size_t i = from; i < from + count; ++i)
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
  return true;
}

int number(const std::string& text, size_t from, size_t count) { return std::stoi(text.substr(from, count)); }

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int year, int month) {
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && isLeapYear(year) ? 29 : days[month - 1];
}

// The splash: the farm's green under a pale sky.
QImage splashPicture() {
  QImage image(640, 480, QImage::Format_RGB32);
  QPainter painter(&image);
  QLinearGradient sky(0, 0, 0, 300);
  sky.setColorAt(0, QColor(150, 190, 230));
  sky.setColorAt(1, QColor(230, 240, 250));
  painter.fillRect(0, 0, 640, 300, sky);
  painter.fillRect(0, 300, 640, 180, QColor(96, 140, 70));
  return image;
}

// Copies the program's help file into the program folder when it is missing.
void installHelpFile(const std::string& path) {
  if (FileExists(path)) return;
  initProgramResources();
  QFile resource(QStringLiteral(":/TARLOWE5.HLP"));
  if (!resource.open(QIODevice::ReadOnly)) return;
  QByteArray content = resource.readAll();
  platform::writeWholeFile(path, std::vector<uint8_t>(content.begin(), content.end()));
}

// Makes a folder the start-up needs when it is missing; says so when it
// cannot.
void makeFolder(const std::string& folder) {
  if (FolderExists(folder)) return;
  if (platform::makeFolder(folder)) return;
  Beep();
  MsgBox("ERROR: UNABLE TO CREATE FOLDER!\r\r" + folder + "\r" + platform::lastFileError() +
             "\r\rNothing can be kept there until the folder can be made.",
         platform::vbCritical | platform::vbOKOnly, kFolderTitle);
}

}  // namespace

std::optional<platform::CivilDate> TypedClockDate(const std::string& text) {
  if (text.size() != 10) return std::nullopt;
  const char sep = text[2];
  if ((sep != '/' && sep != '-') || text[5] != sep) return std::nullopt;
  if (!allDigits(text, 0, 2) || !allDigits(text, 3, 2) || !allDigits(text, 6, 4)) return std::nullopt;
  platform::CivilDate date{number(text, 6, 4), number(text, 0, 2), number(text, 3, 2)};
  if (date.month < 1 || date.month > 12) return std::nullopt;
  if (date.day < 1 || date.day > daysInMonth(date.year, date.month)) return std::nullopt;
  if (!IsSettableDate(date)) return std::nullopt;
  return date;
}

std::optional<TimeOfDay> TypedClockTime(const std::string& text) {
  if (text.size() != 8 || text[2] != ':' || text[5] != ':') return std::nullopt;
  if (!allDigits(text, 0, 2) || !allDigits(text, 3, 2) || !allDigits(text, 6, 2)) return std::nullopt;
  TimeOfDay time{number(text, 0, 2), number(text, 3, 2), number(text, 6, 2)};
  if (time.hour > 23 || time.minute > 59 || time.second > 59) return std::nullopt;
  return time;
}

HogStartUp& StartUpForm() {
  if (!g_startUp) g_startUp = std::make_unique<HogStartUp>();
  return *g_startUp;
}

bool StartUpFormExists() { return g_startUp != nullptr; }

void ReleaseStartUpForm() {
  if (!g_startUp) return;
  g_startUp->Unload();
  g_startUp.reset();
}

HogStartUp::HogStartUp(QWidget* parent) : platform::Form("HogStartUp", parent) {
  SetCaption("TARLOWE");
  setWindowFlag(Qt::FramelessWindowHint, true);
  Image1 = new platform::Picture(this, "Image1");
  Image1->setScaledContents(true);
  Image1->SetPicture(splashPicture());
  Label1 = new platform::Label(this, "Label1", "TARLOWE");
  Label1->setFont(platform::makeFont("Times New Roman", 48, true));
  Label3 = new platform::Label(this, "Label3",
                               "Record keeping for the swine farm, from farrow to finish.");
  Label3->setFont(platform::makeFont("MS Sans Serif", 12));
  Label4 = new platform::Label(this, "Label4");
  Label4->setFont(platform::makeFont("MS Sans Serif", 14, true));
  platform::placeTwips(Label1, 0, 1440, 6000, 1200);
  platform::placeTwips(Label3, 720, 0, 9000, 360);
  platform::placeTwips(Label4, 720, 0, 4000, 420);
  Timer1 = new platform::Timer(this, "Timer1");
  Timer1->SetInterval(kSplashTicks);
  Timer1->onTimer = [this] { Timer1_Timer(); };
}

void HogStartUp::Form_Load() {
  platform::TwipsRect whole = platform::screen().size();
  SetBoundsTwips(whole.left, whole.top, whole.width, whole.height);
  Done = false;
  Hourglass(false);
  Timer1->SetEnabled(true);
  Show(platform::vbModeless);
  while (!Done) {
    DoEvents();
    if (!Done) QThread::msleep(10);
  }
  Hide();
  MainForm().Show(platform::vbModeless);
}

void HogStartUp::Form_Activate() {
  double tpp = platform::screen().twipsPerPixel();
  int width = static_cast<int>(this->width() * tpp);
  int height = static_cast<int>(this->height() * tpp);
  platform::placeTwips(Image1, 0, 0, width, height);
  Image1->lower();
  platform::TwipsRect label1 = platform::twipsBounds(Label1);
  platform::placeTwips(Label1, static_cast<int>(width / 3.5), label1.top, label1.width, label1.height);
  platform::TwipsRect label3 = platform::twipsBounds(Label3);
  platform::placeTwips(Label3, label3.left, height - 2030, label3.width, label3.height);
  platform::TwipsRect label4 = platform::twipsBounds(Label4);
  platform::placeTwips(Label4, label4.left, height - 1575, label4.width, label4.height);
  Label4->SetCaption(std::string("Version ") + kSplashVersion);
}

void HogStartUp::Timer1_Timer() {
  Hourglass(true);
  Timer1->SetEnabled(false);

  AppFolder = platform::programFolder();
  makeFolder(AppFolder);
  HelpFilePath = AppFolder + kHelpFileName;
  installHelpFile(HelpFilePath);
  DataFolder = AppFolder + "HOGDATA/";
  TempFolder = AppFolder + "HOGDATA/TMPDATA/";
  BackupFolder = AppFolder + "HOGDATA/BACKUP/";

  lastRunDate_ = settings::ReadProgramSetting(settings::kStartupInfo, settings::kCurrentDate);
  if (Trim(lastRunDate_).empty()) lastRunDate_ = DateText;
  DateCheck();

  settings::WriteProgramSetting(settings::kStartupInfo, settings::kProgramVersion,
                                settings::kProgramVersionValue);
  settings::WriteProgramSetting(settings::kStartupInfo, settings::kReleaseDate, settings::kReleaseDateValue);
  MakeFolders();

  SettingsSection = settings::kProgramSection;
  LogonSetup();
  DataPaths();

  Hourglass(false);
  Done = true;
}

void HogStartUp::DateCheck() {
  if (lastFour(lastRunDate_) == lastFour(DateText)) return;
  if (MsgBox("Is this date correct? ->" + DateText, platform::vbQuestion | platform::vbYesNo,
             "T A R L O W E") == platform::vbYes)
    return;
  platform::Clock& clock = platform::services().clock();
  for (;;) {
    std::string typed = Trim(InputBox("Enter the current DATE. (mm-dd-yyyy)", "ENTER DATE", DateText).value_or(""));
    if (typed.empty()) {
      Beep();
      MsgBox("You MUST enter the DATE!", platform::vbExclamation | platform::vbOKOnly, "ENTER DATE");
      continue;
    }
    std::optional<platform::CivilDate> date = TypedClockDate(typed);
    if (!date) {
      Beep();
      MsgBox("You entered an invalied DATE!", platform::vbExclamation | platform::vbOKOnly, "ENTER DATE");
      continue;
    }
    DateText = typed;
    clock.setDate(date->year, date->month, date->day);
    break;
  }
  for (;;) {
    std::string typed = Trim(InputBox("Enter the current TIME. (HH:mm:ss)", "ENTER TIME", TimeText).value_or(""));
    if (typed.empty()) {
      Beep();
      MsgBox("You MUST enter the TIME!", platform::vbExclamation | platform::vbOKOnly, "ENTER TIME");
      continue;
    }
    std::optional<TimeOfDay> time = TypedClockTime(typed);
    if (!time) {
      Beep();
      MsgBox("You entered an invalied TIME!", platform::vbExclamation | platform::vbOKOnly, "ENTER TIME");
      continue;
    }
    TimeText = typed;
    clock.setTime(time->hour, time->minute, time->second);
    break;
  }
}

void HogStartUp::MakeFolders() {
  makeFolder(AppFolder + "HOGDATA");
  makeFolder(AppFolder + "HOGDATA/BACKUP");
  makeFolder(AppFolder + "HOGDATA/TMPDATA");
  makeFolder(platform::machineSettingsFolder());
}

void HogStartUp::LogonSetup() {
  std::string required = settings::ReadMachineSetting(SettingsSection, settings::kRequirePassword);
  if (required == settings::kNo) {
    MainForm().ShowAllMenus();
    return;
  }
  if (required != settings::kYes)
    settings::WriteMachineSetting(SettingsSection, settings::kRequirePassword, settings::kYes);
  PasswordFileCheck();
  MainForm().ShowLoggedOutMenus();
}

void HogStartUp::DataPaths() {
  std::string dataPath = settings::ReadProgramSetting(settings::kHogData, settings::kDataPath);
  if (dataPath.empty()) {
    settings::WriteProgramSetting(settings::kHogData, settings::kDataPath, DataFolder);
  } else {
    DataFolder = dataPath;
    if (DataFolder.back() != '/' && DataFolder.back() != '\\') DataFolder += "/";
    if (!FolderExists(DataFolder)) {
      Beep();
      MsgBox("ERROR: DATA FOLDER NOT FOUND!\r\rThe data folder named in TARLOWE.INI does not exist:\r" +
                 DataFolder + "\r\rNo records can be read or kept until it is there again.",
             platform::vbCritical | platform::vbOKOnly, "D A T A   F O L D E R");
    }
  }
  settings::WriteProgramSetting(settings::kHogData, settings::kHogDirectory, AppFolder);
  MedFile = "MED" + lastFour(DateText) + ".DAT";
  settings::WriteProgramSetting(settings::kHogData, settings::kMedFile, MedFile);
  FeedFile = "FEED" + lastFour(DateText) + ".DAT";
  settings::WriteProgramSetting(settings::kHogData, settings::kFeedFile, FeedFile);
  settings::WriteMachineSetting(settings::kAppType, settings::kCurrentApp, SettingsSection);
}
