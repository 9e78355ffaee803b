// The Depreciation page in a real main window: its controls, the worked tables typed by
// keyboard in all three methods, the sample and zero resets, the refused periods and the
// grid that shows no selection.
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QToolButton>

#include "app/AppInfo.h"
#include "calculators/DepreciationPage.h"
#include "tests/ui/UiFixture.h"
#include "widgets/FnpNumericEdit.h"
#include "widgets/Mneyedit.h"
#include "widgets/PictureField.h"
#include "widgets/RadioGroup.h"
#include "widgets/TextGrid.h"

namespace zeb::test {
namespace {

using Rows = std::vector<std::string>;

class DepreciationPageTest : public MainWindowTest {
protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    window->ShowPageByKey("Depreciation");
    page = window->Depreciation();
    ASSERT_NE(page, nullptr);
    grid = find<TTextGrid>("grdDepreciation");
    method = find<TRadioGroup>("rgDepreciationMethod");
  }
  // Every row of the grid, "year|book value|depreciation|total".
  Rows rows() const {
    Rows out;
    for (int r = 0; r < grid->RowCount(); ++r) {
      std::string row;
      for (int c = 0; c < 4; ++c) row += (c ? "|" : "") + grid->Cell(c, r).toStdString();
      out.push_back(row);
    }
    return out;
  }
  std::string total() const { return find<TOvcPictureField>("edtTotalDepreciated")->text().trimmed().toStdString(); }
  void choose(int index) {
    QRadioButton* b = method->Button(index);
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));  // on the circle
    QCoreApplication::processEvents();
  }
  void clickCell(int col, int row) {
    const QRect rect = grid->visualRect(grid->model()->index(row, col));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, rect.center());
    QCoreApplication::processEvents();
  }
  // Types the three inputs from the first one, leaving each with Tab.
  void typeInputs(const QString& cost, const QString& salvage, const QString& period) {
    find<QWidget>("edtOriginalCost")->setFocus();
    for (const QString& keys : {cost, salvage, period}) {
      QWidget* f = QApplication::focusWidget();
      QTest::keyClicks(f, keys);
      QTest::keyClick(f, Qt::Key_Tab);
      QCoreApplication::processEvents();
    }
  }
  void resetPage(int valueSet) {
    window->Action(valueSet ? "mnuResetSamples" : "mnuResetThisZero")->trigger();
    QCoreApplication::processEvents();
  }
  static std::string focusName() {
    QWidget* f = QApplication::focusWidget();
    return f ? f->objectName().toStdString() : std::string();
  }

  DepreciationPage* page = nullptr;
  TTextGrid* grid = nullptr;
  TRadioGroup* method = nullptr;
};

