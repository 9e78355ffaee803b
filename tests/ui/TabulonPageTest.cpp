// The Tabulon page in a real main window: its controls, the calculation switch, the
// fills on leaving a field and on a changed choice, the grid's events, the resets and
// the application-wide handler's repair.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <memory>

#include "app/AppInfo.h"
#include "app/Main.h"
#include "calculators/TabulonPage.h"
#include "finance/Errors.h"
#include "widgets/Messages.h"
#include "widgets/Mneyedit.h"
#include "widgets/PictureField.h"
#include "widgets/TextGrid.h"

namespace zeb {
namespace {

// Fails the test, instead of hanging it, when a modal dialog opens.
class ModalDialogWatchdog {
public:
  ModalDialogWatchdog() {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        opened_ = true;
        if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
        else modal->close();
      }
    });
    timer_.start(100);
  }
  ~ModalDialogWatchdog() { EXPECT_FALSE(opened_) << "a modal dialog opened"; }

private:
  QTimer timer_;
  bool opened_ = false;
};

class TabulonPageTest : public ::testing::Test {
protected:
  void SetUp() override {
    w = std::make_unique<TfrmMain>();
    w->show();
    QApplication::setActiveWindow(w.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    page = w->Tabulon();
    ASSERT_NE(page, nullptr);
    edtLoan = find<TMoneyEdit>("edtLoan");
    edtInterest = find<TMoneyEdit>("edtInterest");
    edtTerm = find<TOvcPictureField>("edtTerm");
    edtPayment = find<TMoneyEdit>("edtPayment");
    edtTotalPaid = find<TOvcPictureField>("edtTotalPaid");
    edtInterestPaid = find<TOvcPictureField>("edtInterestPaid");
    rgCalculate = find<TRadioGroup>("rgCalculate");
    rgLoan = find<TRadioGroup>("rgLoan");
    rgInterest = find<TRadioGroup>("rgInterest");
    rgPayments = find<TRadioGroup>("rgPayments");
    grdTB = find<TTextGrid>("grdTB");
    btnPrint = find<QToolButton>("btnPrint");
    w->ShowPageByKey("TB");
    ASSERT_EQ(w->CurrentPageKey(), "TB");
  }

  template <class T>
  T* find(const char* name) {
    T* widget = w->findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }

  // The sample values through the page's own reset.
  void sample() {
    w->SetDefaultValueSet(1);
    w->ResetCurrentPage();
  }
  // Chooses an item the way the user does.
  static void click(TRadioGroup* group, int index) {
    QTest::mouseClick(group->Button(index), Qt::LeftButton);
    QCoreApplication::processEvents();
  }
  void clickCell(int col, int row) {
    const QRect rect = grdTB->visualRect(grdTB->model()->index(row - 1, col));
    QTest::mouseClick(grdTB->viewport(), Qt::LeftButton, {}, rect.center());
    QCoreApplication::processEvents();
  }
  // Leaves the focused field for `next`, a real focus change.
  static void moveFocus(QWidget* from, QWidget* next) {
    from->setFocus();
    QCoreApplication::processEvents();
    next->setFocus();
    QCoreApplication::processEvents();
  }
  QString cell(int col, int row) const { return grdTB->Cell(col, row); }
  static QString focusName() {
    QWidget* f = QApplication::focusWidget();
    return f ? f->objectName() : QString();
  }

  MessageLog log;
  MessageRecorder recorder{log};
  ModalDialogWatchdog watchdog;
  std::unique_ptr<TfrmMain> w;
  TabulonPage* page = nullptr;
  TMoneyEdit *edtLoan = nullptr, *edtInterest = nullptr, *edtPayment = nullptr;
  TOvcPictureField *edtTerm = nullptr, *edtTotalPaid = nullptr, *edtInterestPaid = nullptr;
  TRadioGroup *rgCalculate = nullptr, *rgLoan = nullptr, *rgInterest = nullptr, *rgPayments = nullptr;
  TTextGrid* grdTB = nullptr;
  QToolButton* btnPrint = nullptr;
};

QStringList Items(const TRadioGroup* group) {
  QStringList items;
  for (int i = 0; i < group->Count(); ++i) items << group->Button(i)->text();
  return items;
}

// Every item of a step group shows its whole text: the indicator, its spacing and the
// text fit the item, and the item lies inside the group's frame and on the page.
void ExpectItemsFit(const TRadioGroup* group) {
  QCoreApplication::processEvents();  // the group's layout runs once it is shown
  const QRect inside = group->contentsRect();
  for (int i = 0; i < group->Count(); ++i) {
    const QRadioButton* b = group->Button(i);
    const int needed = b->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, b) +
                       b->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, b) +
                       b->fontMetrics().horizontalAdvance(b->text());
    EXPECT_LE(needed, b->width()) << group->objectName().toStdString() << " " << b->text().toStdString();
    EXPECT_TRUE(inside.contains(b->geometry())) << group->objectName().toStdString() << " " << b->text().toStdString();
    const QWidget* page = group->parentWidget();
    EXPECT_LE(b->mapTo(page, QPoint(b->width(), 0)).x(), page->width())
        << group->objectName().toStdString() << " " << b->text().toStdString() << " past the page";
  }
}

