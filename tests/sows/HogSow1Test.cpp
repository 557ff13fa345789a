// The sow list window headless: the load and pages, QUERY through the query
// dialog, NEW through the entry window, DELETE and ASSIGN, and SOW > History
// from the main window.
#include <QFile>
#include <sys/stat.h>

#include "common/NumberText.h"
#include "platform/FileSystem.h"
#include "shell/Tarlowe2.h"
#include "sows/DialogHog2.h"
#include "sows/HogSow1.h"
#include "sows/HogSow2.h"
#include "sows/SowListLine.h"
#include "sows/SowWindowFixture.h"
#include "support/BoxMatch.h"

namespace {

std::vector<std::string> rows(const HogSow1& w) {
  std::vector<std::string> out;
  for (int i = 0; i < w.SowList->ListCount(); ++i) out.push_back(w.SowList->List(i));
  return out;
}
std::vector<std::string> rowIds(const HogSow1& w) {
  std::vector<std::string> out;
  for (const std::string& r : rows(w)) out.push_back(SowIdOfRow(r));
  return out;
}
using Ids = std::vector<std::string>;

// Queues a query typed into the dialog: the entry at `caption`, the text.
void queueQuery(ScriptedWindows& windows, const std::string& caption, const std::string& text) {
  windows.on("DialogHog2", as<DialogHog2>([caption, text](DialogHog2& d) {
    d.SQCombo->SetListIndex(d.SQCombo->findText(QString::fromStdString(caption)));
    d.SQData->SetText(text);
    d.SQExe->Press();
  }));
}

const char kDeleteQuestion[] =
    "YOU ARE ATTEMPTING TO DELETE A SOW!\r\rAny records that you delete,\rcan or will affect any reports,\r"
    "that you may want to run.\r\rARE YOU STILL SURE, THAT YOU WANT\rTO DELETE THE SOW: ";

}  // namespace

class HogSow1Test : public SowWindowTest {
 protected:
  // A herd of three breeds, dates and parities; S4 left the herd.
  void writeHerd() {
    writeRecords<SowRecord>(sowPath(), {aSow("S1").breed("YORKSHIRE").location("PEN1").bred("01/15/2024").parities(2),
                                        aSow("S2").breed("DUROC").location("PEN2").bred("02/20/2024").parities(4),
                                        aSow("S3").breed("YORK X").location("PEN3").bred("03/25/2024").parities(3),
                                        aSow("S4").breed("YORKSHIRE").location("PEN4").parities(3).left("03/15/2004"),
                                        aSow("S5").breed("LANDRACE").location("PEN5").bred("01/01/2024")});
  }
  // Sows S1 to Sn, all in the herd.
  static std::vector<SowRecord> numberedHerd(int n) {
    std::vector<SowRecord> herd;
    for (int i = 1; i <= n; ++i) herd.push_back(aSow("S" + std::to_string(i)));
    return herd;
  }
};

TEST_F(HogSow1Test, EmptyFileListsNothingOnPageOne) {
  HogSow1 w;
  w.Show();
  EXPECT_EQ(w.Caption(), "S O W    H I S T O R Y");
  EXPECT_EQ(w.SowList->ListCount(), 0);
  EXPECT_EQ(w.SQDisp->Caption(), "All ACTIVE SOW's.  PAGE 1");
  EXPECT_TRUE(w.SowPg[0]->isEnabled());
  for (int i = 1; i < 6; ++i) EXPECT_FALSE(w.SowPg[static_cast<size_t>(i)]->isEnabled());
  EXPECT_EQ(w.SowPg[5]->Caption(), "P6");
  EXPECT_EQ(QueryArgs[1], "0");
  EXPECT_TRUE(tp.dialogs.shown.empty());
}

