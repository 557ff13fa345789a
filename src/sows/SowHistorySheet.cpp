#include "sows/SowHistorySheet.h"

#include "sows/AnimalSheet.h"
#include "sows/SowHistory.h"

namespace {

const AnimalSheetStyle kSowSheet = {.animal = "SOW",
                                    .column = 47,
                                    .enteredGap = " ",
                                    .birthDateAsStored = false,
                                    .noZeroDays = false,
                                    .page = {10, 30, 400, 330},
                                    .notesIndented = true};

using H = SowHistoryRecord;
const SheetFigure<H> kFigures[] = {
    {"Number of Parities.", &H::ParityCount, "####0"},
    {"TOTAL Number of Pigs Weaned.", &H::TotalWeaned, "####0"},
    {"Average Number of Pigs Weaned.", &H::AvgWeaned, "0.0"},
    {"Average Litter Birth Weight.", &H::AvgLitterBirthWeight, "0.00"},
    {"Average Litter Weaning Weight.", &H::AvgLitterWeaningWeight, "0.00"},
    {"Average Age at Weaning.", &H::AvgWeaningAge, "0.00"},
    {"TOTAL Number of PIGs Born.", &H::TotalBorn, "####0"},
    {"TOTAL Number of PIGs Stillborn.", &H::TotalStillborn, "####0"},
    {"TOTAL Number of PIGs Born Alive.", &H::TotalBornAlive, "####0"},
    {"Average Number of PIGs Born.", &H::AvgBorn, "0.00"},
    {"Average Number of PIGs Stillborn.", &H::AvgStillborn, "0.00"},
    {"Average Number of PIGs Born Alive.", &H::AvgBornAlive, "0.00"},
    {"Average Number of Pigs Fostered to Sow.", &H::AvgFosteredTo, "0.00"},
    {"Averege Number of Pigs Fostered from Sow.", &H::AvgFosteredFrom, "0.00"},
    {"TOTAL Number of Pigs Fostered to Sow.", &H::TotalFosteredTo, "####0"},
    {"TOTAL Number of Pigs Fostered from Sow.", &H::TotalFosteredFrom, "####0"}};

}  // namespace

std::vector<std::string> SowHistorySheetLines() { return HistorySheetLines<H>(SowHistory, kSowSheet, kFigures); }

void PrintSowHistory() { PrintAnimalHistory(kSowSheet, SowHistory.Id, SowHistorySheetLines(), SowNotes); }
