#include "widgets/TextGrid.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QToolTip>
#include <algorithm>
#include <string>
#include <unordered_map>

namespace zeb {

// Model rows are grid rows fixedRows..n-1; with a fixed row, grid row 0 is the
// horizontal header.
class TextGridModel : public QAbstractTableModel {
public:
  TextGridModel(int cols, int rows, QObject* parent) : QAbstractTableModel(parent) { resize(cols, rows); }

  int cols() const { return cols_; }
  int rows() const { return rows_; }

  void resize(int cols, int rows) {
    cols = std::max(cols, 1);
    rows = std::max(rows, 1);
    if (cols == cols_ && rows == rows_) return;
    const bool batched = updating_;
    if (!batched) beginResetModel();
    if (cols == cols_) {
      // Same width: the rows that remain stay where they are.
      cells_.resize(static_cast<size_t>(cols) * rows);
      if (rows < rows_) cells_.shrink_to_fit();
    } else {
      std::vector<std::string> next(static_cast<size_t>(cols) * rows);
      for (int r = 0; r < std::min(rows, rows_); ++r)
        for (int c = 0; c < std::min(cols, cols_); ++c) next[idx(c, r, cols)] = std::move(cells_[idx(c, r, cols_)]);
      cells_.swap(next);
    }
    cols_ = cols;
    rows_ = rows;
    if (!batched) endResetModel();
    else dirty_ = true;
  }

  const std::string& cellUtf8(int c, int r) const {
    static const std::string empty;
    if (c < 0 || r < 0 || c >= cols_ || r >= rows_) return empty;
    return cells_[idx(c, r, cols_)];
  }
  QString cell(int c, int r) const { return QString::fromStdString(cellUtf8(c, r)); }

  void setCell(int c, int r, std::string text) {
    if (c < 0 || r < 0 || c >= cols_ || r >= rows_) return;
    cells_[idx(c, r, cols_)] = std::move(text);
    if (updating_) {
      dirty_ = true;
    } else if (r < fixedRows) {
      emit headerDataChanged(Qt::Horizontal, c, c);
    } else {
      const QModelIndex i = index(r - fixedRows, c);
      emit dataChanged(i, i, {Qt::DisplayRole});
    }
  }

  void clear() {
    for (auto& s : cells_) s.clear();
    colors_.clear();
    refresh();
  }

  void begin() { updating_ = true; }
  void end() {
    updating_ = false;
    if (dirty_) {
      dirty_ = false;
      beginResetModel();
      endResetModel();
    }
  }
  void refresh() {
    if (updating_) {
      dirty_ = true;
      return;
    }
    beginResetModel();
    endResetModel();
  }

  struct Colors {
    QColor back, text;
  };
  void setBack(int c, int r, const QColor& color) {
    colors_[key(c, r)].back = color;
    touch(c, r);
  }
  void setText(int c, int r, const QColor& color) {
    colors_[key(c, r)].text = color;
    touch(c, r);
  }
  void clearColors() {
    colors_.clear();
    refresh();
  }
  int fixedCols = 0;
  int fixedRows = 1;
  void setFixedRows(int count) {
    beginResetModel();
    fixedRows = count;
    endResetModel();
  }

  int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : rows_ - fixedRows; }
  int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : cols_; }

  QVariant data(const QModelIndex& i, int role) const override {
    if (!i.isValid()) return {};
    const int c = i.column(), r = i.row() + fixedRows;
    switch (role) {
      case Qt::DisplayRole:
        return cell(c, r);
      case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
      case Qt::BackgroundRole: {
        auto it = colors_.find(key(c, r));
        if (it != colors_.end() && it->second.back.isValid()) return it->second.back;
        if (c < fixedCols) return QColor(Qt::lightGray);
        return {};
      }
      case Qt::ForegroundRole: {
        auto it = colors_.find(key(c, r));
        if (it != colors_.end() && it->second.text.isValid()) return it->second.text;
        return {};
      }
      default:
        return {};
    }
  }

  QVariant headerData(int section, Qt::Orientation o, int role) const override {
    if (o != Qt::Horizontal || fixedRows == 0) return {};
    if (role == Qt::DisplayRole) return cell(section, 0);
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
    return {};
  }

  Qt::ItemFlags flags(const QModelIndex& i) const override {
    if (!i.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  }

private:
  static size_t idx(int c, int r, int cols) { return static_cast<size_t>(r) * cols + c; }
  static qint64 key(int c, int r) { return (static_cast<qint64>(r) << 16) | c; }
  void touch(int c, int r) {
    if (updating_) {
      dirty_ = true;
      return;
    }
    if (r < fixedRows) return;
    const QModelIndex i = index(r - fixedRows, c);
    emit dataChanged(i, i);
  }

  int cols_ = 0, rows_ = 0;
  // UTF-8 texts: the short texts of the grids stay inside their string objects.
  std::vector<std::string> cells_;
  std::unordered_map<qint64, Colors> colors_;
  bool updating_ = false, dirty_ = false;
};

