#pragma once
// The feed ingredient list: one fixed-column line for each ingredient of
// FEED.LST with a current inventory, and the menu NEW, EDIT/VIEW, QUERY,
// DELETE, PRINT and EXIT. New and edited ingredients are typed in HogFeed9;
// each line's item data is the record it was written from in the image the
// window keeps of the file it listed, and every action finds the records of
// a line's code again in the file it reads.
#include <QMenuBar>
#include <string>
#include <string_view>
#include <vector>

#include "common/PrintListing.h"
#include "feed/IngredientFile.h"
#include "feed/IngredientQuery.h"
#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/FormKit.h"
#include "platform/Menus.h"

class HogFeed8 : public platform::Form {
 public:
  explicit HogFeed8(QWidget* parent = nullptr);

  // Items of FeedFormula.
  enum MenuItem { New = 0, EditView, Query, Delete, Print, Exit };

  platform::ListBox* FeedIngLst;
  platform::Label* FQDisp;
  platform::ControlArray<platform::Label> Label1;  // the column headings
  QMenuBar* MenuBar;
  platform::MenuArray* FeedFormula;

  void FeedFormula_Click(int Index);
  // Lists every ingredient with a current inventory; the items that act on
  // listed ingredients are shown only when there is one.
  void ListAllIngredients();
  // Lists the ingredients that match the query in QueryArgs (a current
  // inventory of 0 keeps none off); EDIT/VIEW, DELETE and PRINT are shown
  // when one does.
  void ListMatchingIngredients();
  // What QUERY does once its dialog has set QueryArgs: the full list for
  // kind 0, else the ingredients that match, under the query's caption.
  void ListIngredientsOfQuery();
  // The lines of the list, top to bottom.
  std::vector<std::string> Lines() const;
  // The codes of the listed ingredients as their lines show them, top to
  // bottom.
  std::vector<std::string> ListedCodes() const;

 protected:
  void Form_Load() override;

 private:
  // Shows the entry window in `mode` with `caption`, then the full list.
  void OpenEntry(const std::string& caption, const std::string& mode);
  void EditIngredients();
  void DeleteIngredients();
  void PrintIngredients();
  void ShowFullList();
  // Lists the ingredients of FEED.LST read anew under the hourglass: those
  // `query` matches, or with none the full list; the items that act on
  // listed ingredients are shown only when one is listed.
  void ListIngredients(const IngredientQuery* query);
};

// FEED > Feed Ingredients: the list shown modally, then unloaded.
void OpenIngredientList();

// Prints the ingredient listing: the printed lines (feed/IngredientFile.h)
// under `heading`, the query the list shows.
void PrintIngredientListing(const ListingLines& lines, const std::string& heading);
