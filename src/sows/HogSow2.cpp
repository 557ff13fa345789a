#include "sows/HogSow2.h"

#include <array>

#include "common/DataFiles.h"
#include "common/DateChecks.h"
#include "common/Format.h"
#include "common/NumberText.h"
#include "platform/Screen.h"
#include "sows/SowFiles.h"
#include "sows/SowNumbers.h"

namespace {

const char kErrorTitle[] = "SOW ENTRY ERROR";

// The widths typed into the text boxes, in the order of Sow().
constexpr std::array<int, 7> kWidths = {8, 20, 8, 3, 5, 4, 8};
const std::array<const char*, 10> kLabels = {
    "Sow Id.", "Breed", "Location", "Days to 230", "Loineye", "BackFat", "Purchase Price",
    "Date of Birth", "Date Entered Herd", "PRV Date"};

Refusal entryRefusal(const std::string& text, int field) {
  return {text, kErrorTitle, platform::vbExclamation, field};
}

// A date that may be left empty.
Check optionalDate(const std::string& date, int field) {
  return date == records::kEmptyDate ? std::nullopt : CheckDate(date, kFirstDataYear, field);
}

}  // namespace

Check CheckNewSowEntry(const NewSowEntry& e) {
  if (Trim(e.id).empty()) return entryRefusal("SOW ID is a required entry!", 0);
  if (Check date = optionalDate(e.dateOfBirth, kSowDateField)) return date;
  if (e.dateEnteredHerd == records::kEmptyDate)
    return entryRefusal("DATE ENTERED HERD is a required entry!", kSowDateField + 1);
  if (Check date = CheckDate(e.dateEnteredHerd, kFirstDataYear, kSowDateField + 1)) return date;
  if (Check date = optionalDate(e.prvDate, kSowDateField + 2)) return date;
  return CheckNewAnimalNumbers(e.daysTo230, e.loineye, e.backfat, e.purchasePrice, kErrorTitle);
}

Check CheckNewSowSlot(const records::NewAnimalSlot& slot) {
  if (slot.duplicateOf == 0) return std::nullopt;
  return entryRefusal("SOW ID (" + slot.storedId + ") is ALL READY USED!", 0);
}

SowRecord NewSowRecord(const NewSowEntry& e) {
  SowRecord r;
  r.Id = RTrim(e.id);
  r.Breed = RTrim(e.breed);
  r.DateOfBirth = e.dateOfBirth;
  r.DaysTo230 = WholeOf(e.daysTo230);
  r.Backfat = TypedSingle(e.backfat, kBackfatNumber);
  r.PurchasePrice = records::Currency::fromDouble(TypedValue(e.purchasePrice, kPurchasePriceNumber));
  r.DateEnteredHerd = e.dateEnteredHerd;
  r.SoldPrice = records::Currency{};
  r.DateLeftHerd = records::kEmptyDate;
  r.PrvDate = e.prvDate;
  r.Location = RTrim(e.location);
  r.Loineye = TypedSingle(e.loineye, kLoineyeNumber);
  r.DateBred = records::kEmptyDate;
  r.DateDue = records::kEmptyDate;
  r.BoarId = std::string(8, ' ');
  r.ParityCount = 0;
  r.FarrowRecNo = {};
  r.NoteLine = NotePad{};
  return r;
}

SowHistoryRecord NewSowHistory(const NewSowEntry& e) {
  SowHistoryRecord h;
  FillAnimalHistory(NewSowRecord(e), h);
  h.PurchasePrice = TypedSingle(e.purchasePrice, kPurchasePriceNumber);  // as typed, not as the Currency stored
  h.DateBred = h.DateDue = records::kEmptyDate;
  return h;
}

