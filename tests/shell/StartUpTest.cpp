#include "common/HogGlobals.h"
#include "common/Scrambler.h"
#include "common/Settings.h"
#include "common/WriteJournal.h"
#include "platform/FileSystem.h"
#include "platform/Profile.h"
#include "platform/RecordFile.h"
#include "shell/PasswordFile.h"
#include "shell/ShellFixture.h"
#include "support/AnotherUser.h"
#include "support/BoxMatch.h"
#include "support/EarlierJournal.h"

#include <QFile>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <optional>

using namespace platform;

namespace {
std::string ini(const std::string& path, const std::string& section, const std::string& key) {
  return getProfileString(section, key, "", path);
}
}  // namespace

class StartUp : public ShellTest {
 protected:
  std::string programIni(const std::string& section, const std::string& key) {
    return ini(tp.path("TARLOWE.INI"), section, key);
  }
  std::string machineIni(const std::string& section, const std::string& key) {
    return ini(tp.settings() + "VMQ2007.INI", section, key);
  }
  void setProgram(const std::string& section, const std::string& key, const std::string& value) {
    writeProfileString(section, key, value, tp.path("TARLOWE.INI"));
  }
  void setMachine(const std::string& key, const std::string& value) {
    writeProfileString("TARLOWE", key, value, tp.settings() + "VMQ2007.INI");
  }
  void expectOnlyLogOnAndExit() {
    Tarlowe2& w = MainForm();
    EXPECT_TRUE(w.MainMenu->Visible(0));
    EXPECT_TRUE(w.MainMenu->Enabled(0));
    for (int i = 1; i <= 9; ++i) EXPECT_FALSE(w.MainMenu->Visible(i)) << i;
    EXPECT_TRUE(w.MainMenu->Visible(10));
    EXPECT_TRUE(w.MainMenu->Enabled(10));
    EXPECT_TRUE(w.LogOnMenu->Visible(0));
    for (int i = 1; i <= 3; ++i) EXPECT_FALSE(w.LogOnMenu->Visible(i)) << i;
  }
};

