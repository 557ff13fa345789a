#include "sows/AnimalSheet.h"

#include <algorithm>

#include "common/NumberText.h"
#include "records/Fields.h"
#include "sows/AnimalCard.h"

namespace {

// A date printed after its caption, nothing for the empty date.
std::string sheetDate(const std::string& date) { return date == records::kEmptyDate ? "" : date; }

}  // namespace

std::string SheetLine(const AnimalSheetStyle& style, std::string_view caption, std::string_view value) {
  const int dashes = style.column - static_cast<int>(caption.size()) - 2;
  std::string line;
  line.reserve(static_cast<size_t>(style.column) + value.size());
  return line.append(caption).append(" ").append(static_cast<size_t>(std::max(dashes, 0)), '-').append(">").append(value);
}

std::vector<std::string> AnimalSheetLines(const AnimalHistoryRecord& h, const AnimalSheetStyle& style) {
  const std::string a = style.animal;
  const auto line = [&style](const std::string& caption, std::string_view value) {
    return SheetLine(style, caption, value);
  };
  return {"",
          line("Breed of " + a + ".", h.Breed),
          line("Location of " + a + ".", h.Location),
          line(a + "s date of birth.", style.birthDateAsStored ? h.DateOfBirth : sheetDate(h.DateOfBirth)),
          line("DAYs to 230 lbs.", style.noZeroDays && h.DaysTo230 == 0 ? "" : Format(h.DaysTo230, "###0")),
          line("BACKFAT.", Format(h.Backfat, "0.00")),
          line("LOINEYE in sq INCHs.", Format(h.Loineye, "0.00")),
          line("Purchase price of " + a + ".", Format(h.PurchasePrice, "$0.00")),
          line("Date " + a + " entered the Herd." + style.enteredGap, sheetDate(h.DateEnteredHerd)),
          line("Sold Price of " + a + ".", Format(h.SoldPrice, "$0.00")),
          line("Date " + a + " left the Herd.", sheetDate(h.DateLeftHerd)),
          line("PRV Date.", sheetDate(h.PrvDate))};
}

void PrintAnimalHistory(const AnimalSheetStyle& style, const std::string& id, const std::vector<std::string>& lines,
                        const std::array<std::string, kNoteLines + 1>& notes) {
  std::vector<std::string> printed;
  for (int k = 1; k <= kNoteLines; ++k) {
    const std::string& note = notes[static_cast<size_t>(k)];
    printed.push_back(style.notesIndented ? RTrim(note) : Trim(note));
  }
  PrintHistorySheet(SpacedName(style.animal) + "  I D (" + Trim(id) + ")  H I S T O R Y", style.page, lines, printed);
}
