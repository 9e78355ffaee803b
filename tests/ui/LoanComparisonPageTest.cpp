// The Loan Comparisons page in a real main window: loans typed by keyboard, the
// recomputation of all six rows on leaving any entry field, the stop at a failing row,
// the resets, the tab order and the accessible names.
#include <QApplication>
#include <QLabel>
#include <QRegularExpression>
#include <array>

#include "app/AppInfo.h"
#include "calculators/LoanComparisonPage.h"
#include "tests/ui/UiFixture.h"
#include "widgets/Mneyedit.h"
#include "widgets/NumCtrl.h"
#include "widgets/PictureField.h"

namespace zeb::test {
namespace {

class LoanComparisonPageTest : public MainWindowTest {
protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    window->ShowPageByKey("LC");
    ASSERT_EQ(window->CurrentPageKey(), "LC");
    page = window->LoanComparisons();
  }
  const LoanComparisonPage::Row& row(int n) const { return page->RowFields(n - 1); }
  // The four results of row n as shown, blanks trimmed.
  std::array<QString, 4> results(int n) const {
    const auto& r = row(n);
    return {r.payment->text().trimmed(), r.totalPaid->text().trimmed(), r.loanCost->text().trimmed(),
            r.pointsCost->text().trimmed()};
  }
  void setRow(int n, double loan, double rate, int payments, double points) const {
    row(n).loan->SetTextAsFloat(loan);
    row(n).interest->SetTextAsFloat(rate);
    row(n).term->SetAsInteger(payments);
    row(n).points->SetValue(points);
  }
  // Leaves the focused field with the Tab key.
  static void tab() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); }
  static QString focusName() {
    QWidget* f = QApplication::focusWidget();
    return f ? f->objectName() : QString();
  }
  // Every text the page shows in its fields, in row order.
  QStringList allTexts() const {
    QStringList texts;
    for (int n = 1; n <= 6; ++n) {
      const auto& r = row(n);
      texts << r.loan->text() << r.interest->text() << r.term->text() << r.points->text();
      for (const QString& t : results(n)) texts << t;
    }
    return texts;
  }
  LoanComparisonPage* page = nullptr;
};

using Results = std::array<QString, 4>;

