#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/Profile.h"
#include "platform/RecordFile.h"
#include "records/FarrowRecord.h"
#include "records/RecordIo.h"
#include "support/FailingDisk.h"
#include "support/TestPlatform.h"

using namespace platform;

TEST(RecordFile, OpenCreatesMissingFileAndCountsWholeRecords) {
  TestPlatform tp;
  std::string path = tp.path("SOW.DAT");
  RecordFile f;
  ASSERT_TRUE(f.open(path, 10));
  EXPECT_TRUE(fileExists(path));
  EXPECT_EQ(f.count(), 0);
  std::vector<uint8_t> rec(10, 'A');
  ASSERT_TRUE(f.write(1, rec));
  rec.assign(10, 'B');
  ASSERT_TRUE(f.write(2, rec));
  EXPECT_EQ(f.count(), 2);
  std::vector<uint8_t> got;
  ASSERT_TRUE(f.read(2, got));
  EXPECT_EQ(std::string(got.begin(), got.end()), "BBBBBBBBBB");
}

TEST(RecordFile, ShortTailIsKeptAndNotCounted) {
  TestPlatform tp;
  std::string path = tp.path("FARROW.DAT");
  writeFile(path, std::string(10, 'X') + std::string(4, 'T'));
  RecordFile f(path, 10);
  EXPECT_EQ(f.count(), 1);
  std::vector<uint8_t> rec(10, 'Y');
  std::vector<uint8_t> got;
  // Reading the partial record gives its bytes, zeros past them, and false.
  EXPECT_FALSE(f.read(2, got));
  EXPECT_EQ(got[0], 'T');
  EXPECT_EQ(got[4], 0);
  f.write(1, rec);
  f.close();
  EXPECT_EQ(readFile(path), std::string(10, 'Y') + "TTTT");
}

TEST(RecordFile, PastTheEndReadsZerosAndWritingExtends) {
  TestPlatform tp;
  std::string path = tp.path("BOAR.DAT");
  RecordFile f(path, 4);
  std::vector<uint8_t> got;
  EXPECT_FALSE(f.read(1, got));
  EXPECT_EQ(got, std::vector<uint8_t>(4, 0));
  EXPECT_FALSE(f.error().empty());
  ASSERT_TRUE(f.write(3, std::vector<uint8_t>{'a', 'b', 'c', 'd'}));
  EXPECT_EQ(f.count(), 3);
  EXPECT_TRUE(f.read(2, got));
  EXPECT_EQ(got, std::vector<uint8_t>(4, 0));  // the gap
  EXPECT_FALSE(f.write(0, got));
  EXPECT_FALSE(f.write(1, std::vector<uint8_t>(3, 0)));  // not one record long
}

TEST(RecordFile, NamesAreFoundWithoutRegardToCase) {
  TestPlatform tp;
  writeFile(tp.path("sow.dat"), std::string(20, 'S'));
  RecordFile f(tp.path("SOW.DAT"), 10);
  EXPECT_EQ(f.count(), 2);
  EXPECT_TRUE(fileExists(tp.path("Sow.Dat")));
  EXPECT_FALSE(fileExists(tp.path("SOW.DAT") + "X"));
  std::vector<std::string> names;
  ASSERT_TRUE(listFolder(tp.home(), names));
  EXPECT_EQ(names, std::vector<std::string>({"sow.dat"}));  // no second file was made
  EXPECT_EQ(resolvePath(tp.path("HOGDATA/NEW.DAT")), tp.path("HOGDATA/NEW.DAT"));
}

TEST(RecordFile, FailuresAreReported) {
  TestPlatform tp;
  makeFolder(tp.path("HOGDATA"));
  RecordFile f;
  EXPECT_FALSE(f.open(tp.path("HOGDATA"), 10));  // a folder
  EXPECT_FALSE(f.error().empty());
  EXPECT_FALSE(f.open(tp.path("NOFOLDER/SOW.DAT"), 10));
  std::vector<uint8_t> got;
  EXPECT_FALSE(f.read(1, got));
  EXPECT_FALSE(f.write(1, std::vector<uint8_t>(10, 0)));
  std::vector<uint8_t> bytes;
  EXPECT_FALSE(readWholeFile(tp.path("MISSING.DAT"), bytes));
  EXPECT_FALSE(lastFileError().empty());
}

