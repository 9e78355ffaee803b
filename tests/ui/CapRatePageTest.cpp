// The Capitalization Rate page in a real main window: the designed look, the worked
// examples typed by keyboard in each solve-for mode, the switch's look, hints, focus and
// recalculation, the failure that writes nothing, and the one-page resets.
#include <QRadioButton>
#include <QToolButton>

#include "app/AppInfo.h"
#include "calculators/CapRatePage.h"
#include "tests/ui/UiFixture.h"
#include "widgets/Mneyedit.h"
#include "widgets/RadioGroup.h"

namespace zeb::test {
namespace {

const char* const kColumns[] = {"edtCRNetOperatingIncome", "edtCRValue", "edtCRCapitalizationRate"};

class CapRatePageTest : public MainWindowTest {
protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    window->ShowPageByKey("pgCapRate");
    page = window->CapRate();
    ASSERT_NE(page, nullptr);
    group = find<TRadioGroup>("rgCapRateSolveFor");
  }
  TMoneyEdit* field(int column, int row) const {
    return find<TMoneyEdit>((QString(kColumns[column]) + QString::number(row)).toLatin1().constData());
  }
  std::string text(int column, int row) const { return field(column, row)->text().toStdString(); }
  void choose(int index) {
    QRadioButton* b = group->Button(index);
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));  // on the circle
    QCoreApplication::processEvents();
  }
  // Types `keys` into the focused field and leaves it with Tab.
  static void typeAndTab(const QString& keys) {
    QWidget* f = QApplication::focusWidget();
    QTest::keyClicks(f, keys);
    QTest::keyClick(f, Qt::Key_Tab);
    QCoreApplication::processEvents();
  }
  static std::string focusName() {
    QWidget* f = QApplication::focusWidget();
    return f ? f->objectName().toStdString() : std::string();
  }
  static bool isComputed(const TMoneyEdit* f) {
    return f->isReadOnly() && !(f->focusPolicy() & Qt::TabFocus) &&
           f->palette().color(QPalette::Base) == QColor(Qt::yellow) &&
           f->palette().color(QPalette::Text) == QColor(Qt::black);
  }
  static bool isEntered(const TMoneyEdit* f) {
    return !f->isReadOnly() && (f->focusPolicy() & Qt::TabFocus) &&
           f->palette().color(QPalette::Base) == QColor(Qt::white) &&
           f->palette().color(QPalette::Text) == QColor(Qt::black);
  }

  CapRatePage* page = nullptr;
  TRadioGroup* group = nullptr;
};

TEST_F(CapRatePageTest, DesignedLookUntilAChoiceIsMade) {
  EXPECT_EQ(group->title(), " Solve for: ");
  ASSERT_EQ(group->Count(), 3);
  EXPECT_EQ(group->Button(0)->text(), "Net Operating Income");
  EXPECT_EQ(group->Button(1)->text(), "Value");
  EXPECT_EQ(group->Button(2)->text(), "Capitalization Rate");
  EXPECT_EQ(group->ItemIndex(), 2);
  EXPECT_EQ(page->CapRateSolveFor(), 2);
  for (int r = 1; r <= 5; ++r) {
    SCOPED_TRACE(r);
    for (int c = 0; c < 2; ++c) {
      EXPECT_EQ(field(c, r)->palette().color(QPalette::Base), QColor(Qt::white));
      EXPECT_EQ(field(c, r)->palette().color(QPalette::Text), QColor(0, 0, 128));
      EXPECT_TRUE(field(c, r)->toolTip().isEmpty());
      EXPECT_EQ(field(c, r)->Decimals(), 2);
    }
    TMoneyEdit* rate = field(2, r);
    EXPECT_EQ(rate->palette().color(QPalette::Base), QColor(Qt::yellow));
    EXPECT_FALSE(rate->focusPolicy() & Qt::TabFocus);
    EXPECT_FALSE(rate->isReadOnly());
    EXPECT_TRUE(rate->toolTip().isEmpty());
    EXPECT_EQ(rate->Decimals(), 5);
    EXPECT_EQ(rate->MaxLength(), 16);
  }
  EXPECT_EQ(focusName(), "edtCRNetOperatingIncome1");
  EXPECT_TRUE(find<QToolButton>("btnPrint")->isEnabled());
  EXPECT_TRUE(find<QToolButton>("btnReset")->isEnabled());
}

struct ExampleCase {
  const char* name;
  int choice;
  QString firstKeys, secondKeys;  // the two entered fields of row 1, in Tab order
  int computedColumn;
  std::string shown;
  // Leaving the income while the rate is still 0 divides by zero: the message, and
  // the value stays as it was.
  QStringList afterFirst;
};