TEST_F(HogSow1Test, EveryMenuItemIsEnabled) {
  HogSow1 w;
  w.Load();
  for (int i : {HogSow1::ViewEdit, HogSow1::Query, HogSow1::New, HogSow1::Farrow, HogSow1::Delete, HogSow1::Prv,
                HogSow1::Vacc, HogSow1::Assign, HogSow1::Print, HogSow1::Exit})
    EXPECT_TRUE(w.SowHistoryMenu->Enabled(i)) << i;
  EXPECT_EQ(w.SowHistoryMenu->Caption(HogSow1::ViewEdit), "VIEW / &EDIT");
  EXPECT_EQ(w.SowHistoryMenu->Caption(HogSow1::Exit), "E&XIT");
  // Nothing selected, and nothing listed: no window opens.
  w.SowHistoryMenu->Click(HogSow1::ViewEdit);
  w.SowHistoryMenu->Click(HogSow1::Prv);
  EXPECT_TRUE(tp.windows.shownModal.empty());
  ASSERT_EQ(tp.dialogs.shown.size(), 2u);
  EXPECT_EQ(tp.dialogs.shown[0].text, "NO SOW(s) WERE SELECTED!");
  EXPECT_EQ(tp.dialogs.shown[0].title, "SELECT SOW(s)");
  EXPECT_EQ(tp.dialogs.shown[1].text, "NO SOW(s) LISTED!");
  EXPECT_EQ(tp.dialogs.shown[1].title, "ENTER  SOW  PRV");
}

TEST_F(HogSow1Test, NewEntersThreeSowsListedInRecordOrder) {
  tp.windows.on("HogSow2", as<HogSow2>([this](HogSow2& e) {
    const std::vector<std::vector<std::string>> typed = {
        {"A1", "YORKSHIRE", "PEN12345", "165", "6.25", ".85"},
        {"B22", "DUROC", "BARN 2", "170", "5.5", "1.125"},
        {"C333", "HAMPSHIRE X DUROC X L", "NURSERY9", "7.5", "0", ""}};
    for (const auto& t : typed) {
      for (size_t i = 0; i < t.size(); ++i) e.Sow[i]->SetText(t[i]);
      e.SowDate[1]->SetText("05/01/2024");
      e.Accept->Press();
    }
    e.Sow[0]->SetText("B22");
    e.Accept->Press();
    e.Exit->Press();
  }));
  HogSow1 w;
  w.Show();
  w.SowHistoryMenu->Click(HogSow1::New);
  EXPECT_EQ(tp.windows.shownModal, Ids{"HogSow2"});
  ASSERT_EQ(tp.dialogs.shown.size(), 1u);
  EXPECT_EQ(tp.dialogs.last().text, "SOW ID (B22     ) is ALL READY USED!");
  EXPECT_EQ(rows(w), (Ids{
      " A1         YORKSHIRE               PEN12345    165    .85     6.25     0       ",
      " B22        DUROC                   BARN 2      170    1.12    5.5      0       ",
      " C333       HAMPSHIRE X DUROC X     NURSERY9    8      0       0        0       "}));
  for (int i = 0; i < 3; ++i) EXPECT_EQ(w.SowList->ItemData(i), i + 1);
  EXPECT_EQ(w.PageTable().At(1, 3), 3);
  EXPECT_EQ(w.SQDisp->Caption(), "All ACTIVE SOW's.  PAGE 1");
  EXPECT_FALSE(tp.screen.hourglass());
}

TEST_F(HogSow1Test, NewIsRefusedWhenTheFileHas4800Records) {
  writeRecords<SowRecord>(sowPath(), std::vector<SowRecord>(4800, aSow("F")));
  ASSERT_EQ(platform::fileLength(sowPath()), 5424000);
  HogSow1 w;
  w.Show();
  w.SowHistoryMenu->Click(HogSow1::New);
  EXPECT_TRUE(tp.windows.shownModal.empty());
  ASSERT_EQ(tp.dialogs.shown.size(), 1u);
  EXPECT_EQ(tp.dialogs.last().text, "ERROR:   NO ROOM LEFT IN SOW FILE!!\r\rTry Deleting some older SOW ID(s).");
  EXPECT_EQ(tp.dialogs.last().title, "SOW ENTRY ERRORS");
  EXPECT_EQ(tp.dialogs.last().icon, platform::vbExclamation);
  EXPECT_TRUE(tp.dialogs.last().beepBefore);
}