// A write the disk refuses, whole or in part, leaves the file as it was: the
// bytes it overwrote are put back, what it added is cut off.
TEST(RecordFile, AFailedWriteLeavesTheFileAsItWas) {
  TestPlatform tp;
  const std::string path = tp.path("MED2024.DAT");
  const std::string old = std::string(10, 'A') + "TAIL";  // a record and a short tail
  const struct {
    DiskFault kind;
    long record;
    const char* why;  // "": the write is made
  } cases[] = {
      {DiskFault::Full, 3, "No space left on device"},  // an append past the tail
      {DiskFault::Full, 2, "No space left on device"},  // over the tail and past it
      {DiskFault::Full, 1, ""},                         // in place: a full disk takes it
      {DiskFault::Error, 3, "Input/output error"},
      {DiskFault::Error, 2, "Input/output error"},
      {DiskFault::Error, 1, "Input/output error"},      // half of it taken in place
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(DiskFaultName(c.kind) + " " + std::to_string(c.record));
    writeFile(path, old);
    RecordFile f(path, 10);
    FailingDisk disk(1, c.kind);
    EXPECT_EQ(f.write(c.record, std::vector<uint8_t>(10, 'B')), *c.why == 0);
    if (*c.why) EXPECT_EQ(f.error(), "cannot write " + path + ": " + c.why);
    f.close();
    EXPECT_EQ(readFile(path), *c.why ? old : std::string(10, 'B') + "TAIL");
  }
}

// A read the disk fails is told, by a record, a whole-file read and a copy
// alike; a read a signal interrupted is asked again.
TEST(DiskReads, AFailedReadIsToldAndAnInterruptedOneAskedAgain) {
  TestPlatform tp;
  const std::string path = tp.path("SOW.DAT");
  writeFile(path, "AAAAABBBBB");
  RecordFile file(path, 5);
  std::vector<uint8_t> bytes;
  const std::string copy = tp.path("COPY.DAT");
  const std::pair<const char*, std::function<bool(std::string&)>> readers[] = {
      {"a record", [&](std::string& why) { return file.read(2, bytes) || (why = file.error(), false); }},
      {"a whole file", [&](std::string& why) { return readWholeFile(path, bytes) || (why = lastFileError(), false); }},
      {"a copy", [&](std::string& why) { return copyFileOver(path, copy) || (why = lastFileError(), false); }},
  };
  for (const auto& [name, read] : readers) {
    std::string why;
    {
      FailingDisk disk(1, DiskFault::ReadError);
      EXPECT_FALSE(read(why)) << name;
      EXPECT_EQ(why, "cannot read " + path + ": Input/output error") << name;
    }
    FailingDisk disk(1, DiskFault::ReadInterrupted);
    EXPECT_TRUE(read(why)) << name << ": " << why;
  }
}

// Whole-file writes and copies go through the same disk: a full disk leaves
// the file as it was and no temporary file behind.
TEST(WholeFiles, AFullDiskLeavesTheOldFile) {
  TestPlatform tp;
  const std::string path = tp.path("SOW.DAT");
  writeFile(path, "OLD");
  writeFile(tp.path("NEW.DAT"), "NEWER");
  {
    FailingDisk disk(1, DiskFault::Full);
    EXPECT_FALSE(writeWholeFile(path, {'N', 'E', 'W'}));
    EXPECT_EQ(lastFileError().rfind("cannot write " + path, 0), 0u) << lastFileError();
    EXPECT_FALSE(copyFileOver(tp.path("NEW.DAT"), path));
  }
  EXPECT_EQ(readFile(path), "OLD");
  std::vector<std::string> names;
  ASSERT_TRUE(listFolder(tp.home(), names));
  EXPECT_EQ(names, (std::vector<std::string>{"NEW.DAT", "SOW.DAT"}));
}

TEST(WholeFiles, WriteReplacesThroughATemporaryFile) {
  TestPlatform tp;
  std::string path = tp.path("TARLOWE.PWF");
  ASSERT_TRUE(writeWholeFile(path, {1, 2, 3}));
  ASSERT_TRUE(writeWholeFile(path, {4, 5}));
  std::vector<uint8_t> bytes;
  ASSERT_TRUE(readWholeFile(path, bytes));
  EXPECT_EQ(bytes, std::vector<uint8_t>({4, 5}));
  EXPECT_FALSE(fileExists(path + ".tmp~"));
  ASSERT_TRUE(copyFileOver(path, tp.path("COPY.PWF")));
  ASSERT_TRUE(renameFile(tp.path("COPY.PWF"), tp.path("MOVED.PWF")));
  EXPECT_TRUE(fileExists(tp.path("MOVED.PWF")));
  EXPECT_TRUE(deleteFile(tp.path("MOVED.PWF")));
  EXPECT_FALSE(deleteFile(tp.path("MOVED.PWF")));
  EXPECT_EQ(fileLength(path), 2);
}