TEST_F(StartUp, FirstStartInAnEmptyProgramFolder) {
  start();
  // The splash stood full-screen with its version until the timer ran the
  // sequence.
  EXPECT_TRUE(splash.visible);
  EXPECT_EQ(splash.version, "Version 5.00 2019");
  EXPECT_EQ(splash.interval, 3000);
  EXPECT_EQ(splash.timerType, Qt::PreciseTimer);  // a coarse timer may end it up to 150 ms early
  EXPECT_EQ(splash.bounds.width, 1024 * 15);  // the whole screen
  EXPECT_EQ(splash.bounds.height, 768 * 15);
  EXPECT_TRUE(tp.dialogs.shown.empty());  // no date question on a first start
  EXPECT_EQ(tp.end.ends, 0);

  ASSERT_TRUE(MainFormExists());
  Tarlowe2& w = MainForm();
  EXPECT_TRUE(w.isVisible());
  EXPECT_EQ(w.Caption(), "TARLOWE MAIN MENU");
  TwipsRect bounds = w.BoundsTwips();  // the work area
  EXPECT_EQ(bounds.left, 0);
  EXPECT_EQ(bounds.top, 0);
  EXPECT_EQ(bounds.width, 1024 * 15);
  EXPECT_EQ(bounds.height, 738 * 15);
  EXPECT_EQ(w.frameGeometry(), QRect(0, 0, 1024, 738));  // the frame on the work area
  EXPECT_FALSE(StartUpFormExists());                  // unloaded at the first focus
  EXPECT_FALSE(tp.screen.hourglass());
  expectOnlyLogOnAndExit();

  EXPECT_EQ(programIni("STARTUPINFO", "ProgramVersion"), "5.00.06.2019");
  EXPECT_EQ(programIni("STARTUPINFO", "ReleaseDate"), "22 March 2019");
  EXPECT_EQ(programIni("STARTUPINFO", "CurrentDate"), "");
  EXPECT_EQ(programIni("HOGDATA", "DataPath"), tp.home() + "HOGDATA/");
  EXPECT_EQ(programIni("HOGDATA", "HogDirectory"), tp.home());
  EXPECT_EQ(programIni("HOGDATA", "MedFile"), "MED2026.DAT");
  EXPECT_EQ(programIni("HOGDATA", "FeedFile"), "FEED2026.DAT");
  EXPECT_EQ(machineIni("TARLOWE", "Require_Password?"), "YES");
  EXPECT_EQ(machineIni("TARLOWE", "LogOnID"), "Admin");
  EXPECT_EQ(machineIni("APP_TYPE", "CurrentApp"), "TARLOWE");
  EXPECT_TRUE(folderExists(tp.path("HOGDATA")));
  EXPECT_TRUE(folderExists(tp.path("HOGDATA/BACKUP")));
  EXPECT_TRUE(folderExists(tp.path("HOGDATA/TMPDATA")));

  std::string pwf = readFile(tp.path("TARLOWE.PWF"));
  ASSERT_EQ(pwf.size(), 2176u);
  std::vector<uint8_t> bytes(pwf.begin(), pwf.end());
  ScrambleBytes(bytes, kPasswordKey);
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 30), "KWVKWV    Admin               ");
  EXPECT_EQ(std::string(bytes.begin() + 65, bytes.begin() + 68), "YES");
  EXPECT_NE(pwf.substr(0, 6), "KWVKWV");

  EXPECT_EQ(AppFolder, tp.home());
  EXPECT_EQ(DataFolder, tp.home() + "HOGDATA/");
  EXPECT_EQ(TempFolder, tp.home() + "HOGDATA/TMPDATA/");
  EXPECT_EQ(BackupFolder, tp.home() + "HOGDATA/BACKUP/");
  EXPECT_EQ(HelpFilePath, tp.home() + "TARLOWE5.HLP");
  EXPECT_EQ(SettingsSection, "TARLOWE");
  EXPECT_EQ(DateText, "12/07/2026");
  EXPECT_EQ(TimeText, "09:30:00");
  EXPECT_EQ(w.PwfPath, tp.home() + "TARLOWE.PWF");
}

TEST_F(StartUp, TheHelpFileIsPutIntoTheProgramFolderOnlyWhenMissing) {
  start();
  std::string help = readFile(tp.path("TARLOWE5.HLP"));
  QFile resource(":/TARLOWE5.HLP");
  ASSERT_TRUE(resource.open(QIODevice::ReadOnly));
  EXPECT_EQ(help, resource.readAll().toStdString());
  EXPECT_NE(help.find("TARLOWE"), std::string::npos);

  ReleaseMainForm();
  writeFile(tp.path("TARLOWE5.HLP"), "our own notes");
  start();
  EXPECT_EQ(readFile(tp.path("TARLOWE5.HLP")), "our own notes");
}

TEST_F(StartUp, WrongRegionalDateTypeEndsAtOnceWritingNothing) {
  tp.clock.dateOverride = "WRONG   DATE   TYPE";
  start();
  ASSERT_EQ(tp.dialogs.shown.size(), 1u);
  EXPECT_TRUE(LastBoxIs(tp.dialogs, {"INVALIED DATE FORMAT!\r\rYour DATE format is incorrect.\rGo to the Control "
                                     "Panel and\rclick on Regional Settings.\rSelect the Date Tab, and in\rthe Short "
                                     "Date box, set it to\rMM/DD/YYYY",
                                     "WRONG   DATE   TYPE", vbCritical}));
  EXPECT_EQ(tp.end.ends, 1);
  EXPECT_FALSE(StartUpFormExists());
  EXPECT_FALSE(MainFormExists());
  std::vector<std::string> names;
  listFolder(tp.home(), names);
  EXPECT_TRUE(names.empty());
}

