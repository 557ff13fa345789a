#include "sows/HogSow3.h"

#include "common/DateChecks.h"
#include "common/DateMath.h"
#include "common/Format.h"
#include "common/HogGlobals.h"
#include "common/NumberText.h"
#include "common/Paths.h"
#include "platform/Dialogs.h"
#include "platform/Screen.h"
#include "records/RecordSlots.h"
#include "sows/HogSow4.h"
#include "sows/DueDateText.h"
#include "sows/SowHistory.h"
#include "sows/SowHistorySheet.h"
#include "sows/SowNumbers.h"

namespace {

const char kEntryTitle[] = "SOW ENTRY";
const char kIdTitle[] = "SOW ID ERROR";

Refusal cardRefusal(const std::string& text, const char* title, int field) {
  return {text, title, platform::vbExclamation, field};
}

// The boxes of the card, down the left, and its figures, down the right. The
// loineye takes the five characters the new sow's box takes, so that every
// loineye stored shows back whole ("10.25", not "10.2").
const CardBoxLayout kBoxes[] = {{2, "BREED of SOW", 20},
                                {3, "BACK FAT", 4, "##0.00"},
                                {5, "DAY'S to 230", 3, "###0"},
                                {6, "LOINEYE in sq INCHs", 5, "##0.00"},
                                {7, "PURCHASE PRICE of SOW", kPriceBoxLength, "####0.00"},
                                {8, "SOLD PRICE of SOW", kPriceBoxLength, "####0.00"},
                                {12, "LOCATION of SOW", 8},
                                {29, "BOAR ID.", 8},
                                {4, "DATE of BIRTH"},
                                {9, "PRV DATE"},
                                {10, "DATE SOW entered HERD"},
                                {11, "DATE SOW left HERD"},
                                {27, "DATE SOW was BRED"}};
const CardBoxLayout kFigures[] = {{13, "Number of PARITIES"},
                                  {14, "Total # PIGs WEANED..........."},
                                  {15, "Avg. number of PIGs WEANED......"},
                                  {16, "Avg. LITTER BIRTH WEIGHT........"},
                                  {17, "Avg. LITTER WEANING WEIGHT.."},
                                  {18, "Avg. AGE at WEANING.........."},
                                  {19, "Total # of PIGs BORN............"},
                                  {20, "Total # of PIGs STILLBORN..."},
                                  {21, "Avg. number of PIGs BORN..........."},
                                  {22, "Avg.number of PIGs STILLBORN..."},
                                  {23, "Avg. # FOSTERED to SOW.........."},
                                  {24, "Avg. # FOSTERED from SOW......."},
                                  {25, "Total # FOSTERED to SOW......."},
                                  {26, "Total # FOSTERED from SOW...."},
                                  {28, "DATE SOW is DUE to FARROW"}};

const AnimalCardLayout kSowCard = {.formName = "HogSow3", .name = "Sow", .boxCount = 30,
                                   .idFrame = {"SOW ID", "CHAN ID", 1080, 1080},
                                   .boxes = kBoxes, .figures = {kFigures, 6000, 3000, 1335},
                                   .buttons = {"NOTE PAD", "PrintSowHistory", "SExit", 900}, .width = 10800,
                                   .notePad = platform::ShowModalThenUnload<HogSow4>, .print = PrintSowHistory};

}  // namespace

Check CheckSowCard(const SowCardEntry& e) {
  if (Check date = CheckAnimalCardDates(e, kEntryTitle)) return date;
  if (e.dateBred != records::kEmptyDate)
    if (Check date = CheckDateBred(e.dateBred, kFirstDataYear, 27)) return date;
  return CheckAnimalCardNumbers(e, kEntryTitle);
}

std::string SowCardDueDate(const std::string& dateBred) {
  const std::string bred = Trim(dateBred);
  return bred == records::kEmptyDate ? "" : DueDate(bred);
}

std::string DueDateLabel(const std::string& stored) {
  const std::string s = StripNulls(stored);
  if (s.empty()) return records::kEmptyDate;
  if (s.size() >= 6 && s[5] == '/') return s;
  return DigitsDueDate(s).value_or(s);
}

void ApplySowCard(const SowCardEntry& e, const AnimalCardNumbers& numbers, const std::string& dateDue, SowRecord& r) {
  ApplyAnimalCard(e, numbers, r);
  r.DateBred = Trim(e.dateBred);
  r.DateDue = dateDue.empty() ? std::string(10, ' ') : dateDue;  // no due date: stored as blanks
  r.BoarId = Trim(e.boarId);
}

void ApplySowCardToHistory(const SowCardEntry& e, const AnimalCardNumbers& numbers, const std::string& dateDue) {
  SowHistoryRecord& h = SowHistory;
  ApplyAnimalCardToHistory(e, numbers, h);
  h.DateBred = e.dateBred;
  h.DateDue = dateDue;
  h.BoarId = Trim(e.boarId);
}

