// The Quick Calculators page through its real fields and buttons.
#include <QPushButton>
#include <QTabWidget>

#include "app/AppInfo.h"
#include "calculators/QuickCalcPage.h"
#include "tests/ui/UiFixture.h"
#include "widgets/FnpNumericEdit.h"
#include "widgets/Mneyedit.h"
#include "widgets/PictureField.h"

namespace zeb::test {
namespace {

const QString kCannotCalculate = "Cannot calculate using the values you entered.  Please try again.";

class QuickCalcPageTest : public MainWindowTest {
protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    window->ShowPageByKey("QC");
    find<QTabWidget>("nbkQuickCalc")->setCurrentIndex(1);
  }
  TMoneyEdit* money(const char* name) const { return find<TMoneyEdit>(name); }
  TOvcPictureField* edtN() const { return find<TOvcPictureField>("edtN"); }
  void click(const char* button) const { QTest::mouseClick(find<QPushButton>(button), Qt::LeftButton); }
  bool yellow(QWidget* w) const { return w->palette().color(QPalette::Base) == QColor(Qt::yellow); }
  // Moves the focus from `field` to the next field, as the Tab key does.
  void leave(QWidget* field) {
    field->setFocus(Qt::TabFocusReason);
    find<QWidget>("edtMPISalesPrice") == field ? find<QWidget>("edtMPIInterestRate")->setFocus(Qt::TabFocusReason)
                                               : find<QWidget>("edtMPISalesPrice")->setFocus(Qt::TabFocusReason);
  }
};

struct SolveCase {
  const char* name;
  const char* targetButton;
  double la, ir, pmt;
  int n;
  const char* field;
  QString expectedText;
};

TEST_F(QuickCalcPageTest, EachTargetSolvesItsField) {
  const SolveCase cases[] = {
      {"payment", "btnCalcPMT", 100000, 8.75, 0, 360, "edtPMT", "786.70"},
      {"number_of_payments", "btnCalcN", 100000, 8.75, 786.70, 0, "edtN", "   360"},
      {"too_small_a_payment_gives_0", "btnCalcN", 100000, 8.75, 500, 0, "edtN", "     0"},
      {"loan_amount", "btnCalcLA", 0, 8.75, 786.70, 360, "edtLA", "100,000.00"},
      {"loan_amount_rate_0_tie_to_even", "btnCalcLA", 0, 0, 100, 12, "edtLA", "1,200.00"},
      {"loan_amount_rate_0", "btnCalcLA", 0, 0, 100.10, 12, "edtLA", "1,202.00"},
      {"interest_rate", "btnCalcIR", 100000, 0, 786.70, 360, "edtIR", "8.75022"},
      {"interest_rate_60", "btnCalcIR", 10000, 0, 200, 60, "edtIR", "7.42549"},
  };
  for (const auto& c : cases) {
    click(c.targetButton);
    if (std::string(c.field) != "edtLA") money("edtLA")->SetTextAsFloat(c.la);
    if (std::string(c.field) != "edtIR") money("edtIR")->SetTextAsFloat(c.ir);
    if (std::string(c.field) != "edtPMT") money("edtPMT")->SetTextAsFloat(c.pmt);
    if (std::string(c.field) != "edtN") edtN()->SetAsInteger(c.n);
    click("btnCalcQuickCalc");
    QLineEdit* target = find<QLineEdit>(c.field);
    EXPECT_EQ(target->text(), c.expectedText) << c.name;
    EXPECT_TRUE(target->isEnabled()) << c.name;
    EXPECT_TRUE(yellow(target)) << c.name;
    EXPECT_TRUE(find<QPushButton>("btnCalcQuickCalc")->isEnabled()) << c.name;
    EXPECT_TRUE(find<QTabWidget>("nbkQuickCalc")->hasFocus()) << c.name;
  }
  EXPECT_TRUE(log.entries.empty());
}

TEST_F(QuickCalcPageTest, ChoosingATargetClearsAllFourAndGreysTheTarget) {
  money("edtLA")->SetTextAsFloat(5000);
  edtN()->SetAsInteger(12);
  click("btnCalcIR");
  EXPECT_EQ(money("edtLA")->text(), "0.00");
  EXPECT_EQ(money("edtIR")->text(), "0.00000");
  EXPECT_EQ(edtN()->AsInteger(), 0);
  EXPECT_FALSE(money("edtIR")->isEnabled());
  EXPECT_TRUE(money("edtLA")->isEnabled());
  EXPECT_TRUE(money("edtLA")->hasFocus());
  click("btnCalcLA");
  EXPECT_TRUE(money("edtIR")->hasFocus());
}

TEST_F(QuickCalcPageTest, FailureClearsTheFieldsAndAsksForANewTarget) {
  click("btnCalcPMT");  // rate 0 and term 0: 0 / 0
  click("btnCalcQuickCalc");
  ASSERT_EQ(log.informationTexts(), QStringList{kCannotCalculate});
  for (const char* f : {"edtLA", "edtIR", "edtPMT"}) {
    EXPECT_DOUBLE_EQ(static_cast<double>(money(f)->TextAsFloat()), 0) << f;
    EXPECT_TRUE(money(f)->isEnabled()) << f;
    EXPECT_FALSE(yellow(money(f))) << f;
  }
  EXPECT_EQ(edtN()->AsInteger(), 0);
  EXPECT_FALSE(find<QPushButton>("btnCalcQuickCalc")->isEnabled());
  EXPECT_TRUE(find<QTabWidget>("nbkQuickCalc")->hasFocus());
}

TEST_F(QuickCalcPageTest, ResultTooLargeForItsFieldGivesTheMessage) {
  // 9,999,999,999.99 at 0.00001 % over 1 month: a payment the field can hold; at
  // 99,999 % the payment has more digits than the field shows.
  click("btnCalcPMT");
  money("edtLA")->SetTextAsFloat(9999999999.99L);
  money("edtIR")->SetTextAsFloat(99999);
  edtN()->SetAsInteger(1);
  click("btnCalcQuickCalc");
  EXPECT_EQ(log.informationTexts(), QStringList{kCannotCalculate});
  EXPECT_EQ(money("edtPMT")->text(), "0.00");
}

TEST_F(QuickCalcPageTest, MonthlyPaymentTab) {
  find<QTabWidget>("nbkQuickCalc")->setCurrentIndex(0);
  money("edtMPISalesPrice")->SetTextAsFloat(200000);
  money("edtMPIDownPaymentPercent")->SetTextAsFloat(20);
  money("edtMPIInterestRate")->SetTextAsFloat(7.5);
  find<TFnpNumericEdit>("edtMPITermInMonths")->SetValue(360);
  leave(money("edtMPIDownPaymentPercent"));
  EXPECT_EQ(money("edtMPIDownPaymentSum")->text(), "40,000.00");
  EXPECT_EQ(money("edtMPILoanAmount")->text(), "160,000.00");
  EXPECT_EQ(money("edtMPIPayment")->text(), "1,118.74");

  // A new price keeps the amount; the percentage waits for its own fields.
  money("edtMPISalesPrice")->SetTextAsFloat(400000);
  leave(money("edtMPISalesPrice"));
  EXPECT_EQ(money("edtMPIDownPaymentSum")->text(), "40,000.00");
  EXPECT_EQ(money("edtMPILoanAmount")->text(), "360,000.00");
  EXPECT_EQ(money("edtMPIDownPaymentPercent")->text(), "20.00000");
  leave(money("edtMPIDownPaymentSum"));
  EXPECT_EQ(money("edtMPIDownPaymentPercent")->text(), "10.00000");

  money("edtMPISalesPrice")->SetTextAsFloat(0);
  leave(money("edtMPISalesPrice"));
  for (const char* f : {"edtMPIDownPaymentPercent", "edtMPIDownPaymentSum", "edtMPILoanAmount", "edtMPIPayment"})
    EXPECT_DOUBLE_EQ(static_cast<double>(money(f)->TextAsFloat()), 0) << f;
  EXPECT_EQ(money("edtMPIInterestRate")->text(), "7.50000");
  EXPECT_TRUE(log.entries.empty());
}

TEST_F(QuickCalcPageTest, MonthlyPaymentErrorReachesTheApplicationHandler) {
  find<QTabWidget>("nbkQuickCalc")->setCurrentIndex(0);
  money("edtMPISalesPrice")->SetTextAsFloat(200000);
  money("edtMPIInterestRate")->SetTextAsFloat(-1200);
  find<TFnpNumericEdit>("edtMPITermInMonths")->SetValue(360);
  leave(money("edtMPIInterestRate"));
  EXPECT_EQ(log.informationTexts(), QStringList{kMathErrorMessage});
}

TEST_F(QuickCalcPageTest, EnteringThePageShowsTabZero) {
  window->ShowPageByKey("Welcome");
  window->ShowPageByKey("QC");
  EXPECT_EQ(find<QTabWidget>("nbkQuickCalc")->currentIndex(), 0);
}

TEST_F(QuickCalcPageTest, TabOrderOfMissingVariables) {
  const char* order[] = {"btnCalcLA", "btnCalcIR", "btnCalcPMT", "btnCalcN", "edtLA", "edtIR", "edtPMT", "edtN",
                         "btnCalcQuickCalc"};
  const auto nextTabStop = [](QWidget* w) {
    do w = w->nextInFocusChain(); while (!(w->focusPolicy() & Qt::TabFocus));
    return w;
  };
  for (size_t i = 0; i + 1 < std::size(order); ++i)
    EXPECT_EQ(nextTabStop(find<QWidget>(order[i]))->objectName(), order[i + 1]) << order[i];
}

}  // namespace
}  // namespace zeb::test
