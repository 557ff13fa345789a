#include "boars/HogBoar5.h"

#include "common/DateChecks.h"
#include "common/HogGlobals.h"
#include "common/NumberText.h"
#include "platform/Screen.h"
#include "records/BoarRecord.h"
#include "records/RecordIo.h"
#include "records/RecordSlots.h"

namespace {
const char kTestTitle[] = "PRV TEST";
}  // namespace

Check CheckBoarPrvEntry(const std::string& date, const PrvBoxes& boxes) {
  return CheckPrvEntry(date, boxes, "BOAR", 0, kPrvIdField);
}

std::optional<int> WriteBoarPrvDates(const std::string& date, PrvBoxes& boxes, FileFault* fault) {
  const std::string path = DataFilePath<BoarRecord>();
  records::FileImage<BoarRecord> image;
  if (!ReadImage(image, fault)) return std::nullopt;
  records::TypedFile<BoarRecord> file;
  int notFound = 0;
  BoarRecord boar;
  const auto byKey = PrvRecordsByKey(image);
  for (std::string& box : boxes) {
    if (PrvKey(box).empty()) continue;
    const long found = FindPrvRecord(byKey, box);
    if (found == 0) {
      ++notFound;
      continue;
    }
    box.clear();
    image.decode(found, boar);
    if (boar.DateLeftHerd != records::kEmptyDate) continue;
    boar.PrvDate = date;
    if ((!file.isOpen() && !file.open(path)) || !file.write(found, boar)) {
      if (fault) *fault = {path, file.error()};
      return std::nullopt;
    }
  }
  return notFound;
}

Refusal PrvOutcome(const std::string& date, int notFound) {
  if (notFound == 0)
    return {"All selected BOAR(s) have been updated to " + date, kTestTitle, platform::vbInformation, kPrvIdField};
  return {"The selected BOAR(s) have not been found!\rThey were not updated to " + date +
              "\rRecheck the spelling of the remaining entries.",
          kTestTitle, platform::vbInformation, kPrvIdField};
}

HogBoar5::HogBoar5(QWidget* parent) : platform::Form("HogBoar5", parent) {
  using namespace platform;
  setFont(makeFont("MS Sans Serif", 8));
  SetCaption("E N T E R    BOAR    P R V    T E S T");
  Label2 = AddLabel(this, "Label2", "PRV DATE", {240, 270, 1200, 255});
  PrvDat = AddDateBox(this, "PrvDat", {1500, 240, 1335, 315});
  Label1 = AddLabel(this, "Label1", "Enter the BOAR Id 's  of the tested Boars below :", {240, 720, 5400, 255});
  constexpr int kColumns = 5;
  constexpr RowPitch rows{1020, 375};
  for (int i = 0; i < kPrvBoxes; ++i)
    Prv.Add(AddTextBox(this, "Prv", {240 + (i % kColumns) * 1260, rows(i / kColumns), 1140, 315}, 8));
  const int buttons = rows(kPrvBoxes / kColumns) + 120;
  PrvAccept = AddButton(this, "PrvAccept", "&ACCEPT", {240, buttons, 1575, 435}, [this] { PrvAccept_Click(); });
  PrvClear = AddButton(this, "PrvClear", "&CLEAR", {2280, buttons, 1575, 435}, [this] { PrvClear_Click(); });
  PvExit = AddButton(this, "PvExit", "&EXIT", {4320, buttons, 1575, 435}, [this] { PvExit_Click(); });
  SetBoundsTwips(0, 0, 6660, buttons + 1020);
}

void HogBoar5::Form_Load() {
  PrvDat->SetText(DateText);
  for (platform::TextBox* box : Prv) box->SetText("");
}

void HogBoar5::PrvAccept_Click() {
  const std::string date = PrvDat->Text();
  PrvBoxes boxes;
  for (int i = 0; i < kPrvBoxes; ++i) boxes[static_cast<size_t>(i)] = Prv[i]->Text();
  if (Check refusal = CheckBoarPrvEntry(date, boxes)) {
    QWidget* field = refusal->field < 0 ? nullptr : refusal->field == 0 ? static_cast<QWidget*>(PrvDat) : Prv[0];
    return platform::ShowRefusal(*refusal, field);
  }
  FileFault fault;
  Hourglass(true);
  const std::optional<int> notFound = WriteBoarPrvDates(date, boxes, &fault);
  Hourglass(false);
  for (int i = 0; i < kPrvBoxes; ++i) Prv[i]->SetText(boxes[static_cast<size_t>(i)]);
  if (!notFound) {
    ReportFileFault(fault, true, kTestTitle);
    return;
  }
  int first = 0;
  while (first < kPrvBoxes - 1 && boxes[static_cast<size_t>(first)].empty()) ++first;
  platform::ShowRefusal(PrvOutcome(date, *notFound), Prv[*notFound == 0 ? 0 : first]);
}

void HogBoar5::PrvClear_Click() {
  for (platform::TextBox* box : Prv) box->SetText("");
  Prv[0]->SetFocus();
}

void HogBoar5::PvExit_Click() { Hide(); }
