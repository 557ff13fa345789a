#pragma once
// The sow indexing window: the active sows ranked by their parity count and
// litter averages in a grid (sows/IndexGrid.h), printed in the grid's order.
#include <string>
#include <vector>

#include "sows/IndexGrid.h"
#include "sows/SowHistory.h"

// Adds to `cells` the grid cells of the sow stored in `sow` (her SOW.DAT
// bytes) with the sums of her litters: ID, parity count and the five litter
// averages.
void AddSowIndexCells(platform::TextRows& cells, const uint8_t* sow, const SowLitterSums& litters);
// The grid cells of every active sow, a row after another in file order, over
// one read of SOW.DAT and FARROW.DAT; false, with `fault`, when a file cannot
// be read.
bool SowIndexRows(platform::TextRows& cells, FileFault* fault = nullptr);
// The printed line of a grid row's cells, 88 columns, written into `line`.
std::string SowIndexLine(const IndexCells& cells);

class HogSow7 : public IndexWindow {
 public:
  explicit HogSow7(QWidget* parent = nullptr);

  platform::Grid* const SowIndexList = IndexGrid;
  platform::MenuArray* const MainMenu = BarMenu;
  platform::MenuArray* const IndexMenu = SortMenu;

 protected:
  bool ActiveRows(platform::TextRows& cells, FileFault& fault) override { return SowIndexRows(cells, &fault); }
  std::vector<LoadedFile> LoadedFiles() const override {
    return {LoadedFileOf<SowRecord>(), LoadedFileOf<FarrowRecord>()};
  }
};

// SOW > Indexing: the window, unless SOW.DAT holds no record.
void OpenSowIndexing();
