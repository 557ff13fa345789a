#include "groups/HogPig1.h"

#include <algorithm>

#include "common/HelpMenu.h"
#include "common/DataFiles.h"
#include "common/HogGlobals.h"
#include "common/NumberText.h"
#include "common/PrintListing.h"
#include "groups/GroupList.h"
#include "groups/GroupYearOpener.h"
#include "groups/GroupMoves.h"
#include "groups/HogPig2.h"
#include "groups/HogPig3.h"
#include "groups/HogPig4.h"
#include "platform/Dialogs.h"
#include "platform/FormKit.h"
#include "platform/Refusal.h"
#include "platform/Screen.h"

namespace {

const char kListTitle[] = "GROUP  LIST  ERROR";
const char* const kCaptions[] = {"N U R S E R Y    G R O U P S   f o r   G R O U P   Y E A R  ( ",
                                 "G R O W E R   G R O U P S   f o r   G R O U P   Y E A R  ( ",
                                 "F I N I S H E R   G R O U P S   f o r   G R O U P   Y E A R  ( "};

// Column captions over the list: the character column of the list each
// starts at and its width in characters. A caption of two words stands on
// two lines, broken after the blanks that follow its first word; the others
// stand on the upper or the lower line.
struct ColumnCaption {
  const char* text;
  int column;
  int width;
  enum { Upper, Lower, TwoLines } lines;
};
const ColumnCaption kColumns[] = {
    {" ID.", 1, 6, ColumnCaption::Lower},
    {" IN    OUT", 9, 10, ColumnCaption::Lower},
    {" WT.   IN", 20, 6, ColumnCaption::TwoLines},
    {"AVG   WT. OUT", 26, 8, ColumnCaption::TwoLines},
    {"DEATH LOSS%", 34, 8, ColumnCaption::TwoLines},
    {"  AVG.      WT. GAINED", 42, 10, ColumnCaption::TwoLines},
    {" AVERAGE DAILY GAIN", 52, 11, ColumnCaption::TwoLines},
    {"DATE    IN.", 63, 9, ColumnCaption::TwoLines},
    {" PIG DAYS", 73, 7, ColumnCaption::TwoLines},
    {"AVERAGE  DAY'S IN", 80, 10, ColumnCaption::TwoLines},
    {" #PIG(s)   ", 9, 10, ColumnCaption::Upper},
    {"GROUP", 1, 6, ColumnCaption::Upper}};

// The caption as shown: a two-line caption broken after the blanks that
// follow its first word.
std::string ShownCaption(const ColumnCaption& c) {
  const std::string text = c.text;
  if (c.lines != ColumnCaption::TwoLines) return text;
  const size_t word = text.find_first_not_of(' ');
  const size_t blanks = text.find(' ', word);
  const size_t next = text.find_first_not_of(' ', blanks);
  return text.substr(0, next) + "\n" + text.substr(next);
}

constexpr int kListLeft = 120;
constexpr int kListTop = 1200;
constexpr int kCharTwips = 120;

}  // namespace

