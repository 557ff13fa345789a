// The data files' paths and the one box for a file an action cannot read or
// write.
#include <gtest/gtest.h>

#include <QFile>
#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <stdexcept>

#include "common/DataFiles.h"
#include "common/NumberText.h"
#include "feed/HogFeed2.h"
#include "feed/HogFeed4.h"
#include "feed/HogFeed9.h"
#include "groups/HogPig3.h"
#include "groups/HogPig4.h"
#include "groups/HogSale1.h"
#include "groups/HogSale2.h"
#include "medication/Drug_2.h"
#include "medication/Drug_3.h"
#include "medication/Drug_6.h"
#include "platform/FileSystem.h"
#include "support/RecordBuilders.h"

TEST(DataFiles, EachRecordTypeNamesItsFile) {
  TestPlatform tp;
  DataFolder = tp.home();
  EXPECT_EQ(DataFilePath<SowRecord>(), tp.path("SOW.DAT"));
  EXPECT_EQ(DataFilePath<FarrowRecord>(), tp.path("FARROW.DAT"));
  EXPECT_EQ(DataFilePath<BoarRecord>(), tp.path("BOAR.DAT"));
  EXPECT_EQ(MedFileName("2024"), "MED2024.DAT");
  EXPECT_EQ(FeedFileName("2024"), "FEED2024.DAT");
}

// A new sow or boar: the first free record of its own file, else the next
// number, and any live animal already holding the ID.
TEST(DataFiles, NewAnimalSlotReadsTheRecordTypesFile) {
  TestPlatform tp;
  DataFolder = tp.home();
  EXPECT_EQ(ReadNewAnimalSlot<SowRecord>("A1")->record, 1);  // a missing file holds no animals
  EXPECT_EQ(ReadNewAnimalSlot<BoarRecord>("B1")->record, 1);

  writeRecords<SowRecord>(tp.path("SOW.DAT"), {aSow("S1"), aSow(""), aSow("A1")});
  auto slot = ReadNewAnimalSlot<SowRecord>("A1");
  ASSERT_TRUE(slot);
  EXPECT_EQ(slot->record, 2);
  EXPECT_EQ(slot->duplicateOf, 3);
  EXPECT_EQ(ReadNewAnimalSlot<SowRecord>("NEW")->duplicateOf, 0);

  writeRecords<BoarRecord>(tp.path("BOAR.DAT"), {aBoar("B0"), aBoar(""), aBoar("B1")});
  slot = ReadNewAnimalSlot<BoarRecord>("B1");
  ASSERT_TRUE(slot);
  EXPECT_EQ(slot->record, 2);
  EXPECT_EQ(slot->duplicateOf, 3);
  EXPECT_EQ(slot->storedId, "B1      ");
  writeRecords<BoarRecord>(tp.path("BOAR.DAT"), {aBoar("B0"), aBoar("B5"), aBoar("B1")});
  EXPECT_EQ(ReadNewAnimalSlot<BoarRecord>("B2")->record, 4);
  EXPECT_EQ(ReadNewAnimalSlot<BoarRecord>("B2")->duplicateOf, 0);
}

TEST(DataFiles, FaultTextNamesTheFileTheReasonAndTheOutcome) {
  const struct {
    FileFault fault;
    bool writing;
    std::string outcome;
    std::string text;
  } cases[] = {
      {{"/d/SOW.DAT", "gone"}, false, kNothingMoreDone,
       "ERROR:   COULD NOT READ THE FILE!!\r\r/d/SOW.DAT\rgone\r\rNothing more was done."},
      {{"/d/SOW.DAT", ""}, true, kNothingMoreDone,
       "ERROR:   COULD NOT WRITE TO THE FILE!!\r\r/d/SOW.DAT\r\rNothing more was done."},
      {{"/d/F.DAT", "full"}, true, "A was deleted.\rNothing more was done.",
       "ERROR:   COULD NOT WRITE TO THE FILE!!\r\r/d/F.DAT\rfull\r\rA was deleted.\rNothing more was done."},
  };
  for (const auto& c : cases) EXPECT_EQ(FileFaultText(c.fault, c.writing, c.outcome), c.text) << c.text;
  TestPlatform tp;
  ReportFileFault({"/d/SOW.DAT", "gone"}, false, "T I T L E");
  ASSERT_EQ(tp.dialogs.shown.size(), 1u);
  EXPECT_EQ(tp.dialogs.last().text, FileFaultText({"/d/SOW.DAT", "gone"}, false));
  EXPECT_EQ(tp.dialogs.last().title, "T I T L E");
  EXPECT_EQ(tp.dialogs.last().icon, platform::vbCritical);
  EXPECT_TRUE(tp.dialogs.last().beepBefore);
}

