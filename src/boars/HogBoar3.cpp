#include "boars/HogBoar3.h"

#include "boars/BoarHistory.h"
#include "boars/BoarHistorySheet.h"
#include "boars/BoarRename.h"
#include "boars/HogBoar4.h"
#include "common/DataFiles.h"
#include "common/Format.h"
#include "common/HogGlobals.h"
#include "common/NumberText.h"
#include "platform/Dialogs.h"
#include "platform/Screen.h"
#include "sows/SowNumbers.h"

namespace {

const char kEntryTitle[] = "BOAR ENTRY";
const char kIdTitle[] = "BOAR ID ERROR";
constexpr int kEnter = 13;

// The boxes of the card, down the left, and its figures, down the right.
const CardBoxLayout kBoxes[] = {{2, "BREED of BOAR", 20},
                                {4, "BOARs DATE of BIRTH"},
                                {3, "BACKFAT", 4, "0.00"},
                                {7, "PURCHASE PRICE of BOAR", kPriceBoxLength, "0.00"},
                                {10, "DATE BOAR entered HERD"},
                                {8, "SOLD PRICE of BOAR", kPriceBoxLength, "0.00"},
                                {11, "DATE BOAR left HERD"},
                                {9, "PRV DATE"},
                                {6, "LOINEYE in sq INCHs", 5, "0.00"},
                                {12, "LOCATION of BOAR", 8},
                                {5, "DAYs to 230 LBs", 3, "###0"}};
const CardBoxLayout kFigures[] = {{14, "NUMBER of SOWs BRED/FARROWED....."},
                                  {15, "HERD CONCEPTION RATE ...................."},
                                  {16, "AVERAGE LITTER BIRTH WEIGHT.........."},
                                  {17, "AVERAGE LITTER WEANING WEIGHT...."},
                                  {19, "TOTAL NUMBER of PIGs BORN..............."},
                                  {20, "TOTAL NUMBER of PIGs STILLBORN......"},
                                  {21, "AVERAGE NUMBER of PIGs BORN.........."},
                                  {22, "AVERAGE NUMBER of PIGs STILLBORN.."}};

const AnimalCardLayout kBoarCard = {.formName = "HogBoar3", .name = "Boar", .boxCount = 23,
                                    .idFrame = {"Change ID", "CHAN BOAR ID", 1440, 1200},
                                    .boxes = kBoxes, .figures = {kFigures, 6240, 3300, 1200},
                                    .buttons = {"NOTE  PAD", "PrintBoarHistry", "ExitBoarHist", 960}, .width = 11160,
                                    .notePad = platform::ShowModalThenUnload<HogBoar4>, .print = PrintBoarHistory};

}  // namespace

Check CheckBoarCard(const AnimalCardEntry& e) {
  if (Check date = CheckAnimalCardDates(e, kEntryTitle)) return date;
  return CheckAnimalCardNumbers(e, kEntryTitle);
}

void ApplyBoarCard(const AnimalCardEntry& e, const AnimalCardNumbers& numbers, BoarRecord& boar) {
  ApplyAnimalCard(e, numbers, boar);
  boar.Location = Trim(e.location);
}

HogBoar3::HogBoar3(QWidget* parent)
    : AnimalCardForm(kBoarCard, BoarHistory, SelectedBoarRecs, CurrentBoarRec, parent) {
  Box(1)->onKeyPress = [this](int& key) {
    if (key != kEnter) return;
    key = 0;
    AcceptId_Click();
  };
}

void HogBoar3::ShowHistory() {
  Hourglass(true);
  FileFault fault;
  const std::optional<int32_t> herdLitters = CountHerdLitters(&fault);
  const bool read = herdLitters && LoadBoarHistory(*herdLitters, &fault);
  Hourglass(false);
  if (!read) ReportFileFault(fault, false, kEntryTitle);
  const BoarHistoryRecord& h = BoarHistory;
  ShowCard({{14, Format(h.SowsFarrowed, "###0")},        {15, Format(h.ConceptionRate, "0.00")},
            {16, Format(h.AvgLitterBirthWeight, "0.00")}, {17, Format(h.AvgLitterWeaningWeight, "0.00")},
            {19, Format(h.TotalBorn, "####0")},           {20, Format(h.TotalStillborn, "####0")},
            {21, Format(h.AvgBorn, "0.00")},              {22, Format(h.AvgStillborn, "0.00")}});
  AcceptId->setEnabled(false);
  CancelId->setEnabled(false);
}

void HogBoar3::SaveChan_Click() {
  const AnimalCardEntry e = card_.animalEntry();
  if (Check refusal = CheckBoarCard(e)) {
    platform::ShowRefusal(*refusal, card_.field(refusal->field));
    return;
  }
  const AnimalCardNumbers numbers = CardNumbers(e);
  FileFault fault;
  BoarRecord& boar = BoarRec;
  Hourglass(true);
  bool ok = ReadRecordAt(CurrentBoarRec, boar, &fault);
  if (ok) {
    ApplyBoarCard(e, numbers, boar);
    ok = WriteRecordAt(CurrentBoarRec, boar, &fault);
  }
  Hourglass(false);
  if (!ok) {
    ReportFileFault(fault, true, kEntryTitle);
    return;
  }
  ApplyAnimalCardToHistory(e, numbers, BoarHistory);
  Box(2)->SetFocus();
  ShowHistory();
}

void HogBoar3::AcceptId_Click() {
  if (!changingId_) return;
  const std::string typed = Box(1)->Text();
  if (Check refusal = CheckBoarIdTyped(typed)) {
    platform::ShowRefusal(*refusal, Box(1));
    return;
  }
  if (MsgBox("YOU'RE ABOUT TO CHANGE\rTHIS BOAR'S ID: " + typed + "\rAre you SURE?",
             platform::vbQuestion | platform::vbOKCancel, "CHANGE  BOAR ID.") == platform::vbCancel) {
    Box(1)->SetText(oldId_);
    return;
  }
  const std::string newId = Trim(typed);
  Hourglass(true);
  const BoarRenameOutcome outcome = RenameBoar(CurrentBoarRec, oldId_, newId);
  Hourglass(false);
  if (outcome.renamed) BoarHistory.Id = newId;
  if (outcome.refusal)
    MsgBox(outcome.refusal->text, outcome.refusal->icon | platform::vbOKOnly, outcome.refusal->title);
  else if (outcome.fault)
    ReportFileFault(*outcome.fault, outcome.writing, kIdTitle, outcome.done);
  Box(1)->SetText("");
  EndIdChange();
}