// A whole-file read takes the length the file reports in one call and reads
// on to the end of a file that reports none (as the files under /proc do).
TEST(WholeFiles, ReadGetsEveryByteWhateverLengthTheFileReports) {
  TestPlatform tp;
  writeFile(tp.path("EMPTY.DAT"), "");
  writeFile(tp.path("BIG.DAT"), std::string(200000, 'x') + "end");
  std::vector<std::string> paths = {tp.path("EMPTY.DAT"), tp.path("BIG.DAT")};
  if (fileExists("/proc/self/status")) paths.push_back("/proc/self/status");
  for (const std::string& path : paths) {
    FileBlock block;
    ASSERT_TRUE(readWholeFile(path, block)) << path;
    const std::string text(reinterpret_cast<const char*>(block.data()), block.size());
    if (path.rfind("/proc", 0) == 0) {
      EXPECT_NE(text.find("Name:"), std::string::npos);
      EXPECT_EQ(text.back(), '\n');
    } else {
      EXPECT_EQ(text, readFile(path)) << path;
    }
  }
}

TEST(Profile, MissingFileSectionOrKeyReadsDefault) {
  TestPlatform tp;
  std::string ini = tp.path("TARLOWE.INI");
  EXPECT_EQ(getProfileString("STARTUPINFO", "CurrentDate", "", ini), "");
  EXPECT_FALSE(fileExists(ini));
  ASSERT_TRUE(writeProfileString("STARTUPINFO", "CurrentDate", "12/07/2026", ini));
  EXPECT_TRUE(fileExists(ini));
  EXPECT_EQ(getProfileString("STARTUPINFO", "ProgramVersion", "none", ini), "none");
  EXPECT_EQ(getProfileString("HOGDATA", "CurrentDate", "none", ini), "none");
  EXPECT_EQ(readFile(ini), "[STARTUPINFO]\r\nCurrentDate=12/07/2026\r\n");
}

TEST(Profile, LetterCaseIgnoredAndOtherLinesKept) {
  TestPlatform tp;
  std::string ini = tp.path("vmq2007.ini");
  writeFile(ini, "; settings\r\n[TARLOWE]\r\nLogOnID = Admin \r\nRequire_Password?=no\r\n\r\n[APP_TYPE]\r\nCurrentApp=\"TARLOWE\"\r\n");
  EXPECT_EQ(getProfileString("tarlowe", "LOGONID", "", tp.path("VMQ2007.INI")), "Admin");
  EXPECT_EQ(getProfileString("App_Type", "currentapp", "", ini), "TARLOWE");
  ASSERT_TRUE(writeProfileString("Tarlowe", "require_password?", "YES", tp.path("VMQ2007.INI")));
  ASSERT_TRUE(writeProfileString("TARLOWE", "DbBackUpPath", "/backup/", ini));
  ASSERT_TRUE(writeProfileString("NEW", "Key", "1", ini));
  EXPECT_EQ(readFile(ini),
            "; settings\r\n[TARLOWE]\r\nLogOnID = Admin \r\nrequire_password?=YES\r\nDbBackUpPath=/backup/\r\n\r\n"
            "[APP_TYPE]\r\nCurrentApp=\"TARLOWE\"\r\n\r\n[NEW]\r\nKey=1\r\n");
}

TEST(Profile, UnwritableFileIsReported) {
  TestPlatform tp;
  EXPECT_FALSE(writeProfileString("A", "B", "C", tp.path("NOFOLDER/X.INI")));
}

TEST(Clock, SettingTheDateMovesOnlyTheProgramsClock) {
  SystemClock c;
  CivilDate before = c.today();
  c.setDate(2030, 2, 28);
  CivilDate after = c.today();
  // Close to midnight the day may turn between the two readings.
  EXPECT_TRUE(after.year == 2030 && after.month == 2 && (after.day == 28 || after.day == 29 || after.day == 1));
  SystemClock fresh;
  EXPECT_EQ(fresh.today().year, before.year);
  c.setTime(13, 5, 9);
  EXPECT_EQ(c.timeText().substr(0, 5), "13:05");
  // The steady seconds run on when the time is set back across midnight.
  c.setTime(23, 59, 59);
  const double beforeMidnight = c.steadySeconds();
  c.setTime(0, 0, 1);
  const double afterMidnight = c.steadySeconds();
  EXPECT_GE(afterMidnight, beforeMidnight);
  EXPECT_LT(afterMidnight - beforeMidnight, 60);
  EXPECT_EQ(c.dateText().size(), 10u);
  EXPECT_EQ(civilFromDays(daysFromCivil(2100, 3, 1) - 1).day, 28);
}

