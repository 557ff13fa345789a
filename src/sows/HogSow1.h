#pragma once
// The sow list: one fixed-column line per sow of the current query, up to six
// pages of 802 lines, with a button per page in use and the query and page
// named above the list. Its menu queries, adds, deletes and assigns sows.
#include <QMenuBar>
#include <string>
#include <vector>

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/FormKit.h"
#include "platform/Menus.h"
#include "sows/SowPages.h"

// What a DELETE that stopped at a fault did, for its box: the sows `deleted`
// before it stay deleted; the sow `stoppedAt` keeps her record and her
// litters (each sow is deleted with her litters, or not at all).
std::string SowDeleteOutcome(const std::vector<std::string>& deleted, const std::string& stoppedAt);

class HogSow1 : public platform::Form {
 public:
  explicit HogSow1(QWidget* parent = nullptr);

  // Items of SowHistoryMenu.
  enum MenuItem { ViewEdit = 0, Query, New, Farrow, Delete, Prv, Vacc, Assign, Print, Exit };

  platform::ListBox* SowList;
  platform::Label* SQDisp;
  platform::ControlArray<platform::CommandButton> SowPg;  // P1 to P6
  platform::Label* Label1;  // "SOW ID."
  platform::Label* Label2;  // "BREED"
  platform::Label* Label3;  // "LOCATION"
  platform::Label* Label5;  // " Days To "
  platform::Label* Label4;  // "230 Lb"
  platform::Label* Label7;  // "BACKFAT"
  platform::Label* Label8;  // "LOINEYE"
  platform::Label* Label6;  // "PARITY"
  QMenuBar* MenuBar;
  platform::MenuArray* SowHistoryMenu;
  platform::MenuArray* SowPrint;

  void SowHistoryMenu_Click(int Index);
  // Items of SowPrint.
  enum PrintItem { SelectedHistories = 0, DisplayListing, DatesDue, SowCards };
  void SowPrint_Click(int Index);
  void SowPg_Click(int Index);

  // Fills SowList with the lines of page `Page` of the page table, from
  // SOW.DAT read for it (a page click, a return to the window).
  void ShowSowPage(int Page);
  // The same from SOW.DAT as the build of the same action read it.
  void ShowSowPage(int Page, const records::FileImage<SowRecord>& sows);
  // Rebuilds the page table for QueryArgs; the number of lines, and SOW.DAT
  // as read in `sows`. A file that cannot be read shows its box and leaves
  // the table empty.
  int BuildSowList(records::FileImage<SowRecord>& sows);
  // Enables the buttons of the pages that `count` lines fill.
  void UpdatePageButtons(int count);
  // What QUERY does once its dialog has set QueryArgs: the caption, the list
  // built again and its first page shown.
  void ListSowsOfQuery();
  // What PRINT > Dates Due does once its dialog has taken the two dates: the
  // report of the sows due from `from` to `to`, or the box saying none is.
  void PrintDueBetween(const std::string& from, const std::string& to);

  // The SOW.DAT record count the print submenu keeps between prints; 0 makes
  // it count again. The load and every reset to all active sows set it to 0.
  int SowFileCount = 0;

  const SowPageTable& PageTable() const { return table_; }
  int CurrentSowPage() const { return currentPage_; }

 protected:
  void Form_Load() override;
  void Form_Activate() override;

 private:
  void ResetSowList();
  // The record numbers of the selected rows into SelectedSowRecs and their
  // number into SelectedCount; false, after its box, when none is selected.
  bool CollectSelectedSows();
  void ViewSows();
  // VACC: the selected sows' IDs into the vaccination window.
  void VaccinateSows();
  void NewSows();
  void DeleteSows();
  void AssignSows();
  // The PRINT items (sows/HogSow1Print.cpp).
  void PrintSelectedSows(PrintItem item);
  void PrintDisplayListing();
  void PrintDatesDue();

  SowPageTable table_;
  int currentPage_ = 1;
  std::string pageCaption_;
};