bool IsResult(QWidget* field) {
  auto* edit = qobject_cast<QLineEdit*>(field);
  return edit->isReadOnly() && !(field->focusPolicy() & Qt::TabFocus) &&
         field->palette().color(QPalette::Base) == QColor(Qt::yellow);
}
bool IsEntry(QWidget* field) {
  auto* edit = qobject_cast<QLineEdit*>(field);
  return !edit->isReadOnly() && (field->focusPolicy() & Qt::TabFocus) &&
         field->palette().color(QPalette::Base) == QColor(Qt::white);
}

TEST_F(TabulonPageTest, ControlsAtStart) {
  EXPECT_EQ(Items(rgCalculate), QStringList({"PMT (P && I)", "Loan", "Rates", "Term (Mo)"}));
  EXPECT_EQ(Items(rgLoan), QStringList({"$100", "$500", "$1000", "$5000", "$10000", "$50000", "$100000", "$500000",
                                        "$1000000"}));
  EXPECT_EQ(Items(rgInterest), QStringList({" .125", " .25", " .375", " .5", " .625", " .75", " .875", "1.0"}));
  EXPECT_EQ(Items(rgPayments),
            QStringList({"$50", "$100", "$250", "$500", "$750", "$1000", "$2500", "$5000", "$10000"}));
  EXPECT_EQ(rgCalculate->ItemIndex(), 0);
  EXPECT_EQ(rgLoan->ItemIndex(), 3);
  EXPECT_EQ(rgInterest->ItemIndex(), 3);
  EXPECT_EQ(rgPayments->ItemIndex(), 3);
  EXPECT_EQ(rgLoan->pos(), QPoint(217, 13));
  EXPECT_EQ(rgInterest->pos(), QPoint(424, 13));
  EXPECT_FALSE(rgPayments->isVisible());
  // The captions the calculation choice sets come only with its first click.
  EXPECT_EQ(find<QLabel>("lblLeft")->text(), "Loan Amount Increment:");
  EXPECT_EQ(find<QLabel>("lblRight")->text(), "Interest Rate Increment:");
  for (auto [name, caption] : {std::pair{"lblLoan", "Loan"}, {"lblInterest", "Rate"}, {"lblTerm", "Months"},
                               {"lblPayment", "PMT"}, {"lblTotalPaid", "Total Amount Paid"},
                               {"lblInterestPaid", "Interest Paid"}}) {
    EXPECT_EQ(find<QLabel>(name)->text(), caption);
    EXPECT_EQ(find<QLabel>(name)->font().family(), "Arial");
  }

  EXPECT_EQ(edtLoan->Decimals(), 2);
  EXPECT_EQ(edtInterest->Decimals(), 5);
  EXPECT_EQ(edtPayment->Decimals(), 2);
  EXPECT_EQ(edtTerm->PictureMask(), "iiiiii");
  EXPECT_EQ(edtTotalPaid->PictureMask(), "$#,###,###,###.##");
  EXPECT_EQ(edtInterestPaid->PictureMask(), "$#,###,###,###.##");
  EXPECT_TRUE(IsResult(edtPayment));
  EXPECT_TRUE(IsResult(edtTotalPaid));
  EXPECT_TRUE(IsResult(edtInterestPaid));
  for (QWidget* entry : std::initializer_list<QWidget*>{edtLoan, edtInterest, edtTerm}) EXPECT_TRUE(IsEntry(entry));
  EXPECT_EQ(edtPayment->toolTip(), "Calculated Monthly Payment");
  EXPECT_EQ(edtLoan->statusTip(), "Enter Loan Amount");

  EXPECT_EQ(grdTB->ColCount(), 8);
  EXPECT_EQ(grdTB->RowCount(), 12);
  EXPECT_EQ(grdTB->ColWidth(0), 69);
  EXPECT_EQ(grdTB->ColWidth(1), 73);
  EXPECT_EQ(grdTB->rowHeight(0), 19);
  EXPECT_EQ(grdTB->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  EXPECT_EQ(grdTB->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  EXPECT_EQ(grdTB->editTriggers(), QAbstractItemView::NoEditTriggers);
  EXPECT_LE(grdTB->geometry().bottom(), 380);
  EXPECT_LE(grdTB->geometry().right(), 597);
}

TEST_F(TabulonPageTest, SampleGridOfPayments) {
  sample();
  EXPECT_EQ(cell(0, 0), " Loan / Rate");
  EXPECT_EQ(cell(0, 1), " $75,000");
  EXPECT_EQ(cell(0, 11), " $125,000");
  EXPECT_EQ(cell(1, 0), "  7.25%");
  EXPECT_EQ(cell(7, 0), "  10.25%");
  EXPECT_EQ(cell(1, 1), " $511.63");
  EXPECT_EQ(cell(4, 6), " $786.70");
  EXPECT_EQ(cell(7, 11), " $1,120.13");
  EXPECT_EQ(edtPayment->text(), "786.70");
  EXPECT_EQ(edtTotalPaid->text().trimmed(), "$283,212.15");
  EXPECT_EQ(edtInterestPaid->text().trimmed(), "$183,212.15");
  EXPECT_EQ(page->TabulonMode(), 0);
  EXPECT_EQ(page->LoanIncrementText(), "$5000");
  EXPECT_EQ(page->RateIncrementText(), "1/2%");
  EXPECT_EQ(grdTB->SelectedCol(), 4);
  EXPECT_EQ(grdTB->SelectedRow(), 6);
  EXPECT_EQ(focusName(), "edtLoan");
  EXPECT_TRUE(log.entries.empty());
}

// ---- the calculation switch ---------------------------------------------------------------

struct SwitchCase {
  const char* name;
  int index;
  const char* result;  // the one yellow field among the four
  const char* hint;    // its hint
  bool loanShown, interestShown, paymentsShown;
  int paymentsX, paymentsWidth;  // where rgPayments stands when shown
  const char* left;
  const char* right;
  const char* focus;
  const char* corner;
  const char* gridHint;
};

void PrintTo(const SwitchCase& c, std::ostream* os) { *os << c.name; }

class TabulonSwitch : public TabulonPageTest, public ::testing::WithParamInterface<SwitchCase> {};

TEST_P(TabulonSwitch, LaysOutThePageAndRefills) {
  const SwitchCase& p = GetParam();
  sample();
  if (p.index == 0) click(rgCalculate, 2);  // so that choosing payments is a change
  edtTerm->setFocus();
  btnPrint->setEnabled(false);
  click(rgCalculate, p.index);

  EXPECT_EQ(page->TabulonMode(), p.index);
  for (QWidget* field : std::initializer_list<QWidget*>{edtPayment, edtLoan, edtTerm, edtInterest}) {
    if (field->objectName() == p.result) {
      EXPECT_TRUE(IsResult(field)) << p.result;
      EXPECT_EQ(field->toolTip(), p.hint);
      EXPECT_EQ(field->statusTip(), p.hint);
    } else {
      EXPECT_TRUE(IsEntry(field)) << field->objectName().toStdString();
      const QString entryHint = field == edtPayment ? "Enter Monthly Payment"
                                : field == edtLoan   ? "Enter Loan Amount"
                                : field == edtTerm   ? "Enter Term in Months"
                                                     : "Enter Interest Rate";
      EXPECT_EQ(field->toolTip(), entryHint);
      EXPECT_EQ(field->statusTip(), entryHint);
    }
  }
  EXPECT_EQ(rgLoan->isVisible(), p.loanShown);
  EXPECT_EQ(rgInterest->isVisible(), p.interestShown);
  EXPECT_EQ(rgPayments->isVisible(), p.paymentsShown);
  if (p.loanShown) EXPECT_EQ(rgLoan->pos(), QPoint(217, 13));
  if (p.interestShown) EXPECT_EQ(rgInterest->pos(), QPoint(424, 13));
  if (p.paymentsShown) {
    EXPECT_EQ(rgPayments->pos(), QPoint(p.paymentsX, 13));
    EXPECT_EQ(rgPayments->width(), p.paymentsWidth);
  }
  for (TRadioGroup* group : {rgLoan, rgInterest, rgPayments})
    if (group->isVisible()) ExpectItemsFit(group);
  EXPECT_EQ(find<QLabel>("lblLeft")->text(), p.left);
  EXPECT_EQ(find<QLabel>("lblRight")->text(), p.right);
  EXPECT_EQ(focusName(), p.focus);
  EXPECT_EQ(cell(0, 0), p.corner);
  EXPECT_FALSE(cell(4, 6).isEmpty());
  EXPECT_TRUE(btnPrint->isEnabled());

  QMouseEvent move(QEvent::MouseMove, QPointF(20, 30), QPointF(20, 30), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(grdTB->viewport(), &move);
  EXPECT_EQ(grdTB->toolTip(), p.gridHint);
  EXPECT_EQ(w->StatusText(), p.gridHint);

  // The Tab key walks the three entry fields in page order, skipping the result, and
  // then leaves the fields for the choices.
  QStringList entries = {"edtLoan", "edtInterest", "edtTerm", "edtPayment"};
  entries.removeOne(p.result);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(focusName(), entries[i]) << "after " << i << " Tab";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCoreApplication::processEvents();
  }
  EXPECT_FALSE(focusName().startsWith("edt")) << focusName().toStdString();
  EXPECT_TRUE(log.entries.empty());
}

INSTANTIATE_TEST_SUITE_P(
    , TabulonSwitch,
    ::testing::Values(
        SwitchCase{"Payments", 0, "edtPayment", "Calculated Monthly Payment", true, true, false, 0, 0,
                   "Increment Loan Amounts By", "Increment Interest Rates By", "edtLoan", " Loan / Rate",
                   " Grid is displaying Payment Amounts"},
        SwitchCase{"LoanAmounts", 1, "edtLoan", "Calculated Loan Amount", false, true, true, 217, 209,
                   "Increment Payments By", "Increment Interest Rates By", "edtInterest", " Pmt / Rate",
                   " Grid is displaying Loan Amounts"},
        SwitchCase{"InterestRates", 2, "edtInterest", "Calculated Interest Rate", true, false, true, 424, 172,
                   "Increment Loan Amounts By", "Increment Payments By", "edtLoan", " Loan / Pmt",
                   " Grid is displaying Interest Rates"},
        SwitchCase{"Terms", 3, "edtTerm", "Calculated Term in Months", true, false, true, 424, 172,
                   "Increment Loan Amounts By", "Increment Payments By", "edtLoan", " Loan / Pmt",
                   " Grid is displaying Term in Months"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TabulonPageTest, TermsKeepThePaymentGroupsWidth) {
  click(rgCalculate, 1);
  click(rgCalculate, 3);
  EXPECT_EQ(rgPayments->pos(), QPoint(424, 13));
  EXPECT_EQ(rgPayments->width(), 209);
  ExpectItemsFit(rgPayments);
}

TEST_F(TabulonPageTest, EachCalculationSolvesTheSampleLoan) {
  sample();
  click(rgCalculate, 1);
  EXPECT_EQ(edtLoan->text(), "99,999.95");
  EXPECT_EQ(cell(4, 6), " $100,000");
  EXPECT_EQ(page->PaymentIncrementText(), "$500");

  // Set in code from here on: a click would first leave edtInterest and refill the
  // loan amounts over the loan typed here.
  edtLoan->SetTextAsFloat(100000);
  rgCalculate->SetItemIndex(2);
  EXPECT_EQ(edtInterest->text(), "8.75022");
  EXPECT_EQ(cell(4, 6), " 8.750%");

  edtInterest->SetTextAsFloat(8.75);
  rgCalculate->SetItemIndex(3);
  EXPECT_EQ(edtTerm->AsInteger(), 360);
  EXPECT_EQ(cell(4, 6), " 360.00");
  EXPECT_EQ(edtTotalPaid->text().trimmed(), "$283,212.71");
  // Column 1 pays -713.30: its terms carry no leading blank; the others do.
  EXPECT_FALSE(cell(1, 6).startsWith(' '));
  EXPECT_EQ(cell(3, 6), " 0.00");  // 286.70 does not cover the 729.17 of interest
  EXPECT_TRUE(log.entries.empty());
}

TEST_F(TabulonPageTest, AStepChangeRelaysOutMovesTheFocusAndRefills) {
  sample();
  edtTerm->setFocus();
  QCoreApplication::processEvents();
  click(rgInterest, 7);  // 1.0 percentage point
  EXPECT_EQ(focusName(), "edtLoan");
  EXPECT_EQ(page->RateIncrementText(), "1%");
  EXPECT_EQ(cell(1, 0), "  5.75%");
  EXPECT_EQ(cell(7, 0), "  11.75%");
  EXPECT_EQ(cell(4, 6), " $786.70");
  EXPECT_EQ(grdTB->SelectedCol(), 4);
  EXPECT_EQ(grdTB->SelectedRow(), 6);
}

TEST_F(TabulonPageTest, LeavingAFieldRefills) {
  sample();
  edtLoan->setFocus();
  QCoreApplication::processEvents();
  edtLoan->SetTextAsFloat(200000);
  btnPrint->setEnabled(false);
  QTest::keyClick(edtLoan, Qt::Key_Tab);
  QCoreApplication::processEvents();
  EXPECT_EQ(focusName(), "edtInterest");
  EXPECT_EQ(cell(0, 6), " $200,000");
  EXPECT_EQ(cell(4, 6), " $1,573.40");
  EXPECT_EQ(edtPayment->text(), "1,573.40");
  EXPECT_TRUE(btnPrint->isEnabled());

  edtTerm->SetAsInteger(0);  // a term of 0 pays nothing
  moveFocus(edtTerm, edtLoan);
  for (int c = 1; c <= 7; ++c)
    for (int r = 1; r <= 11; ++r) ASSERT_EQ(cell(c, r), " $0.00") << c << "," << r;
}

TEST_F(TabulonPageTest, ClickingAnyCellLeavesTheCentreSelected) {
  sample();
  for (auto [col, row] : {std::pair{1, 1}, {7, 11}, {4, 1}, {2, 6}, {0, 3}, {4, 6}}) {
    clickCell(col, row);
    EXPECT_EQ(grdTB->SelectedCol(), 4) << col << "," << row;
    EXPECT_EQ(grdTB->SelectedRow(), 6) << col << "," << row;
  }
  grdTB->setFocus();
  QTest::keyClick(grdTB, Qt::Key_Down);
  QCoreApplication::processEvents();
  EXPECT_EQ(grdTB->SelectedRow(), 6);
}

TEST_F(TabulonPageTest, EnteringThePageWhileLoanAmountsAreSolvedFocusesThePayment) {
  sample();
  click(rgCalculate, 1);
  w->ShowPageByKey("QC");
  edtPayment->SetTextAsFloat(1000);
  w->ShowPageByKey("TB");
  EXPECT_EQ(focusName(), "edtPayment");
  EXPECT_EQ(cell(0, 6), " $1,000.00");
}

TEST_F(TabulonPageTest, AChoiceSetInCodeOnAnotherPageRefillsWithoutFocus) {
  sample();
  w->ShowPageByKey("QC");
  QWidget* before = QApplication::focusWidget();
  rgCalculate->SetItemIndex(2);
  EXPECT_EQ(QApplication::focusWidget(), before);
  EXPECT_EQ(page->TabulonMode(), 2);
  EXPECT_EQ(cell(0, 0), " Loan / Pmt");
  EXPECT_EQ(cell(4, 6), " 8.750%");
  EXPECT_TRUE(IsResult(edtInterest));
}

// ---- resets -------------------------------------------------------------------------------

TEST_F(TabulonPageTest, ResetToZeroFromAnotherCalculation) {
  sample();
  click(rgCalculate, 3);
  w->SetDefaultValueSet(0);
  w->ResetCurrentPage();
  EXPECT_EQ(rgCalculate->ItemIndex(), 0);
  EXPECT_EQ(page->TabulonMode(), 0);
  EXPECT_EQ(edtLoan->text(), "0.00");
  EXPECT_EQ(edtInterest->text(), "0.00000");
  EXPECT_EQ(edtTerm->AsInteger(), 0);
  EXPECT_EQ(edtPayment->text(), "0.00");
  EXPECT_TRUE(IsResult(edtPayment));
  EXPECT_EQ(cell(0, 0), " Loan / Rate");
  EXPECT_EQ(cell(0, 6), " $0");
  EXPECT_EQ(cell(4, 6), " $0.00");
  EXPECT_EQ(focusName(), "edtLoan");
  EXPECT_TRUE(log.entries.empty());
}

TEST_F(TabulonPageTest, SampleValuesForAllCalculatorsWhileAnotherPageIsShown) {
  w->ShowPageByKey("QC");
  w->ResetAllToSamples();
  EXPECT_EQ(edtLoan->text(), "100,000.00");
  EXPECT_EQ(edtInterest->text(), "8.75000");
  EXPECT_EQ(edtTerm->AsInteger(), 360);
  EXPECT_EQ(cell(4, 6), " $786.70");
  EXPECT_NE(focusName(), "edtLoan");
}

// ---- errors ---------------------------------------------------------------------------------

TEST_F(TabulonPageTest, MathErrorOnThisPageRepairsTheInputsAndRefills) {
  sample();
  edtLoan->SetTextAsFloat(5);
  edtInterest->SetTextAsFloat(1);
  edtTerm->SetAsInteger(12);
  w->AppOnException(std::make_exception_ptr(EMathError("x")));
  ASSERT_EQ(log.informationTexts(), QStringList({kMathErrorMessage}));
  EXPECT_EQ(edtLoan->text(), "100,000.00");
  EXPECT_EQ(edtInterest->text(), "8.75000");
  EXPECT_EQ(edtTerm->AsInteger(), 360);
  EXPECT_EQ(edtPayment->text(), "786.70");
  EXPECT_EQ(focusName(), "edtLoan");
  EXPECT_EQ(cell(0, 6), " $100,000");
  EXPECT_EQ(cell(4, 6), " $786.70");
}

TEST_F(TabulonPageTest, MathErrorElsewhereCleansAndRefillsFromTheTypedInputs) {
  sample();
  // The Amortization page's own repair runs first; the grid is refilled after it.
  for (const char* key : {"QC", "Amort", "Menu"}) {
    SCOPED_TRACE(key);
    log.entries.clear();
    edtLoan->SetTextAsFloat(200000);
    w->ShowPageByKey(key);
    grdTB->ClearCells();
    w->AppOnException(std::make_exception_ptr(EMathError("x")));
    ASSERT_EQ(log.informationTexts(), QStringList({kMathErrorMessage}));
    EXPECT_EQ(edtLoan->text(), "200,000.00");
    EXPECT_EQ(cell(0, 0), " Loan / Rate");
    EXPECT_EQ(cell(0, 6), " $200,000");
    EXPECT_EQ(cell(4, 6), " $1,573.40");
  }
}

TEST_F(TabulonPageTest, RateOfMinus1200PercentEndsInTheCalculationMessage) {
  sample();
  // Column 1 then stands at -1200 %, where the logarithm of 1 + i is undefined.
  edtInterest->SetTextAsFloat(-1198.5);
  ASSERT_EQ(focusName(), "edtLoan");
  edtTerm->setFocus();  // leaving edtLoan fills the grid
  QCoreApplication::processEvents();
  ASSERT_EQ(log.informationTexts(), QStringList({kMathErrorMessage}));
  EXPECT_EQ(edtInterest->text(), "8.75000");
  EXPECT_EQ(cell(1, 0), "  7.25%");
  EXPECT_EQ(cell(4, 6), " $786.70");
  EXPECT_EQ(focusName(), "edtLoan");
}

TEST_F(TabulonPageTest, NegativeAxisValuesAreShownWithoutAMessage) {
  sample();
  click(rgLoan, 8);  // $1000000: the first five rows fall below zero
  EXPECT_EQ(cell(0, 1), " ($4,900,000)");
  EXPECT_TRUE(cell(4, 1).startsWith(" ("));
  click(rgCalculate, 2);
  click(rgPayments, 8);  // payments down to -29,213.30
  EXPECT_EQ(cell(1, 0), "  ($29,213.00)");  // five significant digits
  EXPECT_TRUE(log.entries.empty());
}

TEST_F(TabulonPageTest, ATermTextThatIsNoNumberEndsTheFillBeforeAnyCell) {
  sample();
  const QString centreBefore = cell(4, 6);
  edtTerm->setText("    x6");
  edtLoan->SetTextAsFloat(200000);
  ASSERT_EQ(focusName(), "edtLoan");
  edtInterest->setFocus();
  QCoreApplication::processEvents();
  ASSERT_EQ(log.informationTexts(), QStringList({kUnidentifiedErrorMessage}));
  EXPECT_EQ(cell(0, 6), " $100,000");
  EXPECT_EQ(cell(4, 6), centreBefore);
}

TEST_F(TabulonPageTest, TermTooLargeKeepsTheCellsWrittenSoFar) {
  sample();
  click(rgCalculate, 3);
  const QString lastBefore = cell(7, 11);
  const QString centreBefore = cell(4, 6);
  const QString belowCentreBefore = cell(4, 7);
  // 1,000,000,000 at no interest paid 0.01 a month: 1E11 payments, no 32-bit number.
  edtLoan->SetTextAsFloat(1e9);
  edtInterest->SetTextAsFloat(0);
  edtPayment->SetTextAsFloat(0.01);
  ASSERT_EQ(focusName(), "edtLoan");
  edtInterest->setFocus();  // leaving edtLoan fills the grid
  QCoreApplication::processEvents();
  ASSERT_EQ(log.informationTexts(), QStringList({kUnidentifiedErrorMessage}));
  EXPECT_EQ(cell(0, 6), " $1,000,000,000");
  EXPECT_NE(cell(4, 6), centreBefore);  // written before the centre's term failed
  EXPECT_EQ(cell(4, 7), belowCentreBefore);  // the fill ended at the centre
  EXPECT_EQ(cell(7, 11), lastBefore);
  EXPECT_EQ(edtTerm->AsInteger(), 360);
  EXPECT_EQ(edtTotalPaid->text().trimmed(), "$283,212.71");
}

}  // namespace
}  // namespace zeb