TEST(WholeFiles, ARewriteKeepsTheModeAndANewFileTakesItsAccess) {
  TestPlatform tp;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  const std::string path = tp.path("TARLOWE.PWF");
  const struct {
    int before;  // -1: no file yet
    NewFileAccess access;
    mode_t after;
  } cases[] = {{0600, NewFileAccess::Shared, 0600},    {0640, NewFileAccess::OwnerOnly, 0640},
               {0755, NewFileAccess::Shared, 0755},    {-1, NewFileAccess::OwnerOnly, 0600},
               {-1, NewFileAccess::Shared, 0666 & ~mask}};
  for (const auto& c : cases) {
    deleteFile(path);
    if (c.before >= 0) writeFile(path, "old");
    if (c.before >= 0) ::chmod(path.c_str(), static_cast<mode_t>(c.before));
    ASSERT_TRUE(writeWholeFile(path, {'n'}, c.access));
    struct stat st {};
    ::stat(path.c_str(), &st);
    EXPECT_EQ(st.st_mode & 07777, c.after) << c.before;
  }
  const std::string a = temporaryPathBeside(path), b = temporaryPathBeside(path);
  EXPECT_NE(a, b);  // unique, beside the file, never another running copy's
  EXPECT_EQ(a.rfind(path + "." + std::to_string(::getpid()) + "-", 0), 0u) << a;
  std::vector<std::string> names;
  ASSERT_TRUE(listFolder(tp.home(), names));
  EXPECT_EQ(names, std::vector<std::string>{"TARLOWE.PWF"});  // no temporary file left
}

// The temporary files a write stopped dead leaves ("<file>.<pid>-<n>.tmp")
// go when the program rewrites <file> there and their process no longer
// runs; every other name, a link and a folder stay.
TEST(WholeFiles, TemporariesOfProcessesNoLongerRunningAreRemoved) {
  TestPlatform tp;
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ::waitpid(child, nullptr, 0);
  const std::string gone = std::to_string(child), mine = std::to_string(::getpid());
  const struct {
    std::string name;
    bool removed;
  } cases[] = {
      {"SOW.DAT." + gone + "-1.tmp", true},
      {"TARLOWE.INI." + gone + "-12.tmp", true},
      {"SOW.DAT." + mine + "-1.tmp", false},  // this process
      {"SOW.DAT.1-1.tmp", false},             // a process that runs
      {"SOW.DAT.0-1.tmp", false},             // no process of the program
      {"SOW.DAT." + gone + "-1.TMP", false},
      {"SOW.DAT." + gone + "-.tmp", false},
      {"SOW.DAT." + gone + ".tmp", false},
      {"SOW.DAT.-1.tmp", false},
      {"SOW.DAT." + gone + "x-1.tmp", false},
      {"SOW.DAT." + gone + "-1.tmp.bak", false},
      {"." + gone + "-1.tmp", false},  // no file's name before it
      {gone + "-1.tmp", false},
      {"SOW.TMP", false},
      {"notes.txt." + gone + "-1.tmp", false},  // a name the program does not rewrite
      {"budget.2023-12.tmp", false},
  };
  for (const auto& c : cases) writeFile(tp.path(c.name), "x");
  ASSERT_TRUE(makeFolder(tp.path("SOW.DAT." + gone + "-2.tmp")));
  ASSERT_EQ(::symlink(tp.path("SOW.TMP").c_str(), tp.path("SOW.DAT." + gone + "-3.tmp").c_str()), 0);
  const auto rewritten = [](const std::string& file) { return file == "SOW.DAT" || file == "TARLOWE.INI"; };
  EXPECT_EQ(removeLeftTemporaries(tp.home(), rewritten), 2);
  for (const auto& c : cases)  // names as they stand: letter case counts here
    EXPECT_EQ(std::filesystem::exists(tp.path(c.name)), !c.removed) << c.name;
  EXPECT_TRUE(folderExists(tp.path("SOW.DAT." + gone + "-2.tmp")));
  EXPECT_TRUE(std::filesystem::is_symlink(tp.path("SOW.DAT." + gone + "-3.tmp")));
}

