// The Amortization Schedules page on a real main window: building schedules, the
// extra-payment panel, the two views, the resets and the error paths.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <memory>
#include <vector>

#include "app/Main.h"
#include "calculators/Amortization.h"
#include "calculators/AmortizationPage.h"
#include "calculators/MortLib.h"
#include "widgets/Messages.h"
#include "widgets/Mneyedit.h"
#include "widgets/PictureField.h"
#include "widgets/TextGrid.h"
#include "widgets/UiText.h"

namespace zeb {
namespace {

const QString kOutOfRange =
    "This amortization cannot be calculated with these values.\n\r\n\r"
    "Please use the edit boxes and radio buttons to\n\r"
    "indicate the amount of your extra payments.";
const QString kUnidentified = "An unidentified error has occurred.";
const QString kMathError =
    "Valid results cannot be calculated using\n\rthe variables you have entered.\n\r\n\r"
    "Please try again with reasonable values.";

// Fails the test and closes the dialog when anything modal opens.
class ModalWatchdog {
public:
  ModalWatchdog() {
    timer_.setInterval(100);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        opened_ = true;
        if (auto* d = qobject_cast<QDialog*>(modal)) d->reject();
        else modal->close();
      }
    });
    timer_.start();
  }
  ~ModalWatchdog() { EXPECT_FALSE(opened_) << "a modal dialog opened"; }
  ModalWatchdog(const ModalWatchdog&) = delete;
  ModalWatchdog& operator=(const ModalWatchdog&) = delete;

private:
  QTimer timer_;
  bool opened_ = false;
};

class AmortPage : public ::testing::Test {
protected:
  void SetUp() override {
    window = std::make_unique<TfrmMain>();
    window->show();
    window->ShowPageByKey("Amort");
    ASSERT_EQ(window->CurrentPageKey(), "Amort");
    page = window->Amortization();
    monthly = page->grdAmortization();
    annual = page->grdAnnualAmortization();
    log.entries.clear();
  }
  void TearDown() override { window.reset(); }

  template <class T>
  T* find(const char* name) const {
    T* w = window->findChild<T*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
  }

  void setLoan(double amount, double rate, int term, const QString& month, int year) {
    find<TMoneyEdit>("edtMortAmt")->SetTextAsFloat(amount);
    find<TMoneyEdit>("edtIRate")->SetTextAsFloat(rate);
    find<TOvcPictureField>("edtNumPmts")->SetAsInteger(term);
    find<QComboBox>("cbMonth")->setEditText(month);
    find<TOvcPictureField>("edtYear")->SetAsInteger(year);
  }
  void build() { find<QPushButton>("btnCalculate")->click(); }
  void buildSample(const QString& month = "Jan", int year = 2000) {
    setLoan(100000, 8.75, 360, month, year);
    build();
  }
  void click(const char* name) { find<QAbstractButton>(name)->click(); }
  // Opens the panel and applies one extra payment of the chosen kind.
  void applyExtra(const char* kind, int from, int to, double amount) {
    click("btnAddExtra");
    click(kind);
    find<TOvcPictureField>("edtFromPmt")->SetAsInteger(from);
    find<TOvcPictureField>("edtToPmt")->SetAsInteger(to);
    find<TMoneyEdit>("edtExtraAmount")->SetTextAsFloat(amount);
    click("btnRecalcExtra");
  }
  QStringList monthlyRow(int row) const {
    QStringList out;
    for (int c = 0; c < 8; ++c) out << monthly->Cell(c, row);
    return out;
  }
  QStringList annualRow(int row) const {
    QStringList out;
    for (int c = 0; c < 5; ++c) out << annual->Cell(c, row);
    return out;
  }
  QString payment() const { return find<TOvcPictureField>("edtAmortPayment")->text().trimmed(); }
  bool printEnabled() const { return find<QToolButton>("btnPrint")->isEnabled(); }

  MessageLog log;
  MessageRecorder recorder{log};
  ModalWatchdog watchdog;
  std::unique_ptr<TfrmMain> window;
  AmortizationPage* page = nullptr;
  TTextGrid* monthly = nullptr;
  TTextGrid* annual = nullptr;
};

