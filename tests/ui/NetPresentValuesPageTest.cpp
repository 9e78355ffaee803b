// The Net Present Values page through its real fields and keys.
#include "app/AppInfo.h"
#include "calculators/NetPresentValuesPage.h"
#include "tests/ui/RowPageHelpers.h"
#include "widgets/Mneyedit.h"
#include "widgets/PictureField.h"

namespace zeb::test {
namespace {

const char* const kSampleResults = "$129,493.05 $120,274.95 $111,841.28 $104,117.63 $97,037.33";

class NetPresentValuesPageTest : public RowPageTest {
protected:
  NetPresentValuesPageTest() : RowPageTest("DCF") {}
  NetPresentValuesPage* page() const { return window->NetPresentValues(); }
  QStringList results() const {
    QStringList r;
    for (int j = 0; j < 5; ++j) r << page()->PresentValueField(j)->text().trimmed();
    return r;
  }
  // Every cash flow and rate set (no calculation yet), then one field left.
  void calculate(const std::array<double, 30>& flows, const std::array<double, 5>& rates) {
    for (int k = 1; k <= 30; ++k) page()->CashFlow(k)->SetTextAsFloat(flows[static_cast<size_t>(k - 1)]);
    for (int j = 0; j < 5; ++j) page()->DiscountRate(j)->SetTextAsFloat(rates[static_cast<size_t>(j)]);
    PressTab();
  }
};

TEST_F(NetPresentValuesPageTest, WorkedExampleTypedByKeyboard) {
  window->DisallowPrinting();
  const char* flows[] = {"9000", "", "", "8000", "8200", "9000", "9350", "12500", "137580"};
  TypeInto(page()->CashFlow(1), "");
  for (const char* keys : flows) {
    QTest::keyClicks(QApplication::focusWidget(), keys);
    PressTab();
  }
  PasteInto(page()->CashFlow(3), "-3,000.00");  // the money field takes a minus only by pasting
  PressTab();
  EXPECT_EQ(page()->CashFlow(3)->text(), "-3,000.00");
  TypeInto(page()->DiscountRate(0), "");
  for (const char* keys : {"5", "6", "7", "8", "9"}) {
    QTest::keyClicks(QApplication::focusWidget(), keys);
    PressTab();
  }
  EXPECT_EQ(page()->DiscountRate(4)->text(), "9.00000");
  EXPECT_EQ(Joined(results()), kSampleResults);
  EXPECT_TRUE(window->PrintingAllowed());
  EXPECT_TRUE(log.entries.empty());
}

std::array<double, 30> Single(int year, double amount) {
  std::array<double, 30> f{};
  f[static_cast<size_t>(year - 1)] = amount;
  return f;
}

TEST_F(NetPresentValuesPageTest, EdgeCases) {
  std::array<double, 30> widest;
  widest.fill(9999999999.99);
  const struct {
    const char* name;
    std::array<double, 30> flows;
    std::array<double, 5> rates;
    const char* shown;
  } cases[] = {
      {"year_1_and_year_30_at_10", Single(1, 1000), {10, 0, 10, 10, 10}, "$909.09 $1,000.00 $909.09 $909.09 $909.09"},
      {"year_30_at_10", Single(30, 1000), {10, 10, 10, 10, 10}, "$57.31 $57.31 $57.31 $57.31 $57.31"},
      {"all_flows_0", {}, {5, 6, 7, 8, 9}, "$0.00 $0.00 $0.00 $0.00 $0.00"},
      {"rate_0_is_the_plain_sum", Single(12, -2500.5), {0, 0, 0, 0, 0},
       "-$2,500.50 -$2,500.50 -$2,500.50 -$2,500.50 -$2,500.50"},
      {"fields_at_their_maxima", widest, {0, 99999999.99999, 0, 0, 0},
       "***************** $10,000.00 ***************** ***************** *****************"},
  };
  for (const auto& c : cases) {
    page()->CashFlow(1)->setFocus(Qt::TabFocusReason);
    calculate(c.flows, c.rates);
    EXPECT_EQ(Joined(results()), c.shown) << c.name;
  }
  EXPECT_TRUE(log.entries.empty());
}

TEST_F(NetPresentValuesPageTest, RateOfMinus100OrBelowStopsAtThatRate) {
  const struct {
    const char* name;
    std::array<double, 5> rates;
    const char* shown;  // the earlier rates new, the failing one and those after it old
  } cases[] = {
      {"third_minus_100", {4, 10, -100, 5, 5}, "$139,578.67 $90,540.52 $111,841.28 $104,117.63 $97,037.33"},
      {"first_below_minus_100", {-150, 10, 10, 10, 10}, kSampleResults},
      {"fifth_at_the_lowest", {5, 6, 7, 8, -99999999.99999},
       "$129,493.05 $120,274.95 $111,841.28 $104,117.63 $97,037.33"},
  };
  for (const auto& c : cases) {
    reset(1);
    log.entries.clear();
    std::array<double, 30> flows{};
    for (int k = 1; k <= 30; ++k) flows[static_cast<size_t>(k - 1)] = page()->CashFlow(k)->TextAsFloat();
    calculate(flows, c.rates);
    EXPECT_EQ(Joined(log.informationTexts()), Joined({kMathErrorMessage})) << c.name;
    EXPECT_EQ(Joined(results()), c.shown) << c.name;
  }
}

TEST_F(NetPresentValuesPageTest, ResetZeroAndSample) {
  reset(1);
  EXPECT_EQ(Joined(results()), kSampleResults);
  QStringList flows;
  for (int k = 1; k <= 30; ++k) flows << page()->CashFlow(k)->text();
  EXPECT_EQ(Joined(flows.mid(0, 10)), "9,000.00 0.00 -3,000.00 8,000.00 8,200.00 9,000.00 9,350.00 12,500.00 "
                                      "137,580.00 0.00");
  EXPECT_EQ(page()->DiscountRate(2)->text(), "7.00000");
  EXPECT_EQ(FocusName(), "edtDCFYear1");
  // Recalculating right after the sample reset changes nothing on show.
  for (int i = 0; i < 35; ++i) PressTab();
  EXPECT_EQ(Joined(results()), kSampleResults);

  reset(0);
  for (int k = 1; k <= 30; ++k) EXPECT_EQ(page()->CashFlow(k)->text(), "0.00") << k;
  for (int j = 0; j < 5; ++j) EXPECT_EQ(page()->DiscountRate(j)->text(), "0.00000") << j;
  EXPECT_EQ(Joined(results()), "$0.00 $0.00 $0.00 $0.00 $0.00");
  EXPECT_EQ(FocusName(), "edtDCFYear1");
  EXPECT_TRUE(log.entries.empty());
}

TEST_F(NetPresentValuesPageTest, TabOrderNamesAndLooks) {
  QStringList expected;
  for (int k = 1; k <= 30; ++k) expected << "edtDCFYear" + QString::number(k);
  for (int j = 1; j <= 5; ++j) expected << "edtDiscountRate" + QString::number(j);
  EXPECT_EQ(Joined(TabWalk(page()->CashFlow(1), 35)), Joined(expected));
  for (int k = 1; k <= 30; ++k) {
    EXPECT_EQ(page()->CashFlow(k)->accessibleName(), "Cash Flows Year " + QString::number(k));
    EXPECT_EQ(page()->CashFlow(k)->Decimals(), 2);
    EXPECT_TRUE(TextFits(page()->CashFlow(k), "-9,999,999,999.99")) << k;
  }
  for (int j = 0; j < 5; ++j) {
    const QString n = QString::number(j + 1);
    EXPECT_EQ(page()->DiscountRate(j)->accessibleName(), "Discount Rate % " + n);
    EXPECT_EQ(page()->DiscountRate(j)->Decimals(), 5);
    EXPECT_TRUE(TextFits(page()->DiscountRate(j), "-99,999,999.99999")) << j;
    TOvcPictureField* result = page()->PresentValueField(j);
    EXPECT_EQ(result->accessibleName(), "Present Value " + n);
    EXPECT_EQ(result->PictureMask(), "$#,###,###,###.##");
    EXPECT_TRUE(result->isReadOnly());
    EXPECT_FALSE(result->focusPolicy() & Qt::TabFocus);
    EXPECT_EQ(result->palette().color(QPalette::Base), QColor(Qt::yellow));
    EXPECT_TRUE(TextFits(result, "$9,999,999,999.99")) << j;
    EXPECT_TRUE(TextFits(result, "-$999,999,999.99")) << j;
  }
}

}  // namespace
}  // namespace zeb::test