TEST(ReadOnlyFiles, AreReadButNeverWrittenAndSaySo) {
  TestPlatform tp;
  const std::string path = tp.path("SOW.DAT"), why = "cannot write " + path + ": the file is read-only";
  writeFile(path, "ABCDEFGHIJ");
  ASSERT_EQ(::chmod(path.c_str(), 0444), 0);  // no write bit binds the superuser too
  RecordFile f(path, 10);
  std::vector<uint8_t> got;
  EXPECT_TRUE(f.readOnly() && f.read(1, got));
  EXPECT_FALSE(f.write(1, got));
  EXPECT_EQ(f.error(), why);
  EXPECT_FALSE(writeWholeFile(path, {'X'}));
  EXPECT_EQ(lastFileError(), why);
  writeFile(tp.path("NEW.DAT"), "new");
  EXPECT_FALSE(copyFileOver(tp.path("NEW.DAT"), path));
  EXPECT_EQ(lastFileError(), why);
  EXPECT_EQ(readFile(path), "ABCDEFGHIJ");
}

TEST(NonRegularFiles, CannotBeReadAndOnlyAMissingFileHasNoRecords) {
  TestPlatform tp;
  makeFolder(tp.path("FARROW.DAT"));
  writeFile(tp.path("boar.dat"), std::string(120, 'B'));
  ASSERT_EQ(::symlink(tp.path("GONE.DAT").c_str(), tp.path("LINK.DAT").c_str()), 0);
  const struct {
    std::string path;
    const char* why;  // nullptr: a file, or nothing there
    long long length;
  } cases[] = {{tp.path("FARROW.DAT"), "cannot read %: it is a folder", -1},
               {"/dev/null", "cannot read %: it is not a file", -1},
               {tp.path("LINK.DAT"), "cannot open %: No such file or directory", -1},
               {tp.path("boar.dat") + "/SOW.DAT", "cannot open %: Not a directory", -1},
               {tp.path("NO.DAT"), nullptr, -1},
               {tp.path("BOAR.DAT"), nullptr, 120}};
  for (const auto& c : cases) {
    std::vector<FarrowRecord> litters;
    std::string error;
    EXPECT_EQ(records::readAll(c.path, litters, &error), c.why == nullptr) << c.path;
    std::string why = c.why ? c.why : "";
    if (const size_t at = why.find('%'); at != std::string::npos) why.replace(at, 1, c.path);
    EXPECT_EQ(error, why);
    EXPECT_EQ(litters.size(), static_cast<size_t>(std::max(0LL, c.length) / 50)) << c.path;
    EXPECT_EQ(regularFileLength(c.path), c.length) << c.path;
    RecordFile f;
    if (why.rfind("cannot read", 0) == 0) EXPECT_FALSE(f.open(c.path, 50)) << c.path;
  }
}

TEST(Profile, ControlCharactersAreNeverWritten) {
  TestPlatform tp;
  const std::string ini = tp.path("VMQ2007.INI");
  for (const std::string& text : {std::string("js\r\nRequire_Password?=NO"), std::string("a\tb"), std::string("x\x7f")}) {
    EXPECT_FALSE(writeProfileString("TARLOWE", "LogOnID", text, ini));
    EXPECT_FALSE(writeProfileString("TARLOWE", text, "x", ini));
  }
  EXPECT_FALSE(fileExists(ini));
}

namespace {
std::vector<std::pair<std::string, FileOpening>> g_opened;
void noteOpened(const std::string& path, FileOpening how) { g_opened.emplace_back(path, how); }
}  // namespace

TEST(FileOpenHook, HearsEveryFileOpenedToReadFromEachRecordReadAndNothingOnceCleared) {
  TestPlatform tp;
  const std::string sow = tp.path("SOW.DAT"), copy = tp.path("COPY.DAT");
  writeFile(sow, std::string(20, 'S'));
  g_opened.clear();
  setFileOpenHook(noteOpened);
  std::vector<uint8_t> bytes, record;
  EXPECT_TRUE(readWholeFile(tp.path("sow.dat"), bytes));
  EXPECT_FALSE(readWholeFile(tp.path("NONE.DAT"), bytes));  // never opened
  RecordFile records(sow, 10);
  EXPECT_TRUE(records.read(2, record));
  EXPECT_FALSE(records.read(3, record));  // past the end, yet asked of the file
  EXPECT_FALSE(records.read(0, record));  // no record: nothing read
  EXPECT_TRUE(records.write(1, record));  // writes only
  EXPECT_TRUE(writeWholeFile(copy, bytes));
  EXPECT_TRUE(copyFileOver(sow, copy));
  setFileOpenHook(nullptr);
  EXPECT_TRUE(readWholeFile(sow, bytes));
  EXPECT_TRUE(records.read(1, record));
  const std::vector<std::pair<std::string, FileOpening>> expected = {
      {sow, FileOpening::WholeRead},  {sow, FileOpening::RecordFile}, {sow, FileOpening::RecordRead},
      {sow, FileOpening::RecordRead}, {sow, FileOpening::CopySource}};
  EXPECT_EQ(g_opened, expected);
}