TEST(DataFiles, ImageOfAMissingFileIsEmptyAndOfAnUnreadableOneAFault) {
  TestPlatform tp;
  DataFolder = tp.home();
  records::FileImage<SowRecord> sows;
  FileFault fault;
  ASSERT_TRUE(ReadImage(sows, &fault));
  EXPECT_EQ(sows.count(), 0);
  writeRecords<SowRecord>(tp.path("SOW.DAT"), {aSow("S1"), aSow("S2")});
  ASSERT_TRUE(ReadImage(sows, &fault));
  EXPECT_EQ(sows.count(), 2);
  EXPECT_TRUE(fault.path.empty());

  // Read in blocks: a missing file holds no records; every record is handed
  // on in order across the blocks (two full, then a short tail alone), and
  // the last stays in the buffer.
  records::RecordScan<BoarRecord> scan;
  std::vector<std::string> ids;
  const auto visit = [&ids](long n, const uint8_t* boar) {
    ids.push_back(Trim(records::StoredId<BoarRecord>(boar)));
    EXPECT_EQ(static_cast<size_t>(n), ids.size());
  };
  ASSERT_TRUE(ScanFile(scan, visit, &fault));
  EXPECT_EQ(scan.count(), 0);
  EXPECT_EQ(scan.last(), nullptr);
  std::vector<BoarRecord> herd;
  for (int i = 1; i <= 120; ++i) herd.push_back(aBoar("B" + std::to_string(i)));  // 60 records a block
  writeRecords<BoarRecord>(tp.path("BOAR.DAT"), herd);
  writeFile(tp.path("BOAR.DAT"), readFile(tp.path("BOAR.DAT")) + "TAIL");
  ASSERT_TRUE(ScanFile(scan, visit, &fault));
  ASSERT_EQ(ids.size(), 120u);
  EXPECT_EQ(ids.front() + ids[59] + ids[60] + ids.back(), "B1B60B61B120");
  EXPECT_EQ(scan.count(), 120);
  EXPECT_EQ(Trim(records::StoredId<BoarRecord>(scan.last())), "B120");
  // A visit that throws leaves no file open.
  const auto openFiles = [] { return std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {}); };
  const auto opened = openFiles();
  EXPECT_THROW(scan.run(tp.path("BOAR.DAT"), [](long, const uint8_t*) { throw std::runtime_error("stop"); }),
               std::runtime_error);
  EXPECT_EQ(openFiles(), opened);
  ASSERT_TRUE(platform::deleteFile(tp.path("BOAR.DAT")));

  if (!platform::fileExists("/proc/self/mem")) GTEST_SKIP() << "needs a file that fails to read";
  ASSERT_TRUE(QFile::link("/proc/self/mem", QString::fromStdString(tp.path("BOAR.DAT"))));
  records::FileImage<BoarRecord> boars;
  EXPECT_FALSE(ReadImage(boars, &fault));
  EXPECT_EQ(fault.path, tp.path("BOAR.DAT"));
  EXPECT_FALSE(fault.reason.empty());
  fault = {};
  EXPECT_FALSE(ScanFile(scan, visit, &fault));
  EXPECT_EQ(fault.path, tp.path("BOAR.DAT"));
  EXPECT_FALSE(fault.reason.empty());
  EXPECT_FALSE(ReadNewAnimalSlot<BoarRecord>("B1"));
  EXPECT_TRUE(tp.dialogs.shown.empty());
}

// A file holding records past 32,767 is named in the load box; a file of
// 32,767 records, a short tail, a missing file or a folder is not.
TEST(DataFiles, FilesPastRecord32767AreNamedInOneBox) {
  TestPlatform tp;
  const std::string a = tp.path("A.DAT"), b = tp.path("B.DAT"), c = tp.path("C.DAT");
  writeFile(a, std::string(32768, 'x'));
  writeFile(b, std::string(32767 * 2 + 1, 'x'));
  writeFile(c, std::string(32768 * 2, 'x'));
  platform::makeFolder(tp.path("FOLDER.DAT"));
  const std::string tail = " records past 32,767. The program cannot\rreach them; they are left as they are.";
  const struct {
    std::vector<LoadedFile> files;
    std::string text;
  } cases[] = {
      {{{a, 1}}, "FILE LENGTH EXCEEDED!\r\r" + a + "\r\rholds" + tail},
      {{{a, 2}}, ""},
      {{{b, 2}}, ""},
      {{{c, 2}, {b, 2}, {a, 1}}, "FILE LENGTH EXCEEDED!\r\r" + c + "\r" + a + "\r\rhold" + tail},
      {{{tp.path("MISSING.DAT"), 1}, {tp.path("FOLDER.DAT"), 1}}, ""},
      {{}, ""},
  };
  for (const auto& k : cases) {
    tp.dialogs.clear();
    TellUnreachableRecords(k.files);  // no window loaded: every call tells
    if (k.text.empty()) {
      EXPECT_TRUE(tp.dialogs.shown.empty()) << tp.dialogs.last().text;
      continue;
    }
    ASSERT_EQ(tp.dialogs.shown.size(), 1u) << k.text;
    EXPECT_EQ(tp.dialogs.last().text, k.text);
    EXPECT_EQ(tp.dialogs.last().title, "FILE   LENGTH   ERROR");
    EXPECT_TRUE(tp.dialogs.last().beepBefore);
  }
}

