#pragma once
// The boar list: one fixed-column line per boar of the current query, the
// query named below the list. Its menu opens the card of the selected boars,
// queries, adds and deletes boars, records PRV test dates and prints the
// listing or the history sheets of the selected boars.
#include <QMenuBar>
#include <optional>
#include <string>
#include <vector>

#include "common/DataFiles.h"
#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/FormKit.h"
#include "platform/Menus.h"

// The lines of the printed listing: one line per record number of
// `records` (the list's rows), each record read from BOAR.DAT opened once.
// Nothing, with `fault`, when the file cannot be read.
std::optional<std::vector<std::string>> BoarListingLines(const std::vector<long>& records, FileFault* fault);
// The first heading line of the listing, under the list's caption.
std::string BoarListingHeading(const std::string& caption);

class HogBoar1 : public platform::Form {
 public:
  explicit HogBoar1(QWidget* parent = nullptr);

  // Items of BoarListMenu.
  enum MenuItem { ViewEdit = 0, Query, NewRecord, Delete, Vacc, Prv, Print, Exit };

  platform::ListBox* BoarList;
  platform::Label* BQDisp;
  platform::ControlArray<platform::Label> Label1;  // the column headings
  QMenuBar* MenuBar;
  platform::MenuArray* BoarListMenu;
  platform::MenuArray* BoarPrint;

  void BoarListMenu_Click(int Index);
  void BoarPrint_Click(int Index);

  // The plain list: the boars in the herd, or with query kind "11" those
  // that left it.
  void FillBoarList();
  // The list of the query in QueryArgs.
  void ApplyBoarQuery();
  // What QUERY does once its dialog has set QueryArgs: the list of the query
  // (the plain list for kind "0") and its caption.
  void RestoreQuery();

 protected:
  void Form_Load() override;

 private:
  // The record numbers of the selected rows into SelectedBoarRecs(1..n);
  // answers n.
  int CollectSelectedBoars();
  void ViewBoars();
  void DeleteBoars();
  void PrintHistories();
  // VACC: the selected boars' IDs into the vaccination window.
  void VaccinateBoars();
  void PrintBoarListing();
};

// BOAR > History: shows the boar list.
void OpenBoarList();
