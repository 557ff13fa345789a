// Page tables of any pages x slots: where each line of a result falls, how
// many pages a result fills, and a full table.
#include <gtest/gtest.h>

#include "common/PageTable.h"

namespace {

using SowShape = PageTable<6, 802>;
using MedShape = PageTable<10, 842>;

struct LinePlace {
  int line, page, slot;
};
struct PagesFor {
  int count, pages;
};

}  // namespace

TEST(PageTable, LinesFallOnPagesOfTheirSlots) {
  for (const LinePlace& c : std::vector<LinePlace>{
           {1, 1, 1}, {802, 1, 802}, {803, 2, 1}, {1605, 3, 1}, {4812, 6, 802}}) {
    EXPECT_EQ(SowShape::PageOfLine(c.line), c.page) << c.line;
    EXPECT_EQ(SowShape::SlotOfLine(c.line), c.slot) << c.line;
  }
  for (const LinePlace& c : std::vector<LinePlace>{{1, 1, 1}, {842, 1, 842}, {843, 2, 1}, {8420, 10, 842}}) {
    EXPECT_EQ(MedShape::PageOfLine(c.line), c.page) << c.line;
    EXPECT_EQ(MedShape::SlotOfLine(c.line), c.slot) << c.line;
  }
}

TEST(PageTable, PagesInUse) {
  for (const PagesFor& c : std::vector<PagesFor>{{0, 1}, {802, 1}, {803, 2}, {1604, 2}, {1605, 3}, {2407, 4},
                                                 {3209, 5}, {4011, 6}, {4812, 6}, {9000, 6}})
    EXPECT_EQ(SowShape::PagesInUse(c.count), c.pages) << c.count;
  for (const PagesFor& c : std::vector<PagesFor>{{0, 1}, {842, 1}, {843, 2}, {7579, 10}, {8420, 10}, {9999, 10}})
    EXPECT_EQ(MedShape::PagesInUse(c.count), c.pages) << c.count;
}

TEST(PageTable, AddFillsEachPageInTurnUntilFull) {
  MedShape table;
  for (long r = 1; r <= 8420; ++r) ASSERT_TRUE(table.Add(r + 100));
  EXPECT_FALSE(table.Add(9));
  EXPECT_EQ(table.Lines(), 8420);
  EXPECT_EQ(table.At(1, 1), 101);
  EXPECT_EQ(table.At(2, 1), 943);
  EXPECT_EQ(table.At(10, 842), 8520);
  for (const auto& [page, slot] : std::vector<std::pair<int, int>>{{0, 1}, {11, 1}, {1, 0}, {1, 843}})
    EXPECT_EQ(table.At(page, slot), 0) << page << "," << slot;
  table.Clear();
  EXPECT_EQ(table.Lines(), 0);
  EXPECT_TRUE(table.PageEmpty(1));
  table.Add(7);
  EXPECT_FALSE(table.PageEmpty(1));
  EXPECT_TRUE(table.PageEmpty(2));
}
