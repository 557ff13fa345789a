#pragma once
// The boar indexing window: the active boars ranked by their breeding
// results in a grid (sows/IndexGrid.h), printed in the grid's order.
#include <string>
#include <vector>

#include "sows/IndexGrid.h"

// The grid cells of the current boar (BoarHistory): ID, sows farrowed,
// conception rate and the four litter averages.
std::vector<std::string> BoarIndexCells();
// The grid cells of every active boar, a row after another in file order,
// over one read of SOW.DAT, FARROW.DAT and BOAR.DAT; false, with `fault`,
// when a file cannot be read.
bool BoarIndexRows(platform::TextRows& cells, FileFault* fault = nullptr);
// The printed line of a grid row's cells, 88 columns.
std::string BoarIndexLine(const IndexCells& cells);

class HogBoar6 : public IndexWindow {
 public:
  explicit HogBoar6(QWidget* parent = nullptr);

  platform::Grid* const BoarIndexList = IndexGrid;
  platform::MenuArray* const IndexMenu = BarMenu;
  platform::MenuArray* const IndexByMenu = SortMenu;

 protected:
  bool ActiveRows(platform::TextRows& cells, FileFault& fault) override { return BoarIndexRows(cells, &fault); }
  std::vector<LoadedFile> LoadedFiles() const override {
    return {LoadedFileOf<BoarRecord>(), LoadedFileOf<SowRecord>(), LoadedFileOf<FarrowRecord>()};
  }
};

// BOAR > Indexing: the window, unless BOAR.DAT holds no record.
void OpenBoarIndexing();
