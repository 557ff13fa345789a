#pragma once
// What the sow and boar PRV windows share: fifty ID boxes under one date,
// ACCEPT's checks before the file is read, and the record an ID names.
#include <array>
#include <string>
#include <unordered_map>

#include "common/NumberText.h"
#include "platform/Refusal.h"
#include "records/RecordIo.h"
#include "records/RecordSlots.h"

inline constexpr int kPrvBoxes = 50;
using PrvBoxes = std::array<std::string, kPrvBoxes>;

// The typed ID of a box as it is looked for: trimmed, upper case; "" for a
// box of blanks, which holds no ID.
inline std::string PrvKey(const std::string& box) { return UCase(Trim(box)); }

// A date is required (no field to focus) and must be valid (refused on
// `dateField`); at least one box must hold an ID, else "You haven't entered
// any " + animal + " ID'S!" on `idField`.
Check CheckPrvEntry(const std::string& date, const PrvBoxes& boxes, const std::string& animal, int dateField,
                    int idField);

// The first record of each ID in a sow or boar file, by PrvKey of the ID:
// made once per ACCEPT, however many boxes are filled, record by record
// (`add` record n, its stored bytes, in record order).
using PrvRecordKeys = std::unordered_map<std::string, long>;
template <class R>
void AddPrvRecord(PrvRecordKeys& first, long n, const uint8_t* record) {
  if (std::string key = PrvKey(records::StoredId<R>(record)); !key.empty()) first.emplace(std::move(key), n);
}
// The same over a file read whole.
template <class R>
PrvRecordKeys PrvRecordsByKey(const records::FileImage<R>& file) {
  PrvRecordKeys first;
  first.reserve(static_cast<size_t>(file.count()));
  for (long n = 1; n <= file.count(); ++n) AddPrvRecord<R>(first, n, file.bytes(n));
  return first;
}

// The record the box's ID names, 0 for none (also for a box of blanks).
inline long FindPrvRecord(const PrvRecordKeys& byKey, const std::string& box) {
  const auto found = byKey.find(PrvKey(box));
  return found == byKey.end() ? 0 : found->second;
}