TEST_F(HogSow1Test, ActiveSowsBeyond802FillASecondPage) {
  writeRecords<SowRecord>(sowPath(), numberedHerd(803));
  HogSow1 w;
  w.Show();
  EXPECT_EQ(w.SowList->ListCount(), 802);
  EXPECT_TRUE(w.SowPg[0]->isEnabled());
  EXPECT_TRUE(w.SowPg[1]->isEnabled());
  EXPECT_FALSE(w.SowPg[2]->isEnabled());
  w.SowPg[1]->Press();
  EXPECT_EQ(rowIds(w), (Ids{"S803"}));
  EXPECT_EQ(w.SowList->ItemData(0), 1);
  EXPECT_EQ(w.SQDisp->Caption(), "All ACTIVE SOW's.  PAGE 2");
  EXPECT_EQ(w.CurrentSowPage(), 2);
  // The next activation shows the page chosen.
  w.Activate();
  EXPECT_EQ(w.SowList->ListCount(), 1);
}

// Each page shown reads SOW.DAT afresh: a sow changed in the file since the
// list was built shows changed at the next click, and one deleted since (her
// ID blank) is left out; the page table stays as built.
TEST_F(HogSow1Test, EachPageClickReadsTheFileAfresh) {
  std::vector<SowRecord> herd = numberedHerd(803);
  writeRecords<SowRecord>(sowPath(), herd);
  HogSow1 w;
  w.Show();
  const std::pair<const char*, Ids> steps[] = {{"S803", {"S803"}}, {"X803", {"X803"}}, {"", {}}};
  for (const auto& [id, shown] : steps) {
    herd[802].Id = id;
    writeRecords<SowRecord>(sowPath(), herd);
    w.SowPg[1]->Press();
    EXPECT_EQ(rowIds(w), shown) << id;
    w.SowPg[0]->Press();
    EXPECT_EQ(w.SowList->ListCount(), 802);
  }
}

TEST_F(HogSow1Test, QueryByBreedDateRangeAndParities) {
  writeHerd();
  HogSow1 w;
  w.Show();
  EXPECT_EQ(rowIds(w), (Ids{"S1", "S2", "S3", "S5"}));

  queueQuery(tp.windows, "By BREED", "york");
  w.SowHistoryMenu->Click(HogSow1::Query);
  // S4 matches but left the herd: counted, not shown.
  EXPECT_EQ(rowIds(w), (Ids{"S1", "S3"}));
  EXPECT_EQ(w.SQDisp->Caption(), "By BREED, YORK.  Page 1");
  EXPECT_EQ(w.PageTable().At(1, 3), 4);
  EXPECT_EQ(w.SowList->ItemData(1), 2);

  queueQuery(tp.windows, "By DATE BRED", "01/01/2024><03/01/2024");
  w.SowHistoryMenu->Click(HogSow1::Query);
  EXPECT_EQ(rowIds(w), (Ids{"S1", "S2"}));
  EXPECT_EQ(w.SQDisp->Caption(), "By DATE BRED, 01/01/2024><03/01/2024.  Page 1");

  queueQuery(tp.windows, "By Number Of PARITIES", "2><5");
  w.SowHistoryMenu->Click(HogSow1::Query);
  EXPECT_EQ(rowIds(w), (Ids{"S2", "S3"}));
  EXPECT_EQ(w.SQDisp->Caption(), "By Number Of PARITIES, 2><5.  Page 1");
  EXPECT_EQ(QueryArgs[1], "6");
  EXPECT_TRUE(tp.dialogs.shown.empty());

  tp.windows.on("DialogHog2", as<DialogHog2>([](DialogHog2& d) { d.SQCan->Press(); }));
  w.SowHistoryMenu->Click(HogSow1::Query);
  EXPECT_EQ(rowIds(w), (Ids{"S1", "S2", "S3", "S5"}));
  EXPECT_EQ(w.SQDisp->Caption(), "All ACTIVE SOW's.  PAGE 1");
  EXPECT_EQ(QueryArgs[2], "");
  EXPECT_EQ(QueryArgs[3], "");
}

