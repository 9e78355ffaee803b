#include "calculators/RatesOfReturnPage.h"

#include "calculators/PageHost.h"
#include "calculators/RatesOfReturn.h"
#include "calculators/RowPageParts.h"
#include "widgets/Guarded.h"

namespace zeb {
namespace {

using namespace rowpage;

constexpr int kColumnW = 120, kResultW = 96;
constexpr int kBeginningX = 40, kEndingX = 176, kDividendsX = 312, kResultX = 448;
constexpr int kFirstRowY = 100, kRowStep = 40;

struct Sample {
  double beginning, ending, dividends, rate;
};
constexpr Sample kSamples[RatesOfReturnPage::kRows] = {
    {2500, 2600, 0, 4}, {2500, 2600, 50, 6}, {5000, 5500, 0, 10}, {5000, 5500, 150, 13}, {10000, 11000, 100, 11}};

}  // namespace

RatesOfReturnPage::RatesOfReturnPage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {
  setFont(ArialFont(11));
  SetNavyText(this);
  PageSentence(this, "lblRORHeading", "Use these five calculators to determine your rate of return on investments.",
               20);

  const int hy = 50, hh = 40;
  Heading(this, "Beginning Balance", kBeginningX, hy, kColumnW, hh);
  Heading(this, "Value at End of Period", kEndingX, hy, kColumnW, hh);
  Heading(this, "Dividends Paid During Period", kDividendsX, hy, kColumnW, hh);
  Heading(this, "Rate of Return (%)", kResultX - 12, hy, kResultW + 24, hh);

  QWidget* previous = nullptr;
  for (int i = 0; i < kRows; ++i) {
    const QString n = QString::number(i + 1);
    const int y = kFirstRowY + i * kRowStep;
    Row& row = rows_[static_cast<size_t>(i)];
    row.beginning = MoneyEntry(this, "edtRORBV" + n, "Beginning Balance " + n, 2, kBeginningX, y, kColumnW);
    SetHint(row.beginning, "Beginning Balance|Enter the value of the investment at the start of the period");
    row.ending = MoneyEntry(this, "edtROREV" + n, "Value at End of Period " + n, 2, kEndingX, y, kColumnW);
    SetHint(row.ending, "Value at End of Period|Enter the value of the investment at the end of the period");
    row.dividends =
        MoneyEntry(this, "edtRORDV" + n, "Dividends Paid During Period " + n, 2, kDividendsX, y, kColumnW);
    SetHint(row.dividends, "Dividends Paid During Period|Enter the dividends received during the period");
    // Any amount, negative ones included, goes into the formula unchanged.
    for (TMoneyEdit* f : {row.beginning, row.ending, row.dividends}) f->SetAllowNegative(true);
    row.result = PictureResult(this, "edtROR" + n, "Rate of Return (%) " + n, "###.####%", 9, kResultX, y, kResultW);
    SetHint(row.result, "Rate of Return|The gain plus the dividends as a percentage of the beginning balance");
    for (QWidget* f : {static_cast<QWidget*>(row.beginning), static_cast<QWidget*>(row.ending),
                       static_cast<QWidget*>(row.dividends)}) {
      f->installEventFilter(this);
      if (previous) setTabOrder(previous, f);
      previous = f;
    }
  }
}

RatesOfReturnPage::~RatesOfReturnPage() {
  for (const Row& row : rows_)
    for (QWidget* f : {static_cast<QWidget*>(row.beginning), static_cast<QWidget*>(row.ending),
                       static_cast<QWidget*>(row.dividends)})
      f->removeEventFilter(this);
}

bool RatesOfReturnPage::eventFilter(QObject* watched, QEvent* event) {
  if (FieldLeft(event)) Guarded([this, watched] { CalcROR(watched); });
  return QWidget::eventFilter(watched, event);
}

void RatesOfReturnPage::WriteValues(bool sample) {
  for (int i = 0; i < kRows; ++i) {
    const Row& row = rows_[static_cast<size_t>(i)];
    const Sample s = sample ? kSamples[i] : Sample{};
    row.beginning->SetTextAsFloat(s.beginning);
    row.ending->SetTextAsFloat(s.ending);
    row.dividends->SetTextAsFloat(s.dividends);
    row.result->SetAsFloat(s.rate);
  }
}

void RatesOfReturnPage::ClosingSteps() {
  if (host_.CurrentPageKey() == "ROR") rows_[0].beginning->setFocus();
}

void RatesOfReturnPage::ResetRatesOfReturn() {
  WriteValues(host_.DefaultValueSet() != 0);
  ClosingSteps();
}

void RatesOfReturnPage::CalcROR(QObject*) {
  host_.AllowPrinting();
  host_.EnableReset();
  for (const Row& row : rows_) {
    row.result->SetAsFloat(RateOfReturn(static_cast<double>(row.beginning->TextAsFloat()),
                                        static_cast<double>(row.ending->TextAsFloat()),
                                        static_cast<double>(row.dividends->TextAsFloat())));
  }
}

}  // namespace zeb
