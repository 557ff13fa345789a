#pragma once
// GROUP.DAT and SALES.DAT as the group windows use them: both files read
// once per action into a GroupBook, which finds the records of a group ID
// without a run over the whole file per group; the rules by which records
// and rows belong to a group and the figures of a group; where a new record
// goes, and the writing of single records with one critical box on a fault.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/Refusal.h"
#include "records/GroupRecord.h"
#include "records/Fields.h"
#include "records/RecordIo.h"
#include "records/SalesRecord.h"

// Stages by the PIGLET menu's index: 0 nursery, 1 grower, 2 finisher.
std::string StageLetter(int stage);
std::string StageWord(int stage);
// The stage of a letter ("N", "G", "F"); -1 for any other.
int StageOf(const std::string& letter);

// Both files as read, records decoded where they are used. The records of
// an ID are listed, by number in file order, the first time an ID of its
// group year is asked for: one run over the files per group year (the last
// two stored characters of the IDs), so a list of one year never indexes
// the others.
class GroupBook {
 public:
  // Reads both files; a fault shows its box titled `title` and answers false.
  bool read(const std::string& title);
  // Reads GROUP.DAT alone, for an action that needs no sales row.
  bool readGroups(const std::string& title);
  // A book of records made in memory, as a file gives them back.
  static GroupBook of(const std::vector<GroupRecord>& groups, const std::vector<SalesRecord>& sales);

  long groupCount() const { return groups_.count(); }
  long salesCount() const { return sales_.count(); }
  // Record n decoded; a number outside the file gives a free record.
  GroupRecord group(long n) const;
  // The files as read, for runs that decode only the fields they use.
  const records::FileImage<GroupRecord>& groupFile() const { return groups_; }
  const records::FileImage<SalesRecord>& salesFile() const { return sales_; }

  // The group records and sales rows of an ID (trailing blanks off), as
  // long as the book is.
  struct Family {
    std::span<const long> groups, sales;
  };
  Family familyOf(const std::string& id) const;
  std::span<const long> groupsOf(const std::string& id) const { return familyOf(id).groups; }

 private:
  // The group records and sales rows of each ID (trailing blanks off) whose
  // last two stored characters are one group year's.
  struct Lists {
    std::vector<long> groups, sales;
  };
  using YearIndex = std::unordered_map<std::string, Lists>;
  // The IDs of the group year `tail`, listed the first time one is asked for.
  const YearIndex& yearIndex(std::string_view tail) const;

  records::FileImage<GroupRecord> groups_;
  records::FileImage<SalesRecord> sales_;
  mutable std::unordered_map<std::string, YearIndex> years_;
};

// The last two stored characters of the group ID at `id`: the group year of
// an ID of six characters.
inline std::string_view IdTail(const uint8_t* id) {
  return records::textView(id + GroupRecord::IdWidth - 2, 2);
}
// The tail of the IDs of group year `year` ("24"); none for a year of
// another length, which no record is of.
std::optional<std::string> YearTail(const std::string& year);

// Hands `take` the stored bytes and the number of each record of `file`
// (GROUP.DAT or SALES.DAT) whose ID ends in `tail`, in record order.
template <class R, class Take>
void EachWithIdTail(const records::FileImage<R>& file, std::string_view tail, Take take) {
  for (long n = 1; n <= file.count(); ++n) {
    const uint8_t* p = file.bytes(n);
    if (IdTail(p + R::IdAt) == tail) take(p, n);
  }
}

// A deleted (released) group record. A group record or sales row is free
// when its ID is blank.
GroupRecord BlankGroup();
// A deleted sales row: every field blank but its sub-group and gilts sold,
// which keep what `row` held (a free row carries no meaning in them).
SalesRecord DeletedSale(const SalesRecord& row);

// One lot of pigs that left a group: to the next building, to a sale, to
// gilts or across the year end.
struct PigsOutLot {
  long pigs = 0;
  float weight = 0;            // pounds per pig
  std::optional<long> day;     // the day they left; none for a date that is none
};

// The lots out of group `g`: the next-stage records of its ID (a nursery's
// grower records; a grower's finisher records of its tens digit) and its
// sales rows (a nursery's "F" rows of any sub-group; a grower's or
// finisher's "M" rows of its sub-group, a finisher's gilts counting too).
// With `adjustRows`, a finisher's year-end rows count with their pigs sold.
std::vector<PigsOutLot> GroupOutLots(const GroupBook& book, const GroupRecord& g, bool adjustRows);
long PigsOutOf(const std::vector<PigsOutLot>& lots);

// The figures of one group in the list and the printout.
struct GroupFigures {
  long pigsOut = 0;
  std::string averageWeightOut;  // "0.00"; "0" when no pigs went out
  long pigDays = 0;
  std::string deathLoss;         // "0.00"
  std::string weightGained;      // "0.00"
  long averageDaysIn = 0;
  std::string dailyGain;         // "0.00"
};
// The figures of `g` from the lots that left it (year-end rows counted).
GroupFigures FiguresOfLots(const GroupRecord& g, const std::vector<PigsOutLot>& lots);
GroupFigures FiguresOf(const GroupBook& book, const GroupRecord& g);

// The first free record, else the one after the last, with `taken` records
// passed over (for a second new record in one action).
long FreeGroupRecord(const GroupBook& book, const std::vector<long>& taken = {});
long FreeSalesRecord(const GroupBook& book);

// The refusal of a new record numbered above 32767.
Check GroupFileFull(long record, const std::string& title);
Check SalesFileFull(long record, const std::string& title);

// Writes one record; a fault shows its box titled `title` and answers false.
bool WriteGroupRecord(long n, const GroupRecord& g, const std::string& title);