TEST_F(HogSow1Test, QueryDialogClosedFromItsTitleBarListsAllActiveSows) {
  writeHerd();
  HogSow1 w;
  w.Show();
  queueQuery(tp.windows, "By BREED", "DUROC");
  w.SowHistoryMenu->Click(HogSow1::Query);
  ASSERT_EQ(rowIds(w), (Ids{"S2"}));
  // A refused criterion has already set the kind; then the dialog is closed.
  tp.windows.on("DialogHog2", as<DialogHog2>([](DialogHog2& d) {
    d.SQCombo->SetListIndex(d.SQCombo->findText("By Number Of PARITIES"));
    d.SQData->SetText("3");
    d.SQExe->Press();
    ASSERT_TRUE(d.isVisible());
    d.close();
  }));
  w.SowHistoryMenu->Click(HogSow1::Query);
  EXPECT_EQ(QueryArgs[1], "0");
  EXPECT_EQ(rowIds(w), (Ids{"S1", "S2", "S3", "S5"}));
  EXPECT_EQ(w.SQDisp->Caption(), "All ACTIVE SOW's.  PAGE 1");
  // Closed before anything was chosen.
  tp.windows.on("DialogHog2", as<DialogHog2>([](DialogHog2& d) { d.close(); }));
  w.SowHistoryMenu->Click(HogSow1::Query);
  EXPECT_EQ(w.SQDisp->Caption(), "All ACTIVE SOW's.  PAGE 1");
  EXPECT_EQ(w.SowList->ListCount(), 4);
}

TEST_F(HogSow1Test, AllInactiveSowsShowTheDateTheyLeft) {
  writeHerd();
  HogSow1 w;
  w.Show();
  queueQuery(tp.windows, "All INACTIVE SOW(s)", "");
  w.SowHistoryMenu->Click(HogSow1::Query);
  EXPECT_EQ(rows(w), (Ids{" S4         THIS SOW LEFT THE HERD ON (03/15/2004)" + std::string(30, ' ')}));
  EXPECT_EQ(w.SQDisp->Caption(), "All INACTIVE SOW's.  PAGE 1");
}

TEST_F(HogSow1Test, QueryDialogRefusesAndStaysOpen) {
  writeHerd();
  tp.windows.on("DialogHog2", as<DialogHog2>([this](DialogHog2& d) {
    EXPECT_EQ(d.Caption(), "QUERY   SOW   HISTORY");
    EXPECT_EQ(d.SQCombo->count(), 21);
    EXPECT_EQ(d.SQData->maxLength(), 22);
    d.SQExe->Press();  // no kind chosen: all active sows
    EXPECT_FALSE(d.isVisible());
  }));
  tp.windows.on("DialogHog2", as<DialogHog2>([this](DialogHog2& d) {
    d.SQCombo->SetListIndex(d.SQCombo->findText("By SOW Id."));
    d.SQData->SetText(">A1");
    d.SQExe->setFocus();
    d.SQExe->Press();
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(tp.dialogs.last().text, "ILLEGAL ENTRY!!\r\rA QUALIFIER is not needed here!");
    EXPECT_EQ(d.focusWidget(), d.SQData);  // back to the criterion
    d.SQData->SetText("");
    d.SQData->Type("s2\r");  // Enter runs EXECUTE
    EXPECT_FALSE(d.isVisible());
  }));
  HogSow1 w;
  w.Show();
  w.SowHistoryMenu->Click(HogSow1::Query);
  EXPECT_EQ(QueryArgs[1], "0");
  EXPECT_EQ(w.SQDisp->Caption(), "All ACTIVE SOW's.  PAGE 1");
  w.SowHistoryMenu->Click(HogSow1::Query);
  EXPECT_EQ(rowIds(w), (Ids{"S2"}));
  EXPECT_EQ(w.SQDisp->Caption(), "By SOW Id., S2.  Page 1");
  EXPECT_EQ(tp.dialogs.shown.size(), 1u);
  EXPECT_TRUE(tp.dialogs.last().beepBefore);
  EXPECT_EQ(tp.dialogs.last().title, "QUERY   SOW   HISTORIES");
}

