#pragma once
// The feed batch list: one fixed-column line for each batch of the feed
// type FeedMenuChoice in the year's batch file FeedFile, its medication of
// MedFile included, with the grand totals beneath, and the menu Input, Edit,
// Delete, Print and Exit. New and edited batches are typed in HogFeed2. The
// list is built again at every activation.
#include <QMenuBar>
#include <string>
#include <vector>

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/FormKit.h"
#include "platform/Menus.h"

class HogFeed4 : public platform::Form {
 public:
  explicit HogFeed4(QWidget* parent = nullptr);

  // Items of FeedMenu.
  enum MenuItem { Input = 0, Edit, Delete, Print, Exit };

  platform::ListBox* FeedList;
  platform::Label* GTTons;
  platform::Label* GTLbs;
  platform::Label* GTCost;
  platform::ControlArray<platform::Label> Label1;  // the column headings and "GRAND  TOTALS."
  QMenuBar* MenuBar;
  platform::MenuArray* FeedMenu;

  void FeedMenu_Click(int Index);
  // Rebuilds the list and the grand totals; Edit, Delete and Print are
  // shown only while a batch is listed.
  void FillBatchList();
  // The lines of the list, top to bottom.
  std::vector<std::string> Lines() const;

 protected:
  void Form_Load() override;
  void Form_Activate() override;

 private:
  // Reserves the record and number of a new batch; false when none was.
  bool ReserveNewBatch();
  // Hands the selected rows' records to SelectedFeedRecs and SelectedCount.
  void CollectSelectedBatches();
  // Shows the entry window, then fills the list again once that window is
  // gone (not as this window is activated on its closing, while it is still
  // loaded).
  void OpenEntry(const std::string& caption, const std::string& mode);
  void DeleteSelectedBatches();
  void PrintBatches();

  bool inEntry_ = false;
};

// The window's caption for a feed type and year, as the FEED menu sets it.
std::string FeedListCaption(int choice, const std::string& year);

// FEED > Nursery, Grower, Finishing, Gestation and Lactation (choices 0, 1,
// 2, 4, 5): asks the feed year, then shows the list modally and unloads it.
void OpenFeedBatchList(int choice);
