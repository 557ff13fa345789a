// A new drug driven by real keys along the Enter chain: the purchase date
// typed after the dosage's Enter, and the expiration date after the cost's,
// are the dates stored.
#include "medication/DrugFixture.h"
#include "medication/Drug_2.h"
#include "support/Keys.h"

class DrugKeyboardTest : public DrugTest {};

TEST_F(DrugKeyboardTest, DatesTypedAlongTheEnterChainAreTheDatesStored) {
  tp.windows.on("Drug_2", as<Drug_2>([](Drug_2& w) {
    activate(w);
    ASSERT_EQ(w.focusWidget(), w.DName);
    typeKeys("Pen\rPEN\r2\r");
    ASSERT_EQ(w.focusWidget(), w.PurDate);
    typeKeys("05012024\r100\r");
    ASSERT_EQ(w.focusWidget(), w.ExpirDate);
    typeKeys("05012026\r100\r40\r");
    pressAlt('a');  // ACCEPT
    w.DExit->Press();
  }));
  OpenDrugEntry("NEW");
  const std::vector<DrugRecord> stored = drugs();
  ASSERT_EQ(stored.size(), 1u);
  EXPECT_EQ(stored[0].PurchaseDate, "05/01/2024");
  EXPECT_EQ(stored[0].ExpirationDate, "05/01/2026");
}
