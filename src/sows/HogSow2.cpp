#include "sows/HogSow2.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <vector>

#include "common/DateChecks.h"
#include "common/HogGlobals.h"
#include "common/NumberText.h"
#include "platform/Dialogs.h"
#include "records/RecordIo.h"
#include "records/RecordSlots.h"
#include "common/DataFiles.h"
#include "sows/SowFiles.h"
#include "sows/SowHistory.h"

namespace {

const char kEmptyDate[] = "__/__/____";
const char kErrorTitle[] = "SOW ENTRY ERROR";

// The widths typed into the text boxes, in the order of Sow().
constexpr std::array<int, 7> kWidths = {8, 20, 8, 3, 5, 4, 8};
const std::array<const char*, 10> kLabels = {
    "Sow Id.", "Breed", "Location", "Days to 230", "Loineye", "BackFat", "Purchase Price",
    "Date of Birth", "Date Entered Herd", "PRV Date"};

// The numbers of a sow must fit their fields: days to 230 an Integer,
// loineye and backfat a Single, the price a Currency. Typed with an exponent
// ("9E99") they need not; such a sow is refused rather than written wrong.
bool fitsInteger(const std::string& text) {
  int v = 0;
  return ToInteger(Val(text), v);
}
bool fitsSingle(const std::string& text) {
  return std::fabs(Val(text)) <= static_cast<double>(std::numeric_limits<float>::max());
}
bool fitsCurrency(const std::string& text) { return std::fabs(Val(text)) < 922337203685477.0; }

int16_t wholeOf(const std::string& text) {
  int v = 0;
  if (!ToInteger(Val(text), v)) v = Val(text) < 0 ? -32768 : 32767;
  return static_cast<int16_t>(v);
}

// Shows the hourglass until the scope ends.
struct HourglassScope {
  HourglassScope() { Hourglass(true); }
  ~HourglassScope() { Hourglass(false); }
};

}  // namespace

SowRecord NewSowRecord(const NewSowEntry& e) {
  SowRecord r;
  r.Id = RTrim(e.id);
  r.Breed = RTrim(e.breed);
  r.DateOfBirth = e.dateOfBirth;
  r.DaysTo230 = wholeOf(e.daysTo230);
  r.Backfat = static_cast<float>(Val(e.backfat));
  r.PurchasePrice = records::Currency::fromDouble(Val(e.purchasePrice));
  r.DateEnteredHerd = e.dateEnteredHerd;
  r.SoldPrice = records::Currency{};
  r.DateLeftHerd = kEmptyDate;
  r.PrvDate = e.prvDate;
  r.Location = RTrim(e.location);
  r.Loineye = static_cast<float>(Val(e.loineye));
  r.DateBred = kEmptyDate;
  r.DateDue = kEmptyDate;
  r.BoarId = std::string(8, ' ');
  r.ParityCount = 0;
  r.FarrowRecNo = {};
  r.NoteLine = NotePad{};
  return r;
}

HogSow2::HogSow2(QWidget* parent) : platform::Form("HogSow2", parent) {
  setFont(platform::makeFont("MS Sans Serif", 8));
  SetCaption("N E W     S O W     R E C O R D");
  for (size_t i = 0; i < Label1.size(); ++i) {
    Label1[i] = new platform::Label(this, "Label1", kLabels[i]);
    platform::placeTwips(Label1[i], 240, 240 + 420 * static_cast<int>(i), 1800, 255);
  }
  for (size_t i = 0; i < Sow.size(); ++i) {
    Sow[i] = new platform::TextBox(this, "Sow");
    Sow[i]->SetMaxLength(kWidths[i]);
    platform::placeTwips(Sow[i], 2160, 210 + 420 * static_cast<int>(i), 150 * kWidths[i] + 300, 315);
  }
  for (size_t i = 0; i < SowDate.size(); ++i) {
    SowDate[i] = new platform::MaskedDateBox(this, "SowDate");
    platform::placeTwips(SowDate[i], 2160, 210 + 420 * static_cast<int>(i + Sow.size()), 1335, 315);
  }
  Accept = new platform::CommandButton(this, "Accept", "&ACCEPT");
  Clear = new platform::CommandButton(this, "Clear", "&CLEAR   FIELDS");
  Exit = new platform::CommandButton(this, "Exit", "&EXIT");
  platform::placeTwips(Accept, 240, 4560, 1575, 435);
  platform::placeTwips(Clear, 1995, 4560, 1815, 435);
  platform::placeTwips(Exit, 3990, 4560, 1575, 435);
  SetBoundsTwips(0, 0, 5880, 5460);
  connect(Accept, &QPushButton::clicked, this, [this] { Accept_Click(); });
  connect(Clear, &QPushButton::clicked, this, [this] { Clear_Click(); });
  connect(Exit, &QPushButton::clicked, this, [this] { Exit_Click(); });
}

