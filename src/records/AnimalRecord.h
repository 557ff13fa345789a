#pragma once
// What a sow record and a boar record have in common: the first 102 bytes of
// SOW.DAT and BOAR.DAT hold the same fields at the same offsets, and both
// files end in a note pad of 14 lines of 70 characters.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "records/Fields.h"

inline constexpr int kNoteLines = 14;
inline constexpr int kNoteWidth = 70;

// The note pad of a sow or boar record, held as the stored bytes, so that a
// record read and written back keeps its notes byte for byte whatever they
// hold; a line becomes text when it is asked for. A new pad is all blanks.
class NotePad {
 public:
  using Bytes = std::array<uint8_t, static_cast<size_t>(kNoteLines * kNoteWidth)>;
  NotePad() { bytes_.fill(' '); }
  // Line k (0 to 13) as stored: kNoteWidth characters with their padding.
  std::string line(int k) const;
  // Puts `text` into line k, left-aligned, padded with blanks and cut to
  // kNoteWidth characters.
  void setLine(int k, const std::string& text);
  // Line k without its leading and trailing blanks, as a view of the pad.
  std::string_view trimmed(int k) const;
  Bytes& bytes() { return bytes_; }
  bool operator==(const NotePad&) const = default;

 private:
  Bytes bytes_;
};

struct AnimalRecord {
  // Where the fields lie, for runs that read them straight from the stored
  // bytes (records::textView, getI16, getF32).
  static constexpr int IdAt = 0;
  static constexpr int IdWidth = 8;
  static constexpr int BreedAt = 8;
  static constexpr int BreedWidth = 20;
  static constexpr int DateOfBirthAt = 28;
  static constexpr int DaysTo230At = 38;
  static constexpr int BackfatAt = 40;
  static constexpr int DateEnteredHerdAt = 52;
  static constexpr int DateLeftHerdAt = 70;
  static constexpr int PrvDateAt = 80;
  static constexpr int LocationAt = 90;
  static constexpr int LocationWidth = 8;
  static constexpr int LoineyeAt = 98;

  std::string Id;               // 8, the key; blank = free record
  std::string Breed;            // 20
  std::string DateOfBirth;      // date
  int16_t DaysTo230 = 0;
  float Backfat = 0;
  records::Currency PurchasePrice;
  std::string DateEnteredHerd;  // date
  records::Currency SoldPrice;
  std::string DateLeftHerd;     // date; "__/__/____" while in the herd
  std::string PrvDate;          // date
  std::string Location;         // 8
  float Loineye = 0;

  // Bytes 0 to 101 of either record.
  template <class M>
  void animalFields(M& m) {
    m.text(Id, IdAt, IdWidth);
    m.text(Breed, BreedAt, BreedWidth);
    m.date(DateOfBirth, DateOfBirthAt);
    m.i16(DaysTo230, DaysTo230At);
    m.f32(Backfat, BackfatAt);
    m.cur(PurchasePrice, 44);
    m.date(DateEnteredHerd, DateEnteredHerdAt);
    m.cur(SoldPrice, 62);
    m.date(DateLeftHerd, DateLeftHerdAt);
    m.date(PrvDate, PrvDateAt);
    m.text(Location, LocationAt, LocationWidth);
    m.f32(Loineye, LoineyeAt);
  }
};

// The animal's fields as the history blocks hold them: text without its
// surrounding blanks, prices as stored (a Single would show an eight-digit
// price as another figure, which the next save of the card would store).
struct AnimalHistoryRecord {
  std::string Id;
  std::string Breed;
  float Backfat = 0;
  std::string DateOfBirth;
  int16_t DaysTo230 = 0;
  float Loineye = 0;
  records::Currency PurchasePrice;
  records::Currency SoldPrice;
  std::string PrvDate;
  std::string DateEnteredHerd;
  std::string DateLeftHerd;
  std::string Location;
};

// Copies a record's common fields into a history block.
void FillAnimalHistory(const AnimalRecord& record, AnimalHistoryRecord& history);