TEST_F(StartUp, WrongRegionalTimeStyleEndsAtOnce) {
  tp.clock.timeOverride = "9:30:00 AM";
  start();
  ASSERT_EQ(tp.dialogs.shown.size(), 1u);
  EXPECT_TRUE(LastBoxIs(tp.dialogs, {"INVALIED TIME FORMAT!\r\rYour TIME format is incorrect.\rGo to the Control "
                                     "Panel and\rclick on Regional Settings.\rSelect the Time Tab, and in\rthe Time "
                                     "Style box, set it to\rHH:MM:SS",
                                     "WRONG   TIME  STYLE", vbCritical}));
  EXPECT_EQ(tp.end.ends, 1);
  EXPECT_FALSE(fileExists(tp.path("TARLOWE.INI")));
}

TEST_F(StartUp, SameYearAsTheLastRunAsksNothing) {
  setProgram("STARTUPINFO", "CurrentDate", "01/15/2026");
  start();
  EXPECT_TRUE(tp.dialogs.shown.empty());
  EXPECT_EQ(programIni("STARTUPINFO", "CurrentDate"), "01/15/2026");
}

TEST_F(StartUp, NewYearAskedAndConfirmed) {
  setProgram("STARTUPINFO", "CurrentDate", "12/30/2025");
  tp.dialogs.answer(vbYes);
  start();
  ASSERT_EQ(tp.dialogs.shown.size(), 1u);
  EXPECT_TRUE(LastBoxIs(tp.dialogs, {"Is this date correct? ->12/07/2026", "T A R L O W E", vbQuestion, vbYesNo, false}));
  EXPECT_EQ(DateText, "12/07/2026");
  EXPECT_EQ(programIni("STARTUPINFO", "CurrentDate"), "12/30/2025");  // written only at the end
}

TEST_F(StartUp, NewYearCorrectedDateAndTimeSetTheProgramsClock) {
  setProgram("STARTUPINFO", "CurrentDate", "12/30/2025");
  tp.dialogs.answer(vbNo)
      .cancelInput()
      .type("13/01/2027")
      .type("02/29/2027")
      .type("12/31/1979")
      .type("1/5/2027")
      .type("01/05-2027")
      .type("01-05-2027")
      .type("")
      .type("25:00:00")
      .type("8:15")
      .type("08:15:30");
  start();
  EXPECT_EQ(tp.dialogs.pending(), 0u);
  auto& shown = tp.dialogs.shown;
  ASSERT_EQ(shown.size(), 21u);
  EXPECT_TRUE(shown[1].input);
  EXPECT_EQ(shown[1].text, "Enter the current DATE. (mm-dd-yyyy)");
  EXPECT_EQ(shown[1].title, "ENTER DATE");
  EXPECT_EQ(shown[1].defaultText, "12/07/2026");
  EXPECT_TRUE(IsBox(shown[2], {"You MUST enter the DATE!", "ENTER DATE"}));
  for (int i : {4, 6, 8, 10, 12}) EXPECT_TRUE(IsBox(shown[i], {"You entered an invalied DATE!", "ENTER DATE"})) << i;
  EXPECT_TRUE(shown[14].input);
  EXPECT_EQ(shown[14].text, "Enter the current TIME. (HH:mm:ss)");
  EXPECT_EQ(shown[14].title, "ENTER TIME");
  EXPECT_EQ(shown[14].defaultText, "09:30:00");
  EXPECT_TRUE(IsBox(shown[15], {"You MUST enter the TIME!", "ENTER TIME"}));
  for (int i : {17, 19}) EXPECT_TRUE(IsBox(shown[i], {"You entered an invalied TIME!", "ENTER TIME"})) << i;
  EXPECT_EQ(DateText, "01-05-2027");  // as typed
  EXPECT_EQ(TimeText, "08:15:30");
  EXPECT_EQ(tp.clock.year, 2027);
  EXPECT_EQ(tp.clock.month, 1);
  EXPECT_EQ(tp.clock.day, 5);
  EXPECT_EQ(tp.clock.hour, 8);
  EXPECT_EQ(tp.clock.minute, 15);
  EXPECT_EQ(tp.clock.second, 30);
  EXPECT_EQ(MedFile, "MED2027.DAT");
  EXPECT_EQ(FeedFile, "FEED2027.DAT");
  EXPECT_EQ(programIni("HOGDATA", "FeedFile"), "FEED2027.DAT");
  EXPECT_EQ(programIni("STARTUPINFO", "CurrentDate"), "12/30/2025");
}