TEST_F(LoanComparisonPageTest, WorkedExamplesTypedByKeyboard) {
  EXPECT_EQ(focusName(), "edtLCLoan1");
  // Row 1: 100,000.00 at 8.75 over 360, no points; row 2: over 240 with 1 point.
  for (const char* text : {"100000", "8.75", "360", "0", "100000", "8.75", "240", "1"}) {
    QTest::keyClicks(QApplication::focusWidget(), text);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  EXPECT_EQ(row(2).loan->text(), "100,000.00");
  EXPECT_EQ(row(2).interest->text(), "8.75000");
  EXPECT_EQ(row(2).term->text(), "   240");
  EXPECT_EQ(row(2).points->text(), "1");
  EXPECT_EQ(results(1), (Results{"$786.70", "$283,212.15", "$183,212.15", "$0.00"}));
  EXPECT_EQ(results(2), (Results{"$883.71", "$213,090.57", "$112,090.57", "$1,000.00"}));
  EXPECT_EQ(focusName(), "edtLCLoan3");
  EXPECT_TRUE(log.entries.empty());
}

struct RowCase {
  const char* name;
  double loan, rate;
  int payments;
  double points;
  Results shown;
};

TEST_F(LoanComparisonPageTest, EdgeCaseRows) {
  const RowCase cases[] = {
      {"zero_payments_total_is_the_points", 100000, 8.75, 0, 2, {"$0.00", "$2,000.00", "-$100,000.00", "$2,000.00"}},
      {"rate_zero_pays_loan_over_payments", 120000, 0, 240, 0, {"$500.00", "$120,000.00", "$0.00", "$0.00"}},
      {"all_zero", 0, 0, 0, 0, {"$0.00", "$0.00", "$0.00", "$0.00"}},
      {"one_and_a_half_points", 200000, 8.75, 360, 1.5, {"$1,573.40", "$569,424.29", "$366,424.29", "$3,000.00"}},
  };
  row(4).points->setFocus(Qt::TabFocusReason);
  for (const RowCase& c : cases) {
    setRow(4, c.loan, c.rate, c.payments, c.points);
    tab();
    row(4).points->setFocus(Qt::BacktabFocusReason);
    EXPECT_EQ(results(4), c.shown) << c.name;
  }
  EXPECT_TRUE(log.entries.empty());
}

TEST_F(LoanComparisonPageTest, PointsShowCutButCountAsTyped) {
  setRow(1, 200000, 0, 100, 0);
  row(1).points->setFocus(Qt::TabFocusReason);
  row(1).points->selectAll();
  QTest::keyClicks(row(1).points, "1.5009");
  QTest::keyClick(row(1).points, Qt::Key_Tab);
  EXPECT_EQ(row(1).points->text(), "1.5");
  EXPECT_EQ(results(1)[3], "$3,001.80");  // the value typed, read as the field is left
}

TEST_F(LoanComparisonPageTest, LeavingRowSixRecomputesEveryRow) {
  row(6).term->setFocus(Qt::TabFocusReason);
  for (int n = 1; n <= 5; ++n) setRow(n, 100000, 8.75, 360, 0);
  setRow(6, 95000, 8.75, 240, 2);
  tab();
  for (int n = 1; n <= 5; ++n) EXPECT_EQ(results(n)[0], "$786.70") << n;
  EXPECT_EQ(results(6), (Results{"$839.53", "$203,386.04", "$106,486.04", "$1,900.00"}));
}

TEST_F(LoanComparisonPageTest, MathErrorStopsAtItsRow) {
  row(6).loan->setFocus(Qt::TabFocusReason);
  for (int n = 1; n <= 6; ++n) {
    setRow(n, 100000, 8.75, 360, 0);
    row(n).payment->SetAsFloat(1.23);
  }
  row(3).interest->SetTextAsFloat(-1200);
  tab();
  EXPECT_EQ(log.informationTexts(), QStringList{kMathErrorMessage});
  EXPECT_EQ(results(1)[0], "$786.70");
  EXPECT_EQ(results(2)[0], "$786.70");
  for (int n = 3; n <= 6; ++n) EXPECT_EQ(results(n)[0], "$1.23") << n;
}

TEST_F(LoanComparisonPageTest, ExtremeInputsShowNumbersOrTheMessage) {
  struct Extreme {
    const char* name;
    double loan, rate;
    int payments;
    double points;
    bool message;
  };
  const Extreme cases[] = {
      {"term_32767", 100000, 8.75, 32767, 0, false},
      {"term_minus_32768", 100000, 8.75, -32768, 0, false},
      {"rate_far_below_minus_1200", 100000, -99999999.99999, 360, 0, true},
      {"loan_and_rate_at_the_maximum", 9999999999.99, 99999999.99999, 32767, 999999999, false},
      {"maximum_rate_negative_term_overflows", 100000, 99999999.99999, -32768, 0, true},
  };
  const QRegularExpression shownNumber(R"(^-?\$[0-9,]+\.[0-9]{2}$|^\*+$)");
  for (const Extreme& c : cases) {
    row(1).loan->setFocus(Qt::TabFocusReason);
    log.entries.clear();
    for (int n = 1; n <= 6; ++n) setRow(n, 0, 0, 0, 0);
    setRow(1, c.loan, c.rate, c.payments, c.points);
    tab();
    EXPECT_EQ(log.informationTexts().size(), c.message ? 1 : 0) << c.name;
    for (const QString& t : results(1)) {
      // A number, or the field's stars where the mask cannot hold it.
      EXPECT_TRUE(shownNumber.match(t).hasMatch()) << c.name << " " << t.toStdString();
    }
  }
}

TEST_F(LoanComparisonPageTest, ResetsAndRecalculatingTheSample) {
  window->mnuResetSamplesClick();
  EXPECT_EQ(results(3), (Results{"$822.68", "$298,163.15", "$196,163.15", "$2,000.00"}));
  EXPECT_EQ(row(6).loan->text(), "95,000.00");
  EXPECT_EQ(focusName(), "edtLCLoan1");
  const QStringList sample = allTexts();
  tab();
  EXPECT_EQ(allTexts(), sample);

  window->mnuResetThisZeroClick();
  for (int n = 1; n <= 6; ++n) {
    EXPECT_EQ(results(n), (Results{"$0.00", "$0.00", "$0.00", "$0.00"})) << n;
    EXPECT_EQ(row(n).loan->text(), "0.00");
    EXPECT_EQ(row(n).interest->text(), "0.00000");
    EXPECT_EQ(row(n).term->text(), "     0");
    EXPECT_EQ(row(n).points->text(), "0");
  }
  EXPECT_EQ(focusName(), "edtLCLoan1");
  EXPECT_TRUE(log.entries.empty());
}

TEST_F(LoanComparisonPageTest, TabOrderSkipsResultsAndNamesCarryTheRow) {
  const char* columns[] = {"edtLCLoan", "edtLCInterest", "edtLCTerm", "edtLCPoints"};
  const char* captions[] = {"Loan Amount", "Interest Rate", "# of Pmts", "# of Points"};
  row(1).loan->setFocus(Qt::TabFocusReason);
  for (int n = 1; n <= 6; ++n) {
    for (int c = 0; c < 4; ++c) {
      QWidget* f = QApplication::focusWidget();
      ASSERT_NE(f, nullptr);
      EXPECT_EQ(f->objectName(), QString("%1%2").arg(columns[c]).arg(n));
      EXPECT_EQ(f->accessibleName(), QString("%1 %2").arg(captions[c]).arg(n));
      QTest::keyClick(f, Qt::Key_Tab);
    }
  }
  const char* resultCaptions[] = {"Payment", "Total Paid", "Interest Paid", "Cost of Points"};
  const auto& r = row(5);
  const QWidget* resultFields[] = {r.payment, r.totalPaid, r.loanCost, r.pointsCost};
  for (int c = 0; c < 4; ++c) {
    EXPECT_EQ(resultFields[c]->accessibleName(), QString("%1 5").arg(resultCaptions[c]));
    EXPECT_FALSE(resultFields[c]->focusPolicy() & Qt::TabFocus);
  }
}

TEST_F(LoanComparisonPageTest, FieldsShowLargeValuesWholeAndElideTheLargest) {
  const auto& r = row(1);
  const std::initializer_list<TFieldEdit*> fields = {r.loan,    r.interest,  r.term,     r.points,
                                                     r.payment, r.totalPaid, r.loanCost, r.pointsCost};
  // Loans and totals in the tens of millions, payments near a million, rates up to 99 %,
  // any term, points up to 99.999.
  r.loan->SetTextAsFloat(99999999.99L);
  r.interest->SetTextAsFloat(99.99999L);
  r.term->SetAsInteger(-32768);
  r.points->SetValue(-99.999L);
  r.payment->SetAsFloat(-999999.99);
  r.totalPaid->SetAsFloat(-99999999.99);
  r.loanCost->SetAsFloat(-99999999.99);
  r.pointsCost->SetAsFloat(9999999.99);
  for (TFieldEdit* f : fields) {
    EXPECT_TRUE(f->ShowsWholeText()) << f->objectName().toStdString() << " " << f->text().toStdString();
    EXPECT_LE(f->geometry().right(), page->width());
  }
  // The largest values do not fit and are drawn elided, not scrolled into a shorter number.
  r.loan->SetTextAsFloat(9999999999.99L);
  r.totalPaid->SetAsFloat(-999999999.99);
  for (TFieldEdit* f : {static_cast<TFieldEdit*>(r.loan), static_cast<TFieldEdit*>(r.totalPaid)}) {
    EXPECT_FALSE(f->ShowsWholeText()) << f->objectName().toStdString();
    EXPECT_FALSE(f->grab().isNull());
  }
}

}  // namespace
}  // namespace zeb::test
