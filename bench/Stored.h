#pragma once
// The benchmark's own reading of the stored files, for the expectations its
// checks compare with: the bytes of a file read with plain POSIX calls (not
// through the platform layer, so the read check never sees them), and each
// field taken at its byte offset in the record layouts written out again
// below. Nothing here calls the program's codecs, record types or lines.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The byte offsets of the fields the checks read, record by record.
namespace at {
// SOW.DAT and BOAR.DAT share their first 102 bytes.
namespace animal {
constexpr int Id = 0, Breed = 8, Born = 28, Days230 = 38, Backfat = 40, Price = 44, Entered = 52, Sold = 62,
              Left = 70, Prv = 80, Location = 90, Loineye = 98;
}
namespace sow {
constexpr int Length = 1130, Bred = 102, Due = 112, Boar = 122, Parities = 130, Links = 132, Notes = 150;
}
namespace boar {
constexpr int Length = 1084, SowsBred = 102, Notes = 104;
}
namespace litter {  // FARROW.DAT
constexpr int Length = 50, Status = 0, Born = 2, BornCount = 12, Alive = 14, BirthWeight = 16, Weaned = 20,
              WeanedCount = 30, WeaningAge = 32, WeaningWeight = 34, FosteredTo = 38, FosteredFrom = 40, Boar = 42;
}
namespace ingredient {  // FEED.LST
constexpr int Length = 60, Code = 0, Name = 6, Current = 26, Start = 30, Total = 34, Unit = 42, Date = 50;
}
namespace drug {  // DRUG.LST
constexpr int Length = 346, Name = 0, Code = 20, Type = 26, Unit = 27, Dosage = 28, Withdrawal = 32, Lot = 35,
              Purchased = 50, Expires = 60, Inventory = 70, Cost = 74, Bought = 82, Maker = 86, Note = 106;
}
namespace dose {  // MED<yyyy>.DAT
constexpr int Length = 115, Sow = 0, Boar = 8, Group = 16, Batch = 23, Code = 29, Name = 35, Lot = 65, Dosage = 80,
              UnitCost = 84, Unit = 92, Date = 93, GivenBy = 103;
}
namespace batch {  // FEED<yyyy>.DAT
constexpr int Length = 112, Type = 0, Number = 1, Group = 7, Date = 10, Pounds = 20, Cost = 24, Rows = 32,
              RowLength = 10;
}
namespace group {  // GROUP.DAT
constexpr int Length = 29, Stage = 0, SubGroup = 1, Id = 3, PigsIn = 9, WeightIn = 11, DateIn = 15, DeathLoss = 25,
              YearEnd = 27;
}
namespace sale {  // SALES.DAT
constexpr int Length = 57, Type = 0, YearEnd = 1, SubGroup = 3, Id = 5, Pigs = 11, Weight = 13, Price = 17,
              Backfat = 21, Lean = 25, Carcass = 29, FatFree = 33, Loineye = 37, Premium = 41, Date = 45, Gilts = 55;
}
}  // namespace at

// A file's bytes as they were when read, into memory mapped for them alone:
// the bench's own reading takes nothing from the C library's heap, so that
// in a run of a click of its own (PeakMemory.h) the heap is as the program
// leaves it.
class Stored {
 public:
  Stored(const std::string& path, int length);
  // The bytes kept (by KeptFiles) of a file, which outlive this.
  Stored(const std::vector<uint8_t>& bytes, int length) : length_(length), bytes_(bytes.data()), size_(bytes.size()) {}
  ~Stored();
  Stored(const Stored&) = delete;
  Stored& operator=(const Stored&) = delete;
  long count() const { return static_cast<long>(size_ / static_cast<size_t>(length_)); }
  // Field values of record n (1 to count()).
  std::string text(long n, int offset, int width) const;  // as stored, blanks and all
  std::string trimmed(long n, int offset, int width) const;  // without blanks at either end
  int i16(long n, int offset) const;
  int32_t i32(long n, int offset) const;
  float f32(long n, int offset) const;
  double money(long n, int offset) const;  // a count of 1/10000 as a value
  int64_t moneyRaw(long n, int offset) const;
  std::string date(long n, int offset) const { return text(n, offset, 10); }
  bool blank(long n, int offset, int width) const { return trimmed(n, offset, width).empty(); }
  std::string record(long n) const { return text(n, 0, length_); }  // its bytes
  // Record n's bytes as far as the file holds them: "" past its end.
  std::string bytesOf(long n) const;
  long long size() const { return static_cast<long long>(size_); }
  int length() const { return length_; }