HogSow2::HogSow2(QWidget* parent) : platform::Form("HogSow2", parent) {
  using namespace platform;
  setFont(makeFont("MS Sans Serif", 8));
  SetCaption("N E W     S O W     R E C O R D");
  constexpr RowPitch labelRows{240, 420}, fieldRows{210, 420};
  for (int i = 0; i < static_cast<int>(kLabels.size()); ++i)
    Label1.Add(AddLabel(this, "Label1", kLabels[i], {240, labelRows(i), 1800, 255}));
  for (int i = 0; i < static_cast<int>(kWidths.size()); ++i)
    Sow.Add(AddTextBox(this, "Sow", {2160, fieldRows(i), 150 * kWidths[i] + 300, 315}, kWidths[i]));
  for (int i = 0; i < 3; ++i) SowDate.Add(AddDateBox(this, "SowDate", {2160, fieldRows(kSowDateField + i), 1335, 315}));
  Accept = AddButton(this, "Accept", "&ACCEPT", {240, 4560, 1575, 435}, [this] { Accept_Click(); });
  Clear = AddButton(this, "Clear", "&CLEAR   FIELDS", {1995, 4560, 1815, 435}, [this] { Clear_Click(); });
  Exit = AddButton(this, "Exit", "&EXIT", {3990, 4560, 1575, 435}, [this] { Exit_Click(); });
  SetBoundsTwips(0, 0, 5880, 5460);
}

void HogSow2::Form_Load() {
  Sow[1]->SetText(SowHistory.Breed);
  Sow[2]->SetText(SowHistory.Location);
  for (int i : {3, 4, 5, 0}) Sow[i]->SetText("");
  Sow[6]->SetText(Format(SowHistory.PurchasePrice, "0.00"));
  SowDate[0]->SetText(records::kEmptyDate);
  SowDate[1]->SetText(DateText);
  SowDate[2]->SetText(records::kEmptyDate);
}

NewSowEntry HogSow2::entry() const {
  return {Sow[0]->Text(),     Sow[1]->Text(),     Sow[2]->Text(),     Sow[3]->Text(), Sow[4]->Text(),
          Sow[5]->Text(),     Sow[6]->Text(),     SowDate[0]->Text(), SowDate[1]->Text(),
          SowDate[2]->Text()};
}

bool HogSow2::Refuse(const Check& refusal) {
  if (!refusal) return false;
  QWidget* field = refusal->field < kSowDateField ? static_cast<QWidget*>(Sow[refusal->field])
                                                  : SowDate[refusal->field - kSowDateField];
  platform::ShowRefusal(*refusal, field);
  return true;
}

void HogSow2::Accept_Click() {
  const NewSowEntry e = entry();
  if (Refuse(CheckNewSowEntry(e))) return;
  FileFault fault;
  Hourglass(true);
  const std::optional<records::NewAnimalSlot> slot = ReadNewAnimalSlot<SowRecord>(e.id, &fault);
  Hourglass(false);
  if (!slot) {
    ReportFileFault(fault, false, kErrorTitle);
    return;
  }
  if (Refuse(CheckNewSowSlot(*slot))) return;
  SowHistory = NewSowHistory(e);
  if (!SowFileHasRoom(slot->record)) {
    ReportSowFileFull();
    return;
  }
  Hourglass(true);
  const bool written = WriteRecordAt(slot->record, NewSowRecord(e), &fault);
  Hourglass(false);
  if (!written) {
    ReportFileFault(fault, true, kErrorTitle);
    return;
  }
  for (int i : {0, 3, 4, 5}) Sow[i]->SetText("");
  SowDate[0]->SetText(records::kEmptyDate);
  SowDate[2]->SetText(records::kEmptyDate);
  Sow[0]->SetFocus();
}

void HogSow2::Clear_Click() {
  for (platform::TextBox* box : Sow) box->SetText("");
  for (platform::MaskedDateBox* box : SowDate) box->SetText(records::kEmptyDate);
  Sow[0]->SetFocus();
}

void HogSow2::Exit_Click() { Hide(); }