TEST_F(HogSow1Test, DeleteAsksPerSowAndFreesTheLittersOfEachYes) {
  writeRecords<SowRecord>(sowPath(), {aSow("D1").litters({1}), aSow("D2").litters({2, 3}).note(1, "A NOTE"), aSow("D3")});
  const FarrowRecord used = aLitter().bornOn("01/01/2023").pigs(10, 0).weaned(0, "01/22/2023", 21).sire("B9");
  writeRecords<FarrowRecord>(farrowPath(), {used, used, used});
  const std::string before = readFile(sowPath());
  HogSow1 w;
  w.Show();
  w.SowList->SetSelected(0, true);
  w.SowList->SetSelected(1, true);
  tp.dialogs.answer(platform::vbNo).answer(platform::vbYes);
  w.SowHistoryMenu->Click(HogSow1::Delete);
  ASSERT_EQ(tp.dialogs.shown.size(), 3u);
  EXPECT_EQ(tp.dialogs.shown[0].text, std::string(kDeleteQuestion) + "D1?");
  EXPECT_EQ(tp.dialogs.shown[0].title, "CAUTION");
  EXPECT_EQ(tp.dialogs.shown[0].buttons, platform::vbYesNo);
  EXPECT_EQ(tp.dialogs.shown[0].icon, platform::vbQuestion);
  EXPECT_EQ(tp.dialogs.shown[0].defaultButton, 1);
  EXPECT_TRUE(tp.dialogs.shown[0].beepBefore);
  EXPECT_EQ(tp.dialogs.shown[1].text, std::string(kDeleteQuestion) + "D2?");
  EXPECT_EQ(tp.dialogs.last().text, "ALL SELECTED SOW(s) HAVE BEEN DELETED!");
  EXPECT_EQ(tp.dialogs.last().title, "DELETE SOW HISTORIES");
  EXPECT_EQ(tp.dialogs.last().icon, platform::vbInformation);
  EXPECT_EQ(SelectedCount, 1);

  const std::string after = readFile(sowPath());
  EXPECT_EQ(after.substr(0, 1130), before.substr(0, 1130));
  EXPECT_EQ(after.substr(2260), before.substr(2260));
  EXPECT_EQ(after.substr(1130, 1130), recordBytes<SowRecord>({SowRecord{}}));
  EXPECT_EQ(after.substr(1130, 8), std::string(8, ' '));
  EXPECT_EQ(after.substr(1130 + 28, 10), "__/__/____");
  const std::string litters = readFile(farrowPath());
  EXPECT_EQ(litters.substr(0, 50), recordBytes<FarrowRecord>({used}));
  const std::string freeLitter = recordBytes<FarrowRecord>({FarrowRecord{}});
  EXPECT_EQ(litters.substr(50, 50), freeLitter);
  EXPECT_EQ(litters.substr(100, 50), freeLitter);
  EXPECT_EQ(freeLitter.substr(0, 12), std::string("\0\0__/__/____", 12));
  EXPECT_EQ(rowIds(w), (Ids{"D1", "D3"}));
  EXPECT_EQ(w.SQDisp->Caption(), "All ACTIVE SOW's.  PAGE 1");
}

TEST_F(HogSow1Test, DeleteAnsweredNoChangesNoByte) {
  writeHerd();
  writeRecords<FarrowRecord>(farrowPath(), {FarrowRecord{}});
  const std::string sowsBefore = readFile(sowPath());
  const std::string littersBefore = readFile(farrowPath());
  HogSow1 w;
  w.Show();
  queueQuery(tp.windows, "By BREED", "YORK");
  w.SowHistoryMenu->Click(HogSow1::Query);
  for (int i = 0; i < w.SowList->ListCount(); ++i) w.SowList->SetSelected(i, true);
  tp.dialogs.answer(platform::vbNo).answer(platform::vbNo);
  w.SowHistoryMenu->Click(HogSow1::Delete);
  ASSERT_EQ(tp.dialogs.shown.size(), 3u);
  EXPECT_EQ(tp.dialogs.last().text, "NO SOW(s) WERE SELECTED, or DELETED!");
  EXPECT_EQ(tp.dialogs.last().title, "DELETE SOW HISTORIES");
  EXPECT_EQ(tp.dialogs.last().icon, platform::vbExclamation);
  EXPECT_EQ(readFile(sowPath()), sowsBefore);
  EXPECT_EQ(readFile(farrowPath()), littersBefore);
  // The query stays.
  EXPECT_EQ(w.SQDisp->Caption(), "By BREED, YORK.  Page 1");
}