TEST(AmortPageStart, StartUpResetsThePageToZeroWithoutBuilding) {
  MessageLog log;
  MessageRecorder recorder(log);
  ModalWatchdog watchdog;
  TfrmMain window;
  AmortizationPage* page = window.Amortization();
  ASSERT_NE(window.Mortgage(), nullptr);
  EXPECT_EQ(window.Mortgage()->NumPayments, 0);
  EXPECT_EQ(window.findChild<TMoneyEdit*>("edtMortAmt")->text(), "0.00");
  EXPECT_EQ(window.findChild<TMoneyEdit*>("edtIRate")->text(), "0.00000");
  EXPECT_EQ(window.findChild<TOvcPictureField*>("edtNumPmts")->AsInteger(), 0);
  EXPECT_EQ(window.findChild<QComboBox*>("cbMonth")->currentText(), window.TodayMonthShort());
  EXPECT_EQ(window.findChild<TOvcPictureField*>("edtYear")->AsInteger(), window.TodayYear());
  EXPECT_EQ(page->grdAmortization()->Cell(0, 0), "PMT");
  EXPECT_EQ(page->grdAmortization()->Cell(0, 1), "");
  EXPECT_EQ(page->grdAnnualAmortization()->Cell(4, 0), "Total Annual Payment");
  EXPECT_EQ(page->AmortStartMonth(), 1);
  EXPECT_EQ(page->AmortStartYear(), 2000);
  EXPECT_EQ(page->PrepaymentText(), "");
  EXPECT_TRUE(log.entries.empty());
}

TEST_F(AmortPage, ControlsCaptionsAndHints) {
  const std::pair<const char*, const char*> captions[] = {
      {"btnCalculate", "Create or Refresh Schedule"},
      {"btnAddExtra", "Add Prepayments"},
      {"btnAnnualMonthly", "View Annual Chart"},
      {"rbOnePmt", "&Single Payment"},
      {"rbRangePmts", "&Range of Payments"},
      {"rbAllPmts", "&All Payments"},
      {"btnRecalcExtra", "Apply Extra"},
      {"btnRemove", "Remove Extra"},
      {"btnCancel", "Return to Amort"},
  };
  for (const auto& [name, caption] : captions) EXPECT_EQ(find<QAbstractButton>(name)->text(), caption) << name;
  EXPECT_EQ(find<QLabel>("lblFromPmt")->text(), "From Payment #");
  EXPECT_EQ(find<QLabel>("lblToPmt")->text(), "To Payment #");
  EXPECT_TRUE(find<QRadioButton>("rbRangePmts")->isChecked());
  EXPECT_EQ(find<QWidget>("btnAnnualMonthly")->toolTip(), "Click for Annual Amortization Report ...");
  EXPECT_EQ(find<QWidget>("btnAnnualMonthly")->statusTip(), "Click for Annual Amortization Report ...");
  EXPECT_TRUE(find<QWidget>("pnlAddExtra")->isHidden());
  EXPECT_TRUE(find<QWidget>("memPrepayments")->isHidden());
  EXPECT_TRUE(annual->isHidden());
  EXPECT_EQ(monthly->y(), 150);
  EXPECT_EQ(monthly->y() + monthly->height(), page->height());
  EXPECT_EQ(find<QComboBox>("cbMonth")->count(), 12);
  EXPECT_EQ(find<TOvcPictureField>("edtAmortPayment")->focusPolicy() & Qt::TabFocus, 0);

  const int widths[] = {39, 55, 65, 65, 90, 90, 80, 90};
  const char* headings[] = {"PMT",        "Month",  "Principal", "Interest", "Total Principal", "Total Interest",
                            "Prepayment", "Balance"};
  for (int c = 0; c < 8; ++c) {
    EXPECT_EQ(monthly->Cell(c, 0), headings[c]);
    if (c < 7) EXPECT_EQ(monthly->ColWidth(c), widths[c]);
  }
  EXPECT_EQ(annual->Cell(2, 0), "Total Annual Principal");
  EXPECT_EQ(annual->ColWidth(1), 116);
}