HogPig1::HogPig1(QWidget* parent) : platform::Form("HogPig1", parent) {
  setFont(platform::makeFont("MS Sans Serif", 8));
  MenuBar = platform::AddMenuBar(this);
  PigMain = new platform::MenuArray(MenuBar, "PigMain");
  PigMain->Add(PigsIn, "Pigs IN");
  PigMain->Add(PigsOut, "Pigs OUT");
  PigMain->Add(EditPigs, "EDIT Pigs");
  PigMain->Add(DeletePigs, "DELETE Pigs");
  PigMain->Add(Print, "&PRINT");
  QMenu* help = PigMain->Add(Help, "&HELP", true);
  PigMain->Add(Exit, "EXIT");
  PigHelp = new platform::MenuArray(help, "PigHelp");
  PigHelp->SetParentItem(PigMain, Help);
  PigHelp->Add(0, "Contents");
  PigHelp->Add(1, "-");
  PigHelp->Add(2, "About Tarlowe");
  PigMain->onClick = [this](int i) { PigMain_Click(i); };
  PigHelp->onClick = [this](int i) { PigHelp_Click(i); };

  Label8 = new platform::Label(this, "Label8");
  platform::placeTwips(Label8, kListLeft, 360, 3000, 255);
  // A line of the captions, in the window's font as theirs; the two lines
  // end just above the list.
  const int line = static_cast<int>(fontMetrics().lineSpacing() * platform::screen().twipsPerPixel());
  int k = 0;
  for (const ColumnCaption& c : kColumns) {
    if (++k == 8) ++k;  // Label8 is the stage word
    auto* label = new platform::Label(this, "Label" + std::to_string(k), ShownCaption(c));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const int top = kListTop - 60 - 2 * line + (c.lines == ColumnCaption::Lower ? line : 0);
    platform::placeTwips(label, kListLeft + 30 + (c.column - 1) * kCharTwips, top, c.width * kCharTwips,
                         c.lines == ColumnCaption::TwoLines ? 2 * line : line);
  }
  PigList = new platform::ListBox(this, "PigList", true, platform::makeFont("Courier New", 10));
  platform::placeTwips(PigList, kListLeft, kListTop, 11040, 5400);
  SetBoundsTwips(0, 0, 11400, 7200);
}

void HogPig1::Form_Load() {
  TellUnreachableRecords({LoadedFileOf<GroupRecord>(), LoadedFileOf<SalesRecord>()});
  FillGroupList();
}

void HogPig1::FillGroupList() {
  PigList->Clear();
  GroupBook book;
  Hourglass(true);
  platform::ListItems rows;
  if (book.read(kListTitle))
    WriteGroupRows(rows, book, PigletMenuChoice, GroupYear);
  const bool listed = rows.size() > 0;
  PigList->SetItems(std::move(rows));
  Hourglass(false);
  PigMain->SetVisible({PigsOut, EditPigs, DeletePigs, Print}, listed);
}

void HogPig1::CollectSelectedGroups() {
  SelectedGroupRecs.assign(static_cast<size_t>(PigList->ListCount()) + 1, 0);
  SelectedCount = 0;
  for (int row : PigList->SelectedRows()) SelectedGroupRecs[static_cast<size_t>(++SelectedCount)] = PigList->ItemData(row);
}

void HogPig1::PigMain_Click(int Index) {
  switch (Index) {
    case PigsIn: NewGroup(); break;
    case PigsOut: OpenForSelected("SELECT  OUT  GROUPS", true); break;
    case EditPigs: OpenForSelected("SELECT  EDIT  GROUPS", false); break;
    case DeletePigs: DeleteGroups(); break;
    case Print: PrintGroups(); break;
    case Exit: Hide(); break;
    default: break;
  }
}

void HogPig1::PigHelp_Click(int Index) { ShowHelpItem(Index); }

void HogPig1::NewGroup() {
  if (AskNewGroupId() != 0) return;
  {
    HogPig2 entry;
    entry.SetCaption(std::string(PigletMenuChoice == 0 ? "N U R S E R Y   I N,  N E W   G R O U P ( "
                                                       : "G R O W E R   I N,  N E W   G R O U P ( ") +
                     CurrentGroupId + " )");
    platform::ShowModalThenUnload(entry);
  }
  FillGroupList();
}

void HogPig1::OpenForSelected(const std::string& title, bool out) {
  CollectSelectedGroups();
  if (SelectedCount == 0) {
    Alert("NO GROUP(s) WERE SELECTED!", platform::vbExclamation | platform::vbOKOnly, title);
    return;
  }
  if (out) {
    HogPig3 window;
    platform::ShowModalThenUnload(window);
  } else {
    HogPig4 window;
    platform::ShowModalThenUnload(window);
  }
  FillGroupList();
}

