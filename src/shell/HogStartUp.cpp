#include "shell/HogStartUp.h"

#include <QLinearGradient>
#include <QPainter>
#include <QThread>
#include <functional>
#include <memory>

#include "common/DataFiles.h"
#include "common/FileProcs.h"
#include "common/HogGlobals.h"
#include "common/NumberText.h"
#include "common/Paths.h"
#include "common/Settings.h"
#include "common/WriteJournal.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/Folders.h"
#include "platform/FormKit.h"
#include "platform/Screen.h"
#include "platform/Services.h"
#include "platform/System.h"
#include "shell/DatabaseUtilities.h"
#include "shell/PasswordFile.h"
#include "shell/Tarlowe2.h"

namespace {

platform::KeptWindow<HogStartUp> g_startUp;

constexpr int kSplashTicks = 3000;
constexpr const char* kSplashVersion = "5.00 2019";
constexpr const char* kHelpFileName = "TARLOWE5.HLP";
constexpr const char* kFolderTitle = "S T A R T   U P   F O L D E R S";

std::string lastFour(const std::string& text) { return text.size() > 4 ? text.substr(text.size() - 4) : text; }

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
  const std::string content = platform::ProgramHelpText();
  if (!content.empty()) platform::writeWholeFile(path, std::vector<uint8_t>(content.begin(), content.end()));
}

// Makes a folder the start-up needs when it is missing; says so when it
// cannot.
void makeFolder(const std::string& folder) {
  if (FolderExists(folder)) return;
  if (platform::makeFolder(folder)) return;
  Alert("ERROR: UNABLE TO CREATE FOLDER!\r\r" + folder + "\r" + platform::lastFileError() +
            "\r\rNothing can be kept there until the folder can be made.",
        platform::vbCritical | platform::vbOKOnly, kFolderTitle);
}

// Asks with the input box until `check` takes what is typed (blanks around it
// removed), showing each refusal; answers the text taken.
std::string askUntilTaken(const std::string& prompt, const std::string& title, const std::string& offered,
                          Check (*check)(const std::string&)) {
  for (;;) {
    std::string typed = Trim(InputBox(prompt, title, offered).value_or(""));
    Check refusal = check(typed);
    if (!refusal) return typed;
    platform::ShowRefusal(*refusal, nullptr);
  }
}

// The end of a box whose journal could not be removed or set aside: why,
// what it stops until it goes, and what the farmer can do. While a journal
// is there nothing that changes several files is stored; the journal of a
// whole action also holds its files.
std::string journalStaysText(const RollBack& back) {
  if (!back.journalStays) return "";
  const bool setAside = back.found == RollBack::Found::SetAside;
  const bool holds = back.found == RollBack::Found::Stored || back.found == RollBack::Found::Undone;
  return "\r\rIts journal cannot be " + std::string(setAside ? "set aside" : "removed") + " yet:\r" +
         back.fault->path + "\r" + back.fault->reason + "\rIt stays, and " +
         (holds ? "nothing is stored in its files, nor anything\rthat changes several files, until it goes."
                : "nothing that changes several files is stored\runtil it goes.") +
         "\rThe program tries again at each start: please make\rthe data folder writable.";
}

// Where the journal set aside is kept, or why it stays.
std::string journalKeptText(const RollBack& back) {
  return back.journalStays ? journalStaysText(back) : "\rIts journal is kept as:\r" + back.setAsideAs;
}

}  // namespace

void UndoUnfinishedAction() {
  using Found = RollBack::Found;
  const RollBack back = RollBackJournal(DataFolder);
  const std::string action = back.action.empty() ? "CHANGE" : back.action;
  switch (back.found) {
    case Found::Nothing:
      return;
    case Found::Torn:
      if (!back.journalStays) return;
      Alert("THE LAST CHANGE WAS NOT STORED!\r\rThe program stopped before it had written any of it:\r"
                "nothing of it reached a file, and every file is as\rit was before. Please enter it again." +
                journalStaysText(back),
            platform::vbExclamation | platform::vbOKOnly, kNotStoredTitle);
      return;
    case Found::Stored:
      Alert("THE LAST " + action + " WAS STORED.\r\rThe program stopped after it had written all of it,\r"
                "before it could say so: every file holds it.\rThere is no need to enter it again." +
                journalStaysText(back),
            platform::vbInformation | platform::vbOKOnly, kStoredTitle);
      return;
    case Found::Undone:
      Alert("THE LAST " + action + " WAS NOT FINISHED!\r\rThe program stopped before it had stored all of it,\r"
                "so all of it has been undone: every file is\ras it was before. Please enter it again." +
                journalStaysText(back),
            platform::vbExclamation | platform::vbOKOnly, kUndoneTitle);
      return;
    case Found::SetAside:
      if (!back.changed.empty()) {
        Alert("THE LAST " + action + " WAS NOT FINISHED,\rAND IT HAS NOT BEEN UNDONE!\r\rThe program stopped "
                  "before it had stored all of it,\rand this file has changed since:\r" + back.changed +
                  "\r\rEvery file is left as it is. Please look at what the\r" + action +
                  " changed and enter it again where it is missing." + journalKeptText(back),
              platform::vbExclamation | platform::vbOKOnly, kNotUndoneTitle);
      } else if (!back.files.empty()) {
        std::string files;
        for (const std::string& file : back.files) files += "\r" + file;
        Alert("THE LAST " + action + " MAY NOT HAVE BEEN FINISHED,\rAND IT HAS NOT BEEN UNDONE!\r\rAn earlier "
                  "version of the program stopped while it\rwas storing it, and its journal cannot be undone\rby "
                  "this version. All of it, some of it or none\rof it may be in these files:" + files +
                  "\r\rEvery file is left as it is. Please look at what the\r" + action +
                  " changed and enter it again where it is missing." + journalKeptText(back),
              platform::vbExclamation | platform::vbOKOnly, kNotUndoneTitle);
      } else {
        Alert("THE JOURNAL OF AN UNFINISHED ACTION CANNOT BE USED!\r\r" + WithSeparator(DataFolder) + kJournalName +
                  "\r" + back.why + "\r\rEvery file is left as it is." +
                  (back.journalStays ? journalStaysText(back) : " The journal is kept as:\r" + back.setAsideAs),
              platform::vbExclamation | platform::vbOKOnly, kNotUndoneTitle);
      }
      return;
    case Found::Stuck:
      Alert("ERROR: THE LAST " + action + " COULD NOT BE UNDONE!\r\rThe program stopped before it had stored all of it,\r"
                "and this file cannot be put back as it was:\r" + back.fault->path + "\r" + back.fault->reason +
                "\r\rNothing can be stored in its files, nor anything that\rchanges several files, until it is. "
                "The program tries\ragain at each start: please make the data folder\rand its files writable.",
            platform::vbCritical | platform::vbOKOnly, kNotUndoneTitle);
      return;
  }
}