TEST_F(AmortPage, TabOrderOfTheScheduleInputs) {
  QApplication::setActiveWindow(window.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  const char* order[] = {"edtMortAmt", "edtIRate", "edtNumPmts", "cbMonth", "edtYear", "btnCalculate"};
  find<QWidget>(order[0])->setFocus();
  for (size_t i = 1; i < std::size(order); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    if (qobject_cast<QComboBox*>(focus->parentWidget())) focus = focus->parentWidget();  // its line edit
    EXPECT_EQ(focus->objectName().toStdString(), order[i]);
  }
}

TEST_F(AmortPage, SampleLoanMonthlyAndAnnual) {
  buildSample();
  EXPECT_EQ(payment(), "$786.70");
  ASSERT_EQ(monthly->RowCount(), 361);
  EXPECT_EQ(monthlyRow(1),
            (QStringList{"1", "Jan 2000", "$57.53", "$729.17", "$57.53", "$729.17", "$0.00", "$99,942.47"}));
  EXPECT_EQ(monthly->Cell(7, 360), "$0.97");
  EXPECT_EQ(monthly->Cell(0, 361), "");  // rows the grid does not have read as empty
  ASSERT_EQ(annual->RowCount(), 31);
  EXPECT_EQ(annualRow(1).mid(0, 2), (QStringList{"1", "Jan - Dec 2000"}));
  EXPECT_EQ(annualRow(30).mid(0, 2), (QStringList{"30", "Jan - Dec 2029"}));
  EXPECT_TRUE(printEnabled());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);  // the hourglass is gone
  EXPECT_TRUE(log.entries.empty());
}

TEST_F(AmortPage, RangePrepaymentRowsSurviveARebuild) {
  buildSample();
  applyExtra("rbRangePmts", 1, 12, 5000);
  const std::vector<QStringList> expected = {
      {"1", "Jan 2000", "$5,057.53", "$729.17", "$5,057.53", "$729.17", "$5,000.00", "$94,942.47"},
      {"2", "Feb 2000", "$5,094.41", "$692.29", "$10,151.94", "$1,421.46", "$5,000.00", "$89,848.06"},
      {"12", "Dec 2000", "$5,478.31", "$308.39", "$63,184.48", "$6,255.92", "$5,000.00", "$36,815.52"},
      {"13", "Jan 2001", "$518.25", "$268.45", "$63,702.73", "$6,524.37", "$0.00", "$36,297.27"},
  };
  const int rows[] = {1, 2, 12, 13};
  for (size_t i = 0; i < 4; ++i) EXPECT_EQ(monthlyRow(rows[i]), expected[i]);
  EXPECT_FALSE(find<QWidget>("pnlAddExtra")->isHidden());  // the panel stays open
  const int shownRows = monthly->RowCount();

  click("btnCancel");
  build();
  for (size_t i = 0; i < 4; ++i) EXPECT_EQ(monthlyRow(rows[i]), expected[i]);
  EXPECT_EQ(monthly->RowCount(), shownRows);
  EXPECT_TRUE(page->PrepaymentText().startsWith("1 $5,000.00\r\n2 $5,000.00\r\n"));
  EXPECT_TRUE(page->PrepaymentText().contains("\r\n13 $0.00\r\n"));
  EXPECT_TRUE(log.entries.empty());
}

struct StartCase {
  const char* name;
  const char* month;
  int term;
  int annualRows;
  const char *firstPeriod, *lastPeriod;
};

TEST_F(AmortPage, AnnualRowsForDifferentStarts) {
  const StartCase cases[] = {
      {"March", "Mar", 360, 31, "Mar - Dec 2000", "Jan - Feb 2030"},
      {"December", "Dec", 360, 31, "Dec 2000", "Jan - Nov 2030"},
      {"February, one month left over", "Feb", 12, 2, "Feb - Dec 2000", "Jan 2001"},
      {"March, five payments", "Mar", 5, 1, "Mar - Dec 2000", "Mar - Dec 2000"},
  };
  for (const StartCase& c : cases) {
    SCOPED_TRACE(c.name);
    setLoan(100000, 8.75, c.term, c.month, 2000);
    build();
    ASSERT_EQ(annual->RowCount(), c.annualRows + 1);
    EXPECT_EQ(annual->Cell(1, 1), c.firstPeriod);
    EXPECT_EQ(annual->Cell(1, c.annualRows), c.lastPeriod);
  }
}

TEST_F(AmortPage, LoanOfZeroShowsBlanksAndStillOpensThePanel) {
  setLoan(0, 8.75, 360, "Jan", 2000);
  build();
  ASSERT_EQ(monthly->RowCount(), 2);
  EXPECT_EQ(monthlyRow(1), QStringList(8, " "));
  EXPECT_EQ(annual->RowCount(), 1);
  EXPECT_EQ(annual->Cell(0, 0), "Year");
  click("btnAddExtra");
  EXPECT_FALSE(find<QWidget>("pnlAddExtra")->isHidden());
  EXPECT_FALSE(find<QWidget>("edtMortAmt")->isEnabled());
}