void HogPig1::DeleteGroups() {
  CollectSelectedGroups();
  if (SelectedCount == 0) {
    Alert("NO GROUP(s) WERE SELECTED!", platform::vbExclamation | platform::vbOKOnly, "SELECT  DELETE  GROUPS");
    return;
  }
  if (Alert("ARE YOU SURE you want to DELETE these?", platform::vbQuestion | platform::vbYesNo,
            "DELETING   SELECTED   GROUP(s)") == platform::vbYes) {
    for (int k = 1; k <= SelectedCount; ++k) {
      CurrentGroupRec = SelectedGroupRecs[static_cast<size_t>(k)];
      if (!WriteGroupRecord(CurrentGroupRec, BlankGroup(), "DELETING   SELECTED   GROUP(s)")) break;
    }
  }
  FillGroupList();
}

void HogPig1::PrintGroups() {
  if (PigList->ListCount() == 0) {
    Alert("THERE ISN'T ANY GROUPS TO PRINT!", platform::vbExclamation | platform::vbOKOnly, "PRINT   GROUPS   ERROR");
    return;
  }
  const int stage = std::clamp(PigletMenuChoice, 0, 2);
  const std::string word = StageWord(stage);
  if (Alert("READY TO PRINT " + word + " GROUPS?", platform::vbQuestion | platform::vbYesNo, "PRINT    GROUPS") ==
      platform::vbNo)
    return;
  Hourglass(true);
  PrintGroupList(stage, GroupYear, "PRINT   GROUPS   ERROR");
  Hourglass(false);
}

int AskNewGroupId() {
  const std::string prompt =
      "Enter a new GROUP ID# below:\r\r    W A R N I N G !   \rEnter ONLY three digits!\rAny entry of less then "
      "three will give an ERROR!  Any entry of more than three, the extra digits will be ignored.";
  for (;;) {
    const std::optional<std::string> typed = InputBox(prompt, "E N T E R   G R O U P   I D.", "   ", 2600, 2000);
    if (typed && *typed == "   ") {
      if (Alert("You MUST enter a GROUP ID# !", platform::vbExclamation | platform::vbOKCancel, "GROUP  ID  ERROR") ==
          platform::vbCancel)
        return 1;
      continue;
    }
    if (!typed || typed->empty()) return 1;
    const std::optional<std::string> key = GroupKey(*typed);
    if (!key) {
      Alert("YOU MUST ENTER THREE DIGITS!", platform::vbExclamation | platform::vbOKOnly, "INVALID  ENTRY");
      continue;
    }
    GroupBook book;
    if (!book.readGroups("GROUP  ID  ERROR")) return 1;
    if (GroupKeyUsed(book, *key, GroupYear)) {
      Alert("THIS ID#. (" + *key + ") IS ALL READY USED!", platform::vbExclamation | platform::vbOKOnly,
            "GROUP  ID  ERROR");
      continue;
    }
    const long record = FreeGroupRecord(book);
    if (Check full = GroupFileFull(record, "GROUP  ID  ERROR")) {
      Alert(full->text, platform::vbExclamation | platform::vbOKOnly, full->title);
      return 1;
    }
    const std::string id = *key + "-" + GroupYear;
    if (!WriteGroupRecord(record, ReservedGroup(PigletMenuChoice, id), "GROUP  ID  ERROR")) return 1;
    CurrentGroupRec = record;
    CurrentGroupId = id;
    return 0;
  }
}

void OpenGroupList(int Index) {
  PigletMenuChoice = Index;
  OpenForGroupYear([Index](const std::string& year) {
    HogPig1 list;
    list.Load();
    list.Label8->SetCaption(StageWord(Index));
    list.SetCaption(std::string(kCaptions[std::clamp(Index, 0, 2)]) + year + " )");
    list.PigMain->SetVisible(HogPig1::PigsIn, Index != 2);
    platform::ShowModalThenUnload(list);
  });
}
