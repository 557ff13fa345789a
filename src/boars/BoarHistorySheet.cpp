#include "boars/BoarHistorySheet.h"

#include "boars/BoarHistory.h"
#include "sows/AnimalSheet.h"

namespace {

const AnimalSheetStyle kBoarSheet = {.animal = "BOAR",
                                     .column = 36,
                                     .enteredGap = "",
                                     .birthDateAsStored = true,
                                     .noZeroDays = true,
                                     .page = {12, 60, 600, 530},
                                     .notesIndented = false};

using H = BoarHistoryRecord;
const SheetFigure<H> kFigures[] = {
    {"Number of SOWs Bred.", &H::SowsBred, "####0"},
    {"Number of SOWs Farrowed.", &H::SowsFarrowed, "####0"},
    {"Conception Rate.", &H::ConceptionRate, "0.00"},
    {"Average Litter Birth Weight.", &H::AvgLitterBirthWeight, "0.00"},
    {"Average Litter Weaning Weight.", &H::AvgLitterWeaningWeight, "0.00"},
    {"Average Adjusted 21 Day Weight.", &H::AvgAdjusted21DayWeight, "0.00"},
    {"TOTAL Number of PIGs Born.", &H::TotalBorn, "####0"},
    {"TOTAL Number of PIGs Stillborn.", &H::TotalStillborn, "####0"},
    {"Average Number of PIGs Born.", &H::AvgBorn, "0.00"},
    {"Average Number of PIGs Stillborn.", &H::AvgStillborn, "0.00"}};

}  // namespace

std::vector<std::string> BoarHistorySheetLines() { return HistorySheetLines<H>(BoarHistory, kBoarSheet, kFigures); }

void PrintBoarHistory() { PrintAnimalHistory(kBoarSheet, BoarHistory.Id, BoarHistorySheetLines(), BoarNotes); }