void RemoveLeftTemporaryFiles() {
  // The files the program replaces whole, by the folder it replaces them in
  // (names are found on the disk without regard to letter case).
  const auto programFile = [](const std::string& name) {
    const std::string n = UCase(name);
    return n == settings::kProgramFileName || n == kPasswordFileName || n == kHelpFileName;
  };
  const auto machineFile = [](const std::string& name) {
    return UCase(name) == std::string(settings::kMachineFileBase) + ".INI";
  };
  const struct {
    std::string folder;
    std::function<bool(const std::string&)> rewrites;
  } places[] = {
      {AppFolder, programFile},
      {platform::machineSettingsFolder(), machineFile},
      {DataFolder, IsRewrittenInDataFolder},
      // The back-up folders: the one the start makes, the one a back-up
      // offers, the one it last went to.
      {BackupFolder, IsDatabaseFileName},
      {DataFolder + "BACKUP/", IsDatabaseFileName},
      {settings::ReadMachineSetting(SettingsSection, settings::kDbBackUpPath), IsDatabaseFileName},
  };
  for (const auto& place : places)
    if (!place.folder.empty() && place.folder.front() == '/')
      platform::removeLeftTemporaries(place.folder, place.rewrites);
}

HogStartUp& StartUpForm() {
  return g_startUp.get();
}

bool StartUpFormExists() { return g_startUp.exists(); }

void ReleaseStartUpForm() {
  if (!g_startUp.exists()) return;
  g_startUp.get().Unload();
  g_startUp.reset();
}

HogStartUp::HogStartUp(QWidget* parent) : platform::Form("HogStartUp", parent) {
  SetCaption("TARLOWE");
  setWindowFlag(Qt::FramelessWindowHint, true);
  Image1 = new platform::Picture(this, "Image1");
  Image1->setScaledContents(true);
  Image1->SetPicture(splashPicture());
  // The activation stretches the picture over the window and moves the labels.
  Label1 = platform::AddLabel(this, "Label1", "TARLOWE", {0, 1440, 6000, 1200});
  Label1->setFont(platform::makeFont("Times New Roman", 48, true));
  Label3 = platform::AddLabel(this, "Label3", "Record keeping for the swine farm, from farrow to finish.",
                              {720, 0, 9000, 360});
  Label3->setFont(platform::makeFont("MS Sans Serif", 12));
  Label4 = platform::AddLabel(this, "Label4", "", {720, 0, 4000, 420});
  Label4->setFont(platform::makeFont("MS Sans Serif", 14, true));
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
  UndoUnfinishedAction();
  RemoveLeftTemporaryFiles();

  Hourglass(false);
  Done = true;
}

void HogStartUp::DateCheck() {
  if (lastFour(lastRunDate_) == lastFour(DateText)) return;
  if (MsgBox("Is this date correct? ->" + DateText, platform::vbQuestion | platform::vbYesNo,
             "T A R L O W E") == platform::vbYes)
    return;
  platform::Clock& clock = platform::services().clock();
  DateText = askUntilTaken("Enter the current DATE. (mm-dd-yyyy)", "ENTER DATE", DateText, CheckClockDate);
  const platform::CivilDate date = *TypedClockDate(DateText);
  clock.setDate(date.year, date.month, date.day);
  TimeText = askUntilTaken("Enter the current TIME. (HH:mm:ss)", "ENTER TIME", TimeText, CheckClockTime);
  const TimeOfDay time = *TypedClockTime(TimeText);
  clock.setTime(time.hour, time.minute, time.second);
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
    DataFolder = WithSeparator(dataPath);
    if (!FolderExists(DataFolder)) {
      Alert("ERROR: DATA FOLDER NOT FOUND!\r\rThe data folder named in TARLOWE.INI does not exist:\r" + DataFolder +
                "\r\rNo records can be read or kept until it is there again.",
            platform::vbCritical | platform::vbOKOnly, "D A T A   F O L D E R");
    }
  }
  settings::WriteProgramSetting(settings::kHogData, settings::kHogDirectory, AppFolder);
  MedFile = MedFileName(lastFour(DateText));
  settings::WriteProgramSetting(settings::kHogData, settings::kMedFile, MedFile);
  FeedFile = FeedFileName(lastFour(DateText));
  settings::WriteProgramSetting(settings::kHogData, settings::kFeedFile, FeedFile);
  settings::WriteMachineSetting(settings::kAppType, settings::kCurrentApp, SettingsSection);
}
