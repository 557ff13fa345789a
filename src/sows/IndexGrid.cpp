#include "sows/IndexGrid.h"

#include <algorithm>
#include <utility>

#include "common/FixedLine.h"
#include "common/Format.h"
#include "common/NumberText.h"
#include "common/PrintListing.h"
#include "platform/Screen.h"

namespace {

constexpr int kIndexPageLines = 47;

const char* figureMask(double value) {
  return value < 1 ? "  0.00" : value < 10 ? "  #.00" : value < 100 ? " ##.00" : "###.00";
}

// The figure of a cell printed in six columns at `col`: IndexFigure of the
// value the cell shows.
void putFigure(FixedLine& line, int col, std::string_view cell) {
  const double value = Val(std::string(cell));
  line.put(col, value, figureMask(value), 6);
}

}  // namespace

std::string IndexFigure(double value) { return Format(value, figureMask(value)); }

std::string IndexLine(const IndexCells& cells, int countColumn, std::string_view count,
                      const std::array<int, 5>& figureColumns) {
  FixedLine line(kIndexLineWidth);
  line.putTrimmed(2, cells[0], 8).put(countColumn, count, 4);
  for (size_t i = 0; i < figureColumns.size(); ++i) putFigure(line, figureColumns[i], cells[i + 2]);
  return line.str();
}

IndexWindow::IndexWindow(const IndexWindowKind& kind, QWidget* parent)
    : platform::Form(kind.formName, parent), kind_(kind) {
  using namespace platform;
  setFont(makeFont("MS Sans Serif", 8));
  SetCaption(kind.caption);
  MenuBar = AddMenuBar(this);
  BarMenu = new MenuArray(MenuBar, kind.barName);
  QMenu* sortMenu = BarMenu->Add(Indexing, "Indexing", true);
  BarMenu->Add(Print, "Print");
  BarMenu->Add(Exit, kind.exitCaption);
  SortMenu = new MenuArray(sortMenu, kind.sortName);
  SortMenu->SetParentItem(BarMenu, Indexing);
  for (size_t i = 0; i < kind.menuOrders.size(); ++i) SortMenu->Add(static_cast<int>(i), kind.menuOrders[i].item);
  BarMenu->SetEnabled(Indexing, false);
  BarMenu->SetEnabled(Print, false);
  BarMenu->onClick = [this](int index) { BarMenu_Click(index); };
  SortMenu->onClick = [this](int index) { SortMenu_Click(index); };
  int width = 0;
  for (const IndexColumn& c : kind.columns) width += c.width;
  IndexGrid = Placed(new Grid(this, kind.gridName), {120, 420, width + 360, 6600});
  SetBoundsTwips(0, 0, width + 720, 7800);
}

void IndexWindow::GenerateHeader() {
  IndexGrid->ClearGrid();
  IndexGrid->SetRow(0);
  for (int c = 0; c < static_cast<int>(kind_.columns.size()); ++c) {
    const IndexColumn& column = kind_.columns[static_cast<size_t>(c)];
    IndexGrid->SetCol(c);
    IndexGrid->SetText(column.heading);
    IndexGrid->SetCellAlignment(1);
    IndexGrid->SetColWidth(c, column.width);
  }
}

void IndexWindow::Form_Load() {
  TellUnreachableRecords(LoadedFiles());
  Hourglass(true);
  IndexGrid->SetRows(2);
  IndexGrid->SetCols(static_cast<int>(kind_.columns.size()));
  GenerateHeader();
  platform::TextRows cells;
  FileFault fault;
  if (!ActiveRows(cells, fault)) {
    Hourglass(false);
    ReportFileFault(fault, false, kind_.emptyTitle);
    return;
  }
  if (cells.empty()) {
    Hourglass(false);
    Alert(kind_.emptyText, platform::vbExclamation | platform::vbOKOnly, kind_.emptyTitle);
    return;
  }
  std::vector<int> alignments;
  for (const IndexColumn& c : kind_.columns) alignments.push_back(c.alignment);
  const size_t cols = kind_.columns.size(), rows = cells.size() / cols;
  IndexGrid->SetRows(static_cast<int>(rows) + 1);
  std::vector<std::string_view> row(cols);
  for (size_t k = 0; k < rows; ++k) {
    for (size_t c = 0; c < cols; ++c) row[c] = cells[k * cols + c];
    IndexGrid->SetRowTexts(static_cast<int>(k) + 1, row, alignments);
  }
  sortBy(kind_.loadOrder);
  IndexGrid->SetRow(1);
  IndexGrid->setCurrentIndex(IndexGrid->model()->index(1, 0));
  BarMenu->SetEnabled(Indexing, true);
  BarMenu->SetEnabled(Print, true);
  Hourglass(false);
}

void IndexWindow::sortBy(const IndexOrder& order) {
  IndexGrid->SetCol(order.column);
  IndexGrid->SortRows(order.column, order.ascending);
  IndexTitle = order.title;
  SetCaption(std::string(kind_.caption) + " by " + order.caption);
}

void IndexWindow::SortMenu_Click(int Index) {
  if (Index < 0 || Index >= static_cast<int>(kind_.menuOrders.size())) return;
  sortBy(kind_.menuOrders[static_cast<size_t>(Index)]);
}

void IndexWindow::BarMenu_Click(int Index) {
  if (Index == Print) PrintIndex();
  else if (Index == Exit) Hide();
}

std::vector<std::string> IndexWindow::IndexLines() {
  const int animals = std::max(IndexGrid->Rows() - 1, 0);
  std::vector<std::string> lines;
  IndexCells cells;
  for (int r = 1; r <= animals; ++r) {
    IndexGrid->RowTextViews(r, cells);
    lines.push_back(kind_.printLine(cells));
  }
  lines.emplace_back();  // an empty line before the closing banner
  return lines;
}

void IndexWindow::PrintIndex() {
  if (Alert("READY TO PRINT?", platform::vbQuestion | platform::vbOKCancel, kind_.printTitle) == platform::vbCancel)
    return;
  Hourglass(true);
  PrintCourierListing(IndexTitle, kind_.heading1, kind_.heading2, IndexLines(), {.linesPerPage = kIndexPageLines});
  Hourglass(false);
}
