// The Rates of Return page through its real fields and keys.
#include "app/AppInfo.h"
#include "calculators/RatesOfReturnPage.h"
#include "tests/ui/RowPageHelpers.h"
#include "widgets/Mneyedit.h"
#include "widgets/PictureField.h"

namespace zeb::test {
namespace {

class RatesOfReturnPageTest : public RowPageTest {
protected:
  RatesOfReturnPageTest() : RowPageTest("ROR") {}
  const RatesOfReturnPage::Row& row(int n) const { return window->RatesOfReturn()->RowFields(n - 1); }
  QStringList results() const {
    QStringList r;
    for (int n = 1; n <= 5; ++n) r << row(n).result->text().trimmed();
    return r;
  }
};

const char* const kSampleResults = "4.0000% 6.0000% 10.0000% 13.0000% 11.0000%";

TEST_F(RatesOfReturnPageTest, WorkedExampleTypedByKeyboard) {
  window->DisallowPrinting();
  const char* rows[][3] = {
      {"2500", "2600", ""}, {"2500", "2600", "50"}, {"5000", "5500", ""}, {"5000", "5500", "150"},
      {"10000", "11000", "100"}};
  TypeInto(row(1).beginning, "");
  for (const auto& r : rows)
    for (const char* keys : r) {
      QTest::keyClicks(QApplication::focusWidget(), keys);
      PressTab();
    }
  EXPECT_EQ(row(5).ending->text(), "11,000.00");
  EXPECT_EQ(Joined(results()), kSampleResults);
  EXPECT_TRUE(window->PrintingAllowed());
  EXPECT_TRUE(log.entries.empty());
}

TEST_F(RatesOfReturnPageTest, EdgeCasesAndValuesTheFieldCannotShow) {
  const struct {
    const char* name;
    QString beginning, ending, dividends;  // pasted
    QString shown;
  } cases[] = {
      {"beginning_0_whatever_else", "0", "5,000.00", "100.00", "0.0000%"},
      {"ending_0_even_with_dividends", "1,000.00", "0", "50.00", "0.0000%"},
      {"a_loss", "1,000.00", "900.00", "0", "-10.0000%"},
      {"dividends_alone", "1,000.00", "1,000.00", "50.00", "5.0000%"},
      {"almost_everything_lost", "1,000.00", "0.01", "0", "-99.9990%"},
      {"negative_ending_value", "1,000.00", "-1,000.00", "0", "*********"},
      {"ten_times_the_money", "1,000.00", "11,000.00", "0", "*********"},
      {"fields_at_their_maxima", "0.01", "9,999,999,999.99", "9,999,999,999.99", "*********"},
  };
  for (const auto& c : cases) {
    PasteInto(row(2).beginning, c.beginning);
    PasteInto(row(2).ending, c.ending);
    PasteInto(row(2).dividends, c.dividends);
    PressTab();
    EXPECT_EQ(row(2).result->text().trimmed(), c.shown) << c.name;
  }
  EXPECT_TRUE(log.entries.empty());
}

TEST_F(RatesOfReturnPageTest, ResetZeroAndSample) {
  reset(1);
  EXPECT_EQ(Joined(results()), kSampleResults);
  EXPECT_EQ(row(4).beginning->text(), "5,000.00");
  EXPECT_EQ(row(4).ending->text(), "5,500.00");
  EXPECT_EQ(row(4).dividends->text(), "150.00");
  EXPECT_EQ(FocusName(), "edtRORBV1");
  // Recalculating right after the sample reset changes nothing on show.
  for (int i = 0; i < 15; ++i) PressTab();
  EXPECT_EQ(Joined(results()), kSampleResults);

  reset(0);
  for (int n = 1; n <= 5; ++n)
    for (QLineEdit* f : {static_cast<QLineEdit*>(row(n).beginning), static_cast<QLineEdit*>(row(n).ending),
                         static_cast<QLineEdit*>(row(n).dividends)})
      EXPECT_EQ(f->text(), "0.00") << f->objectName().toStdString();
  EXPECT_EQ(Joined(results()), "0.0000% 0.0000% 0.0000% 0.0000% 0.0000%");
  EXPECT_EQ(FocusName(), "edtRORBV1");
  EXPECT_TRUE(log.entries.empty());
}

TEST_F(RatesOfReturnPageTest, TabOrderNamesAndLooks) {
  QStringList expected;
  for (int n = 1; n <= 5; ++n)
    for (const char* f : {"edtRORBV", "edtROREV", "edtRORDV"}) expected << f + QString::number(n);
  EXPECT_EQ(Joined(TabWalk(row(1).beginning, 15)), Joined(expected));
  for (int n = 1; n <= 5; ++n) {
    const QString k = QString::number(n);
    EXPECT_EQ(row(n).beginning->accessibleName(), "Beginning Balance " + k);
    EXPECT_EQ(row(n).ending->accessibleName(), "Value at End of Period " + k);
    EXPECT_EQ(row(n).dividends->accessibleName(), "Dividends Paid During Period " + k);
    EXPECT_EQ(row(n).result->accessibleName(), "Rate of Return (%) " + k);
    EXPECT_EQ(row(n).result->PictureMask(), "###.####%");
    EXPECT_TRUE(row(n).result->isReadOnly());
    EXPECT_EQ(row(n).result->palette().color(QPalette::Base), QColor(Qt::yellow));
    for (TMoneyEdit* f : {row(n).beginning, row(n).ending, row(n).dividends}) {
      EXPECT_EQ(f->Decimals(), 2);
      EXPECT_TRUE(TextFits(f, "-9,999,999,999.99")) << f->objectName().toStdString();
    }
    EXPECT_TRUE(TextFits(row(n).result, "-99.9990%"));
  }
}

}  // namespace
}  // namespace zeb::test
