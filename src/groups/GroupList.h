#pragma once
// The group list of one stage and group year: which records it shows and
// prints, their lines of figures, and the printed listing.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "groups/GroupFiles.h"
#include "platform/ListItems.h"


// The group records of `stage` and `year` ("24") the list shows: not free,
// of the stage, and with pigs in; record numbers in file order.
std::vector<long> ListedGroups(const GroupBook& book, int stage, const std::string& year);
// Those the printout prints: also without pigs in, but no group closed by a
// year-end adjustment.
std::vector<long> PrintedGroups(const GroupBook& book, int stage, const std::string& year);

// The 90-column list line of a group (a group closed by a year-end
// adjustment shows no figures), and its 84-column printed line.
std::string GroupListLine(const GroupRecord& g, const GroupFigures& f);
std::string GroupPrintLine(const GroupRecord& g, const GroupFigures& f);

// The list's rows of the groups ListedGroups gives, each with its record
// number as item data, added to `rows`.
void WriteGroupRows(platform::ListItems& rows, const GroupBook& book, int stage, const std::string& year);

// Reads both files and prints the listing of the stage and year; false,
// after the box titled `title`, when a file cannot be read.
bool PrintGroupList(int stage, const std::string& year, const std::string& title);