TEST_F(DepreciationPageTest, Controls) {
  EXPECT_EQ(method->title(), "   Depreciation Method   ");
  ASSERT_EQ(method->Count(), 3);
  EXPECT_EQ(method->Button(0)->text(), "Straight Line");
  EXPECT_EQ(method->Button(1)->text(), "Double Declining Balance");
  EXPECT_EQ(method->Button(2)->text(), "Sum of Years' Digits");
  EXPECT_EQ(method->ItemIndex(), 0);

  auto* period = find<TFnpNumericEdit>("edtDepreciationPeriod");
  EXPECT_EQ(period->Decimals(), 0);
  EXPECT_EQ(period->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
  EXPECT_EQ(period->MinValue(), period->MaxValue()) << "no range";
  auto* totalField = find<TOvcPictureField>("edtTotalDepreciated");
  EXPECT_EQ(totalField->PictureMask(), "$#,###,###,###.##");
  EXPECT_TRUE(totalField->isReadOnly());
  EXPECT_EQ(totalField->palette().color(QPalette::Base), QColor(Qt::yellow));

  EXPECT_EQ(grid->ColCount(), 4);
  EXPECT_EQ(grid->FixedRows(), 0);
  EXPECT_FALSE(grid->horizontalHeader()->isVisible());
  EXPECT_EQ(grid->size(), QSize(324, 182));
  const int widths[] = {49, 87, 87, 87};
  for (int c = 0; c < 4; ++c) EXPECT_EQ(grid->ColWidth(c), widths[c]) << "column " << c;
  EXPECT_EQ(grid->rowHeight(0), 17);
  EXPECT_EQ(grid->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  EXPECT_EQ(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
  const char* const headings[][2] = {{"lblYear", "Year"},
                                     {"lblBeginningBookValue", "Beginning Book Value"},
                                     {"lblAnnualDepreciationExpense", "Annual Depreciation Expense"},
                                     {"lblTotalDepreciation", "Total Depreciation"}};
  for (const auto& h : headings) EXPECT_EQ(find<QLabel>(h[0])->text(), h[1]);

  // Tab: cost, salvage, period, the chosen method, the grid; the result is skipped.
  EXPECT_EQ(focusName(), "edtOriginalCost");
  const char* const order[] = {"edtOriginalCost", "edtSalvageValue", "edtDepreciationPeriod", "rgDepreciationMethod0",
                               "grdDepreciation"};
  for (const char* name : order) {
    EXPECT_EQ(focusName(), name);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  EXPECT_NE(focusName(), "grdDepreciation") << "one Tab leaves the grid";
  const char* const names[][2] = {{"edtOriginalCost", "Original Cost"},
                                  {"edtSalvageValue", "Salvage Value"},
                                  {"edtDepreciationPeriod", "Depreciation Period"},
                                  {"edtTotalDepreciated", "Total Depreciated"}};
  for (const auto& n : names) EXPECT_EQ(find<QWidget>(n[0])->accessibleName(), n[1]);
}

TEST_F(DepreciationPageTest, WorkedTablesTypedByKeyboardInAllThreeMethods) {
  typeInputs("10000", "1000", "5");
  const Rows tables[] = {
      {"1|$10,000.00|$1,800.00|$1,800.00", "2|$8,200.00|$1,800.00|$3,600.00", "3|$6,400.00|$1,800.00|$5,400.00",
       "4|$4,600.00|$1,800.00|$7,200.00", "5|$2,800.00|$1,800.00|$9,000.00"},
      {"1|$10,000.00|$4,000.00|$4,000.00", "2|$6,000.00|$2,400.00|$6,400.00", "3|$3,600.00|$1,440.00|$7,840.00",
       "4|$2,160.00|$864.00|$8,704.00", "5|$1,296.00|$296.00|$9,000.00"},
      {"1|$10,000.00|$3,000.00|$3,000.00", "2|$7,000.00|$2,400.00|$5,400.00", "3|$4,600.00|$1,800.00|$7,200.00",
       "4|$2,800.00|$1,200.00|$8,400.00", "5|$1,600.00|$600.00|$9,000.00"},
  };
  EXPECT_EQ(rows(), tables[0]);
  EXPECT_EQ(total(), "$9,000.00");
  for (int m : {1, 2, 0}) {
    SCOPED_TRACE(m);
    choose(m);
    EXPECT_EQ(rows(), tables[m]);
    EXPECT_EQ(total(), "$9,000.00");
  }
  EXPECT_TRUE(log.entries.empty());
}

TEST_F(DepreciationPageTest, SampleResetShowsTheStoredResultsAndRecalculatingChangesNothing) {
  choose(2);
  resetPage(1);
  EXPECT_EQ(method->ItemIndex(), 0);
  EXPECT_EQ(find<TMoneyEdit>("edtOriginalCost")->text(), "100,000.00");
  EXPECT_EQ(find<TMoneyEdit>("edtSalvageValue")->text(), "92,500.00");
  EXPECT_EQ(find<TFnpNumericEdit>("edtDepreciationPeriod")->text(), "10");
  EXPECT_EQ(total(), "$7,500.00");
  const Rows shown = rows();
  ASSERT_EQ(shown.size(), 10u);
  EXPECT_EQ(shown.front(), "1|$100,000.00|$750.00|$750.00");
  EXPECT_EQ(shown.back(), "10|$93,250.00|$750.00|$7,500.00");
  EXPECT_EQ(focusName(), "edtOriginalCost");
  page->CalcDepreciation();
  EXPECT_EQ(rows(), shown);
  EXPECT_EQ(total(), "$7,500.00");

  choose(1);  // double declining balance takes all of it in year 1
  const Rows declining = rows();
  ASSERT_EQ(declining.size(), 10u);
  EXPECT_EQ(declining[0], "1|$100,000.00|$7,500.00|$7,500.00");
  for (int k = 2; k <= 10; ++k) EXPECT_EQ(declining[k - 1], std::to_string(k) + "|$92,500.00|$0.00|$7,500.00");
  EXPECT_TRUE(log.entries.empty());
}

TEST_F(DepreciationPageTest, ZeroResetLeavesOneEmptyRow) {
  resetPage(1);
  choose(2);
  resetPage(0);
  EXPECT_EQ(method->ItemIndex(), 0);
  EXPECT_EQ(rows(), Rows({"|||"}));
  EXPECT_EQ(total(), "$0.00");
  EXPECT_EQ(find<TFnpNumericEdit>("edtDepreciationPeriod")->text(), "0");
  EXPECT_EQ(focusName(), "edtOriginalCost");
  EXPECT_TRUE(log.entries.empty());
}

// The parts the all-calculators resets run while another page is on show: the sample
// column keeps the old cell texts in its ten rows, the zero column empties them.
TEST_F(DepreciationPageTest, ResetColumnsFromAnotherPage) {
  typeInputs("10000", "1000", "12");
  const Rows twelve = rows();
  ASSERT_EQ(twelve.size(), 12u);
  window->ShowPageByKey("QC");
  page->WriteValues(true);
  page->ClosingSteps();
  EXPECT_EQ(rows(), Rows(twelve.begin(), twelve.begin() + 10));
  EXPECT_EQ(total(), "$7,500.00");
  page->WriteValues(false);
  page->ClosingSteps();
  EXPECT_EQ(rows(), Rows(10, "|||"));
  EXPECT_FALSE(find<QToolButton>("btnPrint")->isEnabled());
  EXPECT_TRUE(log.entries.empty());
}

struct RefusalCase {
  const char* name;
  QString typed;   // typed over the selected period, or
  QString placed;  // a text put there from outside (a document, a paste of stars)
  QString message;
};

TEST_F(DepreciationPageTest, RefusedPeriodsLeaveThePageAsItWas) {
  const RefusalCase cases[] = {
      {"32768_years", "32768", "", kMathErrorMessage},
      {"a_billion_less_one", "999999999", "", kMathErrorMessage},
      {"too_long_for_the_field", "", "*********", kMathErrorMessage},
      {"no_number", "", "x", kUnidentifiedErrorMessage},
  };
  auto* period = find<TFnpNumericEdit>("edtDepreciationPeriod");
  for (const RefusalCase& c : cases) {
    SCOPED_TRACE(c.name);
    resetPage(1);
    const Rows before = rows();
    period->setFocus();
    if (c.placed.isEmpty()) {
      period->selectAll();
      QTest::keyClicks(period, c.typed);
    } else {
      period->setText(c.placed);
    }
    log.entries.clear();
    QTest::keyClick(period, Qt::Key_Tab);
    QCoreApplication::processEvents();
    EXPECT_EQ(log.informationTexts(), QStringList({c.message}));
    EXPECT_EQ(rows(), before);
    EXPECT_EQ(total(), "$7,500.00");
  }
}

TEST_F(DepreciationPageTest, LongestScheduleAndPeriodsWithoutYears) {
  typeInputs("10000", "1000", "32767");
  ASSERT_EQ(grid->RowCount(), 32767);
  EXPECT_EQ(grid->Cell(0, 32766), "32767");
  EXPECT_EQ(grid->Cell(3, 32766), "$9,000.00");
  EXPECT_TRUE(log.entries.empty());

  find<TFnpNumericEdit>("edtDepreciationPeriod")->SetValue(-4);
  page->CalcDepreciation();
  EXPECT_EQ(rows(), Rows({"|||"}));
  EXPECT_EQ(total(), "$9,000.00");
}

TEST_F(DepreciationPageTest, SalvageAboveCostIsShownNegative) {
  typeInputs("1000", "1600", "2");
  EXPECT_EQ(rows(), Rows({"1|$1,000.00|($300.00)|($300.00)", "2|$1,300.00|($300.00)|($600.00)"}));
  EXPECT_EQ(total(), "-$600.00");  // the picture field's own negative form
}

// Text pixels of the cell (col, row) in the grid's picture: the columns of the cell's
// inner width that hold a dark pixel.
std::vector<int> inkColumns(const QImage& image, const QRect& cell) {
  std::vector<int> columns;
  for (int x = cell.left() + 1; x < cell.right() - 1; ++x)
    for (int y = cell.top() + 2; y < cell.bottom() - 1; ++y)
      if (image.pixelColor(x, y).lightness() < 128) {
        columns.push_back(x);
        break;
      }
  return columns;
}

TEST_F(DepreciationPageTest, TheWidestAmountsShowWholeInTheirColumns) {
  typeInputs("9999999999.99", "0", "1");
  ASSERT_EQ(grid->Cell(1, 0), "$9,999,999,999.99");
  const QImage image = grid->viewport()->grab().toImage();
  for (int c = 1; c < 4; ++c) {
    const QRect cell = grid->visualRect(grid->model()->index(0, c));
    const std::vector<int> ink = inkColumns(image, cell);
    ASSERT_FALSE(ink.empty()) << "column " << c;
    // Not cut at either edge: blank space left and right of the text.
    EXPECT_GT(ink.front(), cell.left() + 2) << "column " << c;
    EXPECT_LT(ink.back(), cell.right() - 3) << "column " << c;
  }
}

TEST_F(DepreciationPageTest, ClickingTheGridRebuildsItAndShowsNoSelection) {
  typeInputs("10000", "1000", "5");
  grid->SetCell(2, 3, "stale");
  clickCell(2, 3);
  EXPECT_EQ(grid->Cell(2, 3), "$1,800.00");
  // The clicked cell is drawn like its neighbour: white around its centred text.
  const QImage image = grid->viewport()->grab().toImage();
  const QRect clicked = grid->visualRect(grid->model()->index(3, 2));
  const QRect other = grid->visualRect(grid->model()->index(1, 2));
  EXPECT_EQ(image.pixelColor(clicked.topLeft() + QPoint(3, 3)), QColor(Qt::white));
  EXPECT_EQ(image.pixelColor(clicked.topLeft() + QPoint(3, 3)), image.pixelColor(other.topLeft() + QPoint(3, 3)));
}

// Moving about the focused grid with the keys selects cells too; none of them shows.
TEST_F(DepreciationPageTest, KeysInTheFocusedGridShowNoSelection) {
  typeInputs("10000", "1000", "5");
  grid->setFocus(Qt::TabFocusReason);
  QApplication::setActiveWindow(window.get());
  for (const auto key : {Qt::Key_Down, Qt::Key_End}) {
    QTest::keyClick(grid, key, key == Qt::Key_End ? Qt::ControlModifier : Qt::NoModifier);
    QCoreApplication::processEvents();
    const QModelIndex current = grid->currentIndex();
    ASSERT_TRUE(current.isValid());
    ASSERT_TRUE(grid->hasFocus());
    const QImage image = grid->viewport()->grab().toImage();
    const QRect cell = grid->visualRect(current);
    const QRect other = grid->visualRect(grid->model()->index(current.row() == 0 ? 1 : 0, current.column()));
    EXPECT_EQ(image.pixelColor(cell.topLeft() + QPoint(3, 3)), QColor(Qt::white)) << key;
    EXPECT_EQ(image.pixelColor(cell.topLeft() + QPoint(3, 3)), image.pixelColor(other.topLeft() + QPoint(3, 3)))
        << key;
  }
}

}  // namespace
}  // namespace zeb::test