TEST_F(HogSow1Test, DeleteActsOnTheRecordTheRowShows) {
  // Records 1 and 3 both hold D1; record 1 left the herd, so the list shows
  // record 3 only.
  writeRecords<SowRecord>(sowPath(), {aSow("D1").left("01/01/2020"), aSow("D2"), aSow("D1").breed("SECOND")});
  HogSow1 w;
  w.Show();
  ASSERT_EQ(rowIds(w), (Ids{"D2", "D1"}));
  EXPECT_EQ(w.SowList->ItemData(1), 2);
  w.SowList->SetSelected(1, true);
  tp.dialogs.answer(platform::vbYes);
  w.SowHistoryMenu->Click(HogSow1::Delete);
  const std::vector<SowRecord> sows = readRecords<SowRecord>(sowPath());
  EXPECT_EQ(sows[0].Id, "D1      ");
  EXPECT_EQ(sows[2].Id, std::string(8, ' '));
}

TEST_F(HogSow1Test, RowWhoseRecordChangedSinceIsSkipped) {
  writeRecords<SowRecord>(sowPath(), {aSow("R1"), aSow("R2")});
  HogSow1 w;
  w.Show();
  writeRecords<SowRecord>(sowPath(), {aSow("R1"), aSow("R9")});  // another window renamed R2 meanwhile
  w.SowList->SetSelected(1, true);
  w.SowHistoryMenu->Click(HogSow1::Delete);
  ASSERT_EQ(tp.dialogs.shown.size(), 1u);
  EXPECT_EQ(tp.dialogs.last().text, "NO SOW(s) WERE SELECTED, or DELETED!");
  EXPECT_EQ(readRecords<SowRecord>(sowPath())[1].Id, "R9      ");
}

// A file DELETE cannot write: it is found before either file changes, the
// box says what was and was not deleted, and the sows deleted before it
// leave the page.
TEST_F(HogSow1Test, DeleteChangesNoFileThatTheOtherCannotFollow) {
  const struct {
    const char* readOnly;  // the file made read-only
    int selected;          // the last rows, each answered Yes
    Ids after;             // the IDs SOW.DAT then holds
    const char* outcome;
    Ids shown;  // the rows of the page after the box
  } cases[] = {
      {"FARROW.DAT", 1, {"D1", "D2"}, "The sow D2 was not deleted.\rNeither file was changed.", {"D1", "D2"}},
      {"SOW.DAT", 1, {"D1", "D2"}, "The sow D2 was not deleted.\rNeither file was changed.", {"D1", "D2"}},
      {"FARROW.DAT", 2, {"", "D2"}, "The sow D2 was not deleted.\rDeleted before her: D1.", {"D2"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.readOnly) + " " + std::to_string(c.selected));
    writeRecords<SowRecord>(sowPath(), {aSow("D1"), aSow("D2").litters({1})});  // D1 has no litters
    writeRecords<FarrowRecord>(farrowPath(), {aLitter().sire("B1")});
    const std::string litters = readFile(farrowPath());
    const std::string path = tp.path(c.readOnly);
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    tp.dialogs.shown.clear();
    HogSow1 w;
    w.Show();  // D1 on row 0, D2 on row 1
    for (int row = 2 - c.selected; row < 2; ++row) w.SowList->SetSelected(row, true);
    tp.dialogs.answer(platform::vbYes).answer(platform::vbYes);
    w.SowHistoryMenu->Click(HogSow1::Delete);
    EXPECT_EQ(tp.dialogs.last().text, "ERROR:   COULD NOT WRITE TO THE FILE!!\r\r" + path + "\rcannot write " + path +
                                          ": the file is read-only\r\r" + c.outcome + "\rNothing more was done.");
    EXPECT_EQ(tp.dialogs.last().title, "DELETE SOW HISTORIES");
    EXPECT_EQ(tp.dialogs.last().icon, platform::vbCritical);
    Ids ids;
    for (const SowRecord& s : readRecords<SowRecord>(sowPath())) ids.push_back(Trim(s.Id));
    EXPECT_EQ(ids, c.after);
    EXPECT_EQ(rowIds(w), c.shown);
    EXPECT_EQ(readFile(farrowPath()), litters);
    ASSERT_EQ(::chmod(path.c_str(), 0644), 0);
  }
  EXPECT_EQ(SowDeleteOutcome({"D1", "D3"}, "D2"),
            "The sow D2 was not deleted.\rDeleted before her: D1, D3.\rNothing more was done.");
}

