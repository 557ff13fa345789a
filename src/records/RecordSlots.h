#pragma once
// Where a new record goes, and which stored links may be followed.
//
// Sows and boars: a new animal takes the first free record (blank ID), else
// the record after the last. Its ID is compared with every live record of the
// file, so an ID stored behind a free record is found as well.
// Litters: a new litter takes the first record whose Status is 0, else the
// record after the last.
// Record numbers are 16-bit wherever they are held (the sow's litter links,
// the windows' selections), so no file grows past kMaxRecordNumber records.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "records/BoarRecord.h"
#include "records/FarrowRecord.h"
#include "records/RecordIo.h"
#include "records/SowRecord.h"

namespace records {

inline constexpr long kMaxRecordNumber = 32767;

// A stored or typed ID without its trailing blanks.
std::string IdKey(const std::string& id);
// True when a stored ID marks a free record (all blanks). Inline: a run over
// a file asks it of every record.
inline bool IsFreeId(std::string_view id) { return id.find_first_not_of(' ') == std::string_view::npos; }

struct NewAnimalSlot {
  long record = 0;        // the first free record, else count + 1
  long duplicateOf = 0;   // a live record holding the same ID; 0 when none
  std::string storedId;   // that record's ID field as stored (8 characters)
};

// The ID field of a sow or boar record (its stored bytes), as stored.
template <class R>
std::string StoredId(const uint8_t* record) {
  return std::string(reinterpret_cast<const char*>(record + R::IdAt), R::IdWidth);
}
// The same of record n of a file read whole.
template <class R>
std::string StoredId(const FileImage<R>& file, long n) {
  return StoredId<R>(file.bytes(n));
}

// A sow or boar record (its stored bytes) is free; only its ID is read.
template <class R>
bool IsFreeRecord(const uint8_t* record) {
  return IsFreeId(textView(record + R::IdAt, R::IdWidth));
}
// The same of record n of a file read whole.
template <class R>
bool IsFreeRecord(const FileImage<R>& file, long n) {
  return IsFreeRecord<R>(file.bytes(n));
}

// The slot for a new sow or boar with `id`, gathered over the records of
// the file in record order; only the IDs are read.
template <class R>
class NewAnimalSlotFinder {
 public:
  explicit NewAnimalSlotFinder(const std::string& id) : key_(IdKey(id)) {}
  // Record n, its stored bytes.
  void add(long n, const uint8_t* record) {
    if (IsFreeRecord<R>(record)) {
      if (slot_.record == 0) slot_.record = n;
      return;
    }
    if (slot_.duplicateOf != 0) return;
    if (std::string stored = StoredId<R>(record); IdKey(stored) == key_) {
      slot_.duplicateOf = n;
      slot_.storedId = std::move(stored);
    }
  }
  // The slot, after the `count` records of the file.
  NewAnimalSlot slot(long count) const {
    NewAnimalSlot slot = slot_;
    if (slot.record == 0) slot.record = count + 1;
    return slot;
  }

 private:
  std::string key_;
  NewAnimalSlot slot_;
};

// The slot over the file read whole.
template <class R>
NewAnimalSlot FindNewAnimalSlot(const FileImage<R>& file, const std::string& id) {
  NewAnimalSlotFinder<R> finder(id);
  for (long n = 1; n <= file.count(); ++n) finder.add(n, file.bytes(n));
  return finder.slot(file.count());
}
// The same over records made in memory (record n at index n - 1).
template <class R>
NewAnimalSlot FindNewAnimalSlot(const std::vector<R>& file, const std::string& id) {
  return FindNewAnimalSlot(FileImage<R>::of(file), id);
}

// The record for a new litter: the first with Status 0, else count + 1. Only
// the statuses are read.
long FindNewLitterSlot(const FileImage<FarrowRecord>& file);
long FindNewLitterSlot(const std::vector<FarrowRecord>& file);

// The number of parities of a sow that may be used: ParityCount kept within
// 0 to 9.
int UsedParities(const SowRecord& sow);
int UsedParities(int16_t parityCount);

// True when a litter link may be followed in a FARROW.DAT of `farrowCount`
// records: 1 to farrowCount.
bool ValidLitterLink(long link, long farrowCount);

}  // namespace records

namespace records {

// True when a new record may take number `record` in a file whose record
// numbers are held in 16 bits.
inline bool RecordNumberFits(long record) { return record >= 1 && record <= kMaxRecordNumber; }

// The litter record numbers of a sow that may be followed, parity by parity
// (at most nine, each 1 to farrowCount); damaged links are left out. Held in
// place, as a run over every sow asks for them sow by sow.
class LitterLinkList {
 public:
  const long* begin() const { return links_.data(); }
  const long* end() const { return links_.data() + count_; }
  void add(long link) { links_[static_cast<size_t>(count_++)] = link; }

 private:
  std::array<long, kMaxParities> links_{};
  int count_ = 0;
};
inline LitterLinkList LitterLinks(const SowRecord& sow, long farrowCount) {
  LitterLinkList links;
  const int n = UsedParities(sow);
  for (int k = 0; k < n; ++k)
    if (ValidLitterLink(sow.FarrowRecNo[static_cast<size_t>(k)], farrowCount))
      links.add(sow.FarrowRecNo[static_cast<size_t>(k)]);
  return links;
}

// The same of the sow stored in `sow` (her SOW.DAT bytes).
inline LitterLinkList LitterLinks(const uint8_t* sow, long farrowCount) {
  LitterLinkList links;
  const int n = UsedParities(getI16(sow + SowRecord::ParityCountAt));
  for (int k = 0; k < n; ++k)
    if (const long link = getI16(sow + SowRecord::FarrowRecNoAt + 2 * k); ValidLitterLink(link, farrowCount))
      links.add(link);
  return links;
}

}  // namespace records
