#include "records/AnimalRecord.h"

#include <cstring>

#include "platform/Text1252.h"

std::string NotePad::line(int k) const {
  return records::getText(bytes_.data() + static_cast<size_t>(k) * kNoteWidth, kNoteWidth);
}

std::string_view NotePad::trimmed(int k) const {
  static const std::string blankLine(kNoteWidth, ' ');
  const char* from = reinterpret_cast<const char*>(bytes_.data()) + static_cast<size_t>(k) * kNoteWidth;
  if (std::memcmp(from, blankLine.data(), kNoteWidth) == 0) return {};  // most lines are blank
  const char* to = from + kNoteWidth;
  while (*from == ' ') ++from;
  while (to[-1] == ' ') --to;
  return std::string_view(from, static_cast<size_t>(to - from));
}

void NotePad::setLine(int k, const std::string& text) {
  records::putText(bytes_.data() + static_cast<size_t>(k) * kNoteWidth, kNoteWidth, text);
}

void FillAnimalHistory(const AnimalRecord& r, AnimalHistoryRecord& h) {
  h.Id = Trim(r.Id);
  h.Breed = Trim(r.Breed);
  h.Backfat = r.Backfat;
  h.DateOfBirth = r.DateOfBirth;
  h.DaysTo230 = r.DaysTo230;
  h.Loineye = r.Loineye;
  h.PurchasePrice = r.PurchasePrice;
  h.SoldPrice = r.SoldPrice;
  h.PrvDate = r.PrvDate;
  h.DateEnteredHerd = r.DateEnteredHerd;
  h.DateLeftHerd = r.DateLeftHerd;
  h.Location = Trim(r.Location);
}
