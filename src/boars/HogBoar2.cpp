#include "boars/HogBoar2.h"

#include <array>

#include "common/DataFiles.h"
#include "common/DateChecks.h"
#include "common/Format.h"
#include "common/NumberText.h"
#include "platform/Screen.h"
#include "sows/SowNumbers.h"

namespace {

const char kErrorTitle[] = "BOAR ENTRY ERRORS";

// The widths typed into the text boxes, in the order of Boar().
constexpr std::array<int, 7> kWidths = {8, 20, 8, 3, 5, 4, 8};
const std::array<const char*, 10> kLabels = {
    "Boar Id.", "Breed", "Location", "Days to 230", "Loineye", "BackFat", "Purchase Price",
    "Date of Birth", "Date Entered Herd", "PRV Date"};

Refusal entryRefusal(const std::string& text, int field) {
  return {text, kErrorTitle, platform::vbExclamation, field};
}

Check optionalDate(const std::string& date, int field) {
  return date == records::kEmptyDate ? std::nullopt : CheckDate(date, kFirstDataYear, field);
}

}  // namespace

Check CheckNewBoarEntry(const NewBoarEntry& e) {
  if (Trim(e.id).empty()) return entryRefusal("BOAR ID is a required entry!", 0);
  if (e.dateEnteredHerd == records::kEmptyDate)
    return entryRefusal("DATE ENTERED HERD is a required entry!", kBoarDateField + 1);
  if (Check date = CheckDate(e.dateEnteredHerd, kFirstDataYear, kBoarDateField + 1)) return date;
  if (Check date = optionalDate(e.dateOfBirth, kBoarDateField)) return date;
  if (Check date = optionalDate(e.prvDate, kBoarDateField + 2)) return date;
  return CheckNewAnimalNumbers(e.daysTo230, e.loineye, e.backfat, e.purchasePrice, kErrorTitle);
}

Check CheckNewBoarSlot(const records::NewAnimalSlot& slot) {
  if (slot.duplicateOf != 0) return entryRefusal("BOAR ID (" + slot.storedId + ") is ALL READY USED!", 0);
  if (slot.record > kBoarFileLimit)
    return entryRefusal("ERROR:   NO ROOM LEFT IN BOAR FILE!!\r\rTry Deleting some older BOAR ID(s).", 0);
  return std::nullopt;
}

BoarRecord NewBoarRecord(const NewBoarEntry& e) {
  BoarRecord r;
  r.Id = e.id;
  r.Breed = e.breed;
  r.DateOfBirth = e.dateOfBirth;
  r.DaysTo230 = WholeOf(e.daysTo230);
  r.Backfat = TypedSingle(e.backfat, kBackfatNumber);
  r.PurchasePrice = records::Currency::fromDouble(TypedValue(e.purchasePrice, kPurchasePriceNumber));
  r.DateEnteredHerd = e.dateEnteredHerd;
  r.SoldPrice = records::Currency{};
  r.DateLeftHerd = records::kEmptyDate;
  r.PrvDate = e.prvDate;
  r.Location = e.location;
  r.Loineye = TypedSingle(e.loineye, kLoineyeNumber);
  r.SowsBred = 0;
  r.NoteLine = NotePad{};
  return r;
}

HogBoar2::HogBoar2(QWidget* parent) : platform::Form("HogBoar2", parent) {
  using namespace platform;
  setFont(makeFont("MS Sans Serif", 8));
  SetCaption("N E W   B O A R   R E C O R D");
  constexpr RowPitch labelRows{240, 420}, fieldRows{210, 420};
  for (int i = 0; i < static_cast<int>(kLabels.size()); ++i)
    Label1.Add(AddLabel(this, "Label1", kLabels[i], {240, labelRows(i), 1800, 255}));
  for (int i = 0; i < static_cast<int>(kWidths.size()); ++i)
    Boar.Add(AddTextBox(this, "Boar", {2160, fieldRows(i), 150 * kWidths[i] + 300, 315}, kWidths[i]));
  for (int i = 0; i < 3; ++i)
    BoarDate.Add(AddDateBox(this, "BoarDate", {2160, fieldRows(kBoarDateField + i), 1335, 315}));
  Accept = AddButton(this, "Accept", "&ACCEPT", {240, 4560, 1575, 435}, [this] { Accept_Click(); });
  Clear = AddButton(this, "Clear", "&CLEAR  FIELDS", {1995, 4560, 1815, 435}, [this] { Clear_Click(); });
  Exit = AddButton(this, "Exit", "&EXIT", {3990, 4560, 1575, 435}, [this] { Exit_Click(); });
  SetBoundsTwips(0, 0, 5880, 5460);
}

void HogBoar2::Form_Load() {
  Boar[0]->SetText("");
  Boar[1]->SetText(Trim(BoarHistory.Breed));
  Boar[2]->SetText(Trim(BoarHistory.Location));
  for (int i : {3, 4, 5}) Boar[i]->SetText("");
  Boar[6]->SetText(Format(BoarHistory.PurchasePrice, "0.00"));
  BoarDate[0]->SetText(records::kEmptyDate);
  BoarDate[1]->SetText(DateText);
  BoarDate[2]->SetText(records::kEmptyDate);
}

NewBoarEntry HogBoar2::entry() const {
  return {Boar[0]->Text(),     Boar[1]->Text(),     Boar[2]->Text(),     Boar[3]->Text(), Boar[4]->Text(),
          Boar[5]->Text(),     Boar[6]->Text(),     BoarDate[0]->Text(), BoarDate[1]->Text(),
          BoarDate[2]->Text()};
}

bool HogBoar2::Refuse(const Check& refusal) {
  if (!refusal) return false;
  QWidget* field = refusal->field < kBoarDateField ? static_cast<QWidget*>(Boar[refusal->field])
                                                   : BoarDate[refusal->field - kBoarDateField];
  platform::ShowRefusal(*refusal, field);
  return true;
}

void HogBoar2::Accept_Click() {
  const NewBoarEntry e = entry();
  if (Refuse(CheckNewBoarEntry(e))) return;
  FileFault fault;
  Hourglass(true);
  records::FileImage<BoarRecord> boars;
  const bool read = ReadImage(boars, &fault);
  Hourglass(false);
  if (!read) {
    ReportFileFault(fault, false, kErrorTitle);
    return;
  }
  const records::NewAnimalSlot slot = records::FindNewAnimalSlot(boars, e.id);
  if (Refuse(CheckNewBoarSlot(slot))) return;
  const BoarRecord record = NewBoarRecord(e);
  Hourglass(true);
  const bool written = WriteRecordAt(slot.record, record, &fault);
  Hourglass(false);
  if (!written) {
    ReportFileFault(fault, true, kErrorTitle);
    return;
  }
  if (slot.record > boars.count()) {  // appended: the next new boar starts from him
    BoarHistory.Breed = e.breed;
    BoarHistory.Location = e.location;
    BoarHistory.PurchasePrice = TypedSingle(e.purchasePrice, kPurchasePriceNumber);
  }
  for (platform::TextBox* box : Boar) box->SetText("");
  BoarDate[0]->SetText(records::kEmptyDate);
  BoarDate[2]->SetText(records::kEmptyDate);
  Boar[0]->SetFocus();
}

void HogBoar2::Clear_Click() {
  for (platform::TextBox* box : Boar) box->SetText("");
  for (platform::MaskedDateBox* box : BoarDate) box->SetText(records::kEmptyDate);
  Boar[0]->SetFocus();
}

void HogBoar2::Exit_Click() { Hide(); }
