#include "calculators/NetPresentValuesPage.h"

#include "calculators/PageHost.h"
#include "calculators/RowPageParts.h"
#include "widgets/Guarded.h"

namespace zeb {
namespace {

using namespace rowpage;

// Three columns of ten years: the year's number, then its cash flow.
constexpr int kColumnX[3] = {2, 128, 254};
constexpr int kYearW = 24, kFlowW = 98;
constexpr int kRateX = 384, kRateW = 100, kResultX = 488, kResultW = 106;
constexpr int kHeadingY = 62, kFirstRowY = 82, kRowStep = 25;

constexpr double kSampleFlows[9] = {9000, 0, -3000, 8000, 8200, 9000, 9350, 12500, 137580};
constexpr double kSampleRates[NetPresentValuesPage::kRates] = {5, 6, 7, 8, 9};
constexpr double kSampleValues[NetPresentValuesPage::kRates] = {129493.05, 120274.95, 111841.28, 104117.63,
                                                                97037.33};

}  // namespace

NetPresentValuesPage::NetPresentValuesPage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {
  setFont(ArialFont(11));
  SetNavyText(this);
  PageSentence(this, "lblDCFHeading",
               "Use this calculator to determine the net present value of an investment property's cash flow and "
               "sale proceeds.  Enter each year's cash flow.  For the last year of the holding period, enter the "
               "sum of the cash flow and sale proceeds.",
               48);

  for (int column = 0; column < 3; ++column) {
    const int x = kColumnX[column];
    Heading(this, "YEAR", x, kHeadingY, kYearW + 6, 16, Qt::AlignLeft | Qt::AlignBottom)->setFont(ArialFont(9, true));
    Heading(this, "Cash Flows", x + kYearW + 4, kHeadingY, kFlowW, 16);
    for (int i = 0; i < 10; ++i) {
      const int year = column * 10 + i + 1;
      const QString n = QString::number(year);
      const int y = kFirstRowY + i * kRowStep;
      Heading(this, n, x, y, kYearW, 22, Qt::AlignRight | Qt::AlignVCenter);
      TMoneyEdit* flow = MoneyEntry(this, "edtDCFYear" + n, "Cash Flows Year " + n, 2, x + kYearW + 4, y, kFlowW);
      SetHint(flow, "Cash Flow|Enter the cash flow of year " + n + " (with the sale proceeds in the last year)");
      flow->SetAllowNegative(true);  // a year with a net outlay
      cashFlows_[static_cast<size_t>(year - 1)] = flow;
    }
  }
  Heading(this, "Discount Rate %", kRateX, kHeadingY - 16, kRateW, 32);
  Heading(this, "Present Value", kResultX, kHeadingY - 16, kResultW, 32);
  for (int j = 0; j < kRates; ++j) {
    const QString n = QString::number(j + 1);
    const int y = kFirstRowY + j * kRowStep;
    rates_[static_cast<size_t>(j)] = MoneyEntry(this, "edtDiscountRate" + n, "Discount Rate % " + n, 5, kRateX, y,
                                                kRateW);
    SetHint(rates_[static_cast<size_t>(j)], "Discount Rate|Enter the yearly return you require, in percent");
    results_[static_cast<size_t>(j)] = PictureResult(this, "edtNPV" + n, "Present Value " + n,
                                                     "$#,###,###,###.##", 17, kResultX, y, kResultW);
    SetHint(results_[static_cast<size_t>(j)], "Present Value|The cash flows discounted at the rate beside it");
  }

  QWidget* previous = nullptr;
  for (QWidget* f : cashFlows_) {
    f->installEventFilter(this);
    if (previous) setTabOrder(previous, f);
    previous = f;
  }
  for (QWidget* f : rates_) {
    f->installEventFilter(this);
    setTabOrder(previous, f);
    previous = f;
  }
}

NetPresentValuesPage::~NetPresentValuesPage() {
  for (QWidget* f : cashFlows_) f->removeEventFilter(this);
  for (QWidget* f : rates_) f->removeEventFilter(this);
}

bool NetPresentValuesPage::eventFilter(QObject* watched, QEvent* event) {
  if (FieldLeft(event)) Guarded([this, watched] { CalcDCF(watched); });
  return QWidget::eventFilter(watched, event);
}

void NetPresentValuesPage::WriteValues(bool sample) {
  for (int k = 0; k < kCashFlowYears; ++k) cashFlows_[static_cast<size_t>(k)]->SetTextAsFloat(sample && k < 9 ? kSampleFlows[k] : 0);
  for (int j = 0; j < kRates; ++j) rates_[static_cast<size_t>(j)]->SetTextAsFloat(sample ? kSampleRates[j] : 0);
  for (int j = 0; j < kRates; ++j) results_[static_cast<size_t>(j)]->SetAsFloat(sample ? kSampleValues[j] : 0);
}

void NetPresentValuesPage::ClosingSteps() {
  if (host_.CurrentPageKey() == "DCF") cashFlows_[0]->setFocus();
}

void NetPresentValuesPage::ResetNetPresentValues() {
  WriteValues(host_.DefaultValueSet() != 0);
  ClosingSteps();
}

void NetPresentValuesPage::CalcDCF(QObject*) {
  host_.AllowPrinting();
  std::array<double, kCashFlowYears> flows{};
  for (size_t k = 0; k < flows.size(); ++k) flows[k] = static_cast<double>(cashFlows_[k]->TextAsFloat());
  for (int j = 0; j < kRates; ++j) {
    const double rate = static_cast<double>(rates_[static_cast<size_t>(j)]->TextAsFloat());
    results_[static_cast<size_t>(j)]->SetAsFloat(PresentValue(flows, rate));
  }
}

}  // namespace zeb