TEST_F(AmortPage, PayoffEndsTheMonthlyGrid) {
  buildSample();
  applyExtra("rbOnePmt", 10, 0, 200000);
  ASSERT_EQ(monthly->RowCount(), 11);
  EXPECT_EQ(monthly->Cell(7, 10), "$0.00");
  EXPECT_EQ(monthly->Cell(4, 10), "$100,000.00");
  ASSERT_EQ(annual->RowCount(), 2);
  EXPECT_EQ(annual->Cell(2, 1), "$100,000.00");
}

TEST_F(AmortPage, ReducingTheTermDropsAPrepaymentForGood) {
  buildSample();
  applyExtra("rbOnePmt", 300, 0, 100);
  EXPECT_EQ(monthly->Cell(6, 300), "$100.00");
  click("btnCancel");
  find<TOvcPictureField>("edtNumPmts")->SetAsInteger(250);
  build();
  EXPECT_EQ(monthly->RowCount(), 251);
  find<TOvcPictureField>("edtNumPmts")->SetAsInteger(360);
  build();
  EXPECT_EQ(monthly->Cell(6, 300), "$0.00");
  EXPECT_EQ(monthly->Cell(7, 360), "$0.97");
}

TEST_F(AmortPage, YearOfFiveDigitsIsCut) {
  buildSample("Jan", 10000);
  EXPECT_EQ(monthly->Cell(1, 1), "Jan 1000");
  EXPECT_EQ(monthly->Cell(1, 13), "Jan 1000");
  EXPECT_EQ(annual->Cell(1, 1), "Jan - Dec 1000");
  EXPECT_EQ(annual->Cell(1, 2), "Jan - Dec 1001");
}

TEST_F(AmortPage, TypedMonthIsNormalised) {
  auto* cb = find<QComboBox>("cbMonth");
  cb->lineEdit()->selectAll();
  QTest::keyClicks(cb->lineEdit(), "jan");
  EXPECT_EQ(cb->currentText(), "Jan");
  cb->lineEdit()->selectAll();
  QTest::keyClicks(cb->lineEdit(), "x");
  EXPECT_EQ(cb->currentText(), "Jan");
  cb->setCurrentIndex(4);
  EXPECT_EQ(cb->currentText(), "May");
}

TEST_F(AmortPage, ViewSwitchAndThePrintChoice) {
  buildSample();
  auto* view = find<QPushButton>("btnAnnualMonthly");
  view->click();
  EXPECT_EQ(view->text(), "View Monthly Chart");
  EXPECT_EQ(view->toolTip(), "Click for Monthly Amortization Report ...");
  EXPECT_FALSE(page->MonthlyGridShown());
  EXPECT_TRUE(page->AnnualGridShown());

  build();  // the annual grid stays in front; the monthly grid is marked shown again
  EXPECT_EQ(view->text(), "View Monthly Chart");
  EXPECT_TRUE(page->MonthlyGridShown());
  EXPECT_TRUE(page->AnnualGridShown());
  QWidget* front = page->childAt(300, 250);
  while (front && front->parentWidget() != page) front = front->parentWidget();
  EXPECT_EQ(front, annual);

  view->click();
  EXPECT_EQ(view->text(), "View Annual Chart");
  EXPECT_EQ(view->statusTip(), "Click for Annual Amortization Report ...");
  EXPECT_TRUE(page->MonthlyGridShown());
  EXPECT_FALSE(page->AnnualGridShown());
}

TEST_F(AmortPage, ExtraPanelControls) {
  buildSample();
  click("btnAddExtra");
  const char* inputs[] = {"edtMortAmt", "edtIRate", "edtNumPmts", "edtAmortPayment", "cbMonth", "edtYear"};
  for (const char* name : inputs) EXPECT_FALSE(find<QWidget>(name)->isEnabled()) << name;

  struct {
    const char* radio;
    const char* fromCaption;
    bool fromEnabled, toEnabled;
  } kinds[] = {{"rbOnePmt", "Payment #", true, false},
               {"rbAllPmts", "Payment #", false, false},  // the caption is left as it was
               {"rbRangePmts", "From Payment #", true, true}};
  for (const auto& k : kinds) {
    SCOPED_TRACE(k.radio);
    click(k.radio);
    EXPECT_EQ(find<QLabel>("lblFromPmt")->text(), k.fromCaption);
    EXPECT_EQ(find<QWidget>("edtFromPmt")->isEnabled(), k.fromEnabled);
    EXPECT_EQ(find<QWidget>("lblFromPmt")->isEnabled(), k.fromEnabled);
    EXPECT_EQ(find<QWidget>("edtToPmt")->isEnabled(), k.toEnabled);
    EXPECT_EQ(find<QWidget>("lblToPmt")->isEnabled(), k.toEnabled);
  }
  // A disabled caption is drawn grey, an enabled one navy.
  const QPalette labelColours = find<QLabel>("lblToPmt")->palette();
  EXPECT_EQ(labelColours.color(QPalette::Active, QPalette::WindowText), kNavy);
  EXPECT_NE(labelColours.color(QPalette::Disabled, QPalette::WindowText), kNavy);
  click("btnCancel");
  for (const char* name : inputs) EXPECT_TRUE(find<QWidget>(name)->isEnabled()) << name;
  EXPECT_TRUE(find<QWidget>("pnlAddExtra")->isHidden());
}