TEST(ClockEntry, TypedDatesAndTimesMustBeRealAndSettable) {
  const Refusal noDate{"You MUST enter the DATE!", "ENTER DATE"};
  const Refusal badDate{"You entered an invalied DATE!", "ENTER DATE"};
  const Refusal noTime{"You MUST enter the TIME!", "ENTER TIME"};
  const Refusal badTime{"You entered an invalied TIME!", "ENTER TIME"};
  const struct {
    Check (*check)(const std::string&);
    std::string typed;
    Check refusal;
  } rows[] = {
      {CheckClockDate, "02/29/2024", std::nullopt}, {CheckClockDate, "02/29/2000", std::nullopt},
      {CheckClockDate, "02/29/2100", badDate},      {CheckClockDate, "04/31/2026", badDate},
      {CheckClockDate, "00/10/2026", badDate},      {CheckClockDate, "01/01/1980", std::nullopt},
      {CheckClockDate, "12-31-2107", std::nullopt}, {CheckClockDate, "01/01/2108", badDate},
      {CheckClockDate, "1A/05/2026", badDate},      {CheckClockDate, "2026/01/05", badDate},
      {CheckClockDate, "01/05-2027", badDate},      {CheckClockDate, "", noDate},
      {CheckClockTime, "00:00:00", std::nullopt},   {CheckClockTime, "23:59:59", std::nullopt},
      {CheckClockTime, "24:00:00", badTime},        {CheckClockTime, "12:60:00", badTime},
      {CheckClockTime, "12.30.00", badTime},        {CheckClockTime, "12:30", badTime},
      {CheckClockTime, "", noTime},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.typed);
    EXPECT_EQ(row.check(row.typed), row.refusal);
  }
  const std::optional<platform::CivilDate> taken = TypedClockDate("12-31-2107");
  ASSERT_TRUE(taken);
  EXPECT_EQ(std::vector<int>({taken->year, taken->month, taken->day}), std::vector<int>({2107, 12, 31}));
}

TEST_F(StartUp, RequirePasswordInSmallLettersIsRewrittenYes) {
  setMachine("Require_Password?", "no");
  start();
  EXPECT_EQ(machineIni("TARLOWE", "Require_Password?"), "YES");
  expectOnlyLogOnAndExit();
  EXPECT_EQ(readFile(tp.path("TARLOWE.PWF")).size(), 2176u);
}

TEST_F(StartUp, RequirePasswordNoShowsEveryMenuAndLeavesThePasswordFileAlone) {
  setMachine("Require_Password?", "NO");
  start();
  Tarlowe2& w = MainForm();
  for (int i = 0; i <= 10; ++i) {
    EXPECT_TRUE(w.MainMenu->Visible(i)) << i;
    EXPECT_TRUE(w.MainMenu->Enabled(i)) << i;
  }
  EXPECT_TRUE(w.LogOnMenu->Visible(0));
  for (int i = 1; i <= 3; ++i) EXPECT_FALSE(w.LogOnMenu->Visible(i));
  EXPECT_FALSE(fileExists(tp.path("TARLOWE.PWF")));
  EXPECT_EQ(machineIni("TARLOWE", "Require_Password?"), "NO");
  EXPECT_EQ(machineIni("TARLOWE", "LogOnID"), "");
}