bool SaveSowCard(WriteSet& set, long record, const SowRecord& sow, bool leftHerd, FileFault* fault) {
  const int parities = records::UsedParities(sow);
  records::FileImage<FarrowRecord> litters;
  if (parities > 0 && !ReadImage(litters, fault)) return false;
  auto sows = set.open<SowRecord>(DataFilePath<SowRecord>());
  if (parities > 0) {
    auto farrow = set.open<FarrowRecord>(DataFilePath<FarrowRecord>());
    const int16_t status = leftHerd ? FarrowRecord::LeftHerd : FarrowRecord::InHerd;
    for (int k = 0; k < parities; ++k) {
      const long link = sow.FarrowRecNo[static_cast<size_t>(k)];
      if (!records::ValidLitterLink(link, litters.count())) continue;
      const uint8_t* stored = litters.bytes(link);
      const int16_t was = records::getI16(stored + FarrowRecord::StatusAt);
      if (was == status || (!leftHerd && was != FarrowRecord::LeftHerd)) continue;
      records::Bytes bytes(stored, stored + FarrowRecord::Length);
      records::putI16(bytes.data() + FarrowRecord::StatusAt, status);
      farrow.writeBytes(link, bytes);
    }
  }
  sows.write(record, sow);
  return true;
}

Check CheckChangedSowId(const std::string& typed, const records::FileImage<SowRecord>& sows) {
  const std::string id = Trim(typed);
  if (id.empty()) return cardRefusal("ERROR: You MUST have a Sow ID!", kIdTitle, 1);
  for (long n = 1; n <= sows.count(); ++n)
    if (Trim(records::StoredId(sows, n)) == id) return cardRefusal("ERROR: SOW ID (" + id + ")\ris ALL READY USED!", kIdTitle, 1);
  return std::nullopt;
}

HogSow3::HogSow3(QWidget* parent) : AnimalCardForm(kSowCard, SowHistory, SelectedSowRecs, CurrentSowRec, parent) {}

SowCardEntry HogSow3::entry() const {
  return {card_.animalEntry(), card_.text(27), card_.text(29)};
}

void HogSow3::ShowHistory() {
  FileFault fault;
  if (!LoadSowHistory(&fault)) ReportFileFault(fault, false, kEntryTitle);
  const SowHistoryRecord& h = SowHistory;
  Box(29)->SetText(Trim(h.BoarId));
  DateBox(27)->SetText(ShownDate(h.DateBred));
  ShowCard({{13, Format(h.ParityCount, "###0")},
            {14, Format(h.TotalWeaned, "####0")},
            {15, Format(h.AvgWeaned, "#0.00")},
            {16, Format(h.AvgLitterBirthWeight, "#0.00")},
            {17, Format(h.AvgLitterWeaningWeight, "##0.00")},
            {18, Format(h.AvgWeaningAge, "#0.00")},
            {19, Format(h.TotalBorn, "##0")},
            {20, Format(h.TotalStillborn, "##0")},
            {21, Format(h.AvgBorn, "#0.00")},
            {22, Format(h.AvgStillborn, "#0.00")},
            {23, Format(h.AvgFosteredTo, "##0.00")},
            {24, Format(h.AvgFosteredFrom, "##0.00")},
            {25, Format(h.TotalFosteredTo, "###0")},
            {26, Format(h.TotalFosteredFrom, "###0")},
            {28, DueDateLabel(h.DateDue)}});
}

void HogSow3::SaveChan_Click() {
  const SowCardEntry e = entry();
  if (Check refusal = CheckSowCard(e)) {
    platform::ShowRefusal(*refusal, card_.field(refusal->field));
    return;
  }
  const AnimalCardNumbers numbers = CardNumbers(e);
  const std::string dateDue = SowCardDueDate(e.dateBred);
  if (e.dateBred != records::kEmptyDate) Figure(28)->SetCaption(dateDue);
  FileFault fault;
  SowRecord& sow = SowRec;
  Hourglass(true);
  WriteSet set("SOW HISTORY CHANGE");
  bool read = ReadRecordAt(CurrentSowRec, sow, &fault);
  if (read) {
    ApplySowCard(e, numbers, dateDue, sow);
    read = SaveSowCard(set, CurrentSowRec, sow, e.dateLeftHerd != records::kEmptyDate, &fault);
  }
  const bool saved = read && set.commit();
  Hourglass(false);
  if (!read) return ReportFileFault(fault, false, kEntryTitle);
  if (!saved) return set.report(kEntryTitle);
  ApplySowCardToHistory(e, numbers, dateDue);
  Box(2)->SetFocus();
}

void HogSow3::AcceptId_Click() {
  if (!changingId_) return;
  const std::string typed = Box(1)->Text();
  if (Trim(typed).empty()) {
    platform::ShowRefusal(*CheckChangedSowId(typed, {}), Box(1));
    return;
  }
  records::FileImage<SowRecord> sows;
  FileFault readFault;
  Hourglass(true);
  const bool read = ReadImage(sows, &readFault);
  Hourglass(false);
  if (!read) {
    ReportFileFault(readFault, false, kIdTitle);
    return;
  }
  if (Check refusal = CheckChangedSowId(typed, sows)) {
    platform::ShowRefusal(*refusal, nullptr);
    Box(1)->SetText("");
  } else {
    FileFault fault;
    SowRecord& sow = SowRec;
    if (ReadRecordAt(CurrentSowRec, sow, &fault)) {
      sow.Id = Trim(typed);
      if (!WriteRecordAt(CurrentSowRec, sow, &fault)) ReportFileFault(fault, true, kIdTitle);
      else SowHistory.Id = Trim(typed);
    } else {
      ReportFileFault(fault, false, kIdTitle);
    }
  }
  EndIdChange();
}