// The panel covers the two schedule buttons and nothing else; its labels show their
// whole texts clear of each other, and Tab walks its fields and buttons in order.
TEST_F(AmortPage, ExtraPanelLayoutAndTabOrder) {
  buildSample();
  click("btnAddExtra");
  const QRect panel = find<QWidget>("pnlAddExtra")->geometry();
  EXPECT_TRUE(panel.contains(find<QWidget>("btnCalculate")->geometry()));
  EXPECT_TRUE(panel.contains(find<QWidget>("btnAddExtra")->geometry()));
  EXPECT_FALSE(panel.intersects(find<QWidget>("btnAnnualMonthly")->geometry()));
  EXPECT_FALSE(panel.intersects(monthly->geometry()));
  EXPECT_FALSE(panel.intersects(find<QWidget>("edtMortAmt")->geometry()));

  const char* labels[] = {"lblAddExtraTo", "lblFromPmt", "lblToPmt", "lblExtraAmount"};
  for (const char* name : labels) {
    auto* l = find<QLabel>(name);
    EXPECT_LT(l->fontMetrics().horizontalAdvance(l->text()), l->width()) << name;
  }
  click("rbOnePmt");  // "Payment #" is the shorter caption
  click("rbRangePmts");
  for (size_t i = 0; i < std::size(labels); ++i)
    for (size_t j = i + 1; j < std::size(labels); ++j)
      EXPECT_FALSE(find<QWidget>(labels[i])->geometry().intersects(find<QWidget>(labels[j])->geometry()))
          << labels[i] << " " << labels[j];
  for (QWidget* child : find<QWidget>("pnlAddExtra")->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    EXPECT_TRUE(QRect(QPoint(0, 0), panel.size()).contains(child->geometry())) << child->objectName().toStdString();

  QApplication::setActiveWindow(window.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  const char* order[] = {"edtFromPmt", "edtToPmt", "edtExtraAmount", "btnRecalcExtra", "btnRemove", "btnCancel"};
  find<QWidget>(order[0])->setFocus();
  for (size_t i = 1; i < std::size(order); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(), order[i]);
  }
}

TEST_F(AmortPage, ExtraPaymentsAccumulateAndRemoveExtraClearsThem) {
  buildSample();
  applyExtra("rbOnePmt", 3, 0, 100);
  click("rbOnePmt");
  find<TOvcPictureField>("edtFromPmt")->SetAsInteger(5);
  find<TMoneyEdit>("edtExtraAmount")->SetTextAsFloat(200);
  click("btnRecalcExtra");
  EXPECT_EQ(monthly->Cell(6, 3), "$100.00");
  EXPECT_EQ(monthly->Cell(6, 5), "$200.00");
  find<TMoneyEdit>("edtExtraAmount")->SetTextAsFloat(50);
  click("btnRecalcExtra");
  EXPECT_EQ(monthly->Cell(6, 5), "$50.00");

  click("btnRemove");
  EXPECT_EQ(monthly->Cell(6, 3), "$0.00");
  EXPECT_EQ(monthly->Cell(6, 5), "$0.00");
  EXPECT_EQ(monthly->Cell(7, 360), "$0.97");
  EXPECT_EQ(find<TMoneyEdit>("edtExtraAmount")->TextAsFloat(), 0);
  EXPECT_EQ(find<TOvcPictureField>("edtFromPmt")->AsInteger(), 0);
  EXPECT_EQ(find<TOvcPictureField>("edtToPmt")->AsInteger(), 0);
  EXPECT_FALSE(find<QWidget>("pnlAddExtra")->isHidden());
}

TEST_F(AmortPage, AllPaymentsDropsPrepaymentsAboveTheBalance) {
  buildSample();
  applyExtra("rbAllPmts", 0, 0, 5000);
  const int last = monthly->RowCount() - 1;
  EXPECT_LT(last, 360);
  EXPECT_EQ(monthly->Cell(6, 1), "$5,000.00");
  EXPECT_EQ(monthly->Cell(6, last), "$0.00");
  EXPECT_EQ(monthly->Cell(7, last), "$0.00");
}

TEST_F(AmortPage, OutOfRangeExtraShowsTheEngineMessage) {
  buildSample();
  applyExtra("rbOnePmt", 400, 0, 100);
  EXPECT_EQ(log.informationTexts(), QStringList{kOutOfRange});
  log.entries.clear();
  applyExtra("rbRangePmts", 350, 400, 100);
  EXPECT_EQ(log.informationTexts(), QStringList{kOutOfRange});
  // The grids show the engine's rows: the range was written up to the last payment.
  EXPECT_EQ(monthly->Cell(6, 349), "$0.00");
  EXPECT_EQ(monthly->Cell(6, 350), "$100.00");
  EXPECT_EQ(monthly->Cell(6, 360), "$100.00");
}

TEST_F(AmortPage, AllPaymentsOnAnEmptyScheduleIsAnUnidentifiedError) {
  setLoan(100000, 8.75, 0, "Jan", 2000);
  build();
  EXPECT_EQ(monthlyRow(1), QStringList(8, " "));
  applyExtra("rbAllPmts", 0, 0, 100);
  EXPECT_EQ(log.informationTexts(), QStringList{kUnidentified});
}

TEST_F(AmortPage, MathErrorResetsThePage) {
  buildSample();
  setLoan(100000, -1200, 360, "Jan", 2000);
  build();
  EXPECT_EQ(log.informationTexts(), QStringList{kMathError});
  // The zero reset, built at once because the page is current.
  EXPECT_EQ(find<TMoneyEdit>("edtMortAmt")->TextAsFloat(), 0);
  EXPECT_EQ(monthlyRow(1), QStringList(8, " "));
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  log.entries.clear();
  buildSample();
  EXPECT_EQ(monthly->RowCount(), 361);
  EXPECT_TRUE(log.entries.empty());
}

TEST_F(AmortPage, NegativeTermIsReportedAndKeepsTheSchedule) {
  buildSample();
  find<TOvcPictureField>("edtNumPmts")->SetAsInteger(-5);
  build();
  EXPECT_EQ(log.informationTexts(), QStringList{kUnidentified});
  EXPECT_EQ(monthly->RowCount(), 361);
  EXPECT_EQ(window->Mortgage()->NumPayments, 360);
  click("btnAddExtra");
  click("btnCancel");
  find<TOvcPictureField>("edtNumPmts")->SetAsInteger(12);
  log.entries.clear();
  build();
  EXPECT_EQ(monthly->RowCount(), 13);
  EXPECT_TRUE(log.entries.empty());
}

struct ExtremeCase {
  const char* name;
  double amount, rate;
  int term;
  const char* month;
  int year;
};

// Whatever the fields can hold ends in a schedule or in a message, and the page goes on.
TEST_F(AmortPage, ExtremeInputsEndInAScheduleOrAMessage) {
  const ExtremeCase cases[] = {
      {"largest amount, rate, term and year", 9999999999.99, 99999999.99999, 32767, "Jan", 32767},
      {"largest amount at no interest", 9999999999.99, 0, 32767, "Dec", -32768},
      {"smallest amounts", 0.01, 0.00001, 1, "Feb", 0},
      {"long sample loan", 100000, 8.75, 32767, "Mar", 2000},
      {"interest only", 100000, 6, 32767, "Jan", 2000},
      {"most negative term", 100000, 8.75, -32768, "Jan", 2000},
      {"negative amount", -100000, 8.75, 360, "Jan", 2000},
      {"negative rate", 100000, -5, 360, "Jan", 2000},
  };
  const QStringList known = {kUnidentified, kMathError, kOutOfRange};
  for (const ExtremeCase& c : cases) {
    SCOPED_TRACE(c.name);
    setLoan(c.amount, c.rate, c.term, c.month, c.year);
    build();
    applyExtra("rbAllPmts", 0, 0, 1);
    click("btnCancel");
    for (const QString& text : log.informationTexts()) EXPECT_TRUE(known.contains(text)) << text.toStdString();
    EXPECT_GE(monthly->RowCount(), 2);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    log.entries.clear();
    buildSample();  // carries the $1.00 prepayments that were applied
    EXPECT_EQ(payment(), "$786.70");
    EXPECT_EQ(monthly->Cell(1, 1), "Jan 2000");
    EXPECT_TRUE(log.entries.empty());
  }
}

struct CorruptCase {
  const char* name;
  int col, row;
  const char* text;
};

// Schedule lines restored from a document may hold any text.
TEST_F(AmortPage, UnreadableScheduleCellsFailWithAMessageAndLeaveThePageUsable) {
  const CorruptCase cases[] = {
      {"prepayment not a number", 6, 3, "$oops"},
      {"prepayment without a sign to drop", 6, 3, "x"},
      {"prepayment only a sign", 6, 3, "$"},
      {"payment number not a number", 0, 3, "three"},
      {"payment number too large", 0, 3, "99999999999"},
  };
  for (const CorruptCase& c : cases) {
    SCOPED_TRACE(c.name);
    buildSample();
    applyExtra("rbRangePmts", 1, 5, 10);
    click("btnCancel");
    log.entries.clear();
    monthly->SetCell(c.col, c.row, c.text);
    build();
    EXPECT_EQ(log.informationTexts(), QStringList{kUnidentified});
    // The lines before the unreadable one were applied, and the grids show the engine.
    EXPECT_EQ(monthly->Cell(6, 2), "$10.00");
    EXPECT_EQ(monthly->Cell(0, 3), "3");
    EXPECT_EQ(monthly->Cell(6, 3), "$0.00");
    EXPECT_EQ(monthly->Cell(6, 4), "$0.00");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    log.entries.clear();
    build();
    EXPECT_TRUE(log.entries.empty());
    EXPECT_EQ(monthly->RowCount(), 361);
  }
}

TEST_F(AmortPage, PaymentNumbersOutsideTheScheduleInTheListReportOncePerLine) {
  buildSample();
  monthly->SetCell(0, 3, "0");
  monthly->SetCell(0, 4, "5000");
  monthly->SetCell(6, 5, "$25.00");
  build();
  EXPECT_EQ(log.informationTexts(), (QStringList{kOutOfRange, kOutOfRange}));
  EXPECT_EQ(monthly->Cell(6, 5), "$25.00");
  EXPECT_EQ(monthly->Cell(0, 3), "3");
}

TEST_F(AmortPage, SampleResetShowsTheSampleLoanAndDropsPrepayments) {
  buildSample();
  applyExtra("rbOnePmt", 2, 0, 100);
  window->SetDefaultValueSet(1);
  window->ResetCurrentPage();
  EXPECT_TRUE(find<QWidget>("pnlAddExtra")->isHidden());
  EXPECT_TRUE(find<QWidget>("edtMortAmt")->isEnabled());
  EXPECT_EQ(find<TMoneyEdit>("edtExtraAmount")->TextAsFloat(), 0);
  EXPECT_EQ(find<TMoneyEdit>("edtMortAmt")->text(), "100,000.00");
  EXPECT_EQ(find<TMoneyEdit>("edtIRate")->text(), "8.75000");
  EXPECT_EQ(find<TOvcPictureField>("edtNumPmts")->AsInteger(), 360);
  EXPECT_EQ(payment(), "$786.70");
  EXPECT_EQ(find<QComboBox>("cbMonth")->currentText(), window->TodayMonthShort());
  EXPECT_EQ(find<TOvcPictureField>("edtYear")->AsInteger(), window->TodayYear());
  EXPECT_EQ(monthly->RowCount(), 361);
  EXPECT_EQ(monthly->Cell(6, 2), "$0.00");
  EXPECT_EQ(window->SettingsPayment(), 786.7);
  EXPECT_EQ(window->focusWidget(), find<QWidget>("edtMortAmt"));
}

TEST_F(AmortPage, ZeroResetEmptiesTheSchedule) {
  buildSample();
  window->SetDefaultValueSet(0);
  window->ResetCurrentPage();
  EXPECT_EQ(find<TOvcPictureField>("edtNumPmts")->AsInteger(), 0);
  EXPECT_EQ(payment(), "$0.00");
  EXPECT_EQ(monthlyRow(1), QStringList(8, " "));
  EXPECT_EQ(page->PrepaymentText(), "");
}

TEST_F(AmortPage, ResetWhileAnotherPageIsCurrentBuildsNothing) {
  buildSample();
  window->ShowPageByKey("Menu");
  window->SetDefaultValueSet(1);
  page->ResetAmortization();
  EXPECT_EQ(monthly->RowCount(), 361);            // row count kept
  EXPECT_EQ(monthly->Cell(0, 1), "");             // cells emptied
  EXPECT_EQ(monthly->Cell(0, 0), "PMT");          // headings written
  EXPECT_EQ(window->Mortgage()->NumPayments, 0);  // a new, empty engine
}

TEST_F(AmortPage, AllCalculatorResetsWhileThePageIsCurrent) {
  buildSample("Mar", 1999);
  window->ResetAllToSamples();
  EXPECT_EQ(monthly->RowCount(), 361);
  EXPECT_EQ(payment(), "$786.70");
  window->ResetAllToZero();
  EXPECT_EQ(monthlyRow(1), QStringList(8, " "));
  EXPECT_EQ(annual->RowCount(), 1);
  const int todayMonth = AmortMonthNumber(window->TodayMonthShort().toStdString());
  EXPECT_EQ(page->AmortStartMonth(), todayMonth != 0 ? todayMonth : 1);  // 1 from the zero reset
  EXPECT_EQ(page->AmortStartYear(), window->TodayYear());
}

TEST_F(AmortPage, AllCalculatorResetsWhileAnotherPageIsCurrent) {
  buildSample("Mar", 1999);
  applyExtra("rbOnePmt", 2, 0, 100);
  const int rows = monthly->RowCount();
  window->ShowPageByKey("Menu");  // closes the panel
  window->SetDefaultValueSet(0);
  window->ResetAllToSamples();
  EXPECT_EQ(window->DefaultValueSet(), 0);  // the sample set leaves the flag alone
  EXPECT_EQ(find<TMoneyEdit>("edtMortAmt")->text(), "100,000.00");
  EXPECT_EQ(payment(), "$786.70");
  EXPECT_EQ(monthly->RowCount(), rows);  // emptied, nothing built
  EXPECT_EQ(monthly->Cell(6, 2), "");
  EXPECT_EQ(window->Mortgage()->NumPayments, 0);

  window->ResetAllToZero();
  EXPECT_EQ(page->AmortStartMonth(), 1);
  EXPECT_EQ(page->AmortStartYear(), 2000);
  EXPECT_EQ(find<TOvcPictureField>("edtNumPmts")->AsInteger(), 0);
  EXPECT_EQ(window->SettingsPayment(), 0);
  EXPECT_EQ(page->PrepaymentText(), "");
  EXPECT_TRUE(log.entries.empty());
}

// A month text that is none of the twelve names (the desktop's short month names may be
// others) keeps the month read before, and January when none was.
TEST_F(AmortPage, UnknownMonthTextKeepsTheMonthReadBefore) {
  buildSample("Mar", 2000);
  find<QComboBox>("cbMonth")->setEditText("janv.");
  build();
  EXPECT_EQ(monthly->Cell(1, 1), "Mar 2000");
  page->SetStoredStart(0, 2000);  // as before any month was read
  build();
  EXPECT_EQ(monthly->Cell(1, 1), "Jan 2000");
  EXPECT_EQ(find<QComboBox>("cbMonth")->currentText(), "janv.");  // the text itself is left
  EXPECT_TRUE(log.entries.empty());
}

TEST_F(AmortPage, HourglassWhileTheMonthlyGridIsFilled) {
  std::vector<Qt::CursorShape> seen;
  QObject::connect(find<QLineEdit>("edtAmortPayment"), &QLineEdit::textChanged, [&seen] {
    seen.push_back(QApplication::overrideCursor() ? QApplication::overrideCursor()->shape() : Qt::ArrowCursor);
  });
  buildSample();
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(seen.back(), Qt::WaitCursor);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(AmortPage, EnteringThePageBuildsAndFocusesTheLoanAmount) {
  window->ShowPageByKey("Menu");
  setLoan(50000, 6, 120, "Jun", 2010);
  window->ShowPageByKey("Amort");
  EXPECT_EQ(monthly->RowCount(), 121);
  EXPECT_EQ(monthly->Cell(1, 1), "Jun 2010");
  EXPECT_EQ(monthly->y(), 150);
  EXPECT_TRUE(printEnabled());
  EXPECT_TRUE(find<QWidget>("btnAddExtra")->isEnabled());
  EXPECT_EQ(window->focusWidget(), find<QWidget>("edtMortAmt"));
}

}  // namespace
}  // namespace zeb