TEST_F(StartUp, CorruptPasswordFileIsNoticedAndReplaced) {
  writeFile(tp.path("TARLOWE.PWF"), std::string(68 * 3, 'Q'));
  start();
  ASSERT_EQ(tp.dialogs.shown.size(), 1u);
  EXPECT_EQ(tp.dialogs.last().title, "P A S S W O R D  F I L E  C H E C K");
  EXPECT_EQ(tp.dialogs.last().text, "ERROR:  CAN'T OPEN PASSWORD FILE!\r\rCorrupt file.. Removing file.");
  EXPECT_EQ(readFile(tp.path("TARLOWE.PWF")).size(), 2176u);
}

TEST_F(StartUp, ValidPasswordFileStaysByteForByte) {
  AppFolder = tp.home();
  DateText = "03/03/2021";
  std::vector<PasswordRecord> users = DefaultPasswordRecords("03/03/2021");
  users.push_back(users[1]);
  users[2].LogonID = "Sam";
  users[2].Password = "oink";
  ASSERT_TRUE(SavePasswordFile(tp.path("TARLOWE.PWF"), users));
  std::string before = readFile(tp.path("TARLOWE.PWF"));
  start();
  EXPECT_TRUE(tp.dialogs.shown.empty());
  EXPECT_EQ(readFile(tp.path("TARLOWE.PWF")), before);
}

TEST_F(StartUp, DataPathWithoutTrailingSeparatorGainsOne) {
  makeFolder(tp.home() + "elsewhere");
  setProgram("HOGDATA", "DataPath", tp.home() + "elsewhere");
  start();
  EXPECT_TRUE(tp.dialogs.shown.empty());
  EXPECT_EQ(DataFolder, tp.home() + "elsewhere/");
  EXPECT_EQ(programIni("HOGDATA", "DataPath"), tp.home() + "elsewhere");
}

TEST_F(StartUp, DataPathNamingAMissingFolderIsReportedAndNotMade) {
  setProgram("HOGDATA", "DataPath", tp.home() + "gone/HOGDATA/");
  start();
  ASSERT_EQ(tp.dialogs.shown.size(), 1u);
  EXPECT_TRUE(LastBoxIs(tp.dialogs, {"ERROR: DATA FOLDER NOT FOUND!\r\rThe data folder named in TARLOWE.INI does not "
                                     "exist:\r" + tp.home() +
                                         "gone/HOGDATA/\r\rNo records can be read or kept until it is there again.",
                                     "D A T A   F O L D E R", vbCritical}));
  EXPECT_EQ(DataFolder, tp.home() + "gone/HOGDATA/");
  EXPECT_FALSE(folderExists(tp.home() + "gone"));
  EXPECT_TRUE(MainForm().isVisible());  // the program goes on
}

TEST_F(StartUp, AFolderThatCannotBeMadeIsReported) {
  writeFile(tp.path("HOGDATA"), "a file standing where the folder belongs");
  start();
  ASSERT_GE(tp.dialogs.shown.size(), 1u);
  const ShownBox& box = tp.dialogs.shown[0];
  EXPECT_EQ(box.title, "S T A R T   U P   F O L D E R S");
  EXPECT_EQ(box.text.rfind("ERROR: UNABLE TO CREATE FOLDER!\r\r" + tp.home() + "HOGDATA\r", 0), 0u) << box.text;
  EXPECT_EQ(box.icon, vbCritical);
  EXPECT_TRUE(box.beepBefore);
  EXPECT_EQ(readFile(tp.path("HOGDATA")), "a file standing where the folder belongs");
  EXPECT_TRUE(MainForm().isVisible());
}

