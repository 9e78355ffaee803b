// The Future Values page through its real fields, boxes and keys.
#include <QComboBox>
#include <QLineEdit>

#include "app/AppInfo.h"
#include "calculators/FutureValuesPage.h"
#include "tests/ui/RowPageHelpers.h"
#include "widgets/ComboBox.h"
#include "widgets/FnpNumericEdit.h"
#include "widgets/Mneyedit.h"
#include "widgets/PictureField.h"

namespace zeb::test {
namespace {

class FutureValuesPageTest : public RowPageTest {
protected:
  FutureValuesPageTest() : RowPageTest("FV") {}
  const FutureValuesPage::Row& row(int n) const { return window->FutureValues()->RowFields(n - 1); }
  QString result(int n) const { return row(n).result->text().trimmed(); }
  QStringList results() const {
    QStringList r;
    for (int n = 1; n <= 5; ++n) r << result(n);
    return r;
  }
  // Types a whole row by keyboard, Tab after each field, the box left as it is.
  void typeRow(int n, const QString& balance, const QString& payment, const QString& rate, const QString& months) {
    TypeInto(row(n).balance, balance);
    PressTab();
    PressTab();
    QTest::keyClicks(QApplication::focusWidget(), payment);
    PressTab();
    QTest::keyClicks(QApplication::focusWidget(), rate);
    PressTab();
    QTest::keyClicks(QApplication::focusWidget(), months);
    PressTab();
  }
};

TEST_F(FutureValuesPageTest, WorkedExampleTypedByKeyboard) {
  const char* months[] = {"12", "24", "36", "48", "60"};
  for (int n = 1; n <= 5; ++n) typeRow(n, "10000", "100", "8.75", months[n - 1]);
  EXPECT_EQ(row(1).balance->text(), "10,000.00");
  EXPECT_EQ(row(1).rate->text(), "8.75000");
  EXPECT_EQ(row(5).months->text(), "60");
  EXPECT_EQ(Joined(results()), "$12,160.27 $14,517.34 $17,089.12 $19,895.18 $22,956.86");
  EXPECT_TRUE(window->PrintingAllowed());
  EXPECT_TRUE(log.entries.empty());
}

TEST_F(FutureValuesPageTest, CompoundingChoiceRecomputesAtOnce) {
  reset(1);
  row(2).months->SetValue(12);
  // Typing into the first box completes the entry and recomputes as the text changes;
  // in the others the list choice (arrow keys here) recomputes.
  const struct {
    const char* name;
    int row;
    QString keys;  // typed into box 1
    int arrow;     // or an arrow key pressed in box 2
    QString text;
    QString result;
  } cases[] = {
      {"typed_d_daily", 1, "d", 0, "Daily", "$12,168.22"},
      {"typed_Q_quarterly", 1, "Q", 0, "Quarterly", "$12,144.08"},
      {"typed_ann_annually", 1, "ann", 0, "Annually", "$12,075.00"},
      {"typed_mo_monthly", 1, "mo", 0, "Monthly", "$12,160.27"},
      {"up_from_monthly_daily", 2, "", Qt::Key_Up, "Daily", "$12,168.22"},
      {"down_to_monthly", 2, "", Qt::Key_Down, "Monthly", "$12,160.27"},
      {"down_to_quarterly", 2, "", Qt::Key_Down, "Quarterly", "$12,144.08"},
      {"down_to_annually", 2, "", Qt::Key_Down, "Annually", "$12,075.00"},
  };
  for (const auto& c : cases) {
    TComboBox* box = row(c.row).compounding;
    if (c.arrow) {
      box->setFocus(Qt::TabFocusReason);
      QTest::keyClick(box, static_cast<Qt::Key>(c.arrow));
    } else {
      box->setFocus(Qt::TabFocusReason);
      box->lineEdit()->selectAll();
      QTest::keyClicks(box, c.keys);
    }
    EXPECT_EQ(box->Text(), c.text) << c.name;
    EXPECT_EQ(result(c.row), c.result) << c.name;
  }
  EXPECT_TRUE(log.entries.empty());
}

TEST_F(FutureValuesPageTest, RateZeroIgnoresTheCompoundingText) {
  row(3).balance->SetTextAsFloat(10000);
  row(3).payment->SetTextAsFloat(100);
  row(3).months->SetValue(12);
  for (const char* text : {"Daily", "Monthly", "Quarterly", "Annually", "weekly", "MONTHLY", ""}) {
    row(3).compounding->SetText(text);
    TypeInto(row(3).rate, "");
    PressTab();
    EXPECT_EQ(result(3), "$11,200.00") << text;
  }
  EXPECT_TRUE(log.entries.empty());
}

// The sample rows recomputed with a beginning balance of 20,000.00.
const QStringList kSampleResults = {"$12,160.27", "$14,517.34", "$17,089.12", "$19,895.18", "$22,956.86"};
const QStringList kNewResults = {"$23,071.23", "$26,422.24", "$30,078.51", "$34,067.85", "$38,420.60"};

// The rows above a failing row have their new values; it and the rows below keep theirs.
QStringList StoppedAt(int failingRow) {
  return kNewResults.mid(0, failingRow - 1) + kSampleResults.mid(failingRow - 1);
}

class FutureValuesFailureTest : public FutureValuesPageTest {
protected:
  // The sample values, the focus in `field`, then new balances everywhere, not yet
  // calculated.
  void prepare(QWidget* field) {
    reset(1);
    field->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    for (int n = 1; n <= 5; ++n) row(n).balance->SetTextAsFloat(20000);
    log.entries.clear();
  }
  void enterText(TComboBox* box, const QString& text, bool typed) {
    box->lineEdit()->selectAll();
    if (typed) {
      QTest::keyClicks(box, text);
    } else {
      QApplication::clipboard()->setText(text);
      QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    }
  }
};

TEST_F(FutureValuesFailureTest, OnlyTheFirstBoxIsPutRight) {
  const struct {
    const char* name;
    int row;
    QString entered;
    bool typed;
    QString text;  // the box's text once left
    QStringList results;
  } cases[] = {
      {"first_typed_other_text", 1, "x", true, "Monthly", kNewResults},
      {"first_typed_lower_case", 1, "monthly", true, "Monthly", kNewResults},
      {"first_pasted_other_case", 1, "monthly", false, "Monthly", kNewResults},
      {"first_pasted_other_text", 1, "Weekly", false, "Monthly", kNewResults},
      {"second_typed_other_text", 2, "x", true, "x", StoppedAt(2)},
      {"second_pasted_other_case", 2, "monthly", false, "monthly", StoppedAt(2)},
      {"fourth_pasted_upper_case", 4, "DAILY", false, "DAILY", StoppedAt(4)},
      {"fifth_pasted_with_a_blank", 5, " Daily", false, " Daily", StoppedAt(5)},
      {"second_typed_lower_case_completes", 2, "quarterly", true, "Quarterly", {}},
      {"second_backspace_takes_back_the_proposal", 2, "Q\b", true, "Q", StoppedAt(2)},
      {"first_backspace_puts_it_right", 1, "Q\b", true, "Monthly", kNewResults},
  };
  for (const auto& c : cases) {
    TComboBox* box = row(c.row).compounding;
    prepare(box);
    enterText(box, c.entered, c.typed);
    PressTab();
    EXPECT_EQ(box->Text(), c.text) << c.name;
    const bool fails = c.results != kNewResults && !c.results.isEmpty();
    EXPECT_EQ(Joined(log.informationTexts()), fails ? Joined({kMathErrorMessage}) : "") << c.name;
    if (!c.results.isEmpty()) EXPECT_EQ(Joined(results()), Joined(c.results)) << c.name;
  }
}

TEST_F(FutureValuesFailureTest, MathErrorStopsAtItsRow) {
  const struct {
    const char* name;
    int row;
    const char* field;  // "rate" or "months"
    double value;
  } cases[] = {
      {"monthly_rate_minus_1200", 3, "rate", -1200},
      {"monthly_rate_below_minus_1200", 1, "rate", -5000},
      {"huge_month_count", 4, "months", 999999999},
  };
  for (const auto& c : cases) {
    prepare(row(1).payment);
    if (std::string(c.field) == "rate") row(c.row).rate->SetTextAsFloat(c.value);
    else row(c.row).months->SetValue(c.value);
    PressTab();
    EXPECT_EQ(Joined(log.informationTexts()), Joined({kMathErrorMessage})) << c.name;
    EXPECT_EQ(Joined(results()), Joined(StoppedAt(c.row))) << c.name;
  }
}

TEST_F(FutureValuesFailureTest, ValuesTooWideForTheResultShowStarsNeverAnotherNumber) {
  // Rate 0 and the fields at their maxima: 999,999,999 months of 9,999,999,999.99.
  prepare(row(1).balance);
  row(1).rate->SetTextAsFloat(0);
  row(1).payment->SetTextAsFloat(9999999999.99L);
  row(1).months->SetValue(999999999);
  row(2).rate->SetTextAsFloat(0);
  row(2).balance->SetTextAsFloat(999999999.99L);
  row(2).months->SetValue(0);
  row(3).rate->SetTextAsFloat(99999999.99999L);  // 36 months at the highest rate
  PressTab();
  EXPECT_TRUE(log.entries.empty());
  EXPECT_EQ(row(1).result->text(), "***************");
  EXPECT_EQ(result(2), "$999,999,999.99");
  EXPECT_EQ(row(3).result->text(), "***************");
}

TEST_F(FutureValuesPageTest, MonthsZeroAndWithdrawals) {
  reset(1);
  row(1).months->SetValue(0);
  row(2).months->SetValue(12);
  PasteInto(row(2).payment, "-100.00");
  PressTab();
  EXPECT_EQ(row(2).payment->text(), "-100.00");
  EXPECT_EQ(result(1), "$10,000.00");
  EXPECT_EQ(result(2), "$9,661.64");
}

TEST_F(FutureValuesPageTest, ResetZeroAndSample) {
  reset(1);
  EXPECT_EQ(Joined(results()), Joined(kSampleResults));
  for (int n = 1; n <= 5; ++n) {
    EXPECT_EQ(row(n).balance->text(), "10,000.00");
    EXPECT_EQ(row(n).compounding->Text(), "Monthly");
    EXPECT_EQ(row(n).payment->text(), "100.00");
    EXPECT_EQ(row(n).rate->text(), "8.75000");
    EXPECT_EQ(row(n).months->text(), QString::number(12 * n));
  }
  EXPECT_EQ(FocusName(), "edtFVp1");

  // Recalculating right after the sample reset changes nothing on show.
  PressTab();
  for (int i = 0; i < 24; ++i) PressTab();
  EXPECT_EQ(Joined(results()), Joined(kSampleResults));

  row(3).compounding->SetText("Daily");
  reset(0);
  for (int n = 1; n <= 5; ++n) {
    EXPECT_EQ(row(n).balance->text(), "0.00");
    EXPECT_EQ(row(n).compounding->Text(), "Monthly");
    EXPECT_EQ(row(n).payment->text(), "0.00");
    EXPECT_EQ(row(n).rate->text(), "0.00000");
    EXPECT_EQ(row(n).months->text(), "0");
    EXPECT_EQ(result(n), "$0.00");
  }
  EXPECT_EQ(FocusName(), "edtFVp1");
  EXPECT_TRUE(log.entries.empty());
}

TEST_F(FutureValuesPageTest, ResetAwayFromThePageLeavesTheFocus) {
  window->ShowPageByKey("ROR");
  QWidget* focused = QApplication::focusWidget();
  window->SetDefaultValueSet(1);
  window->FutureValues()->ResetFutureValues();
  EXPECT_EQ(QApplication::focusWidget(), focused);
  EXPECT_EQ(result(5), "$22,956.86");
}

TEST_F(FutureValuesPageTest, TabOrderFollowsTheColumnsRowByRow) {
  QStringList expected;
  for (int n = 1; n <= 5; ++n)
    for (const char* f : {"edtFVp", "cbCompounding", "edtFVpmt", "edtFVir", "edtFVn"}) expected << f + QString::number(n);
  EXPECT_EQ(Joined(TabWalk(row(1).balance, 25)), Joined(expected));
}

TEST_F(FutureValuesPageTest, NamesKindsAndLooks) {
  for (int n = 1; n <= 5; ++n) {
    const QString k = QString::number(n);
    EXPECT_EQ(row(n).balance->accessibleName(), "Beginning Balance " + k);
    EXPECT_EQ(row(n).compounding->accessibleName(), "Compounding Frequency " + k);
    EXPECT_EQ(row(n).payment->accessibleName(), "Monthly Investment " + k);
    EXPECT_EQ(row(n).rate->accessibleName(), "Interest Rate " + k);
    EXPECT_EQ(row(n).months->accessibleName(), "Months " + k);
    EXPECT_EQ(row(n).result->accessibleName(), "Future Value " + k);
    EXPECT_EQ(row(n).balance->Decimals(), 2);
    EXPECT_EQ(row(n).rate->Decimals(), 5);
    EXPECT_EQ(row(n).months->Decimals(), 0);
    EXPECT_TRUE(row(n).months->alignment() & Qt::AlignHCenter);
    EXPECT_EQ(row(n).result->PictureMask(), "$###,###,###.##");
    EXPECT_TRUE(row(n).result->isReadOnly());
    EXPECT_EQ(row(n).result->palette().color(QPalette::Base), QColor(Qt::yellow));
    EXPECT_FALSE(row(n).result->focusPolicy() & Qt::TabFocus);
    QStringList items;
    for (int i = 0; i < row(n).compounding->count(); ++i) items << row(n).compounding->itemText(i);
    EXPECT_EQ(Joined(items), "Daily Monthly Quarterly Annually");
    EXPECT_TRUE(row(n).compounding->isEditable());
  }
}

TEST_F(FutureValuesPageTest, WidestValuesShowWhole) {
  for (int n = 1; n <= 5; ++n) {
    EXPECT_TRUE(TextFits(row(n).balance, "-9,999,999,999.99")) << n;
    EXPECT_TRUE(TextFits(row(n).payment, "-9,999,999,999.99")) << n;
    EXPECT_TRUE(TextFits(row(n).rate, "-99,999,999.99999")) << n;
    EXPECT_TRUE(TextFits(row(n).months, "999999999")) << n;
    EXPECT_TRUE(TextFits(row(n).result, "-$999,999,999.99")) << n;
    EXPECT_TRUE(TextFits(row(n).compounding->lineEdit(), "Quarterly")) << n;
  }
}

}  // namespace
}  // namespace zeb::test
