#pragma once
// The work of the group windows that needs no window: a new group ID and its
// reserved record, the checks of pigs in and of a group's edit, and pigs
// out of a group: its state when loaded, the checks of an entry and the
// records a move writes, planned over the files read once, before anything
// is written.
#include <optional>
#include <string>
#include <vector>

#include "common/TypedNumber.h"
#include "groups/GroupFiles.h"

// --- New group ID -------------------------------------------------------

// The key of a typed group ID (its last three characters); nothing when it
// is shorter than three.
std::optional<std::string> GroupKey(const std::string& typed);
// Whether a group of the key and year ("24") exists in any stage.
bool GroupKeyUsed(const GroupBook& book, const std::string& key, const std::string& year);
// The reserved record of a new group.
GroupRecord ReservedGroup(int stage, const std::string& id);

// --- Pigs in and edit ---------------------------------------------------

// What the pigs-in and edit windows take.
struct PigsInEntry {
  std::string dateIn;
  std::string pigsIn;
  std::string weightIn;
};
enum PigsInField { kDateInField = 0, kPigsInField, kWeightInField };
// The messages and title of a window's checks.
struct PigsInTexts {
  std::string title, dateRequired, pigsRequired, weightRequired;
  NumberField pigsNumber, weightNumber;  // an Integer and a Single, from 0
};
extern const PigsInTexts kNewGroupTexts;   // HogPig2
extern const PigsInTexts kEditGroupTexts;  // HogPig4
// The date must be given (ValidateDate follows it, in the window).
Check CheckDateIn(const PigsInEntry& e, const PigsInTexts& t);
// The pigs and the weight: each required, then through its field (a number,
// neither negative, the pigs within 32767).
Check CheckPigsIn(const PigsInEntry& e, const PigsInTexts& t);
// `g` with the entry's pigs, weight and date.
void FillPigsIn(GroupRecord& g, const PigsInEntry& e, const PigsInTexts& t);
// An edit's date in may not pass a day on which pigs already left group `g`
// (GroupOutLots: its next-stage records and its sales rows, year-end rows
// too): the group's pig days and daily gain would turn negative. The
// refusal names the date in and the first date out; the same day is taken.
Check CheckDateInBeforeOut(const GroupBook& book, const GroupRecord& g, const std::string& dateIn);

// --- Pigs out -----------------------------------------------------------

// A group loaded for pigs out: 0 ready, 1 closed by a year-end adjustment,
// 2 finished, 3 no pigs left.
struct OutGroup {
  int state = 0;
  std::string id;
  long remaining = 0;
  int subGroup = 0;
  int deathLoss = 0;
};
OutGroup LoadOutGroup(const GroupBook& book, long record);
// The box of a state other than 0.
std::string OutStateText(const OutGroup& g);

struct OutEntry {
  std::string dateOut;
  std::string pigsOut;   // to the next building; gilts of a finisher
  std::string pigsSale;
  std::string weightOut;
  std::string price;
  std::string numAdj;
  bool yearEnd = false;  // END of YEAR ADJUSTMENT YES
  bool deathLoss = false;
};
enum OutField { kDateOutField = 0, kPigsOutField, kPigsSaleField, kWeightOutField, kPriceField, kNumAdjField };
inline constexpr const char* kOutErrorTitle = "GROUP  ENTRY  ERROR!";

Check CheckDateOut(const OutEntry& e);
// The numbers of an entry: each count read (pigs out and to sales, or the
// number to adjust) a number from 0 to 32767; then the window's own
// refusals of the total; the weight required and a number from 0; the price
// of pigs sold required (reading 0 is none) and a number from 0.
Check CheckOutFigures(const OutEntry& e, int stage, long remaining);

// The records a move writes, in the order written.
struct OutPlan {
  std::optional<std::pair<long, SalesRecord>> sale;
  std::vector<std::pair<long, GroupRecord>> groups;  // carried-over, next-stage, then the group itself
  long gilts = 0;
};
// Plans the move of the checked entry out of the group at `record`; a
// refusal (a date out before the group's date in, nine sub-groups, an ID
// used in the next year, a full file) writes nothing.
Check PlanGroupOut(const GroupBook& book, long record, const OutEntry& e, int stage, OutPlan& plan);
// The group ID of the next group year ("005-99" gives "005-00").
std::string NextYearId(const std::string& id);
// Writes a plan, all of it or nothing: GROUP.DAT and SALES.DAT are opened
// for writing before either is written, and a failed write puts both back as
// they were. False after the box that says so.
bool WriteOutPlan(const OutPlan& plan);
inline constexpr const char* kPigsNotMoved = "No pigs left the group.\rNothing more was done.";
