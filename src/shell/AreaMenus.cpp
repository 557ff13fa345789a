// The area table: the items of the main window's area menus that open
// something, and what choosing each does. The menus' click handlers and the
// enabled flags of their items both come from it.
#include "boars/HogBoar1.h"
#include "boars/HogBoar6.h"
#include "common/HogGlobals.h"
#include "feed/FeedConversionMenu.h"
#include "feed/HogFeed4.h"
#include "feed/HogFeed8.h"
#include "groups/HogPig1.h"
#include "groups/HogSale1.h"
#include "medication/Drug_1.h"
#include "medication/Drug_3.h"
#include "medication/MedicationEntry.h"
#include "reports/ChartWindows.h"
#include "reports/HogRept2.h"
#include "reports/HogRept3.h"
#include "platform/FormKit.h"
#include "shell/DatabaseUtilities.h"
#include "shell/Tarlowe2.h"
#include "sows/HogSow1.h"
#include "sows/HogSow7.h"

namespace {

// One row per item, in menu order. An item that needs a count check or a
// year prompt, or a window that is prepared, has a function of its own here.
constexpr AreaItem kAreaItems[] = {
    {&Tarlowe2::MainBoar, 0, OpenBoarList},                          // BOAR > History: the boar list
    {&Tarlowe2::MainBoar, 1, OpenBoarIndexing},                      // BOAR > Indexing: the boar index grid
    {&Tarlowe2::MainSow, 0, platform::ShowModalThenUnload<HogSow1>},  // SOW > History: the sow list
    {&Tarlowe2::MainSow, 1, OpenSowIndexing},                        // SOW > Indexing: the sow index grid
    {&Tarlowe2::PigletMenu, 0, [] { OpenGroupList(0); }},  // PIGLET > Nursery
    {&Tarlowe2::PigletMenu, 1, [] { OpenGroupList(1); }},  // PIGLET > Grower
    {&Tarlowe2::PigletMenu, 2, [] { OpenGroupList(2); }},  // PIGLET > Finisher
    {&Tarlowe2::PigletMenu, 4, [] {  // PIGLET > Vaccinations: the piglet vaccination entry
       PigletMenuChoice = 4;
       OpenPigletVaccination();
     }},
    {&Tarlowe2::MainSales, 0, [] { OpenSalesList(0); }},   // SALES > Feeder Pigs
    {&Tarlowe2::MainSales, 1, [] { OpenSalesList(1); }},   // SALES > Market Hogs
    {&Tarlowe2::MainFeed, 0, [] { OpenFeedBatchList(0); }},  // FEED > Nursery: the batch list
    {&Tarlowe2::MainFeed, 1, [] { OpenFeedBatchList(1); }},  // FEED > Grower
    {&Tarlowe2::MainFeed, 2, [] { OpenFeedBatchList(2); }},  // FEED > Finishing
    {&Tarlowe2::MainFeed, 4, [] { OpenFeedBatchList(4); }},  // FEED > Gestation
    {&Tarlowe2::MainFeed, 5, [] { OpenFeedBatchList(5); }},  // FEED > Lactation
    {&Tarlowe2::MainFeed, 7, [] { FeedMenuChoice = 7; }},  // FEED > Feed Conversion: its submenu opens
    {&Tarlowe2::FeedConv, 0, [] { OpenFeedConversion(0); }},  // FEED > Feed Conversion > Group
    {&Tarlowe2::FeedConv, 1, [] { OpenFeedConversion(1); }},  // FEED > Feed Conversion > Herd
    {&Tarlowe2::MainFeed, 9, [] {  // FEED > Feed Ingredients: the ingredient list
       FeedMenuChoice = 9;
       OpenIngredientList();
     }},
    {&Tarlowe2::MainReports, 0, OpenFarrowingPerformance},  // SUMMARY > Farrowing Performance
    {&Tarlowe2::MainReports, 1, OpenHerdPerformance},       // SUMMARY > Herd Performance
    {&Tarlowe2::MainReports, 2, OpenPigsWeanedPerSow},      // SUMMARY > Pigs Weaned / Sow / Year: a chart
    {&Tarlowe2::MainReports, 3, OpenPigsWeanedPerCrate},    // SUMMARY > Pigs Weaned / Crate / Year
    {&Tarlowe2::MainReports, 4, OpenAdjusted21DayWeight},   // SUMMARY > Adjusted 21day Weight
    {&Tarlowe2::MainReports, 5, OpenMedicationCostPerPig},  // SUMMARY > Medication Cost / Pig
    {&Tarlowe2::MainMed, 0, OpenDrugList},           // MEDICATION > Drug List: the drug list
    {&Tarlowe2::MainMed, 1, OpenMedicationHistory},  // MEDICATION > History: the year's medication history
    {&Tarlowe2::UtilMenu, 0, DefragBoarMenu},       // UTILITIES > Defrag Boar File
    {&Tarlowe2::UtilMenu, 1, DefragSowMenu},        // UTILITIES > Defrag Sow File
    {&Tarlowe2::UtilMenu, 2, MoveDatabaseMenu},     // UTILITIES > Move Database
    {&Tarlowe2::UtilMenu, 3, BackUpDatabaseMenu},   // UTILITIES > BackUp Database
    {&Tarlowe2::UtilMenu, 4, RestoreDatabaseMenu},  // UTILITIES > Restore Database
};

}  // namespace

std::span<const AreaItem> AreaItems() { return kAreaItems; }

std::vector<platform::MenuArray*> Tarlowe2::AreaMenus() const {
  return {MainBoar, MainSow, PigletMenu, MainSales, MainFeed, FeedConv, MainReports, MainMed, UtilMenu};
}

namespace {
const AreaItem* findAreaItem(const Tarlowe2& window, const platform::MenuArray* menu, int index) {
  for (const AreaItem& item : kAreaItems)
    if (window.*item.menu == menu && item.index == index) return &item;
  return nullptr;
}
}  // namespace

void Tarlowe2::AreaMenu_Click(platform::MenuArray* menu, int Index) {
  if (const AreaItem* item = findAreaItem(*this, menu, Index)) item->open();
}

bool Tarlowe2::HasWindow(const platform::MenuArray* menu, int index) const {
  for (const platform::MenuArray* area : AreaMenus())
    if (menu == area) return findAreaItem(*this, menu, index) != nullptr;
  return true;
}