TEST_F(CapRatePageTest, WorkedExamplesTypedByKeyboard) {
  const ExampleCase cases[] = {
      {"rate", 2, "90000", "1000000", 2, "9.00000", {}},
      {"value", 1, "90000", "9", 1, "1,000,000.00", {kMathErrorMessage}},
      {"income", 0, "2000000", "8.5", 0, "170,000.00", {}},
  };
  for (const ExampleCase& c : cases) {
    SCOPED_TRACE(c.name);
    group->Button(c.choice)->setFocus();
    for (int col = 0; col < 3; ++col) field(col, 1)->SetTextAsFloat(0);
    choose((c.choice + 1) % 3);  // a real change next, so the handler runs
    choose(c.choice);
    const int computed = c.computedColumn;
    const int first = computed == 0 ? 1 : 0;
    ASSERT_EQ(focusName(), field(first, 1)->objectName().toStdString());
    log.entries.clear();
    typeAndTab(c.firstKeys);
    EXPECT_EQ(log.informationTexts(), c.afterFirst);
    EXPECT_EQ(field(computed, 1)->TextAsFloat(), 0);
    log.entries.clear();
    typeAndTab(c.secondKeys);
    EXPECT_EQ(text(computed, 1), c.shown);
    EXPECT_EQ(focusName(), field(first, 2)->objectName().toStdString()) << "Tab goes on to the next row";
    for (int r = 2; r <= 5; ++r) EXPECT_EQ(field(computed, r)->TextAsFloat(), 0) << "row " << r;
    EXPECT_TRUE(log.entries.empty());
  }
}

struct SwitchCase {
  const char* name;
  int choice;
  const char* focus;
  QString hints[3];
};

TEST_F(CapRatePageTest, SwitchingRecoloursRehintsMovesTheFocusAndRecomputes) {
  const SwitchCase cases[] = {
      {"income", 0, "edtCRValue1",
       {"Calculated Net Operating Income", "Enter Value", "Enter Capitalization Rate"}},
      {"value", 1, "edtCRNetOperatingIncome1",
       {"Enter Net Operating Income", "Calculated Value", "Enter Capitalization Rate"}},
      {"rate", 2, "edtCRNetOperatingIncome1",
       {"Enter Net Operating Income", "Enter Value", "Calculated Capitalization Rate"}},
  };
  // Row 1: 90,000 / 1,000,000 / 9; row 2 a second property; the other rows zero.
  const double rows[][3] = {{90000, 1000000, 9}, {120000, 1600000, 7.5}};
  for (const SwitchCase& c : cases) {
    SCOPED_TRACE(c.name);
    choose(c.choice == 0 ? 1 : 0);
    group->Button(c.choice)->setFocus();  // no field is left (and recomputed) below
    QCoreApplication::processEvents();
    for (int r = 0; r < 2; ++r)
      for (int col = 0; col < 3; ++col) field(col, r + 1)->SetTextAsFloat(rows[r][col] * (col == c.choice ? 3 : 1));
    choose(c.choice);
    EXPECT_EQ(page->CapRateSolveFor(), c.choice);
    EXPECT_EQ(focusName(), c.focus);
    for (int col = 0; col < 3; ++col) {
      for (int r = 1; r <= 5; ++r) {
        EXPECT_EQ(col == c.choice ? isComputed(field(col, r)) : isEntered(field(col, r)), true)
            << "column " << col << " row " << r;
        EXPECT_EQ(field(col, r)->toolTip().toStdString(), c.hints[col].toStdString());
      }
    }
    // The computed column is replaced at once from the entered columns on show.
    EXPECT_EQ(text(0, 1), "90,000.00");
    EXPECT_EQ(text(1, 1), "1,000,000.00");
    EXPECT_EQ(text(2, 1), "9.00000");
    EXPECT_EQ(text(0, 2), "120,000.00");
    EXPECT_EQ(text(1, 2), "1,600,000.00");
    EXPECT_EQ(text(2, 2), "7.50000");
    for (int r = 3; r <= 5; ++r) EXPECT_EQ(field(c.choice, r)->TextAsFloat(), 0) << "zero row " << r;
  }
  EXPECT_TRUE(log.entries.empty());
}

