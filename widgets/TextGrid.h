#pragma once
// TTextGrid: the text grid behind the schedule, Tabulon and depreciation tables.
//
// Cells are addressed (column, row) with row 0 the fixed heading row, so RowCount()
// counts the heading row too, as the pages expect. The heading row is drawn as the
// view's header and stays in place while the rows scroll. A grid without a fixed row
// (SetFixedRows(0)) shows no header, and its row 0 is its first data row. Cells of rows the grid does
// not have read as empty. Storage is a flat vector of UTF-8 texts behind a model, so a
// 32,767-row schedule fills and scrolls quickly; BeginUpdate / EndUpdate batch a fill.
//
// Keys: the grid is one stop of the Tab order (Tab and Shift+Tab leave it; the arrows,
// Page Up/Down, Home and End move within it). A text wider than its cell is drawn with
// "…" where it is cut and shown whole in the cell's tooltip.
#include <QColor>
#include <QTableView>
#include <string>
#include <vector>

namespace zeb {

class TextGridModel;

class TTextGrid : public QTableView {
  Q_OBJECT
public:
  TTextGrid(int colCount, int rowCount, QWidget* parent = nullptr);

  int ColCount() const;
  int RowCount() const;
  void SetColCount(int count);
  void SetRowCount(int count);  // keeps the texts of the rows that remain

  QString Cell(int col, int row) const;
  void SetCell(int col, int row, const QString& text);
  // The same cells as UTF-8 texts, for fills and reads of many cells at a time.
  const std::string& CellUtf8(int col, int row) const;
  void SetCellUtf8(int col, int row, std::string text);
  void ClearCells();  // every cell emptied, counts unchanged

  // Batch many SetCell calls into one view refresh.
  void BeginUpdate();
  void EndUpdate();

  void SetColWidth(int col, int width);
  int ColWidth(int col) const;
  void SetDefaultRowHeight(int height);
  void SetStretchLastColumn(bool on);
  // 1 (the default): row 0 is the heading row; 0: every row is a data row.
  void SetFixedRows(int count);
  int FixedRows() const;
  // Column 0 drawn as a fixed (heading) column.
  void SetFixedCols(int count);
  int FixedCols() const { return fixedCols_; }

  // Per-cell colours; an invalid colour means the grid's default.
  void SetCellBackground(int col, int row, const QColor& color);
  void SetCellTextColor(int col, int row, const QColor& color);
  void ClearCellColors();

  // Selection by (col, row) of a data row; (-1, -1) when none.
  void SelectCell(int col, int row);
  void ClearCellSelection();
  int SelectedCol() const;
  int SelectedRow() const;
  // Whether the cell's text is wider than its column shows it (drawn elided).
  bool CellElided(int col, int row) const;

signals:
  void cellClicked(int col, int row);

protected:
  void mouseMoveEvent(QMouseEvent* event) override;
  bool viewportEvent(QEvent* event) override;

private:
  TextGridModel* model_;
  int fixedCols_ = 0;
};

}  // namespace zeb
