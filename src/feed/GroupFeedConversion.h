#pragma once
// The group feed conversion without its window: the group IDs typed, the
// pigs, weights, feed and cost of each group in one building from GROUP.DAT,
// SALES.DAT (read once per run as a GroupBook) and the feed and medication
// files of each group's own year (read once per run), the building's row of
// the table the three buildings fill, the eight figures of a building or of
// all buildings, and the printed summary.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "feed/FeedConversion.h"
#include "groups/GroupFiles.h"
#include "platform/Refusal.h"

// The group IDs of the last run, entries 1 to 6 (0 not used): the text of
// each box accepted, as typed; empty for an empty or refused box.
using GroupIdTable = std::array<std::string, 7>;
extern GroupIdTable GroupIdList;

inline constexpr int kGroupIdBoxes = 6;

// Reads the six boxes into `ids` (made empty first): every box that is not
// blank must hold six characters with "-" in the fourth. The first refused
// box (its index is the refusal's field) ends the reading, the boxes before
// it staying accepted; no ID at all is refused on the first box.
Check ReadGroupIds(const std::array<std::string, kGroupIdBoxes>& boxes, GroupIdTable& ids);

// Buildings by their option: 0 nursery, 1 grower, 2 finisher.
enum Building { kNursery = 0, kGrower = 1, kFinisher = 2 };
// "N U R S E R Y", "G R O W E R", "F I N I S H E R".
std::string BuildingCaption(int building);
// "NURSERY", "GROWER", "FINISHER": the printout's title.
std::string BuildingWord(int building);

// Pigs in of the group's records of `stage`, year-end carried groups left out.
int32_t GroupPigCount(const GroupBook& book, const std::string& id, const std::string& stage);
// Pounds of pigs: for a stage letter, pigs in x weight in of its records; for
// "S", (pigs sold + gilts) x weight of the group's sales rows of `saleKind`,
// year-end rows included.
float GroupWeightTotal(const GroupBook& book, const std::string& id, const std::string& stage,
                       const std::string& saleKind);

// One building's row of the table: status (-1 results; -2 nursery results
// without feeder sales; 0 none), pigs, pork, feed and cost.
struct BuildingRow {
  int16_t status = 0;
  int32_t pigs = 0;
  int32_t pork = 0;
  int32_t feed = 0;
  float cost = 0;
  bool operator==(const BuildingRow&) const = default;
};
// Rows 1 nursery, 2 grower, 3 finisher; row 0 stays empty.
using BuildingTable = std::array<BuildingRow, 4>;

// The eight figures, entries 1 to 8: average pigs, pork, feed, price per
// pound of feed, cost per hundredweight, total cost, feed efficiency, feed
// per pig.
using FigureTexts = std::array<std::string, 9>;

// A run stopped by the files of a group's year: the problem and the box
// (0 to 5) of that group.
struct GroupRunProblem {
  YearFileProblem problem;
  int box = 0;
  std::string groupId;  // as typed
};
// The box of a stopped run: the year file's message ending "Incomplete data
// for Group(" with the ID as typed and ")!", or, for a file that cannot be
// read, the critical box titled `title`.
void ReportGroupRunProblem(const GroupRunProblem& p, const std::string& title);

struct BuildingRun {
  BuildingRow row;     // what the building's row becomes
  FigureTexts figures;
  std::optional<GroupRunProblem> problem;  // set: nothing else holds
};
// The run of one building over the accepted IDs.
BuildingRun RunBuilding(int building, const GroupIdTable& ids, const GroupBook& book, FeedYearBook& years);

// The figures of a row: its pigs, pork, feed and cost (its status plays no
// part).
FigureTexts FiguresOfRow(const BuildingRow& row);
// The figures of all buildings: rows 1 to 3 summed (in 64 bits, each sum
// shown as the nearest value its figure holds), the pigs averaged over
// three buildings when the nursery's status is -2, else over two.
FigureTexts AllBuildingsFigures(const BuildingTable& table);

// The eight figures as the window's labels show them (each read back as a
// number first), in the order of the labels: pigs, pork, feed, price, total
// cost, cost per hundredweight, feed per pig, efficiency.
std::array<std::string, 8> ShownGroupFigures(const FigureTexts& texts);

// The summary's 26 lines; `today` is "MM/DD/YYYY".
std::vector<std::string> GroupSummaryLines(const FigureTexts& texts, const GroupIdTable& ids,
                                           const std::string& today);
// Prints the summary titled "GROUP FEED CONVERSION in " + title.
void PrintConversionSummary(const std::string& title, const FigureTexts& texts);
