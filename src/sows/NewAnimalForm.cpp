#include "sows/NewAnimalForm.h"

#include <array>

#include "common/DateChecks.h"
#include "common/FigureBox.h"
#include "common/HogGlobals.h"
#include "common/NumberText.h"
#include "platform/Screen.h"
#include "sows/SowNumbers.h"

namespace {

// The widths typed into the text boxes, in the order of Box(); the captions
// after the ID's, in the order of the boxes.
constexpr std::array<int, 7> kWidths = {8, 20, 8, 3, 5, 4, kPriceBoxLength};
const std::array<const char*, 9> kCaptions = {"Breed",         "Location",          "Days to 230",
                                              "Loineye",       "BackFat",           "Purchase Price",
                                              "Date of Birth", "Date Entered Herd", "PRV Date"};
constexpr int kDates = 3;

// A date that may be left empty.
Check optionalDate(const std::string& date, int field) {
  return date == records::kEmptyDate ? std::nullopt : CheckDate(date, kFirstDataYear, field);
}

}  // namespace

Check CheckNewAnimalEntry(const NewAnimalEntry& e, const NewAnimalKind& kind) {
  const auto refusal = [&kind](const std::string& text, int field) {
    return Refusal{text, kind.errorTitle, platform::vbExclamation, field};
  };
  if (Trim(e.id).empty()) return refusal(UCase(kind.name) + " ID is a required entry!", 0);
  constexpr int birth = kNewAnimalDateField, entered = kNewAnimalDateField + 1;
  if (kind.birthDateFirst)
    if (Check date = optionalDate(e.dateOfBirth, birth)) return date;
  if (e.dateEnteredHerd == records::kEmptyDate) return refusal("DATE ENTERED HERD is a required entry!", entered);
  if (Check date = CheckDate(e.dateEnteredHerd, kFirstDataYear, entered)) return date;
  if (!kind.birthDateFirst)
    if (Check date = optionalDate(e.dateOfBirth, birth)) return date;
  if (Check date = optionalDate(e.prvDate, kNewAnimalDateField + 2)) return date;
  return CheckNewAnimalNumbers(e.daysTo230, e.loineye, e.backfat, e.purchasePrice, kind.errorTitle);
}

Check CheckNewAnimalId(const records::NewAnimalSlot& slot, const NewAnimalKind& kind) {
  if (slot.duplicateOf == 0) return std::nullopt;
  return Refusal{UCase(kind.name) + " ID (" + slot.storedId + ") is ALL READY USED!", kind.errorTitle,
                 platform::vbExclamation, 0};
}

void FillNewAnimal(const NewAnimalEntry& e, AnimalRecord& r) {
  r.Id = RTrim(e.id);
  r.Breed = RTrim(e.breed);
  r.DateOfBirth = e.dateOfBirth;
  r.DaysTo230 = WholeOf(e.daysTo230);
  r.Backfat = TypedSingle(e.backfat, kBackfatNumber);
  r.PurchasePrice = TypedCurrency(e.purchasePrice, kPurchasePriceNumber);
  r.DateEnteredHerd = e.dateEnteredHerd;
  r.SoldPrice = records::Currency{};
  r.DateLeftHerd = records::kEmptyDate;
  r.PrvDate = e.prvDate;
  r.Location = RTrim(e.location);
  r.Loineye = TypedSingle(e.loineye, kLoineyeNumber);
}

NewAnimalForm::NewAnimalForm(const NewAnimalKind& kind, QWidget* parent)
    : platform::Form(kind.formName, parent), kind_(kind) {
  using namespace platform;
  setFont(makeFont("MS Sans Serif", 8));
  SetCaption(kind.caption);
  constexpr RowPitch captionRows{240, 420}, boxRows{210, 420};
  Label1.Add(AddLabel(this, "Label1", kind.name + std::string(" Id."), {240, captionRows(0), 1800, 255}));
  for (int i = 0; i < static_cast<int>(kCaptions.size()); ++i)
    Label1.Add(AddLabel(this, "Label1", kCaptions[i], {240, captionRows(i + 1), 1800, 255}));
  for (int i = 0; i < static_cast<int>(kWidths.size()); ++i)
    Box.Add(AddTextBox(this, kind.name, {2160, boxRows(i), 150 * kWidths[i] + 300, 315}, kWidths[i]));
  for (int i = 0; i < kDates; ++i)
    DateBox.Add(AddDateBox(this, kind.name + std::string("Date"), {2160, boxRows(kNewAnimalDateField + i), 1335, 315}));
  Accept = AddButton(this, "Accept", "&ACCEPT", {240, 4560, 1575, 435}, [this] { Accept_Click(); });
  Clear = AddButton(this, "Clear", kind.clearCaption, {1995, 4560, 1815, 435}, [this] { Clear_Click(); });
  Exit = AddButton(this, "Exit", "&EXIT", {3990, 4560, 1575, 435}, [this] { Exit_Click(); });
  SetBoundsTwips(0, 0, 5880, 5460);
}

void NewAnimalForm::Form_Load() {
  const LastAnimal last = Last();
  for (int i : {0, 3, 4, 5}) Box[i]->SetText("");
  Box[1]->SetText(last.breed);
  Box[2]->SetText(last.location);
  Box[6]->SetText(FigureText(last.purchasePrice, {"0.00", kPriceBoxLength}));
  DateBox[0]->SetText(records::kEmptyDate);
  DateBox[1]->SetText(DateText);
  DateBox[2]->SetText(records::kEmptyDate);
}

NewAnimalEntry NewAnimalForm::entry() const {
  return {Box[0]->Text(),     Box[1]->Text(),     Box[2]->Text(),     Box[3]->Text(), Box[4]->Text(),
          Box[5]->Text(),     Box[6]->Text(),     DateBox[0]->Text(), DateBox[1]->Text(),
          DateBox[2]->Text()};
}

bool NewAnimalForm::Refuse(const Check& refusal) {
  if (!refusal) return false;
  QWidget* field = refusal->field < kNewAnimalDateField ? static_cast<QWidget*>(Box[refusal->field])
                                                        : DateBox[refusal->field - kNewAnimalDateField];
  platform::ShowRefusal(*refusal, field);
  return true;
}

void NewAnimalForm::Accept_Click() {
  const NewAnimalEntry e = entry();
  if (Refuse(CheckNewAnimalEntry(e, kind_))) return;
  FileFault fault;
  Hourglass(true);
  const std::optional<NewAnimalPlace> place = readPlace_(e.id, &fault);
  Hourglass(false);
  if (!place) {
    ReportFileFault(fault, false, kind_.errorTitle);
    return;
  }
  if (!Admit(e, *place)) return;
  Hourglass(true);
  const bool written = write_(place->slot.record, e, &fault);
  Hourglass(false);
  if (!written) {
    ReportFileFault(fault, true, kind_.errorTitle);
    return;
  }
  Written(e, *place);
  // The boxes of the one animal are emptied; breed, location and price stay
  // for the next where the kind keeps them.
  for (int i : {0, 3, 4, 5}) Box[i]->SetText("");
  if (!kind_.keepsHerdFields)
    for (int i : {1, 2, 6}) Box[i]->SetText("");
  DateBox[0]->SetText(records::kEmptyDate);
  DateBox[2]->SetText(records::kEmptyDate);
  Box[0]->SetFocus();
}

void NewAnimalForm::Clear_Click() {
  for (platform::TextBox* box : Box) box->SetText("");
  for (platform::MaskedDateBox* box : DateBox) box->SetText(records::kEmptyDate);
  Box[0]->SetFocus();
}

void NewAnimalForm::Exit_Click() { Hide(); }
