#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/Grid.h"
#include "support/TestPlatform.h"

using namespace platform;

namespace {

using Cells = std::vector<std::vector<std::string>>;

Cells cellsOf(const Grid& g) {
  Cells cells(static_cast<size_t>(g.Rows()));
  for (int r = 0; r < g.Rows(); ++r) g.RowTexts(r, cells[static_cast<size_t>(r)]);
  return cells;
}

}  // namespace

// Texts written again, shorter, longer or empty, in any cell and in any
// order, read back as written, through sorts and resizes and the room the
// old texts leave; each step is checked against plain rows of strings.
TEST(Grid, CellsReadBackAsWrittenThroughRewritesSortsAndResizes) {
  TestPlatform tp;
  Grid g(nullptr, "Grid1");
  Cells expected(4, std::vector<std::string>(3));
  g.SetRows(4);
  g.SetCols(3);
  const struct {
    int row, col;  // col -1: the whole row
    std::string text;
  } writes[] = {
      {0, -1, "ID"},   {1, -1, "B"},           {2, -1, "A"},  {3, -1, "C"},
      {1, 1, "long text of a cell"},           {1, 1, "short"},  {1, 1, ""},  {2, 2, "x"},
      {3, 1, "9"},     {2, 1, "10"},           {1, 1, "8.5"},   {3, 0, "a longer name than it had"},
  };
  for (int round = 0; round < 40; ++round) {
    for (const auto& w : writes) {
      const std::string text = w.text + (round % 3 == 0 ? "" : std::string(static_cast<size_t>(round), '#'));
      auto& row = expected[static_cast<size_t>(w.row)];
      if (w.col < 0) {
        row = {text, text + "1", text + "22"};
        g.SetRowTexts(w.row, row);
      } else {
        row[static_cast<size_t>(w.col)] = text;
        g.SetTextMatrix(w.row, w.col, text);
      }
      ASSERT_EQ(cellsOf(g), expected) << "round " << round << ", row " << w.row << ", col " << w.col;
    }
    const int col = round % 3;
    g.SortRows(col, round % 2 == 0);
    std::stable_sort(expected.begin() + 1, expected.end(), [&](const auto& a, const auto& b) {
      const int cmp = compareCells(a[static_cast<size_t>(col)], b[static_cast<size_t>(col)]);
      return round % 2 == 0 ? cmp < 0 : cmp > 0;
    });
    ASSERT_EQ(cellsOf(g), expected) << "sorted by " << col << " in round " << round;
  }
  g.SetCols(2);
  g.SetRows(3);
  g.SetRows(4);
  g.SetCols(4);
  expected.resize(3);
  expected.emplace_back();
  for (auto& row : expected) row.resize(2), row.resize(4);
  EXPECT_EQ(cellsOf(g), expected);
  g.SetTextMatrix(3, 3, "new");
  EXPECT_EQ(g.TextMatrix(3, 3), "new");
  EXPECT_EQ(g.TextMatrix(0, 1), expected[0][1]);
}

// A row written from views of the grid's own cells, its own among them,
// takes each text as it was before the row was written.
TEST(Grid, RowsWrittenFromViewsOfTheGridsOwnCells) {
  TestPlatform tp;
  Grid g(nullptr, "Grid1");
  g.SetCols(3);
  g.SetRows(2);
  g.SetRowTexts(0, {"aaa", "bbb", "ccc"});
  for (int i = 0; i < 4; ++i) {
    std::string_view views[3];
    g.RowTextViews(0, views);
    const std::string_view rotated[] = {views[2], views[0], views[1]};
    g.SetRowTexts(i % 2, rotated);  // row 0 over itself, then into row 1
  }
  EXPECT_EQ(cellsOf(g), (Cells{{"bbb", "ccc", "aaa"}, {"aaa", "bbb", "ccc"}}));
}