// Every window that loads a data file names it, as it loads, when the file
// holds records past 32,767: once, and not again in a window opened from one
// still loaded that named it already.
TEST(DataFiles, EveryWindowThatLoadsAFileTellsOneTooLongOnce) {
  using MakeWindow = std::function<std::unique_ptr<platform::Form>()>;
  const auto window = [](auto made) -> MakeWindow {
    return [made] { return std::unique_ptr<platform::Form>(made()); };
  };
  const MakeWindow drugEntry = window([] { return new Drug_6; });
  const MakeWindow drugHistory = window([] { return new Drug_3; });
  const struct {
    const char* file;
    int recordLength;
    MakeWindow opener;  // loaded first and kept loaded; none: the window is opened from the main window
    MakeWindow make;
    int boxes;
  } cases[] = {
      {"DRUG.LST", DrugRecord::Length, nullptr, drugEntry, 1},
      {"MED2024.DAT", MedicationRecord::Length, nullptr, drugEntry, 1},
      {"DRUG.LST", DrugRecord::Length, drugHistory, drugEntry, 1},  // the history told it
      {"DRUG.LST", DrugRecord::Length, nullptr, window([] { return new Drug_2; }), 1},
      {"FEED.LST", IngredientRecord::Length, nullptr, window([] { return new HogFeed2; }), 1},
      {"FEED2024.DAT", FeedBatchRecord::Length, nullptr, window([] { return new HogFeed2; }), 1},
      {"FEED2024.DAT", FeedBatchRecord::Length, window([] { return new HogFeed4; }),
       window([] { return new HogFeed2; }), 1},
      {"FEED.LST", IngredientRecord::Length, nullptr, window([] { return new HogFeed9; }), 1},
      {"GROUP.DAT", GroupRecord::Length, nullptr, window([] { return new HogPig3; }), 1},
      {"SALES.DAT", SalesRecord::Length, nullptr, window([] { return new HogPig3; }), 1},
      {"GROUP.DAT", GroupRecord::Length, nullptr, window([] { return new HogPig4; }), 1},
      {"SALES.DAT", SalesRecord::Length, nullptr, window([] { return new HogSale2; }), 1},
      {"SALES.DAT", SalesRecord::Length, window([] { return new HogSale1; }), window([] { return new HogSale2; }), 1},
  };
  for (const auto& c : cases) {
    TestPlatform tp;
    DataFolder = tp.home();
    MedFile = "MED2024.DAT";
    FeedFile = "FEED2024.DAT";
    writeFile(tp.path(c.file), "");
    std::filesystem::resize_file(tp.path(c.file), uintmax_t{32768} * static_cast<uintmax_t>(c.recordLength));
    // The boxes that name the file as holding records past 32,767.
    const auto toldBoxes = [&tp, &c] {
      return std::count_if(tp.dialogs.shown.begin(), tp.dialogs.shown.end(), [&tp, &c](const auto& box) {
        return box.title == "FILE   LENGTH   ERROR" && box.text.find(tp.path(c.file)) != std::string::npos;
      });
    };
    std::unique_ptr<platform::Form> opener = c.opener ? c.opener() : nullptr;
    if (opener) opener->Load();
    std::unique_ptr<platform::Form> w = c.make();
    w->Load();
    EXPECT_EQ(toldBoxes(), c.boxes) << c.file << " " << w->objectName().toStdString();
    // The opener gone, the same window opened again tells the file again.
    w->Unload();
    if (opener) opener->Unload();
    w = c.make();
    w->Load();
    EXPECT_EQ(toldBoxes(), c.boxes + 1) << c.file << " " << w->objectName().toStdString();
  }
}