 private:
  const uint8_t* field(long n, int offset) const;
  int length_;
  const uint8_t* bytes_ = nullptr;
  size_t size_ = 0;
  void* mapped_ = nullptr;  // the file's map, when the bytes are the file's
};

// The stored texts the checks compare with.
std::string TrimmedText(const std::string& s);
std::string UpperText(const std::string& s);
bool EmptyStoredDate(const std::string& date);  // "__/__/____" or blanks
// The year, month and day of "MM/DD/YYYY" as one comparable number
// (20240301); 0 for an empty or malformed date.
long DateKey(const std::string& date);
// Days since 01/01/0001 of "MM/DD/YYYY", by the calendar's own rules.
long DayCount(const std::string& date);
// The date "MM/DD/YYYY" of a DayCount.
std::string DateOfDayCount(long days);
// The date `days` days after "MM/DD/YYYY", counted a day at a time.
std::string DateAfter(const std::string& date, int days);
// Whether a stored text field, without its blanks and upper-cased, holds
// `part` (a query's "contains").
bool StoredHolds(const Stored& s, long n, int offset, int width, const std::string& part);

// The adjusted 21-day weight factors by the age at weaning, 14 to 34 days.
inline constexpr float kAdjustFactors[21] = {1.29f, 1.24f, 1.19f, 1.15f, 1.11f, 1.07f, 1.03f,
                                             1.00f, 0.97f, 0.94f, 0.91f, 0.88f, 0.86f, 0.84f,
                                             0.82f, 0.80f, 0.78f, 0.77f, 0.76f, 0.75f, 0.73f};

// The records that differ between two readings of a file (a record past the
// end of one differs); a tail shorter than a record counts as a record.
std::vector<long> ChangedRecords(const Stored& before, const Stored& after);

// A record's bytes as the bench expects a click to write them: text fields
// padded with blanks, numbers little-endian, a Currency in ten-thousandths.
class RecordBytes {
 public:
  explicit RecordBytes(int length) : bytes_(static_cast<size_t>(length), '\0') {}
  explicit RecordBytes(std::string bytes) : bytes_(std::move(bytes)) {}
  RecordBytes& text(int offset, int width, const std::string& text);
  RecordBytes& i16(int offset, int value);
  RecordBytes& i32(int offset, int32_t value);
  RecordBytes& f32(int offset, float value);
  RecordBytes& money(int offset, int64_t tenThousandths);
  const std::string& bytes() const { return bytes_; }
  // "" when `got` holds these bytes, else the first byte that differs.
  std::string differs(const std::string& got, const std::string& what) const;

 private:
  std::string bytes_;
};

// The first record of `s` that `isFree` takes; 0 when none does.
long FirstFree(const Stored& s, const std::function<bool(long)>& isFree);
// "" when record n is the only one that differs between the file as it was
// and as it is, and it holds `expected`; else what differs.
std::string WroteOnly(const Stored& was, const Stored& is, long n, const RecordBytes& expected,
                      const std::string& what);

// The files a click writes, kept as they were, to be put back (plain POSIX
// writes, unheard by the read check) after each run.
class KeptFiles {
 public:
  explicit KeptFiles(std::vector<std::string> paths);
  void putBack() const;
  const std::vector<uint8_t>& bytes(const std::string& path) const;

 private:
  std::vector<std::string> paths_;
  std::vector<std::vector<uint8_t>> bytes_;
};