TEST_F(HogSow1Test, AssignWritesTheTypedLocationIntoEachSelectedSow) {
  writeRecords<SowRecord>(sowPath(), {aSow("A1").location("OLD").left("01/01/2020"), aSow("A2").location("OLD"),
                                      aSow("A1").location("OLD")});
  HogSow1 w;
  w.Show();
  ASSERT_EQ(rowIds(w), (Ids{"A2", "A1"}));
  w.SowList->SetSelected(0, true);
  w.SowList->SetSelected(1, true);
  tp.dialogs.type(" grp-0012ab");
  w.SowHistoryMenu->Click(HogSow1::Assign);
  ASSERT_EQ(tp.dialogs.shown.size(), 2u);
  const ShownBox& ask = tp.dialogs.shown[0];
  EXPECT_TRUE(ask.input);
  EXPECT_EQ(ask.text, "Enter a LOCATION or GROUP ID below:");
  EXPECT_EQ(ask.title, "ASSIGN  SOW(s)  TO  LOCATION");
  EXPECT_EQ(ask.defaultText, std::string(8, ' '));
  EXPECT_EQ(ask.x, 2600);
  EXPECT_EQ(ask.y, 2000);
  EXPECT_EQ(tp.dialogs.last().text, "ALL SELECTED SOW(s) HAVE BEEN ASSIGNED!\rTo Location/Group ( grp-0012ab)");
  EXPECT_EQ(tp.dialogs.last().title, "ASSIGN  SOW(s)  TO  LOCATION / GROUP(S)");
  EXPECT_EQ(tp.dialogs.last().icon, platform::vbExclamation);
  const std::vector<SowRecord> sows = readRecords<SowRecord>(sowPath());
  EXPECT_EQ(sows[0].Location, "OLD     ");  // the same ID in another record is left alone
  EXPECT_EQ(sows[1].Location, " grp-001");
  EXPECT_EQ(sows[2].Location, " grp-001");
}

TEST_F(HogSow1Test, AssignWithNothingSelectedOrNothingTyped) {
  writeHerd();
  const std::string before = readFile(sowPath());
  HogSow1 w;
  w.Show();
  w.SowHistoryMenu->Click(HogSow1::Assign);
  ASSERT_EQ(tp.dialogs.shown.size(), 1u);
  EXPECT_EQ(tp.dialogs.last().text, "NO SOW(s) WERE SELECTED!");
  EXPECT_EQ(tp.dialogs.last().title, "ASSIGN  SOW(s)  TO  LOCATION / GROUP(S)");
  queueQuery(tp.windows, "By BREED", "DUROC");
  w.SowHistoryMenu->Click(HogSow1::Query);
  w.SowList->SetSelected(0, true);
  tp.dialogs.type("   ");
  w.SowHistoryMenu->Click(HogSow1::Assign);
  w.SowList->SetSelected(0, true);
  tp.dialogs.cancelInput();
  w.SowHistoryMenu->Click(HogSow1::Assign);
  EXPECT_EQ(tp.dialogs.shown.size(), 3u);  // the two input boxes, no message
  EXPECT_EQ(readFile(sowPath()), before);
  EXPECT_EQ(w.SQDisp->Caption(), "All ACTIVE SOW's.  PAGE 1");
}

