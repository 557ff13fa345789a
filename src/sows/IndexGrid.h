#pragma once
// What the sow and boar indexing windows share: a grid of one row per active
// animal under a heading row, sorted by any column through an Indexing
// submenu (numbers as numbers), and printed in its current order as a
// listing. Each window gives its columns, its sort orders and how a grid row
// becomes a printed line.
#include <QMenuBar>
#include <array>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/DataFiles.h"
#include "common/FixedLine.h"
#include "platform/Dialogs.h"
#include "platform/Form.h"
#include "platform/FormKit.h"
#include "platform/Grid.h"
#include "platform/Menus.h"
#include "platform/TextRows.h"
#include "records/RecordIo.h"

// A column of an index grid: heading, width in twips, alignment of its cells
// (0 left, 2 right).
struct IndexColumn {
  const char* heading;
  int width;
  int alignment;
};

// A sort item of the Indexing submenu: its caption, the column it sorts by
// and in which direction, the title of the printout and what the window's
// caption says of it.
struct IndexOrder {
  const char* item;
  int column;
  bool ascending;
  const char* title;
  const char* caption;
};

// A figure of an index printout, two decimals in six characters: "  0.00"
// below 1, "  #.00" below 10, " ##.00" below 100, "###.00" above.
std::string IndexFigure(double value);
// The seven cells of an index grid's row, viewed where the grid holds them.
using IndexCells = std::array<std::string_view, 7>;
// A printed line of an index, 88 columns (kIndexLineWidth): the ID cell at column 2, `count` (four characters) at
// `countColumn`, and the figures of cells 2 to 6 at `figureColumns`.
inline constexpr int kIndexLineWidth = 88;
std::string IndexLine(const IndexCells& cells, int countColumn, std::string_view count,
                      const std::array<int, 5>& figureColumns);

// What one index window is: its names, its grid's columns, its orders (the
// first being the order after the load), the words of its printout and of its
// refusal, and the printed line of a grid row's cells.
struct IndexWindowKind {
  const char* formName;
  const char* gridName;
  const char* barName;   // the menu bar's array: Indexing, Print, Exit
  const char* sortName;  // the Indexing submenu's array
  const char* exitCaption;
  const char* caption;  // the window's caption; an order's follows it after " by "
  std::span<const IndexColumn> columns;
  std::span<const IndexOrder> menuOrders;  // the Indexing items, in order
  IndexOrder loadOrder;
  const char* printTitle;  // of the print question
  const char* heading1;
  const char* heading2;
  const char* emptyText;  // the refusal of a herd without an active animal
  const char* emptyTitle;
  std::string (*printLine)(const IndexCells& cells);
};

class IndexWindow : public platform::Form {
 public:
  enum BarItem { Indexing = 0, Print, Exit };

  platform::Grid* IndexGrid;
  QMenuBar* MenuBar;
  platform::MenuArray* BarMenu;
  platform::MenuArray* SortMenu;
  // The title of the printout of the current order.
  std::string IndexTitle;

  // Clears the grid and writes the heading row and the column widths.
  void GenerateHeader();
  // Re-sorts the rows by the order of Indexing item `Index`.
  void SortMenu_Click(int Index);
  void BarMenu_Click(int Index);
  // Asks, then prints the grid in its current order.
  void PrintIndex();
  // The printed lines of the grid's rows in their order, and an empty line.
  std::vector<std::string> IndexLines();

 protected:
  IndexWindow(const IndexWindowKind& kind, QWidget* parent);
  void Form_Load() override;
  // The cells of one row per active animal, in file order, a row's cells
  // (one a column) one after another; false after the fault's box.
  virtual bool ActiveRows(platform::TextRows& cells, FileFault& fault) = 0;
  // The files the rows come from.
  virtual std::vector<LoadedFile> LoadedFiles() const = 0;

 private:
  void sortBy(const IndexOrder& order);
  const IndexWindowKind& kind_;
};

// The area menu's opener of an index window: nothing but a box when the
// record type's file holds no record.
template <class W, class R>
void OpenIndexWindow(const std::string& emptyText, int icon, const std::string& title) {
  records::TypedFile<R> file;
  const std::string path = DataFilePath<R>();
  if (!file.open(path)) return ReportFileFault({path, file.error()}, false, title);
  const long count = file.count();
  file.close();
  if (count == 0) {
    Alert(emptyText, icon | platform::vbOKOnly, title);
    return;
  }
  platform::ShowModalThenUnload<W>();
}