namespace {

// Cell texts use the whole width of their cell (one pixel clear of each grid line), as a
// classic grid draws them; a text wider than that is elided on its left, "…" standing
// for the leading characters cut, so a cut number never passes for a shorter one.
constexpr int kCellTextMargin = 1;

class CellDelegate : public QStyledItemDelegate {
public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QString text = opt.text;
    opt.text.clear();
    const QWidget* view = opt.widget;
    QStyle* style = view ? view->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, view);
    const QRect area = opt.rect.adjusted(kCellTextMargin, 0, -kCellTextMargin, 0);
    const QString shown = opt.fontMetrics.elidedText(text, Qt::ElideLeft, area.width());
    const bool selected = opt.state & QStyle::State_Selected;
    const QPalette::ColorGroup group = !(opt.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : (opt.state & QStyle::State_Active) ? QPalette::Active
                                                                            : QPalette::Inactive;
    painter->save();
    painter->setFont(opt.font);
    painter->setPen(selected ? opt.palette.color(group, QPalette::HighlightedText)
                             : opt.palette.color(group, QPalette::Text));
    if (!selected) {
      const QVariant fore = index.data(Qt::ForegroundRole);
      if (fore.canConvert<QColor>() && fore.value<QColor>().isValid()) painter->setPen(fore.value<QColor>());
    }
    painter->drawText(area, static_cast<int>(opt.displayAlignment), shown);
    painter->restore();
  }
};

}  // namespace

TTextGrid::TTextGrid(int colCount, int rowCount, QWidget* parent)
    : QTableView(parent), model_(new TextGridModel(colCount, rowCount, this)) {
  setModel(model_);
  verticalHeader()->hide();
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setSectionsClickable(false);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setWordWrap(false);
  // A text wider than its cell is drawn elided ("…" where it is cut), never as a
  // shorter, different number; its tooltip shows it whole.
  setItemDelegate(new CellDelegate(this));
  // The grid takes the focus once: the arrows, Page Up/Down, Home and End move within
  // it, Tab and Shift+Tab go on to the next control.
  setTabKeyNavigation(false);
  setMouseTracking(true);
  connect(this, &QTableView::clicked, this,
          [this](const QModelIndex& i) { emit cellClicked(i.column(), i.row() + model_->fixedRows); });
}

int TTextGrid::ColCount() const { return model_->cols(); }
int TTextGrid::RowCount() const { return model_->rows(); }
void TTextGrid::SetColCount(int count) { model_->resize(count, model_->rows()); }
void TTextGrid::SetRowCount(int count) { model_->resize(model_->cols(), count); }
QString TTextGrid::Cell(int col, int row) const { return model_->cell(col, row); }
void TTextGrid::SetCell(int col, int row, const QString& text) { model_->setCell(col, row, text.toStdString()); }
const std::string& TTextGrid::CellUtf8(int col, int row) const { return model_->cellUtf8(col, row); }
void TTextGrid::SetCellUtf8(int col, int row, std::string text) { model_->setCell(col, row, std::move(text)); }
void TTextGrid::ClearCells() { model_->clear(); }
void TTextGrid::BeginUpdate() { model_->begin(); }
void TTextGrid::EndUpdate() { model_->end(); }

void TTextGrid::SetColWidth(int col, int width) { horizontalHeader()->resizeSection(col, width); }
int TTextGrid::ColWidth(int col) const { return horizontalHeader()->sectionSize(col); }
void TTextGrid::SetDefaultRowHeight(int height) {
  verticalHeader()->setMinimumSectionSize(1);
  verticalHeader()->setDefaultSectionSize(height);
  horizontalHeader()->setFixedHeight(height + 2);
}
void TTextGrid::SetStretchLastColumn(bool on) { horizontalHeader()->setStretchLastSection(on); }
void TTextGrid::SetFixedRows(int count) {
  model_->setFixedRows(std::clamp(count, 0, 1));
  horizontalHeader()->setVisible(model_->fixedRows == 1);
}
int TTextGrid::FixedRows() const { return model_->fixedRows; }
void TTextGrid::SetFixedCols(int count) {
  fixedCols_ = count;
  model_->fixedCols = count;
  model_->refresh();
}

void TTextGrid::SetCellBackground(int col, int row, const QColor& color) { model_->setBack(col, row, color); }
void TTextGrid::SetCellTextColor(int col, int row, const QColor& color) { model_->setText(col, row, color); }
void TTextGrid::ClearCellColors() { model_->clearColors(); }

void TTextGrid::SelectCell(int col, int row) {
  if (row < model_->fixedRows || row >= RowCount() || col < 0 || col >= ColCount()) return;
  const QModelIndex i = model_->index(row - model_->fixedRows, col);
  selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect);
}

void TTextGrid::ClearCellSelection() {
  selectionModel()->clearSelection();
  selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}

int TTextGrid::SelectedCol() const {
  const QModelIndex i = selectionModel()->currentIndex();
  return i.isValid() && selectionModel()->isSelected(i) ? i.column() : -1;
}

int TTextGrid::SelectedRow() const {
  const QModelIndex i = selectionModel()->currentIndex();
  return i.isValid() && selectionModel()->isSelected(i) ? i.row() + model_->fixedRows : -1;
}

void TTextGrid::mouseMoveEvent(QMouseEvent* event) { QTableView::mouseMoveEvent(event); }

bool TTextGrid::CellElided(int col, int row) const {
  if (row < model_->fixedRows || row >= RowCount() || col < 0 || col >= ColCount()) return false;
  return fontMetrics().horizontalAdvance(Cell(col, row)) > ColWidth(col) - 2 * kCellTextMargin;
}

bool TTextGrid::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const QModelIndex i = indexAt(help->pos());
    const int row = i.row() + model_->fixedRows;
    if (i.isValid() && CellElided(i.column(), row)) {
      QToolTip::showText(help->globalPos(), Cell(i.column(), row), viewport(), visualRect(i));
      return true;
    }
  }
  return QTableView::viewportEvent(event);
}

}  // namespace zeb