// A run stopped in the middle of a new litter left its journal: the start
// puts the files back before anything reads them, or keeps the litter when
// every record was written, and says which, once. A torn journal is removed
// without a word; one whose files changed since, or that is not of this
// layout, is set aside and the files left; a file that cannot be put back is
// named and its journal kept for the next start.
TEST_F(StartUp, AnActionLeftUnfinishedIsUndoneBeforeAnythingReadsTheFiles) {
  const std::string data = tp.path("HOGDATA/");
  const std::string litter(50, 'L'), oldSow(1130, 'O'), newSow(1130, 'N');
  const Journal journal{"NEW FARROW RECORD",
                        {{"FARROW.DAT", 50, true, 0, 50}, {"SOW.DAT", 1130, true, 1130, 1130}},
                        {{0, 0, {}, {litter.begin(), litter.end()}},
                         {1, 0, {oldSow.begin(), oldSow.end()}, {newSow.begin(), newSow.end()}}}};
  const std::vector<uint8_t> whole = EncodeJournal(journal);
  std::vector<uint8_t> earlier = whole;
  earlier[15] = '\n';
  const FolderBytes half{{"FARROW.DAT", litter}, {"SOW.DAT", oldSow}};
  const FolderBytes before{{"FARROW.DAT", ""}, {"SOW.DAT", oldSow}};
  const FolderBytes stored{{"FARROW.DAT", litter}, {"SOW.DAT", newSow}};
  const FolderBytes changed{{"FARROW.DAT", ""}, {"SOW.DAT", std::string(1130, 'X')}};
  const ExpectedBox undone{"THE LAST NEW FARROW RECORD WAS NOT FINISHED!\r\rThe program stopped before it had stored all "
                           "of it,\rso all of it has been undone: every file is\ras it was before. Please enter it again.",
                           kUndoneTitle};
  const std::string aside = data + "TARLOWE-1.JNL";
  const struct {
    const char* name;
    std::vector<uint8_t> journal;
    FolderBytes left;
    bool readOnlySows;
    FolderBytes after;  // the data files after the start
    std::optional<ExpectedBox> box;
  } cases[] = {
      {"half written", whole, half, false, before, undone},
      {"none written", whole, before, false, before, undone},
      {"all written", whole, stored, false, stored,
       ExpectedBox{"THE LAST NEW FARROW RECORD WAS STORED.\r\rThe program stopped after it had written all of it,\r"
                   "before it could say so: every file holds it.\rThere is no need to enter it again.",
                   kStoredTitle, vbInformation}},
      {"torn", {whole.begin(), whole.end() - 3}, half, false, half, std::nullopt},
      {"changed since", whole, changed, false, changed,
       ExpectedBox{"THE LAST NEW FARROW RECORD WAS NOT FINISHED,\rAND IT HAS NOT BEEN UNDONE!\r\rThe program stopped "
                   "before it had stored all of it,\rand this file has changed since:\r" + data + "SOW.DAT\r\rEvery "
                   "file is left as it is. Please look at what the\rNEW FARROW RECORD changed and enter it again where "
                   "it is missing.\rIts journal is kept as:\r" + aside,
                   kNotUndoneTitle}},
      {"another layout", earlier, half, false, half,
       ExpectedBox{"THE JOURNAL OF AN UNFINISHED ACTION CANNOT BE USED!\r\r" + data + "TARLOWE.JNL\rit is not a "
                   "journal of the layout this version of the program writes\r\rEvery file is left as it is. The "
                   "journal is kept as:\r" + aside,
                   kNotUndoneTitle}},
      {"the version before's layout", EncodeEarlierJournal(journal), half, false, half,
       ExpectedBox{"THE LAST NEW FARROW RECORD MAY NOT HAVE BEEN FINISHED,\rAND IT HAS NOT BEEN UNDONE!\r\rAn "
                   "earlier version of the program stopped while it\rwas storing it, and its journal cannot be "
                   "undone\rby this version. All of it, some of it or none\rof it may be in these files:\r" + data +
                       "FARROW.DAT\r" + data + "SOW.DAT\r\rEvery file is left as it is. Please look at what "
                       "the\rNEW FARROW RECORD changed and enter it again where it is missing.\rIts journal is kept "
                       "as:\r" + aside,
                   kNotUndoneTitle}},
      {"sows read-only", whole, half, true, before,
       ExpectedBox{"ERROR: THE LAST NEW FARROW RECORD COULD NOT BE UNDONE!\r\rThe program stopped before it had stored "
                   "all of it,\rand this file cannot be put back as it was:\r" + data + "SOW.DAT\rcannot write " +
                       data + "SOW.DAT: the file is read-only\r\rNothing can be stored in its files, nor anything "
                       "that\rchanges several files, until it is. The program tries\ragain at each start: please "
                       "make the data folder\rand its files writable.",
                   kNotUndoneTitle, vbCritical}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ReleaseMainForm();
    tp.dialogs.clear();
    std::filesystem::remove_all(data);
    writeFolder(data, c.left);
    writeFile(data + kJournalName, std::string(c.journal.begin(), c.journal.end()));
    if (c.readOnlySows) ::chmod((data + "SOW.DAT").c_str(), 0444);
    start();
    FolderBytes after = c.after;
    if (c.readOnlySows) after[kJournalName] = std::string(whole.begin(), whole.end());
    if (c.box && c.box->title == kNotUndoneTitle && !c.readOnlySows)
      after["TARLOWE-1.JNL"] = std::string(c.journal.begin(), c.journal.end());
    EXPECT_EQ(folderBytes(data), after);
    ASSERT_EQ(tp.dialogs.shown.size(), c.box ? 1u : 0u);
    if (c.box) EXPECT_TRUE(LastBoxIs(tp.dialogs, *c.box));
    ::chmod((data + "SOW.DAT").c_str(), 0644);
  }
}

// A journal that cannot be removed or set aside from a data folder that may
// not be written: the box says what was done and what the journal stops
// until it goes; the files of a whole action stay held, the others may be
// written. The start runs as a user who may write the files but not the
// folder.
TEST_F(StartUp, AJournalThatCannotGoIsToldWithWhatItStops) {
  const std::string data = tp.path("HOGDATA/"), sows = data + "SOW.DAT", journal = data + kJournalName;
  const std::string oldSow(1130, 'O'), newSow(1130, 'N'), halfSow = newSow.substr(0, 512) + oldSow.substr(512);
  const std::vector<uint8_t> whole = EncodeJournal(
      {"SOW DELETE", {{"SOW.DAT", 1130, true, 1130, 1130}}, {{0, 0, {oldSow.begin(), oldSow.end()}, {newSow.begin(), newSow.end()}}}});
  std::vector<uint8_t> damaged = whole;
  damaged.back() ^= 1;
  const std::string stays = "\r" + journal + "\rcannot delete " + journal + ": Permission denied\rIt stays, and ";
  const std::string holds = "nothing is stored in its files, nor anything\rthat changes several files, until it goes.";
  const std::string stops = "nothing that changes several files is stored\runtil it goes.";
  const std::string again = "\rThe program tries again at each start: please make\rthe data folder writable.";
  const std::string held = "cannot write " + sows + ": the journal of the last SOW DELETE waits to be removed: "
                           "nothing is stored in this file until then (the program tries again at each start; "
                           "make the data folder and its files writable)";
  const struct {
    const char* name;
    std::vector<uint8_t> journal;
    std::string left, after;  // SOW.DAT before and after the start
    std::string title, text;
    std::string write;  // why a write to SOW.DAT is refused; "" when it goes through
  } cases[] = {
      {"stored", whole, newSow, newSow, kStoredTitle,
       "THE LAST SOW DELETE WAS STORED.\r\rThe program stopped after it had written all of it,\rbefore it could say "
       "so: every file holds it.\rThere is no need to enter it again.\r\rIts journal cannot be removed yet:" +
           stays + holds + again,
       held},
      {"undone", whole, halfSow, oldSow, kUndoneTitle,
       "THE LAST SOW DELETE WAS NOT FINISHED!\r\rThe program stopped before it had stored all of it,\rso all of it "
       "has been undone: every file is\ras it was before. Please enter it again.\r\rIts journal cannot be removed "
       "yet:" + stays + holds + again,
       held},
      {"torn", {whole.begin(), whole.end() - 3}, oldSow, oldSow, kNotStoredTitle,
       "THE LAST CHANGE WAS NOT STORED!\r\rThe program stopped before it had written any of it:\rnothing of it "
       "reached a file, and every file is as\rit was before. Please enter it again.\r\rIts journal cannot be "
       "removed yet:" + stays + stops + again,
       ""},
      {"damaged", damaged, halfSow, halfSow, kNotUndoneTitle,
       "THE JOURNAL OF AN UNFINISHED ACTION CANNOT BE USED!\r\r" + journal + "\rit is damaged: what it holds does "
       "not match its checksum\r\rEvery file is left as it is.\r\rIts journal cannot be set aside yet:\r" + journal +
           "\rcannot rename " + journal + " to " + data + "TARLOWE-1.JNL: Permission denied\rIt stays, and " + stops +
           again,
       ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove_all(data);
    writeFolder(data, {{"SOW.DAT", c.left}, {kJournalName, std::string(c.journal.begin(), c.journal.end())}});
    ::chmod(sows.c_str(), 0666);
    ::chmod(data.c_str(), 0555);
    const std::string heard = AsAnotherUser(tp, [&] {
      DataFolder = data;
      UndoUnfinishedAction();
      const std::string box = tp.dialogs.shown.size() == 1 ? tp.dialogs.last().title + "\n" + tp.dialogs.last().text : "";
      RecordFile file(sows, 1130);
      const std::string now = readFile(sows);
      file.write(1, {now.begin(), now.begin() + 1130});  // as it is
      return box + "\n" + file.error();
    });
    ::chmod(data.c_str(), 0755);
    EXPECT_EQ(heard, c.title + "\n" + c.text + "\n" + c.write);
    EXPECT_EQ(readFile(sows), c.after);
    EXPECT_EQ(readFile(journal), std::string(c.journal.begin(), c.journal.end()));
  }
}

// A stopped run's temporary file of a file the program replaces whole goes
// at the next start from the folder where it replaces that file; the user's
// files of like names, and a running program's, stay.
TEST_F(StartUp, TemporaryFilesOfStoppedRunsAreRemoved) {
  const pid_t gone = ::fork();
  if (gone == 0) ::_exit(0);
  ::waitpid(gone, nullptr, 0);
  const std::string dead = "." + std::to_string(gone) + "-3.tmp", alive = "." + std::to_string(::getpid()) + "-1.tmp";
  setMachine("DbBackUpPath", tp.path("USB"));
  const struct {
    std::string folder;
    std::vector<std::string> removed, kept;  // the file each stood in for
  } cases[] = {
      {tp.home(), {"TARLOWE.INI", "TARLOWE.PWF", "tarlowe5.hlp"}, {"SOW.DAT", "VMQ2007.INI", "notes.txt"}},
      {tp.settings(), {"VMQ2007.INI"}, {"TARLOWE.INI"}},
      {tp.path("HOGDATA/"), {"SOW.DAT", "MED2024.DAT", "FEED.LST", "SOW.TMP"}, {"TARLOWE.PWF", "report"}},
      {tp.path("HOGDATA/BACKUP/"), {"FARROW.DAT", "DRUG.LST"}, {"SOW.TMP", "minutes"}},
      {tp.path("USB/"), {"GROUP.DAT"}, {"minutes", "notes.txt"}},
  };
  for (const auto& c : cases) {
    FolderBytes files{{"SOW.DAT" + alive, "mine"}};
    for (const std::string& name : c.removed) files[name + dead] = "left";
    for (const std::string& name : c.kept) files[name + dead] = "user's";
    writeFolder(c.folder, files);
  }
  start();
  for (const auto& c : cases) {
    for (const std::string& name : c.removed) EXPECT_FALSE(pathExists(c.folder + name + dead)) << c.folder << name;
    for (const std::string& name : c.kept) EXPECT_TRUE(pathExists(c.folder + name + dead)) << c.folder << name;
    EXPECT_TRUE(pathExists(c.folder + "SOW.DAT" + alive)) << c.folder;
  }
}