TEST_F(CapRatePageTest, TabGoesRowByRowSkippingTheComputedColumnThenToTheChoice) {
  choose(1);
  std::vector<std::string> expected;
  for (int r = 1; r <= 5; ++r) {
    expected.push_back("edtCRNetOperatingIncome" + std::to_string(r));
    expected.push_back("edtCRCapitalizationRate" + std::to_string(r));
  }
  ASSERT_EQ(focusName(), expected.front());
  for (const std::string& name : expected) {
    EXPECT_EQ(focusName(), name);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  EXPECT_EQ(focusName().rfind("rgCapRateSolveFor", 0), 0u) << focusName();
  for (int r = 1; r <= 5; ++r) {
    EXPECT_EQ(field(0, r)->accessibleName(), QString("Net Operating Income %1").arg(r));
    EXPECT_EQ(field(1, r)->accessibleName(), QString("Value %1").arg(r));
    EXPECT_EQ(field(2, r)->accessibleName(), QString("Capitalization Rate %1").arg(r));
  }
}

TEST_F(CapRatePageTest, ValueAtRateZeroChangesNoRowAndShowsTheCalculationMessage) {
  choose(1);
  const double rows[][3] = {{90000, 5, 9}, {60000, 5, 6}, {1, 5, 0}, {0, 5, 0}, {50000, 5, 10}};
  for (int r = 0; r < 5; ++r)
    for (int col = 0; col < 3; ++col) field(col, r + 1)->SetTextAsFloat(rows[r][col]);
  log.entries.clear();
  find<QWidget>("edtCRCapitalizationRate1")->setFocus();  // leaving income 1 recomputes
  QCoreApplication::processEvents();
  EXPECT_EQ(log.informationTexts(), QStringList({kMathErrorMessage}));
  for (int r = 1; r <= 5; ++r) EXPECT_EQ(text(1, r), "5.00") << "row " << r;

  // With the income of row 3 at 0 as well, every row is solved; rows at zero stay zero.
  field(0, 3)->SetTextAsFloat(0);
  log.entries.clear();
  choose(2);
  choose(1);
  EXPECT_TRUE(log.entries.empty());
  const char* values[] = {"1,000,000.00", "1,000,000.00", "0.00", "0.00", "500,000.00"};
  for (int r = 1; r <= 5; ++r) EXPECT_EQ(text(1, r), values[r - 1]) << "row " << r;
}

// The widest result shows whole in its field; one the field could only show cut is
// refused with the calculation message.
TEST_F(CapRatePageTest, ResultsAtTheFieldsMaxima) {
  choose(0);
  ASSERT_EQ(focusName(), "edtCRValue1");
  log.entries.clear();
  typeAndTab("9999999999.99");
  typeAndTab("100");
  EXPECT_TRUE(log.entries.empty());
  TMoneyEdit* income = field(0, 1);
  EXPECT_EQ(income->text(), "9,999,999,999.99");
  EXPECT_LE(income->fontMetrics().horizontalAdvance(income->text()), income->width() - 8) << "shown whole";

  field(2, 1)->setFocus();
  field(2, 1)->selectAll();
  typeAndTab("99999999.99999");
  EXPECT_EQ(log.informationTexts(), QStringList({kMathErrorMessage}));
  EXPECT_EQ(income->text(), "9,999,999,999.99");
}

TEST_F(CapRatePageTest, ResetsWriteZerosChooseTheRateAndRecompute) {
  for (const char* item : {"mnuResetThisZero", "mnuResetSamples"}) {
    SCOPED_TRACE(item);
    choose(0);
    field(1, 2)->SetTextAsFloat(2000000);
    field(2, 2)->SetTextAsFloat(8.5);
    find<QWidget>("edtCRCapitalizationRate2")->setFocus();
    window->Action(item)->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(group->ItemIndex(), 2);
    EXPECT_EQ(page->CapRateSolveFor(), 2);
    for (int r = 1; r <= 5; ++r) {
      EXPECT_EQ(text(0, r), "0.00");
      EXPECT_EQ(text(1, r), "0.00");
      EXPECT_EQ(text(2, r), "0.00000");
      EXPECT_TRUE(isComputed(field(2, r)));
      EXPECT_TRUE(isEntered(field(0, r)));
    }
    EXPECT_EQ(focusName(), "edtCRNetOperatingIncome1");
    EXPECT_EQ(window->DefaultValueSet(), std::string(item) == "mnuResetSamples" ? 1 : 0);
  }
  // Recalculating right after the sample reset changes nothing on show.
  std::vector<std::string> before, after;
  for (int r = 1; r <= 5; ++r)
    for (int col = 0; col < 3; ++col) before.push_back(text(col, r));
  page->CalcCapRate();
  for (int r = 1; r <= 5; ++r)
    for (int col = 0; col < 3; ++col) after.push_back(text(col, r));
  EXPECT_EQ(after, before);
  EXPECT_TRUE(log.entries.empty());
}

TEST_F(CapRatePageTest, AChoiceSetInCodeFromAnotherPageMovesNoFocusAndAllowsNoPrinting) {
  choose(1);
  field(0, 1)->SetTextAsFloat(90000);
  field(2, 1)->SetTextAsFloat(9);
  window->ShowPageByKey("QC");
  ASSERT_FALSE(find<QToolButton>("btnPrint")->isEnabled());
  QWidget* focus = QApplication::focusWidget();
  page->WriteValues(false);  // the all-calculators part: zeros and the rate choice
  EXPECT_EQ(group->ItemIndex(), 2);
  EXPECT_TRUE(isComputed(field(2, 1)));
  EXPECT_EQ(text(2, 1), "0.00000");
  EXPECT_EQ(QApplication::focusWidget(), focus);
  EXPECT_FALSE(find<QToolButton>("btnPrint")->isEnabled());
}

}  // namespace
}  // namespace zeb::test
