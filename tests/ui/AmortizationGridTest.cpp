// The text grid behind the schedule grids: row counts with the heading row, cells of
// rows the grid does not have, batched fills, widths and the cell look.
#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QHeaderView>

#include "widgets/TextGrid.h"

namespace zeb {
namespace {

TEST(AmortizationGrid, RowCountIncludesTheHeadingRowAndMissingRowsReadEmpty) {
  TTextGrid grid(8, 2);
  EXPECT_EQ(grid.RowCount(), 2);
  EXPECT_EQ(grid.model()->rowCount(), 1);  // the heading row is the view's header
  grid.SetCell(0, 0, "PMT");
  grid.SetCell(0, 1, "1");
  EXPECT_EQ(grid.model()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), "PMT");
  EXPECT_EQ(grid.Cell(0, 2), "");
  EXPECT_EQ(grid.Cell(8, 1), "");
  EXPECT_EQ(grid.Cell(-1, 1), "");

  grid.SetRowCount(5);
  for (int r = 1; r < 5; ++r) grid.SetCell(6, r, "$1.00");
  grid.SetRowCount(2);  // rows 2..4 are gone ...
  grid.SetRowCount(5);  // ... and come back empty
  EXPECT_EQ(grid.Cell(6, 1), "$1.00");
  EXPECT_EQ(grid.Cell(6, 2), "");
  EXPECT_EQ(grid.Cell(6, 4), "");
  EXPECT_EQ(grid.Cell(0, 0), "PMT");
}

TEST(AmortizationGrid, ClearingKeepsTheCountsAndColumnChangesKeepTheTexts) {
  TTextGrid grid(3, 3);
  grid.SetCell(1, 2, "x");
  grid.SetColCount(5);
  EXPECT_EQ(grid.Cell(1, 2), "x");
  EXPECT_EQ(grid.ColCount(), 5);
  grid.ClearCells();
  EXPECT_EQ(grid.Cell(1, 2), "");
  EXPECT_EQ(grid.RowCount(), 3);
  EXPECT_EQ(grid.ColCount(), 5);
}

TEST(AmortizationGrid, BatchedFillReachesTheViewAtTheEnd) {
  TTextGrid grid(2, 2);
  grid.BeginUpdate();
  grid.SetRowCount(32768);
  for (int r = 1; r < 32768; ++r) grid.SetCellUtf8(0, r, std::to_string(r));
  grid.EndUpdate();
  EXPECT_EQ(grid.model()->rowCount(), 32767);
  EXPECT_EQ(grid.model()->data(grid.model()->index(32766, 0)).toString(), "32767");
  EXPECT_EQ(grid.Cell(0, 32767), "32767");
}

TEST(AmortizationGrid, TextsAreKeptAsUtf8) {
  TTextGrid grid(2, 2);
  grid.SetCell(0, 1, QString::fromUtf8("J\xC3\xA4n 2000"));
  EXPECT_EQ(grid.CellUtf8(0, 1), "J\xC3\xA4n 2000");
  grid.SetCellUtf8(1, 1,
                   "\xE2\x82\xAC"
                   "5.00");
  EXPECT_EQ(grid.Cell(1, 1), QString::fromUtf8("\xE2\x82\xAC"
                                               "5.00"));
  EXPECT_EQ(grid.CellUtf8(1, 9), "");
}

TEST(AmortizationGrid, CentredCellsWidthsAndScrollBars) {
  TTextGrid grid(3, 3);
  grid.SetCell(0, 1, "a");
  EXPECT_EQ(grid.model()->data(grid.model()->index(0, 0), Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
  EXPECT_EQ(grid.model()->headerData(0, Qt::Horizontal, Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
  grid.SetColWidth(1, 116);
  EXPECT_EQ(grid.ColWidth(1), 116);
  EXPECT_EQ(grid.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  EXPECT_NE(grid.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  grid.SetDefaultRowHeight(16);
  EXPECT_EQ(grid.verticalHeader()->defaultSectionSize(), 16);
}

}  // namespace
}  // namespace zeb
