#pragma once
// PRV test dates: one date written into SowRecord.PrvDate of every active
// sow whose ID is typed in one of fifty boxes. Found sows leave their boxes
// (a sow that left the herd is left unchanged); IDs not found stay for
// correction and are reported.
#include <array>
#include <string>
#include <vector>

#include "common/PrvForm.h"
#include "records/RecordIo.h"
#include "records/SowRecord.h"

// ACCEPT's checks before anything is read: a date is required and valid, and
// at least one box must hold an ID (a box of blanks holds none). A refusal's
// field is the box's index, or -2 for the date.
inline constexpr int kPrvDateField = -2;
Check CheckSowPrvEntry(const std::string& date, const std::array<std::string, kPrvBoxes>& ids);

// A sow record to write back: its number and the record.
struct PrvWrite {
  long record;
  SowRecord sow;
};
// Puts `date` into the first record of SOW.DAT (read once into `sows`)
// holding each typed ID (trimmed, upper case), when that sow is in the herd.
// Answers the boxes after the run: emptied when found, kept when not.
// `written` gets the records to write back, in order.
std::array<std::string, kPrvBoxes> ApplyPrvDate(const std::string& date, const std::array<std::string, kPrvBoxes>& ids,
                                                const records::FileImage<SowRecord>& sows,
                                                std::vector<PrvWrite>& written);

class HogSow5 : public PrvForm {
 public:
  explicit HogSow5(QWidget* parent = nullptr);

 protected:
  // SOW.DAT read once, then each sow found in the herd written in turn; the
  // boxes show what is left only when every write went through.
  void WriteDate(const std::string& date, const PrvBoxes& ids) override;
};

// The sow list's PRV item: the window, unless the list is empty.
void OpenSowPrv(int listedSows);
