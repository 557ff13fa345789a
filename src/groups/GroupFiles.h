#pragma once
// GROUP.DAT and SALES.DAT as the group windows use them: both files read
// once per action into a GroupBook that finds the records of a group ID
// without a run over the whole file per group, the rules by which records
// and rows belong to a group, where a new record goes, and the writing of
// single records with one critical box on a fault.
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/Refusal.h"
#include "records/GroupRecord.h"
#include "records/SalesRecord.h"

// Stages by the PIGLET menu's index: 0 nursery, 1 grower, 2 finisher.
std::string StageLetter(int stage);
std::string StageWord(int stage);
// The stage of a letter ("N", "G", "F"); -1 for any other.
int StageOf(const std::string& letter);

// Both files whole, records n at index n - 1, with the records of each group
// ID (trailing blanks off) listed by number.
struct GroupBook {
  std::vector<GroupRecord> groups;
  std::vector<SalesRecord> sales;
  std::unordered_map<std::string, std::vector<long>> groupsOf;
  std::unordered_map<std::string, std::vector<long>> salesOf;

  // Reads both files; a fault shows its box titled `title` and answers false.
  bool read(const std::string& title);
  // Indexes records already held (a test's or the benchmark's).
  void index();
  // A book of records made in memory, as a file gives them back.
  static GroupBook of(const std::vector<GroupRecord>& groups, const std::vector<SalesRecord>& sales);
  const GroupRecord& group(long n) const { return groups[static_cast<size_t>(n - 1)]; }
};

// A group record is free when its ID is blank; a sales row when its ID is
// six blanks.
bool IsFreeGroup(const GroupRecord& g);
bool IsFreeSale(const SalesRecord& s);
// A deleted (released) group record.
GroupRecord BlankGroup();

// One lot of pigs that left a group: to the next building, to a sale, to
// gilts or across the year end.
struct PigsOutLot {
  long pigs = 0;
  float weight = 0;   // pounds per pig
  std::string date;   // the day they left
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
GroupFigures FiguresOf(const GroupBook& book, const GroupRecord& g);

// The first free record, else the one after the last, with `taken` records
// passed over (for a second new record in one action).
long FreeGroupRecord(const std::vector<GroupRecord>& groups, const std::vector<long>& taken = {});
long FreeSalesRecord(const std::vector<SalesRecord>& sales);

// The refusal of a new record numbered above 32767.
Check GroupFileFull(long record, const std::string& title);
Check SalesFileFull(long record, const std::string& title);

// Writes one record; a fault shows its box titled `title` and answers false.
bool WriteGroupRecord(long n, const GroupRecord& g, const std::string& title);
bool WriteSalesRecord(long n, const SalesRecord& s, const std::string& title);

// The group records of `stage` and `year` ("24") the list shows: not free,
// not blank of stage, and with pigs in; record numbers in file order.
std::vector<long> ListedGroups(const GroupBook& book, int stage, const std::string& year);
// Those the printout prints: also without pigs in, but no group closed by a
// year-end adjustment.
std::vector<long> PrintedGroups(const GroupBook& book, int stage, const std::string& year);

// The 90-column list line of a group, and its 84-column printed line.
std::string GroupListLine(const GroupBook& book, const GroupRecord& g);
std::string GroupPrintLine(const GroupBook& book, const GroupRecord& g);