TEST_F(HogSow1Test, FileCountIsClearedByLoadAndResetButKeptByQuery) {
  writeHerd();
  HogSow1 w;
  w.SowFileCount = 7;
  w.Show();
  EXPECT_EQ(w.SowFileCount, 0);
  w.SowFileCount = 5;
  queueQuery(tp.windows, "By BREED", "DUROC");
  w.SowHistoryMenu->Click(HogSow1::Query);
  EXPECT_EQ(w.SowFileCount, 5);
  w.SowList->SetSelected(0, true);
  tp.dialogs.type("PEN9");
  w.SowHistoryMenu->Click(HogSow1::Assign);
  EXPECT_EQ(w.SowFileCount, 0);
  w.SowFileCount = 5;
  tp.windows.on("HogSow2", as<HogSow2>([](HogSow2& e) { e.Exit->Press(); }));
  w.SowHistoryMenu->Click(HogSow1::New);
  EXPECT_EQ(w.SowFileCount, 0);
}

TEST_F(HogSow1Test, EveryClickRenewsTheSelectionArray) {
  writeHerd();
  HogSow1 w;
  w.Show();
  SelectedSowRecs = {9, 9};
  w.SowHistoryMenu_Click(HogSow1::Print);
  EXPECT_EQ(SelectedSowRecs, std::vector<long>(11, 0));
}

TEST_F(HogSow1Test, UnreadableSowFileShowsOneCriticalBox) {
  if (!platform::fileExists("/proc/self/mem")) GTEST_SKIP();
  ASSERT_TRUE(QFile::link("/proc/self/mem", QString::fromStdString(sowPath())));
  HogSow1 w;
  w.Show();
  ASSERT_EQ(tp.dialogs.shown.size(), 1u);
  EXPECT_EQ(tp.dialogs.last().icon, platform::vbCritical);
  EXPECT_EQ(tp.dialogs.last().title, "S O W    H I S T O R Y");
  EXPECT_EQ(w.SowList->ListCount(), 0);
  EXPECT_FALSE(tp.screen.hourglass());
}

TEST_F(HogSow1Test, ExitHidesAndMainMenuOpensTheListModally) {
  writeHerd();
  tp.windows.on("HogSow1", as<HogSow1>([](HogSow1& w) {
    EXPECT_EQ(w.SowList->ListCount(), 4);
    w.SowHistoryMenu->Click(HogSow1::Exit);
    EXPECT_FALSE(w.isVisible());
  }));
  Tarlowe2& main = MainForm();
  main.ShowAllMenus();
  main.MainSow->Click(0);
  EXPECT_EQ(tp.windows.shownModal, Ids{"HogSow1"});
  EXPECT_TRUE(tp.windows.leftOpen.empty());
  ReleaseMainForm();
}

TEST_F(HogSow1Test, OpensWithNoRowDrawnCurrentOrSelected) {
  writeHerd();
  HogSow1 w;
  w.Show();
  DoEvents();  // the window takes the focus, and the list with it
  ASSERT_TRUE(w.SowList->hasFocus());
  EXPECT_EQ(w.SowList->ListIndex(), -1);
  EXPECT_EQ(w.SowList->SelCount(), 0);
}

// FARROW.DAT past record 32,767, which the program never writes: each open
// of the list says so once, and neither the list nor its pages write it.
TEST_F(HogSow1Test, AFilePastRecord32767IsNamedOncePerOpenAndLeftAsItIs) {
  writeHerd();
  writeFile(farrowPath(), std::string(size_t{32768} * FarrowRecord::Length, '\0'));
  const std::string farrow = readFile(farrowPath()), sows = readFile(sowPath());
  for (int open = 1; open <= 2; ++open) {
    HogSow1 w;
    w.Show();
    w.SowPg[0]->Press();
    ASSERT_EQ(tp.dialogs.shown.size(), static_cast<size_t>(open));
    EXPECT_TRUE(LastBoxIs(tp.dialogs, {"FILE LENGTH EXCEEDED!\r\r" + farrowPath() +
                                           "\r\rholds records past 32,767. The program cannot\r"
                                           "reach them; they are left as they are.",
                                       "FILE   LENGTH   ERROR", platform::vbExclamation}));
    EXPECT_TRUE(tp.dialogs.last().beepBefore);
    EXPECT_EQ(w.SowList->ListCount(), 4);
  }
  EXPECT_EQ(readFile(farrowPath()), farrow);
  EXPECT_EQ(readFile(sowPath()), sows);
}