void HogSow2::Form_Load() {
  Sow[1]->SetText(SowHistory.Breed);
  Sow[2]->SetText(SowHistory.Location);
  Sow[3]->SetText("");
  Sow[4]->SetText("");
  Sow[5]->SetText("");
  char price[64];
  std::snprintf(price, sizeof price, "%.2f", static_cast<double>(SowHistory.PurchasePrice));
  Sow[6]->SetText(price);
  Sow[0]->SetText("");
  SowDate[0]->SetText(kEmptyDate);
  SowDate[1]->SetText(DateText);
  SowDate[2]->SetText(kEmptyDate);
}

NewSowEntry HogSow2::entry() const {
  NewSowEntry e;
  e.id = Sow[0]->Text();
  e.breed = Sow[1]->Text();
  e.location = Sow[2]->Text();
  e.daysTo230 = Sow[3]->Text();
  e.loineye = Sow[4]->Text();
  e.backfat = Sow[5]->Text();
  e.purchasePrice = Sow[6]->Text();
  e.dateOfBirth = SowDate[0]->Text();
  e.dateEnteredHerd = SowDate[1]->Text();
  e.prvDate = SowDate[2]->Text();
  return e;
}

void HogSow2::Accept_Click() {
  const NewSowEntry e = entry();
  if (Trim(e.id).empty()) {
    Beep();
    MsgBox("SOW ID is a required entry!", platform::vbExclamation | platform::vbOKOnly, kErrorTitle);
    Sow[0]->SetFocus();
    return;
  }
  if (e.dateOfBirth != kEmptyDate && ValidateDate(e.dateOfBirth, kFirstDataYear, -1) != kDateValid) {
    SowDate[0]->SetFocus();
    return;
  }
  if (e.dateEnteredHerd == kEmptyDate) {
    Beep();
    MsgBox("DATE ENTERED HERD is a required entry!", platform::vbExclamation | platform::vbOKOnly,
           kErrorTitle);
    SowDate[1]->SetFocus();
    return;
  }
  if (ValidateDate(e.dateEnteredHerd, kFirstDataYear, -1) != kDateValid) {
    SowDate[1]->SetFocus();
    return;
  }
  if (e.prvDate != kEmptyDate && ValidateDate(e.prvDate, kFirstDataYear, -1) != kDateValid) {
    SowDate[2]->SetFocus();
    return;
  }
  const struct {
    bool fits;
    const char* name;
    size_t box;
  } numbers[] = {{fitsInteger(e.daysTo230), "DAYS TO 230", 3},
                 {fitsSingle(e.loineye), "LOINEYE", 4},
                 {fitsSingle(e.backfat), "BACKFAT", 5},
                 {fitsCurrency(e.purchasePrice), "PURCHASE PRICE", 6}};
  for (const auto& n : numbers) {
    if (n.fits) continue;
    Beep();
    MsgBox(std::string(n.name) + " is out of range!", platform::vbExclamation | platform::vbOKOnly, kErrorTitle);
    Sow[n.box]->SetFocus();
    return;
  }

  FileFault fault;
  Hourglass(true);
  const std::optional<records::NewAnimalSlot> found = ReadNewAnimalSlot<SowRecord>(e.id, &fault);
  Hourglass(false);
  if (!found) {
    ReportFileFault(fault, false, kErrorTitle);
    return;
  }
  const records::NewAnimalSlot& slot = *found;
  if (slot.duplicateOf != 0) {
    Beep();
    MsgBox("SOW ID (" + slot.storedId + ") is ALL READY USED!", platform::vbExclamation | platform::vbOKOnly,
           kErrorTitle);
    Sow[0]->SetFocus();
    return;
  }

  const SowRecord record = NewSowRecord(e);
  SowHistoryRecord typed;
  typed.Id = Trim(e.id);
  typed.Breed = Trim(e.breed);
  typed.Location = Trim(e.location);
  typed.DateOfBirth = e.dateOfBirth;
  typed.DateEnteredHerd = e.dateEnteredHerd;
  typed.PrvDate = e.prvDate;
  typed.DaysTo230 = record.DaysTo230;
  typed.Backfat = record.Backfat;
  typed.Loineye = record.Loineye;
  typed.PurchasePrice = static_cast<float>(Val(e.purchasePrice));
  typed.DateLeftHerd = typed.DateBred = typed.DateDue = kEmptyDate;
  SowHistory = typed;

  if (!SowFileHasRoom(slot.record)) {
    ReportSowFileFull();
    return;
  }
  {
    HourglassScope wait;
    const std::string path = DataFilePath<SowRecord>();
    records::TypedFile<SowRecord> file;
    if (!file.open(path) || !file.write(slot.record, record)) {
      const FileFault fault{path, file.error()};
      file.close();
      Hourglass(false);
      ReportFileFault(fault, true, kErrorTitle);
      return;
    }
    file.close();
  }
  Sow[0]->SetText("");
  SowDate[0]->SetText(kEmptyDate);
  SowDate[2]->SetText(kEmptyDate);
  Sow[4]->SetText("");
  Sow[5]->SetText("");
  Sow[3]->SetText("");
  Sow[0]->SetFocus();
}

void HogSow2::Clear_Click() {
  for (platform::TextBox* box : Sow) box->SetText("");
  for (platform::MaskedDateBox* box : SowDate) box->SetText(kEmptyDate);
  Sow[0]->SetFocus();
}

void HogSow2::Exit_Click() { Hide(); }
